#include "options_window/WidgetPages.h"

#include "options_window/FontPicker.h"
#include "widgets/CalendarWidget.h"
#include "widgets/ClockWidget.h"
#include "widgets/DesktopWidgets.h"
#include "widgets/FontSetStyle.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

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
    return QCoreApplication::translate("WidgetPages", "this feature works only in windows XP/2000");
}

namespace {

// Ten past ten and thirty seconds, as clocks in pictures show: each hand's
// turn, its length as a share of the dial's radius and its width in pixels.
struct HandStyle {
    double turn;
    double length;
    int width;
};
HandStyle StyleOf(ClockPreview::Part hand) {
    switch (hand) {
    case ClockPreview::Part::HourHand:
        return {10.2 / 12, 0.5, 3};
    case ClockPreview::Part::MinuteHand:
        return {2.0 / 12, 0.7, 2};
    default:
        return {6.0 / 12, 0.8, 1};
    }
}

double DistanceToSegment(QPointF p, const QLineF& l) {
    const QPointF d = l.p2() - l.p1();
    const double lengthSquared = QPointF::dotProduct(d, d);
    const double t = lengthSquared > 0
                         ? std::clamp(QPointF::dotProduct(p - l.p1(), d) / lengthSquared, 0.0, 1.0)
                         : 0.0;
    return QLineF(p, l.p1() + d * t).length();
}

// One element of the clock preview as screen readers see it: a button that
// edits it.
class ClockPartAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    ClockPartAccessible(ClockPreview* preview, ClockPreview::Part part)
        : m_preview(preview), m_part(part) {}
    bool isValid() const override { return m_preview; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return m_preview ? m_preview->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_preview.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return ClockPreview::partName(m_part);
        if (t == QAccessible::Description) return ClockPreview::partAction(m_part);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!m_preview) return {};
        const QRect r = m_preview->partRect(m_part).toAlignedRect();
        return QRect(m_preview->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.focusable = true;
        if (!m_preview || !m_preview->isVisible()) {
            s.invisible = true;
            return s;
        }
        s.disabled = !m_preview->isEnabled();
        s.focused = m_preview->hasFocus() && m_preview->currentPart() == m_part;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                 : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        // After the call has been answered: editing opens a modal picker.
        if (name == pressAction() && m_preview && m_preview->isEnabled())
            QMetaObject::invokeMethod(
                m_preview, [p = m_preview, part = m_part] { p->activate(part); },
                Qt::QueuedConnection);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<ClockPreview> m_preview;
    ClockPreview::Part m_part;
};

// The clock preview for screen readers: a group of its elements.
class ClockPreviewAccessible : public QAccessibleWidget {
public:
    explicit ClockPreviewAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Grouping) {}
    ~ClockPreviewAccessible() override {
        for (QAccessible::Id id : m_parts)
            if (id) QAccessible::deleteAccessibleInterface(id);
    }
    int childCount() const override { return ClockPreview::kParts; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= ClockPreview::kParts) return nullptr;
        if (!m_parts[index])
            m_parts[index] = QAccessible::registerAccessibleInterface(
                new ClockPartAccessible(preview(), ClockPreview::Part(index)));
        return QAccessible::accessibleInterface(m_parts[index]);
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        for (int i = 0; i < ClockPreview::kParts; ++i)
            if (m_parts[i] && QAccessible::accessibleInterface(m_parts[i]) == c) return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const auto part = preview()->partAt(preview()->mapFromGlobal(QPoint(x, y)));
        return part ? child(int(*part)) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return preview()->hasFocus() ? child(int(preview()->currentPart())) : nullptr;
    }

private:
    ClockPreview* preview() const { return static_cast<ClockPreview*>(widget()); }
    mutable std::array<QAccessible::Id, ClockPreview::kParts> m_parts{};
};

QAccessibleInterface* ClockPreviewAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("ClockPreview") && object && object->isWidgetType())
        return new ClockPreviewAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

ClockPreview::ClockPreview(QWidget* parent) : QWidget(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(ClockPreviewAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumSize(200, 200);
}

QString ClockPreview::partName(Part part) {
    switch (part) {
    case Part::Numerals:
        return QCoreApplication::translate("WidgetPages", "Clock numbers");
    case Part::HourHand:
        return QCoreApplication::translate("WidgetPages", "Hour hand");
    case Part::MinuteHand:
        return QCoreApplication::translate("WidgetPages", "Minute hand");
    default:
        return QCoreApplication::translate("WidgetPages", "Second hand");
    }
}

// A whole sentence per part: a part's name inside a sentence changes form
// (case, article) from one language to another.
QString ClockPreview::partAction(Part part) {
    switch (part) {
    case Part::Numerals:
        return QCoreApplication::translate("WidgetPages",
                                           "Choose the font and colour of the numbers");
    case Part::HourHand:
        return QCoreApplication::translate("WidgetPages", "Choose the colour of the hour hand");
    case Part::MinuteHand:
        return QCoreApplication::translate("WidgetPages", "Choose the colour of the minute hand");
    default:
        return QCoreApplication::translate("WidgetPages", "Choose the colour of the second hand");
    }
}

QPointF ClockPreview::centre() const {
    return QRectF(rect()).center();
}

double ClockPreview::radius() const {
    return std::min(width(), height()) / 2.0 - 16;
}

QPointF ClockPreview::numeralPlace(int n) const {
    const double angle = n * 5 * (M_PI / 30) - M_PI / 2;
    return centre() + QPointF(std::cos(angle), std::sin(angle)) * radius();
}

QLineF ClockPreview::handLine(Part hand) const {
    const HandStyle h = StyleOf(hand);
    const double angle = h.turn * 2 * M_PI - M_PI / 2;
    return {centre(), centre() + QPointF(std::cos(angle), std::sin(angle)) * radius() * h.length};
}

QRectF ClockPreview::partRect(Part part) const {
    if (part == Part::Numerals) {
        const QFontMetricsF m(FontOf(digits));
        QRectF all;
        for (int n = 1; n <= 12; ++n) {
            QRectF r = m.boundingRect(QString::number(n));
            r.moveCenter(numeralPlace(n));
            all |= r | QRectF(numeralPlace(n) - QPointF(15, 10), QSizeF(30, 20));
        }
        return all;
    }
    const QLineF l = handLine(part);
    const double margin = StyleOf(part).width / 2.0 + 3;
    return QRectF(l.p1(), l.p2()).normalized().adjusted(-margin, -margin, margin, margin);
}

std::optional<ClockPreview::Part> ClockPreview::partAt(QPointF at) const {
    // The second hand is drawn last, over the others.
    for (Part hand : {Part::SecondHand, Part::MinuteHand, Part::HourHand})
        if (DistanceToSegment(at, handLine(hand)) <= StyleOf(hand).width / 2.0 + 4) return hand;
    const QFontMetricsF m(FontOf(digits));
    for (int n = 1; n <= 12; ++n) {
        QRectF r = m.boundingRect(QString::number(n));
        r.moveCenter(numeralPlace(n));
        if (r.adjusted(-4, -4, 4, 4).contains(at)) return Part::Numerals;
    }
    return std::nullopt;
}

void ClockPreview::activate(Part part) {
    setCurrentPart(part);
    emit partActivated(part);
}

void ClockPreview::setCurrentPart(Part part) {
    if (part == m_current) return;
    m_current = part;
    update();
    if (hasFocus()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(int(part));
        QAccessible::updateAccessibility(&event);
    }
}

void ClockPreview::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), kPreviewBackground);
    p.setFont(FontOf(digits));
    p.setPen(ColorOf(digits.color));
    for (int n = 1; n <= 12; ++n) {
        const QPointF at = numeralPlace(n);
        p.drawText(QRectF(at.x() - 15, at.y() - 10, 30, 20), Qt::AlignCenter, QString::number(n));
    }
    for (auto [hand, color] : {std::pair{Part::HourHand, hour}, std::pair{Part::MinuteHand, minute},
                               std::pair{Part::SecondHand, second}}) {
        p.setPen(QPen(ColorOf(color), StyleOf(hand).width));
        p.drawLine(handLine(hand));
    }
    if (hasFocus()) {
        // Around the element the keyboard is on.
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(Qt::white, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(partRect(m_current).toAlignedRect().intersected(rect().adjusted(1, 1, -2, -2)));
    }
}

void ClockPreview::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton ? partAt(event->position()) : std::nullopt;
    if (m_pressed) setCurrentPart(*m_pressed);
    event->accept();
}

void ClockPreview::mouseReleaseEvent(QMouseEvent* event) {
    // A click: pressed and released on the same element.
    const std::optional<Part> pressed = std::exchange(m_pressed, std::nullopt);
    if (event->button() == Qt::LeftButton && pressed && partAt(event->position()) == pressed)
        activate(*pressed);
    event->accept();
}

void ClockPreview::mouseMoveEvent(QMouseEvent* event) {
    if (partAt(event->position()))
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
    QWidget::mouseMoveEvent(event);
}

void ClockPreview::keyPressEvent(QKeyEvent* event) {
    const int current = int(m_current);
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        setCurrentPart(Part((current + kParts - 1) % kParts));
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        setCurrentPart(Part((current + 1) % kParts));
        break;
    case Qt::Key_Home:
        setCurrentPart(Part::Numerals);
        break;
    case Qt::Key_End:
        setCurrentPart(Part::SecondHand);
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        activate(m_current);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void ClockPreview::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(int(m_current));
    QAccessible::updateAccessibility(&focus);
}

void ClockPreview::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

ClockPage::ClockPage(AppContext& app, const OptionsWindowParts& parts, QWidget* parent)
    : OptionsPage(app, QCoreApplication::translate("WidgetPages", "Clock Settings"), 20, parent),
      m_parts(parts) {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    chkshowclock =
        Named(new QCheckBox(QCoreApplication::translate("WidgetPages", "Show the clock"), this),
              QStringLiteral("chkshowclock"),
              QCoreApplication::translate("WidgetPages", "Show the clock"));
    chkclockontop =
        Named(new QCheckBox(QCoreApplication::translate("WidgetPages", "Always on top."), this),
              QStringLiteral("chkclockontop"),
              QCoreApplication::translate("WidgetPages", "Always on top."));
    cmdclockmove = MoveButton(this, QStringLiteral("cmdclockmove"),
                              QCoreApplication::translate("WidgetPages", "Move the clock"));
    top->addWidget(chkshowclock);
    top->addWidget(chkclockontop);
    top->addStretch();
    top->addWidget(cmdclockmove);
    layout->addLayout(top);

    auto* preview = new QHBoxLayout;
    lbldigprev = Named(new ClockPreview(this), QStringLiteral("lbldigprev"),
                       QCoreApplication::translate("WidgetPages", "Clock preview"));
    preview->addWidget(lbldigprev);
    auto* hands = new QVBoxLayout;
    lblhoursprev = StyleButton(
        this, QStringLiteral("lblhoursprev"),
        QCoreApplication::translate("WidgetPages", "Hours", "clock preview: hour digits"));
    lblminprev = StyleButton(
        this, QStringLiteral("lblminprev"),
        QCoreApplication::translate("WidgetPages", "Minutes", "clock preview: minute digits"));
    lblsecprev = StyleButton(
        this, QStringLiteral("lblsecprev"),
        QCoreApplication::translate("WidgetPages", "Seconds", "clock preview: second digits"));
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
    Label4 = Named(
        new QLabel(QCoreApplication::translate("WidgetPages", "Click on an element to modify"),
                   this),
        QStringLiteral("Label4"),
        QCoreApplication::translate("WidgetPages", "Click on an element to modify"));
    layout->addWidget(Label4);
    layout->addStretch();

    const auto pickHand = [this](qint32& color) {
        FontSet set;
        set.color = color;
        PickFontAndColor(set, false, false, true, this);
        color = set.color;
        showHands();
    };
    connect(lbldigprev, &ClockPreview::partActivated, this, [=, this](ClockPreview::Part part) {
        switch (part) {
        case ClockPreview::Part::Numerals:
            PickFontAndColor(lbldigprev->digits, true, false, true, this);
            lbldigprev->update();
            break;
        case ClockPreview::Part::HourHand:
            pickHand(lbldigprev->hour);
            break;
        case ClockPreview::Part::MinuteHand:
            pickHand(lbldigprev->minute);
            break;
        case ClockPreview::Part::SecondHand:
            pickHand(lbldigprev->second);
            break;
        }
    });
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
    : OptionsPage(app, QCoreApplication::translate("WidgetPages", "Calender settings"), 25, parent),
      m_parts(parts) {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    chkshowcalender =
        Named(new QCheckBox(QCoreApplication::translate("WidgetPages", "Show the calendar"), this),
              QStringLiteral("chkshowcalender"),
              QCoreApplication::translate("WidgetPages", "Show the calendar"));
    chkcalalwaysontop =
        Named(new QCheckBox(QCoreApplication::translate("WidgetPages", "Always on top."), this),
              QStringLiteral("chkcalalwaysontop"),
              QCoreApplication::translate("WidgetPages", "Always on top."));
    cmdcalendermove = MoveButton(this, QStringLiteral("cmdcalendermove"),
                                 QCoreApplication::translate("WidgetPages", "Move the calendar"));
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
        StyleButton(Picture1, QStringLiteral("lblcalendertitle"),
                    QCoreApplication::translate("WidgetPages", "July 2006",
                                                "calendar preview: a month and year"));
    lblcalenderdaynames =
        StyleButton(Picture1, QStringLiteral("lblcalenderdaynames"),
                    QCoreApplication::translate(
                        "WidgetPages", "Sun  Mon  Tue  Wed  Thu  Fri  Sat",
                        "calendar preview: the week's day names, in the calendar's column widths"));
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
    lblcalendertoday = StyleButton(
        Picture1, QStringLiteral("lblcalendertoday"),
        QCoreApplication::translate("WidgetPages", "Today", "calendar preview: today's date"));
    preview->addWidget(lblcalendertoday);
    auto* row = new QHBoxLayout;
    row->addWidget(Picture1);
    row->addStretch();
    layout->addLayout(row);
    Label12 = Named(
        new QLabel(QCoreApplication::translate("WidgetPages", "Click on an element to modify"),
                   this),
        QStringLiteral("Label12"),
        QCoreApplication::translate("WidgetPages", "Click on an element to modify"));
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
