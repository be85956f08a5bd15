// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "preview/areaaverage.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vistaro {

namespace {

// The source pixels along one axis that each output pixel covers: from `first`, the share of
// each in `weights[offset...]`, `count` of them, adding up to `total`.
struct Spans {
    std::vector<int> first;
    std::vector<int> offset;
    std::vector<int> count;
    std::vector<float> total;
    std::vector<float> weights;
};

Spans spansOf(int sourceLength, double outputLength, int outputCount) {
    Spans spans;
    const double step = sourceLength / outputLength;
    for (int i = 0; i < outputCount; ++i) {
        const double from = i * step;
        const double to = std::min((i + 1) * step, double(sourceLength));
        const int first = std::min(int(std::floor(from)), sourceLength - 1);
        const int end = std::clamp(int(std::ceil(to)), first + 1, sourceLength);
        spans.first.push_back(first);
        spans.offset.push_back(int(spans.weights.size()));
        spans.count.push_back(end - first);
        float total = 0;
        for (int k = first; k < end; ++k) {
            const auto share = float(std::min(to, k + 1.0) - std::max(from, double(k)));
            spans.weights.push_back(std::max(share, 0.0f));
            total += spans.weights.back();
        }
        // A sliver too thin to weigh anything still takes the colour of the pixel it lies on.
        if (total <= 0) {
            spans.weights.back() = 1;
            total = 1;
        }
        spans.total.push_back(total);
    }
    return spans;
}

} // namespace

QImage areaAverage(const QImage& source, double width, double height) {
    if (source.isNull() || !(width > 0) || !(height > 0) || !std::isfinite(width) ||
        !std::isfinite(height))
        return {};
    const QImage rgb = source.convertToFormat(QImage::Format_RGBX8888);
    const int sourceWidth = rgb.width();
    const int sourceHeight = rgb.height();
    const int columns = std::max(1, int(std::ceil(width - 1e-9)));
    const int rows = std::max(1, int(std::ceil(height - 1e-9)));
    const Spans across = spansOf(sourceWidth, width, columns);
    const Spans down = spansOf(sourceHeight, height, rows);

    // Down first, over whole rows of the source at once, into one float row for every output
    // row; then across each of those, which are few.
    const std::size_t rowFloats = std::size_t(sourceWidth) * 4;
    std::vector<float> narrowed(std::size_t(rows) * rowFloats, 0.0f);
    for (int row = 0; row < rows; ++row) {
        float* sum = narrowed.data() + std::size_t(row) * rowFloats;
        const float* weight = down.weights.data() + down.offset[row];
        for (int k = 0; k < down.count[row]; ++k) {
            const uchar* in = rgb.constScanLine(down.first[row] + k);
            const float w = weight[k] / down.total[row];
            for (std::size_t i = 0; i < rowFloats; ++i)
                sum[i] += w * float(in[i]);
        }
    }

    QImage result(columns, rows, QImage::Format_RGBX8888);
    for (int row = 0; row < rows; ++row) {
        const float* in = narrowed.data() + std::size_t(row) * rowFloats;
        uchar* out = result.scanLine(row);
        for (int column = 0; column < columns; ++column) {
            const float* pixel = in + std::size_t(across.first[column]) * 4;
            const float* weight = across.weights.data() + across.offset[column];
            float sum[3] = {0, 0, 0};
            for (int k = 0; k < across.count[column]; ++k, pixel += 4)
                for (int c = 0; c < 3; ++c)
                    sum[c] += weight[k] * pixel[c];
            for (int c = 0; c < 3; ++c)
                out[column * 4 + c] =
                    uchar(std::clamp(std::lround(sum[c] / across.total[column]), 0L, 255L));
            out[column * 4 + 3] = 255;
        }
    }
    return result;
}

} // namespace vistaro
