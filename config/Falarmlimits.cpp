#include "config/Falarmlimits.h"

#include "config/Cinifile.h"
#include "config/Fsettingkeys.h"

#include <QCoreApplication>
#include <QStringList>

#include <limits>

namespace {

// Values beyond this many units are no limit any channel can reach.
constexpr int64_t MaxAlarmUnits = 1000000000;

int64_t Power10(unsigned n) {
    int64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

QString NotANumberText(const QByteArray& field, const QByteArray& value) {
    return QCoreApplication::translate(
               "Falarmlimits", "The alarm field \"%1\" needs a number with at most six "
                               "decimals, not \"%2\"!")
        .arg(QString::fromLatin1(field), QString::fromLatin1(value));
}

// Stores one field's value; false with the refusal.
bool TakeField(const QByteArray& field, const QByteArray& value, AlarmLimits& l, QString& refusal) {
    std::optional<int64_t>* limit = field == "high"       ? &l.high
                                    : field == "low"      ? &l.low
                                    : field == "highhigh" ? &l.highhigh
                                    : field == "lowlow"   ? &l.lowlow
                                                          : nullptr;
    int64_t v = 0;
    if (limit) {
        if (value.isEmpty()) {
            limit->reset();
            return true;
        }
        if (!ParseAlarmValue(value, v)) {
            refusal = NotANumberText(field, value);
            return false;
        }
        *limit = v;
        return true;
    }
    if (field == "hysteresis") {
        if (value.isEmpty()) {
            l.hysteresis = 0;
            return true;
        }
        if (!ParseAlarmValue(value, v) || v < 0) {
            refusal = QCoreApplication::translate(
                          "Falarmlimits",
                          "The alarm field \"hysteresis\" needs a number of at least 0, not \"%1\"!")
                          .arg(QString::fromLatin1(value));
            return false;
        }
        l.hysteresis = v;
        return true;
    }
    if (field == "delay") {
        bool ok = value.isEmpty();
        const int d = ok ? 0 : value.toInt(&ok);
        if (!ok || d < 0 || d > MaxAlarmDelay || value.startsWith('+')) {
            refusal = QCoreApplication::translate(
                          "Falarmlimits",
                          "The alarm field \"delay\" needs whole minutes from 0 to 1440, not \"%1\"!")
                          .arg(QString::fromLatin1(value));
            return false;
        }
        l.delay = d;
        return true;
    }
    if (field == "latched") {
        if (value != "0" && value != "1" && !value.isEmpty()) {
            refusal = QCoreApplication::translate(
                          "Falarmlimits", "The alarm field \"latched\" needs 0 or 1, not \"%1\"!")
                          .arg(QString::fromLatin1(value));
            return false;
        }
        l.latched = value == "1";
        return true;
    }
    refusal = QCoreApplication::translate("Falarmlimits", "There is no alarm field \"%1\"!")
                  .arg(QString::fromLatin1(field));
    return false;
}

} // namespace

QByteArray AlarmKey(int channel) {
    // Named as the channel's definition in the "ZEDA" section.
    return SettingKey::Channel(channel);
}

bool ParseAlarmValue(const QByteArray& text, int64_t& value) {
    qsizetype i = 0;
    const bool negative = text.startsWith('-');
    if (negative)
        ++i;
    int64_t units = 0;
    int64_t fraction = 0;
    int intDigits = 0;
    int decimals = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++intDigits) {
        units = units * 10 + (text[i] - '0');
        if (units > MaxAlarmUnits)
            return false;
    }
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++decimals) {
            if (decimals == AlarmValueDecimals)
                return false;
            fraction = fraction * 10 + (text[i] - '0');
        }
        if (decimals == 0)
            return false;
    }
    if (i != text.size() || intDigits == 0)
        return false;
    value = units * AlarmValueScale + fraction * Power10(unsigned(AlarmValueDecimals - decimals));
    if (negative)
        value = -value;
    return true;
}

QByteArray FormatAlarmValue(int64_t value) {
    const bool negative = value < 0;
    const int64_t a = negative ? -value : value;
    QByteArray digits = QByteArray::number(a % AlarmValueScale).rightJustified(AlarmValueDecimals, '0');
    while (digits.size() > 1 && digits.endsWith('0'))
        digits.chop(1);
    return (negative ? "-" : "") + QByteArray::number(a / AlarmValueScale) + '.' + digits;
}

bool ParseAlarmLimits(const QByteArray& text, AlarmLimits& limits, QString& refusal) {
    AlarmLimits l;
    const QByteArray trimmed = text.trimmed();
    if (!trimmed.isEmpty()) {
        for (const QByteArray& part : trimmed.split(',')) {
            const qsizetype eq = part.indexOf('=');
            const QByteArray field = (eq < 0 ? part : part.left(eq)).trimmed();
            const QByteArray value = eq < 0 ? QByteArray() : part.mid(eq + 1).trimmed();
            if (eq < 0 && !field.isEmpty()) {
                refusal = QCoreApplication::translate(
                              "Falarmlimits", "The alarm field \"%1\" has no \"=\"!")
                              .arg(QString::fromLatin1(field));
                return false;
            }
            if (field.isEmpty())
                continue;
            if (!TakeField(field, value, l, refusal))
                return false;
        }
    }
    refusal = AlarmLimitsConflict(l);
    if (!refusal.isEmpty())
        return false;
    limits = l;
    return true;
}

QByteArray FormatAlarmLimits(const AlarmLimits& l) {
    const auto value = [](const std::optional<int64_t>& v) {
        return v ? FormatAlarmValue(*v) : QByteArray();
    };
    return "high=" + value(l.high) + ",low=" + value(l.low) + ",highhigh=" + value(l.highhigh) +
           ",lowlow=" + value(l.lowlow) + ",hysteresis=" + FormatAlarmValue(l.hysteresis) +
           ",delay=" + QByteArray::number(l.delay) + ",latched=" + (l.latched ? "1" : "0");
}

QString AlarmLimitsConflict(const AlarmLimits& l) {
    if (l.high && l.highhigh && *l.highhigh <= *l.high)
        return QCoreApplication::translate("Falarmlimits",
                                           "The alarm field \"highhigh\" must lie above \"high\"!");
    if (l.low && l.lowlow && *l.lowlow >= *l.low)
        return QCoreApplication::translate("Falarmlimits",
                                           "The alarm field \"lowlow\" must lie below \"low\"!");
    if (l.low && l.high && *l.low >= *l.high)
        return QCoreApplication::translate("Falarmlimits",
                                           "The alarm field \"low\" must lie below \"high\"!");
    return {};
}

ChannelAlarmLimits ReadAlarmLimits(const TIniFile& ini, QStringList* refusals) {
    ChannelAlarmLimits all{};
    for (int ch = 1; ch <= ChannelCount; ++ch) {
        const QByteArray text = ini.ReadString(AlarmSection, AlarmKey(ch), "");
        QString refusal;
        if (!ParseAlarmLimits(text, all[ch - 1], refusal) && refusals)
            refusals->append(
                QCoreApplication::translate("Falarmlimits", "Alarm limits of channel %1: %2")
                    .arg(ch)
                    .arg(refusal));
    }
    return all;
}

bool WriteAlarmLimits(TIniFile& ini, int channel, const AlarmLimits& limits) {
    const QByteArray text = limits.AnyLimit() ? FormatAlarmLimits(limits) : QByteArray();
    return ini.WriteString(AlarmSection, AlarmKey(channel), text);
}

int64_t AlarmValueInCounts(int64_t millionths, unsigned decimals) {
    if (decimals >= unsigned(AlarmValueDecimals))
        return millionths * Power10(decimals - AlarmValueDecimals);
    const int64_t step = Power10(AlarmValueDecimals - decimals);
    const int64_t half = step / 2;
    // Rounds halves away from zero, alike for both signs.
    return millionths >= 0 ? (millionths + half) / step : -((-millionths + half) / step);
}

int64_t CountsInAlarmValue(int64_t counts, unsigned decimals) {
    if (decimals >= unsigned(AlarmValueDecimals))
        return counts / Power10(decimals - AlarmValueDecimals);
    return counts * Power10(AlarmValueDecimals - decimals);
}
