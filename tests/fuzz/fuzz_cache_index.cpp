// The download cache's two files, damaged in any way: lookups must never read
// outside the data file or fail, an item stored afterwards must be found
// again, by this cache and by the next start's, and a key forgotten must not.
#include "FuzzTarget.h"
#include "internet/DownloadCache.h"
#include "settings/ByteInversion.h"

#include <QRegularExpression>

TESSALY_FUZZ_TARGET(cache_index) {
    // The first byte says where the index text ends and the data file begins.
    if (size < 1) return 0;
    const QByteArray rest = FuzzBytes(data + 1, size - 1);
    const qsizetype split = rest.size() * data[0] / 255;
    const QByteArray indexText = rest.left(split);
    QByteArray encoded = indexText;
    InvertBytes(encoded);
    AppContext& a = FuzzApp();
    a.settings.IntEnableCaching = true;
    FuzzFile(QStringLiteral("IntCacheIndexFile.dat"), encoded);
    FuzzFile(QStringLiteral("IntCacheFile.dat"), rest.mid(split));

    DownloadCache cache(a);
    static const QRegularExpression keyLine(QStringLiteral("<([^>\\r\\n]*)>\\r\\n"));
    QStringList keys;
    for (auto it = keyLine.globalMatch(QString::fromUtf8(indexText));
         it.hasNext() && keys.size() < 64;)
        cache.CacheLookup(keys.emplace_back(it.next().captured(1)));

    const QString key = QStringLiteral("http://127.0.0.1/fuzz/new.jpg");
    const QByteArray item("a new item");
    const bool wasThere = cache.CacheLookup(key).has_value();
    if (!cache.CacheStore(key, item)) abort();
    if (!wasThere) {
        if (cache.CacheLookup(key) != item) abort();
        DownloadCache nextStart(a);
        if (nextStart.CacheLookup(key) != item) abort();
    }
    // A key of the index forgotten: a miss from then on, for this cache and
    // the next start's.
    if (!keys.isEmpty() && keys[0] != key) {
        if (!cache.CacheForget(keys[0])) abort();
        if (cache.CacheLookup(keys[0]) || DownloadCache(a).CacheLookup(keys[0])) abort();
    }
    ClearFuzzFolder();
    return 0;
}
