// The GNOME background keys written in this process through GIO, on the
// keyfile back end in the test's own config folder: read back through GIO,
// found in the keyfile, and no process started for them.
#include "FakeCommandRunner.h"
#include "FakePlatform.h"
#include "platform/linux/GioSettings.h"
#include "platform/linux/LinuxDesktopService.h"

#include <QStandardPaths>
#include <QUrl>

static QString Get(const char* key) {
    return GioSettings()
        .get(QStringLiteral("org.gnome.desktop.background"), QString::fromLatin1(key))
        .value_or(QStringLiteral("<missing>"));
}

TEST(GsettingsWallpaper, KeysReadBackAsTheFileUriAndTheColourIsFollowed) {
    if (QStandardPaths::findExecutable(QStringLiteral("gsettings")).isEmpty() ||
        !QFile::exists(
            QStringLiteral("/usr/share/glib-2.0/schemas/org.gnome.desktop.background.gschema.xml")))
        GTEST_SKIP() << "gsettings or the desktop schemas are not installed";
    // Keep every write inside the test's own (temporary) config folder.
    ASSERT_FALSE(qEnvironmentVariable("XDG_CONFIG_HOME").isEmpty());
    ASSERT_NE(qEnvironmentVariable("XDG_CONFIG_HOME"),
              QDir::homePath() + QStringLiteral("/.config"));
    qputenv("GSETTINGS_BACKEND", "keyfile");
    QTemporaryDir dir;
    IniSettingsStore store(dir.filePath(QStringLiteral("t.conf")));
    QProcessEnvironment env;
    env.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("GNOME"));
    auto runner = std::make_unique<FakeCommandRunner>();
    const FakeCommandRunner* commands = runner.get();
    LinuxDesktopService service(store, std::move(runner), env);
    service.setRootPixmapEnabled(false);
    const QString bmp =
        savePicture(dir.filePath(QStringLiteral("Orvane Wallpaper.bmp")), Qt::red, {16, 9});
    service.setWallpaper(bmp, QStringLiteral("Stretch"));

    const QString uri = QStringLiteral("'%1'").arg(
        QUrl::fromLocalFile(service.shownPath()).toString(QUrl::FullyEncoded));
    EXPECT_EQ(Get("picture-uri"), uri);
    EXPECT_EQ(Get("picture-uri-dark"), uri);
    EXPECT_EQ(Get("picture-options"), QStringLiteral("'stretched'"));
    // Written out for the desktop, which reads the keyfile.
    EXPECT_TRUE(readFile(qEnvironmentVariable("XDG_CONFIG_HOME") +
                         QStringLiteral("/glib-2.0/settings/keyfile"))
                    .contains("picture-options='stretched'"));
    // The named file holds the composed bitmap.
    EXPECT_EQ(readFile(service.shownPath()), readFile(bmp));
    // A second change hands over another name, so the desktop reloads.
    service.setWallpaper(bmp, QStringLiteral("Center"));
    EXPECT_NE(Get("picture-uri"), uri);
    EXPECT_EQ(Get("picture-options"), QStringLiteral("'centered'"));
    // The desktop colour is GNOME's own primary-color.
    service.setDesktopColor(0x984E00);
    EXPECT_EQ(Get("primary-color"), QStringLiteral("'#004e98'"));
    EXPECT_EQ(service.desktopColor(), 0x984E00u);
    // Not one process for all of it.
    EXPECT_TRUE(commands->calls.empty()) << commands->calls.join(u'\n').toStdString();

    // Changed by another program, the colour is followed without asking.
    QProcess::execute(QStringLiteral("gsettings"),
                      {QStringLiteral("set"), QStringLiteral("org.gnome.desktop.background"),
                       QStringLiteral("primary-color"), QStringLiteral("'#102030'")});
    EXPECT_TRUE(waitUntil([&] { return service.desktopColor() == 0x302010u; }, 5000));
}
