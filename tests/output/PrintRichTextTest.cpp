#include "PdfPages.h"

#include "output/PrintRichText.h"
#include "platform/desktop/SystemPrinter.h"
#include "rtf/RtfReader.h"
#include "tools/makecatalog/SampleCatalog.h"

#include <QBuffer>
#include <QImage>
#include <QMap>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using output::Margins;
using output::PrintRichText;

namespace {

constexpr Margins OneInch{1440, 1440, 1440, 1440};

QString numberedLines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(QStringLiteral("Checklist line %1").arg(i));
    return lines.join(u'\n');
}

// The printed lines of every page, without the blank ones.
QList<QStringList> printedPages(const QString& file) {
    QList<QStringList> pages;
    const QString all =
        pdf::run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    // Pages end with a form feed.
    for (const QString& page : all.split(u'\f').mid(0, pdf::pageCount(file))) {
        QStringList lines;
        for (const QString& line : page.split(u'\n'))
            if (!line.trimmed().isEmpty())
                lines.append(line.trimmed());
        pages.append(lines);
    }
    return pages;
}

rtf::RtfLoadResult fromRtf(const QByteArray& body) {
    return rtf::readRtf("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 " + body + "}");
}

// A picture in RTF: a PNG of one colour at a given size in twips.
QByteArray rtfPicture(int widthTwips, int heightTwips) {
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    QByteArray png;
    QBuffer buffer(&png);
    image.save(&buffer, "PNG");
    return "{\\pict\\pngblip\\picwgoal" + QByteArray::number(widthTwips) + "\\pichgoal" +
           QByteArray::number(heightTwips) + " " + png.toHex() + "}";
}

} // namespace

// Documents printed through the real printer into a PDF, read back with poppler's tools.
class PrintRichTextTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void pagesAsTheTextNeeds();
    void textStartsOneInchFromThePapersEdges_data();
    void textStartsOneInchFromThePapersEdges();
    void explicitPageBreaksStartNewPages();
    void everyLineOnPaper_data();
    void everyLineOnPaper();
    void indentsAsOnScreen();
    void tallFirstPicturePrintsCut();
    void marginsWithoutRoomEndTheJob();
    void registrationFormPrintsOnTwoPages();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString pdf_;
    std::unique_ptr<platform::SystemPrinter> printer_;
};

void PrintRichTextTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    pdf_ = dir_->filePath(QStringLiteral("document.pdf"));
    printer_ = std::make_unique<platform::SystemPrinter>(pdf_);
    printer_->printer().setPageSize(QPageSize(QPageSize::Letter));
}

void PrintRichTextTest::pagesAsTheTextNeeds() {
    QTextDocument empty;
    QVERIFY(PrintRichText(empty, *printer_, OneInch).ok);
    QCOMPARE(pdf::pageCount(pdf_), 1);

    QTextDocument shortText;
    shortText.setPlainText(numberedLines(5));
    QVERIFY(PrintRichText(shortText, *printer_, OneInch).ok);
    QCOMPARE(pdf::pageCount(pdf_), 1);
}

void PrintRichTextTest::textStartsOneInchFromThePapersEdges_data() {
    QTest::addColumn<double>("leftBorder");
    QTest::addColumn<double>("topBorder");
    QTest::newRow("no unprintable border") << 0.0 << 0.0;
    QTest::newRow("quarter-inch border") << 0.25 << 0.25;
    QTest::newRow("uneven border") << 0.6 << 0.15;
}

void PrintRichTextTest::textStartsOneInchFromThePapersEdges() {
    QFETCH(double, leftBorder);
    QFETCH(double, topBorder);
    printer_->printer().setPageMargins(QMarginsF(leftBorder, topBorder, leftBorder, topBorder),
                                       QPageLayout::Inch);
    QTextDocument document;
    document.setPlainText(QStringLiteral("Registration"));
    QVERIFY(PrintRichText(document, *printer_, OneInch).ok);
    const QList<pdf::Word> words = pdf::words(pdf_, 1);
    QCOMPARE(words.size(), 1);
    QVERIFY2(qAbs(words[0].box.left() - 72) < 1, qPrintable(QString::number(words[0].box.left())));
    QVERIFY2(words[0].box.top() >= 71.5 && words[0].box.top() < 76,
             qPrintable(QString::number(words[0].box.top())));
}

void PrintRichTextTest::explicitPageBreaksStartNewPages() {
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("Checklist"));
    QTextBlockFormat breakBefore;
    breakBefore.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.insertBlock(breakBefore);
    cursor.insertText(QStringLiteral("Notice"));
    cursor.insertBlock(breakBefore);
    cursor.insertText(QStringLiteral("Register"));
    QVERIFY(PrintRichText(document, *printer_, OneInch).ok);
    QCOMPARE(pdf::pageCount(pdf_), 3);
    QCOMPARE(pdf::text(pdf_, 1).trimmed(), QStringLiteral("Checklist"));
    QCOMPARE(pdf::text(pdf_, 2).trimmed(), QStringLiteral("Notice"));
    QCOMPARE(pdf::text(pdf_, 3).trimmed(), QStringLiteral("Register"));
}

void PrintRichTextTest::everyLineOnPaper_data() {
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("dpi");
    for (const auto& [paper, name] : {std::pair{QPageSize::A4, "A4"}, std::pair{QPageSize::Letter, "Letter"},
                                      std::pair{QPageSize::Legal, "Legal"}})
        for (const int dpi : {300, 600, 1200})
            QTest::addRow("%s %d dpi", name, dpi) << int(paper) << dpi;
}

// Pages holding one line each, explicit page breaks and a long run of lines that fills pages to the last
// line: nothing may fall between two pages, whatever the paper and the printer's resolution.
void PrintRichTextTest::everyLineOnPaper() {
    QFETCH(int, paper);
    QFETCH(int, dpi);
    printer_->printer().setPageSize(QPageSize(QPageSize::PageSizeId(paper)));
    printer_->printer().setResolution(dpi);

    QTextDocument document;
    QTextCursor cursor(&document);
    QTextBlockFormat breakBefore;
    breakBefore.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.insertText(QStringLiteral("one"));
    cursor.insertBlock(breakBefore);
    cursor.insertText(QStringLiteral("two"));
    cursor.insertBlock(breakBefore);
    cursor.insertText(QStringLiteral("three"));
    cursor.insertBlock(breakBefore);
    cursor.insertText(numberedLines(250));
    QVERIFY(PrintRichText(document, *printer_, OneInch).ok);

    const QList<QStringList> pages = printedPages(pdf_);
    QVERIFY2(pages.size() > 5, qPrintable(QString::number(pages.size())));
    QCOMPARE(pages.mid(0, 3), (QList<QStringList>{{"one"}, {"two"}, {"three"}}));
    QStringList run;
    for (const QStringList& page : pages.mid(3)) {
        QVERIFY(!page.isEmpty());
        run += page;
    }
    QCOMPARE(run, numberedLines(250).split(u'\n'));
}

void PrintRichTextTest::indentsAsOnScreen() {
    printer_->printer().setResolution(1200);
    // One inch in from the margin, and a first line half an inch further in.
    const rtf::RtfLoadResult indented =
        fromRtf("\\pard Flush\\par\\pard\\li1440\\fi720 Indented paragraph\\par\\pard\\li1440 Second\\par");
    QVERIFY(indented.ok());
    QVERIFY(PrintRichText(*indented.document, *printer_, OneInch).ok);
    QMap<QString, double> lefts;
    for (const pdf::Word& word : pdf::words(pdf_, 1))
        lefts.insert(word.text, word.box.left());
    QVERIFY2(qAbs(lefts.value("Flush") - 72) < 1, qPrintable(QString::number(lefts.value("Flush"))));
    QVERIFY2(qAbs(lefts.value("Indented") - 180) < 1, qPrintable(QString::number(lefts.value("Indented"))));
    QVERIFY2(qAbs(lefts.value("Second") - 144) < 1, qPrintable(QString::number(lefts.value("Second"))));
}

// A picture taller than the printable area prints cut, at the top of the document as after a line of
// text; the text after it follows on the next page.
void PrintRichTextTest::tallFirstPicturePrintsCut() {
    for (const QByteArray& before : {QByteArray(), QByteArray("Above\\par ")}) {
        const rtf::RtfLoadResult tall = fromRtf(before + rtfPicture(4000, 20000) + "\\par Below\\par");
        QVERIFY(tall.ok());
        const platform::PrintStatus status = PrintRichText(*tall.document, *printer_, OneInch);
        QVERIFY2(status.ok, qPrintable(status.error));
        const QList<QStringList> pages = printedPages(pdf_);
        QCOMPARE(pages.size(), 2);
        QCOMPARE(pages.front(), before.isEmpty() ? QStringList() : QStringList{"Above"});
        QCOMPARE(pages.back(), QStringList{"Below"});
        QCOMPARE(pdf::pictures(pdf_).size(), 1);
    }
}

void PrintRichTextTest::marginsWithoutRoomEndTheJob() {
    QTextDocument document;
    document.setPlainText(numberedLines(20));
    for (const Margins margins : {Margins{1440 * 5, 1440, 1440 * 5, 1440}, Margins{1440, 7900, 1440, 7900}}) {
        const platform::PrintStatus status = PrintRichText(document, *printer_, margins);
        QVERIFY(!status.ok);
        QVERIFY(!status.error.isEmpty());
        QVERIFY(!QFile::exists(pdf_));
    }
}

void PrintRichTextTest::registrationFormPrintsOnTwoPages() {
    const rtf::RtfLoadResult form = rtf::readRtf(samplecatalog::registerRtf());
    QVERIFY(form.ok());
    QVERIFY(PrintRichText(*form.document, *printer_, OneInch).ok);
    QCOMPARE(pdf::pageCount(pdf_), 2);
}

QTEST_MAIN(PrintRichTextTest)
#include "PrintRichTextTest.moc"
