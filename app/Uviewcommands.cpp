#include "app/Uviewcommands.h"

#include "app/Fmainshared.h"
#include "app/Ulanguagemenu.h"
#include "app/Umain.h"
#include "app/Umenuitems.h"
#include "config/Fcodec.h"
#include "view/Uchildbase.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace {

struct ZoomItem {
    const char* caption;
    int tag;
};

constexpr ZoomItem TimeItems[] = {{" 1 : 20", -20}, {" 1 : 10", -10}, {" 1 : 5", -5},
                                  {" 1 : 4", -4},   {" 1 : 3", -3},   {" 1 : 2", -2},
                                  {" 1 : 1", 1},    {" 2 : 1", 2},    {" 3 : 1", 3},
                                  {" 4 : 1", 4},    {" 5 : 1", 5},    {"10 : 1", 10}};

constexpr ZoomItem SizeItems[] = {{" 1 : 1", 1}, {" 2 : 1", 2},  {" 3 : 1", 3}, {" 4 : 1", 4},
                                  {" 5 : 1", 5}, {"10 : 1", 10}, {"20 : 1", 20}};

QActionGroup* AddZoomMenu(QMenu* menu, const ZoomItem* items, int count, const char* prefix) {
    auto* group = new QActionGroup(menu);
    for (int i = 0; i < count; ++i) {
        QAction* a = AddItem(menu, QString::fromLatin1(items[i].caption),
                             (QByteArray(prefix) + QByteArray::number(items[i].tag)).constData(),
                             items[i].tag);
        a->setCheckable(true);
        a->setChecked(items[i].tag == 1);
        group->addAction(a);
    }
    return group;
}

// Checks the radio item of the group whose tag is given; with no such item
// the previous check mark stays.
void CheckTagged(QActionGroup* group, int tag) {
    for (QAction* a : group->actions()) {
        if (Tag(a) == tag) {
            a->setChecked(true);
            return;
        }
    }
}

// A submenu appended to menu.
QMenu* AddMenu(QMenu* menu, const QString& caption, const char* name) {
    QMenu* m = MakeMenu(menu, caption, name);
    menu->addMenu(m);
    return m;
}

} // namespace

TViewCommands::TViewCommands(TfmMain& main) : FMain(main) {
    mnView = MakeMenu(&main, tr("&View"), "mnView");
    QMenu* scaleX = AddMenu(mnView, tr("&Time"), "mnScaleX");
    FTimeGroup = AddZoomMenu(scaleX, TimeItems, std::size(TimeItems), "SetX");
    QObject::connect(FTimeGroup, &QActionGroup::triggered, &main,
                     [this](QAction* a) { SetXExecute(a); });
    QMenu* scaleY = AddMenu(mnView, tr("&Size"), "mnScaleY");
    FSizeGroup = AddZoomMenu(scaleY, SizeItems, std::size(SizeItems), "SetY");
    QObject::connect(FSizeGroup, &QActionGroup::triggered, &main,
                     [this](QAction* a) { SetYExecute(a); });

    QMenu* channels = AddMenu(mnView, tr("Channels"), "mnKanale");
    for (int i = 0; i < ChannelCount; ++i) {
        const QByteArray name = "Channel" + QByteArray::number(i + 1);
        QAction* a = AddItem(channels, tr("Channel%1").arg(i + 1), name.constData(), i);
        a->setCheckable(true);
        QObject::connect(a, &QAction::triggered, &main, [this, a] { KanaleOneExecute(a); });
        FChannelItems.append(a);
    }
    channels->addSeparator()->setData(-1);
    QAction* all = AddItem(channels, tr("All Channels"), "KanaleAll", -1, tr("Alle Anzeigen"));
    QObject::connect(all, &QAction::triggered, &main, [this] { KanaleAllExecute(); });
    QAction* none =
        AddItem(channels, tr("Clear Channels"), "KanaleZero", -1, tr("Keinen Anzeigen"));
    QObject::connect(none, &QAction::triggered, &main, [this] { KanaleZeroExecute(); });
    mnView->addSeparator();
    mnLanguage = AddLanguageMenu(mnView, main.Env());
    SetViewMenuEnabled(false);
}

void TViewCommands::CheckZoomItems(int timeZoom, int sizeZoom) {
    CheckTagged(FTimeGroup, timeZoom);
    CheckTagged(FSizeGroup, sizeZoom);
}

void TViewCommands::SetViewMenuEnabled(bool on) {
    for (QAction* a : mnView->actions())
        a->setEnabled(on || a == mnLanguage->menuAction());
}

void TViewCommands::FillChannelMenu(const MonthDocument& document) {
    for (int i = 0; i < ChannelCount; ++i) {
        QAction* a = FChannelItems[i];
        const ChannelDef c = HeaderChannel(document.header, i);
        const bool used = c.active != 0;
        a->setEnabled(used);
        a->setVisible(used);
        if (!used)
            continue;
        a->setText(FromAnsi(c.name));
        a->setChecked(document.display.channelVisible[i] != 0);
        a->setData(i);
    }
}

void TViewCommands::SetXExecute(QAction* item) {
    item->setChecked(true);
    if (TfmChildBase* w = FMain.ActiveChild())
        w->ApplyTimeZoom(Tag(item));
}

void TViewCommands::SetYExecute(QAction* item) {
    item->setChecked(true);
    if (TfmChildBase* w = FMain.ActiveChild())
        w->ApplyValueZoom(Tag(item));
}

void TViewCommands::KanaleOneExecute(QAction* item) {
    // A triggered checkable action has already inverted its check mark.
    if (TfmChildBase* w = FMain.ActiveChild())
        w->ShowChannel(Tag(item), item->isChecked());
    FMain.RefreshPanels();
}

void TViewCommands::KanaleAllExecute() {
    if (TfmChildBase* w = FMain.ActiveChild())
        w->ShowChannel(-1, true);
    for (QAction* a : FChannelItems)
        a->setChecked(true);
    FMain.RefreshPanels();
}

void TViewCommands::KanaleZeroExecute() {
    if (TfmChildBase* w = FMain.ActiveChild())
        w->ShowChannel(-1, false);
    for (QAction* a : FChannelItems)
        a->setChecked(false);
    FMain.RefreshPanels();
}

void TViewCommands::ToggleChannel(int channel, bool shown) {
    if (channel < 0 || channel >= FChannelItems.size())
        return;
    QAction* item = FChannelItems[channel];
    item->setChecked(shown);
    KanaleOneExecute(item);
}
