#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>
#include <optional>

// Where the pictures come from. Stored as its number.
enum class WallpaperSource : qint16 {
    LocalFiles = 0,   // "Local Files list"
    LocalFolders = 1, // "Local Folders list"
    Internet = 2,     // "Internet"
};

// How the next picture is chosen. Stored as its number.
enum class ChangeTechnique : qint16 {
    Random = 0,
    Sequence = 1,
};

// How the picture is laid out on the screen. `Clear` only ever comes from the
// clear commands; `Other` is a stored text outside the table, which draws the
// picture centred at its own size.
enum class PositionMode {
    Center,
    Tile,
    Stretch,
    FitReduce,        // "Fit screen (Reduce)"
    FitEnlarge,       // "Fit screen (Enlarge)"
    FitReduceEnlarge, // "Fit (Reduce/Enlarge)"
    Clear,
    Other,
};

// A position as stored (its text, kept exactly, also when it is not one of
// the known ones) and as the program uses it (its mode).
struct WallpaperPosition {
    PositionMode mode = PositionMode::Center;
    QString text = QStringLiteral("Center");

    static WallpaperPosition fromText(const QString& text);
    static WallpaperPosition of(PositionMode mode);
    bool operator==(const WallpaperPosition& o) const { return text == o.text; }
};

// The text of each position mode, in the order the settings window offers
// them; empty for `Other`.
QString PositionText(PositionMode mode);

// How the monitors share the wallpaper. Stored as its text.
enum class MonitorSharing {
    Same,      // "Same": the chosen picture composed for each monitor
    Different, // "Different": each monitor the next picture in turn
    Span,      // "Span": one picture across the box of all monitors
    Primary,   // "Primary": one canvas the size of the primary monitor
};
QString MonitorModeText(MonitorSharing mode);
// The mode of a stored text; nothing for a text that names none.
std::optional<MonitorSharing> MonitorModeFromText(const QString& text);

// A font with its text colour, as the desktop widgets store it per element.
struct FontSet {
    QString name = QStringLiteral("MS Sans Serif");
    double size = 8;
    bool bold = false;
    bool Italic = false;
    bool Underline = false;
    qint32 color = 0xFFFFFF; // 0x00BBGGRR
};

// The colour adjustments of the wallpaper ("Colors" page): brightness in
// percent, offsets added to the red, green and blue channels, inversion and
// the gamma exponent.
struct ColorFilterSettings {
    qint16 EBright = 100;
    qint16 EBlue = 0;
    qint16 EGreen = 0;
    qint16 ERed = 0;
    bool EInvert = false;
    double EGamma = 1;

    bool operator==(const ColorFilterSettings&) const = default;
    // All six at their neutral values: the picture would not change.
    bool isNeutral() const {
        return EGamma == 1.0 && EBright == 100 && ERed == 0 && EGreen == 0 && EBlue == 0 &&
               !EInvert;
    }
};

// The text drawn on the wallpaper ("Watermark" page).
struct WatermarkSettings {
    QString WaterMarkText = QStringLiteral("Orvane Tessaly - #fn");
    bool WaterMarkVisible = true;
    qint16 WaterMarkPos = 5;
    qint32 WaterMarkColor = 12582912; // 0xC00000, dark blue
    qint16 WaterMarkSize = 12;
    QString WaterMarkFont = QStringLiteral("Arial");
    bool WaterMarkUnderLine = false;
    bool WaterMarkItalic = false;
    bool WaterMarkBold = true;
};

// Connection and stepping of the internet source ("Internet" page).
struct InternetSettings {
    QString IntProxy;
    bool IntUseProxy = false;
    qint16 IntTimeOut = 60;
    QString IntCatCode;
    double IntCoolDown = 900000;
    bool IntIgnore = true;
    bool IntTray = true;
    bool IntEnableCaching = true;
    // Where the picture catalogue is served from: a scheme, a host and an
    // optional port.
    QString IntServer = QStringLiteral(TESSALY_CATALOGUE_SERVER);
};

// The desktop calendar ("Calendar" page); read and written only where
// widgets exist.
struct CalendarSettings {
    FontSet Ctitle = {QStringLiteral("MS Sans Serif"), 12, true};
    FontSet CDnames = {QStringLiteral("MS Sans Serif"), 8, true};
    FontSet CD = {QStringLiteral("MS Sans Serif"), 8, false};
    FontSet CTD = {QStringLiteral("MS Sans Serif"), 8, true};
    float CalTop = 1440;
    float CalLeft = 1440;
    bool CalV = true;
    bool CalOnTop = false;
};

// The desktop clock ("Clock" page); read and written only where widgets exist.
struct ClockSettings {
    FontSet ClockDigit = {QStringLiteral("MS Sans Serif"), 8, true};
    qint32 Sec = 0xFFFFFF;
    qint32 Min = 0xFFFFFF;
    qint32 Hour = 0xFFFFFF;
    float ClockTop = 5760;
    float ClockLeft = 1440;
    bool ClockV = true;
    bool ClockOnTop = false;
};

// The news bar ("News Bar" page): a line of headlines scrolling across the
// screen; read and written only where widgets exist. Stored in the section
// "NewsBar".
struct NewsBarSettings {
    bool NBEnabled = false;
    bool NBClickable = true;
    double NBInterval = 60; // minutes between refreshes of the feeds
    qint16 NBSpeed = 5;     // 1 fastest … 10 slowest
    FontSet NBHeadline = {QStringLiteral("MS Sans Serif"), 10, false, false, false, 0xFFFFFF};
    FontSet NBSource = {QStringLiteral("MS Sans Serif"), 10, true, false, false, 0xFFFFFF};
    float NBTop = 0;
    float NBLeft = 0;
    bool NBOnTop = true;
};

// Every option of the program, one field per stored key, with its default,
// grouped by the settings page that edits them. The in-memory values are the
// truth while the program runs.
struct Settings : ColorFilterSettings,
                  WatermarkSettings,
                  InternetSettings,
                  CalendarSettings,
                  ClockSettings,
                  NewsBarSettings {
    // "Wallpaper" page and the timer.
    bool WallpaperTimer = true;
    double IntervalTimer = 10;
    bool WallpaperStartup = true;
    ChangeTechnique TechniqueTimer = ChangeTechnique::Sequence;
    bool AutoStart = true;
    WallpaperPosition WallPaperPosition;
    // One-based position in the picture list of the current picture; 0 = none.
    double CurWallPaper = 0;
    bool SubFols = true;
    WallpaperSource WPSource = WallpaperSource::LocalFiles;
    bool BubbleFileName = false;
    MonitorSharing MonitorMode = MonitorSharing::Same;
    // The local pictures on the monitors, in monitor order (one for every
    // mode but "Different"): a new monitor layout, also after a restart, is
    // composed from them. Stored one path a line.
    QStringList MonitorPictures;
    // "Advanced" page.
    qint16 CPULimit = 90;
    bool IsCPULimit = false;
    bool IsDelayWhenLocked = false;
    // Compose the next wallpaper ahead while the computer is idle (never on
    // battery power), so that the change itself only shows it.
    bool PrepareNextWallpaper = true;
    // Widget translucency; read and written only where widgets exist.
    qint16 Transparency = 150;

    const ColorFilterSettings& colors() const { return *this; }
    const WatermarkSettings& watermark() const { return *this; }
    const InternetSettings& internet() const { return *this; }
};

// One global hot-key binding. `Modifiers` is the combination code 0 … 6,
// `Key` a Windows virtual-key code (the stored form is the same everywhere).
struct HotKey {
    bool Enabled = false;
    bool Registered = false;
    qint16 Key = 0;
    qint16 Modifiers = 2; // "Ctrl + Shift"
    bool Failed = false;
};

using HotKeyTable = std::array<HotKey, 6>;
