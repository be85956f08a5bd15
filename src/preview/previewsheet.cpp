// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "preview/previewsheet.h"

#include "optics/coverageformat.h"
#include "report/reportpage.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace vistaro {

namespace {

bool outsideSharpZone(const std::optional<DepthOfField>& depth, double distanceM) {
    return depth && (distanceM < depth->nearM || (depth->farM && distanceM > *depth->farM));
}

// Says that the ends named in `blurred` (an empty name for a fixed lens) see the column out of
// focus; empty when none does.
QString focusNote(const QStringList& blurred, double blur) {
    if (blurred.isEmpty())
        return {};
    const QString pixels = CoverageText::number(blur, 1);
    if (blurred.join(QString()).isEmpty())
        return PreviewSheet::tr("Outside the sharp zone: blur %1 px").arg(pixels);
    return PreviewSheet::tr("Outside the sharp zone at %1: blur %2 px")
        .arg(blurred.join(QStringLiteral(", ")), pixels);
}

// The blur a column's pictures are drawn with: none when the option is off, or the blur is
// under half a pixel and so does nothing.
double shownBlur(const PreviewColumn& column, const PictureOptions& options) {
    return options.lensBlur && column.blurPixels >= 0.5 ? column.blurPixels : 0;
}

// The pictures under `key` in `now`, else those in `kept`, else made by `make` for each target;
// `now` holds them after.
template <class Key, class Pictures, class Make>
const Pictures& keptOrMade(std::map<Key, Pictures>& now, const std::map<Key, Pictures>& kept,
                           const Key& key, Make make) {
    if (const auto found = now.find(key); found != now.end())
        return found->second;
    Pictures& pictures = now[key];
    if (const auto found = kept.find(key); found != kept.end())
        pictures = found->second;
    else
        for (const Target target : AllTargets)
            pictures.at(std::size_t(target)) = make(target);
    return pictures;
}

} // namespace

std::vector<PreviewColumn> previewColumns(const PreviewScene& scene) {
    std::vector<PreviewColumn> columns;
    const Units units = scene.units;
    for (const PreviewEnd& end : scene.ends)
        if (const std::optional<double> density = end.result.pixelsPerMetre)
            columns.push_back(
                {end.name.isEmpty() ? PreviewSheet::tr("At the aim distance")
                                    : PreviewSheet::tr("At the aim distance (%1)").arg(end.name),
                 PreviewSheet::tr("%1, %2").arg(CoverageText::length(end.distanceM, units),
                                                CoverageText::density(density, units)),
                 *density});
    for (Level level = 0; level < scene.levels.size(); ++level) {
        QStringList distances;
        std::optional<double> needed;
        QStringList blurred; // the ends that see the level's distance out of focus
        double blur = 0;
        for (const PreviewEnd& end : scene.ends) {
            const std::vector<std::optional<double>>& reaches = end.result.levelDistanceM;
            const std::optional<double> reach =
                level < reaches.size() ? reaches[level] : std::nullopt;
            if (!reach || level >= end.result.levelDensities.size())
                continue;
            needed = end.result.levelDensities[level];
            const QString distance = CoverageText::reach(reach, units);
            distances << (end.name.isEmpty() ? distance
                                             : QStringLiteral("%1 (%2)").arg(distance, end.name));
            if (!end.result.focus)
                continue;
            blur = std::max(blur, blurPixels(*end.result.focus, *reach).value_or(0));
            if (outsideSharpZone(end.result.depth, *reach))
                blurred << end.name;
        }
        if (distances.isEmpty())
            continue;
        columns.push_back({CoverageText::levelName(scene.levels, level),
                           PreviewSheet::tr("%1, %2").arg(distances.join(QStringLiteral(", ")),
                                                          CoverageText::density(needed, units)),
                           *needed, blur, focusNote(blurred, blur)});
    }
    return columns;
}

void PreviewSheet::show(const PreviewScene& scene, const PictureOptions& options) {
    if (m_shown && scene == m_scene && options == m_options)
        return;
    if (options != m_options)
        m_pictures.clear();
    m_shown = true;
    m_scene = scene;
    m_options = options;
    m_columns = previewColumns(scene);
    // Of each stage, what the columns on show need: taken from what was kept when it is there,
    // so that a change works out only the stages it reaches.
    decltype(m_averaged) averaged;
    decltype(m_blurred) blurred;
    decltype(m_pictures) pictures;
    for (const PreviewColumn& column : m_columns) {
        const double density = column.pixelsPerMetre;
        const std::pair key(density, shownBlur(column, options));
        const Pictures& sensed = keptOrMade(averaged, m_averaged, density, [&](Target target) {
            return averagedPixels(target, density);
        });
        const Pictures& spread = keptOrMade(blurred, m_blurred, key, [&](Target target) {
            return blurredPixels(sensed.at(std::size_t(target)), target, density, key.second);
        });
        keptOrMade(pictures, m_pictures, key, [&](Target target) {
            return optionedPixels(spread.at(std::size_t(target)), target, density, options);
        });
    }
    m_averaged = std::move(averaged);
    m_blurred = std::move(blurred);
    m_pictures = std::move(pictures);
}

QImage PreviewSheet::picture(Target target, std::size_t column) const {
    if (column >= m_columns.size())
        return {};
    const PreviewColumn& shown = m_columns[column];
    const auto found = m_pictures.find({shown.pixelsPerMetre, shownBlur(shown, m_options)});
    return found == m_pictures.end() ? QImage() : found->second.at(std::size_t(target));
}

void PreviewSheet::paint(QPainter& painter, const QRectF& area) const {
    painter.save();
    const QFontMetricsF metrics(painter.font(), painter.device());
    const qreal line = metrics.lineSpacing();
    const qreal gap = line / 2;
    qreal labelWidth = 0;
    for (const Target target : AllTargets)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(TargetText::name(target)));
    labelWidth = std::min(labelWidth + gap, area.width() / 5);
    if (m_columns.empty()) {
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap,
                         tr("No pixel density: the coverage window's inputs give none."));
        painter.restore();
        return;
    }
    const auto count = qreal(m_columns.size());
    const qreal cellWidth = (area.width() - labelWidth) / count;
    const QFont plain = painter.font();
    QFont bold = plain;
    bold.setBold(true);
    // Each column's heading and figures wrapped to its width; the head as tall as the tallest.
    const QFontMetricsF boldMetrics(bold, painter.device());
    std::vector<std::pair<QString, QString>> heads;
    qreal headHeight = 0;
    for (const PreviewColumn& column : m_columns) {
        const QString& focus = column.focus;
        heads.emplace_back(
            wrappedBetweenWords(column.heading, boldMetrics, cellWidth - gap),
            wrappedBetweenWords(focus.isEmpty() ? column.detail : column.detail + u'\n' + focus,
                                metrics, cellWidth - gap));
        const auto lines = heads.back().first.count(u'\n') + heads.back().second.count(u'\n') + 2;
        headHeight = std::max(headHeight, qreal(lines) * line);
    }
    headHeight += gap;
    const qreal cellHeight = (area.height() - headHeight) / qreal(AllTargets.size());
    for (std::size_t c = 0; c < m_columns.size(); ++c) {
        const QRectF head(area.left() + labelWidth + qreal(c) * cellWidth, area.top(),
                          cellWidth - gap, headHeight);
        const auto& [heading, detail] = heads[c];
        painter.setFont(bold);
        painter.drawText(head, Qt::AlignLeft | Qt::AlignTop, heading);
        painter.setFont(plain);
        painter.drawText(head.adjusted(0, qreal(heading.count(u'\n') + 1) * line, 0, 0),
                         Qt::AlignLeft | Qt::AlignTop, detail);
    }
    for (const Target target : AllTargets) {
        const qreal top = area.top() + headHeight + qreal(target) * cellHeight;
        painter.drawText(QRectF(area.left(), top, labelWidth - gap, cellHeight),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                         TargetText::name(target));
        for (std::size_t c = 0; c < m_columns.size(); ++c) {
            const QRectF cell(area.left() + labelWidth + qreal(c) * cellWidth, top, cellWidth - gap,
                              cellHeight - gap);
            const QImage image = picture(target, c);
            const QRectF room = cell.adjusted(0, 0, 0, -line);
            if (image.isNull() || room.height() <= 0) {
                painter.drawText(cell, Qt::AlignCenter, QStringLiteral("-"));
                continue;
            }
            const qreal scale =
                std::min(room.width() / image.width(), room.height() / image.height());
            const QSizeF shown = QSizeF(image.size()) * scale;
            const QRectF box(room.left() + (room.width() - shown.width()) / 2,
                             room.top() + (room.height() - shown.height()) / 2, shown.width(),
                             shown.height());
            // Enlarged, each camera pixel a square block; reduced only when there are more
            // pixels than room. A PDF reader smooths what it enlarges, so the blocks go into a
            // PDF or on paper already made.
            painter.setRenderHint(QPainter::SmoothPixmapTransform, scale < 1);
            const bool raster = painter.paintEngine()->type() == QPaintEngine::Raster;
            const int largest = std::max(image.width(), image.height());
            const int most = std::max(1, std::min(16, 512 / largest));
            const int blocks = raster ? 1 : std::clamp(int(std::ceil(scale)), 1, most);
            painter.drawImage(box, blocks == 1
                                       ? image
                                       : image.scaled(image.size() * blocks, Qt::IgnoreAspectRatio,
                                                      Qt::FastTransformation));
            const QSizeF pixels = targetSize(target) * m_columns[c].pixelsPerMetre;
            painter.drawText(QRectF(cell.left(), box.bottom(), cell.width(), line),
                             Qt::AlignHCenter | Qt::AlignTop,
                             tr("%1 x %2 px")
                                 .arg(CoverageText::number(pixels.width(), 1),
                                      CoverageText::number(pixels.height(), 1)));
        }
    }
    painter.restore();
}

QImage PreviewSheet::image(QSize size, const QFont& font) const {
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

} // namespace vistaro
