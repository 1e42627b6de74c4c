#pragma once

#include "options_window/OptionsPage.h"

#include <QTimer>

class QCheckBox;
class QLabel;
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
    // How transparent the clock and calendar are: 255 minus the stored
    // Transparency (their alpha).
    QScrollBar* hscrollTransparency;
    // Says that the slider has no effect while no compositing manager runs.
    QLabel* lblnocompositor;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void vscrollcpuusage_Change(int value);
    void showCompositing();
    const OptionsWindowParts& m_parts;
    QTimer m_compositorCheck;
};
