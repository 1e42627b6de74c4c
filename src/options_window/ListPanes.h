#pragma once

#include "internet/Categories.h"
#include "options_window/OptionsPage.h"
#include "settings/PictureListFile.h"

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;
class QVBoxLayout;

// The "Files list" pane: the pictures of the files list, and the button that
// clears the desktop wallpaper. Adding, removing and ordering entries is not
// offered by this version: its buttons are shown disabled.
class FilesPane : public QGroupBox {
    Q_OBJECT
public:
    FilesPane(AppContext& app, QWidget* parent = nullptr);
    void load(const PictureListData& list);

    QListWidget* lstfiles;
    QToolButton* cmdclearwall;

private:
    AppContext& m_app;
};

// The "Folders list" pane: the folders of the folders list and how many
// pictures the picture list holds. Its editing buttons are shown disabled.
class FoldersPane : public QGroupBox {
    Q_OBJECT
public:
    FoldersPane(AppContext& app, QWidget* parent = nullptr);
    void load(const PictureListData& list);
    // The count line after the picture list was rebuilt.
    void showRebuiltCount();

    QListWidget* lstfolders;
    QLabel* lblfoldersinfo;

private:
    AppContext& m_app;
};

// The "Internet categories" pane: one check box per catalogue category, the
// catalogue refresh and code, and stepping through the internet pictures.
class InternetCategoriesPane : public QGroupBox {
    Q_OBJECT
public:
    InternetCategoriesPane(AppContext& app, const OptionsWindowParts& parts,
                           QWidget* parent = nullptr);
    // Fills the boxes from the local catalogue and the stored check states.
    void load();
    // Rebuilds the internet file list when the choice or the technique
    // changed, then calls `done`. While a download or another rebuild runs,
    // the rebuild waits for it rather than running inside it.
    void rebuild(std::function<void()> done);

    QList<QCheckBox*> chkcat;
    QLabel* lblint;
    QPushButton* cmdrefreshintcatz;
    QPushButton* cmdcatcode;
    QToolButton* cmdprevintwallpaper;
    QToolButton* cmdnextintwallpaper;

private:
    void fill(CategoryList list);
    void status(const QString& text);
    // Runs `work` once nothing else downloads for the internet source.
    void whenIdle(std::function<void()> work);
    void step(bool previous);
    AppContext& m_app;
    const OptionsWindowParts& m_parts;
    CategoryList m_list;
    QWidget* m_boxes;
    QVBoxLayout* m_boxesLayout;
    bool m_working = false;
};
