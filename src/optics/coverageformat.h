// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/coverageinputs.h"
#include "optics/coverageresult.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <optional>
#include <vector>

namespace vistaro {

// How a figure is cut to the precision it shows: to the nearest, or down, so that it claims no
// more than is met.
enum class Rounding { Nearest, Down };

// The texts of the coverage figures, in the regional number format and the units on show; a
// missing figure reads "-". The window and the printed report show the same texts.
class CoverageText {
    Q_DECLARE_TR_FUNCTIONS(CoverageText)

public:
    static QString length(std::optional<double> metres, Units units);
    // How far a level reaches: rounded down, so that the distance shown still meets the level.
    static QString reach(std::optional<double> metres, Units units);
    static QString angle(std::optional<double> degrees);
    // Truncated, so that no density on show claims a level that is not met.
    static QString density(std::optional<double> pixelsPerMetre, Units units);
    // The same without its unit, as `locale` writes numbers.
    static QString densityFigure(std::optional<double> pixelsPerMetre, Units units,
                                 const QLocale& locale = QLocale());
    static QString focal(std::optional<double> millimetres);
    // "4.8 x 3.6 mm"
    static QString millimetres(SensorSize size);
    // The sensor's diagonal in mm, as a number: "6.39"
    static QString diagonal(SensorSize size);
    // A level's name as shown: a built-in set's translated, the user's as typed.
    static QString levelName(const LevelSet& set, Level level);
    // The set's name as shown; the plates' with their width and pixels.
    static QString levelSetName(const LevelSet& set);
    // What a level of the set needs, as the set gives it: "250 px/m", "10 %", "130 px".
    static QString levelNeeds(const LevelSet& set, Level level, Units units);
    // The level's name, "below" the lowest one, or "-" without a density.
    static QString levelReached(const CoverageResult& result, const LevelSet& set);
    // As a figure on its own: "Unbounded (horizon)" when the view reaches the horizon.
    static QString farEdge(const GroundEdges& ground, Units units);
    // One line that says what is missing or out of range.
    static QString problem(const Problem& problem, Units units);
    // One line that says which part of the sensor the picture uses; empty when all of it.
    static QString pictureArea(const Camera& camera);
    // At most `decimals` decimals, trailing zeros dropped, no digit grouping; halves exact in
    // decimal round up, whatever binary noise the value carries. "-" when not finite.
    static QString number(double value, int decimals);
    // A figure of a table: at least `decimals` decimals and, below one, as many more as its first
    // digit needs (up to six), so that no value but 0 reads 0 (0.001 with two decimals reads
    // 0.001); trailing zeros dropped, no digit grouping, as `locale` writes numbers.
    static QString figure(double value, int decimals, Rounding rounding,
                          const QLocale& locale = QLocale());
};

// A round length for a scale or a grid, 1, 2 or 5 times a power of ten in the units on show: the
// largest such length that is at most `metres` (in metres).
double roundLength(double metres, Units units);

// One figure as shown: `name` is its label's object name (the tele end's adds "Tele").
struct ShownFigure {
    QString name;
    QString caption;
    QString text;
};

// Every figure of the window, in the order it shows them: a distance for each level of the set.
std::vector<ShownFigure> shownFigures(const CoverageResult& result, const LevelSet& set,
                                      Level level, Units units);

} // namespace vistaro
