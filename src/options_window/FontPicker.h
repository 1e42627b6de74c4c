#pragma once

#include "settings/Settings.h"

#include <QColor>
#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QToolButton;

// The font picker: font name, size, bold, italic, underline and a colour
// from a palette of 48, with a preview. Made for one call of
// PickFontAndColor and thrown away after it.
class FontPicker : public QDialog {
    Q_OBJECT
public:
    explicit FontPicker(QWidget* parent = nullptr);

    // Redraws the preview from the current choices.
    void Queek();
    // The palette's colours, row by row.
    static const std::array<QColor, 48>& paletteColors();
    void setCurrentColor(const QColor& color);
    QColor currentColor() const { return m_color; }

    QComboBox* cmbfont;
    QComboBox* cmbsize;
    QCheckBox* chkbold;
    QCheckBox* chkItalic;
    QCheckBox* chkUnderline;
    QGroupBox* frmcolor;
    QWidget* piccolor;
    std::array<QLabel*, 48> lblcolor{};
    QLabel* lblcurcolor;
    QLabel* lblpreview;
    QToolButton* cmdok;
    QToolButton* cmdcancel;
    // How the picker was closed: true unless by cmdok.
    bool cancelled = true;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QColor m_color;
};

// Lets the user choose a font set and colour for `target`, which changes only
// when the user accepts. Parts not allowed are disabled and come back
// unchanged. A size that is not a number keeps the target's size and is
// reported in a message box once the picker has closed.
void PickFontAndColor(FontSet& target, bool allowFont, bool allowSize, bool allowColor,
                      QWidget* parent = nullptr);
