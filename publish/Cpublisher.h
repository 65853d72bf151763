#pragma once

#include "publish/Cmqttlink.h"
#include "publish/Cminutewalker.h"
#include "publish/Cpublishstate.h"
#include "publish/Fminutes.h"
#include "publish/Fpublishsettings.h"

#include <QByteArray>
#include <QMetaType>
#include <QObject>
#include <QString>

#include <deque>
#include <memory>
#include <set>

class QTimer;

// What the publisher is doing, for the status bar.
struct PublishStatus {
    enum State {
        Off,        // not publishing
        Refused,    // another publisher holds the data directory
        Connecting, // the first attempt is under way
        Connected,
        Waiting // no connection: tries again after a pause
    };
    State state = Off;
    QString broker;                     // "host:port"
    QString error;                      // why there is no connection
    WallMinute acknowledged = NoMinute; // the cursor
    qint64 backlog = 0;                 // stored minutes not acknowledged yet
    QString problem; // what holds publishing up: a cursor not saved, a month file
};
Q_DECLARE_METATYPE(PublishStatus)

// Publishes every minute of the month files after its cursor to the
// broker, in order, with a bounded number in flight, then follows new
// minutes as they are stored. The cursor moves only over minutes the broker
// acknowledged, so after an outage or a crash everything after it is sent
// again: at least once, and repeated at most as many as were in flight.
// Minutes stored behind the cursor after it passed them are sent too, once
// acknowledged never again, marked late. The lines of the alarm log go the
// same way, with a cursor of their own: each is sent until acknowledged,
// in order, and the set of active alarms after them is kept retained.
// Lives in one thread (its link has its own); every slot returns at once.
class TPublisher : public QObject {
    Q_OBJECT
public:
    struct Options {
        int maxInFlight = 100;
        int pollMs = 5000;        // how often the files are looked at untold
        int cursorWriteMs = 1000; // how often a moved cursor is written
        // The cursor file stays as it was until a broker answered.
        bool cursorOnlyWhenConnected = false;
        QString program = QStringLiteral("zeda"); // names the holder of the lock
        TMqttLink::Options link;
        int closeWaitMs = 3000;
        int lockWaitMs = TFileAccess::LockWaitMs;
    };

    TPublisher(QString dataDir, PublishSettings settings, QByteArray location, Options options,
               QObject* parent = nullptr);
    ~TPublisher() override;

    PublishStatus Status() const { return FStatus; }
    // Minutes handed to the broker, repeats included.
    qint64 SentCount() const { return FSent; }
    // Why the cursor could not be saved the last time, or empty.
    QString CursorProblem() const { return FCursorProblem; }
    // The same as the error of a publisher that ends with it: what was
    // delivered and is sent again; empty when the cursor was saved.
    QString CursorError() const;
    QString BaseTopic() const { return FBaseTopic; }

public slots:
    // Publishes after the cursor; the first time after the newest stored
    // minute.
    void Start();
    // Publishes from that minute on, whatever the cursor says.
    void StartFrom(qint64 firstMinute);
    // Writes the cursor, says "offline" and disconnects.
    void Stop();
    // Minutes were stored: publish them now.
    void MinutesStored();

signals:
    // Publishing cannot begin: another publisher, an unreadable cursor, no
    // broker set. The message for the user.
    void failed(const QString& message);
    void attemptFailed(const QString& message);
    void connectionLost(const QString& message);
    void warning(const QString& message);
    void connected();
    // Every stored minute has been acknowledged.
    void caughtUp();
    // Every minute before a month file that cannot be read now (busy) or at
    // all (damaged) has been acknowledged; the message says which. Told once
    // until the walk gets past it.
    void stalled(const QString& message, bool lasting);
    // The cursor moved: every minute up to this one has been acknowledged.
    void progressed(qint64 cursor);
    void statusChanged(const PublishStatus& status);
    void stopped();

private:
    struct InFlight {
        WallMinute minute;
        int mid;
        bool acked;
        bool stored;
        bool late;
    };
    // A minute read from the files and made into its message, not sent yet.
    struct Ready {
        WallMinute minute;
        bool stored;
        QByteArray payload;
        bool late = false;
    };

    void Begin(bool fromGiven, WallMinute first);
    // The cursor and the acknowledged stored minutes to begin with; false
    // with the message when publishing cannot begin.
    bool TakeCursor(TPublishState& state, bool fromGiven, WallMinute first, QString& error);
    // Queues the minutes stored behind the cursor that were not sent.
    void FindLate();
    // Notes why the walk stopped early, or that it did not.
    void NoteBlock();
    MqttTarget Target() const;
    void OnConnected(int session);
    void OnAttemptFailed(const QString& error);
    void OnDisconnected(int session, const QString& error);
    void OnAcknowledged(int session, int mid);
    void SendMore();
    // Reads the next minutes into the ready queue when it runs low.
    void Prepare();
    // The newest stored minute as the last retained message, once all is sent.
    void SendLast();
    void CheckCaughtUp();
    void Look();
    void WriteCursor();
    void SetState(PublishStatus::State state, const QString& error = {});
    void EmitStatus();
    WallMinute BacklogStart();
    void LoseFlight();
    // Takes the complete lines of the alarm log as they are now.
    void ReadAlarms();
    // The next alarm line after the alarm cursor, one at a time until the
    // broker acknowledged it, then the active set, retained, when it changed.
    void SendAlarms();
    // An acknowledgement of an alarm message; false for another message.
    bool AlarmAcknowledged(int mid);

    QString FDir;
    PublishSettings FSettings;
    QByteArray FLocation;
    Options FOptions;
    QString FBaseTopic;
    QByteArray FMinuteTopic;
    QByteArray FLastTopic;
    QByteArray FAlarmTopic;
    QByteArray FActiveTopic;
    TMinuteWalker FWalker;
    std::unique_ptr<TPublishState> FState;
    std::unique_ptr<TMqttLink> FLink;
    QTimer* FCursorTimer = nullptr;
    QTimer* FPollTimer = nullptr;
    PublishStatus FStatus;

    bool FRunning = false;
    bool FEverConnected = false;
    int FSession = -1;
    WallMinute FCursor = NoMinute;
    // The cursor's minute belongs to the stream (it was sent, or it is the
    // newest stored minute the stream starts after): the minutes without
    // data right after it are sent too.
    bool FCursorSent = false;
    WallMinute FWritten = NoMinute;
    bool FCursorDirty = false;
    bool FWriteFailed = false;
    WallMinute FNextAfter = NoMinute; // the last minute read from the files
    WallMinute FNewest = NoMinute;    // the newest stored minute known
    WallMinute FFirstStored = NoMinute; // while nothing was acknowledged yet
    WallMinute FRetained = NoMinute;  // the minute sent retained as the last
    WallMinute FLastStored = NoMinute;
    QByteArray FLastPayload;
    std::deque<Ready> FReady;
    std::deque<Ready> FLate;              // late minutes, not sent yet
    std::set<WallMinute> FLateQueued;     // late minutes queued or in flight
    TMinuteRuns FPublished;               // acknowledged stored minutes
    QString FCursorProblem;
    QString FCursorWhy;
    QString FBlockText;                   // why the walk stopped early
    bool FBlockLasting = false;
    QString FStallTold;
    std::deque<InFlight> FInFlight;
    std::set<int> FOtherMids; // retained messages in flight
    bool FExhausted = false;  // no more minutes the last time the walker looked
    bool FCaughtUpTold = false;
    qint64 FSent = 0;
    // The alarm log's complete lines as last read, how many of them the
    // broker acknowledged, and what is in flight of them.
    std::vector<QByteArray> FAlarmLines;
    qint64 FAlarmCursor = 0;
    int FAlarmMid = -1;
    int FActiveMid = -1;
    QByteArray FActivePending; // the active set in flight
    QByteArray FActiveSent;    // the active set the broker acknowledged
};
