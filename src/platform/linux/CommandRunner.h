#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Runs external programs with argument lists (never through a shell). The
// desktop setters use it so that tests can see the commands without a
// desktop to run them against.
class CommandRunner {
public:
    struct Result {
        bool started = false;
        int exitCode = -1;
        QByteArray output; // standard output
        bool ok() const { return started && exitCode == 0; }
    };
    virtual ~CommandRunner() = default;
    virtual Result run(const QString& program, const QStringList& arguments) = 0;
    // Whether the program can be found on the search path.
    virtual bool available(const QString& program) = 0;
};

// Runs the programs for real, waiting at most a few seconds for each.
class ProcessCommandRunner : public CommandRunner {
public:
    explicit ProcessCommandRunner(int timeoutMs = 10000) : m_timeoutMs(timeoutMs) {}
    Result run(const QString& program, const QStringList& arguments) override;
    bool available(const QString& program) override;

private:
    int m_timeoutMs;
};
