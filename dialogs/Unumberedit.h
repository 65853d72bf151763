#pragma once

#include "config/Cenv.h"

#include <QLineEdit>

#include <initializer_list>

// A whole-number field of the settings dialogs. It shows its range as
// placeholder and tooltip; a value outside the range or a text that is not
// a whole number stays as typed until OK, which refuses it with a message
// naming the range (RefuseOutOfRange) instead of changing it unseen. Up and
// Down step the value within the range.
class TNumberEdit : public QLineEdit {
    Q_OBJECT
public:
    TNumberEdit(long minimum, long maximum, QWidget* parent = nullptr);

    // The value brought into the range; 0 (or the nearest limit) for a text
    // that is not a whole number.
    long Value() const;
    // Shows the value brought into the range.
    void SetValue(long value);
    // True when the text is a whole number within the range.
    bool InRange() const;
    // "<field> enter a whole number from <min> to <max>.", the field named
    // by its caption.
    QString RangeText() const;
    // The caption the messages name the field by ("Offset:").
    void SetCaption(const QString& caption) { FCaption = caption; }
    const QString& Caption() const { return FCaption; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    long FMin;
    long FMax;
    QString FCaption;
};

// The first field whose text is out of its range is named with its range
// (an information message) and gets the focus: true. False when all fit.
bool RefuseOutOfRange(const TEnv& env, std::initializer_list<TNumberEdit*> fields);
