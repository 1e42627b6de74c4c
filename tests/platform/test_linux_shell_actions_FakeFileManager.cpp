// Showing a file in the file manager and its properties: through the file
// manager's D-Bus service when one runs (here a fake one in this process, as
// no file manager is installed), otherwise by opening the folder with the
// desktop's opener (here a fake xdg-open that records its arguments). A path
// with spaces and shell characters arrives whole, as one address.
#include "FakePlatform.h"
#include "platform/linux/LinuxShellActions.h"

#include <QDBusConnection>
#include <QObject>
#include <QUrl>

namespace {

class FakeFileManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    QStringList calls;
public slots:
    void ShowItems(const QStringList& uris, const QString&) {
        calls << "ShowItems " + uris.join('|');
    }
    void ShowItemProperties(const QStringList& uris, const QString&) {
        calls << "ShowItemProperties " + uris.join('|');
    }
};

TEST(LinuxShellActions, FileManagerServiceOrTheFolderOpenerGetsThePathWhole) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("my pictures; $(touch hacked) 'x'");
    const QString picture = writeFile(folder + "/beach & sun.jpg", "x");
    const QString address = QUrl::fromLocalFile(picture).toString();

    // A fake opener first on the path: it writes each argument on a line.
    const QString log = dir.filePath("opened.txt");
    writeFile(
        dir.filePath("bin/xdg-open"),
        ("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\" >> '" + log + "'; done\n").toUtf8());
    QFile::setPermissions(dir.filePath("bin/xdg-open"), QFile::ReadOwner | QFile::ExeOwner);
    qputenv("PATH", (dir.filePath("bin") + ":" + qEnvironmentVariable("PATH")).toUtf8());

    QDBusConnection bus = QDBusConnection::sessionBus();
    ASSERT_TRUE(bus.isConnected()) << "runs on a private session bus";
    FakeFileManager fileManager;
    ASSERT_TRUE(bus.registerObject("/org/freedesktop/FileManager1", &fileManager,
                                   QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(bus.registerService("org.freedesktop.FileManager1"));
    LinuxShellActions shell;
    EXPECT_TRUE(shell.showInFolder(picture));
    EXPECT_TRUE(shell.showProperties(folder));
    EXPECT_EQ(fileManager.calls,
              QStringList({"ShowItems " + address,
                           "ShowItemProperties " + QUrl::fromLocalFile(folder).toString()}));

    // Without the service: the folder opens, a file's own folder for it.
    bus.unregisterService("org.freedesktop.FileManager1");
    bus.unregisterObject("/org/freedesktop/FileManager1");
    EXPECT_TRUE(shell.showProperties(picture));
    EXPECT_TRUE(shell.showProperties(folder));
    const QByteArray expected = (QUrl::fromLocalFile(folder).toEncoded() + "\n").repeated(2);
    EXPECT_TRUE(waitUntil([&] { return readFile(log) == expected; }, 5000)) << readFile(log).data();
    EXPECT_FALSE(QFileInfo::exists(QDir::current().filePath("hacked")));
    EXPECT_EQ(fileManager.calls.size(), 2);
}

} // namespace

#include "test_linux_shell_actions_FakeFileManager.moc"
