#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <optional>

class AppContext;

// Everything downloaded for the internet wallpapers, kept on disk so that a
// second use of the same address is served from there: "IntCacheFile.dat"
// holds the items back to back, each byte-inverted on its own;
// "IntCacheIndexFile.dat" holds, byte-inverted as a whole, four-line records
// "<key>", "<pos>P</pos>", "<len>L</len>", "</key>" (CR LF each), P the
// item's 1-based position, 0 for the first item of a new data file. The
// first record of a key wins. With IntEnableCaching off nothing is read or
// written.
//
// A store appends the item's bytes first and then replaces the index whole
// through a temporary file, so a crash or a full disk leaves at most unused
// bytes behind, never a record that points past the data; a record that does
// point outside the data file is a miss. The index is read once and kept
// while its file is unchanged.
class DownloadCache {
public:
    explicit DownloadCache(AppContext& app);

    // The item stored under `key`, or nothing.
    std::optional<QByteArray> CacheLookup(const QString& key);
    // Stores `bytes` under `key` (items under 2 bytes are not stored). False
    // when caching is on and the item could not be stored.
    bool CacheStore(const QString& key, const QByteArray& bytes);
    // The item under `key` written into `file` (replacing it whole); false on
    // a miss.
    bool CacheLoadToFile(const QString& key, const QString& file);
    // Stores the content of `file` under `key` when it holds 3 bytes or more.
    bool CacheStoreFile(const QString& key, const QString& file);
    // Takes every record of `key` out of the index (its bytes stay in the
    // data file, unused), so that the next lookup misses. False when caching
    // is on and the index could not be written.
    bool CacheForget(const QString& key);

    // Deletes both cache files.
    void clear();
    // One line: "Cache file size: ", the data file's size with the locale's
    // thousands separator, " bytes" ("0 bytes" without a data file).
    QString sizeText() const;

private:
    // Writes the plain index text encoded and keeps it as the one in memory.
    bool writeIndex(const QByteArray& text);
    struct Entry {
        qint64 pos;
        qint64 len;
    };
    bool enabled() const;
    // The decoded index text, read again only when its file changed.
    const QByteArray& index();
    void parse();

    AppContext& m_app;
    QByteArray m_index;
    QHash<QString, Entry> m_entries;
    qint64 m_indexSize = -1;
    QDateTime m_indexTime;
};

// The confirmation before the cache is cleared.
inline QString ClearCacheQuestion() {
    return QCoreApplication::translate("DownloadCache", "Are you sure?");
}
inline QString ClearCacheTitle() {
    return QCoreApplication::translate("DownloadCache", "Clear cache");
}
