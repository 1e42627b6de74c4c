#pragma once

#include "context/AppContext.h"
#include "platform/IniSettingsStore.h"
#include "platform/PlatformServices.h"
#include "settings/ByteInversion.h"
#include "settings/PictureListFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// The whole content of a file, or "<missing>".
inline QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Waits until the condition holds, handling this process's events meanwhile
// (asynchronous work finishes through them); false after `ms`.
template <typename F> bool waitUntil(F condition, int ms = 15000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// Runs a helper program to its end; its standard output.
inline QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(10000);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// Runs this test program again, only the tests `filter`, with `variable` set
// to `value`, and kills it (SIGKILL) `fromMs` to `toMs` after `file` appears:
// a writer killed while it writes, not while it starts (slow under a
// sanitizer on a busy machine).
inline void KillRunWhileItWrites(const QString& filter, const QString& variable,
                                 const QString& value, const QString& file, int fromMs, int toMs) {
    QProcess writer;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(variable, value);
    writer.setProcessEnvironment(env);
    writer.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=" + filter});
    ASSERT_TRUE(writer.waitForStarted());
    EXPECT_TRUE(waitUntil([&] { return QFile::exists(file); }, 60'000)) << file.toStdString();
    QThread::msleep(QRandomGenerator::global()->bounded(fromMs, toMs));
    ::kill(pid_t(writer.processId()), SIGKILL);
    writer.waitForFinished();
}

// The list in sorted order, for lists whose order is not what is checked.
inline QStringList sorted(QStringList list) {
    list.sort();
    return list;
}

// Writes a file, and the folders it needs; its path.
inline QString writeFile(const QString& path, const QByteArray& bytes = {}) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size())
        << path.toStdString();
    return path;
}

// Sets a file's modification time, as a rewrite within the same instant leaves it.
inline void setModified(const QString& path, const QDateTime& time) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadWrite) &&
                f.setFileTime(time, QFileDevice::FileModificationTime));
}

// A picture of one colour; saved (in the format its name ends in, folders
// made), returning its path.
inline QImage solidImage(QSize size, const QColor& colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}
// `image` as the bytes of a file in `format`.
inline QByteArray encoded(const QImage& image, const char* format, int quality = -1) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    EXPECT_TRUE(buffer.open(QIODevice::WriteOnly) && image.save(&buffer, format, quality));
    return bytes;
}
inline QString savePicture(const QString& path, const QColor& colour, QSize size = {64, 48}) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    EXPECT_TRUE(solidImage(size, colour).save(path)) << path.toStdString();
    return path;
}

// A data file as the program keeps it, byte-inverted: written from plain
// bytes (returning the bytes on disk), or read back as plain bytes.
inline QByteArray writeInverted(const QString& path, QByteArray bytes) {
    InvertBytes(bytes);
    writeFile(path, bytes);
    return bytes;
}
inline QByteArray readInverted(const QString& path) {
    QByteArray bytes = readFile(path);
    InvertBytes(bytes);
    return bytes;
}

// Fakes for the services that cannot run in a unit test. The settings store is
// the real INI store on a file in a temporary folder.

struct FakeNotifier : Notifier {
    struct Bubble {
        QString text;
        int ms;
    };
    std::vector<Bubble> shown;
    std::vector<BubbleKind> hidden;
    // Called for each bubble, after it is recorded: a test's way to act at
    // a known moment, such as while a folder scan shows its progress.
    std::function<void(const Bubble&)> onShow;
    void showBubble(const QString& text, int ms, BubbleKind) override {
        shown.push_back({text, ms});
        if (onShow) onShow(shown.back());
    }
    void hideBubble(BubbleKind kind) override { hidden.push_back(kind); }
};

struct FakeDesktop : DesktopService {
    struct Call {
        QString path, position;
    };
    std::vector<Call> calls;
    quint32 color = 0x984E00;
    void setWallpaper(const QString& path, const QString& position) override {
        calls.push_back({path, position});
    }
    quint32 desktopColor() override { return color; }
    void setDesktopColor(quint32 c) override { color = c; }
};

struct FakeProbes : SystemProbes {
    int cpu = 0;
    bool screenSaver = false, locked = false, battery = false;
    int cpuUsage() override { return cpu; }
    bool isScreenSaverRunning() override { return screenSaver; }
    bool isDesktopLocked() override { return locked; }
    bool isOnBattery() override { return battery; }
};

struct FakeHotKeys : GlobalHotKeys {
    std::vector<int> registered;
    bool registerHotKey(int id, int, int) override { return registered.push_back(id), true; }
    void unregisterHotKey(int id) override { std::erase(registered, id); }
};

struct FakeShell : ShellActions {
    QStringList opened, shown, properties, urls;
    bool openFile(const QString& p) override { return opened << p, true; }
    bool showInFolder(const QString& p) override { return shown << p, true; }
    bool showProperties(const QString& p) override { return properties << p, true; }
    bool openUrl(const QString& u) override { return urls << u, true; }
};

struct FakeClock : Clock {
    qint64 now = 1000;
    qint64 nowMs() override { return now; }
};

// A complete test setup: a temporary folder, the services (fakes plus the real
// INI store in that folder) and an AppContext whose data folder is inside it.
struct TestApp {
    TestApp();
    QString path(const QString& rel) const { return dir.filePath(rel); }
    QString iniPath() const { return path(QStringLiteral("tessaly.conf")); }
    // The data folder set up and `list` written as its picture list file.
    void writeList(const PictureListData& list);
    // A fresh store object on the same INI file (as after a restart).
    void reopenStore() { services.store = std::make_unique<IniSettingsStore>(iniPath()); }
    // A value ("Group/Key") as a fresh store reads it from the file, or "<missing>".
    QString stored(const QString& key) {
        reopenStore();
        return services.store->value(key.section('/', 0, 0), key.section('/', 1))
            .value_or(QStringLiteral("<missing>"));
    }

    QTemporaryDir dir;
    PlatformServices services;
    FakeNotifier* notifier;
    FakeDesktop* desktop;
    FakeProbes* probes;
    FakeHotKeys* hotkeys;
    FakeShell* shell;
    FakeClock* clock;
    std::unique_ptr<AppContext> app;
};
