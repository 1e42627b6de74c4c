#include "options_window/WidgetPages.h"

#include "options_window/FontPicker.h"
#include "widgets/CalendarWidget.h"
#include "widgets/ClockWidget.h"
#include "widgets/DesktopWidgets.h"
#include "widgets/FontSetStyle.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

const QColor kPreviewBackground(58, 110, 165);

// A style element of a preview: a flat button in its own font and colour.
QPushButton* StyleButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* b = Named(new QPushButton(caption, parent), name, caption);
    b->setFlat(true);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

void ShowFontSet(QPushButton* b, const FontSet& set) {
    b->setFont(FontOf(set));
    b->setStyleSheet(QStringLiteral("QPushButton { color: %1; border: none; padding: 1px; }"
                                    "QPushButton:focus { border: 1px dotted white; }")
                         .arg(ColorOf(set.color).name()));
}

QToolButton* MoveButton(QWidget* parent, const QString& name, const QString& tip) {
    auto* b = Named(new QToolButton(parent), name, tip);
    b->setToolTip(tip);
    b->setIcon(parent->style()->standardIcon(QStyle::SP_ArrowUp));
    return b;
}

} // namespace

QString WidgetsUnavailableText() {
    return QStringLiteral("this feature works only in windows XP/2000");
}

ClockPreview::ClockPreview(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setMinimumSize(200, 200);
}

void ClockPreview::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), kPreviewBackground);
    const QPointF centre = QRectF(rect()).center();
    const double radius = std::min(width(), height()) / 2.0 - 16;
    p.setFont(FontOf(digits));
    p.setPen(ColorOf(digits.color));
    for (int n = 1; n <= 12; ++n) {
        const double angle = n * 5 * (M_PI / 30) - M_PI / 2;
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        p.drawText(QRectF(at.x() - 15, at.y() - 10, 30, 20), Qt::AlignCenter, QString::number(n));
    }
    // Ten past ten and thirty seconds, as clocks in pictures show.
    const struct {
        double turn;
        double length;
        int width;
        qint32 color;
    } hands[] = {{10.2 / 12, 0.5, 3, hour}, {2.0 / 12, 0.7, 2, minute}, {6.0 / 12, 0.8, 1, second}};
    for (const auto& h : hands) {
        const double angle = h.turn * 2 * M_PI - M_PI / 2;
        p.setPen(QPen(ColorOf(h.color), h.width));
        p.drawLine(centre, centre + QPointF(std::cos(angle), std::sin(angle)) * radius * h.length);
    }
    if (hasFocus()) {
        p.setPen(QPen(Qt::white, 1, Qt::DotLine));
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

ClockPage::ClockPage(AppContext& app, const OptionsWindowParts& parts, QWidget* parent)
    : OptionsPage(app, QStringLiteral("Clock Settings"), 20, parent), m_parts(parts) {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    chkshowclock = Named(new QCheckBox(QStringLiteral("Show the clock"), this),
                         QStringLiteral("chkshowclock"), QStringLiteral("Show the clock"));
    chkclockontop = Named(new QCheckBox(QStringLiteral("Always on top."), this),
                          QStringLiteral("chkclockontop"), QStringLiteral("Always on top."));
    cmdclockmove =
        MoveButton(this, QStringLiteral("cmdclockmove"), QStringLiteral("Move the clock"));
    top->addWidget(chkshowclock);
    top->addWidget(chkclockontop);
    top->addStretch();
    top->addWidget(cmdclockmove);
    layout->addLayout(top);

    auto* preview = new QHBoxLayout;
    lbldigprev = Named(new ClockPreview(this), QStringLiteral("lbldigprev"),
                       QStringLiteral("Clock numbers"));
    preview->addWidget(lbldigprev);
    auto* hands = new QVBoxLayout;
    lblhoursprev = StyleButton(this, QStringLiteral("lblhoursprev"), QStringLiteral("Hours"));
    lblminprev = StyleButton(this, QStringLiteral("lblminprev"), QStringLiteral("Minutes"));
    lblsecprev = StyleButton(this, QStringLiteral("lblsecprev"), QStringLiteral("Seconds"));
    hands->addWidget(lblhoursprev);
    hands->addWidget(lblminprev);
    hands->addWidget(lblsecprev);
    hands->addStretch();
    auto* handsBox = new QWidget(this);
    handsBox->setLayout(hands);
    handsBox->setAutoFillBackground(true);
    QPalette pal = handsBox->palette();
    pal.setColor(QPalette::Window, kPreviewBackground);
    handsBox->setPalette(pal);
    preview->addWidget(handsBox);
    preview->addStretch();
    layout->addLayout(preview);
    Label4 = Named(new QLabel(QStringLiteral("Click on an element to modify"), this),
                   QStringLiteral("Label4"), QStringLiteral("Click on an element to modify"));
    layout->addWidget(Label4);
    layout->addStretch();

    connect(lbldigprev, &QAbstractButton::clicked, this, [this] {
        PickFontAndColor(lbldigprev->digits, true, false, true, this);
        lbldigprev->update();
    });
    const auto pickHand = [this](qint32& color) {
        FontSet set;
        set.color = color;
        PickFontAndColor(set, false, false, true, this);
        color = set.color;
        showHands();
    };
    connect(lblhoursprev, &QPushButton::clicked, this, [=, this] { pickHand(lbldigprev->hour); });
    connect(lblminprev, &QPushButton::clicked, this, [=, this] { pickHand(lbldigprev->minute); });
    connect(lblsecprev, &QPushButton::clicked, this, [=, this] { pickHand(lbldigprev->second); });
    connect(cmdclockmove, &QToolButton::clicked, this, [this] {
        if (m_parts.widgets) m_parts.widgets->clock().OMove(true);
    });
}

void ClockPage::showHands() {
    FontSet set;
    set.bold = true;
    set.name = font().family();
    set.size = font().pointSizeF();
    for (auto [button, color] :
         {std::pair{lblhoursprev, lbldigprev->hour}, std::pair{lblminprev, lbldigprev->minute},
          std::pair{lblsecprev, lbldigprev->second}}) {
        set.color = color;
        ShowFontSet(button, set);
    }
    lbldigprev->update();
}

void ClockPage::load() {
    const Settings& s = m_app.settings;
    lbldigprev->digits = s.ClockDigit;
    lbldigprev->hour = s.Hour;
    lbldigprev->minute = s.Min;
    lbldigprev->second = s.Sec;
    showHands();
    if (!m_app.IsNT) {
        setEnabled(false);
        Label4->setText(WidgetsUnavailableText());
        Label4->setAccessibleName(WidgetsUnavailableText());
        return;
    }
    chkshowclock->setChecked(s.ClockV);
    chkclockontop->setChecked(s.ClockOnTop);
}

void ClockPage::apply(ApplyReport& report) {
    if (!m_app.IsNT) return;
    Settings& s = m_app.settings;
    ApplyFontSet(lbldigprev->digits, s.ClockDigit);
    s.Hour = lbldigprev->hour;
    s.Min = lbldigprev->minute;
    s.Sec = lbldigprev->second;
    s.ClockOnTop = chkclockontop->isChecked();
    s.ClockV = chkshowclock->isChecked();
    report.parts |= SettingsPart::Widgets;
}

CalendarPage::CalendarPage(AppContext& app, const OptionsWindowParts& parts, QWidget* parent)
    : OptionsPage(app, QStringLiteral("Calender settings"), 25, parent), m_parts(parts) {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    chkshowcalender = Named(new QCheckBox(QStringLiteral("Show the calendar"), this),
                            QStringLiteral("chkshowcalender"), QStringLiteral("Show the calendar"));
    chkcalalwaysontop =
        Named(new QCheckBox(QStringLiteral("Always on top."), this),
              QStringLiteral("chkcalalwaysontop"), QStringLiteral("Always on top."));
    cmdcalendermove =
        MoveButton(this, QStringLiteral("cmdcalendermove"), QStringLiteral("Move the calendar"));
    top->addWidget(chkshowcalender);
    top->addWidget(chkcalalwaysontop);
    top->addStretch();
    top->addWidget(cmdcalendermove);
    layout->addLayout(top);

    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAutoFillBackground(true);
    QPalette pal = Picture1->palette();
    pal.setColor(QPalette::Window, kPreviewBackground);
    Picture1->setPalette(pal);
    auto* preview = new QVBoxLayout(Picture1);
    preview->setSpacing(0);
    lblcalendertitle =
        StyleButton(Picture1, QStringLiteral("lblcalendertitle"), QStringLiteral("July 2006"));
    lblcalenderdaynames = StyleButton(Picture1, QStringLiteral("lblcalenderdaynames"),
                                      QStringLiteral("Sun  Mon  Tue  Wed  Thu  Fri  Sat"));
    preview->addWidget(lblcalendertitle);
    preview->addWidget(lblcalenderdaynames);
    for (int r = 0; r < 4; ++r) {
        QStringList numbers;
        for (int d = 1; d <= 7; ++d)
            numbers << QString::number(r * 7 + d).rightJustified(2, QLatin1Char(' '));
        lblcalenderdays[r] = StyleButton(Picture1, QStringLiteral("lblcalenderdays%1").arg(r),
                                         numbers.join(QStringLiteral("    ")));
        preview->addWidget(lblcalenderdays[r]);
    }
    lblcalendertoday =
        StyleButton(Picture1, QStringLiteral("lblcalendertoday"), QStringLiteral("Today"));
    preview->addWidget(lblcalendertoday);
    auto* row = new QHBoxLayout;
    row->addWidget(Picture1);
    row->addStretch();
    layout->addLayout(row);
    Label12 = Named(new QLabel(QStringLiteral("Click on an element to modify"), this),
                    QStringLiteral("Label12"), QStringLiteral("Click on an element to modify"));
    layout->addWidget(Label12);
    layout->addStretch();

    const auto pick = [this](FontSet& set) {
        PickFontAndColor(set, true, false, true, this);
        showStyles();
    };
    connect(lblcalendertitle, &QPushButton::clicked, this, [=, this] { pick(title); });
    connect(lblcalenderdaynames, &QPushButton::clicked, this, [=, this] { pick(dayNames); });
    connect(lblcalendertoday, &QPushButton::clicked, this, [=, this] { pick(today); });
    for (QPushButton* b : lblcalenderdays)
        connect(b, &QPushButton::clicked, this, [=, this] { pick(days); });
    connect(cmdcalendermove, &QToolButton::clicked, this, [this] {
        if (m_parts.widgets) m_parts.widgets->calendar().OMove(true);
    });
}

void CalendarPage::showStyles() {
    ShowFontSet(lblcalendertitle, title);
    ShowFontSet(lblcalenderdaynames, dayNames);
    for (QPushButton* b : lblcalenderdays)
        ShowFontSet(b, days);
    ShowFontSet(lblcalendertoday, today);
}

void CalendarPage::load() {
    const Settings& s = m_app.settings;
    title = s.Ctitle;
    dayNames = s.CDnames;
    days = s.CD;
    today = s.CTD;
    showStyles();
    if (!m_app.IsNT) {
        setEnabled(false);
        Label12->setText(WidgetsUnavailableText());
        Label12->setAccessibleName(WidgetsUnavailableText());
        return;
    }
    chkshowcalender->setChecked(s.CalV);
    chkcalalwaysontop->setChecked(s.CalOnTop);
}

void CalendarPage::apply(ApplyReport& report) {
    if (!m_app.IsNT) return;
    Settings& s = m_app.settings;
    ApplyFontSet(title, s.Ctitle);
    ApplyFontSet(days, s.CD);
    ApplyFontSet(dayNames, s.CDnames);
    ApplyFontSet(today, s.CTD);
    s.CalOnTop = chkcalalwaysontop->isChecked();
    s.CalV = chkshowcalender->isChecked();
    report.parts |= SettingsPart::Widgets;
}
