#include "options_window/HotKeysPage.h"

#include "context/AppContext.h"
#include "hotkeys/HotKeys.h"
#include "options_window/KeyCapture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

// The status pictures: a green tick (registered) and a red cross (refused).
QPixmap StatusPicture(bool failed) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(failed ? QColor(200, 0, 0) : QColor(0, 150, 0), 3));
    if (failed) {
        p.drawLine(3, 3, 13, 13);
        p.drawLine(13, 3, 3, 13);
    } else {
        p.drawLine(2, 9, 6, 13);
        p.drawLine(6, 13, 14, 3);
    }
    return pm;
}

} // namespace

HotKeysPage::HotKeysPage(AppContext& app, QWidget* parent)
    : OptionsPage(app, QCoreApplication::translate("HotKeysPage", "Hot Keys"), 26, parent) {
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    for (int i = 0; i < Rows; ++i) {
        const QString caption = HotKeyCaption(i);
        chkhk[i] = Named(new QCheckBox(caption, this), QStringLiteral("chkhk%1").arg(i), caption);
        cmbhotkey[i] = Named(new QComboBox(this), QStringLiteral("cmbhotkey%1").arg(i),
                             caption + QCoreApplication::translate("HotKeysPage", " modifiers"));
        cmbhotkey[i]->addItems(HotKeyModifierTexts());
        lblhk[i] = Named(new QLabel(QStringLiteral("+"), this), QStringLiteral("lblhk%1").arg(i),
                         QStringLiteral("+"));
        txthotkey[i] = Named(new QLineEdit(this), QStringLiteral("txthotkey%1").arg(i),
                             caption + QCoreApplication::translate("HotKeysPage", " key"));
        // The box takes no typing, only the key pressed in it.
        txthotkey[i]->setReadOnly(true);
        txthotkey[i]->setMaximumWidth(90);
        txthotkey[i]->installEventFilter(this);
        imghotkey[i] = Named(new QLabel(this), QStringLiteral("imghotkey%1").arg(i), QString());
        // The same room whether it shows a status or none.
        imghotkey[i]->setFixedSize(16, 16);
        QSizePolicy keepRoom = imghotkey[i]->sizePolicy();
        keepRoom.setRetainSizeWhenHidden(true);
        imghotkey[i]->setSizePolicy(keepRoom);
        grid->addWidget(chkhk[i], i, 0);
        grid->addWidget(cmbhotkey[i], i, 1);
        grid->addWidget(lblhk[i], i, 2);
        grid->addWidget(txthotkey[i], i, 3);
        grid->addWidget(imghotkey[i], i, 4);
        lblhkstatus[i] = Named(new QLabel(this), QStringLiteral("lblhkstatus%1").arg(i),
                               caption + QCoreApplication::translate("HotKeysPage", " status"));
        lblhkstatus[i]->setWordWrap(true);
        lblhkstatus[i]->setTextInteractionFlags(Qt::TextSelectableByKeyboard |
                                                Qt::TextSelectableByMouse);
        grid->addWidget(lblhkstatus[i], i, 5);
    }
    grid->setColumnStretch(5, 1);
    layout->addLayout(grid);
    layout->addStretch();
    // A desktop that answers later (KGlobalAccel, the portal, sway) changes
    // the rows' status while the page is open.
    if (GlobalHotKeys* service = m_app.platform.hotkeys.get())
        connect(
            service, &GlobalHotKeys::statusChanged, this, [this] { showStatus(); },
            Qt::QueuedConnection);
}

bool HotKeysPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return OptionsPage::eventFilter(watched, event);
    for (int i = 0; i < Rows; ++i) {
        if (watched != txthotkey[i]) continue;
        const auto* key = static_cast<QKeyEvent*>(event);
        // Tab and Shift+Tab still move the focus, so the page stays usable
        // from the keyboard.
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) return false;
        if (const auto captured = CaptureHotKey(*key)) {
            m_tag[i] = captured->tag;
            txthotkey[i]->setText(captured->text);
        }
        return true;
    }
    return OptionsPage::eventFilter(watched, event);
}

void HotKeysPage::showStatus() {
    for (int i = 0; i < Rows; ++i) {
        const HotKey& k = m_app.HotKeys[i];
        // A row that is not enabled was not registered and did not fail:
        // it shows no status at all.
        QString status;
        if (k.Enabled && k.Registered)
            status = QStringLiteral("registered");
        else if (k.Enabled && k.Failed)
            status = QStringLiteral("failed");
        QString words;
        if (GlobalHotKeys* service = m_app.platform.hotkeys.get(); service && k.Enabled)
            words = HotKeyStatusText(service->status(i));
        // A service without words of its own (or none at all) still says
        // what the flags say.
        if (words.isEmpty() && !status.isEmpty())
            words = k.Failed ? QCoreApplication::translate("HotKeys", "refused")
                             : QCoreApplication::translate("HotKeys", "in force");
        lblhkstatus[i]->setText(words);
        lblhkstatus[i]->setAccessibleDescription(words);
        lblhkstatus[i]->setVisible(!words.isEmpty());
        // Hidden, it shows no picture, has no tooltip and says nothing to
        // a screen reader.
        imghotkey[i]->setVisible(!status.isEmpty());
        imghotkey[i]->setPixmap(status.isEmpty() ? QPixmap() : StatusPicture(k.Failed));
        imghotkey[i]->setAccessibleName(status);
        imghotkey[i]->setToolTip(status);
    }
}

void HotKeysPage::load() {
    for (int i = 0; i < Rows; ++i) {
        const HotKey& k = m_app.HotKeys[i];
        chkhk[i]->setChecked(k.Enabled);
        cmbhotkey[i]->setCurrentIndex(k.Modifiers >= 0 && k.Modifiers <= 6 ? k.Modifiers : 2);
        m_tag[i].clear();
        txthotkey[i]->clear();
        if (const auto captured = CaptureVirtualKey(k.Key)) {
            m_tag[i] = captured->tag;
            txthotkey[i]->setText(captured->text);
        }
    }
    showStatus();
}

void HotKeysPage::apply(ApplyReport& report) {
    // The bindings are released and registered again through the
    // announcement, whatever changed.
    for (int i = 0; i < Rows; ++i) {
        HotKey& k = m_app.HotKeys[i];
        k.Enabled = chkhk[i]->isChecked();
        k.Modifiers = qint16(cmbhotkey[i]->currentIndex());
        if (!m_tag[i].isEmpty()) k.Key = qint16(m_tag[i].toInt());
    }
    report.parts |= SettingsPart::HotKeys;
}
