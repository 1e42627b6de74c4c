// End-to-end tests of the real program on a private desktop session (Xvfb,
// trayer, a session bus with a notification service; see
// tests/support/desktop-session.sh): the tray icon and its mouse actions, the
// menu, command line and change timer, and the internet source.

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

TEST(Desktop, IconMouseActionsMenuCommandLineAndTimer) {
    prepare({"Options/IntervalTimer=0.05"}); // every 3 seconds once the timer is on
    TessalyProcess tessaly({"/y"});          // a log-on start opens nothing by itself
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

    // Switched on, the timer goes on changing by itself: red, then green
    // again. When is test_scheduler's, on its own clock.
    EXPECT_EQ(QProcess::execute(kTessaly, {"--toggle-timer"}), 0);
    EXPECT_TRUE(waitFor([] { return rootShows(QColor("red")); }, 15000));
    EXPECT_TRUE(waitFor([] { return notifications().count(kPictures + "/green.png") == 2; }, 15000))
        << notifications().join('\n').toStdString();
}

} // namespace

// The internet source end to end, on 127.0.0.1: a catalogue made and served
// by scripts/tessaly-catalogue, the list built at start-up from the stored
// choice, a served picture on the root window, and the cooldown's refusal.
// A change from a photo feed alone is test_internet_source's.
TEST(Desktop, InternetPicturesFromAServedCatalogue) {
    prepare();
    savePicture(kPictures + "/catalogue/Reds/red.jpg", Qt::red);
    const quint16 port = local_servers_detail::freePort(); // for the catalogue server
    ASSERT_NE(port, 0);
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
