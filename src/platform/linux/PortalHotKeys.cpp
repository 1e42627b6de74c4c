#include "platform/linux/PortalHotKeys.h"

#include "platform/linux/HotKeyRoutes.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
// Where the user sees the keys, in the interface's language.
QString where() {
    return QCoreApplication::translate("HotKeys", "the desktop's shortcut settings");
}

struct PortalShortcut {
    QString id;
    QVariantMap options;
};

QDBusArgument& operator<<(QDBusArgument& a, const PortalShortcut& s) {
    a.beginStructure();
    a << s.id << s.options;
    a.endStructure();
    return a;
}

const QDBusArgument& operator>>(const QDBusArgument& a, PortalShortcut& s) {
    a.beginStructure();
    a >> s.id >> s.options;
    a.endStructure();
    return a;
}

QString shortcutId(int id) {
    return QStringLiteral("hotkey-%1").arg(id);
}

// Receives the Response signal of one portal request.
class Request : public QObject {
    Q_OBJECT
public:
    std::function<void(uint, const QVariantMap&)> done;
public slots:
    void response(uint code, const QVariantMap& results) {
        if (done) done(code, results);
        deleteLater();
    }
};

} // namespace

Q_DECLARE_METATYPE(PortalShortcut)

PortalHotKeys::PortalHotKeys(QObject* parent) : GlobalHotKeys(parent) {
    // The Activated slot's parameter types are looked up by name, which
    // finds QDBusObjectPath only once it has been registered.
    qRegisterMetaType<QDBusObjectPath>();
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
}

PortalHotKeys::~PortalHotKeys() {
    closeSession();
}

bool PortalHotKeys::registerHotKey(int id, int flags, int vk) {
    unregisterHotKey(id);
    const QString trigger = PortalTrigger(flags, vk);
    if (trigger.isEmpty()) {
        setStatus(id, {HotKeyStatus::State::Refused,
                       QCoreApplication::translate("HotKeys", "not a combination Tessaly can bind"),
                       {}});
        return false;
    }
    for (auto it = m_wanted.cbegin(); it != m_wanted.cend(); ++it)
        if (*it == trigger) {
            setStatus(id,
                      {HotKeyStatus::State::Refused,
                       QCoreApplication::translate("HotKeys", "taken by another Tessaly hot key"),
                       {}});
            return false;
        }
    m_wanted.insert(id, trigger);
    m_dirty = true;
    setStatus(id, {HotKeyStatus::State::Pending, {}, {}});
    if (m_batch == 0) bind();
    return true;
}

void PortalHotKeys::unregisterHotKey(int id) {
    clearStatus(id);
    if (!m_wanted.remove(id)) return;
    m_dirty = true;
    if (m_batch == 0) bind();
}

void PortalHotKeys::commitChanges() {
    if (m_batch > 0 && --m_batch > 0) return;
    if (m_dirty) bind();
}

void PortalHotKeys::closeSession() {
    if (m_session.path().isEmpty()) return;
    QDBusConnection::sessionBus().send(QDBusMessage::createMethodCall(
        kService, m_session.path(), QStringLiteral("org.freedesktop.portal.Session"),
        QStringLiteral("Close")));
    m_session = {};
}

void PortalHotKeys::refuseAll(const QString& why) {
    // A refused row is not the program's any more: the next change of the
    // rows does not ask for it again.
    const QList<int> ids = m_wanted.keys();
    m_wanted.clear();
    for (int id : ids)
        setStatus(id, {HotKeyStatus::State::Refused, why, {}});
}

void PortalHotKeys::request(const QString& method, const QVariantList& args, const QString& token,
                            std::function<void(uint, const QVariantMap&, const QString&)> done) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    // The answer comes as a signal of a Request object whose path the caller
    // knows beforehand, so the program listens before it asks.
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString path = kPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
    auto* r = new Request;
    r->setParent(this);
    r->done = [done](uint code, const QVariantMap& results) { done(code, results, {}); };
    bus.connect(kService, path, QStringLiteral("org.freedesktop.portal.Request"),
                QStringLiteral("Response"), r, SLOT(response(uint, QVariantMap)));
    QDBusMessage m = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
    m.setArguments(args);
    auto* w = new QDBusPendingCallWatcher(bus.asyncCall(m), this);
    connect(w, &QDBusPendingCallWatcher::finished, this, [r, done](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        if (!w->isError()) return;
        r->done = nullptr;
        r->deleteLater();
        done(3, {}, w->error().message());
    });
}

void PortalHotKeys::bind() {
    m_dirty = false;
    const quint64 round = ++m_round;
    closeSession();
    if (m_wanted.isEmpty()) return;
    if (!m_listening) {
        m_listening = QDBusConnection::sessionBus().connect(
            kService, kPath, kInterface, QStringLiteral("Activated"), this,
            SLOT(onActivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
        if (!m_listening) {
            refuseAll(QCoreApplication::translate("HotKeys",
                                                  "Tessaly cannot listen to the desktop's portal"));
            return;
        }
    }
    const QString token = QStringLiteral("tessaly%1").arg(round);
    const QVariantMap options{{QStringLiteral("handle_token"), token},
                              {QStringLiteral("session_handle_token"), token}};
    request(
        QStringLiteral("CreateSession"), {options}, token,
        [this, round](uint code, const QVariantMap& results, const QString& error) {
            if (round != m_round) return;
            if (code != 0) {
                refuseAll(error.isEmpty()
                              ? QCoreApplication::translate("HotKeys", "not allowed by the desktop")
                              : QCoreApplication::translate(
                                    "HotKeys", "the desktop offers no global shortcut portal "
                                               "(%1)")
                                    .arg(error));
                return;
            }
            const QVariant handle = results.value(QStringLiteral("session_handle"));
            m_session = QDBusObjectPath(handle.canConvert<QDBusObjectPath>()
                                            ? handle.value<QDBusObjectPath>().path()
                                            : handle.toString());
            QList<PortalShortcut> shortcuts;
            for (auto it = m_wanted.cbegin(); it != m_wanted.cend(); ++it)
                shortcuts.append({shortcutId(it.key()),
                                  {{QStringLiteral("description"), m_actions.value(it.key()).name},
                                   {QStringLiteral("preferred_trigger"), *it}}});
            const QString bindToken = QStringLiteral("tessaly%1b").arg(round);
            request(QStringLiteral("BindShortcuts"),
                    {QVariant::fromValue(m_session), QVariant::fromValue(shortcuts), QString(),
                     QVariantMap{{QStringLiteral("handle_token"), bindToken}}},
                    bindToken,
                    [this, round](uint code, const QVariantMap& results, const QString& error) {
                        if (round != m_round) return;
                        if (code != 0) {
                            refuseAll(error.isEmpty() ? QCoreApplication::translate(
                                                            "HotKeys", "not allowed by the desktop")
                                                      : error);
                            return;
                        }
                        QList<PortalShortcut> bound;
                        results.value(QStringLiteral("shortcuts")).value<QDBusArgument>() >> bound;
                        const QList<int> ids = m_wanted.keys();
                        for (int id : ids) {
                            QString trigger;
                            for (const PortalShortcut& s : std::as_const(bound))
                                if (s.id == shortcutId(id))
                                    trigger = s.options.value(QStringLiteral("trigger_description"))
                                                  .toString();
                            if (trigger.isEmpty()) {
                                m_wanted.remove(id);
                                setStatus(id, {HotKeyStatus::State::Refused,
                                               QCoreApplication::translate(
                                                   "HotKeys", "not allowed by the desktop"),
                                               {}});
                            } else {
                                setStatus(id, {HotKeyStatus::State::Handed,
                                               {},
                                               where() + QCoreApplication::translate("HotKeys",
                                                                                     " (now %1)")
                                                             .arg(trigger)});
                            }
                        }
                    });
        });
}

void PortalHotKeys::onActivated(const QDBusObjectPath& session, const QString& shortcut, qulonglong,
                                const QVariantMap&) {
    if (session.path().isEmpty() || session != m_session) return;
    for (auto it = m_wanted.cbegin(); it != m_wanted.cend(); ++it)
        if (shortcut == shortcutId(it.key()) &&
            status(it.key()).state != HotKeyStatus::State::Refused)
            emit activated(it.key());
}

#include "PortalHotKeys.moc"
