#include "shell/CommandLine.h"

#include "shell/Messages.h"

#include <QCoreApplication>

CommandLine CommandLine::parse(const QStringList& arguments) {
    CommandLine cl;
    cl.raw = arguments.join(QLatin1Char(' '));
    cl.logOn = cl.raw.toLower() == QLatin1String("/y");
    if (cl.logOn) return cl;
    // Only what starts with "-" is an option. Anything else (a file name an
    // old launcher or log-on entry passes, the log-on switch with blanks or
    // beside other words) is a manual start, as if nothing were given.
    QStringList options;
    for (const QString& a : arguments)
        if (a.startsWith(QLatin1Char('-'))) options << a;
    if (options.isEmpty()) return cl;
    // One option at a time; an option the program does not know is refused
    // rather than taken for a plain start.
    const QString& a = options.constFirst();
    if (options.size() > 1)
        cl.unknown = a;
    else if (a == QLatin1String("--next"))
        cl.remote = Remote::Next;
    else if (a == QLatin1String("--previous"))
        cl.remote = Remote::Previous;
    else if (a == QLatin1String("--clear"))
        cl.remote = Remote::Clear;
    else if (a == QLatin1String("--toggle-timer"))
        cl.remote = Remote::ToggleTimer;
    else if (a == QLatin1String("--settings"))
        cl.remote = Remote::Settings;
    else if (a == QLatin1String("--quit"))
        cl.remote = Remote::Quit;
    else if (a == QLatin1String("--help") || a == QLatin1String("-h"))
        cl.help = true;
    else if (a == QLatin1String("--version"))
        cl.version = true;
    else
        cl.unknown = a;
    return cl;
}

QString CommandLine::messageForRunningInstance() const {
    switch (remote) {
    case Remote::Next:
        return Messages::Next;
    case Remote::Previous:
        return Messages::Previous;
    case Remote::Clear:
        return Messages::Clear;
    case Remote::ToggleTimer:
        return Messages::ToggleTimer;
    case Remote::Quit:
        return Messages::End;
    case Remote::Settings:
    case Remote::None:
        break;
    }
    return Messages::Restore;
}

QString CommandLineUsage() {
    return QCoreApplication::translate(
        "CommandLine",
        "Usage: tessaly [OPTION]\n"
        "Desktop wallpaper changer that lives in the notification area.\n"
        "\n"
        "  /y              start as at log-on: no settings window; ends at once when\n"
        "                  \"Start with the system\" is off\n"
        "  --next          switch to the next wallpaper\n"
        "  --previous      go back to the wallpaper shown before\n"
        "  --clear         clear the wallpaper\n"
        "  --toggle-timer  switch automatic wallpaper changing on or off\n"
        "  --settings      open the settings window\n"
        "  --quit          end the running Tessaly\n"
        "  -h, --help      show this help\n"
        "  --version       show the version\n"
        "\n"
        "With Tessaly already running, the option is handed to it. Without an\n"
        "option, Tessaly starts and opens its settings window; arguments that are\n"
        "not options (not starting with \"-\") are ignored.\n");
}
