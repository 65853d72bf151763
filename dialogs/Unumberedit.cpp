#include "dialogs/Unumberedit.h"

#include <QKeyEvent>

#include <algorithm>

TNumberEdit::TNumberEdit(long minimum, long maximum, QWidget* parent)
    : QLineEdit(parent), FMin(minimum), FMax(maximum) {
    // Digits and a sign; the limits come when the field is left.
    setMaxLength(12);
    connect(this, &QLineEdit::editingFinished, this, &TNumberEdit::Normalise);
    SetValue(minimum);
}

long TNumberEdit::Value() const {
    bool ok = false;
    const long long v = text().trimmed().toLongLong(&ok);
    if (!ok)
        return std::clamp(0L, FMin, FMax);
    return long(std::clamp<long long>(v, FMin, FMax));
}

void TNumberEdit::SetValue(long value) {
    setText(QString::number(std::clamp(value, FMin, FMax)));
}

void TNumberEdit::Normalise() {
    SetValue(Value());
}

void TNumberEdit::keyPressEvent(QKeyEvent* event) {
    // Up and Down step the value, as a spin field does.
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        SetValue(Value() + (event->key() == Qt::Key_Up ? 1 : -1));
        return;
    }
    QLineEdit::keyPressEvent(event);
}
