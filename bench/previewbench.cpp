// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "previewbench.h"

#include "preview/preview.h"
#include "timing.h"

#include <QApplication>
#include <QSpinBox>
#include <string>

namespace vistaro::bench {

namespace {

constexpr int Repetitions = 11;
constexpr double TickMs = 50;

// A fixed lens at 12 m whose density is `pixelsPerMetre`, with every level's distance. A 25 mm
// lens wide open at F1.0, its pixels as wide as that density makes them (f / pitch is the
// density times the distance), so that the levels' columns are out of focus and blurred.
PreviewScene sceneAt(double pixelsPerMetre) {
    constexpr double AimM = 12;
    constexpr double FocalMm = 25;
    constexpr double FNumber = 1;
    CoverageResult result;
    result.pixelsPerMetre = pixelsPerMetre;
    result.levelDensities = levelDensities(enLevels(), Camera{});
    for (const double density : result.levelDensities)
        result.levelDistanceM.push_back(AimM * pixelsPerMetre / density);
    const double pitchMm = FocalMm / (pixelsPerMetre * AimM);
    result.focus = LensFocus{FocalMm, FNumber, AimM, pitchMm};
    result.depth = depthOfField(FocalMm, FNumber, 2 * pitchMm, AimM);
    return {{{QString(), AimM, result}}, Units::Metric};
}

} // namespace

std::vector<ResultRow> previewRows() {
    const std::string follow = "Preview follows a change + repaint";
    const std::string again = "Preview, every picture again + repaint";
    Preview preview;
    preview.resize(1600, 1000);
    preview.show();
    QApplication::processEvents();
    auto* sheet = preview.findChild<QWidget*>(QStringLiteral("PreviewSheet"));
    auto* noise = preview.findChild<QSpinBox*>(QStringLiteral("NightNoise"));
    auto* jpeg = preview.findChild<QSpinBox*>(QStringLiteral("JpegQuality"));
    jpeg->setValue(60);
    // The originals are drawn once, when the first preview opens: not part of a tick.
    preview.showScene(sceneAt(300));
    sheet->repaint();

    std::vector<double> followMs;
    std::vector<double> againMs;
    for (int i = 0; i < Repetitions; ++i) {
        // Each time a density not seen before, so that nothing comes from what is kept: the
        // aim's pictures are new, and so are the levels', their blur following the focus.
        followMs.push_back(elapsedMs([&] {
            preview.showScene(sceneAt(180.0 + i));
            sheet->repaint();
        }));
        againMs.push_back(elapsedMs([&] {
            noise->setValue(1 + i % 20);
            sheet->repaint();
        }));
    }
    const std::string what = " (1600 x 1000, JPEG, 4 targets";
    return {budgetRow(follow, median(followMs), what + " at 1 density, the levels' blurred again)",
                      TickMs),
            budgetRow(again, median(againMs),
                      what + " at " + std::to_string(1 + enLevels().size()) +
                          " densities, lens blur, noise)",
                      TickMs)};
}

} // namespace vistaro::bench
