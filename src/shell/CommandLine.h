#pragma once

#include <QString>
#include <QStringList>

// What the program was asked to do on its command line.
struct CommandLine {
    enum class Remote { None, Next, Previous, Clear, ToggleTimer, Settings, Quit };

    QString raw;        // the arguments joined by blanks, as typed
    bool logOn = false; // the whole command line, lower-cased, is "/y"
    Remote remote = Remote::None;
    bool help = false;
    bool version = false;
    // The first argument the program does not know; empty when all are known.
    QString unknown;

    static CommandLine parse(const QStringList& arguments); // without the program name
    // The message a running instance receives for this start.
    QString messageForRunningInstance() const;
};

// Help text for --help.
QString CommandLineUsage();
