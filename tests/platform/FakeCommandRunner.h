#pragma once

#include "platform/linux/CommandRunner.h"

#include <QHash>

// Records the commands as "program arg1 arg2 ..." instead of running them;
// they all succeed, with canned output keyed by the same text.
struct FakeCommandRunner : CommandRunner {
    QStringList calls;
    QHash<QString, QByteArray> outputs;

    Result run(const QString& program, const QStringList& arguments) override {
        calls << program + QLatin1Char(' ') + arguments.join(QLatin1Char(' '));
        return {true, 0, outputs.value(calls.last())};
    }
    bool available(const QString&) override { return true; }
};
