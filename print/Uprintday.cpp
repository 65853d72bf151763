#include "print/Uprintday.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QSpinBox* DayField(QWidget* parent, const char* name, int value, int maxDay) {
    auto* field = new QSpinBox(parent);
    field->setObjectName(name);
    field->setRange(1, std::max(maxDay, 1));
    field->setValue(value);
    return field;
}

} // namespace

TfmPrintDay::TfmPrintDay(int first, int last, int maxDay, QWidget* parent) : QDialog(parent) {
    setObjectName("fmPrintDay");
    setWindowTitle(tr("Printed establishment of the period"));
    edtBeginDay = DayField(this, "edtBeginDay", first, maxDay);
    edtEndDay = DayField(this, "edtEndDay", last, maxDay);
    auto* buttons = new QDialogButtonBox(this);
    btnOk = buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    btnOk->setObjectName("btnOk");
    btnOk->setDefault(true);
    btnCancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    btnCancel->setObjectName("btnCancel");

    auto* form = new QFormLayout;
    form->addRow(tr("Print from"), edtBeginDay);
    form->addRow(tr(". Day to"), edtEndDay);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

int TfmPrintDay::First() const {
    return edtBeginDay->value();
}

int TfmPrintDay::Last() const {
    return edtEndDay->value();
}

bool RunPrintDay(int& first, int& last, int maxDay, QWidget* parent) {
    TfmPrintDay dialog(first, last, maxDay, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    first = dialog.First();
    last = dialog.Last();
    return true;
}
