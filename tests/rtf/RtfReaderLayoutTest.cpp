// What the reader makes of paragraphs, tables, pictures, fields and page set-up.

#include "RtfTestSupport.h"

#include <QBuffer>
#include <QTest>
#include <QTextFrame>

namespace {

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toHex();
}

QImage filled(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

class RtfReaderLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void paragraphsAndAlignment();
    void indentsAndSpacing();
    void lineSpacing();
    void tabStopsAreMeasuredFromTheMargin();
    void pageBreaks();
    void paragraphPropertiesResetByPard();
    void listTextIsShown();
    void simpleTable();
    void tableRowsJoinUntilAParagraphOutside();
    void tableCellsWiderThanTheFirstRowAreMerged();
    void rowsWithoutInTableFormOneTable();
    void nestedTablesSitInTheirCells();
    void mergedCells();
    void rowDefinitionAfterTheCells();
    void cellBackground();
    void picturesAndLinksInsideCells();
    void pictures();
    void pictureScaleAndBinaryData();
    void picturesThatCannotBeDrawnKeepTheirPlace();
    void fields();
    void pageSetUpIsReadPast();
};

void RtfReaderLayoutTest::paragraphsAndAlignment() {
    auto document =
        readDocument("{\\rtf1 \\pard left\\par\\pard\\qc centre\\par\\pard\\qr right\\par\\pard\\qj "
                     "justified\\par\\pard last}");
    QTextDocument& doc = *document;
    QCOMPARE(doc.blockCount(), 5);
    QCOMPARE(blockOf(doc, "left").blockFormat().alignment(), Qt::AlignLeft);
    QCOMPARE(blockOf(doc, "centre").blockFormat().alignment(), Qt::AlignHCenter);
    QCOMPARE(blockOf(doc, "right").blockFormat().alignment(), Qt::AlignRight);
    QCOMPARE(blockOf(doc, "justified").blockFormat().alignment(), Qt::AlignJustify);
    QCOMPARE(doc.toPlainText(), QStringLiteral("left\ncentre\nright\njustified\nlast"));
}

void RtfReaderLayoutTest::indentsAndSpacing() {
    auto document = readDocument("{\\rtf1 \\pard\\li1440\\ri720\\fi-360\\sb240\\sa120 indented\\par}");
    const QTextBlockFormat format = blockOf(*document, "indented").blockFormat();
    QCOMPARE(format.leftMargin(), 96.0);
    QCOMPARE(format.rightMargin(), 48.0);
    QCOMPARE(format.textIndent(), -24.0);
    QCOMPARE(format.topMargin(), 16.0);
    QCOMPARE(format.bottomMargin(), 8.0);
}

void RtfReaderLayoutTest::lineSpacing() {
    auto document = readDocument("{\\rtf1 \\pard\\sl360\\slmult1 oneandahalf\\par\\pard\\sl300\\slmult0 "
                                 "atleast\\par\\pard\\sl-300 exactly\\par\\pard single\\par}");
    QTextDocument& doc = *document;
    const QTextBlockFormat proportional = blockOf(doc, "oneandahalf").blockFormat();
    QCOMPARE(proportional.lineHeightType(), int(QTextBlockFormat::ProportionalHeight));
    QCOMPARE(proportional.lineHeight(), 150.0);
    QCOMPARE(blockOf(doc, "atleast").blockFormat().lineHeightType(), int(QTextBlockFormat::MinimumHeight));
    QCOMPARE(blockOf(doc, "atleast").blockFormat().lineHeight(), 20.0);
    QCOMPARE(blockOf(doc, "exactly").blockFormat().lineHeightType(), int(QTextBlockFormat::FixedHeight));
    QCOMPARE(blockOf(doc, "exactly").blockFormat().lineHeight(), 20.0);
    QCOMPARE(blockOf(doc, "single").blockFormat().lineHeightType(), int(QTextBlockFormat::SingleHeight));
}

void RtfReaderLayoutTest::tabStopsAreMeasuredFromTheMargin() {
    auto document = readDocument("{\\rtf1 \\pard\\tx1440\\tqr\\tx4320 a\\tab b\\tab c\\par"
                                 "\\pard\\li720\\fi-360\\tx1440 \\bullet\\tab item\\par}");
    QTextDocument& doc = *document;
    const QList<QTextOption::Tab> tabs = blockOf(doc, "a").blockFormat().tabPositions();
    QCOMPARE(tabs.size(), 2);
    QCOMPARE(tabs[0].position, 96.0);
    QCOMPARE(tabs[0].type, QTextOption::LeftTab);
    QCOMPARE(tabs[1].position, 288.0);
    QCOMPARE(tabs[1].type, QTextOption::RightTab);
    // Qt counts from the start of the first line (indent 720 - 360 twips here); the hanging indent adds
    // the stop at the indent that list items rely on.
    const QList<QTextOption::Tab> listTabs = blockOf(doc, "item").blockFormat().tabPositions();
    QCOMPARE(listTabs.size(), 2);
    QCOMPARE(listTabs[0].position, 24.0);
    QCOMPARE(listTabs[1].position, 72.0);
}

void RtfReaderLayoutTest::pageBreaks() {
    auto document =
        readDocument("{\\rtf1 first\\page second\\par\\pard\\pagebb third\\par\\pard fourth\\par"
                     "\\sect\\sectd\\sbknone fifth\\par\\sect\\sectd sixth\\par\\sect\\sbknone\\sectd "
                     "seventh\\par\\sect\\sectd\\sbkpage\\sbkcol eighth}");
    QTextDocument& doc = *document;
    const auto breaksBefore = [&doc](const char* text) {
        return blockOf(doc, QString::fromLatin1(text)).blockFormat().pageBreakPolicy() ==
               QTextFormat::PageBreak_AlwaysBefore;
    };
    QVERIFY(!breaksBefore("first"));
    QVERIFY(breaksBefore("second"));
    QVERIFY(breaksBefore("third"));
    QVERIFY(!breaksBefore("fourth"));
    QVERIFY(!breaksBefore("fifth"));
    QVERIFY(breaksBefore("sixth"));
    QVERIFY(breaksBefore("seventh")); // \sectd brings back the default, a new page
    QVERIFY(!breaksBefore("eighth"));
    QCOMPARE(doc.blockCount(), 8);
}

void RtfReaderLayoutTest::paragraphPropertiesResetByPard() {
    auto document = readDocument("{\\rtf1 \\qc\\li720 one\\par two\\par\\pard three}");
    QTextDocument& doc = *document;
    QCOMPARE(blockOf(doc, "two").blockFormat().alignment(), Qt::AlignHCenter);
    QCOMPARE(blockOf(doc, "two").blockFormat().leftMargin(), 48.0);
    QCOMPARE(blockOf(doc, "three").blockFormat().alignment(), Qt::AlignLeft);
    QCOMPARE(blockOf(doc, "three").blockFormat().leftMargin(), 0.0);
}

void RtfReaderLayoutTest::listTextIsShown() {
    auto document = readDocument("{\\rtf1{\\fonttbl{\\f1\\fcharset2 Symbol;}}"
                                 "{\\listtext\\pard\\plain\\f1 "
                                 "\\'b7\\tab}\\pard\\li720\\fi-360{\\*\\pn\\pnlvlblt{\\pntxtb x}}apple\\par"
                                 "{\\pntext 2.\\tab}\\pard\\li720\\fi-360 pear\\par}");
    QCOMPARE(document->toPlainText(), QString::fromUtf8("•\tapple\n2.\tpear"));
    QCOMPARE(blockOf(*document, "apple").blockFormat().leftMargin(), 48.0);
}

void RtfReaderLayoutTest::simpleTable() {
    auto document = readDocument(
        "{\\rtf1 before\\par"
        "\\trowd\\trgaph108\\clbrdrt\\brdrs\\cellx1500\\cellx4500"
        "\\pard\\intbl {\\b Year}\\cell Name\\cell\\row"
        "\\trowd\\trgaph108\\cellx1500\\cellx4500\\pard\\intbl 1963\\cell two\\par lines\\cell\\row"
        "\\pard after\\par}");
    QTextDocument& doc = *document;
    const auto tables = tablesOf(doc);
    QCOMPARE(tables.size(), 1);
    QTextTable* table = tables.first();
    QCOMPARE(table->rows(), 2);
    QCOMPARE(table->columns(), 2);
    QCOMPARE(cellText(table, 0, 0), QStringLiteral("Year"));
    QCOMPARE(cellText(table, 1, 1), QStringLiteral("two\u2029lines"));
    QCOMPARE(formatOf(doc, "Year").fontWeight(), int(QFont::Bold));
    const auto widths = table->format().columnWidthConstraints();
    QCOMPARE(widths.size(), 2);
    QCOMPARE(widths[0].rawValue(), 100.0);
    QCOMPARE(widths[1].rawValue(), 200.0);
    QVERIFY(table->format().border() > 0);
    QCOMPARE(doc.toPlainText(), QStringLiteral("before\nYear\nName\n1963\ntwo\nlines\nafter"));
    // The paragraph after the table is outside it.
    QVERIFY(!QTextCursor(blockOf(doc, "after")).currentTable());
    QVERIFY(!QTextCursor(blockOf(doc, "before")).currentTable());
}

void RtfReaderLayoutTest::tableRowsJoinUntilAParagraphOutside() {
    auto document =
        readDocument("{\\rtf1\\trowd\\cellx1000\\intbl a\\cell\\row\\trowd\\cellx1000\\intbl b\\cell\\row"
                     "\\pard between\\par"
                     "\\trowd\\cellx1000\\cellx2000\\cellx3000\\intbl c\\cell d\\cell e\\cell\\row}");
    QTextDocument& doc = *document;
    const auto tables = tablesOf(doc);
    QCOMPARE(tables.size(), 2);
    QCOMPARE(tables[0]->rows(), 2);
    QCOMPARE(tables[0]->columns(), 1);
    QCOMPARE(tables[1]->rows(), 1);
    QCOMPARE(tables[1]->columns(), 3);
    QCOMPARE(cellText(tables[1], 0, 2), QStringLiteral("e"));
}

void RtfReaderLayoutTest::tableCellsWiderThanTheFirstRowAreMerged() {
    auto document =
        readDocument("{\\rtf1\\trowd\\cellx1000\\cellx2000\\cellx3000\\intbl a\\cell b\\cell c\\cell\\row"
                     "\\trowd\\cellx1000\\cellx3000\\intbl wide1\\cell wide2\\cell\\row"
                     "\\trowd\\cellx3010\\intbl all\\cell\\row}");
    QTextTable* table = tablesOf(*document).first();
    QCOMPARE(table->columns(), 3);
    QCOMPARE(table->rows(), 3);
    QCOMPARE(cellText(table, 1, 0), QStringLiteral("wide1"));
    QCOMPARE(cellText(table, 1, 1), QStringLiteral("wide2"));
    QCOMPARE(table->cellAt(1, 1).columnSpan(), 2);
    QCOMPARE(table->cellAt(2, 0).columnSpan(), 3);
    QCOMPARE(cellText(table, 2, 0), QStringLiteral("all"));
}

void RtfReaderLayoutTest::rowsWithoutInTableFormOneTable() {
    // Cells whose paragraphs lack \intbl belong to the row they end, as word processors read them.
    QByteArray rtf = "{\\rtf1 before\\par ";
    QStringList lines{QStringLiteral("before")};
    for (int row = 0; row < 63; ++row) {
        rtf += "\\trowd";
        for (int column = 1; column <= 25; ++column)
            rtf += "\\cellx" + QByteArray::number(column * 400);
        for (int column = 0; column < 25; ++column) {
            const QString text = QStringLiteral("r%1c%2").arg(row).arg(column);
            rtf += (column % 2 ? "{\\b " + text.toLatin1() + "}" : text.toLatin1()) + "\\cell ";
            lines.append(text);
        }
        rtf += "\\row ";
    }
    rtf += "\\pard after\\par}";
    lines.append(QStringLiteral("after"));
    auto document = readDocument(rtf);
    const auto tables = tablesOf(*document);
    QCOMPARE(tables.size(), 1);
    QCOMPARE(tables[0]->rows(), 63);
    QCOMPARE(tables[0]->columns(), 25);
    QCOMPARE(cellText(tables[0], 62, 24), QStringLiteral("r62c24"));
    QCOMPARE(formatOf(*document, "r5c3").fontWeight(), int(QFont::Bold));
    QCOMPARE(document->toPlainText(), lines.join(QLatin1Char('\n')));
    QVERIFY(!QTextCursor(blockOf(*document, "after")).currentTable());
}

void RtfReaderLayoutTest::nestedTablesSitInTheirCells() {
    auto document =
        readDocument("{\\rtf1 before\\par\\trowd\\cellx3000\\cellx6000"
                     "\\pard\\intbl left\\cell"
                     "\\pard\\intbl\\itap2 a\\nestcell b\\nestcell"
                     "{\\*\\nesttableprops\\trowd\\cellx1000\\cellx2000\\nestrow}{\\nonesttables\\par}"
                     "\\pard\\intbl\\itap2 c\\nestcell {\\i d}\\nestcell"
                     "{\\*\\nesttableprops\\trowd\\cellx1000\\cellx2000\\nestrow}{\\nonesttables\\par}"
                     "\\pard\\intbl\\itap1 below\\cell\\trowd\\cellx3000\\cellx6000\\row"
                     "\\pard after\\par}");
    QTextDocument& doc = *document;
    const auto tables = tablesOf(doc);
    QCOMPARE(tables.size(), 1);
    QTextTable* outer = tables.first();
    QCOMPARE(outer->rows(), 1);
    QCOMPARE(outer->columns(), 2);
    QCOMPARE(cellText(outer, 0, 0), QStringLiteral("left"));

    QTextTable* inner = QTextCursor(blockOf(doc, "a")).currentTable();
    QVERIFY(inner && inner != outer);
    QCOMPARE(inner->parentFrame(), outer);
    QCOMPARE(outer->cellAt(inner->firstPosition()).column(), 1);
    QCOMPARE(inner->rows(), 2);
    QCOMPARE(inner->columns(), 2);
    QCOMPARE(cellText(inner, 1, 0), QStringLiteral("c"));
    QVERIFY(formatOf(doc, "d").fontItalic());
    // The definition that follows the cells still gives the widths.
    QCOMPARE(inner->format().columnWidthConstraints().value(1).rawValue(), 1000 / rtf::TwipsPerPixel);
    QCOMPARE(QTextCursor(blockOf(doc, "below")).currentTable(), outer);
    QCOMPARE(doc.toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts),
             QStringList({"before", "left", "a", "b", "c", "d", "below", "after"}));
}

void RtfReaderLayoutTest::mergedCells() {
    auto document =
        readDocument("{\\rtf1"
                     "\\trowd\\clmgf\\cellx1000\\clmrg\\cellx2000\\clvmgf\\cellx3000"
                     "\\intbl across\\cell\\cell down\\cell\\row"
                     "\\trowd\\cellx1000\\cellx2000\\clvmrg\\cellx3000\\intbl x\\cell y\\cell\\cell\\row"
                     "\\trowd\\cellx1000\\cellx2000\\clvmrg\\cellx3000\\intbl p\\cell q\\cell\\cell\\row"
                     "\\trowd\\cellx1000\\cellx2000\\cellx3000\\intbl 1\\cell 2\\cell 3\\cell\\row}");
    QTextTable* table = tablesOf(*document).first();
    QCOMPARE(table->rows(), 4);
    QCOMPARE(table->cellAt(0, 0).columnSpan(), 2);
    QCOMPARE(cellText(table, 0, 0), QStringLiteral("across"));
    QCOMPARE(table->cellAt(0, 2).rowSpan(), 3);
    QCOMPARE(cellText(table, 0, 2), QStringLiteral("down"));
    QCOMPARE(table->cellAt(3, 2).rowSpan(), 1);
    QCOMPARE(cellText(table, 3, 2), QStringLiteral("3"));
}

void RtfReaderLayoutTest::rowDefinitionAfterTheCells() {
    auto document = readDocument("{\\rtf1\\pard\\intbl one\\cell two\\cell three\\cell"
                                 "\\trowd\\cellx1000\\cellx2000\\cellx3000\\row\\pard after}");
    QTextTable* table = tablesOf(*document).first();
    QCOMPARE(table->columns(), 3);
    QCOMPARE(cellText(table, 0, 0), QStringLiteral("one"));
    QCOMPARE(cellText(table, 0, 2), QStringLiteral("three"));
    // A QTextDocument always has a paragraph before a table; at the start of the document it takes no room.
    QCOMPARE(document->toPlainText(), QStringLiteral("\none\ntwo\nthree\nafter"));
    QCOMPARE(document->begin().blockFormat().lineHeightType(), int(QTextBlockFormat::FixedHeight));
    QCOMPARE(document->begin().blockFormat().lineHeight(), 0.0);
}

void RtfReaderLayoutTest::cellBackground() {
    auto document =
        readDocument("{\\rtf1{\\colortbl;\\red200\\green220\\blue255;}"
                     "\\trowd\\clcbpat1\\cellx1000\\cellx2000\\intbl shaded\\cell plain\\cell\\row}");
    QTextTable* table = tablesOf(*document).first();
    QCOMPARE(table->cellAt(0, 0).format().background().color(), QColor(200, 220, 255));
    QCOMPARE(table->cellAt(0, 1).format().background().style(), Qt::NoBrush);
}

void RtfReaderLayoutTest::picturesAndLinksInsideCells() {
    const QByteArray png = encoded(filled(12, 6, Qt::red), "png");
    auto document = readDocument("{\\rtf1\\trowd\\cellx1500\\cellx3000\\intbl {\\pict\\pngblip\\picwgoal360"
                                 "\\pichgoal180 " +
                                 png +
                                 "}\\cell {\\field{\\*\\fldinst HYPERLINK \"http://x.example/\"}{\\fldrslt "
                                 "cell link}}\\cell\\row\\pard after}");
    QTextDocument& doc = *document;
    const auto images = imagesOf(doc);
    QCOMPARE(images.size(), 1);
    QCOMPARE(images[0].image.size(), QSize(12, 6));
    QCOMPARE(images[0].format.width(), 24.0);
    QVERIFY(QTextCursor(blockOf(doc, "cell link")).currentTable());
    QCOMPARE(formatOf(doc, "cell link").anchorHref(), QStringLiteral("http://x.example/"));
}

void RtfReaderLayoutTest::pictures() {
    const QByteArray png = encoded(filled(20, 10, Qt::red), "png");
    const QByteArray jpeg = encoded(filled(16, 8, Qt::blue), "jpeg");
    auto document = readDocument("{\\rtf1 a{\\pict\\pngblip\\picw20\\pich10\\picwgoal600\\pichgoal300 " +
                                 png + "}b{\\*\\shppict{\\pict\\jpegblip\\picwgoal1440\\pichgoal720\n" +
                                 jpeg + "}}{\\nonshppict{\\pict\\wmetafile8 0102}}c}");
    QTextDocument& doc = *document;
    const auto images = imagesOf(doc);
    QCOMPARE(images.size(), 2);
    QCOMPARE(images[0].format.width(), 40.0);
    QCOMPARE(images[0].format.height(), 20.0);
    QCOMPARE(images[0].image.size(), QSize(20, 10));
    QCOMPARE(images[0].image.pixelColor(5, 5), QColor(Qt::red));
    QCOMPARE(images[1].format.width(), 96.0);
    QCOMPARE(images[1].format.height(), 48.0);
    QCOMPARE(images[1].image.size(), QSize(16, 8));
    QCOMPARE(doc.toPlainText().remove(QChar::ObjectReplacementCharacter), QStringLiteral("abc"));
}

void RtfReaderLayoutTest::pictureScaleAndBinaryData() {
    QByteArray pngBytes;
    QBuffer buffer(&pngBytes);
    buffer.open(QIODevice::WriteOnly);
    filled(30, 30, Qt::green).save(&buffer, "png");
    auto document = readDocument("{\\rtf1{\\pict\\pngblip\\picscalex50\\picscaley200\\bin" +
                                 QByteArray::number(pngBytes.size()) + " " + pngBytes + "}{\\pict\\pngblip " +
                                 pngBytes.toHex() + "}}");
    const auto images = imagesOf(*document);
    QCOMPARE(images.size(), 2);
    QCOMPARE(images[0].image.size(), QSize(30, 30));
    QCOMPARE(images[0].format.width(), 15.0);
    QCOMPARE(images[0].format.height(), 60.0);
    // Without a goal size a picture shows at its own pixel size.
    QCOMPARE(images[1].format.width(), 30.0);
}

void RtfReaderLayoutTest::picturesThatCannotBeDrawnKeepTheirPlace() {
    auto document =
        readDocument("{\\rtf1 a{\\pict\\wmetafile8\\picw2540\\pich1270\\picwgoal1440\\pichgoal720 "
                     "0100090000035e00}b{\\pict\\pngblip\\picwgoal300\\pichgoal150 zz12nonsense}"
                     "c{\\pict\\emfblip\\picw2540\\pich2540 0102}d}");
    const auto images = imagesOf(*document);
    QCOMPARE(images.size(), 3);
    QCOMPARE(images[0].format.width(), 96.0);
    QCOMPARE(images[0].format.height(), 48.0);
    QCOMPARE(images[1].format.width(), 20.0);
    // Without a goal size, a metafile's extent is in hundredths of a millimetre: 2540 is one inch.
    QCOMPARE(images[2].format.width(), 96.0);
    QCOMPARE(images[2].format.height(), 96.0);
    QCOMPARE(document->toPlainText().remove(QChar::ObjectReplacementCharacter), QStringLiteral("abcd"));
}

void RtfReaderLayoutTest::fields() {
    auto document = readDocument(
        "{\\rtf1 see {\\field{\\*\\fldinst{HYPERLINK \"http://example.org/a b\"}}{\\fldrslt{\\ul site}}} and "
        "{\\field{\\*\\fldinst HYPERLINK \\\\l \"part2\"}{\\fldrslt inside}} and "
        "{\\field{\\*\\fldinst PAGE}{\\fldrslt 7}} and {\\field{\\*\\fldinst HYPERLINK \"x\"}} end}");
    QTextDocument& doc = *document;
    QCOMPARE(doc.toPlainText(), QStringLiteral("see site and inside and 7 and  end"));
    const QTextCharFormat site = formatOf(doc, "site");
    QVERIFY(site.isAnchor());
    QCOMPARE(site.anchorHref(), QStringLiteral("http://example.org/a b"));
    QVERIFY(site.fontUnderline());
    QCOMPARE(formatOf(doc, "inside").anchorHref(), QStringLiteral("#part2"));
    QVERIFY(!formatOf(doc, "7").isAnchor());
    QVERIFY(!formatOf(doc, "end").isAnchor());
}

// Documents print with the program's own margins: the paper and margins a document asks for leave no
// trace in the text or its layout.
void RtfReaderLayoutTest::pageSetUpIsReadPast() {
    const rtf::RtfLoadResult result =
        rtf::readRtf("{\\rtf1\\paperw12240\\paperh15840\\margl1800\\margr1800\\margt1440\\margb1440 x}");
    const rtf::RtfLoadResult plain = rtf::readRtf("{\\rtf1 x}");
    QVERIFY(result.ok() && plain.ok());
    QCOMPARE(result.document->toPlainText(), QStringLiteral("x"));
    QCOMPARE(result.document->rootFrame()->frameFormat().margin(),
             plain.document->rootFrame()->frameFormat().margin());
    QCOMPARE(result.document->pageSize(), plain.document->pageSize());
}

QTEST_MAIN(RtfReaderLayoutTest)
#include "RtfReaderLayoutTest.moc"
