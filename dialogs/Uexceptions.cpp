#include "dialogs/Uexceptions.h"

#include "config/Cmessages.h"
#include "config/Fcodec.h"
#include "config/Uokcancel.h"
#include "files/Fexceptionlist.h"
#include "files/Fexceptions.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QPushButton* Button(QWidget* parent, const QString& text, const char* name) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

} // namespace

TfmExceptions::TfmExceptions(const TEnv& env, QWidget* parent) : QDialog(parent), FEnv(env) {
    setObjectName("fmExceptions");
    setWindowTitle(tr("Exception descriptions"));
    const QString path = ExceptionListPath(env.dataDir);
    ExceptionListShape shape;
    FReadable = ReadExceptionList(path, FEntries) && ReadExceptionListShape(path, shape);
    FCapacity = shape.capacity;
    lstEntries = new QTreeWidget(this);
    lstEntries->setObjectName("lstEntries");
    lstEntries->setRootIsDecorated(false);
    lstEntries->setHeaderLabels({tr("Code"), tr("Description"), tr("Note only")});
    lstEntries->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    edtText = new QLineEdit(this);
    edtText->setObjectName("edtText");
    edtText->setPlaceholderText(tr("Description; its first four characters are the code"));
    chkNoteOnly = new QCheckBox(tr("Note only: the values stay and are only marked"), this);
    chkNoteOnly->setObjectName("chkNoteOnly");
    lblLeft = new QLabel(this);
    lblLeft->setObjectName("lblLeft");
    lblLeft->setWordWrap(true);
    lblHidden = new QLabel(HiddenExceptionTextNotice(path), this);
    lblHidden->setObjectName("lblHidden");
    lblHidden->setWordWrap(true);
    lblHidden->setVisible(FReadable && shape.hidesText);
    btnAdd = Button(this, tr("Add"), "btnAdd");
    btnChange = Button(this, tr("Change"), "btnChange");
    btnDelete = Button(this, tr("Delete"), "btnDelete");
    btnUp = Button(this, tr("Up"), "btnUp");
    btnDown = Button(this, tr("Down"), "btnDown");
    QDialogButtonBox* buttons = OkCancelButtons(this, btnOk, btnCancel);

    auto* edit = new QGridLayout;
    edit->addWidget(edtText, 0, 0, 1, 5);
    edit->addWidget(chkNoteOnly, 1, 0, 1, 5);
    edit->addWidget(lblLeft, 2, 0, 1, 5);
    int column = 0;
    for (QPushButton* b : {btnAdd, btnChange, btnDelete, btnUp, btnDown})
        edit->addWidget(b, 3, column++);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstEntries);
    layout->addWidget(lblHidden);
    layout->addLayout(edit);
    layout->addWidget(buttons);

    connect(lstEntries, &QTreeWidget::currentItemChanged, this, &TfmExceptions::ShowCurrent);
    connect(edtText, &QLineEdit::textChanged, this, &TfmExceptions::ShowLeft);
    connect(chkNoteOnly, &QCheckBox::toggled, this, &TfmExceptions::ShowLeft);
    connect(btnAdd, &QPushButton::clicked, this, &TfmExceptions::btnAddClick);
    connect(btnChange, &QPushButton::clicked, this, &TfmExceptions::btnChangeClick);
    connect(btnDelete, &QPushButton::clicked, this, &TfmExceptions::btnDeleteClick);
    connect(btnUp, &QPushButton::clicked, this, [this] { Move(-1); });
    connect(btnDown, &QPushButton::clicked, this, [this] { Move(1); });
    connect(btnOk, &QPushButton::clicked, this, &TfmExceptions::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    ShowEntries(FEntries.empty() ? -1 : 0);
    ShowLeft();
    resize(qMax(width(), 560), qMax(height(), 420));
    if (!FReadable) {
        for (QPushButton* b : {btnOk, btnAdd, btnChange, btnDelete, btnUp, btnDown})
            b->setEnabled(false);
        lblLeft->setText(UnreadableExceptionListText(path));
        if (FEnv.messages)
            FEnv.messages->Show(TMessages::Error, lblLeft->text());
    }
}

void TfmExceptions::ShowEntries(int current) {
    lstEntries->clear();
    for (const QByteArray& e : FEntries) {
        auto* item = new QTreeWidgetItem(lstEntries);
        item->setText(0, FromAnsi(ExceptionCode(e)));
        item->setText(1, FromAnsi(ExceptionEntryText(e)));
        item->setCheckState(2, IsNoteOnlyEntry(e) ? Qt::Checked : Qt::Unchecked);
        item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
    }
    lstEntries->setCurrentItem(current >= 0 ? lstEntries->topLevelItem(current) : nullptr);
}

void TfmExceptions::ShowCurrent() {
    const int row = lstEntries->indexOfTopLevelItem(lstEntries->currentItem());
    if (row < 0 || row >= int(FEntries.size()))
        return;
    edtText->setText(FromAnsi(ExceptionEntryText(FEntries[row])));
    chkNoteOnly->setChecked(IsNoteOnlyEntry(FEntries[row]));
}

void TfmExceptions::ShowLeft() {
    // The "!" of a note-only entry takes one of the line's characters.
    const int room = ExceptionTextMaxLength - (chkNoteOnly->isChecked() ? 1 : 0);
    edtText->setMaxLength(room);
    lblLeft->setText(tr("%1 characters left; %2 of %3 descriptions")
                         .arg(room - edtText->text().size())
                         .arg(FEntries.size())
                         .arg(FCapacity));
}

bool TfmExceptions::EditedEntry(QByteArray& entry) {
    QString refusal;
    if (!FitsAnsi(edtText->text()))
        refusal = ExceptionTextOutsideCodePage();
    else
        refusal = ExceptionEntryRefusal(
            ExceptionEntry(ToAnsi(edtText->text()), chkNoteOnly->isChecked()));
    if (refusal.isEmpty()) {
        entry = ExceptionEntry(ToAnsi(edtText->text()), chkNoteOnly->isChecked());
        return true;
    }
    if (FEnv.messages)
        FEnv.messages->Show(TMessages::Information, refusal);
    return false;
}

void TfmExceptions::TellCodeKept(const QByteArray& old, const QByteArray& now) {
    if (ExceptionCode(old) == ExceptionCode(now) || !FEnv.messages)
        return;
    FEnv.messages->Show(TMessages::Information,
                        tr("Periods already set with the code \"%1\" keep their code.")
                            .arg(FromAnsi(ExceptionCode(old))));
}

void TfmExceptions::btnAddClick() {
    const QString full = ExceptionListFullRefusal(int(FEntries.size()), FCapacity);
    if (!full.isEmpty()) {
        if (FEnv.messages)
            FEnv.messages->Show(TMessages::Information, full);
        return;
    }
    QByteArray entry;
    if (!EditedEntry(entry))
        return;
    FEntries.push_back(entry);
    ShowEntries(-1);
    // A second press adds nothing twice.
    edtText->clear();
    chkNoteOnly->setChecked(false);
    ShowLeft();
}

void TfmExceptions::btnChangeClick() {
    const int row = lstEntries->indexOfTopLevelItem(lstEntries->currentItem());
    QByteArray entry;
    if (row < 0 || !EditedEntry(entry))
        return;
    TellCodeKept(FEntries[row], entry);
    FEntries[row] = entry;
    ShowEntries(row);
}

void TfmExceptions::btnDeleteClick() {
    const int row = lstEntries->indexOfTopLevelItem(lstEntries->currentItem());
    if (row < 0)
        return;
    TellCodeKept(FEntries[row], QByteArray());
    FEntries.erase(FEntries.begin() + row);
    ShowEntries(-1);
    edtText->clear();
    ShowLeft();
}

void TfmExceptions::Move(int step) {
    const int row = lstEntries->indexOfTopLevelItem(lstEntries->currentItem());
    const int to = row + step;
    if (row < 0 || to < 0 || to >= int(FEntries.size()))
        return;
    std::swap(FEntries[row], FEntries[to]);
    ShowEntries(to);
}

void TfmExceptions::btnOkClick() {
    if (!FReadable)
        return;
    const QString path = ExceptionListPath(FEnv.dataDir);
    if (WriteExceptionList(path, FEntries)) {
        accept();
        return;
    }
    // The old list is still there; the user may try again.
    if (FEnv.messages)
        FEnv.messages->Show(TMessages::Error, CannotWriteText(path));
}
