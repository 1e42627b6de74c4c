// The desktop-notification bubbles on a private session bus of the test's
// own: with the test notification server (tests/support/notification-server.py,
// which logs every call) and without any, where bubbles must go to the
// fallback at once.
#include "platform/linux/DBusNotifier.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/prctl.h>

// Failures show texts as text.
void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace {

// Starts a helper process that the kernel stops should this test die first;
// the QProcess destructor stops it otherwise.
void startHelper(QProcess& p, const QString& program, const QStringList& args) {
    p.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    p.start(program, args);
    ASSERT_TRUE(p.waitForStarted(5000)) << program.toStdString();
}

// A dbus-daemon of the test's own. Its configuration names no service
// folders, so nothing can be started on demand for a name nobody owns.
struct PrivateBus {
    QTemporaryDir dir;
    QProcess daemon;
    QString address;

    PrivateBus() {
        QFile conf(dir.filePath("bus.conf"));
        EXPECT_TRUE(conf.open(QIODevice::WriteOnly));
        conf.write("<busconfig><type>session</type><listen>unix:dir=" + dir.path().toUtf8() +
                   "</listen><auth>EXTERNAL</auth><policy context=\"default\">"
                   "<allow send_destination=\"*\"/><allow receive_sender=\"*\"/>"
                   "<allow own=\"*\"/></policy></busconfig>");
        conf.close();
        // It complains on standard error about limits it may not raise.
        daemon.setStandardErrorFile(QProcess::nullDevice());
        startHelper(daemon, "dbus-daemon",
                    {"--config-file=" + conf.fileName(), "--nofork", "--print-address=1"});
        while (!daemon.canReadLine() && daemon.waitForReadyRead(10000)) {
        }
        address = QString::fromUtf8(daemon.readLine()).trimmed();
        EXPECT_FALSE(address.isEmpty()) << "dbus-daemon gave no address";
    }
    ~PrivateBus() {
        QDBusConnection::disconnectFromBus("test");
        daemon.terminate();
        daemon.waitForFinished(5000);
    }
    QDBusConnection connection() { return QDBusConnection::connectToBus(address, "test"); }
};

// The test notification server on the private bus; its log, one call a line.
struct NotificationServer {
    QProcess server;
    QString log;

    explicit NotificationServer(PrivateBus& bus) : log(bus.dir.filePath("notifications.log")) {
        const QString ready = bus.dir.filePath("ready");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DBUS_SESSION_BUS_ADDRESS", bus.address);
        server.setProcessEnvironment(env);
        server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        startHelper(server, "/usr/bin/python3",
                    {TESSALY_SOURCE_DIR "/tests/support/notification-server.py", "--log", log,
                     "--ready", ready});
        for (QDeadlineTimer deadline(10000); !QFile::exists(ready) && !deadline.hasExpired();)
            QThread::msleep(20);
        EXPECT_TRUE(QFile::exists(ready)) << "the notification server did not start";
    }
    ~NotificationServer() {
        server.terminate();
        server.waitForFinished(5000);
    }
    // Each logged call as its fields: "Notify", id, app, summary, body,
    // timeout, replaces id; or "CloseNotification", id.
    QList<QStringList> calls() const {
        QFile f(log);
        QList<QStringList> result;
        if (f.open(QIODevice::ReadOnly))
            for (const QString& line : QString::fromUtf8(f.readAll()).split('\n'))
                if (!line.isEmpty()) result << line.split('\t');
        return result;
    }
};

// A fallback that records what it was given and answers `works`.
struct RecordingFallback {
    QList<std::pair<QString, int>> shown;
    bool works = true;
    Notifier::Fallback function() {
        return [this](const QString& text, int ms) {
            shown.append({text, ms});
            return works;
        };
    }
};

// A bus that answers "nobody owns that name" at once must not cost the
// 2 s call limit; a bubble should take well under a second.
constexpr qint64 kPromptMs = 1000;

TEST(DBusNotifierWithoutServer, BubblesGoToTheFallbackAtOnceWithTextAndDuration) {
    PrivateBus bus;
    ASSERT_TRUE(bus.connection().isConnected());
    DBusNotifier notifier(bus.connection());
    RecordingFallback fallback;
    notifier.setFallback(fallback.function());

    testing::internal::CaptureStderr();
    QElapsedTimer clock;
    clock.start();
    notifier.showBubble("Looking for pictures in /p", 0, BubbleKind::Progress);
    notifier.showBubble("/p/red.png", 5000, BubbleKind::FileName);
    notifier.hideBubble(BubbleKind::Progress);
    EXPECT_LT(clock.elapsed(), 2 * kPromptMs);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "the fallback worked";
    const QList<std::pair<QString, int>> expected{{"Looking for pictures in /p", 0},
                                                  {"/p/red.png", 5000}};
    EXPECT_EQ(fallback.shown, expected);
}

TEST(DBusNotifierWithoutServer, UnusableBusAddressGoesToTheFallbackAtOnce) {
    QTemporaryDir dir;
    const QDBusConnection nowhere =
        QDBusConnection::connectToBus("unix:path=" + dir.filePath("no-bus"), "nowhere");
    DBusNotifier notifier(nowhere);
    RecordingFallback fallback;
    notifier.setFallback(fallback.function());
    QElapsedTimer clock;
    clock.start();
    notifier.showBubble("Automatic wallpaper changing is now Enabled", 5000, BubbleKind::Message);
    EXPECT_LT(clock.elapsed(), kPromptMs);
    const QList<std::pair<QString, int>> expected{
        {"Automatic wallpaper changing is now Enabled", 5000}};
    EXPECT_EQ(fallback.shown, expected);
    QDBusConnection::disconnectFromBus("nowhere");
}

TEST(DBusNotifierWithoutServer, StandardErrorIsTheLastResort) {
    PrivateBus bus;
    DBusNotifier notifier(bus.connection());
    testing::internal::CaptureStderr();
    notifier.showBubble("no fallback set", 5000, BubbleKind::Message);
    RecordingFallback fallback;
    fallback.works = false; // e.g. no notification area either
    notifier.setFallback(fallback.function());
    notifier.showBubble("the fallback failed", 5000, BubbleKind::Message);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Tessaly: no fallback set\nTessaly: the fallback failed\n");
    EXPECT_EQ(fallback.shown.size(), 1);
}

struct DBusNotifierWithServer : ::testing::Test {
    PrivateBus bus;
    NotificationServer server{bus};
    DBusNotifier notifier{bus.connection()};
    RecordingFallback fallback;
    void SetUp() override { notifier.setFallback(fallback.function()); }
    // The logged call at `index` (empty when there are fewer).
    QStringList call(int index) const { return server.calls().value(index); }
};

TEST_F(DBusNotifierWithServer, ShowsANotificationAndLeavesTheFallbackAlone) {
    notifier.showBubble("Tessaly is running.", 5000, BubbleKind::Message);
    EXPECT_TRUE(fallback.shown.isEmpty());
    const QStringList notify = call(0);
    ASSERT_EQ(notify.size(), 7);
    EXPECT_EQ(notify[0], "Notify");
    EXPECT_EQ(notify[4], "Tessaly is running.");
    EXPECT_EQ(notify[5], "5000");
    EXPECT_EQ(notify[6], QString("0")) << "nothing to replace yet";
}

TEST_F(DBusNotifierWithServer, ANewBubbleReplacesOnlyItsOwnKind) {
    notifier.showBubble("Looking for pictures in /p", 0, BubbleKind::Progress);
    notifier.showBubble("/p/red.png", 5000, BubbleKind::FileName);
    notifier.showBubble("Looking for pictures in /p/more", 0, BubbleKind::Progress);
    notifier.showBubble("/p/green.png", 5000, BubbleKind::FileName);
    const QList<QStringList> calls = server.calls();
    ASSERT_EQ(calls.size(), 4);
    const QString progress = calls[0][1], fileName = calls[1][1];
    EXPECT_NE(progress, fileName) << "the file name took the progress bubble's place";
    EXPECT_EQ(calls[1][6], QString("0"));
    EXPECT_EQ(calls[2][6], progress);
    EXPECT_EQ(calls[2][1], progress);
    EXPECT_EQ(calls[3][6], fileName);
    EXPECT_EQ(calls[3][1], fileName);
    EXPECT_TRUE(fallback.shown.isEmpty());
}

TEST_F(DBusNotifierWithServer, HidingClosesOnlyItsOwnKindAndOnlyOnce) {
    notifier.hideBubble(BubbleKind::Progress); // none shown: nothing to close
    notifier.showBubble("Looking for pictures in /p", 0, BubbleKind::Progress);
    notifier.showBubble("/p/red.png", 5000, BubbleKind::FileName);
    notifier.hideBubble(BubbleKind::Progress);
    notifier.hideBubble(BubbleKind::Progress);
    notifier.hideBubble(BubbleKind::Message);
    // A closed kind starts afresh; the file name is still up and replaced.
    notifier.showBubble("Looking for pictures in /q", 0, BubbleKind::Progress);
    notifier.showBubble("/q/blue.png", 5000, BubbleKind::FileName);

    const QList<QStringList> calls = server.calls();
    ASSERT_EQ(calls.size(), 5);
    const QString progress = calls[0][1], fileName = calls[1][1];
    EXPECT_EQ(calls[2], (QStringList{"CloseNotification", progress}));
    EXPECT_EQ(calls[3][0], "Notify");
    EXPECT_EQ(calls[3][6], QString("0"));
    EXPECT_NE(calls[3][1], progress);
    EXPECT_NE(calls[3][1], fileName);
    EXPECT_EQ(calls[4][6], fileName);
}

} // namespace
