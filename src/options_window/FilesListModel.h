#pragma once

#include "settings/PictureListFile.h"

#include <QAbstractListModel>
#include <QList>
#include <random>

// The files list of the settings window: one row per picture showing its file
// name, each row keeping the folder the file is in, so that every edit moves a
// name and its folder together. The same file may be listed more than once.
class FilesListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using Entry = PictureListData::Entry;
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    const QList<Entry>& entries() const { return m_entries; }
    // The folder with one trailing separator, then the file name.
    QString fullPath(int row) const;

    void setEntries(QList<Entry> entries);
    void append(const QList<Entry>& entries);
    // Removes the given rows (in any order, repeats allowed).
    void removeEntries(QList<int> rows);
    // Moves entry `s` one place up or down. The row now holding it, or -1 when
    // it cannot move (the first entry up, the last down, no entry at `s`).
    int moveUp(int s);
    int moveDown(int s);
    // Puts the entries in a uniformly random order.
    void shuffle(std::mt19937& random);
    // Orders the entries by file name, compared by character codes (capitals
    // before small letters); the folders play no part.
    void sortByName();
    // Removes the entries whose file is not there as a visible regular file (a
    // missing file, a folder, a hidden file); how many went.
    int removeMissing();

private:
    QList<Entry> m_entries;
};

// The quick sort of the files list over [lo, hi] by name, each name carrying
// its folder along: the middle entry as pivot, equal names in no promised
// order.
void QuickSortPairs(QList<PictureListData::Entry>& pairs, qsizetype lo, qsizetype hi);
