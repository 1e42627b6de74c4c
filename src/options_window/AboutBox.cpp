#include "options_window/AboutBox.h"

#include "context/AppContext.h"
#include "options_window/OptionsPage.h"
#include "settings/ByteInversion.h"
#include "settings/ProfileText.h"

#include <QCoreApplication>
#include <QFile>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString kHomepage = QStringLiteral("https://orvane.org/tessaly");
const QString kAuthor = QStringLiteral("Orvane");
const QString kAuthorMail = QStringLiteral("mailto:tessaly@orvane.org");

bool IsWebAddress(const QString& text) {
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

} // namespace

QString LicenceText() {
    QFile licence(QStringLiteral(":/tessaly/LICENSE"));
    if (!licence.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(licence.readAll());
}

AboutBox::AboutBox(AppContext& app, QWidget* parent) : QDialog(parent), m_app(app) {
    setObjectName(QStringLiteral("frmabout"));
    setWindowTitle(QCoreApplication::translate("AboutBox", "About"));
    setAccessibleName(QCoreApplication::translate("AboutBox", "About"));
    setAttribute(Qt::WA_DeleteOnClose);

    for (int i = 0; i < int(lblabout.size()); ++i) {
        lblabout[i] = new QLabel(this);
        lblabout[i]->setObjectName(QStringLiteral("lblabout%1").arg(i));
        lblabout[i]->setTextFormat(Qt::PlainText);
    }
    // 1. The version line, two blanks before "Version".
    lblabout[0]->setText(QCoreApplication::translate("AboutBox", "Tessaly  Version ") +
                         QStringLiteral(TESSALY_VERSION));
    QFont big = lblabout[0]->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    lblabout[0]->setFont(big);
    lblabout[1]->setText(QCoreApplication::translate("AboutBox", "Written by:"));
    lblabout[4]->setText(QCoreApplication::translate("AboutBox", "Homepage:"));
    lblabout[5]->setText(QCoreApplication::translate(
        "AboutBox", "Tessaly is free software: you may share and change it "
                    "under the GNU General Public License, version 3 or "
                    "later."));
    lblabout[5]->setWordWrap(true);
    // 2. The links, with the pointing hand as their pointer.
    showLink(2, kHomepage, kHomepage);
    showLink(3, kAuthor, kAuthorMail);

    pictray = Named(new QLabel(this), QStringLiteral("pictray"), QStringLiteral("Tessaly"));
    pictray->setPixmap(
        QIcon(m_app.programFolder + QStringLiteral("/icons/tessaly.png")).pixmap(48, 48));
    auto* licenceLabel =
        new QLabel(QCoreApplication::translate("AboutBox", "License agreement:"), this);
    Text1 = Named(new QPlainTextEdit(this), QStringLiteral("Text1"),
                  QCoreApplication::translate("AboutBox", "License agreement:"));
    Text1->setReadOnly(true);
    Text1->setPlainText(LicenceText());
    Text1->setMinimumSize(520, 220);
    licenceLabel->setBuddy(Text1);
    cmdclose = Named(new QPushButton(QCoreApplication::translate("AboutBox", "Close"), this),
                     QStringLiteral("cmdclose"), QCoreApplication::translate("AboutBox", "Close"));
    cmdclose->setDefault(true);
    connect(cmdclose, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    auto* head = new QGridLayout;
    head->addWidget(pictray, 0, 0, 3, 1, Qt::AlignTop);
    head->addWidget(lblabout[0], 0, 1, 1, 2);
    head->addWidget(lblabout[1], 1, 1);
    head->addWidget(lblabout[3], 1, 2);
    head->addWidget(lblabout[4], 2, 1);
    head->addWidget(lblabout[2], 2, 2);
    head->setColumnStretch(2, 1);
    layout->addLayout(head);
    layout->addWidget(lblabout[5]);
    layout->addWidget(lblabout[6]);
    layout->addWidget(licenceLabel);
    layout->addWidget(Text1, 1);
    layout->addWidget(cmdclose, 0, Qt::AlignRight);

    // 3. The announcement.
    loadAdditionalInfo();
}

void AboutBox::showLink(int index, const QString& caption, const QString& target) {
    QLabel* label = lblabout[index];
    tags[index] = target;
    label->setTextFormat(Qt::RichText);
    label->setText(QStringLiteral("<a href=\"%1\">%2</a>")
                       .arg(target.toHtmlEscaped(), caption.toHtmlEscaped()));
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setCursor(Qt::PointingHandCursor);
    label->setAccessibleName(caption);
    label->disconnect(this);
    connect(label, &QLabel::linkActivated, this,
            [this, index] { m_app.platform.shell->openUrl(tags[index]); });
}

void AboutBox::loadAdditionalInfo() {
    QLabel* announcement = lblabout[6];
    tags[6].clear();
    announcement->hide();
    QFile file(m_app.paths.CataloguePath);
    if (!file.open(QIODevice::ReadOnly)) return;
    // Decoded in memory: the stored catalogue is never rewritten here.
    QByteArray bytes = file.readAll();
    file.close();
    InvertBytes(bytes);
    const ProfileText catalogue = ProfileText::parse(bytes);
    const QString info = QStringLiteral("info");
    const QString text =
        catalogue.value(info, QStringLiteral("text")).value_or(QString()).trimmed();
    if (text.isEmpty()) return;
    const QString url = catalogue.value(info, QStringLiteral("url")).value_or(QString()).trimmed();
    if (IsWebAddress(url)) {
        showLink(6, text, url);
    } else {
        // Plain text in the colour of button captions, with the usual pointer.
        announcement->setTextFormat(Qt::PlainText);
        announcement->setText(text);
        announcement->setAccessibleName(text);
        QPalette pal = announcement->palette();
        pal.setColor(QPalette::WindowText, pal.color(QPalette::ButtonText));
        announcement->setPalette(pal);
        announcement->unsetCursor();
    }
    announcement->show();
}
