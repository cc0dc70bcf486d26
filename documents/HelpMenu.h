#pragma once

#include <QObject>

namespace ui {
class CommonDialog;
}

namespace documents {

class WebLinks;

// The Help menu's help contents and the two links to the maker's web pages.
class HelpMenu : public QObject {
    Q_OBJECT
public:
    // Where the program's help file is: built into the program.
    static constexpr const char* HelpFile = ":/help/VantorAds.html";

    HelpMenu(ui::CommonDialog& dialog, WebLinks& links, QObject* parent = nullptr);

    void showContents();
    void openHomePage();
    void openRegistration();

private:
    ui::CommonDialog& dialog_;
    WebLinks& links_;
};

} // namespace documents
