// The per-user socket: in a folder of this user's own, never one another user
// could have made, entered or pointed elsewhere, and never a socket another
// user left; messages are short lines.
#include "FakePlatform.h"
#include "platform/SingleInstance.h"

#include <QEventLoop>
#include <QLocalSocket>
#include <QTimer>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

TEST(SingleInstance, APrivateFolderOnlyAndAnOverlongMessageIsCutOffWhileOthersGetThrough) {
    QTemporaryDir tmp;
    const QByteArray savedTmp = qgetenv("TMPDIR"), savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", QFile::encodeName(tmp.path()));
    qunsetenv("XDG_RUNTIME_DIR");
    const QString folder = tmp.path() + QString("/tessaly-%1").arg(::getuid());
    const QByteArray path = QFile::encodeName(folder);
    QString error;

    // Made on first use, for this user alone.
    EXPECT_EQ(SingleInstance::defaultServerName(&error), folder + "/tessaly.sock");
    struct stat st {};
    ASSERT_EQ(::lstat(path.constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(SingleInstance::defaultServerName(), folder + "/tessaly.sock"); // and again

    // Opened to others (as another user's folder would be): refused.
    ASSERT_EQ(::chmod(path.constData(), 0777), 0);
    EXPECT_TRUE(SingleInstance::defaultServerName(&error).isEmpty());
    EXPECT_TRUE(error.contains(folder));

    // A link in its place, to a folder elsewhere: refused too.
    ASSERT_TRUE(QDir(folder).removeRecursively());
    QDir().mkpath(tmp.path() + "/elsewhere");
    ::chmod(QFile::encodeName(tmp.path() + "/elsewhere").constData(), 0700);
    ASSERT_TRUE(QFile::link(tmp.path() + "/elsewhere", folder));
    EXPECT_TRUE(SingleInstance::defaultServerName(&error).isEmpty());
    ASSERT_TRUE(QFile::remove(folder));

    // A runtime folder others may enter is passed over for the private one.
    const QString runtime = tmp.path() + "/runtime";
    QDir().mkpath(runtime);
    ::chmod(QFile::encodeName(runtime).constData(), 0755);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    EXPECT_EQ(SingleInstance::defaultServerName(), folder + "/tessaly.sock");
    ::chmod(QFile::encodeName(runtime).constData(), 0700);
    EXPECT_EQ(SingleInstance::defaultServerName(), runtime + "/tessaly.sock");

    // A socket there that another user owns is refused, not replaced (only
    // root can play the other user).
    if (::getuid() == 0) {
        const QString other = writeFile(runtime + "/tessaly.sock");
        ASSERT_EQ(::chown(QFile::encodeName(other).constData(), 65534, 65534), 0);
        EXPECT_TRUE(SingleInstance::defaultServerName(&error).isEmpty());
        EXPECT_TRUE(error.contains("another user"));
    }

    qputenv("TMPDIR", savedTmp);
    qputenv("XDG_RUNTIME_DIR", savedRuntime);

    // A peer that sends an endless line is cut off; the instance goes on
    // taking messages. A message whose handling runs events for a while (a
    // wallpaper change does), while the sender has already gone: the next
    // message still arrives, and nothing touches the sender's closed connection.
    const QString name = tmp.filePath("test.sock");
    SingleInstance instance(name);
    ASSERT_TRUE(instance.listen());
    QStringList received;
    QObject::connect(&instance, &SingleInstance::messageReceived, [&](const QString& m) {
        received << m;
        QEventLoop busy; // as long as a change takes
        QTimer::singleShot(300, &busy, &QEventLoop::quit);
        busy.exec();
    });
    QLocalSocket flood;
    flood.connectToServer(name);
    ASSERT_TRUE(flood.waitForConnected(2000));
    const QByteArray chunk(64 * 1024, 'x');
    QElapsedTimer clock;
    clock.start();
    while (flood.state() == QLocalSocket::ConnectedState && clock.elapsed() < 5000) {
        flood.write(chunk);
        flood.waitForBytesWritten(50);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    EXPECT_NE(flood.state(), QLocalSocket::ConnectedState);
    for (const char* message : {"first", "second"}) {
        std::thread sender([&] { SingleInstance::send(name, QString::fromLatin1(message)); });
        waitUntil([&] { return received.contains(QString::fromLatin1(message)); }, 5000);
        sender.join();
    }
    EXPECT_EQ(received, (QStringList{"first", "second"}));
}
