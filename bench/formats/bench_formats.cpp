// Photo formats and metafiles benchmark. A generated 12-megapixel picture is
// encoded as HEIC, AVIF and JPEG XL with the Debian tools; each file is
// decoded, composed onto a 3840 x 2160 canvas in "Fit (Reduce/Enlarge)" and
// saved as a BMP, beside ImageMagick's convert doing the same on the same
// file in the same run (resize to fit, extend with the desktop colour, write
// BMP); both times and their ratio are printed. Then a generated 5 MB EMF is
// drawn and composed at 3840 x 2160 and timed.
#include "compose/Compose.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Runs = 3;
constexpr QSize Screen(3840, 2160);

// A photograph-like picture: gradients with fine detail.
QImage makePicture(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int n = (x * 7919 + y * 104729) % 37;
            line[x] =
                qRgb((x * 255 / w + n) & 0xFF, (y * 255 / h + n) & 0xFF, ((x + y) / 40 + n) & 0xFF);
        }
    }
    return img;
}

// The best of `Runs` timings of `work`, in milliseconds; negative when it
// failed.
double best(const std::function<bool()>& work) {
    std::vector<double> times;
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer t;
        t.start();
        if (!work()) return -1;
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    return *std::min_element(times.begin(), times.end());
}

bool run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(600000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        std::fprintf(stderr, "bench_formats: %s failed: %s\n", qPrintable(program),
                     p.readAllStandardError().constData());
        return false;
    }
    return true;
}

QString tool(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        const QString p = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!p.isEmpty()) return p;
    }
    return QString();
}

// Our side: load for the screen, compose, save the BMP.
bool compose(const QString& file, const QString& bmp) {
    SourcePicture picture;
    QString error;
    if (!LoadPictureFor(file, PositionMode::FitReduceEnlarge, Screen, picture, &error)) {
        std::fprintf(stderr, "bench_formats: %s\n", qPrintable(error));
        return false;
    }
    CompositionInputs in;
    in.position = PositionMode::FitReduceEnlarge;
    in.screen = {Screen, QRect(QPoint(0, 0), Screen), 96};
    return WriteWallpaperBitmap(ComposeWallpaper(picture, in), bmp, &error);
}

// ImageMagick's side of the same work.
QStringList magickArgs(const QString& input, const QString& bmp) {
    return {input,
            QStringLiteral("-resize"),
            QStringLiteral("3840x2160"),
            QStringLiteral("-background"),
            QStringLiteral("#004e98"),
            QStringLiteral("-gravity"),
            QStringLiteral("center"),
            QStringLiteral("-extent"),
            QStringLiteral("3840x2160"),
            QStringLiteral("BMP3:") + bmp};
}

// An EMF of about `bytes` bytes: 1920 x 1080 pixels of polygons, ellipses,
// polylines, gradient rectangles and text in changing brushes and pens (up
// to 4 pixels wide), about 13 000 of each.
QByteArray makeEmf(qsizetype bytes) {
    QByteArray records;
    int count = 0;
    auto put = [](QByteArray& b, qint64 v, int size) {
        for (int k = 0; k < size; ++k)
            b += char((v >> (8 * k)) & 0xFF);
    };
    auto rec = [&](quint32 type, std::initializer_list<qint64> ints, const QByteArray& tail = {}) {
        QByteArray params;
        for (qint64 v : ints)
            put(params, v, 4);
        params += tail;
        while (params.size() % 4)
            params += '\0';
        put(records, type, 4);
        put(records, 8 + params.size(), 4);
        records += params;
        ++count;
    };
    quint32 seed = 1;
    auto rnd = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 8) % quint32(n));
    };
    while (records.size() < bytes) {
        const int x = rnd(1800), y = rnd(1000);
        rec(39, {1, 0, rnd(0xFFFFFF), 0}); // brush
        rec(37, {1});
        rec(38, {2, 0, 1 + rnd(4), 0, rnd(0xFFFFFF)}); // pen
        rec(37, {2});
        // Shapes as drawings have them: a star-shaped polygon (corners in
        // order around its centre) and a polyline wandering to the right.
        QByteArray star, walk;
        for (int k = 0; k < 12; ++k) {
            const double a = k * M_PI / 6, r = 10 + rnd(50);
            put(star, x + 60 + qRound(r * std::cos(a)), 2);
            put(star, y + 40 + qRound(r * std::sin(a)), 2);
            put(walk, x + k * 10 + rnd(10), 2);
            put(walk, y + rnd(30), 2);
        }
        rec(86, {0, 0, 0, 0, 12}, star); // polygon
        rec(42, {x, y, x + 20 + rnd(60), y + 20 + rnd(60)});
        rec(87, {0, 0, 0, 0, 12}, walk); // polyline
        QByteArray vertices;
        for (int k = 0; k < 2; ++k) {
            put(vertices, x + k * 40, 4);
            put(vertices, y + k * 30, 4);
            for (int c = 0; c < 4; ++c)
                put(vertices, rnd(0xFFFF), 2);
        }
        put(vertices, 0, 4), put(vertices, 1, 4), put(vertices, 0, 4);
        rec(118, {0, 0, 0, 0, 2, 1, rnd(2)}, vertices); // gradient rectangle
        const QString text = QStringLiteral("Tessaly %1").arg(rnd(1000));
        rec(84, {0, 0, 0, 0, 1, 0, 0, x, y + 60, text.size(), 76, 0, 0, 0, 0, 0, 0},
            QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2));
    }
    rec(14, {0, 16, 20});
    QByteArray header;
    for (qint64 v : {1, 88, 0, 0, 1919, 1079, 0, 0, 50800, 28575, 0x464D4520, 0x10000})
        put(header, v, 4);
    put(header, 88 + records.size(), 4);
    put(header, count + 1, 4);
    put(header, 4, 2), put(header, 0, 2);
    for (qint64 v : {0, 0, 0, 960, 960, 254, 254})
        put(header, v, 4);
    return header + records;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication qapp(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid()) return 1;
    auto path = [&](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
    const QString png = path("picture.png");
    if (!makePicture(4000, 3000).save(png)) return 1;
    std::printf("input: 4000 x 3000 (12 megapixels); canvas 3840 x 2160\n");

    const QString convert = tool({"convert-im6.q16", "convert-im7.q16", "convert"});
    const QString heifEnc = tool({"heif-enc"}), cjxl = tool({"cjxl"}), djxl = tool({"djxl"});
    struct Format {
        const char* name;
        QString file;
        QString encoder;
        QStringList args;
    } formats[] = {
        {"HEIC", path("picture.heic"), heifEnc, {"-q", "85", "-o", path("picture.heic"), png}},
        {"AVIF",
         path("picture.avif"),
         heifEnc,
         {"-A", "-p", "speed=8", "-q", "85", "-o", path("picture.avif"), png}},
        {"JPEG XL", path("picture.jxl"), cjxl, {png, path("picture.jxl"), "-e", "3", "-q", "90"}},
    };
    for (const Format& f : formats) {
        if (f.encoder.isEmpty() || !run(f.encoder, f.args)) {
            std::printf("%s: no encoder, skipped\n", f.name);
            continue;
        }
        const double ours = best([&] { return compose(f.file, path("ours.bmp")); });
        std::printf("%s (%.1f MB): tessaly decode + compose + save BMP: %.0f ms (best of %d)\n",
                    f.name, QFileInfo(f.file).size() / 1e6, ours, Runs);
        if (convert.isEmpty()) {
            std::printf("  imagemagick: convert not found, no ratio\n");
            continue;
        }
        // ImageMagick 6 reads no JPEG XL: djxl decodes for it, and counts.
        const bool direct =
            run(convert, {QStringLiteral("-ping"), f.file, QStringLiteral("info:")});
        const double theirs = best([&] {
            if (direct) return run(convert, magickArgs(f.file, path("magick.bmp")));
            return !djxl.isEmpty() && run(djxl, {f.file, path("decoded.ppm")}) &&
                   run(convert, magickArgs(path("decoded.ppm"), path("magick.bmp")));
        });
        if (theirs <= 0) {
            std::printf("  imagemagick: cannot read %s, no ratio\n", f.name);
            continue;
        }
        std::printf("  %s: %.0f ms (best of %d)\n", direct ? "imagemagick" : "djxl + imagemagick",
                    theirs, Runs);
        std::printf("  ratio tessaly / %s: %.2f (goal: at most 0.5)\n",
                    direct ? "imagemagick" : "djxl + imagemagick", ours / theirs);
    }

    const QByteArray emf = makeEmf(5 * 1000 * 1000);
    const QString emfFile = path("drawing.emf");
    QFile out(emfFile);
    if (!out.open(QIODevice::WriteOnly) || out.write(emf) != emf.size()) return 1;
    out.close();
    const double drawn = best([&] { return compose(emfFile, path("emf.bmp")); });
    std::printf("EMF (%.1f MB): drawn at 3840 x 2160, composed, saved: %.0f ms (best of %d)\n",
                emf.size() / 1e6, drawn, Runs);
    return 0;
}
