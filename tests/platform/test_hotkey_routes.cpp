// The hot-key routes of the Linux desktops, each against the desktop's own
// store or a stand-in for its service: the route each session gets and its key
// syntax; sway's IPC commands against a stand-in socket; GNOME's custom
// shortcuts in GSettings on the keyfile back end; KGlobalAccel and the
// GlobalShortcuts portal against stand-in services on the test's own bus
// (tests/support/shortcut-services-standin.py). In every case the table's rows
// are swapped, one is unticked and the program ends, and the desktop's list
// must then be the user's own plus exactly the program's enabled rows.
#include "ShortcutServicesStandIn.h"

#include "hotkeys/HotKeys.h"
#include "platform/linux/GnomeHotKeys.h"
#include "platform/linux/HotKeyRoutes.h"
#include "platform/linux/KdeHotKeys.h"
#include "platform/linux/PortalHotKeys.h"
#include "platform/linux/SwayHotKeys.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {

constexpr int kCtrlShift = 2, kCtrlAlt = 0, kAlt = 4; // modifier codes
const QString kProgram = u"/opt/tessaly's/tessaly"_s;

// Rows 0 … 3: Clear on Ctrl+Shift+C, Switch on Ctrl+Shift+S, Toggle on
// `third` (a combination the user's desktop holds), Settings unticked; with
// `previous`, row 4, Previous on Ctrl+Shift+P.
void setRows(AppContext& app, int thirdModifiers, int thirdKey, bool previous = false) {
    app.HotKeys[0] = {true, false, 'C', kCtrlShift, false};
    app.HotKeys[1] = {true, false, 'S', kCtrlShift, false};
    app.HotKeys[2] = {true, false, qint16(thirdKey), qint16(thirdModifiers), false};
    app.HotKeys[3] = {false, false, 'R', kCtrlShift, false};
    app.HotKeys[4] = {previous, false, 'P', kCtrlShift, false};
}

// Rows 0 … 3's statuses as the page says them, once no row is waiting any more.
std::string statuses(AppContext& app) {
    GlobalHotKeys& s = *app.platform.hotkeys;
    EXPECT_TRUE(waitUntil([&] {
        for (int i = 0; i < int(app.HotKeys.size()); ++i)
            if (s.status(i).state == HotKeyStatus::State::Pending) return false;
        return true;
    })) << "a row still waits for the desktop";
    QStringList out;
    for (int i = 0; i < 4; ++i)
        out << HotKeyStatusText(s.status(i));
    return out.join(u" | "_s).toStdString();
}

std::string lines(const QStringList& l) {
    return l.join(u" | "_s).toStdString();
}

} // namespace

// sway's IPC socket played by a local server that keeps the binding table as
// sway would: the configuration's bindings, then what the commands change.
struct SwayIpcStandIn {
    QLocalServer server;
    QString config = u"set $mod Mod4\nbindsym $mod+Return exec foot\n"
                     "bindsym --release Ctrl+Alt+t exec foot\n"_s;
    QStringList commands;
    QStringList bindings{u"Mod4+Return"_s, u"Ctrl+Alt+t"_s};
    QByteArray buffer;

    explicit SwayIpcStandIn(const QString& path) {
        QLocalServer::removeServer(path);
        EXPECT_TRUE(server.listen(path));
        QObject::connect(&server, &QLocalServer::newConnection, &server, [this] {
            QLocalSocket* c = server.nextPendingConnection();
            QObject::connect(c, &QLocalSocket::readyRead, c, [this, c] { serve(c); });
        });
    }
    void serve(QLocalSocket* c) {
        buffer += c->readAll();
        while (buffer.size() >= 14) {
            const quint32 length = qFromLittleEndian<quint32>(buffer.constData() + 6);
            const quint32 type = qFromLittleEndian<quint32>(buffer.constData() + 10);
            if (buffer.size() < 14 + qsizetype(length)) return;
            const QString body = QString::fromUtf8(buffer.mid(14, length));
            buffer.remove(0, 14 + length);
            QByteArray reply = R"([{"success":true}])";
            if (type == 9) {
                reply = QJsonDocument(QJsonObject{{u"config"_s, config}}).toJson();
            } else {
                commands << body;
                const QStringList w = body.split(u' ');
                if (w.value(0) == u"bindsym"_s) bindings << w.value(2);
                if (w.value(0) == u"unbindsym"_s && !bindings.removeOne(w.value(1)))
                    reply = R"([{"success":false,"error":"no such binding"}])";
            }
            QByteArray header("i3-ipc");
            quint32 h[2] = {qToLittleEndian(quint32(reply.size())), qToLittleEndian(type)};
            header.append(reinterpret_cast<const char*>(h), 8);
            c->write(header + reply);
        }
    }
};

TEST(HotKeyRoutes, EachSessionGetsItsRouteEachDesktopItsKeySyntaxAndSwayBindsThroughIpc) {
    const auto route = [](std::initializer_list<std::pair<const char*, const char*>> vars,
                          bool onX11) {
        HotKeySession s;
        for (const auto& [k, v] : vars)
            s.env.insert(QString::fromUtf8(k), QString::fromUtf8(v));
        s.onX11Display = onX11;
        return ChooseHotKeyRoute(s);
    };
    using R = HotKeyRoute;
    EXPECT_EQ(route({{"XDG_SESSION_TYPE", "x11"}, {"XDG_CURRENT_DESKTOP", "KDE"}}, true), R::X11);
    EXPECT_EQ(route({{"XDG_SESSION_TYPE", "x11"}, {"XDG_CURRENT_DESKTOP", "ubuntu:GNOME"}}, true),
              R::X11ThenGnome);
    // On Wayland the program's own X connection (XWayland) grabs nothing.
    EXPECT_EQ(route({{"XDG_SESSION_TYPE", "wayland"}, {"XDG_CURRENT_DESKTOP", "GNOME"}}, true),
              R::Gnome);
    // KDE Plasma's own service where the bus has it (owned or activatable).
    HotKeySession plasma;
    plasma.env.insert(u"WAYLAND_DISPLAY"_s, u"wayland-1"_s);
    plasma.env.insert(u"XDG_CURRENT_DESKTOP"_s, u"KDE"_s);
    EXPECT_TRUE(HotKeyRouteAsksTheBus(plasma));
    plasma.busNames = QStringList{u"org.freedesktop.portal.Desktop"_s, u"org.kde.kglobalaccel"_s};
    EXPECT_EQ(ChooseHotKeyRoute(plasma), R::Kde);
    plasma.busNames = QStringList{u"org.freedesktop.portal.Desktop"_s};
    EXPECT_EQ(ChooseHotKeyRoute(plasma), R::Portal);
    EXPECT_EQ(route({{"XDG_SESSION_TYPE", "wayland"}, {"SWAYSOCK", "/run/sway.sock"}}, false),
              R::Sway);
    EXPECT_EQ(route({{"XDG_SESSION_TYPE", "wayland"}, {"XDG_CURRENT_DESKTOP", "Hyprland"}}, false),
              R::Portal);
    EXPECT_EQ(route({}, false), R::Portal);

    // Ctrl+Alt+Shift+F5, Alt+Page Up, Alt+Delete; key 42 has no name. Each
    // route's Ctrl+Shift+letter is in its case below.
    EXPECT_EQ(SwayCombination(7, 116), u"Ctrl+Alt+Shift+F5"_s);
    EXPECT_EQ(PortalTrigger(1, 33), u"ALT+Page_Up"_s);
    EXPECT_EQ(QtKeyCombination(1, 46), (Qt::ALT | Qt::Key_Delete).toCombined());
    for (int vk : {42, 0, 91})
        EXPECT_TRUE(GnomeAccelerator(2, vk).isEmpty() && SwayCombination(2, vk).isEmpty() &&
                    PortalTrigger(2, vk).isEmpty() && QtKeyCombination(2, vk) == 0)
            << vk;
    EXPECT_TRUE(SwayCombination(0, 'S').isEmpty()) << "a bare key is never bound";

    // sway: bound through its IPC, the user's own bindings left alone.
    TestApp t;
    const QString socket = t.path(u"sway-ipc.sock"_s);
    SwayIpcStandIn sway(socket);
    t.services.hotkeys = std::make_unique<SwayHotKeys>(socket, kProgram);
    AppContext& app = *t.app;
    setRows(app, kCtrlAlt, 'T', true);
    RegisterHotKeys(app);
    EXPECT_EQ(
        statuses(app),
        lines(QStringList({u"handed to the desktop; shown in sway's bindings, while Tessaly runs"_s,
                           u"handed to the desktop; shown in sway's bindings, while Tessaly runs"_s,
                           u"refused: taken by another program: sway's configuration binds it"_s,
                           QString()})));
    EXPECT_TRUE(app.HotKeys[2].Failed);
    for (const QString& action : {u"+s exec '/opt/tessaly'\\''s/tessaly' --next"_s,
                                  u"+p exec '/opt/tessaly'\\''s/tessaly' --previous"_s})
        EXPECT_TRUE(sway.commands.contains(u"bindsym --no-repeat Ctrl+Shift"_s + action))
            << sway.commands.join(u'\n').toStdString();

    // Swapped keys, then a row unticked: the bindings follow the table.
    std::swap(app.HotKeys[0].Key, app.HotKeys[1].Key);
    RegisterHotKeys(app);
    statuses(app);
    EXPECT_TRUE(sway.commands.contains(
        u"bindsym --no-repeat Ctrl+Shift+c exec '/opt/tessaly'\\''s/tessaly' --next"_s));
    app.HotKeys[0].Enabled = false;
    RegisterHotKeys(app);
    statuses(app);
    EXPECT_EQ(sorted(sway.bindings), QStringList({u"Ctrl+Alt+t"_s, u"Ctrl+Shift+c"_s,
                                                  u"Ctrl+Shift+p"_s, u"Mod4+Return"_s}));
    // The end of the program removes the rest.
    EndHotKeys(app);
    t.services.hotkeys.reset();
    EXPECT_TRUE(waitUntil([&] { return sway.bindings.size() == 2; }));
    EXPECT_EQ(sway.bindings, QStringList({u"Mod4+Return"_s, u"Ctrl+Alt+t"_s}));
    EXPECT_FALSE(sway.commands.join(u'\n').contains(u"Mod4+Return"_s));

    // Without sway to talk to, every row says so.
    t.services.hotkeys = std::make_unique<SwayHotKeys>(t.path(u"nowhere.sock"_s), kProgram);
    setRows(app, kCtrlAlt, 'T');
    RegisterHotKeys(app);
    for (const QString& s : QString::fromStdString(statuses(app)).split(u" | "_s).mid(0, 3))
        EXPECT_TRUE(s.startsWith(u"refused: sway cannot be reached"_s)) << s.toStdString();
}

namespace {

QString gsettings(const QStringList& args) {
    return run(u"gsettings"_s, args).trimmed();
}

const QString kList = u"org.gnome.settings-daemon.plugins.media-keys"_s;
const QString kRow = u"org.gnome.settings-daemon.plugins.media-keys.custom-keybinding:"_s;
const QString kFolder = u"/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/"_s;

// The custom shortcuts as another program reads them: "binding command" per
// listed row.
QStringList gnomeRows() {
    QStringList out;
    const QString list = gsettings({u"get"_s, kList, u"custom-keybindings"_s});
    for (const QString& path : list.split(u"'"_s))
        if (path.startsWith(u'/'))
            out << gsettings({u"get"_s, kRow + path, u"binding"_s}) + u' ' +
                       gsettings({u"get"_s, kRow + path, u"command"_s});
    return out;
}

} // namespace

TEST(HotKeyRoutesGnome, CustomShortcutsFollowTheTableAndLeaveTheUsersOwn) {
    if (QStandardPaths::findExecutable(u"gsettings"_s).isEmpty() ||
        !QFile::exists(u"/usr/share/glib-2.0/schemas/"
                       "org.gnome.settings-daemon.plugins.media-keys.gschema.xml"_s))
        GTEST_SKIP() << "gsettings or the GNOME shortcut schema is not installed";
    ASSERT_NE(qEnvironmentVariable("XDG_CONFIG_HOME"), QDir::homePath() + u"/.config"_s);
    qputenv("GSETTINGS_BACKEND", "keyfile");
    // The user's own shortcut on Ctrl+Alt+T, as GNOME Settings writes it.
    const QString mine = kFolder + u"custom0/"_s;
    // … and an entry no desktop can use, which stays as it is.
    const QString usersList = u"['"_s + mine + u"', 'broken']"_s;
    gsettings({u"set"_s, kList, u"custom-keybindings"_s, usersList});
    gsettings({u"set"_s, kRow + mine, u"name"_s, u"Terminal"_s});
    gsettings({u"set"_s, kRow + mine, u"binding"_s, u"<Primary><Alt>t"_s});
    gsettings({u"set"_s, kRow + mine, u"command"_s, u"foot"_s});
    const QString user = u"'<Primary><Alt>t' 'foot'"_s;

    TestApp t;
    t.services.hotkeys = std::make_unique<GnomeHotKeys>(kProgram);
    AppContext& app = *t.app;
    app.settings.AutoStart = false;
    setRows(app, kCtrlAlt, 'T');
    app.HotKeys[3] = {true, false, 115, kAlt, false}; // Alt+F4 is the desktop's "close"
    RegisterHotKeys(app);
    const QString handed = u"handed to the desktop; shown in GNOME Settings, Keyboard, Custom "
                           "Shortcuts"_s;
    EXPECT_EQ(statuses(app),
              lines(QStringList({handed, handed, u"refused: taken by Terminal"_s,
                                 u"refused: taken by the desktop's shortcut \"close\""_s})));
    const QString clear = u"'<Control><Shift>c' \"'/opt/tessaly'\\\\''s/tessaly' --clear\""_s;
    const QString next = u"'<Control><Shift>s' \"'/opt/tessaly'\\\\''s/tessaly' --next\""_s;
    EXPECT_EQ(lines(gnomeRows()), lines(QStringList({user, clear, next})));

    std::swap(app.HotKeys[0].Key, app.HotKeys[1].Key);
    app.HotKeys[3].Enabled = false;
    RegisterHotKeys(app);
    QStringList swapped = {user,
                           u"'<Control><Shift>s' \"'/opt/tessaly'\\\\''s/tessaly' --clear\""_s,
                           u"'<Control><Shift>c' \"'/opt/tessaly'\\\\''s/tessaly' --next\""_s};
    EXPECT_EQ(lines(gnomeRows()), lines(swapped));
    app.HotKeys[0].Enabled = false;
    RegisterHotKeys(app);
    EXPECT_EQ(lines(gnomeRows()), lines(QStringList({user, swapped[2]})));
    // The unticked row's values are gone too, not only its place in the list.
    EXPECT_EQ(gsettings({u"get"_s, kRow + GnomeHotKeys::rowPath(0), u"binding"_s}), u"''"_s);

    // Starting at log-on, the rows stay for the next start (the desktop runs
    // the program); otherwise the end of the program removes them.
    app.settings.AutoStart = true;
    EndHotKeys(app);
    EXPECT_EQ(lines(gnomeRows()), lines(QStringList({user, swapped[2]})));
    t.services.hotkeys = std::make_unique<GnomeHotKeys>(kProgram);
    app.settings.AutoStart = false;
    RegisterHotKeys(app);
    EndHotKeys(app);
    EXPECT_EQ(gsettings({u"get"_s, kList, u"custom-keybindings"_s}), usersList);
    EXPECT_EQ(lines(gnomeRows()), lines(QStringList({user})));
}

// KGlobalAccel and the portal, each played by its stand-in beside another
// program's shortcut on Ctrl+Alt+T: presses reach the program, and the list
// follows the table to the end of the program.
TEST(HotKeyRoutesOnBusStandIn, KGlobalAccelAndPortalStandInsHoldExactlyTheEnabledRows) {
    for (const bool kde : {true, false}) {
        SCOPED_TRACE(kde ? "KGlobalAccel" : "portal");
        TestApp t;
        AppContext& app = *t.app;
        QList<int> pressed; // the actions pressed through the service, in order
        QObject::connect(&app.events, &AppEvents::hotKeyPressed, [&](int id) { pressed << id; });
        setRows(app, kCtrlAlt, 'T', true);
        const auto route = [kde]() -> std::unique_ptr<GlobalHotKeys> {
            if (kde) return std::make_unique<KdeHotKeys>();
            return std::make_unique<PortalHotKeys>();
        };
        // With no service on the bus, every enabled row says so.
        t.services.hotkeys = route();
        RegisterHotKeys(app);
        const QString none =
            kde ? u"refused: KDE's shortcut service does not answer (The name org.kde.kglobalaccel was not provided by any .service files)"_s
                : u"refused: the desktop offers no global shortcut portal (The name org.freedesktop.portal.Desktop was not provided by any .service files)"_s;
        EXPECT_EQ(statuses(app), lines({none, none, none, QString()}));
        EXPECT_TRUE(app.HotKeys[0].Failed && !app.HotKeys[0].Registered);

        ShortcutServicesStandIn services(t.path(u"calls.log"_s));
        t.services.hotkeys = route();
        RegisterHotKeys(app);
        const QString service = kde ? u"kde"_s : u"portal"_s;
        // Ctrl+Shift+C, Ctrl+Shift+S, Ctrl+Shift+P in the service's syntax.
        const QStringList keys =
            kde ? QStringList{u"0x6000043"_s, u"0x6000053"_s, u"0x6000050"_s}
                : QStringList{u"CTRL+SHIFT+c"_s, u"CTRL+SHIFT+s"_s, u"CTRL+SHIFT+p"_s};
        const QString handed =
            u"handed to the desktop; shown in the desktop's shortcut settings (now "_s;
        EXPECT_EQ(statuses(app),
                  kde ? lines({u"in force; shown in System Settings, Shortcuts, Tessaly"_s,
                               u"in force; shown in System Settings, Shortcuts, Tessaly"_s,
                               u"refused: taken by another program"_s, QString()})
                      : lines({handed + keys[0] + u')', handed + keys[1] + u')',
                               u"refused: not allowed by the desktop"_s, QString()}));
        EXPECT_TRUE(app.HotKeys[2].Failed && !app.HotKeys[2].Registered);
        // The other program's shortcut, then the program's rows: {row, key}.
        const auto held = [&](const QList<std::pair<int, QString>>& rows) {
            QStringList l{kde ? u"kde konsole/launch 0xc000054"_s
                              : u"portal other-app/terminal CTRL+ALT+t"_s};
            for (const auto& [row, key] : rows)
                l << service + u" tessaly/hotkey-%1 "_s.arg(row) + key;
            return lines(l);
        };
        EXPECT_EQ(services.shortcuts(service), held({{0, keys[0]}, {1, keys[1]}, {4, keys[2]}}));
        if (kde) {
            for (const char* named :
                 {"hotkey-1 Tessaly Next wallpaper", "hotkey-4 Tessaly Previous wallpaper"})
                EXPECT_TRUE(
                    readFile(services.log).contains(QByteArray("doRegister tessaly ") + named));
        }
        const auto press = [&](const QString& row) {
            services.call(kde ? u"PressKde"_s : u"PressPortal"_s,
                          kde ? QVariantList{u"tessaly"_s, row} : QVariantList{row});
        };
        press(u"hotkey-1"_s);
        press(u"hotkey-4"_s);
        EXPECT_TRUE(waitUntil([&] { return pressed == QList<int>{1, 4}; }));

        std::swap(app.HotKeys[0].Key, app.HotKeys[1].Key);
        RegisterHotKeys(app);
        statuses(app);
        EXPECT_EQ(services.shortcuts(service), held({{0, keys[1]}, {1, keys[0]}, {4, keys[2]}}));
        app.HotKeys[1].Enabled = false;
        app.HotKeys[2].Enabled = false; // the refused row: not asked for again
        RegisterHotKeys(app);
        statuses(app);
        EXPECT_EQ(services.shortcuts(service), held({{0, keys[1]}, {4, keys[2]}}));
        if (!kde) {
            EXPECT_TRUE(readFile(services.log)
                            .trimmed()
                            .endsWith(" hotkey-0=CTRL+SHIFT+s hotkey-4=CTRL+SHIFT+p"))
                << readFile(services.log).toStdString();
        }
        press(u"hotkey-0"_s);
        EXPECT_TRUE(waitUntil([&] { return pressed == QList<int>{1, 4, 0}; }));
        EndHotKeys(app);
        EXPECT_TRUE(waitUntil([&] { return services.shortcuts(service) == held({}); }))
            << services.shortcuts(u"kde"_s) << services.shortcuts(u"portal"_s);
    }
}
