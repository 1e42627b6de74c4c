// The desktops' own wallpaper commands, seen through a fake command runner
// (no GNOME, Plasma, Xfce, LXQt or sway session runs here).
#include "FakeCommandRunner.h"
#include "platform/IniSettingsStore.h"
#include "platform/linux/DesktopSetters.h"
#include "platform/linux/LinuxDesktopService.h"

#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

QProcessEnvironment Env(std::initializer_list<std::pair<const char*, const char*>> vars) {
    QProcessEnvironment env;
    for (const auto& [k, v] : vars)
        env.insert(QString::fromLatin1(k), QString::fromLatin1(v));
    return env;
}

TEST(LinuxDesktopDetection, FromCurrentDesktopAndRunningSession) {
    EXPECT_EQ(DetectLinuxDesktop(Env({{"XDG_CURRENT_DESKTOP", "ubuntu:GNOME"}})),
              LinuxDesktop::Gnome);
    EXPECT_EQ(DetectLinuxDesktop(Env({{"XDG_CURRENT_DESKTOP", "Budgie:GNOME"}})),
              LinuxDesktop::Gnome);
    EXPECT_EQ(DetectLinuxDesktop(Env({{"XDG_CURRENT_DESKTOP", "X-Cinnamon"}})),
              LinuxDesktop::Cinnamon);
    EXPECT_EQ(DetectLinuxDesktop(Env({{"XDG_CURRENT_DESKTOP", "MATE"}})), LinuxDesktop::Mate);
    EXPECT_EQ(DetectLinuxDesktop(Env({{"XDG_CURRENT_DESKTOP", "KDE"}})), LinuxDesktop::Kde);
    EXPECT_EQ(DetectLinuxDesktop(Env({{"XDG_CURRENT_DESKTOP", "XFCE"}})), LinuxDesktop::Xfce);
    EXPECT_EQ(DetectLinuxDesktop(Env({{"XDG_CURRENT_DESKTOP", "LXQt"}})), LinuxDesktop::Lxqt);
    EXPECT_EQ(DetectLinuxDesktop(Env({{"XDG_CURRENT_DESKTOP", "LXDE"}})), LinuxDesktop::Lxde);
    EXPECT_EQ(DetectLinuxDesktop(Env({{"XDG_CURRENT_DESKTOP", "sway"}})), LinuxDesktop::Sway);
    EXPECT_EQ(DetectLinuxDesktop(Env({{"SWAYSOCK", "/run/user/1/sway.sock"}})), LinuxDesktop::Sway);
    EXPECT_EQ(DetectLinuxDesktop(Env({{"KDE_FULL_SESSION", "true"}})), LinuxDesktop::Kde);
    EXPECT_EQ(DetectLinuxDesktop(Env({{"DESKTOP_SESSION", "xfce"}})), LinuxDesktop::Xfce);
    EXPECT_EQ(DetectLinuxDesktop(Env({{"XDG_CURRENT_DESKTOP", "i3"}})), LinuxDesktop::Other);
    EXPECT_EQ(DetectLinuxDesktop(Env({})), LinuxDesktop::Other);
}

const QString kFile = QStringLiteral("/home/u/.local/share/Orvane Tessaly/it's 1.bmp");

TEST(LinuxDesktopSetters, GnomeSetsBothUrisAndTheOption) {
    FakeCommandRunner r;
    ASSERT_TRUE(SetDesktopPicture(r, LinuxDesktop::Gnome, kFile, QStringLiteral("Tile"),
                                  QStringLiteral("#004e98")));
    const QString uri = QUrl::fromLocalFile(kFile).toString(QUrl::FullyEncoded);
    const QString quoted = GVariantString(uri);
    EXPECT_EQ(
        r.lines(),
        (QStringList{
            QStringLiteral("gsettings set org.gnome.desktop.background picture-uri ") + quoted,
            QStringLiteral("gsettings set org.gnome.desktop.background picture-uri-dark ") + quoted,
            QStringLiteral(
                "gsettings set org.gnome.desktop.background picture-options 'wallpaper'"),
        }));
    // An apostrophe in a name cannot end the GVariant string early.
    EXPECT_EQ(GVariantString(QStringLiteral("a'b\\c")), QStringLiteral("'a\\'b\\\\c'"));
}

TEST(LinuxDesktopSetters, OptionPerPositionAndNoneForUnknownText) {
    struct Case {
        const char* position;
        const char* option;
    } cases[] = {{"Center", "'centered'"},
                 {"Stretch", "'stretched'"},
                 {"Fit (Reduce/Enlarge)", "'centered'"},
                 {"Clear", "'none'"}};
    for (const Case& c : cases) {
        FakeCommandRunner r;
        SetDesktopPicture(r, LinuxDesktop::Cinnamon, kFile, QString::fromLatin1(c.position),
                          QString());
        ASSERT_FALSE(r.calls.empty());
        EXPECT_EQ(r.calls.back().args.last(), QString::fromLatin1(c.option)) << c.position;
        EXPECT_EQ(r.calls.back().args.at(1), QStringLiteral("org.cinnamon.desktop.background"));
    }
    FakeCommandRunner r;
    SetDesktopPicture(r, LinuxDesktop::Gnome, kFile, QStringLiteral("Sideways"), QString());
    for (const auto& c : r.calls)
        EXPECT_NE(c.args.at(2), QStringLiteral("picture-options"));
    EXPECT_EQ(r.calls.size(), 2u); // the two URIs only
}

TEST(LinuxDesktopSetters, MateUsesFileName) {
    FakeCommandRunner r;
    SetDesktopPicture(r, LinuxDesktop::Mate, kFile, QStringLiteral("Center"), QString());
    ASSERT_EQ(r.calls.size(), 2u);
    EXPECT_EQ(r.calls[0].args,
              (QStringList{QStringLiteral("set"), QStringLiteral("org.mate.background"),
                           QStringLiteral("picture-filename"), GVariantString(kFile)}));
}

TEST(LinuxDesktopSetters, KdeScriptOverDBus) {
    FakeCommandRunner r;
    SetDesktopPicture(r, LinuxDesktop::Kde, QStringLiteral("/data/a \"b\".bmp"),
                      QStringLiteral("Stretch"), QString());
    ASSERT_EQ(r.calls.size(), 1u);
    EXPECT_EQ(r.calls[0].program, QStringLiteral("dbus-send"));
    EXPECT_TRUE(r.calls[0].args.contains(QStringLiteral("--dest=org.kde.plasmashell")));
    EXPECT_TRUE(r.calls[0].args.contains(QStringLiteral("org.kde.PlasmaShell.evaluateScript")));
    const QString script = r.calls[0].args.last();
    EXPECT_TRUE(script.startsWith(QStringLiteral("string:")));
    EXPECT_TRUE(script.contains(
        QStringLiteral("d.writeConfig(\"Image\", \"file:///data/a%20%22b%22.bmp\")")))
        << script.toStdString();
    EXPECT_TRUE(script.contains(QStringLiteral("\"FillMode\", 0")));
}

TEST(LinuxDesktopSetters, XfceEveryMonitorAndWorkspace) {
    FakeCommandRunner r;
    r.outputs[QStringLiteral("xfconf-query -c xfce4-desktop -l")] =
        "/backdrop/screen0/monitorHDMI-1/workspace0/last-image\n"
        "/backdrop/screen0/monitorHDMI-1/workspace1/last-image\n"
        "/backdrop/screen0/monitoreDP-1/workspace0/last-image\n"
        "/backdrop/screen0/monitoreDP-1/workspace0/image-style\n"
        "/desktop-icons/style\n";
    ASSERT_TRUE(
        SetDesktopPicture(r, LinuxDesktop::Xfce, kFile, QStringLiteral("Center"), QString()));
    const QStringList lines = r.lines();
    EXPECT_EQ(lines.size(), 1 + 3 * 2);
    EXPECT_TRUE(
        lines.contains(QStringLiteral("xfconf-query -c xfce4-desktop -p "
                                      "/backdrop/screen0/monitorHDMI-1/workspace1/last-image -s ") +
                       kFile));
    EXPECT_TRUE(lines.contains(
        QStringLiteral("xfconf-query -c xfce4-desktop -p "
                       "/backdrop/screen0/monitoreDP-1/workspace0/image-style -s 1")));

    // A fresh desktop: the backdrop properties are created per monitor.
    FakeCommandRunner fresh;
    SetDesktopPicture(fresh, LinuxDesktop::Xfce, kFile, QStringLiteral("Tile"), QString(),
                      {QStringLiteral("VGA-1")});
    EXPECT_TRUE(fresh.lines().contains(
        QStringLiteral("xfconf-query -c xfce4-desktop -p "
                       "/backdrop/screen0/monitorVGA-1/workspace0/image-style -n -t int "
                       "-s 2")));
}

TEST(LinuxDesktopSetters, PcmanfmAndSway) {
    FakeCommandRunner r;
    SetDesktopPicture(r, LinuxDesktop::Lxqt, kFile, QStringLiteral("Tile"), QString());
    SetDesktopPicture(r, LinuxDesktop::Lxde, kFile, QStringLiteral("Clear"), QString());
    SetDesktopPicture(r, LinuxDesktop::Sway, QStringLiteral("/d/my \"x\".bmp"),
                      QStringLiteral("Center"), QString());
    SetDesktopPicture(r, LinuxDesktop::Sway, QString(), QStringLiteral("Clear"),
                      QStringLiteral("#004e98"));
    ASSERT_EQ(r.calls.size(), 4u);
    EXPECT_EQ(r.calls[0].program, QStringLiteral("pcmanfm-qt"));
    EXPECT_EQ(r.calls[0].args, (QStringList{QStringLiteral("--set-wallpaper=") + kFile,
                                            QStringLiteral("--wallpaper-mode=tile")}));
    EXPECT_EQ(r.calls[1].program, QStringLiteral("pcmanfm"));
    EXPECT_EQ(r.calls[1].args, QStringList{QStringLiteral("--wallpaper-mode=color")});
    // swaymsg joins its arguments into one command: the path is quoted.
    EXPECT_EQ(r.calls[2].args,
              (QStringList{QStringLiteral("output"), QStringLiteral("*"), QStringLiteral("bg"),
                           QStringLiteral("\"/d/my \\\"x\\\".bmp\""), QStringLiteral("center")}));
    EXPECT_EQ(r.calls[3].args.mid(3),
              (QStringList{QStringLiteral("#004e98"), QStringLiteral("solid_color")}));
}

class LinuxDesktopServiceTest : public ::testing::Test {
protected:
    LinuxDesktopServiceTest() : store(dir.filePath(QStringLiteral("t.conf"))) {}
    LinuxDesktopService make(const char* desktop) {
        auto r = std::make_unique<FakeCommandRunner>();
        runner = r.get();
        LinuxDesktopService s(store, std::move(r), Env({{"XDG_CURRENT_DESKTOP", desktop}}));
        s.setRootPixmapEnabled(false);
        return s;
    }
    QString bitmap(const QByteArray& content) {
        const QString p = dir.filePath(QStringLiteral("Orvane Wallpaper.bmp"));
        QFile::remove(p);
        QFile f(p);
        f.open(QIODevice::WriteOnly);
        f.write(content);
        return p;
    }
    QTemporaryDir dir;
    IniSettingsStore store;
    FakeCommandRunner* runner = nullptr;
};

TEST_F(LinuxDesktopServiceTest, EachChangeIsANewNameWithTheNewContent) {
    LinuxDesktopService s = make("KDE");
    s.setWallpaper(bitmap("first"), QStringLiteral("Center"));
    const QString one = s.shownPath();
    // The fixed file is replaced by a new one, as a composition does.
    s.setWallpaper(bitmap("second"), QStringLiteral("Center"));
    const QString two = s.shownPath();
    s.setWallpaper(bitmap("third"), QStringLiteral("Center"));
    EXPECT_NE(one, two);
    EXPECT_NE(two, s.shownPath());
    EXPECT_NE(one, dir.filePath(QStringLiteral("Orvane Wallpaper.bmp")));
    QFile shown(s.shownPath());
    ASSERT_TRUE(shown.open(QIODevice::ReadOnly));
    EXPECT_EQ(shown.readAll(), QByteArray("third"));
    QFile previous(two);
    ASSERT_TRUE(previous.open(QIODevice::ReadOnly));
    EXPECT_EQ(previous.readAll(), QByteArray("second")); // not touched by the later change
    EXPECT_EQ(runner->calls.size(), 3u);
    EXPECT_TRUE(runner->calls.back().args.last().contains(
        QUrl::fromLocalFile(s.shownPath()).toString(QUrl::FullyEncoded)));
}

TEST_F(LinuxDesktopServiceTest, DesktopColourFromGnomeOrFromTheStore) {
    LinuxDesktopService gnome = make("GNOME");
    runner->outputs[QStringLiteral("gsettings get org.gnome.desktop.background primary-color")] =
        "'#102030'\n";
    EXPECT_EQ(gnome.desktopColor(), 0x302010u);
    gnome.setDesktopColor(0x0000FF);
    EXPECT_EQ(runner->lines().last(),
              QStringLiteral("gsettings set org.gnome.desktop.background primary-color '#ff0000'"));
    runner->outputs[QStringLiteral("gsettings get org.gnome.desktop.background primary-color")] =
        "'#ffff00000000'\n";
    EXPECT_EQ(gnome.desktopColor(), 0x0000FFu);

    LinuxDesktopService xfce = make("XFCE");
    EXPECT_EQ(xfce.desktopColor(), 0x984E00u); // RGB(0, 78, 152)
    xfce.setDesktopColor(0x123456);
    EXPECT_EQ(
        store.value(QStringLiteral("Options"), QStringLiteral("DesktopColor")).value_or(QString()),
        QStringLiteral("1193046"));
    EXPECT_EQ(xfce.desktopColor(), 0x123456u);
    EXPECT_TRUE(runner->calls.empty() ||
                runner->calls.back().program != QStringLiteral("gsettings"));
}

} // namespace
