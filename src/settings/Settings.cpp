#include "settings/Settings.h"

#include <array>
#include <utility>

namespace {

const std::array<std::pair<PositionMode, QLatin1String>, 7>& positionTexts() {
    static const std::array<std::pair<PositionMode, QLatin1String>, 7> table = {{
        {PositionMode::Center, QLatin1String("Center")},
        {PositionMode::Tile, QLatin1String("Tile")},
        {PositionMode::Stretch, QLatin1String("Stretch")},
        {PositionMode::FitReduce, QLatin1String("Fit screen (Reduce)")},
        {PositionMode::FitEnlarge, QLatin1String("Fit screen (Enlarge)")},
        {PositionMode::FitReduceEnlarge, QLatin1String("Fit (Reduce/Enlarge)")},
        {PositionMode::Clear, QLatin1String("Clear")},
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
        return QStringLiteral("Same");
    case MonitorSharing::Different:
        return QStringLiteral("Different");
    case MonitorSharing::Span:
        return QStringLiteral("Span");
    case MonitorSharing::Primary:
        return QStringLiteral("Primary");
    }
    return {};
}

std::optional<MonitorSharing> MonitorModeFromText(const QString& text) {
    for (MonitorSharing m : {MonitorSharing::Same, MonitorSharing::Different, MonitorSharing::Span,
                             MonitorSharing::Primary})
        if (text.compare(MonitorModeText(m), Qt::CaseInsensitive) == 0) return m;
    return std::nullopt;
}
