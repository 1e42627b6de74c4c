// The files list of the settings window: every edit keeps each file name with
// its folder; moves stop at the ends; the sort orders by character codes;
// shuffles are uniform; removing selected or missing entries removes exactly
// those; the preview keeps the picture's proportions. Real files in a
// temporary folder.
#include "FakePlatform.h"
#include "options_window/FilesListModel.h"
#include "options_window/PictureListPanes.h"

#include <QLabel>
#include <map>

namespace {

using Entry = FilesListModel::Entry;

// "folder/name" of every entry, in order.
QStringList paths(const FilesListModel& m) {
    QStringList out;
    for (const Entry& e : m.entries())
        out << e.folder + e.name;
    return out;
}

// n entries "/dN/fN.jpg".
QList<Entry> numbered(int n) {
    QList<Entry> list;
    for (int i = 0; i < n; ++i)
        list.append({QStringLiteral("/d%1/").arg(i), QStringLiteral("f%1.jpg").arg(i)});
    return list;
}

TEST(FilesListModel, MovesStopAtTheEndsAndRemovesTakeExactlyTheChosenAndMissingEntries) {
    FilesListModel m;
    m.setEntries(numbered(5));
    const QStringList before = paths(m);
    EXPECT_EQ(m.moveUp(0), -1);
    EXPECT_EQ(m.moveDown(4), -1);
    EXPECT_EQ(m.moveUp(-1), -1);
    EXPECT_EQ(paths(m), before);
    EXPECT_EQ(m.moveUp(3), 2);
    EXPECT_EQ(paths(m),
              QStringList({"/d0/f0.jpg", "/d1/f1.jpg", "/d3/f3.jpg", "/d2/f2.jpg", "/d4/f4.jpg"}));
    EXPECT_EQ(m.moveDown(2), 3);
    EXPECT_EQ(paths(m), before);

    // Removing takes exactly the chosen entries, and the missing ones.
    m.removeEntries({4, 1, 2, 2});
    EXPECT_EQ(paths(m), QStringList({"/d0/f0.jpg", "/d3/f3.jpg"}));
    m.removeEntries({0, 1});
    EXPECT_EQ(m.rowCount(), 0);

    // Two listed files deleted outside the program; a hidden file and a
    // folder count as missing too.
    QTemporaryDir dir;
    const QString folder = dir.path() + "/";
    QList<Entry> listed{{folder, "folder.jpg"}};
    QDir(dir.path()).mkdir("folder.jpg");
    for (const char* name : {"keep1.jpg", "gone1.jpg", "keep2.jpg", "gone2.jpg", ".hidden.jpg"}) {
        writeFile(folder + name, "x");
        listed.append({folder, name});
    }
    m.setEntries(listed);
    ASSERT_TRUE(QFile::remove(folder + "gone1.jpg") && QFile::remove(folder + "gone2.jpg"));
    EXPECT_EQ(m.removeMissing(), 4);
    EXPECT_EQ(paths(m), QStringList({folder + "keep1.jpg", folder + "keep2.jpg"}));
    EXPECT_EQ(m.removeMissing(), 0);
}

TEST(FilesListModel, ShuffleKeepsEveryNameWithItsFolderAndIsUniform) {
    FilesListModel m;
    std::mt19937 random(7);
    m.setEntries(numbered(1));
    m.shuffle(random);
    EXPECT_EQ(paths(m), QStringList({"/d0/f0.jpg"}));

    // Each order of three entries comes up about equally often; a name parted
    // from its folder would make a seventh.
    std::map<QString, int> seen;
    for (int i = 0; i < 6000; ++i) {
        m.setEntries(numbered(3));
        m.shuffle(random);
        ++seen[paths(m).join(',')];
    }
    EXPECT_EQ(seen.size(), 6u);
    for (const auto& [order, count] : seen)
        EXPECT_TRUE(count > 850 && count < 1150) << order.toStdString() << ": " << count;
}

TEST(FilesListModel, SortOrdersNamesByCharacterCodesAndCarriesTheFolders) {
    FilesListModel m;
    m.setEntries({{"/1/", "b.jpg"},
                  {"/2/", "A.jpg"},
                  {"/3/", "a.jpg"},
                  {"/4/", "apple.jpg"},
                  {"/5/", "Zebra.jpg"}});
    m.sortByName();
    EXPECT_EQ(paths(m),
              QStringList({"/2/A.jpg", "/5/Zebra.jpg", "/3/a.jpg", "/4/apple.jpg", "/1/b.jpg"}));

    // A large list with repeated names sorts as a reference sort does, each
    // folder still beside its name.
    QList<Entry> many;
    std::mt19937 random(3);
    for (int i = 0; i < 10000; ++i) {
        const int key = int(random() % 3000);
        many.append({QStringLiteral("/%1/").arg(key), QStringLiteral("p%1.jpg").arg(key)});
    }
    m.setEntries(many);
    m.sortByName();
    ASSERT_EQ(m.rowCount(), 10000);
    for (int i = 0; i < m.rowCount(); ++i) {
        const Entry& e = m.entries()[i];
        ASSERT_EQ(e.folder.mid(1).chopped(1), e.name.mid(1).chopped(4));
        ASSERT_TRUE(i == 0 || m.entries()[i - 1].name <= e.name) << i;
    }
}

TEST(PreviewFrame, ShowsTheLongerSideAt1200TwipsAndReportsWhatCannotLoad) {
    QTemporaryDir dir;
    PreviewFrame frame;
    const auto px = [&frame](int twips) { return frame.twipsToPixels(twips); };
    for (const auto& [size, place] : std::vector<std::pair<QSize, QRect>>{
             {{4000, 1000}, {150, 700, 1200, 300}}, {{1000, 4000}, {600, 250, 300, 1200}}}) {
        const QString path = savePicture(dir.filePath(QStringLiteral("p%1.jpg").arg(size.width())),
                                         Qt::darkCyan, size);
        QString error;
        ASSERT_TRUE(frame.showPicture(path, &error)) << error.toStdString();
        EXPECT_EQ(frame.imgprev->geometry(),
                  QRect(px(place.x()), px(place.y()), px(place.width()), px(place.height())));
        EXPECT_FALSE(frame.imgprev->isHidden());
    }
    const QString broken = writeFile(dir.filePath("broken.jpg"), "not a picture");
    QString error;
    EXPECT_FALSE(frame.showPicture(broken, &error));
    EXPECT_TRUE(error.contains("broken.jpg")) << error.toStdString();
    EXPECT_TRUE(frame.imgprev->isHidden());
}

} // namespace
