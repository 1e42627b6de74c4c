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

static QString Get(const char* key) {
    QProcess p;
    p.start(QStringLiteral("gsettings"),
            {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.background"),
             QString::fromLatin1(key)});
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

TEST(GsettingsWallpaper, KeysReadBackAsTheFileUri) {
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
    qputenv("XDG_CURRENT_DESKTOP", "GNOME");
    LinuxDesktopService service(store);
    service.setRootPixmapEnabled(false);
    const QString bmp = dir.filePath(QStringLiteral("Orvane Wallpaper.bmp"));
    QImage img(16, 9, QImage::Format_RGB32);
    img.fill(Qt::red);
    ASSERT_TRUE(img.save(bmp, "BMP"));
    service.setWallpaper(bmp, QStringLiteral("Stretch"));

    const QString uri = QStringLiteral("'%1'").arg(
        QUrl::fromLocalFile(service.shownPath()).toString(QUrl::FullyEncoded));
    EXPECT_EQ(Get("picture-uri"), uri);
    EXPECT_EQ(Get("picture-uri-dark"), uri);
    EXPECT_EQ(Get("picture-options"), QStringLiteral("'stretched'"));
    // The named file holds the composed bitmap.
    QFile a(service.shownPath()), b(bmp);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
    // A second change hands over another name, so the desktop reloads.
    service.setWallpaper(bmp, QStringLiteral("Center"));
    EXPECT_NE(Get("picture-uri"), uri);
    EXPECT_EQ(Get("picture-options"), QStringLiteral("'centered'"));
    // The desktop colour is GNOME's own primary-color.
    service.setDesktopColor(0x984E00);
    EXPECT_EQ(Get("primary-color"), QStringLiteral("'#004e98'"));
    EXPECT_EQ(service.desktopColor(), 0x984E00u);
}
