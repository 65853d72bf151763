#pragma once

#include <QString>

class QAction;
class QMenu;
class QWidget;

// The building blocks of the main window's menus, shared by the command
// modules.

// The hint text of a caption: its "&" markers go, "&&" stays one "&".
QString WithoutMnemonics(const QString& caption);

// A menu command owned by the window; its hint in the status bar is the
// action's own caption unless a hint is given.
QAction* MakeItem(QWidget* owner, const QString& caption, const char* name, int tag,
                  const QString& hint = {});

// A menu command appended to menu, as MakeItem makes it.
QAction* AddItem(QMenu* menu, const QString& caption, const char* name, int tag,
                 const QString& hint = {});

// A menu owned by the window, to be placed into a menu bar or another menu;
// its entry carries the tag.
QMenu* MakeMenu(QWidget* owner, const QString& caption, const char* name, int tag = 0);
