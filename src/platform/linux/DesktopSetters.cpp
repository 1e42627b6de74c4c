#include "platform/linux/DesktopSetters.h"

#include <QRegularExpression>
#include <QUrl>
#include <array>
#include <utility>

namespace {

const QString kGsettings = QStringLiteral("gsettings");

enum class Mode { Center, Tile, Stretch, Clear, Unknown };

Mode modeOf(const QString& position) {
    if (position == QLatin1String("Center") || position == QLatin1String("Fit screen (Reduce)") ||
        position == QLatin1String("Fit screen (Enlarge)") ||
        position == QLatin1String("Fit (Reduce/Enlarge)"))
        return Mode::Center; // the bitmap is already screen-sized
    if (position == QLatin1String("Tile")) return Mode::Tile;
    if (position == QLatin1String("Stretch")) return Mode::Stretch;
    if (position == QLatin1String("Clear")) return Mode::Clear;
    return Mode::Unknown;
}

// A desktop's own word for a position, from its words for centred, tiled,
// stretched and no picture; empty for a position it has no word for.
QString modeWord(Mode m, const std::array<const char*, 4>& words) {
    return m == Mode::Unknown ? QString() : QString::fromLatin1(words[size_t(m)]);
}

bool gset(GSettingsWriter& g, const QString& schema, const QString& key, const QString& value) {
    return g.set(schema, key, value);
}

QString schemaOf(LinuxDesktop d) {
    switch (d) {
    case LinuxDesktop::Cinnamon:
        return QStringLiteral("org.cinnamon.desktop.background");
    case LinuxDesktop::Mate:
        return QStringLiteral("org.mate.background");
    default:
        return QStringLiteral("org.gnome.desktop.background");
    }
}

// GNOME, Cinnamon and MATE share the picture-options names.
QString gnomeOption(Mode m) {
    return modeWord(m, {"'centered'", "'wallpaper'", "'stretched'", "'none'"});
}

bool setGnomeFamily(GSettingsWriter& r, LinuxDesktop d, const QString& file, Mode m) {
    const QString schema = schemaOf(d);
    // MATE's picture options have no "none": its desktop without a picture
    // is one without a file.
    if (m == Mode::Clear && d == LinuxDesktop::Mate)
        return gset(r, schema, QStringLiteral("picture-filename"), GVariantString(QString()));
    bool ok = true;
    if (m != Mode::Clear) {
        if (d == LinuxDesktop::Mate) {
            ok = gset(r, schema, QStringLiteral("picture-filename"), GVariantString(file));
        } else {
            const QString uri =
                GVariantString(QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded));
            ok = gset(r, schema, QStringLiteral("picture-uri"), uri);
            // GNOME 42 and later shows this one with a dark style; older
            // versions and Cinnamon have no such key, which is fine.
            if (d == LinuxDesktop::Gnome) gset(r, schema, QStringLiteral("picture-uri-dark"), uri);
        }
    }
    const QString option = gnomeOption(m);
    if (!option.isEmpty()) ok = gset(r, schema, QStringLiteral("picture-options"), option) && ok;
    return ok;
}

QString jsString(const QString& s) {
    QString out = QStringLiteral("\"");
    for (QChar c : s) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\')) out += QLatin1Char('\\');
        if (c.unicode() < 0x20) {
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            continue;
        }
        out += c;
    }
    return out + QLatin1Char('"');
}

// Plasma runs desktop scripts given to its shell over the session bus.
bool evaluatePlasmaScript(CommandRunner& r, const QString& script) {
    return r
        .run(QStringLiteral("dbus-send"),
             {QStringLiteral("--session"), QStringLiteral("--dest=org.kde.plasmashell"),
              QStringLiteral("--type=method_call"), QStringLiteral("--print-reply"),
              QStringLiteral("/PlasmaShell"), QStringLiteral("org.kde.PlasmaShell.evaluateScript"),
              QStringLiteral("string:") + script})
        .ok();
}

bool setKde(CommandRunner& r, const QString& file, Mode m) {
    // Plasma's image wallpaper fill modes: 0 stretch, 3 tile, 6 centred.
    QString script;
    if (m == Mode::Clear) {
        script = QStringLiteral(
            "var all = desktops();"
            "for (var i = 0; i < all.length; i++) { all[i].wallpaperPlugin = \"org.kde.color\"; }");
    } else {
        QString fill;
        if (m == Mode::Center)
            fill = QStringLiteral("6");
        else if (m == Mode::Tile)
            fill = QStringLiteral("3");
        else if (m == Mode::Stretch)
            fill = QStringLiteral("0");
        script = QStringLiteral(
                     "var all = desktops();"
                     "for (var i = 0; i < all.length; i++) {"
                     " var d = all[i]; d.wallpaperPlugin = \"org.kde.image\";"
                     " d.currentConfigGroup = [\"Wallpaper\", \"org.kde.image\", \"General\"];"
                     " d.writeConfig(\"Image\", %1);")
                     .arg(jsString(QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded)));
        if (!fill.isEmpty())
            script += QStringLiteral(" d.writeConfig(\"FillMode\", %1);").arg(fill);
        script += QStringLiteral(" }");
    }
    return evaluatePlasmaScript(r, script);
}

bool setXfce(CommandRunner& r, const QString& file, Mode m, const QStringList& monitors) {
    const QString xq = QStringLiteral("xfconf-query");
    const QString channel = QStringLiteral("xfce4-desktop");
    // xfdesktop image-style: 0 none, 1 centred, 2 tiled, 3 stretched.
    const QString style = modeWord(m, {"1", "2", "3", "0"});
    const CommandRunner::Result list =
        r.run(xq, {QStringLiteral("-c"), channel, QStringLiteral("-l")});
    if (!list.started) return false;
    // Every monitor and workspace that has a backdrop.
    QStringList bases;
    for (const QString& line : QString::fromUtf8(list.output).split(QLatin1Char('\n'))) {
        const QString p = line.trimmed();
        if (p.endsWith(QLatin1String("/last-image")))
            bases << p.left(p.size() - int(sizeof("last-image") - 1));
    }
    bool create = false;
    if (bases.isEmpty()) {
        // A fresh desktop: make the first workspace's backdrop of each monitor.
        create = true;
        for (const QString& mon : monitors)
            bases << QStringLiteral("/backdrop/screen0/monitor%1/workspace0/").arg(mon);
        if (bases.isEmpty()) bases << QStringLiteral("/backdrop/screen0/monitor0/workspace0/");
    }
    bool ok = true;
    for (const QString& base : bases) {
        if (m != Mode::Clear) {
            QStringList args{QStringLiteral("-c"), channel, QStringLiteral("-p"),
                             base + QStringLiteral("last-image")};
            if (create)
                args << QStringLiteral("-n") << QStringLiteral("-t") << QStringLiteral("string");
            args << QStringLiteral("-s") << file;
            ok = r.run(xq, args).ok() && ok;
        }
        if (!style.isEmpty()) {
            QStringList args{QStringLiteral("-c"), channel, QStringLiteral("-p"),
                             base + QStringLiteral("image-style")};
            if (create)
                args << QStringLiteral("-n") << QStringLiteral("-t") << QStringLiteral("int");
            args << QStringLiteral("-s") << style;
            ok = r.run(xq, args).ok() && ok;
        }
    }
    return ok;
}

bool setPcmanfm(CommandRunner& r, LinuxDesktop d, const QString& file, Mode m) {
    const QString program =
        d == LinuxDesktop::Lxqt ? QStringLiteral("pcmanfm-qt") : QStringLiteral("pcmanfm");
    const QString mode = modeWord(m, {"center", "tile", "stretch", "color"});
    QStringList args;
    if (m != Mode::Clear) args << QStringLiteral("--set-wallpaper=") + file;
    if (!mode.isEmpty()) args << QStringLiteral("--wallpaper-mode=") + mode;
    return r.run(program, args).ok();
}

QString swayQuoted(const QString& s) {
    QString q = s;
    q.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    q.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

bool setSway(CommandRunner& r, const QString& file, Mode m, const QString& colorHex) {
    QStringList args{QStringLiteral("output"), QStringLiteral("*"), QStringLiteral("bg")};
    switch (m) {
    case Mode::Clear:
        args << colorHex << QStringLiteral("solid_color");
        break;
    case Mode::Tile:
        args << swayQuoted(file) << QStringLiteral("tile");
        break;
    case Mode::Stretch:
        args << swayQuoted(file) << QStringLiteral("stretch");
        break;
    default:
        // sway needs a mode with the file; centred is what the bitmap needs.
        args << swayQuoted(file) << QStringLiteral("center");
        break;
    }
    return r.run(QStringLiteral("swaymsg"), args).ok();
}

// Several monitors. GNOME, Cinnamon and MATE lay one picture across the box
// of all monitors with "spanned": the canvas is made for exactly that box.
bool setGnomeSpanned(GSettingsWriter& r, LinuxDesktop d, const QString& file) {
    const bool ok = setGnomeFamily(r, d, file, Mode::Unknown); // the file, no option
    return gset(r, schemaOf(d), QStringLiteral("picture-options"), QStringLiteral("'spanned'")) &&
           ok;
}

// Plasma keeps a desktop per screen (and activity). A screen is known by its
// place, as Plasma gives it (screenGeometry); failing that, by its number,
// which Plasma counts from the primary screen as the list here does.
bool setKdePerScreen(CommandRunner& r, const QList<MonitorPictureFile>& monitors) {
    QStringList files;
    for (const MonitorPictureFile& m : monitors)
        files << QStringLiteral("{x: %1, y: %2, image: %3}")
                     .arg(m.geometry.x())
                     .arg(m.geometry.y())
                     .arg(jsString(QUrl::fromLocalFile(m.file).toString(QUrl::FullyEncoded)));
    const QString script =
        QStringLiteral("var files = [") + files.join(QStringLiteral(", ")) +
        QStringLiteral("];"
                       "var all = desktops();"
                       "for (var i = 0; i < all.length; i++) {"
                       " var d = all[i]; if (d.screen < 0) continue;"
                       " var g = screenGeometry(d.screen); var f = null;"
                       " for (var k = 0; k < files.length; k++)"
                       " if (files[k].x == g.x && files[k].y == g.y) f = files[k];"
                       " if (f == null && d.screen < files.length) f = files[d.screen];"
                       " if (f == null) continue;"
                       " d.wallpaperPlugin = \"org.kde.image\";"
                       " d.currentConfigGroup = [\"Wallpaper\", \"org.kde.image\", \"General\"];"
                       " d.writeConfig(\"Image\", f.image); d.writeConfig(\"FillMode\", 0); }");
    return evaluatePlasmaScript(r, script);
}

// xfdesktop keeps a backdrop per monitor (by its output name) and workspace:
// every backdrop of a monitor gets that monitor's file, stretched (3) to it.
bool setXfcePerMonitor(CommandRunner& r, const QList<MonitorPictureFile>& monitors) {
    const QString xq = QStringLiteral("xfconf-query");
    const QString channel = QStringLiteral("xfce4-desktop");
    const CommandRunner::Result list =
        r.run(xq, {QStringLiteral("-c"), channel, QStringLiteral("-l")});
    if (!list.started) return false;
    const QStringList properties = QString::fromUtf8(list.output).split(QLatin1Char('\n'));
    bool ok = true;
    for (const MonitorPictureFile& m : monitors) {
        const QString monitor = QStringLiteral("/backdrop/screen0/monitor%1/").arg(m.name);
        QStringList bases;
        for (const QString& line : properties) {
            const QString p = line.trimmed();
            if (p.startsWith(monitor) && p.endsWith(QLatin1String("/last-image")))
                bases << p.left(p.size() - int(sizeof("last-image") - 1));
        }
        const bool create = bases.isEmpty();
        if (create) bases << monitor + QStringLiteral("workspace0/");
        for (const QString& base : bases) {
            const auto set = [&](const QString& key, const char* type, const QString& value) {
                QStringList args{QStringLiteral("-c"), channel, QStringLiteral("-p"), base + key};
                if (create)
                    args << QStringLiteral("-n") << QStringLiteral("-t") << QLatin1String(type);
                args << QStringLiteral("-s") << value;
                ok = r.run(xq, args).ok() && ok;
            };
            set(QStringLiteral("last-image"), "string", m.file);
            set(QStringLiteral("image-style"), "int", QStringLiteral("3"));
        }
    }
    return ok;
}

bool setSwayPerOutput(CommandRunner& r, const QList<MonitorPictureFile>& monitors) {
    bool ok = true;
    for (const MonitorPictureFile& m : monitors)
        ok = r.run(QStringLiteral("swaymsg"),
                   {QStringLiteral("output"), swayQuoted(m.name), QStringLiteral("bg"),
                    swayQuoted(m.file), QStringLiteral("fill")})
                 .ok() &&
             ok;
    return ok;
}

} // namespace

bool GSettingsTool::set(const QString& schema, const QString& key, const QString& value) {
    return m_runner.run(kGsettings, {QStringLiteral("set"), schema, key, value}).ok();
}

std::optional<QString> GSettingsTool::get(const QString& schema, const QString& key) {
    const CommandRunner::Result r = m_runner.run(kGsettings, {QStringLiteral("get"), schema, key});
    if (!r.ok()) return std::nullopt;
    return QString::fromUtf8(r.output).trimmed();
}

bool TakesMonitorFiles(LinuxDesktop desktop) {
    return desktop == LinuxDesktop::Kde || desktop == LinuxDesktop::Xfce ||
           desktop == LinuxDesktop::Sway || desktop == LinuxDesktop::Lxqt ||
           desktop == LinuxDesktop::Lxde;
}

bool SetDesktopPictures(CommandRunner& runner, LinuxDesktop desktop, const QString& desktopFile,
                        const QList<MonitorPictureFile>& monitors, const QString& position,
                        GSettingsWriter* gsettings) {
    if (monitors.isEmpty()) return false;
    switch (desktop) {
    case LinuxDesktop::Gnome:
    case LinuxDesktop::Cinnamon:
    case LinuxDesktop::Mate: {
        GSettingsTool tool(runner);
        return setGnomeSpanned(gsettings ? *gsettings : tool, desktop, desktopFile);
    }
    case LinuxDesktop::Kde:
        return setKdePerScreen(runner, monitors);
    case LinuxDesktop::Xfce:
        return setXfcePerMonitor(runner, monitors);
    case LinuxDesktop::Sway:
        return setSwayPerOutput(runner, monitors);
    case LinuxDesktop::Lxqt:
    case LinuxDesktop::Lxde:
        return SetDesktopPicture(runner, desktop, monitors.first().file, position, QString());
    case LinuxDesktop::Other:
        break;
    }
    return false;
}

QString GVariantString(const QString& s) {
    QString q = s;
    q.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    q.replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + q + QLatin1Char('\'');
}

LinuxDesktop DetectLinuxDesktop(const QProcessEnvironment& env) {
    const QStringList names = env.value(QStringLiteral("XDG_CURRENT_DESKTOP"))
                                  .split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& raw : names) {
        const QString n = raw.trimmed().toLower();
        if (n == QLatin1String("x-cinnamon") || n == QLatin1String("cinnamon"))
            return LinuxDesktop::Cinnamon;
        if (n == QLatin1String("mate")) return LinuxDesktop::Mate;
        if (n == QLatin1String("kde")) return LinuxDesktop::Kde;
        if (n == QLatin1String("xfce")) return LinuxDesktop::Xfce;
        if (n == QLatin1String("lxqt")) return LinuxDesktop::Lxqt;
        if (n == QLatin1String("lxde")) return LinuxDesktop::Lxde;
        if (n == QLatin1String("sway")) return LinuxDesktop::Sway;
        if (n == QLatin1String("gnome") || n == QLatin1String("unity") ||
            n == QLatin1String("budgie") || n == QLatin1String("pantheon") ||
            n == QLatin1String("gnome-flashback") || n == QLatin1String("gnome-classic"))
            return LinuxDesktop::Gnome;
    }
    if (env.contains(QStringLiteral("SWAYSOCK"))) return LinuxDesktop::Sway;
    if (env.value(QStringLiteral("KDE_FULL_SESSION")) == QLatin1String("true"))
        return LinuxDesktop::Kde;
    if (env.contains(QStringLiteral("MATE_DESKTOP_SESSION_ID"))) return LinuxDesktop::Mate;
    if (env.contains(QStringLiteral("GNOME_DESKTOP_SESSION_ID"))) return LinuxDesktop::Gnome;
    const QString session = env.value(QStringLiteral("DESKTOP_SESSION")).toLower();
    if (session.contains(QLatin1String("xfce"))) return LinuxDesktop::Xfce;
    if (session.contains(QLatin1String("lxqt"))) return LinuxDesktop::Lxqt;
    if (session.startsWith(QLatin1String("lxde"))) return LinuxDesktop::Lxde;
    return LinuxDesktop::Other;
}

bool HasDesktopColorSetting(LinuxDesktop d) {
    return d == LinuxDesktop::Gnome || d == LinuxDesktop::Cinnamon || d == LinuxDesktop::Mate;
}

bool SetDesktopPicture(CommandRunner& runner, LinuxDesktop desktop, const QString& file,
                       const QString& position, const QString& colorHex,
                       const QStringList& monitors, GSettingsWriter* gsettings) {
    const Mode m = modeOf(position);
    switch (desktop) {
    case LinuxDesktop::Gnome:
    case LinuxDesktop::Cinnamon:
    case LinuxDesktop::Mate: {
        GSettingsTool tool(runner);
        return setGnomeFamily(gsettings ? *gsettings : tool, desktop, file, m);
    }
    case LinuxDesktop::Kde:
        return setKde(runner, file, m);
    case LinuxDesktop::Xfce:
        return setXfce(runner, file, m, monitors);
    case LinuxDesktop::Lxqt:
    case LinuxDesktop::Lxde:
        return setPcmanfm(runner, desktop, file, m);
    case LinuxDesktop::Sway:
        return setSway(runner, file, m, colorHex);
    case LinuxDesktop::Other:
        break;
    }
    return false;
}

std::optional<quint32> ReadDesktopColorSetting(GSettingsWriter& gsettings, LinuxDesktop desktop) {
    if (!HasDesktopColorSetting(desktop)) return std::nullopt;
    const std::optional<QString> value =
        gsettings.get(schemaOf(desktop), QStringLiteral("primary-color"));
    if (!value) return std::nullopt;
    static const QRegularExpression re(
        QStringLiteral("#([0-9a-fA-F]{12}|[0-9a-fA-F]{6})(?![0-9a-fA-F])"));
    const QRegularExpressionMatch mt = re.match(*value);
    if (!mt.hasMatch()) return std::nullopt;
    const QString h = mt.captured(1);
    quint32 rr, gg, bb;
    if (h.size() == 6) {
        const uint v = h.toUInt(nullptr, 16);
        rr = (v >> 16) & 0xFF, gg = (v >> 8) & 0xFF, bb = v & 0xFF;
    } else {
        // 16 bits per channel, as older versions wrote it.
        rr = h.mid(0, 4).toUInt(nullptr, 16) >> 8;
        gg = h.mid(4, 4).toUInt(nullptr, 16) >> 8;
        bb = h.mid(8, 4).toUInt(nullptr, 16) >> 8;
    }
    return rr | (gg << 8) | (bb << 16);
}

bool WriteDesktopColorSetting(GSettingsWriter& gsettings, LinuxDesktop desktop, quint32 bgr) {
    if (!HasDesktopColorSetting(desktop)) return false;
    const QString hex = QStringLiteral("#%1%2%3")
                            .arg(bgr & 0xFF, 2, 16, QLatin1Char('0'))
                            .arg((bgr >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
                            .arg((bgr >> 16) & 0xFF, 2, 16, QLatin1Char('0'));
    return gset(gsettings, schemaOf(desktop), QStringLiteral("primary-color"), GVariantString(hex));
}

bool WatchDesktopColorSetting(GSettingsWriter& gsettings, LinuxDesktop desktop,
                              std::function<void()> changed) {
    return HasDesktopColorSetting(desktop) &&
           gsettings.watch(schemaOf(desktop), QStringLiteral("primary-color"), std::move(changed));
}
