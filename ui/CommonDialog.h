#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QWidget;

namespace platform {
class Printer;
}

namespace ui {

class HelpWindow;

// The invisible dialog component: its flags, help file and help command are set by the program, then it
// opens the printer dialog or shows the help through the platform's printer and shell.
class CommonDialog : public QObject {
    Q_OBJECT
public:
    static constexpr int PrintSetupFlag = 0x40;
    static constexpr int HelpContents = 3;

    explicit CommonDialog(QWidget* owner);
    ~CommonDialog() override;

    int flags() const { return flags_; }
    void setFlags(int flags) { flags_ = flags; }
    QString helpFile() const { return helpFile_; }
    void setHelpFile(const QString& file) { helpFile_ = file; }
    int helpCommand() const { return helpCommand_; }
    void setHelpCommand(int command) { helpCommand_ = command; }

    // Opens the printer's set-up dialog and waits for it; the program sets the print-setup flag first.
    bool ShowPrinter(platform::Printer& printer);
    // Shows the help file in the program's help window, at its contents; the window does not block the
    // program, and a second request brings the same window forward.
    void ShowHelp();
    HelpWindow* helpWindow() const { return helpWindow_.get(); }

private:
    QWidget* owner_;
    int flags_ = 0;
    QString helpFile_;
    int helpCommand_ = 0;
    std::unique_ptr<HelpWindow> helpWindow_;
};

} // namespace ui
