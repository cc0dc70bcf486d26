#pragma once

#include "platform/desktop/Printer.h"

#include <QString>

#include <memory>
#include <optional>

class QPrintDialog;
class QPrinter;

namespace platform {

// The system's default printer (through CUPS), or a PDF file when an output path is given (for tests and
// previews). One object serves the whole program, so Print Setup's choices hold for every print.
class SystemPrinter : public Printer {
public:
    explicit SystemPrinter(std::optional<QString> pdfOutputPath = std::nullopt);
    ~SystemPrinter() override;

    StartedJob start() override;
    bool setup(QWidget* parent) override;
    // The Print Setup dialog as setup() shows it, built apart so that its make-up can be checked without
    // a modal event loop.
    std::unique_ptr<QPrintDialog> setupDialog(QWidget* parent);

    QPrinter& printer() { return *printer_; }

private:
    bool toPdf_;
    std::unique_ptr<QPrinter> printer_;
};

} // namespace platform
