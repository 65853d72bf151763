#include "operators/Uusers.h"

#include "config/Cmessages.h"
#include "config/Fcodec.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TfmUsers::TfmUsers(const TEnv& env, QWidget* parent)
    : QDialog(parent), FEnv(env), FEntries(ReadOperatorList(OperatorListPath(env))) {
    setObjectName("fmUsers");
    setWindowTitle("Operator - Managment");
    lstOperators = new QListWidget(this);
    lstOperators->setObjectName("lstOperators");
    lstOperators->setSelectionMode(QAbstractItemView::SingleSelection);
    edtName = new QLineEdit(this);
    edtName->setObjectName("edtName");
    // The room of a record; a longer name is never written uncut.
    edtName->setMaxLength(TOperator::MaxNameLength);
    auto* buttons = new QDialogButtonBox(this);
    btnOk = buttons->addButton("Ok", QDialogButtonBox::AcceptRole);
    btnOk->setObjectName("btnOk");
    btnCansel = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    btnCansel->setObjectName("btnCansel");
    btnAdd = new QPushButton("Add", this);
    btnAdd->setObjectName("btnAdd");
    btnDelete = new QPushButton("Delete", this);
    btnDelete->setObjectName("btnDelete");

    auto* edit = new QHBoxLayout;
    edit->addWidget(edtName);
    edit->addWidget(btnAdd);
    edit->addWidget(btnDelete);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstOperators);
    layout->addLayout(edit);
    layout->addWidget(buttons);

    for (const TOperator& o : FEntries)
        lstOperators->addItem(FromAnsi(o.Name()));
    connect(lstOperators, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            edtName->setText(lstOperators->item(row)->text());
    });
    lstOperators->setCurrentRow(0);
    connect(btnAdd, &QPushButton::clicked, this, &TfmUsers::btnAddClick);
    connect(btnDelete, &QPushButton::clicked, this, &TfmUsers::btnDeleteClick);
    connect(btnOk, &QPushButton::clicked, this, &TfmUsers::btnOkClick);
    connect(btnCansel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfmUsers::btnAddClick() {
    const TOperator o = TOperator::FromName(ToAnsi(edtName->text()));
    FEntries.push_back(o);
    lstOperators->addItem(FromAnsi(o.Name()));
}

void TfmUsers::btnDeleteClick() {
    const int row = lstOperators->currentRow();
    if (row < 0 || row >= int(FEntries.size()))
        return;
    FEntries.erase(FEntries.begin() + row);
    delete lstOperators->takeItem(row);
    edtName->clear();
}

void TfmUsers::btnOkClick() {
    const QString path = OperatorListPath(FEnv);
    if (WriteOperatorList(path, FEntries)) {
        accept();
        return;
    }
    // The old list is still there; the user may try again.
    if (FEnv.messages)
        FEnv.messages->Show(TMessages::Error, CannotWriteText(path));
}
