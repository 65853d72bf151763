#include "dialogs/Usettingsform.h"

#include "config/Cmessages.h"
#include "config/Uokcancel.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

void AddButtons(QDialog* d, QFormLayout* form, QPushButton*& ok, QPushButton*& cancel) {
    QDialogButtonBox* buttons = OkCancelButtons(d, ok, cancel);
    auto* layout = new QVBoxLayout(d);
    layout->addLayout(form);
    layout->addWidget(buttons);
    QObject::connect(cancel, &QPushButton::clicked, d, &QDialog::reject);
}

void Inform(const TEnv& env, const QString& text) {
    if (env.messages)
        env.messages->Show(TMessages::Information, text);
}
