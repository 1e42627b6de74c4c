#include "internet/DownloadCache.h"

#include "context/AppContext.h"
#include "platform/AtomicFile.h"
#include "settings/ByteInversion.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace {

QByteArray readWhole(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The number of a line "<tag>N</tag>", or nothing.
std::optional<qint64> tagNumber(const QByteArray& line, const QByteArray& tag) {
    const QByteArray open = '<' + tag + '>', close = "</" + tag + '>';
    if (!line.startsWith(open) || !line.endsWith(close)) return std::nullopt;
    bool ok = false;
    const qint64 n =
        line.mid(open.size(), line.size() - open.size() - close.size()).trimmed().toLongLong(&ok);
    if (!ok) return std::nullopt;
    return n;
}

// Takes the whole records of `key` out of the index text; every other line
// stays as it was, damaged ones included. Whether any was taken out.
bool withoutRecordsOf(QByteArray& text, const QByteArray& key) {
    const QByteArray head = '<' + key + '>', tail = "</" + key + '>';
    QList<QByteArray> lines;
    for (qsizetype at = 0; at < text.size();) {
        qsizetype eol = text.indexOf("\r\n", at);
        if (eol < 0) eol = text.size();
        lines.append(text.mid(at, eol - at));
        at = eol + 2;
    }
    const bool endsWithLine = text.endsWith("\r\n");
    QByteArray kept;
    bool removed = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i] == head && i + 3 < lines.size() && lines[i + 3] == tail &&
            tagNumber(lines[i + 1], "pos") && tagNumber(lines[i + 2], "len")) {
            removed = true;
            i += 3;
            continue;
        }
        kept += lines[i];
        if (i + 1 < lines.size() || endsWithLine) kept += "\r\n";
    }
    if (removed) text = kept;
    return removed;
}

} // namespace

DownloadCache::DownloadCache(AppContext& app) : m_app(app) {}

bool DownloadCache::enabled() const {
    return m_app.settings.IntEnableCaching;
}

const QByteArray& DownloadCache::index() {
    const QFileInfo info(m_app.paths.CacheIndexPath);
    const qint64 size = info.exists() ? info.size() : -1;
    const QDateTime time = info.exists() ? info.lastModified() : QDateTime();
    if (size != m_indexSize || time != m_indexTime) {
        m_index = readWhole(m_app.paths.CacheIndexPath);
        InvertBytes(m_index); // decoded in memory, never on disk
        m_indexSize = size;
        m_indexTime = time;
        parse();
    }
    return m_index;
}

void DownloadCache::parse() {
    // Records of four lines in order: "<key>", "<pos>P</pos>", "<len>L</len>",
    // "</key>"; the first one of a key wins. Lines that do not make such a
    // record (a damaged one) are passed over one by one: stopping there would
    // hide every record stored after them, and each start would fetch and
    // append those items again.
    m_entries.clear();
    QList<QByteArray> lines;
    for (qsizetype at = 0; at < m_index.size();) {
        const qsizetype eol = m_index.indexOf("\r\n", at);
        if (eol < 0) break; // a last line without its end
        lines.append(m_index.mid(at, eol - at));
        at = eol + 2;
    }
    for (qsizetype i = 0; i + 3 < lines.size(); ++i) {
        const QByteArray& head = lines[i];
        if (head.size() < 2 || !head.startsWith('<') || !head.endsWith('>') ||
            head.startsWith("</"))
            continue;
        const QByteArray key = head.mid(1, head.size() - 2);
        if (lines[i + 3] != "</" + key + '>') continue;
        const std::optional<qint64> pos = tagNumber(lines[i + 1], "pos");
        const std::optional<qint64> len = tagNumber(lines[i + 2], "len");
        if (!pos || !len) continue;
        const QString name = QString::fromUtf8(key);
        if (!m_entries.contains(name)) m_entries.insert(name, {*pos, *len});
        i += 3;
    }
}

std::optional<QByteArray> DownloadCache::CacheLookup(const QString& key) {
    if (!enabled()) return std::nullopt;
    index();
    const auto it = m_entries.constFind(key);
    if (it == m_entries.cend() || it->len <= 0 || it->pos < 0) return std::nullopt;
    const qint64 offset = it->pos > 0 ? it->pos - 1 : 0;
    QFile data(m_app.paths.CacheFilePath);
    // A record pointing outside the data file is a miss. (Compared without
    // adding: a damaged record's position and length may be near the largest
    // number.)
    if (!data.open(QIODevice::ReadOnly) || it->len > data.size() ||
        offset > data.size() - it->len || !data.seek(offset))
        return std::nullopt;
    QByteArray bytes = data.read(it->len);
    if (bytes.size() != it->len) return std::nullopt;
    InvertBytes(bytes);
    return bytes;
}

bool DownloadCache::CacheStore(const QString& key, const QByteArray& bytes) {
    if (!enabled() || bytes.size() < 2) return true;
    QByteArray text = index();
    QFile data(m_app.paths.CacheFilePath);
    const bool existed = data.exists();
    // Unbuffered: a write refused for lack of space leaves no bytes pending
    // in a buffer that closing the file would write after the cut below.
    if (!data.open(QIODevice::Append | QIODevice::Unbuffered)) return false;
    const qint64 pos = existed ? data.size() + 1 : 0;
    // The item's bytes go first: should the index write fail, they are
    // merely unused.
    QByteArray item = bytes;
    InvertBytes(item);
    const qint64 before = data.size();
    if (data.write(item) != item.size() || !data.flush()) {
        data.resize(before); // no half item at the end
        return false;
    }
    data.close();
    const QByteArray k = key.toUtf8();
    // After a damaged last line the new record still starts a line of its own.
    if (!text.isEmpty() && !text.endsWith("\r\n")) text += "\r\n";
    text += '<' + k + ">\r\n<pos>" + QByteArray::number(pos) + "</pos>\r\n<len>" +
            QByteArray::number(bytes.size()) + "</len>\r\n</" + k + ">\r\n";
    if (!writeIndex(text)) return false;
    const QString name = QString::fromUtf8(k);
    if (!m_entries.contains(name)) m_entries.insert(name, {pos, qint64(bytes.size())});
    return true;
}

bool DownloadCache::writeIndex(const QByteArray& text) {
    QByteArray encoded = text;
    InvertBytes(encoded);
    if (!WriteFileAtomically(m_app.paths.CacheIndexPath, encoded)) return false;
    // The index just written is the one kept in memory.
    m_index = text;
    const QFileInfo info(m_app.paths.CacheIndexPath);
    m_indexSize = info.size();
    m_indexTime = info.lastModified();
    return true;
}

bool DownloadCache::CacheLoadToFile(const QString& key, const QString& file) {
    const std::optional<QByteArray> bytes = CacheLookup(key);
    return bytes && WriteFileAtomically(file, *bytes);
}

bool DownloadCache::CacheStoreFile(const QString& key, const QString& file) {
    if (!enabled()) return true;
    const QByteArray bytes = readWhole(file);
    if (bytes.size() < 3) return true;
    return CacheStore(key, bytes);
}

bool DownloadCache::CacheForget(const QString& key) {
    if (!enabled()) return true;
    QByteArray text = index();
    // Again until none is left: lines that close up where a record went may
    // make another record of the key. (The text decides, not the records kept
    // in memory: a store after a damaged last line may have completed one.)
    if (!withoutRecordsOf(text, key.toUtf8())) return true;
    while (withoutRecordsOf(text, key.toUtf8())) {
    }
    if (!writeIndex(text)) return false;
    parse();
    return true;
}

void DownloadCache::clear() {
    QFile::remove(m_app.paths.CacheFilePath);
    QFile::remove(m_app.paths.CacheIndexPath);
    m_indexSize = -1;
    m_index.clear();
    m_entries.clear();
}

QString DownloadCache::sizeText() const {
    const QFileInfo info(m_app.paths.CacheFilePath);
    const qint64 size = info.exists() ? info.size() : 0;
    return QCoreApplication::translate("DownloadCache", "Cache file size: %1 bytes")
        .arg(QLocale().toString(size));
}
