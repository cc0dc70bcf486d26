#pragma once

#include "picture/AdDecoder.h"
#include "state/ProgramState.h"

#include <QObject>
#include <QStringList>

#include <memory>

namespace platform {
struct Services;
}
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

// The composition root: the program's state, its windows and the behaviour that connects them.
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
    picture::ShownAdModel& shownAd() { return *shownAd_; }
    app::StartUp& startUp() { return *startUp_; }

private:
    platform::Services& services_;
    state::ProgramState state_;
    std::unique_ptr<ui::Form1> mainWindow_;
    std::unique_ptr<ui::Form2> splash_;
    std::unique_ptr<app::StartUp> startUp_;
    picture::ShownAdModel* shownAd_ = nullptr;
};

} // namespace program
