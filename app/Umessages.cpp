#include "app/Umessages.h"

#include <QApplication>
#include <QMessageBox>

bool TBoxMessages::Show(Kind kind, const QString& text) {
    QWidget* parent = QApplication::activeWindow();
    const QString title = QApplication::applicationName();
    switch (kind) {
    case Error:
        QMessageBox::critical(parent, title, text);
        return true;
    case Warning:
        QMessageBox::warning(parent, title, text);
        return true;
    case Information:
        QMessageBox::information(parent, title, text);
        return true;
    case Confirmation:
        return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No) ==
               QMessageBox::Yes;
    }
    return false;
}

void TBoxMessages::Beep() {
    QApplication::beep();
}
