#include "settings/PictureListFile.h"

#include "settings/AtomicFile.h"
#include "settings/FileNames.h"

#include <QFile>

std::optional<QString> TextLineReader::ReadTextLine() {
    if (atEnd()) return std::nullopt;
    const qsizetype cr = m_bytes.indexOf('\r', m_pos);
    const qsizetype end = cr < 0 ? m_bytes.size() : cr;
    QString line = QString::fromUtf8(m_bytes.constData() + m_pos, end - m_pos);
    m_pos = cr < 0 ? m_bytes.size() : qMin(cr + 2, m_bytes.size());
    return line;
}

std::optional<PictureListData> ReadPictureListFile(const QString& path) {
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

bool WritePictureListFile(const QString& path, const PictureListData& data,
                          bool withFoldersSection) {
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
    return WriteFileAtomically(path, out);
}
