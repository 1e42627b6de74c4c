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
#include <QTimer>
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
        QPointer<InternetCategoriesPane> self(this);
        window()->setEnabled(false);
        whenIdle([self] {
            if (!self) return;
            self->status(QStringLiteral("Updating internet categories, please wait..."));
            QApplication::setOverrideCursor(Qt::WaitCursor);
            UpdateIntCatz(self->m_app, self->m_parts.internet->client(), [self](CategoryList l) {
                QApplication::restoreOverrideCursor();
                if (!self) return;
                self->m_working = false;
                self->fill(std::move(l));
                self->window()->setEnabled(true);
            });
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

void InternetCategoriesPane::whenIdle(std::function<void()> work) {
    if (m_working || (m_parts.internet && m_parts.internet->busy())) {
        QTimer::singleShot(200, this, [this, work] { whenIdle(work); });
        return;
    }
    m_working = true;
    work();
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
    QPointer<InternetCategoriesPane> self(this);
    whenIdle([self, done] {
        if (!self) return done();
        self->status(QStringLiteral("Updating, please wait..."));
        InternetSource& source = *self->m_parts.internet;
        RebuildIntFiles(
            self->m_app, self->m_list, source.client(), source.cache(), [self, done](bool) {
                if (self) {
                    self->m_working = false;
                    self->status(self->chkcat.isEmpty() ? PleaseRefreshText() : QString());
                }
                done();
            });
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
