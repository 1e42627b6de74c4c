// The Debian package: built with CPack (as `make package` does) into a
// temporary folder, its file list checked, unpacked with dpkg-deb and that copy
// run: --version, and a first start without a display that finds its sample
// picture and help in its own share/. lintian must find no error and no
// warning.

#include <QRegularExpression>

#include "DistTestUtil.h"

namespace {

struct Package : ::testing::Test {
    static inline QTemporaryDir work;
    static inline QString deb;
    static inline Ran build;
    static void SetUpTestSuite() {
        if (!haveTool("dpkg-deb")) return;
        build = runTool(qEnvironmentVariable("TESSALY_CPACK"),
                        {"--config", kBuildDir + "/CPackConfig.cmake", "-B", work.path()});
        const QStringList debs = QDir(work.path()).entryList({"tessaly_*.deb"}, QDir::Files);
        if (debs.size() == 1) deb = work.path() + "/" + debs.first();
    }
    void SetUp() override {
        REQUIRE_TOOL("dpkg-deb");
        ASSERT_EQ(build.code, 0) << build.out.toStdString();
        ASSERT_FALSE(deb.isEmpty()) << "no tessaly_*.deb was made: " << build.out.toStdString();
    }
    static QString field(const QString& name) {
        return runTool("dpkg-deb", {"-f", deb, name}).out.trimmed();
    }
};

TEST_F(Package, IsNamedAndDescribedHoldsWhatAnInstallHoldsRunsUnpackedAndPassesLintian) {
    EXPECT_EQ(QFileInfo(deb).fileName(),
              "tessaly_" + field("Version") + "_" + field("Architecture") + ".deb");
    EXPECT_EQ(field("Package"), "tessaly");
    const QString depends = field("Depends");
    // Computed from the binary, plus the plugins and tools it needs at run time.
    for (const char* d : {"libqt6widgets6", "libqt6dbus6", "libxcb", "libc6",
                          "qt6-image-formats-plugins", "qt6-qpa-plugins", "python3"})
        EXPECT_TRUE(depends.contains(d)) << d << " not in " << depends.toStdString();

    const Ran list = runTool("dpkg-deb", {"-c", deb});
    ASSERT_EQ(list.code, 0);
    QStringList files;
    for (const QString& line : list.out.split('\n', Qt::SkipEmptyParts))
        if (!line.startsWith('d'))
            files << line.section(' ', -1).remove(QRegularExpression("^\\./usr/"));
    EXPECT_EQ(sorted(files).join('\n').toStdString(),
              expectedIntegrationFiles().join('\n').toStdString());

    // The unpacked copy runs from any folder and finds its own files.
    const QString root = work.path() + "/root";
    ASSERT_EQ(runTool("dpkg-deb", {"-x", deb, root}).code, 0);
    const QString program = root + "/usr/bin/tessaly";
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("QT_QPA_PLATFORM", "offscreen");

    QProcess version;
    version.setWorkingDirectory(QDir::tempPath());
    version.start(program, {"--version"});
    ASSERT_TRUE(version.waitForFinished(10000));
    EXPECT_EQ(QString::fromLocal8Bit(version.readAllStandardOutput()).trimmed(),
              "Tessaly " + field("Version"));

    // A first start as at log-on: the sample picture of the unpacked copy
    // becomes the wallpaper, and its help page is there to open.
    const QString data = qEnvironmentVariable("XDG_DATA_HOME") + "/Orvane Tessaly";
    QProcess first;
    first.setProcessEnvironment(env);
    first.setWorkingDirectory(QDir::tempPath());
    first.start(program, {"/y"});
    ASSERT_TRUE(first.waitForStarted(5000));
    EXPECT_TRUE(
        waitUntil([&] { return QFileInfo(data + "/Orvane Wallpaper.bmp").size() > 0; }, 10000));
    EXPECT_TRUE(readFile(data + "/WallPapersList.tsy")
                    .endsWith((root + "/usr/share/tessaly/\r\nsample.jpg\r\n").toUtf8()));
    EXPECT_TRUE(QFileInfo::exists(root + "/usr/share/tessaly/help/index.html"));
    QProcess::execute(program, {"--quit"});
    EXPECT_TRUE(first.waitForFinished(10000));
    // That its log-on start runs the program where it was started from is
    // test_startup's.

    // lintian finds no error and no warning.
    REQUIRE_TOOL("lintian");
    const Ran l =
        runTool("lintian", {"--fail-on", "error,warning", "--tag-display-limit", "0", deb});
    EXPECT_EQ(l.code, 0) << l.out.toStdString();
    // Each tag is a line "E: …" or "W: …"; informational ones ("I:") may stay.
    EXPECT_FALSE(
        QRegularExpression("^[EW]: ", QRegularExpression::MultilineOption).match(l.out).hasMatch())
        << l.out.toStdString();
}

} // namespace
