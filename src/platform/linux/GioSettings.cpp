#include "platform/linux/GioSettings.h"

#include <QHash>
#include <vector>

// GLib's headers use `signals` as a member name, which Qt defines as a macro.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

namespace {

struct SchemaKey {
    GSettingsSchemaKey* key = nullptr;
    explicit SchemaKey(GSettings* settings, const QByteArray& name) {
        GSettingsSchema* schema = nullptr;
        g_object_get(settings, "settings-schema", &schema, nullptr);
        if (!schema) return;
        if (g_settings_schema_has_key(schema, name.constData()))
            key = g_settings_schema_get_key(schema, name.constData());
        g_settings_schema_unref(schema);
    }
    ~SchemaKey() {
        if (key) g_settings_schema_key_unref(key);
    }
    SchemaKey(const SchemaKey&) = delete;
    SchemaKey& operator=(const SchemaKey&) = delete;
};

void onChanged(GSettings*, gchar*, gpointer data) {
    (*static_cast<std::function<void()>*>(data))();
}

void deleteCallback(gpointer data, GClosure*) {
    delete static_cast<std::function<void()>*>(data);
}

} // namespace

struct GioSettings::Private {
    QHash<QString, GSettings*> settings;

    // The settings object of `schema`, made once; null when the schema is not
    // installed (g_settings_new would abort the program then).
    GSettings* of(const QString& schema) {
        if (const auto it = settings.constFind(schema); it != settings.constEnd()) return *it;
        GSettings* s = nullptr;
        if (GSettingsSchemaSource* source = g_settings_schema_source_get_default()) {
            if (GSettingsSchema* found =
                    g_settings_schema_source_lookup(source, schema.toUtf8().constData(), TRUE)) {
                s = g_settings_new_full(found, nullptr, nullptr);
                g_settings_schema_unref(found);
            }
        }
        settings.insert(schema, s);
        return s;
    }
};

GioSettings::GioSettings() : d(std::make_unique<Private>()) {}

GioSettings::~GioSettings() {
    for (GSettings* s : std::as_const(d->settings)) {
        if (!s) continue;
        g_signal_handlers_disconnect_matched(s, G_SIGNAL_MATCH_FUNC, 0, 0, nullptr,
                                             reinterpret_cast<gpointer>(&onChanged), nullptr);
        g_object_unref(s);
    }
}

bool GioSettings::set(const QString& schema, const QString& key, const QString& value) {
    GSettings* s = d->of(schema);
    if (!s) return false;
    const QByteArray name = key.toUtf8();
    const SchemaKey k(s, name);
    if (!k.key) return false;
    GVariant* v = g_variant_parse(g_settings_schema_key_get_value_type(k.key),
                                  value.toUtf8().constData(), nullptr, nullptr, nullptr);
    if (!v) return false;
    // Out of range (an enumeration's unknown word) is refused here rather
    // than reported as a programming error by GSettings.
    const bool ok =
        g_settings_schema_key_range_check(k.key, v) && g_settings_set_value(s, name.constData(), v);
    g_variant_unref(v);
    if (ok) g_settings_sync();
    return ok;
}

std::optional<QString> GioSettings::get(const QString& schema, const QString& key) {
    GSettings* s = d->of(schema);
    if (!s) return std::nullopt;
    const QByteArray name = key.toUtf8();
    if (!SchemaKey(s, name).key) return std::nullopt;
    GVariant* v = g_settings_get_value(s, name.constData());
    gchar* text = g_variant_print(v, FALSE);
    const QString out = QString::fromUtf8(text);
    g_free(text);
    g_variant_unref(v);
    return out;
}

bool GioSettings::watch(const QString& schema, const QString& key, std::function<void()> changed) {
    GSettings* s = d->of(schema);
    if (!s) return false;
    const QByteArray name = key.toUtf8();
    if (!SchemaKey(s, name).key) return false;
    g_signal_connect_data(s, ("changed::" + name).constData(), G_CALLBACK(onChanged),
                          new std::function<void()>(std::move(changed)), deleteCallback,
                          GConnectFlags(0));
    // GSettings reports changes only of keys that were read once.
    g_variant_unref(g_settings_get_value(s, name.constData()));
    return true;
}
