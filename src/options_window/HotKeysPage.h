#pragma once

#include "options_window/OptionsPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// The "Hot Keys" page: five rows, each a binding of one action to a key
// combination, with the answer of its last registration (as a picture and in
// words), kept up to date as the desktop answers.
class HotKeysPage : public OptionsPage {
    Q_OBJECT
public:
    // Clear, switch, the timer, this window, the previous wallpaper.
    static constexpr int Rows = 5;

    explicit HotKeysPage(AppContext& app, QWidget* parent = nullptr);
    void load() override;
    void apply(ApplyReport& report) override;
    void afterApply() override { showStatus(); }

    QCheckBox* chkhk[Rows];
    QComboBox* cmbhotkey[Rows];
    QLabel* lblhk[Rows];
    QLineEdit* txthotkey[Rows];
    QLabel* imghotkey[Rows];
    // What became of the row's combination: in force, refused and why, or
    // handed to the desktop and where it shows.
    QLabel* lblhkstatus[Rows];

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showStatus();
    // The captured key of each row (virtual-key code as text; empty: none).
    QString m_tag[Rows];
};
