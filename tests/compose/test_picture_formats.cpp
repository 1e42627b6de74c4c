// Every format of the picture-format table, made by the test or by free
// tools at test time: loaded by content, composed upright and in sRGB, and
// refused when cut short or garbled; bad and special files refused, and a
// decode stopped by its cancel flag.
#include "ComposeTestUtil.h"
#include "FakePlatform.h"
#include "collection/PictureCollection.h"
#include "compose/Compose.h"
#include "compose/PictureFormats.h"

#include <QColorSpace>
#include <QImageWriter>
#include <atomic>
#include <chrono>
#include <future>
#include <latch>
#include <mutex>
#include <sys/stat.h>
#include <thread>

namespace {

constexpr QSize kScreen(400, 300);

struct PictureFormatsTest : ::testing::Test {
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
    QString quadrantPng(QSize size = QSize(300, 200)) {
        const QString png = path(QStringLiteral("quadrants-%1.png").arg(size.width()));
        EXPECT_TRUE(QuadrantPicture(size.width(), size.height()).save(png));
        return png;
    }
    // Runs a tool (what it says goes to the test's output); fails the test
    // when it cannot make the file.
    QString tool(const QString& program, const QStringList& args, const QString& made) {
        EXPECT_EQ(QProcess::execute(program, args), 0) << program.toStdString();
        return made;
    }
    // A file `name` in the format the tool gives its ending, made from `source`.
    QString make(const QString& format, const QString& source, const QString& name,
                 const QStringList& imageMagickOptions = {}) {
        const QString out = path(name);
        if (format == "heic" || format == "avif") {
            QStringList a{"-q", "90", "-o", out, source};
            if (format == "avif") a.prepend("-A");
            return tool("heif-enc", a, out);
        }
        if (format == "jxl") return tool("cjxl", {source, out, "-q", "95"}, out);
        return tool("convert", QStringList{source} << imageMagickOptions << format + ":" + out,
                    out);
    }
    SourcePicture load(const QString& file, bool expectOk = true) {
        SourcePicture picture{QuadrantPicture(3, 3), QSize(3, 3)};
        QString error;
        EXPECT_EQ(LoadPictureFor(file, PositionMode::FitReduceEnlarge, kScreen, picture, &error),
                  expectOk)
            << file.toStdString() << ": " << error.toStdString();
        if (!expectOk) {
            EXPECT_EQ(picture.nativeSize, QSize(3, 3)) << "a failure kept the picture";
            EXPECT_FALSE(error.isEmpty()) << "a failure says why";
        }
        return picture;
    }
    // The picture composed to fill the screen shows the four quadrants.
    void expectUprightQuadrants(const SourcePicture& picture, QSize native, int tolerance = 40) {
        EXPECT_EQ(picture.nativeSize, native);
        CompositionInputs in;
        in.position = PositionMode::Stretch;
        in.screen.size = kScreen;
        const QImage canvas = ComposeWallpaper(picture, in);
        ASSERT_FALSE(canvas.isNull());
        ExpectProbes(canvas,
                     {{{100, 75}, qRgb(255, 0, 0)},
                      {{300, 75}, qRgb(0, 255, 0)},
                      {{100, 225}, qRgb(0, 0, 255)},
                      {{300, 225}, qRgb(255, 255, 0)}},
                     tolerance);
    }
};

} // namespace

TEST(PictureFormatTable, EndingsFilterAndHelpAgree) {
    for (const PictureFormat& f : PictureFormats()) {
        const QString ending = f.ending;
        EXPECT_TRUE(IsPictureFile("photo" + ending));
        EXPECT_TRUE(IsPictureFile("PHOTO" + ending.toUpper()));
        const QString pattern = ending.startsWith('.') ? "*" + ending : "*." + ending;
        EXPECT_TRUE(PicturesFileDialogFilter().contains(pattern + ' ') ||
                    PicturesFileDialogFilter().contains(pattern + ')'));
    }
    for (const char* no : {"x.txt", "jpg", "a.jp", "photo.heics", "notes.tiffany", "a.xjl"})
        EXPECT_FALSE(IsPictureFile(no)) << no;
    EXPECT_TRUE(IsPictureFile("scanjpeg")); // the ending without a dot matches as it stands
    EXPECT_TRUE(PicturesFileDialogFilter().startsWith("Pictures (*.jpg *.bmp *.gif"));
    EXPECT_TRUE(PicturesFileDialogFilter().endsWith(";;All Files (*)"));
    // The help page names every ending the program takes.
    const QString help =
        QString::fromUtf8(readFile(TESSALY_SOURCE_DIR "/data/help/index.html")).toLower();
    for (const PictureFormat& f : PictureFormats())
        EXPECT_TRUE(help.contains(QString(f.ending).remove('.'))) << f.ending.data();
}

// Each format composed and compared on pixels; a file whose name says
// another format loads by content; half a file and a garbled file fail, as do
// bad and special files, neither crashing nor hanging.
TEST_F(PictureFormatsTest, EveryFormatLoadsByContentAndDamageOrSpecialFilesFail) {
    const QString png = quadrantPng();
    const struct {
        const char* format;
        const char* name;
        QStringList options;
    } rows[] = {
        {"jpg", "photo.jpg", {}},
        {"png", "drawing.png", {}},
        {"bmp", "plain.bmp", {}},
        {"bmp3", "runs.rle", {"-type", "Palette", "-compress", "RLE"}},
        {"gif", "anim.gif", {}},
        {"ico", "icon.ico", {"-resize", "256x171!"}},
        {"webp", "web.webp", {"-quality", "95"}},
        {"tiff", "scan.tiff", {}},
        {"heic", "phone.heic", {}},
        {"avif", "phone.avif", {}},
        {"jxl", "new.jxl", {}},
        // ImageMagick 6 stores a TGA's top row first whatever corner it
        // declares: a bottom-up file is made by flipping the picture first.
        {"tga", "bottom-up.tga", {"-flip", "-type", "TrueColor", "-compress", "none"}},
        {"tga", "mapped.tga", {"-orient", "TopLeft", "-compress", "RLE"}},
        {"tga", "alpha.tga", {"-type", "TrueColorAlpha", "-orient", "TopLeft", "-compress", "RLE"}},
        {"heic", "heic-named.jpg", {}}, // the name says JPEG
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString file = make(row.format, png, row.name, row.options);
        const QSize native = QString(row.format) == "ico" ? QSize(256, 171) : QSize(300, 200);
        expectUprightQuadrants(load(file), native);

        const QByteArray bytes = readFile(file);
        const QString cut =
            writeFile(path(QStringLiteral("cut-") + row.name), bytes.left(bytes.size() / 2));
        if (QString(row.format) != "ico") load(cut, false);
        // The header kept, everything after it noise.
        QByteArray garbled = bytes.left(16);
        for (int i = 16; i < bytes.size(); ++i)
            garbled += char((i * 7919) % 251);
        if (QString(row.format) != "ico" && QString(row.format) != "bmp" &&
            QString(row.format) != "bmp3")
            load(writeFile(path(QStringLiteral("garbled-") + row.name), garbled), false);
    }

    // Files that are no pictures at all.
    load(path("missing.jpg"), false);
    load(writeFile(path("empty.jpg"), {}), false);
    load(writeFile(path("noise.jpg"), QByteArray(5000, '\x5A')), false);
    // Damage inside the data, the file's length intact.
    for (const char* fmt : {"JPEG", "PNG"}) {
        QByteArray bytes = encoded(QuadrantPicture(300, 200), fmt);
        bytes.replace(bytes.size() * 2 / 3, 40, QByteArray(40, '\x37'));
        load(writeFile(path(QStringLiteral("scrambled.%1").arg(fmt)), bytes), false);
    }

    // A FIFO or a device behind a picture name must fail at once: opening a FIFO
    // blocks until a writer comes, and /dev/zero never ends. A load that hangs
    // fails the test after a few seconds instead of hanging it.
    const QString fifo = path("pipe.jpg");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& special :
         {fifo, QStringLiteral("/dev/zero"), QStringLiteral("/dev/urandom")}) {
        SCOPED_TRACE(special.toStdString());
        auto done = std::make_shared<std::promise<bool>>();
        std::future<bool> result = done->get_future();
        std::thread([special, done] {
            SourcePicture out;
            done->set_value(LoadPicture(special, out));
        }).detach();
        if (result.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
            ADD_FAILURE() << "the load did not return";
            std::_Exit(1); // the stuck thread would keep the test from ending
        }
        EXPECT_FALSE(result.get());
    }
}

// A portrait photo turned by its orientation tag comes upright, and "Fit"
// uses its turned size.
TEST_F(PictureFormatsTest, OrientationTagsTurnUprightAndColourProfilesBecomeSrgb) {
    const QString stored = path("stored.png");
    // Stored a quarter turn to the left; orientation 6 asks for a quarter
    // turn to the right.
    ASSERT_TRUE(QuadrantPicture(200, 300).transformed(QTransform().rotate(-90)).save(stored));
    // The EXIF block: one directory with the orientation tag, value 6.
    const QByteArray exif =
        QByteArray("II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0\x06\0\0\0\0\0\0\0", 26);
    // The tag in an EXIF block (APP1) right after the JPEG's start marker.
    const QByteArray app1 = QByteArray("Exif\0\0", 6) + exif;
    const auto turnedJpeg = [&](const QString& source, const QString& name) {
        const QByteArray bytes = readFile(make("jpg", source, "plain-" + name));
        return writeFile(path(name), bytes.left(2) + "\xFF\xE1" + char((app1.size() + 2) >> 8) +
                                         char((app1.size() + 2) & 0xFF) + app1 + bytes.mid(2));
    };
    const QString jpeg = turnedJpeg(stored, "turned.jpg");
    expectUprightQuadrants(load(jpeg), QSize(200, 300));
    // A large one is reduced inside the decoder, as far as it stays at least
    // its size on the screen (200 x 300), and then turned.
    const QString large = path("large.png");
    ASSERT_TRUE(QuadrantPicture(800, 1200).transformed(QTransform().rotate(-90)).save(large));
    const SourcePicture reduced = load(turnedJpeg(large, "large.jpg"));
    EXPECT_EQ(reduced.image.size(), QSize(200, 300));
    expectUprightQuadrants(reduced, QSize(800, 1200));
    expectUprightQuadrants(load(make("tiff", stored, "turned.tiff", {"-orient", "RightTop"})),
                           QSize(200, 300));
    expectUprightQuadrants(load(make("heic", jpeg, "turned.heic")), QSize(200, 300));

    // WebP keeps the tag in an EXIF chunk of the extended layout.
    const QByteArray plain = encoded(QImage(stored), "WEBP", 100);
    const QByteArray vp8x =
        "VP8X" + le(10, 4) + QByteArray("\x08\0\0\0", 4) + le(299, 3) + le(199, 3);
    const QByteArray chunks = vp8x + plain.mid(12) + "EXIF" + le(exif.size(), 4) + exif;
    const QByteArray webp = "RIFF" + le(chunks.size() + 4, 4) + "WEBP" + chunks;
    expectUprightQuadrants(load(writeFile(path("turned.webp"), webp)), QSize(200, 300));

    // Colours: a Display-P3 picture comes out in sRGB, a CMYK JPEG in its
    // right colours.
    QImage p3 = solidImage({64, 64}, QColor(200, 100, 50));
    p3.setColorSpace(
        QColorSpace(QColorSpace::Primaries::DciP3D65, QColorSpace::TransferFunction::SRgb));
    for (const char* format : {"PNG", "JPEG"}) {
        const QString file = path(QStringLiteral("p3.%1").arg(format));
        ASSERT_TRUE(p3.save(file, format, 100));
        const QColor c = load(file).image.pixelColor(32, 32);
        // (200, 100, 50) in Display P3 is (215, 93, 31) in sRGB.
        EXPECT_NEAR(c.red(), 215, 3) << format;
        EXPECT_NEAR(c.green(), 93, 3) << format;
        EXPECT_NEAR(c.blue(), 31, 3) << format;
    }
    const QString cmyk = make("jpg", quadrantPng(), "cmyk.jpg", {"-colorspace", "CMYK"});
    expectUprightQuadrants(load(cmyk), QSize(300, 200), 60);
}

namespace {
// The handler the test puts in place before the decodes; it passes every
// message on and notes the one the test sends after them.
QtMessageHandler g_handlerBefore = nullptr;
std::atomic<int> g_markersSeen{0};
void noteMarker(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text == QLatin1String("decode-test-marker"))
        ++g_markersSeen;
    else if (g_handlerBefore)
        g_handlerBefore(type, context, text);
}
} // namespace

// Two decodes at once, as a change and the preparation of the next picture
// run them: the damage one decoder reports belongs to its own picture only.
// A CMYK JPEG goes through Qt's reader, which reports a scrambled scan only
// as a warning and still hands back a (garbled) picture.
TEST_F(PictureFormatsTest, DamageOfOneDecodeStaysWithIt) {
    const QString good =
        make("jpg", quadrantPng(QSize(900, 600)), "good-cmyk.jpg", {"-colorspace", "CMYK"});
    QByteArray bytes = readFile(good);
    ASSERT_GT(bytes.size(), 1000);
    bytes.replace(bytes.size() * 2 / 3, 40, QByteArray::fromHex("FFD3FFD5").repeated(10));
    const QString damaged = writeFile(path("damaged-cmyk.jpg"), bytes);

    static std::once_flag installed;
    std::call_once(installed, [] { g_handlerBefore = qInstallMessageHandler(noteMarker); });
    g_markersSeen = 0;
    load(damaged, false);
    std::atomic<int> goodRefused{0}, damagedAccepted{0};
    std::latch start(2);
    const auto decodeMany = [&](const QString& file, bool expectOk, std::atomic<int>& wrong) {
        start.arrive_and_wait();
        for (int i = 0; i < 60; ++i) {
            SourcePicture picture;
            if (LoadPicture(file, picture) != expectOk) ++wrong;
        }
    };
    std::thread a(decodeMany, good, true, std::ref(goodRefused));
    std::thread b(decodeMany, damaged, false, std::ref(damagedAccepted));
    a.join();
    b.join();
    EXPECT_EQ(goodRefused, 0);
    EXPECT_EQ(damagedAccepted, 0);
    // Messages still reach the handler that was there before. (It stays in
    // place, once for all runs of the test: it passes everything on.)
    qWarning("decode-test-marker");
    EXPECT_EQ(g_markersSeen, 1);
}

// A large JPEG's decode stops soon after its cancel flag is set, long before
// a whole decode would end, and leaves the picture it was given alone.
TEST_F(PictureFormatsTest, CancelStopsADecodePartWay) {
    // Noise, tiled: a photo's worth of detail, which is what makes a decode
    // take its time.
    QImage noise(509, 509, QImage::Format_RGB32);
    quint32 seed = 1;
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, (seed = seed * 1664525 + 1013904223) >> 8);
    QImage large(8000, 6000, QImage::Format_RGB32);
    QPainter(&large).fillRect(large.rect(), QBrush(noise));
    const QString file = path("large.jpg");
    QImageWriter writer(file, "jpeg");
    writer.setQuality(90);
    ASSERT_TRUE(writer.write(large));
    large = QImage();

    using Clock = std::chrono::steady_clock;
    Clock::time_point start = Clock::now();
    SourcePicture whole;
    ASSERT_TRUE(LoadPicture(file, whole));
    const auto wholeTime = Clock::now() - start;
    EXPECT_EQ(whole.nativeSize, QSize(8000, 6000));
    whole = {};

    std::atomic<bool> cancel{false};
    SourcePicture picture{QuadrantPicture(3, 3), QSize(3, 3)};
    QString error;
    bool loaded = true;
    Clock::duration cancelledTime{};
    std::thread decode([&] {
        const Clock::time_point begin = Clock::now();
        loaded = LoadPicture(file, picture, &error, QSize(), &cancel);
        cancelledTime = Clock::now() - begin;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    cancel = true;
    decode.join();
    EXPECT_FALSE(loaded);
    EXPECT_EQ(error, QStringLiteral("Cancelled."));
    EXPECT_EQ(picture.nativeSize, QSize(3, 3));
    EXPECT_LT(cancelledTime, wholeTime / 2)
        << std::chrono::duration_cast<std::chrono::milliseconds>(cancelledTime).count()
        << " ms cancelled, "
        << std::chrono::duration_cast<std::chrono::milliseconds>(wholeTime).count() << " ms whole";
}
