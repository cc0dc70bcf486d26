#pragma once

#include "app/ProgramState.h"

namespace platform {
class MessageBoxes;
class ProgramExit;
} // namespace platform

namespace app {

// The sentence of the report for an error code; empty for a code it does not know.
QString driveErrorSentence(const QString& errorCode);

// Reports a failure to reach the catalog's data, with the code in ErrorCode, and asks Retry or Cancel.
// Cancel ends the program at once; the result is true only for Retry, so a caller can simply stop on
// false (which only a test's program-exit double lets it see).
class DriveErrorReporter {
public:
    DriveErrorReporter(DriveReport& report, platform::MessageBoxes& boxes, platform::ProgramExit& exit)
        : report_(report), boxes_(boxes), exit_(exit) {}

    bool ReportDriveError();

private:
    DriveReport& report_;
    platform::MessageBoxes& boxes_;
    platform::ProgramExit& exit_;
};

} // namespace app
