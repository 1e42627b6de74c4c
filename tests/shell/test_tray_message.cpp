// End to end: the built program on a private desktop session whose bus has no
// notification server (tests/support/desktop-session.sh
// --no-notification-server). Its bubbles must then show as the tray icon's own
// message, a small window of the program next to the icon, and go to standard
// error only when there is no notification area either.
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRect>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

#include "DesktopTestUtil.h"

namespace {

// Where a window is on the screen, or an empty rectangle when it is not shown.
QRect shownGeometry(const QString& window) {
    const QString info = run("xwininfo", {"-id", window});
    if (!info.contains("Map State: IsViewable")) return {};
    const auto field = [&](const QString& name) {
        const int at = info.indexOf(name);
        return at < 0 ? 0 : info.mid(at + name.size()).section('\n', 0, 0).trimmed().toInt();
    };
    return {field("Absolute upper-left X:"), field("Absolute upper-left Y:"), field("Width:"),
            field("Height:")};
}

// The program's windows shown straight on the root window: its tray messages
// (the icon itself lives inside the tray host's window).
QList<QRect> trayMessages() {
    QList<QRect> shown;
    for (const QString& line : run("xwininfo", {"-root", "-children"}).split('\n'))
        if (line.contains("(\"tessaly\" \"tessaly\")"))
            if (const QRect r = shownGeometry(line.trimmed().section(' ', 0, 0)); !r.isEmpty())
                shown << r;
    return shown;
}

// Tessaly's icon inside the tray host, or an empty rectangle.
QRect embeddedIcon() {
    const QString hosts = run("xdotool", {"search", "--class", "trayer"});
    for (const QString& host : hosts.split('\n', Qt::SkipEmptyParts))
        for (const QString& line : run("xwininfo", {"-tree", "-id", host}).split('\n'))
            if (line.contains("(\"tessaly\" \"tessaly\")"))
                return shownGeometry(line.trimmed().section(' ', 0, 0));
    return {};
}

const QString kBubble = "Tessaly is running.";

// The program, started after a previous run (no first-run setup), with its
// standard error kept for the test.
struct Tessaly {
    static QString binary() { return qEnvironmentVariable("TESSALY_BINARY"); }
    QProcess process;
    QByteArray errors;
    explicit Tessaly(const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
        const QString config = qEnvironmentVariable("XDG_CONFIG_HOME") + "/tessaly";
        EXPECT_TRUE(QDir(config).removeRecursively() && QDir().mkpath(config));
        QFile ini(config + "/tessaly.conf");
        EXPECT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[Options]\n1strun=False\nWallpaperTimer=False\nWallpaperStartup=False\n");
        ini.close();
        process.setProcessEnvironment(env);
        process.start(binary(), {"/y"});
        EXPECT_TRUE(process.waitForStarted(5000));
    }
    ~Tessaly() {
        if (process.state() == QProcess::Running) QProcess::execute(binary(), {"--quit"});
        process.waitForFinished(10000);
    }
    // Asks the running program to show its settings, which shows a bubble.
    void askForSettings() { EXPECT_EQ(QProcess::execute(binary(), {"--settings"}), 0); }
    bool saidOnStandardError(const QString& text) {
        process.waitForReadyRead(50);
        errors += process.readAllStandardError();
        return QString::fromLocal8Bit(errors).contains(text);
    }
};

TEST(TrayMessageWithoutNotificationServer, ShowsNextToTheIconForTheBubblesDuration) {
    ASSERT_TRUE(qEnvironmentVariableIsEmpty("TESSALY_NOTIFY_LOG")) << "needs a bus without server";
    Tessaly tessaly;
    QRect icon;
    ASSERT_TRUE(waitFor([&] { return !(icon = embeddedIcon()).isEmpty(); }));
    EXPECT_TRUE(trayMessages().isEmpty());

    tessaly.askForSettings();
    QList<QRect> messages;
    ASSERT_TRUE(waitFor([&] { return !(messages = trayMessages()).isEmpty(); }, 5000))
        << "no tray message appeared";
    ASSERT_EQ(messages.size(), 1);
    // Next to the icon: touching a margin around it.
    EXPECT_TRUE(messages[0].intersects(icon.adjusted(-50, -50, 50, 50)))
        << "message at " << messages[0].x() << "," << messages[0].y();
    // The bubble asks for 5 s.
    EXPECT_FALSE(waitFor([] { return trayMessages().isEmpty(); }, 3000)) << "went too early";
    EXPECT_TRUE(waitFor([] { return trayMessages().isEmpty(); }, 5000)) << "stayed too long";
    EXPECT_FALSE(tessaly.saidOnStandardError(kBubble));
}

TEST(TrayMessageWithoutNotificationServer, ShowsWhenTheBusAddressIsUnusable) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + QDir::homePath() + "/no-bus");
    Tessaly tessaly(env);
    ASSERT_TRUE(waitFor([] { return !embeddedIcon().isEmpty(); }));
    tessaly.askForSettings();
    EXPECT_TRUE(waitFor([] { return !trayMessages().isEmpty(); }, 5000));
    EXPECT_FALSE(tessaly.saidOnStandardError(kBubble));
}

// Stops the session's tray host, so it runs last.
TEST(TrayMessageWithoutNotificationServer, WithoutANotificationAreaGoesToStandardError) {
    ::kill(qEnvironmentVariableIntValue("TESSALY_TRAYER_PID"), SIGTERM);
    ASSERT_TRUE(waitFor([] { return run("xdotool", {"search", "--class", "trayer"}).isEmpty(); }));
    Tessaly tessaly;
    ASSERT_TRUE(waitFor([&] { return tessaly.saidOnStandardError("no notification area"); }));
    tessaly.askForSettings();
    EXPECT_TRUE(waitFor([&] { return tessaly.saidOnStandardError("Tessaly: " + kBubble); }, 5000));
    EXPECT_TRUE(trayMessages().isEmpty());
}

} // namespace
