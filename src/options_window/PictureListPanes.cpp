#include "options_window/PictureListPanes.h"

#include "collection/PictureCollection.h"
#include "compose/Compose.h"
#include "compose/PictureFormats.h"
#include "settings/FileNames.h"
#include "settings/PictureListFile.h"
#include "widgets/WidgetGeometry.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QStandardPaths>
#include <QStringListModel>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtMath>
#include <algorithm>

namespace {

// A button and its menu item run the same operation.
QAction* MenuItem(QMenu* menu, const QString& name, const QString& caption,
                  QToolButton* button = nullptr) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    if (button) QObject::connect(action, &QAction::triggered, button, &QToolButton::click);
    return action;
}

// What was refused for a line break in its name: one whole sentence per
// case, so that each language can word it in its own grammar.
enum class Refused { Files, Folders, FilesAndFolders };

QString LineBreakHeading(Refused what) {
    switch (what) {
    case Refused::Files:
        return QCoreApplication::translate("PictureListPanes",
                                           "These files were not added: their names hold a line "
                                           "break, which the picture list cannot keep.");
    case Refused::Folders:
        return QCoreApplication::translate("PictureListPanes",
                                           "These folders were not added: their names hold a line "
                                           "break, which the picture list cannot keep.");
    default:
        return QCoreApplication::translate(
            "PictureListPanes", "These files and folders were not added: their names hold a line "
                                "break, which the picture list cannot keep.");
    }
}

// Tells which files or folders were not added because their paths hold a
// line break, which a line of the list file cannot keep; the break is shown
// as its symbol, so the name reads as it is.
void TellLineBreaks(QWidget* window, const QStringList& paths, Refused what) {
    if (paths.isEmpty()) return;
    QStringList shown;
    for (QString path : paths)
        shown << path.replace(QLatin1Char('\n'), QChar(0x240A))
                     .replace(QLatin1Char('\r'), QChar(0x240D));
    OpenMessageBox(window, QMessageBox::Warning,
                   LineBreakHeading(what) + QLatin1Char('\n') + shown.join(QLatin1Char('\n')),
                   QMessageBox::Ok, QStringLiteral("lineBreakNames"));
}

// Where the file dialog starts: the pictures folder, or home without one.
QString StartFolder() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

} // namespace

QMessageBox* OpenMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                            QMessageBox::StandardButtons buttons, const QString& objectName) {
    auto* box = new QMessageBox(icon, QStringLiteral("Tessaly"), text, buttons, parent);
    box->setObjectName(objectName);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return box;
}

PictureListView::PictureListView(QWidget* parent) : QListView(parent) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every row is one line of text: the view need not measure ten thousand
    // of them to lay them out.
    setUniformItemSizes(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setContextMenuPolicy(Qt::CustomContextMenu);
}

QList<int> PictureListView::selectedRows() const {
    QList<int> rows;
    if (!selectionModel()) return rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

int PictureListView::selectedRow() const {
    if (!selectionModel()) return -1;
    const QModelIndex current = currentIndex();
    if (current.isValid() && selectionModel()->isSelected(current)) return current.row();
    const QList<int> rows = selectedRows();
    return rows.isEmpty() ? -1 : rows.first();
}

void PictureListView::selectOnly(int row) {
    selectionModel()->setCurrentIndex(model()->index(row, 0), QItemSelectionModel::ClearAndSelect);
}

void PictureListView::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        event->ignore();
}

void PictureListView::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        event->ignore();
}

void PictureListView::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) paths << url.toLocalFile();
    event->acceptProposedAction();
    if (!paths.isEmpty()) emit pathsDropped(paths);
}

QRect PreviewPlacement(QSize picture, QSize frame) {
    if (picture.isEmpty()) return {};
    constexpr int side = 1200;
    const int w = picture.width() > picture.height()
                      ? side
                      : qRound(double(side) * picture.width() / picture.height());
    const int h = picture.width() > picture.height()
                      ? qRound(double(side) * picture.height() / picture.width())
                      : side;
    return {(frame.width() - w) / 2, (frame.height() - h) / 2 + 50, w, h};
}

PreviewFrame::PreviewFrame(QWidget* parent)
    : QGroupBox(QCoreApplication::translate("PictureListPanes", "Preview"), parent) {
    setObjectName(QStringLiteral("frmprev"));
    setAccessibleName(QCoreApplication::translate("PictureListPanes", "Preview"));
    setFixedSize(twipsToPixels(kWidthTwips), twipsToPixels(kHeightTwips));
    imgprev = Named(new QLabel(this), QStringLiteral("imgprev"),
                    QCoreApplication::translate("PictureListPanes", "Preview picture"));
    imgprev->setScaledContents(true);
    imgprev->hide();
}

int PreviewFrame::twipsToPixels(double twips) const {
    return TwipsToPixels(twips, logicalDpiX() > 0 ? logicalDpiX() : 96);
}

bool PreviewFrame::showPicture(const QString& path, QString* error) {
    imgprev->hide();
    imgprev->clear();
    // Decoded for the preview's size: a large photo comes in at a fraction
    // of its pixels.
    const qreal ratio = devicePixelRatioF();
    const int side = qCeil(twipsToPixels(1200) * ratio);
    SourcePicture picture;
    if (!LoadPictureFor(path, PositionMode::FitReduceEnlarge, QSize(side, side), picture, error))
        return false;
    const QRect place = PreviewPlacement(picture.nativeSize, {kWidthTwips, kHeightTwips});
    const QRect pixels(twipsToPixels(place.x()), twipsToPixels(place.y()),
                       std::max(1, twipsToPixels(place.width())),
                       std::max(1, twipsToPixels(place.height())));
    QImage shown = picture.image.scaled(pixels.size() * ratio, Qt::IgnoreAspectRatio,
                                        Qt::SmoothTransformation);
    shown.setDevicePixelRatio(ratio);
    imgprev->setPixmap(QPixmap::fromImage(shown));
    imgprev->setGeometry(pixels);
    imgprev->show();
    return true;
}

void PreviewFrame::clearPicture() {
    imgprev->hide();
    imgprev->clear();
}

FilesPane::FilesPane(AppContext& app, QWidget* parent)
    : QGroupBox(QCoreApplication::translate("PictureListPanes", "Files list"), parent), m_app(app) {
    auto* layout = new QVBoxLayout(this);
    model = new FilesListModel(this);
    lstfileslist = Named(new PictureListView(this), QStringLiteral("lstfileslist"),
                         QCoreApplication::translate("PictureListPanes", "Files list"));
    lstfileslist->setModel(model);
    lstfileslist->setToolTip(QCoreApplication::translate(
        "PictureListPanes", "Drag files or folders from windows explorer to add files."));
    layout->addWidget(lstfileslist);

    cmdadd = PictureButton(this, QStringLiteral("cmdadd"),
                           QCoreApplication::translate("PictureListPanes", "Browse for pictures"),
                           QStyle::SP_DialogOpenButton);
    cmdsub = PictureButton(this, QStringLiteral("cmdsub"),
                           QCoreApplication::translate("PictureListPanes", "Remove selected"),
                           QStyle::SP_TrashIcon);
    cmdclear = PictureButton(this, QStringLiteral("cmdclear"),
                             QCoreApplication::translate("PictureListPanes", "Clear list"),
                             QStyle::SP_DialogResetButton);
    cmdmoveup = PictureButton(this, QStringLiteral("cmdmoveup"),
                              QCoreApplication::translate("PictureListPanes", "Move selected up."),
                              QStyle::SP_ArrowUp);
    cmdmovedown =
        PictureButton(this, QStringLiteral("cmdmovedown"),
                      QCoreApplication::translate("PictureListPanes", "Move selected down."),
                      QStyle::SP_ArrowDown);
    cmdshuffle = PictureButton(this, QStringLiteral("cmdshuffle"),
                               QCoreApplication::translate("PictureListPanes", "Shuffle."),
                               QStyle::SP_BrowserReload);
    cmdsort = PictureButton(this, QStringLiteral("cmdsort"),
                            QCoreApplication::translate("PictureListPanes", "Sort."),
                            QStyle::SP_FileDialogListView);
    cmdsetaswallpaper = PictureButton(
        this, QStringLiteral("cmdsetaswallpaper"),
        QCoreApplication::translate("PictureListPanes", "Set selected picture as wallpaper"),
        QStyle::SP_DesktopIcon);
    cmdclearwall =
        PictureButton(this, QStringLiteral("cmdclearwall"),
                      QCoreApplication::translate("PictureListPanes", "Clear desktop wallpaper."),
                      QStyle::SP_DialogDiscardButton);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    for (QToolButton* b : {cmdadd, cmdsub, cmdclear, cmdmoveup, cmdmovedown, cmdshuffle, cmdsort})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(cmdsetaswallpaper);
    buttons->addWidget(cmdclearwall);
    layout->addLayout(buttons);

    mnufiles = new QMenu(this);
    mnufiles->setObjectName(QStringLiteral("mnufiles"));
    mnufilesadd = MenuItem(mnufiles, QStringLiteral("mnufilesadd"),
                           QCoreApplication::translate("PictureListPanes", "&Add"), cmdadd);
    mnufilesdelete = MenuItem(mnufiles, QStringLiteral("mnufilesdelete"),
                              QCoreApplication::translate("PictureListPanes", "Dele&te"), cmdsub);
    mnufilesclear =
        MenuItem(mnufiles, QStringLiteral("mnufilesclear"),
                 QCoreApplication::translate("PictureListPanes", "&Clear list"), cmdclear);
    mnufiles->addSeparator();
    mnufilesup = MenuItem(mnufiles, QStringLiteral("mnufilesup"),
                          QCoreApplication::translate("PictureListPanes", "Move &up"), cmdmoveup);
    mnufilesdown =
        MenuItem(mnufiles, QStringLiteral("mnufilesdown"),
                 QCoreApplication::translate("PictureListPanes", "Move &Down"), cmdmovedown);
    mnufilesshuffle =
        MenuItem(mnufiles, QStringLiteral("mnufilesshuffle"),
                 QCoreApplication::translate("PictureListPanes", "Shu&ffle"), cmdshuffle);
    mnufilessort = MenuItem(mnufiles, QStringLiteral("mnufilessort"),
                            QCoreApplication::translate("PictureListPanes", "&Sort"), cmdsort);
    mnufiles->addSeparator();
    mnufilesremovemissing =
        MenuItem(mnufiles, QStringLiteral("mnufilesremovemissing"),
                 QCoreApplication::translate("PictureListPanes", "Remove &missing file(s)"));
    mnufilesremovephysically = MenuItem(
        mnufiles, QStringLiteral("mnufilesremovephysically"),
        QCoreApplication::translate("PictureListPanes", "P&hysically remove selected file(s)"));
    mnufiles->addSeparator();
    mnufilesopen = MenuItem(mnufiles, QStringLiteral("mnufilesopen"),
                            QCoreApplication::translate("PictureListPanes", "&Open"));
    mnufileopenfolder = MenuItem(mnufiles, QStringLiteral("mnufileopenfolder"),
                                 QCoreApplication::translate("PictureListPanes", "Open folde&r"));
    mnufileproperties =
        MenuItem(mnufiles, QStringLiteral("mnufileproperties"),
                 QCoreApplication::translate("PictureListPanes", "File &Properties"));

    connect(cmdadd, &QToolButton::clicked, this, &FilesPane::cmdadd_Click);
    connect(cmdsub, &QToolButton::clicked, this, &FilesPane::cmdsub_Click);
    connect(cmdclear, &QToolButton::clicked, this, &FilesPane::cmdclear_Click);
    connect(cmdmoveup, &QToolButton::clicked, this, &FilesPane::cmdmoveup_Click);
    connect(cmdmovedown, &QToolButton::clicked, this, &FilesPane::cmdmovedown_Click);
    connect(cmdshuffle, &QToolButton::clicked, this, &FilesPane::cmdshuffle_Click);
    connect(cmdsort, &QToolButton::clicked, this, &FilesPane::cmdsort_Click);
    connect(cmdsetaswallpaper, &QToolButton::clicked, this, &FilesPane::cmdsetaswallpaper_Click);
    connect(cmdclearwall, &QToolButton::clicked, this, [this] { ClearWallpaper(m_app); });
    connect(mnufilesremovemissing, &QAction::triggered, this,
            &FilesPane::mnufilesremovemissing_Click);
    connect(mnufilesremovephysically, &QAction::triggered, this,
            &FilesPane::mnufilesremovephysically_Click);
    connect(mnufilesopen, &QAction::triggered, this, &FilesPane::mnufilesopen_Click);
    connect(mnufileopenfolder, &QAction::triggered, this, &FilesPane::mnufileopenfolder_Click);
    connect(mnufileproperties, &QAction::triggered, this, &FilesPane::mnufileproperties_Click);
    connect(lstfileslist, &QListView::customContextMenuRequested, this, [this](const QPoint& at) {
        mnufiles->popup(lstfileslist->viewport()->mapToGlobal(at));
    });
    connect(lstfileslist, &QListView::activated, this, [this](const QModelIndex& index) {
        m_app.platform.shell->openFile(model->fullPath(index.row()));
    });
    // The drop's own handling ends first; the folder walk runs after it.
    connect(lstfileslist, &PictureListView::pathsDropped, this, [this](const QStringList& paths) {
        QTimer::singleShot(0, this, [this, paths] { addPaths(paths); });
    });
    connect(lstfileslist->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &FilesPane::showPreview);
    connect(model, &QAbstractItemModel::modelReset, this, &FilesPane::showPreview);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &FilesPane::showPreview);
}

void FilesPane::setPreview(PreviewFrame* frame) {
    m_preview = frame;
}

void FilesPane::load(const PictureListData& list) {
    if (!changed) model->setEntries(list.files);
}

void FilesPane::showPreview() {
    if (!m_preview) return;
    const QModelIndex current = lstfileslist->currentIndex();
    const QString path = current.isValid() ? model->fullPath(current.row()) : QString();
    if (path == m_previewPath) return;
    m_previewPath = path;
    if (path.isEmpty()) return m_preview->clearPicture();
    QString error;
    if (!m_preview->showPicture(path, &error))
        OpenMessageBox(window(), QMessageBox::Critical, error, QMessageBox::Ok,
                       QStringLiteral("previewError"));
}

void FilesPane::cmdadd_Click() {
    auto* dialog = new QFileDialog(
        window(), QCoreApplication::translate("PictureListPanes", "Open Pictures"), StartFolder());
    dialog->setObjectName(QStringLiteral("dlgopenpictures"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFiles);
    dialog->setNameFilters(PicturesFileDialogFilter().split(QStringLiteral(";;")));
    connect(dialog, &QFileDialog::filesSelected, this, [this](const QStringList& files) {
        QList<FilesListModel::Entry> added;
        QStringList refused;
        for (const QString& f : files) {
            const QFileInfo file(f);
            if (!file.isFile()) continue;
            if (HasLineBreak(file.absoluteFilePath()))
                refused << file.absoluteFilePath();
            else
                added.append({AddBackslash(file.absolutePath()), file.fileName()});
        }
        model->append(added);
        changed = true;
        TellLineBreaks(window(), refused, Refused::Files);
    });
    dialog->open();
}

FilesPane::~FilesPane() {
    if (m_search) m_search->store(true);
}

void FilesPane::addPaths(const QStringList& paths) {
    // Folders are searched by a job while the window waits; closing the
    // window or ending the program stops it.
    window()->setEnabled(false);
    if (m_search) m_search->store(true);
    m_search = NewCancelFlag();
    struct Found {
        QList<FilesListModel::Entry> entries;
        QStringList lineBreaks; // refused: the list file cannot keep them
    };
    RunJob(
        this,
        [paths, cancel = m_search] {
            const auto stop = [&cancel] { return cancel->load(); };
            Found found;
            for (const QString& path : paths) {
                const QFileInfo item(path);
                const bool folder = item.isDir();
                if (!folder && !(item.isFile() && IsPictureFile(item.fileName()))) continue;
                if (HasLineBreak(item.absoluteFilePath())) {
                    found.lineBreaks << item.absoluteFilePath();
                } else if (folder) {
                    for (const ScanEntry& e : DirDiverPictures(path, stop, &found.lineBreaks))
                        found.entries.append({e.folder, e.name});
                } else {
                    found.entries.append({AddBackslash(item.absolutePath()), item.fileName()});
                }
                if (stop()) break;
            }
            return found;
        },
        [this](Found found) {
            window()->setEnabled(true);
            model->append(found.entries);
            changed = true;
            TellLineBreaks(window(), found.lineBreaks, Refused::FilesAndFolders);
            emit pathsAdded();
        });
}

void FilesPane::cmdsub_Click() {
    model->removeEntries(lstfileslist->selectedRows());
    changed = true;
}

void FilesPane::cmdclear_Click() {
    model->setEntries({});
    changed = true;
}

void FilesPane::move(bool up) {
    const int s = lstfileslist->selectedRow();
    const int now = up ? model->moveUp(s) : model->moveDown(s);
    if (now >= 0) lstfileslist->selectOnly(now);
    changed = true;
}

void FilesPane::cmdmoveup_Click() {
    move(true);
}

void FilesPane::cmdmovedown_Click() {
    move(false);
}

void FilesPane::cmdshuffle_Click() {
    model->shuffle(m_app.random);
    changed = true;
}

void FilesPane::cmdsort_Click() {
    if (model->rowCount() < 2) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    model->sortByName();
    QApplication::restoreOverrideCursor();
    changed = true;
}

void FilesPane::mnufilesremovemissing_Click() {
    if (model->removeMissing() > 0) changed = true;
}

void FilesPane::mnufilesremovephysically_Click() {
    const int selected = int(lstfileslist->selectedRows().size());
    if (selected == 0) return;
    QMessageBox* box = OpenMessageBox(
        window(), QMessageBox::Question,
        QCoreApplication::translate("PictureListPanes",
                                    "Are you sure you want to delete %1 file(s) from your hard "
                                    "disk?\nplease note that files will not be move to the "
                                    "recycle bin and will be deleted permanently.")
            .arg(selected),
        QMessageBox::Yes | QMessageBox::No, QStringLiteral("deletequestion"));
    QPointer<QMessageBox> question(box);
    connect(box, &QMessageBox::finished, this, [this, question] {
        if (question && question->standardButton(question->clickedButton()) == QMessageBox::Yes)
            deleteFromDisk();
    });
}

void FilesPane::deleteFromDisk() {
    QList<int> gone;
    QStringList failed;
    for (int row : lstfileslist->selectedRows()) {
        const QString path = model->fullPath(row);
        QFile file(path);
        // Listed twice and deleted already through the first entry, or
        // removed meanwhile: gone all the same.
        if (file.remove() || !QFileInfo::exists(path))
            gone << row;
        else
            failed << path + QStringLiteral(": ") + file.errorString();
    }
    // A file that is still there stays listed, so it is not lost track of.
    model->removeEntries(gone);
    changed = true;
    if (!failed.isEmpty())
        OpenMessageBox(
            window(), QMessageBox::Critical,
            QCoreApplication::translate(
                "PictureListPanes", "These files could not be deleted and stay in the list:\n") +
                failed.join(QLatin1Char('\n')),
            QMessageBox::Ok, QStringLiteral("deleteErrors"));
}

void FilesPane::mnufilesopen_Click() {
    const int row = lstfileslist->selectedRow();
    if (row >= 0) m_app.platform.shell->openFile(model->fullPath(row));
}

void FilesPane::mnufileopenfolder_Click() {
    const int row = lstfileslist->selectedRow();
    if (row >= 0) m_app.platform.shell->showInFolder(model->fullPath(row));
}

void FilesPane::mnufileproperties_Click() {
    const int row = lstfileslist->selectedRow();
    if (row >= 0) m_app.platform.shell->showProperties(model->fullPath(row));
}

void FilesPane::cmdsetaswallpaper_Click() {
    const int row = lstfileslist->selectedRow();
    if (row < 0) return;
    const FilesListModel::Entry entry = model->entries()[row];
    const CompositionChoices chosen =
        choices ? choices() : CompositionChoices::stored(m_app.settings);
    // The change runs as a job; the window stays usable and shows that it
    // works. A window closed meanwhile hears nothing.
    window()->setCursor(Qt::BusyCursor);
    SetSelectedPictureAsWallpaper(
        m_app, entry.folder, entry.name, row, chosen, this,
        [this](SetAsWallpaperResult result, const QString& error) {
            QWidget* win = window();
            win->unsetCursor();
            if (result == SetAsWallpaperResult::LoadFailed ||
                result == SetAsWallpaperResult::ComposeFailed)
                OpenMessageBox(win, QMessageBox::Critical,
                               error.isEmpty()
                                   ? QCoreApplication::translate("PictureListPanes",
                                                                 "The picture could not be made "
                                                                 "the wallpaper.")
                                   : error,
                               QMessageBox::Ok, QStringLiteral("setWallpaperError"));
        });
}

FoldersPane::FoldersPane(AppContext& app, QWidget* parent)
    : QGroupBox(QCoreApplication::translate("PictureListPanes", "Folders list"), parent),
      m_app(app) {
    auto* layout = new QVBoxLayout(this);
    model = new QStringListModel(this);
    lstfolders = Named(new PictureListView(this), QStringLiteral("lstfolders"),
                       QCoreApplication::translate("PictureListPanes", "Folders list"));
    lstfolders->setModel(model);
    layout->addWidget(lstfolders);
    lblfoldersinfo = Named(new QLabel(this), QStringLiteral("lblfoldersinfo"), QString());
    lblfoldersinfo->setWordWrap(true);
    layout->addWidget(lblfoldersinfo);

    cmdaddfolder =
        PictureButton(this, QStringLiteral("cmdaddfolder"),
                      QCoreApplication::translate("PictureListPanes", "Browse for pictures"),
                      QStyle::SP_FileDialogNewFolder);
    cmdremovefolder = PictureButton(
        this, QStringLiteral("cmdremovefolder"),
        QCoreApplication::translate("PictureListPanes", "Remove selected"), QStyle::SP_TrashIcon);
    cmdclearfolders = PictureButton(this, QStringLiteral("cmdclearfolders"),
                                    QCoreApplication::translate("PictureListPanes", "Clear list"),
                                    QStyle::SP_DialogResetButton);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    for (QToolButton* b : {cmdaddfolder, cmdremovefolder, cmdclearfolders})
        buttons->addWidget(b);
    buttons->addStretch();
    layout->addLayout(buttons);

    mnufolders = new QMenu(this);
    mnufolders->setObjectName(QStringLiteral("mnufolders"));
    mnufolderadd =
        MenuItem(mnufolders, QStringLiteral("mnufolderadd"),
                 QCoreApplication::translate("PictureListPanes", "&Add folder"), cmdaddfolder);
    mnufoldersremove =
        MenuItem(mnufolders, QStringLiteral("mnufoldersremove"),
                 QCoreApplication::translate("PictureListPanes", "&Remove selected folder(s)"),
                 cmdremovefolder);
    mnufoldersclear =
        MenuItem(mnufolders, QStringLiteral("mnufoldersclear"),
                 QCoreApplication::translate("PictureListPanes", "&Clear list"), cmdclearfolders);
    mnufolders->addSeparator();
    mnufolderopen = MenuItem(mnufolders, QStringLiteral("mnufolderopen"),
                             QCoreApplication::translate("PictureListPanes", "&Open folder"));
    mnufoldersproperties = MenuItem(mnufolders, QStringLiteral("mnufoldersproperties"),
                                    QCoreApplication::translate("PictureListPanes", "&Properties"));

    connect(cmdaddfolder, &QToolButton::clicked, this, &FoldersPane::cmdaddfolder_Click);
    connect(cmdremovefolder, &QToolButton::clicked, this, &FoldersPane::cmdremovefolder_Click);
    connect(cmdclearfolders, &QToolButton::clicked, this, &FoldersPane::cmdclearfolders_Click);
    connect(mnufolderopen, &QAction::triggered, this, &FoldersPane::mnufolderopen_Click);
    connect(mnufoldersproperties, &QAction::triggered, this,
            &FoldersPane::mnufoldersproperties_Click);
    connect(lstfolders, &QListView::customContextMenuRequested, this, [this](const QPoint& at) {
        mnufolders->popup(lstfolders->viewport()->mapToGlobal(at));
    });
    connect(lstfolders, &PictureListView::pathsDropped, this, &FoldersPane::addPaths);
}

void FoldersPane::load(const PictureListData& list) {
    if (!changed) model->setStringList(list.folders);
    showCount(QString::number(m_app.PictureList.size()) +
              QCoreApplication::translate("PictureListPanes", " Files found and ready to be used"));
}

void FoldersPane::showRebuiltCount() {
    showCount(
        QString::number(m_app.PictureList.size()) +
        QCoreApplication::translate("PictureListPanes", " Pictures found and ready to be used!"));
}

void FoldersPane::showCount(const QString& text) {
    lblfoldersinfo->setText(text);
    lblfoldersinfo->setAccessibleName(text);
}

QStringList FoldersPane::folders() const {
    return model->stringList();
}

void FoldersPane::cmdaddfolder_Click() {
    auto* dialog = new QFileDialog(
        window(), QCoreApplication::translate("PictureListPanes", "Please select a folder"),
        StartFolder());
    dialog->setObjectName(QStringLiteral("dlgaddfolder"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& folder) {
        if (folder.isEmpty()) return;
        if (HasLineBreak(folder)) return TellLineBreaks(window(), {folder}, Refused::Folders);
        const int row = model->rowCount();
        model->insertRows(row, 1);
        model->setData(model->index(row), folder);
    });
    // Marked whatever the answer, as the other edits are.
    connect(dialog, &QDialog::finished, this, [this] { changed = true; });
    dialog->open();
}

void FoldersPane::cmdremovefolder_Click() {
    const QList<int> rows = lstfolders->selectedRows();
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        model->removeRows(*row, 1);
    changed = true;
}

void FoldersPane::cmdclearfolders_Click() {
    model->setStringList({});
    changed = true;
}

void FoldersPane::mnufolderopen_Click() {
    const int row = lstfolders->selectedRow();
    if (row >= 0) m_app.platform.shell->openFile(model->stringList().at(row));
}

void FoldersPane::mnufoldersproperties_Click() {
    const int row = lstfolders->selectedRow();
    if (row >= 0) m_app.platform.shell->showProperties(model->stringList().at(row));
}

void FoldersPane::addPaths(const QStringList& paths) {
    QStringList added;
    QStringList refused;
    for (const QString& path : paths) {
        if (!QFileInfo(path).isDir()) continue;
        if (HasLineBreak(path))
            refused << path;
        else
            added << AddBackslash(path);
    }
    TellLineBreaks(window(), refused, Refused::Folders);
    if (!added.isEmpty()) {
        const int row = model->rowCount();
        model->insertRows(row, int(added.size()));
        for (int i = 0; i < added.size(); ++i)
            model->setData(model->index(row + i), added[i]);
    }
    changed = true;
}

void ApplyPictureLists(AppContext& app, FilesPane& files, FoldersPane& folders,
                       ApplyReport& report) {
    if (!files.changed && !folders.changed) return;
    PictureListData data;
    data.files = files.model->entries();
    data.folders = folders.folders();
    QString why;
    if (!WritePictureListFile(app.paths.WallPapersListPath, data, true, &why)) {
        report.errors << QCoreApplication::translate(
                             "PictureListPanes", "The picture list could not be saved to %1: %2")
                             .arg(app.paths.WallPapersListPath, why);
        return;
    }
    files.changed = false;
    folders.changed = false;
    report.parts |= SettingsPart::PictureLists;
}
