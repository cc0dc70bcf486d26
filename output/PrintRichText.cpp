#include "output/PrintRichText.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <cmath>
#include <memory>
#include <optional>

namespace output {
namespace {

// Whole twips, halves to even.
double wholeTwips(double twips) {
    return std::nearbyint(twips);
}

struct Line {
    int position;
    double top;
    double height;
};

// Where each line of the laid-out document starts and stands, in document order (table cells included).
std::vector<Line> linesOf(const QTextDocument& document) {
    std::vector<Line> lines;
    const QAbstractTextDocumentLayout* layout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* text = block.layout();
        const double blockTop = layout->blockBoundingRect(block).top();
        for (int i = 0; i < text->lineCount(); ++i) {
            const QTextLine line = text->lineAt(i);
            lines.push_back({block.position() + line.textStart(), blockTop + line.y(), line.height()});
        }
    }
    return lines;
}

// The first character laid out at or below a height: where the next page's text begins; none when all
// text stands above it.
std::optional<int> firstPositionBelow(const std::vector<Line>& lines, double top) {
    std::optional<int> first;
    for (const Line& line : lines)
        if (line.top >= top && (!first || line.position < *first))
            first = line.position;
    return first;
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
    const QRectF area(left * scale, top * scale, (right - left) * scale, (bottom - top) * scale);
    const std::unique_ptr<QTextDocument> pages(document.clone());
    pages->documentLayout()->setPaintDevice(&job.device());
    // The text starts right at the margins, as on paper it must.
    pages->setDocumentMargin(0);
    std::vector<Line> lines;
    if (area.width() >= 1 && area.height() >= 1) {
        pages->setPageSize(area.size());
        lines = linesOf(*pages);
    }
    if (lines.empty() || lines.front().height > area.height())
        return platform::PrintStatus::failure(
            QStringLiteral("The margins leave no room for a line on the page."));

    QPainter& painter = job.painter();
    int position = 0;
    for (;;) {
        const int pageIndex = [&] {
            for (const Line& line : lines)
                if (line.position >= position)
                    return int(line.top / area.height());
            return 0;
        }();
        const double pageTop = pageIndex * area.height();
        painter.save();
        painter.translate(area.left(), area.top() - pageTop);
        // Lines start exactly at a page's top, so the next page's first line touches this page's lower
        // edge: half a device pixel in from both edges keeps it, and the last line before, off this page.
        pages->drawContents(&painter, QRectF(0, pageTop + 0.5, area.width(), area.height() - 1));
        painter.restore();

        const std::optional<int> next = firstPositionBelow(lines, pageTop + area.height());
        if (!next)
            break;
        if (*next <= position)
            return platform::PrintStatus::failure(
                QStringLiteral("The document does not advance from page to page."));
        position = *next;
        if (const platform::PrintStatus status = job.newPage(); !status.ok)
            return status;
    }
    return job.finish();
}

} // namespace output
