#pragma once

#include "config/Cenv.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

// "Setting printers": the two printers reports go to, each switched on or
// off, the automatic-print flag and the page fit; OK writes
// "Druckparameter", "Druck1", "Druck2" and "DruckAnpassen".
class TfmPrinter : public QDialog {
    Q_OBJECT
public:
    // printers: the installed printers, in the platform's order.
    TfmPrinter(const TEnv& env, const QStringList& printers, QWidget* parent = nullptr);

    QGroupBox* grpPrinters;
    QCheckBox* chkPrinter1;
    QComboBox* cmbPrinter1;
    QCheckBox* chkPrinter2;
    QComboBox* cmbPrinter2;
    QCheckBox* chkAutomat;
    // How report pages meet the paper: fitted to the printable width, or
    // at the layout's own millimetres.
    QRadioButton* rbFitToPage;
    QRadioButton* rbActualSize;
    QPushButton* btnOk;
    QPushButton* btnCancel;

public slots:
    void btnOkClick();

private:
    // A checked box enables its list; an unchecked one disables it and
    // clears its selection.
    static void ApplyCheckRule(QCheckBox* box, QComboBox* list);

    TEnv FEnv;
};

// Shows the printer dialog modally; true when confirmed.
bool RunPrinterDialog(const TEnv& env, const QStringList& printers, QWidget* parent = nullptr);
