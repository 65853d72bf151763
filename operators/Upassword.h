#pragma once

#include "config/Cenv.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

// Sets the operator or the administrator password; the old one is not asked
// for. The password is stored scrambled, which hides it from a glance, not
// from anyone who can read the INI file.
class TfmPassword : public QDialog {
    Q_OBJECT
public:
    explicit TfmPassword(const TEnv& env, QWidget* parent = nullptr);

    QComboBox* cmbUser;
    QLineEdit* edtPassword;
    QLineEdit* edtConfirm;
    QPushButton* btnOk;
    QPushButton* btnCancel;

public slots:
    void btnOkClick();

private:
    TEnv FEnv;
};
