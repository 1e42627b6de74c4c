#include "platform/linux/GnomeHotKeys.h"

#include "platform/linux/HotKeyRoutes.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

// GLib's headers use `signals` as a member name, which Qt defines as a macro.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

namespace {

const char* const kListSchema = "org.gnome.settings-daemon.plugins.media-keys";
const char* const kRowSchema = "org.gnome.settings-daemon.plugins.media-keys.custom-keybinding";
const char* const kListKey = "custom-keybindings";
const QString kRowsFolder =
    QStringLiteral("/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/");
const QString kOwnRow = QStringLiteral("tessaly-");
// Where the user sees the keys, in the interface's language.
QString where() {
    return QCoreApplication::translate("HotKeys", "GNOME Settings, Keyboard, Custom Shortcuts");
}

// The desktop's own shortcut keys that a custom shortcut must not repeat.
const char* const kDesktopSchemas[] = {
    "org.gnome.desktop.wm.keybindings", "org.gnome.settings-daemon.plugins.media-keys",
    "org.gnome.shell.keybindings", "org.gnome.mutter.keybindings",
    "org.gnome.mutter.wayland.keybindings"};

GSettingsSchema* lookup(const char* id) {
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    return source ? g_settings_schema_source_lookup(source, id, TRUE) : nullptr;
}

// The settings object of an installed schema (at `path` when relocatable);
// null when the schema is not installed, where g_settings_new would abort.
GSettings* open(const char* id, const QString& path = {}) {
    // GSettings aborts on a malformed path; a list entry someone wrote by
    // hand may be one.
    if (!path.isEmpty() && (!path.startsWith(QLatin1Char('/')) ||
                            !path.endsWith(QLatin1Char('/')) || path.contains(QLatin1String("//"))))
        return nullptr;
    GSettingsSchema* schema = lookup(id);
    if (!schema) return nullptr;
    GSettings* s =
        g_settings_new_full(schema, nullptr, path.isEmpty() ? nullptr : path.toUtf8().constData());
    g_settings_schema_unref(schema);
    return s;
}

QStringList strv(GSettings* s, const char* key) {
    QStringList out;
    gchar** v = g_settings_get_strv(s, key);
    for (gchar** p = v; p && *p; ++p)
        out << QString::fromUtf8(*p);
    g_strfreev(v);
    return out;
}

QString string(GSettings* s, const char* key) {
    gchar* v = g_settings_get_string(s, key);
    const QString out = QString::fromUtf8(v);
    g_free(v);
    return out;
}

// An accelerator in one spelling: the modifiers sorted, the key lower-cased.
QString normalised(const QString& accelerator) {
    QStringList mods;
    QString rest = accelerator.trimmed();
    while (rest.startsWith(QLatin1Char('<'))) {
        const int end = rest.indexOf(QLatin1Char('>'));
        if (end < 0) break;
        QString m = rest.mid(1, end - 1).toLower();
        if (m == QLatin1String("primary") || m == QLatin1String("ctrl") ||
            m == QLatin1String("ctl"))
            m = QStringLiteral("control");
        if (m == QLatin1String("mod1")) m = QStringLiteral("alt");
        if (m == QLatin1String("mod4")) m = QStringLiteral("super");
        if (!mods.contains(m)) mods << m;
        rest = rest.mid(end + 1);
    }
    mods.sort();
    return mods.join(QLatin1Char('+')) + QLatin1Char('+') + rest.toLower();
}

QString shellQuoted(const QString& s) {
    QString q = s;
    q.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + q + QLatin1Char('\'');
}

} // namespace

GnomeHotKeys::GnomeHotKeys(const QString& program, QObject* parent)
    : GlobalHotKeys(parent), m_program(program) {}

GnomeHotKeys::~GnomeHotKeys() = default;

QString GnomeHotKeys::rowPath(int id) {
    return kRowsFolder + kOwnRow + QString::number(id) + QLatin1Char('/');
}

QString GnomeHotKeys::holderOf(const QString& accelerator) const {
    const QString wanted = normalised(accelerator);
    if (GSettings* list = open(kListSchema)) {
        for (const QString& path : strv(list, kListKey)) {
            if (path.startsWith(kRowsFolder + kOwnRow)) continue;
            GSettings* row = open(kRowSchema, path);
            if (!row) continue;
            const QString binding = string(row, "binding");
            const QString name = string(row, "name");
            g_object_unref(row);
            if (!binding.isEmpty() && normalised(binding) == wanted) {
                g_object_unref(list);
                return name.isEmpty() ? QCoreApplication::translate("HotKeys", "a custom shortcut")
                                      : name;
            }
        }
        g_object_unref(list);
    }
    for (const char* id : kDesktopSchemas) {
        GSettingsSchema* schema = lookup(id);
        if (!schema) continue;
        GSettings* s = g_settings_new_full(schema, nullptr, nullptr);
        gchar** keys = g_settings_schema_list_keys(schema);
        QString found;
        for (gchar** k = keys; k && *k && found.isEmpty(); ++k) {
            GVariant* v = g_settings_get_value(s, *k);
            QStringList values;
            if (g_variant_is_of_type(v, G_VARIANT_TYPE_STRING))
                values << QString::fromUtf8(g_variant_get_string(v, nullptr));
            else if (g_variant_is_of_type(v, G_VARIANT_TYPE_STRING_ARRAY))
                values = strv(s, *k);
            g_variant_unref(v);
            for (const QString& value : std::as_const(values))
                if (value.startsWith(QLatin1Char('<')) && normalised(value) == wanted)
                    found = QString::fromUtf8(*k);
        }
        g_strfreev(keys);
        g_object_unref(s);
        g_settings_schema_unref(schema);
        if (!found.isEmpty())
            return QCoreApplication::translate("HotKeys", "the desktop's shortcut \"%1\"")
                .arg(found);
    }
    return {};
}

bool GnomeHotKeys::registerHotKey(int id, int flags, int vk) {
    unregisterHotKey(id);
    const auto refuse = [&](const QString& why) {
        setStatus(id, {HotKeyStatus::State::Refused, why, {}});
        return false;
    };
    GSettingsSchema* rows = lookup(kRowSchema);
    GSettingsSchema* list = lookup(kListSchema);
    const bool installed = rows && list;
    if (rows) g_settings_schema_unref(rows);
    if (list) g_settings_schema_unref(list);
    if (!installed)
        return refuse(QCoreApplication::translate(
            "HotKeys", "the desktop's custom shortcut settings are not installed"));
    const QString accelerator = GnomeAccelerator(flags, vk);
    if (accelerator.isEmpty())
        return refuse(QCoreApplication::translate("HotKeys", "not a combination Tessaly can bind"));
    if (m_actions.value(id).option.isEmpty())
        return refuse(
            QCoreApplication::translate("HotKeys", "this row has no action the desktop can run"));
    for (auto it = m_wanted.cbegin(); it != m_wanted.cend(); ++it)
        if (normalised(*it) == normalised(accelerator))
            return refuse(
                QCoreApplication::translate("HotKeys", "taken by another Tessaly hot key"));
    const QString holder = holderOf(accelerator);
    if (!holder.isEmpty())
        return refuse(QCoreApplication::translate("HotKeys", "taken by %1").arg(holder));
    m_wanted.insert(id, accelerator);
    setStatus(id, {HotKeyStatus::State::Handed, {}, where()});
    if (m_batch == 0) write();
    return true;
}

void GnomeHotKeys::unregisterHotKey(int id) {
    clearStatus(id);
    // Kept for the next start: the desktop goes on running the command,
    // which starts the program.
    if (m_keepHanded) return;
    if (m_wanted.remove(id) && m_batch == 0) write();
}

void GnomeHotKeys::keepHandedAfterEnd(bool keep) {
    GlobalHotKeys::keepHandedAfterEnd(keep);
    m_ending = true;
}

void GnomeHotKeys::commitChanges() {
    if (m_batch > 0 && --m_batch > 0) return;
    write();
}

void GnomeHotKeys::write() {
    GSettings* list = open(kListSchema);
    if (!list) return;
    const QStringList before = strv(list, kListKey);
    QStringList after;
    // The user's rows stay as they are, in their order; the program's follow.
    for (const QString& path : before)
        if (!path.startsWith(kRowsFolder + kOwnRow)) after << path;
    for (auto it = m_wanted.cbegin(); it != m_wanted.cend(); ++it) {
        const QString path = rowPath(it.key());
        after << path;
        GSettings* row = open(kRowSchema, path);
        if (!row) continue;
        const Action a = m_actions.value(it.key());
        const QString command = shellQuoted(m_program) + QLatin1Char(' ') + a.option;
        const QString name = QStringLiteral("Tessaly: ") + a.name;
        const std::pair<const char*, QString> values[] = {
            {"name", name}, {"command", command}, {"binding", *it}};
        for (const auto& [key, value] : values)
            if (string(row, key) != value)
                g_settings_set_string(row, key, value.toUtf8().constData());
        g_object_unref(row);
    }
    // The program's rows no longer wanted lose their values as well as
    // their place in the list.
    for (const QString& path : before) {
        if (!path.startsWith(kRowsFolder + kOwnRow) || after.contains(path)) continue;
        if (GSettings* row = open(kRowSchema, path)) {
            for (const char* key : {"name", "command", "binding"})
                g_settings_reset(row, key);
            g_object_unref(row);
        }
    }
    if (after != before) {
        QList<QByteArray> bytes;
        std::vector<const gchar*> v;
        for (const QString& p : std::as_const(after))
            bytes << p.toUtf8();
        for (const QByteArray& b : std::as_const(bytes))
            v.push_back(b.constData());
        v.push_back(nullptr);
        g_settings_set_strv(list, kListKey, v.data());
    }
    g_object_unref(list);
    // The settings back end (dconf) takes writes on its own time; the last
    // one before the process ends must arrive.
    if (m_ending) g_settings_sync();
}
