// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/coverageinputs.h"

#include <QCoreApplication>
#include <QDate>
#include <QPageSize>
#include <QString>
#include <optional>

class QPdfWriter;

namespace vistaro {

// The bar the installer counts pixels across, and the line that proves the print's scale.
inline constexpr double CountingBarM = 0.15;
inline constexpr double CheckLineM = 0.1;

// What the sheet says about the camera: where it is held and what the design gives there.
struct TestChartInputs {
    std::optional<double> distanceM;
    std::optional<double> pixelsPerMetre;
    Units units = Units::Metric;
    LevelSet levels = enLevels();
    std::vector<double> densities; // px/m, what each of `levels` needs
};

// A sheet to print at true size and hold in front of the camera: the bar to count pixels
// across, with how many the design gives and each level needs; the resolution target's bars;
// a number plate's characters; a face at its size. Each page ends with a line that is 100 mm
// long when printed at 100 %.
class TestChart {
    Q_DECLARE_TR_FUNCTIONS(TestChart)

public:
    // Writes the whole file or nothing (a failure leaves an earlier file as it was); the
    // message naming the file when it could not be written.
    static std::optional<QString> save(const QString& path, const TestChartInputs& inputs,
                                       const QPageSize& pageSize);
    // The name a save proposes: "Test chart 2026-12-07".
    static QString fileName(const QDate& date);
    // The instructions printed on the sheet.
    static QString instructions(const TestChartInputs& inputs);
    // The pages on `writer`; false when they could not be painted.
    static bool paint(QPdfWriter& writer, const TestChartInputs& inputs);
};

} // namespace vistaro
