#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// One wallpaper that was shown: the local pictures (one per monitor with
// "Different"), or the address of an internet picture, which the download
// cache keeps under that address.
struct HistoryEntry {
    QStringList paths{};
    QString address{};
    bool internet() const { return !address.isEmpty(); }
    bool operator==(const HistoryEntry&) const = default;
};

// The last MaxEntries wallpapers shown, newest first, kept in the data
// folder's History.tsy (one entry per line, written atomically), and how far
// back the user has stepped, as a browser's back and forward do: stepping
// back shows older entries, stepping forward newer ones again, and a new
// wallpaper shown while stepped back drops the entries ahead of it.
class WallpaperHistory {
public:
    static constexpr int MaxEntries = 100;
    // Whether an entry can still be shown (its files exist, its cache item
    // is there); entries that cannot are skipped and left out for good.
    using Available = std::function<bool(const HistoryEntry&)>;

    // Reads `file` (empty: kept in memory only); local entries whose files
    // are gone are left out.
    explicit WallpaperHistory(QString file);

    // A wallpaper shown by anything but the history itself.
    void record(const HistoryEntry& entry);
    // The entry one step back or forward that can still be shown, the
    // position moved to it; nothing when there is none (the position stays).
    std::optional<HistoryEntry> stepBack(const Available& available);
    std::optional<HistoryEntry> stepForward(const Available& available);
    // Stepped back: a next goes forward through the history first.
    bool ahead() const { return m_at > 0; }

    const QList<HistoryEntry>& entries() const { return m_entries; }
    int position() const { return m_at; }
    // Why the file could not be written the last time; empty after a success.
    const QString& lastError() const { return m_error; }

    // The file's text for `entries`; lines for entries that cannot be kept
    // (a tab or line break in a name) are left out.
    static QByteArray serialize(const QList<HistoryEntry>& entries);
    static QList<HistoryEntry> parse(const QByteArray& text);

private:
    void save();

    QString m_file;
    QList<HistoryEntry> m_entries;
    int m_at = 0; // the index of the entry shown now
    QString m_error;
};
