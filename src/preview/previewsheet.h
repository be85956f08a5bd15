// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/coverageinputs.h"
#include "optics/coverageresult.h"
#include "preview/camerapixels.h"

#include <QCoreApplication>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>
#include <array>
#include <map>
#include <optional>
#include <vector>

class QPainter;

namespace vistaro {

// One lens setting as the preview takes it: a fixed lens has one, a zoom its wide and tele end.
struct PreviewEnd {
    QString name;                    // "WIDE", "TELE", or empty for a fixed lens
    std::optional<double> distanceM; // of the target at the aim from the camera
    CoverageResult result;

    bool operator==(const PreviewEnd&) const = default;
};

struct PreviewScene {
    std::vector<PreviewEnd> ends;
    Units units = Units::Metric;
    LevelSet levels = enLevels(); // the levels' columns

    bool operator==(const PreviewScene&) const = default;
};

// A column of the sheet: the targets at one density, and where the camera gives it.
struct PreviewColumn {
    QString heading; // "At the aim distance", or the level
    QString detail;  // the distances and the density, in the units on show
    double pixelsPerMetre = 0;
    // The lens's blur circle there, in camera pixels (of a zoom, the larger of its ends'), and
    // when that lies outside the depth of field, a note that says so; empty otherwise.
    double blurPixels = 0;
    QString focus{};
};

// At the aim distance of each end that has a density, then at each level's distance; each
// end focused at its aim distance.
std::vector<PreviewColumn> previewColumns(const PreviewScene& scene);

// The targets as the camera shows them, a row a target and a column a density, each camera
// pixel drawn as a square block. The pictures are worked out once for each density and options
// and kept while they are still on show.
class PreviewSheet {
    Q_DECLARE_TR_FUNCTIONS(PreviewSheet)

public:
    // Brings the pictures up to the scene and options; does nothing when they are as they were.
    void show(const PreviewScene& scene, const PictureOptions& options);
    // The columns' headings again, in the language now on show.
    void retranslate() { m_columns = previewColumns(m_scene); }
    const PreviewScene& scene() const { return m_scene; }
    const PictureOptions& options() const { return m_options; }
    const std::vector<PreviewColumn>& columns() const { return m_columns; }
    // The camera's pixels of a target in a column; null when the density gives no picture.
    QImage picture(Target target, std::size_t column) const;

    // The sheet in `area`, its texts in the painter's font; the same on screen, in a picture
    // and in the report.
    void paint(QPainter& painter, const QRectF& area) const;
    // The sheet as a picture of `size` on white, for a file or the clipboard.
    QImage image(QSize size, const QFont& font) const;

private:
    PreviewScene m_scene;
    PictureOptions m_options;
    std::vector<PreviewColumn> m_columns;
    // Each stage's pictures of the columns on show (see averagedPixels): averaged by density,
    // blurred by density and the blur shown, and with the options by the same.
    using Pictures = std::array<QImage, AllTargets.size()>;
    std::map<double, Pictures> m_averaged;
    std::map<std::pair<double, double>, Pictures> m_blurred;
    std::map<std::pair<double, double>, Pictures> m_pictures;
    bool m_shown = false;
};

} // namespace vistaro
