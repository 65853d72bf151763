#include "config/Ftextfield.h"

#include "config/Fcodec.h"

#include <QCoreApplication>

namespace {

// A control character (C0, DEL or C1) cannot be typed into a field and
// ends or breaks the line it is stored on.
bool IsControl(QChar c) {
    return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0);
}

QString FieldSentence(AnsiField field) {
    switch (field) {
    case AnsiField::Location:
        return QCoreApplication::translate(
            "Ftextfield",
            "The location can only use letters, digits and signs of Western European languages");
    case AnsiField::OperatorName:
        return QCoreApplication::translate("Ftextfield",
                                           "An operator name can only use letters, digits and "
                                           "signs of Western European languages");
    case AnsiField::ChannelName:
        return QCoreApplication::translate("Ftextfield",
                                           "A channel name can only use letters, digits and signs "
                                           "of Western European languages");
    case AnsiField::ChannelUnit:
        break;
    }
    return QCoreApplication::translate(
        "Ftextfield",
        "A channel unit can only use letters, digits and signs of Western European languages");
}

} // namespace

QString TextFieldRefusal(AnsiField field, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A pair of surrogates is one character, and never has a byte.
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        if (length == 2 || IsControl(text[i]) || !FitsAnsi(character)) {
            const QString shown = IsControl(text[i])
                                      ? QString::asprintf("U+%04X", unsigned(text[i].unicode()))
                                      : character;
            return QCoreApplication::translate("Ftextfield", "%1: \"%2\" cannot be stored.")
                .arg(FieldSentence(field), shown);
        }
    }
    return QString();
}

QString ChannelTextRefusal(const QString& name, const QString& unit) {
    const QString refusal = TextFieldRefusal(AnsiField::ChannelName, name);
    return refusal.isEmpty() ? TextFieldRefusal(AnsiField::ChannelUnit, unit) : refusal;
}
