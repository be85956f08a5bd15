// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "site/site.h"

#include <QCoreApplication>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <memory>
#include <variant>

class QPainter;
class QSvgRenderer;
class QTransform;

namespace vistaro {

class DxfPlan;

// A floor plan picture as loaded: pixels, or a drawing that stays sharp at any zoom. Its size
// is in its own pixels (an SVG's user units, a DXF drawing's units).
class BackgroundPicture {
    Q_DECLARE_TR_FUNCTIONS(BackgroundPicture)

public:
    BackgroundPicture() = default;
    explicit BackgroundPicture(QImage image);
    explicit BackgroundPicture(std::shared_ptr<QSvgRenderer> drawing);
    // A DXF drawing without the layers named in `hidden`.
    BackgroundPicture(std::shared_ptr<const DxfPlan> plan, QStringList hidden);

    bool isNull() const;
    QSizeF size() const { return m_rect.size(); }
    // Where the picture lies in its own pixels: from (0, 0), but for a DXF drawing, whose
    // origin is there.
    QRectF rect() const { return m_rect; }
    // The DXF drawing shown, or none.
    const std::shared_ptr<const DxfPlan>& dxf() const { return m_plan; }
    // Draws the picture over `target`, in the painter's coordinates; a DXF drawing over rect().
    void paint(QPainter& painter, const QRectF& target) const;
    // Draws the picture where `background` lays it on the plan, as dimmed as it says, through
    // `toOut` (plan metres to the painter's units); nothing while it is hidden.
    void paintOnPlan(QPainter& painter, const SiteBackground& background,
                     const QTransform& toOut) const;

private:
    QImage m_image;
    std::shared_ptr<QSvgRenderer> m_drawing;
    std::shared_ptr<const DxfPlan> m_plan;
    QStringList m_hidden;
    QRectF m_rect;
};

// The largest picture a background may decode to, in MiB: a floor plan scanned at a high
// resolution fits, a picture made to exhaust the memory does not.
inline constexpr int BackgroundLimitMiB = 512;

// Reads a PNG, JPEG or SVG file; on failure, a sentence saying what is wrong.
std::variant<BackgroundPicture, QString> loadBackgroundPicture(const QString& path);

} // namespace vistaro
