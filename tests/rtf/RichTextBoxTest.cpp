#include "ui/RichTextBox.h"

#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

namespace {

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return {};
    return path;
}

} // namespace

class RichTextBoxTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void loadsAFileByItsPath();
    void loadsAFileWithAByteOrderMark();
    void failuresAreReportedAndKeepTheContent_data();
    void failuresAreReportedAndKeepTheContent();
    void loadingAgainReplacesTheDocument();
    void typingChangesNothing();
    void doubleClickIsSignalled();
    void screenReadersGetANameAndTheFile();
    void theWindowsPaintWhileALargeDocumentIsBuilt();

private:
    QTemporaryDir dir_;
    QString good_;
};

void RichTextBoxTest::init() {
    QVERIFY(dir_.isValid());
    good_ = writeFile(dir_, QStringLiteral("good.rtf"),
                      "{\\rtf1\\paperw11906\\margl1440 {\\b Heading}\\par Body text\\par}");
    QVERIFY(!good_.isEmpty());
}

void RichTextBoxTest::loadsAFileByItsPath() {
    ui::RichTextBox box;
    QString error = QStringLiteral("stale");
    QCOMPARE(box.loadFile(good_, &error), rtf::RtfError::None);
    QVERIFY(error.isEmpty());
    QCOMPARE(box.text(), QStringLiteral("Heading\nBody text"));
    QCOMPARE(box.document()->toPlainText(), box.text());
    QCOMPARE(box.pageSetup().paperWidth.value_or(0), 11906);
    QCOMPARE(box.pageSetup().marginLeft.value_or(0), 1440);
    QCOMPARE(box.fileName(), good_);
    QVERIFY(box.isReadOnly());
}

void RichTextBoxTest::loadsAFileWithAByteOrderMark() {
    const QString path = writeFile(dir_, QStringLiteral("marked.rtf"), "\xEF\xBB\xBF\r\n{\\rtf1 Marked}");
    ui::RichTextBox box;
    QCOMPARE(box.loadFile(path), rtf::RtfError::None);
    QCOMPARE(box.text(), QStringLiteral("Marked"));
}

void RichTextBoxTest::failuresAreReportedAndKeepTheContent_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<rtf::RtfError>("expected");
    QTest::newRow("missing") << QStringLiteral("nothere.rtf") << QByteArray() << rtf::RtfError::Missing;
    QTest::newRow("not rtf") << QStringLiteral("plain.rtf") << QByteArray("Just text")
                             << rtf::RtfError::NotRtf;
    QTest::newRow("empty") << QStringLiteral("empty.rtf") << QByteArray("") << rtf::RtfError::NotRtf;
    QTest::newRow("header too far in")
        << QStringLiteral("late.rtf") << QByteArray(2048, ' ') + "{\\rtf1 x}" << rtf::RtfError::NotRtf;
    QTest::newRow("a folder") << QStringLiteral("folder") << QByteArray() << rtf::RtfError::Unreadable;
}

void RichTextBoxTest::failuresAreReportedAndKeepTheContent() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(rtf::RtfError, expected);
    QString path = dir_.filePath(name);
    if (expected == rtf::RtfError::Unreadable)
        QVERIFY(QDir(dir_.path()).mkdir(name));
    else if (expected != rtf::RtfError::Missing)
        path = writeFile(dir_, name, content);

    ui::RichTextBox box;
    QCOMPARE(box.loadFile(good_), rtf::RtfError::None);
    QString error;
    QCOMPARE(box.loadFile(path, &error), expected);
    QVERIFY(!error.isEmpty());
    QCOMPARE(box.text(), QStringLiteral("Heading\nBody text"));
    QCOMPARE(box.fileName(), good_);
}

void RichTextBoxTest::loadingAgainReplacesTheDocument() {
    const QString other = writeFile(dir_, QStringLiteral("other.rtf"), "{\\rtf1 Other}");
    ui::RichTextBox box;
    QCOMPARE(box.loadFile(good_), rtf::RtfError::None);
    QPointer<QTextDocument> first = box.document();
    QCOMPARE(box.loadFile(other), rtf::RtfError::None);
    QCOMPARE(box.text(), QStringLiteral("Other"));
    QVERIFY(box.document() != first);
    QVERIFY(first.isNull());
    QVERIFY(box.pageSetup() == rtf::RtfPageSetup{});
}

void RichTextBoxTest::typingChangesNothing() {
    ui::RichTextBox box;
    QCOMPARE(box.loadFile(good_), rtf::RtfError::None);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.setFocus();
    QTest::keyClicks(&box, QStringLiteral("typed"));
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Delete);
    QCOMPARE(box.text(), QStringLiteral("Heading\nBody text"));
}

void RichTextBoxTest::doubleClickIsSignalled() {
    ui::RichTextBox box;
    QCOMPARE(box.loadFile(good_), rtf::RtfError::None);
    box.resize(400, 300);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QSignalSpy spy(&box, &ui::RichTextBox::doubleClicked);
    QTest::mouseDClick(box.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    QCOMPARE(spy.count(), 1);
    QTest::mouseClick(box.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    QCOMPARE(spy.count(), 1);
}

void RichTextBoxTest::screenReadersGetANameAndTheFile() {
    ui::RichTextBox box;
    QVERIFY(!box.accessibleName().isEmpty());
    QCOMPARE(box.loadFile(good_), rtf::RtfError::None);
    QCOMPARE(box.accessibleDescription(), QStringLiteral("good.rtf"));
}

void RichTextBoxTest::theWindowsPaintWhileALargeDocumentIsBuilt() {
    QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 ";
    for (int line = 0; line < 20000; ++line)
        rtf += "Line " + QByteArray::number(line) + " of a long checklist of ads\\par\n";
    rtf += "}";
    int turns = 0;
    QTimer ticking;
    connect(&ticking, &QTimer::timeout, [&] { ++turns; });
    ticking.start(0);
    ui::RichTextBox box;
    QCOMPARE(box.load(rtf, QStringLiteral("long.rtf")), rtf::RtfError::None);
    QVERIFY2(turns > 0, "the event loop did not turn during the load");
    QVERIFY(box.document()->toPlainText().contains(QStringLiteral("Line 19999 of a long checklist")));
    QCOMPARE(box.document()->thread(), QThread::currentThread());
}

QTEST_MAIN(RichTextBoxTest)
#include "RichTextBoxTest.moc"
