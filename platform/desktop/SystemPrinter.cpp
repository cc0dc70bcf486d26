#include "platform/desktop/SystemPrinter.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

namespace platform {
namespace {

constexpr double twipsPerInch = 1440.0;

class QtPrintJob : public PrintJob {
public:
    explicit QtPrintJob(QPrinter& printer) : printer_(printer) {}
    ~QtPrintJob() override {
        // A job given up half-way must not reach the printer.
        if (painter_.isActive()) {
            printer_.abort();
            painter_.end();
            if (printer_.outputFormat() == QPrinter::PdfFormat)
                QFile::remove(printer_.outputFileName());
        }
    }

    bool begin() { return painter_.begin(&printer_); }

    PageGeometry page() const override {
        const QRectF paper = printer_.paperRect(QPrinter::Inch);
        const QRectF printable = printer_.pageRect(QPrinter::Inch);
        return {paper.width() * twipsPerInch,     paper.height() * twipsPerInch,
                printable.left() * twipsPerInch,  printable.top() * twipsPerInch,
                printable.width() * twipsPerInch, printable.height() * twipsPerInch};
    }
    double devicePixelsPerTwip() const override { return printer_.resolution() / twipsPerInch; }
    QPaintDevice& device() override { return printer_; }
    QPainter& painter() override { return painter_; }

    PrintStatus newPage() override {
        if (!printer_.newPage())
            return PrintStatus::failure(QStringLiteral("The printer could not start a new page."));
        return PrintStatus::success();
    }

    PrintStatus finish() override {
        if (!painter_.end() || printer_.printerState() == QPrinter::Error)
            return PrintStatus::failure(QStringLiteral("The printer could not finish printing."));
        return PrintStatus::success();
    }

private:
    QPrinter& printer_;
    QPainter painter_;
};

} // namespace

SystemPrinter::SystemPrinter(std::optional<QString> pdfOutputPath)
    : toPdf_(pdfOutputPath.has_value()), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    // The painter's origin is the printable area's corner, as a printer's device context has it.
    printer_->setFullPage(false);
    if (pdfOutputPath) {
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(*pdfOutputPath);
    }
}

SystemPrinter::~SystemPrinter() = default;

StartedJob SystemPrinter::start() {
    if (!toPdf_ && QPrinterInfo::availablePrinters().isEmpty())
        return {PrintStatus::failure(QStringLiteral("No printer is installed.")), nullptr};
    // Every job prints all it is given, once: a range or copy count left on the shared printer by a dialog
    // must not cut or repeat the prints that follow.
    printer_->setPrintRange(QPrinter::AllPages);
    printer_->setPageRanges({});
    printer_->setFromTo(0, 0);
    printer_->setCopyCount(1);
    if (!printer_->isValid())
        return {PrintStatus::failure(QStringLiteral("The printer cannot be used.")), nullptr};
    auto job = std::make_unique<QtPrintJob>(*printer_);
    if (!job->begin())
        return {PrintStatus::failure(QStringLiteral("The printer could not start printing.")), nullptr};
    return {PrintStatus::success(), std::move(job)};
}

// The desktop's print dialog chooses the printer and, through its properties, paper and orientation; as a
// set-up dialog it only keeps the choices, so its button is OK and it offers no page range, page set or
// copies: the page that holds them (the one with number fields) is taken out of the dialog's tabs. It
// stays the dialog's own child, which reads it back on OK.
std::unique_ptr<QPrintDialog> SystemPrinter::setupDialog(QWidget* parent) {
    auto dialog = std::make_unique<QPrintDialog>(printer_.get(), parent);
    dialog->setWindowTitle(QStringLiteral("Print Setup"));
    dialog->setOptions({});
    for (QDialogButtonBox* buttons : dialog->findChildren<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    for (QTabWidget* tabs : dialog->findChildren<QTabWidget*>())
        for (int i = tabs->count() - 1; i >= 0; --i)
            if (tabs->widget(i)->findChild<QSpinBox*>())
                tabs->removeTab(i);
    return dialog;
}

bool SystemPrinter::setup(QWidget* parent) {
    return setupDialog(parent)->exec() == QDialog::Accepted;
}

} // namespace platform
