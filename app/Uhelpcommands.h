#pragma once

#include "app/Ucommandmodule.h"

#include <QCoreApplication>
#include <QString>

class QMenu;
class TfmHelp;
class TfmMain;

// Help menu: the help file or the built-in guide, and About.
class THelpCommands : public TCommandModule {
    Q_DECLARE_TR_FUNCTIONS(THelpCommands)
public:
    explicit THelpCommands(TfmMain& main);

    void UpdateEnabled(const TCommandState&) override {}

    // The help file "<program>.chm" in the data directory or next to the
    // program; empty when there is none (Help then shows the built-in
    // guide in the help window).
    QString HelpPath() const;
    // The help window, once Help › Contents has opened it.
    TfmHelp* HelpWindow() const { return FHelp; }

    void Help2Click();
    // Version, licence, the data directory in use and the Qt version.
    void HelpAboutExecute();

    QMenu* mnHelp = nullptr;

private:
    TfmMain& FMain;
    TfmHelp* FHelp = nullptr;
};
