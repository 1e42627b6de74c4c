#include "platform/linux/HotKeyRoutes.h"

#include "platform/linux/GnomeHotKeys.h"
#include "platform/linux/KdeHotKeys.h"
#include "platform/linux/PortalHotKeys.h"
#include "platform/linux/SwayHotKeys.h"
#include "platform/linux/X11GlobalHotKeys.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>

namespace {

constexpr int kAlt = 1;
constexpr int kControl = 2;
constexpr int kShift = 4;

// Key grabs first; a row whose grab is refused goes to the GNOME custom
// shortcuts instead (a GNOME session on X11 whose own daemon holds keys).
class X11ThenGnomeHotKeys : public GlobalHotKeys {
public:
    explicit X11ThenGnomeHotKeys(const QString& program) : m_gnome(program) {
        connect(&m_x11, &GlobalHotKeys::activated, this, &GlobalHotKeys::activated);
        connect(&m_gnome, &GlobalHotKeys::statusChanged, this, [this](int id) {
            if (m_handed.contains(id)) setStatus(id, m_gnome.status(id));
        });
    }
    bool registerHotKey(int id, int flags, int vk) override {
        m_handed.remove(id);
        if (m_x11.registerHotKey(id, flags, vk)) {
            setStatus(id, m_x11.status(id));
            return true;
        }
        m_handed.insert(id);
        const Action a = m_actions.value(id);
        m_gnome.describeAction(id, a.name, a.option);
        const bool ok = m_gnome.registerHotKey(id, flags, vk);
        setStatus(id, m_gnome.status(id));
        return ok;
    }
    void unregisterHotKey(int id) override {
        clearStatus(id);
        m_x11.unregisterHotKey(id);
        if (m_handed.remove(id)) m_gnome.unregisterHotKey(id);
    }
    void beginChanges() override { m_gnome.beginChanges(); }
    void commitChanges() override { m_gnome.commitChanges(); }
    void keepHandedAfterEnd(bool keep) override { m_gnome.keepHandedAfterEnd(keep); }

private:
    X11GlobalHotKeys m_x11;
    GnomeHotKeys m_gnome;
    QSet<int> m_handed;
};

const QString kKGlobalAccel = QStringLiteral("org.kde.kglobalaccel");

// A route chosen once the session bus has said which services it has: until
// then the rows wait (Pending) and are registered with the chosen route when
// the answer comes. No call blocks.
class BusChosenHotKeys : public GlobalHotKeys {
public:
    BusChosenHotKeys(HotKeySession session, const QString& program) : m_program(program) {
        auto* owned = new QDBusPendingCallWatcher(
            QDBusConnection::sessionBus().interface()->asyncCall(QStringLiteral("ListNames")),
            this);
        auto* activatable =
            new QDBusPendingCallWatcher(QDBusConnection::sessionBus().interface()->asyncCall(
                                            QStringLiteral("ListActivatableNames")),
                                        this);
        auto names = std::make_shared<QStringList>();
        auto waiting = std::make_shared<int>(2);
        const auto answered = [this, session, names, waiting](QDBusPendingCallWatcher* w) mutable {
            w->deleteLater();
            const QDBusPendingReply<QStringList> reply = *w;
            if (!reply.isError()) *names += reply.value();
            if (--*waiting > 0) return;
            session.busNames = *names;
            choose(ChooseHotKeyRoute(session));
        };
        connect(owned, &QDBusPendingCallWatcher::finished, this, answered);
        connect(activatable, &QDBusPendingCallWatcher::finished, this, answered);
    }
    bool registerHotKey(int id, int flags, int vk) override {
        if (m_route) {
            const Action a = m_actions.value(id);
            m_route->describeAction(id, a.name, a.option);
            return m_route->registerHotKey(id, flags, vk);
        }
        m_rows.insert(id, {flags, vk});
        setStatus(id, {HotKeyStatus::State::Pending, {}, {}});
        return true;
    }
    void unregisterHotKey(int id) override {
        if (m_route) return m_route->unregisterHotKey(id);
        m_rows.remove(id);
        clearStatus(id);
    }
    void beginChanges() override {
        if (m_route) m_route->beginChanges();
    }
    void commitChanges() override {
        if (m_route) m_route->commitChanges();
    }
    HotKeyStatus status(int id) const override {
        return m_route ? m_route->status(id) : GlobalHotKeys::status(id);
    }
    void keepHandedAfterEnd(bool keep) override {
        GlobalHotKeys::keepHandedAfterEnd(keep);
        if (m_route) m_route->keepHandedAfterEnd(keep);
    }

private:
    void choose(HotKeyRoute route) {
        m_route = CreateHotKeyRoute(route, m_program);
        connect(m_route.get(), &GlobalHotKeys::activated, this, &GlobalHotKeys::activated);
        connect(m_route.get(), &GlobalHotKeys::statusChanged, this, &GlobalHotKeys::statusChanged);
        m_route->keepHandedAfterEnd(m_keepHanded);
        m_route->beginChanges();
        for (auto it = m_rows.cbegin(); it != m_rows.cend(); ++it) {
            const Action a = m_actions.value(it.key());
            m_route->describeAction(it.key(), a.name, a.option);
            // Its answer reaches the rows through statusChanged.
            m_route->registerHotKey(it.key(), it->first, it->second);
        }
        m_rows.clear();
        m_route->commitChanges();
    }

    QString m_program;
    std::unique_ptr<GlobalHotKeys> m_route;
    QMap<int, std::pair<int, int>> m_rows; // id → (flags, key) asked for meanwhile
};

bool isGnomeFamily(const QString& desktops) {
    for (const QString& raw : desktops.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QString n = raw.trimmed().toLower();
        if (n == QLatin1String("gnome") || n == QLatin1String("gnome-classic") ||
            n == QLatin1String("gnome-flashback") || n == QLatin1String("unity") ||
            n == QLatin1String("budgie") || n == QLatin1String("pantheon") ||
            n == QLatin1String("ubuntu"))
            return true;
    }
    return false;
}

bool isKde(const QProcessEnvironment& env) {
    for (const QString& raw :
         env.value(QStringLiteral("XDG_CURRENT_DESKTOP")).split(QLatin1Char(':')))
        if (raw.trimmed().compare(QLatin1String("kde"), Qt::CaseInsensitive) == 0) return true;
    return env.value(QStringLiteral("KDE_FULL_SESSION")) == QLatin1String("true");
}

} // namespace

HotKeyRoute ChooseHotKeyRoute(const HotKeySession& s) {
    const QProcessEnvironment& env = s.env;
    const QString type = env.value(QStringLiteral("XDG_SESSION_TYPE")).toLower();
    // A Wayland session, even where the program itself runs on XWayland: key
    // grabs there reach only the X clients' own windows.
    const bool wayland =
        type == QLatin1String("wayland") ||
        (type != QLatin1String("x11") && !env.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty());
    const bool gnome = isGnomeFamily(env.value(QStringLiteral("XDG_CURRENT_DESKTOP")));
    if (!wayland && s.onX11Display) return gnome ? HotKeyRoute::X11ThenGnome : HotKeyRoute::X11;
    if (!env.value(QStringLiteral("SWAYSOCK")).isEmpty()) return HotKeyRoute::Sway;
    if (gnome) return HotKeyRoute::Gnome;
    if (isKde(env) && (!s.busNames || s.busNames->contains(kKGlobalAccel))) return HotKeyRoute::Kde;
    return HotKeyRoute::Portal;
}

bool HotKeyRouteAsksTheBus(const HotKeySession& s) {
    HotKeySession known = s;
    known.busNames = QStringList();
    return ChooseHotKeyRoute(s) != ChooseHotKeyRoute(known);
}

std::unique_ptr<GlobalHotKeys> CreateHotKeyRoute(HotKeyRoute route, const QString& program) {
    switch (route) {
    case HotKeyRoute::X11:
        return std::make_unique<X11GlobalHotKeys>();
    case HotKeyRoute::X11ThenGnome:
        return std::make_unique<X11ThenGnomeHotKeys>(program);
    case HotKeyRoute::Gnome:
        return std::make_unique<GnomeHotKeys>(program);
    case HotKeyRoute::Kde:
        return std::make_unique<KdeHotKeys>();
    case HotKeyRoute::Sway:
        return std::make_unique<SwayHotKeys>(qEnvironmentVariable("SWAYSOCK"), program);
    case HotKeyRoute::Portal:
        return std::make_unique<PortalHotKeys>();
    }
    return std::make_unique<X11GlobalHotKeys>();
}

std::unique_ptr<GlobalHotKeys> CreateSessionHotKeys() {
    HotKeySession session;
    session.env = QProcessEnvironment::systemEnvironment();
    session.onX11Display = QGuiApplication::platformName() == QLatin1String("xcb");
    const QString program = QCoreApplication::applicationFilePath();
    if (HotKeyRouteAsksTheBus(session)) return std::make_unique<BusChosenHotKeys>(session, program);
    return CreateHotKeyRoute(ChooseHotKeyRoute(session), program);
}

QString HotKeyKeysymName(int vk) {
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) return QString(QChar(vk)).toLower();
    if (vk >= 112 && vk <= 123) return QStringLiteral("F%1").arg(vk - 111);
    switch (vk) {
    case 33:
        return QStringLiteral("Page_Up");
    case 34:
        return QStringLiteral("Page_Down");
    case 35:
        return QStringLiteral("End");
    case 36:
        return QStringLiteral("Home");
    case 37:
        return QStringLiteral("Left");
    case 38:
        return QStringLiteral("Up");
    case 39:
        return QStringLiteral("Right");
    case 40:
        return QStringLiteral("Down");
    case 41:
        return QStringLiteral("Select");
    case 43:
        return QStringLiteral("Execute");
    case 44:
        return QStringLiteral("Print");
    case 45:
        return QStringLiteral("Insert");
    case 46:
        return QStringLiteral("Delete");
    case 47:
        return QStringLiteral("Help");
    default:
        return {};
    }
}

namespace {

// The combination with the route's modifier names, in the order Control,
// Alt, Shift; empty when the key has no name or there is no modifier.
QString combination(int flags, int vk, const char* control, const char* alt, const char* shift,
                    const char* separator) {
    const QString key = HotKeyKeysymName(vk);
    if (key.isEmpty() || (flags & (kAlt | kControl | kShift)) == 0) return {};
    const QString sep = QString::fromLatin1(separator);
    QString out;
    if (flags & kControl) out += QString::fromLatin1(control) + sep;
    if (flags & kAlt) out += QString::fromLatin1(alt) + sep;
    if (flags & kShift) out += QString::fromLatin1(shift) + sep;
    return out + key;
}

} // namespace

QString GnomeAccelerator(int flags, int vk) {
    return combination(flags, vk, "<Control>", "<Alt>", "<Shift>", "");
}

QString SwayCombination(int flags, int vk) {
    return combination(flags, vk, "Ctrl", "Alt", "Shift", "+");
}

QString PortalTrigger(int flags, int vk) {
    return combination(flags, vk, "CTRL", "ALT", "SHIFT", "+");
}

int QtKeyCombination(int flags, int vk) {
    if (HotKeyKeysymName(vk).isEmpty() || (flags & (kAlt | kControl | kShift)) == 0) return 0;
    int key = 0;
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
        key = vk; // Qt::Key_0 … Key_9, Key_A … Key_Z have the same codes
    else if (vk >= 112 && vk <= 123)
        key = Qt::Key_F1 + (vk - 112);
    else {
        static const QHash<int, int> keys = {
            {33, Qt::Key_PageUp}, {34, Qt::Key_PageDown}, {35, Qt::Key_End},   {36, Qt::Key_Home},
            {37, Qt::Key_Left},   {38, Qt::Key_Up},       {39, Qt::Key_Right}, {40, Qt::Key_Down},
            {41, Qt::Key_Select}, {43, Qt::Key_Execute},  {44, Qt::Key_Print}, {45, Qt::Key_Insert},
            {46, Qt::Key_Delete}, {47, Qt::Key_Help}};
        key = keys.value(vk);
    }
    int mods = 0;
    if (flags & kControl) mods |= Qt::CTRL;
    if (flags & kAlt) mods |= Qt::ALT;
    if (flags & kShift) mods |= Qt::SHIFT;
    return mods | key;
}
