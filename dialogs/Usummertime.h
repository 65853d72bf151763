#pragma once

#include "config/Cenv.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// The summer-time period of the current year, "SZ_<year>", in the form
// DD.MM/HH,DD.MM/HH.
class TfmSummerTime : public QDialog {
    Q_OBJECT
public:
    explicit TfmSummerTime(const TEnv& env, QWidget* parent = nullptr);

    QLineEdit* edtPeriod;
    QPushButton* btnOk;
    QPushButton* btnCancel;

public slots:
    void btnOkClick();

private:
    QByteArray Key() const;

    TEnv FEnv;
};
