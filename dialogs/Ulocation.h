#pragma once

#include "config/Cenv.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The operating location ("Betriebsort"): shown in the window title, written
// into every new month file (which keeps 21 characters of it) and into the
// report headers.
class TfmLocation : public QDialog {
    Q_OBJECT
public:
    explicit TfmLocation(const TEnv& env, QWidget* parent = nullptr);

    QLineEdit* edtLocation;
    QLabel* lblLeft; // the characters still free
    QPushButton* btnOk;
    QPushButton* btnCancel;

public slots:
    void btnOkClick();

private:
    TEnv FEnv;
};
