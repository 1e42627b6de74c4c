#pragma once

#include "options_window/OptionsPage.h"

#include <QLineF>
#include <QWidget>
#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;
class QToolButton;

// The clock's dial as the "Clock" page previews it: twelve numerals on a
// circle and the three hands in their colours. Each is an element of its
// own: a click on a hand edits that hand's colour, one on the numerals their
// font and colour. From the keyboard the arrow keys go from element to
// element and Space or Enter edits the current one; screen readers see each
// element as a button of its own.
class ClockPreview : public QWidget {
    Q_OBJECT
public:
    enum class Part { Numerals, HourHand, MinuteHand, SecondHand };
    static constexpr int kParts = 4;

    explicit ClockPreview(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {200, 200}; }
    FontSet digits;
    qint32 hour = 0, minute = 0, second = 0;

    // The element at a point of the preview, if any: a hand drawn over the
    // numerals wins.
    std::optional<Part> partAt(QPointF at) const;
    // Where an element is drawn, in the preview's coordinates.
    QRectF partRect(Part part) const;
    // What screen readers call an element, and what pressing it does.
    static QString partName(Part part);
    static QString partAction(Part part);
    // The element the keyboard is on.
    Part currentPart() const { return m_current; }
    // Edits an element, as a click on it does.
    void activate(Part part);

signals:
    void partActivated(ClockPreview::Part part);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QPointF centre() const;
    double radius() const;
    QPointF numeralPlace(int n) const;
    QLineF handLine(Part hand) const;
    void setCurrentPart(Part part);

    Part m_current = Part::Numerals;
    std::optional<Part> m_pressed;
};

// The "Clock" page: whether the desktop clock shows, stays on top or moves,
// and the style of its numerals and hands. Nothing reaches the clock before
// apply.
class ClockPage : public OptionsPage {
    Q_OBJECT
public:
    ClockPage(AppContext& app, const OptionsWindowParts& parts, QWidget* parent = nullptr);
    void load() override;
    void apply(ApplyReport& report) override;

    QCheckBox* chkshowclock;
    QCheckBox* chkclockontop;
    QToolButton* cmdclockmove;
    ClockPreview* lbldigprev;
    QPushButton* lblhoursprev;
    QPushButton* lblminprev;
    QPushButton* lblsecprev;
    QLabel* Label4;

private:
    void showHands();
    const OptionsWindowParts& m_parts;
};

// The "Calendar" page: whether the desktop calendar shows, stays on top or
// moves, and the style of its title, day names, days and today.
class CalendarPage : public OptionsPage {
    Q_OBJECT
public:
    CalendarPage(AppContext& app, const OptionsWindowParts& parts, QWidget* parent = nullptr);
    void load() override;
    void apply(ApplyReport& report) override;

    QCheckBox* chkshowcalender;
    QCheckBox* chkcalalwaysontop;
    QToolButton* cmdcalendermove;
    QWidget* Picture1;
    QPushButton* lblcalendertitle;
    QPushButton* lblcalenderdaynames;
    QPushButton* lblcalenderdays[4];
    QPushButton* lblcalendertoday;
    QLabel* Label12;
    FontSet title, dayNames, days, today;

private:
    void showStyles();
    const OptionsWindowParts& m_parts;
};

// The text the widget pages show where the widgets do not exist.
QString WidgetsUnavailableText();
