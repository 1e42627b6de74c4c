#include "options_window/FilesListModel.h"

#include "settings/FileNames.h"

#include <QFileInfo>
#include <algorithm>

int FilesListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant FilesListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_entries.size()) return {};
    if (role == Qt::DisplayRole) return m_entries[index.row()].name;
    return {};
}

Qt::ItemFlags FilesListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

QString FilesListModel::fullPath(int row) const {
    if (row < 0 || row >= m_entries.size()) return {};
    return AddBackslash(m_entries[row].folder) + m_entries[row].name;
}

void FilesListModel::setEntries(QList<Entry> entries) {
    beginResetModel();
    m_entries = std::move(entries);
    endResetModel();
}

void FilesListModel::append(const QList<Entry>& entries) {
    if (entries.isEmpty()) return;
    const int first = int(m_entries.size());
    beginInsertRows({}, first, first + int(entries.size()) - 1);
    m_entries.append(entries);
    endInsertRows();
}

void FilesListModel::removeEntries(QList<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.removeIf([this](int r) { return r < 0 || r >= m_entries.size(); });
    if (rows.isEmpty()) return;
    if (rows.back() - rows.front() + 1 == rows.size()) {
        beginRemoveRows({}, rows.front(), rows.back());
        m_entries.remove(rows.front(), rows.size());
        endRemoveRows();
        return;
    }
    // Scattered rows: one pass over the list, not one shift of the rest per
    // row, so removing thousands of entries stays quick.
    beginResetModel();
    QList<Entry> kept;
    kept.reserve(m_entries.size() - rows.size());
    qsizetype next = 0;
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (next < rows.size() && rows[next] == i)
            ++next;
        else
            kept.append(std::move(m_entries[i]));
    }
    m_entries = std::move(kept);
    endResetModel();
}

int FilesListModel::moveUp(int s) {
    if (s <= 0 || s >= m_entries.size()) return -1;
    beginMoveRows({}, s, s, {}, s - 1);
    m_entries.move(s, s - 1);
    endMoveRows();
    return s - 1;
}

int FilesListModel::moveDown(int s) {
    if (s < 0 || s >= m_entries.size() - 1) return -1;
    beginMoveRows({}, s, s, {}, s + 2);
    m_entries.move(s, s + 1);
    endMoveRows();
    return s + 1;
}

void FilesListModel::shuffle(std::mt19937& random) {
    if (m_entries.size() < 2) return;
    beginResetModel();
    std::shuffle(m_entries.begin(), m_entries.end(), random);
    endResetModel();
}

void FilesListModel::sortByName() {
    if (m_entries.size() < 2) return;
    beginResetModel();
    QuickSortPairs(m_entries, 0, m_entries.size() - 1);
    endResetModel();
}

int FilesListModel::removeMissing() {
    QList<int> missing;
    for (int i = 0; i < m_entries.size(); ++i) {
        const QFileInfo file(fullPath(i));
        if (!file.isFile() || file.isHidden()) missing.append(i);
    }
    removeEntries(missing);
    return int(missing.size());
}

void QuickSortPairs(QList<PictureListData::Entry>& pairs, qsizetype lo, qsizetype hi) {
    while (lo < hi) {
        // The middle index; a half goes to the even neighbour.
        const qsizetype sum = lo + hi;
        qsizetype mid = sum / 2;
        if (sum % 2 != 0 && mid % 2 != 0) ++mid;
        const QString pivot = pairs[mid].name;
        qsizetype i = lo, j = hi;
        do {
            while (pairs[i].name < pivot)
                ++i;
            while (pairs[j].name > pivot)
                --j;
            if (i <= j) {
                std::swap(pairs[i], pairs[j]);
                ++i;
                --j;
            }
        } while (i <= j);
        // The smaller part by recursion, the larger one by this loop, so an
        // unlucky order cannot run the stack out; the parts do not overlap,
        // so the order they are sorted in changes nothing.
        if (j - lo < hi - i) {
            if (lo < j) QuickSortPairs(pairs, lo, j);
            lo = i;
        } else {
            if (i < hi) QuickSortPairs(pairs, i, hi);
            hi = j;
        }
    }
}
