#include "view/YearFocus.h"

#include "catalog/FocusSuccessor.h"
#include "ui/Form1.h"
#include "ui/SSCommand.h"

namespace view {

void FocusNextYearButton(ui::Form1& window, const QString& categoryKey, int b) {
    const auto successor = catalog::focusSuccessor(categoryKey.toStdString(), b);
    if (!successor || *successor < 0 || *successor >= catalog::YearButtonCount)
        return;
    ui::SSCommand* button = window.cmdYear[size_t(*successor)];
    if (button->isEnabled() && button->isVisibleTo(&window))
        button->setFocus(Qt::OtherFocusReason);
}

} // namespace view
