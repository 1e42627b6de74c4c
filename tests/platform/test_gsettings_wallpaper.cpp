// The GNOME background keys written through the real gsettings tool, on the
// keyfile back end in the test's own config folder.
#include "platform/IniSettingsStore.h"
#include "platform/linux/LinuxDesktopService.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

QString Get(const QString& schema, const QString& key) {
    QProcess p;
    p.start(QStringLiteral("gsettings"), {QStringLiteral("get"), schema, key});
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

class GsettingsWallpaper : public ::testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("gsettings")).isEmpty() ||
            !QFile::exists(QStringLiteral(
                "/usr/share/glib-2.0/schemas/org.gnome.desktop.background.gschema.xml")))
            GTEST_SKIP() << "gsettings or the desktop schemas are not installed";
        // Keep every write inside the test's own (temporary) config folder.
        ASSERT_FALSE(qEnvironmentVariable("XDG_CONFIG_HOME").isEmpty());
        ASSERT_NE(qEnvironmentVariable("XDG_CONFIG_HOME"),
                  QDir::homePath() + QStringLiteral("/.config"));
        qputenv("GSETTINGS_BACKEND", "keyfile");
    }
};

TEST_F(GsettingsWallpaper, KeysReadBackAsTheFileUri) {
    QTemporaryDir dir;
    IniSettingsStore store(dir.filePath(QStringLiteral("t.conf")));
    QProcessEnvironment env;
    env.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("GNOME"));
    LinuxDesktopService service(store, nullptr, env);
    service.setRootPixmapEnabled(false);

    const QString bmp = dir.filePath(QStringLiteral("Orvane Wallpaper.bmp"));
    QImage img(16, 9, QImage::Format_RGB32);
    img.fill(Qt::red);
    ASSERT_TRUE(img.save(bmp, "BMP"));
    service.setWallpaper(bmp, QStringLiteral("Stretch"));

    const QString shown = service.shownPath();
    ASSERT_FALSE(shown.isEmpty());
    const QString uri = QLatin1Char('\'') +
                        QUrl::fromLocalFile(shown).toString(QUrl::FullyEncoded) + QLatin1Char('\'');
    const QString schema = QStringLiteral("org.gnome.desktop.background");
    EXPECT_EQ(Get(schema, QStringLiteral("picture-uri")), uri);
    EXPECT_EQ(Get(schema, QStringLiteral("picture-uri-dark")), uri);
    EXPECT_EQ(Get(schema, QStringLiteral("picture-options")), QStringLiteral("'stretched'"));
    // The named file holds the composed bitmap.
    QFile a(shown), b(bmp);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());

    // A second change hands over another name, so the desktop reloads.
    service.setWallpaper(bmp, QStringLiteral("Center"));
    EXPECT_NE(Get(schema, QStringLiteral("picture-uri")), uri);
    EXPECT_EQ(Get(schema, QStringLiteral("picture-options")), QStringLiteral("'centered'"));

    service.setWallpaper(bmp, QStringLiteral("Clear"));
    EXPECT_EQ(Get(schema, QStringLiteral("picture-options")), QStringLiteral("'none'"));

    // The desktop colour is GNOME's own primary-color.
    service.setDesktopColor(0x984E00);
    EXPECT_EQ(Get(schema, QStringLiteral("primary-color")), QStringLiteral("'#004e98'"));
    EXPECT_EQ(service.desktopColor(), 0x984E00u);
    EXPECT_FALSE(
        store.value(QStringLiteral("Options"), QStringLiteral("DesktopColor")).has_value());
}

} // namespace
