#include "platform/linux/KdeHotKeys.h"

#include "platform/linux/HotKeyRoutes.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const QString kService = QStringLiteral("org.kde.kglobalaccel");
const QString kPath = QStringLiteral("/kglobalaccel");
const QString kInterface = QStringLiteral("org.kde.KGlobalAccel");
const QString kComponentInterface = QStringLiteral("org.kde.kglobalaccel.Component");
const QString kComponent = QStringLiteral("tessaly");
// Where the user sees the keys, in the interface's language.
QString where() {
    return QCoreApplication::translate("HotKeys", "System Settings, Shortcuts, Tessaly");
}
// setShortcutKeys flags: the action is present, and the keys given win over
// keys the daemon remembers.
constexpr uint kSetPresent = 2;
constexpr uint kNoAutoloading = 4;

// A key sequence as KGlobalAccel carries it: up to four key combinations.
struct KeySequence {
    QList<int> keys;
};

QDBusArgument& operator<<(QDBusArgument& a, const KeySequence& s) {
    a.beginStructure();
    a.beginArray(QMetaType::fromType<int>());
    for (int i = 0; i < 4; ++i)
        a << s.keys.value(i);
    a.endArray();
    a.endStructure();
    return a;
}

const QDBusArgument& operator>>(const QDBusArgument& a, KeySequence& s) {
    s.keys.clear();
    a.beginStructure();
    a.beginArray();
    while (!a.atEnd()) {
        int k = 0;
        a >> k;
        s.keys << k;
    }
    a.endArray();
    a.endStructure();
    return a;
}

QDBusMessage call(const QString& method, const QVariantList& args) {
    QDBusMessage m = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
    m.setArguments(args);
    return m;
}

} // namespace

Q_DECLARE_METATYPE(KeySequence)

KdeHotKeys::KdeHotKeys(QObject* parent) : GlobalHotKeys(parent) {
    qDBusRegisterMetaType<KeySequence>();
    qDBusRegisterMetaType<QList<KeySequence>>();
}

KdeHotKeys::~KdeHotKeys() = default;

QStringList KdeHotKeys::actionId(int id) const {
    return {kComponent, actionName(id), QStringLiteral("Tessaly"), m_actions.value(id).name};
}

void KdeHotKeys::watchComponent() {
    if (m_watching) return;
    m_watching = true;
    auto* w = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(call(QStringLiteral("getComponent"), {kComponent})),
        this);
    connect(w, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *w;
        if (reply.isError()) {
            m_watching = false;
            return;
        }
        QDBusConnection::sessionBus().connect(kService, reply.value().path(), kComponentInterface,
                                              QStringLiteral("globalShortcutPressed"), this,
                                              SLOT(onPressed(QString, QString, qlonglong)));
    });
}

void KdeHotKeys::onPressed(const QString& component, const QString& action, qlonglong) {
    if (component != kComponent) return;
    for (auto it = m_status.cbegin(); it != m_status.cend(); ++it)
        if (action == actionName(it.key()) && it->state == HotKeyStatus::State::InForce)
            emit activated(it.key());
}

bool KdeHotKeys::registerHotKey(int id, int flags, int vk) {
    const int key = QtKeyCombination(flags, vk);
    if (key == 0) {
        setStatus(id, {HotKeyStatus::State::Refused,
                       QCoreApplication::translate("HotKeys", "not a combination Tessaly can bind"),
                       {}});
        return false;
    }
    const quint64 generation = ++m_next;
    m_generation.insert(id, generation);
    setStatus(id, {HotKeyStatus::State::Pending, {}, {}});
    QDBusConnection bus = QDBusConnection::sessionBus();
    // The calls arrive in order: the action exists before its keys are set.
    bus.send(call(QStringLiteral("doRegister"), {actionId(id)}));
    // The component exists now; its answer comes before the keys' answer,
    // so the program listens for presses by the time a row is in force.
    watchComponent();
    const QList<KeySequence> keys{KeySequence{{key}}};
    auto* w =
        new QDBusPendingCallWatcher(bus.asyncCall(call(QStringLiteral("setShortcutKeys"),
                                                       {actionId(id), QVariant::fromValue(keys),
                                                        kSetPresent | kNoAutoloading})),
                                    this);
    connect(w, &QDBusPendingCallWatcher::finished, this,
            [this, id, generation, key](QDBusPendingCallWatcher* w) {
                w->deleteLater();
                if (m_generation.value(id) != generation) return;
                const QDBusPendingReply<QList<KeySequence>> reply = *w;
                if (reply.isError()) {
                    setStatus(id, {HotKeyStatus::State::Refused,
                                   QCoreApplication::translate(
                                       "HotKeys", "KDE's shortcut service does not answer (%1)")
                                       .arg(reply.error().message()),
                                   {}});
                    return;
                }
                // The daemon gives back the keys the action now has: none
                // when another program's action holds the combination.
                const QList<KeySequence> got = reply.value();
                if (got.isEmpty() || got.first().keys.value(0) != key) {
                    // The action without its key does not stay in the list.
                    m_generation.remove(id);
                    QDBusConnection::sessionBus().send(
                        call(QStringLiteral("unregister"), {kComponent, actionName(id)}));
                    setStatus(id,
                              {HotKeyStatus::State::Refused,
                               QCoreApplication::translate("HotKeys", "taken by another program"),
                               {}});
                    return;
                }
                setStatus(id, {HotKeyStatus::State::InForce, {}, where()});
            });
    return true;
}

void KdeHotKeys::unregisterHotKey(int id) {
    clearStatus(id);
    if (!m_generation.remove(id)) return;
    // The action leaves Plasma's list along with its key.
    QDBusConnection::sessionBus().send(
        call(QStringLiteral("unregister"), {kComponent, actionName(id)}));
}
