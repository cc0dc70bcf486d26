// Whole documents: files saved by LibreOffice Writer (converted there from HTML, kept here as written) and
// hand-written files in the style of small editors.

#include "RtfTestSupport.h"

#include <QTest>

namespace {

rtf::RtfLoadResult load(const char* name) {
    return rtf::readRtfFile(QStringLiteral(RTF_TEST_DATA "/") + QLatin1String(name));
}

bool anyFragment(QTextDocument& document, const std::function<bool(const QTextCharFormat&)>& test) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (test(it.fragment().charFormat()))
                return true;
    return false;
}

} // namespace

class RtfDocumentsTest : public QObject {
    Q_OBJECT

private slots:
    void libreOfficeNewsletter();
    void libreOfficeReport();
    void libreOfficeNestedTable();
    void wordPadForm();
};

void RtfDocumentsTest::libreOfficeNewsletter() {
    rtf::RtfLoadResult result = load("libreoffice/newsletter.rtf");
    QVERIFY(result.ok());
    QTextDocument& doc = *result.document;
    const QString text = doc.toPlainText();
    // Nothing of the style sheet, the information block or the list table leaks into the text.
    QVERIFY(!text.contains(QLatin1String("Heading 1")));
    QVERIFY(!text.contains(QLatin1String("Liberation")));
    QVERIFY(text.startsWith(QLatin1String("Club Newsletter\n")));
    QCOMPARE(formatOf(doc, "Club Newsletter").fontWeight(), int(QFont::Bold));
    QCOMPARE(formatOf(doc, "Club Newsletter").fontPointSize(), 24.0);
    QCOMPARE(formatOf(doc, "spring issue").fontWeight(), int(QFont::Bold));
    QCOMPARE(formatOf(doc, "Welcome").fontWeight(), int(QFont::Normal));
    QVERIFY(formatOf(doc, "italic words").fontItalic());
    QVERIFY(formatOf(doc, "underlined words").fontUnderline());
    QCOMPARE(formatOf(doc, "dark red").foreground().color(), QColor(0xc0, 0, 0));
    QVERIFY(text.contains(QString::fromUtf8("café and naïve and € 20")));
    QCOMPARE(blockOf(doc, "A centred line").blockFormat().alignment(), Qt::AlignHCenter);
    QCOMPARE(blockOf(doc, "Right aligned").blockFormat().alignment(), Qt::AlignRight);
    QVERIFY(text.contains(QString::fromUtf8("•\tFirst point\n•\tSecond point")));

    const auto tables = tablesOf(doc);
    QCOMPARE(tables.size(), 1);
    QTextTable* table = tables.first();
    QCOMPARE(table->rows(), 4);
    QCOMPARE(table->columns(), 3);
    QCOMPARE(cellText(table, 0, 0), QStringLiteral("Month"));
    QCOMPARE(cellText(table, 2, 2), QString::fromUtf8("Björn"));
    QCOMPARE(cellText(table, 3, 1), QStringLiteral("to be announced"));
    QCOMPARE(table->cellAt(3, 1).columnSpan(), 2);
    QCOMPARE(formatOf(doc, "Month").fontWeight(), int(QFont::Bold));

    const auto images = imagesOf(doc);
    QCOMPARE(images.size(), 1);
    QCOMPARE(images[0].image.size(), QSize(96, 48));
    QCOMPARE(images[0].format.width(), 96.0);
    QCOMPARE(images[0].format.height(), 48.0);

    QCOMPARE(formatOf(doc, "our pages").anchorHref(), QStringLiteral("http://example.org/club"));
    QVERIFY(!formatOf(doc, "for more").isAnchor());
}

void RtfDocumentsTest::libreOfficeReport() {
    rtf::RtfLoadResult result = load("libreoffice/report.rtf");
    QVERIFY(result.ok());
    QTextDocument& doc = *result.document;
    const QString text = doc.toPlainText();
    QVERIFY(text.contains(QString::fromUtf8("Greek: αβγ, Russian: Привет, Japanese: 日本語.")));
    QCOMPARE(formatOf(doc, "2O").verticalAlignment(), QTextCharFormat::AlignSubScript);
    QCOMPARE(formatOf(doc, "2.").verticalAlignment(), QTextCharFormat::AlignSuperScript);
    QVERIFY(formatOf(doc, "Old price").fontStrikeOut());
    QVERIFY(text.contains(QLatin1String("1.\tGather\n")));
    QVERIFY(text.contains(QLatin1String("3.\tPrint\n")));
    QTextTable* table = tablesOf(doc).value(0);
    QVERIFY(table);
    QCOMPARE(table->cellAt(0, 0).rowSpan(), 2);
    QCOMPARE(cellText(table, 1, 1), QStringLiteral("Bottom right"));
    QCOMPARE(blockOf(doc, "begins the second page").blockFormat().pageBreakPolicy(),
             QTextFormat::PageBreak_AlwaysBefore);
    QVERIFY(blockOf(doc, "Indented by two").blockFormat().leftMargin() > 70.0);
}

void RtfDocumentsTest::libreOfficeNestedTable() {
    rtf::RtfLoadResult result = load("libreoffice/nested.rtf");
    QVERIFY(result.ok());
    QTextDocument& doc = *result.document;
    const auto tables = tablesOf(doc);
    QCOMPARE(tables.size(), 1);
    QTextTable* outer = tables.first();
    QCOMPARE(outer->rows(), 2);
    QCOMPARE(outer->columns(), 2);

    QTextTable* inner = QTextCursor(blockOf(doc, "Inner A")).currentTable();
    QVERIFY(inner && inner->parentFrame() == outer);
    const QTextTableCell home = outer->cellAt(inner->firstPosition());
    QCOMPARE(home.row(), 0);
    QCOMPARE(home.column(), 1);
    QCOMPARE(inner->rows(), 2);
    QCOMPARE(inner->columns(), 2);
    QCOMPARE(cellText(inner, 1, 1), QStringLiteral("Inner D"));
    QCOMPARE(formatOf(doc, "Inner D").fontWeight(), int(QFont::Bold));
    QVERIFY(inner->format().border() > 0);
    QCOMPARE(QTextCursor(blockOf(doc, "Below inner")).currentTable(), outer);
    QCOMPARE(doc.toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts),
             QStringList({"Before the tables.", "Outer one", "Above inner", "Inner A", "Inner B", "Inner C",
                          "Inner D", "Below inner", "Outer three", "Outer four", "After the tables."}));
}

void RtfDocumentsTest::wordPadForm() {
    rtf::RtfLoadResult result = load("handwritten/wordpad-form.rtf");
    QVERIFY(result.ok());
    QTextDocument& doc = *result.document;
    QCOMPARE(doc.toPlainText(),
             QString::fromUtf8("Order Form\nPlease fill in all fields and send the form to:\n"
                               "The Club\u2028"
                               "12 Lake Road\n•\tName: ________________\n"
                               "•\tAddress: ________________\nThank you!")
                 .replace(QChar::LineSeparator, QLatin1Char('\n')));
    QCOMPARE(formatOf(doc, "Order Form").fontFamilies().toStringList(), QStringList{"Times New Roman"});
    QCOMPARE(formatOf(doc, "Order Form").fontPointSize(), 16.0);
    QCOMPARE(formatOf(doc, "Please").fontFamilies().toStringList(), QStringList{"Arial"});
    QCOMPARE(formatOf(doc, "Please").fontPointSize(), 10.0);
    QVERIFY(formatOf(doc, "all").fontItalic());
    QVERIFY(formatOf(doc, "____").fontUnderline());
    QVERIFY(!formatOf(doc, "Address").fontUnderline());
    QCOMPARE(formatOf(doc, "Thank").foreground().color(), QColor(0, 0, 128));
    QVERIFY(anyFragment(doc, [](const QTextCharFormat& f) { return f.fontWeight() == QFont::Bold; }));
    QCOMPARE(blockOf(doc, "Name:").blockFormat().textIndent(), -48.0);
}

QTEST_MAIN(RtfDocumentsTest)
#include "RtfDocumentsTest.moc"
