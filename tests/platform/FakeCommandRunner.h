#pragma once

#include "platform/linux/CommandRunner.h"

#include <QHash>
#include <vector>

// Records the commands instead of running them; answers with canned output
// keyed by "program arg1 arg2 ...".
struct FakeCommandRunner : CommandRunner {
    struct Call {
        QString program;
        QStringList args;
    };
    std::vector<Call> calls;
    QHash<QString, QByteArray> outputs;
    bool refuse = false;

    Result run(const QString& program, const QStringList& arguments) override {
        calls.push_back({program, arguments});
        Result r;
        r.started = true;
        r.exitCode = refuse ? 1 : 0;
        r.output = outputs.value(program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')));
        return r;
    }
    bool available(const QString&) override { return true; }

    QStringList lines() const {
        QStringList out;
        for (const Call& c : calls)
            out << c.program + QLatin1Char(' ') + c.args.join(QLatin1Char(' '));
        return out;
    }
};
