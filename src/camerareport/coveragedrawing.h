// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/coverageinputs.h"
#include "optics/coverageresult.h"

#include <QCoreApplication>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <optional>
#include <vector>

class QPainter;

namespace vistaro {

// One lens setting as the drawings show it: a fixed lens has one, a zoom its wide and tele end.
struct ViewEnd {
    QString name; // "WIDE", "TELE", or empty for a fixed lens
    CoverageResult result;
    std::optional<double> distanceM;

    bool operator==(const ViewEnd&) const = default;
};

// Everything the top and side views draw.
struct ViewModel {
    std::vector<ViewEnd> ends;
    std::optional<double> mountHeightM;
    std::optional<double> targetHeightM;
    Units units = Units::Metric;
    LevelSet levelSet = enLevels();      // the bands' names
    Level level = levelSet.defaultLevel; // the level wanted: its band fills the top view

    bool operator==(const ViewModel&) const = default;
};

// The drawings, the same on screen, into an image and into a PDF: `area` in the painter's
// coordinates, the painter's font for the texts. Each end gets a panel of its own, one above
// the other, drawn to one scale.
class CoverageDrawing {
    Q_DECLARE_TR_FUNCTIONS(CoverageDrawing)

public:
    // The cone seen from above, with a band for each level, the scene line and a scale.
    static void paintTopView(QPainter& painter, const QRectF& area, const ViewModel& model);
    // The camera on its pole, the vertical angle, dead zone, ground edges and a person.
    static void paintSideView(QPainter& painter, const QRectF& area, const ViewModel& model);

    // Where the views of `model` painted in `area` with `font` put a point of end `end` given
    // in metres; none when that end is not drawn. Top view: x along the camera's axis, y across
    // it, one scale for every end. Side view: x along the ground from the pole, y up from the
    // ground, one scale for both but for heights multiplied by a round factor (said on the
    // drawing) where the view would be too flat to read.
    static std::optional<QTransform> topViewScale(const QRectF& area, const QFont& font,
                                                  const ViewModel& model, std::size_t end);
    static std::optional<QTransform> sideViewScale(const QRectF& area, const QFont& font,
                                                   const ViewModel& model, std::size_t end);

    // A distance marked with a tick under the top view's cone: where a band ends, or where the
    // view cuts off the bands that go on. `text` is empty where it would overlap the text of a
    // mark that goes first (the wanted level's band ends, then the cut, then the levels nearer
    // to the wanted one first); `box` is where the text stands.
    struct Mark {
        double metres = 0;
        QString text;
        QRectF box;
    };
    static std::vector<Mark> topViewMarks(const QRectF& area, const QFont& font,
                                          const ViewModel& model, std::size_t end);
};

} // namespace vistaro
