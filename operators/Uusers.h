#pragma once

#include "config/Cenv.h"
#include "operators/Coperator.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

// Edits the operator list "operator.dat": names are added and deleted in
// the dialog and written on OK.
class TfmUsers : public QDialog {
    Q_OBJECT
public:
    explicit TfmUsers(const TEnv& env, QWidget* parent = nullptr);

    const TOperatorList& Entries() const { return FEntries; }

    QListWidget* lstOperators;
    QLineEdit* edtName;
    QPushButton* btnOk;
    QPushButton* btnCansel;
    QPushButton* btnAdd;
    QPushButton* btnDelete;

public slots:
    void btnAddClick();
    void btnDeleteClick();
    void btnOkClick();

private:
    TEnv FEnv;
    TOperatorList FEntries; // one per line of lstOperators
};
