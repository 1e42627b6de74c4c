#pragma once

#include "options_window/OptionsPage.h"

class QButtonGroup;
class QCheckBox;
class QFrame;
class QLineEdit;
class QPushButton;
class QToolButton;

// The "Watermark" page: whether and what text is drawn on the wallpaper, in
// which of five spots, in which font and colour.
class WatermarkPage : public OptionsPage {
    Q_OBJECT
public:
    explicit WatermarkPage(AppContext& app, QWidget* parent = nullptr);
    void load() override;
    void apply(ApplyReport& report) override;

    QCheckBox* chkshowwatermark;
    QLineEdit* txtwatermark;
    QFrame* picwatermarkpos;
    QToolButton* cmdwatermarkpos[5];
    QPushButton* lbleditfontwatermark;
    // The font and colour chosen so far.
    FontSet font;

private:
    void showFont();
    QButtonGroup* m_positions;
};
