#pragma once

#include "platform/linux/CommandRunner.h"

#include <QProcessEnvironment>
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

// The GNOME-family background colour ("primary-color") as 0x00BBGGRR.
std::optional<quint32> ReadDesktopColorSetting(CommandRunner& runner, LinuxDesktop desktop);
bool WriteDesktopColorSetting(CommandRunner& runner, LinuxDesktop desktop, quint32 bgr);

// A text as a GVariant string literal for gsettings.
QString GVariantString(const QString& s);
