#include "settings/PictureListFile.h"

#include "platform/AtomicFile.h"
#include "settings/FileNames.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

std::optional<QString> TextLineReader::ReadTextLine() {
    if (atEnd()) return std::nullopt;
    // CR LF as the program writes it, and LF or CR alone as other editors
    // write it, all end a line.
    qsizetype end = m_pos;
    while (end < m_bytes.size() && m_bytes[end] != '\r' && m_bytes[end] != '\n')
        ++end;
    QString line = QString::fromUtf8(m_bytes.constData() + m_pos, end - m_pos);
    m_pos = end;
    if (m_pos < m_bytes.size() && m_bytes[m_pos] == '\r') ++m_pos;
    if (m_pos < m_bytes.size() && m_bytes[m_pos] == '\n') ++m_pos;
    return line;
}

std::optional<PictureListData> ReadPictureListFile(const QString& path) {
    // Only a regular file: a FIFO would block the program, a device never end.
    if (!QFileInfo(path).isFile()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    TextLineReader reader(file.readAll());
    PictureListData data;
    QString folder;
    while (!reader.atEnd() && folder != PictureListSeparator()) {
        folder = reader.ReadTextLine().value_or(QString());
        if (folder == PictureListSeparator()) break;
        const std::optional<QString> name = reader.ReadTextLine();
        if (!name) break; // a folder line without its name line: an incomplete entry
        data.files.append({folder, *name});
    }
    while (!reader.atEnd()) {
        if (const auto line = reader.ReadTextLine()) data.folders.append(*line);
    }
    return data;
}

bool HasLineBreak(const QString& text) {
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

bool WritePictureListFile(const QString& path, const PictureListData& data, bool withFoldersSection,
                          QString* error) {
    const auto refuse = [error](const QString& what) {
        if (error)
            *error = QCoreApplication::translate(
                         "PictureListFile", "%1 holds a line break, which the list cannot keep")
                         .arg(what);
        return false;
    };
    for (const auto& e : data.files)
        if (HasLineBreak(e.folder) || HasLineBreak(e.name)) return refuse(e.folder + e.name);
    if (withFoldersSection)
        for (const QString& f : data.folders)
            if (HasLineBreak(f)) return refuse(f);
    QByteArray out;
    auto line = [&out](const QString& text) { out += text.toUtf8() + "\r\n"; };
    for (const auto& e : data.files) {
        line(AddBackslash(e.folder));
        line(e.name);
    }
    if (withFoldersSection) {
        line(PictureListSeparator());
        for (const QString& f : data.folders)
            line(f);
    }
    return WriteFileAtomically(path, out, error);
}
