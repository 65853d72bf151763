#pragma once

#include "files/Ccsvwriter.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;

// The layout of a CSV export: the system's own, or one for the spreadsheet
// at hand, with or without a state column after each value.
class TfmCsvExport : public QDialog {
    Q_OBJECT
public:
    explicit TfmCsvExport(QWidget* parent = nullptr);

    TCsvOptions Options() const;

    QComboBox* cmbDialect; // in the order of the dialects
    QCheckBox* chkState;
    QPushButton* btnOk;
    QPushButton* btnCancel;
};
