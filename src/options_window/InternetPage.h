#pragma once

#include "options_window/OptionsPage.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

// The "Internet" page: the connection (proxy, time-out, errors, the icon
// while downloading) and the download cache.
class InternetPage : public OptionsPage {
    Q_OBJECT
public:
    InternetPage(AppContext& app, const OptionsWindowParts& parts, QWidget* parent = nullptr);
    void load() override;
    void apply(ApplyReport& report) override;
    // The longest request time-out the page takes, in seconds.
    static constexpr int kMaxTimeOut = 3600;

    QTabWidget* lblintoptions;
    QCheckBox* chkproxy;
    QLineEdit* txtproxy;
    QLineEdit* txttimeout;
    QCheckBox* chkignoreerror;
    QCheckBox* chkinttray;
    QCheckBox* chkintcaching;
    QPushButton* cmddeletecache;
    QLabel* lblcacheinfo;

private:
    void showCacheSize();
    const OptionsWindowParts& m_parts;
};
