#include "widgets/CalendarWidget.h"

#include "context/AppContext.h"
#include "platform/Language.h"

#include <QCoreApplication>
#include <QLocale>

CalendarWidget::CalendarWidget(AppContext& app)
    : DesktopWidgetWindow(
          app, {&Settings::CalLeft, &Settings::CalTop, &Settings::CalV, &Settings::CalOnTop},
          {kCalendarWidth, kCalendarHeight}, 2) {
    setObjectName(QStringLiteral("frmcalender"));
    setWindowTitle(QCoreApplication::translate("CalendarWidget", "Calendar"));
    setAccessibleName(QCoreApplication::translate("CalendarWidget", "Calendar"));
    static const char* const names[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    for (int i = 0; i < 7; ++i)
        pnlName[i] = InterfaceTranslated() ? QLocale().dayName(i == 0 ? 7 : i, QLocale::ShortFormat)
                                           : QLatin1String(names[i]);
    Timer1.setInterval(65535);
    connect(&Timer1, &QTimer::timeout, this, [this] {
        if (isVisible()) DoToday();
    });
    Timer1.start();
    DoToday();
}

void CalendarWidget::DoToday() {
    goDate(QDate::currentDate());
}

void CalendarWidget::goDate(const QDate& d) {
    ShownYear = QString::number(d.year());
    ShownMonth = d.month();
    MarkDate = d.toString(QStringLiteral("MM/dd/yy"));
    DrawMonth();
}

void CalendarWidget::DrawMonth() {
    const MonthCells m = MonthLayout(ShownYear.toInt(), ShownMonth);
    FirstCell = m.FirstCell;
    LastCell = m.LastCell;
    pnlMonth = m.title;
    const int marked = MarkDate.mid(3, 2).toInt();
    int d = 1;
    for (int i = 0; i < 42; ++i) {
        Cell& cell = lblDay[i];
        cell.visible = FirstCell <= i && i <= LastCell;
        cell.today = false;
        if (cell.visible) {
            cell.caption = QString::number(d);
            cell.today = d == marked;
            ++d;
        } else {
            cell.caption.clear();
        }
    }
    MarkDate.clear();
    refresh();
}

void CalendarWidget::drawElements(QPainter& p) const {
    const Settings& s = m_app.settings;
    // Each kind of text in one size that fits its cells: the day names in
    // their 400-twip cells would otherwise run together in a face wider than
    // the one they were laid out for.
    drawText(p, CalendarTitleRect(), fittedFont(p, s.Ctitle, CalendarTitleRect(), {pnlMonth}),
             s.Ctitle.color, pnlMonth);
    const QStringList names(pnlName.begin(), pnlName.end());
    const QFont nameFont = fittedFont(p, s.CDnames, CalendarHeaderRect(0), names);
    for (int i = 0; i < 7; ++i)
        drawText(p, CalendarHeaderRect(i), nameFont, s.CDnames.color, pnlName[i]);
    QStringList days;
    for (const Cell& cell : lblDay)
        if (cell.visible) days << cell.caption;
    const QFont dayFont = fittedFont(p, s.CD, CalendarCellRect(0), days);
    const QFont todayFont = fittedFont(p, s.CTD, CalendarCellRect(0), days);
    for (int i = 0; i < 42; ++i)
        if (lblDay[i].visible)
            drawText(p, CalendarCellRect(i), lblDay[i].today ? todayFont : dayFont,
                     lblDay[i].today ? s.CTD.color : s.CD.color, lblDay[i].caption);
}
