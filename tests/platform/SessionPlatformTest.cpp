#include "platform/desktop/SessionPlatform.h"

#include <QTest>

using platform::SessionFacts;

Q_DECLARE_METATYPE(SessionFacts)

// The Qt platform chosen for the desktop session before Qt starts.
class SessionPlatformTest : public QObject {
    Q_OBJECT

private slots:
    void choice_data() {
        QTest::addColumn<SessionFacts>("session");
        QTest::addColumn<QByteArray>("platform");
        QTest::newRow("Wayland with XWayland") << SessionFacts{"", "wayland-0", ":0"} << QByteArray("xcb");
        QTest::newRow("Wayland alone") << SessionFacts{"", "wayland-0", ""} << QByteArray("wayland");
        QTest::newRow("X11") << SessionFacts{"", "", ":0"} << QByteArray("xcb");
        QTest::newRow("no window system") << SessionFacts{"", "", ""} << QByteArray();
        QTest::newRow("chosen in the environment")
            << SessionFacts{"wayland", "wayland-0", ":0"} << QByteArray();
        QTest::newRow("chosen on the command line")
            << SessionFacts{"", "wayland-0", ":0", true} << QByteArray();
    }
    void choice() {
        QFETCH(SessionFacts, session);
        QTEST(platform::sessionPlatform(session), "platform");
    }

    void platformArgument_data() {
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<bool>("chosen");
        QTest::newRow("none") << QByteArrayList{"vantorads"} << false;
        QTest::newRow("HWI") << QByteArrayList{"vantorads", "HWI"} << false;
        QTest::newRow("-platform") << QByteArrayList{"vantorads", "-platform", "xcb"} << true;
        QTest::newRow("--platform") << QByteArrayList{"vantorads", "--platform", "wayland"} << true;
        QTest::newRow("as the program's name") << QByteArrayList{"-platform"} << false;
    }
    void platformArgument() {
        QFETCH(QByteArrayList, arguments);
        std::vector<char*> argv;
        for (QByteArray& argument : arguments)
            argv.push_back(argument.data());
        QTEST(platform::currentSessionFacts(int(argv.size()), argv.data()).platformArgument, "chosen");
    }
};

QTEST_APPLESS_MAIN(SessionPlatformTest)
#include "SessionPlatformTest.moc"
