// The font picker as a user drives it: the dialog is found while it is open
// and its controls are used like a user's.
#include "options_window/FontPicker.h"
#include "widgets/FontSetStyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs `onPicker` on the picker once it is open, and closes any message box
// that follows: the picker's caption and the box's text.
struct Picked {
    QString caption, message;
};
Picked pick(FontSet& target, bool font, bool size, bool color,
            const std::function<void(FontPicker&)>& onPicker) {
    Picked seen;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* picker = qobject_cast<FontPicker*>(modal); picker && seen.caption.isNull()) {
            seen.caption = picker->windowTitle();
            onPicker(*picker);
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen.message = box->text();
            box->accept();
        }
    });
    poll.start();
    PickFontAndColor(target, font, size, color);
    return seen;
}

const FontSet kTarget{QStringLiteral("DejaVu Sans"), 10, true, false, false, 0x0000FF};

// Cancel leaves the target as it was after the preview changed; accept writes
// the choices back, a typed size included; a size that is not a number is
// reported after the picker closed, and the rest is still taken.
TEST(FontPicker, CancelAcceptNonNumericSizeDisabledPartsAndThePalette) {
    FontSet cancelled = kTarget, accepted = kTarget, big = kTarget;
    const Picked d = pick(cancelled, true, true, true, [](FontPicker& f) {
        f.chkItalic->click();
        QTest::mouseClick(f.lblcolor[22], Qt::LeftButton); // blue
        EXPECT_TRUE(f.lblpreview->font().italic());
        EXPECT_EQ(f.currentColor(), QColor(0, 0, 255));
        f.cmdcancel->click();
    });
    EXPECT_EQ(d.caption, "Font");
    EXPECT_EQ(cancelled.Italic, false);
    EXPECT_EQ(cancelled.color, 0x0000FF);

    const Picked a = pick(accepted, true, true, true, [](FontPicker& f) {
        f.cmbsize->setFocus();
        f.cmbsize->lineEdit()->selectAll();
        QTest::keyClicks(f.cmbsize, QStringLiteral("9"));
        f.chkUnderline->click();
        QTest::mouseClick(f.lblcolor[33], Qt::LeftButton); // (128, 0, 0)
        f.cmdok->click();
    });
    EXPECT_EQ(accepted.size, 9);
    EXPECT_TRUE(accepted.Underline);
    EXPECT_TRUE(accepted.bold);
    EXPECT_EQ(accepted.name, "DejaVu Sans");
    EXPECT_EQ(accepted.color, 0x000080);
    EXPECT_TRUE(d.message.isEmpty() && a.message.isEmpty());

    const Picked b = pick(big, true, true, true, [](FontPicker& f) {
        f.cmbsize->lineEdit()->selectAll();
        QTest::keyClicks(f.cmbsize, QStringLiteral("big"));
        f.chkItalic->click();
        f.cmdok->click();
    });
    EXPECT_TRUE(b.message.contains("big")) << b.message.toStdString();
    EXPECT_EQ(big.size, 10);
    EXPECT_TRUE(big.Italic);

    // Disabled parts come back unchanged, under their caption.
    struct Case {
        bool font, size, color;
        const char* caption;
    } cases[] = {
        {true, true, false, "Select Font"},
        {false, true, true, "Select Color"},
        {false, false, false, "Select Font"},
        {true, false, true, "Font"},
    };
    for (const Case& c : cases) {
        FontSet target = kTarget;
        const Picked d = pick(target, c.font, c.size, c.color, [&](FontPicker& f) {
            EXPECT_EQ(f.cmbfont->isEnabled(), c.font);
            EXPECT_EQ(f.cmbsize->isEnabled(), c.font && c.size);
            EXPECT_EQ(f.chkbold->isEnabled(), c.font);
            EXPECT_EQ(f.frmcolor->isEnabled(), c.color);
            QTest::mouseClick(f.lblcolor[40], Qt::LeftButton); // black, if allowed
            f.cmdok->click();
        });
        EXPECT_EQ(d.caption, QLatin1String(c.caption));
        EXPECT_EQ(target.color, c.color ? 0 : 0x0000FF) << c.caption;
        EXPECT_EQ(target.size, 10);
        EXPECT_EQ(target.name, "DejaVu Sans");
    }

    // The palette's cells have their colours, overlap and name the current one.
    FontPicker f;
    EXPECT_EQ(FontPicker::paletteColors()[0], QColor(255, 255, 255));
    EXPECT_EQ(FontPicker::paletteColors()[18], QColor(255, 128, 0));
    EXPECT_EQ(FontPicker::paletteColors()[42], QColor(128, 64, 64));
    EXPECT_EQ(FontPicker::paletteColors()[47], QColor(64, 0, 64));
    const QRect one = f.lblcolor[0]->geometry(), two = f.lblcolor[1]->geometry(),
                below = f.lblcolor[8]->geometry();
    EXPECT_GT(one.right(), two.left() - 1);
    EXPECT_EQ(below.top(), two.top() + (two.left() - one.left()));
    EXPECT_EQ(f.cmbsize->count(), 9);
    EXPECT_EQ(f.cmbsize->itemText(8), "24");
    EXPECT_EQ(f.lblpreview->text(), "AaBbCcDd 12345");
    // The current colour's swatch is checked and named; one not in the palette
    // checks none and is named by its value alone.
    f.setCurrentColor(QColor(255, 128, 0));
    EXPECT_TRUE(f.lblcolor[18]->isChecked());
    EXPECT_TRUE(f.lblcurcolor->accessibleDescription().endsWith(" (#FF8000)"));
    f.setCurrentColor(QColor(1, 2, 3));
    EXPECT_EQ(f.lblcurcolor->accessibleDescription(), "#010203");
    for (QAbstractButton* swatch : f.lblcolor)
        EXPECT_FALSE(swatch->isChecked());
}

} // namespace
