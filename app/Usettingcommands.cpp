#include "app/Usettingcommands.h"

#include "app/Fmainshared.h"
#include "app/Umain.h"
#include "app/Umenuitems.h"
#include "config/Cconfig.h"
#include "config/Fsettingkeys.h"
#include "config/Cenv.h"
#include "config/Fcodec.h"
#include "config/Ffont.h"
#include "dialogs/Ulocation.h"
#include "dialogs/Umonth.h"
#include "dialogs/Usetkanal.h"
#include "dialogs/Usummertime.h"
#include "files/Fmonthfile.h"
#include "view/Uchildbase.h"

#include <QAction>
#include <QActionGroup>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

TSettingCommands::TSettingCommands(TfmMain& main) : FMain(main) {
    mnSetting = MakeMenu(&main, tr("Setting"), "mnSetting");
    QMenu* background = MakeMenu(mnSetting, tr("Background"), "mnBackground");
    mnSetting->addMenu(background);
    FColorGroup = new QActionGroup(&main);
    ColorChange1 = AddItem(background, tr("White"), "ColorChange1", 1);
    ColorChange2 = AddItem(background, tr("Grey"), "ColorChange2", 2);
    for (QAction* a : {ColorChange1, ColorChange2}) {
        a->setCheckable(true);
        FColorGroup->addAction(a);
    }
    ColorChange1->setChecked(true);
    QObject::connect(FColorGroup, &QActionGroup::triggered, &main,
                     [this](QAction* a) { ColorChangeExecute(a); });
    BuildAdminItems();
}

void TSettingCommands::BuildAdminItems() {
    Location = MakeItem(&FMain, tr("Location"), "Location", 0, tr("Betriebsort"));
    QObject::connect(Location, &QAction::triggered, &FMain, [this] { LocationExecute(); });
    mnSetKanal = MakeMenu(&FMain, tr("Channels"), "mnSetKanal");
    for (int i = 1; i <= ChannelCount; ++i) {
        QAction* a = AddItem(mnSetKanal, tr("Channel %1").arg(i),
                             ("SetKanal" + QByteArray::number(i)).constData(), i);
        QObject::connect(a, &QAction::triggered, &FMain, [this, a] { SetKanalExecute(a); });
        FChannelItems.append(a);
    }
    Month = MakeItem(&FMain, tr("Time..."), "Month", 0, tr("Zeit&raum des Datenerhalts..."));
    QObject::connect(Month, &QAction::triggered, &FMain, [this] { MonthExecute(); });
    mnFont = MakeMenu(&FMain, tr("Font"), "mnFont");
    QAction* screen = AddItem(mnFont, tr("Screen"), "FontScreen", 0, tr("&Bildschirmschrift..."));
    QObject::connect(screen, &QAction::triggered, &FMain, [this] { FontScreenExecute(); });
    QAction* print =
        AddItem(mnFont, tr("Print", "the printer font"), "FontPrint", 0, tr("&Druckerschrift..."));
    QObject::connect(print, &QAction::triggered, &FMain, [this] { FontPrintExecute(); });
    SummerTime = MakeItem(&FMain, tr("Summer time"), "SummerTime", 0, tr("Sommer&zeit..."));
    QObject::connect(SummerTime, &QAction::triggered, &FMain, [this] { SummerTimeExecute(); });
}

void TSettingCommands::UpdateEnabled(const TCommandState& state) {
    // The location, the channels and the retention go into the month files
    // the service writes; fonts, colours and summer time do not.
    for (QAction* a : {Location, mnSetKanal->menuAction(), Month})
        EnableUnlessViewer(a, state);
    for (QAction* a : FChannelItems)
        EnableUnlessViewer(a, state);
}

void TSettingCommands::ShowBackgroundChoice(int choice) {
    if (choice == 1)
        ColorChange1->setChecked(true);
    else if (choice == 2)
        ColorChange2->setChecked(true);
}

void TSettingCommands::ColorChangeExecute(QAction* item) {
    item->setChecked(true);
    Config->SetBackgroundChoice(Tag(item));
    for (QMdiSubWindow* w : FMain.MdiArea()->subWindowList()) {
        if (auto* child = qobject_cast<TfmChildBase*>(w))
            child->SetBackgroundColour(Config->backgroundColour);
    }
}

void TSettingCommands::LocationExecute() {
    TfmLocation dialog(FMain.Env(), &FMain);
    FMain.ExecDialog(dialog);
    // Whatever the answer, the title shows the configured location again.
    FMain.setWindowTitle(LocationCaption(FromAnsi(Config->location)));
}

void TSettingCommands::SetKanalExecute(QAction* item) {
    TfmSetKanal dialog(FMain.Env(), Tag(item), &FMain);
    // The running window follows the channels through the settings' changed
    // signal.
    FMain.ExecDialog(dialog);
}

void TSettingCommands::MonthExecute() {
    TfmMonth dialog(FMain.Env(), &FMain);
    FMain.ExecDialog(dialog);
}

void TSettingCommands::SummerTimeExecute() {
    TfmSummerTime dialog(FMain.Env(), &FMain);
    FMain.ExecDialog(dialog);
}

bool TSettingCommands::ChooseFontOnce(QFont& font) {
    // Not preset from the stored fonts: the dialog shows the last choice.
    QFont chosen = FLastFont;
    if (!FMain.ChooseFont(chosen))
        return false;
    FLastFont = chosen;
    font = chosen;
    return true;
}

void TSettingCommands::FontScreenExecute() {
    QFont font;
    if (ChooseFontOnce(font))
        WriteFontKey(FMain.Env(), "Bildschirmschriftdefinition", font);
}

void TSettingCommands::FontPrintExecute() {
    QFont font;
    if (!ChooseFontOnce(font))
        return;
    Config->printerFontRecord = FontFieldsToBytes(FontFieldsOf(font));
    Config->printerFontSet = true;
    WriteFontKey(FMain.Env(), SettingKey::PrinterFont, font);
}
