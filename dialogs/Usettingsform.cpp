#include "dialogs/Usettingsform.h"

#include "config/Cmessages.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

void AddButtons(QDialog* d, QFormLayout* form, QPushButton*& ok, QPushButton*& cancel) {
    auto* buttons = new QDialogButtonBox(d);
    ok = buttons->addButton(QCoreApplication::translate("Usettingsform", "&Ok"),
                            QDialogButtonBox::AcceptRole);
    ok->setObjectName("btnOk");
    ok->setDefault(true);
    cancel = buttons->addButton(QCoreApplication::translate("Usettingsform", "&Cancel"),
                                QDialogButtonBox::RejectRole);
    cancel->setObjectName("btnCancel");
    auto* layout = new QVBoxLayout(d);
    layout->addLayout(form);
    layout->addWidget(buttons);
    QObject::connect(cancel, &QPushButton::clicked, d, &QDialog::reject);
}

void Inform(const TEnv& env, const QString& text) {
    if (env.messages)
        env.messages->Show(TMessages::Information, text);
}
