// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dxf/dxfexport.h"
#include "report/reportdocument.h"
#include "site/sitedeliverables.h"

#include <QDate>
#include <QRectF>
#include <functional>
#include <optional>

class QPainter;

namespace vistaro {

// What SiteDeliverables works out, drawn: the plan and the report's pages, the coverage as DXF
// or as SVG at true scale in metres.

// The plan fitted into `area`: bands, dead zones, areas and their covered parts, walls and
// cameras, with a legend, a scale bar and a north arrow to the scale it is drawn at.
void paintSitePlan(QPainter& painter, const QRectF& area, const SiteDeliverables& deliverables);

// An arrow pointing up, north, with its letter below it, its tip at `tip`; every plan has one.
void paintNorth(QPainter& painter, QPointF tip);
// The mark of a legend's entry in `box`, as every legend shows it.
void paintLegendSwatch(QPainter& painter, const LegendEntry& entry, const QRectF& box);

// The report: the plan, then the coverage report's page of each camera, then the schedule.
QList<ReportDocument> siteReport(const SiteDeliverables& deliverables, const QDate& date);

// The drawing for the architect: walls, areas, camera marks and a layer a level.
DxfCoverage dxfCoverageOf(const SiteDeliverables& deliverables);

// The same as SVG in metres (its viewBox too, north up) at 1:1, a group a level's bands.
// Whole or nothing; on failure a message naming the file.
std::optional<QString> saveSiteSvg(const QString& path, const SiteDeliverables& deliverables);

} // namespace vistaro
