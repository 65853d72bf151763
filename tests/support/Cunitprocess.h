#pragma once

#include <QDeadlineTimer>
#include <QProcess>
#include <QStringList>

// The unit emulator zeda-unit on a pseudo-terminal of its own, for as long
// as this object lives. Path() is the device the program opens.
class TUnitProcess {
public:
    explicit TUnitProcess(const QString& program) : FProgram(program) {}
    ~TUnitProcess() { Stop(); }

    // Starts it with --pty and the given options; false when it printed no
    // path within ten seconds.
    bool Start(const QStringList& options) {
        FProcess.start(FProgram, QStringList{"--pty"} + options);
        if (!FProcess.waitForStarted(10000))
            return false;
        const QDeadlineTimer deadline(10000);
        while (!FProcess.canReadLine() && !deadline.hasExpired())
            FProcess.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())));
        FPath = FProcess.readLine().trimmed();
        return !FPath.isEmpty();
    }

    // Ends it; what it wrote to stderr (its fault counts among it).
    QByteArray Stop() {
        if (FProcess.state() != QProcess::NotRunning) {
            FProcess.terminate();
            FProcess.waitForFinished(10000);
        }
        return FProcess.readAllStandardError();
    }

    QByteArray Path() const { return FPath; }

private:
    QString FProgram;
    QProcess FProcess;
    QByteArray FPath;
};
