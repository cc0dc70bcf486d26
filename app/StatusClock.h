#pragma once

#include <QDateTime>
#include <QLocale>
#include <QObject>

namespace platform {
class Clock;
}
namespace ui {
struct StatusStrip;
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
    // Starts the strip's timer; each of its ticks is to call tick().
    StatusClock(ui::StatusStrip& strip, const platform::Clock& clock, QObject* parent = nullptr);

    void tick();

private:
    ui::StatusStrip& strip_;
    const platform::Clock& clock_;
};

} // namespace app
