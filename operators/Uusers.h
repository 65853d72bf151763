#pragma once

#include "config/Cenv.h"
#include "operators/Coperator.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// Edits the operator list "operator.dat": names are added and deleted in
// the dialog and written on OK. Names are trimmed and never twice in the
// list; a list on disk that cannot be read whole is shown as such and never
// written back.
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
    QLabel* lblLeft;

public slots:
    void btnAddClick();
    void btnDeleteClick();
    void btnOkClick();

private:
    TEnv FEnv;
    TOperatorList FEntries; // one per line of lstOperators
    bool FReadable = true;  // false: the list on disk is left alone
};
