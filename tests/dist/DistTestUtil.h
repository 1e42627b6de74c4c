#pragma once

// Helpers of the tests of the installed tree and the Debian package.
#include "FakePlatform.h"

#include <QDirIterator>
#include <QStandardPaths>

inline const QString kBuildDir = qEnvironmentVariable("TESSALY_BUILD_DIR");
inline const QString kAppId = qEnvironmentVariable("TESSALY_APP_ID");

// What a helper program did: its exit code (-1 when it could not run or did
// not end in time) and everything it wrote.
struct Ran {
    int code = -1;
    QString out;
};

inline Ran runTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (p.waitForStarted(10000) && p.waitForFinished(300000))
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromLocal8Bit(p.readAll())};
    p.kill();
    p.waitForFinished();
    return {-1, QString::fromLocal8Bit(p.readAll()) + p.errorString()};
}

// Whether a validator is installed; `make deps` installs them.
inline bool haveTool(const QString& name) {
    return !QStandardPaths::findExecutable(name).isEmpty();
}
#define REQUIRE_TOOL(name)                                                                         \
    if (!haveTool(name))                                                                           \
    GTEST_SKIP() << name << " is not installed (make deps installs it); not checked"

// Every file under `root`, as paths relative to it, sorted.
inline QStringList filesUnder(const QString& root) {
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    return sorted(files);
}

// What the installed tree must hold beside share/tessaly/ (relative to the prefix).
inline QStringList expectedIntegrationFiles() {
    QStringList files{"bin/tessaly",
                      "bin/tessaly-catalogue",
                      "share/applications/" + kAppId + ".desktop",
                      "share/metainfo/" + kAppId + ".metainfo.xml",
                      "share/man/man1/tessaly.1.gz",
                      "share/man/man1/tessaly-catalogue.1.gz",
                      "share/icons/hicolor/scalable/apps/" + kAppId + ".svg",
                      "share/doc/tessaly/README.md",
                      "share/doc/tessaly/copyright",
                      "share/doc/tessaly/changelog.gz",
                      "share/tessaly/sample.jpg",
                      "share/tessaly/help/index.html",
                      "share/tessaly/icons/tessaly.png"};
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        files << QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId);
    for (const char* language : {"de", "es", "fr"}) {
        files << QStringLiteral("share/tessaly/translations/tessaly_%1.qm").arg(language);
        // The help and the manual pages of a language, once it has them.
        const QString source = QStringLiteral(TESSALY_SOURCE_DIR);
        const QString help = QStringLiteral("/help/%1/index.html").arg(language);
        if (QFileInfo::exists(source + "/data" + help)) files << "share/tessaly" + help;
        for (const char* page : {"tessaly", "tessaly-catalogue"})
            if (QFileInfo::exists(source + QStringLiteral("/dist/man/%1/%2.1").arg(language, page)))
                files << QStringLiteral("share/man/%1/man1/%2.1.gz").arg(language, page);
    }
    return sorted(files);
}
