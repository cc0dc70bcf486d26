#include "platform/Printer.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

namespace platform {
namespace {

constexpr double twipsPerInch = 1440.0;

} // namespace

SystemPrinter::SystemPrinter(std::optional<QString> pdfOutputPath)
    : toPdf_(pdfOutputPath.has_value()), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    if (pdfOutputPath) {
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(*pdfOutputPath);
    }
}

SystemPrinter::~SystemPrinter() = default;

PrintStatus SystemPrinter::checkAvailable() const {
    if (!toPdf_ && QPrinterInfo::availablePrinters().isEmpty())
        return PrintStatus::failure(QStringLiteral("No printer is installed."));
    if (!printer_->isValid())
        return PrintStatus::failure(QStringLiteral("The printer cannot be used."));
    return PrintStatus::success();
}

PrintStatus SystemPrinter::printImage(const QImage& image, double pixelsPerInch) {
    if (image.isNull())
        return PrintStatus::failure(QStringLiteral("There is no picture to print."));
    if (pixelsPerInch <= 0)
        return PrintStatus::failure(QStringLiteral("The picture has no resolution."));
    if (const PrintStatus available = checkAvailable(); !available.ok)
        return available;

    printer_->setFullPage(false);
    QPainter painter;
    if (!painter.begin(printer_.get()))
        return PrintStatus::failure(QStringLiteral("The printer could not start printing."));
    const double devicePerInch = printer_->resolution();
    const QRectF target(0, devicePerInch / twipsPerInch, image.width() * devicePerInch / pixelsPerInch,
                        image.height() * devicePerInch / pixelsPerInch);
    painter.drawImage(target, image);
    if (!painter.end())
        return PrintStatus::failure(QStringLiteral("The printer could not finish printing."));
    return PrintStatus::success();
}

PrintStatus SystemPrinter::printDocument(const QTextDocument& document, const MarginsTwips& margins) {
    if (const PrintStatus available = checkAvailable(); !available.ok)
        return available;

    printer_->setFullPage(true);
    const double devicePerTwip = printer_->resolution() / twipsPerInch;
    const QRectF paper = printer_->paperRect(QPrinter::DevicePixel);
    const QRectF body(margins.left * devicePerTwip, margins.top * devicePerTwip,
                      paper.width() - (margins.left + margins.right) * devicePerTwip,
                      paper.height() - (margins.top + margins.bottom) * devicePerTwip);
    // Margins that leave no room would never let the text advance from page to page.
    if (body.width() < 1 || body.height() < 1)
        return PrintStatus::failure(QStringLiteral("The margins leave no room on the page."));

    QPainter painter;
    if (!painter.begin(printer_.get()))
        return PrintStatus::failure(QStringLiteral("The printer could not start printing."));
    const std::unique_ptr<QTextDocument> pages(document.clone());
    pages->documentLayout()->setPaintDevice(printer_.get());
    pages->setPageSize(body.size());
    const int pageCount = pages->pageCount();
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0 && !printer_->newPage()) {
            painter.end();
            return PrintStatus::failure(QStringLiteral("The printer could not start a new page."));
        }
        painter.save();
        painter.translate(body.left(), body.top() - page * body.height());
        pages->drawContents(&painter, QRectF(0, page * body.height(), body.width(), body.height()));
        painter.restore();
    }
    if (!painter.end())
        return PrintStatus::failure(QStringLiteral("The printer could not finish printing."));
    return PrintStatus::success();
}

bool SystemPrinter::setup(QWidget* parent) {
    QPrintDialog dialog(printer_.get(), parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace platform
