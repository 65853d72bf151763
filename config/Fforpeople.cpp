#include "config/Fforpeople.h"

#include "config/Cclock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

namespace {

// The installed language's pattern with "_H" (the hour padded with a blank
// to two places, which QDateTime has no letter for) put in as a quoted text.
QString Pattern(const char* source, int hour) {
    QString pattern = QCoreApplication::translate("FormatDateTimeForPeople", source);
    pattern.replace(QLatin1String("_H"),
                    QLatin1Char('\'') + QString::number(hour).rightJustified(2, QLatin1Char(' ')) +
                        QLatin1Char('\''));
    return pattern;
}

} // namespace

QString FormatDateTimeForPeople(const LocalTime& t) {
    //: A QDateTime format: yyyy year, MM month, dd day, HH hour, mm minute; "_H" is the hour
    //: padded with a blank to two places. The date and the time alone take the same forms.
    const char* source = QT_TRANSLATE_NOOP("FormatDateTimeForPeople", "yyyy.MM.dd / _H:mm");
    // As UTC: a minute that a summer time change skips in the local zone
    // is still shown as it was stored.
    const QDateTime when(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute), Qt::UTC);
    // A unit's clock can read as no date at all; it is shown as it reads.
    if (!when.isValid())
        return QString::asprintf("%04d.%02d.%02d / %2d:%02d", t.year, t.month, t.day, t.hour,
                                 t.minute);
    return when.toString(Pattern(source, t.hour));
}

QString FormatDateTimeSecondsForPeople(const LocalTime& t) {
    return FormatDateTimeForPeople(t) + QLatin1Char(':') +
           QString::number(t.second).rightJustified(2, QLatin1Char('0'));
}

QString DatePatternForPeople() {
    //: The date alone, in the form of the date and time ("yyyy.MM.dd / _H:mm").
    return QCoreApplication::translate("FormatDateTimeForPeople", "yyyy.MM.dd");
}

QString FormatDateForPeople(int year, int month, int day) {
    const QDate date(year, month, day);
    if (!date.isValid())
        return QString::asprintf("%04d.%02d.%02d", year, month, day);
    return date.toString(DatePatternForPeople());
}

QString FormatTimeForPeople(int hour, int minute) {
    //: The time alone, in the form of the date and time ("yyyy.MM.dd / _H:mm").
    const char* source = QT_TRANSLATE_NOOP("FormatDateTimeForPeople", "_H:mm");
    return QTime(hour, minute).toString(Pattern(source, hour));
}

QString StoredMinuteForPeople(const QString& stored) {
    // Date and time apart: the minute a summer time change skips is still
    // one the unit stored.
    const QDate d = QDate::fromString(stored.left(10), QStringLiteral("yyyy-MM-dd"));
    const QTime t = QTime::fromString(stored.mid(11), QStringLiteral("HH:mm"));
    if (stored.size() != 16 || stored[10] != QLatin1Char(' ') || !d.isValid() || !t.isValid())
        return stored;
    return FormatDateTimeForPeople({d.year(), d.month(), d.day(), t.hour(), t.minute(), 0});
}

bool DecimalCommaForPeople() {
    // The default locale is the installed language's (see InstallLanguage).
    return QLocale().decimalPoint() == QLatin1String(",");
}
