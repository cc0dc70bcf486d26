#include "rtf/RtfTableBuilder.h"
#include "support/ViewerFixture.h"

#include "ui/RichTextBox.h"
#include "ui/SpinButton.h"
#include "ui/TxtForm.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QToolButton>

namespace Reply = platform::Reply;

// The document window through the real main window, with the sample catalog's documents on drive D:.
class DocumentWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensEachDocument_data();
    void opensEachDocument();
    void everyWayOfClosingGivesTheMainWindowBack();
    void centredOnTheScreenThatHoldsIt();
    void missingDocumentIsReported_data();
    void missingDocumentIsReported();
    void printsAfterAskingAndSaysSo();
    void tooLargeATableShowsWhatFitsUnderTheBusyPointer();

private:
    ui::TxtForm* open(QAction* command) {
        command->trigger();
        auto* form = qobject_cast<ui::TxtForm*>(QApplication::activeModalWidget());
        return form && form->isVisible() ? form : nullptr;
    }
    void writeDocument(const char* name, const QByteArray& rtf) {
        QDir().mkpath(f->fake().root() + QStringLiteral("/cd/RichText"));
        QFile file(f->fake().root() + QStringLiteral("/cd/RichText/") + QLatin1String(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(rtf) == rtf.size());
    }

    std::unique_ptr<ViewerFixture> f;
};

void DocumentWindowTest::init() {
    f = std::make_unique<ViewerFixture>();
    f->writeAd(QStringLiteral("63kxpe00.jpg"));
    f->writeAd(QStringLiteral("63kxpe01.jpg"));
    writeDocument("VantorAds.rtf", samplecatalog::checklistRtf());
    writeDocument("notice.rtf", samplecatalog::noticeRtf());
    writeDocument("Register.rtf", samplecatalog::registerRtf());
    f->start();
}

void DocumentWindowTest::cleanup() {
    if (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
    QCOMPARE(f->fake().messageBoxes.unexpectedBoxes(), 0);
    f.reset();
}

void DocumentWindowTest::opensEachDocument_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("words");
    QTest::newRow("Ads List") << "mnuList"
                              << "Vantor Advertising Checklist "
                              << "63kxpe00.jpg";
    QTest::newRow("Notice") << "mnuNotice"
                            << "Notice"
                            << "Notice";
    QTest::newRow("Register Form") << "mnuRegister"
                                   << "Kestrel Software Registration Form"
                                   << "Registration";
}

void DocumentWindowTest::opensEachDocument() {
    QFETCH(QString, command);
    QFETCH(QString, caption);
    QFETCH(QString, words);
    ui::Form1& w = f->window();
    // Another document first: the window shows the one asked for last, with its own caption.
    ui::TxtForm* first = open(command == QLatin1String("mnuNotice") ? w.mnuList : w.mnuNotice);
    QVERIFY(first);
    first->SSCommand1->click();
    QTRY_VERIFY(!QApplication::activeModalWidget());

    ui::TxtForm* form = open(w.findChild<QAction*>(command));
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), caption);
    QVERIFY(form->rtbText->text().contains(words));
    QCOMPARE(form->rtbText->accessibleName(), QStringLiteral("Document"));
    QCOMPARE(form->SSCommand1->width(), 487); // 7695 - 375 - 4 twips
    // Centred by its outer size, the frame the window system adds included.
    const QRect screen = w.screen()->geometry();
    QTRY_COMPARE(form->frameGeometry().topLeft(),
                 QPoint((screen.width() - form->frameGeometry().width()) / 2,
                        (screen.height() - form->frameGeometry().height()) / 2));
    QVERIFY(form->frameGeometry().size() != form->size());
    QCOMPARE(f->state().shown.DocumentTitle.section(u'\\', 0, 1), QStringLiteral("D:\\RichText"));
}

void DocumentWindowTest::centredOnTheScreenThatHoldsIt() {
    // The screens as the desktop lays them out, not the one screen Qt offers the test.
    f->fake().screen.setScreenGeometries({QRect(0, 0, 700, 560), QRect(700, 0, 1024, 768)});
    ui::TxtForm* form = open(f->window().mnuNotice);
    QVERIFY(form);
    QTRY_COMPARE(form->frameGeometry().topLeft(), QPoint((700 - form->frameGeometry().width()) / 2,
                                                         (560 - form->frameGeometry().height()) / 2));
}

void DocumentWindowTest::everyWayOfClosingGivesTheMainWindowBack() {
    ui::Form1& w = f->window();
    const std::vector<std::function<void(ui::TxtForm&)>> closings = {
        [](ui::TxtForm& form) { form.SSCommand1->click(); },
        [](ui::TxtForm& form) { QTest::mouseDClick(form.rtbText->viewport(), Qt::LeftButton); },
        [](ui::TxtForm& form) { QTest::keyClick(&form, Qt::Key_Escape); },
        [](ui::TxtForm& form) { form.close(); },
    };
    for (const auto& close : closings) {
        QPointer<ui::TxtForm> form = open(w.mnuList);
        QVERIFY(form);
        close(*form);
        QTRY_VERIFY(!form);
        QVERIFY(!QApplication::activeModalWidget());
    }
    // The viewer goes on as before, stepping included.
    f->clickYear(10);
    f->click(w.SpinButton1->upArrow());
    QCOMPARE(w.Text1->text(), QStringLiteral("2 of 2"));
}

void DocumentWindowTest::missingDocumentIsReported_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("code");
    QTest::newRow("Ads List") << "mnuList"
                              << "VA001";
    QTest::newRow("Notice") << "mnuNotice"
                            << "VA001";
    QTest::newRow("Register Form") << "mnuRegister"
                                   << "VA002";
}

void DocumentWindowTest::missingDocumentIsReported() {
    QFETCH(QString, command);
    QFETCH(QString, code);
    QDir(f->fake().root() + QStringLiteral("/cd/RichText")).removeRecursively();
    auto& boxes = f->fake().messageBoxes;
    boxes.answer({Reply::Retry, Reply::Cancel});
    QAction* opener = f->window().findChild<QAction*>(command);
    QVERIFY(!open(opener));
    QVERIFY(boxes.last().text.startsWith(QStringLiteral("Error number: ") + code));
    QCOMPARE(boxes.last().buttons, platform::MessageButtons::RetryCancel);
    QVERIFY(!f->fake().programExit.ended());
    QVERIFY(!open(opener));
    QVERIFY(f->fake().programExit.ended());
}

void DocumentWindowTest::printsAfterAskingAndSaysSo() {
    auto& boxes = f->fake().messageBoxes;
    auto& printer = f->fake().printer;
    ui::TxtForm* form = open(f->window().mnuList);
    QVERIFY(form);

    boxes.answer({Reply::No});
    form->cmdprint->click();
    QCOMPARE(boxes.last().text,
             QStringLiteral("Would you like to print the \r\n\r\nVantor Advertising Checklist ?"));
    QCOMPARE(boxes.last().buttons, platform::MessageButtons::YesNo);
    QCOMPARE(boxes.last().icon, platform::MessageIcon::Question);
    QCOMPARE(f->state().output.PrintReply, Reply::No);
    QCOMPARE(printer.starts(), 0);

    boxes.answer({Reply::Yes, Reply::Ok});
    form->cmdprint->click();
    QCOMPARE(printer.finishedJobs(), 1);
    QVERIFY(!printer.pages().empty());
    QCOMPARE(boxes.last().text, QStringLiteral("Printing complete!"));
    QCOMPARE(boxes.last().icon, platform::MessageIcon::Exclamation);

    printer.failWith(QStringLiteral("No printer is installed."));
    boxes.answer({Reply::Yes, Reply::Ok});
    form->cmdprint->click();
    QVERIFY(boxes.last().text.contains(QStringLiteral("No printer is installed.")));
    QVERIFY(!boxes.last().text.contains(QStringLiteral("complete")));
    QCOMPARE(boxes.last().icon, platform::MessageIcon::Exclamation);
    QVERIFY(form->isVisible());
}

void DocumentWindowTest::tooLargeATableShowsWhatFitsUnderTheBusyPointer() {
    QByteArray rtf = "{\\rtf1 List\\par\\trowd";
    for (int column = 1; column <= 64; ++column)
        rtf += "\\cellx" + QByteArray::number(column * 100);
    rtf += QByteArray("\\intbl x\\cell" + QByteArray("\\cell").repeated(63) + "\\row\n").repeated(4000);
    writeDocument("VantorAds.rtf", rtf + "\\pard end}");
    const std::size_t before = f->fake().cursor.changes().size();
    ui::TxtForm* form = open(f->window().mnuList);
    QVERIFY(form);
    QCOMPARE(form->rtbText->text().count(u'x'), int(rtf::TableBuilder::MaxCells / 64));
    QVERIFY(form->rtbText->text().startsWith(QStringLiteral("List")));
    using Change = platform::RecordingBusyCursor::Change;
    const std::vector<Change>& changes = f->fake().cursor.changes();
    QCOMPARE(std::vector<Change>(changes.begin() + std::ptrdiff_t(before), changes.end()),
             (std::vector<Change>{Change::Busy, Change::Arrow}));
}

QTEST_MAIN(DocumentWindowTest)
#include "DocumentWindowTest.moc"
