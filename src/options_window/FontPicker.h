#pragma once

#include "settings/Settings.h"

#include <QColor>
#include <QDialog>
#include <array>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QToolButton;

// The font picker: font name, size, bold, italic, underline and a colour
// from a palette of 48, with a preview. Made for one call of
// PickFontAndColor and thrown away after it.
//
// The palette works from the keyboard as well as with the mouse: Tab enters
// it at the chosen colour's swatch (the first one when the colour is not in
// the palette), the arrow keys, Home and End move between swatches, Space or
// Enter picks the one with the focus. Each swatch is a radio button named
// after its colour, checked while its colour is the chosen one.
class FontPicker : public QDialog {
    Q_OBJECT
public:
    explicit FontPicker(QWidget* parent = nullptr);

    // Redraws the preview from the current choices.
    void Queek();
    // The palette's colours, row by row.
    static const std::array<QColor, 48>& paletteColors();
    // The name of palette colour i ("Purple"), as the swatch is called.
    static QString paletteColorName(int i);
    void setCurrentColor(const QColor& color);
    QColor currentColor() const { return m_color; }

    QComboBox* cmbfont;
    QComboBox* cmbsize;
    QCheckBox* chkbold;
    QCheckBox* chkItalic;
    QCheckBox* chkUnderline;
    QGroupBox* frmcolor;
    QWidget* piccolor;
    std::array<QAbstractButton*, 48> lblcolor{};
    QLabel* lblcurcolor;
    QLabel* lblpreview;
    QToolButton* cmdok;
    QToolButton* cmdcancel;
    // How the picker was closed: true unless by cmdok.
    bool cancelled = true;

private:
    QColor m_color;
};

// Lets the user choose a font set and colour for `target`, which changes only
// when the user accepts. Parts not allowed are disabled and come back
// unchanged. A size that is not a number keeps the target's size and is
// reported in a message box once the picker has closed.
void PickFontAndColor(FontSet& target, bool allowFont, bool allowSize, bool allowColor,
                      QWidget* parent = nullptr);
