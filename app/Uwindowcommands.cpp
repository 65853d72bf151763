#include "app/Uwindowcommands.h"

#include "app/Umenuitems.h"
#include "view/Fwindowplaces.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStyle>

namespace {

// One cascade step: a window's title bar and frame.
int CascadeStep(const QMdiArea* mdi) {
    return mdi->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, mdi) +
           2 * mdi->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, mdi);
}

QList<QMdiSubWindow*> ShownWindows(const QMdiArea* mdi) {
    QList<QMdiSubWindow*> shown;
    for (QMdiSubWindow* w : mdi->subWindowList()) {
        if (w->isVisible() && !w->isMinimized())
            shown.append(w);
    }
    return shown;
}

} // namespace

TWindowCommands::TWindowCommands(QWidget* window, QMdiArea* mdi) : FWindow(window), FMdi(mdi) {
    mnWindow = MakeMenu(window, tr("&Window"), "mnWindow");
    WindowCascade1 = AddItem(mnWindow, tr("Cascade"), "WindowCascade1", 0, tr("Über&lappend"));
    QObject::connect(WindowCascade1, &QAction::triggered, window,
                     [this] { WindowCascade1Execute(); });
    WindowTileHorizontal1 =
        AddItem(mnWindow, tr("Tile Horizontal"), "WindowTileHorizontal1", 0, tr("&Nebeneinander"));
    QObject::connect(WindowTileHorizontal1, &QAction::triggered, window,
                     [this] { WindowTileHorizontal1Execute(); });
    WindowTileVertical1 =
        AddItem(mnWindow, tr("Tile Vertical"), "WindowTileVertical1", 0, tr("&Nebeneinander"));
    QObject::connect(WindowTileVertical1, &QAction::triggered, window,
                     [this] { WindowTileVertical1Execute(); });
    WindowMinimizeAll1 =
        AddItem(mnWindow, tr("Minimize"), "WindowMinimizeAll1", 0, tr("&Alle Fenster schließen"));
    QObject::connect(WindowMinimizeAll1, &QAction::triggered, window,
                     [this] { WindowMinimizeAll1Execute(); });
    WindowArrangeAll1 =
        AddItem(mnWindow, tr("Arrange"), "WindowArrangeAll1", 0, tr("Sinn&bilder anordnen"));
    QObject::connect(WindowArrangeAll1, &QAction::triggered, window,
                     [this] { WindowArrangeAll1Execute(); });
    QObject::connect(mnWindow, &QMenu::aboutToShow, window, [this] { FillWindowList(); });
}

void TWindowCommands::WindowCascade1Execute() {
    const QList<QMdiSubWindow*> shown = ShownWindows(FMdi);
    const QRect area = FMdi->viewport()->rect();
    const QList<QRect> places = CascadePlaces(area, int(shown.size()), CascadeStep(FMdi));
    for (int i = 0; i < int(shown.size()); ++i) {
        shown[i]->showNormal();
        shown[i]->setGeometry(places[i]);
        shown[i]->raise();
    }
    if (!shown.isEmpty())
        FMdi->setActiveSubWindow(shown.last());
}

void TWindowCommands::WindowTileHorizontal1Execute() {
    TileWindows(false);
}

void TWindowCommands::WindowTileVertical1Execute() {
    TileWindows(true);
}

void TWindowCommands::TileWindows(bool columns) {
    const QList<QMdiSubWindow*> shown = ShownWindows(FMdi);
    if (shown.isEmpty())
        return;
    const QRect area = FMdi->viewport()->rect();
    const int n = int(shown.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* w = shown[i];
        w->showNormal();
        if (columns) {
            const int left = area.width() * i / n;
            const int right = area.width() * (i + 1) / n;
            w->setGeometry(left, 0, right - left, area.height());
        } else {
            const int top = area.height() * i / n;
            const int bottom = area.height() * (i + 1) / n;
            w->setGeometry(0, top, area.width(), bottom - top);
        }
    }
}

void TWindowCommands::WindowMinimizeAll1Execute() {
    for (QMdiSubWindow* w : FMdi->subWindowList())
        w->showMinimized();
}

void TWindowCommands::WindowArrangeAll1Execute() {
    // Lines the minimised windows up along the bottom edge.
    const QRect area = FMdi->viewport()->rect();
    int x = 0;
    int y = area.height();
    for (QMdiSubWindow* w : FMdi->subWindowList()) {
        if (!w->isMinimized())
            continue;
        const QSize size = w->size();
        if (x > 0 && x + size.width() > area.width()) {
            x = 0;
            y -= size.height();
        }
        w->move(x, y - size.height());
        x += size.width();
    }
}

void TWindowCommands::FillWindowList() {
    qDeleteAll(FWindowListItems);
    FWindowListItems.clear();
    const QList<QMdiSubWindow*> windows = FMdi->subWindowList();
    if (windows.isEmpty())
        return;
    FWindowListItems.append(mnWindow->addSeparator());
    int number = 0;
    for (QMdiSubWindow* w : windows) {
        ++number;
        const QString caption = number < 10 ? QString("&%1 %2").arg(number).arg(w->windowTitle())
                                            : QString("%1 %2").arg(number).arg(w->windowTitle());
        QAction* a = mnWindow->addAction(caption);
        a->setCheckable(true);
        a->setChecked(w == FMdi->activeSubWindow());
        QObject::connect(a, &QAction::triggered, FWindow, [this, w] {
            if (w->isMinimized())
                w->showNormal();
            FMdi->setActiveSubWindow(w);
        });
        FWindowListItems.append(a);
    }
}
