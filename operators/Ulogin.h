#pragma once

#include "config/Cenv.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// The access-level login: operator or administrator, with a 30-second
// countdown that confirms "Operator" and cancels "Administrator".
// Mode 0 (start): the operator level needs no password. Mode 1 (closing the
// program): the operator level needs the operator password.
class TfmLogin : public QDialog {
    Q_OBJECT
public:
    TfmLogin(const TEnv& env, int mode, QWidget* parent = nullptr);

    // 1 for "Operator", 2 for "Administrator".
    int Level() const;
    // Stops the countdown whichever way the dialog ends.
    void done(int result) override;

    QComboBox* cmbUser;
    QLineEdit* edtPassword;
    QLabel* lblMessage;
    QPushButton* btnOk;
    QPushButton* btnCancel;
    QTimer* Timer1;

public slots:
    void Timer1Timer();
    void btnOkClick();
    void cmbUserChange();

private:
    bool PasswordMatches(const QByteArray& key) const;
    void ShowCountdown();

    TEnv FEnv;
    int FMode;
    int FCountdown = 30;
};

// Shows the login modally: 0 cancelled, 1 operator level, 2 administrator
// level.
int RunLogin(const TEnv& env, int mode, QWidget* parent = nullptr);
