// Global hot keys on a real X server (the test's own Xvfb): grabs of the X11
// service, and the built program run with bindings from its settings file, the
// keys pressed with xdotool while a second X client holds a combination.
#include "FakePlatform.h"

#include "hotkeys/HotKeys.h"
#include "platform/linux/X11GlobalHotKeys.h"
#include "settings/PictureListFile.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QThread>
#include <gtest/gtest.h>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

constexpr quint32 kF5 = 0xffc2, kF6 = 0xffc3, kF7 = 0xffc4; // key symbols
constexpr int vkF5 = 116, vkF7 = 118;                       // virtual-key codes

void xdotool(const QStringList& args) {
    ASSERT_EQ(QProcess::execute(u"xdotool"_s, args), 0) << args.join(u' ').toStdString();
}

// With `serverKeys` Ctrl+Alt+F1 … F12 switch virtual terminals inside the
// server (the usual keymap); without, they are keys that clients receive.
void useKeymap(bool serverKeys) {
    const QString option = serverKeys ? u""_s : u"srvrkeys:none"_s;
    ASSERT_EQ(QProcess::execute(u"setxkbmap"_s,
                                {u"-layout"_s, u"us"_s, u"-option"_s, u"-option"_s, option}),
              0);
}

// A second X client, as another program holding key combinations would be;
// its grabs end with it.
struct OtherClient {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    ~OtherClient() { xcb_disconnect(c); }
    // Grabs Ctrl+Alt+key (no lock keys); false when another client holds it.
    bool grabCtrlAlt(quint32 keysym) {
        xcb_key_symbols_t* syms = xcb_key_symbols_alloc(c);
        xcb_keycode_t* codes = xcb_key_symbols_get_keycode(syms, keysym);
        const xcb_keycode_t code = codes ? codes[0] : 0;
        std::free(codes);
        xcb_key_symbols_free(syms);
        if (!code) return false;
        xcb_generic_error_t* e = xcb_request_check(
            c, xcb_grab_key_checked(c, 1, xcb_setup_roots_iterator(xcb_get_setup(c)).data->root,
                                    XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1, code,
                                    XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        std::free(e);
        return !e;
    }
};

struct X11HotKeys : ::testing::Test {
    void SetUp() override { useKeymap(false); }
};

} // namespace

// The table registered with the X11 service: a row whose combination another
// client or an earlier row holds, or whose modifier code is damaged, comes back
// Failed; so does Ctrl+Alt+F5 where the server keeps it for switching terminals
// (the grab would never fire).
TEST_F(X11HotKeys, RowsHeldElsewhereComeBackFailed) {
    TestApp t;
    t.services.hotkeys = std::make_unique<X11GlobalHotKeys>();
    HotKeyTable& rows = t.app->HotKeys; // modifier code 0: Ctrl + Alt
    rows[0] = {true, false, vkF7, 0, false};
    rows[1] = {true, false, vkF5, 0, false};
    rows[2] = {true, false, vkF5, 0, false};
    rows[3] = {true, false, 'K', 42, false};
    useKeymap(true);
    RegisterHotKeys(*t.app);
    EXPECT_TRUE(rows[1].Failed);
    useKeymap(false);
    OtherClient other;
    ASSERT_TRUE(other.grabCtrlAlt(kF7));
    RegisterHotKeys(*t.app);
    EXPECT_TRUE(rows[0].Failed);
    EXPECT_TRUE(rows[1].Registered);
    EXPECT_TRUE(rows[2].Failed);
    EXPECT_TRUE(rows[3].Failed);
    EXPECT_FALSE(other.grabCtrlAlt(kF5));
    UnregisterHotKeys(*t.app);
    EXPECT_TRUE(other.grabCtrlAlt(kF5));
}

// The built program with bindings from its settings file: Ctrl+Alt+F5 switches
// the wallpaper, Ctrl+Alt+F6 toggles automatic changing, and Ctrl+Alt+F7
// (clear) is held by another client without harm to the others.
TEST_F(X11HotKeys, ProgramRunsItsStoredBindings) {
    const QString home = qEnvironmentVariable("HOME") + u"/"_s;
    const QString data = qEnvironmentVariable("XDG_DATA_HOME") + u"/Orvane Tessaly/"_s;
    const QRgb red = qRgb(220, 30, 30), blue = qRgb(30, 40, 210);
    for (const auto& [name, colour] : {std::pair{"red.png", red}, std::pair{"blue.png", blue}}) {
        QImage img(64, 48, QImage::Format_RGB32);
        img.fill(colour);
        ASSERT_TRUE(img.save(home + QString::fromLatin1(name)));
    }
    ASSERT_TRUE(QDir().mkpath(data));
    ASSERT_TRUE(WritePictureListFile(data + u"WallPapersList.tsy"_s,
                                     {{{home, u"red.png"_s}, {home, u"blue.png"_s}}, {}}));
    // Rows clear (Ctrl+Alt+F7, held by another client), switch (F5), toggle (F6).
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME") + u"/tessaly/"_s;
    QFile ini(config + u"tessaly.conf"_s);
    ASSERT_TRUE(QDir().mkpath(config) && ini.open(QIODevice::WriteOnly));
    ini.write("[Options]\n1strun=False\nWallpaperStartup=False\nWallpaperTimer=False\n"
              "[HK0]\nEnabled=True\nShiftKey=0\nASCIIkey=118\n"
              "[HK1]\nEnabled=True\nShiftKey=0\nASCIIkey=116\n"
              "[HK2]\nEnabled=True\nShiftKey=0\nASCIIkey=117\n");
    ini.close();
    OtherClient other;
    ASSERT_TRUE(other.grabCtrlAlt(kF7));
    // Which picture the middle of the root window shows: red, blue or neither (0).
    const auto picture = [&] {
        const QRgb p =
            QGuiApplication::primaryScreen()->grabWindow(0, 640, 512, 1, 1).toImage().pixel(0, 0);
        return qRed(p) > 150 && qBlue(p) < 100 ? red : qBlue(p) > 150 && qRed(p) < 100 ? blue : 0;
    };
    ASSERT_EQ(picture(), 0u) << "the bench starts without a wallpaper";

    QProcess program;
    // A bus address that leads nowhere (not none: libdbus would start a bus of
    // its own): the program's bubbles then go to standard error.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + qgetenv("XDG_RUNTIME_DIR") + "/no-bus");
    program.start(qEnvironmentVariable("TESSALY_BINARY"), {u"/y"_s});
    ASSERT_TRUE(program.waitForStarted(5000));
    QString err;
    // Collects the program's standard error until `done` or `ms` have passed.
    const auto waitFor = [&](auto done, int ms) {
        for (QDeadlineTimer deadline(ms); !done() && !deadline.hasExpired();) {
            program.waitForReadyRead(50);
            err += QString::fromLocal8Bit(program.readAllStandardError());
        }
        return done();
    };

    // The bindings exist once start-up is through: press until a picture shows.
    for (int attempt = 0; attempt < 10 && !picture(); ++attempt) {
        xdotool({u"key"_s, u"ctrl+alt+F5"_s});
        waitFor(picture, 2000);
    }
    QThread::msleep(300);
    const QRgb first = picture();
    ASSERT_NE(first, 0u) << err.toStdString();
    xdotool({u"key"_s, u"ctrl+alt+F5"_s});
    EXPECT_TRUE(waitFor([&] { return picture() == (first == red ? blue : red); }, 5000));

    // Other modifiers are not the binding. With Caps Lock and Num Lock on, the
    // toggle held down (the key repeats) runs once; pressed again it says the
    // other state.
    const QString on = u"Tessaly: Automatic wallpaper changing is now Enabled"_s;
    const QString off = u"Tessaly: Automatic wallpaper changing is now Disabled"_s;
    xdotool({u"key"_s, u"ctrl+F6"_s, u"ctrl+alt+shift+F6"_s, u"F6"_s, u"Caps_Lock"_s, u"Num_Lock"_s,
             u"keydown"_s, u"ctrl+alt+F6"_s, u"sleep"_s, u"1.2"_s, u"keyup"_s, u"ctrl+alt+F6"_s});
    waitFor([&] { return err.contains(on); }, 5000);
    xdotool({u"key"_s, u"ctrl+alt+F6"_s, u"Caps_Lock"_s, u"Num_Lock"_s});
    waitFor([&] { return err.contains(off); }, 5000);
    EXPECT_TRUE(err.count(on) == 1 && err.count(off) == 1 && err.indexOf(on) < err.indexOf(off))
        << err.toStdString();

    // The combination the other client holds reaches it, not the program.
    const QRgb before = picture();
    xdotool({u"key"_s, u"ctrl+alt+F7"_s});
    QThread::msleep(500);
    EXPECT_EQ(picture(), before);

    EXPECT_EQ(QProcess::execute(qEnvironmentVariable("TESSALY_BINARY"), {u"--quit"_s}), 0);
    ASSERT_TRUE(program.waitForFinished(10000));
    // Its grabs are gone: another client now gets them.
    EXPECT_TRUE(other.grabCtrlAlt(kF5));
    EXPECT_TRUE(other.grabCtrlAlt(kF6));
}
