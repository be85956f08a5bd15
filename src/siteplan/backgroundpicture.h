// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <memory>
#include <variant>

class QPainter;
class QSvgRenderer;

namespace vistaro {

// A floor plan picture as loaded: pixels, or a drawing that stays sharp at any zoom. Its size
// is in its own pixels (an SVG's user units).
class BackgroundPicture {
    Q_DECLARE_TR_FUNCTIONS(BackgroundPicture)

public:
    BackgroundPicture() = default;
    explicit BackgroundPicture(QImage image);
    explicit BackgroundPicture(std::shared_ptr<QSvgRenderer> drawing);

    bool isNull() const { return m_size.isEmpty(); }
    QSizeF size() const { return m_size; }
    // Draws the picture over `target`, in the painter's coordinates.
    void paint(QPainter& painter, const QRectF& target) const;

private:
    QImage m_image;
    std::shared_ptr<QSvgRenderer> m_drawing;
    QSizeF m_size;
};

// The largest picture a background may decode to, in MiB: a floor plan scanned at a high
// resolution fits, a picture made to exhaust the memory does not.
inline constexpr int BackgroundLimitMiB = 512;

// Reads a PNG, JPEG or SVG file; on failure, a sentence saying what is wrong.
std::variant<BackgroundPicture, QString> loadBackgroundPicture(const QString& path);

} // namespace vistaro
