#pragma once

struct MonthDocument;

// What a diagram window tells the main window, so that its menus follow the
// active window. The main window implements it and hands itself to every
// diagram window it creates.
class TChildHooks {
public:
    virtual ~TChildHooks() = default;
    // A diagram window became active: its channels, zooms, the View menu.
    virtual void ChildActivated(MonthDocument& document, int timeZoom, int sizeZoom) = 0;
    // A diagram window lost activation: the View menu is disabled.
    virtual void ChildDeactivated() = 0;
    // The running-month window (re)loaded its month.
    virtual void RunningWindowChanged(MonthDocument& document, int timeZoom, int sizeZoom) = 0;
    // The marks of a window changed.
    virtual void UpdateMarkCommands(MonthDocument& document) = 0;
    // The window changed its time zoom itself (the wheel): the View menu
    // checks the new item.
    virtual void ZoomChanged(int timeZoom, int sizeZoom) {
        (void)timeZoom;
        (void)sizeZoom;
    }
    // The right-button cursor moved to a slot, or (-1) was put away.
    virtual void CursorMoved(MonthDocument& document, int slot) {
        (void)document;
        (void)slot;
    }
    // The data of a window changed (a new record, an exception period).
    virtual void DataChanged(MonthDocument& document) { (void)document; }
};
