#include "view/AdDisplay.h"

#include "catalog/AdCount.h"
#include "catalog/AdNaming.h"
#include "catalog/Categories.h"
#include "picture/ShownAdModel.h"
#include "platform/desktop/BusyCursor.h"
#include "state/DriveErrorReporter.h"
#include "ui/AdViewControls.h"
#include "ui/ImageBox.h"
#include "ui/KeyCodes.h"
#include "ui/LeftPanel.h"
#include "ui/SSCommand.h"
#include "ui/SSPanel.h"
#include "ui/SpinButton.h"
#include "ui/WindowDisabledGuard.h"
#include "view/AdStepping.h"
#include "view/ScrollMaxima.h"
#include "view/ViewGeometry.h"
#include "view/YearFocus.h"

#include <QLineEdit>

namespace view {

namespace {

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

AdDisplay::AdDisplay(QWidget& window, ui::LeftPanel& left, ui::AdViewControls& view, state::ShownAd& shown,
                     const state::CatalogState& catalog, const state::DataLocation& location,
                     state::DriveReport& report, platform::MessageBoxes& boxes, platform::ProgramExit& exit,
                     platform::BusyCursor& cursor, const catalog::FileLister& lister,
                     picture::ShownAdModel& model, AdStepping& stepping, QObject* parent)
    : QObject(parent), window_(window), left_(left), view_(view), shown_(shown), catalog_(catalog),
      location_(location), report_(report), boxes_(boxes), exit_(exit), cursor_(cursor), lister_(lister),
      model_(model), stepping_(stepping) {}

void AdDisplay::yearKeyDown(int b, int keyCode) {
    if (b < 0 || b >= catalog::YearButtonCount)
        return;
    if (keyCode == ui::KeyComma || keyCode == ui::KeyFullStop) {
        if (keyCode == ui::KeyComma)
            stepping_.ShowPreviousAd();
        else
            stepping_.ShowNextAd();
        left_.cmdYear[size_t(b)]->setFocus(Qt::OtherFocusReason);
        return;
    }
    ShowYearAd(b);
}

void AdDisplay::ShowYearAd(int b) {
    if (b < 0 || b >= catalog::YearButtonCount)
        return;
    state::ShownAd& shown = shown_;
    const QString key = catalog_.CategoryKey;
    const QString caption = left_.cmdYear[size_t(b)]->caption();
    const std::string c = caption.toStdString();

    shown.YearText = fromStd(catalog::yearTextFromCaption(c));
    if (catalog::isYearWithoutAd(key.toStdString(), c)) {
        report_.MessageText = fromStd(catalog::sorryMessage(c));
        boxes_.show({report_.MessageText, state::ProductTitle, platform::MessageButtons::Ok,
                     platform::MessageIcon::Exclamation});
        finish(b);
        return;
    }

    view_.panParent->setCaption(fromStd(catalog::panParentCaption(key.toStdString(), c)));
    shown.DocumentTitle = fromStd(catalog::firstAdPathText(location_.AdRoot.toStdString(),
                                                           shown.YearText.toStdString(), key.toStdString()));
    shown.FirstAdPath = shown.DocumentTitle;
    shown.ShownYearButton = b;

    bool loaded = false;
    {
        platform::BusyCursorGuard busy(cursor_);
        view_.Image1->setEnabled(true);
        left_.cmdZoom->setEnabled(true);
        left_.SSCommand4->setEnabled(true);
        view_.SpinButton1->hide();
        view_.Text1->hide();
        shown.AdNumber = 0;
        report_.ErrorCode = state::DiscLost;
        loaded = loadFirstAd();
        if (loaded) {
            shown.AdCount = catalog::countAds(shown.FirstAdPath.toStdString(), lister_);
            prepareSteppingControls(caption);
            stepping_.prepareNeighbours();
        }
    }
    // The report is asked with the arrow pointer and the window enabled: the user has to answer it.
    if (!loaded && !reportFailedLoad())
        return;
    finish(b);
}

bool AdDisplay::reportFailedLoad() {
    // Without its first ad the year offers nothing to step through, whatever the last year had.
    shown_.AdCount = 0;
    state::DriveErrorReporter reporter(report_, boxes_, exit_);
    return reporter.ReportDriveError();
}

void AdDisplay::fullPictureFailed() {
    if (model_.showings() != displayShowing_)
        return;
    displayShowing_ = -1;
    view_.SpinButton1->hide();
    view_.Text1->hide();
    report_.ErrorCode = state::DiscLost;
    reportFailedLoad();
}

bool AdDisplay::loadFirstAd() {
    const ui::WindowDisabledGuard disabled(window_);
    if (!model_.show(shown_.DocumentTitle))
        return false;
    displayShowing_ = model_.showings();
    setScrollMaxima(view_);
    // What was decoded ahead belonged to another year or category.
    model_.dropPrepared();
    return true;
}

void AdDisplay::prepareSteppingControls(const QString& caption) {
    ui::SpinButton* spin = view_.SpinButton1;
    spin->move(geometry::spinLeft(view_.Image1->geometry()), spin->y());
    view_.Text1->move(geometry::counterLeft(spin->geometry()), view_.Text1->y());
    spin->show();
    view_.Text1->setText(fromStd(catalog::counterText(0, shown_.AdCount)));
    view_.Text1->show();
    view_.Text1->raise();
    view_.panText3->move(geometry::captionPanelLeft(view_.Text1->geometry()), view_.Text1->y());
    view_.panText3->show();
    view_.panText3->setCaption(fromStd(catalog::panText3Caption(caption.toStdString())));
}

void AdDisplay::finish(int b) {
    cursor_.setArrow();
    window_.setEnabled(true);
    FocusNextYearButton(left_, catalog_.CategoryKey, b);
}

} // namespace view
