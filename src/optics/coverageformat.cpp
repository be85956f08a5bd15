// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/coverageformat.h"

#include "optics/units.h"
#include "platform/numberformat.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace vistaro {

namespace {

const QString Missing = QStringLiteral("-");

// `value` to `decimals` decimals, worked on its digits as they read at 15 significant digits:
// 1.005, 1.00499999999999989 in binary, rounds to 1.01, and 0.29 x 100, which the arithmetic
// leaves at 28.999999999999996, rounded down stays 0.29.
QString numberText(double value, int decimals, Rounding rounding,
                   const QLocale& regional = QLocale()) {
    if (!std::isfinite(value))
        return Missing;
    const double scale = std::pow(10, decimals);
    const double scaled = num::readAtFifteenDigits(value * scale);
    if (std::abs(scaled) < 1e15)
        value = (rounding == Rounding::Down ? std::floor(scaled) : std::round(scaled)) / scale;
    QLocale locale = regional;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 15);
}

QString withUnit(std::optional<double> value, int decimals, const QString& unit,
                 Rounding rounding = Rounding::Nearest) {
    if (!value || !std::isfinite(*value))
        return Missing;
    return numberText(*value, decimals, rounding) + u' ' + unit;
}

// Metres in the units on show.
std::optional<double> inUnits(std::optional<double> metres, Units units) {
    return metres ? std::optional(toUnits(*metres, units)) : std::nullopt;
}

QString quantityName(Quantity quantity) {
    return CoverageText::tr(traitsOf(quantity).name);
}

// A bound of `quantity` in the unit it is typed in.
QString limitText(Quantity quantity, double limit, Units units) {
    switch (traitsOf(quantity).measure) {
    case Measure::Millimetres:
        return CoverageText::number(limit, 3) + u' ' + CoverageText::tr("mm");
    case Measure::CalculatorMetres:
        return CoverageText::number(limit, 3) + u' ' + lengthUnit(Units::Metric);
    case Measure::Metres:
        return CoverageText::length(limit, units);
    case Measure::Micrometres:
        return CoverageText::number(limit, 3) + QStringLiteral(" \u00b5m");
    case Measure::Count:
        return CoverageText::number(limit, 0);
    case Measure::Degrees:
        return CoverageText::number(limit, 1) + u'\u00b0';
    case Measure::Number:
        return CoverageText::number(limit, 3);
    }
    return {};
}

} // namespace

QString CoverageText::number(double value, int decimals) {
    return numberText(value, decimals, Rounding::Nearest);
}

QString CoverageText::figure(double value, int decimals, Rounding rounding, const QLocale& locale) {
    // Below a millionth a figure is the rounding error of a zero (the edge density of a field of
    // 180°), far below what any input gives.
    constexpr int MostDecimals = 6;
    const double size = std::abs(value);
    if (size > 0 && size < 1)
        decimals = std::max(
            decimals, std::min(MostDecimals, static_cast<int>(-std::floor(std::log10(size)))));
    return numberText(value, decimals, rounding, locale);
}

double roundLength(double metres, Units units) {
    const double unit = unitLength(units);
    const double wanted = metres / unit;
    const double power = std::pow(10, std::floor(std::log10(wanted)));
    const double step = wanted / power >= 5 ? 5 : wanted / power >= 2 ? 2 : 1;
    return step * power * unit;
}

QString CoverageText::length(std::optional<double> metres, Units units) {
    return withUnit(inUnits(metres, units), 2, lengthUnit(units));
}

QString CoverageText::reach(std::optional<double> metres, Units units) {
    return withUnit(inUnits(metres, units), 2, lengthUnit(units), Rounding::Down);
}

QString CoverageText::angle(std::optional<double> degrees) {
    return degrees && std::isfinite(*degrees) ? QLocale().toString(*degrees, 'f', 1) + u'\u00b0'
                                              : Missing;
}

QString CoverageText::density(std::optional<double> pixelsPerMetre, Units units) {
    const QString figure = densityFigure(pixelsPerMetre, units);
    return figure == Missing ? figure : figure + u' ' + densityUnit(units);
}

QString CoverageText::densityFigure(std::optional<double> pixelsPerMetre, Units units,
                                    const QLocale& locale) {
    if (!pixelsPerMetre || !std::isfinite(*pixelsPerMetre))
        return Missing;
    return figure(densityToUnits(*pixelsPerMetre, units), 1, Rounding::Down, locale);
}

QString CoverageText::focal(std::optional<double> millimetres) {
    // As the site plan's tables show it, so that a camera's page agrees with them.
    if (!millimetres || !std::isfinite(*millimetres))
        return Missing;
    return figure(*millimetres, 2, Rounding::Nearest) + u' ' + tr("mm");
}

QString CoverageText::millimetres(SensorSize size) {
    return QStringLiteral("%1 x %2 %3")
        .arg(number(size.widthMm, 2), number(size.heightMm, 2), tr("mm"));
}

QString CoverageText::diagonal(SensorSize size) {
    return number(diagonalMm(size), 2);
}

QString CoverageText::levelName(const LevelSet& set, Level level) {
    if (level >= set.size())
        return Missing;
    const QString& name = set.levels[level].name;
    return set.builtIn() ? tr(name.toUtf8().constData()) : name;
}

QString CoverageText::levelSetName(const LevelSet& set) {
    if (!set.builtIn())
        return set.name;
    const QString name = tr(set.name.toUtf8().constData());
    if (set.measure != LevelMeasure::PlatePixels)
        return name;
    return tr("%1 (%2 mm, %3 px)")
        .arg(name, number(set.plateWidthMm, 1), number(set.levels.front().value, 1));
}

QString CoverageText::levelNeeds(const LevelSet& set, Level level, Units units) {
    if (level >= set.size())
        return Missing;
    const double value = set.levels[level].value;
    switch (set.measure) {
    case LevelMeasure::ScreenShare:
        return QStringLiteral("%1 %").arg(number(value * 100, 1));
    case LevelMeasure::PlatePixels:
        return QStringLiteral("%1 %2").arg(number(value, 1), tr("px"));
    case LevelMeasure::Density:
        break;
    }
    const double perMetre = densityFromUnits(value, set.typedIn());
    return QStringLiteral("%1 %2").arg(number(densityToUnits(perMetre, units), 2),
                                       densityUnit(units));
}

QString CoverageText::levelReached(const CoverageResult& result, const LevelSet& set) {
    if (!result.pixelsPerMetre)
        return Missing;
    return result.levelReached ? levelName(set, *result.levelReached)
                               : tr("Below %1").arg(levelName(set, 0));
}

QString CoverageText::farEdge(const GroundEdges& ground, Units units) {
    return ground.farUnbounded ? tr("Unbounded (horizon)") : length(ground.farM, units);
}

QString CoverageText::problem(const Problem& problem, Units units) {
    QString line;
    switch (problem.fault) {
    case Fault::NotNumber:
        line = tr("%1 is not a number.").arg(quantityName(problem.quantity));
        break;
    case Fault::NotPositive:
        line = tr("%1 must be greater than zero.").arg(quantityName(problem.quantity));
        break;
    case Fault::TooSmall:
        line = tr("%1 is too small: at least %2.")
                   .arg(quantityName(problem.quantity),
                        limitText(problem.quantity, smallestOf(problem.quantity), units));
        break;
    case Fault::TooLarge:
        line = tr("%1 is too large: at most %2.")
                   .arg(quantityName(problem.quantity),
                        limitText(problem.quantity, largestOf(problem.quantity), units));
        break;
    case Fault::OutOfRange:
        line = tr("%1 must be more than %2 and less than %3.")
                   .arg(quantityName(problem.quantity),
                        limitText(problem.quantity, smallestOf(problem.quantity), units),
                        limitText(problem.quantity, largestOf(problem.quantity), units));
        break;
    case Fault::SeesNoGround:
        line = problem.quantity == Quantity::Tilt
                   ? tr("At this tilt angle the camera looks above the horizon: it sees no "
                        "ground.")
                   : tr("The camera is below the target and looks above the horizon: it sees "
                        "no ground.");
        break;
    case Fault::BeyondProjection:
        line = tr("%1 is wider than this lens projection can show.")
                   .arg(quantityName(problem.quantity));
        break;
    }
    return problem.tele ? tr("Tele end: %1").arg(line) : line;
}

QString CoverageText::pictureArea(const Camera& camera) {
    const SensorSize imaged = imagedArea(camera.sensor, camera.image);
    if (sameSize(imaged, camera.sensor))
        return {};
    return tr("The picture uses %1 of the sensor.").arg(millimetres(imaged));
}

std::vector<ShownFigure> shownFigures(const CoverageResult& result, const LevelSet& set,
                                      Level level, Units units) {
    const bool rectilinear = result.projection == Projection::Rectilinear;
    const std::optional<DepthOfField>& depth = result.depth;
    const std::optional<double> nearest = depth ? std::optional(depth->nearM) : std::nullopt;
    std::vector<ShownFigure> figures{
        {QStringLiteral("AngleH"), CoverageText::tr("Horizontal angle"),
         CoverageText::angle(result.angleHDeg)},
        {QStringLiteral("AngleV"), CoverageText::tr("Vertical angle"),
         CoverageText::angle(result.angleVDeg)},
        {QStringLiteral("AngleD"), CoverageText::tr("Diagonal angle"),
         CoverageText::angle(result.angleDDeg)},
        {QStringLiteral("SceneWidth"), CoverageText::tr("Scene width"),
         CoverageText::length(result.sceneWidthM, units)},
        {QStringLiteral("SceneHeight"), CoverageText::tr("Scene height"),
         CoverageText::length(result.sceneHeightM, units)},
        {QStringLiteral("PixelDensity"),
         rectilinear ? CoverageText::tr("Pixel density")
                     : CoverageText::tr("Pixel density at the centre"),
         CoverageText::density(result.pixelsPerMetre, units)},
        // Empty for a rectilinear lens, whose density the plane at the distance has throughout.
        {QStringLiteral("PixelDensityEdge"), CoverageText::tr("Pixel density at the edge"),
         rectilinear ? QString() : CoverageText::density(result.edgePixelsPerMetre, units)},
        {QStringLiteral("LevelReached"), CoverageText::tr("Level reached"),
         CoverageText::levelReached(result, set)},
    };
    // Named by the level's key, "DistanceIdentification".
    for (Level of = 0; of < set.size(); ++of) {
        const QString& key = set.levels[of].key;
        figures.push_back(
            {QStringLiteral("Distance") + key.left(1).toUpper() + key.mid(1),
             CoverageText::tr("%1 up to").arg(CoverageText::levelName(set, of)),
             CoverageText::reach(of < result.levelDistanceM.size() ? result.levelDistanceM[of]
                                                                   : std::nullopt,
                                 units)});
    }
    figures.insert(
        figures.end(),
        {{QStringLiteral("NeededFocal"),
          CoverageText::tr("Needed focal length (%1)").arg(CoverageText::levelName(set, level)),
          CoverageText::focal(result.neededFocalMm)},
         {QStringLiteral("DeadZone"), CoverageText::tr("Dead zone (near ground edge)"),
          CoverageText::length(result.ground.nearM, units)},
         {QStringLiteral("FarEdge"), CoverageText::tr("Far ground edge"),
          CoverageText::farEdge(result.ground, units)},
         {QStringLiteral("SharpFrom"), CoverageText::tr("Sharp from"),
          CoverageText::length(nearest, units)},
         {QStringLiteral("SharpTo"), CoverageText::tr("Sharp up to"),
          depth && !depth->farM ? CoverageText::tr("Infinity")
                                : CoverageText::length(depth ? depth->farM : std::nullopt, units)},
         {QStringLiteral("Hyperfocal"), CoverageText::tr("Hyperfocal distance"),
          CoverageText::length(depth ? std::optional(depth->hyperfocalM) : std::nullopt, units)}});
    return figures;
}

} // namespace vistaro
