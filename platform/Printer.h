#pragma once

#include <QImage>
#include <QString>
#include <memory>
#include <optional>

class QPrinter;
class QTextDocument;
class QWidget;

namespace platform {

struct PrintStatus {
    bool ok = true;
    QString error;

    static PrintStatus success() { return {}; }
    static PrintStatus failure(QString error) { return {false, std::move(error)}; }
};

// Distances from the edges of the paper, in twips (1/1440 inch).
struct MarginsTwips {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

class Printer {
public:
    virtual ~Printer() = default;
    // One page: the picture at its own physical size (its pixels at the given resolution), its top-left
    // corner one twip below the top-left corner of the printable area; what does not fit is cut off.
    virtual PrintStatus printImage(const QImage& image, double pixelsPerInch) = 0;
    // The document page by page inside margins measured from the paper's edges.
    virtual PrintStatus printDocument(const QTextDocument& document, const MarginsTwips& margins) = 0;
    // The Print Setup dialog; the choices are kept for the prints that follow. False when cancelled.
    virtual bool setup(QWidget* parent) = 0;
};

// The system's current printer, or a PDF file when an output path is given (for tests and previews).
class SystemPrinter : public Printer {
public:
    explicit SystemPrinter(std::optional<QString> pdfOutputPath = std::nullopt);
    ~SystemPrinter() override;

    PrintStatus printImage(const QImage& image, double pixelsPerInch) override;
    PrintStatus printDocument(const QTextDocument& document, const MarginsTwips& margins) override;
    bool setup(QWidget* parent) override;

    QPrinter* printer() { return printer_.get(); }

private:
    PrintStatus checkAvailable() const;

    bool toPdf_;
    std::unique_ptr<QPrinter> printer_;
};

} // namespace platform
