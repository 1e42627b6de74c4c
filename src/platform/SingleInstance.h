#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;
class QLockFile;

// One running instance per user. The first process listens on a per-user local
// socket; later processes hand it a one-line message and end.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString serverName, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The per-user socket: $XDG_RUNTIME_DIR/tessaly.sock when that folder is
    // this user's alone (mode 0700), else tessaly.sock in a folder
    // "tessaly-<uid>" of the temporary folder, made with mode 0700. Empty, with
    // the reason in `error`, when that folder exists but is not this user's
    // alone, or when the socket there belongs to another user.
    static QString defaultServerName(QString* error = nullptr);

    // Serialises the check for a running instance and the start of listening
    // between two starts at the same moment. Held until unlock() or the end.
    void lock();
    void unlock();

    enum class SendResult {
        Delivered,     // the running instance took the message
        NotRunning,    // nobody listens
        NotResponding, // an instance listens but did not take the message in time
        OtherUser,     // the listener runs as another user: nothing was sent
    };
    // Sends `message` to a running instance. Needs no application object, so
    // a second start ends before opening a display.
    static SendResult send(const QString& serverName, const QString& message, int timeoutMs = 3000);

    // Starts listening: this process is now the running instance.
    bool listen();
    // Stops listening (the program is ending): a start from now on starts
    // a new instance instead of waiting for this one to finish.
    void stopListening();

signals:
    void messageReceived(const QString& message);

private:
    void onNewConnection();

    QString m_serverName;
    QLocalServer* m_server = nullptr;
    std::unique_ptr<QLockFile> m_lock;
};
