#include "app/StatusClock.h"

#include "platform/desktop/Clock.h"
#include "ui/SSPanel.h"
#include "ui/StatusStrip.h"

#include <QTimer>

namespace app {
namespace {

// The first character of a format that is not part of a field: the locale's separator. Invisible format
// characters (the right-to-left marks of Arabic formats) only steer the writing direction.
QString separatorOf(const QString& format, QChar fallback) {
    for (const QChar c : format)
        if (!c.isLetter() && c != u'\'' && !c.isSpace() && c.category() != QChar::Other_Format)
            return QString(c);
    return QString(fallback);
}

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

ClockCaptions clockCaptions(const QDateTime& moment, const QLocale& locale) {
    const QString timeSeparator = separatorOf(locale.timeFormat(QLocale::ShortFormat), u':');
    const QString dateSeparator = separatorOf(locale.dateFormat(QLocale::ShortFormat), u'/');
    const QDate date = moment.date();
    const QTime time = moment.time();
    const int hour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    // The name as a panel shows it on its own, not the form used inside a sentence.
    return {locale.standaloneDayName(date.dayOfWeek(), QLocale::LongFormat),
            twoDigits(date.month()) + dateSeparator + twoDigits(date.day()) + dateSeparator +
                twoDigits(date.year() % 100),
            twoDigits(hour) + timeSeparator + twoDigits(time.minute()) + timeSeparator +
                twoDigits(time.second()) +
                (time.hour() < 12 ? QStringLiteral(" am") : QStringLiteral(" pm"))};
}

StatusClock::StatusClock(ui::StatusStrip& strip, const platform::Clock& clock, QObject* parent)
    : QObject(parent), strip_(strip), clock_(clock) {
    strip_.Timer1->start();
}

void StatusClock::tick() {
    // Each panel reads the clock for itself, as the three are set one after the other.
    strip_.StatusTime->setCaption(clockCaptions(clock_.now(), QLocale()).time);
    strip_.StatusDate->setCaption(clockCaptions(clock_.now(), QLocale()).date);
    strip_.StatusDay->setCaption(clockCaptions(clock_.now(), QLocale()).day);
}

} // namespace app
