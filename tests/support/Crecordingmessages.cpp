#include "support/Crecordingmessages.h"

bool TRecordingMessages::Show(Kind kind, const QString& text) {
    shown.append({kind, text});
    return kind == Confirmation ? answer : true;
}

QStringList TRecordingMessages::Texts() const {
    QStringList t;
    for (const Entry& e : shown)
        t << e.text;
    return t;
}
