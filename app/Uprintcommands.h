#pragma once

#include "app/Ucommandmodule.h"

#include <QCoreApplication>

class QAction;
class QMenu;
class TfmChildBase;
class TfmMain;
struct TPrintRequest;

// Printing: Data › Print with its day, month and view prints, the preview
// and the printer setup, Data › Export report as PDF, and the printer
// parameters of the Admin menu. Reports and view prints keep acquisition
// waiting: the window is busy for their whole run.
class TPrintCommands : public TCommandModule {
    Q_DECLARE_TR_FUNCTIONS(TPrintCommands)
public:
    explicit TPrintCommands(TfmMain& main);

    // Printing reads the month files and writes nowhere the service
    // writes: always enabled.
    void UpdateEnabled(const TCommandState&) override {}

    void PrinterSetupExecute();
    void PrintDayExecute();
    void PrintMonthExecute(QAction* item);
    void PrintCopyExecute();
    void PrintPreviewExecute();
    // The preview's choices, written into a PDF file instead of sent to a
    // printer.
    void ExportReportExecute();
    void ExportReportOf(TfmChildBase* w, const TPrintRequest& request, int printer);
    void PrinterExecute();

    QMenu* mnPrint = nullptr; // in the Data menu
    QAction* PrintDay = nullptr;
    QAction* PrintCopy = nullptr;
    QAction* PrintPreview = nullptr;
    QAction* PrinterSetup = nullptr;
    QAction* ExportReport = nullptr; // in the Data menu
    QAction* Printer = nullptr;      // in the Admin menu

private:
    TfmMain& FMain;
};
