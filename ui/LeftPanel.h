#pragma once

#include "catalog/Categories.h"
#include "catalog/YearButtons.h"

#include <array>

class QGroupBox;
class QRadioButton;
class QWidget;

namespace ui {

class SSCommand;
class SSPanel;

// The main window's left panel: the categories, the fifty year buttons and the view buttons.
struct LeftPanel {
    SSPanel* SSPanel2 = nullptr;
    QGroupBox* Frame2 = nullptr;
    std::array<QRadioButton*, catalog::CategoryCount> optParent{};
    std::array<SSCommand*, catalog::YearButtonCount> cmdYear{};
    SSCommand* SSCommand4 = nullptr; // "Wide"
    SSCommand* cmdZoom = nullptr;    // "Zoom In"
    SSCommand* SSCommand2 = nullptr; // "Exit"

    void buildLeftPanel(QWidget* central);
};

} // namespace ui
