// Global hot keys on a real X server (the test's own Xvfb): grabs of the X11
// service, and the built program run with bindings from its settings file, the
// keys pressed with xdotool while a second X client holds a combination.

#include "hotkeys/HotKeys.h"
#include "platform/linux/X11GlobalHotKeys.h"

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdlib>

#include "DesktopTestUtil.h"
#include "ShortcutServicesStandIn.h"

using namespace Qt::StringLiterals;

namespace {

constexpr quint32 kF5 = 0xffc2, kF7 = 0xffc4;     // key symbols
constexpr int vkF5 = 116, vkF6 = 117, vkF7 = 118; // virtual-key codes

void xdotool(const QStringList& args) {
    ASSERT_EQ(QProcess::execute(u"xdotool"_s, args), 0) << args.join(u' ').toStdString();
}

// With `serverKeys` Ctrl+Alt+F1 … F12 switch virtual terminals inside the
// server (the usual keymap); without, they are keys that clients receive.
void useKeymap(bool serverKeys) {
    ASSERT_EQ(QProcess::execute(u"setxkbmap"_s, {u"-layout"_s, u"us"_s, u"-option"_s, u"-option"_s,
                                                 serverKeys ? u""_s : u"srvrkeys:none"_s}),
              0);
}

// A second X client, as another program holding key combinations would be;
// its grabs end with it.
struct OtherClient {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    ~OtherClient() { xcb_disconnect(c); }
    // Grabs Ctrl+Alt+key (no lock keys); false when another client holds it.
    bool grabCtrlAlt(quint32 keysym) { return grab(XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1, keysym); }
    // Grabs the X modifiers + key (no lock keys); false when another client holds it.
    bool grab(quint16 modifiers, quint32 keysym) {
        xcb_key_symbols_t* syms = xcb_key_symbols_alloc(c);
        xcb_keycode_t* codes = xcb_key_symbols_get_keycode(syms, keysym);
        const xcb_keycode_t code = codes ? codes[0] : 0;
        std::free(codes);
        xcb_key_symbols_free(syms);
        if (!code) return false;
        xcb_generic_error_t* e = xcb_request_check(
            c, xcb_grab_key_checked(c, 1, xcb_setup_roots_iterator(xcb_get_setup(c)).data->root,
                                    modifiers, code, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        std::free(e);
        return !e;
    }
};

// Which picture the root window shows: "red", "blue" or none.
QString picture() {
    for (const QString& colour : {u"red"_s, u"blue"_s})
        if (rootShows(QColor(colour))) return colour;
    return {};
}

} // namespace

// The table registered with the X11 service: a row whose combination another
// client or an earlier row holds, or whose modifier code is damaged, comes back
// Failed; so does Ctrl+Alt+F5 where the server keeps it for switching terminals
// (the grab would never fire).
TEST(X11HotKeys, RowsHeldElsewhereComeBackFailedAndExchangedKeysAreRegisteredAtOnce) {
    TestApp t;
    t.services.hotkeys = std::make_unique<X11GlobalHotKeys>();
    HotKeyTable& rows = t.app->HotKeys; // modifier code 0: Ctrl + Alt
    rows[0] = {true, false, vkF7, 0, false};
    rows[1] = {true, false, vkF5, 0, false};
    rows[2] = {true, false, vkF5, 0, false};
    rows[3] = {true, false, 'K', 42, false};
    // What the page says of each row.
    const auto said = [&](int row) {
        return HotKeyStatusText(t.services.hotkeys->status(row)).toStdString();
    };
    useKeymap(true);
    RegisterHotKeys(*t.app);
    EXPECT_TRUE(rows[1].Failed);
    EXPECT_EQ(said(1), "refused: not allowed by the desktop: the X server keeps it for switching "
                       "consoles");
    useKeymap(false);
    OtherClient other;
    ASSERT_TRUE(other.grabCtrlAlt(kF7));
    RegisterHotKeys(*t.app);
    for (int row : {0, 2, 3})
        EXPECT_TRUE(rows[row].Failed) << row;
    EXPECT_TRUE(rows[1].Registered);
    EXPECT_EQ(said(0), "refused: taken by another program");
    EXPECT_EQ(said(1), "in force");
    EXPECT_EQ(said(2), "refused: taken by another Tessaly hot key");
    EXPECT_FALSE(other.grabCtrlAlt(kF5));
    UnregisterHotKeys(*t.app);
    EXPECT_TRUE(other.grabCtrlAlt(kF5));

    // Rows that exchange their keys (Clear on Ctrl+Shift+C and Switch on
    // Ctrl+Shift+S, then the other way round) are both registered by the one
    // registration that follows: every row lets go before any row grabs again.
    // A row that is not enabled is neither registered nor failed.
    rows[0] = {true, false, 'C', 2, false}; // modifier code 2: Ctrl + Shift
    rows[1] = {true, false, 'S', 2, false};
    rows[2] = {false, false, 'D', 2, true};
    rows[3] = {};
    RegisterHotKeys(*t.app);
    ASSERT_TRUE(rows[0].Registered && rows[1].Registered);
    std::swap(rows[0].Key, rows[1].Key);
    RegisterHotKeys(*t.app);
    for (int row : {0, 1})
        EXPECT_TRUE(rows[row].Registered && !rows[row].Failed) << row;
    EXPECT_FALSE(rows[2].Registered || rows[2].Failed);
    // What the program holds is the new table: another client can take
    // neither combination.
    for (char key : {'c', 's'})
        EXPECT_FALSE(other.grab(XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_SHIFT, quint32(key)))
            << "the program holds Ctrl+Shift+" << key;
    UnregisterHotKeys(*t.app);
}

// The built program with bindings from its settings file: Ctrl+Alt+F5 switches
// the wallpaper, Ctrl+Alt+F6 toggles automatic changing. A row another client
// holds, beside rows that are registered, is the case above.
TEST(X11HotKeys, ProgramRunsItsStoredBindings) {
    useKeymap(false);
    // Rows switch (F5) and toggle (F6); modifier code 0 is Ctrl + Alt.
    QStringList settings = kEarlierRun;
    for (const auto& [row, key] : {std::pair{1, vkF5}, {2, vkF6}})
        settings << u"HK%1/Enabled=True"_s.arg(row) << u"HK%1/ShiftKey=0"_s.arg(row)
                 << u"HK%1/ASCIIkey=%2"_s.arg(row).arg(key);
    resetHome(settings);
    storePictures(qEnvironmentVariable("HOME"), {u"red"_s, u"blue"_s});
    ASSERT_EQ(picture(), QString()) << "the bench starts without a wallpaper";
    // Its bubbles go to standard error: the session bus address leads nowhere.
    TessalyProcess program({u"/y"_s});

    // The bindings exist once start-up is through: press until a picture shows.
    for (int attempt = 0; attempt < 10 && picture().isEmpty(); ++attempt) {
        xdotool({u"key"_s, u"ctrl+alt+F5"_s});
        waitFor([] { return !picture().isEmpty(); }, 2000);
    }
    QThread::msleep(300);
    const QString first = picture();
    ASSERT_FALSE(first.isEmpty());
    xdotool({u"key"_s, u"ctrl+alt+F5"_s});
    EXPECT_TRUE(waitFor([&] { return picture() == (first == u"red"_s ? u"blue"_s : u"red"_s); }));

    // Other modifiers are not the binding. With Caps Lock and Num Lock on, the
    // toggle held down (the key repeats) runs once; pressed again it says the
    // other state.
    const QString on = u"Tessaly: Automatic wallpaper changing is now Enabled"_s;
    const QString off = u"Tessaly: Automatic wallpaper changing is now Disabled"_s;
    xdotool({u"key"_s, u"ctrl+F6"_s, u"ctrl+alt+shift+F6"_s, u"F6"_s, u"Caps_Lock"_s, u"Num_Lock"_s,
             u"keydown"_s, u"ctrl+alt+F6"_s, u"sleep"_s, u"1.2"_s, u"keyup"_s, u"ctrl+alt+F6"_s});
    program.said(on, 1, 5000);
    xdotool({u"key"_s, u"ctrl+alt+F6"_s, u"Caps_Lock"_s, u"Num_Lock"_s});
    program.said(off, 1, 5000);
    const QString& err = program.errors;
    EXPECT_TRUE(err.count(on) == 1 && err.count(off) == 1 && err.indexOf(on) < err.indexOf(off))
        << err.toStdString();
}

// The built program in a Wayland session of KDE Plasma and of a desktop with
// only the portal, played by the stand-in services on the test's own bus (the
// program itself stays on the test's X server, whose root window shows its
// wallpaper): the desktop's press of "Switch wallpaper" switches it, and the
// end of the program leaves the desktop's list as the user had it.
TEST(HotKeysThroughStandInServices, ProgramRunsTheDesktopsPresses) {
    if (!QDBusConnection::sessionBus().isConnected())
        GTEST_SKIP() << "runs as test_hotkeys_x11_StandInServices, on a bus of its own";
    ShortcutServicesStandIn services(qEnvironmentVariable("HOME") + u"/calls.log"_s);
    for (const auto& [desktop, name, press, args] :
         {std::tuple{u"KDE"_s, u"kde"_s, u"PressKde"_s, QVariantList{u"tessaly"_s, u"hotkey-1"_s}},
          std::tuple{u"Hyprland"_s, u"portal"_s, u"PressPortal"_s, QVariantList{u"hotkey-1"_s}}}) {
        SCOPED_TRACE(desktop.toStdString());
        // A copy the lambdas below can capture (clang 14 cannot capture a
        // structured binding).
        const QString service = name;
        const std::string before = services.shortcuts(service);
        resetHome(kEarlierRun + QStringList{u"HK1/Enabled=True"_s, u"HK1/ShiftKey=0"_s,
                                            u"HK1/ASCIIkey=%1"_s.arg(vkF5)});
        // One picture, not the one the desktop shows: the press must show it.
        const QString shown = picture();
        storePictures(qEnvironmentVariable("HOME"), {shown == u"red"_s ? u"blue"_s : u"red"_s});
        TessalyProcess program({u"/y"_s}, {{u"XDG_SESSION_TYPE"_s, u"wayland"_s},
                                           {u"XDG_CURRENT_DESKTOP"_s, desktop},
                                           {u"QT_QPA_PLATFORM"_s, u"xcb"_s}});
        ASSERT_TRUE(waitFor([&] { return services.shortcuts(service) != before; }))
            << "the program never registered its row";
        // The program listens once the desktop's answers are in: press until
        // the picture shows (the list has only the one).
        const auto switched = [&] { return !picture().isEmpty() && picture() != shown; };
        for (int attempt = 0; attempt < 10 && !switched(); ++attempt) {
            services.call(press, args);
            waitFor(switched, 1500);
        }
        EXPECT_TRUE(switched()) << "the desktop's press did not switch the wallpaper; calls:\n"
                                << readFile(services.log).toStdString();
        QProcess::execute(kTessaly, {u"--quit"_s});
        EXPECT_TRUE(program.process.waitForFinished(10000));
        EXPECT_TRUE(waitFor([&] { return services.shortcuts(service) == before; }))
            << services.shortcuts(service);
    }
}
