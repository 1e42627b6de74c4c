#pragma once

#include "options_window/ColorsPage.h"
#include "options_window/OptionsPage.h"

#include <QImage>

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollBar;

// The "Colors" page: the colour filters with a live before/after example of
// the sample picture, and the desktop colour around the picture.
class ColorsPage : public OptionsPage {
    Q_OBJECT
public:
    explicit ColorsPage(AppContext& app, QWidget* parent = nullptr);
    void load() override;
    void apply(ApplyReport& report) override;

    // Refreshes the five value labels and renders the example from the
    // controls as they are now.
    void ApplyFiltersToSample();
    ColorPageControls controls() const;

    QScrollBar* HSBright;
    QScrollBar* HSRed;
    QScrollBar* HSGreen;
    QScrollBar* HSBlue;
    QScrollBar* HSGamma;
    QLabel* lblbrightness;
    QLabel* lblred;
    QLabel* lblgreen;
    QLabel* lblblue;
    QLabel* lblgamma;
    QCheckBox* chkinvertcolor;
    QPushButton* cmdreseteffects;
    QLabel* picsamplebefore;
    QLabel* picsampleafter;
    QPushButton* picdesktopcolor;
    // The desktop colour shown (0x00BBGGRR) and the one the window opened with.
    quint32 desktopColor = 0;
    quint32 openedDesktopColor = 0;

private:
    void showDesktopColor();
    QImage m_sample;
};
