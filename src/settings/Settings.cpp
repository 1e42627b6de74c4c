#include "settings/Settings.h"

#include <array>
#include <utility>

namespace {

// The texts are stored as they are; the settings window shows them translated.
const std::array<std::pair<PositionMode, QLatin1String>, 7>& positionTexts() {
    static const std::array<std::pair<PositionMode, QLatin1String>, 7> table = {{
        {PositionMode::Center, QLatin1String(QT_TRANSLATE_NOOP("Settings", "Center"))},
        {PositionMode::Tile, QLatin1String(QT_TRANSLATE_NOOP("Settings", "Tile"))},
        {PositionMode::Stretch, QLatin1String(QT_TRANSLATE_NOOP("Settings", "Stretch"))},
        {PositionMode::FitReduce,
         QLatin1String(QT_TRANSLATE_NOOP("Settings", "Fit screen (Reduce)"))},
        {PositionMode::FitEnlarge,
         QLatin1String(QT_TRANSLATE_NOOP("Settings", "Fit screen (Enlarge)"))},
        {PositionMode::FitReduceEnlarge,
         QLatin1String(QT_TRANSLATE_NOOP("Settings", "Fit (Reduce/Enlarge)"))},
        {PositionMode::Clear, QLatin1String(QT_TRANSLATE_NOOP("Settings", "Clear"))},
    }};
    return table;
}

} // namespace

QString PositionText(PositionMode mode) {
    for (const auto& [m, text] : positionTexts())
        if (m == mode) return text;
    return {};
}

WallpaperPosition WallpaperPosition::fromText(const QString& text) {
    // The texts are compared exactly, as they are stored.
    for (const auto& [m, t] : positionTexts())
        if (text == t) return {m, text};
    return {PositionMode::Other, text};
}

WallpaperPosition WallpaperPosition::of(PositionMode mode) {
    return {mode, PositionText(mode)};
}

QString MonitorModeText(MonitorSharing mode) {
    switch (mode) {
    case MonitorSharing::Same:
        return QStringLiteral(QT_TRANSLATE_NOOP("Settings", "Same"));
    case MonitorSharing::Different:
        return QStringLiteral(QT_TRANSLATE_NOOP("Settings", "Different"));
    case MonitorSharing::Span:
        return QStringLiteral(QT_TRANSLATE_NOOP("Settings", "Span"));
    case MonitorSharing::Primary:
        return QStringLiteral(QT_TRANSLATE_NOOP("Settings", "Primary"));
    }
    return {};
}

std::optional<MonitorSharing> MonitorModeFromText(const QString& text) {
    for (MonitorSharing m : {MonitorSharing::Same, MonitorSharing::Different, MonitorSharing::Span,
                             MonitorSharing::Primary})
        if (text.compare(MonitorModeText(m), Qt::CaseInsensitive) == 0) return m;
    return std::nullopt;
}
