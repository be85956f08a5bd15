// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "preview/lensblur.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vistaro {

namespace {

// One row of the blur's weights, dy pixels off the centre: pixels `first` to `last` (relative
// to the centre) take weight 1, the others listed take theirs. Most of a wide disc is whole
// pixels, summed in two look-ups; only its rim is weighed pixel by pixel.
struct KernelRow {
    int dy = 0;
    int first = 1;
    int last = 0; // first > last: no whole pixels
    std::vector<std::pair<int, double>> parts;
};

// The weights with which the disc of `diameter` pixels spreads a camera pixel over its
// neighbours, and their sum. A camera pixel is the mean over its square, and so is the blurred
// one, so the weight of a pixel at an offset k is the disc's area convolved with the overlap of
// two unit squares, a tent of one pixel each way: each point of the disc, sampled on a fine
// grid, is shared bilinearly among the four pixel offsets around it. The grid's points lie
// midway between its lines, which the tents' corners fall on, so wholly inside the disc the
// weights come out 1.
std::vector<KernelRow> kernel(double diameter, double& total) {
    const double r = diameter / 2;
    const int reach = int(std::ceil(r)) + 1;
    const int size = 2 * reach + 1;
    std::vector<double> weights(std::size_t(size) * std::size_t(size), 0);
    const int steps = std::clamp(int(64 / r), 4, 32); // grid points a pixel, about 128² in all
    const double h = 1.0 / steps;
    const int half = int(std::ceil(r * steps));
    for (int j = -half; j < half; ++j) {
        const double y = (j + 0.5) * h;
        for (int i = -half; i < half; ++i) {
            const double x = (i + 0.5) * h;
            if (x * x + y * y > r * r)
                continue;
            const double fx = std::floor(x);
            const double fy = std::floor(y);
            const double ax = x - fx;
            const double ay = y - fy;
            const auto add = [&](int kx, int ky, double share) {
                weights[std::size_t(ky + reach) * std::size_t(size) + std::size_t(kx + reach)] +=
                    share * h * h;
            };
            add(int(fx), int(fy), (1 - ax) * (1 - ay));
            add(int(fx) + 1, int(fy), ax * (1 - ay));
            add(int(fx), int(fy) + 1, (1 - ax) * ay);
            add(int(fx) + 1, int(fy) + 1, ax * ay);
        }
    }
    constexpr double Whole = 1 - 1e-9;
    std::vector<KernelRow> rows;
    total = 0;
    for (int dy = -reach; dy <= reach; ++dy) {
        const double* row = &weights[std::size_t(dy + reach) * std::size_t(size)];
        KernelRow kept;
        kept.dy = dy;
        if (row[reach] >= Whole) {
            kept.first = kept.last = 0;
            while (kept.first > -reach && row[kept.first - 1 + reach] >= Whole)
                --kept.first;
            while (kept.last < reach && row[kept.last + 1 + reach] >= Whole)
                ++kept.last;
        }
        for (int dx = -reach; dx <= reach; ++dx) {
            const bool whole = dx >= kept.first && dx <= kept.last;
            total += whole ? 1 : row[dx + reach];
            if (!whole && row[dx + reach] > 0)
                kept.parts.emplace_back(dx, row[dx + reach]);
        }
        if (kept.first <= kept.last || !kept.parts.empty())
            rows.push_back(std::move(kept));
    }
    return rows;
}

} // namespace

QImage discBlur(const QImage& image, double diameter) {
    if (!(diameter >= 0.5) || !std::isfinite(diameter) || image.isNull())
        return image;
    const QImage source = image.convertToFormat(QImage::Format_RGBX8888);
    const int width = source.width();
    const int height = source.height();
    // A wide blur leaves no detail finer than a fraction of its width: it is worked out on the
    // picture averaged down to that and smoothly enlarged again, so that its work stays that of
    // a blur of Widest pixels however far out of focus the target is.
    constexpr double Widest = 16;
    // And a big picture (a target at a high density, larger than its place on the sheet) is
    // worked out no finer than keeps its work about that of a 160 x 160 picture blurred by 6
    // pixels, about the size of its place on the sheet: averaging down by k takes the work down
    // by k³ (pixels by k², the blur by k).
    constexpr double MostWork = 160.0 * 160.0 * 6;
    const double work = double(width) * double(height) * diameter;
    const double down = std::min(std::max(diameter / Widest, std::cbrt(work / MostWork)), diameter);
    if (down > 1) {
        // Qt's smooth scaling averages too, and is many times faster on big pictures.
        const QSize small(std::max(1, int(std::lround(width / down))),
                          std::max(1, int(std::lround(height / down))));
        return discBlur(source.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                        diameter / down)
            .scaled(source.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGBX8888);
    }
    double total = 0;
    const std::vector<KernelRow> rows = kernel(diameter, total);
    const int reach = int(std::ceil(diameter / 2)) + 1;
    // Running sums of each row, padded by the blur's reach with the edge's pixels, so that the
    // whole pixels of a kernel row are two look-ups however many they are.
    const int padded = width + 2 * reach;
    const std::size_t stride = std::size_t(padded + 1) * 3;
    std::vector<float> sums(std::size_t(height) * stride, 0);
    std::vector<const uchar*> lines(std::size_t(height), nullptr);
    for (int y = 0; y < height; ++y)
        lines[std::size_t(y)] = source.constScanLine(y);
    const auto pixelOf = [&](int y, int x) {
        return lines[std::size_t(std::clamp(y, 0, height - 1))] + std::clamp(x, 0, width - 1) * 4;
    };
    for (int y = 0; y < height; ++y) {
        float* sum = &sums[std::size_t(y) * stride];
        for (int x = 0; x < padded; ++x) {
            const uchar* pixel = pixelOf(y, x - reach);
            for (int c = 0; c < 3; ++c)
                sum[(x + 1) * 3 + c] = sum[x * 3 + c] + pixel[c];
        }
    }
    QImage blurred(source.size(), QImage::Format_RGBX8888);
    for (int y = 0; y < height; ++y) {
        uchar* out = blurred.scanLine(y);
        for (int x = 0; x < width; ++x, out += 4) {
            double value[3] = {0, 0, 0};
            for (const KernelRow& row : rows) {
                const int at = std::clamp(y + row.dy, 0, height - 1);
                if (row.first <= row.last) {
                    // Padded columns x + first + reach to x + last + reach.
                    const float* sum = &sums[std::size_t(at) * stride];
                    const int from = (x + row.first + reach) * 3;
                    const int to = (x + row.last + reach + 1) * 3;
                    for (int c = 0; c < 3; ++c)
                        value[c] += sum[to + c] - sum[from + c];
                }
                for (const auto& [dx, weight] : row.parts) {
                    const uchar* pixel = pixelOf(at, x + dx);
                    for (int c = 0; c < 3; ++c)
                        value[c] += weight * pixel[c];
                }
            }
            for (int c = 0; c < 3; ++c)
                out[c] = uchar(std::clamp(value[c] / total + 0.5, 0.0, 255.0));
            out[3] = 255;
        }
    }
    return blurred;
}

} // namespace vistaro
