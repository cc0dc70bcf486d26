#pragma once

#include "picture/AdDecoder.h"
#include "state/ProgramState.h"

#include <QObject>
#include <QStringList>

#include <memory>

namespace platform {
class SessionEnd;
struct Services;
} // namespace platform
namespace ui {
class Form1;
class Form2;
} // namespace ui
namespace picture {
class ShownAdModel;
}

namespace app {
class StartUp;
}

namespace program {

struct Behaviours;

// The composition root: the program's state, its windows, the behaviours and the wiring between them.
class Program : public QObject {
    Q_OBJECT
public:
    Program(platform::Services& services, QStringList arguments,
            picture::AdDecoder decoder = picture::decodeAdPicture);
    ~Program() override;

    void start();

    state::ProgramState& state() { return state_; }
    ui::Form1& mainWindow() { return *mainWindow_; }
    ui::Form2& splash() { return *splash_; }
    picture::ShownAdModel& shownAd();
    app::StartUp& startUp();

private:
    // Connects every event of the windows and of the services to the behaviour that handles it (Wiring.cpp).
    static void wire(ui::Form1& w, ui::Form2& splash, platform::SessionEnd& sessionEnd, Behaviours& b);

    state::ProgramState state_;
    std::unique_ptr<ui::Form1> mainWindow_;
    std::unique_ptr<ui::Form2> splash_;
    // Gone before the windows they drive.
    std::unique_ptr<Behaviours> behaviours_;
};

} // namespace program
