#pragma once

#include "app/Ucommandmodule.h"

#include <QCoreApplication>
#include <QList>

class QAction;
class QActionGroup;
class QMenu;
class TfmMain;
struct MonthDocument;

// View menu: the time and size zooms, the channels shown, and the
// language. It follows the active diagram window.
class TViewCommands : public TCommandModule {
    Q_DECLARE_TR_FUNCTIONS(TViewCommands)
public:
    explicit TViewCommands(TfmMain& main);

    // Only the active window decides (SetViewMenuEnabled).
    void UpdateEnabled(const TCommandState&) override {}

    void CheckZoomItems(int timeZoom, int sizeZoom);
    // Everything but the language needs a diagram window.
    void SetViewMenuEnabled(bool on);
    void FillChannelMenu(const MonthDocument& document);

    void SetXExecute(QAction* item);
    void SetYExecute(QAction* item);
    void KanaleOneExecute(QAction* item);
    void KanaleAllExecute();
    void KanaleZeroExecute();
    // A box of the Channels panel: what the channel's item does.
    void ToggleChannel(int channel, bool shown);

    QMenu* mnView = nullptr;

private:
    TfmMain& FMain;
    QMenu* mnLanguage = nullptr; // enabled always
    QActionGroup* FTimeGroup = nullptr;
    QActionGroup* FSizeGroup = nullptr;
    QList<QAction*> FChannelItems;
};
