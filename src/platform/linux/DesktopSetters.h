#pragma once

#include "platform/linux/CommandRunner.h"

#include <QProcessEnvironment>
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

// The GNOME-family background colour ("primary-color") as 0x00BBGGRR.
std::optional<quint32> ReadDesktopColorSetting(GSettingsWriter& gsettings, LinuxDesktop desktop);
bool WriteDesktopColorSetting(GSettingsWriter& gsettings, LinuxDesktop desktop, quint32 bgr);
// Calls `changed` whenever that colour changes; false when it cannot be followed.
bool WatchDesktopColorSetting(GSettingsWriter& gsettings, LinuxDesktop desktop,
                              std::function<void()> changed);

// A text as a GVariant string literal for gsettings.
QString GVariantString(const QString& s);
