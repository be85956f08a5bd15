// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "preview/targets.h"

#include <QFontDatabase>
#include <QPainter>
#include <cmath>

namespace vistaro {

namespace {

// The head of the portrait, its hair included, spans these columns of its pixels.
constexpr int HeadLeftPx = 14;
constexpr int HeadRightPx = 164;
constexpr double FaceMetresPerPixel = HeadWidthM / (HeadRightPx - HeadLeftPx);

// Pixels a metre of the drawn originals: finer than any camera in the preview resolves them at
// the levels' densities.
constexpr double PersonPixelsPerMetre = 500;
constexpr double DrawnPixelsPerMetre = 2000;

constexpr double PersonBoxWidthM = 0.64;
constexpr double PersonMarginM = 0.05;
constexpr double BarMarginM = 0.01;
constexpr double BarGapM = 0.01;
constexpr double WideBarLengthM = 0.06;
constexpr double NarrowBarLengthM = 0.04;

const QColor Backdrop(0xd8, 0xd8, 0xd8);

const QImage& portrait() {
    static const QImage image = QImage(QStringLiteral(":/preview/astronaut-head.png"))
                                    .convertToFormat(QImage::Format_RGBX8888);
    return image;
}

QString plateFamily() {
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(
            QStringLiteral("/usr/share/fonts/truetype/opendin/OSP-DIN.ttf"));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QStringLiteral("Liberation Sans Narrow") : families.front();
    }();
    return family;
}

void paintPerson(QPainter& painter) {
    painter.fillRect(QRectF(QPointF(0, 0), targetSize(Target::Person)), Backdrop);
    painter.setPen(Qt::NoPen);
    const double top = PersonMarginM;
    const double feet = top + PersonHeightM;
    const double middle = PersonBoxWidthM / 2;
    const QColor skin(0xc8, 0x96, 0x78);
    // Legs and shoes.
    painter.setBrush(QColor(0x4a, 0x4e, 0x58));
    painter.drawRect(QRectF(middle - 0.13, top + 0.88, 0.115, feet - top - 0.91));
    painter.drawRect(QRectF(middle + 0.015, top + 0.88, 0.115, feet - top - 0.91));
    painter.setBrush(QColor(0x20, 0x18, 0x14));
    painter.drawRoundedRect(QRectF(middle - 0.15, feet - 0.05, 0.14, 0.05), 0.02, 0.02);
    painter.drawRoundedRect(QRectF(middle + 0.01, feet - 0.05, 0.14, 0.05), 0.02, 0.02);
    // Arms, then the jacket over them, hands below.
    painter.setBrush(QColor(0x1f, 0x3a, 0x68));
    painter.drawPolygon(QPolygonF({{middle - 0.2, top + 0.28},
                                   {middle - 0.13, top + 0.28},
                                   {middle - 0.17, top + 0.86},
                                   {middle - 0.24, top + 0.85}}));
    painter.drawPolygon(QPolygonF({{middle + 0.13, top + 0.28},
                                   {middle + 0.2, top + 0.28},
                                   {middle + 0.24, top + 0.85},
                                   {middle + 0.17, top + 0.86}}));
    QPainterPath jacket;
    jacket.moveTo(middle - 0.08, top + 0.25);
    jacket.lineTo(middle + 0.08, top + 0.25);
    jacket.quadTo(middle + 0.2, top + 0.26, middle + 0.2, top + 0.34);
    jacket.lineTo(middle + 0.15, top + 0.92);
    jacket.lineTo(middle - 0.15, top + 0.92);
    jacket.lineTo(middle - 0.2, top + 0.34);
    jacket.quadTo(middle - 0.2, top + 0.26, middle - 0.08, top + 0.25);
    painter.drawPath(jacket);
    painter.setBrush(skin);
    painter.drawEllipse(QPointF(middle - 0.205, top + 0.89), 0.04, 0.05);
    painter.drawEllipse(QPointF(middle + 0.205, top + 0.89), 0.04, 0.05);
    // Neck, head and hair.
    painter.drawRect(QRectF(middle - 0.035, top + 0.19, 0.07, 0.08));
    painter.drawEllipse(QPointF(middle, top + 0.115), 0.075, 0.11);
    painter.setBrush(QColor(0x3b, 0x2a, 0x1e));
    painter.drawChord(QRectF(middle - 0.078, top + 0.0, 0.156, 0.12), 0, 180 * 16);
    // Eyes and mouth, as far as a camera could tell them apart.
    painter.setBrush(QColor(0x20, 0x20, 0x20));
    painter.drawEllipse(QPointF(middle - 0.028, top + 0.11), 0.009, 0.006);
    painter.drawEllipse(QPointF(middle + 0.028, top + 0.11), 0.009, 0.006);
    painter.setBrush(QColor(0x8a, 0x40, 0x38));
    painter.drawRoundedRect(QRectF(middle - 0.025, top + 0.165, 0.05, 0.012), 0.005, 0.005);
}

void paintPlate(QPainter& painter) {
    const QRectF plate(0, 0, PlateWidthM, PlateHeightM);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRoundedRect(plate, 0.008, 0.008);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(plate.adjusted(0.004, 0.004, -0.004, -0.004), 0.005, 0.005);
    // The blue band of a European plate.
    const QRectF band(0.006, 0.006, 0.04, PlateHeightM - 0.012);
    painter.setBrush(QColor(0x00, 0x33, 0x99));
    painter.drawRect(band);
    const QRectF field(band.right() + 0.01, 0.006, PlateWidthM - band.right() - 0.026,
                       PlateHeightM - 0.012);
    QPainterPath text = plateCharacters(QStringLiteral("AB 123 CD"), PlateCharacterM);
    const QRectF bounds = text.boundingRect();
    // Condensed when the font would not fit the field, as plate fonts are.
    const double squeeze = std::min(1.0, field.width() / bounds.width());
    QTransform fit;
    fit.translate(field.center().x() - bounds.width() * squeeze / 2,
                  field.center().y() - bounds.height() / 2);
    fit.scale(squeeze, 1);
    painter.setBrush(Qt::black);
    painter.drawPath(fit.map(text));
}

void paintBars(QPainter& painter) {
    painter.fillRect(QRectF(QPointF(0, 0), targetSize(Target::Bars)), Qt::white);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (const QRectF& bar : barRects())
        painter.drawRect(bar);
}

void paintFace(QPainter& painter) {
    painter.drawImage(QRectF(QPointF(0, 0), targetSize(Target::Face)), portrait());
}

QImage drawn(Target target, double pixelsPerMetre) {
    const QSizeF size = targetSize(target) * pixelsPerMetre;
    QImage image(size.toSize(), QImage::Format_RGBX8888);
    image.fill(Backdrop);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(image.width() / targetSize(target).width(),
                  image.height() / targetSize(target).height());
    paintTarget(painter, target);
    return image;
}

} // namespace

std::vector<QRectF> barRects() {
    std::vector<QRectF> bars;
    const auto group = [&](double left, double top, double width, double length) {
        bars.emplace_back(left, top, width, length);
        bars.emplace_back(left + 2 * width, top, width, length);
        return left + 3 * width;
    };
    group(BarMarginM, BarMarginM, BarWidthsM[0], WideBarLengthM);
    double left = BarMarginM;
    const double top = BarMarginM + WideBarLengthM + BarGapM;
    for (std::size_t i = 1; i < BarWidthsM.size(); ++i)
        left = group(left, top, BarWidthsM[i], NarrowBarLengthM) + BarGapM;
    return bars;
}

QSizeF targetSize(Target target) {
    switch (target) {
    case Target::Face:
        return QSizeF(portrait().size()) * FaceMetresPerPixel;
    case Target::Person:
        return {PersonBoxWidthM, PersonHeightM + 2 * PersonMarginM};
    case Target::Plate:
        return {PlateWidthM, PlateHeightM};
    case Target::Bars:
        return {3 * BarWidthsM[0] + 2 * BarMarginM,
                WideBarLengthM + BarGapM + NarrowBarLengthM + 2 * BarMarginM};
    }
    return {};
}

void paintTarget(QPainter& painter, Target target) {
    painter.save();
    switch (target) {
    case Target::Face:
        paintFace(painter);
        break;
    case Target::Person:
        paintPerson(painter);
        break;
    case Target::Plate:
        paintPlate(painter);
        break;
    case Target::Bars:
        paintBars(painter);
        break;
    }
    painter.restore();
}

QPainterPath plateCharacters(const QString& text, double heightM) {
    QFont font(plateFamily());
    font.setPixelSize(1000);
    QPainterPath path;
    path.addText(0, 0, font, text);
    // Scaled by the capitals' own height, whatever the font's ascent and line spacing.
    const QRectF bounds = path.boundingRect();
    QTransform fit;
    fit.scale(heightM / bounds.height(), heightM / bounds.height());
    fit.translate(-bounds.left(), -bounds.top());
    return fit.map(path);
}

const QImage& targetOriginal(Target target) {
    static const std::array<QImage, 4> originals = {
        portrait(),
        drawn(Target::Person, PersonPixelsPerMetre),
        drawn(Target::Plate, DrawnPixelsPerMetre),
        drawn(Target::Bars, DrawnPixelsPerMetre),
    };
    return originals.at(std::size_t(target));
}

QString TargetText::name(Target target) {
    switch (target) {
    case Target::Face:
        return tr("Face, 16 cm wide");
    case Target::Person:
        return tr("Person, 1.7 m tall");
    case Target::Plate:
        return tr("Number plate, 520 x 110 mm");
    case Target::Bars:
        return tr("Bars of 40, 16, 8 and 4 mm");
    }
    return {};
}

} // namespace vistaro
