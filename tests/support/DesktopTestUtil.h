#pragma once

// Helpers of the end-to-end tests that drive the built program and the X
// server from outside.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QThread>

// Runs a helper program to its end; its standard output.
inline QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(10000);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// Waits until the condition holds, keeping this process's events flowing.
template <typename F> bool waitFor(F condition, int ms = 10000) {
    for (QDeadlineTimer deadline(ms); !condition(); QThread::msleep(50)) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents();
    }
    return true;
}
