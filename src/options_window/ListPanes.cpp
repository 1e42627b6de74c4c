#include "options_window/ListPanes.h"

#include "internet/InternetStepping.h"

#include <QApplication>
#include <QCheckBox>
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
    : QGroupBox(QStringLiteral("Internet categories"), parent), m_app(app), m_parts(parts) {
    auto* layout = new QVBoxLayout(this);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    m_boxes = new QWidget;
    m_boxesLayout = new QVBoxLayout(m_boxes);
    m_boxesLayout->addStretch();
    scroll->setWidget(m_boxes);
    layout->addWidget(scroll);
    lblint = Named(new QLabel(this), QStringLiteral("lblint"), QString());
    lblint->setWordWrap(true);
    layout->addWidget(lblint);
    cmdrefreshintcatz =
        Named(new QPushButton(QStringLiteral("Refresh internet categories"), this),
              QStringLiteral("cmdrefreshintcatz"), QStringLiteral("Refresh internet categories"));
    cmdcatcode = Named(new QPushButton(QStringLiteral("CatCode"), this),
                       QStringLiteral("cmdcatcode"), QStringLiteral("CatCode"));
    cmdprevintwallpaper =
        PictureButton(this, QStringLiteral("cmdprevintwallpaper"),
                      QStringLiteral("Previous Wallpaper."), QStyle::SP_MediaSeekBackward);
    cmdnextintwallpaper =
        PictureButton(this, QStringLiteral("cmdnextintwallpaper"),
                      QStringLiteral("Next Wallpaper."), QStyle::SP_MediaSeekForward);
    auto* row = new QHBoxLayout;
    row->addWidget(cmdrefreshintcatz);
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
        status(QStringLiteral("Updating internet categories, please wait..."));
        waitCursor(true);
        m_working = true;
        // The internet source runs it after any refresh or rebuild under way.
        m_parts.internet->RefreshCategories(this, [this](CategoryList l, DownloadStatus) {
            waitCursor(false);
            m_working = false;
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
        m_boxesLayout->insertWidget(m_boxesLayout->count() - 1, box);
        chkcat << box;
    }
    status(chkcat.isEmpty() ? PleaseRefreshText() : QString());
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
    status(QStringLiteral("Updating, please wait..."));
    m_working = true;
    m_parts.internet->RebuildFiles(m_list, this,
                                   [this, done](RebuildOutcome outcome, CategoryList list) {
                                       if (outcome == RebuildOutcome::Written)
                                           m_list = std::move(list);
                                       m_working = false;
                                       status(chkcat.isEmpty() ? PleaseRefreshText() : QString());
                                       done();
                                   });
}

void InternetCategoriesPane::step(bool previous) {
    if (!m_parts.internet || m_working) return;
    QPointer<InternetCategoriesPane> self(this);
    status(previous ? QStringLiteral("Downloading previous wallpaper, please wait...")
                    : QStringLiteral("Downloading next wallpaper, please wait..."));
    window()->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_parts.internet->InternetNext(previous, [self](ChangeResult) {
        QApplication::restoreOverrideCursor();
        if (!self) return;
        self->window()->setEnabled(true);
        self->status(self->chkcat.isEmpty() ? PleaseRefreshText() : QString());
    });
}
