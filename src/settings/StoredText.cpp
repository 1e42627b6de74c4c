#include "settings/StoredText.h"

#include <QLocale>
#include <QRegularExpression>
#include <charconv>
#include <cmath>
#include <limits>

namespace StoredText {

namespace {

QString withLocaleSeparator(const char* begin, const char* end) {
    QString text = QString::fromLatin1(begin, end - begin);
    const QString point = QLocale().decimalPoint();
    if (point != QLatin1String(".")) text.replace(QLatin1Char('.'), point);
    return text;
}

template <typename T> QString shortestFixed(T value) {
    if (!std::isfinite(value)) return QStringLiteral("0");
    char buf[512];
    // Fixed notation in the fewest digits that read back to the same value:
    // "10", "0.5", "900000" (never "9e+05").
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    if (res.ec != std::errc()) return QStringLiteral("0");
    return withLocaleSeparator(buf, res.ptr);
}

std::optional<double> parseNumber(const QString& raw) {
    QString text = raw.trimmed();
    if (text.isEmpty()) return std::nullopt;
    // Stored numbers carry no group separators: "." and "," are both taken as
    // the decimal point, whatever the locale, so a file written under one
    // language reads back under any other.
    const QString point = QLocale().decimalPoint();
    if (point != QLatin1String(".")) text.replace(point, QStringLiteral("."));
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

// A fraction stored with a comma and without quotes ("IntervalTimer=2,5", as
// a German locale writes it and as files are edited by hand) comes out of an
// INI store as a list of two items, which the store hands on as "2, 5": its
// two parts are one number.
QString fractionText(const QString& text) {
    static const QRegularExpression listed(QStringLiteral(R"(^\s*([+-]?\d*)\s*,\s*(\d+)\s*$)"));
    const QRegularExpressionMatch m = listed.match(text);
    if (!m.hasMatch()) return text;
    return m.captured(1) + QLatin1Char(',') + m.captured(2);
}

template <typename T> std::optional<T> toWhole(const QString& text) {
    const auto v = parseNumber(text);
    if (!v) return std::nullopt;
    const double r = std::nearbyint(*v); // half to even under the default rounding mode
    if (r < std::numeric_limits<T>::min() || r > std::numeric_limits<T>::max()) return std::nullopt;
    return static_cast<T>(r);
}

} // namespace

QString fromBool(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}
QString fromInt(qint64 value) {
    return QString::number(value);
}
QString fromDouble(double value) {
    return shortestFixed(value);
}
QString fromFloat(float value) {
    return shortestFixed(value);
}

std::optional<bool> toBool(const QString& text) {
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
    if (const auto v = parseNumber(t)) return *v != 0;
    return std::nullopt;
}

std::optional<qint16> toInt16(const QString& text) {
    return toWhole<qint16>(text);
}
std::optional<qint32> toInt32(const QString& text) {
    return toWhole<qint32>(text);
}
std::optional<double> toDouble(const QString& text) {
    return parseNumber(fractionText(text));
}

std::optional<float> toFloat(const QString& text) {
    const auto v = parseNumber(fractionText(text));
    if (!v || std::abs(*v) > std::numeric_limits<float>::max()) return std::nullopt;
    return static_cast<float>(*v);
}

} // namespace StoredText
