#include "publish/Cpublisher.h"

#include "config/Cmessages.h"
#include "files/Falarmlog.h"
#include "publish/Falarmtopics.h"
#include "publish/Fpayload.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTimer>

TPublisher::TPublisher(QString dataDir, PublishSettings settings, QByteArray location,
                       Options options, QObject* parent)
    : QObject(parent), FDir(std::move(dataDir)), FSettings(std::move(settings)),
      FLocation(std::move(location)), FOptions(std::move(options)),
      FWalker(FDir, FOptions.lockWaitMs) {
    qRegisterMetaType<PublishStatus>();
    FBaseTopic = ::BaseTopic(FSettings, FLocation);
    FMinuteTopic = (FBaseTopic + "/minute").toUtf8();
    FLastTopic = (FBaseTopic + "/last").toUtf8();
    FAlarmTopic = (FBaseTopic + "/alarm").toUtf8();
    FActiveTopic = (FBaseTopic + "/alarms/active").toUtf8();
    FStatus.broker = FSettings.host + ':' + QString::number(EffectivePort(FSettings));
    FCursorTimer = new QTimer(this);
    FCursorTimer->setInterval(FOptions.cursorWriteMs);
    connect(FCursorTimer, &QTimer::timeout, this, [this] {
        WriteCursor();
        EmitStatus();
    });
    FPollTimer = new QTimer(this);
    FPollTimer->setInterval(FOptions.pollMs);
    connect(FPollTimer, &QTimer::timeout, this, &TPublisher::Look);
}

TPublisher::~TPublisher() {
    if (FRunning) {
        WriteCursor();
        FLink.reset();
    }
}

void TPublisher::Start() {
    Begin(false, NoMinute);
}

void TPublisher::StartFrom(qint64 firstMinute) {
    Begin(true, firstMinute);
}

MqttTarget TPublisher::Target() const {
    MqttTarget t;
    t.host = FSettings.host.toUtf8();
    t.port = EffectivePort(FSettings);
    t.clientId = FSettings.clientId.toUtf8();
    t.user = FSettings.user.toUtf8();
    t.password = FSettings.password.toUtf8();
    t.caFile = QFile::encodeName(FSettings.caFile);
    t.statusTopic = (FBaseTopic + "/status").toUtf8();
    return t;
}

void TPublisher::Begin(bool fromGiven, WallMinute first) {
    if (FRunning)
        return;
    QString fault = PublishSettingsFault(FSettings, FLocation);
    if (fault.isEmpty() && FSettings.host.trimmed().isEmpty())
        fault = QCoreApplication::translate("Publishing",
                                            "Error - No broker or no valid topic is set!");
    if (!fault.isEmpty()) {
        SetState(PublishStatus::Off, fault);
        emit failed(FStatus.error);
        return;
    }
    auto state = std::make_unique<TPublishState>(FDir);
    if (!state->Lock(FOptions.program)) {
        SetState(PublishStatus::Refused, state->RefusalText());
        emit failed(FStatus.error);
        return;
    }
    QString error;
    if (!TakeCursor(*state, fromGiven, first, error)) {
        SetState(PublishStatus::Off, error);
        emit failed(FStatus.error);
        return;
    }
    FState = std::move(state);
    FRunning = true;
    FEverConnected = false;
    FWriteFailed = false;
    FCursorProblem.clear();
    FFirstStored = NoMinute;
    FCursorSent = !fromGiven && FCursor != NoMinute;
    FNextAfter = FCursor;
    if (!FOptions.cursorOnlyWhenConnected)
        WriteCursor();
    FLink = std::make_unique<TMqttLink>(Target(), FOptions.link);
    FLink->closeWaitMs = FOptions.closeWaitMs;
    connect(FLink.get(), &TMqttLink::connected, this, &TPublisher::OnConnected);
    connect(FLink.get(), &TMqttLink::attemptFailed, this, &TPublisher::OnAttemptFailed);
    connect(FLink.get(), &TMqttLink::disconnected, this, &TPublisher::OnDisconnected);
    connect(FLink.get(), &TMqttLink::acknowledged, this, &TPublisher::OnAcknowledged);
    SetState(PublishStatus::Connecting);
    FLink->Open();
    FCursorTimer->start();
    FPollTimer->start();
}

bool TPublisher::TakeCursor(TPublishState& state, bool fromGiven, WallMinute first,
                            QString& error) {
    WallMinute cursor = NoMinute;
    TMinuteRuns published;
    bool known = false;
    const TPublishState::ReadResult read = state.ReadState(cursor, published, known, &FAlarmCursor);
    if (read == TPublishState::Unreadable) {
        error = QCoreApplication::translate("Publishing", "Error - File %1 cannot be read!")
                    .arg(state.Path());
        return false;
    }
    FNewest = FWalker.NewestStored();
    // A busy or damaged newest file leaves the newest minute unknown.
    const bool newestKnown = FWalker.Blocking().kind == TMinuteWalker::Block::None;
    const auto text = [](WallMinute m) {
        return m == NoMinute ? QCoreApplication::translate("Publishing", "none")
                             : QString::fromLatin1(MinuteText(FromWallMinute(m)));
    };
    if (fromGiven) {
        if (newestKnown && (FNewest == NoMinute || first > FNewest)) {
            error = QCoreApplication::translate(
                        "Publishing",
                        "Error - Publishing cannot begin at %1: the newest stored minute is %2!")
                        .arg(text(first), text(FNewest));
            return false;
        }
        FCursor = first - 1;
        FCursorDirty = true;
    } else if (read == TPublishState::Missing) {
        // The first time: what was stored before is not flooded out.
        FCursor = FNewest;
        FCursorDirty = true;
    } else {
        FCursor = cursor;
        FWritten = cursor;
        FCursorDirty = !known;
        if (newestKnown && cursor != NoMinute && (FNewest == NoMinute || cursor > FNewest)) {
            // An older version moved the cursor past what is stored; this one never does.
            if (known) {
                error = QCoreApplication::translate(
                            "Publishing",
                            "Error - The cursor %1 in %2 lies after the newest stored minute %3!")
                            .arg(text(cursor), state.Path(), text(FNewest));
                return false;
            }
            emit warning(QCoreApplication::translate(
                             "Publishing", "Warning - The cursor %1 in %2 lay after the newest "
                                           "stored minute %3; it is set back to it.")
                             .arg(text(cursor), state.Path(), text(FNewest)));
            FCursor = FNewest;
            FCursorDirty = true;
        }
    }
    // Without a record of what was sent (the first time, an older
    // version's file), everything stored up to the cursor counts as sent.
    if (read == TPublishState::Read && known) {
        FPublished = published;
        FPublished.ForgetAfter(FCursor);
    } else {
        FPublished = FWalker.StoredUpTo(FCursor);
        FCursorDirty = true;
    }
    const WallMinute oldest = FWalker.OldestMonthStart();
    if (oldest != NoMinute)
        FPublished.ForgetBefore(oldest);
    return true;
}

void TPublisher::Stop() {
    if (FRunning) {
        FCursorTimer->stop();
        FPollTimer->stop();
        // Says "offline" and disconnects. The broker acknowledges in order,
        // so the acknowledgements of what was sent before are in by then;
        // they move the cursor before it is written. What is still in
        // flight is sent again by the next publisher.
        FLink->Close(FOptions.closeWaitMs);
        QCoreApplication::sendPostedEvents(FLink.get(), QEvent::MetaCall);
        WriteCursor();
        FLink.reset();
        FState.reset();
        FRunning = false;
        FSession = -1;
        LoseFlight();
        SetState(PublishStatus::Off);
    }
    emit stopped();
}

void TPublisher::MinutesStored() {
    Look();
}

void TPublisher::Look() {
    if (!FRunning)
        return;
    FNewest = std::max(FNewest, FWalker.NewestStored());
    FExhausted = false;
    FindLate();
    SendMore();
    ReadAlarms();
    SendAlarms();
    EmitStatus();
}

void TPublisher::FindLate() {
    if (FSession < 0 || !FLate.empty())
        return;
    const std::vector<PublishedMinute> late =
        FWalker.Late(FCursor, FPublished, FLateQueued, FOptions.maxInFlight);
    for (const PublishedMinute& m : late) {
        FLate.push_back({m.wall, true, MinutePayload(m), true});
        FLateQueued.insert(m.wall);
    }
}

void TPublisher::OnConnected(int session) {
    FSession = session;
    FEverConnected = true;
    LoseFlight();
    SetState(PublishStatus::Connected);
    WriteCursor();
    emit connected();
    FindLate();
    SendMore();
    // A broker that lost its retained messages gets the active set again.
    FActiveSent.clear();
    ReadAlarms();
    SendAlarms();
}

void TPublisher::OnAttemptFailed(const QString& error) {
    SetState(PublishStatus::Waiting,
             QCoreApplication::translate("Publishing", "Error - No connection to the broker %1: %2")
                 .arg(FStatus.broker, error));
    emit attemptFailed(FStatus.error);
}

void TPublisher::OnDisconnected(int session, const QString& error) {
    if (session != FSession)
        return;
    FSession = -1;
    LoseFlight();
    WriteCursor();
    SetState(PublishStatus::Waiting,
             QCoreApplication::translate("Publishing",
                                         "Warning - The connection to the broker %1 was lost: %2")
                 .arg(FStatus.broker, error));
    emit connectionLost(FStatus.error);
}

void TPublisher::LoseFlight() {
    // What was not acknowledged is sent again, from the cursor on.
    FInFlight.clear();
    FReady.clear();
    FLate.clear();
    FLateQueued.clear();
    FOtherMids.clear();
    FAlarmMid = -1;
    FActiveMid = -1;
    FNextAfter = FCursor;
    FRetained = NoMinute;
    FExhausted = false;
    FCaughtUpTold = false;
}

void TPublisher::OnAcknowledged(int session, int mid) {
    if (session != FSession || AlarmAcknowledged(mid))
        return;
    if (FOtherMids.erase(mid) == 0) {
        for (InFlight& f : FInFlight) {
            if (f.mid == mid) {
                f.acked = true;
                if (f.late) {
                    FPublished.Add(f.minute);
                    FLateQueued.erase(f.minute);
                    FCursorDirty = true;
                }
                break;
            }
        }
        // The cursor moves over the acknowledged minutes at the front only:
        // everything up to it has been acknowledged. Late minutes lie
        // behind it and do not move it.
        const WallMinute before = FCursor;
        while (!FInFlight.empty() && FInFlight.front().acked) {
            const InFlight& f = FInFlight.front();
            if (!f.late) {
                FCursor = f.minute;
                FCursorSent = true;
                if (f.stored)
                    FPublished.Add(f.minute);
            }
            FInFlight.pop_front();
        }
        if (FCursor != before)
            emit progressed(FCursor);
        SendMore();
    }
    CheckCaughtUp();
}

void TPublisher::Prepare() {
    // Half a window ahead: one read of the files serves many messages.
    if (FExhausted || int(FReady.size()) > FOptions.maxInFlight / 2)
        return;
    const std::vector<PublishedMinute> batch =
        FWalker.Next(FNextAfter, FOptions.maxInFlight, FNextAfter != FCursor || FCursorSent);
    NoteBlock();
    if (batch.empty()) {
        FExhausted = true;
        return;
    }
    for (const PublishedMinute& m : batch)
        FReady.push_back({m.wall, m.stored, MinutePayload(m)});
    FNextAfter = batch.back().wall;
    FNewest = std::max(FNewest, FNextAfter);
}

void TPublisher::SendMore() {
    if (FSession < 0 || !FLink)
        return;
    // One message for each acknowledgement keeps the window full, so the
    // connection never falls idle in the middle of a backlog.
    while (int(FInFlight.size()) < FOptions.maxInFlight) {
        if (FLate.empty())
            Prepare();
        std::deque<Ready>& queue = FLate.empty() ? FReady : FLate;
        if (queue.empty())
            break;
        const Ready& r = queue.front();
        const int mid = FLink->Publish(FSession, FMinuteTopic, r.payload, false);
        if (mid < 0)
            return; // the connection is gone; its loss is on the way
        FInFlight.push_back({r.minute, mid, false, r.stored, r.late});
        FCaughtUpTold = false;
        ++FSent;
        if (r.stored && !r.late) {
            FLastStored = r.minute;
            FLastPayload = r.payload;
        }
        queue.pop_front();
    }
    if (FExhausted && FReady.empty() && FLate.empty())
        SendLast();
    CheckCaughtUp();
}

void TPublisher::SendLast() {
    if (FLastPayload.isEmpty() || FLastStored <= FRetained)
        return;
    const int mid = FLink->Publish(FSession, FLastTopic, FLastPayload, true);
    if (mid < 0)
        return;
    FOtherMids.insert(mid);
    FRetained = FLastStored;
}

void TPublisher::CheckCaughtUp() {
    if (!FExhausted || !FReady.empty() || !FLate.empty() || !FInFlight.empty() ||
        !FOtherMids.empty() || FSession < 0 || FAlarmMid >= 0 || FActiveMid >= 0)
        return;
    if (!FBlockText.isEmpty()) {
        if (FStallTold != FBlockText) {
            FStallTold = FBlockText;
            EmitStatus();
            emit stalled(FBlockText, FBlockLasting);
        }
        return;
    }
    if (!FCaughtUpTold) {
        FCaughtUpTold = true;
        EmitStatus();
        emit caughtUp();
    }
}

void TPublisher::NoteBlock() {
    const TMinuteWalker::Block block = FWalker.Blocking();
    FBlockLasting = block.kind == TMinuteWalker::Block::Damaged;
    switch (block.kind) {
    case TMinuteWalker::Block::None:
        FBlockText.clear();
        FStallTold.clear();
        return;
    case TMinuteWalker::Block::Busy:
        FBlockText = QCoreApplication::translate(
                         "Publishing",
                         "Warning - The month file %1 is busy; publishing waits before its minutes.")
                         .arg(block.path);
        return;
    case TMinuteWalker::Block::Damaged:
        FBlockText = QCoreApplication::translate(
                         "Publishing",
                         "Error - %1 is not a valid month file; publishing stops before its minutes!")
                         .arg(block.path);
        return;
    case TMinuteWalker::Block::Unreadable:
        FBlockText = QCoreApplication::translate("Publishing",
                                                 "Warning - A day of the month file %1 cannot be "
                                                 "read; publishing waits before its minutes.")
                         .arg(block.path);
        return;
    }
}

void TPublisher::WriteCursor() {
    if (!FState || (FOptions.cursorOnlyWhenConnected && !FEverConnected))
        return;
    if (FCursor == FWritten && !FCursorDirty)
        return;
    QString why;
    if (!FState->WriteState(FCursor, FPublished, why, FAlarmCursor)) {
        // Told once; publishing goes on, and a later write may succeed.
        FCursorWhy = why;
        FCursorProblem =
            QCoreApplication::translate("Publishing", "Warning - The cursor cannot be saved in %1: %2!")
                .arg(FState->Path(), why);
        if (!FWriteFailed)
            emit warning(FCursorProblem);
        FWriteFailed = true;
        return;
    }
    FWriteFailed = false;
    FCursorProblem.clear();
    FWritten = FCursor;
    FCursorDirty = false;
}

QString TPublisher::CursorError() const {
    if (FCursorProblem.isEmpty())
        return {};
    return QCoreApplication::translate("Publishing",
                                       "Error - The cursor cannot be saved in %1: %2! The minutes "
                                       "up to %3 were delivered to the broker; the next start "
                                       "sends them again.")
        .arg(QDir(FDir).filePath("publish.state"), FCursorWhy,
             FCursor == NoMinute ? QCoreApplication::translate("Publishing", "none")
                                 : QString::fromLatin1(MinuteText(FromWallMinute(FCursor))));
}

void TPublisher::SetState(PublishStatus::State state, const QString& error) {
    FStatus.state = state;
    FStatus.error = error;
    EmitStatus();
}

void TPublisher::EmitStatus() {
    FStatus.acknowledged = FCursor;
    FStatus.problem = !FCursorProblem.isEmpty() ? FCursorProblem : FBlockText;
    const WallMinute start = BacklogStart();
    FStatus.backlog = start != NoMinute && FNewest > start ? FNewest - start : 0;
    emit statusChanged(FStatus);
}

WallMinute TPublisher::BacklogStart() {
    if (FCursor != NoMinute)
        return FCursor;
    // Enabled before anything was stored: the backlog begins at the first
    // stored minute, not at the first minute of the calendar.
    if (FFirstStored == NoMinute && FNewest != NoMinute) {
        const std::vector<PublishedMinute> first = FWalker.Next(NoMinute, 1, false);
        if (!first.empty())
            FFirstStored = first.front().wall;
    }
    return FFirstStored == NoMinute ? NoMinute : FFirstStored - 1;
}

void TPublisher::ReadAlarms() {
    QFile file(AlarmLogPath(FDir));
    if (!file.exists()) {
        FAlarmLines.clear();
        return;
    }
    // A log that cannot be read now is looked at again the next time.
    if (!file.open(QIODevice::ReadOnly))
        return;
    FAlarmLines = CompleteLogLines(file.readAll());
    if (qint64(FAlarmLines.size()) < FAlarmCursor) {
        // Shorter than what was sent: a new log, sent from its start.
        FAlarmCursor = 0;
        FCursorDirty = true;
    }
}

void TPublisher::SendAlarms() {
    if (FSession < 0 || !FLink || FAlarmMid >= 0 || FActiveMid >= 0)
        return;
    while (FAlarmCursor < qint64(FAlarmLines.size())) {
        const QByteArray& line = FAlarmLines[size_t(FAlarmCursor)];
        AlarmLogEntry e;
        if (!ParseAlarmLogLine(line, e)) {
            // A line a crash tore off, ended by the next append: nothing to tell.
            ++FAlarmCursor;
            FCursorDirty = true;
            continue;
        }
        FAlarmMid = FLink->Publish(FSession, FAlarmTopic, line, false);
        return;
    }
    if (FAlarmLines.empty())
        return;
    const QByteArray active = ActiveAlarmsJson(FAlarmLines);
    if (active == FActiveSent)
        return;
    FActiveMid = FLink->Publish(FSession, FActiveTopic, active, true);
    FActivePending = active;
}

bool TPublisher::AlarmAcknowledged(int mid) {
    if (mid != FAlarmMid && mid != FActiveMid)
        return false;
    if (mid == FAlarmMid) {
        FAlarmMid = -1;
        ++FAlarmCursor;
        FCursorDirty = true;
    } else {
        FActiveMid = -1;
        FActiveSent = FActivePending;
    }
    SendAlarms();
    CheckCaughtUp();
    return true;
}
