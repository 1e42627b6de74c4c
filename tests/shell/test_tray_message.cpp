// End to end: the built program on a private desktop session whose bus has no
// notification server (tests/support/desktop-session.sh
// --no-notification-server). Its bubbles must then show as the tray icon's own
// message, a small window of the program next to the icon, and go to standard
// error only when there is no notification area either.
#include <QRect>

#include "DesktopTestUtil.h"

namespace {

// Where a window is on the screen, or an empty rectangle when it is not shown.
QRect shownGeometry(const QString& window) {
    if (window.isEmpty()) return {};
    const QString info = run("xwininfo", {"-id", window});
    if (!info.contains("Map State: IsViewable")) return {};
    const auto field = [&](const QString& name) {
        return info.section(name, 1).section('\n', 0, 0).trimmed().toInt();
    };
    return {field("Absolute upper-left X:"), field("Absolute upper-left Y:"), field("Width:"),
            field("Height:")};
}

// The program's windows shown straight on the root window, the desktop clock
// and calendar aside: its tray messages (the icon itself lives inside the
// tray host's window).
QList<QRect> trayMessages() {
    QList<QRect> shown;
    for (const QString& line : run("xwininfo", {"-root", "-children"}).split('\n'))
        if (line.contains("(\"tessaly\" \"tessaly\")") && !line.contains("\"Clock") &&
            !line.contains("\"Calendar"))
            if (const QRect r = shownGeometry(line.trimmed().section(' ', 0, 0)); !r.isEmpty())
                shown << r;
    return shown;
}

// A change with the file name shown near the icon: the bubble is the picture's path.
const QString kPictures = QDir::homePath() + "/pictures";
const QString kBubble = kPictures + "/red.png";
const QStringList kShowFileName = kEarlierRun + QStringList{"Options/BubbleFileName=True"};

// On the session's bus, where nobody owns the notification name (a bus
// address that leads nowhere falls back alike: test_dbus_notifier).
TEST(TrayMessageWithoutNotificationServer, ShowsNextToTheIconForTheBubblesDurationElseOnStderr) {
    ASSERT_TRUE(qEnvironmentVariableIsEmpty("TESSALY_NOTIFY_LOG")) << "needs a bus without server";
    resetHome(kShowFileName);
    storePictures(kPictures, {"red", "green"});
    {
        TessalyProcess tessaly({"/y"});
        QRect icon;
        // A start under the thread checker on a busy machine takes a while.
        ASSERT_TRUE(waitFor([&] { return !(icon = shownGeometry(embeddedIconWindow())).isEmpty(); },
                            30000));
        // No message of its own at start.
        EXPECT_TRUE(waitFor([] { return trayMessages().isEmpty(); }, 10000));

        EXPECT_EQ(QProcess::execute(kTessaly, {"--next"}), 0); // shows kBubble
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
        EXPECT_FALSE(tessaly.said(kBubble, 1, 0));
    }

    // Without a notification area either (the session's tray host stopped):
    // standard error.
    ::kill(qEnvironmentVariableIntValue("TESSALY_TRAYER_PID"), SIGTERM);
    ASSERT_TRUE(waitFor([] { return run("xdotool", {"search", "--class", "trayer"}).isEmpty(); }));
    resetHome(kShowFileName);
    storePictures(kPictures, {"red", "green"});
    TessalyProcess tessaly({"/y"});
    ASSERT_TRUE(tessaly.said("no notification area"));
    EXPECT_EQ(QProcess::execute(kTessaly, {"--next"}), 0);
    EXPECT_TRUE(tessaly.said("Tessaly: " + kBubble, 1, 5000));
    EXPECT_TRUE(trayMessages().isEmpty());
}

} // namespace
