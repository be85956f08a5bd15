// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "site/sitedocument.h"
#include "site/sitegeometry.h"

#include <QObject>
#include <map>
#include <optional>
#include <vector>

namespace vistaro {

// What every camera of the document covers and how much of each area is covered (by the cameras
// of its storey), kept up to date as the document changes: a camera that moves is worked out
// again alone, a wall or the
// boundary that changes brings every camera again, and the areas follow the cameras: those that a
// camera reaches, before or after it changed. An area with a target height of its own is judged
// from every camera's footprint at that height, worked out once for each height the areas ask
// for, and follows every change of a camera.
class SiteCoverage : public QObject {
    Q_OBJECT

public:
    // Both must outlive this object.
    SiteCoverage(const SiteDocument& document, const SiteGeometry& geometry,
                 QObject* parent = nullptr);

    int cameraCount() const { return static_cast<int>(m_footprints.size()); }
    int areaCount() const { return static_cast<int>(m_areas.size()); }
    const CameraFootprint& footprint(int camera) const {
        return m_footprints.at(static_cast<std::size_t>(camera));
    }
    const AreaCoverage& coverage(int area) const {
        return m_areas.at(static_cast<std::size_t>(area)).coverage;
    }
    // The surface (m²) where the camera meets `level` or better; none while the coverage has not
    // followed the document to that camera yet.
    std::optional<double> areaAtLevel(int camera, Level level) const {
        return camera < cameraCount() ? std::optional(footprint(camera).areaAtLevel(level))
                                      : std::nullopt;
    }
    // The area's surface in m².
    double surface(int area) const { return m_areas.at(static_cast<std::size_t>(area)).surface; }
    // The surface of a closed outline in m², as the areas' is worked out.
    double surfaceOf(const std::vector<PlanPoint>& outline) const {
        return m_geometry.surface(outline);
    }

signals:
    // -1: every camera, or every area.
    void cameraCoverageChanged(int camera);
    void areaCoverageChanged(int area);

private:
    struct AreaFigures {
        AreaCoverage coverage;
        double surface = 0;
    };

    void recomputeAll();
    CameraFootprint footprintOf(int camera) const;
    // `camera`'s footprint with its field at `heightM`.
    CameraFootprint footprintAt(int camera, double heightM) const;
    // The footprints that `area` is judged from.
    const std::vector<CameraFootprint>& footprintsFor(const SiteArea& area);
    AreaFigures figuresOf(int area);
    // Where a camera reaches, as CameraCover::reach, on its storey.
    struct Reach {
        int storey = 0;
        std::vector<QRectF> boxes;
    };
    // The areas of a reach's storey whose box it meets at the area's level.
    void recomputeAreasNear(const std::vector<Reach>& reaches);
    void itemsChanged(const std::vector<ItemRef>& refs);
    // A camera or an area changed.
    void itemChanged(const ItemRef& ref);
    void itemsCountChanged(const std::vector<ItemRef>& refs, bool inserted);

    const SiteDocument& m_document;
    const SiteGeometry& m_geometry;
    std::vector<CameraFootprint> m_footprints;
    std::vector<AreaFigures> m_areas;
    // By target height, for the areas that have their own: every camera's footprint there.
    std::map<double, std::vector<CameraFootprint>> m_atHeight;
};

} // namespace vistaro
