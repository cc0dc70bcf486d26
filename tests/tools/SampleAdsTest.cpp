#include "tools/makecatalog/RtfWriter.h"
#include "tools/makecatalog/SampleCatalog.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using samplecatalog::AdPage;

namespace {

QSet<QString> sampleFileNames() {
    QSet<QString> names;
    for (const AdPage& ad : samplecatalog::sampleAds())
        names.insert(samplecatalog::fileNameOf(ad));
    return names;
}

// The ad count the viewer arrives at: the highest existing number of the year plus one.
int viewerCount(const QSet<QString>& names, const QString& yearAndPart) {
    for (int n = 100; n >= 0; --n) {
        const QString number = n < 10 ? QStringLiteral("0%1").arg(n) : QString::number(n);
        if (names.contains(yearAndPart + number + QStringLiteral(".jpg")))
            return n + 1;
    }
    return 0;
}

// Empty when the braces of the RTF text nest properly, otherwise where they go wrong.
QString braceProblem(const QByteArray& text) {
    int depth = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\\') {
            ++i; // an escaped character, \{ \} or \\, is text
            continue;
        }
        if (text[i] == '{') {
            ++depth;
        } else if (text[i] == '}') {
            if (--depth < 0)
                return QStringLiteral("unmatched } at %1").arg(i);
            if (depth == 0 && !text.mid(i + 1).trimmed().isEmpty())
                return QStringLiteral("text after the closing brace at %1").arg(i);
        }
    }
    return depth == 0 ? QString() : QStringLiteral("%1 groups left open").arg(depth);
}

} // namespace

class TestSampleAds : public QObject {
    Q_OBJECT

private slots:
    void fileNamesFollowTheNamingScheme_data();
    void fileNamesFollowTheNamingScheme();
    void yearCaptions_data();
    void yearCaptions();
    void vantorHasEveryButtonYearButTheTwoWithoutAds();
    void probedCategoriesStartAtTheirFirstProbeYear_data();
    void probedCategoriesStartAtTheirFirstProbeYear();
    void kxYearsMatchTheEnablingProbe();
    void yearsWithSeveralAdsAndGaps();
    void pageSizesCoverTheViewerCases();
    void everyAdHasAnUnambiguousLabelAndColour();
    void rtfEscapesTextToPlainAscii();
    void documentsAreWellFormedRtf_data();
    void documentsAreWellFormedRtf();
    void checklistTableListsEveryAd();
    void registerFormRunsOverTwoPages();
};

void TestSampleAds::fileNamesFollowTheNamingScheme_data() {
    QTest::addColumn<QString>("yearText");
    QTest::addColumn<QString>("part");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first") << "63"
                           << "kxpe" << 0 << "63kxpe00.jpg";
    QTest::newRow("third") << "63"
                           << "kxpe" << 2 << "63kxpe02.jpg";
    QTest::newRow("ten has no leading zero") << "64"
                                             << "pepe" << 10 << "64pepe10.jpg";
    QTest::newRow("hundred") << "70"
                             << "kxpe" << 100 << "70kxpe100.jpg";
    QTest::newRow("spark plugs") << "ZX"
                                 << "kxpe" << 1 << "ZXkxpe01.jpg";
    QTest::newRow("related") << "Re"
                             << "kxpe" << 0 << "Rekxpe00.jpg";
}

void TestSampleAds::fileNamesFollowTheNamingScheme() {
    QFETCH(QString, yearText);
    QFETCH(QString, part);
    QFETCH(int, number);
    QFETCH(QString, expected);
    QCOMPARE(samplecatalog::fileNameOf(AdPage{yearText, part, number, 1100, 1450}), expected);
}

void TestSampleAds::yearCaptions_data() {
    QTest::addColumn<QString>("yearText");
    QTest::addColumn<QString>("caption");
    QTest::newRow("first year") << "53"
                                << "1953";
    QTest::newRow("last of the century") << "99"
                                         << "1999";
    QTest::newRow("2000") << "00"
                          << "2000";
    QTest::newRow("2001") << "01"
                          << "2001";
    QTest::newRow("spark plugs") << "ZX"
                                 << "ZX";
    QTest::newRow("related") << "Re"
                             << "Related";
}

void TestSampleAds::yearCaptions() {
    QFETCH(QString, yearText);
    QFETCH(QString, caption);
    QCOMPARE(samplecatalog::yearCaptionOf(AdPage{yearText, QStringLiteral("kxpe"), 0, 1100, 1450}), caption);
}

void TestSampleAds::vantorHasEveryButtonYearButTheTwoWithoutAds() {
    const QSet<QString> names = sampleFileNames();
    for (int year = 1953; year <= 2001; ++year) {
        const QString name = QStringLiteral("%1kxpe00.jpg").arg(year % 100, 2, 10, QLatin1Char('0'));
        const bool expected = year != 1976 && year != 1983 && year != 1996;
        QVERIFY2(names.contains(name) == expected, qPrintable(name));
    }
    QVERIFY(names.contains(QStringLiteral("ZXkxpe00.jpg")));
    QVERIFY(names.contains(QStringLiteral("Rekxpe00.jpg")));
    // The local copy of the ads is recognised by a file starting with "01".
    QVERIFY(names.contains(QStringLiteral("01kxpe00.jpg")));
}

void TestSampleAds::probedCategoriesStartAtTheirFirstProbeYear_data() {
    QTest::addColumn<QString>("part");
    QTest::addColumn<int>("firstYear");
    QTest::newRow("w/KX") << "pekx" << 53;
    QTest::newRow("w/Pellion") << "pepe" << 62;
    QTest::newRow("w/Tolvin") << "peto" << 67;
}

void TestSampleAds::probedCategoriesStartAtTheirFirstProbeYear() {
    QFETCH(QString, part);
    QFETCH(int, firstYear);
    int earliest = 1000;
    QSet<int> years;
    for (const AdPage& ad : samplecatalog::sampleAds()) {
        if (ad.categoryPart != part)
            continue;
        bool isNumber = false;
        const int year = ad.yearText.toInt(&isNumber);
        QVERIFY2(isNumber && year >= 53, qPrintable(samplecatalog::fileNameOf(ad)));
        earliest = std::min(earliest, year);
        years.insert(year);
    }
    QCOMPARE(earliest, firstYear);
    QVERIFY(sampleFileNames().contains(QString::number(firstYear) + part + QStringLiteral("00.jpg")));
    int yearsInRange = 0;
    for (int year = firstYear; year <= 99; ++year)
        yearsInRange += year == 83 ? 0 : 1;
    QVERIFY2(years.size() < yearsInRange, "some years must be left without an ad");
}

void TestSampleAds::kxYearsMatchTheEnablingProbe() {
    const QSet<QString> names = sampleFileNames();
    QVERIFY(names.contains(QStringLiteral("76pekx00.jpg")));
    QVERIFY(names.contains(QStringLiteral("82pekx00.jpg")));
    QVERIFY(names.contains(QStringLiteral("84pekx00.jpg")));
    for (const char* absent : {"00pekx00.jpg", "01pekx00.jpg", "100pekx00.jpg", "101pekx00.jpg"})
        QVERIFY2(!names.contains(QLatin1String(absent)), absent);
}

void TestSampleAds::yearsWithSeveralAdsAndGaps() {
    const QSet<QString> names = sampleFileNames();
    QCOMPARE(viewerCount(names, QStringLiteral("63kxpe")), 3);
    QVERIFY(names.contains(QStringLiteral("63kxpe01.jpg")));
    QCOMPARE(viewerCount(names, QStringLiteral("65kxpe")), 3);
    QVERIFY(!names.contains(QStringLiteral("65kxpe01.jpg")));
    QCOMPARE(viewerCount(names, QStringLiteral("68kxpe")), 4);
    QVERIFY(!names.contains(QStringLiteral("68kxpe02.jpg")));
    QCOMPARE(viewerCount(names, QStringLiteral("70kxpe")), 101);
    QVERIFY(names.contains(QStringLiteral("70kxpe01.jpg")));

    int singleAdYears = 0;
    for (const AdPage& ad : samplecatalog::sampleAds()) {
        if (ad.number == 0 && viewerCount(names, ad.yearText + ad.categoryPart) == 1)
            ++singleAdYears;
    }
    QVERIFY2(singleAdYears > samplecatalog::sampleAds().size() / 2, "most years have one ad");
    QCOMPARE(names.size(), samplecatalog::sampleAds().size());
}

void TestSampleAds::pageSizesCoverTheViewerCases() {
    int landscape = 0;
    int normal = 0;
    bool huge = false;
    bool narrow = false;
    qint64 pixels = 0;
    const QList<AdPage> ads = samplecatalog::sampleAds();
    for (const AdPage& ad : ads) {
        QVERIFY(ad.width > 0 && ad.height > 0);
        landscape += ad.width > ad.height ? 1 : 0;
        normal += ad.width == 1100 && ad.height == 1450 ? 1 : 0;
        huge = huge || (ad.width >= 2400 && ad.height >= 3200);
        narrow = narrow || (ad.width <= 600 && ad.height <= 800);
        pixels += qint64(ad.width) * ad.height;
    }
    QCOMPARE(landscape, 1);
    QVERIFY(huge);
    QVERIFY(narrow);
    QVERIFY(normal > ads.size() * 3 / 4);
    // Keeps the written catalog small enough to build in every test run.
    QVERIFY(pixels < 250'000'000);
}

void TestSampleAds::everyAdHasAnUnambiguousLabelAndColour() {
    const QList<AdPage> ads = samplecatalog::sampleAds();
    for (qsizetype i = 0; i < ads.size(); ++i) {
        const QString label = samplecatalog::labelOf(ads[i]);
        const QString name = samplecatalog::fileNameOf(ads[i]);
        QVERIFY2(label.contains(samplecatalog::yearCaptionOf(ads[i])), qPrintable(name));
        QVERIFY2(label.contains(samplecatalog::categoryWordOf(ads[i])), qPrintable(name));
        QVERIFY2(label.contains(QStringLiteral("No. %1").arg(ads[i].number, 2, 10, QLatin1Char('0'))),
                 qPrintable(name));
        if (i > 0)
            QVERIFY2(samplecatalog::colourOf(ads[i]) != samplecatalog::colourOf(ads[i - 1]),
                     qPrintable(name));
    }
    QCOMPARE(samplecatalog::categoryWordOf(AdPage{"63", "kxpe", 0, 1, 1}), QStringLiteral("Vantor"));
    QCOMPARE(samplecatalog::categoryWordOf(AdPage{"63", "pekx", 0, 1, 1}), QStringLiteral("w/KX"));
    QCOMPARE(samplecatalog::categoryWordOf(AdPage{"63", "pepe", 0, 1, 1}), QStringLiteral("w/Pellion"));
    QCOMPARE(samplecatalog::categoryWordOf(AdPage{"67", "peto", 0, 1, 1}), QStringLiteral("w/Tolvin"));
}

void TestSampleAds::rtfEscapesTextToPlainAscii() {
    using samplecatalog::rtf::escape;
    QCOMPARE(escape(QStringLiteral("{a}\\b")), QByteArray("\\{a\\}\\\\b"));
    QCOMPARE(escape(QStringLiteral("caf\u00e9 \u00a9")), QByteArray("caf\\'e9 \\'a9"));
    QCOMPARE(escape(QStringLiteral("a\u2013b \u201cq\u201d")), QByteArray("a\\'96b \\'93q\\'94"));
    QCOMPARE(escape(QStringLiteral("\u2713")), QByteArray("\\u10003?"));
    QCOMPARE(escape(QStringLiteral("\uff21")), QByteArray("\\u-223?"));
    QCOMPARE(escape(QStringLiteral("one\ntwo")), QByteArray("one\\line two"));
}

void TestSampleAds::documentsAreWellFormedRtf_data() {
    QTest::addColumn<QByteArray>("document");
    QTest::newRow("checklist") << samplecatalog::checklistRtf();
    QTest::newRow("notice") << samplecatalog::noticeRtf();
    QTest::newRow("register") << samplecatalog::registerRtf();
}

void TestSampleAds::documentsAreWellFormedRtf() {
    QFETCH(QByteArray, document);
    QVERIFY(document.startsWith("{\\rtf1\\ansi"));
    QVERIFY(document.contains("{\\fonttbl"));
    QVERIFY(document.contains("{\\colortbl"));
    const QString problem = braceProblem(document);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    for (const char c : document)
        QVERIFY2(static_cast<unsigned char>(c) < 0x80, "RTF must be plain ASCII");
    QVERIFY(document.contains("{\\b "));
    QVERIFY(document.contains("{\\i "));
    QVERIFY(document.count("\\par") >= 4);
}

void TestSampleAds::checklistTableListsEveryAd() {
    const QByteArray checklist = samplecatalog::checklistRtf();
    const QRegularExpression fileName(QStringLiteral("\\b\\w{2}(kxpe|pekx|pepe|peto)\\d{2,3}\\.jpg"));
    QSet<QString> listed;
    int rows = 0;
    for (const QByteArray& row : checklist.split('\n')) {
        if (!row.startsWith("\\pard\\intbl"))
            continue;
        ++rows;
        QCOMPARE(row.count("\\cell "), 4);
        QVERIFY(row.endsWith("\\row"));
        const QRegularExpressionMatch match = fileName.match(QString::fromLatin1(row));
        if (match.hasMatch())
            listed.insert(match.captured());
    }
    QCOMPARE(listed, sampleFileNames());
    QCOMPARE(rows, samplecatalog::sampleAds().size() + 1);
    QVERIFY(checklist.contains("\\pard\\intbl 1970\\cell Vantor\\cell 100\\cell 70kxpe100.jpg\\cell \\row"));
    QVERIFY(checklist.contains("\\pard\\intbl Related\\cell Vantor\\cell 00\\cell Rekxpe00.jpg\\cell \\row"));
}

void TestSampleAds::registerFormRunsOverTwoPages() {
    const QByteArray form = samplecatalog::registerRtf();
    QVERIFY(form.contains("\\margl1440\\margr1440\\margt1440\\margb1440"));
    const qsizetype pageBreak = form.indexOf("\\page");
    QVERIFY(pageBreak > 0);
    // Both pages carry a real share of the form, not just a trailing line.
    QVERIFY(form.left(pageBreak).count("\\par") >= 20);
    QVERIFY(form.mid(pageBreak).count("\\par") >= 8);
    QVERIFY(form.contains("\\trowd"));
    QVERIFY(form.contains("Name:} ______"));
}

QTEST_MAIN(TestSampleAds)
#include "SampleAdsTest.moc"
