#include "shell/CommandLine.h"

#include "shell/Messages.h"

CommandLine CommandLine::parse(const QStringList& arguments) {
    CommandLine cl;
    cl.raw = arguments.join(QLatin1Char(' '));
    cl.logOn = cl.raw.toLower() == QLatin1String("/y");
    if (arguments.size() == 1) {
        const QString& a = arguments.constFirst();
        if (a == QLatin1String("--next"))
            cl.remote = Remote::Next;
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
    }
    if (cl.logOn || cl.remote != Remote::None || cl.help || cl.version) return cl;
    // Anything else must be the log-on switch spelt with blanks around it
    // (which counts as a manual start); an option the program does not know
    // is refused rather than taken for a plain start.
    for (const QString& a : arguments) {
        if (a.trimmed().compare(QLatin1String("/y"), Qt::CaseInsensitive) != 0) {
            cl.unknown = a;
            break;
        }
    }
    return cl;
}

QString CommandLine::messageForRunningInstance() const {
    switch (remote) {
    case Remote::Next:
        return Messages::Next;
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
    return QStringLiteral(
        "Usage: tessaly [OPTION]\n"
        "Desktop wallpaper changer that lives in the notification area.\n"
        "\n"
        "  /y              start as at log-on: no settings window; ends at once when\n"
        "                  \"Start with the system\" is off\n"
        "  --next          switch to the next wallpaper\n"
        "  --clear         clear the wallpaper\n"
        "  --toggle-timer  switch automatic wallpaper changing on or off\n"
        "  --settings      open the settings window\n"
        "  --quit          end the running Tessaly\n"
        "  -h, --help      show this help\n"
        "  --version       show the version\n"
        "\n"
        "With Tessaly already running, the option is handed to it. Without an\n"
        "option, Tessaly starts and opens its settings window.\n");
}
