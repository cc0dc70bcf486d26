#include "documents/ResolutionCheck.h"

#include "platform/desktop/MessageBoxes.h"
#include "platform/desktop/Screen.h"
#include "state/ProgramState.h"
#include "state/ScreenSize.h"

namespace documents {

QString printedNumber(float value) {
    const QString digits = QString::number(double(value), 'g', 7);
    return value < 0 ? digits : QLatin1Char(' ') + digits;
}

ResolutionCheck::ResolutionCheck(state::DriveReport& report, const platform::Screen& screen,
                                 platform::MessageBoxes& boxes, QObject* parent)
    : QObject(parent), report_(report), screen_(screen), boxes_(boxes) {}

void ResolutionCheck::check() {
    const double widthTwips = screen_.widthTwips();
    const double heightTwips = screen_.heightTwips();
    if (state::IsScreenSize(widthTwips, heightTwips, 800, 600)) {
        report_.MessageText = QStringLiteral("Your current screen resolution is set at 800x600.") +
                              state::CrLf + state::CrLf +
                              QStringLiteral("This is the optimum setting for the Vantor Ads!");
        boxes_.show({report_.MessageText, state::ProductTitle, platform::MessageButtons::Ok,
                     platform::MessageIcon::None});
        return;
    }
    // Divided by 15 whatever the screen's own ratio, so a screen at another resolution reads as its twips
    // say.
    const float height = float(heightTwips / 15);
    const float width = float(widthTwips / 15);
    const QStringList lines = {
        QStringLiteral("Your current screen resolution is set at ") + printedNumber(width) +
            QStringLiteral(" by") + printedNumber(height) + QStringLiteral(" pixles."),
        QString(),
        QStringLiteral("The optimum setting for the Vantor Ads is 800 by 600 pixels."),
        QString(),
        QStringLiteral("Also, The Vantor Ads requires that the Small Fonts display setting is selected."),
        QString(),
        QStringLiteral("To change your resolution and font size settings perform the following steps:"),
        QStringLiteral("    1)  Click the right mouse button while the cursor is on the Windows desktop."),
        QStringLiteral("    2)  Select the Properties option from the window that will be displayed."),
        QStringLiteral("    3)  Select the Settings tab."),
        QStringLiteral("    4)  Adjust the Screen area Slide control to 800x600."),
        QStringLiteral("    5)  You may also want to set the Colors to the highest level allowed by your"),
        QStringLiteral("         graphics card."),
        QStringLiteral("    6)  To change the font size setting:"),
        QStringLiteral("          Click the Advanced button on the bottom right of the above window."),
        QStringLiteral("          Select Small Fonts from the font size drop-down list box."),
        QString(),
        QStringLiteral("You may now have to re-start your computer for the new settings to take affect."),
    };
    report_.MessageText.clear();
    for (const QString& line : lines)
        report_.MessageText += line + state::CrLf;
    boxes_.show({report_.MessageText, state::ProductTitle, platform::MessageButtons::Ok,
                 platform::MessageIcon::Exclamation});
}

} // namespace documents
