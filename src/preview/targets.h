// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <array>
#include <vector>

class QPainter;

namespace vistaro {

// What the preview shows a camera: a face, a standing person, a number plate and bars.
enum class Target { Face, Person, Plate, Bars };
inline constexpr std::array<Target, 4> AllTargets{Target::Face, Target::Person, Target::Plate,
                                                  Target::Bars};

inline constexpr double HeadWidthM = 0.16;
inline constexpr double PersonHeightM = 1.7;
inline constexpr double PlateWidthM = 0.52;
inline constexpr double PlateHeightM = 0.11;
// The characters of a European plate are 75 mm tall.
inline constexpr double PlateCharacterM = 0.075;
// The widths of the bar groups, widest first: each is one pixel at detection, observation,
// recognition and identification (25, 62.5, 125 and 250 px/m).
inline constexpr std::array<double, 4> BarWidthsM{0.040, 0.016, 0.008, 0.004};

// The dark bars of the resolution target in metres from its top left corner: two bars of each
// width a bar's width apart, the widest group on a row of its own, the others below it.
std::vector<QRectF> barRects();

// The size of a target in metres, its margin included.
QSizeF targetSize(Target target);

// Draws `target` at its size with the painter's units in metres, from (0, 0): on the test chart
// at true size as in the full-resolution originals.
void paintTarget(QPainter& painter, Target target);

// The outline of `text` in the plate's font, its capitals `heightM` tall, from (0, 0) down.
QPainterPath plateCharacters(const QString& text, double heightM);

// A target drawn at full resolution (the face is the portrait's own pixels), spanning its size
// in metres; made once.
const QImage& targetOriginal(Target target);

// The target's name with its size, in the language on show.
class TargetText {
    Q_DECLARE_TR_FUNCTIONS(TargetText)

public:
    static QString name(Target target);
};

} // namespace vistaro
