// What the reader makes of characters: code pages, Unicode, special characters, character formats.

#include "RtfTestSupport.h"

#include <QTest>

class RtfReaderTextTest : public QObject {
    Q_OBJECT

private slots:
    void refusesWhatIsNotRtf_data();
    void refusesWhatIsNotRtf();
    void findsTheHeaderNearTheStart_data();
    void findsTheHeaderNearTheStart();
    void decodesCodePages_data();
    void decodesCodePages();
    void decodesUnicodeWithItsFallbackSkipped_data();
    void decodesUnicodeWithItsFallbackSkipped();
    void specialCharacters();
    void characterFormats();
    void formatsEndWithTheirGroupAndPlain();
    void colours();
    void hiddenTextIsNotShown();
    void destinationsAreSkippedButUnknownWordsKeepTheirText();
};

void RtfReaderTextTest::refusesWhatIsNotRtf_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("plain text") << QByteArray("Hello world");
    QTest::newRow("header beyond the first kilobyte") << QByteArray(1100, 'x') + "{\\rtf1 x}";
    QTest::newRow("other brace") << QByteArray("{\\rtx1 x}");
    QTest::newRow("prefix cut") << QByteArray("{\\rt");
}

void RtfReaderTextTest::refusesWhatIsNotRtf() {
    QFETCH(QByteArray, data);
    const rtf::RtfLoadResult result = rtf::readRtf(data);
    QCOMPARE(result.error, rtf::RtfError::NotRtf);
    QVERIFY(!result.document);
    QVERIFY(!result.ok());
}

void RtfReaderTextTest::findsTheHeaderNearTheStart_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF{\\rtf1 text}");
    QTest::newRow("blanks and line ends") << QByteArray(" \t\r\n\r\n{\\rtf1 text}");
    QTest::newRow("stray bytes") << QByteArray("\x00\x01junk", 6) + "}{\\rt\\\xFF{\\rtf1 text}";
    QTest::newRow("end of the first kilobyte") << QByteArray(1019, '-') + "{\\rtf1 text}";
}

void RtfReaderTextTest::findsTheHeaderNearTheStart() {
    QFETCH(QByteArray, data);
    const rtf::RtfLoadResult result = rtf::readRtf(data);
    QCOMPARE(result.error, rtf::RtfError::None);
    QCOMPARE(result.document->toPlainText(), QStringLiteral("text"));
}

void RtfReaderTextTest::decodesCodePages_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::newRow("windows-1252 by default")
        << QByteArray("{\\rtf1\\ansi caf\\'e9 \\'80 \\'93q\\'94}") << QString::fromUtf8("café € “q”");
    QTest::newRow("raw 8-bit bytes") << QByteArray("{\\rtf1\\ansi na\xefve}") << QString::fromUtf8("naïve");
    QTest::newRow("document code page")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2}")
        << QString::fromUtf8("Привет");
    QTest::newRow("font charset overrides the document")
        << QByteArray(
               "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset161 Greek;}}\\f0 \\'e1{\\f1 \\'e1}}")
        << QString::fromUtf8("áα");
    QTest::newRow("double-byte escapes kept together")
        << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f1\\fcharset128 MS Mincho;}}\\f1 \\'82\\'a0\\'82\\'a2}")
        << QString::fromUtf8("あい");
    QTest::newRow("mac roman") << QByteArray("{\\rtf1\\mac \\'8e}") << QString::fromUtf8("é");
    QTest::newRow("symbol font bullet")
        << QByteArray("{\\rtf1{\\fonttbl{\\f3\\fcharset2 Symbol;}}{\\f3 \\'b7}}") << QString::fromUtf8("•");
    QTest::newRow("unknown code page read as western")
        << QByteArray("{\\rtf1\\ansicpg99999 \\'e9}") << QString::fromUtf8("é");
}

void RtfReaderTextTest::decodesCodePages() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    auto document = readDocument(rtf);
    QVERIFY(document);
    QCOMPARE(document->toPlainText(), text);
}

void RtfReaderTextTest::decodesUnicodeWithItsFallbackSkipped_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::newRow("one fallback character") << QByteArray("{\\rtf1 a\\u8364?b}") << QString::fromUtf8("a€b");
    QTest::newRow("fallback as hex escape") << QByteArray("{\\rtf1 \\u233\\'e9x}") << QString::fromUtf8("éx");
    QTest::newRow("uc0 has no fallback") << QByteArray("{\\rtf1\\uc0 \\u8364?}") << QString::fromUtf8("€?");
    QTest::newRow("uc2 skips two") << QByteArray("{\\rtf1\\uc2 \\u12354\\'82\\'a0z}")
                                   << QString::fromUtf8("あz");
    QTest::newRow("negative values") << QByteArray("{\\rtf1 \\u-3972?}") << QString(QChar(0xF07C));
    QTest::newRow("surrogate pair") << QByteArray("{\\rtf1 \\u-10179?\\u-8704?}")
                                    << QString::fromUtf8("\xF0\x9F\x98\x80");
    QTest::newRow("lone surrogate replaced")
        << QByteArray("{\\rtf1 \\u-10179?x}") << QString::fromUtf8("\uFFFDx");
    QTest::newRow("uc is scoped to its group")
        << QByteArray("{\\rtf1 {\\uc0 \\u97}\\u98?}") << QStringLiteral("ab");
    QTest::newRow("skip stops at a group end")
        << QByteArray("{\\rtf1\\uc3 {\\u97}bc}") << QStringLiteral("abc");
}

void RtfReaderTextTest::decodesUnicodeWithItsFallbackSkipped() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    auto document = readDocument(rtf);
    QVERIFY(document);
    QCOMPARE(document->toPlainText(), text);
}

void RtfReaderTextTest::specialCharacters() {
    auto document =
        readDocument("{\\rtf1 a\\~b\\-c\\_d\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote "
                     "\\{\\}\\\\\\tab e\\line f}");
    QCOMPARE(document->toRawText(), QString::fromUtf8("a\u00A0b\u00ADc\u2011d—–•‘’“”{}\\\te\u2028f"));
}

void RtfReaderTextTest::characterFormats() {
    auto document =
        readDocument("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Liberation Serif;}{\\f1\\fswiss "
                     "Liberation Sans;}}"
                     "plain {\\b bold} {\\i italic} {\\ul under} {\\strike struck} {\\super up} "
                     "{\\sub down} {\\fs40 big} {\\f1 sans} {\\caps capital} {\\scaps small}}");
    QTextDocument& doc = *document;
    const QTextCharFormat plain = formatOf(doc, "plain");
    QCOMPARE(plain.fontWeight(), int(QFont::Normal));
    QVERIFY(!plain.fontItalic());
    QCOMPARE(plain.fontPointSize(), 12.0);
    QCOMPARE(plain.fontFamilies().toStringList(), QStringList{"Liberation Serif"});
    QCOMPARE(formatOf(doc, "bold").fontWeight(), int(QFont::Bold));
    QVERIFY(formatOf(doc, "italic").fontItalic());
    QVERIFY(formatOf(doc, "under").fontUnderline());
    QVERIFY(formatOf(doc, "struck").fontStrikeOut());
    QCOMPARE(formatOf(doc, "up").verticalAlignment(), QTextCharFormat::AlignSuperScript);
    QCOMPARE(formatOf(doc, "down").verticalAlignment(), QTextCharFormat::AlignSubScript);
    QCOMPARE(formatOf(doc, "big").fontPointSize(), 20.0);
    QCOMPARE(formatOf(doc, "sans").fontFamilies().toStringList(), QStringList{"Liberation Sans"});
    QCOMPARE(formatOf(doc, "sans").fontStyleHint(), QFont::SansSerif);
    QCOMPARE(formatOf(doc, "capital").fontCapitalization(), QFont::AllUppercase);
    QCOMPARE(formatOf(doc, "small").fontCapitalization(), QFont::SmallCaps);
}

void RtfReaderTextTest::formatsEndWithTheirGroupAndPlain() {
    auto document =
        readDocument("{\\rtf1 \\b one {\\i two} three\\b0 four \\ul five\\ulnone six \\i\\ul\\b\\fs48 "
                     "seven\\plain eight \\b nine\\b0 ten}");
    QTextDocument& doc = *document;
    QCOMPARE(formatOf(doc, "one").fontWeight(), int(QFont::Bold));
    QVERIFY(formatOf(doc, "two").fontItalic());
    QCOMPARE(formatOf(doc, "two").fontWeight(), int(QFont::Bold));
    QVERIFY(!formatOf(doc, "three").fontItalic());
    QCOMPARE(formatOf(doc, "three").fontWeight(), int(QFont::Bold));
    QCOMPARE(formatOf(doc, "four").fontWeight(), int(QFont::Normal));
    QVERIFY(formatOf(doc, "five").fontUnderline());
    QVERIFY(!formatOf(doc, "six").fontUnderline());
    const QTextCharFormat eight = formatOf(doc, "eight");
    QVERIFY(!eight.fontItalic() && !eight.fontUnderline());
    QCOMPARE(eight.fontWeight(), int(QFont::Normal));
    QCOMPARE(eight.fontPointSize(), 12.0);
    QCOMPARE(formatOf(doc, "nine").fontWeight(), int(QFont::Bold));
    QCOMPARE(formatOf(doc, "ten").fontWeight(), int(QFont::Normal));
}

void RtfReaderTextTest::colours() {
    auto document =
        readDocument("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
                     "{\\cf1 red} {\\cf2\\cb1 blueonred} {\\highlight2 marked} {\\cf0 auto} {\\cf9 none}}");
    QTextDocument& doc = *document;
    QCOMPARE(formatOf(doc, "red").foreground().color(), QColor(255, 0, 0));
    QCOMPARE(formatOf(doc, "blueonred").foreground().color(), QColor(0, 0, 255));
    QCOMPARE(formatOf(doc, "blueonred").background().color(), QColor(255, 0, 0));
    QCOMPARE(formatOf(doc, "marked").background().color(), QColor(0, 0, 255));
    QVERIFY(!formatOf(doc, "auto").hasProperty(QTextFormat::ForegroundBrush));
    QVERIFY(!formatOf(doc, "none").hasProperty(QTextFormat::ForegroundBrush));
}

void RtfReaderTextTest::hiddenTextIsNotShown() {
    auto document = readDocument("{\\rtf1 shown{\\v hidden}again {\\deleted gone}end}");
    QCOMPARE(document->toPlainText(), QStringLiteral("shownagain end"));
}

void RtfReaderTextTest::destinationsAreSkippedButUnknownWordsKeepTheirText() {
    auto document = readDocument(
        "{\\rtf1{\\info{\\title Secret}{\\author Me}}{\\stylesheet{\\s1 Heading 1;}}{\\*\\generator Writer;}"
        "{\\header Head}{\\footer Foot}{\\*\\themedata 0123}{\\*\\unknownthing gone}{\\*\\bkmkstart mark}"
        "{\\footnote note}\\madeupword kept {\\anotherunknown also kept}}");
    QCOMPARE(document->toPlainText(), QStringLiteral("kept also kept"));
}

QTEST_MAIN(RtfReaderTextTest)
#include "RtfReaderTextTest.moc"
