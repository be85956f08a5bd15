// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dxfbench.h"

#include "dxf/dxfexport.h"
#include "dxf/dxfimport.h"
#include "siteplan/dxfplan.h"
#include "timing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>

namespace vistaro::bench {

namespace {

constexpr int PlanEntities = 200'000;
constexpr int OpenRepetitions = 3;
constexpr double OpenBudgetMs = 2000;
constexpr double ShowBudgetMs = 1000;
constexpr double ZoomedIn = 10;
constexpr double ZoomBudgetMs = 100;
constexpr int DoorReferences = 2000;
constexpr int DoorEntities = 50;
constexpr double DoorsBudgetMs = 1000;
constexpr int Cameras = 100;
constexpr int PointsPerBand = 40;
constexpr int ExportRepetitions = 5;
constexpr double ExportBudgetMs = 1000;

QByteArray pair(int code, const QByteArray& value) {
    return QByteArray::number(code).rightJustified(3) + '\n' + value + '\n';
}

QByteArray number(double value) {
    return QByteArray::number(value, 'f', 3);
}

// An architect's plan in millimetres: three lines to two closed four-corner polylines, on four
// layers, spread over 100 m.
bool writePlan(const QString& path) {
    static const std::array<QByteArray, 4> Layers{"WALLS", "DOORS", "FURNITURE", "GRID"};
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray bytes = pair(0, "SECTION") + pair(2, "HEADER") + pair(9, "$INSUNITS") +
                       pair(70, "4") + pair(0, "ENDSEC") + pair(0, "SECTION") + pair(2, "TABLES") +
                       pair(0, "TABLE") + pair(2, "LAYER") +
                       pair(70, QByteArray::number(int(Layers.size())));
    for (const QByteArray& layer : Layers)
        bytes += pair(0, "LAYER") + pair(2, layer) + pair(70, "0") + pair(62, "7");
    bytes += pair(0, "ENDTAB") + pair(0, "ENDSEC") + pair(0, "SECTION") + pair(2, "ENTITIES");
    for (int i = 0; i < PlanEntities; ++i) {
        const double x = double(i * 7919LL % 100'000) + 0.125;
        const double y = double(i * 104'729LL % 100'000) + 0.375;
        const QByteArray& layer = Layers[std::size_t(i) % Layers.size()];
        if (i % 5 < 3) {
            bytes += pair(0, "LINE") + pair(8, layer) + pair(10, number(x)) + pair(20, number(y)) +
                     pair(11, number(x + 1500.25)) + pair(21, number(y + 250.5));
        } else {
            bytes += pair(0, "LWPOLYLINE") + pair(8, layer) + pair(90, "4") + pair(70, "1");
            for (const auto& [dx, dy] :
                 {std::pair{0.0, 0.0}, {900.5, 0.0}, {900.5, 600.25}, std::pair{0.0, 600.25}})
                bytes += pair(10, number(x + dx)) + pair(20, number(y + dy));
        }
        if (bytes.size() > (1 << 20)) {
            if (file.write(bytes) != bytes.size())
                return false;
            bytes.clear();
        }
    }
    bytes += pair(0, "ENDSEC") + pair(0, "EOF");
    return file.write(bytes) == bytes.size() && file.flush();
}

// A floor of 2000 doors in millimetres: references to one block of 50 entities (a frame of 40
// lines, a leaf's polyline, its swing's arc and 8 circles of hinges and handles), on a grid 2 m
// apart, turned by quarter turns, every other one mirrored.
bool writeDoors(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray bytes = pair(0, "SECTION") + pair(2, "HEADER") + pair(9, "$INSUNITS") +
                       pair(70, "4") + pair(0, "ENDSEC") + pair(0, "SECTION") + pair(2, "BLOCKS") +
                       pair(0, "BLOCK") + pair(8, "0") + pair(2, "DOOR") + pair(70, "0") +
                       pair(10, "0") + pair(20, "0");
    for (int i = 0; i < DoorEntities - 10; ++i)
        bytes += pair(0, "LINE") + pair(8, "0") + pair(10, number(i * 22.5)) + pair(20, "0") +
                 pair(11, number(i * 22.5 + 20)) + pair(21, "50");
    bytes += pair(0, "LWPOLYLINE") + pair(8, "0") + pair(90, "4") + pair(70, "1");
    for (const auto& [x, y] : {std::pair{0, 0}, {900, 0}, {900, 40}, std::pair{0, 40}})
        bytes += pair(10, number(x)) + pair(20, number(y));
    bytes += pair(0, "ARC") + pair(8, "0") + pair(10, "0") + pair(20, "0") + pair(40, "900") +
             pair(50, "0") + pair(51, "90");
    for (int i = 0; i < 8; ++i)
        bytes += pair(0, "CIRCLE") + pair(8, "0") + pair(10, number(100 * i)) + pair(20, "20") +
                 pair(40, "15");
    bytes += pair(0, "ENDBLK") + pair(0, "ENDSEC") + pair(0, "SECTION") + pair(2, "ENTITIES");
    for (int i = 0; i < DoorReferences; ++i)
        bytes += pair(0, "INSERT") + pair(8, "DOORS") + pair(2, "DOOR") +
                 pair(10, number((i % 50) * 2000.0)) + pair(20, number((i / 50) * 2000.0)) +
                 pair(41, i % 2 ? "-1" : "1") + pair(50, number((i % 4) * 90.0));
    bytes += pair(0, "ENDSEC") + pair(0, "EOF");
    return file.write(bytes) == bytes.size() && file.flush();
}

// A site of 100 cameras on a 10 x 10 grid, each with four bands: fans of 40 points that widen
// with the level's reach.
DxfCoverage site() {
    DxfCoverage coverage;
    for (int i = 0; i < Cameras; ++i) {
        const PlanPoint at{(i % 10) * 20.0, (i / 10) * 20.0};
        const double pan = i * 36.0;
        coverage.cameras.push_back({QStringLiteral("Camera %1").arg(i + 1), at, pan});
        coverage.walls.push_back({{{at.x - 5, at.y - 5}, {at.x + 5, at.y - 5}, {at.x + 5, at.y}}});
        // Detection to identification, the four bands a site drew before monitor and inspection,
        // so that the target still compares.
        for (Level level = 1; level <= EnIdentification; ++level) {
            const double reach = 30.0 / static_cast<double>(level);
            std::vector<PlanPoint> fan{at};
            for (int k = 0; k < PointsPerBand - 1; ++k) {
                const double angle =
                    (pan - 30 + 60.0 * k / (PointsPerBand - 2)) * std::numbers::pi / 180;
                fan.push_back({at.x + reach * std::cos(angle), at.y + reach * std::sin(angle)});
            }
            coverage.bands.push_back({level, {fan}});
        }
    }
    return coverage;
}

// Paints `plan` into `view` as the site plan shows it: the whole drawing at a zoom of 1, around
// its centre `zoom` times closer.
void paintPlan(const DxfPlan& plan, QImage& view, double zoom) {
    const QRectF box = plan.rect();
    const double scale = zoom * std::min(view.width() / box.width(), view.height() / box.height());
    view.fill(Qt::white);
    QPainter painter(&view);
    painter.translate(view.width() / 2.0, view.height() / 2.0);
    painter.scale(scale, scale);
    painter.translate(-box.center());
    plan.paint(painter, {});
}

// What the site plan does once a plan is read: the lines of its layers built and the whole
// drawing painted into a full-HD view; then a zoom step into it, painted again.
std::vector<ResultRow> drawRows(const DxfDrawing& drawing) {
    std::vector<double> shown;
    std::vector<double> zoomed;
    QImage view(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (int i = 0; i < OpenRepetitions; ++i) {
        DxfDrawing copy = drawing;
        std::optional<DxfPlan> plan;
        shown.push_back(elapsedMs([&] {
            plan.emplace(std::move(copy));
            paintPlan(*plan, view, 1);
        }));
        zoomed.push_back(elapsedMs([&] { paintPlan(*plan, view, ZoomedIn); }));
    }
    const std::string detail = " (" + std::to_string(PlanEntities) + " entities, 1920 x 1080)";
    return {budgetRow("Show a DXF plan in the site plan", median(shown), detail, ShowBudgetMs),
            budgetRow("Zoom 10 x into a DXF plan", median(zoomed), detail, ZoomBudgetMs)};
}

} // namespace

std::vector<ResultRow> dxfRows(const QString& folder) {
    std::vector<ResultRow> rows;
    const std::string openMeasure = "Open a DXF plan";
    const QString planPath = QDir(folder).filePath(QStringLiteral("plan.dxf"));
    if (!writePlan(planPath)) {
        rows.push_back(failedRow(openMeasure, "cannot write the plan", 1));
    } else {
        std::vector<double> samples;
        DxfReadResult read;
        for (int i = 0; i < OpenRepetitions; ++i)
            samples.push_back(elapsedMs([&] { read = readDxfFile(planPath); }));
        const std::size_t entities = read.drawing.lines.size() + read.drawing.polylines.size();
        if (read.outcome != DxfReadResult::Outcome::Read || entities != PlanEntities)
            rows.push_back(failedRow(openMeasure, read.error.toStdString(), 1));
        else {
            rows.push_back(
                budgetRow(openMeasure, median(samples),
                          " (" + std::to_string(entities) + " entities, " +
                              formatted(double(QFileInfo(planPath).size()) / 1e6, 1, "MB") + ")",
                          OpenBudgetMs));
            const std::vector<ResultRow> drawn = drawRows(read.drawing);
            rows.insert(rows.end(), drawn.begin(), drawn.end());
        }
    }

    const std::string doorsMeasure = "Open a DXF plan of door references and build its drawing";
    const QString doorsPath = QDir(folder).filePath(QStringLiteral("doors.dxf"));
    if (!writeDoors(doorsPath)) {
        rows.push_back(failedRow(doorsMeasure, "cannot write the plan", 1));
    } else {
        std::vector<double> samples;
        DxfReadResult read;
        for (int i = 0; i < OpenRepetitions; ++i)
            samples.push_back(elapsedMs([&] {
                read = readDxfFile(doorsPath);
                const DxfPlan plan(read.drawing);
            }));
        if (read.outcome != DxfReadResult::Outcome::Read)
            rows.push_back(failedRow(doorsMeasure, read.error.toStdString(), 1));
        else
            rows.push_back(budgetRow(doorsMeasure, median(samples),
                                     " (" + std::to_string(DoorReferences) + " references of " +
                                         std::to_string(DoorEntities) + " entities)",
                                     DoorsBudgetMs));
    }

    const std::string exportMeasure = "Export the coverage as DXF";
    const DxfCoverage coverage = site();
    const QString drawingPath = QDir(folder).filePath(QStringLiteral("coverage.dxf"));
    std::vector<double> samples;
    std::optional<QString> error;
    for (int i = 0; i <= ExportRepetitions && !error; ++i) {
        const double ms = elapsedMs([&] { error = saveDxf(drawingPath, coverage); });
        if (i > 0) // the first run fills the caches
            samples.push_back(ms);
    }
    if (error)
        rows.push_back(failedRow(exportMeasure, error->toStdString(), 1));
    else
        rows.push_back(budgetRow(exportMeasure, median(samples),
                                 " (" + std::to_string(Cameras) + " cameras, 4 bands each)",
                                 ExportBudgetMs));
    return rows;
}

} // namespace vistaro::bench
