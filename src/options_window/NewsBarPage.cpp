#include "options_window/NewsBarPage.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

NewsBarPage::NewsBarPage(AppContext& app, QWidget* parent)
    : OptionsPage(app, QStringLiteral("News bar"), 0, parent) {
    auto* layout = new QVBoxLayout(this);
    auto* notice =
        Named(new QLabel(QStringLiteral("The news bar is not available in this version "
                                        "of Tessaly."),
                         this),
              QStringLiteral("lblnbnotice"),
              QStringLiteral("The news bar is not available in this version of Tessaly."));
    notice->setWordWrap(true);
    layout->addWidget(notice);
    auto* tabs = Named(new QTabWidget(this), QStringLiteral("lblnboptions"),
                       QStringLiteral("News bar options"));
    layout->addWidget(tabs);

    auto* options = new QWidget;
    auto* o = new QVBoxLayout(options);
    const auto check = [](QWidget* parent, const char* name, const QString& caption) {
        return Named(new QCheckBox(caption, parent), QString::fromLatin1(name), caption);
    };
    o->addWidget(check(options, "chknbenable", QStringLiteral("Enable news bar")));
    o->addWidget(check(options, "chknbclickable", QStringLiteral("Clickable")));
    auto* update = new QHBoxLayout;
    update->addWidget(new QLabel(QStringLiteral("Update every "), options));
    update->addWidget(Named(new QLineEdit(options), QStringLiteral("txtNBUpdateinterval"),
                            QStringLiteral("Update every ")));
    update->addWidget(Named(new QScrollBar(Qt::Vertical, options), QStringLiteral("VScroll2"),
                            QStringLiteral("Change the update interval")));
    update->addWidget(new QLabel(QStringLiteral("Minutes"), options));
    update->addStretch();
    o->addLayout(update);
    auto* speed = new QHBoxLayout;
    speed->addWidget(new QLabel(QStringLiteral("Speed:"), options));
    speed->addWidget(new QLabel(QStringLiteral("(Fast)"), options));
    speed->addWidget(Named(new QScrollBar(Qt::Horizontal, options), QStringLiteral("hsNBSpeed"),
                           QStringLiteral("Speed:")));
    speed->addWidget(new QLabel(QStringLiteral("(Slow)"), options));
    o->addLayout(speed);
    o->addStretch();

    auto* feeds = new QWidget;
    auto* f = new QVBoxLayout(feeds);
    f->addWidget(Named(new QListWidget(feeds), QStringLiteral("lstnewsfeeds"),
                       QStringLiteral("News feeds")));
    auto* urls = Named(new QListWidget(feeds), QStringLiteral("lstnewsURLs"),
                       QStringLiteral("News feed addresses"));
    urls->hide();
    f->addWidget(urls);
    auto* buttons = new QHBoxLayout;
    const auto button = [](QWidget* parent, const char* name, const QString& caption) {
        return Named(new QPushButton(caption, parent), QString::fromLatin1(name), caption);
    };
    buttons->addWidget(button(feeds, "cmdaddfeed", QStringLiteral("Add an RSS Feed.")));
    buttons->addWidget(button(feeds, "cmdeditfeed", QStringLiteral("Edit selected feed.")));
    buttons->addWidget(button(feeds, "cmddelfeed", QStringLiteral("Remove selected Feeds.")));
    buttons->addWidget(button(feeds, "cmdupdatefeeds", QStringLiteral("Update now!")));
    f->addLayout(buttons);
    f->addWidget(Named(new QLabel(QStringLiteral("Click on an item to view its info"), feeds),
                       QStringLiteral("lblnbinfo"),
                       QStringLiteral("Click on an item to view its info")));
    f->addWidget(Named(new QLabel(QStringLiteral("last update :"), feeds),
                       QStringLiteral("lblnblastupdate"), QStringLiteral("last update :")));

    auto* appearance = new QWidget;
    auto* a = new QVBoxLayout(appearance);
    for (int i = 0; i < 2; ++i) {
        const QString sample = QStringLiteral("sample%1").arg(i + 1);
        a->addWidget(
            Named(new QLabel(sample, appearance), QStringLiteral("lblNBsample%1").arg(i), sample));
        const QString edit = QStringLiteral("Edit font/color %1").arg(i + 1);
        a->addWidget(button(appearance, "lbleditnb", edit));
    }
    a->addStretch();

    tabs->addTab(options, QStringLiteral("Options"));
    tabs->addTab(feeds, QStringLiteral("Feeds"));
    tabs->addTab(appearance, QStringLiteral("Appearance"));
    // Present and readable, not usable: the feeds come in a later version.
    for (QWidget* page : {options, feeds, appearance})
        page->setEnabled(false);
}
