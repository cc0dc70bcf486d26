#include "documents/DocumentWindow.h"

#include "documents/CentredOnScreen.h"

#include "output/FailureReport.h"
#include "output/PrintRichText.h"
#include "platform/desktop/BusyCursor.h"
#include "platform/files/Files.h"
#include "state/DriveErrorReporter.h"
#include "ui/RichTextBox.h"
#include "ui/SSCommand.h"
#include "ui/TxtForm.h"
#include "ui/Units.h"

namespace documents {
namespace {

// No document of the catalog comes near this; anything larger is not one of them.
constexpr qint64 DocumentByteLimit = 256LL * 1024 * 1024;

constexpr double OneInch = ui::TwipsPerInch;

} // namespace

DocumentWindow::DocumentWindow(state::ShownAd& shown, const state::DataLocation& location,
                               state::DriveReport& report, state::OutputState& output,
                               const platform::Files& files, platform::MessageBoxes& boxes,
                               platform::ProgramExit& exit, platform::Printer& printer,
                               platform::BusyCursor& cursor, const platform::Screen& screen, QObject* parent)
    : QObject(parent), shown_(shown), location_(location), report_(report), output_(output), files_(files),
      boxes_(boxes), exit_(exit), printer_(printer), cursor_(cursor), screen_(screen) {}

void DocumentWindow::openAdsList() {
    open({"\\RichText\\VantorAds.rtf", "Vantor Advertising Checklist ", state::DiscNotFound, false});
}

void DocumentWindow::openNotice() {
    open({"\\RichText\\notice.rtf", "Notice", state::DiscNotFound, true});
}

void DocumentWindow::openRegisterForm() {
    open({"\\RichText\\Register.rtf", "Kestrel Software Registration Form", state::DiscLost, false});
}

void DocumentWindow::open(const Document& document) {
    shown_.DocumentTitle = location_.DocRoot + QString::fromLatin1(document.file);
    ui::TxtForm& window = loadWindow();
    bool loaded = true;
    if (document.loadBeforeCaption) {
        loaded = loadFile();
        window.setWindowTitle(QString::fromLatin1(document.caption));
    } else {
        window.setWindowTitle(QString::fromLatin1(document.caption));
        loaded = loadFile();
    }
    if (!loaded) {
        // The window stays loaded and hidden; the next opening uses it as it is.
        state::DriveErrorReporter(report_, boxes_, exit_).ReportDriveError(document.errorCode);
        return;
    }
    window.SSCommand1->resize(ui::pixelsFromTwips(ui::twipsFromPixels(window.rtbText->width()) -
                                                  ui::twipsFromPixels(window.cmdprint->width()) - 4),
                              window.SSCommand1->height());
    window.show();
}

ui::TxtForm& DocumentWindow::loadWindow() {
    if (txtForm_)
        return *txtForm_;
    txtForm_ = new ui::TxtForm();
    ui::TxtForm& window = *txtForm_;
    // Centred on the screen at every loading, whatever the main window's place.
    new CentredOnScreen(window, screen_);
    connect(window.SSCommand1, &ui::SSCommand::clicked, &window, &ui::TxtForm::close);
    connect(window.rtbText, &ui::RichTextBox::doubleClicked, &window, &ui::TxtForm::close);
    connect(window.cmdprint, &ui::SSCommand::clicked, this, &DocumentWindow::printDocument);
    return window;
}

bool DocumentWindow::loadFile() {
    // A large document takes a noticeable moment to read and build.
    const platform::BusyCursorGuard busy(cursor_);
    platform::OpenResult opened = files_.openRead(shown_.DocumentTitle);
    if (!opened.status.ok)
        return false;
    const platform::ReadResult read = opened.file.read(DocumentByteLimit + 1);
    if (!read.status.ok || read.bytes.size() > DocumentByteLimit)
        return false;
    const QString name = shown_.DocumentTitle.section(QLatin1Char('\\'), -1);
    return txtForm_->rtbText->load(read.bytes, name) == rtf::RtfError::None;
}

void DocumentWindow::printDocument() {
    report_.MessageText = QStringLiteral("Would you like to print the ") + state::CrLf + state::CrLf +
                          txtForm_->windowTitle() + QStringLiteral("?");
    output_.PrintReply = boxes_.show({report_.MessageText, state::ProductTitle,
                                      platform::MessageButtons::YesNo, platform::MessageIcon::Question});
    if (output_.PrintReply != platform::Reply::Yes)
        return;
    const platform::PrintStatus printed =
        output::PrintRichText(*txtForm_->rtbText->document(), printer_, {OneInch, OneInch, OneInch, OneInch});
    if (!printed.ok) {
        output::reportOutputFailure(boxes_, QStringLiteral("The document was not printed."), printed.error);
        return;
    }
    boxes_.show({QStringLiteral("Printing complete!"), state::ProductTitle, platform::MessageButtons::Ok,
                 platform::MessageIcon::Exclamation});
}

} // namespace documents
