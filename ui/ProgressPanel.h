#pragma once

class QLabel;
class QLineEdit;
class QWidget;

namespace ui {

class SSCommand;
class SSPanel;

// The panel that shows the copy of the ads to the hard disk: the file being copied, a gauge for it and one
// for the whole copy, and the two buttons. Hidden until the copy command shows it.
struct ProgressPanel {
    SSPanel* pnlProgress = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Text2 = nullptr;
    SSPanel* ProgressGuage = nullptr;
    QLabel* Image3 = nullptr;
    SSPanel* ProgressGuage2 = nullptr;
    SSCommand* cmdCopy = nullptr;
    SSCommand* cmdCancel = nullptr;

    void buildProgressPanel(QWidget* central);
};

} // namespace ui
