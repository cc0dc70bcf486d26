// The rtfdump command as a user runs it: its output and its exit status.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int exitCode = -1;
    QProcess::ExitStatus status = QProcess::CrashExit;
    QString out;
};

Run rtfdump(const QStringList& arguments) {
    QProcess process;
    // A platform that cannot start here must not decide the exit status.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":4711"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(RTFDUMP), arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitCode();
    run.status = process.exitStatus();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    return run;
}

} // namespace

class RtfDumpTest : public QObject {
    Q_OBJECT

private slots:
    void printsTextAndSummary();
    void countsPagesOnA4();
    void refusals_data();
    void refusals();
    void damagedFilesStillLoad();

private:
    QTemporaryDir dir_;
};

void RtfDumpTest::printsTextAndSummary() {
    const Run run = rtfdump({QStringLiteral(RTF_TEST_DATA "/libreoffice/newsletter.rtf")});
    QCOMPARE(run.status, QProcess::NormalExit);
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.startsWith(QLatin1String("Club Newsletter\n")));
    // Three headings and paragraphs, eleven table cells (one of them spans two columns), the centred line,
    // two list items, the link paragraph, the picture and the closing line.
    const QStringList lines = run.out.trimmed().split(QLatin1Char('\n'));
    QCOMPARE(lines.last(), QStringLiteral("paragraphs 20 tables 1 pictures 1 links 1 pages 1"));
}

void RtfDumpTest::countsPagesOnA4() {
    // 30 lines of 12-point text a page would not fill A4; three explicit page breaks make four pages.
    QByteArray rtf = "{\\rtf1 ";
    for (int page = 0; page < 4; ++page) {
        if (page > 0)
            rtf += "\\page ";
        rtf += QByteArray("Line of text.\\par ").repeated(30);
    }
    rtf += "}";
    const QString path = dir_.filePath(QStringLiteral("pages.rtf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(rtf);
    file.close();
    const Run run = rtfdump({path});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.trimmed().endsWith(QLatin1String("pages 4")), qPrintable(run.out.right(80)));

    // About 48 lines of 12-point text fit on A4 inside one-inch margins: 200 lines need five pages.
    QFile longFile(path);
    QVERIFY(longFile.open(QIODevice::WriteOnly));
    longFile.write("{\\rtf1 " + QByteArray("Line of text.\\par ").repeated(200) + "}");
    longFile.close();
    const Run longRun = rtfdump({path});
    QCOMPARE(longRun.exitCode, 0);
    QVERIFY2(longRun.out.trimmed().endsWith(QLatin1String("pages 5")), qPrintable(longRun.out.right(80)));
}

void RtfDumpTest::refusals_data() {
    QTest::addColumn<QStringList>("arguments");
    QVERIFY(dir_.isValid());
    const QString plain = dir_.filePath(QStringLiteral("plain.txt"));
    QFile file(plain);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not rich text");
    file.close();
    QTest::newRow("not rtf") << QStringList{plain};
    QTest::newRow("missing") << QStringList{dir_.filePath(QStringLiteral("missing.rtf"))};
    QTest::newRow("a folder") << QStringList{dir_.path()};
    QTest::newRow("no file named") << QStringList{};
    QTest::newRow("two files") << QStringList{plain, plain};
}

void RtfDumpTest::refusals() {
    QFETCH(QStringList, arguments);
    const Run run = rtfdump(arguments);
    QCOMPARE(run.status, QProcess::NormalExit);
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.out.isEmpty());
}

void RtfDumpTest::damagedFilesStillLoad() {
    const QString path = dir_.filePath(QStringLiteral("damaged.rtf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1 start" + QByteArray(100000, '{') + "\\bin99999999 x");
    file.close();
    const Run run = rtfdump({path});
    QCOMPARE(run.status, QProcess::NormalExit);
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.startsWith(QLatin1String("start\n")));
}

QTEST_MAIN(RtfDumpTest)
#include "RtfDumpTest.moc"
