#include "app/Utimecommands.h"

#include "app/Fmainshared.h"
#include "app/Umain.h"
#include "app/Umenuitems.h"
#include "config/Cenv.h"
#include "config/Fcodec.h"
#include "dialogs/Uexceptions.h"
#include "files/Fexceptionlist.h"
#include "files/Fexceptions.h"
#include "view/Uchildbase.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

TTimeCommands::TTimeCommands(TfmMain& main) : FMain(main) {
    mnTime = MakeMenu(&main, tr("&Time"), "mnTime");
    TrmClear = AddItem(mnTime, tr("Mark delete"), "TrmClear", 0, tr("Zeitraumdefinition &löschen"));
    QObject::connect(TrmClear, &QAction::triggered, &main, [this] { TrmClearExecute(); });
    TrmExport = AddItem(mnTime, tr("Export"), "TrmExport", 0, tr("Daten &exportieren..."));
    QObject::connect(TrmExport, &QAction::triggered, &main, [this] { TrmExportExecute(); });
    mnExcept = MakeMenu(mnTime, tr("Exclusive description"), "mnExcept");
    mnTime->addMenu(mnExcept);
    TrmClearData = AddItem(mnExcept, tr("Stop"), "TrmClearData", 0, tr("&Aufheben"));
    QObject::connect(TrmClearData, &QAction::triggered, &main, [this] { TrmClearDataExecute(); });
    mnExcept->addSeparator();
    ExceptionList = MakeItem(&main, tr("Exception descriptions..."), "ExceptionList", 0);
    QObject::connect(ExceptionList, &QAction::triggered, &main, [this] { ExceptionListExecute(); });
}

void TTimeCommands::SetMarkCommandsEnabled(bool on, int kind) {
    // The export and a new exception period need both marks as the bounds
    // of their range; clearing the marks makes sense with either one.
    switch (kind) {
    case 0:
        TrmClear->setEnabled(on);
        break;
    case 1:
        TrmExport->setEnabled(on);
        break;
    case 2:
        mnExcept->menuAction()->setEnabled(on);
        break;
    default:
        break;
    }
}

void TTimeCommands::TrmClearExecute() {
    // The running month's marks are cleared like a month file's.
    TfmChildBase* w = FMain.ActiveChild();
    if (!w)
        return;
    w->ClearMarks();
    for (int kind : {0, 1, 2})
        SetMarkCommandsEnabled(false, kind);
    FMain.RefreshPanels();
}

void TTimeCommands::TrmExportExecute() {
    TfmChildBase* w = FMain.ActiveChild();
    if (!w)
        return;
    const QString path = FMain.ChooseSaveFile(FMain.Env().dataDir, CsvFilter());
    TCsvOptions options;
    if (!path.isEmpty() && FMain.ChooseCsvOptions(options))
        w->ExportMarkedRange(path, options);
}

void TTimeCommands::TrmClearDataExecute() {
    if (TfmChildBase* w = FMain.ActiveChild()) {
        w->ExceptionCommand(QString::fromLatin1(ClearExceptText));
        RefreshExceptionsOfAllWindows();
    }
}

void TTimeCommands::ExceptionItemExecute(const QString& description) {
    if (TfmChildBase* w = FMain.ActiveChild()) {
        w->ExceptionCommand(description);
        RefreshExceptionsOfAllWindows();
    }
}

void TTimeCommands::ExceptionListExecute() {
    TfmExceptions dialog(FMain.Env(), &FMain);
    if (FMain.ExecDialog(dialog) == QDialog::Accepted)
        LoadExceptionDescriptions();
}

void TTimeCommands::RefreshExceptionsOfAllWindows() {
    // Every window that shows the changed file re-reads its table, the
    // running-month window too.
    for (QMdiSubWindow* w : FMain.MdiArea()->subWindowList()) {
        if (auto* child = qobject_cast<TfmChildBase*>(w))
            child->RefreshExceptions();
    }
}

void TTimeCommands::FillExceptionMenu(const QList<std::pair<QString, int>>& items) {
    // The items of an earlier list go; the clear command stays.
    for (QAction* a : mnExcept->actions()) {
        if (a->data().toInt() > 0) {
            mnExcept->removeAction(a);
            delete a;
        }
    }
    for (const auto& [caption, tag] : items) {
        if (tag <= 0)
            continue;
        // A note-only description is named so, without its "!"; an
        // ampersand of the description is shown, not taken as a mnemonic.
        const QString shown =
            caption.startsWith('!') ? tr("%1 (note only)").arg(caption.mid(1)) : caption;
        QAction* a = mnExcept->addAction(QString(shown).replace("&", "&&"));
        a->setData(tag);
        a->setObjectName(QString("Except%1").arg(tag));
        a->setStatusTip(caption);
        QObject::connect(a, &QAction::triggered, &FMain,
                         [this, description = caption] { ExceptionItemExecute(description); });
    }
}

void TTimeCommands::LoadExceptionDescriptions() {
    std::vector<ExceptionMenuEntry> entries;
    LoadExceptionMenu(ExceptionListPath(FMain.Env().dataDir), entries);
    QList<std::pair<QString, int>> items;
    for (const ExceptionMenuEntry& e : entries)
        items.append({FromAnsi(e.text), e.tag});
    FillExceptionMenu(items);
}
