// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <optional>
#include <vector>

namespace vistaro {

// A label to place on a drawing, in its pixels: the point it names, its size, and its rank
// (the lower first: cameras, then areas, then bands).
struct LabelRequest {
    QPointF anchor;
    QSizeF size;
    int rank = 0;
    // How far the label keeps from its anchor (a symbol's radius); a label that keeps none is
    // tried on its anchor first.
    double clearance = 0;
};

// Where each label goes, in the order given: at the first of a few spots round its anchor
// (right of it, left, above, below, and on it first when it keeps no clearance) where it overlaps
// no label placed before it, the labels of a lower rank first, and no obstacle (the symbols the
// labels name); none when every spot is taken. Labels and obstacles are kept in a grid of cells, so
// that each spot asks only its neighbours.
std::vector<std::optional<QRectF>> placeLabels(const std::vector<LabelRequest>& labels,
                                               const std::vector<QRectF>& obstacles);

// How many pairs of `rects` overlap.
int overlappingPairs(const std::vector<QRectF>& rects);

} // namespace vistaro
