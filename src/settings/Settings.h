#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

// A font with its text colour, as the desktop widgets store it per element.
struct FontSet {
    QString name = QStringLiteral("MS Sans Serif");
    double size = 8;
    bool bold = false;
    bool Italic = false;
    bool Underline = false;
    qint32 color = 0xFFFFFF; // 0x00BBGGRR
};

// Every option of the program, one field per stored key, with its default.
// The in-memory values are the truth while the program runs.
struct Settings {
    // Section "Options", in reading order.
    bool WallpaperTimer = true;
    double IntervalTimer = 10;
    bool WallpaperStartup = true;
    qint16 TechniqueTimer = 1;
    bool AutoStart = true;
    QString WallPaperPosition = QStringLiteral("Center");
    double CurWallPaper = 0;
    bool SubFols = true;
    qint16 EBright = 100;
    qint16 EBlue = 0;
    qint16 EGreen = 0;
    qint16 ERed = 0;
    bool EInvert = false;
    double EGamma = 1;
    qint16 WPSource = 0;
    bool BubbleFileName = false;
    qint16 CPULimit = 90;
    bool IsCPULimit = false;
    bool IsDelayWhenLocked = false;
    QString IntProxy;
    bool IntUseProxy = false;
    qint16 IntTimeOut = 60;
    QString IntCatCode;
    double IntCoolDown = 900000;
    bool IntIgnore = true;
    bool IntTray = true;
    bool IntEnableCaching = true;
    QString WaterMarkText = QStringLiteral("Orvane Tessaly - #fn");
    bool WaterMarkVisible = true;
    qint16 WaterMarkPos = 5;
    qint32 WaterMarkColor = 12582912; // 0xC00000, dark blue
    qint16 WaterMarkSize = 12;
    QString WaterMarkFont = QStringLiteral("Arial");
    bool WaterMarkUnderLine = false;
    bool WaterMarkItalic = false;
    bool WaterMarkBold = true;

    // Desktop widgets; read and written only where widgets exist.
    qint16 Transparency = 150;
    FontSet Ctitle = {QStringLiteral("MS Sans Serif"), 12, true};
    FontSet CDnames = {QStringLiteral("MS Sans Serif"), 8, true};
    FontSet CD = {QStringLiteral("MS Sans Serif"), 8, false};
    FontSet CTD = {QStringLiteral("MS Sans Serif"), 8, true};
    float CalTop = 1440;
    float CalLeft = 1440;
    bool CalV = true;
    bool CalOnTop = false;
    FontSet ClockDigit = {QStringLiteral("MS Sans Serif"), 8, true};
    qint32 Sec = 0xFFFFFF;
    qint32 Min = 0xFFFFFF;
    qint32 Hour = 0xFFFFFF;
    float ClockTop = 5760;
    float ClockLeft = 1440;
    bool ClockV = true;
    bool ClockOnTop = false;
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
