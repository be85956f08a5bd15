// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalogue/lensrecord.h"
#include "finder/finderinputs.h"
#include "match/suitability.h"
#include "optics/camera.h"

#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <array>
#include <optional>

namespace vistaro {

enum class Verdict { Pass, Fail, Unknown };

// The tests of a lens against what the user wants, in the order of their columns; Fits is all
// of them. Type: the lens is of the type selected in the main window, as the recommendation
// window would browse it.
enum class Check { Type, Focal, Iris, Sensor, Focus, Level, Fits };
inline constexpr int CheckCount = 7;

// The numbers of one catalogue entry, read once per load: they do not change with the inputs.
struct LensFacts {
    std::optional<double> focalMin;
    std::optional<double> focalMax;
    std::optional<double> longest; // the longest focal length the lens reaches
    std::optional<double> fStop;
    std::optional<double> minFocus;
    std::optional<SensorFormat> largestFormat;
};

// Reads numbers of the catalogue, each distinct text once: a catalogue repeats a few values.
class NumberCache {
public:
    std::optional<double> operator()(const QString& text);

private:
    QHash<QString, std::optional<double>> m_read;
};

LensFacts readFacts(const LensRecord& lens, NumberCache& numbers);

// The inputs read once per change, for every lens to be judged against.
struct Wanted {
    FinderInputs inputs;
    bool twoRows = false; // a zoom is selected: the calculator's second row is on show
    std::optional<double> wide;
    std::optional<double> tele;
    std::optional<double> distance1;
    std::optional<double> distance2; // none when the second row is hidden
    std::optional<Camera> camera;
    // What the coverage window's level needs with that camera (px/m), worked out once for
    // every lens judged.
    std::optional<double> neededDensity;
};
Wanted readWanted(const FinderInputs& inputs);

using LensVerdicts = std::array<Verdict, CheckCount>;

// Each test with the program's own rule, as the searches, the browsing and the presentation
// apply it, the focal test by the rule of the lens's own type; a test whose numbers cannot be
// read is Unknown. Fits fails when one test fails, is
// Unknown when none fails and one is Unknown, and passes when all pass.
LensVerdicts judge(const LensRecord& lens, const LensFacts& facts, const Wanted& wanted);

// Why a test came out as it did, with the numbers, in the interface language.
class VerdictReasons {
    Q_DECLARE_TR_FUNCTIONS(vistaro::VerdictReasons)

public:
    static QString why(Check check, const LensRecord& lens, const LensFacts& facts,
                       const Wanted& wanted, const LensVerdicts& verdicts);
    // The short name of a check, as its column header says it.
    static QString checkName(Check check);
    static QString sensorName(SensorFormat format);

private:
    static QString type(const LensRecord& lens, const Wanted& wanted, Verdict verdict);
    static QString focal(const LensRecord& lens, const LensFacts& facts, const Wanted& wanted,
                         Verdict verdict);
    static QString iris(const LensRecord& lens, const Wanted& wanted, Verdict verdict);
    static QString sensor(const LensRecord& lens, const LensFacts& facts, const Wanted& wanted,
                          Verdict verdict);
    static QString focus(const LensRecord& lens, const LensFacts& facts, const Wanted& wanted,
                         Verdict verdict);
    static QString level(const LensRecord& lens, const LensFacts& facts, const Wanted& wanted,
                         Verdict verdict);
    static QString fits(const LensVerdicts& verdicts);
};

} // namespace vistaro
