// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

// Every conversion between numbers and text goes through here. Numbers follow the regional
// format Qt reports (QLocale()), never the separator the user declared in the settings: that
// one only picks the catalogue file and names the digit-group mark to delete from typed text.
namespace vistaro::num {

// Blanks at both ends and every `otherSeparator` character are ignored; what is left must be a
// sign, digits with at most one regional decimal separator and at least one digit, and an
// optional exponent.
bool isNumeric(QStringView text, QStringView otherSeparator);

// `text` without any occurrence of `otherSeparator` (unchanged when it is empty).
QString removeSeparator(const QString& text, QStringView otherSeparator);

// Regional text to double; empty, malformed, infinite or NaN text gives no value.
std::optional<double> toDouble(const QString& text);

// At most 15 significant digits, regional decimal separator, no grouping, exponent form as
// "%.15G" writes it ("1E-05", "1E+15").
QString toText(double value);

// `value` as it reads at 15 significant digits: binary noise such as 0.29 x 100 =
// 28.999999999999996 reads as the 29 that the decimal figures mean. Non-finite values stay.
double readAtFifteenDigits(double value);

// The two-decimal display form: Int(x * 100) / 100, Int rounding towards minus infinity.
// No value when x * 100 is not finite.
std::optional<QString> toShownText(double value);

// The scene-size form: a blank before zero and positive values, "." always, no zero before the
// point (" .48", " 4", "-1.5"), at most 15 significant digits.
QString toSceneText(double value);

// Halves to even, to a 32-bit integer; no value outside that range or for NaN.
std::optional<std::int32_t> roundHalfEven(double value);

} // namespace vistaro::num
