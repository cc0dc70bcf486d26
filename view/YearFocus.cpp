#include "view/YearFocus.h"

#include "catalog/FocusSuccessor.h"
#include "ui/LeftPanel.h"
#include "ui/SSCommand.h"

namespace view {

void FocusNextYearButton(const ui::LeftPanel& left, const QString& categoryKey, int b) {
    const auto successor = catalog::focusSuccessor(categoryKey.toStdString(), b);
    if (!successor || *successor < 0 || *successor >= catalog::YearButtonCount)
        return;
    ui::SSCommand* button = left.cmdYear[size_t(*successor)];
    if (button->isEnabled() && button->isVisibleTo(button->window()))
        button->setFocus(Qt::OtherFocusReason);
}

} // namespace view
