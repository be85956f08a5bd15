// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "site/labelplacement.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <unordered_map>

namespace vistaro {

namespace {

// A label's gap to its anchor, in pixels.
constexpr double Gap = 4;
constexpr double CellPixels = 64;
// A label larger than this many cells each way is left out rather than filed in them all.
constexpr long long MostCells = 4096;

// The rectangles placed so far, filed by the cells of the drawing they meet.
class Grid {
public:
    bool free(const QRectF& rect) const {
        bool clear = true;
        visit(rect, [&](long long key) {
            const auto found = m_cells.find(key);
            if (found != m_cells.end())
                for (const std::size_t index : found->second)
                    if (m_rects[index].intersects(rect))
                        clear = false;
        });
        return clear;
    }
    void add(const QRectF& rect) {
        const std::size_t index = m_rects.size();
        m_rects.push_back(rect);
        visit(rect, [&](long long key) { m_cells[key].push_back(index); });
    }
    // Whether `rect` spans few enough cells to file.
    static bool fits(const QRectF& rect) {
        return rect.isValid() && std::isfinite(rect.left()) && std::isfinite(rect.right()) &&
               std::isfinite(rect.top()) && std::isfinite(rect.bottom()) &&
               std::abs(rect.left()) < 1e9 && std::abs(rect.top()) < 1e9 &&
               (rect.width() / CellPixels + 1) * (rect.height() / CellPixels + 1) < MostCells;
    }

private:
    template <typename Visit> static void visit(const QRectF& rect, Visit&& each) {
        const auto cell = [](double at) {
            return static_cast<long long>(std::floor(at / CellPixels));
        };
        for (long long x = cell(rect.left()); x <= cell(rect.right()); ++x)
            for (long long y = cell(rect.top()); y <= cell(rect.bottom()); ++y)
                each(x * 4'000'000'000LL + y);
    }

    std::vector<QRectF> m_rects;
    std::unordered_map<long long, std::vector<std::size_t>> m_cells;
};

} // namespace

std::vector<std::optional<QRectF>> placeLabels(const std::vector<LabelRequest>& labels,
                                               const std::vector<QRectF>& obstacles) {
    Grid placed;
    for (const QRectF& obstacle : obstacles)
        if (Grid::fits(obstacle))
            placed.add(obstacle);
    std::vector<std::size_t> order(labels.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&labels](std::size_t a, std::size_t b) {
        return labels[a].rank < labels[b].rank;
    });
    std::vector<std::optional<QRectF>> places(labels.size());
    for (const std::size_t index : order) {
        const LabelRequest& label = labels[index];
        const double w = label.size.width();
        const double h = label.size.height();
        const QPointF at = label.anchor;
        const double off = Gap + label.clearance;
        const QRectF on(at.x() - w / 2, at.y() - h / 2, w, h);
        const std::array<QRectF, 5> spots{label.clearance > 0 ? QRectF() : on,
                                          QRectF(at.x() + off, at.y() - h / 2, w, h),
                                          QRectF(at.x() - off - w, at.y() - h / 2, w, h),
                                          QRectF(at.x() - w / 2, at.y() - off - h, w, h),
                                          QRectF(at.x() - w / 2, at.y() + off, w, h)};
        for (const QRectF& spot : spots)
            if (Grid::fits(spot) && placed.free(spot)) {
                placed.add(spot);
                places[index] = spot;
                break;
            }
    }
    return places;
}

int overlappingPairs(const std::vector<QRectF>& rects) {
    int pairs = 0;
    for (std::size_t i = 0; i < rects.size(); ++i)
        for (std::size_t j = i + 1; j < rects.size(); ++j)
            pairs += rects[i].intersects(rects[j]) ? 1 : 0;
    return pairs;
}

} // namespace vistaro
