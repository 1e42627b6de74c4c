#include "widgets/ClockWidget.h"

#include "context/AppContext.h"
#include "widgets/FontSetStyle.h"

#include <QCoreApplication>
#include <QPainter>

void PlaceHandLine(ClockHand& hand, const HandLine& line) {
    hand.line = line;
}

ClockWidget::ClockWidget(AppContext& app)
    : DesktopWidgetWindow(
          app,
          {&Settings::ClockLeft, &Settings::ClockTop, &Settings::ClockV, &Settings::ClockOnTop},
          {kClockWidth, kClockHeight}, 1) {
    setObjectName(QStringLiteral("frmclock"));
    setWindowTitle(QCoreApplication::translate("ClockWidget", "Clock"));
    setAccessibleName(QCoreApplication::translate("ClockWidget", "Clock"));
    // Element 0 is the template the others copy; it is not shown.
    lbldigit[0].caption = QStringLiteral("0");
    lbldigit[0].visible = false;
    for (int i = 1; i <= 12; ++i)
        lbldigit[i].caption = QString::number(i);
    ArrangeClock();
    Timer1.setInterval(500);
    connect(&Timer1, &QTimer::timeout, this, &ClockWidget::Timer1_Timer);
    Timer1.start();
    showTime(QTime::currentTime());
}

void ClockWidget::ArrangeClock() {
    lbldigit[0].font = m_app.settings.ClockDigit;
    for (int i = 0; i <= 12; ++i) {
        ApplyFontSet(lbldigit[0].font, lbldigit[i].font);
        lbldigit[i].place = NumeralPlace(i);
    }
    lnseconds.color = m_app.settings.Sec;
    lnminutes.color = m_app.settings.Min;
    lnhours.color = m_app.settings.Hour;
    refresh();
}

void ClockWidget::showTime(const QTime& time) {
    PlaceHandLine(lnseconds, ClockHandGeometry(1, time.second()));
    PlaceHandLine(lnminutes, ClockHandGeometry(2, time.minute()));
    PlaceHandLine(lnhours, ClockHandGeometry(3, HoursHandValue(time.hour(), time.minute())));
    refresh();
}

void ClockWidget::Timer1_Timer() {
    // A hidden clock does nothing; its hands catch up on the next tick.
    if (!isVisible()) return;
    showTime(QTime::currentTime());
}

void ClockWidget::drawElements(QPainter& p) const {
    for (const Numeral& n : lbldigit) {
        if (!n.visible) continue;
        drawText(p, QRectF(n.place, QSizeF(kNumeralWidth, kNumeralHeight)), n.font, n.caption);
    }
    for (const ClockHand* hand : {&lnhours, &lnminutes, &lnseconds}) {
        setElementPen(p, ColorOf(hand->color), hand->width);
        p.drawLine(px(QPointF(hand->line.X1, hand->line.Y1)),
                   px(QPointF(hand->line.X2, hand->line.Y2)));
    }
}
