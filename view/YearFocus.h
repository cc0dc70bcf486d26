#pragma once

#include <QString>

namespace ui {
struct LeftPanel;
}

namespace view {

// Moves the keyboard focus to the year button after b in the category; a successor that cannot take the
// focus (disabled, hidden with its panel, or not there at all) leaves the focus where it is.
void FocusNextYearButton(const ui::LeftPanel& left, const QString& categoryKey, int b);

} // namespace view
