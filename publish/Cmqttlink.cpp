#include "publish/Cmqttlink.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <mosquitto.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <functional>
#include <mutex>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// How long one turn of the network loop waits for traffic: the longest a
// request to close waits for the thread.
constexpr int LoopWaitMs = 100;
// How long closing waits for the broker to take the "offline" status and
// the disconnection.
constexpr int GoodbyeMs = 1000;

const QByteArray Online = "online";
const QByteArray Offline = "offline";

void InitLibrary() {
    static std::once_flag once;
    std::call_once(once, [] { mosquitto_lib_init(); });
}

} // namespace

struct TMqttLink::Core {
    MqttTarget target;
    Options options;

    std::mutex ownerMutex;
    TMqttLink* owner = nullptr; // null once the link no longer listens

    std::mutex mosqMutex;      // guards mosq for Publish from other threads
    mosquitto* mosq = nullptr; // the client of the current connection
    std::atomic<bool> stop{false};
    std::atomic<bool> up{false};
    std::atomic<int> session{0};
    std::atomic<int> connack{-1};
    std::atomic<int> goodbyeMid{-1};
    std::atomic<bool> goodbyeAcked{false};

    std::mutex logMutex;
    QString lastLibraryError; // the library's last error line (TLS details)

    std::mutex waitMutex;
    std::condition_variable wake;
    bool done = false; // under waitMutex
    std::condition_variable doneCv;
    std::thread thread;

    // Runs f with the link in the link's own thread, if it still listens.
    void Tell(std::function<void(TMqttLink*)> f) {
        std::lock_guard<std::mutex> lock(ownerMutex);
        if (!owner)
            return;
        TMqttLink* link = owner;
        QMetaObject::invokeMethod(link, [link, f] { f(link); }, Qt::QueuedConnection);
    }

    void Run();
    bool Session(QString& error);
    mosquitto* NewClient(QString& error);
    void Goodbye(mosquitto* m);
    void Drop(mosquitto* m);
    // Runs the network loop until done() or the time is up; false when the
    // loop ended with an error.
    bool LoopUntil(mosquitto* m, int ms, const std::function<bool()>& done);
    QString ErrorText(int rc, int savedErrno);
    void Pause(int ms);
};

namespace {

TMqttLink::Core* CoreOf(void* obj) {
    return static_cast<TMqttLink::Core*>(obj);
}

void OnConnect(mosquitto* m, void* obj, int rc) {
    TMqttLink::Core* c = CoreOf(obj);
    c->connack = rc;
    if (rc != 0)
        return;
    c->up = true;
    if (!c->target.statusTopic.isEmpty())
        mosquitto_publish(m, nullptr, c->target.statusTopic.constData(), int(Online.size()),
                          Online.constData(), 1, true);
    const int session = c->session;
    c->Tell([session](TMqttLink* link) { emit link->connected(session); });
}

void OnPublish(mosquitto*, void* obj, int mid) {
    TMqttLink::Core* c = CoreOf(obj);
    if (mid == c->goodbyeMid)
        c->goodbyeAcked = true;
    const int session = c->session;
    c->Tell([session, mid](TMqttLink* link) { emit link->acknowledged(session, mid); });
}

void OnLog(mosquitto*, void* obj, int level, const char* text) {
    if (level != MOSQ_LOG_ERR || !text)
        return;
    TMqttLink::Core* c = CoreOf(obj);
    std::lock_guard<std::mutex> lock(c->logMutex);
    c->lastLibraryError = QString::fromUtf8(text);
}

} // namespace

QString TMqttLink::Core::ErrorText(int rc, int savedErrno) {
    if (rc == MOSQ_ERR_ERRNO)
        return QString::fromLocal8Bit(std::strerror(savedErrno));
    if (rc == MOSQ_ERR_EAI)
        return QCoreApplication::translate("Publishing", "the host name cannot be resolved");
    QString text = QString::fromUtf8(mosquitto_strerror(rc));
    std::lock_guard<std::mutex> lock(logMutex);
    if (rc == MOSQ_ERR_TLS && !lastLibraryError.isEmpty())
        text += " (" + lastLibraryError + ")";
    return text;
}

void TMqttLink::Core::Pause(int ms) {
    std::unique_lock<std::mutex> lock(waitMutex);
    wake.wait_for(lock, std::chrono::milliseconds(ms), [this] { return stop.load(); });
}

bool TMqttLink::Core::LoopUntil(mosquitto* m, int ms, const std::function<bool()>& done) {
    const auto end = Clock::now() + std::chrono::milliseconds(ms);
    while (!done() && Clock::now() < end) {
        if (mosquitto_loop(m, LoopWaitMs / 2, 1) != MOSQ_ERR_SUCCESS)
            return false;
    }
    return true;
}

mosquitto* TMqttLink::Core::NewClient(QString& error) {
    mosquitto* m = mosquitto_new(target.clientId.isEmpty() ? nullptr : target.clientId.constData(),
                                 true, this);
    if (!m) {
        // The library says EINVAL for a client id it refuses.
        error = QString::fromUtf8(mosquitto_strerror(errno == EINVAL ? MOSQ_ERR_INVAL
                                                                     : MOSQ_ERR_NOMEM));
        return nullptr;
    }
    mosquitto_threaded_set(m, true);
    mosquitto_connect_callback_set(m, OnConnect);
    mosquitto_publish_callback_set(m, OnPublish);
    mosquitto_log_callback_set(m, OnLog);
    // The sender bounds what is in flight; the library sends at once, each
    // message without waiting for the next (no Nagle delay).
    mosquitto_max_inflight_messages_set(m, 0);
    mosquitto_int_option(m, MOSQ_OPT_TCP_NODELAY, 1);
    // A will or credentials the library refuses would leave a connection
    // without them: the attempt fails instead.
    int rc = MOSQ_ERR_SUCCESS;
    if (!target.statusTopic.isEmpty())
        rc = mosquitto_will_set(m, target.statusTopic.constData(), int(Offline.size()),
                                Offline.constData(), 1, true);
    if (rc == MOSQ_ERR_SUCCESS && !target.user.isEmpty())
        rc = mosquitto_username_pw_set(m, target.user.constData(),
                                       target.password.isEmpty() ? nullptr
                                                                 : target.password.constData());
    if (rc != MOSQ_ERR_SUCCESS) {
        error = QString::fromUtf8(mosquitto_strerror(rc));
        mosquitto_destroy(m);
        return nullptr;
    }
    if (!target.caFile.isEmpty()) {
        const QString ca = QString::fromUtf8(target.caFile);
        if (!QFileInfo(ca).isReadable() ||
            mosquitto_tls_set(m, target.caFile.constData(), nullptr, nullptr, nullptr, nullptr) !=
                MOSQ_ERR_SUCCESS) {
            error =
                QCoreApplication::translate("Publishing", "the CA file %1 cannot be read").arg(ca);
            mosquitto_destroy(m);
            return nullptr;
        }
    }
    return m;
}

bool TMqttLink::Core::Session(QString& error) {
    mosquitto* m = NewClient(error);
    if (!m)
        return false;
    connack = -1;
    up = false;
    goodbyeMid = -1;
    goodbyeAcked = false;
    {
        std::lock_guard<std::mutex> lock(logMutex);
        lastLibraryError.clear();
    }
    {
        std::lock_guard<std::mutex> lock(mosqMutex);
        mosq = m;
        ++session;
    }
    // The name lookup happens here, on this thread; the connection itself
    // does not wait.
    int rc = mosquitto_connect_async(m, target.host.constData(), target.port,
                                     options.keepAliveS);
    if (rc != MOSQ_ERR_SUCCESS) {
        error = ErrorText(rc, errno);
        Drop(m);
        return false;
    }
    const auto deadline = Clock::now() + std::chrono::milliseconds(options.connectTimeoutMs);
    while (!stop) {
        rc = mosquitto_loop(m, LoopWaitMs, 1);
        const int savedErrno = errno;
        if (connack > 0) {
            error =
                QCoreApplication::translate("Publishing", "the broker refused the connection: %1")
                    .arg(QString::fromUtf8(mosquitto_connack_string(connack)));
            break;
        }
        if (rc != MOSQ_ERR_SUCCESS) {
            error = ErrorText(rc, savedErrno);
            break;
        }
        if (!up && Clock::now() > deadline) {
            error =
                QCoreApplication::translate("Publishing", "the broker did not answer within %1 s")
                    .arg(options.connectTimeoutMs / 1000.0, 0, 'g', 3);
            break;
        }
    }
    const bool wasUp = up;
    if (stop && wasUp)
        Goodbye(m);
    Drop(m);
    return wasUp;
}

void TMqttLink::Core::Goodbye(mosquitto* m) {
    int mid = -1;
    if (!target.statusTopic.isEmpty() &&
        mosquitto_publish(m, &mid, target.statusTopic.constData(), int(Offline.size()),
                          Offline.constData(), 1, true) == MOSQ_ERR_SUCCESS) {
        goodbyeMid = mid;
        if (!LoopUntil(m, GoodbyeMs, [this] { return goodbyeAcked.load(); }))
            return;
    }
    mosquitto_disconnect(m);
    LoopUntil(m, GoodbyeMs, [] { return false; });
}

void TMqttLink::Core::Drop(mosquitto* m) {
    {
        std::lock_guard<std::mutex> lock(mosqMutex);
        mosq = nullptr;
        up = false;
    }
    mosquitto_destroy(m);
}

void TMqttLink::Core::Run() {
    int pause = options.retryMs;
    while (!stop) {
        QString error;
        const bool wasUp = Session(error);
        if (stop)
            break;
        if (wasUp) {
            const int s = session;
            Tell([s, error](TMqttLink* link) { emit link->disconnected(s, error); });
            pause = options.retryMs;
        } else {
            Tell([error](TMqttLink* link) { emit link->attemptFailed(error); });
        }
        if (!options.retry)
            break;
        Pause(pause);
        pause = std::min(pause * 2, std::max(options.maxRetryMs, options.retryMs));
    }
    std::lock_guard<std::mutex> lock(waitMutex);
    done = true;
    doneCv.notify_all();
}

TMqttLink::TMqttLink(const MqttTarget& target, Options options, QObject* parent)
    : QObject(parent), FCore(std::make_shared<Core>()) {
    FCore->target = target;
    FCore->options = options;
    FCore->owner = this;
}

TMqttLink::~TMqttLink() {
    Close(closeWaitMs);
}

void TMqttLink::Open() {
    if (FCore->thread.joinable() || FCore->stop)
        return;
    InitLibrary();
    std::shared_ptr<Core> core = FCore;
    FCore->thread = std::thread([core] { core->Run(); });
}

void TMqttLink::Close(int waitMs) {
    Core& c = *FCore;
    {
        // Under the lock, so that a pause about to begin sees it.
        std::lock_guard<std::mutex> lock(c.waitMutex);
        c.stop = true;
    }
    c.wake.notify_all();
    if (c.thread.joinable()) {
        bool finished = false;
        {
            std::unique_lock<std::mutex> lock(c.waitMutex);
            finished = c.doneCv.wait_for(lock, std::chrono::milliseconds(std::max(waitMs, 0)),
                                         [&c] { return c.done; });
        }
        {
            std::lock_guard<std::mutex> lock(c.ownerMutex);
            c.owner = nullptr;
        }
        if (finished)
            c.thread.join();
        else
            c.thread.detach();
    }
    std::lock_guard<std::mutex> lock(c.ownerMutex);
    c.owner = nullptr;
}

int TMqttLink::Publish(int session, const QByteArray& topic, const QByteArray& payload,
                       bool retain) {
    Core& c = *FCore;
    std::lock_guard<std::mutex> lock(c.mosqMutex);
    if (!c.mosq || !c.up || c.session != session)
        return -1;
    int mid = -1;
    const int rc = mosquitto_publish(c.mosq, &mid, topic.constData(), int(payload.size()),
                                     payload.constData(), 1, retain);
    return rc == MOSQ_ERR_SUCCESS ? mid : -1;
}
