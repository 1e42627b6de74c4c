#include "options_window/AdvancedPage.h"

#include "platform/DesktopWidgetSupport.h"
#include "widgets/CalendarWidget.h"
#include "widgets/ClockWidget.h"
#include "widgets/DesktopWidgets.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QVBoxLayout>

AdvancedPage::AdvancedPage(AppContext& app, const OptionsWindowParts& parts, QWidget* parent)
    : OptionsPage(app, QCoreApplication::translate("AdvancedPage", "Advanced"), 28, parent),
      m_parts(parts) {
    auto* layout = new QVBoxLayout(this);
    const QString locked = QCoreApplication::translate(
        "AdvancedPage", "Delay automatic wallpaper changing if screen saver is "
                        "running or the computer is locked.");
    chkdelaywhenlocked =
        Named(new QCheckBox(locked, this), QStringLiteral("chkdelaywhenlocked"), locked);
    layout->addWidget(chkdelaywhenlocked);

    const QString cpu = QCoreApplication::translate(
        "AdvancedPage", "Delay automatic wallpaper changing if the cpu usage is equal or above :");
    chkcpuUsage = Named(new QCheckBox(cpu, this), QStringLiteral("chkcpuUsage"), cpu);
    layout->addWidget(chkcpuUsage);
    auto* cpuRow = new QHBoxLayout;
    txtCPUUsage = Named(new QLineEdit(QStringLiteral("100"), this), QStringLiteral("txtCPUUsage"),
                        QCoreApplication::translate("AdvancedPage", "CPU usage limit in percent"));
    txtCPUUsage->setMaximumWidth(60);
    // A spin control that rests in the middle: up adds one, down takes one.
    vscrollcpuusage =
        Named(new QScrollBar(Qt::Vertical, this), QStringLiteral("vscrollcpuusage"),
              QCoreApplication::translate("AdvancedPage", "Change the CPU usage limit by one"));
    vscrollcpuusage->setRange(0, 2);
    vscrollcpuusage->setValue(1);
    vscrollcpuusage->setFixedHeight(txtCPUUsage->sizeHint().height());
    vscrollcpuusage->setFocusPolicy(Qt::StrongFocus);
    cpuRow->addSpacing(20);
    cpuRow->addWidget(txtCPUUsage);
    cpuRow->addWidget(vscrollcpuusage);
    cpuRow->addWidget(new QLabel(QStringLiteral("%"), this));
    cpuRow->addStretch();
    layout->addLayout(cpuRow);

    const QString prepare =
        QCoreApplication::translate("AdvancedPage", "Prepare the next wallpaper in advance");
    chkpreparenext = Named(new QCheckBox(prepare, this), QStringLiteral("chkpreparenext"), prepare);
    layout->addWidget(chkpreparenext);
    auto* prepareHelp =
        new QLabel(QCoreApplication::translate(
                       "AdvancedPage",
                       "The next picture is made ready while the computer is idle, so that the "
                       "change is almost instant. It holds memory for one screen-sized picture, "
                       "and waits while the computer runs on battery."),
                   this);
    prepareHelp->setWordWrap(true);
    prepareHelp->setIndent(20);
    layout->addWidget(prepareHelp);

    layout->addSpacing(12);
    const QString heading =
        QCoreApplication::translate("AdvancedPage", "Clock and calendar transparency :");
    layout->addWidget(new QLabel(heading, this));
    auto* transparencyRow = new QHBoxLayout;
    // How transparent the widgets are, 0 at the left end ("Opaque") to 255 at
    // the right ("Transparent"), so that the arrows, a click in the trough
    // and the keys move towards the end they point at. The stored
    // Transparency is the widgets' alpha: 255 minus this.
    hscrollTransparency =
        Named(new QScrollBar(Qt::Horizontal, this), QStringLiteral("hscrollTransparency"), heading);
    hscrollTransparency->setRange(0, 255);
    hscrollTransparency->setSingleStep(1);
    hscrollTransparency->setPageStep(10);
    hscrollTransparency->setValue(0);
    hscrollTransparency->setFocusPolicy(Qt::StrongFocus);
    hscrollTransparency->setMinimumWidth(200);
    transparencyRow->addWidget(
        new QLabel(QCoreApplication::translate("AdvancedPage", "Opaque"), this));
    transparencyRow->addWidget(hscrollTransparency);
    transparencyRow->addWidget(
        new QLabel(QCoreApplication::translate("AdvancedPage", "Transparent"), this));
    transparencyRow->addStretch();
    layout->addLayout(transparencyRow);
    const QString noCompositor = QCoreApplication::translate(
        "AdvancedPage", "No compositing manager is running, so the clock and calendar cannot be "
                        "translucent: they show opaque (at the right end, not at all) until one "
                        "runs.");
    lblnocompositor =
        Named(new QLabel(noCompositor, this), QStringLiteral("lblnocompositor"), noCompositor);
    lblnocompositor->setWordWrap(true);
    lblnocompositor->setIndent(20);
    lblnocompositor->setVisible(false);
    layout->addWidget(lblnocompositor);
    // A compositing manager can start or stop while the page is shown.
    m_compositorCheck.setInterval(1500);
    connect(&m_compositorCheck, &QTimer::timeout, this, &AdvancedPage::showCompositing);
    layout->addStretch();

    connect(vscrollcpuusage, &QScrollBar::valueChanged, this,
            &AdvancedPage::vscrollcpuusage_Change);
}

void AdvancedPage::vscrollcpuusage_Change(int value) {
    if (value == 1) return;
    // Whatever was typed, the spinner only ever moves within 0 … 100.
    const int n = std::clamp(
        WholeNumberIn(txtCPUUsage->text(), INT_MIN, INT_MAX).value_or(m_app.settings.CPULimit), 0,
        100);
    if (value == 0 && n < 100)
        txtCPUUsage->setText(QString::number(n + 1));
    else if (value == 2 && n > 0)
        txtCPUUsage->setText(QString::number(n - 1));
    else
        txtCPUUsage->setText(QString::number(n));
    vscrollcpuusage->setValue(1);
}

void AdvancedPage::load() {
    const Settings& s = m_app.settings;
    chkdelaywhenlocked->setChecked(s.IsDelayWhenLocked);
    chkcpuUsage->setChecked(s.IsCPULimit);
    chkpreparenext->setChecked(s.PrepareNextWallpaper);
    txtCPUUsage->setText(QString::number(s.CPULimit));
    hscrollTransparency->setValue(255 - std::clamp<int>(s.Transparency, 0, 255));
    hscrollTransparency->setEnabled(m_app.IsNT);
    showCompositing();
}

void AdvancedPage::showCompositing() {
    DesktopWidgetSupport* support = m_app.platform.widgetSupport.get();
    const bool missing = m_app.IsNT && support && !support->blendsTranslucentWindows();
    if (missing == lblnocompositor->isVisibleTo(this)) return;
    lblnocompositor->setVisible(missing);
    // Read out with the slider too.
    hscrollTransparency->setAccessibleDescription(missing ? lblnocompositor->text() : QString());
}

void AdvancedPage::showEvent(QShowEvent* event) {
    OptionsPage::showEvent(event);
    showCompositing();
    m_compositorCheck.start();
}

void AdvancedPage::hideEvent(QHideEvent* event) {
    OptionsPage::hideEvent(event);
    m_compositorCheck.stop();
}

void AdvancedPage::apply(ApplyReport& report) {
    Settings& s = m_app.settings;
    const Settings before = s;
    // Widgets first, as the window applies them before the other pages.
    const auto alpha = qint16(255 - hscrollTransparency->value());
    if (m_app.IsNT && alpha != s.Transparency) {
        s.Transparency = alpha;
        report.parts |= SettingsPart::Widgets;
        // A changed translucency ends any move mode, on both widgets.
        if (DesktopWidgets* w = m_parts.widgets) {
            w->clock().OMove(false);
            w->calendar().OMove(false);
        }
    }
    s.IsDelayWhenLocked = chkdelaywhenlocked->isChecked();
    s.IsCPULimit = chkcpuUsage->isChecked();
    if (const auto limit = WholeNumberIn(txtCPUUsage->text(), 0, 100))
        s.CPULimit = qint16(*limit);
    else
        report.errors << QCoreApplication::translate(
                             "AdvancedPage", "The CPU limit \"%1\" is not a whole number from 0 to "
                                             "100; it stays %2%.")
                             .arg(txtCPUUsage->text())
                             .arg(s.CPULimit);
    txtCPUUsage->setText(QString::number(s.CPULimit));
    if (s.IsDelayWhenLocked != before.IsDelayWhenLocked || s.IsCPULimit != before.IsCPULimit ||
        s.CPULimit != before.CPULimit)
        report.parts |= SettingsPart::Timer;
    s.PrepareNextWallpaper = chkpreparenext->isChecked();
    if (s.PrepareNextWallpaper != before.PrepareNextWallpaper)
        report.parts |= SettingsPart::Composition;
}
