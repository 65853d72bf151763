#include "config/Fforpeople.h"

#include "config/Cclock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

QString FormatDateTimeForPeople(const LocalTime& t) {
    //: A QDateTime format: yyyy year, MM month, dd day, HH hour, mm minute; "_H" is the hour
    //: padded with a blank to two places.
    QString pattern = QCoreApplication::translate("FormatDateTimeForPeople", "yyyy.MM.dd / _H:mm");
    pattern.replace(QLatin1String("_H"),
                    QLatin1Char('\'') + QString::number(t.hour).rightJustified(2, QLatin1Char(' ')) +
                        QLatin1Char('\''));
    const QDateTime when(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute));
    return when.toString(pattern);
}

bool DecimalCommaForPeople() {
    // The default locale is the installed language's (see InstallLanguage).
    return QLocale().decimalPoint() == QLatin1String(",");
}
