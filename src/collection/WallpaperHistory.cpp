#include "collection/WallpaperHistory.h"

#include "platform/AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <utility>

namespace {

const QLatin1Char kTab('\t');

bool keepable(const QString& text) {
    return !text.isEmpty() && !text.contains(kTab) && !text.contains(QLatin1Char('\n')) &&
           !text.contains(QLatin1Char('\r'));
}

bool filesExist(const HistoryEntry& e) {
    if (e.internet()) return true;
    for (const QString& path : e.paths)
        if (!QFileInfo::exists(path)) return false;
    return !e.paths.isEmpty();
}

} // namespace

WallpaperHistory::WallpaperHistory(QString file) : m_file(std::move(file)) {
    if (m_file.isEmpty()) return;
    QFile f(m_file);
    if (!f.open(QIODevice::ReadOnly)) return;
    m_entries = parse(f.readAll());
    m_entries.removeIf([](const HistoryEntry& e) { return !filesExist(e); });
}

QByteArray WallpaperHistory::serialize(const QList<HistoryEntry>& entries) {
    QByteArray out;
    for (const HistoryEntry& e : entries) {
        // "I<tab>address" or "F<tab>path<tab>path…", one line each.
        QStringList fields{e.internet() ? QStringLiteral("I") : QStringLiteral("F")};
        if (e.internet())
            fields << e.address;
        else
            fields << e.paths;
        bool ok = fields.size() > 1;
        for (qsizetype i = 1; i < fields.size(); ++i)
            ok = ok && keepable(fields[i]);
        if (ok) out += fields.join(kTab).toUtf8() + '\n';
    }
    return out;
}

QList<HistoryEntry> WallpaperHistory::parse(const QByteArray& text) {
    QList<HistoryEntry> entries;
    for (const QByteArray& line : text.split('\n')) {
        QStringList fields = QString::fromUtf8(line).remove(QLatin1Char('\r')).split(kTab);
        if (fields.size() < 2) continue;
        const QString kind = fields.takeFirst();
        if (fields.contains(QString())) continue;
        HistoryEntry e;
        if (kind == QLatin1String("I") && fields.size() == 1)
            e.address = fields.first();
        else if (kind == QLatin1String("F"))
            e.paths = fields;
        else
            continue;
        entries.append(std::move(e));
        if (entries.size() == MaxEntries) break;
    }
    return entries;
}

void WallpaperHistory::record(const HistoryEntry& entry) {
    // Shown while stepped back: what lay ahead is dropped, as a browser
    // drops its forward pages.
    m_entries.remove(0, m_at);
    m_at = 0;
    if (m_entries.isEmpty() || m_entries.first() != entry) m_entries.prepend(entry);
    if (m_entries.size() > MaxEntries) m_entries.resize(MaxEntries);
    save();
}

std::optional<HistoryEntry> WallpaperHistory::stepBack(const Available& available) {
    bool dropped = false;
    std::optional<HistoryEntry> found;
    while (m_at + 1 < m_entries.size()) {
        if (filesExist(m_entries[m_at + 1]) && (!available || available(m_entries[m_at + 1]))) {
            found = m_entries[++m_at];
            break;
        }
        m_entries.removeAt(m_at + 1);
        dropped = true;
    }
    if (dropped) save();
    return found;
}

std::optional<HistoryEntry> WallpaperHistory::stepForward(const Available& available) {
    bool dropped = false;
    std::optional<HistoryEntry> found;
    while (m_at > 0) {
        --m_at;
        if (filesExist(m_entries[m_at]) && (!available || available(m_entries[m_at]))) {
            found = m_entries[m_at];
            break;
        }
        m_entries.removeAt(m_at);
        dropped = true;
    }
    if (dropped) save();
    return found;
}

void WallpaperHistory::save() {
    if (m_file.isEmpty()) return;
    m_error.clear();
    WriteFileAtomically(m_file, serialize(m_entries), &m_error);
}
