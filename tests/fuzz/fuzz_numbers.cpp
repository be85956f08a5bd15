// The number conversions on any text and any double, in a point and a comma locale: nothing
// crashes, and what converts reads back as the same number.
#include "fuzzinput.h"
#include "platform/numberformat.h"

#include <QLocale>
#include <charconv>
#include <cmath>
#include <cstring>

using namespace vistaro;
using fuzz::require;

namespace {

// Largest magnitude whose 15-digit text still reads as a finite double; from here on the text
// says 1.79769313486232E+308, which is beyond the largest double.
constexpr double LargestReadable = 1.797693134862315e308;

bool agreesTo15Digits(double back, double value) {
    return std::abs(back - value) <= 1e-14 * std::abs(value);
}

// The C reading of a number in the regional notation; no value when it is out of the range of
// double (overflow or underflow), which the regional reading rejects too.
std::optional<double> plainReading(QString text) {
    text = text.trimmed().replace(QLocale().decimalPoint(), QStringLiteral("."));
    if (text.startsWith(u'+'))
        text.remove(0, 1);
    const QByteArray bytes = text.toLatin1();
    double value = 0;
    const auto [end, error] = std::from_chars(bytes.begin(), bytes.end(), value);
    if (error != std::errc() || end != bytes.end())
        return std::nullopt;
    return value;
}

void checkValue(double value) {
    const QString text = num::toText(value);
    const std::optional<double> back = num::toDouble(text);
    require(back ? agreesTo15Digits(*back, value) : std::abs(value) >= LargestReadable);

    const QString scene = num::toSceneText(value);
    require(scene.startsWith(u' ') || scene.startsWith(u'-'));
    require(!scene.contains(u',') && !scene.contains(u'e') && !scene.mid(1).startsWith(u"0."));
    const QByteArray sceneDigits = scene.mid(1).toLatin1();
    double sceneValue = 0;
    const auto [end, error] = std::from_chars(sceneDigits.begin(), sceneDigits.end(), sceneValue);
    require(end == sceneDigits.end() || std::abs(value) >= LargestReadable);
    if (error == std::errc())
        require(agreesTo15Digits(scene.startsWith(u'-') ? -sceneValue : sceneValue, value));

    const std::optional<QString> shown = num::toShownText(value);
    require(shown.has_value() == std::isfinite(value * 100));
    if (shown) {
        const std::optional<double> shownValue = num::toDouble(*shown);
        const double slack = 1e-12 * std::max(1.0, std::abs(value));
        require(!shownValue ||
                (*shownValue <= value + slack && *shownValue >= value - 0.01 - slack));
        require(shownValue || std::abs(value) >= LargestReadable / 100);
    }

    const std::optional<std::int32_t> rounded = num::roundHalfEven(value);
    if (rounded)
        require(std::abs(*rounded - value) <= 0.5);
    if (value > -2147483648.5 && value < 2147483647.5)
        require(rounded.has_value());
}

void checkText(const QString& text) {
    for (const QString& other : {QStringLiteral(""), QStringLiteral(","), QStringLiteral(".")}) {
        const bool numeric = num::isNumeric(text, other);
        const QString cleaned = num::removeSeparator(text, other);
        require(other.isEmpty() || !cleaned.contains(other));
        // A numeric text converts unless it is beyond the range of double.
        if (numeric && plainReading(cleaned))
            require(num::toDouble(cleaned).has_value());
    }
    if (const std::optional<double> value = num::toDouble(text))
        checkValue(*value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    double bits = 0;
    if (size >= sizeof bits)
        std::memcpy(&bits, data, sizeof bits);
    for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates),
                                  QLocale(QLocale::Italian, QLocale::Italy)}) {
        QLocale::setDefault(locale);
        checkText(text);
        if (std::isfinite(bits))
            checkValue(bits);
    }
    return 0;
}
