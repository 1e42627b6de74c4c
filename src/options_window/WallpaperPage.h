#pragma once

#include "options_window/OptionsPage.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QScrollBar;

// The "Wallpaper" page: the change timer and its interval, the start-up
// change, the technique, the position, the picture source and how several
// monitors share the wallpaper.
class WallpaperPage : public OptionsPage {
    Q_OBJECT
public:
    explicit WallpaperPage(AppContext& app, QWidget* parent = nullptr);
    void load() override;
    void apply(ApplyReport& report) override;
    // The longest interval the page takes, in minutes (one year).
    static constexpr double kMaxInterval = 525600;

    QCheckBox* chktimer;
    QLineEdit* txtinterval;
    QScrollBar* VScroll1;
    QCheckBox* chkstartup;
    QRadioButton* opttech[2];
    QCheckBox* chkautostart;
    QComboBox* cmbposition;
    QComboBox* cmbwallpapersource;
    QComboBox* cmbmonitormode;
    QCheckBox* chkbubblefilename;

signals:
    // The source list's choice changed (the window shows the matching pane).
    void sourceChosen(int index);

private:
    void VScroll1_Change(int value);
    void cmbwallpapersource_Click(int index);
    bool m_loading = false;
};
