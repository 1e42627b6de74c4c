// The desktop-notification bubbles on the test's private session bus
// (tests/support/with-session-bus.sh): with the test notification server,
// which logs every call, and without any, where bubbles must go to the
// fallback at once.
#include "platform/linux/DBusNotifier.h"

#include "DesktopTestUtil.h"

// Failures show texts as text.
void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace {

// On the session bus, where nobody owns the notification name, and on a bus
// address that leads nowhere alike. A bus that answers "nobody owns that name"
// at once must not cost the 2 s call limit: a bubble takes well under a second.
TEST(DBusNotifierWithoutServer, BubblesGoToTheFallbackAtOnceAndStandardErrorIsTheLastResort) {
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected() &&
                qEnvironmentVariableIsEmpty("TESSALY_NOTIFY_LOG"))
        << "runs under with-session-bus.sh --no-notification-server";
    QTemporaryDir dir;
    for (const QDBusConnection& bus :
         {QDBusConnection::sessionBus(),
          QDBusConnection::connectToBus("unix:path=" + dir.filePath("no-bus"), "nowhere")}) {
        SCOPED_TRACE(bus.isConnected() ? "session bus" : "unusable address");
        QList<std::pair<QString, int>> shown; // what the fallback was given
        bool works = true;                    // what it answers
        DBusNotifier notifier(bus);
        testing::internal::CaptureStderr();
        notifier.showBubble("no fallback set", 5000, BubbleKind::Message);
        notifier.setFallback([&](const QString& text, int ms) {
            return shown.append({text, ms}), works;
        });
        QElapsedTimer clock;
        clock.start();
        notifier.showBubble("Looking for pictures in /p", 0, BubbleKind::Progress);
        notifier.showBubble("/p/red.png", 5000, BubbleKind::FileName);
        notifier.hideBubble(BubbleKind::Progress);
        EXPECT_LT(clock.elapsed(), 2000); // under a second a bubble
        works = false;                    // e.g. no notification area either
        notifier.showBubble("the fallback failed", 5000, BubbleKind::Message);
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "Tessaly: no fallback set\nTessaly: the fallback failed\n");
        const QList<std::pair<QString, int>> expected{
            {"Looking for pictures in /p", 0}, {"/p/red.png", 5000}, {"the fallback failed", 5000}};
        EXPECT_EQ(shown, expected);
    }
    QDBusConnection::disconnectFromBus("nowhere");
}

// Each logged call: "Notify", id, app, summary, body, timeout, replaces id; or
// "CloseNotification", id.
TEST(DBusNotifierWithServer, EachKindReplacesAndClosesOnlyItsOwnNotification) {
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("TESSALY_NOTIFY_LOG"))
        << "runs under with-session-bus.sh";
    bool fellBack = false;
    DBusNotifier notifier; // on the session bus
    notifier.setFallback([&](const QString&, int) { return fellBack = true; });
    notifier.hideBubble(BubbleKind::Progress); // none shown: nothing to close
    notifier.showBubble("Looking for pictures in /p", 0, BubbleKind::Progress);
    notifier.showBubble("/p/red.png", 5000, BubbleKind::FileName);
    notifier.showBubble("Looking for pictures in /p/more", 0, BubbleKind::Progress);
    notifier.hideBubble(BubbleKind::Progress);
    notifier.hideBubble(BubbleKind::Progress);
    notifier.hideBubble(BubbleKind::Message);
    // A closed kind starts afresh; the file name is still up and replaced.
    notifier.showBubble("Looking for pictures in /q", 0, BubbleKind::Progress);
    notifier.showBubble("/q/blue.png", 5000, BubbleKind::FileName);
    EXPECT_FALSE(fellBack);

    const QList<QStringList> calls = notificationCalls();
    ASSERT_EQ(calls.size(), 6);
    const QString progress = calls[0][1], fileName = calls[1][1];
    EXPECT_EQ(calls[0].mid(4), (QStringList{"Looking for pictures in /p", "0", "0"}));
    EXPECT_EQ(calls[1].mid(4), (QStringList{"/p/red.png", "5000", "0"}));
    EXPECT_EQ(calls[2][6], progress);
    EXPECT_EQ(calls[3], (QStringList{"CloseNotification", progress}));
    EXPECT_EQ(calls[4].mid(4), (QStringList{"Looking for pictures in /q", "0", "0"}));
    EXPECT_EQ(calls[5][6], fileName);
}

} // namespace
