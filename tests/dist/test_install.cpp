// The installed tree (cmake --install into a temporary prefix): the menu
// entry, the icons, the AppStream metadata and the manual pages are there, and
// the desktop's own validators accept them.

#include <QRegularExpression>
#include <QSet>

#include "DistTestUtil.h"

namespace {

struct Installed : ::testing::Test {
    static inline QTemporaryDir prefixDir;
    static inline QString prefix = prefixDir.path();
    static inline Ran install;
    static void SetUpTestSuite() {
        install = runTool(qEnvironmentVariable("TESSALY_CMAKE"),
                          {"--install", kBuildDir, "--prefix", prefix});
    }
    void SetUp() override { ASSERT_EQ(install.code, 0) << install.out.toStdString(); }
    static QByteArray read(const QString& relative) { return readFile(prefix + "/" + relative); }
};

TEST_F(Installed, AppStreamMetadataValidatesAndItsScreenshotIsInTheSources) {
    const QString xml = QString::fromUtf8(read("share/metainfo/" + kAppId + ".metainfo.xml"));
    EXPECT_TRUE(xml.contains("<id>" + kAppId + "</id>"));
    EXPECT_TRUE(xml.contains("<launchable type=\"desktop-id\">" + kAppId + ".desktop<"));
    EXPECT_FALSE(xml.contains('@')) << "a placeholder was not filled in";
    const QRegularExpressionMatch shot =
        QRegularExpression("<image[^>]*>[^<]*/([^/<]+\\.png)</image>").match(xml);
    ASSERT_TRUE(shot.hasMatch());
    EXPECT_FALSE(
        QImage(QString(TESSALY_SOURCE_DIR) + "/dist/screenshots/" + shot.captured(1)).isNull())
        << shot.captured(1).toStdString();
    REQUIRE_TOOL("appstreamcli");
    const Ran v = runTool("appstreamcli", {"validate", "--no-net", "--pedantic",
                                           prefix + "/share/metainfo/" + kAppId + ".metainfo.xml"});
    EXPECT_EQ(v.code, 0) << v.out.toStdString();
}

// The options a text lists: words that start with "-" or are "/y", in the
// option column of a program's --help, or on the .B/.BR/.BI lines of a
// manual page's OPTIONS section.
QSet<QString> optionsOf(const QStringList& lines) {
    QSet<QString> options;
    for (const QString& line : lines)
        for (const QString& word : line.split(QRegularExpression("[ ,\"]+"), Qt::SkipEmptyParts))
            if (word.startsWith('-') || word == "/y") options << word;
    return options;
}

// The options on the lines after ".TP" of a manual page: in its OPTIONS
// section, or with `anySection` (translated headings) wherever a line has one.
QSet<QString> pageOptions(const QString& page, bool anySection = false) {
    const QStringList lines = page.split('\n');
    QStringList optionLines;
    bool inOptions = false;
    for (int i = 1; i < lines.size(); ++i) {
        if (lines[i].startsWith(".SH")) inOptions = lines[i] == ".SH OPTIONS";
        if (lines[i - 1] == ".TP" && (anySection ? lines[i].contains("\\-") : inOptions))
            optionLines
                << QString(lines[i]).remove(QRegularExpression("^\\.B[IR]? ")).replace("\\-", "-");
    }
    return optionsOf(optionLines);
}

QSet<QString> helpOptions(const QString& program) {
    QStringList helpLines;
    for (const QString& line : run(program, {"--help"}).split('\n'))
        if (line.startsWith("  -") || line.startsWith("  /")) helpLines << line.left(18);
    return optionsOf(helpLines);
}

// The installed tree holds exactly the program, its files and its desktop
// integration. Each program in bin/ has its manual page (lintian warns of one
// without), well formed, with the options its --help lists. Each translated
// page (man/<language>/man1) is as well formed and names the same options as
// the English one, whatever its section headings say.
TEST_F(Installed, HoldsItsFilesManualPagesWithTheOptionsOfHelpAndAMenuEntryThatValidates) {
    EXPECT_EQ(filesUnder(prefix).join('\n').toStdString(),
              expectedIntegrationFiles().join('\n').toStdString());
    // Every icon size is there at its size, drawn from the one source.
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage icon(
            prefix +
            QStringLiteral("/share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId));
        EXPECT_EQ(icon.size(), QSize(size, size)) << size;
    }
    EXPECT_TRUE(read("share/icons/hicolor/scalable/apps/" + kAppId + ".svg").contains("<svg"));

    // The page of `program` in man/`folder`, checked to be well formed.
    const auto manPage = [&](const QString& folder, const QString& program) {
        const QString gz = prefix + "/share/man/" + folder + "/" + program + ".1.gz";
        const Ran page = runTool("gzip", {"-dc", gz});
        EXPECT_EQ(page.code, 0) << page.out.toStdString();
        EXPECT_TRUE(page.out.contains(".TH " + program.toUpper() + " 1 "));
        if (haveTool("groff")) {
            const Ran check =
                runTool("sh", {"-c", "gzip -dc \"$0\" | groff -k -man -ww -z -Tutf8", gz});
            EXPECT_EQ(check.code, 0);
            EXPECT_EQ(check.out.trimmed(), "") << check.out.toStdString();
        }
        return page.out;
    };
    const QStringList programs = QDir(prefix + "/bin").entryList(QDir::Files);
    EXPECT_EQ(programs, (QStringList{"tessaly", "tessaly-catalogue"}));
    for (const QString& program : programs) {
        SCOPED_TRACE(program.toStdString());
        const QString page = manPage("man1", program);
        const QSet<QString> help =
            helpOptions(program == "tessaly" ? qEnvironmentVariable("TESSALY_BINARY")
                                             : prefix + "/bin/" + program);
        EXPECT_FALSE(help.isEmpty());
        EXPECT_EQ(pageOptions(page), help);
        if (program == "tessaly") {
            // Every file the page names under FILES exists as the program names it.
            EXPECT_TRUE(page.contains("autostart/" + kAppId + ".desktop"));
            EXPECT_TRUE(page.contains("tessaly.conf"));
            EXPECT_TRUE(page.contains("WallPapersList.tsy"));
        }
        for (const QString& language :
             QDir(prefix + "/share/man").entryList({"??"}, QDir::Dirs | QDir::NoDotAndDotDot)) {
            SCOPED_TRACE(language.toStdString());
            EXPECT_EQ(pageOptions(manPage(language + "/man1", program), true),
                      pageOptions(page, true));
        }
    }

    // The menu entry names the program and its icon, and validates.
    const QString entry = QString::fromUtf8(read("share/applications/" + kAppId + ".desktop"));
    for (const QString& line :
         QStringList{"Exec=tessaly", "Icon=" + kAppId, "GenericName=Wallpaper Changer",
                     "Categories=Settings;DesktopSettings;Utility;Qt;"})
        EXPECT_TRUE(entry.split('\n').contains(line)) << line.toStdString();
    REQUIRE_TOOL("desktop-file-validate");
    const Ran v =
        runTool("desktop-file-validate", {prefix + "/share/applications/" + kAppId + ".desktop"});
    EXPECT_EQ(v.code, 0) << v.out.toStdString();
    // Hints are allowed: listing both Settings and Utility, as wanted, draws one.
    EXPECT_FALSE(v.out.contains("error:") || v.out.contains("warning:")) << v.out.toStdString();
}

} // namespace
