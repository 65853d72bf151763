#pragma once

// A real mosquitto broker for tests and benchmarks: started on a free
// loopback port with a configuration written here, as a child process, and
// stopped with it. TLS material comes from openssl, made on the spot.

#include <QByteArray>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

// A loopback port nobody listens on at this moment.
inline int FreePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) == 0)
        port = ntohs(a.sin_port);
    ::close(fd);
    return port;
}

// A loopback listener that takes connections into its backlog and never
// answers them: a broker that does not respond.
class TSilentListener {
public:
    TSilentListener() {
        FFd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof a;
        if (::bind(FFd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 && ::listen(FFd, 16) == 0 &&
            ::getsockname(FFd, reinterpret_cast<sockaddr*>(&a), &len) == 0)
            FPort = ntohs(a.sin_port);
    }
    ~TSilentListener() { ::close(FFd); }
    TSilentListener(const TSilentListener&) = delete;
    TSilentListener& operator=(const TSilentListener&) = delete;
    int Port() const { return FPort; }

private:
    int FFd = -1;
    int FPort = 0;
};

// Runs openssl; true when it succeeded.
inline bool OpenSsl(const QStringList& args, const QString& dir) {
    QProcess p;
    p.setWorkingDirectory(dir);
    p.start(QStringLiteral("openssl"), args);
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit &&
           p.exitCode() == 0;
}

// A CA ("ca.crt") and a server certificate for localhost and 127.0.0.1
// signed by it ("server.crt", "server.key") in dir, and a second CA that
// signed nothing ("other.crt").
inline bool MakeCertificates(const QString& dir) {
    QFile ext(QDir(dir).filePath("san.cnf"));
    if (!ext.open(QIODevice::WriteOnly) ||
        ext.write("subjectAltName=DNS:localhost,IP:127.0.0.1\n") < 0)
        return false;
    ext.close();
    const QString days = QStringLiteral("2");
    return OpenSsl({"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", "ca.key", "-out",
                    "ca.crt", "-days", days, "-subj", "/CN=ZEDA test CA"},
                   dir) &&
           OpenSsl({"req", "-newkey", "rsa:2048", "-nodes", "-keyout", "server.key", "-out",
                    "server.csr", "-subj", "/CN=localhost"},
                   dir) &&
           OpenSsl({"x509", "-req", "-in", "server.csr", "-CA", "ca.crt", "-CAkey", "ca.key",
                    "-CAcreateserial", "-out", "server.crt", "-days", days, "-extfile",
                    "san.cnf"},
                   dir) &&
           OpenSsl({"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", "other.key",
                    "-out", "other.crt", "-days", days, "-subj", "/CN=Another CA"},
                   dir);
}

// mosquitto with its configuration, persistence and log in a directory.
class TBroker {
public:
    // The broker's own queue towards subscribers: one message in flight at
    // a time (so it repeats at most one after a restart, and keeps the
    // order) and no limit on what it queues for a subscriber that is away.
    explicit TBroker(const QString& dir) : FDir(dir) {}
    ~TBroker() { Stop(); }

    int Port() const { return FPort; }
    int TlsPort() const { return FTlsPort; }
    QString Dir() const { return FDir; }

    // Plain listener on a free port; with tls also a TLS listener with the
    // certificates of MakeCertificates in the directory. Without anonymous
    // every client is refused (nobody has a password).
    bool Start(bool tls = false, bool anonymous = true) {
        FPort = FreePort();
        FTlsPort = tls ? FreePort() : 0;
        QByteArray conf = "per_listener_settings false\nallow_anonymous " +
                          QByteArray(anonymous ? "true" : "false") +
                          "\npersistence true\npersistence_location " +
                          QFile::encodeName(FDir) +
                          "/\nmax_inflight_messages 1\nmax_queued_messages 0\n"
                          "log_dest stderr\nlog_type error\nlog_type warning\nlog_type notice\n"
                          "log_type information\n"
                          "listener " +
                          QByteArray::number(FPort) + " 127.0.0.1\n";
        if (::getuid() == 0)
            conf += "user root\n";
        if (tls)
            conf += "listener " + QByteArray::number(FTlsPort) + " 127.0.0.1\ncafile " +
                    QFile::encodeName(FDir) + "/ca.crt\ncertfile " + QFile::encodeName(FDir) +
                    "/server.crt\nkeyfile " + QFile::encodeName(FDir) + "/server.key\n";
        QFile f(QDir(FDir).filePath("mosquitto.conf"));
        if (!f.open(QIODevice::WriteOnly) || f.write(conf) != conf.size())
            return false;
        f.close();
        return Run();
    }

    // Starts it again on the same ports, with what it saved.
    bool Restart() { return Run(); }

    // SIGTERM: it saves its queues and ends.
    void Stop() {
        Terminate();
        WaitStopped();
    }
    // SIGTERM without waiting: clients go on talking to it while it ends.
    void Terminate() {
        if (FProcess.state() != QProcess::NotRunning)
            FProcess.terminate();
    }
    bool WaitStopped() {
        return FProcess.state() == QProcess::NotRunning || FProcess.waitForFinished(10000);
    }

    QByteArray Log() { return FLog += FProcess.readAllStandardError(); }

private:
    // Starts the broker and waits until it says it is running.
    bool Run() {
        const QString program =
            QStandardPaths::findExecutable("mosquitto", {"/usr/sbin", "/usr/local/sbin"});
        if (program.isEmpty())
            return false;
        // It logs to stderr, which is what waitForReadyRead waits for.
        FProcess.setReadChannel(QProcess::StandardError);
        FProcess.start(program, {"-c", QDir(FDir).filePath("mosquitto.conf")});
        if (!FProcess.waitForStarted(10000))
            return false;
        const QDeadlineTimer deadline(10000);
        QByteArray log;
        while (!deadline.hasExpired() && !log.contains(" running")) {
            if (FProcess.state() == QProcess::NotRunning)
                break;
            FProcess.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())));
            log += FProcess.readAllStandardError();
        }
        FLog += log;
        return log.contains(" running");
    }

    QString FDir;
    QProcess FProcess;
    QByteArray FLog;
    int FPort = 0;
    int FTlsPort = 0;
};
