#include "view/AdStepping.h"

#include "catalog/AdNaming.h"
#include "catalog/FolderFiles.h"
#include "catalog/Stepping.h"
#include "picture/ShownAdModel.h"
#include "platform/desktop/BusyCursor.h"
#include "platform/files/PathResolver.h"
#include "state/ProgramState.h"
#include "ui/AdViewControls.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"
#include "ui/ScrollBar.h"
#include "ui/SpinButton.h"
#include "view/ScrollMaxima.h"
#include "view/YearFocus.h"

#include <QLineEdit>

#include <bitset>

namespace view {

namespace {

// The files of the year's folder, listed once per step: a number without a file is a failed load, and
// is skipped without looking for it on the disc again. Without a listing each number is asked for.
class YearFolder {
public:
    YearFolder(const std::string& base, const catalog::FileLister& lister)
        : stem_(base.substr(nameStart(base))), files_(base.substr(0, nameStart(base)), lister) {}

    bool mayHold(int adNumber) const { return files_.contains(catalog::adPathText(stem_, adNumber)); }
    bool listed() const { return files_.listed(); }

private:
    static std::size_t nameStart(const std::string& base) {
        const std::size_t slash = base.rfind('\\');
        return slash == std::string::npos ? 0 : slash + 1;
    }

    std::string stem_;
    catalog::FolderFiles files_;
};

QString adPath(const std::string& base, int adNumber) {
    return QString::fromStdString(catalog::adPathText(base, adNumber));
}

} // namespace

AdStepping::AdStepping(const ui::LeftPanel& left, ui::AdViewControls& view, state::ShownAd& shown,
                       const state::CatalogState& catalog, platform::BusyCursor& cursor,
                       const catalog::FileLister& lister, picture::ShownAdModel& model, QObject* parent)
    : QObject(parent), left_(left), view_(view), shown_(shown), catalog_(catalog), cursor_(cursor),
      lister_(lister), model_(model) {}

void AdStepping::ShowNextAd() {
    step(Direction::Forward);
}

void AdStepping::ShowPreviousAd() {
    step(Direction::Backward);
}

void AdStepping::step(Direction direction) {
    if (shown_.AdCount == 1) {
        FocusNextYearButton(left_, catalog_.CategoryKey, shown_.ShownYearButton);
        return;
    }
    if (!showFound(direction))
        return;
    FocusNextYearButton(left_, catalog_.CategoryKey, shown_.ShownYearButton);
    prepareNeighbours();
}

bool AdStepping::showFound(Direction direction) {
    state::ShownAd& shown = shown_;
    platform::BusyCursorGuard busy(cursor_);
    // The first ad's path, not DocumentTitle: a document opened since may have replaced that.
    const std::string base = catalog::stepBaseOf(shown.FirstAdPath.toStdString());
    const YearFolder folder(base, lister_);
    // A number that fails to load leaves the ad on view as it was.
    const catalog::AdProbe probe = [&](int adNumber) {
        return folder.mayHold(adNumber) && model_.show(adPath(base, adNumber));
    };
    const catalog::StepResult result = direction == Direction::Forward
                                           ? catalog::searchNextAd(shown.AdNumber, shown.AdCount, probe)
                                           : catalog::searchPreviousAd(shown.AdNumber, shown.AdCount, probe);
    shown.AdNumber = result.adNumber;
    lastDirection_ = direction;
    // Ad number 0 counts as found whatever its load gave, so a failure of it is never stepped past.
    stepShowing_ = result.found && result.adNumber != 0 ? model_.showings() : -1;
    if (!result.found)
        return false;

    view_.Text1->setText(QString::fromStdString(catalog::counterText(shown.AdNumber, shown.AdCount)));
    setScrollMaxima(view_);
    view_.VScr->setValue(0);
    view_.HScroll1->setValue(0);
    return true;
}

void AdStepping::fullPictureFailed() {
    if (model_.showings() != stepShowing_)
        return;
    // As if the load had failed during the step: the search goes on from the ad that failed.
    if (showFound(lastDirection_))
        prepareNeighbours();
}

void AdStepping::prepareNeighbours() {
    const state::ShownAd& shown = shown_;
    if (shown.AdCount <= 1)
        return;
    const std::string base = catalog::stepBaseOf(shown.FirstAdPath.toStdString());
    const YearFolder folder(base, lister_);
    // Without a listing each number would be asked of the drive one by one: not worth doing ahead.
    if (!folder.listed())
        return;
    std::bitset<catalog::HighestAdNumber + 1> present;
    for (int n = 0; n <= catalog::HighestAdNumber; ++n)
        present[std::size_t(n)] = folder.mayHold(n);
    const int adNumber = shown.AdNumber;
    const int adCount = shown.AdCount;
    // Searches `depth` ads deep, stopping where it started. Decodes for the stretched views are small, and
    // a key held down steps faster than one decode follows another after each step: the way the user is
    // going gets two, so that the decoding ahead keeps a lead.
    auto search = [=](auto searchAds, int depth) -> picture::ShownAdModel::AheadSearch {
        return [=](const std::function<bool(const QString&)>& decoded) {
            int from = adNumber;
            for (int i = 0; i < depth; ++i) {
                const catalog::StepResult found = searchAds(from, adCount, [&](int n) {
                    return present[std::size_t(n)] && decoded(adPath(base, n));
                });
                if (!found.found || found.adNumber == adNumber)
                    return;
                from = found.adNumber;
            }
        };
    };
    const int lead = model_.neededSize().isValid() ? 2 : 1;
    const picture::ShownAdModel::AheadSearch forward =
        search(catalog::searchNextAd, lastDirection_ == Direction::Forward ? lead : 1);
    const picture::ShownAdModel::AheadSearch backward =
        search(catalog::searchPreviousAd, lastDirection_ == Direction::Backward ? lead : 1);
    model_.prepareAhead(picture::ShownAdModel::Ahead::Neighbours, lastDirection_ == Direction::Forward
                                                                      ? std::vector{forward, backward}
                                                                      : std::vector{backward, forward});
}

} // namespace view
