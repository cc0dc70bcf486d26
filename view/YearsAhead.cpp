#include "view/YearsAhead.h"

#include "catalog/AdNaming.h"
#include "catalog/YearButtons.h"
#include "picture/ShownAdModel.h"
#include "state/ProgramState.h"
#include "ui/LeftPanel.h"
#include "ui/SSCommand.h"

#include <QEvent>
#include <QStringList>
#include <QWidget>

#include <algorithm>

namespace view {

YearsAhead::YearsAhead(const QWidget& window, const ui::LeftPanel& left, const state::CatalogState& catalog,
                       const state::DataLocation& location, picture::ShownAdModel& model, QObject* parent)
    : QObject(parent), window_(window), left_(left), catalog_(catalog), location_(location), model_(model) {
    hover_.setSingleShot(true);
    hover_.setInterval(HoverMilliseconds);
    connect(&hover_, &QTimer::timeout, this, [this] {
        if (hovered_ >= 0 && left_.cmdYear[std::size_t(hovered_)]->underMouse())
            prepare(hovered_);
    });
}

int YearsAhead::buttonIndex(QObject* object) const {
    for (std::size_t i = 0; i < left_.cmdYear.size(); ++i)
        if (left_.cmdYear[i] == object)
            return int(i);
    return -1;
}

bool YearsAhead::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) {
        if (event->type() == QEvent::Show && !windowShown_) {
            windowShown_ = true;
            readCategoryAhead();
        }
        return false;
    }
    switch (event->type()) {
    case QEvent::FocusIn:
        prepare(buttonIndex(watched));
        break;
    case QEvent::Enter:
        hovered_ = buttonIndex(watched);
        hover_.start();
        break;
    case QEvent::Leave:
        hovered_ = -1;
        hover_.stop();
        break;
    default:
        break;
    }
    return false;
}

std::optional<QString> YearsAhead::firstAdOf(int b) const {
    if (b < 0 || !left_.cmdYear[std::size_t(b)]->isEnabled())
        return std::nullopt;
    const std::string key = catalog_.CategoryKey.toStdString();
    const std::string caption = left_.cmdYear[std::size_t(b)]->caption().toStdString();
    if (catalog::isYearWithoutAd(key, caption))
        return std::nullopt;
    return QString::fromStdString(
        catalog::firstAdPathText(location_.AdRoot.toStdString(), catalog::yearTextFromCaption(caption), key));
}

void YearsAhead::prepare(int b) {
    const std::optional<QString> path = firstAdOf(b);
    if (!path || *path == model_.path())
        return;
    model_.prepareAhead(
        picture::ShownAdModel::Ahead::Years,
        {[path = *path](const std::function<bool(const QString&)>& decoded) { decoded(path); }});
}

void YearsAhead::readCategoryAhead() {
    const int focused = std::max(0, buttonIndex(window_.focusWidget()));
    QStringList paths;
    for (int i = 1; i <= catalog::YearButtonCount; ++i)
        if (const std::optional<QString> path = firstAdOf((focused + i) % catalog::YearButtonCount))
            paths.append(*path);
    model_.prepareAhead(picture::ShownAdModel::Ahead::Disc,
                        {[paths](const std::function<bool(const QString&)>& read) {
                            for (const QString& path : paths)
                                read(path);
                        }});
}

} // namespace view
