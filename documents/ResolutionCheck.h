#pragma once

#include <QObject>

namespace platform {
class MessageBoxes;
class Screen;
} // namespace platform
namespace state {
struct DriveReport;
}

namespace documents {

// A number as the resolution message prints it: a blank before a number that is not negative, no
// thousands separator, decimals only when it has them (1024 reads " 1024", 853.3333 reads " 853.3333").
QString printedNumber(float value);

// "Check Screen Resolution Setting": says whether the screen is at the viewer's 800 x 600 and, if not,
// how to change it.
class ResolutionCheck : public QObject {
    Q_OBJECT
public:
    ResolutionCheck(state::DriveReport& report, const platform::Screen& screen, platform::MessageBoxes& boxes,
                    QObject* parent = nullptr);

    void check();

private:
    state::DriveReport& report_;
    const platform::Screen& screen_;
    platform::MessageBoxes& boxes_;
};

} // namespace documents
