#pragma once

#include "ui/TxtForm.h"

#include <QObject>
#include <QPointer>
#include <QString>

namespace platform {
class BusyCursor;
class Files;
class MessageBoxes;
class Printer;
class ProgramExit;
class Screen;
} // namespace platform
namespace state {
struct DataLocation;
struct DriveReport;
struct OutputState;
struct ShownAd;
} // namespace state

namespace documents {

// The catalog's three documents in the document window: "Ads List", "Notice" and "Register Form" open it
// with their file, the print button prints the document, OK or a double-click close it.
class DocumentWindow : public QObject {
    Q_OBJECT
public:
    DocumentWindow(state::ShownAd& shown, const state::DataLocation& location, state::DriveReport& report,
                   state::OutputState& output, const platform::Files& files, platform::MessageBoxes& boxes,
                   platform::ProgramExit& exit, platform::Printer& printer, platform::BusyCursor& cursor,
                   const platform::Screen& screen, QObject* parent = nullptr);

    // "Ads List", "Notice" and "Register Form".
    void openAdsList();
    void openNotice();
    void openRegisterForm();

    // The window while it is loaded (shown, or kept hidden after a failed opening), else null.
    ui::TxtForm* window() const { return txtForm_; }

private:
    struct Document {
        const char* file; // below the disc's root
        const char* caption;
        const QString& errorCode;
        bool loadBeforeCaption; // the notice loads its file first, the others set the caption first
    };
    void open(const Document& document);
    ui::TxtForm& loadWindow();
    bool loadFile();
    void printDocument();

    state::ShownAd& shown_;
    const state::DataLocation& location_;
    state::DriveReport& report_;
    state::OutputState& output_;
    const platform::Files& files_;
    platform::MessageBoxes& boxes_;
    platform::ProgramExit& exit_;
    platform::Printer& printer_;
    platform::BusyCursor& cursor_;
    const platform::Screen& screen_;
    QPointer<ui::TxtForm> txtForm_;
};

} // namespace documents
