#include "config/Uokcancel.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>

QDialogButtonBox* OkCancelButtons(QWidget* parent, QPushButton*& ok, QPushButton*& cancel) {
    auto* buttons = new QDialogButtonBox(parent);
    ok = buttons->addButton(QCoreApplication::translate("OkCancelButtons", "&Ok"),
                            QDialogButtonBox::AcceptRole);
    ok->setObjectName("btnOk");
    ok->setDefault(true);
    cancel = buttons->addButton(QCoreApplication::translate("OkCancelButtons", "&Cancel"),
                                QDialogButtonBox::RejectRole);
    cancel->setObjectName("btnCancel");
    return buttons;
}
