// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "finder/lensverdicts.h"

#include "match/presentation.h"
#include "match/search.h"
#include "match/sensorfit.h"
#include "optics/coverageformat.h"
#include "optics/levels.h"
#include "optics/sight.h"
#include "platform/numberformat.h"

#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <numbers>
#include <span>
#include <vector>

namespace vistaro {

namespace {

Verdict verdictOf(std::optional<bool> passed) {
    if (!passed)
        return Verdict::Unknown;
    return *passed ? Verdict::Pass : Verdict::Fail;
}

// One calculator row as the level test judges it: a focal length of the lens at the row's
// distance.
struct LevelRow {
    std::optional<double> focalMm;
    std::optional<double> distanceM;
    const QString* focalText; // as the catalogue writes it, for a reason
};

// With two rows on show a lens with a focal range is judged at each row's own distance: its
// short end at L1, its long end at L2. Otherwise its longest focal length at L1.
std::vector<LevelRow> levelRows(const LensRecord& lens, const LensFacts& facts,
                                const Wanted& wanted) {
    const bool range = hasFocalRange(lens.TypeCode);
    if (wanted.twoRows && range)
        return {{facts.focalMin, wanted.distance1, &lens.FocalMin},
                {facts.focalMax, wanted.distance2, &lens.FocalMax}};
    return {{facts.longest, wanted.distance1, range ? &lens.FocalMax : &lens.FocalMin}};
}

// How a lens of `focalMm` on the coverage window's camera, mounted and aimed as that window
// has it, sees the target `distanceM` ahead.
Sight sightOf(const Wanted& wanted, double focalMm, double distanceM) {
    const CoverageInputs& coverage = wanted.inputs.coverage;
    const double above = coverage.mountHeightM - coverage.targetHeightM;
    return {*wanted.camera, Projection::Rectilinear, focalMm, above,
            coverage.aim == Aim::Tilt ? coverage.tiltDeg * std::numbers::pi / 180
                                      : aimedTiltRad(above, distanceM)};
}

std::optional<bool> meets(const LevelRow& row, const Wanted& wanted) {
    if (!wanted.camera || !row.distanceM || !row.focalMm || !wanted.neededDensity)
        return std::nullopt;
    const std::optional<double> density =
        densityAt(sightOf(wanted, *row.focalMm, *row.distanceM), *row.distanceM, 0);
    if (!density)
        return std::nullopt;
    return meetsDensity(*density, *wanted.neededDensity);
}

// Every row must reach the level; one that fails decides, one that cannot be told makes the
// whole unknown.
std::optional<bool> reachesLevel(const LensRecord& lens, const LensFacts& facts,
                                 const Wanted& wanted) {
    std::optional<bool> all = true;
    for (const LevelRow& row : levelRows(lens, facts, wanted)) {
        const std::optional<bool> met = meets(row, wanted);
        if (met == false)
            return false;
        if (!met)
            all.reset();
    }
    return all;
}

// Numbers in a reason: enough digits to compare, no binary noise, never an exponent.
QString number(double value) {
    return CoverageText::number(value, 3);
}

// A name whose first letter tells no format serves none; the sensor judged is the coverage
// window's camera's.
std::optional<bool> coversCamera(const LensFacts& facts, const Wanted& wanted) {
    if (!facts.largestFormat)
        return false;
    if (!wanted.camera)
        return std::nullopt;
    return formatCovers(*facts.largestFormat, wanted.camera->sensor);
}

QString check(Verdict verdict, const QString& reason) {
    return verdict == Verdict::Unknown ? VerdictReasons::tr("Unknown: %1").arg(reason) : reason;
}

} // namespace

std::optional<double> NumberCache::operator()(const QString& text) {
    auto found = m_read.constFind(text);
    if (found == m_read.constEnd())
        found = m_read.insert(text, num::toDouble(text));
    return *found;
}

LensFacts readFacts(const LensRecord& lens, NumberCache& numbers) {
    LensFacts facts;
    facts.focalMin = numbers(lens.FocalMin);
    facts.focalMax = numbers(lens.FocalMax);
    facts.longest = hasFocalRange(lens.TypeCode) ? facts.focalMax : facts.focalMin;
    facts.fStop = numbers(lens.FStop);
    facts.minFocus = numbers(lens.MinFocus);
    facts.largestFormat = largestFormatCovered(lens.Name);
    return facts;
}

Wanted readWanted(const FinderInputs& inputs) {
    const FinderSelection& selection = inputs.selection;
    Wanted wanted;
    wanted.inputs = inputs;
    wanted.twoRows = selection.lensTypeCode == QStringLiteral("ZOOM");
    wanted.wide = num::toDouble(selection.wanted.wide);
    wanted.tele = num::toDouble(selection.wanted.tele);
    wanted.distance1 = num::toDouble(selection.distance1);
    if (wanted.twoRows)
        wanted.distance2 = num::toDouble(selection.distance2);
    wanted.camera = cameraOf(inputs.coverage, selection.sensor);
    if (wanted.camera)
        wanted.neededDensity =
            levelDensity(inputs.coverage.levelSet, inputs.coverage.level, *wanted.camera);
    return wanted;
}

LensVerdicts judge(const LensRecord& lens, const LensFacts& facts, const Wanted& wanted) {
    LensVerdicts verdicts{};
    const auto set = [&](Check check, Verdict verdict) {
        verdicts[static_cast<int>(check)] = verdict;
    };
    set(Check::Type,
        lens.TypeCode == wanted.inputs.selection.lensTypeCode ? Verdict::Pass : Verdict::Fail);
    const std::optional<TypeSearch> search = searchOf(lens.TypeCode);
    set(Check::Focal, search ? verdictOf(compareFocal(search->test, facts.focalMin, facts.focalMax,
                                                      wanted.wide, wanted.tele))
                             : Verdict::Unknown);
    set(Check::Iris, lens.Iris.isEmpty()
                         ? Verdict::Unknown
                         : verdictOf(matchesIris(lens.Iris, wanted.inputs.selection.irisCode)));
    set(Check::Sensor, verdictOf(coversCamera(facts, wanted)));
    set(Check::Focus, verdictOf(focusesAt(facts.minFocus, wanted.distance1,
                                          wanted.twoRows ? wanted.distance2 : wanted.distance1)));
    set(Check::Level, verdictOf(reachesLevel(lens, facts, wanted)));

    const auto tests = std::span(verdicts).first(CheckCount - 1);
    Verdict fits = Verdict::Pass;
    if (std::find(tests.begin(), tests.end(), Verdict::Fail) != tests.end())
        fits = Verdict::Fail;
    else if (std::find(tests.begin(), tests.end(), Verdict::Unknown) != tests.end())
        fits = Verdict::Unknown;
    set(Check::Fits, fits);
    return verdicts;
}

QString VerdictReasons::why(Check which, const LensRecord& lens, const LensFacts& facts,
                            const Wanted& wanted, const LensVerdicts& verdicts) {
    const Verdict verdict = verdicts[static_cast<int>(which)];
    switch (which) {
    case Check::Type:
        return check(verdict, type(lens, wanted, verdict));
    case Check::Focal:
        return check(verdict, focal(lens, facts, wanted, verdict));
    case Check::Iris:
        return check(verdict, iris(lens, wanted, verdict));
    case Check::Sensor:
        return check(verdict, sensor(lens, facts, wanted, verdict));
    case Check::Focus:
        return check(verdict, focus(lens, facts, wanted, verdict));
    case Check::Level:
        return check(verdict, level(lens, facts, wanted, verdict));
    case Check::Fits:
        return check(verdict, fits(verdicts));
    }
    return {};
}

QString VerdictReasons::checkName(Check which) {
    switch (which) {
    case Check::Type:
        return tr("Type wanted");
    case Check::Focal:
        return tr("Focal");
    case Check::Iris:
        return tr("Iris");
    case Check::Sensor:
        return tr("Covers sensor");
    case Check::Focus:
        return tr("Focuses");
    case Check::Level:
        return tr("Level");
    case Check::Fits:
        return tr("Fits");
    }
    return {};
}

QString VerdictReasons::sensorName(SensorFormat format) {
    return QString::fromUtf8(formatPreset(format).name);
}

QString VerdictReasons::type(const LensRecord& lens, const Wanted& wanted, Verdict verdict) {
    return (verdict == Verdict::Pass ? tr("type %1, as selected") : tr("type %1; %2 is selected"))
        .arg(lens.TypeCode, wanted.inputs.selection.lensTypeCode);
}

QString VerdictReasons::focal(const LensRecord& lens, const LensFacts& facts, const Wanted& wanted,
                              Verdict verdict) {
    const FinderSelection& selection = wanted.inputs.selection;
    const std::optional<TypeSearch> search = searchOf(lens.TypeCode);
    if (!search)
        return tr("no search serves the lens type \"%1\"").arg(lens.TypeCode);
    const bool range = search->test != FocalTest::UpTo;
    if (!wanted.wide)
        return tr("the wanted focal length \"%1\" cannot be read").arg(selection.wanted.wide);
    if (!facts.focalMin)
        return tr("the focal length \"%1\" cannot be read").arg(lens.FocalMin);
    if (range && !facts.focalMax)
        return tr("the longest focal length \"%1\" cannot be read").arg(lens.FocalMax);
    const bool pass = verdict == Verdict::Pass;
    switch (search->test) {
    case FocalTest::UpTo:
    case FocalTest::None:
        return (pass ? tr("%1 mm is not longer than the wanted %2 mm")
                     : tr("%1 mm is longer than the wanted %2 mm"))
            .arg(number(*facts.focalMin), number(*wanted.wide));
    case FocalTest::Contains:
        return (pass ? tr("the wanted %1 mm lies within %2-%3 mm")
                     : tr("the wanted %1 mm lies outside %2-%3 mm"))
            .arg(number(*wanted.wide), number(*facts.focalMin), number(*facts.focalMax));
    case FocalTest::ReachesBoth:
        if (!wanted.tele)
            return tr("the wanted tele focal length \"%1\" cannot be read")
                .arg(selection.wanted.tele);
        return (pass ? tr("%1-%2 mm reaches the wanted %3-%4 mm")
                     : tr("%1-%2 mm does not reach the wanted %3-%4 mm"))
            .arg(number(*facts.focalMin), number(*facts.focalMax), number(*wanted.wide),
                 number(*wanted.tele));
    }
    return {};
}

QString VerdictReasons::iris(const LensRecord& lens, const Wanted& wanted, Verdict verdict) {
    const QString& selected = wanted.inputs.selection.irisCode;
    switch (verdict) {
    case Verdict::Pass:
        return tr("iris %1, as selected").arg(lens.Iris);
    case Verdict::Fail:
        return tr("iris %1; %2 is selected").arg(lens.Iris, selected);
    case Verdict::Unknown:
        break;
    }
    return tr("the catalogue gives no iris control");
}

QString VerdictReasons::sensor(const LensRecord& lens, const LensFacts& facts, const Wanted& wanted,
                               Verdict verdict) {
    if (lens.Name.isEmpty())
        return tr("the lens has no name, whose first letter tells the sensor format");
    if (!facts.largestFormat)
        return tr("the name's first letter \"%1\" tells no sensor format").arg(lens.Name.front());
    if (!wanted.camera)
        return tr("the coverage window's sensor or picture size cannot be used");
    return (verdict == Verdict::Pass
                ? tr("made for %1: its image circle of %2 mm covers the camera's %3 mm diagonal")
                : tr("made for %1: its image circle of %2 mm is smaller than the camera's %3 mm "
                     "diagonal"))
        .arg(sensorName(*facts.largestFormat),
             CoverageText::diagonal(sensorOfFormat(*facts.largestFormat)),
             CoverageText::diagonal(wanted.camera->sensor));
}

QString VerdictReasons::focus(const LensRecord& lens, const LensFacts& facts, const Wanted& wanted,
                              Verdict verdict) {
    const FinderSelection& selection = wanted.inputs.selection;
    if (!facts.minFocus)
        return tr("the minimum focus distance \"%1\" cannot be read").arg(lens.MinFocus);
    if (!wanted.distance1)
        return tr("the distance \"%1\" cannot be read").arg(selection.distance1);
    if (wanted.twoRows && !wanted.distance2)
        return tr("the second row's distance \"%1\" cannot be read").arg(selection.distance2);
    if (*facts.minFocus == 0)
        return tr("no minimum focus distance");
    const double nearest =
        std::min(*wanted.distance1, wanted.distance2.value_or(*wanted.distance1));
    return (verdict == Verdict::Pass ? tr("focuses from %1 m; the nearest distance is %2 m")
                                     : tr("focuses only from %1 m; the nearest distance is %2 m"))
        .arg(number(*facts.minFocus), number(nearest));
}

QString VerdictReasons::level(const LensRecord& lens, const LensFacts& facts, const Wanted& wanted,
                              Verdict) {
    const FinderSelection& selection = wanted.inputs.selection;
    if (!wanted.camera)
        return tr("the coverage window's sensor or picture size cannot be used");
    const std::vector<LevelRow> rows = levelRows(lens, facts, wanted);
    // The row that fails, else the last: the one that decides.
    const auto deciding = std::find_if(
        rows.begin(), rows.end(), [&](const LevelRow& row) { return meets(row, wanted) != true; });
    const LevelRow& row = deciding == rows.end() ? rows.back() : *deciding;
    if (!row.distanceM)
        return tr("the distance \"%1\" cannot be read")
            .arg(&row == &rows.front() ? selection.distance1 : selection.distance2);
    if (!row.focalMm)
        return tr("the focal length \"%1\" cannot be read").arg(*row.focalText);
    const CoverageInputs& coverage = wanted.inputs.coverage;
    const std::optional<double> needed = wanted.neededDensity
                                             ? neededScaleAt(sightOf(wanted, 0, *row.distanceM),
                                                             *wanted.neededDensity, *row.distanceM)
                                             : std::nullopt;
    if (!needed || !meets(row, wanted))
        return tr("no level can be met at %1 m").arg(number(*row.distanceM));
    return tr("%1 needs %2 mm or longer at %3 m; this lens reaches %4 mm")
        .arg(CoverageText::levelName(coverage.levelSet, coverage.level), number(*needed),
             number(*row.distanceM), number(*row.focalMm));
}

QString VerdictReasons::fits(const LensVerdicts& verdicts) {
    QStringList failed;
    QStringList unknown;
    for (int i = 0; i < CheckCount - 1; ++i) {
        if (verdicts[i] == Verdict::Fail)
            failed << checkName(static_cast<Check>(i));
        else if (verdicts[i] == Verdict::Unknown)
            unknown << checkName(static_cast<Check>(i));
    }
    if (!failed.isEmpty())
        return tr("does not fit: %1").arg(failed.join(QStringLiteral(", ")));
    if (!unknown.isEmpty())
        return tr("cannot be told: %1").arg(unknown.join(QStringLiteral(", ")));
    return tr("passes every test");
}

} // namespace vistaro
