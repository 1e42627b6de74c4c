#pragma once

#include <QString>
#include <optional>

// The texts settings are stored as: "True"/"False", whole numbers in decimal,
// fractional numbers in their shortest exact form with the locale's decimal
// separator. Reading accepts "." and "," (and the locale's separator) alike,
// so a file written under one locale reads back under any other.
namespace StoredText {

QString fromBool(bool value);
QString fromInt(qint64 value);
QString fromDouble(double value);
QString fromFloat(float value);

// A Boolean accepts "True"/"False" in any case, or a number (non-zero = True).
std::optional<bool> toBool(const QString& text);
// Whole numbers accept a fraction, rounded half to even, within the type's range.
std::optional<qint16> toInt16(const QString& text);
std::optional<qint32> toInt32(const QString& text);
// Fractions also accept an INI store's list of two parts ("2, 5" for a "2,5"
// stored without quotes).
std::optional<double> toDouble(const QString& text);
std::optional<float> toFloat(const QString& text);

} // namespace StoredText
