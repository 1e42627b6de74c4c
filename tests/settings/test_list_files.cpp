#include "settings/ByteInversion.h"
#include "settings/FileNames.h"
#include "settings/PictureListFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString writeBytes(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The temporary file beside a name this long exceeds the file system's name
// limit, so writing it fails even for root.
const QString kUnwritableName(250, 'n');

} // namespace

TEST(PictureListFile, ReadsSectionsAndTheirOddShapes) {
    QTemporaryDir dir;
    auto read = [&](const QByteArray& bytes) { return ReadPictureListFile(writeBytes(dir, "l", bytes)); };

    auto d = read(QStringLiteral("/pics/Été 2024/\r\nplage à midi.jpg\r\n\x01\r\n/home/me/My Pictures\r\n"
                                 "/srv/фото\r\n").toUtf8());
    ASSERT_TRUE(d);
    ASSERT_EQ(d->files.size(), 1);
    EXPECT_EQ(d->files[0].folder, QStringLiteral("/pics/Été 2024/"));
    EXPECT_EQ(d->files[0].name, QStringLiteral("plage à midi.jpg"));
    EXPECT_EQ(d->folders, (QStringList{"/home/me/My Pictures", QStringLiteral("/srv/фото")}));

    // An odd number of files lines: the separator is read as a file name and
    // the folders that follow as further entries.
    d = read("/a/\r\nx.jpg\r\n/b/\r\n\x01\r\n/f1\r\n/f2\r\n");
    ASSERT_EQ(d->files.size(), 3);
    EXPECT_EQ(d->files[1].name, PictureListSeparator());
    EXPECT_EQ(d->files[2].folder, "/f1");
    EXPECT_TRUE(d->folders.isEmpty());

    d = read("\x01\r\n");
    EXPECT_TRUE(d->files.isEmpty() && d->folders.isEmpty());

    // A hand-edited last line without CR LF still counts; a files entry cut
    // off after its folder line is dropped rather than completed.
    EXPECT_EQ(read("/a/\r\nx.jpg\r\n\x01\r\n/f1\r\n/f2")->folders, (QStringList{"/f1", "/f2"}));
    EXPECT_EQ(read("/a/\r\nx.jpg\r\n/b/")->files.size(), 1);

    EXPECT_FALSE(ReadPictureListFile(dir.filePath("missing.tsy")));
}

TEST(PictureListFile, WritesExactBytesAndAFailedWriteKeepsTheOldList) {
    QTemporaryDir dir;
    const QString path = dir.filePath("WallPapersList.tsy");
    ASSERT_TRUE(WritePictureListFile(path, {{{"/pics", "a b.jpg"}}, {"/home/me/Wall papers"}}));
    EXPECT_EQ(readBytes(path), "/pics/\r\na b.jpg\r\n\x01\r\n/home/me/Wall papers\r\n");
    // The first-run form: no separator, no folders section.
    ASSERT_TRUE(WritePictureListFile(path, {{{"/share/tessaly/", "sample.jpg"}}, {}}, false));
    EXPECT_EQ(readBytes(path), "/share/tessaly/\r\nsample.jpg\r\n");

    const QString old = writeBytes(dir, kUnwritableName, "/a/\r\nx.jpg\r\n");
    EXPECT_FALSE(WritePictureListFile(old, {{{"/b/", "y.jpg"}}, {}}));
    EXPECT_EQ(readBytes(old), "/a/\r\nx.jpg\r\n");
}

TEST(ByteInversion, KeepsLengthAndLastByteUndoesItselfAndNeverLosesTheFile) {
    QByteArray b("\x00\x01\xff\x80", 4);
    InvertBytes(b);
    EXPECT_EQ(b, QByteArray("\xff\xfe\x00\x80", 4));

    QTemporaryDir dir;
    QByteArray original;
    for (int i = 0; i < 70000; ++i)
        original.append(char(i * 7));
    const QString path = writeBytes(dir, "cache.dat", original);
    ASSERT_TRUE(InvertFileBytes(path));
    const QByteArray once = readBytes(path);
    EXPECT_EQ(once.size(), original.size());
    EXPECT_EQ(once.back(), original.back());
    ASSERT_TRUE(InvertFileBytes(path));
    EXPECT_EQ(readBytes(path), original);

    EXPECT_TRUE(InvertFileBytes(writeBytes(dir, "empty.dat", {})));
    EXPECT_FALSE(InvertFileBytes(dir.filePath("missing.dat")));
    const QString locked = writeBytes(dir, kUnwritableName, "abcdef");
    EXPECT_FALSE(InvertFileBytes(locked));
    EXPECT_EQ(readBytes(locked), "abcdef");
}

TEST(FileNames, AddBackslashAndMakeSafeFileName) {
    const QString sep = QDir::separator();
    EXPECT_EQ(AddBackslash(""), sep);
    EXPECT_EQ(AddBackslash("/pics"), "/pics" + sep);
    EXPECT_EQ(AddBackslash("/pics" + sep), "/pics" + sep);
    QString t = R"(a:b/c?d e|*"<>\)";
    MakeSafeFileName(t);
    EXPECT_EQ(t, "a b c d e      ");
}
