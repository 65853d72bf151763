#include "dialogs/Unumberedit.h"

#include "config/Cmessages.h"

#include <QKeyEvent>

#include <algorithm>

TNumberEdit::TNumberEdit(long minimum, long maximum, QWidget* parent)
    : QLineEdit(parent), FMin(minimum), FMax(maximum) {
    // Digits and a sign; the range is checked on OK.
    setMaxLength(12);
    const QString range = tr("Whole number, %1 … %2").arg(FMin).arg(FMax);
    setPlaceholderText(range);
    setToolTip(range);
    SetValue(minimum);
}

long TNumberEdit::Value() const {
    bool ok = false;
    const long long v = text().trimmed().toLongLong(&ok);
    if (!ok)
        return std::clamp(0L, FMin, FMax);
    return long(std::clamp<long long>(v, FMin, FMax));
}

bool TNumberEdit::InRange() const {
    bool ok = false;
    const long long v = text().trimmed().toLongLong(&ok);
    return ok && v >= FMin && v <= FMax;
}

QString TNumberEdit::RangeText() const {
    return tr("%1 enter a whole number from %2 to %3.").arg(FCaption).arg(FMin).arg(FMax).trimmed();
}

void TNumberEdit::SetValue(long value) {
    setText(QString::number(std::clamp(value, FMin, FMax)));
}

void TNumberEdit::keyPressEvent(QKeyEvent* event) {
    // Up and Down step the value, as a spin field does.
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        SetValue(Value() + (event->key() == Qt::Key_Up ? 1 : -1));
        return;
    }
    QLineEdit::keyPressEvent(event);
}

bool RefuseOutOfRange(const TEnv& env, std::initializer_list<TNumberEdit*> fields) {
    for (TNumberEdit* field : fields) {
        if (field->InRange())
            continue;
        if (env.messages)
            env.messages->Show(TMessages::Information, field->RangeText());
        field->setFocus();
        field->selectAll();
        return true;
    }
    return false;
}
