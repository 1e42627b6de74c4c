#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Reads lines from bytes held in memory. A line ends with CR LF, LF or CR.
class TextLineReader {
public:
    explicit TextLineReader(QByteArray bytes) : m_bytes(std::move(bytes)) {}
    bool atEnd() const { return m_pos >= m_bytes.size(); }
    // The next line, without its CR LF. A last line that ends without a
    // carriage return is still returned; nothing is returned at the end.
    std::optional<QString> ReadTextLine();

private:
    QByteArray m_bytes;
    qsizetype m_pos = 0;
};

// "WallPapersList.tsy": the files list as pairs of lines (folder, file name),
// a separator line of the single character code 1, then the folders list.
struct PictureListData {
    struct Entry {
        QString folder; // as stored, normally with a trailing separator
        QString name;
    };
    QList<Entry> files;
    QStringList folders;
};

inline const QString& PictureListSeparator() {
    static const QString sep(QChar(1));
    return sep;
}

// Whether the text holds a line feed or a carriage return (legal in a file
// name on Linux): a line of the list file cannot hold it, so such a file or
// folder cannot be listed.
bool HasLineBreak(const QString& text);

// Reads the list file. Files entries are read in pairs until a folder line is
// the separator (so in a files section with an odd number of lines the
// separator is taken as a file name and the folders that follow as further
// entries); the lines after the separator are the folders. Nothing is
// returned when the file cannot be opened.
std::optional<PictureListData> ReadPictureListFile(const QString& path);

// Writes the list file with CR LF line ends through a temporary file and a
// rename, so a failed write leaves the previous list and puts the reason in
// `error`. A folder or name with a line break is refused the same way: it
// would split into wrong entries when read. `withFoldersSection` false leaves out the separator and
// the folders (the first-run list).
bool WritePictureListFile(const QString& path, const PictureListData& data,
                          bool withFoldersSection = true, QString* error = nullptr);
