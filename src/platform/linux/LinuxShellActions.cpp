#include "platform/linux/LinuxShellActions.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

bool LinuxShellActions::openFile(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

namespace {

// Asks the desktop's file manager to show the item (`method` ShowItems or
// ShowItemProperties); false when no file manager answers. The path travels
// as an address inside the call, never through a command line.
bool CallFileManager(const QString& method, const QString& path) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return false;
    QDBusMessage call =
        QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.FileManager1"),
                                       QStringLiteral("/org/freedesktop/FileManager1"),
                                       QStringLiteral("org.freedesktop.FileManager1"), method);
    call << QStringList{QUrl::fromLocalFile(path).toString()} << QString();
    const QDBusMessage reply = bus.call(call, QDBus::Block, 3000);
    return reply.type() == QDBusMessage::ReplyMessage;
}

// Opens a folder with the desktop's program for folders.
bool OpenFolder(const QString& folder) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

} // namespace

bool LinuxShellActions::showInFolder(const QString& path) {
    if (CallFileManager(QStringLiteral("ShowItems"), path)) return true;
    // No file manager service: open the folder itself.
    return OpenFolder(QFileInfo(path).absolutePath());
}

bool LinuxShellActions::showProperties(const QString& path) {
    if (CallFileManager(QStringLiteral("ShowItemProperties"), path)) return true;
    const QFileInfo item(path);
    return OpenFolder(item.isDir() ? item.absoluteFilePath() : item.absolutePath());
}

bool LinuxShellActions::openUrl(const QString& url) {
    return QDesktopServices::openUrl(QUrl(url));
}
