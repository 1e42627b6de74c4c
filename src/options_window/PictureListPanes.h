#pragma once

#include "context/Jobs.h"

#include "collection/WallpaperChange.h"
#include "options_window/FilesListModel.h"
#include "options_window/OptionsPage.h"

#include <QGroupBox>
#include <QListView>
#include <QMessageBox>
#include <QUrl>
#include <functional>

class QAction;
class QLabel;
class QMenu;
class QStringListModel;
class QToolButton;

// A list that takes files and folders dragged from a file manager
// (text/uri-list) and hands on their local paths.
class PictureListView : public QListView {
    Q_OBJECT
public:
    explicit PictureListView(QWidget* parent = nullptr);
    // The first selected row that is current, else the first selected row;
    // -1 when nothing is selected.
    int selectedRow() const;
    QList<int> selectedRows() const;
    // Makes `row` the current and only selected row.
    void selectOnly(int row);

signals:
    void pathsDropped(const QStringList& paths);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

// The "Preview" frame: the picture selected in the files list with its longer
// side 1200 twips, proportions kept, centred and dropped 50 twips below the
// middle for the frame's caption.
class PreviewFrame : public QGroupBox {
    Q_OBJECT
public:
    // The frame's own size, in twips.
    static constexpr int kWidthTwips = 1500;
    static constexpr int kHeightTwips = 1600;

    explicit PreviewFrame(QWidget* parent = nullptr);
    // Shows the picture, decoded no larger than the preview needs. False,
    // with the reason in `error` and the frame left empty, when it cannot be
    // loaded.
    bool showPicture(const QString& path, QString* error = nullptr);
    void clearPicture();
    int twipsToPixels(double twips) const;

    QLabel* imgprev;
};

// Where the preview of a picture of `picture` size goes inside a frame of
// `frame` size, both in twips.
QRect PreviewPlacement(QSize picture, QSize frame);

// The "Files list" pane: single pictures, each with its folder, edited by the
// buttons, the right-click menu and drops; the preview of the selected one;
// setting it as the wallpaper and clearing the wallpaper.
class FilesPane : public QGroupBox {
    Q_OBJECT
public:
    FilesPane(AppContext& app, QWidget* parent = nullptr);
    // A folder search still running from a drop stops.
    ~FilesPane() override;
    // Fills the list from the list file, unless it holds edits that an apply
    // could not write yet.
    void load(const PictureListData& list);
    void setPreview(PreviewFrame* frame);
    // The window's position and colour filters as they are now, unsaved.
    std::function<CompositionChoices()> choices;

    void cmdadd_Click();
    void cmdsub_Click();
    void cmdclear_Click();
    void cmdmoveup_Click();
    void cmdmovedown_Click();
    void cmdshuffle_Click();
    void cmdsort_Click();
    void mnufilesremovemissing_Click();
    void mnufilesremovephysically_Click();
    void mnufilesopen_Click();
    void mnufileopenfolder_Click();
    void mnufileproperties_Click();
    void cmdsetaswallpaper_Click();
    // Pictures dropped on the list, and every picture inside dropped folders
    // (searched by a job while the window waits; pathsAdded() follows).
    void addPaths(const QStringList& paths);

    // Set by every edit; the apply writes the list file while it is set.
    bool changed = false;

    FilesListModel* model;
    PictureListView* lstfileslist;
    QToolButton* cmdadd;
    QToolButton* cmdsub;
    QToolButton* cmdclear;
    QToolButton* cmdmoveup;
    QToolButton* cmdmovedown;
    QToolButton* cmdshuffle;
    QToolButton* cmdsort;
    QToolButton* cmdsetaswallpaper;
    QToolButton* cmdclearwall;
    QMenu* mnufiles;
    QAction* mnufilesadd;
    QAction* mnufilesdelete;
    QAction* mnufilesclear;
    QAction* mnufilesup;
    QAction* mnufilesdown;
    QAction* mnufilesshuffle;
    QAction* mnufilessort;
    QAction* mnufilesremovemissing;
    QAction* mnufilesremovephysically;
    QAction* mnufilesopen;
    QAction* mnufileopenfolder;
    QAction* mnufileproperties;

signals:
    // The pictures of a drop are in the list.
    void pathsAdded();

private:
    void showPreview();
    void move(bool up);
    void deleteFromDisk();
    AppContext& m_app;
    CancelFlag m_search;
    PreviewFrame* m_preview = nullptr;
    QString m_previewPath; // the picture the preview shows, or tried to
};

// The "Folders list" pane: folders whose pictures make up the collection, and
// how many pictures the picture list holds.
class FoldersPane : public QGroupBox {
    Q_OBJECT
public:
    FoldersPane(AppContext& app, QWidget* parent = nullptr);
    // Fills the list as FilesPane::load does, and the count line.
    void load(const PictureListData& list);
    // The count line after the picture list was rebuilt.
    void showRebuiltCount();
    QStringList folders() const;

    void cmdaddfolder_Click();
    void cmdremovefolder_Click();
    void cmdclearfolders_Click();
    void mnufolderopen_Click();
    void mnufoldersproperties_Click();
    // Folders dropped on the list; files are ignored.
    void addPaths(const QStringList& paths);

    bool changed = false;

    QStringListModel* model;
    PictureListView* lstfolders;
    QLabel* lblfoldersinfo;
    QToolButton* cmdaddfolder;
    QToolButton* cmdremovefolder;
    QToolButton* cmdclearfolders;
    QMenu* mnufolders;
    QAction* mnufolderadd;
    QAction* mnufoldersremove;
    QAction* mnufoldersclear;
    QAction* mnufolderopen;
    QAction* mnufoldersproperties;

private:
    void showCount(const QString& text);
    AppContext& m_app;
};

// The apply step of the lists: when either pane was edited, both lists are
// written to the list file and the picture list is marked for a rebuild. A
// list file that cannot be written is reported and the panes keep the edits.
void ApplyPictureLists(AppContext& app, FilesPane& files, FoldersPane& folders,
                       ApplyReport& report);

// A message box over `parent` that the caller does not wait for; it deletes
// itself when closed.
QMessageBox* OpenMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                            QMessageBox::StandardButtons buttons, const QString& objectName);
