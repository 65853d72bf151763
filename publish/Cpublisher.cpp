#include "publish/Cpublisher.h"

#include "config/Cmessages.h"
#include "publish/Fpayload.h"

#include <QCoreApplication>
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
    if (FSettings.host.trimmed().isEmpty() || !IsPublishTopic(FBaseTopic)) {
        SetState(PublishStatus::Off,
                 QCoreApplication::translate("Publishing",
                                             "Error - No broker or no valid topic is set!"));
        emit failed(FStatus.error);
        return;
    }
    auto state = std::make_unique<TPublishState>(FDir);
    if (!state->Lock(FOptions.program)) {
        SetState(PublishStatus::Refused, state->RefusalText());
        emit failed(FStatus.error);
        return;
    }
    WallMinute cursor = NoMinute;
    const TPublishState::ReadResult read = state->ReadCursor(cursor);
    if (read == TPublishState::Unreadable) {
        SetState(PublishStatus::Off,
                 QCoreApplication::translate("Publishing", "Error - File %1 cannot be read!")
                     .arg(state->Path()));
        emit failed(FStatus.error);
        return;
    }
    FState = std::move(state);
    FRunning = true;
    FEverConnected = false;
    FWriteFailed = false;
    FNewest = FWalker.NewestStored();
    FFirstStored = NoMinute;
    if (fromGiven) {
        FCursor = first - 1;
        FCursorDirty = true;
    } else if (read == TPublishState::Missing) {
        // The first time: what was stored before is not flooded out.
        FCursor = FNewest;
        FCursorDirty = true;
    } else {
        FCursor = cursor;
        FWritten = cursor;
        FCursorDirty = false;
    }
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
    SendMore();
    EmitStatus();
}

void TPublisher::OnConnected(int session) {
    FSession = session;
    FEverConnected = true;
    LoseFlight();
    SetState(PublishStatus::Connected);
    WriteCursor();
    emit connected();
    SendMore();
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
    FOtherMids.clear();
    FNextAfter = FCursor;
    FRetained = NoMinute;
    FExhausted = false;
    FCaughtUpTold = false;
}

void TPublisher::OnAcknowledged(int session, int mid) {
    if (session != FSession)
        return;
    if (FOtherMids.erase(mid) == 0) {
        for (InFlight& f : FInFlight) {
            if (f.mid == mid) {
                f.acked = true;
                break;
            }
        }
        // The cursor moves over the acknowledged minutes at the front only:
        // everything up to it has been acknowledged.
        const WallMinute before = FCursor;
        while (!FInFlight.empty() && FInFlight.front().acked) {
            FCursor = FInFlight.front().minute;
            FCursorSent = true;
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
        Prepare();
        if (FReady.empty())
            break;
        const Ready& r = FReady.front();
        const int mid = FLink->Publish(FSession, FMinuteTopic, r.payload, false);
        if (mid < 0)
            return; // the connection is gone; its loss is on the way
        FInFlight.push_back({r.minute, mid, false});
        FCaughtUpTold = false;
        ++FSent;
        if (r.stored) {
            FLastStored = r.minute;
            FLastPayload = r.payload;
        }
        FReady.pop_front();
    }
    if (FExhausted && FReady.empty())
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
    if (FExhausted && FReady.empty() && FInFlight.empty() && FOtherMids.empty() && FSession >= 0 &&
        !FCaughtUpTold) {
        FCaughtUpTold = true;
        EmitStatus();
        emit caughtUp();
    }
}

void TPublisher::WriteCursor() {
    if (!FState || (FOptions.cursorOnlyWhenConnected && !FEverConnected))
        return;
    if (FCursor == FWritten && !FCursorDirty)
        return;
    if (!FState->WriteCursor(FCursor)) {
        // Told once; publishing goes on, and a later write may succeed.
        if (!FWriteFailed)
            emit warning(CannotWriteText(FState->Path()));
        FWriteFailed = true;
        return;
    }
    FWriteFailed = false;
    FWritten = FCursor;
    FCursorDirty = false;
}

void TPublisher::SetState(PublishStatus::State state, const QString& error) {
    FStatus.state = state;
    FStatus.error = error;
    EmitStatus();
}

void TPublisher::EmitStatus() {
    FStatus.acknowledged = FCursor;
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
