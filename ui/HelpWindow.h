#pragma once

#include <QWidget>

class QTextBrowser;

namespace ui {

// The program's help: an HTML help file in a window of its own, beside the main window, not blocking it.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the file at its contents, the topic at its start.
    void showContents(const QString& helpFile);

    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

} // namespace ui
