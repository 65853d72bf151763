#pragma once

#include <QLineEdit>

// A whole-number field of the settings dialogs: a value outside the range
// is brought to the nearest limit when the field is left, and a text that
// is not a number reads as 0 and is replaced by "0". Value() applies the
// same rule to a text still being typed, so OK never takes a value outside.
class TNumberEdit : public QLineEdit {
    Q_OBJECT
public:
    TNumberEdit(long minimum, long maximum, QWidget* parent = nullptr);

    long Value() const;
    // Shows the value brought into the range.
    void SetValue(long value);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Normalise();

    long FMin;
    long FMax;
};
