#pragma once

#include "platform/desktop/MessageBoxes.h"
#include "platform/desktop/ProgramExit.h"
#include "state/ProgramState.h"

namespace state {

// The codes of the one report of data that cannot be reached.
inline const QString DiscNotFound = QStringLiteral("VA001");
inline const QString DiscLost = QStringLiteral("VA002");

// The sentence of the report for an error code; empty for a code it does not know.
inline QString driveErrorSentence(const QString& errorCode) {
    if (errorCode == DiscNotFound)
        return QStringLiteral("Unable to detect Vantor Ads - The Marketing of Roadmark CD-ROM.");
    if (errorCode == DiscLost)
        return QStringLiteral("No longer able to detect Vantor Ads - The Marketing of Roadmark CD-ROM.");
    return {};
}

// Reports a failure to reach the catalog's data, with the code in ErrorCode, and asks Retry or Cancel.
// Cancel ends the program at once; the result is true only for Retry, so a caller can simply stop on
// false (which only a test's program-exit double lets it see).
class DriveErrorReporter {
public:
    DriveErrorReporter(DriveReport& report, platform::MessageBoxes& boxes, platform::ProgramExit& exit)
        : report_(report), boxes_(boxes), exit_(exit) {}

    bool ReportDriveError() {
        report_.MessageText = QStringLiteral("Error number: ") + report_.ErrorCode + CrLf + CrLf +
                              driveErrorSentence(report_.ErrorCode) + CrLf + CrLf +
                              QStringLiteral("Make sure that CD is in CDROM drive.");
        const int reply =
            boxes_.show({report_.MessageText, ProductTitle, platform::MessageButtons::RetryCancel,
                         platform::MessageIcon::None, false});
        report_.MessageReply = QString::number(reply);
        if (reply == platform::Reply::Retry)
            return true;
        exit_.endNow();
        return false;
    }

    // Sets the code and reports it.
    bool ReportDriveError(const QString& errorCode) {
        report_.ErrorCode = errorCode;
        return ReportDriveError();
    }

private:
    DriveReport& report_;
    platform::MessageBoxes& boxes_;
    platform::ProgramExit& exit_;
};

} // namespace state
