#include "options_window/ColorsPageWidget.h"

#include "widgets/FontSetStyle.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

ColorsPage::ColorsPage(AppContext& app, QWidget* parent)
    : OptionsPage(app, QCoreApplication::translate("ColorsPageWidget", "Wallpaper colors"), 16,
                  parent) {
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    struct Bar {
        QScrollBar*& bar;
        QLabel*& label;
        const char* name;
        const char* labelName;
        const char* caption;
        int low, high, small, initial;
    } bars[] = {
        {HSBright, lblbrightness, "HSBright", "lblbrightness",
         QT_TRANSLATE_NOOP("ColorsPageWidget", "Brightness"), 0, 200, 1, 100},
        {HSRed, lblred, "HSRed", "lblred", QT_TRANSLATE_NOOP("ColorsPageWidget", "Red"), -255, 255,
         2, 0},
        {HSGreen, lblgreen, "HSGreen", "lblgreen", QT_TRANSLATE_NOOP("ColorsPageWidget", "Green"),
         -255, 255, 2, 0},
        {HSBlue, lblblue, "HSBlue", "lblblue", QT_TRANSLATE_NOOP("ColorsPageWidget", "Blue"), -255,
         255, 2, 0},
        {HSGamma, lblgamma, "HSGamma", "lblgamma", QT_TRANSLATE_NOOP("ColorsPageWidget", "Gamma"),
         1, 200, 1, 100},
    };
    int row = 0;
    for (Bar& b : bars) {
        const QString caption = QCoreApplication::translate("ColorsPageWidget", b.caption);
        auto* label = new QLabel(caption, this);
        b.bar = Named(new QScrollBar(Qt::Horizontal, this), QString::fromLatin1(b.name), caption);
        b.bar->setRange(b.low, b.high);
        b.bar->setSingleStep(b.small);
        b.bar->setPageStep(10);
        b.bar->setValue(b.initial);
        b.bar->setFocusPolicy(Qt::StrongFocus);
        b.bar->setMinimumWidth(200);
        label->setBuddy(b.bar);
        b.label = Named(new QLabel(this), QString::fromLatin1(b.labelName), caption);
        b.label->setMinimumWidth(50);
        grid->addWidget(label, row, 0);
        grid->addWidget(b.bar, row, 1);
        grid->addWidget(b.label, row, 2);
        ++row;
        connect(b.bar, &QScrollBar::valueChanged, this, &ColorsPage::ApplyFiltersToSample);
    }
    layout->addLayout(grid);

    auto* optionsRow = new QHBoxLayout;
    chkinvertcolor =
        Named(new QCheckBox(QCoreApplication::translate("ColorsPageWidget", "Invert colors"), this),
              QStringLiteral("chkinvertcolor"),
              QCoreApplication::translate("ColorsPageWidget", "Invert colors"));
    cmdreseteffects =
        Named(new QPushButton(QCoreApplication::translate("ColorsPageWidget", "Reset",
                                                          "button: undo the colour changes"),
                              this),
              QStringLiteral("cmdreseteffects"),
              QCoreApplication::translate("ColorsPageWidget", "Reset",
                                          "button: undo the colour changes"));
    optionsRow->addWidget(chkinvertcolor);
    optionsRow->addStretch();
    optionsRow->addWidget(cmdreseteffects);
    layout->addLayout(optionsRow);

    auto* example =
        new QGroupBox(QCoreApplication::translate("ColorsPageWidget", "Example",
                                                  "preview pictures of the colour filters"),
                      this);
    auto* exampleRow = new QHBoxLayout(example);
    picsamplebefore = Named(new QLabel(example), QStringLiteral("picsamplebefore"),
                            QCoreApplication::translate("ColorsPageWidget", "Example before"));
    picsampleafter = Named(new QLabel(example), QStringLiteral("picsampleafter"),
                           QCoreApplication::translate("ColorsPageWidget", "Example after"));
    exampleRow->addWidget(picsamplebefore);
    exampleRow->addWidget(picsampleafter);
    exampleRow->addStretch();
    layout->addWidget(example);

    auto* colorRow = new QHBoxLayout;
    auto* colorLabel =
        new QLabel(QCoreApplication::translate("ColorsPageWidget", "Desktop color:"), this);
    picdesktopcolor = Named(new QPushButton(this), QStringLiteral("picdesktopcolor"),
                            QCoreApplication::translate("ColorsPageWidget", "Desktop color:"));
    picdesktopcolor->setFixedSize(48, 24);
    colorLabel->setBuddy(picdesktopcolor);
    colorRow->addWidget(colorLabel);
    colorRow->addWidget(picdesktopcolor);
    colorRow->addStretch();
    layout->addLayout(colorRow);
    layout->addStretch();

    // The example is the sample picture at a size that fits the page.
    m_sample = QImage(m_app.programFolder + QStringLiteral("/sample.jpg"));
    if (m_sample.isNull()) {
        m_sample = QImage(160, 120, QImage::Format_RGB32);
        m_sample.fill(QColor(90, 140, 200));
    }
    m_sample = m_sample.scaled(160, 120, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                   .convertToFormat(QImage::Format_RGB32);
    picsamplebefore->setPixmap(QPixmap::fromImage(m_sample));

    connect(chkinvertcolor, &QCheckBox::toggled, this, &ColorsPage::ApplyFiltersToSample);
    connect(cmdreseteffects, &QPushButton::clicked, this, [this] {
        HSBlue->setValue(0);
        HSGreen->setValue(0);
        HSRed->setValue(0);
        HSBright->setValue(100);
        HSGamma->setValue(100);
        chkinvertcolor->setChecked(false);
    });
    connect(picdesktopcolor, &QPushButton::clicked, this, [this] {
        const QColor c = QColorDialog::getColor(ColorOf(qint32(desktopColor)), this);
        if (!c.isValid()) return; // cancelled
        desktopColor = quint32(ColorRefOf(c));
        showDesktopColor();
    });
    ApplyFiltersToSample();
}

ColorPageControls ColorsPage::controls() const {
    ColorPageControls c;
    c.HSBright = HSBright->value();
    c.HSRed = HSRed->value();
    c.HSGreen = HSGreen->value();
    c.HSBlue = HSBlue->value();
    c.HSGamma = HSGamma->value();
    c.chkinvertcolor = chkinvertcolor->isChecked();
    return c;
}

void ColorsPage::ApplyFiltersToSample() {
    lblbrightness->setText(BrightnessLabelText(HSBright->value()));
    lblred->setText(ColorOffsetLabelText(HSRed->value()));
    lblgreen->setText(ColorOffsetLabelText(HSGreen->value()));
    lblblue->setText(ColorOffsetLabelText(HSBlue->value()));
    lblgamma->setText(GammaLabelText(HSGamma->value()));
    picsampleafter->setPixmap(QPixmap::fromImage(RenderFilterPreview(m_sample, controls())));
}

void ColorsPage::showDesktopColor() {
    picdesktopcolor->setStyleSheet(QStringLiteral("background: %1; border: 1px solid black;")
                                       .arg(ColorOf(qint32(desktopColor)).name()));
    picdesktopcolor->setToolTip(ColorOf(qint32(desktopColor)).name());
}

void ColorsPage::load() {
    const ColorPageControls c = ColorPageControls::fromFilters(m_app.settings.colors());
    HSBright->setValue(c.HSBright);
    HSRed->setValue(c.HSRed);
    HSGreen->setValue(c.HSGreen);
    HSBlue->setValue(c.HSBlue);
    HSGamma->setValue(c.HSGamma);
    chkinvertcolor->setChecked(c.chkinvertcolor);
    ApplyFiltersToSample();
    openedDesktopColor = desktopColor = m_app.platform.desktop->desktopColor();
    showDesktopColor();
}

void ColorsPage::apply(ApplyReport& report) {
    const ColorFilterSettings f = controls().filters();
    ColorFilterSettings& s = m_app.settings;
    if (f.EBright != s.EBright || f.ERed != s.ERed || f.EGreen != s.EGreen || f.EBlue != s.EBlue ||
        f.EGamma != s.EGamma || f.EInvert != s.EInvert)
        report.parts |= SettingsPart::Composition;
    s = f;
    // The desktop colour is the desktop's: set only when the user chose another.
    if (desktopColor != openedDesktopColor) {
        m_app.platform.desktop->setDesktopColor(desktopColor);
        openedDesktopColor = desktopColor;
        report.parts |= SettingsPart::Composition;
    }
}
