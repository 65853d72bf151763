#pragma once

#include "config/Cenv.h"

#include <QDialog>

class QDateEdit;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The summer-time period of the current year, "SZ_<year>", in the form
// DD.MM/HH,DD.MM/HH: edited as a start and an end (day and hour), with the
// text they make shown beneath, where it can also be typed.
class TfmSummerTime : public QDialog {
    Q_OBJECT
public:
    explicit TfmSummerTime(const TEnv& env, QWidget* parent = nullptr);

    QDateEdit* dtpStart;
    QSpinBox* edtStartHour;
    QDateEdit* dtpEnd;
    QSpinBox* edtEndHour;
    QLineEdit* edtPeriod;
    QPushButton* btnOk;
    QPushButton* btnCancel;

public slots:
    void btnOkClick();

private:
    QByteArray Key() const;
    int Year() const;
    // The pickers make the text; a typed text of digits sets the pickers.
    void ShowText();
    void ShowPickers();

    TEnv FEnv;
};
