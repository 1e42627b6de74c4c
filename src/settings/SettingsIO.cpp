#include "settings/SettingsIO.h"

#include "platform/SettingsStore.h"
#include "settings/Settings.h"
#include "settings/StoredText.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <type_traits>
#include <variant>
#include <vector>

namespace {

using Field =
    std::variant<bool Settings::*, qint16 Settings::*, qint32 Settings::*, float Settings::*,
                 double Settings::*, QString Settings::*, WallpaperSource Settings::*,
                 ChangeTechnique Settings::*, WallpaperPosition Settings::*,
                 MonitorSharing Settings::*, QStringList Settings::*>;

struct Key {
    const char* section;
    const char* name;
    Field field;
};

#define OPTION(name)                                                                               \
    Key {                                                                                          \
        "Options", #name, &Settings::name                                                          \
    }

// "Options" keys in reading order.
const std::vector<Key>& optionKeys() {
    static const std::vector<Key> keys = {
        OPTION(WallpaperTimer),
        OPTION(IntervalTimer),
        OPTION(WallpaperStartup),
        OPTION(TechniqueTimer),
        OPTION(AutoStart),
        OPTION(WallPaperPosition),
        OPTION(CurWallPaper),
        OPTION(SubFols),
        OPTION(EBright),
        OPTION(EBlue),
        OPTION(EGreen),
        OPTION(ERed),
        OPTION(EInvert),
        OPTION(EGamma),
        OPTION(WPSource),
        OPTION(BubbleFileName),
        OPTION(CPULimit),
        OPTION(IsCPULimit),
        OPTION(IsDelayWhenLocked),
        OPTION(PrepareNextWallpaper),
        OPTION(IntProxy),
        OPTION(IntUseProxy),
        OPTION(IntTimeOut),
        OPTION(IntCatCode),
        OPTION(IntCoolDown),
        OPTION(IntIgnore),
        OPTION(IntTray),
        OPTION(IntEnableCaching),
        OPTION(IntServer),
        OPTION(MonitorMode),
        OPTION(MonitorPictures),
        OPTION(WaterMarkText),
        OPTION(WaterMarkVisible),
        OPTION(WaterMarkPos),
        OPTION(WaterMarkColor),
        OPTION(WaterMarkSize),
        OPTION(WaterMarkFont),
        OPTION(WaterMarkUnderLine),
        OPTION(WaterMarkItalic),
        OPTION(WaterMarkBold),
    };
    return keys;
}

// Widget keys in reading order. A font set is stored in its own section when
// its name is null, otherwise beside other keys, its keys prefixed by the
// name ("HeadlineName", "HeadlineSize", …).
struct WidgetKey {
    const char* section;
    const char* name;
    std::variant<std::monostate, Field, FontSet Settings::*> field;
};

const std::vector<WidgetKey>& widgetKeys() {
    static const std::vector<WidgetKey> keys = {
        {"Options", "Transparency", Field{&Settings::Transparency}},
        {"Ctitle", nullptr, &Settings::Ctitle},
        {"CDnames", nullptr, &Settings::CDnames},
        {"CD", nullptr, &Settings::CD},
        {"CTD", nullptr, &Settings::CTD},
        {"Options", "CalTop", Field{&Settings::CalTop}},
        {"Options", "CalLeft", Field{&Settings::CalLeft}},
        {"Options", "CalV", Field{&Settings::CalV}},
        {"Options", "CalOnTop", Field{&Settings::CalOnTop}},
        {"ClockDigit", nullptr, &Settings::ClockDigit},
        {"ClockPointers", "Sec", Field{&Settings::Sec}},
        {"ClockPointers", "Min", Field{&Settings::Min}},
        {"ClockPointers", "Hour", Field{&Settings::Hour}},
        {"Options", "ClockTop", Field{&Settings::ClockTop}},
        {"Options", "ClockLeft", Field{&Settings::ClockLeft}},
        {"Options", "ClockV", Field{&Settings::ClockV}},
        {"Options", "ClockOnTop", Field{&Settings::ClockOnTop}},
        {"NewsBar", "Enabled", Field{&Settings::NBEnabled}},
        {"NewsBar", "Clickable", Field{&Settings::NBClickable}},
        {"NewsBar", "Interval", Field{&Settings::NBInterval}},
        {"NewsBar", "Speed", Field{&Settings::NBSpeed}},
        {"NewsBar", "Headline", &Settings::NBHeadline},
        {"NewsBar", "Source", &Settings::NBSource},
        {"NewsBar", "Left", Field{&Settings::NBLeft}},
        {"NewsBar", "Top", Field{&Settings::NBTop}},
        {"NewsBar", "OnTop", Field{&Settings::NBOnTop}},
    };
    return keys;
}

std::optional<bool> convert(const QString& t, bool*) {
    return StoredText::toBool(t);
}
std::optional<qint16> convert(const QString& t, qint16*) {
    return StoredText::toInt16(t);
}
std::optional<qint32> convert(const QString& t, qint32*) {
    return StoredText::toInt32(t);
}
std::optional<float> convert(const QString& t, float*) {
    return StoredText::toFloat(t);
}
std::optional<double> convert(const QString& t, double*) {
    return StoredText::toDouble(t);
}
std::optional<QString> convert(const QString& t, QString*) {
    return t;
}
// A number outside the known values is as good as a missing one: the key
// takes its default.
std::optional<WallpaperSource> convert(const QString& t, WallpaperSource*) {
    const std::optional<qint16> n = StoredText::toInt16(t);
    if (!n || *n < 0 || *n > 2) return std::nullopt;
    return WallpaperSource(*n);
}
std::optional<ChangeTechnique> convert(const QString& t, ChangeTechnique*) {
    const std::optional<qint16> n = StoredText::toInt16(t);
    if (!n || *n < 0 || *n > 1) return std::nullopt;
    return ChangeTechnique(*n);
}
std::optional<MonitorSharing> convert(const QString& t, MonitorSharing*) {
    return MonitorModeFromText(t);
}
std::optional<QStringList> convert(const QString& t, QStringList*) {
    return t.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
std::optional<WallpaperPosition> convert(const QString& t, WallpaperPosition*) {
    return WallpaperPosition::fromText(t);
}

QString toText(bool v) {
    return StoredText::fromBool(v);
}
QString toText(qint16 v) {
    return StoredText::fromInt(v);
}
QString toText(qint32 v) {
    return StoredText::fromInt(v);
}
QString toText(float v) {
    return StoredText::fromFloat(v);
}
QString toText(double v) {
    return StoredText::fromDouble(v);
}
QString toText(const QString& v) {
    return v;
}
QString toText(WallpaperSource v) {
    return StoredText::fromInt(qint16(v));
}
QString toText(ChangeTechnique v) {
    return StoredText::fromInt(qint16(v));
}
QString toText(const WallpaperPosition& v) {
    return v.text;
}
QString toText(MonitorSharing v) {
    return MonitorModeText(v);
}
QString toText(const QStringList& v) {
    return v.join(QLatin1Char('\n'));
}

// The stored value of one key converted to T, or `fallback` when the key is
// missing or its text does not convert.
template <typename T>
T readValue(const SettingsStore& store, const QString& section, const QString& key,
            const T& fallback) {
    const std::optional<QString> text = store.value(section, key);
    if (!text) return fallback;
    return convert(*text, static_cast<T*>(nullptr)).value_or(fallback);
}

void readField(const SettingsStore& store, Settings& s, const char* section, const char* name,
               const Field& field, QStringList& repaired) {
    static const Settings defaults;
    std::visit(
        [&](auto member) {
            using T = std::remove_reference_t<decltype(s.*member)>;
            const std::optional<QString> text =
                store.value(QString::fromLatin1(section), QString::fromLatin1(name));
            std::optional<T> v;
            if (text) v = convert(*text, static_cast<T*>(nullptr));
            // A stored text that does not convert (or names no known value)
            // gives the key its default; the user hears of it.
            if (text && !v) repaired << QString::fromLatin1(name);
            s.*member = v.value_or(defaults.*member);
        },
        field);
}

// Brings numbers no control can produce back into the controls' ranges: a
// value the program cannot use (a zero interval changing the wallpaper every
// second, a negative brightness painting it black) takes its default or the
// nearest allowed value. The names of the keys mended go to `repaired`.
void repairRanges(Settings& s, QStringList& repaired) {
    static const Settings d;
    const auto clamp = [&](auto& value, auto low, auto high, const char* name) {
        using V = std::remove_reference_t<decltype(value)>;
        const V mended = std::clamp<V>(value, V(low), V(high));
        if (mended != value) repaired << QString::fromLatin1(name);
        value = mended;
    };
    const auto positive = [&](auto& value, auto fallback, const char* name) {
        if (value > 0 && std::isfinite(double(value))) return;
        repaired << QString::fromLatin1(name);
        value = fallback;
    };
    positive(s.IntervalTimer, d.IntervalTimer, "IntervalTimer");
    clamp(s.EBright, 0, 200, "EBright");
    clamp(s.ERed, -255, 255, "ERed");
    clamp(s.EGreen, -255, 255, "EGreen");
    clamp(s.EBlue, -255, 255, "EBlue");
    if (!std::isfinite(s.EGamma)) {
        s.EGamma = d.EGamma;
        repaired << QStringLiteral("EGamma");
    }
    clamp(s.EGamma, 0.0, 1.99, "EGamma");
    clamp(s.CPULimit, 0, 100, "CPULimit");
    positive(s.WaterMarkSize, d.WaterMarkSize, "WaterMarkSize");
    positive(s.IntTimeOut, d.IntTimeOut, "IntTimeOut");
    if (!(s.IntCoolDown >= 0) || !std::isfinite(s.IntCoolDown)) {
        s.IntCoolDown = d.IntCoolDown;
        repaired << QStringLiteral("IntCoolDown");
    }
    clamp(s.Transparency, 0, 255, "Transparency");
    positive(s.NBInterval, d.NBInterval, "NewsBar/Interval");
    clamp(s.NBSpeed, 1, 10, "NewsBar/Speed");
}

void writeField(SettingsStore& store, const Settings& s, const char* section, const char* name,
                const Field& field) {
    std::visit(
        [&](auto member) {
            store.setValue(QString::fromLatin1(section), QString::fromLatin1(name),
                           toText(s.*member));
        },
        field);
}

// The key of a font set's part: "name" alone, or "HeadlineName" after a prefix.
QString fontKey(const char* prefix, const char* part) {
    QString key = QString::fromLatin1(part);
    if (!prefix) return key;
    key[0] = key[0].toUpper();
    return QString::fromLatin1(prefix) + key;
}

void LoadFontSet(const SettingsStore& store, FontSet& set, const QString& section,
                 const char* prefix) {
    // A missing name, style or colour takes the set's own default; a missing
    // size or bold keeps what the element currently has.
    const FontSet d;
    set.name = readValue(store, section, fontKey(prefix, "name"), d.name);
    set.size = readValue(store, section, fontKey(prefix, "size"), set.size);
    set.bold = readValue(store, section, fontKey(prefix, "bold"), set.bold);
    set.Italic = readValue(store, section, fontKey(prefix, "Italic"), d.Italic);
    set.Underline = readValue(store, section, fontKey(prefix, "Underline"), d.Underline);
    set.color = readValue(store, section, fontKey(prefix, "color"), d.color);
}

void SaveFontSet(SettingsStore& store, const FontSet& set, const QString& section,
                 const char* prefix) {
    store.setValue(section, fontKey(prefix, "name"), set.name);
    store.setValue(section, fontKey(prefix, "size"), StoredText::fromDouble(set.size));
    store.setValue(section, fontKey(prefix, "bold"), StoredText::fromBool(set.bold));
    store.setValue(section, fontKey(prefix, "Italic"), StoredText::fromBool(set.Italic));
    store.setValue(section, fontKey(prefix, "Underline"), StoredText::fromBool(set.Underline));
    store.setValue(section, fontKey(prefix, "color"), StoredText::fromInt(set.color));
}

void visitWidgetKey(const WidgetKey& k, auto&& onField, auto&& onFontSet) {
    if (const auto* f = std::get_if<Field>(&k.field))
        onField(*f);
    else if (const auto* fs = std::get_if<FontSet Settings::*>(&k.field))
        onFontSet(*fs);
}

QString hotKeySection(int index) {
    return QStringLiteral("HK%1").arg(index);
}

} // namespace

QStringList LoadSettings(const SettingsStore& store, Settings& s, HotKeyTable& hotKeys,
                         bool widgets) {
    QStringList repaired;
    for (const Key& k : optionKeys())
        readField(store, s, k.section, k.name, k.field, repaired);
    if (widgets) {
        for (const WidgetKey& k : widgetKeys()) {
            visitWidgetKey(
                k, [&](const Field& f) { readField(store, s, k.section, k.name, f, repaired); },
                [&](FontSet Settings::*fs) {
                    LoadFontSet(store, s.*fs, QString::fromLatin1(k.section), k.name);
                });
        }
    }
    repairRanges(s, repaired);
    PresetHotKeys(hotKeys);
    LoadHotKeys(store, hotKeys);
    return repaired;
}

bool SaveSettings(SettingsStore& store, const Settings& s, const HotKeyTable& hotKeys,
                  bool widgets) {
    for (const Key& k : optionKeys())
        writeField(store, s, k.section, k.name, k.field);
    store.setValue(QStringLiteral("Options"), QStringLiteral("1strun"),
                   StoredText::fromBool(false));
    if (widgets) {
        const WidgetKey* transparency = nullptr;
        for (const WidgetKey& k : widgetKeys()) {
            if (qstrcmp(k.name, "Transparency") == 0) {
                transparency = &k; // written last
                continue;
            }
            visitWidgetKey(
                k, [&](const Field& f) { writeField(store, s, k.section, k.name, f); },
                [&](FontSet Settings::*fs) {
                    SaveFontSet(store, s.*fs, QString::fromLatin1(k.section), k.name);
                });
        }
        if (transparency)
            writeField(store, s, transparency->section, transparency->name,
                       std::get<Field>(transparency->field));
    }
    SaveHotKeys(store, hotKeys);
    return store.sync();
}

void PresetHotKeys(HotKeyTable& hotKeys) {
    static constexpr qint16 keys[] = {0x43, 0x53, 0x44, 0x52}; // C, S, D, R
    for (int i = 0; i < 4; ++i)
        hotKeys[i].Key = keys[i];
}

void LoadHotKeys(const SettingsStore& store, HotKeyTable& hotKeys) {
    for (int i = 0; i < int(hotKeys.size()); ++i) {
        HotKey& hk = hotKeys[i];
        const QString section = hotKeySection(i);
        hk.Enabled = readValue(store, section, QStringLiteral("Enabled"), false);
        hk.Modifiers = readValue<qint16>(store, section, QStringLiteral("ShiftKey"), 2);
        hk.Key = readValue(store, section, QStringLiteral("ASCIIkey"), hk.Key);
    }
}

void SaveHotKeys(SettingsStore& store, const HotKeyTable& hotKeys) {
    for (int i = 0; i < int(hotKeys.size()); ++i) {
        const HotKey& hk = hotKeys[i];
        const QString section = hotKeySection(i);
        store.setValue(section, QStringLiteral("Enabled"), StoredText::fromBool(hk.Enabled));
        store.setValue(section, QStringLiteral("ShiftKey"), StoredText::fromInt(hk.Modifiers));
        store.setValue(section, QStringLiteral("ASCIIkey"), StoredText::fromInt(hk.Key));
    }
}

bool StoredAutoStart(const SettingsStore& store) {
    return readValue(store, QStringLiteral("Options"), QStringLiteral("AutoStart"), true);
}

bool StoredFirstRun(const SettingsStore& store) {
    return readValue(store, QStringLiteral("Options"), QStringLiteral("1strun"), true);
}
