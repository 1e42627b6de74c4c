#include "options_window/FontPicker.h"

#include "widgets/FontSetStyle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

template <typename T> T* named(T* w, const QString& name, const QString& accessible) {
    w->setObjectName(name);
    w->setAccessibleName(accessible);
    return w;
}

QString colorStyle(const QColor& c) {
    return QStringLiteral("background-color: %1; border: 1px solid #808080;").arg(c.name());
}

constexpr int kColumns = 8;
constexpr int kSwatches = 48;

// One swatch of the palette: a radio button drawn as its colour. The swatches
// of a palette share one Tab stop, the last one that had the focus; the
// arrow keys, Home and End move the focus among them, Space or Enter picks.
class ColorSwatch : public QAbstractButton {
public:
    ColorSwatch(int index, const QColor& color, QWidget* parent)
        : QAbstractButton(parent), m_index(index), m_color(color) {
        setCheckable(true);
        setAutoExclusive(true);
        setFocusPolicy(Qt::ClickFocus);
    }

    // Makes this swatch the one Tab reaches; the others take the focus only
    // from a click or an arrow key.
    void becomeTabStop() {
        for (ColorSwatch* s : swatches())
            s->setFocusPolicy(s == this ? Qt::StrongFocus : Qt::ClickFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), m_color);
        p.setPen(QColor(128, 128, 128));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        if (hasFocus()) {
            // Black and white together show on every colour of the palette.
            p.setPen(QPen(Qt::black, 2));
            p.drawRect(rect().adjusted(1, 1, -1, -1));
            p.setPen(QPen(Qt::white, 1, Qt::DotLine));
            p.drawRect(rect().adjusted(2, 2, -3, -3));
        }
    }
    void focusInEvent(QFocusEvent* event) override {
        becomeTabStop();
        raise(); // above the neighbours it overlaps, so that its frame shows whole
        QAbstractButton::focusInEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override {
        const QList<ColorSwatch*> all = swatches();
        const int i = int(all.indexOf(this));
        int next = -1;
        switch (event->key()) {
        case Qt::Key_Left:
            next = i - 1;
            break;
        case Qt::Key_Right:
            next = i + 1;
            break;
        case Qt::Key_Up:
            next = i - kColumns;
            break;
        case Qt::Key_Down:
            next = i + kColumns;
            break;
        case Qt::Key_Home:
            next = 0;
            break;
        case Qt::Key_End:
            next = int(all.size()) - 1;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!event->isAutoRepeat()) click();
            return;
        default:
            // Space picks as on any button; Tab and Shift+Tab leave the palette.
            return QAbstractButton::keyPressEvent(event);
        }
        if (next >= 0 && next < all.size()) all[next]->setFocus(Qt::TabFocusReason);
    }

private:
    // The palette's swatches in palette order, this one among them (the
    // order of the children changes as a swatch is raised).
    QList<ColorSwatch*> swatches() const {
        QList<ColorSwatch*> all;
        for (QObject* o : parent()->children())
            if (auto* s = dynamic_cast<ColorSwatch*>(o)) all << s;
        std::sort(all.begin(), all.end(), [](const ColorSwatch* a, const ColorSwatch* b) {
            return a->m_index < b->m_index;
        });
        return all;
    }
    int m_index;
    QColor m_color;
};

} // namespace

const std::array<QColor, 48>& FontPicker::paletteColors() {
    static const std::array<QColor, 48> colors = {
        QColor(255, 255, 255), {255, 192, 192}, {255, 224, 192},
        {255, 255, 192},       {192, 255, 192}, {192, 255, 255},
        {192, 192, 255},       {255, 192, 255}, {224, 224, 224},
        {255, 128, 128},       {255, 192, 128}, {255, 255, 128},
        {128, 255, 128},       {128, 255, 255}, {128, 128, 255},
        {255, 128, 255},       {192, 192, 192}, {255, 0, 0},
        {255, 128, 0},         {255, 255, 0},   {0, 255, 0},
        {0, 255, 255},         {0, 0, 255},     {255, 0, 255},
        {128, 128, 128},       {192, 0, 0},     {192, 64, 0},
        {192, 192, 0},         {0, 192, 0},     {0, 192, 192},
        {0, 0, 192},           {192, 0, 192},   {64, 64, 64},
        {128, 0, 0},           {128, 64, 0},    {128, 128, 0},
        {0, 128, 0},           {0, 128, 128},   {0, 0, 128},
        {128, 0, 128},         {0, 0, 0},       {64, 0, 0},
        {128, 64, 64},         {64, 64, 0},     {0, 64, 0},
        {0, 64, 64},           {0, 0, 64},      {64, 0, 64},
    };
    return colors;
}

QString FontPicker::paletteColorName(int i) {
    // Row by row, as the palette shows them.
    // clang-format off
    static const char* const names[kSwatches] = {
        QT_TRANSLATE_NOOP("FontPicker", "White"), QT_TRANSLATE_NOOP("FontPicker", "Pale red"),
        QT_TRANSLATE_NOOP("FontPicker", "Pale orange"), QT_TRANSLATE_NOOP("FontPicker", "Pale yellow"),
        QT_TRANSLATE_NOOP("FontPicker", "Pale green"), QT_TRANSLATE_NOOP("FontPicker", "Pale cyan"),
        QT_TRANSLATE_NOOP("FontPicker", "Pale blue"), QT_TRANSLATE_NOOP("FontPicker", "Pale magenta"),
        QT_TRANSLATE_NOOP("FontPicker", "Light grey"), QT_TRANSLATE_NOOP("FontPicker", "Light red"),
        QT_TRANSLATE_NOOP("FontPicker", "Light orange"), QT_TRANSLATE_NOOP("FontPicker", "Light yellow"),
        QT_TRANSLATE_NOOP("FontPicker", "Light green"), QT_TRANSLATE_NOOP("FontPicker", "Light cyan"),
        QT_TRANSLATE_NOOP("FontPicker", "Light blue"), QT_TRANSLATE_NOOP("FontPicker", "Light magenta"),
        QT_TRANSLATE_NOOP("FontPicker", "Silver"), QT_TRANSLATE_NOOP("FontPicker", "Red"),
        QT_TRANSLATE_NOOP("FontPicker", "Orange"), QT_TRANSLATE_NOOP("FontPicker", "Yellow"),
        QT_TRANSLATE_NOOP("FontPicker", "Green"), QT_TRANSLATE_NOOP("FontPicker", "Cyan"),
        QT_TRANSLATE_NOOP("FontPicker", "Blue"), QT_TRANSLATE_NOOP("FontPicker", "Magenta"),
        QT_TRANSLATE_NOOP("FontPicker", "Grey"), QT_TRANSLATE_NOOP("FontPicker", "Dark red"),
        QT_TRANSLATE_NOOP("FontPicker", "Dark orange"), QT_TRANSLATE_NOOP("FontPicker", "Dark yellow"),
        QT_TRANSLATE_NOOP("FontPicker", "Dark green"), QT_TRANSLATE_NOOP("FontPicker", "Dark cyan"),
        QT_TRANSLATE_NOOP("FontPicker", "Dark blue"), QT_TRANSLATE_NOOP("FontPicker", "Dark magenta"),
        QT_TRANSLATE_NOOP("FontPicker", "Dark grey"), QT_TRANSLATE_NOOP("FontPicker", "Maroon"),
        QT_TRANSLATE_NOOP("FontPicker", "Brown"), QT_TRANSLATE_NOOP("FontPicker", "Olive"),
        QT_TRANSLATE_NOOP("FontPicker", "Deep green"), QT_TRANSLATE_NOOP("FontPicker", "Teal"),
        QT_TRANSLATE_NOOP("FontPicker", "Navy"), QT_TRANSLATE_NOOP("FontPicker", "Purple"),
        QT_TRANSLATE_NOOP("FontPicker", "Black"), QT_TRANSLATE_NOOP("FontPicker", "Very dark red"),
        QT_TRANSLATE_NOOP("FontPicker", "Rosy brown"), QT_TRANSLATE_NOOP("FontPicker", "Dark olive"),
        QT_TRANSLATE_NOOP("FontPicker", "Very dark green"), QT_TRANSLATE_NOOP("FontPicker", "Very dark cyan"),
        QT_TRANSLATE_NOOP("FontPicker", "Very dark blue"), QT_TRANSLATE_NOOP("FontPicker", "Very dark purple"),
    };
    // clang-format on
    return i >= 0 && i < kSwatches ? QCoreApplication::translate("FontPicker", names[i])
                                   : QString();
}

FontPicker::FontPicker(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmfont"));
    setWindowTitle(QCoreApplication::translate("FontPicker", "Font"));
    setModal(true);

    cmbfont = named(new QComboBox, QStringLiteral("cmbfont"),
                    QCoreApplication::translate("FontPicker", "Font name :"));
    // Every installed font, in the order the system lists them.
    cmbfont->addItems(QFontDatabase::families());
    cmbsize = named(new QComboBox, QStringLiteral("cmbsize"),
                    QCoreApplication::translate("FontPicker", "Size :"));
    cmbsize->setEditable(true);
    for (int size = 8; size <= 24; size += 2)
        cmbsize->addItem(QString::number(size));
    chkbold = named(new QCheckBox(QCoreApplication::translate("FontPicker", "Bold")),
                    QStringLiteral("chkbold"), QCoreApplication::translate("FontPicker", "Bold"));
    chkItalic =
        named(new QCheckBox(QCoreApplication::translate("FontPicker", "Italic")),
              QStringLiteral("chkItalic"), QCoreApplication::translate("FontPicker", "Italic"));
    chkUnderline = named(new QCheckBox(QCoreApplication::translate("FontPicker", "UnderLine")),
                         QStringLiteral("chkUnderline"),
                         QCoreApplication::translate("FontPicker", "UnderLine"));

    auto* fontRow = new QGridLayout;
    auto* fontLabel = new QLabel(QCoreApplication::translate("FontPicker", "Font name :"));
    fontLabel->setBuddy(cmbfont);
    auto* sizeLabel = new QLabel(QCoreApplication::translate("FontPicker", "Size :"));
    sizeLabel->setBuddy(cmbsize);
    fontRow->addWidget(fontLabel, 0, 0);
    fontRow->addWidget(cmbfont, 0, 1);
    fontRow->addWidget(sizeLabel, 1, 0);
    fontRow->addWidget(cmbsize, 1, 1);
    auto* styles = new QHBoxLayout;
    styles->addWidget(chkbold);
    styles->addWidget(chkItalic);
    styles->addWidget(chkUnderline);
    fontRow->addLayout(styles, 2, 0, 1, 2);

    // The palette: 8 columns by 6 rows at 180-twip steps, each cell 195
    // twips wide, so neighbours overlap.
    frmcolor =
        named(new QGroupBox(QCoreApplication::translate("FontPicker", "Color",
                                                        "button: choose the font colour")),
              QStringLiteral("frmcolor"),
              QCoreApplication::translate("FontPicker", "Color", "button: choose the font colour"));
    piccolor =
        named(new QWidget, QStringLiteral("piccolor"),
              QCoreApplication::translate("FontPicker", "Color", "button: choose the font colour"));
    const double dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
    const auto twips = [dpi](double t) { return qRound(t * dpi / 1440.0); };
    for (int i = 0; i < kSwatches; ++i) {
        const QColor& c = paletteColors()[i];
        const QString hex = c.name(QColor::HexRgb).toUpper();
        auto* cell = named(new ColorSwatch(i, c, piccolor), QStringLiteral("lblcolor%1").arg(i),
                           paletteColorName(i));
        cell->setAccessibleDescription(hex);
        cell->setToolTip(paletteColorName(i) + QStringLiteral(" (") + hex + QLatin1Char(')'));
        cell->setGeometry(twips((i % kColumns) * 180), twips((i / kColumns) * 180), twips(195),
                          twips(195));
        connect(cell, &QAbstractButton::clicked, this, [this, i] {
            if (frmcolor->isEnabled()) setCurrentColor(paletteColors()[i]);
        });
        lblcolor[i] = cell;
    }
    piccolor->setFixedSize(twips(7 * 180 + 195), twips(5 * 180 + 195));
    lblcurcolor = named(new QLabel, QStringLiteral("lblcurcolor"),
                        QCoreApplication::translate("FontPicker", "Current color"));
    lblcurcolor->setFixedSize(twips(600), twips(375));
    auto* colorBox = new QHBoxLayout(frmcolor);
    colorBox->addWidget(piccolor);
    colorBox->addWidget(lblcurcolor, 0, Qt::AlignBottom);

    auto* previewFrame = new QGroupBox(QCoreApplication::translate("FontPicker", "Preview :"));
    previewFrame->setAccessibleName(QCoreApplication::translate("FontPicker", "Preview :"));
    lblpreview = named(new QLabel(QStringLiteral("AaBbCcDd 12345")), QStringLiteral("lblpreview"),
                       QStringLiteral("AaBbCcDd 12345"));
    lblpreview->setAlignment(Qt::AlignCenter);
    lblpreview->setMinimumHeight(twips(700));
    (new QVBoxLayout(previewFrame))->addWidget(lblpreview);

    cmdok = named(new QToolButton, QStringLiteral("cmdok"),
                  QCoreApplication::translate("FontPicker", "accept and close window"));
    cmdok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    cmdok->setToolTip(QCoreApplication::translate("FontPicker", "accept and close window"));
    cmdcancel = named(new QToolButton, QStringLiteral("cmdcancel"),
                      QCoreApplication::translate("FontPicker", "discard and close window"));
    cmdcancel->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    cmdcancel->setToolTip(QCoreApplication::translate("FontPicker", "discard and close window"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdok);
    buttons->addWidget(cmdcancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fontRow);
    layout->addWidget(frmcolor);
    layout->addWidget(previewFrame);
    layout->addLayout(buttons);

    connect(cmbfont, &QComboBox::currentTextChanged, this, &FontPicker::Queek);
    connect(cmbsize, &QComboBox::currentTextChanged, this, &FontPicker::Queek);
    for (QCheckBox* box : {chkbold, chkItalic, chkUnderline})
        connect(box, &QCheckBox::toggled, this, &FontPicker::Queek);
    connect(cmdok, &QToolButton::clicked, this, [this] {
        cancelled = false;
        accept();
    });
    connect(cmdcancel, &QToolButton::clicked, this, [this] {
        cancelled = true;
        reject();
    });
    setCurrentColor(Qt::black);
}

void FontPicker::setCurrentColor(const QColor& color) {
    m_color = color;
    lblcurcolor->setStyleSheet(colorStyle(color));
    // The colour's swatch is checked and is where Tab enters the palette; a
    // colour not in the palette leaves every swatch unchecked.
    const auto& colors = paletteColors();
    const auto found = std::find(colors.begin(), colors.end(), color.toRgb());
    const int chosen = found == colors.end() ? -1 : int(found - colors.begin());
    QString name = color.name(QColor::HexRgb).toUpper();
    if (chosen >= 0) name = paletteColorName(chosen) + QStringLiteral(" (") + name + u')';
    lblcurcolor->setAccessibleDescription(name);
    lblcurcolor->setToolTip(name);
    for (int i = 0; i < kSwatches; ++i) {
        // The checked one of auto-exclusive buttons cannot be unchecked.
        lblcolor[i]->setAutoExclusive(false);
        lblcolor[i]->setChecked(i == chosen);
        lblcolor[i]->setAutoExclusive(true);
    }
    if (!piccolor->isAncestorOf(QApplication::focusWidget()))
        static_cast<ColorSwatch*>(lblcolor[std::max(chosen, 0)])->becomeTabStop();
    Queek();
}

void FontPicker::Queek() {
    QFont f(cmbfont->currentText());
    bool ok = false;
    const double size = cmbsize->currentText().toDouble(&ok);
    if (ok && size > 0) f.setPointSizeF(size);
    f.setBold(chkbold->isChecked());
    f.setItalic(chkItalic->isChecked());
    f.setUnderline(chkUnderline->isChecked());
    lblpreview->setFont(f);
    lblpreview->setStyleSheet(QStringLiteral("color: %1;").arg(m_color.name()));
}

void PickFontAndColor(FontSet& target, bool allowFont, bool allowSize, bool allowColor,
                      QWidget* parent) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    FontPicker picker(parent);
    if (allowFont) {
        if (!allowSize) picker.cmbsize->setEnabled(false);
    } else {
        for (QWidget* w :
             std::initializer_list<QWidget*>{picker.cmbfont, picker.cmbsize, picker.chkbold,
                                             picker.chkItalic, picker.chkUnderline})
            w->setEnabled(false);
        picker.setWindowTitle(QCoreApplication::translate("FontPicker", "Select Color"));
    }
    if (!allowColor) {
        picker.frmcolor->setEnabled(false);
        picker.setWindowTitle(QCoreApplication::translate("FontPicker", "Select Font"));
    }
    // A font that is not installed stays the choice until another is picked.
    if (picker.cmbfont->findText(target.name) < 0) picker.cmbfont->insertItem(0, target.name);
    picker.cmbfont->setCurrentText(target.name);
    picker.cmbsize->setCurrentText(QString::number(target.size));
    picker.chkbold->setChecked(target.bold);
    picker.chkItalic->setChecked(target.Italic);
    picker.chkUnderline->setChecked(target.Underline);
    picker.setCurrentColor(ColorOf(target.color));
    picker.Queek();
    QApplication::restoreOverrideCursor();
    picker.exec();
    if (picker.cancelled) return;

    QString error;
    target.name = picker.cmbfont->currentText();
    bool ok = false;
    const double size = picker.cmbsize->currentText().trimmed().toDouble(&ok);
    if (ok && size > 0)
        target.size = size;
    else
        error = QCoreApplication::translate("FontPicker", "The font size \"%1\" is not a number.")
                    .arg(picker.cmbsize->currentText());
    target.bold = picker.chkbold->isChecked();
    target.Italic = picker.chkItalic->isChecked();
    target.Underline = picker.chkUnderline->isChecked();
    target.color = ColorRefOf(picker.currentColor());
    if (!error.isEmpty()) QMessageBox::critical(parent, QStringLiteral("Tessaly"), error);
}
