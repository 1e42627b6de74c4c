// The per-user socket when there is no runtime folder: in a folder of this
// user's own, never one another user could have made or pointed elsewhere.
#include "platform/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

TEST(SingleInstance, WithoutARuntimeFolderTheSocketLivesInAPrivateFolderOnly) {
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

    qputenv("TMPDIR", savedTmp);
    qputenv("XDG_RUNTIME_DIR", savedRuntime);
}
