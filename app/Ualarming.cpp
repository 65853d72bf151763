#include "app/Ualarming.h"

#include "config/Cenv.h"
#include "config/Cmessages.h"
#include "config/Ffilestamp.h"
#include "config/Fforpeople.h"
#include "files/Calarmevaluator.h"
#include "view/Ualarmpanel.h"

#include <QAction>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDockWidget>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QVariantMap>

namespace {

constexpr int StatusBarMessageMs = 60000;

} // namespace

TAlarming::TAlarming(const TEnv& env, QMainWindow* window)
    : FEnv(env), FWindow(window),
      FEvaluator(std::make_unique<TAlarmEvaluator>(env)) {
    FPanel = new TAlarmPanel(window);
    window->addDockWidget(Qt::BottomDockWidgetArea, FPanel);
    // A tab beside the Range panel: the diagram keeps its size.
    if (auto* range = window->findChild<QDockWidget*>("dockRange"))
        window->tabifyDockWidget(range, FPanel);
    FIndicator = new QLabel(window);
    FIndicator->setObjectName("lblAlarmIndicator");
    FIndicator->setStyleSheet("QLabel { background: red; color: white; padding: 0 4px; }");
    FIndicator->hide();
    window->statusBar()->addPermanentWidget(FIndicator);
    FAcknowledge = new QAction(tr("Acknowledge alarms"), window);
    FAcknowledge->setObjectName("AcknowledgeAlarms");
    FAcknowledge->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    window->addAction(FAcknowledge);
    connect(FAcknowledge, &QAction::triggered, this, &TAlarming::acknowledgeRequested);
    connect(FPanel, &TAlarmPanel::acknowledgeRequested, this, &TAlarming::acknowledgeRequested);
    FEvaluator->onEvent = [this](const AlarmLogEntry& e) { Event(e); };
}

TAlarming::~TAlarming() = default;

void TAlarming::Start() {
    FEvaluator->Start();
    Show();
}

void TAlarming::ReloadLimits() {
    FEvaluator->ReloadLimits();
    Show();
}

void TAlarming::FollowLog() {
    const QString stamp = FileStamp(FEvaluator->LogPath());
    if (stamp == FLogStamp)
        return;
    FLogStamp = stamp;
    const int before = int(FEvaluator->Alarms().size());
    if (!FEvaluator->Resume())
        return;
    const std::vector<AlarmLogEntry>& alarms = FEvaluator->Alarms();
    // Start took over what was there before: what came since is new here.
    for (size_t i = size_t(before); i < alarms.size(); ++i)
        Event(alarms[i]);
    Show();
}

void TAlarming::Acknowledge(const QString& by) {
    FEvaluator->Acknowledge(0, by);
    Show();
}

QString TAlarming::RaisedText(const AlarmLogEntry& e) {
    return tr("Alarm %1: channel %2 %3 is beyond its limit %4 %5 (%6 %5)")
        .arg(StoredMinuteForPeople(e.raised))
        .arg(e.channel)
        .arg(e.name, QString::fromLatin1(FormatAlarmValue(e.limit)), e.unit,
             QString::fromLatin1(FormatAlarmValue(e.peak)));
}

void TAlarming::Event(const AlarmLogEntry& e) {
    if (e.event == AlarmRaised) {
        if (FEnv.messages)
            FEnv.messages->Beep();
        Notify(RaisedText(e));
    }
    Show();
}

void TAlarming::Show() {
    FPanel->ShowAlarms(*FEvaluator);
    const int waiting = FEvaluator->UnacknowledgedCount();
    FIndicator->setText(tr("Alarms: %1 not acknowledged").arg(waiting));
    FIndicator->setVisible(waiting > 0);
    FAcknowledge->setEnabled(waiting > 0);
    emit changed();
}

void TAlarming::Notify(const QString& text) {
    FWindow->statusBar()->showMessage(text, StatusBarMessageMs);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage m = QDBusMessage::createMethodCall(
        "org.freedesktop.Notifications", "/org/freedesktop/Notifications",
        "org.freedesktop.Notifications", "Notify");
    m << QString("ZEDA") << uint(0) << QString("zeda") << tr("ZEDA alarm") << text
      << QStringList() << QVariantMap() << int(-1);
    // Never waits: a notification service that hangs must not stop the cycle.
    bus.asyncCall(m);
}
