#include "app/Ueditcommands.h"

#include "app/Umenuitems.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>

TEditCommands::TEditCommands(QWidget* window) {
    mnEdit = MakeMenu(window, tr("&Edit"), "mnEdit");
    mnEdit->menuAction()->setStatusTip(tr("Edit commands"));
    EditCut1 = AddItem(mnEdit, tr("Cu&t"), "EditCut1", 0);
    EditCut1->setShortcut(QKeySequence("Ctrl+X"));
    EditCopy1 = AddItem(mnEdit, tr("&Copy"), "EditCopy1", 0);
    EditCopy1->setShortcut(QKeySequence("Ctrl+C"));
    EditPaste1 = AddItem(mnEdit, tr("&Paste"), "EditPaste1", 0);
    EditPaste1->setShortcut(QKeySequence("Ctrl+V"));
    QObject::connect(EditCut1, &QAction::triggered, window, [this] { EditCut1Execute(); });
    QObject::connect(EditCopy1, &QAction::triggered, window, [this] { EditCopy1Execute(); });
    QObject::connect(EditPaste1, &QAction::triggered, window, [this] { EditPaste1Execute(); });
    QObject::connect(mnEdit, &QMenu::aboutToShow, window, [this] { UpdateEditCommands(); });
    // The window is the context: its destructor ends this connection.
    QObject::connect(qApp, &QApplication::focusChanged, window, [this] { UpdateEditCommands(); });
    UpdateEditCommands();
}

void TEditCommands::UpdateEditCommands() {
    QWidget* w = QApplication::focusWidget();
    bool selected = false;
    bool editable = false;
    bool any = false;
    if (auto* line = qobject_cast<QLineEdit*>(w)) {
        any = true;
        selected = line->hasSelectedText() && line->echoMode() == QLineEdit::Normal;
        editable = !line->isReadOnly();
    } else if (auto* text = qobject_cast<QTextEdit*>(w)) {
        any = true;
        selected = text->textCursor().hasSelection();
        editable = !text->isReadOnly();
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
        any = true;
        selected = plain->textCursor().hasSelection();
        editable = !plain->isReadOnly();
    }
    EditCut1->setEnabled(selected && editable);
    EditCopy1->setEnabled(selected);
    EditPaste1->setEnabled(any && editable && !QApplication::clipboard()->text().isEmpty());
}

void TEditCommands::EditCut1Execute() {
    QWidget* w = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(w))
        line->cut();
    else if (auto* text = qobject_cast<QTextEdit*>(w))
        text->cut();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
        plain->cut();
}

void TEditCommands::EditCopy1Execute() {
    QWidget* w = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(w))
        line->copy();
    else if (auto* text = qobject_cast<QTextEdit*>(w))
        text->copy();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
        plain->copy();
}

void TEditCommands::EditPaste1Execute() {
    QWidget* w = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(w))
        line->paste();
    else if (auto* text = qobject_cast<QTextEdit*>(w))
        text->paste();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
        plain->paste();
}
