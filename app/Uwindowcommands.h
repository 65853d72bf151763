#pragma once

#include "app/Ucommandmodule.h"

#include <QCoreApplication>
#include <QList>

class QAction;
class QMdiArea;
class QMenu;
class QWidget;

// Window menu: cascading, tiling, minimising and arranging the diagram
// windows, and the list of the open windows.
class TWindowCommands : public TCommandModule {
    Q_DECLARE_TR_FUNCTIONS(TWindowCommands)
public:
    TWindowCommands(QWidget* window, QMdiArea* mdi);

    // Always enabled: they only move windows.
    void UpdateEnabled(const TCommandState&) override {}

    void WindowCascade1Execute();
    void WindowTileHorizontal1Execute();
    void WindowTileVertical1Execute();
    void WindowMinimizeAll1Execute();
    void WindowArrangeAll1Execute();

    QMenu* mnWindow = nullptr;
    QAction* WindowCascade1 = nullptr;
    QAction* WindowTileHorizontal1 = nullptr;
    QAction* WindowTileVertical1 = nullptr;
    QAction* WindowMinimizeAll1 = nullptr;
    QAction* WindowArrangeAll1 = nullptr;

private:
    void FillWindowList();
    // Places the shown windows side by side (columns) or one above another.
    void TileWindows(bool columns);

    QWidget* FWindow;
    QMdiArea* FMdi;
    QList<QAction*> FWindowListItems;
};
