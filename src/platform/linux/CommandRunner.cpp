#include "platform/linux/CommandRunner.h"

#include <QProcess>
#include <QStandardPaths>

CommandRunner::Result ProcessCommandRunner::run(const QString& program,
                                                const QStringList& arguments) {
    Result r;
    const QString exe = QStandardPaths::findExecutable(program);
    if (exe.isEmpty()) return r;
    QProcess p;
    p.setProcessChannelMode(QProcess::SeparateChannels);
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(exe, arguments);
    if (!p.waitForStarted(m_timeoutMs)) return r;
    r.started = true;
    if (!p.waitForFinished(m_timeoutMs)) {
        p.kill();
        p.waitForFinished(1000);
        return r;
    }
    r.output = p.readAllStandardOutput();
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return r;
}

bool ProcessCommandRunner::available(const QString& program) {
    return !QStandardPaths::findExecutable(program).isEmpty();
}
