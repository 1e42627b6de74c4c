#include "FakePlatform.h"
#include "settings/FileNames.h"
#include "settings/PictureListFile.h"

using namespace Qt::StringLiterals;

TEST(PictureListFile, ReadsSectionsAndTheirOddShapesAndWritesExactBytes) {
    QTemporaryDir dir;
    auto read = [&](const QByteArray& bytes) {
        return ReadPictureListFile(writeFile(dir.filePath(u"l"_s), bytes));
    };

    auto d = read(
        QStringLiteral("/pics/Été 2024/\r\nplage à midi.jpg\r\n\x01\r\n/home/me/My Pictures\r\n"
                       "/srv/фото\r\n")
            .toUtf8());
    ASSERT_TRUE(d);
    ASSERT_EQ(d->files.size(), 1);
    EXPECT_EQ(d->files[0].folder, QStringLiteral("/pics/Été 2024/"));
    EXPECT_EQ(d->files[0].name, QStringLiteral("plage à midi.jpg"));
    EXPECT_EQ(d->folders, (QStringList{u"/home/me/My Pictures"_s, QStringLiteral("/srv/фото")}));

    // An odd number of files lines: the separator is read as a file name and
    // the folders that follow as further entries.
    d = read("/a/\r\nx.jpg\r\n/b/\r\n\x01\r\n/f1\r\n/f2\r\n");
    ASSERT_EQ(d->files.size(), 3);
    EXPECT_EQ(d->files[1].name, PictureListSeparator());
    EXPECT_EQ(d->files[2].folder, u"/f1"_s);
    EXPECT_TRUE(d->folders.isEmpty());

    d = read("\x01\r\n");
    EXPECT_TRUE(d->files.isEmpty() && d->folders.isEmpty());

    // A files entry cut off after its folder line is dropped rather than completed.
    EXPECT_EQ(read("/a/\r\nx.jpg\r\n/b/")->files.size(), 1);

    EXPECT_FALSE(ReadPictureListFile(dir.filePath(u"missing.tsy"_s)));

    // Lists edited with LF or CR line ends read as the CR LF ones do; a last
    // line without its line end still counts.
    for (const char* lines : {"/a/\r\nx.jpg\r\n\x01\r\n/f1\r\n/f2", "/a/\nx.jpg\n\x01\n/f1\n/f2\n",
                              "/a/\rx.jpg\r\x01\r/f1\r/f2\r", "/a/\r\nx.jpg\n\x01\r/f1\r\n/f2"}) {
        SCOPED_TRACE(QByteArray(lines).toHex().toStdString());
        d = read(lines);
        ASSERT_EQ(d->files.size(), 1);
        EXPECT_EQ(d->files[0].name, u"x.jpg"_s);
        EXPECT_EQ(d->folders, (QStringList{u"/f1"_s, u"/f2"_s}))
            << d->folders.join(u'|').toStdString();
    }

    const QString path = dir.filePath(u"WallPapersList.tsy"_s);
    ASSERT_TRUE(
        WritePictureListFile(path, {{{u"/pics"_s, u"a b.jpg"_s}}, {u"/home/me/Wall papers"_s}}));
    EXPECT_EQ(readFile(path), "/pics/\r\na b.jpg\r\n\x01\r\n/home/me/Wall papers\r\n");

    // A line break in a name would split it into wrong entries: refused, and
    // the list stays as it was.
    QString why;
    EXPECT_FALSE(WritePictureListFile(path, {{{u"/pics"_s, u"two\nlines.jpg"_s}}, {}}, true, &why));
    EXPECT_TRUE(why.contains(u"two\nlines.jpg"_s)) << why.toStdString();
    EXPECT_FALSE(WritePictureListFile(path, {{}, {u"/a\rb"_s}}));
    EXPECT_EQ(readFile(path), "/pics/\r\na b.jpg\r\n\x01\r\n/home/me/Wall papers\r\n");
}

TEST(FileNames, ByteInversionAddBackslashAndMakeSafeFileName) {
    // Eight bytes flipped at a time, then the rest but the last.
    QByteArray b("\x00\x01\xff\x80\x00\x01\x02\x03\x10\x20\x80", 11);
    InvertBytes(b);
    EXPECT_EQ(b, QByteArray("\xff\xfe\x00\x7f\xff\xfe\xfd\xfc\xef\xdf\x80", 11));
    const QString sep = QDir::separator();
    EXPECT_EQ(AddBackslash(u""_s), sep);
    EXPECT_EQ(AddBackslash(u"/pics"_s), u"/pics"_s + sep);
    EXPECT_EQ(AddBackslash(u"/pics"_s + sep), u"/pics"_s + sep);
    QString t = uR"(a:b/c?d e|*"<>\)"_s;
    MakeSafeFileName(t);
    EXPECT_EQ(t, u"a b c d e      "_s);
}
