#include "output/PrintRichText.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace output {
namespace {

// Whole twips, halves to even.
double wholeTwips(double twips) {
    return std::nearbyint(twips);
}

// The layout counts heights in 1/64 of a device pixel and places each page at a whole multiple of that
// unit: a page height on the same grid makes every page top an exact multiple of it, with no drift from
// page to page.
double onLayoutGrid(double height) {
    return std::floor(height * 64) / 64;
}

// The layout scales spacing above and below a paragraph from screen pixels to the device, but takes the
// left, right and first-line indents as device pixels. Scaled here by the same ratio, a paragraph keeps on
// paper the indents it has on screen.
void scaleIndents(QTextDocument& document, double toDevice) {
    QTextCursor cursor(&document);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        if (format.leftMargin() == 0 && format.rightMargin() == 0 && format.textIndent() == 0)
            continue;
        format.setLeftMargin(format.leftMargin() * toDevice);
        format.setRightMargin(format.rightMargin() * toDevice);
        format.setTextIndent(format.textIndent() * toDevice);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
    }
}

// The ratio the layout applies to lengths given in screen pixels.
double screenToDevice(const QPaintDevice& device) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double screenDpi = screen ? std::round(screen->logicalDotsPerInchY()) : 96.0;
    return device.logicalDpiY() / screenDpi;
}

struct Line {
    double top;
    double height;
    bool holdsText; // not only pictures and spaces
};

bool holdsText(const QString& text) {
    for (const QChar c : text)
        if (!c.isSpace() && c != QChar::ObjectReplacementCharacter)
            return true;
    return false;
}

// Where each line of the laid-out document stands, in document order (table cells included).
std::vector<Line> linesOf(const QTextDocument& document) {
    std::vector<Line> lines;
    const QAbstractTextDocumentLayout* layout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* text = block.layout();
        const double blockTop = layout->blockBoundingRect(block).top();
        const QString blockText = block.text();
        for (int i = 0; i < text->lineCount(); ++i) {
            const QTextLine line = text->lineAt(i);
            lines.push_back({blockTop + line.y(), line.height(),
                             holdsText(blockText.mid(line.textStart(), line.textLength()))});
        }
    }
    return lines;
}

// The page a line opens on. A line lies wholly on its page unless it is taller than one, so a top within
// half a device pixel of a page's upper edge belongs to that page, whatever rounding put it there.
int pageOf(const Line& line, double pageHeight) {
    return int(std::floor((line.top + 0.5) / pageHeight));
}

struct Page {
    int index;
    // Below what earlier pages printed, so that a picture taller than its page is cut there; never below
    // the line that opens the page.
    double top;
};

// The pages that lines open on, from the top; a page that only a tall picture runs over is not printed.
std::vector<Page> pagesOf(std::vector<Line> lines, double pageHeight) {
    std::stable_sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) { return a.top < b.top; });
    std::vector<Page> pages;
    double printedTo = 0;
    for (const Line& line : lines) {
        const int index = pageOf(line, pageHeight);
        if (pages.empty() || index > pages.back().index)
            pages.push_back({index, std::min(std::max(index * pageHeight, printedTo), line.top)});
        printedTo = std::max(printedTo, line.top + line.height);
    }
    if (pages.empty())
        pages.push_back({0, 0});
    return pages;
}

} // namespace

platform::PrintStatus PrintRichText(const QTextDocument& document, platform::Printer& printer,
                                    const Margins& margins) {
    platform::StartedJob started = printer.start();
    if (!started.status.ok)
        return started.status;
    platform::PrintJob& job = *started.job;
    const platform::PageGeometry page = job.page();

    // The margins run from the paper's edges; the painter starts at the printable area's corner.
    const double leftOffset = wholeTwips(page.printableLeft);
    const double topOffset = wholeTwips(page.printableTop);
    const double left = wholeTwips(margins.left - leftOffset);
    const double top = wholeTwips(margins.top - topOffset);
    const double right = wholeTwips(page.paperWidth - margins.right - leftOffset);
    const double bottom = wholeTwips(page.paperHeight - margins.bottom - topOffset);

    const double scale = job.devicePixelsPerTwip();
    const double pageHeight = onLayoutGrid((bottom - top) * scale);
    const QRectF area(left * scale, top * scale, (right - left) * scale, pageHeight);
    const platform::PrintStatus noRoom =
        platform::PrintStatus::failure(QStringLiteral("The margins leave no room for a line on the page."));
    if (area.width() < 1 || area.height() < 1)
        return noRoom;
    const std::unique_ptr<QTextDocument> pages(document.clone());
    pages->documentLayout()->setPaintDevice(&job.device());
    scaleIndents(*pages, screenToDevice(job.device()));
    // The text starts right at the margins, as on paper it must.
    pages->setDocumentMargin(0);
    pages->setPageSize(area.size());
    const std::vector<Line> lines = linesOf(*pages);
    // A picture taller than the page prints cut, as an ad does; a line of text is never cut.
    for (const Line& line : lines)
        if (line.holdsText && line.height > pageHeight)
            return noRoom;

    QPainter& painter = job.painter();
    const std::vector<Page> printed = pagesOf(lines, pageHeight);
    for (std::size_t i = 0; i < printed.size(); ++i) {
        if (i > 0)
            if (const platform::PrintStatus status = job.newPage(); !status.ok)
                return status;
        const double pageTop = printed[i].index * pageHeight;
        const double pageBottom = pageTop + pageHeight;
        painter.save();
        painter.translate(area.left(), area.top() - pageTop);
        // The next page's first line touches this page's lower edge: half a device pixel in from both edges
        // keeps it, and the last line before, off this page.
        const double from = printed[i].top + 0.5;
        pages->drawContents(&painter, QRectF(0, from, area.width(), pageBottom - 0.5 - from));
        painter.restore();
    }
    return job.finish();
}

} // namespace output
