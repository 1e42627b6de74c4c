// The XDG autostart entry behind the log-on start, on real files: its Exec line
// for awkward program paths, and writing, keeping and removing it.
#include "FakePlatform.h"
#include "platform/linux/XdgAutostart.h"

namespace {

QString execLine(const QByteArray& entry) {
    for (const QByteArray& line : entry.split('\n'))
        if (line.startsWith("Exec=")) return QString::fromUtf8(line.mid(5));
    return {};
}

TEST(XdgAutostart, ExecLineQuotesAndEscapesPathsTheEntryIsWrittenRewrittenAndRemoved) {
    EXPECT_EQ(execLine(XdgAutostart::entryText("/usr/bin/tessaly")), "/usr/bin/tessaly /y");
    // A blank needs quotes; inside them '"', '`', '$' and '\' take a backslash,
    // which the string value escapes once more; '%' is doubled.
    EXPECT_EQ(execLine(XdgAutostart::entryText("/home/a b/tessaly")), "\"/home/a b/tessaly\" /y");
    EXPECT_EQ(execLine(XdgAutostart::entryText("/opt/$x/100%/tessaly")),
              "\"/opt/\\\\$x/100%%/tessaly\" /y");

    // Written while enabled, a stale one rewritten, removed when disabled.
    QTemporaryDir dir;
    const QString entry = dir.path() + "/autostart/org.example.Test.desktop";
    XdgAutostart start(entry, "/usr/bin/tessaly");
    ASSERT_TRUE(start.apply(true)) << start.lastError().toStdString();
    EXPECT_EQ(readFile(entry), XdgAutostart::entryText("/usr/bin/tessaly"));

    XdgAutostart moved(entry, "/opt/tessaly/bin/tessaly");
    ASSERT_TRUE(moved.apply(true));
    EXPECT_EQ(execLine(readFile(entry)), "/opt/tessaly/bin/tessaly /y");

    EXPECT_TRUE(moved.apply(false));
    EXPECT_FALSE(QFile::exists(entry));
    EXPECT_TRUE(moved.apply(false)); // nothing to remove is fine

    // An autostart "folder" that is a file: said, not pretended.
    XdgAutostart blocked(writeFile(dir.path() + "/blocked") + "/org.example.Test.desktop",
                         "/usr/bin/tessaly");
    EXPECT_FALSE(blocked.apply(true));
    EXPECT_FALSE(blocked.lastError().isEmpty());
}

} // namespace
