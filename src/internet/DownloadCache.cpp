#include "internet/DownloadCache.h"

#include "context/AppContext.h"
#include "platform/AtomicFile.h"
#include "settings/ByteInversion.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace {

QByteArray readWhole(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The text between "<tag>" and "</tag>" in `text` from `from`, or nothing.
std::optional<QByteArray> tagText(const QByteArray& text, const QByteArray& tag, qsizetype from,
                                  qsizetype* end = nullptr) {
    const QByteArray open = '<' + tag + '>', close = "</" + tag + '>';
    const qsizetype a = text.indexOf(open, from);
    if (a < 0) return std::nullopt;
    const qsizetype b = text.indexOf(close, a + open.size());
    if (b < 0) return std::nullopt;
    if (end) *end = b + close.size();
    return text.mid(a + open.size(), b - a - open.size());
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
    // Records in order, each starting on a line "<key>"; the first one of a
    // key wins. A damaged record (one without its closing line) is passed
    // over line by line: stopping there would hide every record stored after
    // it, and each start would fetch and append those items again.
    m_entries.clear();
    qsizetype at = 0;
    while (at < m_index.size()) {
        const qsizetype eol = m_index.indexOf("\r\n", at);
        if (eol < 0) break; // a last line without its end: nothing whole follows
        const QByteArray line = m_index.mid(at, eol - at);
        at = eol + 2;
        if (line.size() < 2 || !line.startsWith('<') || !line.endsWith('>') ||
            line.startsWith("</"))
            continue;
        const QByteArray key = line.mid(1, line.size() - 2);
        qsizetype end = 0;
        const std::optional<QByteArray> body = tagText(m_index, key, eol - line.size(), &end);
        if (!body) continue;
        at = end;
        bool okPos = false, okLen = false;
        const qint64 pos =
            tagText(*body, "pos", 0).value_or(QByteArray()).trimmed().toLongLong(&okPos);
        const qint64 len =
            tagText(*body, "len", 0).value_or(QByteArray()).trimmed().toLongLong(&okLen);
        const QString name = QString::fromUtf8(key);
        if (okPos && okLen && !m_entries.contains(name)) m_entries.insert(name, {pos, len});
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
    if (!data.open(QIODevice::Append)) return false;
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
    QByteArray encoded = text;
    InvertBytes(encoded);
    if (!WriteFileAtomically(m_app.paths.CacheIndexPath, encoded)) return false;
    // The index just written is the one kept in memory.
    m_index = text;
    const QFileInfo info(m_app.paths.CacheIndexPath);
    m_indexSize = info.size();
    m_indexTime = info.lastModified();
    const QString name = QString::fromUtf8(k);
    if (!m_entries.contains(name)) m_entries.insert(name, {pos, qint64(bytes.size())});
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

void DownloadCache::clear() {
    QFile::remove(m_app.paths.CacheFilePath);
    QFile::remove(m_app.paths.CacheIndexPath);
    m_indexSize = -1;
    m_index.clear();
    m_entries.clear();
}

QString DownloadCache::sizeText() const {
    QString size = QStringLiteral("0");
    const QFileInfo info(m_app.paths.CacheFilePath);
    if (info.exists()) size = info.size() == 0 ? QString() : QLocale().toString(info.size());
    return QStringLiteral("Cache file size:\r\n") + size + QStringLiteral(" bytes");
}
