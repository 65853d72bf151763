#include "operators/Uusers.h"

#include "config/Cconfig.h"
#include "config/Cmessages.h"
#include "config/Fcodec.h"
#include "config/Ftextfield.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TfmUsers::TfmUsers(const TEnv& env, QWidget* parent) : QDialog(parent), FEnv(env) {
    setObjectName("fmUsers");
    setWindowTitle(tr("Operator - Managment"));
    FReadable = ReadOperatorList(OperatorListPath(env), FEntries);
    lstOperators = new QListWidget(this);
    lstOperators->setObjectName("lstOperators");
    lstOperators->setSelectionMode(QAbstractItemView::SingleSelection);
    edtName = new QLineEdit(this);
    edtName->setObjectName("edtName");
    // The room of a record; a longer name is never written uncut.
    edtName->setMaxLength(TOperator::MaxNameLength);
    edtName->setPlaceholderText(tr("Name, at most %1 characters").arg(TOperator::MaxNameLength));
    lblLeft = new QLabel(this);
    lblLeft->setObjectName("lblLeft");
    const auto showLeft = [this] {
        lblLeft->setText(
            tr("%1 characters left").arg(TOperator::MaxNameLength - edtName->text().size()));
    };
    connect(edtName, &QLineEdit::textChanged, this, showLeft);
    showLeft();
    auto* buttons = new QDialogButtonBox(this);
    btnOk = buttons->addButton(tr("Ok"), QDialogButtonBox::AcceptRole);
    btnOk->setObjectName("btnOk");
    btnCansel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    btnCansel->setObjectName("btnCansel");
    btnAdd = new QPushButton(tr("Add"), this);
    btnAdd->setObjectName("btnAdd");
    btnDelete = new QPushButton(tr("Delete"), this);
    btnDelete->setObjectName("btnDelete");

    auto* edit = new QHBoxLayout;
    edit->addWidget(edtName);
    edit->addWidget(btnAdd);
    edit->addWidget(btnDelete);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstOperators);
    layout->addLayout(edit);
    layout->addWidget(lblLeft);
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
    if (!FReadable) {
        // A list that could not be read whole is never written back.
        for (QPushButton* b : {btnOk, btnAdd, btnDelete})
            b->setEnabled(false);
        lblLeft->setText(UnreadableOperatorListText(OperatorListPath(env)));
        lblLeft->setWordWrap(true);
        if (FEnv.messages)
            FEnv.messages->Show(TMessages::Error, lblLeft->text());
    }
}

void TfmUsers::btnAddClick() {
    const QByteArray name = ToAnsi(edtName->text());
    QString refusal = TextFieldRefusal(AnsiField::OperatorName, edtName->text());
    if (refusal.isEmpty())
        refusal = OperatorNameRefusal(FEntries, name);
    if (!refusal.isEmpty()) {
        if (FEnv.messages)
            FEnv.messages->Show(TMessages::Information, refusal);
        return;
    }
    const TOperator o = TOperator::FromName(TrimmedOperatorName(name));
    FEntries.push_back(o);
    lstOperators->addItem(FromAnsi(o.Name()));
    // A second press adds nothing twice.
    lstOperators->setCurrentRow(-1);
    edtName->clear();
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
    if (!FReadable)
        return;
    const QString path = OperatorListPath(FEnv);
    if (WriteOperatorList(path, FEntries)) {
        if (Config)
            Config->Reload(TSettingsGroup::Operators);
        accept();
        return;
    }
    // The old list is still there; the user may try again.
    if (FEnv.messages)
        FEnv.messages->Show(TMessages::Error, CannotWriteText(path));
}
