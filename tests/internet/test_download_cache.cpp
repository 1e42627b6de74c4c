// The download cache on real files: formats, first-record-wins, forgetting,
// caching off, damaged records, and kill -9 in the middle of stores.
#include "FakePlatform.h"
#include "internet/DownloadCache.h"

#include <QLocale>

namespace {

// The item the writer below stores under key number k.
QByteArray itemFor(int k) {
    QByteArray b(100 + (k * 37) % 3000, '\0');
    for (qsizetype i = 0; i < b.size(); ++i)
        b[i] = char((i * 31 + k) & 0xFF);
    return b;
}

// A cache on the data folder of a test application of its own.
struct CacheTest : ::testing::Test {
    TestApp t;
    DownloadCache cache{*t.app};
};

} // namespace

TEST_F(CacheTest, RecordsPositionsFirstCopyWinsForgettingAndCachingOff) {
    EXPECT_FALSE(cache.CacheLookup("http://a/1.jpg"));
    ASSERT_TRUE(cache.CacheStore("http://a/1.jpg", QByteArray::fromHex("001020")));
    // The data file holds the item inverted but for its last byte.
    EXPECT_EQ(readFile(t.app->paths.CacheFilePath), QByteArray::fromHex("ffef20"));
    ASSERT_TRUE(cache.CacheStore("http://a/2.jpg", "second item"));
    ASSERT_TRUE(cache.CacheStore("http://a/1.jpg", "a later copy"));
    EXPECT_EQ(readInverted(t.app->paths.CacheIndexPath),
              "<http://a/1.jpg>\r\n<pos>0</pos>\r\n<len>3</len>\r\n"
              "</http://a/1.jpg>\r\n"
              "<http://a/2.jpg>\r\n<pos>4</pos>\r\n<len>11</len>\r\n"
              "</http://a/2.jpg>\r\n"
              "<http://a/1.jpg>\r\n<pos>15</pos>\r\n<len>12</len>\r\n"
              "</http://a/1.jpg>\r\n");
    // A fresh cache object (as after a restart) reads the same.
    DownloadCache again(*t.app);
    EXPECT_EQ(again.CacheLookup("http://a/1.jpg"), QByteArray::fromHex("001020"));
    EXPECT_EQ(again.CacheLookup("http://a/2.jpg"), "second item");
    // Too small to store: an item of 1 byte.
    EXPECT_TRUE(cache.CacheStore("one", "x"));
    EXPECT_FALSE(again.CacheLookup("one"));

    // Forgetting a key: a damaged line (a torn record of an old version)
    // stays as it was.
    writeInverted(t.app->paths.CacheIndexPath,
                  readInverted(t.app->paths.CacheIndexPath) + "<pos>7</pos>\r\n");
    // That the forgotten key then misses, for this cache and the next start's,
    // and that an item stored after a damaged tail is found, fuzz_cache_index
    // checks on every kept input (test_fuzz_regressions).
    const QByteArray data = readFile(t.app->paths.CacheFilePath);
    EXPECT_TRUE(cache.CacheForget("http://a/1.jpg"));
    EXPECT_EQ(cache.CacheLookup("http://a/2.jpg"), "second item");
    EXPECT_EQ(readInverted(t.app->paths.CacheIndexPath),
              "<http://a/2.jpg>\r\n<pos>4</pos>\r\n<len>11</len>\r\n"
              "</http://a/2.jpg>\r\n<pos>7</pos>\r\n");
    EXPECT_EQ(readFile(t.app->paths.CacheFilePath), data); // the bytes stay, unused
    // An unknown key changes nothing.
    const QByteArray index = readFile(t.app->paths.CacheIndexPath);
    EXPECT_TRUE(cache.CacheForget("http://a/none.jpg"));
    EXPECT_EQ(readFile(t.app->paths.CacheIndexPath), index);
    // Caching off touches nothing: no forgetting, no lookup, no store.
    t.app->settings.IntEnableCaching = false;
    EXPECT_TRUE(cache.CacheForget("http://a/2.jpg"));
    EXPECT_FALSE(cache.CacheLookup("http://a/2.jpg"));
    EXPECT_TRUE(cache.CacheStore("k2", "more bytes"));
    EXPECT_EQ(readFile(t.app->paths.CacheIndexPath), index);
    EXPECT_EQ(readFile(t.app->paths.CacheFilePath), data);
    t.app->settings.IntEnableCaching = true;
    // A data file cut short: the record points past it, so a miss.
    QFile::resize(t.app->paths.CacheFilePath, 5);
    EXPECT_FALSE(DownloadCache(*t.app).CacheLookup("http://a/2.jpg"));
}

TEST_F(CacheTest, SizeTextAndClearing) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(cache.sizeText(), "Cache file size: 0 bytes");
    ASSERT_TRUE(cache.CacheStore("k", QByteArray(1234, 'x')));
    EXPECT_EQ(cache.sizeText(), "Cache file size: 1,234 bytes");
    QFile::resize(t.app->paths.CacheFilePath, 0);
    EXPECT_EQ(cache.sizeText(), "Cache file size: 0 bytes");
    cache.clear();
    EXPECT_EQ(cache.sizeText(), "Cache file size: 0 bytes");
    EXPECT_FALSE(QFile::exists(t.app->paths.CacheFilePath) ||
                 QFile::exists(t.app->paths.CacheIndexPath));
    EXPECT_FALSE(cache.CacheLookup("k"));
    QLocale::setDefault(saved);
}

// Run by the next test as a separate process: 200 stores into the cache in
// TESSALY_CACHE_DIR, to be killed at a random moment.
TEST(DownloadCacheWriter, StoresUntilKilled) {
    const QString dir = qEnvironmentVariable("TESSALY_CACHE_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "run by KillNineLeavesNothingTorn";
    TestApp t;
    t.app->paths = MakeDataPaths(dir + '/');
    DownloadCache cache(*t.app);
    for (int k = 0; k < 200; ++k)
        cache.CacheStore(QString("http://pictures/%1.jpg").arg(k), itemFor(k));
}

TEST(DownloadCache, KillNineLeavesNothingTorn) {
    TestApp t;
    const QString dir = t.path("killed");
    QDir().mkpath(dir);
    // Killed while it stores: once its first index is there.
    for (int round = 0; round < 6; ++round)
        KillRunWhileItWrites("DownloadCacheWriter.*", "TESSALY_CACHE_DIR", dir,
                             MakeDataPaths(dir + '/').CacheIndexPath, 20, 120);
    t.app->paths = MakeDataPaths(dir + '/');
    const QByteArray index = readInverted(t.app->paths.CacheIndexPath);
    ASSERT_TRUE(index.contains("<pos>"));
    // Every record whole and inside the data file; every lookup right or a miss.
    EXPECT_EQ(index.count("<pos>"), index.count("</pos>\r\n<len>"));
    DownloadCache cache(*t.app);
    int found = 0;
    for (int k = 0; k < 200; ++k) {
        const auto bytes = cache.CacheLookup(QString("http://pictures/%1.jpg").arg(k));
        if (!bytes) continue;
        ++found;
        EXPECT_EQ(*bytes, itemFor(k)) << k;
    }
    EXPECT_GT(found, 0);
    EXPECT_GT(QFileInfo(t.app->paths.CacheFilePath).size(), 0);
}
