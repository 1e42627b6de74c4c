#include "options_window/AdvancedPage.h"

#include "widgets/CalendarWidget.h"
#include "widgets/ClockWidget.h"
#include "widgets/DesktopWidgets.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QVBoxLayout>

AdvancedPage::AdvancedPage(AppContext& app, const OptionsWindowParts& parts, QWidget* parent)
    : OptionsPage(app, QStringLiteral("Advanced"), 28, parent), m_parts(parts) {
    auto* layout = new QVBoxLayout(this);
    const QString locked = QStringLiteral("Delay automatic wallpaper changing if screen saver is "
                                          "running or the computer is locked.");
    chkdelaywhenlocked =
        Named(new QCheckBox(locked, this), QStringLiteral("chkdelaywhenlocked"), locked);
    layout->addWidget(chkdelaywhenlocked);

    const QString cpu =
        QStringLiteral("Delay automatic wallpaper changing if the cpu usage is equal or above :");
    chkcpuUsage = Named(new QCheckBox(cpu, this), QStringLiteral("chkcpuUsage"), cpu);
    layout->addWidget(chkcpuUsage);
    auto* cpuRow = new QHBoxLayout;
    txtCPUUsage = Named(new QLineEdit(QStringLiteral("100"), this), QStringLiteral("txtCPUUsage"),
                        QStringLiteral("CPU usage limit in percent"));
    txtCPUUsage->setMaximumWidth(60);
    // A spin control that rests in the middle: up adds one, down takes one.
    vscrollcpuusage = Named(new QScrollBar(Qt::Vertical, this), QStringLiteral("vscrollcpuusage"),
                            QStringLiteral("Change the CPU usage limit by one"));
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

    const QString prepare = QStringLiteral("Prepare the next wallpaper in advance");
    chkpreparenext = Named(new QCheckBox(prepare, this), QStringLiteral("chkpreparenext"), prepare);
    layout->addWidget(chkpreparenext);
    auto* prepareHelp = new QLabel(
        QStringLiteral("The next picture is made ready while the computer is idle, so that the "
                       "change is almost instant. It holds memory for one screen-sized picture, "
                       "and waits while the computer runs on battery."),
        this);
    prepareHelp->setWordWrap(true);
    prepareHelp->setIndent(20);
    layout->addWidget(prepareHelp);

    layout->addSpacing(12);
    const QString heading = QStringLiteral("Clock and calendar transparency :");
    layout->addWidget(new QLabel(heading, this));
    auto* transparencyRow = new QHBoxLayout;
    // The alpha itself, 255 at the left end ("Opaque"), 0 at the right.
    hscrollTransparency =
        Named(new QScrollBar(Qt::Horizontal, this), QStringLiteral("hscrollTransparency"), heading);
    hscrollTransparency->setRange(0, 255);
    hscrollTransparency->setInvertedAppearance(true);
    hscrollTransparency->setInvertedControls(true);
    hscrollTransparency->setSingleStep(1);
    hscrollTransparency->setPageStep(10);
    hscrollTransparency->setValue(255);
    hscrollTransparency->setFocusPolicy(Qt::StrongFocus);
    hscrollTransparency->setMinimumWidth(200);
    transparencyRow->addWidget(new QLabel(QStringLiteral("Opaque"), this));
    transparencyRow->addWidget(hscrollTransparency);
    transparencyRow->addWidget(new QLabel(QStringLiteral("Transparent"), this));
    transparencyRow->addStretch();
    layout->addLayout(transparencyRow);
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
    hscrollTransparency->setValue(s.Transparency);
    hscrollTransparency->setEnabled(m_app.IsNT);
}

void AdvancedPage::apply(ApplyReport& report) {
    Settings& s = m_app.settings;
    const Settings before = s;
    // Widgets first, as the window applies them before the other pages.
    if (m_app.IsNT && hscrollTransparency->value() != s.Transparency) {
        s.Transparency = qint16(hscrollTransparency->value());
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
        report.errors << QStringLiteral("The CPU limit \"%1\" is not a whole number from 0 to "
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
