// Files list benchmark: 10,000 entries shown in the settings window's list
// (offscreen), then sorted, shuffled, half of them removed at scattered rows
// and the list file written; GNU sort orders the same names in the same run
// (LC_ALL=C, by character codes). Then the preview of a generated 6000 x 4000
// JPEG against decoding that picture whole. Prints the times and the ratios.
#include "options_window/FilesListModel.h"
#include "options_window/PictureListPanes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int Entries = 10000;

double ms(const QElapsedTimer& t) {
    return t.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    std::mt19937 random(1);

    QList<FilesListModel::Entry> entries;
    QByteArray names;
    for (int i = 0; i < Entries; ++i) {
        const QString name = QStringLiteral("IMG_%1.jpg").arg(random() % 1000000);
        entries.append({QStringLiteral("/photos/%1/").arg(i % 97), name});
        names += name.toUtf8() + '\n';
    }
    FilesListModel model;
    PictureListView view;
    view.setModel(&model);
    view.resize(300, 400);
    view.show();

    QElapsedTimer t;
    t.start();
    model.setEntries(entries);
    QCoreApplication::processEvents();
    const double load = ms(t);
    t.restart();
    model.sortByName();
    QCoreApplication::processEvents();
    const double sort = ms(t);
    t.restart();
    model.shuffle(random);
    QCoreApplication::processEvents();
    const double shuffle = ms(t);
    QList<int> half;
    for (int i = 0; i < Entries; i += 2)
        half << i;
    t.restart();
    model.removeEntries(half);
    QCoreApplication::processEvents();
    const double remove = ms(t);
    t.restart();
    WritePictureListFile(dir.filePath(QStringLiteral("list.tsy")), {model.entries(), {}});
    const double save = ms(t);

    QProcess peer;
    peer.setProcessEnvironment([] {
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        return env;
    }());
    t.restart();
    peer.start(QStringLiteral("sort"), {});
    peer.write(names);
    peer.closeWriteChannel();
    peer.waitForFinished();
    peer.readAllStandardOutput();
    const double peerSort = ms(t);

    std::printf("%d entries: show %.1f ms, sort %.1f ms (GNU sort %.1f ms, ratio %.2f), "
                "shuffle %.1f ms, remove half %.1f ms, save %.1f ms\n",
                Entries, load, sort, peerSort, sort / peerSort, shuffle, remove, save);

    QImage photo(6000, 4000, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); x += 50)
            photo.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    const QString jpeg = dir.filePath(QStringLiteral("photo.jpg"));
    photo.save(jpeg, "JPEG", 90);
    PreviewFrame frame;
    t.restart();
    frame.showPicture(jpeg);
    const double preview = ms(t);
    t.restart();
    const QImage whole(jpeg);
    const double decoded = ms(t);
    std::printf("6000 x 4000 JPEG: preview %.1f ms, whole decode %.1f ms, ratio %.2f\n", preview,
                decoded, preview / decoded);
    return whole.isNull() ? 1 : 0;
}
