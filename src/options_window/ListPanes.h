#pragma once

#include "internet/Categories.h"
#include "options_window/OptionsPage.h"
#include "options_window/PictureListPanes.h"

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QToolButton;

// The "Internet categories" pane: one check box per catalogue category in two
// columns, the catalogue refresh and code, and stepping through the internet
// pictures. Its status line says what runs and, after a refresh that failed,
// why it failed.
class InternetCategoriesPane : public QGroupBox {
    Q_OBJECT
public:
    InternetCategoriesPane(AppContext& app, const OptionsWindowParts& parts,
                           QWidget* parent = nullptr);
    ~InternetCategoriesPane() override;
    // Fills the boxes from the local catalogue and the stored check states.
    void load();
    // Rebuilds the internet file list when the choice or the technique
    // changed, then calls `done`. The internet source runs it after any
    // refresh or rebuild under way.
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
    // What the status line says while nothing runs.
    QString idleStatus() const;
    // Shows (true) or takes back (false) the wait cursor of a refresh.
    void waitCursor(bool on);
    void step(bool previous);
    AppContext& m_app;
    const OptionsWindowParts& m_parts;
    CategoryList m_list;
    QWidget* m_boxes;
    QGridLayout* m_boxesLayout;
    // Why the last refresh failed; empty after one that succeeded.
    QString m_refreshError;
    bool m_working = false;
    bool m_waitCursor = false;
};
