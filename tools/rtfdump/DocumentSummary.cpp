#include "tools/rtfdump/DocumentSummary.h"

#include "ui/rtf/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace {

constexpr double a4WidthTwips = 210.0 / 25.4 * 1440.0;
constexpr double a4HeightTwips = 297.0 / 25.4 * 1440.0;
constexpr double inchTwips = 1440.0;

int countTables(QTextFrame* frame) {
    int count = 0;
    for (QTextFrame* child : frame->childFrames())
        count += (qobject_cast<QTextTable*>(child) ? 1 : 0) + countTables(child);
    return count;
}

} // namespace

DocumentSummary summarize(QTextDocument& document) {
    DocumentSummary summary;
    summary.paragraphs = document.blockCount();
    summary.tables = countTables(document.rootFrame());
    QString previousHref;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat())
                summary.pictures += it.fragment().length();
            const QString href = format.isAnchor() ? format.anchorHref() : QString();
            if (!href.isEmpty() && href != previousHref)
                ++summary.links;
            previousHref = href;
        }
        previousHref.clear();
    }
    QTextFrameFormat root = document.rootFrame()->frameFormat();
    root.setMargin(inchTwips / rtf::twipsPerPixel);
    document.rootFrame()->setFrameFormat(root);
    document.setPageSize(QSizeF(a4WidthTwips / rtf::twipsPerPixel, a4HeightTwips / rtf::twipsPerPixel));
    summary.pages = document.pageCount();
    return summary;
}

QString summaryLine(const DocumentSummary& summary) {
    return QStringLiteral("paragraphs %1 tables %2 pictures %3 links %4 pages %5")
        .arg(summary.paragraphs)
        .arg(summary.tables)
        .arg(summary.pictures)
        .arg(summary.links)
        .arg(summary.pages);
}
