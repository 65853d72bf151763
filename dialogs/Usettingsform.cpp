#include "dialogs/Usettingsform.h"

#include "config/Cmessages.h"
#include "dialogs/Ubuttonrow.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

void AddButtons(QDialog* d, QFormLayout* form, QPushButton*& ok, QPushButton*& cancel) {
    ok = NewButton(d, "&Ok", "btnOk", true);
    cancel = NewButton(d, "&Cancel", "btnCancel");
    auto* buttons = ButtonRow({ok, cancel});
    auto* layout = new QVBoxLayout(d);
    layout->addLayout(form);
    layout->addLayout(buttons);
    QObject::connect(cancel, &QPushButton::clicked, d, &QDialog::reject);
}

void Inform(const TEnv& env, const QString& text) {
    if (env.messages)
        env.messages->Show(TMessages::Information, text);
}
