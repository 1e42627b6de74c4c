#pragma once

#include "platform/linux/CommandRunner.h"

#include <QList>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The GNOME family's settings (GSettings): keys of a schema, with values in
// GVariant text ("'centered'", "'#004e98'").
class GSettingsWriter {
public:
    virtual ~GSettingsWriter() = default;
    virtual bool set(const QString& schema, const QString& key, const QString& value) = 0;
    // The value in GVariant text; nothing when the schema or the key is missing.
    virtual std::optional<QString> get(const QString& schema, const QString& key) = 0;
    // Calls `changed` whenever the key changes; false when that cannot be
    // followed.
    virtual bool watch(const QString& schema, const QString& key, std::function<void()> changed) {
        (void)schema, (void)key, (void)changed;
        return false;
    }
};

// GSettings through the gsettings tool: a process for every key.
class GSettingsTool : public GSettingsWriter {
public:
    explicit GSettingsTool(CommandRunner& runner) : m_runner(runner) {}
    bool set(const QString& schema, const QString& key, const QString& value) override;
    std::optional<QString> get(const QString& schema, const QString& key) override;

private:
    CommandRunner& m_runner;
};

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
// The GNOME family's keys go to `gsettings`, or through the gsettings tool
// on `runner` when it is null.
// Returns false when the desktop's tool is missing or refused.
bool SetDesktopPicture(CommandRunner& runner, LinuxDesktop desktop, const QString& file,
                       const QString& position, const QString& colorHex,
                       const QStringList& monitors = {}, GSettingsWriter* gsettings = nullptr);

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
// is missing or refused. The GNOME family's keys go as for SetDesktopPicture.
bool SetDesktopPictures(CommandRunner& runner, LinuxDesktop desktop, const QString& desktopFile,
                        const QList<MonitorPictureFile>& monitors, const QString& position,
                        GSettingsWriter* gsettings = nullptr);

// The GNOME-family background colour ("primary-color") as 0x00BBGGRR.
std::optional<quint32> ReadDesktopColorSetting(GSettingsWriter& gsettings, LinuxDesktop desktop);
bool WriteDesktopColorSetting(GSettingsWriter& gsettings, LinuxDesktop desktop, quint32 bgr);
// Calls `changed` whenever that colour changes; false when it cannot be followed.
bool WatchDesktopColorSetting(GSettingsWriter& gsettings, LinuxDesktop desktop,
                              std::function<void()> changed);

// A text as a GVariant string literal for gsettings.
QString GVariantString(const QString& s);
