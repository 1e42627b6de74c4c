#pragma once

#include "options_window/OptionsPage.h"

#include <QTimer>
#include <QWidget>
#include <array>

class AdvancedPage;
class CalendarPage;
class ClockPage;
class ColorsPage;
class FilesPane;
class FoldersPane;
class HotKeysPage;
class InternetCategoriesPane;
class InternetPage;
class NewsBarPage;
class PreviewFrame;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QToolButton;
class WallpaperPage;
class WatermarkPage;

// The settings window: the page list, the nine option pages, the picture
// list panes and the buttons to apply, cancel, get help and shut down. It
// fills every control from the in-memory settings when it opens and writes
// them back only on apply.
class SettingsWindow : public QWidget {
    Q_OBJECT
public:
    explicit SettingsWindow(AppContext& app, OptionsWindowParts parts = {},
                            QWidget* parent = nullptr);
    ~SettingsWindow() override;

    // Page indexes, as the help contexts and stored names know them.
    enum Page {
        Wallpaper,
        Clock,
        Calendar,
        HotKeys,
        Colors,
        Internet,
        NewsBar,
        Watermark,
        Advanced
    };
    static constexpr int kPages = 9;

    // Fills every control from the settings.
    void LoadAll();
    void showPage(int k);
    int currentPage() const;
    // Applies every page; finishes later when an internet rebuild has to run.
    void cmdok_Click();
    bool applying() const { return m_applying; }
    // The problems the last apply reported (also shown in a message box).
    const QStringList& lastApplyErrors() const { return m_lastErrors; }

    QListWidget* lblopt;
    QStackedWidget* frmoptStack;
    std::array<OptionsPage*, kPages> frmopt{};
    WallpaperPage* wallpaperPage;
    ClockPage* clockPage;
    CalendarPage* calendarPage;
    HotKeysPage* hotKeysPage;
    ColorsPage* colorsPage;
    InternetPage* internetPage;
    NewsBarPage* newsBarPage;
    WatermarkPage* watermarkPage;
    AdvancedPage* advancedPage;
    QStackedWidget* panes;
    FilesPane* filesPane;
    FoldersPane* foldersPane;
    InternetCategoriesPane* internetPane;
    PreviewFrame* frmprev;
    QPushButton* lblinfo;
    QCheckBox* chkswitchonok;
    QCheckBox* chkcloseapply;
    QPushButton* cmdok;
    QPushButton* cmdcancel;
    QPushButton* cmdhelp;
    QToolButton* pichelp;
    QPushButton* cmdabout;
    QPushButton* cmdshutdown;
    QTimer tmrmain;

signals:
    // An apply ran to its end (after any internet rebuild).
    void applied();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void finishApply(ApplyReport report);
    void tmrmain_Timer();
    AppContext& m_app;
    OptionsWindowParts m_parts;
    int m_countdownMode = 0;
    bool m_applying = false;
    QStringList m_lastErrors;
};
