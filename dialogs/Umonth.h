#pragma once

#include "config/Cenv.h"

#include <QDialog>

class QPushButton;
class QSpinBox;

// The retention period in months ("Datenerhaltzeitraum"), 1 … 12; the
// unset 0 keeps every month file.
class TfmMonth : public QDialog {
    Q_OBJECT
public:
    explicit TfmMonth(const TEnv& env, QWidget* parent = nullptr);

    QSpinBox* edtMonth;
    QPushButton* btnOk;
    QPushButton* btnCancel;

public slots:
    void btnOkClick();

private:
    TEnv FEnv;
};
