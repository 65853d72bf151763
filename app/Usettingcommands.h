#pragma once

#include "app/Ucommandmodule.h"

#include <QCoreApplication>
#include <QFont>
#include <QList>

class QAction;
class QActionGroup;
class QMenu;
class TfmMain;

// The settings dialogs: Setting › Background, and in the Admin menu the
// location, the channels, the retention time, the fonts and summer time.
class TSettingCommands : public TCommandModule {
    Q_DECLARE_TR_FUNCTIONS(TSettingCommands)
public:
    explicit TSettingCommands(TfmMain& main);

    void UpdateEnabled(const TCommandState& state) override;
    // Checks the background item of the stored choice (1 white, 2 grey).
    void ShowBackgroundChoice(int choice);

    void ColorChangeExecute(QAction* item);
    void LocationExecute();
    void SetKanalExecute(QAction* item);
    void MonthExecute();
    void SummerTimeExecute();
    void FontScreenExecute();
    void FontPrintExecute();

    QMenu* mnSetting = nullptr;
    // In the Admin menu.
    QAction* Location = nullptr;
    QMenu* mnSetKanal = nullptr;
    QAction* Month = nullptr;
    QMenu* mnFont = nullptr;
    QAction* SummerTime = nullptr;

private:
    void BuildAdminItems();
    // Runs a font dialog; false when cancelled.
    bool ChooseFontOnce(QFont& font);

    TfmMain& FMain;
    QActionGroup* FColorGroup = nullptr;
    QAction* ColorChange1 = nullptr;
    QAction* ColorChange2 = nullptr;
    QList<QAction*> FChannelItems; // of mnSetKanal
    // The one font dialog of both font commands shows the last choice.
    QFont FLastFont;
};
