#pragma once

#include "config/Cenv.h"

#include <QByteArray>
#include <QDialog>

#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// The exception descriptions of AUSNAHME.LST, which fill the exception menu:
// listed with the code a period carries (the first four characters) and
// whether they set note-only periods, added, changed, moved and deleted
// within what the file allows, and written on OK.
class TfmExceptions : public QDialog {
    Q_OBJECT
public:
    explicit TfmExceptions(const TEnv& env, QWidget* parent = nullptr);

    // The entries as they stand in the dialog, "!" before a note-only one.
    const std::vector<QByteArray>& Entries() const { return FEntries; }

    QTreeWidget* lstEntries;
    QLineEdit* edtText;
    QCheckBox* chkNoteOnly;
    QLabel* lblLeft;
    QLabel* lblHidden; // shown when the file holds more than the menu shows
    QPushButton* btnAdd;
    QPushButton* btnChange;
    QPushButton* btnDelete;
    QPushButton* btnUp;
    QPushButton* btnDown;
    QPushButton* btnOk;
    QPushButton* btnCancel;

public slots:
    void btnAddClick();
    void btnChangeClick();
    void btnDeleteClick();
    void btnOkClick();
    void Move(int step);

private:
    // The entry of the edit fields; false after telling why there is none.
    bool EditedEntry(QByteArray& entry);
    // Periods already set keep the code of an entry that changes or goes.
    void TellCodeKept(const QByteArray& old, const QByteArray& now);
    void ShowEntries(int current);
    void ShowCurrent();
    void ShowLeft();

    TEnv FEnv;
    std::vector<QByteArray> FEntries;
    bool FReadable = true; // false: the file on disk is left alone
    int FCapacity = 30;    // entries the menu can show with the file's other lines
};
