#include "CopyFixture.h"

#include <QCursor>

using platform::MessageButtons;
using platform::MessageIcon;
namespace Reply = platform::Reply;

// Removing the local copy of the ads through the real main window.
class RemovalTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void answeringNoTouchesNothing();
    void yesDeletesTheAdsAndCloses_data();
    void yesDeletesTheAdsAndCloses();

private:
    std::unique_ptr<CopyFixture> f;
};

void RemovalTest::init() {
    f = std::make_unique<CopyFixture>();
    f->write(f->cdAds(QStringLiteral("53kxpe00.jpg")), "ad");
}

void RemovalTest::cleanup() {
    QCOMPARE(f->boxes.unexpectedBoxes(), 0);
    QCOMPARE(f->boxes.pendingReplies(), 0);
    f.reset();
}

void RemovalTest::answeringNoTouchesNothing() {
    f->write(f->copyAds(QStringLiteral("01kxpe00.jpg")), "copy");
    f->start();
    f->boxes.expect(Reply::No);
    f->window().mnuRemove->trigger();

    QCOMPARE(int(f->boxes.shown().size()), 1);
    const platform::MessageBoxRequest& question = f->boxes.last();
    QCOMPARE(question.text, QStringLiteral("Would you like to remove all Vantor Ads from your hard drive?"));
    QCOMPARE(question.title, QStringLiteral("Vantor Ads - The Marketing of Roadmark"));
    QCOMPARE(question.buttons, MessageButtons::YesNo);
    QCOMPARE(question.icon, MessageIcon::Question);
    QCOMPARE(f->state().output.PrintReply, Reply::No);
    QCOMPARE(CopyFixture::entries(f->copyAds()), QStringList{"01kxpe00.jpg"});
    QCOMPARE(f->state().location.AdRoot, f->fake.folders.localCopyFolder());
    QVERIFY(f->window().isVisible());
    QVERIFY(!f->fake.programExit.ended());
}

void RemovalTest::yesDeletesTheAdsAndCloses_data() {
    QTest::addColumn<QStringList>("copy");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("only ads: the folder goes too")
        << QStringList{"01kxpe00.jpg", "63KXPE00.JPG"} << QStringList{"outside.jpg"};
    QTest::newRow("other files stay, and so does the folder")
        << QStringList{"01kxpe00.jpg", "notes.txt", "..\\outside.jpg"} << QStringList{"ads", "outside.jpg"};
    QTest::newRow("no copy at all") << QStringList() << QStringList{"outside.jpg"};
}

void RemovalTest::yesDeletesTheAdsAndCloses() {
    QFETCH(QStringList, copy);
    QFETCH(QStringList, left);
    for (const QString& name : copy)
        f->write(f->copyAds(name), "copy");
    // Beside the ads folder, where a name such as "..\outside.jpg" must not reach.
    f->write(f->fake.folders.localCopyFolder() + QStringLiteral("/outside.jpg"), "not an ad of the copy");
    f->start();
    f->window().setGeometry(30, 40, 600, 420);
    QTRY_COMPARE(f->window().geometry(), QRect(30, 40, 600, 420));
    const QRect frame = f->window().frameGeometry();
    QString pointer;
    f->boxes.onShow = [&] { pointer = QString::number(f->window().cursor().shape()); };
    f->boxes.answer({Reply::Yes, Reply::Ok});
    f->window().mnuRemove->trigger();

    QCOMPARE(f->state().output.PrintReply, Reply::Yes);
    const platform::MessageBoxRequest& done = f->boxes.last();
    QCOMPARE(done.text, QStringLiteral("All Ads Successfully Removed!\r\n\r\n"
                                       "You must now exit and re-enter the Vantor Ads to allow \r\n"
                                       "the software to find the ads on the cdrom drive.\r\n\r\n"));
    QCOMPARE(done.title, QStringLiteral("Vantor Ads - The Marketing of Roadmark"));
    QCOMPARE(done.buttons, MessageButtons::Ok);
    QCOMPARE(done.icon, MessageIcon::None);
    QCOMPARE(pointer, QString::number(Qt::WaitCursor)); // over the main window while the message shows
    QCOMPARE(f->window().cursor().shape(), Qt::ArrowCursor);

    QCOMPARE(CopyFixture::entries(f->fake.folders.localCopyFolder()), left);
    if (left.contains(QStringLiteral("ads")))
        QCOMPARE(CopyFixture::entries(f->copyAds()), QStringList{"notes.txt"});
    QCOMPARE(f->state().copy.CopyTarget, f->fake.folders.localCopyFolder() + QStringLiteral("\\ads\\*.jpg"));
    QCOMPARE(f->state().location.AdRoot, QStringLiteral("D:"));

    // Closed as by Exit: place and size kept, the program ended.
    QVERIFY(!f->window().isVisible());
    QVERIFY(f->fake.programExit.ended());
    const auto twips = [](int pixels) { return QString::number(pixels * 15); };
    const QString s = QStringLiteral("Settings");
    using Write = platform::MemorySettingsStore::Write;
    QCOMPARE(f->fake.settings.writes(), (std::vector<Write>{{s, "MainLeft", twips(frame.left())},
                                                            {s, "MainTop", twips(frame.top())},
                                                            {s, "MainWidth", twips(frame.width())},
                                                            {s, "MainHeight", twips(frame.height())}}));
}

QTEST_MAIN(RemovalTest)
#include "RemovalTest.moc"
