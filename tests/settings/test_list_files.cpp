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

} // namespace

TEST(PictureListFile, ReadsBothSectionsWithSpacesAndNonAsciiNames) {
    QTemporaryDir dir;
    const QByteArray bytes = QStringLiteral("/pics/Été 2024/\r\nplage à midi.jpg\r\n/pics/\r\nb.gif\r\n"
                                            "\x01\r\n/home/me/My Pictures\r\n/srv/фото\r\n")
                                 .toUtf8();
    const auto data = ReadPictureListFile(writeBytes(dir, "l.tsy", bytes));
    ASSERT_TRUE(data);
    ASSERT_EQ(data->files.size(), 2);
    EXPECT_EQ(data->files[0].folder, QStringLiteral("/pics/Été 2024/"));
    EXPECT_EQ(data->files[0].name, QStringLiteral("plage à midi.jpg"));
    EXPECT_EQ(data->files[1].name, "b.gif");
    EXPECT_EQ(data->folders, (QStringList{"/home/me/My Pictures", QStringLiteral("/srv/фото")}));
}

TEST(PictureListFile, OddLineCountReadsSeparatorAsNameAndFoldersAsEntries) {
    QTemporaryDir dir;
    const auto data = ReadPictureListFile(
        writeBytes(dir, "l.tsy", "/a/\r\nx.jpg\r\n/b/\r\n\x01\r\n/f1\r\n/f2\r\n"));
    ASSERT_TRUE(data);
    ASSERT_EQ(data->files.size(), 3);
    EXPECT_EQ(data->files[1].folder, "/b/");
    EXPECT_EQ(data->files[1].name, PictureListSeparator());
    EXPECT_EQ(data->files[2].folder, "/f1");
    EXPECT_EQ(data->files[2].name, "/f2");
    EXPECT_TRUE(data->folders.isEmpty());
}

TEST(PictureListFile, SeparatorOnlyMissingLineEndAndMissingFile) {
    QTemporaryDir dir;
    auto data = ReadPictureListFile(writeBytes(dir, "sep.tsy", "\x01\r\n"));
    ASSERT_TRUE(data);
    EXPECT_TRUE(data->files.isEmpty());
    EXPECT_TRUE(data->folders.isEmpty());

    // A hand-edited file whose last line has no CR LF still lists that folder.
    data = ReadPictureListFile(writeBytes(dir, "nocrlf.tsy", "/a/\r\nx.jpg\r\n\x01\r\n/f1\r\n/f2"));
    ASSERT_TRUE(data);
    EXPECT_EQ(data->folders, (QStringList{"/f1", "/f2"}));

    // A files entry cut off after its folder line is dropped, not completed
    // with some other line.
    data = ReadPictureListFile(writeBytes(dir, "cut.tsy", "/a/\r\nx.jpg\r\n/b/"));
    ASSERT_TRUE(data);
    EXPECT_EQ(data->files.size(), 1);

    EXPECT_FALSE(ReadPictureListFile(dir.filePath("missing.tsy")));
}

TEST(PictureListFile, WriteIsExactAndReadsBack) {
    QTemporaryDir dir;
    PictureListData d;
    d.files = {{"/pics", "a b.jpg"}, {"/x/", "ü.png"}};
    d.folders = {"/home/me/Wall papers"};
    const QString path = dir.filePath("WallPapersList.tsy");
    ASSERT_TRUE(WritePictureListFile(path, d));
    EXPECT_EQ(readBytes(path), QStringLiteral("/pics/\r\na b.jpg\r\n/x/\r\nü.png\r\n\x01\r\n"
                                              "/home/me/Wall papers\r\n")
                                   .toUtf8());
    const auto back = ReadPictureListFile(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->files[0].folder, "/pics/");
    EXPECT_EQ(back->folders, d.folders);

    // The first-run form: one entry, no separator, no folders section.
    ASSERT_TRUE(WritePictureListFile(path, {{{"/share/tessaly/", "sample.jpg"}}, {}}, false));
    EXPECT_EQ(readBytes(path), "/share/tessaly/\r\nsample.jpg\r\n");
}

TEST(PictureListFile, FailedWriteKeepsThePreviousList) {
    QTemporaryDir dir;
    // The temporary file beside a name this long exceeds the file system's
    // name limit, so the write fails even for root.
    const QString path = writeBytes(dir, QString(250, 'l'), "/a/\r\nx.jpg\r\n");
    EXPECT_FALSE(WritePictureListFile(path, {{{"/b/", "y.jpg"}}, {}}));
    EXPECT_EQ(readBytes(path), "/a/\r\nx.jpg\r\n");
}

TEST(ByteInversion, KeepsLengthAndLastByteAndUndoesItself) {
    QByteArray one("\x10", 1);
    InvertBytes(one);
    EXPECT_EQ(one, QByteArray("\x10", 1));

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
    EXPECT_EQ(uchar(once[0]), 255 - uchar(original[0]));
    ASSERT_TRUE(InvertFileBytes(path));
    EXPECT_EQ(readBytes(path), original);

    const QString empty = writeBytes(dir, "empty.dat", {});
    EXPECT_TRUE(InvertFileBytes(empty));
    EXPECT_EQ(QFileInfo(empty).size(), 0);
    EXPECT_FALSE(InvertFileBytes(dir.filePath("missing.dat")));
}

TEST(ByteInversion, FailingWriteLeavesTheOriginalIntact) {
    QTemporaryDir dir;
    const QString path = writeBytes(dir, QString(250, 'c'), "abcdef");
    EXPECT_FALSE(InvertFileBytes(path));
    EXPECT_EQ(readBytes(path), "abcdef");
}

TEST(FileNames, AddBackslashAndMakeSafeFileName) {
    const QString sep = QDir::separator();
    EXPECT_EQ(AddBackslash(""), sep);
    EXPECT_EQ(AddBackslash("/pics"), "/pics" + sep);
    EXPECT_EQ(AddBackslash("/pics" + sep), "/pics" + sep);

    QString t = "a:b/c?d e";
    MakeSafeFileName(t);
    EXPECT_EQ(t, "a b c d e");
    QString all = R"(:/\|*?"<>)";
    MakeSafeFileName(all);
    EXPECT_EQ(all, QString(9, ' '));
}
