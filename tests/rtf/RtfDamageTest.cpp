// Damaged documents load as far as they make sense, in bounded time and memory, and never crash.

#include "RtfTestSupport.h"
#include "rtf/RtfTableBuilder.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImageWriter>
#include <QTest>

class RtfDamageTest : public QObject {
    Q_OBJECT

private slots:
    void unbalancedBraces_data();
    void unbalancedBraces();
    void truncatedFiles();
    void unknownWordsBadHexAndHugeParameters();
    void deepNestingIsReadWithoutRecursion();
    void binaryLengthBeyondTheFile();
    void nonsensePictures();
    void picturesTogetherStayWithinAMultipleOfTheFile();
    void brokenTables();
    void aRowOfFiftyThousandCellsWithoutInTable();
    void unterminatedFieldsAndTables();
    void tablesBeyondTheCellBudgetEndTheDocument_data();
    void tablesBeyondTheCellBudgetEndTheDocument();
    void jpegPicturesOfUnboundedWorkAreLeftEmpty();
};

void RtfDamageTest::unbalancedBraces_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::newRow("missing closing braces") << QByteArray("{\\rtf1 one{\\b two{\\i three") << "onetwothree";
    QTest::newRow("text after the end is ignored") << QByteArray("{\\rtf1 kept}dropped{\\b more}") << "kept";
    QTest::newRow("extra closing brace ends the document") << QByteArray("{\\rtf1 a{\\b b}}c}") << "ab";
    QTest::newRow("only the header") << QByteArray("{\\rtf") << "";
}

void RtfDamageTest::unbalancedBraces() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    auto document = readDocument(rtf);
    QVERIFY(document);
    QCOMPARE(document->toPlainText(), text);
}

void RtfDamageTest::truncatedFiles() {
    const QByteArray full =
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}"
        "\\pard\\qc {\\b Title}\\par\\trowd\\cellx1000\\cellx2000\\intbl a\\cell b\\cell\\row"
        "\\pard caf\\'e9 \\u8364? {\\pict\\pngblip 89504e47}{\\field{\\*\\fldinst HYPERLINK "
        "\"x\"}{\\fldrslt link}} end\\par}";
    // Every prefix of a good file must load; what was complete before the cut must still be there.
    for (qsizetype length = 5; length <= full.size(); ++length) {
        auto document = readDocument(full.left(length));
        QVERIFY2(document, qPrintable(QString::number(length)));
        if (length > full.indexOf("\\par\\trowd"))
            QVERIFY(document->toPlainText().startsWith(QStringLiteral("Title")));
    }
}

void RtfDamageTest::unknownWordsBadHexAndHugeParameters() {
    auto document = readDocument("{\\rtf1\\zzzz\\qqq123 a\\'zzb\\'\\'4 c\\fs2147483647 d\\fs-2147483648 e"
                                 "\\li99999999999999999\\fi-2147483648\\tx100\\tx2147483647 f\\cf99999999 "
                                 "g\\f-5 h\\u99999999?i\\sl-2147483648 j"
                                 "\\trowd\\cellx2147483647\\cellx-2147483648\\intbl k\\cell\\row}");
    QVERIFY(document);
    const QString text = document->toPlainText();
    for (const char* part : {"a", "zzb", "c", "d", "e", "f", "g", "hi", "j", "k"})
        QVERIFY2(text.contains(QLatin1String(part)), part);
    // Clamped sizes stay inside what QFont can take.
    QVERIFY(formatOf(*document, "d").fontPointSize() <= 1638.0);
    QVERIFY(formatOf(*document, "e").fontPointSize() >= 1.0);
    QVERIFY(blockOf(*document, "f").blockFormat().leftMargin() <= 31680 / rtf::TwipsPerPixel);
}

void RtfDamageTest::deepNestingIsReadWithoutRecursion() {
    const int depth = 200000;
    QByteArray rtf = "{\\rtf1 start";
    rtf += QByteArray(depth, '{');
    rtf += "\\b deep";
    rtf += QByteArray(depth, '}');
    rtf += " back}";
    QElapsedTimer timer;
    timer.start();
    auto document = readDocument(rtf);
    QVERIFY(document);
    QCOMPARE(document->toPlainText(), QStringLiteral("startdeep back"));
    QCOMPARE(formatOf(*document, "deep").fontWeight(), int(QFont::Bold));
    QCOMPARE(formatOf(*document, "back").fontWeight(), int(QFont::Normal));
    QVERIFY(timer.elapsed() < 10000);

    // Never closed at all.
    auto open = readDocument("{\\rtf1 x" + QByteArray(depth, '{') + "y");
    QVERIFY(open);
    QCOMPARE(open->toPlainText(), QStringLiteral("xy"));
}

void RtfDamageTest::binaryLengthBeyondTheFile() {
    auto document = readDocument("{\\rtf1 a{\\pict\\pngblip\\bin999999999 \x89PNG}");
    QVERIFY(document);
    QCOMPARE(document->toPlainText(), QStringLiteral("a"));
    auto outside = readDocument("{\\rtf1 a\\bin4 {}\\bc}");
    QVERIFY(outside);
    QCOMPARE(outside->toPlainText(), QStringLiteral("ac"));
    QCOMPARE(formatOf(*outside, "c").fontWeight(), int(QFont::Normal));
}

void RtfDamageTest::nonsensePictures() {
    QByteArray bogus = "{\\rtf1 a{\\pict\\pngblip\\picwgoal-5\\pichgoal99999999\\picscalex-7 89504e470d0a1a0a"
                       "0000000d49484452ffffffffffffffff0806000000}b"
                       "{\\pict\\jpegblip\\picwgoal1000\\pichgoal1000 ffd8ffe000104a464946 zz ffd9}c"
                       "{\\pict\\picw99999999\\pich99999999 ";
    bogus += QByteArray(5000, 'f');
    bogus += "}d{\\pict}e}";
    auto document = readDocument(bogus);
    QVERIFY(document);
    QCOMPARE(document->toPlainText().remove(QChar::ObjectReplacementCharacter), QStringLiteral("abcde"));
    for (const ImageAt& image : imagesOf(*document)) {
        QVERIFY(image.format.width() <= 31680 / rtf::TwipsPerPixel);
        QVERIFY(image.format.height() <= 31680 / rtf::TwipsPerPixel);
        // A picture that claims a huge size is never decoded into one.
        QVERIFY(image.image.sizeInBytes() < 64 * 1024 * 1024);
    }
}

void RtfDamageTest::picturesTogetherStayWithinAMultipleOfTheFile() {
    // A flat 2000 x 2000 picture compresses to a few kilobytes but takes 16 MB once decoded.
    QImage flat(2000, 2000, QImage::Format_RGB32);
    flat.fill(Qt::white);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(flat.save(&buffer, "png"));
    const QByteArray picture = "{\\pict\\pngblip\\picwgoal1440\\pichgoal1440 " + png.toHex() + "}";
    const QByteArray rtf = "{\\rtf1 " + picture.repeated(40) + "}";
    auto document = readDocument(rtf);
    QVERIFY(document);
    const auto images = imagesOf(*document);
    QCOMPARE(images.size(), 40); // every picture keeps its place
    qint64 decoded = 0;
    int full = 0;
    for (const ImageAt& image : images) {
        QCOMPARE(image.format.width(), 96.0);
        if (image.image.width() == 2000) {
            decoded += image.image.sizeInBytes();
            ++full;
        }
    }
    QVERIFY(full >= 1);
    QVERIFY(full < 40);
    QVERIFY(decoded <= std::max<qint64>(32LL << 20, rtf.size() * 32));
}

void RtfDamageTest::brokenTables() {
    auto document = readDocument("{\\rtf1 \\cell\\row\\row\\cell x\\cell\\intbl\\itap5 y\\nestcell z\\nestrow"
                                 "\\trowd" +
                                 QByteArray("\\cellx100").repeated(500) + "\\intbl" +
                                 QByteArray("c\\cell").repeated(300) + "\\row\\pard after}");
    QVERIFY(document);
    QVERIFY(document->toPlainText().endsWith(QStringLiteral("after")));
    for (QTextTable* table : tablesOf(*document))
        QVERIFY(table->columns() <= 64);
}

void RtfDamageTest::aRowOfFiftyThousandCellsWithoutInTable() {
    // Large enough that a reader taking time in the square of the cells runs past the test's time limit.
    QByteArray rtf = "{\\rtf1 ";
    QStringList lines{QString()}; // the paragraph that QTextDocument keeps before a table
    for (int cell = 0; cell < 50000; ++cell) {
        rtf += "c" + QByteArray::number(cell) + "\\cell ";
        lines.append(QStringLiteral("c%1").arg(cell));
    }
    rtf += "\\row\\pard after}";
    lines.append(QStringLiteral("after"));
    auto document = readDocument(rtf);
    QVERIFY(document);
    const auto tables = tablesOf(*document);
    QCOMPARE(tables.size(), 1);
    QCOMPARE(tables[0]->rows(), 1);
    QCOMPARE(tables[0]->columns(), 64);
    QCOMPARE(cellText(tables[0], 0, 62), QStringLiteral("c62"));
    // Cells beyond the last column follow in it, in order.
    QCOMPARE(document->toPlainText(), lines.join(QLatin1Char('\n')));
}

void RtfDamageTest::unterminatedFieldsAndTables() {
    auto document = readDocument("{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt link"
                                 "\\trowd\\cellx100\\intbl cell");
    QVERIFY(document);
    QCOMPARE(tablesOf(*document).size(), 1);
    QVERIFY(document->toPlainText().contains(QStringLiteral("link")));
}

namespace {

// One definition of columns cells, then rows rows that give each cell its row and column.
QByteArray tableOf(int rows, int columns) {
    QByteArray rtf = "{\\rtf1 before\\par\\trowd";
    for (int column = 1; column <= columns; ++column)
        rtf += "\\cellx" + QByteArray::number(column * 100);
    for (int row = 0; row < rows; ++row) {
        rtf += "\\intbl ";
        for (int column = 0; column < columns; ++column)
            rtf += "r" + QByteArray::number(row) + "c" + QByteArray::number(column) + "\\cell ";
        rtf += "\\row\n";
    }
    return rtf + "\\pard after}";
}

QByteArray progressiveJpeg(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    for (int x = 0; x < width; x += 5)
        image.setPixelColor(x, x % height, Qt::white);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    writer.write(image);
    return bytes;
}

} // namespace

void RtfDamageTest::tablesBeyondTheCellBudgetEndTheDocument_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rowsRead");
    QTest::addColumn<bool>("whole");
    QTest::newRow("263 rows of 4, as a catalog's list") << 263 << 4 << 263 << true;
    QTest::newRow("2000 rows of 4") << 2000 << 4 << 2000 << true;
    const int budgetRows = int(rtf::TableBuilder::MaxCells / 64);
    QTest::newRow("4000 rows of 64") << 4000 << 64 << budgetRows << false;
}

void RtfDamageTest::tablesBeyondTheCellBudgetEndTheDocument() {
    QFETCH(int, rows);
    QFETCH(int, columns);
    QFETCH(int, rowsRead);
    QFETCH(bool, whole);
    auto document = readDocument(tableOf(rows, columns));
    QVERIFY(document);
    const auto tables = tablesOf(*document);
    QCOMPARE(tables.size(), 1);
    QCOMPARE(tables[0]->rows(), rowsRead);
    QCOMPARE(tables[0]->columns(), columns);
    const int last = rowsRead - 1;
    QCOMPARE(cellText(tables[0], last, columns - 1), QStringLiteral("r%1c%2").arg(last).arg(columns - 1));
    QCOMPARE(cellText(tables[0], last / 2, 1), QStringLiteral("r%1c1").arg(last / 2));
    QVERIFY(document->toPlainText().startsWith(QStringLiteral("before")));
    QCOMPARE(document->toPlainText().endsWith(QStringLiteral("after")), whole);
}

void RtfDamageTest::jpegPicturesOfUnboundedWorkAreLeftEmpty() {
    const QByteArray good = progressiveJpeg(300, 200);
    const qsizetype lastScan = good.lastIndexOf(QByteArray("\xFF\xDA", 2));
    const qsizetype end = good.lastIndexOf(QByteArray("\xFF\xD9", 2));
    QVERIFY(lastScan > 0 && end > lastScan);
    // Each repetition of the last scan refines nothing but costs a pass over the picture.
    const QByteArray repeated =
        good.left(end) + good.mid(lastScan, end - lastScan).repeated(1000) + "\xFF\xD9";
    QByteArray claims = good;
    const qsizetype frame = good.indexOf(QByteArray("\xFF\xC2", 2));
    QVERIFY(frame > 0);
    claims[frame + 5] = char(0x3A); // 15,000 rows of 10,000 from a few kilobytes
    claims[frame + 6] = char(0x98);
    claims[frame + 7] = char(0x27);
    claims[frame + 8] = char(0x10);
    QByteArray rtf = "{\\rtf1 ";
    for (const QByteArray& jpeg : {good, repeated, claims})
        rtf += "{\\pict\\jpegblip\\picwgoal1500\\pichgoal1000 " + jpeg.toHex() + "}";
    auto document = readDocument(rtf + "}");
    QVERIFY(document);
    const auto images = imagesOf(*document);
    QCOMPARE(images.size(), 3);
    QCOMPARE(images[0].image.size(), QSize(300, 200));
    for (const ImageAt& image : images.sliced(1)) {
        QCOMPARE(image.format.name(), QStringLiteral("rtf-picture:frame")); // an empty frame
        QCOMPARE(image.format.width(), 100.0);
    }
}

QTEST_MAIN(RtfDamageTest)
#include "RtfDamageTest.moc"
