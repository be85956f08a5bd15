// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "preview/camerapixels.h"

#include "preview/areaaverage.h"

#include <QBuffer>
#include <QImageWriter>
#include <cmath>
#include <cstring>
#include <random>

namespace vistaro {

QImage jpegRoundTrip(const QImage& image, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(std::clamp(quality, 1, 100));
    if (!writer.write(image))
        return image;
    QImage back = QImage::fromData(bytes, "JPEG");
    return back.isNull() ? image : back.convertToFormat(QImage::Format_RGBX8888);
}

QImage nightNoise(const QImage& image, int percent, quint32 seed) {
    QImage night = image.convertToFormat(QImage::Format_RGBX8888);
    std::mt19937 random(seed);
    std::normal_distribution<double> grain(0, 2.55 * percent);
    for (int y = 0; y < night.height(); ++y) {
        uchar* pixel = night.scanLine(y);
        for (int x = 0; x < night.width(); ++x, pixel += 4) {
            const double grey = 0.299 * pixel[0] + 0.587 * pixel[1] + 0.114 * pixel[2];
            const auto value = uchar(std::clamp(std::lround(grey + grain(random)), 0L, 255L));
            pixel[0] = pixel[1] = pixel[2] = value;
        }
    }
    return night;
}

QImage cameraPixels(Target target, double pixelsPerMetre, const PictureOptions& options,
                    int largestPixels) {
    const QSizeF size = targetSize(target) * pixelsPerMetre;
    if (!(pixelsPerMetre > 0) || !std::isfinite(pixelsPerMetre) || size.width() > largestPixels ||
        size.height() > largestPixels)
        return {};
    QImage image = areaAverage(targetOriginal(target), size.width(), size.height());
    if (options.noisePercent > 0) {
        quint32 bits = 0;
        const auto density = float(pixelsPerMetre);
        std::memcpy(&bits, &density, sizeof bits);
        image = nightNoise(image, options.noisePercent, bits ^ (quint32(target) * 0x9e3779b9u));
    }
    if (options.jpegQuality > 0)
        image = jpegRoundTrip(image, options.jpegQuality);
    return image;
}

} // namespace vistaro
