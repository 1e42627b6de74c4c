#pragma once

#include "options_window/OptionsPage.h"

class QCheckBox;
class QLineEdit;
class QScrollBar;

// The "Advanced" page: when automatic changes wait, whether the next
// wallpaper is prepared in advance, and how translucent the desktop clock and
// calendar are.
class AdvancedPage : public OptionsPage {
    Q_OBJECT
public:
    AdvancedPage(AppContext& app, const OptionsWindowParts& parts, QWidget* parent = nullptr);
    void load() override;
    void apply(ApplyReport& report) override;

    QCheckBox* chkdelaywhenlocked;
    QCheckBox* chkcpuUsage;
    QLineEdit* txtCPUUsage;
    QScrollBar* vscrollcpuusage;
    QCheckBox* chkpreparenext;
    QScrollBar* hscrollTransparency;

private:
    void vscrollcpuusage_Change(int value);
    const OptionsWindowParts& m_parts;
};
