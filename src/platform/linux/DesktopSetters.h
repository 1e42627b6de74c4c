#pragma once

#include "platform/linux/CommandRunner.h"

#include <QList>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

// The Linux desktops whose own wallpaper interface the program uses.
enum class LinuxDesktop { Gnome, Cinnamon, Mate, Kde, Xfce, Lxqt, Lxde, Sway, Other };

// The desktop of this session: XDG_CURRENT_DESKTOP first (a colon-separated
// list, most specific first), then the variables the running desktops set
// (SWAYSOCK, KDE_FULL_SESSION, MATE_DESKTOP_SESSION_ID, ...).
LinuxDesktop DetectLinuxDesktop(const QProcessEnvironment& env);

// Whether the desktop keeps its background colour itself (GNOME family).
bool HasDesktopColorSetting(LinuxDesktop d);

// Hands the picture file to the desktop's own interface. `position` is the
// program's position text, mapped to the desktop's picture option where it
// has one; a text outside the six modes sets the file and writes no option.
// "Clear" removes the picture (the desktop shows its colour). `colorHex` is
// the desktop colour as "#rrggbb" for desktops that need it to clear.
// `monitors` names the outputs (for Xfce when it has no backdrop yet).
// Returns false when the desktop's tool is missing or refused.
bool SetDesktopPicture(CommandRunner& runner, LinuxDesktop desktop, const QString& file,
                       const QString& position, const QString& colorHex,
                       const QStringList& monitors = {});

// One monitor's own picture for desktops that take a picture per monitor.
struct MonitorPictureFile {
    QString name;   // the output's name (Xfce's backdrops, sway's outputs)
    QRect geometry; // its place on the desktop in logical pixels (Plasma's screens)
    QString file;   // exactly the monitor's part of the composed desktop
};

// Whether the desktop is given a file per monitor by SetDesktopPictures.
bool TakesMonitorFiles(LinuxDesktop desktop);

// The desktop composed for several monitors: `desktopFile` is one canvas of
// the box around them all, `monitors` each monitor (the primary first) with,
// where TakesMonitorFiles, its own part of that canvas. Each desktop gets
// what it can show: the GNOME family the whole canvas spanned across the
// monitors; Plasma each screen's file; Xfce each monitor's file on its
// backdrops (made for the first workspace where it has none); sway each
// output's file; LXQt and LXDE, which take one picture for every monitor,
// the primary monitor's file with `position` as SetDesktopPicture. A
// monitor's file is told to fill its monitor. False when the desktop's tool
// is missing or refused.
bool SetDesktopPictures(CommandRunner& runner, LinuxDesktop desktop, const QString& desktopFile,
                        const QList<MonitorPictureFile>& monitors, const QString& position);

// The GNOME-family background colour ("primary-color") as 0x00BBGGRR.
std::optional<quint32> ReadDesktopColorSetting(CommandRunner& runner, LinuxDesktop desktop);
bool WriteDesktopColorSetting(CommandRunner& runner, LinuxDesktop desktop, quint32 bgr);

// A text as a GVariant string literal for gsettings.
QString GVariantString(const QString& s);
