#pragma once

#include "config/Cenv.h"

#include <QDialog>

class QPushButton;
class TNumberEdit;

// The retention period in months ("Datenerhaltzeitraum"), 1 … 12.
class TfmMonth : public QDialog {
    Q_OBJECT
public:
    explicit TfmMonth(const TEnv& env, QWidget* parent = nullptr);

    TNumberEdit* edtMonth;
    QPushButton* btnOk;
    QPushButton* btnCancel;

public slots:
    void btnOkClick();

private:
    TEnv FEnv;
};
