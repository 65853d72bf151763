#pragma once

#include "config/Cenv.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// Settings > Alarm limits: the limits of one channel at a time, in the
// channel's units, written into the [Alarms] section when confirmed.
class TfmAlarmLimits : public QDialog {
    Q_OBJECT
public:
    explicit TfmAlarmLimits(const TEnv& env, QWidget* parent = nullptr);

    QComboBox* cmbChannel;
    QLineEdit* edtHigh;
    QLineEdit* edtLow;
    QLineEdit* edtHighHigh;
    QLineEdit* edtLowLow;
    QLineEdit* edtHysteresis;
    QSpinBox* spnDelay;
    QCheckBox* chkLatched;
    QLabel* lblRules;
    QPushButton* btnOk;
    QPushButton* btnCancel;

public slots:
    // Writes the shown channel's limits; a refusal names the field.
    void btnOkClick();

private:
    void ShowChannel(int channel);
    // The fields as the INI text form.
    QByteArray LimitsText() const;

    TEnv FEnv;
};
