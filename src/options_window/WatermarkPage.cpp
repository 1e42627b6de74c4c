#include "options_window/WatermarkPage.h"

#include "options_window/FontPicker.h"
#include "widgets/FontSetStyle.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

WatermarkPage::WatermarkPage(AppContext& app, QWidget* parent)
    : OptionsPage(app, QCoreApplication::translate("WatermarkPage", "Watermark"), 17, parent) {
    auto* layout = new QVBoxLayout(this);
    chkshowwatermark =
        Named(new QCheckBox(QCoreApplication::translate("WatermarkPage", "Show watermark"), this),
              QStringLiteral("chkshowwatermark"),
              QCoreApplication::translate("WatermarkPage", "Show watermark"));
    layout->addWidget(chkshowwatermark);
    auto* textLabel =
        new QLabel(QCoreApplication::translate("WatermarkPage", "Watermark text:"), this);
    txtwatermark = Named(new QLineEdit(this), QStringLiteral("txtwatermark"),
                         QCoreApplication::translate("WatermarkPage", "Watermark text:"));
    textLabel->setBuddy(txtwatermark);
    layout->addWidget(textLabel);
    layout->addWidget(txtwatermark);

    layout->addWidget(new QLabel(QCoreApplication::translate("WatermarkPage", "Position :"), this));
    // A small screen with a button in each of the five spots.
    picwatermarkpos = Named(new QFrame(this), QStringLiteral("picwatermarkpos"),
                            QCoreApplication::translate("WatermarkPage", "Position :"));
    picwatermarkpos->setFrameShape(QFrame::Box);
    picwatermarkpos->setLineWidth(3);
    picwatermarkpos->setFixedSize(180, 120);
    picwatermarkpos->setStyleSheet(
        QStringLiteral("#picwatermarkpos { background: rgb(58, 110, 165); }"));
    auto* grid = new QGridLayout(picwatermarkpos);
    m_positions = new QButtonGroup(this);
    const QString tips[5] = {
        QCoreApplication::translate("WatermarkPage", "Top left"),
        QCoreApplication::translate("WatermarkPage", "Top right"),
        QCoreApplication::translate("WatermarkPage", "Centre", "watermark position"),
        QCoreApplication::translate("WatermarkPage", "Bottom left"),
        QCoreApplication::translate("WatermarkPage", "Bottom right")};
    const QPoint cells[5] = {{0, 0}, {0, 2}, {1, 1}, {2, 0}, {2, 2}};
    for (int i = 0; i < 5; ++i) {
        auto* b = Named(new QToolButton(picwatermarkpos),
                        QStringLiteral("cmdwatermarkpos%1").arg(i), tips[i]);
        b->setToolTip(tips[i]);
        b->setCheckable(true);
        b->setFixedSize(24, 18);
        // The chosen spot is black, the others in the button colour.
        b->setStyleSheet(
            QStringLiteral("QToolButton { background: palette(button); border: 1px "
                           "solid gray; } QToolButton:checked { background: black; }"));
        m_positions->addButton(b, i);
        grid->addWidget(b, cells[i].x(), cells[i].y());
        cmdwatermarkpos[i] = b;
    }
    layout->addWidget(picwatermarkpos);

    lbleditfontwatermark = Named(
        new QPushButton(QCoreApplication::translate("WatermarkPage", "Edit font/color"), this),
        QStringLiteral("lbleditfontwatermark"),
        QCoreApplication::translate("WatermarkPage", "Edit font/color"));
    lbleditfontwatermark->setFlat(true);
    lbleditfontwatermark->setCursor(Qt::PointingHandCursor);
    auto* fontRow = new QHBoxLayout;
    fontRow->addWidget(lbleditfontwatermark);
    fontRow->addStretch();
    layout->addLayout(fontRow);
    layout->addStretch();
    connect(lbleditfontwatermark, &QPushButton::clicked, this, [this] {
        PickFontAndColor(font, true, true, true, this);
        showFont();
    });
}

void WatermarkPage::showFont() {
    lbleditfontwatermark->setFont(FontOf(font));
    lbleditfontwatermark->setStyleSheet(
        QStringLiteral("color: %1; text-align: left;").arg(ColorOf(font.color).name()));
}

void WatermarkPage::load() {
    const Settings& s = m_app.settings;
    chkshowwatermark->setChecked(s.WaterMarkVisible);
    txtwatermark->setText(s.WaterMarkText);
    m_positions->setExclusive(false);
    for (QToolButton* b : cmdwatermarkpos)
        b->setChecked(false);
    m_positions->setExclusive(true);
    if (s.WaterMarkPos >= 1 && s.WaterMarkPos <= 5) cmdwatermarkpos[s.WaterMarkPos - 1]->click();
    font = {s.WaterMarkFont,   double(s.WaterMarkSize), s.WaterMarkBold,
            s.WaterMarkItalic, s.WaterMarkUnderLine,    s.WaterMarkColor};
    showFont();
}

void WatermarkPage::apply(ApplyReport& report) {
    Settings& s = m_app.settings;
    const WatermarkSettings before = s.watermark();
    s.WaterMarkVisible = chkshowwatermark->isChecked();
    s.WaterMarkText = txtwatermark->text();
    s.WaterMarkFont = font.name;
    s.WaterMarkSize = qint16(std::clamp(qRound(font.size), 1, 999));
    s.WaterMarkBold = font.bold;
    s.WaterMarkItalic = font.Italic;
    s.WaterMarkUnderLine = font.Underline;
    s.WaterMarkColor = font.color;
    // No spot chosen (a stored spot outside the five): the stored one stays.
    if (m_positions->checkedId() >= 0) s.WaterMarkPos = qint16(m_positions->checkedId() + 1);
    const WatermarkSettings& after = s.watermark();
    if (after.WaterMarkVisible != before.WaterMarkVisible ||
        after.WaterMarkText != before.WaterMarkText || after.WaterMarkPos != before.WaterMarkPos ||
        after.WaterMarkFont != before.WaterMarkFont ||
        after.WaterMarkSize != before.WaterMarkSize ||
        after.WaterMarkBold != before.WaterMarkBold ||
        after.WaterMarkItalic != before.WaterMarkItalic ||
        after.WaterMarkUnderLine != before.WaterMarkUnderLine ||
        after.WaterMarkColor != before.WaterMarkColor)
        report.parts |= SettingsPart::Composition;
}
