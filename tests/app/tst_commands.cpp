#include "app/Ualarmcommands.h"
#include "app/Ucommandmodule.h"
#include "app/Ueditcommands.h"
#include "app/Ufilecommands.h"
#include "app/Uhelpcommands.h"
#include "app/Umain.h"
#include "app/Uoperatorcommands.h"
#include "app/Uprintcommands.h"
#include "app/Upublishcommands.h"
#include "app/Usettingcommands.h"
#include "app/Utimecommands.h"
#include "app/Uunitcommands.h"
#include "app/Uviewcommands.h"
#include "app/Uwindowcommands.h"
#include "config/Cclock.h"
#include "config/Cenv.h"
#include "support/Cmainwindowtest.h"
#include "support/Crecordingmessages.h"

#include <QAction>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The command modules of the main window: what each one's enabling rule
// turns off, and that every command they own sits where a person finds it.

namespace {

// The name an action is known by: its own, or its submenu's.
QString NameOf(const QAction* a) {
    if (!a->objectName().isEmpty())
        return a->objectName();
    return a->menu() ? a->menu()->objectName() : QString();
}

TCommandModule* ModuleNamed(TfmMain& w, const QString& name) {
    const QList<std::pair<QString, TCommandModule*>> modules = {
        {"file", &w.FileCommands()},          {"edit", &w.EditCommands()},
        {"print", &w.PrintCommands()},        {"view", &w.ViewCommands()},
        {"operators", &w.OperatorCommands()}, {"time", &w.TimeCommands()},
        {"settings", &w.SettingCommands()},   {"unit", &w.UnitCommands()},
        {"windows", &w.WindowCommands()},     {"help", &w.HelpCommands()},
        {"publishing", &w.PublishCommands()}, {"alarms", &w.AlarmCommands()}};
    for (const auto& [n, m] : modules) {
        if (n == name)
            return m;
    }
    return nullptr;
}

QStringList SetKanalNames() {
    QStringList names;
    for (int i = 1; i <= 14; ++i)
        names << QStringLiteral("SetKanal%1").arg(i);
    return names;
}

} // namespace

class TestCommands : public TMainWindowTest {
    Q_OBJECT

    std::unique_ptr<TfmMain> MakeMain() {
        return std::make_unique<TfmMain>(env, [](int) { return 2; });
    }

private slots:
    void init() {
        QVERIFY(dir.isValid());
        ResetEnv();
    }

    void viewerRuleOfEachModule_data() {
        QTest::addColumn<QString>("module");
        QTest::addColumn<QStringList>("off");
        QTest::newRow("file") << "file" << QStringList{"Import1"};
        QTest::newRow("settings") << "settings"
                                  << QStringList{"Location", "mnSetKanal", "Month"} +
                                         SetKanalNames();
        QTest::newRow("unit") << "unit"
                              << QStringList{"mnSystem", "ACQInfo", "CHTest", "Communication"};
        // These read, move windows or write only what the service leaves
        // alone (the exception periods among them).
        for (const char* other : {"edit", "print", "view", "operators", "time", "windows", "help",
                                  "publishing", "alarms"})
            QTest::newRow(other) << other << QStringList{};
    }

    // Beside a service a module turns off exactly its commands that write
    // where the service writes, each with the reason, and touches no other.
    void viewerRuleOfEachModule() {
        QFETCH(QString, module);
        QFETCH(QStringList, off);
        std::unique_ptr<TfmMain> w = MakeMain();
        TCommandModule* m = ModuleNamed(*w, module);
        QVERIFY(m);
        const QList<QAction*> actions = w->findChildren<QAction*>();
        QList<bool> before;
        for (const QAction* a : actions)
            before << a->isEnabled();
        TCommandState state;
        state.accessLevel = 2;
        state.viewer = true;
        state.viewerReason = "held by the service";
        m->UpdateEnabled(state);
        QStringList turnedOff;
        for (int i = 0; i < actions.size(); ++i) {
            const QAction* a = actions[i];
            const QString name = NameOf(a);
            if (off.contains(name)) {
                QVERIFY2(!a->isEnabled(), qPrintable(name));
                QCOMPARE(a->toolTip(), QString("held by the service"));
                QCOMPARE(a->statusTip(), QString("held by the service"));
                turnedOff << name;
            } else {
                QVERIFY2(a->isEnabled() == before[i], qPrintable(name));
                QVERIFY2(a->toolTip() != "held by the service", qPrintable(name));
            }
        }
        turnedOff.sort();
        off.sort();
        QCOMPARE(turnedOff, off);
    }

    void operatorRule_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("onDuty");
        QTest::newRow("operator level, nobody on duty") << 1 << false;
        QTest::newRow("operator level, on duty") << 1 << true;
        QTest::newRow("administrator, nobody on duty") << 2 << false;
        QTest::newRow("administrator, on duty") << 2 << true;
    }

    // Logoff needs an operator on duty, the administrator's logoff the
    // administrator level; a viewer changes neither.
    void operatorRule() {
        QFETCH(int, level);
        QFETCH(bool, onDuty);
        std::unique_ptr<TfmMain> w = MakeMain();
        TOperatorCommands& ops = w->OperatorCommands();
        for (bool viewer : {false, true}) {
            TCommandState state;
            state.accessLevel = level;
            state.operatorOnDuty = onDuty;
            state.viewer = viewer;
            ops.UpdateEnabled(state);
            QCOMPARE(ops.Logoff->isEnabled(), onDuty);
            QCOMPARE(ops.LogoffAdmin->isEnabled(), level == 2);
            QVERIFY(ops.Login->isEnabled());
            QVERIFY(ops.LoginAdmin->isEnabled());
        }
    }

    // A module's command that no menu, toolbar or window holds could still
    // be triggered by name, but nobody could reach it.
    void everyNamedCommandIsPlaced() {
        std::unique_ptr<TfmMain> w = MakeMain();
        for (const QAction* a : w->findChildren<QAction*>()) {
            if (NameOf(a).isEmpty())
                continue;
            QVERIFY2(!a->associatedObjects().isEmpty(), qPrintable(NameOf(a)));
        }
    }
};

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
