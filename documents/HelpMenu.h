#pragma once

#include <QObject>

namespace ui {
class Form1;
}

namespace documents {

class WebLinks;

// The Help menu's help contents and the two links to the maker's web pages.
class HelpMenu : public QObject {
    Q_OBJECT
public:
    // Where the program's help file is: built into the program.
    static constexpr const char* HelpFile = ":/help/VantorAds.html";

    HelpMenu(ui::Form1& mainWindow, WebLinks& links, QObject* parent = nullptr);

    void showContents();

private:
    ui::Form1& mainWindow_;
};

} // namespace documents
