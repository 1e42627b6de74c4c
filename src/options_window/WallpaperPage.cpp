#include "options_window/WallpaperPage.h"

#include "options_window/Countdown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <cmath>

namespace {

const PositionMode kPositions[] = {PositionMode::Center,     PositionMode::Tile,
                                   PositionMode::Stretch,    PositionMode::FitReduce,
                                   PositionMode::FitEnlarge, PositionMode::FitReduceEnlarge};

const MonitorSharing kMonitorModes[] = {MonitorSharing::Same, MonitorSharing::Different,
                                        MonitorSharing::Span, MonitorSharing::Primary};

// The interval typed into the box, when it is a usable number of minutes.
std::optional<double> TypedInterval(const QString& text) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v) || v <= 0 || v > WallpaperPage::kMaxInterval) return std::nullopt;
    return v;
}

} // namespace

WallpaperPage::WallpaperPage(AppContext& app, QWidget* parent)
    : OptionsPage(app, QCoreApplication::translate("WallpaperPage", "Wallpaper"), 15, parent) {
    auto* layout = new QVBoxLayout(this);

    auto* timerRow = new QHBoxLayout;
    chktimer = Named(
        new QCheckBox(QCoreApplication::translate("WallpaperPage", "Switch wallpaper every"), this),
        QStringLiteral("chktimer"),
        QCoreApplication::translate("WallpaperPage", "Switch wallpaper every"));
    txtinterval = Named(new QLineEdit(this), QStringLiteral("txtinterval"),
                        QCoreApplication::translate("WallpaperPage", "Minutes between changes"));
    txtinterval->setMaximumWidth(80);
    // A spin control that rests in the middle: up adds a minute, down takes one.
    VScroll1 =
        Named(new QScrollBar(Qt::Vertical, this), QStringLiteral("VScroll1"),
              QCoreApplication::translate("WallpaperPage", "Change the interval by one minute"));
    VScroll1->setRange(0, 2);
    VScroll1->setValue(IntervalSpin::Rest);
    VScroll1->setFixedHeight(txtinterval->sizeHint().height());
    VScroll1->setFocusPolicy(Qt::StrongFocus);
    auto* minutes = new QLabel(QCoreApplication::translate("WallpaperPage", "Minutes"), this);
    minutes->setBuddy(txtinterval);
    timerRow->addWidget(chktimer);
    timerRow->addWidget(txtinterval);
    timerRow->addWidget(VScroll1);
    timerRow->addWidget(minutes);
    timerRow->addStretch();
    layout->addLayout(timerRow);

    chkstartup = Named(
        new QCheckBox(QCoreApplication::translate("WallpaperPage", "Switch wallpaper on startup"),
                      this),
        QStringLiteral("chkstartup"),
        QCoreApplication::translate("WallpaperPage", "Switch wallpaper on startup"));
    layout->addWidget(chkstartup);

    auto* tech = new QGroupBox(
        QCoreApplication::translate("WallpaperPage", "Wallpaper selecting technique"), this);
    auto* techLayout = new QHBoxLayout(tech);
    const QString techCaptions[2] = {QCoreApplication::translate("WallpaperPage", "Random "),
                                     QCoreApplication::translate("WallpaperPage", "Sequence")};
    for (int i = 0; i < 2; ++i) {
        opttech[i] = Named(new QRadioButton(techCaptions[i], tech),
                           QStringLiteral("opttech%1").arg(i), techCaptions[i]);
        techLayout->addWidget(opttech[i]);
    }
    layout->addWidget(tech);

    chkautostart =
        Named(new QCheckBox(
                  QCoreApplication::translate("WallpaperPage", "Start Tessaly on windows start-up"),
                  this),
              QStringLiteral("chkautostart"),
              QCoreApplication::translate("WallpaperPage", "Start Tessaly on windows start-up"));
    layout->addWidget(chkautostart);

    auto* grid = new QGridLayout;
    cmbposition = Named(new QComboBox(this), QStringLiteral("cmbposition"),
                        QCoreApplication::translate("WallpaperPage", "Wallpaper position "));
    for (PositionMode m : kPositions)
        cmbposition->addItem(
            QCoreApplication::translate("Settings", PositionText(m).toLatin1().constData()),
            PositionText(m));
    auto* positionLabel =
        new QLabel(QCoreApplication::translate("WallpaperPage", "Wallpaper position "), this);
    positionLabel->setBuddy(cmbposition);
    cmbwallpapersource = Named(new QComboBox(this), QStringLiteral("cmbwallpapersource"),
                               QCoreApplication::translate("WallpaperPage", "Wallpaper source"));
    cmbwallpapersource->addItems(
        {QCoreApplication::translate("WallpaperPage", "Local Files list"),
         QCoreApplication::translate("WallpaperPage", "Local Folders list"),
         QCoreApplication::translate("WallpaperPage", "Internet", "wallpaper source")});
    auto* sourceLabel =
        new QLabel(QCoreApplication::translate("WallpaperPage", "Wallpaper source"), this);
    sourceLabel->setBuddy(cmbwallpapersource);
    cmbmonitormode = Named(new QComboBox(this), QStringLiteral("cmbmonitormode"),
                           QCoreApplication::translate("WallpaperPage", "Several monitors"));
    for (MonitorSharing m : kMonitorModes)
        cmbmonitormode->addItem(
            QCoreApplication::translate("Settings", MonitorModeText(m).toLatin1().constData()),
            MonitorModeText(m));
    cmbmonitormode->setToolTip(QCoreApplication::translate(
        "WallpaperPage", "Same: the picture on every monitor. Different: each monitor the next "
                         "picture. Span: one picture across all monitors. Primary: the main "
                         "monitor's picture alone."));
    auto* monitorsLabel =
        new QLabel(QCoreApplication::translate("WallpaperPage", "Several monitors"), this);
    monitorsLabel->setBuddy(cmbmonitormode);
    grid->addWidget(positionLabel, 0, 0);
    grid->addWidget(cmbposition, 0, 1);
    grid->addWidget(sourceLabel, 1, 0);
    grid->addWidget(cmbwallpapersource, 1, 1);
    grid->addWidget(monitorsLabel, 2, 0);
    grid->addWidget(cmbmonitormode, 2, 1);
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);

    chkbubblefilename = Named(
        new QCheckBox(QCoreApplication::translate("WallpaperPage",
                                                  "Show file name near tray icon for seconds"),
                      this),
        QStringLiteral("chkbubblefilename"),
        QCoreApplication::translate("WallpaperPage", "Show file name near tray icon for seconds"));
    layout->addWidget(chkbubblefilename);
    layout->addStretch();

    connect(VScroll1, &QScrollBar::valueChanged, this, &WallpaperPage::VScroll1_Change);
    connect(cmbwallpapersource, &QComboBox::currentIndexChanged, this,
            &WallpaperPage::cmbwallpapersource_Click);
}

void WallpaperPage::VScroll1_Change(int value) {
    if (value == IntervalSpin::Rest) return;
    // A box that holds no number steps from the stored interval.
    const double typed = TypedInterval(txtinterval->text()).value_or(m_app.settings.IntervalTimer);
    const double next = std::min(IntervalAfterSpin(typed, value, cmbwallpapersource->currentIndex(),
                                                   m_app.settings.IntCoolDown),
                                 kMaxInterval);
    txtinterval->setText(IntervalText(next));
    VScroll1->setValue(IntervalSpin::Rest);
}

void WallpaperPage::cmbwallpapersource_Click(int index) {
    if (!m_loading) {
        if (const auto typed = TypedInterval(txtinterval->text()))
            txtinterval->setText(
                IntervalText(IntervalForSource(*typed, index, m_app.settings.IntCoolDown)));
    }
    emit sourceChosen(index);
}

void WallpaperPage::load() {
    const Settings& s = m_app.settings;
    m_loading = true;
    chktimer->setChecked(s.WallpaperTimer);
    txtinterval->setText(IntervalText(s.IntervalTimer));
    chkstartup->setChecked(s.WallpaperStartup);
    opttech[s.TechniqueTimer == ChangeTechnique::Random ? 0 : 1]->setChecked(true);
    chkautostart->setChecked(s.AutoStart);
    // A stored position outside the list shows no choice and is kept on apply.
    cmbposition->setCurrentIndex(cmbposition->findData(s.WallPaperPosition.text));
    cmbwallpapersource->setCurrentIndex(int(s.WPSource));
    emit sourceChosen(int(s.WPSource));
    chkbubblefilename->setChecked(s.BubbleFileName);
    cmbmonitormode->setCurrentIndex(cmbmonitormode->findData(MonitorModeText(s.MonitorMode)));
    m_loading = false;
}

void WallpaperPage::apply(ApplyReport& report) {
    Settings& s = m_app.settings;
    const Settings before = s;
    s.WallpaperTimer = chktimer->isChecked();
    if (const auto interval = TypedInterval(txtinterval->text()))
        s.IntervalTimer = *interval;
    else
        report.errors << QCoreApplication::translate(
                             "WallpaperPage",
                             "The interval \"%1\" is not a number of minutes above 0 "
                             "and up to %2; the interval stays %3 minutes.")
                             .arg(txtinterval->text(), IntervalText(kMaxInterval),
                                  IntervalText(s.IntervalTimer));
    s.WallpaperStartup = chkstartup->isChecked();
    s.TechniqueTimer =
        opttech[0]->isChecked() ? ChangeTechnique::Random : ChangeTechnique::Sequence;
    s.AutoStart = chkautostart->isChecked();
    if (cmbposition->currentIndex() >= 0)
        s.WallPaperPosition = WallpaperPosition::of(kPositions[cmbposition->currentIndex()]);
    s.WPSource = WallpaperSource(std::clamp(cmbwallpapersource->currentIndex(), 0, 2));
    s.BubbleFileName = chkbubblefilename->isChecked();
    if (cmbmonitormode->currentIndex() >= 0)
        s.MonitorMode = kMonitorModes[cmbmonitormode->currentIndex()];

    if (s.WallpaperTimer != before.WallpaperTimer || s.IntervalTimer != before.IntervalTimer)
        report.parts |= SettingsPart::Timer;
    if (s.WPSource != before.WPSource) report.parts |= SettingsPart::PictureLists;
    if (!(s.WallPaperPosition == before.WallPaperPosition) || s.MonitorMode != before.MonitorMode)
        report.parts |= SettingsPart::Composition;
    // The technique decides the order of the internet file list.
    if (s.TechniqueTimer != before.TechniqueTimer) report.parts |= SettingsPart::Internet;
    // The interval shown is the one in force.
    txtinterval->setText(IntervalText(s.IntervalTimer));
}
