// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/backgroundpicture.h"

#include "site/plancoordinates.h"
#include "siteplan/dxfplan.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

namespace vistaro {

BackgroundPicture::BackgroundPicture(QImage image)
    : m_image(std::move(image)), m_rect(QPointF(), m_image.size()) {}

BackgroundPicture::BackgroundPicture(std::shared_ptr<QSvgRenderer> drawing)
    : m_drawing(std::move(drawing)), m_rect(QPointF(), m_drawing->viewBoxF().size()) {}

BackgroundPicture::BackgroundPicture(std::shared_ptr<const DxfPlan> plan, QStringList hidden)
    : m_plan(std::move(plan)), m_hidden(std::move(hidden)), m_rect(m_plan->rect()) {}

bool BackgroundPicture::isNull() const {
    // A drawing of one level line has no area, yet something to draw.
    return m_plan ? m_plan->drawing().bounds.isEmpty() : m_rect.isEmpty();
}

void BackgroundPicture::paint(QPainter& painter, const QRectF& target) const {
    if (m_plan)
        m_plan->paint(painter, m_hidden);
    else if (m_drawing)
        m_drawing->render(&painter, target);
    else
        painter.drawImage(target, m_image);
}

void BackgroundPicture::paintOnPlan(QPainter& painter, const SiteBackground& background,
                                    const QTransform& toOut) const {
    if (isNull() || !background.visible)
        return;
    // The picture's pixels onto the plan, as the plan places them.
    const PlanPoint origin = planOfPixel(background, {0, 0});
    const PlanPoint right = planOfPixel(background, {1, 0});
    const PlanPoint down = planOfPixel(background, {0, 1});
    const QTransform toPlan(right.x - origin.x, right.y - origin.y, down.x - origin.x,
                            down.y - origin.y, origin.x, origin.y);
    painter.save();
    painter.setOpacity(background.opacity);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setTransform(toPlan * toOut, true);
    paint(painter, rect());
    painter.restore();
}

std::variant<BackgroundPicture, QString> loadBackgroundPicture(const QString& path) {
    if (!QFileInfo(path).isFile())
        return BackgroundPicture::tr("The file does not exist.");
    if (QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0) {
        auto drawing = std::make_shared<QSvgRenderer>(path);
        if (!drawing->isValid() || drawing->viewBoxF().isEmpty())
            return BackgroundPicture::tr("It is not an SVG drawing that can be read.");
        return BackgroundPicture(std::move(drawing));
    }
    QImageReader::setAllocationLimit(BackgroundLimitMiB);
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format();
    if (format != "png" && format != "jpeg")
        return BackgroundPicture::tr("It is neither a PNG nor a JPEG picture.");
    QImage image = reader.read();
    if (image.isNull())
        return BackgroundPicture::tr("The picture cannot be read: %1").arg(reader.errorString());
    return BackgroundPicture(std::move(image));
}

} // namespace vistaro
