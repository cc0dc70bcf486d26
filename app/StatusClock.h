#pragma once

#include <QDateTime>
#include <QLocale>
#include <QObject>

namespace platform {
class Clock;
}
namespace ui {
class Form1;
}

namespace app {

struct ClockCaptions {
    QString day;  // the weekday's full name in the system's language
    QString date; // mm/dd/yy
    QString time; // hh:mm:ss am/pm, twelve-hour
};

// The captions for a moment, with the locale's own date and time separators in place of "/" and ":".
ClockCaptions clockCaptions(const QDateTime& moment, const QLocale& locale);

// The status strip's clock: every tick of the main window's timer shows the weekday, date and time.
class StatusClock : public QObject {
    Q_OBJECT
public:
    StatusClock(ui::Form1& window, const platform::Clock& clock, QObject* parent = nullptr);

    void tick();

private:
    ui::Form1& window_;
    const platform::Clock& clock_;
};

} // namespace app
