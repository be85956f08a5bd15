// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/coverageformat.h"
#include "optics/coverageresult.h"
#include "site/site.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <optional>

namespace vistaro {

// A camera's figures as the coverage window shows them for its lens: the wide end (its focal
// length, or the angle its datasheet states), which the plan draws and judges, and a zoom's
// tele end (its long focal length; the datasheet's angle is the wide end's). Every window and
// deliverable that shows a camera's figures takes them from here.
struct CameraFigures {
    CoverageResult wide;
    std::optional<CoverageResult> tele;
};
CameraFigures cameraFigures(const SiteCamera& camera, const LevelSet& levels);

// The texts of a camera's figures that the camera table and the schedule both show, in `units`,
// as `locale` writes numbers; a zoom's reads "wide - tele", a missing figure "-".
struct CameraRowTexts {
    QString focal; // millimetres, two decimals
    QString angleH;
    QString angleV;
    QString density;     // at the aim distance, truncated
    QString level;       // the level wanted
    QString areaAtLevel; // truncated
};
CameraRowTexts cameraRowTexts(const SiteCamera& camera, const LevelSet& levels,
                              std::optional<double> areaAtLevelM2, Units units,
                              const QLocale& locale = QLocale());

// A surface in `units` squared, one decimal (more below one square unit), without its unit.
QString surfaceText(double squareMetres, Units units, Rounding rounding,
                    const QLocale& locale = QLocale());
// The covered share of an area (0 to 1) as a percentage, truncated: 99.957 % reads 99.9.
QString coveredText(double share, const QLocale& locale = QLocale());
// The share of the area that must be covered, in per cent, one decimal.
QString requiredText(const SiteArea& area, const QLocale& locale = QLocale());
// Whether a covered `share` meets the area's required share, judged on the share as
// coveredText() shows it, so that the mark and the figure beside it agree.
bool areaMet(const SiteArea& area, double share);

// The captions, with their unit, of the columns that the tables and the schedule both show.
struct FigureCaptions {
    Q_DECLARE_TR_FUNCTIONS(vistaro::FigureCaptions)

public:
    static QString densityAtAim(Units units);
    static QString areaAtLevel(Units units);
    static QString area(Units units);
    // An area's label on every plan: "Name: Level, 87.5 %" and a mark that says, without
    // colour, whether its share covered meets its required share.
    static QString areaLabel(const SiteArea& area, const LevelSet& levels, double share,
                             const QLocale& locale = QLocale());
    // The marks of an area met and not met, as its label and the legend show them.
    static QString metMark(bool met);
};

} // namespace vistaro
