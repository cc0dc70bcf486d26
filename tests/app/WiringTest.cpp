#include "support/StartUpFixture.h"

#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"
#include "ui/SSCommand.h"
#include "ui/ScrollBar.h"
#include "ui/SpinButton.h"

#include <QAction>
#include <QMetaMethod>
#include <QTimer>

#include <algorithm>

namespace {

// The number of connections a signal has. QObject keeps the count to itself; a member pointer named
// through a class of our own reaches it without touching the object's type.
struct Receivers : QObject {
    static int of(const QObject* sender, const char* signal) {
        return (sender->*(&Receivers::receivers))(signal);
    }
};

struct Source {
    QString name;
    const QObject* sender;
    QByteArray signal; // as SIGNAL() writes it
};

QByteArray signalText(const char* signature) {
    return QByteArray::number(QSIGNAL_CODE) + signature;
}

// Every event of the main window a user can set off: the menu commands, the buttons (the year buttons
// come through the window's own signals), the stepping and scroll controls, the two views, the timers and
// the window's own signals.
QList<Source> commandsOf(ui::Form1& w, ui::Form2& splash) {
    QList<Source> sources;
    for (const ui::MainMenus::Command& command : ui::MainMenus::commands())
        if (command.member)
            sources.append(
                {QString::fromLatin1(command.name), w.*command.member, signalText("triggered(bool)")});
    for (ui::SSCommand* button : w.findChildren<ui::SSCommand*>())
        if (std::ranges::find(w.cmdYear, button) == w.cmdYear.end())
            sources.append({button->objectName(), button, signalText("clicked(bool)")});
    sources.append({QStringLiteral("SpinButton1 down"), w.SpinButton1, signalText("spinDown()")});
    sources.append({QStringLiteral("SpinButton1 up"), w.SpinButton1, signalText("spinUp()")});
    for (ui::ScrollBar* bar : {w.VScr, w.HScroll1})
        sources.append({bar->objectName(), bar, signalText("valueChanged(int)")});
    for (QWidget* view : std::initializer_list<QWidget*>{w.Image1, w.picDest}) {
        sources.append({view->objectName() + QStringLiteral(" released"), view,
                        signalText("mouseReleased(Qt::MouseButton,Qt::KeyboardModifiers,QPoint)")});
        sources.append(
            {view->objectName() + QStringLiteral(" menu key"), view, signalText("contextMenuKey()")});
    }
    sources.append({QStringLiteral("Timer1"), w.Timer1, signalText("timeout()")});
    sources.append({QStringLiteral("splash Timer1"), splash.Timer1, signalText("timeout()")});
    const QMetaObject& form = ui::Form1::staticMetaObject;
    for (int i = form.methodOffset(); i < form.methodCount(); ++i)
        if (form.method(i).methodType() == QMetaMethod::Signal)
            sources.append({QString::fromLatin1(form.method(i).name()), &w,
                            signalText(form.method(i).methodSignature().constData())});
    return sources;
}

} // namespace

// The program wires every event to its handler in one place: a row left out there leaves a control that
// does nothing, which no test of one command notices until someone tries that command.
class WiringTest : public QObject {
    Q_OBJECT
private slots:
    void everyCommandOfTheWindowHasAHandler();
};

void WiringTest::everyCommandOfTheWindowHasAHandler() {
    // What the windows connect by themselves (a menu to its commands, a button to the window's signal).
    ui::Form1 bareWindow;
    ui::Form2 bareSplash;
    const QList<Source> bare = commandsOf(bareWindow, bareSplash);

    StartUpFixture f;
    program::Program& program = f.start();
    const QList<Source> wired = commandsOf(program.mainWindow(), program.splash());
    QCOMPARE(wired.size(), bare.size());
    QVERIFY(wired.size() > 30);
    for (qsizetype i = 0; i < wired.size(); ++i) {
        QCOMPARE(wired[i].name, bare[i].name);
        const int own = Receivers::of(bare[i].sender, bare[i].signal.constData());
        QVERIFY2(Receivers::of(wired[i].sender, wired[i].signal.constData()) > own,
                 qPrintable(wired[i].name + QStringLiteral(" has no handler")));
    }
}

QTEST_MAIN(WiringTest)
#include "WiringTest.moc"
