#include "ui/RichTextBox.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>

namespace {

const QByteArray Good = "{\\rtf1\\paperw11906\\margl1440 {\\b Heading}\\par Body text\\par}";
const QString GoodName = QStringLiteral("good.rtf");

} // namespace

class RichTextBoxTest : public QObject {
    Q_OBJECT

private slots:
    void loadsADocument();
    void loadsADocumentWithAByteOrderMark();
    void failuresAreReportedAndKeepTheContent_data();
    void failuresAreReportedAndKeepTheContent();
    void loadingAgainReplacesTheDocument();
    void typingChangesNothing();
    void doubleClickIsSignalled();
    void screenReadersGetANameAndTheFile();
    void theWindowsPaintWhileALargeDocumentIsBuilt();
};

void RichTextBoxTest::loadsADocument() {
    ui::RichTextBox box;
    QCOMPARE(box.load(Good, GoodName), rtf::RtfError::None);
    QCOMPARE(box.text(), QStringLiteral("Heading\nBody text"));
    QCOMPARE(box.document()->toPlainText(), box.text());
    QCOMPARE(box.fileName(), GoodName);
    QVERIFY(box.isReadOnly());
}

void RichTextBoxTest::loadsADocumentWithAByteOrderMark() {
    ui::RichTextBox box;
    QCOMPARE(box.load("\xEF\xBB\xBF\r\n{\\rtf1 Marked}", QStringLiteral("marked.rtf")), rtf::RtfError::None);
    QCOMPARE(box.text(), QStringLiteral("Marked"));
}

void RichTextBoxTest::failuresAreReportedAndKeepTheContent_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("not rtf") << QByteArray("Just text");
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("header too far in") << QByteArray(2048, ' ') + "{\\rtf1 x}";
}

void RichTextBoxTest::failuresAreReportedAndKeepTheContent() {
    QFETCH(QByteArray, content);
    ui::RichTextBox box;
    QCOMPARE(box.load(Good, GoodName), rtf::RtfError::None);
    QCOMPARE(box.load(content, QStringLiteral("bad.rtf")), rtf::RtfError::NotRtf);
    QCOMPARE(box.text(), QStringLiteral("Heading\nBody text"));
    QCOMPARE(box.fileName(), GoodName);
}

void RichTextBoxTest::loadingAgainReplacesTheDocument() {
    ui::RichTextBox box;
    QCOMPARE(box.load(Good, GoodName), rtf::RtfError::None);
    QPointer<QTextDocument> first = box.document();
    QCOMPARE(box.load("{\\rtf1 Other}", QStringLiteral("other.rtf")), rtf::RtfError::None);
    QCOMPARE(box.text(), QStringLiteral("Other"));
    QVERIFY(box.document() != first);
    QVERIFY(first.isNull());
}

void RichTextBoxTest::typingChangesNothing() {
    ui::RichTextBox box;
    QCOMPARE(box.load(Good, GoodName), rtf::RtfError::None);
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
    QCOMPARE(box.load(Good, GoodName), rtf::RtfError::None);
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
    QCOMPARE(box.load(Good, GoodName), rtf::RtfError::None);
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
