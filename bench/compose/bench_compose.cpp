// Composition benchmark: a generated 6000 x 4000 JPEG composed onto a
// 3840 x 2160 canvas in "Fit (Reduce/Enlarge)" with non-neutral filters and
// the watermark, the BMP saved; ImageMagick's convert does the same work on
// the same input in the same run (resize to fit, extend with the desktop
// colour, brightness and gamma, annotate, write BMP). Prints both times, their
// ratio, and the filter pass alone in megapixels per second.
#include "collection/WallpaperChange.h"
#include "compose/ColorFilters.h"
#include "compose/Compose.h"
#include "context/AppContext.h"
#include "platform/IniSettingsStore.h"
#include "settings/DataFolder.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Runs = 3;

// The benchmark measures the composition, not a desktop.
struct NoDesktop : DesktopService {
    void setWallpaper(const QString&, const QString&) override {}
    quint32 desktopColor() override { return 0x984E00; }
    void setDesktopColor(quint32) override {}
};

// A photograph-like picture: gradients with fine detail, so that the JPEG
// is of a realistic size.
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

double best(const std::vector<double>& v) {
    return *std::min_element(v.begin(), v.end());
}

QString imageMagick() {
    // The ImageMagick binary itself, not a wrapper around it, when present.
    for (const char* name : {"convert-im6.q16", "convert-im7.q16", "convert"}) {
        const QString p = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!p.isEmpty()) return p;
    }
    return QString();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication qapp(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid()) return 1;
    const QString input = dir.filePath(QStringLiteral("picture.jpg"));
    if (!makePicture(6000, 4000).save(input, "JPEG", 90)) {
        std::fprintf(stderr, "bench_compose: could not write the test picture\n");
        return 1;
    }
    std::printf("input: 6000 x 4000 JPEG, %.1f MB; canvas 3840 x 2160\n",
                QFileInfo(input).size() / 1e6);

    PlatformServices services;
    services.store =
        std::make_unique<IniSettingsStore>(dir.filePath(QStringLiteral("tessaly.conf")));
    services.desktop = std::make_unique<NoDesktop>();
    AppContext app(services);
    app.paths = MakeDataPaths(dir.path() + QLatin1Char('/'));
    app.PictureList = {input};
    Settings& s = app.settings;
    s.CurWallPaper = 1;
    s.WallPaperPosition = WallpaperPosition::of(PositionMode::FitReduceEnlarge);
    s.EBright = 110;
    s.EGamma = 0.8;
    s.WaterMarkFont = QStringLiteral("DejaVu Sans");
    // Every run composes: nothing is prepared ahead.
    s.PrepareNextWallpaper = false;
    const ScreenInfo screen{QSize(3840, 2160), QRect(0, 0, 3840, 2160), 96};
    app.screen = [screen] { return screen; };

    std::vector<double> ours;
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer t;
        t.start();
        bool changed = false;
        QEventLoop loop;
        NextWallpaper(app, &loop, [&](const ChangeResult& r) {
            changed = r.changed();
            loop.quit();
        });
        loop.exec();
        if (!changed) {
            std::fprintf(stderr, "bench_compose: composition failed\n");
            return 1;
        }
        ours.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("tessaly: load + compose + save BMP: %.1f ms (best of %d)\n", best(ours), Runs);

    const QString convert = imageMagick();
    if (convert.isEmpty()) {
        std::printf("imagemagick: convert not found, no ratio\n");
    } else {
        // Gamma exponent 0.8 is ImageMagick's -gamma 1.25 (it raises to 1/g).
        const QString font = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
        auto args = [&](bool sizeHint) {
            QStringList a;
            if (sizeHint) a << QStringLiteral("-define") << QStringLiteral("jpeg:size=3840x2160");
            a << input << QStringLiteral("-resize") << QStringLiteral("3840x2160")
              << QStringLiteral("-evaluate") << QStringLiteral("multiply") << QStringLiteral("1.1")
              << QStringLiteral("-gamma") << QStringLiteral("1.25") << QStringLiteral("-background")
              << QStringLiteral("#004e98") << QStringLiteral("-gravity") << QStringLiteral("center")
              << QStringLiteral("-extent") << QStringLiteral("3840x2160")
              << QStringLiteral("-gravity") << QStringLiteral("southeast")
              << QStringLiteral("-fill") << QStringLiteral("#0000c0") << QStringLiteral("-font")
              << font << QStringLiteral("-pointsize") << QStringLiteral("16")
              << QStringLiteral("-annotate") << QStringLiteral("+2+2")
              << QStringLiteral("Orvane Tessaly - picture.jpg")
              << QStringLiteral("BMP3:") + dir.filePath(QStringLiteral("magick.bmp"));
            return a;
        };
        for (bool hint : {false, true}) {
            std::vector<double> theirs;
            for (int i = 0; i < Runs; ++i) {
                QElapsedTimer t;
                t.start();
                QProcess p;
                p.start(convert, args(hint));
                if (!p.waitForFinished(300000) || p.exitCode() != 0) {
                    std::fprintf(stderr, "bench_compose: convert failed: %s\n",
                                 p.readAllStandardError().constData());
                    return 1;
                }
                theirs.push_back(t.nsecsElapsed() / 1e6);
            }
            std::printf("imagemagick%s: %.1f ms (best of %d)\n",
                        hint ? " with -define jpeg:size" : "", best(theirs), Runs);
            std::printf("ratio tessaly / imagemagick%s: %.3f%s\n", hint ? " (size hint)" : "",
                        best(ours) / best(theirs), hint ? "" : " (goal: at most 0.4)");
        }
    }

    // The filter pass alone, on a canvas-sized picture.
    const QImage canvas = makePicture(3840, 2160);
    ColorFilterSettings v;
    v.EBright = 110;
    v.EGamma = 0.8;
    v.ERed = 10;
    std::vector<double> pass;
    qint64 sink = 0;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer t;
        t.start();
        const QImage out = FilterPictureBits(canvas, v);
        pass.push_back(t.nsecsElapsed() / 1e9);
        sink += out.pixel(i, i);
    }
    std::printf("filter pass: %.0f megapixels per second (3840 x 2160, best of 5)%s\n",
                3840.0 * 2160.0 / 1e6 / best(pass), sink == 42 ? " " : "");
    return 0;
}
