// Global hot keys on a real X server (the test's own Xvfb): key grabs of the
// X11 service, presses made with xdotool, a second X client holding a
// combination, and the built program driven end to end.
#include "FakePlatform.h"

#include "hotkeys/HotKeys.h"
#include "platform/linux/X11GlobalHotKeys.h"
#include "settings/PictureListFile.h"
#include "settings/SettingsIO.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdlib>

namespace {

constexpr quint32 kF5 = 0xffc2, kF6 = 0xffc3, kF7 = 0xffc4; // key symbols
constexpr int vkF5 = 116, vkF6 = 117, vkF7 = 118;
constexpr int kCtrlAlt = 3;

void pressKeys(const QString& keys) {
    ASSERT_EQ(QProcess::execute("xdotool", {"key", keys}), 0) << keys.toStdString();
}

// A second X client, as another program holding key combinations would be.
class OtherClient {
public:
    OtherClient() {
        m_c = xcb_connect(nullptr, nullptr);
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root;
        m_syms = xcb_key_symbols_alloc(m_c);
    }
    ~OtherClient() {
        xcb_key_symbols_free(m_syms);
        xcb_disconnect(m_c);
    }
    // Grabs Ctrl+Alt+key (no lock keys); false when another client holds it.
    bool grabCtrlAlt(quint32 keysym) {
        const quint16 mods = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1;
        xcb_keycode_t* codes = xcb_key_symbols_get_keycode(m_syms, keysym);
        const xcb_keycode_t code = codes ? codes[0] : 0;
        std::free(codes);
        if (!code) return false;
        xcb_generic_error_t* e =
            xcb_request_check(m_c, xcb_grab_key_checked(m_c, 1, m_root, mods, code,
                                                        XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        std::free(e);
        return e == nullptr;
    }
    void ungrabAll() {
        xcb_ungrab_key(m_c, XCB_GRAB_ANY, m_root, XCB_MOD_MASK_ANY);
        xcb_flush(m_c);
    }
    // The colour at (x, y) of the root window's background pixmap
    // (_XROOTPMAP_ID), or nothing when there is none.
    std::optional<QRgb> rootPixmapPixel(int x, int y) {
        xcb_intern_atom_reply_t* a =
            xcb_intern_atom_reply(m_c, xcb_intern_atom(m_c, 1, 13, "_XROOTPMAP_ID"), nullptr);
        const xcb_atom_t atom = a ? a->atom : 0;
        std::free(a);
        if (!atom) return std::nullopt;
        xcb_get_property_reply_t* p = xcb_get_property_reply(
            m_c, xcb_get_property(m_c, 0, m_root, atom, XCB_ATOM_PIXMAP, 0, 1), nullptr);
        xcb_pixmap_t pixmap = 0;
        if (p && xcb_get_property_value_length(p) == 4)
            pixmap = *static_cast<xcb_pixmap_t*>(xcb_get_property_value(p));
        std::free(p);
        if (!pixmap) return std::nullopt;
        xcb_get_image_reply_t* img = xcb_get_image_reply(
            m_c, xcb_get_image(m_c, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, x, y, 1, 1, ~0u), nullptr);
        std::optional<QRgb> rgb;
        if (img && xcb_get_image_data_length(img) >= 4) {
            const uint8_t* d = xcb_get_image_data(img); // B, G, R, X on a little-endian server
            rgb = qRgb(d[2], d[1], d[0]);
        }
        std::free(img);
        return rgb;
    }

private:
    xcb_connection_t* m_c;
    xcb_window_t m_root;
    xcb_key_symbols_t* m_syms;
};

// The bench's keymap: with `serverKeys` Ctrl+Alt+F1 … F12 switch virtual
// terminals inside the server (the usual keymap), without it they are plain
// keys that clients receive.
void useKeymap(bool serverKeys) {
    QStringList args = {"-layout", "us", "-option"};
    if (!serverKeys)
        args << "-option"
             << "srvrkeys:none";
    ASSERT_EQ(QProcess::execute("setxkbmap", args), 0);
}

struct X11HotKeys : ::testing::Test {
    void SetUp() override { useKeymap(false); }
};

bool near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) < 24 && std::abs(qGreen(a) - qGreen(b)) < 24 &&
           std::abs(qBlue(a) - qBlue(b)) < 24;
}

} // namespace

TEST_F(X11HotKeys, GrabbedCombinationArrivesWhateverTheLockKeys) {
    X11GlobalHotKeys keys;
    QSignalSpy spy(&keys, &GlobalHotKeys::activated);
    ASSERT_TRUE(keys.registerHotKey(1, kCtrlAlt, vkF5));
    ASSERT_TRUE(keys.registerHotKey(3, 2 | 4, 'T')); // Ctrl+Shift+T

    pressKeys("ctrl+alt+F5");
    ASSERT_TRUE(spy.wait(3000));
    EXPECT_EQ(spy.takeFirst().at(0).toInt(), 1);

    // Caps Lock and Num Lock on: still the same binding.
    {
        pressKeys("Caps_Lock");
        pressKeys("Num_Lock");
        const auto locksOff = qScopeGuard([] {
            pressKeys("Caps_Lock");
            pressKeys("Num_Lock");
        });
        pressKeys("ctrl+shift+t");
        ASSERT_TRUE(spy.wait(3000));
        EXPECT_EQ(spy.takeFirst().at(0).toInt(), 3);
        pressKeys("ctrl+alt+F5");
        ASSERT_TRUE(spy.wait(3000));
        EXPECT_EQ(spy.takeFirst().at(0).toInt(), 1);
    }

    // Held down, the key repeats; the binding runs once.
    ASSERT_EQ(QProcess::execute("xdotool", {"keydown", "ctrl+alt+F5"}), 0);
    QTest::qWait(1200);
    ASSERT_EQ(QProcess::execute("xdotool", {"keyup", "ctrl+alt+F5"}), 0);
    QTest::qWait(200);
    EXPECT_EQ(spy.size(), 1);
    spy.clear();
    pressKeys("ctrl+alt+F5");
    ASSERT_TRUE(spy.wait(3000));
    spy.clear();

    // Other modifiers, or the key alone, are not the binding.
    pressKeys("ctrl+F5");
    pressKeys("ctrl+alt+shift+F5");
    pressKeys("F5");
    EXPECT_FALSE(spy.wait(700));

    keys.unregisterHotKey(1);
    pressKeys("ctrl+alt+F5");
    EXPECT_FALSE(spy.wait(700));
}

TEST_F(X11HotKeys, CtrlAltFunctionKeysKeptByTheServerAreRefused) {
    useKeymap(true);
    X11GlobalHotKeys keys;
    EXPECT_FALSE(keys.registerHotKey(1, kCtrlAlt, vkF5));
    EXPECT_TRUE(keys.registerHotKey(2, kCtrlAlt | 4, vkF5));
    EXPECT_TRUE(keys.registerHotKey(3, kCtrlAlt, 'K'));
    useKeymap(false);
    EXPECT_TRUE(keys.registerHotKey(1, kCtrlAlt, vkF5));
}

TEST_F(X11HotKeys, RefusalsAndReleasedGrabs) {
    OtherClient other;
    ASSERT_TRUE(other.grabCtrlAlt(kF6));
    X11GlobalHotKeys keys;
    QSignalSpy spy(&keys, &GlobalHotKeys::activated);

    EXPECT_FALSE(keys.registerHotKey(2, kCtrlAlt, vkF6)); // held by the other client
    EXPECT_TRUE(keys.registerHotKey(1, kCtrlAlt, vkF5));
    EXPECT_FALSE(keys.registerHotKey(4, kCtrlAlt, vkF5)); // held by binding 1
    EXPECT_FALSE(keys.registerHotKey(5, kCtrlAlt, 59));   // no such key
    EXPECT_FALSE(keys.registerHotKey(5, 0, 'A'));         // a bare key is never grabbed
    EXPECT_FALSE(keys.registerHotKey(5, kCtrlAlt, 101));  // keypad 5

    // The refused binding left nothing behind; the accepted one works.
    pressKeys("ctrl+alt+F5");
    ASSERT_TRUE(spy.wait(3000));
    EXPECT_EQ(spy.takeFirst().at(0).toInt(), 1);
    EXPECT_TRUE(spy.isEmpty());

    // Re-registering an identifier moves it to the new combination.
    ASSERT_TRUE(keys.registerHotKey(1, kCtrlAlt, vkF7));
    EXPECT_TRUE(other.grabCtrlAlt(kF5));
    other.ungrabAll();

    // Once released, another client gets the combination.
    EXPECT_FALSE(other.grabCtrlAlt(kF7));
    keys.unregisterHotKey(1);
    EXPECT_TRUE(other.grabCtrlAlt(kF7));
    other.ungrabAll();
}

TEST_F(X11HotKeys, TableRegistrationRecordsRefusalAndRunsTheActions) {
    OtherClient other;
    ASSERT_TRUE(other.grabCtrlAlt(kF7));
    TestApp t;
    t.services.hotkeys = std::make_unique<X11GlobalHotKeys>();
    AppContext& app = *t.app;
    LoadSettings(app);
    app.settings.WallpaperTimer = false;
    app.HotKeys[0] = {true, false, vkF7, 0, false};
    app.HotKeys[2] = {true, false, vkF6, 0, false};
    RegisterHotKeys(app);
    EXPECT_TRUE(app.HotKeys[0].Failed);
    EXPECT_FALSE(app.HotKeys[0].Registered);
    EXPECT_TRUE(app.HotKeys[2].Registered);

    pressKeys("ctrl+alt+F6");
    for (int i = 0; i < 60 && t.notifier->shown.empty(); ++i)
        QTest::qWait(50);
    ASSERT_EQ(t.notifier->shown.size(), 1u);
    EXPECT_EQ(t.notifier->shown[0].text, "Automatic wallpaper changing is now Enabled");

    UnregisterHotKeys(app);
    EXPECT_TRUE(app.HotKeys[0].Failed);
    EXPECT_FALSE(app.HotKeys[2].Registered);
    EXPECT_TRUE(other.grabCtrlAlt(kF6));
    other.ungrabAll();
}

// The built program with bindings from its settings file: Ctrl+Alt+F5
// switches the wallpaper, Ctrl+Alt+F6 toggles automatic changing, and
// Ctrl+Alt+F7 (held by another client) is refused without harm to the others.
TEST_F(X11HotKeys, ProgramRunsItsStoredBindings) {
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME") + "/tessaly/tessaly.conf";
    const QString data = qEnvironmentVariable("XDG_DATA_HOME") + "/Orvane Tessaly/";
    QDir(qEnvironmentVariable("XDG_CONFIG_HOME") + "/tessaly").removeRecursively();
    QDir(data).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(data));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(config).path()));

    const QString pictures = qEnvironmentVariable("HOME") + "/pictures/";
    ASSERT_TRUE(QDir().mkpath(pictures));
    const QRgb red = qRgb(220, 30, 30), blue = qRgb(30, 40, 210);
    for (const auto& [name, colour] : {std::pair{"red.png", red}, std::pair{"blue.png", blue}}) {
        QImage img(64, 48, QImage::Format_RGB32);
        img.fill(colour);
        ASSERT_TRUE(img.save(pictures + name));
    }
    PictureListData list;
    list.files = {{pictures, "red.png"}, {pictures, "blue.png"}};
    ASSERT_TRUE(WritePictureListFile(data + "WallPapersList.tsy", list));
    {
        QSettings ini(config, QSettings::IniFormat);
        ini.setValue("Options/1strun", "False");
        ini.setValue("Options/WallpaperStartup", "False");
        ini.setValue("Options/WallpaperTimer", "False");
        ini.setValue("Options/IntervalTimer", "60");
        ini.setValue("Options/TechniqueTimer", "1");
        ini.setValue("Options/WPSource", "0");
        ini.setValue("Options/WallPaperPosition", "Stretch");
        ini.setValue("Options/WaterMarkVisible", "False");
        ini.setValue("HK0/Enabled", "True");
        ini.setValue("HK0/ShiftKey", "0");
        ini.setValue("HK0/ASCIIkey", QString::number(vkF7));
        ini.setValue("HK1/Enabled", "True");
        ini.setValue("HK1/ShiftKey", "0");
        ini.setValue("HK1/ASCIIkey", QString::number(vkF5));
        ini.setValue("HK2/Enabled", "True");
        ini.setValue("HK2/ShiftKey", "0");
        ini.setValue("HK2/ASCIIkey", QString::number(vkF6));
    }

    OtherClient other;
    ASSERT_TRUE(other.grabCtrlAlt(kF7));
    ASSERT_FALSE(other.rootPixmapPixel(0, 0).has_value()) << "the bench starts without a wallpaper";

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DBUS_SESSION_BUS_ADDRESS"); // bubbles then go to standard error
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::SeparateChannels);
    program.start(qEnvironmentVariable("TESSALY_BINARY"), {"/y"});
    ASSERT_TRUE(program.waitForStarted(5000));
    QString err;
    auto readErr = [&] {
        program.waitForReadyRead(50);
        err += QString::fromLocal8Bit(program.readAllStandardError());
        return err;
    };
    auto centre = [&] { return other.rootPixmapPixel(640, 512); };

    // The bindings exist once start-up is through; until then a press does
    // nothing, so press until the first wallpaper appears.
    std::optional<QRgb> first;
    for (int attempt = 0; attempt < 10 && !first; ++attempt) {
        pressKeys("ctrl+alt+F5");
        QElapsedTimer waited;
        waited.start();
        while (!(first = centre()) && waited.elapsed() < 2000)
            readErr();
    }
    ASSERT_TRUE(first.has_value()) << err.toStdString();
    QThread::msleep(300);
    first = centre();
    ASSERT_TRUE(near(*first, red) || near(*first, blue)) << std::hex << *first;
    const QRgb expected = near(*first, red) ? blue : red;

    pressKeys("ctrl+alt+F5");
    QElapsedTimer waited;
    waited.start();
    while (!near(centre().value_or(0), expected) && waited.elapsed() < 5000)
        readErr();
    EXPECT_TRUE(near(centre().value_or(0), expected)) << std::hex << centre().value_or(0);

    // The toggle, pressed twice, says both states in turn.
    const QString on = "Tessaly: Automatic wallpaper changing is now Enabled";
    const QString off = "Tessaly: Automatic wallpaper changing is now Disabled";
    pressKeys("ctrl+alt+F6");
    for (int i = 0; i < 100 && !readErr().contains(on); ++i) {
    }
    pressKeys("ctrl+alt+F6");
    for (int i = 0; i < 100 && !readErr().contains(off); ++i) {
    }
    ASSERT_TRUE(err.contains(on) && err.contains(off)) << err.toStdString();
    EXPECT_LT(err.indexOf(on), err.indexOf(off));

    // The combination the other client holds reached it, not the program.
    const QRgb before = centre().value_or(0);
    pressKeys("ctrl+alt+F7");
    QThread::msleep(500);
    EXPECT_EQ(centre().value_or(0), before);
    other.ungrabAll();

    EXPECT_EQ(QProcess::execute(qEnvironmentVariable("TESSALY_BINARY"), {"--quit"}), 0);
    ASSERT_TRUE(program.waitForFinished(10000));
    // Its grabs are gone: another client now gets every combination.
    EXPECT_TRUE(other.grabCtrlAlt(kF5));
    EXPECT_TRUE(other.grabCtrlAlt(kF6));
    other.ungrabAll();
    QSettings ini(config, QSettings::IniFormat);
    EXPECT_EQ(ini.value("HK1/ASCIIkey").toString(), "116");
    EXPECT_EQ(ini.value("Options/WallpaperTimer").toString(), "False");
}
