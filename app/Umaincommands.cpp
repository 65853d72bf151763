#include "app/Umain.h"

#include "app/Fmainshared.h"
#include "app/Uhelp.h"
#include "comm/Ccommbase.h"
#include "comm/Uacqinfo.h"
#include "comm/Uchanneltest.h"
#include "comm/Ucommunication.h"
#include "config/Cconfig.h"
#include "config/Cenv.h"
#include "config/Cmessages.h"
#include "config/Fcodec.h"
#include "config/Ffont.h"
#include "dialogs/Uexceptions.h"
#include "dialogs/Ulocation.h"
#include "dialogs/Umonth.h"
#include "dialogs/Usetkanal.h"
#include "dialogs/Usummertime.h"
#include "files/Fexceptions.h"
#include "operators/Ulogin.h"
#include "operators/Upassword.h"
#include "operators/Uusers.h"
#include "view/Fwindowplaces.h"
#include "view/Uchildbase.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTextEdit>

// The command handlers of the main window's menus.

namespace {

// The property that keeps the canonical path of an opened month file on its
// window, so that no file is opened twice.
constexpr char PathProperty[] = "zedaCanonicalPath";

// One cascade step: a window's title bar and frame.
int CascadeStep(const QMdiArea* mdi) {
    return mdi->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, mdi) +
           2 * mdi->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, mdi);
}

} // namespace

// ---------------------------------------------------------------- Data menu

TfmChildData* TfmMain::OpenMonthFile(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        return nullptr;
    const QString canonical = info.canonicalFilePath();
    for (QMdiSubWindow* w : FMdi->subWindowList()) {
        auto* data = qobject_cast<TfmChildData*>(w);
        if (data && data->property(PathProperty).toString() == canonical) {
            FMdi->setActiveSubWindow(data);
            return data;
        }
    }
    auto* child = new TfmChildData(FEnv, canonical, this);
    child->setProperty(PathProperty, canonical);
    child->Tag = 0;
    FMdi->addSubWindow(child);
    if (Config)
        child->SetBackgroundColour(Config->backgroundColour);
    child->show();
    FMdi->setActiveSubWindow(child);
    return child;
}

void TfmMain::FileOpen1Execute() {
    // A name that does not exist is ignored without a message.
    OpenMonthFile(ChooseOpenFile(FEnv.dataDir, OpenFilter()));
}

void TfmMain::FileClose1Execute() {
    // The running-month window only minimises itself on a close.
    if (QMdiSubWindow* w = FMdi->activeSubWindow())
        w->close();
}

void TfmMain::FileSave1Execute() {
    BackupExecute();
}

void TfmMain::FileExit1Execute() {
    close();
}

void TfmMain::PrinterSetupExecute() {
    RunPrinterSetup();
}

// ---------------------------------------------------------------- Edit menu

void TfmMain::UpdateEditCommands() {
    QWidget* w = QApplication::focusWidget();
    bool selected = false;
    bool editable = false;
    bool any = false;
    if (auto* line = qobject_cast<QLineEdit*>(w)) {
        any = true;
        selected = line->hasSelectedText() && line->echoMode() == QLineEdit::Normal;
        editable = !line->isReadOnly();
    } else if (auto* text = qobject_cast<QTextEdit*>(w)) {
        any = true;
        selected = text->textCursor().hasSelection();
        editable = !text->isReadOnly();
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
        any = true;
        selected = plain->textCursor().hasSelection();
        editable = !plain->isReadOnly();
    }
    EditCut1->setEnabled(selected && editable);
    EditCopy1->setEnabled(selected);
    EditPaste1->setEnabled(any && editable && !QApplication::clipboard()->text().isEmpty());
}

void TfmMain::EditCut1Execute() {
    QWidget* w = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(w))
        line->cut();
    else if (auto* text = qobject_cast<QTextEdit*>(w))
        text->cut();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
        plain->cut();
}

void TfmMain::EditCopy1Execute() {
    QWidget* w = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(w))
        line->copy();
    else if (auto* text = qobject_cast<QTextEdit*>(w))
        text->copy();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
        plain->copy();
}

void TfmMain::EditPaste1Execute() {
    QWidget* w = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(w))
        line->paste();
    else if (auto* text = qobject_cast<QTextEdit*>(w))
        text->paste();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
        plain->paste();
}

// ---------------------------------------------------------------- View menu

void TfmMain::SetXExecute(QAction* item) {
    item->setChecked(true);
    if (TfmChildBase* w = ActiveChild())
        w->ApplyTimeZoom(Tag(item));
}

void TfmMain::SetYExecute(QAction* item) {
    item->setChecked(true);
    if (TfmChildBase* w = ActiveChild())
        w->ApplyValueZoom(Tag(item));
}

void TfmMain::KanaleOneExecute(QAction* item) {
    // A triggered checkable action has already inverted its check mark.
    if (TfmChildBase* w = ActiveChild())
        w->ShowChannel(Tag(item), item->isChecked());
    RefreshPanels();
}

void TfmMain::KanaleAllExecute() {
    if (TfmChildBase* w = ActiveChild())
        w->ShowChannel(-1, true);
    for (QAction* a : FChannelItems)
        a->setChecked(true);
    RefreshPanels();
}

void TfmMain::KanaleZeroExecute() {
    if (TfmChildBase* w = ActiveChild())
        w->ShowChannel(-1, false);
    for (QAction* a : FChannelItems)
        a->setChecked(false);
    RefreshPanels();
}

// ---------------------------------------------------------------- Time menu

void TfmMain::TrmClearExecute() {
    // The running month's marks are cleared like a month file's.
    TfmChildBase* w = ActiveChild();
    if (!w)
        return;
    w->ClearMarks();
    for (int kind : {0, 1, 2})
        SetMarkCommandsEnabled(false, kind);
    RefreshPanels();
}

// ---------------------------------------------------------------- Setting, Window, Help

void TfmMain::ColorChangeExecute(QAction* item) {
    item->setChecked(true);
    Config->SetBackgroundChoice(Tag(item));
    for (QMdiSubWindow* w : FMdi->subWindowList()) {
        if (auto* child = qobject_cast<TfmChildBase*>(w))
            child->SetBackgroundColour(Config->backgroundColour);
    }
}

void TfmMain::WindowCascade1Execute() {
    QList<QMdiSubWindow*> shown;
    for (QMdiSubWindow* w : FMdi->subWindowList()) {
        if (w->isVisible() && !w->isMinimized())
            shown.append(w);
    }
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

void TfmMain::WindowTileHorizontal1Execute() {
    TileWindows(false);
}

void TfmMain::WindowTileVertical1Execute() {
    TileWindows(true);
}

void TfmMain::TileWindows(bool columns) {
    QList<QMdiSubWindow*> shown;
    for (QMdiSubWindow* w : FMdi->subWindowList()) {
        if (w->isVisible() && !w->isMinimized())
            shown.append(w);
    }
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

void TfmMain::WindowMinimizeAll1Execute() {
    for (QMdiSubWindow* w : FMdi->subWindowList())
        w->showMinimized();
}

void TfmMain::WindowArrangeAll1Execute() {
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

void TfmMain::FillWindowList() {
    qDeleteAll(FWindowListItems);
    FWindowListItems.clear();
    const QList<QMdiSubWindow*> windows = FMdi->subWindowList();
    if (windows.isEmpty())
        return;
    FWindowListItems.append(FWindowMenu->addSeparator());
    int number = 0;
    for (QMdiSubWindow* w : windows) {
        ++number;
        const QString caption = number < 10 ? QString("&%1 %2").arg(number).arg(w->windowTitle())
                                            : QString("%1 %2").arg(number).arg(w->windowTitle());
        QAction* a = FWindowMenu->addAction(caption);
        a->setCheckable(true);
        a->setChecked(w == FMdi->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, w] {
            if (w->isMinimized())
                w->showNormal();
            FMdi->setActiveSubWindow(w);
        });
        FWindowListItems.append(a);
    }
}

QString TfmMain::HelpPath() const {
    // The help file lives in the data directory like the other files of the
    // installation, or next to the program.
    const QString chm = programName + ".chm";
    for (const QString& dir : {FEnv.dataDir, programDir}) {
        const QString path = QDir(dir).filePath(chm);
        if (QFileInfo::exists(path))
            return path;
    }
    return QString();
}

void TfmMain::Help2Click() {
    // An installed help file is the system's to show; otherwise the guide
    // built into the program, in its own help window.
    const QString path = HelpPath();
    if (!path.isEmpty()) {
        OpenUrl(QUrl::fromLocalFile(path));
        return;
    }
    if (!FHelp)
        FHelp = new TfmHelp(this);
    FHelp->show();
    FHelp->raise();
    FHelp->activateWindow();
}

// ---------------------------------------------------------------- Admin menu

void TfmMain::LoginAdminExecute() {
    const int level = RunLoginDialog(0);
    if (level != 0)
        FAccessLevel = level;
    UpdateAdminCommands();
}

void TfmMain::LoginExecute() {
    TfmLoginOperator dialog(FEnv, this);
    ExecDialog(dialog);
    if (!ApplyOperatorLogin(dialog, *Config))
        return;
    setWindowTitle(tr("ZEDA - Operator:") + FromAnsi(Config->operatorName));
    UpdateOperatorCommands();
}

void TfmMain::UsersExecute() {
    TfmUsers dialog(FEnv, this);
    ExecDialog(dialog);
}

void TfmMain::PasswordExecute() {
    TfmPassword dialog(FEnv, this);
    ExecDialog(dialog);
}

void TfmMain::ExceptionListExecute() {
    TfmExceptions dialog(FEnv, this);
    if (ExecDialog(dialog) == QDialog::Accepted)
        LoadExceptionDescriptions();
}

void TfmMain::HelpAboutExecute() {
    FEnv.messages->Show(TMessages::Information,
                        tr("ZEDA %1\nLicence: proprietary\nData directory: %2\nQt %3")
                            .arg(QStringLiteral(ZEDA_VERSION),
                                 QDir::toNativeSeparators(FEnv.dataDir),
                                 QString::fromLatin1(qVersion())));
}

void TfmMain::LocationExecute() {
    TfmLocation dialog(FEnv, this);
    ExecDialog(dialog);
    // Whatever the answer, the title shows the configured location again.
    setWindowTitle(LocationCaption(FromAnsi(Config->location)));
}

void TfmMain::SetKanalExecute(QAction* item) {
    TfmSetKanal dialog(FEnv, Tag(item), this);
    if (ExecDialog(dialog) == QDialog::Accepted && fmChildAct)
        fmChildAct->ChannelsChanged();
}

void TfmMain::MonthExecute() {
    TfmMonth dialog(FEnv, this);
    ExecDialog(dialog);
}

void TfmMain::SummerTimeExecute() {
    TfmSummerTime dialog(FEnv, this);
    ExecDialog(dialog);
}

void TfmMain::LogoffExecute() {
    // The caption loses the location too.
    setWindowTitle(LocationCaption(QString()));
    Config->operatorIndex = -1;
    Config->operatorLoggedIn = false;
    Config->operatorName.clear();
    UpdateOperatorCommands();
}

void TfmMain::LogoffAdminExecute() {
    FAccessLevel = 1;
    UpdateAdminCommands();
}

bool TfmMain::ChooseFontOnce(QFont& font) {
    // Not preset from the stored fonts: the dialog shows the last choice.
    QFont chosen = FLastFont;
    if (!ChooseFont(chosen))
        return false;
    FLastFont = chosen;
    font = chosen;
    return true;
}

void TfmMain::FontScreenExecute() {
    QFont font;
    if (ChooseFontOnce(font))
        WriteFontKey(FEnv, "Bildschirmschriftdefinition", font);
}

void TfmMain::FontPrintExecute() {
    QFont font;
    if (!ChooseFontOnce(font))
        return;
    Config->printerFontRecord = FontFieldsToBytes(FontFieldsOf(font));
    Config->printerFontSet = true;
    WriteFontKey(FEnv, "Druckerschriftdefinition", font);
}

void TfmMain::ACQInfoExecute() {
    if (Comm)
        RunACQInfo(FEnv, *Comm, this);
}

void TfmMain::CHTestExecute() {
    if (Comm)
        RunChannelTest(FEnv, *Comm, this);
}

void TfmMain::CommunicationExecute() {
    // No cycle may use the link while its port is closed or changing.
    if (!Comm)
        return;
    SetBusy(true);
    RunCommunicationCommand(FEnv, *Comm, this);
    SetBusy(false);
}

// ---------------------------------------------------------------- window operations

void TfmMain::BackupExecute() {
    TfmChildBase* w = ActiveChild();
    if (!w)
        return;
    // The running month is still being written: its command opens a file
    // instead.
    if (w->Tag == 1) {
        FileOpen1Execute();
        return;
    }
    const QString dir = ChooseDirectory(FEnv.dataDir);
    if (!dir.isEmpty())
        w->BackupTo(dir);
}

void TfmMain::Import1Click() {
    const QString source = ChooseOpenFile(FEnv.dataDir, OpenFilter());
    if (source.isEmpty())
        return;
    // The directory is asked for, but the file always goes into the data
    // directory.
    if (ChooseDirectory(FEnv.dataDir).isEmpty())
        return;
    TfmChildBase* w = ActiveChild();
    if (!w)
        w = fmChildAct;
    if (w)
        w->ImportFile(source, QDir(FEnv.dataDir).filePath(QFileInfo(source).fileName()));
}

void TfmMain::TrmExportExecute() {
    TfmChildBase* w = ActiveChild();
    if (!w)
        return;
    const QString path = ChooseSaveFile(FEnv.dataDir, CsvFilter());
    TCsvOptions options;
    if (!path.isEmpty() && ChooseCsvOptions(options))
        w->ExportMarkedRange(path, options);
}

void TfmMain::TrmClearDataExecute() {
    if (TfmChildBase* w = ActiveChild()) {
        w->ExceptionCommand(QString::fromLatin1(ClearExceptText));
        RefreshExceptionsOfAllWindows();
    }
}

void TfmMain::ExceptionItemExecute(const QString& description) {
    if (TfmChildBase* w = ActiveChild()) {
        w->ExceptionCommand(description);
        RefreshExceptionsOfAllWindows();
    }
}

void TfmMain::RefreshExceptionsOfAllWindows() {
    // Every window that shows the changed file re-reads its table, the
    // running-month window too.
    for (QMdiSubWindow* w : FMdi->subWindowList()) {
        if (auto* child = qobject_cast<TfmChildBase*>(w))
            child->RefreshExceptions();
    }
}
