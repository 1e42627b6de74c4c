// The Cinnamon desktop's wallpaper keys through the gsettings tool, and the
// commands for several monitors of the desktops whose real tests run one
// monitor, seen through a fake command runner: no Cinnamon session runs here.
// The other desktops are tested on their real programs
// (tests/shell/test_desktops.py, test_sway.py).
#include "FakeCommandRunner.h"
#include "platform/linux/DesktopSetters.h"

#include <gtest/gtest.h>

// One file name with a space, an apostrophe and double quotes, for every
// desktop's quoting.
#define FILE_NAME R"(/d/it's "1".bmp)"
#define GVARIANT_URI R"('file:///d/it\'s%20%221%22.bmp')"
#define CINNAMON "gsettings set org.cinnamon.desktop.background "
#define XFCE "xfconf-query -c xfce4-desktop "
#define XFCE_HDMI XFCE "-p /backdrop/screen0/monitorHDMI-1/workspace1/"
#define XFCE_VGA XFCE "-p /backdrop/screen0/monitorVGA-1/workspace0/"

// Cinnamon's keys for each position, and several monitors (the real desktops'
// tests run one: Xvfb's second monitor has no output, and the GTK desktops see
// only monitors with one): the GNOME family spans the whole canvas; Plasma,
// Xfce and sway get each monitor's own file; LXQt the primary monitor's.
TEST(DesktopsOnFakeCommandRunner, CinnamonKeysPerPositionAndWhatEachDesktopShowsOnSeveralMonitors) {
    const QList<MonitorPictureFile> monitors = {
        {"VGA-1", QRect(0, 0, 1920, 1080), "/d/m 1.bmp"},
        {"HDMI-1", QRect(-1280, 0, 1280, 1024), R"(/d/it's "2".bmp)"}};
    // Each row: the desktop, the position (none: the monitors' own files),
    // then the commands expected.
    const std::vector<const char*> rows[] = {
        {"X-Cinnamon", "Fit (Reduce/Enlarge)", CINNAMON "picture-uri " GVARIANT_URI,
         CINNAMON "picture-options 'centered'"},
        {"X-Cinnamon", "Tile", CINNAMON "picture-uri " GVARIANT_URI,
         CINNAMON "picture-options 'wallpaper'"},
        // An unknown position text sets the file and no option.
        {"X-Cinnamon", "Sideways", CINNAMON "picture-uri " GVARIANT_URI},
        {"X-Cinnamon", "Clear", CINNAMON "picture-options 'none'"},
        {"X-Cinnamon", "", CINNAMON "picture-uri " GVARIANT_URI,
         CINNAMON "picture-options 'spanned'"},
        // A screen found by its place, or else by its number.
        {"KDE", "",
         "dbus-send --session --dest=org.kde.plasmashell --type=method_call --print-reply "
         "/PlasmaShell org.kde.PlasmaShell.evaluateScript string:var files = ["
         R"({x: 0, y: 0, image: "file:///d/m%201.bmp"}, )"
         R"({x: -1280, y: 0, image: "file:///d/it's%20%222%22.bmp"}];)"
         "var all = desktops();for (var i = 0; i < all.length; i++) { var d = all[i]; "
         "if (d.screen < 0) continue; var g = screenGeometry(d.screen); var f = null; "
         "for (var k = 0; k < files.length; k++) if (files[k].x == g.x && files[k].y == g.y) "
         "f = files[k]; if (f == null && d.screen < files.length) f = files[d.screen]; "
         R"(if (f == null) continue; d.wallpaperPlugin = "org.kde.image"; )"
         R"(d.currentConfigGroup = ["Wallpaper", "org.kde.image", "General"]; )"
         R"(d.writeConfig("Image", f.image); d.writeConfig("FillMode", 0); })"},
        // Every backdrop of a monitor; one made for a monitor that has none.
        {"XFCE", "", XFCE "-l", XFCE_VGA "last-image -n -t string -s /d/m 1.bmp",
         XFCE_VGA "image-style -n -t int -s 3", XFCE_HDMI R"(last-image -s /d/it's "2".bmp)",
         XFCE_HDMI "image-style -s 3"},
        {"sway", "", R"(swaymsg output "VGA-1" bg "/d/m 1.bmp" fill)",
         R"(swaymsg output "HDMI-1" bg "/d/it's \"2\".bmp" fill)"},
        {"LXQt", "", "pcmanfm-qt --set-wallpaper=/d/m 1.bmp --wallpaper-mode=stretch"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row[0]) + " " + row[1]);
        QProcessEnvironment env;
        env.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QString::fromLatin1(row[0]));
        const LinuxDesktop desktop = DetectLinuxDesktop(env);
        FakeCommandRunner r;
        r.outputs[QStringLiteral(XFCE "-l")] =
            "/backdrop/screen0/monitorHDMI-1/workspace1/last-image\n"
            "/backdrop/screen0/monitorDP-9/workspace0/last-image\n";
        EXPECT_TRUE(*row[1]
                        ? SetDesktopPicture(r, desktop, QStringLiteral(FILE_NAME),
                                            QString::fromLatin1(row[1]), QStringLiteral("#004e98"))
                        : SetDesktopPictures(r, desktop, QStringLiteral(FILE_NAME), monitors,
                                             QStringLiteral("Stretch")));
        EXPECT_EQ(r.calls, QStringList(row.begin() + 2, row.end()));
    }
}
