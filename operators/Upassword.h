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

// The checks of a new password: an empty text for an acceptable one,
// otherwise "Empty Password!" or "Password not Confirm!".
QString PasswordRefusal(const QByteArray& password, const QByteArray& confirmation);
// Writes the scrambled password under "KennwortAdmin" or
// "KennwortOperator"; false (after the error message) when it cannot.
bool StorePassword(const TEnv& env, bool administrator, const QByteArray& password);
