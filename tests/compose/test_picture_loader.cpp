// Loading pictures by content, and refusing bad or oversized files.
#include "ComposeTestUtil.h"
#include "FakePlatform.h"
#include "compose/Compose.h"

#include <QImageWriter>
#include <atomic>
#include <chrono>
#include <future>
#include <sys/stat.h>
#include <thread>

struct PictureLoader : ::testing::Test {
    QString path(const QString& name) const { return dir.filePath(name); }
    QString write(const QString& name, const QByteArray& bytes) {
        return writeFile(path(name), bytes);
    }
    bool load(const QString& path, QString* error = nullptr) {
        return LoadPictureFor(path, PositionMode::Center, QSize(400, 300), picture, error);
    }
    void expectFails(const QString& path) {
        QString error;
        EXPECT_FALSE(load(path, &error)) << path.toStdString();
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(picture.nativeSize, QSize(3, 3));
    }
    QTemporaryDir dir;
    // A marker picture, to see that failures leave it alone.
    SourcePicture picture{QuadrantPicture(3, 3), QSize(3, 3)};
};

TEST_F(PictureLoader, BadAndSpecialFilesAreFailuresNotCrashesNorHangs) {
    expectFails(path(QStringLiteral("missing.jpg")));
    expectFails(write(QStringLiteral("empty.jpg"), {}));
    expectFails(write(QStringLiteral("noise.jpg"), QByteArray(5000, '\x5A')));
    // Damage inside the data, the file's length intact (files cut short and
    // garbled after their header are test_picture_formats' cases).
    for (const char* fmt : {"JPEG", "PNG"}) {
        QByteArray bytes = encoded(QuadrantPicture(300, 200), fmt);
        bytes.replace(bytes.size() * 2 / 3, 40, QByteArray(40, '\x37'));
        expectFails(write(QStringLiteral("scrambled.%1").arg(fmt), bytes));
    }

    // A FIFO or a device behind a picture name must fail at once: opening a FIFO
    // blocks until a writer comes, and /dev/zero never ends. A load that hangs
    // fails the test after a few seconds instead of hanging it.
    const QString fifo = path(QStringLiteral("pipe.jpg"));
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

// A large JPEG's decode stops soon after its cancel flag is set, long before
// a whole decode would end, and leaves the picture it was given alone.
TEST_F(PictureLoader, CancelStopsADecodePartWay) {
    // Noise, tiled: a photo's worth of detail, which is what makes a decode
    // take its time.
    QImage noise(509, 509, QImage::Format_RGB32);
    quint32 seed = 1;
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, (seed = seed * 1664525 + 1013904223) >> 8);
    QImage large(8000, 6000, QImage::Format_RGB32);
    QPainter(&large).fillRect(large.rect(), QBrush(noise));
    const QString file = path(QStringLiteral("large.jpg"));
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
