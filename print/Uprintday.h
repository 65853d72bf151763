#pragma once

#include <QDialog>

class QPushButton;
class QSpinBox;

// "Printed establishment of the period": the range of days of a day report.
// Both fields are limited to 1 .. the day blocks of the window's month file.
class TfmPrintDay : public QDialog {
    Q_OBJECT
public:
    TfmPrintDay(int first, int last, int maxDay, QWidget* parent = nullptr);

    int First() const;
    int Last() const;

    QSpinBox* edtBeginDay;
    QSpinBox* edtEndDay;
    QPushButton* btnOk;
    QPushButton* btnCancel;
};

// Shows the day dialog modally with first and last preset; on OK both hold
// the numbers in the dialog and the result is true.
bool RunPrintDay(int& first, int& last, int maxDay, QWidget* parent = nullptr);
