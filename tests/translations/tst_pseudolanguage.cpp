// Every text a person sees comes through the catalogues: under a pseudo
// catalogue that brackets each translation, the windows, dialogs and
// zedactl's messages may show nothing unbracketed but user data, numbers,
// paths and Qt's own texts.
#include "app/Ufilecommands.h"
#include "app/Umain.h"
#include "config/Cclock.h"
#include "config/Cenv.h"
#include "config/Flanguage.h"
#include "print/Uprintpreview.h"
#include "support/Cmainwindowtest.h"
#include "support/Crecordingmessages.h"
#include "view/Fviewtestsupport.h"
#include "view/Uchildbase.h"
#include "view/Uplotwidgets.h"
#include "view/Uviewchannel.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QTimer>

namespace {

// Where a text was seen, and the text.
using Seen = QList<std::pair<QString, QString>>;

QString Name(const QObject* o) {
    return QString::fromLatin1(o->metaObject()->className()) + " '" + o->objectName() + "'";
}

// The texts of actions and menus: captions, hints and tips.
void CollectActions(const QList<QAction*>& actions, const QSet<QAction*>& qtOwn, Seen& seen) {
    for (QAction* a : actions) {
        if (qtOwn.contains(a) || a->isSeparator())
            continue;
        for (const QString& t : {a->text(), a->statusTip(), a->toolTip()})
            seen.append({Name(a), t});
        if (a->menu())
            seen.append({Name(a->menu()), a->menu()->title()});
    }
}

// Header labels of a table or tree.
void CollectHeaders(QAbstractItemView* view, Seen& seen) {
    const QAbstractItemModel* m = view->model();
    if (!m)
        return;
    for (int c = 0; c < m->columnCount(); ++c)
        seen.append({Name(view), m->headerData(c, Qt::Horizontal).toString()});
}

// The texts one widget shows of itself.
void CollectWidget(QWidget* w, Seen& seen) {
    seen.append({Name(w), w->toolTip()});
    if (w->isWindow() || qobject_cast<QMdiSubWindow*>(w))
        seen.append({Name(w), w->windowTitle()});
    if (auto* l = qobject_cast<QLabel*>(w))
        seen.append({Name(w), QTextDocumentFragment::fromHtml(l->text()).toPlainText()});
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        auto* box = qobject_cast<QDialogButtonBox*>(b->parentWidget());
        // Qt's standard buttons carry Qt's own texts.
        if (!box || box->standardButton(b) == QDialogButtonBox::NoButton)
            seen.append({Name(w), b->text()});
    }
    if (auto* g = qobject_cast<QGroupBox*>(w))
        seen.append({Name(w), g->title()});
    if (auto* t = qobject_cast<QTabWidget*>(w)) {
        for (int i = 0; i < t->count(); ++i)
            seen.append({Name(w), t->tabText(i)});
    }
    if (auto* c = qobject_cast<QComboBox*>(w)) {
        for (int i = 0; i < c->count(); ++i)
            seen.append({Name(w), c->itemText(i)});
    }
    if (auto* v = qobject_cast<QAbstractItemView*>(w))
        CollectHeaders(v, seen);
}

// Everything a window and the widgets in it show, menus included.
Seen Collect(QWidget* root) {
    QSet<QAction*> qtOwn;
    for (QMdiSubWindow* sub : root->findChildren<QMdiSubWindow*>()) {
        if (sub->systemMenu())
            for (QAction* a : sub->systemMenu()->actions())
                qtOwn.insert(a);
    }
    Seen seen;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        // The guide is a document of its own, checked in both languages.
        if ((w == root || w->isVisibleTo(root)) && !qobject_cast<QTextBrowser*>(w))
            CollectWidget(w, seen);
    }
    QList<QAction*> actions;
    for (QAction* a : root->findChildren<QAction*>()) {
        if (a->isVisible())
            actions << a;
    }
    CollectActions(actions, qtOwn, seen);
    return seen;
}

} // namespace

class TestPseudoLanguage : public TMainWindowTest {
    Q_OBJECT

    // What the test's files hold, which is data and never translated.
    const QStringList userData = {"Werk Nord", "Druck", "Temp", "bar", "°C", "Anna",
                                  "Deutsch",   "English", "ZEDA", "COM1", "COM2", "COM3",
                                  "COM4"};

    // The text without what may stand unbracketed: the bracketed parts, user
    // data, paths, codes such as "#INV" and Qt's key names in shortcuts.
    QString Unwrapped(QString text) const {
        // Texts that pass through the 8-bit code page of the files keep
        // their brackets as "?".
        static const QRegularExpression bracketed(
            QString::fromUtf8("\u27e6[^\u27e6\u27e7]*\u27e7|\\?[^?\u27e6\u27e7]*\\?"));
        static const QRegularExpression paths(R"((/[\w.\-]+)+/?)");
        static const QRegularExpression codes(R"(#[A-Z/]+)");
        // zedactl's own words: its name, its commands and options.
        static const QRegularExpression commandLine(R"(zedactl|--[\w-]+|^  [a-z-]+ )",
                                                    QRegularExpression::MultilineOption);
        // Innermost first: a translation may hold translated parts.
        for (qsizetype before = -1; before != text.size();) {
            before = text.size();
            text.remove(bracketed);
        }
        for (const QString& data : userData)
            text.remove(data);
        text.remove(paths).remove(codes).remove(commandLine);
        return text;
    }

    // The texts that show letters outside the catalogue's brackets.
    QStringList Unwrapped(const Seen& seen) const {
        static const QRegularExpression letters(R"(\p{L}{2,})");
        QStringList found;
        for (const auto& [where, text] : seen) {
            if (Unwrapped(text).contains(letters))
                found << where + ": " + text;
        }
        found.removeDuplicates();
        return found;
    }

    bool MakeMonth(int month, int minutes) const {
        ChannelDefs c = NoChannels();
        c[0] = Channel(0, 1, "Druck", "bar");
        c[1] = Channel(0, 2, "Temp", "°C");
        c[1].decimals = 1;
        MonthDocument d;
        InitDocument(d, c, uint16_t(minutes), 2026, month);
        for (int s = 0; s < minutes; ++s) {
            SetRaw(d, s, 0, 100);
            SetRaw(d, s, 1, 8);
        }
        return WriteBytes(dir.filePath(MonthFileName(Year(2026), uint8_t(month))), FileImage(d));
    }

    Seen MainWindowScene();
    Seen DialogScene();
    Seen ValueWindowScene();
    Seen ZedactlScene();

private slots:
    void initTestCase() {
        QVERIFY(QFile::exists(PSEUDO_QM));
        qputenv("ZEDA_TEST_CATALOGUE", PSEUDO_QM);
        QVERIFY(InstallLanguage(*QCoreApplication::instance(), Language::English));
        ResetEnv();
        messages.answer = false;
        QVERIFY(MakeMonth(3, 13790));
        QVERIFY(MakeMonth(2, 3000));
    }

    void noUntranslatedTextUnderThePseudoLanguage_data() {
        QTest::addColumn<int>("scene");
        QTest::newRow("main window and panels") << 0;
        QTest::newRow("every dialog of the menus") << 1;
        QTest::newRow("month window and value window") << 2;
        QTest::newRow("zedactl") << 3;
    }
    void noUntranslatedTextUnderThePseudoLanguage() {
        QFETCH(int, scene);
        messages.Clear();
        Seen seen = scene == 0   ? MainWindowScene()
                    : scene == 1 ? DialogScene()
                    : scene == 2 ? ValueWindowScene()
                                 : ZedactlScene();
        QVERIFY2(seen.size() > 10, "saw hardly any text");
        for (const QString& m : messages.Texts())
            seen.append({"message", m});
        const QStringList found = Unwrapped(seen);
        for (const QString& f : found)
            qWarning().noquote() << "not from the catalogues:" << f;
        QVERIFY2(found.isEmpty(), qPrintable(QString::number(found.size()) + " texts bypass the catalogues"));
    }
};

Seen TestPseudoLanguage::MainWindowScene() {
    TfmMain w(env, [](int) { return 2; });
    w.resize(1400, 900);
    w.show();
    // The running window has stored the unit's present minute.
    if (!QTest::qWaitFor([] { return fmChildAct && fmChildAct->windowTitle().contains("2026"); }))
        return {};
    return Collect(&w);
}

Seen TestPseudoLanguage::DialogScene() {
    TfmMain w(env, [](int) { return 2; });
    w.show();
    Seen seen;
    w.ExecDialog = [&](QDialog& d) {
        d.show();
        seen += Collect(&d);
        return int(QDialog::Rejected);
    };
    w.ShowPrintPreview = [&](TfmPrintPreview& p) {
        p.show();
        seen += Collect(&p);
    };
    w.ChooseOpenFile = [](const QString&, const QString&) { return QString(); };
    w.ChooseSaveFile = [](const QString&, const QString&) { return QString(); };
    w.ChooseDirectory = [](const QString&) { return QString(); };
    w.ChooseCsvOptions = [](TCsvOptions&) { return false; };
    w.ChooseFont = [](QFont&) { return false; };
    w.RunPrinterSetup = [] {};
    w.ChoosePrintDays = [](int&, int&, int) { return false; };
    w.ShowPrinterDialog = [](const QStringList&) {};
    w.OpenUrl = [](const QUrl&) {};
    // Every command but those that end the program or the login.
    const QStringList skipped = {"FileExit1", "Logoff", "LogoffAdmin", "FileClose1"};
    // Dialogs that run modally by themselves (the unit's) are read and
    // closed from the event loop they run.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            seen += Collect(modal);
            if (auto* d = qobject_cast<QDialog*>(modal))
                d->reject();
            else
                modal->close();
        }
    });
    closer.start(20);
    for (QAction* a : w.findChildren<QAction*>()) {
        if (a->menu() || a->isSeparator() || !a->isEnabled() || a->objectName().isEmpty() ||
            skipped.contains(a->objectName()))
            continue;
        a->trigger();
    }
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top != &w && top->isVisible() && !qobject_cast<QMenu*>(top))
            seen += Collect(top);
    }
    return seen;
}

Seen TestPseudoLanguage::ValueWindowScene() {
    TfmMain w(env, [](int) { return 2; });
    w.resize(1400, 900);
    w.show();
    const QString path = dir.filePath(MonthFileName(Year(2026), 2));
    w.ChooseOpenFile = [path](const QString&, const QString&) { return path; };
    w.FileCommands().FileOpen1Execute();
    auto* c = qobject_cast<TfmChildData*>(w.MdiArea()->activeSubWindow());
    if (!c)
        return {};
    c->showMaximized();
    c->pwMouseDown(Qt::RightButton, c->pw->width() / 2);
    Seen seen = Collect(&w);
    if (fmViewChannel)
        seen += Collect(fmViewChannel);
    c->pwMouseUp(Qt::RightButton, c->pw->width() / 2);
    return seen;
}

Seen TestPseudoLanguage::ZedactlScene() {
    QFile runs(QStringLiteral(PSEUDO_DATA "/zedactl-runs.txt"));
    if (!runs.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QProcessEnvironment penv = QProcessEnvironment::systemEnvironment();
    penv.insert("ZEDA_TEST_CATALOGUE", PSEUDO_QM);
    Seen seen;
    for (QString line : QString::fromUtf8(runs.readAll()).split('\n')) {
        if (line.trimmed().isEmpty() || line.startsWith('#'))
            continue;
        line.replace("@MONTH@", dir.filePath("D2026-03.ZMF")).replace("@DATA@", dir.path());
        QProcess p;
        p.setProcessEnvironment(penv);
        p.start(QStringLiteral(ZEDACTL_PATH), QProcess::splitCommand(line));
        if (!p.waitForFinished(60000))
            seen.append({line, "did not end"});
        for (const QByteArray& out : {p.readAllStandardError(), p.readAllStandardOutput()})
            seen.append({"zedactl " + line, QString::fromUtf8(out)});
    }
    return seen;
}

QTEST_MAIN(TestPseudoLanguage)
#include "tst_pseudolanguage.moc"
