#include "tools/rtfdump/DocumentSummary.h"

#include "tools/rtfdump/PageCount.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace {

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
    summary.pages = rtfdump::pagesOnA4(document);
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
