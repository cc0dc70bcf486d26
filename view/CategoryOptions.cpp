#include "view/CategoryOptions.h"

#include "catalog/Categories.h"
#include "catalog/YearButtons.h"
#include "catalog/YearEnabling.h"
#include "state/ProgramState.h"
#include "ui/LeftPanel.h"
#include "ui/SSCommand.h"

namespace view {

CategoryOptions::CategoryOptions(ui::LeftPanel& left, state::CatalogState& catalog,
                                 const state::DataLocation& location, const catalog::FileLister& lister,
                                 QObject* parent)
    : QObject(parent), left_(left), catalog_(catalog), location_(location), lister_(lister) {}

void CategoryOptions::categoryClicked(int optionIndex) {
    if (optionIndex < 0 || optionIndex >= catalog::CategoryCount)
        return;
    for (ui::SSCommand* button : left_.cmdYear)
        button->setEnabled(false);

    const catalog::Category& category = catalog::categoryAt(optionIndex);
    const std::string key(category.key);
    // Only the plain "Vantor" ads mark the two years without an ad of the car on its own.
    for (int index : catalog::RelabelledButtons)
        left_.cmdYear[size_t(index)]->setCaption(
            QString::fromStdString(catalog::yearButtonCaption(index, key)));
    catalog_.CategoryKey = QString::fromStdString(key);

    EnableYearButtons(catalog_.CategoryKey);
    emit categoryChosen(category.firstButton);
}

void CategoryOptions::EnableYearButtons(const QString& categoryKey) {
    const auto enabled =
        catalog::enabledYearButtons(categoryKey.toStdString(), location_.AdRoot.toStdString(), lister_);
    for (int i = 0; i < catalog::YearButtonCount; ++i)
        if (enabled[size_t(i)])
            left_.cmdYear[size_t(i)]->setEnabled(true);
}

} // namespace view
