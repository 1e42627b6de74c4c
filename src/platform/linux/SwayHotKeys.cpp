#include "platform/linux/SwayHotKeys.h"

#include "platform/linux/HotKeyRoutes.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QtEndian>

namespace {

const QByteArray kMagic = QByteArrayLiteral("i3-ipc");
constexpr quint32 kRunCommand = 0;
constexpr quint32 kGetConfig = 9;
// Where the user sees the keys, in the interface's language.
QString where() {
    return QCoreApplication::translate("HotKeys", "sway's bindings, while Tessaly runs");
}

QString shellQuoted(const QString& s) {
    QString q = s;
    q.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + q + QLatin1Char('\'');
}

} // namespace

SwayHotKeys::SwayHotKeys(const QString& socketPath, const QString& program, QObject* parent)
    : GlobalHotKeys(parent), m_socket(new QLocalSocket(this)), m_program(program) {
    connect(m_socket, &QLocalSocket::readyRead, this, &SwayHotKeys::onReadyRead);
    connect(m_socket, &QLocalSocket::errorOccurred, this, [this] {
        // Every row still waiting learns why.
        m_waiting.clear();
        // A refused row is not the program's any more.
        const QList<int> ids = m_wanted.keys();
        for (int id : ids)
            if (status(id).state == HotKeyStatus::State::Pending && m_wanted.remove(id))
                setStatus(id, {HotKeyStatus::State::Refused,
                               QCoreApplication::translate("HotKeys", "sway cannot be reached (%1)")
                                   .arg(m_socket->errorString()),
                               {}});
    });
    if (!socketPath.isEmpty()) m_socket->connectToServer(socketPath);
}

SwayHotKeys::~SwayHotKeys() {
    // Whatever the program bound goes with it.
    if (m_socket->state() == QLocalSocket::ConnectedState) {
        for (int id : std::as_const(m_bound))
            send(kRunCommand, unbindCommand(m_wanted.value(id)), nullptr);
        m_socket->flush();
    }
}

QString SwayHotKeys::bindCommand(const QString& keys, const QString& program,
                                 const QString& option) {
    return QStringLiteral("bindsym --no-repeat %1 exec %2 %3")
        .arg(keys, shellQuoted(program), option);
}

QString SwayHotKeys::unbindCommand(const QString& keys) {
    return QStringLiteral("unbindsym %1").arg(keys);
}

QString SwayHotKeys::normalised(const QString& keys) {
    QStringList parts = keys.toLower().split(QLatin1Char('+'), Qt::SkipEmptyParts);
    if (parts.isEmpty()) return {};
    const QString key = parts.takeLast();
    for (QString& p : parts) {
        if (p == QLatin1String("control")) p = QStringLiteral("ctrl");
        if (p == QLatin1String("mod1")) p = QStringLiteral("alt");
        if (p == QLatin1String("mod4") || p == QLatin1String("logo")) p = QStringLiteral("super");
    }
    parts.sort();
    parts.removeDuplicates();
    parts << key;
    return parts.join(QLatin1Char('+'));
}

QSet<QString> SwayHotKeys::boundCombinations(const QString& config) {
    // Variables ($mod) are the configuration's own: their values are put in
    // first.
    QMap<QString, QString> variables;
    static const QRegularExpression set(QStringLiteral("^\\s*set\\s+(\\$\\S+)\\s+(\\S+)"));
    static const QRegularExpression bind(QStringLiteral("^\\s*bindsym\\s+((?:--\\S+\\s+)*)(\\S+)"));
    QSet<QString> out;
    for (const QString& line : config.split(QLatin1Char('\n'))) {
        if (const auto m = set.match(line); m.hasMatch())
            variables.insert(m.captured(1), m.captured(2));
        if (const auto m = bind.match(line); m.hasMatch()) {
            QString keys = m.captured(2);
            // In reverse order, so that $mod does not cut into $modifier.
            const QStringList names = variables.keys();
            for (auto it = names.crbegin(); it != names.crend(); ++it)
                keys.replace(*it, variables.value(*it));
            out.insert(normalised(keys));
        }
    }
    return out;
}

void SwayHotKeys::send(quint32 type, const QString& payload,
                       std::function<void(const QByteArray&)> answer) {
    const QByteArray body = payload.toUtf8();
    QByteArray message = kMagic;
    quint32 header[2];
    qToLittleEndian<quint32>(quint32(body.size()), &header[0]);
    qToLittleEndian<quint32>(type, &header[1]);
    message.append(reinterpret_cast<const char*>(header), sizeof header);
    message.append(body);
    m_socket->write(message);
    m_waiting.append(std::move(answer));
}

void SwayHotKeys::onReadyRead() {
    m_buffer += m_socket->readAll();
    const int headerSize = kMagic.size() + 8;
    while (m_buffer.size() >= headerSize) {
        const quint32 length = qFromLittleEndian<quint32>(m_buffer.constData() + kMagic.size());
        if (m_buffer.size() < headerSize + qsizetype(length)) return;
        const QByteArray body = m_buffer.mid(headerSize, length);
        m_buffer.remove(0, headerSize + length);
        // Events are never subscribed to, so every message is an answer.
        if (m_waiting.isEmpty()) continue;
        auto answer = m_waiting.takeFirst();
        if (answer) answer(body);
    }
}

bool SwayHotKeys::registerHotKey(int id, int flags, int vk) {
    unregisterHotKey(id);
    const auto refuse = [&](const QString& why) {
        setStatus(id, {HotKeyStatus::State::Refused, why, {}});
        return false;
    };
    const QString keys = SwayCombination(flags, vk);
    if (keys.isEmpty())
        return refuse(QCoreApplication::translate("HotKeys", "not a combination Tessaly can bind"));
    if (m_actions.value(id).option.isEmpty())
        return refuse(
            QCoreApplication::translate("HotKeys", "this row has no action sway can run"));
    if (m_socket->state() == QLocalSocket::UnconnectedState)
        return refuse(QCoreApplication::translate("HotKeys", "sway cannot be reached (%1)")
                          .arg(m_socket->errorString().isEmpty()
                                   ? QCoreApplication::translate("HotKeys", "SWAYSOCK is not set")
                                   : m_socket->errorString()));
    for (auto it = m_wanted.cbegin(); it != m_wanted.cend(); ++it)
        if (normalised(*it) == normalised(keys))
            return refuse(
                QCoreApplication::translate("HotKeys", "taken by another Tessaly hot key"));
    m_wanted.insert(id, keys);
    setStatus(id, {HotKeyStatus::State::Pending, {}, {}});
    if (!m_configRead) {
        // The user's configuration is read once, before the first binding.
        m_configRead = true;
        send(kGetConfig, {}, [this](const QByteArray& body) {
            m_userBound = boundCombinations(
                QJsonDocument::fromJson(body).object().value(QStringLiteral("config")).toString());
            m_configKnown = true;
            const QList<int> ids = m_wanted.keys();
            for (int id : ids)
                if (status(id).state == HotKeyStatus::State::Pending) tryBind(id);
        });
    } else if (m_configKnown) {
        tryBind(id);
    }
    return true;
}

void SwayHotKeys::tryBind(int id) {
    const QString keys = m_wanted.value(id);
    if (m_userBound.contains(normalised(keys))) {
        m_wanted.remove(id);
        setStatus(id, {HotKeyStatus::State::Refused,
                       QCoreApplication::translate(
                           "HotKeys", "taken by another program: sway's configuration binds it"),
                       {}});
        return;
    }
    // Counted as bound from now on: a row released before sway answers is
    // unbound after the binding, in order.
    m_bound.insert(id);
    send(kRunCommand, bindCommand(keys, m_program, m_actions.value(id).option),
         [this, id, keys](const QByteArray& body) {
             if (m_wanted.value(id) != keys) return; // changed meanwhile
             const QJsonObject result = QJsonDocument::fromJson(body).array().at(0).toObject();
             if (result.value(QStringLiteral("success")).toBool()) {
                 setStatus(id, {HotKeyStatus::State::Handed, {}, where()});
             } else {
                 m_bound.remove(id);
                 m_wanted.remove(id);
                 setStatus(id, {HotKeyStatus::State::Refused,
                                QCoreApplication::translate("HotKeys", "not allowed by sway: %1")
                                    .arg(result.value(QStringLiteral("error")).toString()),
                                {}});
             }
         });
}

void SwayHotKeys::unregisterHotKey(int id) {
    clearStatus(id);
    const QString keys = m_wanted.take(id);
    if (!m_bound.remove(id)) return;
    send(kRunCommand, unbindCommand(keys), nullptr);
    m_socket->flush();
}
