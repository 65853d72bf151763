#pragma once

#include "config/Cenv.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// The access-level login: operator or administrator, with a 30-second
// countdown that every key or choice starts again. Mode 0 (start): the
// operator level needs no password, and the end of the countdown starts the
// program at the operator level whatever is chosen; only Cancel ends the
// program. Mode 1 (closing the program): the operator level needs the
// operator password, and the end of the countdown cancels, so that waiting
// never closes the program.
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
    QLabel* lblExpiry;
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

class QListWidget;
class TConfig;

// The operator on duty, chosen from the operator list "operator.dat".
class TfmLoginOperator : public QDialog {
    Q_OBJECT
public:
    explicit TfmLoginOperator(const TEnv& env, QWidget* parent = nullptr);

    // The chosen name as stored: at most 15 characters.
    QByteArray ChosenName() const;

    QLineEdit* edtName;
    QListWidget* lstOperators;
    QPushButton* btnOk;
    QPushButton* btnCansel;

private:
    QList<QByteArray> FNames;
};

// Makes the chosen operator the operator on duty in config; false when the
// dialog was cancelled.
bool ApplyOperatorLogin(const TfmLoginOperator& dialog, TConfig& config);
