#pragma once

#include "app/Ucommandmodule.h"

#include <QCoreApplication>

class QAction;
class QMenu;
class QWidget;

// Edit menu: Cut, Copy and Paste for the text field with focus.
class TEditCommands : public TCommandModule {
    Q_DECLARE_TR_FUNCTIONS(TEditCommands)
public:
    explicit TEditCommands(QWidget* window);

    // Focus decides, not the window's state.
    void UpdateEnabled(const TCommandState&) override { UpdateEditCommands(); }
    // Enabled only for a text field with focus that has something for
    // them.
    void UpdateEditCommands();

    void EditCut1Execute();
    void EditCopy1Execute();
    void EditPaste1Execute();

    QMenu* mnEdit = nullptr;
    QAction* EditCut1 = nullptr;
    QAction* EditCopy1 = nullptr;
    QAction* EditPaste1 = nullptr;
};
