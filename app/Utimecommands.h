#pragma once

#include "app/Ucommandmodule.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <utility>

class QAction;
class QMenu;
class TfmMain;

// Time menu: the marked range (clearing the marks, the CSV export) and the
// exception periods with the descriptions of AUSNAHME.LST, whose editor
// sits in the Admin menu.
class TTimeCommands : public TCommandModule {
    Q_DECLARE_TR_FUNCTIONS(TTimeCommands)
public:
    explicit TTimeCommands(TfmMain& main);

    // The marks decide (SetMarkCommandsEnabled); the exception periods
    // stay available beside a service.
    void UpdateEnabled(const TCommandState&) override {}
    // Kind 0 governs TrmClear (one mark is enough), kind 1 TrmExport and
    // kind 2 mnExcept (both need the two marks).
    void SetMarkCommandsEnabled(bool on, int kind);

    void TrmClearExecute();
    void TrmExportExecute();
    void TrmClearDataExecute();
    // An exception-description item: a new period with that description.
    void ExceptionItemExecute(const QString& description);
    // Edits AUSNAHME.LST and rebuilds the exception menu from it at once.
    void ExceptionListExecute();

    // The exception descriptions as items of mnExcept, each (caption, tag)
    // with a tag above 0 running ExceptionItemExecute.
    void FillExceptionMenu(const QList<std::pair<QString, int>>& items);
    void LoadExceptionDescriptions();

    QMenu* mnTime = nullptr;
    QAction* TrmClear = nullptr;
    QAction* TrmExport = nullptr;
    QMenu* mnExcept = nullptr;
    QAction* TrmClearData = nullptr;
    QAction* ExceptionList = nullptr; // in the Admin menu

private:
    void RefreshExceptionsOfAllWindows();

    TfmMain& FMain;
};
