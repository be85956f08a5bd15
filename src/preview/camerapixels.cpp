// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "preview/camerapixels.h"

#include "preview/areaaverage.h"
#include "preview/lensblur.h"

#include <QBuffer>
#include <QImageWriter>
#include <cmath>
#include <cstring>
#include <random>
#include <vector>

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
    // Grain for every pixel of every picture within the calculator's tick: drawn from a table of
    // normally distributed values made once, a cheap random index a pixel.
    static const std::vector<float> normal = [] {
        std::mt19937 engine(1);
        std::normal_distribution<float> distribution;
        std::vector<float> values(1 << 16);
        for (float& value : values)
            value = distribution(engine);
        return values;
    }();
    std::minstd_rand random(seed);
    const float sigma = 2.55f * float(percent);
    for (int y = 0; y < night.height(); ++y) {
        uchar* pixel = night.scanLine(y);
        for (int x = 0; x < night.width(); ++x, pixel += 4) {
            const float grey = 0.299f * pixel[0] + 0.587f * pixel[1] + 0.114f * pixel[2];
            const float grain = sigma * normal[random() & 0xffff];
            pixel[0] = pixel[1] = pixel[2] = uchar(std::clamp(grey + grain + 0.5f, 0.0f, 255.0f));
        }
    }
    return night;
}

namespace {

// A camera that resolves the target finer than its original is drawn shows no more than the
// original holds: the picture is then worked out at the original's size, its pixels finer than
// the camera's, so that its cost stays that of the original at any density. The share of a
// camera pixel that a pixel of the picture is.
double workingScale(Target target, double pixelsPerMetre) {
    const QSizeF size = targetSize(target) * pixelsPerMetre;
    const QImage& original = targetOriginal(target);
    const double finer =
        std::max(size.width() / original.width(), size.height() / original.height());
    return finer > 1 ? 1 / finer : 1;
}

} // namespace

QImage averagedPixels(Target target, double pixelsPerMetre, int largestPixels) {
    const QSizeF size = targetSize(target) * pixelsPerMetre;
    if (!(pixelsPerMetre > 0) || !std::isfinite(pixelsPerMetre) || size.width() > largestPixels ||
        size.height() > largestPixels)
        return {};
    const double scale = workingScale(target, pixelsPerMetre);
    return areaAverage(targetOriginal(target), size.width() * scale, size.height() * scale);
}

QImage blurredPixels(const QImage& averaged, Target target, double pixelsPerMetre,
                     double blurPixels) {
    if (averaged.isNull())
        return {};
    return discBlur(averaged, blurPixels * workingScale(target, pixelsPerMetre));
}

QImage optionedPixels(const QImage& blurred, Target target, double pixelsPerMetre,
                      const PictureOptions& options) {
    if (blurred.isNull())
        return {};
    QImage image = blurred;
    if (options.noisePercent > 0) {
        quint32 bits = 0;
        const auto density = float(pixelsPerMetre);
        std::memcpy(&bits, &density, sizeof bits);
        image = nightNoise(image, options.noisePercent, bits ^ (quint32(target) * 0x9e3779b9u));
    }
    if (options.jpegQuality > 0)
        image = jpegRoundTrip(image, options.jpegQuality);
    // The screen's own format, which the painter draws without converting.
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace vistaro
