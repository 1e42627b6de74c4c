#include "options_window/ListPanes.h"

#include "internet/InternetStepping.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

InternetCategoriesPane::InternetCategoriesPane(AppContext& app, const OptionsWindowParts& parts,
                                               QWidget* parent)
    : QGroupBox(QCoreApplication::translate("ListPanes", "Internet categories"), parent),
      m_app(app), m_parts(parts) {
    auto* layout = new QVBoxLayout(this);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    m_boxes = new QWidget;
    // Two columns of boxes from the top, as wide as each other.
    auto* boxesColumn = new QVBoxLayout(m_boxes);
    m_boxesLayout = new QGridLayout;
    m_boxesLayout->setColumnStretch(0, 1);
    m_boxesLayout->setColumnStretch(1, 1);
    boxesColumn->addLayout(m_boxesLayout);
    boxesColumn->addStretch();
    scroll->setWidget(m_boxes);
    // The boxes scroll within the width the other panes give the window
    // rather than widen it past small screens with long category names.
    scroll->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    layout->addWidget(scroll);
    lblint = Named(new QLabel(this), QStringLiteral("lblint"), QString());
    lblint->setWordWrap(true);
    layout->addWidget(lblint);
    cmdrefreshintcatz =
        Named(new QPushButton(
                  QCoreApplication::translate("ListPanes", "Refresh internet categories"), this),
              QStringLiteral("cmdrefreshintcatz"),
              QCoreApplication::translate("ListPanes", "Refresh internet categories"));
    cmdcatcode =
        Named(new QPushButton(QCoreApplication::translate("ListPanes", "CatCode"), this),
              QStringLiteral("cmdcatcode"), QCoreApplication::translate("ListPanes", "CatCode"));
    cmdprevintwallpaper =
        PictureButton(this, QStringLiteral("cmdprevintwallpaper"),
                      QCoreApplication::translate("ListPanes", "Previous Wallpaper."),
                      QStyle::SP_MediaSeekBackward);
    cmdnextintwallpaper = PictureButton(this, QStringLiteral("cmdnextintwallpaper"),
                                        QCoreApplication::translate("ListPanes", "Next Wallpaper."),
                                        QStyle::SP_MediaSeekForward);
    // Two rows, so that the pane is no wider than the files list beside it.
    layout->addWidget(cmdrefreshintcatz);
    auto* row = new QHBoxLayout;
    row->addWidget(cmdcatcode);
    row->addStretch();
    row->addWidget(cmdprevintwallpaper);
    row->addWidget(cmdnextintwallpaper);
    layout->addLayout(row);

    const bool online = m_parts.internet != nullptr;
    for (QWidget* w :
         {static_cast<QWidget*>(cmdrefreshintcatz), static_cast<QWidget*>(cmdprevintwallpaper),
          static_cast<QWidget*>(cmdnextintwallpaper)})
        w->setEnabled(online);

    connect(cmdrefreshintcatz, &QPushButton::clicked, this, [this] {
        window()->setEnabled(false);
        status(QCoreApplication::translate("ListPanes",
                                           "Updating internet categories, please wait..."));
        waitCursor(true);
        m_working = true;
        const QString address = CatalogueAddress(m_app.settings.internet());
        // The internet source runs it after any refresh or rebuild under way.
        m_parts.internet->RefreshCategories(
            this, [this, address](CategoryList l, DownloadStatus status) {
                waitCursor(false);
                m_working = false;
                // Why it failed stays in the status line until a refresh succeeds,
                // whether or not the download error was also asked about.
                m_refreshError = status == DownloadStatus::Failed
                                     ? RefreshFailedText(address, l.refreshError)
                                     : QString();
                fill(std::move(l));
                window()->setEnabled(true);
            });
    });
    connect(cmdcatcode, &QPushButton::clicked, this, [this] {
        bool ok = false;
        const QString code = QInputDialog::getText(this, CatCodeTitle(), CatCodePrompt(),
                                                   QLineEdit::Normal, QString(), &ok);
        // The code takes effect at the next refresh.
        if (ok) m_app.settings.IntCatCode = code.trimmed();
    });
    connect(cmdprevintwallpaper, &QToolButton::clicked, this, [this] { step(true); });
    connect(cmdnextintwallpaper, &QToolButton::clicked, this, [this] { step(false); });
}

QString InternetCategoriesPane::idleStatus() const {
    if (!m_refreshError.isEmpty()) return m_refreshError;
    return chkcat.isEmpty() ? PleaseRefreshText() : QString();
}

void InternetCategoriesPane::status(const QString& text) {
    lblint->setText(text);
    lblint->setAccessibleName(text);
    lblint->setVisible(!text.isEmpty());
}

InternetCategoriesPane::~InternetCategoriesPane() {
    // A refresh still under way no longer reaches this pane.
    waitCursor(false);
}

void InternetCategoriesPane::waitCursor(bool on) {
    if (on == m_waitCursor) return;
    m_waitCursor = on;
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void InternetCategoriesPane::fill(CategoryList list) {
    qDeleteAll(chkcat);
    chkcat.clear();
    m_list = std::move(list);
    for (const Category& c : m_list.categories) {
        auto* box =
            Named(new QCheckBox(c.name, m_boxes), QStringLiteral("chkcat%1").arg(c.number), c.name);
        box->setChecked(c.checked);
        // Box n's place in two columns, odd numbers on the left: with boxes
        // one cell wide and high, the place less the first box's is its cell.
        const int n = int(chkcat.size()) + 1;
        const QPoint cell = CategoryBoxPlace(n, 1, 1) - CategoryBoxPlace(1, 1, 1);
        m_boxesLayout->addWidget(box, cell.y(), cell.x());
        chkcat << box;
    }
    status(idleStatus());
}

void InternetCategoriesPane::load() {
    CategoryList list = LoadIntCatz(m_app);
    list.techniqueAtRebuild = m_app.settings.TechniqueTimer;
    fill(std::move(list));
}

void InternetCategoriesPane::rebuild(std::function<void()> done) {
    if (!m_parts.internet) return done();
    for (qsizetype i = 0; i < chkcat.size() && i < m_list.categories.size(); ++i)
        m_list.categories[i].checked = chkcat[i]->isChecked();
    status(QCoreApplication::translate("ListPanes", "Updating, please wait..."));
    m_working = true;
    m_parts.internet->RebuildFiles(m_list, this,
                                   [this, done](RebuildOutcome outcome, CategoryList list) {
                                       if (outcome == RebuildOutcome::Written)
                                           m_list = std::move(list);
                                       m_working = false;
                                       status(idleStatus());
                                       done();
                                   });
}

void InternetCategoriesPane::step(bool previous) {
    if (!m_parts.internet || m_working) return;
    QPointer<InternetCategoriesPane> self(this);
    status(previous ? QCoreApplication::translate("ListPanes",
                                                  "Downloading previous wallpaper, please wait...")
                    : QCoreApplication::translate("ListPanes",
                                                  "Downloading next wallpaper, please wait..."));
    window()->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_parts.internet->InternetNext(previous, [self](ChangeResult) {
        QApplication::restoreOverrideCursor();
        if (!self) return;
        self->window()->setEnabled(true);
        self->status(self->idleStatus());
    });
}
