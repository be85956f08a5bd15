// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/numberformat.h"

#include <QLocale>
#include <QRegularExpression>
#include <charconv>
#include <cmath>
#include <limits>

namespace vistaro::num {

namespace {

QChar regionalDecimalPoint() {
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.front();
}

// Shortest "%.15G" form with a plain "." and an upper-case exponent; -0 is written as 0.
QString cFormat(double value) {
    if (value == 0.0)
        value = 0.0;
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    QString text = QString::fromLatin1(buffer, result.ptr - buffer);
    return text.replace(u'e', u'E');
}

// The calculator tests its fields on every timer tick, and compiling the pattern costs far more
// than matching it: the pattern is kept for the decimal point it was last built for.
const QRegularExpression& numberPattern(QChar point) {
    thread_local QChar builtFor;
    thread_local QRegularExpression pattern;
    if (pattern.pattern().isEmpty() || builtFor != point) {
        const QString escaped = QRegularExpression::escape(QString(point));
        pattern.setPattern(
            QStringLiteral("\\A[+-]?(?:[0-9]+(?:%1[0-9]*)?|%1[0-9]+)(?:[eE][+-]?[0-9]+)?\\z")
                .arg(escaped));
        builtFor = point;
    }
    return pattern;
}

} // namespace

bool isNumeric(QStringView text, QStringView otherSeparator) {
    const QString cleaned = removeSeparator(text.toString(), otherSeparator).trimmed();
    return numberPattern(regionalDecimalPoint()).match(cleaned).hasMatch();
}

QString removeSeparator(const QString& text, QStringView otherSeparator) {
    if (otherSeparator.isEmpty())
        return text;
    QString cleaned = text;
    return cleaned.remove(otherSeparator.toString());
}

std::optional<double> toDouble(const QString& text) {
    bool ok = false;
    const double value = QLocale().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString toText(double value) {
    return cFormat(value).replace(u'.', regionalDecimalPoint());
}

double readAtFifteenDigits(double value) {
    if (!std::isfinite(value))
        return value;
    double readable = value;
    const QByteArray digits = cFormat(value).toLatin1();
    std::from_chars(digits.constData(), digits.constData() + digits.size(), readable);
    return readable;
}

std::optional<QString> toShownText(double value) {
    const double hundredfold = value * 100;
    if (!std::isfinite(hundredfold))
        return std::nullopt;
    // Int() works on the product as it reads at 15 digits, so that 0.29 * 100, which the
    // hardware gives as 28.999999999999996, truncates to 29 and not to 28.
    return toText(std::floor(readAtFifteenDigits(hundredfold)) / 100);
}

QString toSceneText(double value) {
    QString text = cFormat(value);
    const bool negative = text.startsWith(u'-');
    if (negative)
        text.remove(0, 1);
    if (text.startsWith(QStringLiteral("0.")))
        text.remove(0, 1);
    return (negative ? QStringLiteral("-") : QStringLiteral(" ")) + text;
}

std::optional<std::int32_t> roundHalfEven(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
          rounded <= std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

} // namespace vistaro::num
