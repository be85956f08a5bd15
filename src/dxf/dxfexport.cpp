// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dxf/dxfexport.h"

#include "dxf/dxftext.h"
#include "platform/savefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <dl_dxf.h>
#include <map>
#include <memory>
#include <numbers>

namespace vistaro {

namespace {

constexpr double TextHeight = 0.3;
// AutoCAD colour indices: white (black on white), magenta, grey, red; the levels yellow, cyan,
// green, blue, orange and dark red, as the coverage window colours them from yellow to dark
// purple.
constexpr int WallsColour = 7, AreasColour = 6, ObstaclesColour = 8, CamerasColour = 1;
constexpr std::array<int, 6> LevelColours{2, 4, 3, 5, 30, 12};

// The storey's name as its layers take it: none for a site of one.
QString storeyOf(const DxfCoverage& coverage, int storey) {
    return coverage.storeys.size() > 1
               ? coverage.storeys.value(storey < coverage.storeys.size() ? storey : 0)
               : QString();
}

std::string layerName(const DxfCoverage& coverage, const char* layer, int storey) {
    return dxfStoreyLayer(QString::fromLatin1(layer), storeyOf(coverage, storey)).toStdString();
}

std::string levelLayer(const DxfCoverage& coverage, Level level, int storey) {
    return dxfLevelLayer(coverage.levelSet, level, storeyOf(coverage, storey)).toStdString();
}

DL_Attributes onLayer(const std::string& layer) {
    return DL_Attributes(layer, 256, -1, "BYLAYER", 1); // colour and line weight of the layer
}

bool fits(PlanPoint point) {
    return std::isfinite(point.x) && std::isfinite(point.y) &&
           std::abs(point.x) <= MaxExportMetres && std::abs(point.y) <= MaxExportMetres;
}

bool fits(const std::vector<PlanPoint>& points) {
    return std::all_of(points.begin(), points.end(), [](PlanPoint p) { return fits(p); });
}

bool fits(const DxfCoverage& coverage) {
    const auto allFit = [](const auto& items, const auto& points) {
        return std::all_of(items.begin(), items.end(),
                           [&](const auto& item) { return fits(points(item)); });
    };
    return allFit(coverage.walls, [](const SiteWall& w) { return w.points; }) &&
           allFit(coverage.areas, [](const DxfAreaRing& a) { return a.ring; }) &&
           allFit(coverage.obstacles, [](const DxfAreaRing& o) { return o.ring; }) &&
           std::all_of(coverage.cameras.begin(), coverage.cameras.end(),
                       [](const DxfCameraMark& c) {
                           return fits(c.position) && std::isfinite(c.panDeg);
                       }) &&
           std::all_of(coverage.bands.begin(), coverage.bands.end(), [&](const DxfLevelBands& b) {
               return allFit(b.polygons, [](const std::vector<PlanPoint>& p) { return p; });
           });
}

// Writes through one dxflib writer, entity by entity.
class Drawing {
public:
    Drawing(DL_Dxf& dxf, DL_WriterA& writer) : m_dxf(dxf), m_writer(writer) {}

    void polyline(const std::string& layer, std::vector<PlanPoint> points, bool closed) {
        if (closed && points.size() > 1 && points.front() == points.back())
            points.pop_back();
        if (points.size() < (closed ? 3U : 2U))
            return;
        m_dxf.writePolyline(m_writer,
                            DL_PolylineData(static_cast<int>(points.size()), 0, 0, closed ? 1 : 0),
                            onLayer(layer));
        for (const PlanPoint point : points)
            m_dxf.writeVertex(m_writer, DL_VertexData(point.x, point.y, 0, 0));
        m_dxf.writePolylineEnd(m_writer);
    }

    // The outline closed, its name at its first point.
    void named(const std::string& layer, const DxfAreaRing& named) {
        polyline(layer, named.ring, true);
        if (!named.ring.empty())
            text(layer, named.ring.front(), named.name);
    }

    void text(const std::string& layer, PlanPoint at, const QString& text) {
        if (text.isEmpty())
            return;
        m_dxf.writeText(m_writer,
                        DL_TextData(at.x, at.y, 0, at.x, at.y, 0, TextHeight, 1, 0, 0, 0,
                                    toDxfString(text), "Standard", 0),
                        onLayer(layer));
    }

    void camera(const DxfCameraMark& camera, const std::string& layer) {
        const double pan = camera.panDeg * std::numbers::pi / 180;
        const PlanPoint ahead{camera.position.x + DxfPanLength * std::cos(pan),
                              camera.position.y + DxfPanLength * std::sin(pan)};
        m_dxf.writeCircle(m_writer,
                          DL_CircleData(camera.position.x, camera.position.y, 0, DxfCameraRadius),
                          onLayer(layer));
        m_dxf.writeLine(m_writer,
                        DL_LineData(camera.position.x, camera.position.y, 0, ahead.x, ahead.y, 0),
                        onLayer(layer));
        text(layer, {camera.position.x + DxfCameraRadius, camera.position.y + DxfCameraRadius},
             camera.name);
    }

private:
    DL_Dxf& m_dxf;
    DL_WriterA& m_writer;
};

void writeTables(DL_Dxf& dxf, DL_WriterA& writer, const DxfCoverage& coverage) {
    writer.sectionTables();
    dxf.writeVPort(writer);
    writer.tableLinetypes(3);
    for (const char* linetype : {"BYBLOCK", "BYLAYER", "CONTINUOUS"})
        dxf.writeLinetype(writer, DL_LinetypeData(linetype, "", 0, 0, 0));
    writer.tableEnd();

    std::vector<std::pair<std::string, int>> layers{{"0", WallsColour}};
    for (int storey = 0; storey < std::max<int>(1, int(coverage.storeys.size())); ++storey) {
        layers.insert(layers.end(),
                      {{layerName(coverage, DxfWallsLayer, storey), WallsColour},
                       {layerName(coverage, DxfAreasLayer, storey), AreasColour},
                       {layerName(coverage, DxfObstaclesLayer, storey), ObstaclesColour},
                       {layerName(coverage, DxfCamerasLayer, storey), CamerasColour}});
        for (Level level = 0; level < coverage.levelSet.size(); ++level)
            layers.emplace_back(levelLayer(coverage, level, storey),
                                LevelColours.at(level % LevelColours.size()));
    }
    writer.tableLayers(static_cast<int>(layers.size()));
    for (const auto& [name, colour] : layers)
        dxf.writeLayer(writer, DL_LayerData(name, 0),
                       DL_Attributes("", colour, -1, -3, "CONTINUOUS")); // -3: default weight
    writer.tableEnd();

    writer.tableStyle(1);
    DL_StyleData style("Standard", 0, 0, 1, 0, 0, TextHeight, "txt", "");
    style.bold = false;
    style.italic = false;
    dxf.writeStyle(writer, style);
    writer.tableEnd();
    dxf.writeView(writer);
    dxf.writeUcs(writer);
    writer.tableAppid(1);
    dxf.writeAppid(writer, "ACAD");
    writer.tableEnd();
    dxf.writeDimStyle(writer, 2.5, 0.625, 0.625, 0.625, 2.5);
    dxf.writeBlockRecord(writer);
    writer.tableEnd();
    writer.sectionEnd();

    writer.sectionBlocks();
    for (const char* block : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(writer, DL_BlockData(block, 0, 0, 0, 0));
        dxf.writeEndBlock(writer, block);
    }
    writer.sectionEnd();
}

// The whole drawing into a file that dxflib opens by name; false when it cannot.
bool writeDrawing(const QString& path, const DxfCoverage& coverage) {
    DL_Dxf dxf;
    const std::unique_ptr<DL_WriterA> writer(
        dxf.out(QFile::encodeName(path).constData(), DL_Codes::AC1015));
    if (!writer)
        return false;
    dxf.writeHeader(*writer);
    writer->dxfString(9, "$INSUNITS");
    writer->dxfInt(70, 6); // metres
    writer->dxfString(9, "$MEASUREMENT");
    writer->dxfInt(70, 1); // metric
    writer->sectionEnd();
    writeTables(dxf, *writer, coverage);

    writer->sectionEntities();
    Drawing drawing(dxf, *writer);
    for (const SiteWall& wall : coverage.walls)
        drawing.polyline(layerName(coverage, DxfWallsLayer, wall.storey), wall.points, false);
    for (const DxfAreaRing& area : coverage.areas)
        drawing.named(layerName(coverage, DxfAreasLayer, area.storey), area);
    for (const DxfAreaRing& obstacle : coverage.obstacles)
        drawing.named(layerName(coverage, DxfObstaclesLayer, obstacle.storey), obstacle);
    for (const DxfLevelBands& bands : coverage.bands)
        for (const std::vector<PlanPoint>& polygon : bands.polygons)
            drawing.polyline(levelLayer(coverage, bands.level, bands.storey), polygon, true);
    for (const DxfCameraMark& camera : coverage.cameras)
        drawing.camera(camera, layerName(coverage, DxfCamerasLayer, camera.storey));
    writer->sectionEnd();
    dxf.writeObjects(*writer);
    dxf.writeObjectsEnd(*writer);
    writer->dxfEOF();
    writer->close();
    return true;
}

// dxflib writes the objects (the dictionaries, the layouts) without their owners, which a
// reader then has to mend: each object is given, after its handle, the handle of the dictionary
// that lists it (350), the root dictionary none (0).
QByteArray withObjectOwners(const QByteArray& bytes) {
    const qsizetype objects = bytes.indexOf("\nOBJECTS\n");
    if (objects < 0)
        return bytes;
    const QList<QByteArray> lines = bytes.mid(objects + 1).split('\n');
    std::map<QByteArray, QByteArray> owners;
    QByteArray current;
    for (qsizetype i = 1; i + 1 < lines.size(); i += 2) {
        const QByteArray code = lines[i].trimmed();
        if (code == "5")
            current = lines[i + 1].trimmed();
        else if (code == "350")
            owners.emplace(lines[i + 1].trimmed(), current);
    }
    QByteArray out = bytes.left(objects + 1) + lines.front() + '\n';
    for (qsizetype i = 1; i < lines.size(); i += 2) {
        out += lines[i];
        if (i + 1 < lines.size())
            out += '\n' + lines[i + 1] + '\n';
        if (lines[i].trimmed() == "5" && i + 1 < lines.size()) {
            const auto owner = owners.find(lines[i + 1].trimmed());
            out += "330\n" + (owner != owners.end() ? owner->second : QByteArray("0")) + '\n';
        }
    }
    return out;
}

} // namespace

QString dxfStoreyLayer(const QString& layer, const QString& storey) {
    QString name = storey.isEmpty() ? layer : layer + u'-' + storey.toUpper();
    for (QChar& c : name)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != u'-' && c != u'_')
            c = u'_';
    return name;
}

QString dxfLevelLayer(const LevelSet& set, Level level, const QString& storey) {
    return dxfStoreyLayer(
        QStringLiteral("VISTARO-") + set.levels.at(set.clamp(level)).key.toUpper(), storey);
}

std::optional<QString> saveDxf(const QString& path, const DxfCoverage& coverage) {
    if (!fits(coverage))
        return SaveFailure{
            path, QCoreApplication::translate("Dxf", "a point of the plan is not a number or lies "
                                                     "farther than 10 000 km")}
            .message();
    // dxflib writes to a path, without telling of a failed write: it drafts into a folder of its
    // own, and the draft, once seen whole, is saved as any file is.
    const QTemporaryDir folder;
    const QString draftPath = folder.filePath(QStringLiteral("drawing.dxf"));
    QFile draft(draftPath);
    bool drafted = false;
    try {
        drafted = folder.isValid() && writeDrawing(draftPath, coverage);
    } catch (...) {
        drafted = false;
    }
    QByteArray bytes;
    if (drafted && draft.open(QIODevice::ReadOnly))
        bytes = draft.readAll();
    if (!bytes.endsWith("\nEOF\n"))
        return SaveFailure{
            path, QCoreApplication::translate("Dxf", "the drawing could not be put together in a "
                                                     "temporary folder")}
            .message();
    return failureMessage(saveWhole(path, withObjectOwners(bytes)));
}

} // namespace vistaro
