// End-to-end tests of the real program on a private desktop session (Xvfb,
// trayer, a session bus with a notification service; see
// tests/support/desktop-session.sh): the tray icon and its mouse actions, the
// menu and command line, the change timer, and the internet source.
#include <QElapsedTimer>
#include <QImage>
#include <QTcpServer>
#include <gtest/gtest.h>

#include "DesktopTestUtil.h"
#include "LocalHttpServer.h"

namespace {

const QString kPictures = qEnvironmentVariable("HOME") + "/pictures";

// The bodies of the notifications shown since the test began.
QStringList notifications() {
    QStringList bodies;
    for (const QStringList& call : notificationCalls())
        if (call[0] == "Notify") bodies << call.value(4);
    return bodies;
}

// Red, green and blue pictures in sequence, no watermark, stretched over the
// screen; stored as after an earlier run, with `options` on top.
void prepare(const QStringList& options = {}) {
    QFile log(qEnvironmentVariable("TESSALY_NOTIFY_LOG"));
    ASSERT_TRUE(log.open(QIODevice::WriteOnly | QIODevice::Truncate)) << "needs the session";
    resetHome(kEarlierRun +
              QStringList{"Options/WPSource=0", "Options/TechniqueTimer=1",
                          "Options/CurWallPaper=1", "Options/BubbleFileName=True",
                          "Options/WaterMarkVisible=False", "Options/WallPaperPosition=Stretch"} +
              options);
    storePictures(kPictures, {"red", "green", "blue"});
}

void clickIcon(const QString& icon, int button, int times) {
    run("xdotool", {"mousemove", "--window", icon, "10", "10", "click", "--repeat",
                    QString::number(times), "--delay", "80", QString::number(button)});
}

TEST(Desktop, IconMouseActionsMenuAndCommandLine) {
    prepare();
    TessalyProcess tessaly({"/y"}); // a log-on start opens nothing by itself
    QString icon;
    ASSERT_TRUE(waitFor([&] { return !(icon = embeddedIconWindow()).isEmpty(); }))
        << "the icon was not embedded in the tray host";
    const auto settingsShown = [] {
        return run("xdotool", {"search", "--onlyvisible", "--name", "^Tessaly settings$"})
            .split('\n', Qt::SkipEmptyParts)
            .size();
    };
    clickIcon(icon, 1, 1);
    EXPECT_FALSE(waitFor([&] { return settingsShown() > 0; }, 1500)) << "a single click acted";
    clickIcon(icon, 1, 2);
    EXPECT_TRUE(waitFor([&] { return settingsShown() == 1; })) << "a double click did not";
    // Escape closes it; the menu's "&Settings" opens it again.
    run("xdotool", {"search", "--name", "^Tessaly settings$", "windowfocus", "--sync"});
    run("xdotool", {"key", "Escape"});
    EXPECT_TRUE(waitFor([&] { return settingsShown() == 0; })) << "Escape did not close it";
    clickIcon(icon, 3, 1);
    waitFor([] { return false; }, 700);
    run("xdotool", {"key", "s"});
    EXPECT_TRUE(waitFor([&] { return settingsShown() == 1; })) << "the menu did not open it";
    // Out of the way of the middle of the screen, where the wallpaper is looked at.
    run("xdotool", {"search", "--name", "^Tessaly settings$", "windowmove", "700", "600"});

    // Right button: the menu; "w" picks "Switch &Wallpaper Now" once it is open.
    clickIcon(icon, 3, 1);
    waitFor([] { return false; }, 700);
    run("xdotool", {"key", "w"});
    EXPECT_TRUE(waitFor([] { return rootShows(QColor("green")); })) << "the menu did not change";
    EXPECT_EQ(QProcess::execute(kTessaly, {"--next"}), 0);
    EXPECT_TRUE(waitFor([] { return rootShows(QColor("blue")); }));
}

TEST(Desktop, TimerChangesTwiceAtAboutTheInterval) {
    // 0.05 minutes: every 3 seconds, counted from the end of each change.
    prepare({"Options/WallpaperTimer=True", "Options/IntervalTimer=0.05"});
    QElapsedTimer clock;
    clock.start();
    TessalyProcess tessaly({"/y"});
    ASSERT_TRUE(waitFor([] { return notifications().contains(kPictures + "/green.png"); }, 15000));
    const qint64 first = clock.elapsed();
    ASSERT_TRUE(waitFor([] { return notifications().contains(kPictures + "/blue.png"); }, 15000));
    const qint64 second = clock.elapsed();
    // The first tick (about 1 s after start) starts the countdown.
    EXPECT_GE(first, 3000);
    EXPECT_LE(first, 9000);
    EXPECT_GE(second - first, 2500);
    EXPECT_LE(second - first, 6000);
}

} // namespace

// The internet source end to end: a catalogue made and served on 127.0.0.1 by
// scripts/tessaly-catalogue, the list built at start-up from the stored
// choice, a served picture on the root window, and the cooldown's refusal.
TEST(Desktop, InternetPicturesFromAServedCatalogue) {
    prepare();
    const QString pictures = kPictures + "/catalogue/Reds";
    QDir().mkpath(pictures);
    QImage red(64, 48, QImage::Format_RGB32);
    red.fill(QColor("red"));
    ASSERT_TRUE(red.save(pictures + "/red.jpg", "JPEG"));
    QTcpServer probe; // a free port for the catalogue server
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    const quint16 port = probe.serverPort();
    probe.close();
    QProcess catalogue;
    catalogue.start("/usr/bin/python3",
                    {QStringLiteral(TESSALY_SOURCE_DIR "/scripts/tessaly-catalogue"),
                     kPictures + "/catalogue", kPictures + "/served", "--cooldown", "15", "--serve",
                     QString::number(port)});
    ASSERT_TRUE(catalogue.waitForReadyRead(10000)) << "the catalogue server did not start";
    resetHome(kEarlierRun +
              QStringList{"Options/WPSource=2", "Options/WaterMarkVisible=False",
                          "Options/WallPaperPosition=Stretch", "Internet/1=1",
                          "Options/IntServer=http://127.0.0.1:" + QString::number(port)});
    TessalyProcess tessaly({"/y"});
    ASSERT_TRUE(waitFor([] { return QFileInfo::exists(kDataFolder + "/wpdlfiles.dat"); }))
        << tessaly.errors.toStdString();
    EXPECT_EQ(QProcess::execute(kTessaly, {"--next"}), 0);
    EXPECT_TRUE(waitFor([] { return rootShows(QColor("red")); }));
    EXPECT_EQ(QProcess::execute(kTessaly, {"--next"}), 0);
    EXPECT_TRUE(waitFor([] {
        return notifications().contains("you can download only one wallpaper every 15 Minutes");
    }));
    catalogue.terminate();
    catalogue.waitForFinished(5000);
}

// A ticked photo feed and no catalogue: the internet source shows the feed's
// picture at the next change.
TEST(Desktop, APhotoFeedsPictureWithoutACatalogue) {
    prepare();
    const QString served = kPictures + "/feed";
    QDir().mkpath(served);
    QImage green(64, 48, QImage::Format_RGB32);
    green.fill(QColor("lime"));
    ASSERT_TRUE(green.save(served + "/day.jpg", "JPEG"));
    LocalHttpServer server(false, served);
    ASSERT_TRUE(server.ok());
    QFile feed(served + "/feed.xml");
    ASSERT_TRUE(feed.open(QIODevice::WriteOnly));
    feed.write("<rss version=\"2.0\"><channel><title>Green Days</title><item><title>Today"
               "</title><enclosure url=\"day.jpg\" type=\"image/jpeg\"/></item></channel></rss>");
    feed.close();
    // No catalogue: its address answers 404.
    resetHome(kEarlierRun + QStringList{"Options/WPSource=2", "Options/WaterMarkVisible=False",
                                        "Options/WallPaperPosition=Stretch", "PhotoFeeds/0=1",
                                        "Options/IntServer=" + server.url("/none")});
    ASSERT_TRUE(QDir().mkpath(kDataFolder));
    QFile list(kDataFolder + "/PhotoFeeds.tsy");
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("[F0]\r\nID=Green Days\r\nURL=" + server.url("/files/feed.xml").toUtf8() + "\r\n");
    list.close();
    TessalyProcess tessaly({"/y"});
    ASSERT_TRUE(waitFor([] { return QFileInfo::exists(kDataFolder + "/wpdlfiles.dat"); }))
        << tessaly.errors.toStdString();
    EXPECT_EQ(QProcess::execute(kTessaly, {"--next"}), 0);
    EXPECT_TRUE(waitFor([] { return rootShows(QColor("lime")); })) << tessaly.errors.toStdString();
    EXPECT_GE(server.count("/files/feed.xml"), 1);
}
