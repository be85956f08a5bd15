// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dxf/dxfexport.h"
#include "report/reportdocument.h"
#include "site/sitedeliverables.h"
#include "siteplan/backgroundpicture.h"

#include <QDate>
#include <QRectF>
#include <functional>
#include <optional>
#include <vector>

class QPainter;

namespace vistaro {

class BackgroundPicture;

// What SiteDeliverables works out, drawn: the plan and the report's pages, the coverage as DXF
// or as SVG at true scale in metres.

// How a plan is laid on its drawing: what part of it, over which floor plan, at what scale.
struct PlanSheet {
    BackgroundPicture background; // the site's floor plan as shown; none when null
    std::optional<QRectF> window; // the part of the plan in metres; its extent when none
    bool toStandardScale = false; // at the largest standard scale that fits, else fitted
    int storey = 0;               // whose items it shows, over whose floor plan
};

// The plan in `area`, cropped to the sheet's window: the floor plan, bands, dead zones, areas
// and their covered parts, walls and cameras, with a legend, a scale bar and a north arrow to
// the scale it is drawn at, and that scale stated when it is a standard one.
void paintSitePlan(QPainter& painter, const QRectF& area, const SiteDeliverables& deliverables,
                   const PlanSheet& sheet = {});

// The report: a cover, the plan of each storey at a standard scale (titled with the storey's
// name on a site of several), a summary of what passed, a page a camera with the plan round it
// and its view (naming its storey on a site of several), then the schedule of the cameras and
// the areas. The views are drawn as their pages are painted.
// `backgrounds`: by storey, its floor plan as shown (a null picture for none).
QList<ReportDocument> siteReport(const SiteDeliverables& deliverables, const QDate& date,
                                 const std::vector<BackgroundPicture>& backgrounds = {});

// An arrow pointing up, north, with its letter below it, its tip at `tip`; every plan has one.
void paintNorth(QPainter& painter, QPointF tip);
// The mark of a legend's entry in `box`, as every legend shows it.
void paintLegendSwatch(QPainter& painter, const LegendEntry& entry, const QRectF& box);

// The drawing for the architect: walls, areas, obstacles, camera marks and a layer a level, each
// storey's on layers of its own on a site of several.
DxfCoverage dxfCoverageOf(const SiteDeliverables& deliverables);

// The same as SVG at 1:100 (its width and height in millimetres, its viewBox in metres, north
// up), a group a level's bands, over the storey's picture of `backgrounds` (by storey, as the
// plan shows it, embedded; a DXF drawing as lines) when given; on a site of several storeys a
// group a storey ("storey-1" on), titled with its name. Whole or nothing; on failure a message
// naming the file.
std::optional<QString> saveSiteSvg(const QString& path, const SiteDeliverables& deliverables,
                                   const std::vector<BackgroundPicture>& backgrounds = {});

} // namespace vistaro
