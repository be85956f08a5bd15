// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "site/planfigures.h"

#include "optics/units.h"
#include "platform/numberformat.h"
#include "site/footprint.h"

#include <cmath>

namespace vistaro {

namespace {

const QString Missing = QStringLiteral("-");

// A figure of each end, as "wide - tele" for a zoom.
template <typename Text> QString ends(const CameraFigures& figures, Text text) {
    const QString wide = text(figures.wide);
    return figures.tele ? wide + QStringLiteral(" - ") + text(*figures.tele) : wide;
}

} // namespace

CameraFigures cameraFigures(const SiteCamera& camera, const LevelSet& levels) {
    CameraFigures figures{cameraCoverage(camera, levels), std::nullopt};
    if (!camera.focalTeleMm)
        return figures;
    SiteCamera tele = camera;
    tele.focalMm = *camera.focalTeleMm;
    tele.lensModel.datasheetAngleHDeg.reset();
    figures.tele = cameraCoverage(tele, levels);
    if (figures.tele->problem)
        figures.tele->problem->tele = true;
    return figures;
}

CameraRowTexts cameraRowTexts(const SiteCamera& camera, const LevelSet& levels,
                              std::optional<double> areaAtLevelM2, Units units,
                              const QLocale& locale) {
    const CameraFigures figures = cameraFigures(camera, levels);
    const auto focal = [&](double millimetres) {
        return CoverageText::figure(millimetres, 2, Rounding::Nearest, locale);
    };
    const auto angle = [&](std::optional<double> degrees) {
        return degrees ? CoverageText::figure(*degrees, 1, Rounding::Nearest, locale) : Missing;
    };
    CameraRowTexts texts;
    texts.focal = camera.focalTeleMm
                      ? focal(camera.focalMm) + QStringLiteral(" - ") + focal(*camera.focalTeleMm)
                      : focal(camera.focalMm);
    texts.angleH = ends(figures, [&](const CoverageResult& end) { return angle(end.angleHDeg); });
    texts.angleV = ends(figures, [&](const CoverageResult& end) { return angle(end.angleVDeg); });
    texts.density = ends(figures, [&](const CoverageResult& end) {
        return CoverageText::densityFigure(end.pixelsPerMetre, units, locale);
    });
    texts.level = CoverageText::levelName(levels, camera.level);
    texts.areaAtLevel =
        areaAtLevelM2 ? surfaceText(*areaAtLevelM2, units, Rounding::Down, locale) : Missing;
    return texts;
}

QString surfaceText(double squareMetres, Units units, Rounding rounding, const QLocale& locale) {
    return CoverageText::figure(toSquareUnits(squareMetres, units), 1, rounding, locale);
}

QString coveredText(double share, const QLocale& locale) {
    return CoverageText::figure(share * 100, 1, Rounding::Down, locale);
}

QString requiredText(const SiteArea& area, const QLocale& locale) {
    return CoverageText::figure(area.requiredShare * 100, 1, Rounding::Nearest, locale);
}

bool areaMet(const SiteArea& area, double share) {
    // Tenths of a per cent, as shown; the required share is a whole number of them.
    return std::floor(num::readAtFifteenDigits(share * 1000)) >=
           std::round(area.requiredShare * 1000);
}

QString FigureCaptions::densityAtAim(Units units) {
    return withUnit(tr("Density at aim"), densityUnit(units));
}

QString FigureCaptions::areaAtLevel(Units units) {
    return withUnit(tr("Area at level"), areaUnit(units));
}

QString FigureCaptions::area(Units units) {
    return withUnit(tr("Area"), areaUnit(units));
}

QString FigureCaptions::areaLabel(const SiteArea& area, const LevelSet& levels, double share,
                                  const QLocale& locale) {
    return tr("%1: %2, %3 % %4")
        .arg(area.name, CoverageText::levelName(levels, area.level), coveredText(share, locale),
             metMark(areaMet(area, share)));
}

QString FigureCaptions::metMark(bool met) {
    return met ? QStringLiteral("\u2713") : QStringLiteral("\u2717");
}

} // namespace vistaro
