#include "app/DriveReport.h"

#include "platform/MessageBoxes.h"
#include "platform/ProgramExit.h"

namespace app {

QString driveErrorSentence(const QString& errorCode) {
    if (errorCode == QLatin1String("VA001"))
        return QStringLiteral("Unable to detect Vantor Ads - The Marketing of Roadmark CD-ROM.");
    if (errorCode == QLatin1String("VA002"))
        return QStringLiteral("No longer able to detect Vantor Ads - The Marketing of Roadmark CD-ROM.");
    return {};
}

bool DriveErrorReporter::ReportDriveError() {
    report_.MessageText = QStringLiteral("Error number: ") + report_.ErrorCode + CrLf + CrLf +
                          driveErrorSentence(report_.ErrorCode) + CrLf + CrLf +
                          QStringLiteral("Make sure that CD is in CDROM drive.");
    const int reply = boxes_.show({report_.MessageText, ProductTitle, platform::MessageButtons::RetryCancel,
                                   platform::MessageIcon::None, false});
    report_.MessageReply = QString::number(reply);
    if (reply == platform::Reply::Retry)
        return true;
    exit_.endNow();
    return false;
}

} // namespace app
