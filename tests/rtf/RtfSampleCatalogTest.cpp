// The catalog's three documents, as the sample catalog writes them, read into the box.

#include "RtfTestSupport.h"
#include "tools/makecatalog/SampleCatalog.h"
#include "tools/rtfdump/PageCount.h"
#include "ui/RichTextBox.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool hasFormat(QTextDocument& document, bool (*test)(const QTextCharFormat&)) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (!it.fragment().text().trimmed().isEmpty() && test(it.fragment().charFormat()))
                return true;
    return false;
}

bool isBold(const QTextCharFormat& format) {
    return format.fontWeight() >= QFont::Bold;
}
bool isItalic(const QTextCharFormat& format) {
    return format.fontItalic();
}

} // namespace

class RtfSampleCatalogTest : public QObject {
    Q_OBJECT

private slots:
    void checklistShowsEveryAdInItsTable();
    void noticeHasHeadingBoldAndItalic();
    void registrationFormRunsOverTwoPages();
    void theBoxLoadsTheWrittenFiles();
};

void RtfSampleCatalogTest::checklistShowsEveryAdInItsTable() {
    auto document = readDocument(samplecatalog::checklistRtf());
    QVERIFY(document);
    QVERIFY(hasFormat(*document, isBold));
    QVERIFY(hasFormat(*document, isItalic));
    const auto tables = tablesOf(*document);
    QVERIFY(!tables.isEmpty());
    QString tableText;
    for (QTextTable* table : tables)
        for (int row = 0; row < table->rows(); ++row)
            for (int column = 0; column < table->columns(); ++column)
                tableText += cellText(table, row, column) + QLatin1Char('\n');
    const auto ads = samplecatalog::sampleAds();
    QVERIFY(!ads.isEmpty());
    for (const auto& ad : ads)
        QVERIFY2(tableText.contains(samplecatalog::fileNameOf(ad)),
                 qPrintable(samplecatalog::fileNameOf(ad)));
    int rows = 0;
    for (QTextTable* table : tables)
        rows += table->rows();
    QVERIFY(rows >= ads.size());
}

void RtfSampleCatalogTest::noticeHasHeadingBoldAndItalic() {
    auto document = readDocument(samplecatalog::noticeRtf());
    QVERIFY(document);
    QVERIFY(hasFormat(*document, isBold));
    QVERIFY(hasFormat(*document, isItalic));
    QVERIFY(document->blockCount() >= 3);
    // The heading is the first paragraph with text, and it stands out from the body.
    QTextBlock heading = document->begin();
    while (heading.isValid() && heading.text().trimmed().isEmpty())
        heading = heading.next();
    QVERIFY(heading.isValid());
    const QTextCharFormat headingFormat = heading.begin().fragment().charFormat();
    const QTextCharFormat bodyFormat =
        heading.next().isValid() && heading.next().begin() != heading.next().end()
            ? heading.next().begin().fragment().charFormat()
            : QTextCharFormat();
    QVERIFY(isBold(headingFormat) || headingFormat.fontPointSize() > bodyFormat.fontPointSize());
}

void RtfSampleCatalogTest::registrationFormRunsOverTwoPages() {
    auto document = readDocument(samplecatalog::registerRtf());
    QVERIFY(document);
    QVERIFY(!tablesOf(*document).isEmpty());
    QVERIFY(document->toPlainText().contains(QLatin1String("____")));
    QVERIFY(rtfdump::pagesOnA4(*document) >= 2);
}

void RtfSampleCatalogTest::theBoxLoadsTheWrittenFiles() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString error;
    QVERIFY2(samplecatalog::writeSampleCatalog(dir.path(), &error), qPrintable(error));
    ui::RichTextBox box;
    for (const char* name : {"VantorAds.rtf", "notice.rtf", "Register.rtf"}) {
        QFile file(dir.filePath(QStringLiteral("RichText/") + QLatin1String(name)));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(box.load(file.readAll(), QLatin1String(name)), rtf::RtfError::None);
        QVERIFY(!box.text().trimmed().isEmpty());
        QCOMPARE(box.fileName(), QLatin1String(name));
    }
}

QTEST_MAIN(RtfSampleCatalogTest)
#include "RtfSampleCatalogTest.moc"
