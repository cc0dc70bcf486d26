#include "program/Program.h"

#include "picture/ShownAdModel.h"
#include "platform/Services.h"
#include "program/Behaviours.h"
#include "ui/Form1.h"
#include "ui/Form2.h"

namespace program {

Behaviours::Behaviours(platform::Services& s, state::ProgramState& state, ui::Form1& w, ui::Form2& splash,
                       QStringList arguments, picture::AdDecoder decoder)
    : startUp(splash, w, w, w, state.location, state.report, state.view, s.cursor, s.instanceGuard,
              s.messageBoxes, s.programExit, s.fileLister, s.folders, s.drives, s.paths, s.screen, s.settings,
              std::move(arguments)),
      categories(w, state.catalog, state.location, s.fileLister),
      shownAd(s.files, s.cursor, std::move(decoder)), shownAdViews(w, shownAd),
      stepping(w, w, state.shown, state.catalog, s.cursor, s.fileLister, shownAd),
      display(w, w, w, state.shown, state.catalog, state.location, state.report, s.messageBoxes,
              s.programExit, s.cursor, s.fileLister, shownAd, stepping),
      yearsAhead(w, w, state.catalog, state.location, shownAd),
      layout(w, state.view, state.catalog, state.shown, categories), zoomScrolling(w), zoomHandling(w),
      adOutput(w, w, *w.dlgCommon1, state.output, shownAd, s.printer, s.screen, s.clipboard, s.messageBoxes),
      documents(state.shown, state.location, state.report, state.output, s.files, s.messageBoxes,
                s.programExit, s.printer, s.cursor, s.screen),
      clock(w, s.clock), taskBar(w, w, state.taskBar, s.taskBar, s.screen),
      closing(w, state.taskBar, s.taskBar, s.settings, s.programExit),
      resolution(state.report, s.screen, s.messageBoxes), links(state.taskBar, s.taskBar, s.shell),
      help(*w.dlgCommon1, links), about(w, links),
      copy(w, w, state.location, state.report, state.catalog, state.copy, s.messageBoxes, s.programExit,
           s.fileLister, s.files, s.folders, s.screen, s.cursor),
      removal(w, state.location, state.report, state.output, state.copy, s.messageBoxes, s.files, s.folders) {
}

Program::Program(platform::Services& services, QStringList arguments, picture::AdDecoder decoder)
    : mainWindow_(std::make_unique<ui::Form1>()), splash_(std::make_unique<ui::Form2>()),
      behaviours_(std::make_unique<Behaviours>(services, state_, *mainWindow_, *splash_, std::move(arguments),
                                               std::move(decoder))) {
    wire(*mainWindow_, *splash_, services.sessionEnd, *behaviours_);
}

Program::~Program() = default;

void Program::start() {
    behaviours_->startUp.begin();
}

picture::ShownAdModel& Program::shownAd() {
    return behaviours_->shownAd;
}

app::StartUp& Program::startUp() {
    return behaviours_->startUp;
}

} // namespace program
