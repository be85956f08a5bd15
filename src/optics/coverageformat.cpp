// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/coverageformat.h"

#include <QLocale>
#include <cmath>

namespace vistaro {

namespace {

const QString Missing = QStringLiteral("-");

QString withUnit(std::optional<double> value, int decimals, const QString& unit) {
    return value ? CoverageText::number(*value, decimals) + u' ' + unit : Missing;
}

QString quantityName(Quantity quantity) {
    switch (quantity) {
    case Quantity::Focal:
        return CoverageText::tr("The calculator's focal length");
    case Quantity::Distance:
        return CoverageText::tr("The calculator's distance");
    case Quantity::SensorWidth:
        return CoverageText::tr("The sensor width");
    case Quantity::SensorHeight:
        return CoverageText::tr("The sensor height");
    case Quantity::PixelSize:
        return CoverageText::tr("The pixel size");
    case Quantity::Columns:
        return CoverageText::tr("The number of columns");
    case Quantity::Rows:
        return CoverageText::tr("The number of rows");
    case Quantity::MountHeight:
        return CoverageText::tr("The mounting height");
    case Quantity::TargetHeight:
        return CoverageText::tr("The target height");
    }
    return {};
}

QString largestText(Quantity quantity, Units units) {
    const double largest = largestOf(quantity);
    switch (quantity) {
    case Quantity::Focal:
        return CoverageText::focal(largest);
    case Quantity::Distance:
        return CoverageText::length(largest, Units::Metric);
    case Quantity::MountHeight:
    case Quantity::TargetHeight:
        return CoverageText::length(largest, units);
    case Quantity::SensorWidth:
    case Quantity::SensorHeight:
        return CoverageText::number(largest, 0) + QStringLiteral(" mm");
    case Quantity::PixelSize:
        return CoverageText::number(largest, 0) + QStringLiteral(" \u00b5m");
    case Quantity::Columns:
    case Quantity::Rows:
        return CoverageText::number(largest, 0);
    }
    return {};
}

} // namespace

QString CoverageText::number(double value, int decimals) {
    const double scale = std::pow(10, decimals);
    if (std::abs(value) * scale < 1e15)
        value = std::round(value * scale) / scale;
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 15);
}

double roundLength(double metres, Units units) {
    const double unit = units == Units::Imperial ? MetresPerFoot : 1;
    const double wanted = metres / unit;
    const double power = std::pow(10, std::floor(std::log10(wanted)));
    const double step = wanted / power >= 5 ? 5 : wanted / power >= 2 ? 2 : 1;
    return step * power * unit;
}

QString CoverageText::lengthUnit(Units units) {
    return units == Units::Imperial ? tr("ft") : tr("m");
}

QString CoverageText::length(std::optional<double> metres, Units units) {
    if (metres && units == Units::Imperial)
        *metres /= MetresPerFoot;
    return withUnit(metres, 2, lengthUnit(units));
}

QString CoverageText::angle(std::optional<double> degrees) {
    return degrees ? QLocale().toString(*degrees, 'f', 1) + u'\u00b0' : Missing;
}

QString CoverageText::density(std::optional<double> pixelsPerMetre, Units units) {
    if (pixelsPerMetre && units == Units::Imperial)
        *pixelsPerMetre *= MetresPerFoot;
    return withUnit(pixelsPerMetre, 1, units == Units::Imperial ? tr("px/ft") : tr("px/m"));
}

QString CoverageText::focal(std::optional<double> millimetres) {
    return withUnit(millimetres, 2, tr("mm"));
}

QString CoverageText::levelName(Level level) {
    switch (level) {
    case Level::Detection:
        return tr("Detection");
    case Level::Observation:
        return tr("Observation");
    case Level::Recognition:
        return tr("Recognition");
    case Level::Identification:
        return tr("Identification");
    }
    return {};
}

QString CoverageText::levelReached(const CoverageResult& result) {
    if (!result.pixelsPerMetre)
        return Missing;
    return result.levelReached ? levelName(*result.levelReached) : tr("Below detection");
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
    case Fault::TooLarge:
        line = tr("%1 is too large: at most %2.")
                   .arg(quantityName(problem.quantity), largestText(problem.quantity, units));
        break;
    case Fault::SeesNoGround:
        line = tr("The camera is below the target and looks above the horizon: it sees no "
                  "ground.");
        break;
    }
    return problem.tele ? tr("Tele end: %1").arg(line) : line;
}

std::vector<ShownFigure> shownFigures(const CoverageResult& result, Level level, Units units) {
    const auto upTo = [&](Level of) {
        return CoverageText::length(result.levelDistanceM[static_cast<std::size_t>(of)], units);
    };
    return {
        {"AngleH", CoverageText::tr("Horizontal angle"), CoverageText::angle(result.angleHDeg)},
        {"AngleV", CoverageText::tr("Vertical angle"), CoverageText::angle(result.angleVDeg)},
        {"AngleD", CoverageText::tr("Diagonal angle"), CoverageText::angle(result.angleDDeg)},
        {"SceneWidth", CoverageText::tr("Scene width"),
         CoverageText::length(result.sceneWidthM, units)},
        {"SceneHeight", CoverageText::tr("Scene height"),
         CoverageText::length(result.sceneHeightM, units)},
        {"PixelDensity", CoverageText::tr("Pixel density"),
         CoverageText::density(result.pixelsPerMetre, units)},
        {"LevelReached", CoverageText::tr("Level reached"), CoverageText::levelReached(result)},
        {"DistanceDetection", CoverageText::tr("Detection up to"), upTo(Level::Detection)},
        {"DistanceObservation", CoverageText::tr("Observation up to"), upTo(Level::Observation)},
        {"DistanceRecognition", CoverageText::tr("Recognition up to"), upTo(Level::Recognition)},
        {"DistanceIdentification", CoverageText::tr("Identification up to"),
         upTo(Level::Identification)},
        {"NeededFocal",
         CoverageText::tr("Needed focal length (%1)").arg(CoverageText::levelName(level)),
         CoverageText::focal(result.neededFocalMm)},
        {"DeadZone", CoverageText::tr("Dead zone"),
         CoverageText::length(result.ground.nearM, units)},
        {"NearEdge", CoverageText::tr("Near ground edge"),
         CoverageText::length(result.ground.nearM, units)},
        {"FarEdge", CoverageText::tr("Far ground edge"),
         CoverageText::farEdge(result.ground, units)},
    };
}

} // namespace vistaro
