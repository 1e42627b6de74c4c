#include "options_window/OptionsPage.h"

#include <cmath>

std::optional<int> WholeNumberIn(const QString& text, int low, int high) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v) || v != std::floor(v) || v < low || v > high) return std::nullopt;
    return int(v);
}
