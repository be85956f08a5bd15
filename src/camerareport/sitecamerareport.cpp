// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "camerareport/sitecamerareport.h"

#include "optics/coverageformat.h"
#include "site/planfigures.h"

#include <QLocale>

namespace vistaro {

namespace {

// The views' sizes on paper follow from their proportions only; these are the window's.
const QSizeF TopViewSize(420, 300);
const QSizeF SideViewSize(420, 300);

} // namespace

CoverageShown siteCameraShown(const SiteCamera& camera, const LevelSet& levels, Units units,
                              const QDate& date) {
    CoverageShown shown;
    shown.camera = camera.camera;
    shown.level = levels.clamp(camera.level);
    shown.reading.focal1 = num::toText(camera.focalMm);
    shown.reading.distance1 = num::toText(camera.distanceM);
    shown.reading.zoom = camera.focalTeleMm.has_value();
    const CameraFigures figures = cameraFigures(camera, levels);
    shown.model = {{}, camera.mountHeightM, camera.targetHeightM, units, levels, shown.level};
    shown.model.ends.push_back({shown.reading.zoom ? CoverageReport::tr("WIDE") : QString(),
                                figures.wide, camera.distanceM});
    std::optional<Problem> problem = figures.wide.problem;
    if (camera.focalTeleMm) {
        shown.reading.focal2 = num::toText(*camera.focalTeleMm);
        shown.reading.distance2 = shown.reading.distance1;
        shown.model.ends.push_back({CoverageReport::tr("TELE"), *figures.tele, camera.distanceM});
        if (!problem)
            problem = figures.tele->problem;
    }
    if (problem)
        shown.problem = CoverageText::problem(*problem, units);
    shown.topViewSize = TopViewSize;
    shown.sideViewSize = SideViewSize;
    shown.date = date;
    if (camera.aim == Aim::Tilt)
        shown.tiltDeg = camera.tiltDeg;
    // A camera of the plan keeps no F-number: its depth of field is the query's default.
    const CoverageQuery defaults;
    shown.lensModel = camera.lensModel;
    shown.fNumber = defaults.fNumber.value;
    shown.confusionPixels = defaults.confusionPixels.value;
    return shown;
}

ReportDocument siteCameraReport(const SiteCamera& camera, const LevelSet& levels, Units units,
                                const QDate& date) {
    ReportDocument document =
        CoverageReport::document(siteCameraShown(camera, levels, units, date));
    document.title = camera.name;
    const QString day = QLocale().toString(date, QLocale::LongFormat);
    document.subtitle =
        camera.lens.isEmpty()
            ? CoverageReport::tr("Camera coverage, %1").arg(day)
            : CoverageReport::tr("Camera coverage with %1, %2").arg(camera.lens, day);
    return document;
}

} // namespace vistaro
