#include "view/YearsAhead.h"

#include "catalog/AdNaming.h"
#include "state/ProgramState.h"
#include "ui/Form1.h"
#include "ui/SSCommand.h"
#include "view/ShownAdModel.h"

#include <QEvent>

namespace view {

YearsAhead::YearsAhead(ui::Form1& window, const state::CatalogState& catalog,
                       const state::DataLocation& location, ShownAdModel& model, QObject* parent)
    : QObject(parent), window_(window), catalog_(catalog), location_(location), model_(model) {
    hover_.setSingleShot(true);
    hover_.setInterval(HoverMilliseconds);
    connect(&hover_, &QTimer::timeout, this, [this] {
        if (hovered_ >= 0 && window_.cmdYear[std::size_t(hovered_)]->underMouse())
            prepare(hovered_);
    });
    for (ui::SSCommand* button : window_.cmdYear)
        button->installEventFilter(this);
}

int YearsAhead::buttonIndex(QObject* object) const {
    for (std::size_t i = 0; i < window_.cmdYear.size(); ++i)
        if (window_.cmdYear[i] == object)
            return int(i);
    return -1;
}

bool YearsAhead::eventFilter(QObject* watched, QEvent* event) {
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

void YearsAhead::prepare(int b) {
    if (b < 0 || !window_.cmdYear[std::size_t(b)]->isEnabled())
        return;
    const std::string key = catalog_.CategoryKey.toStdString();
    const std::string caption = window_.cmdYear[std::size_t(b)]->caption().toStdString();
    if (catalog::isYearWithoutAd(key, caption))
        return;
    const QString path = QString::fromStdString(
        catalog::firstAdPathText(location_.AdRoot.toStdString(), catalog::yearTextFromCaption(caption), key));
    if (path == model_.path())
        return;
    model_.prepareAhead(ShownAdModel::Ahead::Years,
                        {[path](const std::function<bool(const QString&)>& decoded) { decoded(path); }});
}

} // namespace view
