#pragma once

// One fuzz target per parser. Built with TESSALY_FUZZ each target becomes
// libFuzzer's entry point in a program of its own (fuzz_<name>); in the
// ordinary build the same code is registered by name, so that the test
// test_fuzz_regressions replays every kept input through it.

#include "context/AppContext.h"
#include "platform/IniSettingsStore.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

using FuzzFunction = int (*)(const uint8_t* data, size_t size);

// The targets known to this program, by name (the replay build only).
inline std::map<std::string, FuzzFunction>& FuzzTargets() {
    static std::map<std::string, FuzzFunction> targets;
    return targets;
}

inline bool RegisterFuzzTarget(const char* name, FuzzFunction f) {
    FuzzTargets()[name] = f;
    return true;
}

#ifdef TESSALY_FUZZ_REPLAY
#define TESSALY_FUZZ_TARGET(name)                                                                  \
    static int fuzz_##name(const uint8_t* data, size_t size);                                      \
    [[maybe_unused]] static const bool registered_##name =                                         \
        RegisterFuzzTarget(#name, &fuzz_##name);                                                   \
    static int fuzz_##name(const uint8_t* data, size_t size)
#else
#define TESSALY_FUZZ_TARGET(name)                                                                  \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
#endif

inline QByteArray FuzzBytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A folder of this process's own for the files a target reads, removed at exit.
inline QString FuzzFolder() {
    static QTemporaryDir dir;
    return dir.path();
}

// Writes `bytes` to `name` in the fuzz folder; its path.
inline QString FuzzFile(const QString& name, const QByteArray& bytes) {
    const QString path = FuzzFolder() + QLatin1Char('/') + name;
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
    return path;
}

// Empties the fuzz folder, so no input leaves anything for the next one.
inline void ClearFuzzFolder() {
    QDir dir(FuzzFolder());
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        dir.remove(name);
}

// The application object the picture and text code needs (fonts, image
// plugins), on the offscreen platform; made once.
inline void EnsureGuiApplication() {
    if (QCoreApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tessaly-fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    static_cast<void>(app);
}

// The application object of the targets that read the data folder: its files
// in the fuzz folder, its settings as new for every input, its store a file
// there that never exists.
inline AppContext& FuzzApp() {
    static PlatformServices services = [] {
        PlatformServices s;
        s.store = std::make_unique<IniSettingsStore>(FuzzFolder() + QStringLiteral("/none.conf"));
        return s;
    }();
    static AppContext context(services);
    context.paths = MakeDataPaths(FuzzFolder() + QLatin1Char('/'));
    context.settings = Settings{};
    return context;
}
