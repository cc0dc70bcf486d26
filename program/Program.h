#pragma once

#include "state/ProgramState.h"
#include "view/AdDecoder.h"

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
namespace view {
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
            view::AdDecoder decoder = view::decodeAdPicture);
    ~Program() override;

    void start();

    state::ProgramState& state() { return state_; }
    ui::Form1& mainWindow() { return *mainWindow_; }
    ui::Form2& splash() { return *splash_; }
    view::ShownAdModel& shownAd() { return *shownAd_; }
    app::StartUp& startUp() { return *startUp_; }

private:
    platform::Services& services_;
    state::ProgramState state_;
    std::unique_ptr<ui::Form1> mainWindow_;
    std::unique_ptr<ui::Form2> splash_;
    std::unique_ptr<app::StartUp> startUp_;
    view::ShownAdModel* shownAd_ = nullptr;
};

} // namespace program
