// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dxf/dxfexport.h"
#include "dxf/dxfimport.h"
#include "dxf/dxftext.h"
#include "site/plangeometry.h"
#include "support/folderlisting.h"
#include "support/hostilefiles.h"
#include "support/siteexample.h"

#include <QBuffer>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <cmath>
#include <map>
#include <optional>

using namespace vistaro;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(vistaro::DxfLimits)
// Group codes and values.
using Groups = QList<std::pair<int, QByteArray>>;
Q_DECLARE_METATYPE(Groups)

namespace {

const QString PlanFile = QStringLiteral(VISTARO_DXF_DATA_DIR "/plan.dxf");
const QString TextsFile = QStringLiteral(VISTARO_DXF_DATA_DIR "/texts2018.dxf");

// A drawing made of group codes and values, one a line.
QByteArray groups(const Groups& pairs) {
    QByteArray bytes;
    for (const auto& [code, value] : pairs)
        bytes += QByteArray::number(code) + '\n' + value + '\n';
    return bytes;
}

// A whole drawing with these entities, `times` over, and nothing else.
QByteArray withEntities(const Groups& entities, int times = 1) {
    return groups({{0, "SECTION"}, {2, "ENTITIES"}}) + groups(entities).repeated(times) +
           groups({{0, "ENDSEC"}, {0, "EOF"}});
}

// `count` lines on layer WALLS, each 1 long.
QByteArray manyLines(int count) {
    return withEntities({{0, "LINE"}, {8, "WALLS"}, {10, "0"}, {20, "0"}, {11, "1"}, {21, "0"}},
                        count);
}

// A polyline whose value `value` of group `code` begins `into` bytes before the end of the first
// 64 KiB that the reader takes at a time, after comments that fill them.
QByteArray acrossAChunk(int code, const QByteArray& value, int into) {
    QByteArray bytes = groups({{0, "SECTION"}, {2, "ENTITIES"}, {0, "LWPOLYLINE"}, {90, "2"}});
    const QByteArray codeLine = QByteArray::number(code) + '\n';
    qsizetype room = 64 * 1024 - into - codeLine.size() - bytes.size();
    for (; room >= 1010; room -= 1005)
        bytes += groups({{999, QByteArray(1000, 'c')}});
    bytes += groups({{999, QByteArray(room - 5, 'c')}}) + codeLine + value + '\n';
    return bytes + groups({{10, "1"}, {20, "1"}, {10, "2"}, {20, "1"}, {0, "ENDSEC"}, {0, "EOF"}});
}

DxfReadResult readBytes(QByteArray bytes, const DxfProgress& progress = {},
                        const DxfLimits& limits = {}) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return readDxf(buffer, progress, limits);
}

int layerIndex(const DxfDrawing& drawing, const QString& name) {
    for (std::size_t i = 0; i < drawing.layers.size(); ++i)
        if (drawing.layers[i].name == name)
            return static_cast<int>(i);
    return -1;
}

// Each layer as "name colour[ off] entities", "|" between them.
QString layers(const DxfDrawing& drawing) {
    QStringList described;
    const std::vector<int> counts = entitiesPerLayer(drawing);
    for (std::size_t i = 0; i < drawing.layers.size(); ++i) {
        const DxfLayer& layer = drawing.layers[i];
        described << QStringLiteral("%1 %2%3 %4")
                         .arg(layer.name)
                         .arg(layer.colour)
                         .arg(layer.on ? QString() : QStringLiteral(" off"))
                         .arg(counts[i]);
    }
    return described.join(u'|');
}

// Numbers to millionths (no -0), " " between them.
QString figures(std::initializer_list<double> values) {
    QStringList texts;
    for (const double value : values)
        texts << QString::number(std::round(value * 1e6) / 1e6 + 0.0, 'g', 12);
    return texts.join(u' ');
}

QString bounds(const DxfBounds& box) {
    return figures({box.minX, box.minY, box.maxX, box.maxY});
}

QString pointFigures(QPointF point) {
    return figures({point.x(), point.y()});
}

// Each entity as "kind layer colour figures", a polyline by its count of vertices and its
// first, middle and last ones (x y bulge), a fill by its rings; texts left out.
QStringList entities(const DxfDrawing& drawing) {
    QStringList described;
    const auto add = [&](const char* kind, const auto& entity, const QString& rest) {
        described << QStringLiteral("%1 %2 %3 %4")
                         .arg(QLatin1String(kind),
                              drawing.layers[static_cast<std::size_t>(entity.layer)].name)
                         .arg(entity.colour)
                         .arg(rest);
    };
    for (const DxfLine& line : drawing.lines)
        add("line", line, pointFigures(line.from) + u' ' + pointFigures(line.to));
    for (const DxfPolyline& polyline : drawing.polylines) {
        const std::size_t count = polyline.vertices.size();
        QStringList vertices{QString::number(count)};
        for (const std::size_t i : {std::size_t(0), count / 2, count - 1})
            vertices << figures({polyline.vertices[i].point.x(), polyline.vertices[i].point.y(),
                                 polyline.vertices[i].bulge});
        add("polyline", polyline, vertices.join(u' '));
    }
    for (const DxfArc& arc : drawing.arcs)
        add("arc", arc,
            figures({arc.centre.x(), arc.centre.y(), arc.radius, arc.startDeg, arc.sweepDeg}));
    for (const DxfCircle& circle : drawing.circles)
        add("circle", circle, figures({circle.centre.x(), circle.centre.y(), circle.radius}));
    for (const DxfEllipse& e : drawing.ellipses)
        add("ellipse", e,
            figures({e.centre.x(), e.centre.y(), e.u.x(), e.u.y(), e.v.x(), e.v.y(), e.startDeg,
                     e.sweepDeg}));
    for (const DxfFill& fill : drawing.fills) {
        QStringList rings;
        for (const std::vector<QPointF>& ring : fill.rings) {
            QStringList points;
            for (const QPointF point : ring)
                points << pointFigures(point);
            rings << points.join(u' ');
        }
        add("fill", fill, rings.join(u" | "));
    }
    for (const DxfPoint& point : drawing.points)
        add("point", point, pointFigures(point.position));
    for (const DxfNotDrawn& kind : drawing.notDrawn)
        described << QStringLiteral("not drawn %1 %2").arg(kind.kind).arg(kind.count);
    return described;
}

// A drawing of these block definitions and model space entities.
QByteArray withBlocks(const Groups& blocks, const Groups& entities) {
    return groups(Groups{{0, "SECTION"}, {2, "BLOCKS"}} + blocks + Groups{{0, "ENDSEC"}}) +
           withEntities(entities);
}

// What python3-ezdxf prints running `script` on `arguments`: Debian's python3, where
// python3-ezdxf installs, before another one on the PATH; none when neither has it.
std::optional<QString> runEzdxf(const QString& script, const QStringList& arguments) {
    QProcess python;
    for (const QString& program : {QStandardPaths::findExecutable(u"python3"_s, {u"/usr/bin"_s}),
                                   QStandardPaths::findExecutable(u"python3"_s)}) {
        if (program.isEmpty())
            continue;
        python.start(program, QStringList{u"-c"_s, u"import sys\ntry: import ezdxf\n"
                                                   "except ImportError: sys.exit(3)\n"_s +
                                                       script} +
                                  arguments);
        if (python.waitForFinished(60'000) && python.exitCode() != 3)
            return QString::fromUtf8(python.readAllStandardOutput()).trimmed();
    }
    return std::nullopt;
}

// A text as "x y [height] angle wrap-width alignment: text"; height 0 is left out.
QString described(const DxfText& text) {
    static const std::array<const char*, 7> Aligns{"left",   "centre", "right", "baseline",
                                                   "bottom", "middle", "top"};
    const QString height = text.height == 0 ? QString() : figures({text.height}) + u' ';
    return figures({text.position.x(), text.position.y()}) + u' ' + height +
           figures({text.angleDeg, text.wrapWidth}) + u' ' +
           QLatin1String(Aligns.at(std::size_t(text.hAlign))) + u' ' +
           QLatin1String(Aligns.at(3 + std::size_t(text.vAlign))) + u": "_s + text.text;
}

} // namespace

class TestDxf : public QObject {
    Q_OBJECT

private slots:
    // plan.dxf in millimetres: layers 0, WALLS, TEXT and FURNITURE (off); a block CHAIR of a line
    // (0, 0) to (400, 400), one reference to it at (2000, 6000); a line in paper space, far away; a
    // line with a coordinate of 1e300; a circle drawn upside down at (-3000, 5000) of its own; a
    // text and an MTEXT. Its walls, in metres moved by (100, 200): two lines, the polyline with its
    // bay (a semicircle of 2 m round (108, 208), 36 steps of 5 degrees), the stair's arc round
    // (100, 204).
    void readsThePlan() {
        const DxfReadResult read = readDxfFile(PlanFile);
        QCOMPARE(read.error, QString());
        QCOMPARE(read.outcome, DxfReadResult::Outcome::Read);
        const DxfDrawing& plan = read.drawing;
        QCOMPARE(plan.insUnits, 4);
        QCOMPARE(metresPerInsUnit(plan.insUnits), 0.001);
        // "walls" in lower case is the layer WALLS.
        QCOMPARE(layers(plan), QStringLiteral("0 7 0|WALLS 1 4|TEXT 3 2|FURNITURE 5 off 4"));
        QCOMPARE((std::array{plan.lines.size(), plan.polylines.size(), plan.arcs.size(),
                             plan.circles.size()}),
                 (std::array<std::size_t, 4>{4, 1, 1, 2}));
        QCOMPARE(
            plan.lines[3],
            (DxfLine{layerIndex(plan, QStringLiteral("FURNITURE")), {2000, 6000}, {2400, 6400}}));
        // The bay's semicircle reaches y 10000, the stair's arc x -1000.
        QCOMPARE(bounds(plan.bounds), QStringLiteral("-1000 0 10000 10000"));
        QCOMPARE(plan.circles[1],
                 (DxfCircle{layerIndex(plan, QStringLiteral("FURNITURE")), {3000, 5000}, 250}));
        QCOMPARE(plan.texts.size(), std::size_t(2));
        const int layer = layerIndex(plan, QStringLiteral("TEXT"));
        QCOMPARE(plan.texts[0],
                 (DxfText{layer, {2000, 2000}, 250, 0, QStringLiteral("Office \u2300 50")}));
        DxfText mtext = plan.texts[1];
        QVERIFY(std::abs(mtext.angleDeg - 90) < 1e-9);
        mtext.angleDeg = 90;
        QCOMPARE(mtext, (DxfText{layer,
                                 {7000, 2000},
                                 200,
                                 90,
                                 QStringLiteral("Store\nRoom"),
                                 DxfHAlign::Left,
                                 DxfVAlign::Top}));

        const std::vector<SiteWall> walls =
            wallsFromLayers(plan, {QStringLiteral("walls")}, 0.001, {100, 200});
        QCOMPARE(walls.size(), std::size_t(4));
        QCOMPARE(walls[0].points, (std::vector<PlanPoint>{{100, 200}, {110, 200}}));
        QCOMPARE(walls[1].points, (std::vector<PlanPoint>{{110, 200}, {110, 208}}));
        const std::vector<PlanPoint>& bay = walls[2].points;
        QCOMPARE(bay.size(), std::size_t(39));
        QCOMPARE(figures({bay[0].x, bay[0].y, bay[18].x, bay[18].y, bay[36].x, bay[36].y}),
                 QStringLiteral("110 208 108 210 106 208"));
        QCOMPARE(bay[38], (PlanPoint{100, 200}));
        for (std::size_t i = 1; i < 36; ++i)
            QVERIFY(std::abs(std::hypot(bay[i].x - 108, bay[i].y - 208) - 2) < 1e-9);
        const std::vector<PlanPoint>& stair = walls[3].points;
        QCOMPARE(stair.size(), std::size_t(37));
        QCOMPARE(
            figures({stair[0].x, stair[0].y, stair[18].x, stair[18].y, stair[36].x, stair[36].y}),
            QStringLiteral("100 205 99 204 100 203"));
        QVERIFY(wallsFromLayers(plan, {QStringLiteral("TEXT")}, 0.001, {}).empty());
    }

    // texts2018.dxf as AutoCAD 2018 writes it: each MTEXT followed by an embedded object that
    // repeats its direction (as 10), its insertion point (as 11) and its width (as 40), the
    // second one by extended data; TEXTs whose first points are stale but for the aligned ones.
    void readsAutoCad2018Texts() {
        const DxfReadResult read = readDxfFile(TextsFile);
        QCOMPARE(read.error, QString());
        QStringList texts;
        for (const DxfText& text : read.drawing.texts)
            texts << described(text);
        // Direction (0.6, 0.8): atan(4 / 3); from (0, 15) to (3, 19) likewise.
        QCOMPARE(texts,
                 (QStringList{u"10 20 0.5 53.130102 4 centre middle: Plant room\nPumps 1/2"_s,
                              u"30 40 0.25 0 0 right bottom: Exit"_s,
                              u"5 5 0.5 0 0 centre baseline: Centre"_s,
                              u"20 5 0.5 0 0 right top: Right top"_s,
                              u"5 10 0.5 0 0 centre middle: Middle"_s,
                              u"0 15 0.5 53.130102 0 left baseline: Aligned"_s,
                              u"10 15 0.4 0 0 left baseline: Fit"_s}));
    }

    // The groups of one TEXT or MTEXT after its position (1, 2) and height 0, and the text read.
    void textGroups_data() {
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<Groups>("codes");
        QTest::addColumn<QString>("text");
        const Groups second{{11, "5"}, {21, "6"}}, mirror{{210, "0"}, {220, "0"}, {230, "-1"}};
        QTest::newRow("left, bottom")
            << "TEXT"_ba << Groups{{73, "1"}} + second << "5 6 0 0 left bottom";
        QTest::newRow("no second point")
            << "TEXT"_ba << Groups{{72, "1"}} << "1 2 0 0 left baseline";
        QTest::newRow("codes beyond the table")
            << "TEXT"_ba << Groups{{72, "7"}, {73, "-1"}} + second << "1 2 0 0 left baseline";
        QTest::newRow("aligned on one point")
            << "TEXT"_ba << Groups{{72, "3"}, {50, "30"}, {11, "1"}, {21, "2"}}
            << "1 2 30 0 left baseline";
        QTest::newRow("mirrored, centred")
            << "TEXT"_ba << Groups{{72, "1"}, {50, "30"}} + second + mirror
            << "-5 6 150 0 centre baseline";
        // From (-1, 2) to (-4, 6).
        QTest::newRow("mirrored, aligned")
            << "TEXT"_ba << Groups{{72, "3"}, {11, "4"}, {21, "6"}} + mirror
            << "-1 2 126.869898 0 left baseline";
        QTest::newRow("bottom left") << "MTEXT"_ba << Groups{{71, "7"}} << "1 2 0 0 left bottom";
        QTest::newRow("attachment beyond")
            << "MTEXT"_ba << Groups{{71, "10"}} << "1 2 0 0 left top";
        QTest::newRow("negative width") << "MTEXT"_ba << Groups{{41, "-3"}} << "1 2 0 0 left top";
        QTest::newRow("direction over angle")
            << "MTEXT"_ba << Groups{{50, "30"}, {11, "1"}, {21, "1"}} << "1 2 45 0 left top";
        QTest::newRow("no direction")
            << "MTEXT"_ba << Groups{{50, "30"}, {11, "0"}, {21, "0"}} << "1 2 30 0 left top";
    }

    void textGroups() {
        QFETCH(QByteArray, kind);
        QFETCH(Groups, codes);
        QFETCH(QString, text);
        const DxfReadResult read =
            readBytes(withEntities(Groups{{0, kind}, {10, "1"}, {20, "2"}, {40, "0"}} + codes));
        QCOMPARE(read.drawing.texts.size(), std::size_t(1));
        QCOMPARE(described(read.drawing.texts[0]), text + u": "_s);
    }

    // The edge from (0, 0) to (2, 0): "its points, the middle one, its bounds". A positive bulge
    // turns counter-clockwise: the arc swells to the right of the chord.
    void bulges_data() {
        QTest::addColumn<double>("bulge");
        QTest::addColumn<QString>("shape");
        QTest::newRow("half circle, counter-clockwise") << 1.0 << "37 1 -1 0 -1 2 0";
        QTest::newRow("half circle, clockwise") << -1.0 << "37 1 1 0 0 2 1";
        // tan(22.5 degrees): a quarter circle round (1, 1).
        QTest::newRow("quarter") << std::tan(std::numbers::pi / 8)
                                 << "19 1 -0.414214 0 -0.414214 2 0";
    }

    void bulges() {
        QFETCH(double, bulge);
        QFETCH(QString, shape);
        DxfDrawing drawing;
        drawing.layers.push_back({QStringLiteral("0")});
        drawing.polylines.push_back({0, {{{0, 0}, bulge}, {{2, 0}, 0}}, false});
        const std::vector<QPointF> along = polylinePoints(drawing.polylines[0]);
        const QPointF middle = along[along.size() / 2];
        QCOMPARE(figures({double(along.size()), middle.x(), middle.y()}) + u' ' +
                     bounds(boundsOf(drawing)),
                 shape);
        QCOMPARE(along.back(), QPointF(2, 0));
    }

    // A closed polyline bends its closing edge too, and ends where it began.
    void closedPolylineBendsItsLastEdge() {
        const DxfPolyline square{0, {{{0, 0}, 0}, {{2, 0}, 0}, {{2, 2}, 0}, {{0, 2}, 1}}, true};
        const std::vector<QPointF> points = polylinePoints(square);
        QCOMPARE(points.size(), std::size_t(4 + 35 + 1));
        QCOMPARE(points.back(), QPointF(0, 0));
        QCOMPARE(figures({points[4 + 17].x(), points[4 + 17].y()}), QStringLiteral("-1 1"));
    }

    // Metres in a unit of the drawing, 0 for none: unitless, foot, metre, US survey mile, beyond
    // the table, negative.
    void units() {
        QList<double> metres;
        for (const int code : {0, 2, 6, 24, 25, -4})
            metres << metresPerInsUnit(code).value_or(0);
        QCOMPARE(metres, (QList<double>{0, 0.3048, 1, 6336000.0 / 3937, 0, 0}));
    }

    void strings_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("mtext");
        QTest::addColumn<QString>("text");
        QTest::newRow("UTF-8") << QByteArray("B\xc3\xbcro") << false << "Büro";
        QTest::newRow("Windows-1252") << QByteArray("B\xfcro") << false << "Büro";
        QTest::newRow("escape") << QByteArray("Entr\\U+00e9e") << false << "Entrée";
        QTest::newRow("special characters")
            << QByteArray("%%U45%%D %%p1 %%% %%c") << false << "45° ±1 % \u2300";
        QTest::newRow("MTEXT formatting")
            << QByteArray("{\\H2.5x;\\C1;Hall}\\P\\LA\\l \\S1^2; \\{x\\}\\~\\\\") << true
            << "Hall\nA 1/2 {x} \\";
        QTest::newRow("MTEXT code cut short") << QByteArray("A\\fArial") << true << "A";
        QTest::newRow("MTEXT settings")
            << QByteArray("\\A1;\\H2x;\\W0.8;\\Q15;\\T1.2;\\C1;\\c16711680;"
                          "\\fArial|b1|i0|c0|p34;\\pxi-3,l3,t4;A\\Ob\\o\\Kc\\k")
            << true << "Abc";
        QTest::newRow("MTEXT stacks")
            << QByteArray("\\S1/2; \\S3#4; \\S+0.1^ -0.2; m\\S2^ ; x\\S^ i; \\S1\\/2/3;") << true
            << "1/2 3/4 +0.1/-0.2 m2 xi 1/2/3";
        QTest::newRow("MTEXT breaks and carets")
            << QByteArray("a\\Nb\\Xc^Jd^Ie^ f^Mg") << true << "a\nb\nc\nd\te^f g";
        // Shift_JIS 82A0 is hiragana a; 9 names no code page.
        QTest::newRow("MTEXT East Asian characters")
            << QByteArray("\\M+182A0\\U+00e9\\M+9xyz") << true << "\u3042\u00e9+9xyz";
    }

    void strings() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, mtext);
        QFETCH(QString, text);
        QCOMPARE(mtext ? plainMText(bytes.toStdString()) : plainText(bytes.toStdString()), text);
    }

    void textWeWrite() {
        QCOMPARE(toDxfString(QStringLiteral("Entrée\nNord\t1")),
                 std::string("Entr\\U+00E9e Nord 1"));
        QCOMPARE(toDxfString(QString(200, u'x')).size(), std::size_t(MaxDxfTextChars));
        QCOMPARE(fromDxfString(toDxfString(QStringLiteral("Caméra ⌀"))),
                 QStringLiteral("Caméra ⌀"));
    }

    // A level's layer is named by its key; a key of the user's that a layer name cannot hold
    // keeps the characters it can.
    void levelLayers() {
        const auto layer = [](const QString& key) {
            return dxfLevelLayer(userLevelSet(QStringLiteral("Tender"),
                                              {{key, QStringLiteral("Level"), 100}}, false),
                                 0);
        };
        QCOMPARE(layer(QStringLiteral("level-2")), QStringLiteral("VISTARO-LEVEL-2"));
        QCOMPARE(layer(QStringLiteral("a/b:c*é")), QStringLiteral("VISTARO-A_B_C__"));
    }

    // The export read back: every layer, closed bands, areas and obstacles, open walls, the
    // cameras' marks, all in metres.
    void exportReadsBack() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("coverage.dxf"));
        DxfCoverage coverage;
        coverage.walls.push_back({{{100.5, 200}, {110, 200}, {110, 208.25}}});
        coverage.areas.push_back({QStringLiteral("Entrée"), {{101, 201}, {105, 201}, {105, 204}}});
        coverage.obstacles.push_back(
            {QStringLiteral("Shelf"), {{106, 201}, {107, 201}, {107, 205}}});
        coverage.cameras.push_back({QStringLiteral("Cam 1"), {102, 203}, 90});
        coverage.bands.push_back(
            {EnIdentification, {{{102, 203}, {104, 207}, {100, 207}, {102, 203}}}});
        coverage.bands.push_back(
            {1, // detection
             {{{102, 203}, {110, 220}, {94, 220}}, {{0.125, 0.25}, {1, 0.25}, {1, 1}}}});
        QCOMPARE(saveDxf(path, coverage), std::nullopt);

        const DxfReadResult read = readDxfFile(path);
        QCOMPARE(read.error, QString());
        const DxfDrawing& drawing = read.drawing;
        QCOMPARE(drawing.insUnits, 6);
        QCOMPARE(layers(drawing),
                 QStringLiteral("0 7 0|VISTARO-WALLS 7 1|VISTARO-AREAS 6 2|VISTARO-OBSTACLES 8 2|"
                                "VISTARO-CAMERAS 1 3|"
                                "VISTARO-MONITOR 2 0|VISTARO-DETECTION 4 2|VISTARO-OBSERVATION 3 0|"
                                "VISTARO-RECOGNITION 5 0|VISTARO-IDENTIFICATION 30 1|"
                                "VISTARO-INSPECTION 12 0"));
        QStringList polylines;
        for (const DxfPolyline& polyline : drawing.polylines) {
            QStringList points;
            for (const DxfVertex& vertex : polyline.vertices)
                points << QStringLiteral("%1 %2").arg(vertex.point.x()).arg(vertex.point.y());
            polylines << QStringLiteral("%1%2: %3")
                             .arg(drawing.layers[std::size_t(polyline.layer)].name)
                             .arg(polyline.closed ? QStringLiteral(" closed") : QString())
                             .arg(points.join(QStringLiteral(", ")));
        }
        QCOMPARE(polylines.join(u'|'),
                 QStringLiteral("VISTARO-WALLS: 100.5 200, 110 200, 110 208.25|"
                                "VISTARO-AREAS closed: 101 201, 105 201, 105 204|"
                                "VISTARO-OBSTACLES closed: 106 201, 107 201, 107 205|"
                                "VISTARO-IDENTIFICATION closed: 102 203, 104 207, 100 207|"
                                "VISTARO-DETECTION closed: 102 203, 110 220, 94 220|"
                                "VISTARO-DETECTION closed: 0.125 0.25, 1 0.25, 1 1"));
        const int cameras = layerIndex(drawing, QStringLiteral("VISTARO-CAMERAS"));
        QCOMPARE(drawing.circles, (std::vector<DxfCircle>{{cameras, {102, 203}, DxfCameraRadius}}));
        QCOMPARE(drawing.lines.size(), std::size_t(1));
        const DxfLine& pan = drawing.lines[0];
        QCOMPARE(figures({pan.from.x(), pan.from.y(), pan.to.x(), pan.to.y() - DxfPanLength}),
                 QStringLiteral("102 203 102 203"));
        // Labels 0.3 m high.
        const int areas = layerIndex(drawing, QStringLiteral("VISTARO-AREAS"));
        const int obstacles = layerIndex(drawing, QStringLiteral("VISTARO-OBSTACLES"));
        QCOMPARE(drawing.texts, (std::vector<DxfText>{
                                    {areas, {101, 201}, 0.3, 0, QStringLiteral("Entrée")},
                                    {obstacles, {106, 201}, 0.3, 0, QStringLiteral("Shelf")},
                                    {cameras, {102.25, 203.25}, 0.3, 0, QStringLiteral("Cam 1")}}));
    }

    // The example shop's export (its bands through the door) passes an independent reader's
    // audit with nothing to mend: R2000, metres, metric; our own reader reads its layers back.
    void exportPassesAnAudit() {
        const Site site = test::shopWithOpenDoor();
        DxfCoverage coverage{site.walls, {{u"Till"_s, site.areas[0].points}},
                             {},         {{u"Door"_s, {10, 6}, 0}},
                             {},         site.levelSet,
                             {}};
        for (const LevelBand& band :
             PlanGeometry().footprint(site.cameras[0], site.levelSet, site.walls).bands)
            coverage.bands.push_back({band.level, band.shape.rings});
        std::size_t rings = 0;
        for (const DxfLevelBands& bands : coverage.bands)
            rings += bands.polygons.size();
        QTemporaryDir folder;
        const QString path = folder.filePath(u"shop.dxf"_s);
        QCOMPARE(saveDxf(path, coverage), std::nullopt);
        const std::optional<QString> audit = runEzdxf(uR"(
doc = ezdxf.readfile(sys.argv[1]); audit = doc.audit()
print(doc.dxfversion, doc.header.get('$INSUNITS'), doc.header.get('$MEASUREMENT'),
      len(audit.errors), len(audit.fixes), *(e.message for e in audit.errors + audit.fixes)))"_s,
                                                      {path});
        if (!audit)
            QSKIP("neither python3 nor python3-ezdxf is installed: the audit is not run");
        // Version, $INSUNITS, $MEASUREMENT, errors, fixes (and what each says).
        QCOMPARE(*audit, u"AC1015 6 1 0 0"_s);
        const DxfReadResult read = readDxfFile(path);
        QCOMPARE(read.error, QString());
        QCOMPARE(read.drawing.polylines.size(), 2 + rings);
        QVERIFY(layers(read.drawing).contains(u"VISTARO-WALLS 7 1|VISTARO-AREAS 6 2"_s));
    }

    // A point the drawing cannot hold: nothing written, the earlier file kept, and the message
    // names the file.
    void exportFailures() {
        for (const double x : {std::nan(""), 2e7}) { // not a number, beyond 10 000 km
            QTemporaryDir folder;
            const QString path = folder.filePath(QStringLiteral("coverage.dxf"));
            QVERIFY(test::placeHostile({"earlier", 1, {}}, path));
            DxfCoverage coverage;
            coverage.walls.push_back({{{0, 0}, {x, 0}}});
            const std::optional<QString> error = saveDxf(path, coverage);
            QVERIFY2(error && error->contains(QDir::toNativeSeparators(path)),
                     qPrintable(QString::number(x)));
            QCOMPARE(test::listing(folder.path()), QStringList{QStringLiteral("coverage.dxf 7")});
        }
    }

    // Drawings written by python3-ezdxf for these tests, every entity worked out by hand.
    void drawings_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("walls"); // one of every entity but points and texts
        // Block LEAF (base (1, 0)): a line (1, 0)-(3, 0) on layer 0 in BYBLOCK and an arc round
        // (1, 0) of radius 2 from 0 to 90 degrees on DOORS. Block DOOR: LEAF mirrored (x scale
        // -1) on layer 0 in BYBLOCK, a circle of radius 0.5 round the origin on layer 0 in red.
        // In DOOR, LEAF's line runs (0, 0)-(-2, 0), its arc from (-2, 0) to (0, 2): 90 to 180.
        // DOOR at (10, 20) turned 90 and doubled, on WALLS in blue, maps (x, y) to
        // (10 - 2y, 20 + 2x): the line to (10, 20)-(10, 16) on WALLS in blue, the arc round
        // (10, 20) of radius 4 from 180 to 270, the circle of radius 1. DOOR at (0, 0) with y
        // scale 3 on FURN (cyan) in two columns 10 apart maps (x, y) to (x + 10c, 3y): the
        // line to (10c, 0)-(10c - 2, 0) in FURN's cyan, the circle to an ellipse of half-axes
        // 0.5 and 1.5, and the arc, mirrored and stretched, to the ellipse (10c, 0) + (-2, 0) cos t
        // + (0, 6) sin t for t from 0 to 90.
        QTest::newRow("blocks") << u"blocks.dxf"_s
                                << QStringList{u"line WALLS 5 10 20 10 16"_s,
                                               u"line FURN 4 0 0 -2 0"_s,
                                               u"line FURN 4 10 0 8 0"_s,
                                               u"arc DOORS 256 10 20 4 180 90"_s,
                                               u"circle WALLS 1 10 20 1"_s,
                                               u"ellipse FURN 1 0 0 0.5 0 0 1.5 0 360"_s,
                                               u"ellipse DOORS 256 0 0 -2 0 0 6 0 90"_s,
                                               u"ellipse FURN 1 10 0 0.5 0 0 1.5 0 360"_s,
                                               u"ellipse DOORS 256 10 0 -2 0 0 6 0 90"_s}
                                << 9;
        // The spline's one Bezier span (20, 0) (20, 4) (24, 4) (24, 0) is at its middle
        // (P0 + 3 P1 + 3 P2 + P3) / 8 = (22, 3); the elliptic arc's minor axis is the normal
        // (0, 0, 1) crossed with its major axis (0, 2), halved: (-1, 0). A solid's third and
        // fourth corners swap; the hatch in yellow holds a square hole; the pattern's boundary
        // is drawn.
        QTest::newRow("curves") << u"curves.dxf"_s
                                << QStringList{u"polyline 0 256 17 20 0 0 22 3 0 24 0 0"_s,
                                               u"polyline 0 7 4 60 0 0 70 10 0 60 0 0"_s,
                                               u"polyline 0 256 3 80 0 0 82 2 0 85 2 0"_s,
                                               u"ellipse 0 256 0 0 4 0 0 2 0 360"_s,
                                               u"ellipse 0 256 10 0 0 2 -1 0 0 180"_s,
                                               u"fill 0 256 30 0 34 0 34 2 30 2 30 0"_s,
                                               u"fill 0 2 40 0 50 0 50 10 40 10 40 0 | 44 4 46 4 "
                                               u"46 6 44 6 44 4"_s,
                                               u"fill 0 256 0 20 4 20 4 21 0 21 0 20"_s,
                                               u"point 0 256 90 5"_s}
                                << 9;
        // Upside down (0, 0, -1), x turns over: the block MARK's line (0, 0)-(1, 0) placed at
        // (5, 5) runs (-5, 5)-(-6, 5), the polyline (1, 0) bulge 1 to (3, 0) runs from -1 to -3
        // bulging the other way, the arc from 0 to 90 runs from 90 to 180, the circle round
        // (3, 4) lies round (-3, 4), the solid's corners turn over. Tilted 45 degrees round x
        // (normal (0, -1, 1)), the object's x axis is the world's, its y axis (0, 1, 1) / sqrt 2:
        // the circle of radius 2 round (20, 0) is seen as an ellipse of half-axes 2 and sqrt 2.
        QTest::newRow("extrusion") << u"extrusion.dxf"_s
                                   << QStringList{u"line 0 256 -5 5 -6 5"_s,
                                                  u"polyline 0 256 2 -1 0 -1 -3 0 0 -3 0 0"_s,
                                                  u"arc 0 256 0 0 2 90 90"_s,
                                                  u"circle 0 256 -3 4 1"_s,
                                                  u"ellipse 0 256 20 0 2 0 0 1.414214 0 360"_s,
                                                  u"fill 0 256 0 10 -2 10 0 11 0 11 0 10"_s}
                                   << 6;
    }

    void drawings() {
        QFETCH(QString, file);
        QFETCH(QStringList, expected);
        QFETCH(int, walls);
        const DxfReadResult read = readDxfFile(QStringLiteral(VISTARO_DXF_DATA_DIR "/") + file);
        QCOMPARE(read.error, QString());
        QCOMPARE(entities(read.drawing), expected);
        QStringList layers;
        for (const DxfLayer& layer : read.drawing.layers)
            layers << layer.name;
        QCOMPARE(static_cast<int>(wallsFromLayers(read.drawing, layers, 1, {}).size()), walls);
    }

    // Where python3-ezdxf's bounding box of model space lies, ours lies.
    void boundsAsAnIndependentReader_data() {
        QTest::addColumn<QString>("file");
        for (const char* file : {"blocks.dxf", "curves.dxf", "extrusion.dxf"})
            QTest::newRow(file) << QString::fromLatin1(file);
    }

    void boundsAsAnIndependentReader() {
        QFETCH(QString, file);
        const QString path = QStringLiteral(VISTARO_DXF_DATA_DIR "/") + file;
        const std::optional<QString> theirs = runEzdxf(uR"(
from ezdxf import bbox
box = bbox.extents(ezdxf.readfile(sys.argv[1]).modelspace())
print(box.extmin.x, box.extmin.y, box.extmax.x, box.extmax.y))"_s,
                                                       {path});
        if (!theirs)
            QSKIP("neither python3 nor python3-ezdxf is installed: nothing to compare with");
        const QStringList figuresOfTheirs = theirs->split(u' ');
        QCOMPARE(figuresOfTheirs.size(), 4);
        const DxfBounds ours = readDxfFile(path).drawing.bounds;
        const std::array mine{ours.minX, ours.minY, ours.maxX, ours.maxY};
        for (std::size_t i = 0; i < mine.size(); ++i)
            QVERIFY2(std::abs(figuresOfTheirs[static_cast<qsizetype>(i)].toDouble() - mine[i]) <
                         1e-6,
                     qPrintable(*theirs + u" / "_s + bounds(ours)));
    }

    // A linear dimension from (0, 0) to (10, 0) drawn at y 2 on DIMS (yellow): its block's
    // extension lines and dimension line on layer 0 take DIMS, its arrows (solids in BYBLOCK)
    // DIMS's yellow. A multileader's line from (20, 0) ends at its leader's end (15, 3), and the
    // dogleg goes on 8 along +x. An XLINE, two 3DFACEs and a WIPEOUT are counted, not drawn.
    void annotations() {
        const DxfReadResult read =
            readDxfFile(QStringLiteral(VISTARO_DXF_DATA_DIR "/annotations.dxf"));
        QCOMPARE(read.error, QString());
        const QStringList drawn = entities(read.drawing);
        QCOMPARE(drawn.filter(u"line "_s),
                 (QStringList{u"line DIMS 256 0 0 0 2"_s, u"line DIMS 256 10 0 10 2"_s,
                              u"line DIMS 256 0.25 2 4 2"_s, u"line DIMS 256 6 2 9.75 2"_s,
                              u"polyline 0 256 2 20 0 0 15 3 0 15 3 0"_s,
                              u"polyline 0 256 2 15 3 0 23 3 0 23 3 0"_s}));
        QCOMPARE(drawn.filter(u"fill DIMS 2 "_s).size(), 2);
        QCOMPARE(drawn.filter(u"not drawn"_s),
                 (QStringList{u"not drawn XLINE 1"_s, u"not drawn 3DFACE 2"_s,
                              u"not drawn WIPEOUT 1"_s}));
    }

    // The plane of an entity's object coordinates by its normal, and its height z: the map to
    // the plan as "xx xy yx yy dx dy". Off the poles the object's x axis is (0, 0, 1) crossed with
    // the normal; a normal along x leaves y of the plan only.
    void objectCoordinates_data() {
        QTest::addColumn<double>("nx");
        QTest::addColumn<double>("ny");
        QTest::addColumn<double>("nz");
        QTest::addColumn<double>("z");
        QTest::addColumn<QString>("expected");
        // Upside down and tilted round x: the drawings' extrusion.dxf.
        QTest::newRow("up, unit normal unscaled") << 0.0 << 0.0 << 3.0 << 5.0 << u"1 0 0 1 0 0"_s;
        QTest::newRow("facing +x, 3 up") << 1.0 << 0.0 << 0.0 << 3.0 << u"0 1 0 0 3 0"_s;
        QTest::newRow("no normal") << 0.0 << 0.0 << 0.0 << 5.0 << u"1 0 0 1 0 0"_s;
    }

    void objectCoordinates() {
        QFETCH(double, nx);
        QFETCH(double, ny);
        QFETCH(double, nz);
        QFETCH(double, z);
        QFETCH(QString, expected);
        const DxfTransform map = objectToPlan(nx, ny, nz, z);
        QCOMPARE(figures({map.xx, map.xy, map.yx, map.yy, map.dx, map.dy}), expected);
    }

    // A quarter of the unit circle as a rational quadratic spline: every point at radius 1; knots
    // that fall or do not fit give the control points.
    void splines_data() {
        QTest::addColumn<std::vector<double>>("knots");
        QTest::addColumn<int>("points");
        QTest::newRow("quarter circle") << std::vector<double>{0, 0, 0, 1, 1, 1} << 17;
        QTest::newRow("two spans") << std::vector<double>{0, 0, 0, 0.5, 1, 1, 1} << 3;
        QTest::newRow("knots falling") << std::vector<double>{0, 0, 1, 0, 1, 1} << 3;
        QTest::newRow("knots all alike") << std::vector<double>{1, 1, 1, 1, 1, 1} << 3;
    }

    void splines() {
        QFETCH(std::vector<double>, knots);
        QFETCH(int, points);
        const std::vector<QPointF> along =
            splinePoints(2, {{1, 0}, {1, 1}, {0, 1}}, {1, std::sqrt(0.5), 1}, knots);
        QCOMPARE(static_cast<int>(along.size()), points);
        QCOMPARE(along.front(), QPointF(1, 0));
        QCOMPARE(along.back(), QPointF(0, 1));
        if (points > 3)
            for (const QPointF point : along)
                QVERIFY(std::abs(std::hypot(point.x(), point.y()) - 1) < 1e-12);
    }

    // What the file holds, the reader's limits, and what the message says (empty: the lines and
    // polylines read). A line cut by the end of a 64 KiB chunk is screened whole.
    void hostile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<DxfLimits>("limits");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("shapes");
        QFile plan(PlanFile);
        QVERIFY(plan.open(QIODevice::ReadOnly));
        const QByteArray whole = plan.readAll();
        QByteArray noise(4096, Qt::Uninitialized);
        QRandomGenerator random(23);
        for (char& byte : noise)
            byte = static_cast<char>(random.bounded(256));
        const auto row = [](const char* name, const QByteArray& bytes, const char* message,
                            int shapes = 0, const DxfLimits& limits = {}) {
            QTest::newRow(name) << bytes << limits << message << shapes;
        };
        row("empty", {}, "The file is empty.");
        row("cut short", whole.left(whole.size() / 2),
            "The drawing ends early: the file may be cut short.");
        row("random bytes", noise, "This is not a DXF drawing.");
        row("binary DXF", QByteArray("AutoCAD Binary DXF\r\n\x1a\0", 22) + noise,
            "This is a binary DXF file");
        row("DWG", QByteArray("AC1015") + noise, "This is a DWG drawing");
        // dxflib would allocate 4 x 2^30 doubles in int arithmetic.
        row("a count of 2^30", withEntities({{0, "LWPOLYLINE"}, {90, "1073741824"}}),
            "Line 8 announces 1073741824 points");
        // The same group elsewhere is no count.
        row("90 of another entity",
            withEntities({{0, "LINE"}, {90, "1073741824"}, {10, "1"}, {11, "2"}}), "", 1);
        row("coordinate 1e999", withEntities({{0, "LINE"}, {10, "1e999"}, {0, "LINE"}, {11, "1"}}),
            "", 1);
        // dxflib reads a line of 1023 characters and hangs on a longer one.
        row("longest line",
            withEntities({{0, "TEXT"}, {1, QByteArray(1023, 'a')}, {0, "LINE"}, {11, "1"}}), "", 1);
        row("line too long", withEntities({{0, "TEXT"}, {1, QByteArray(1024, 'a')}}),
            "Line 8 is too long for a DXF drawing.");
        row("line without end",
            groups({{0, "SECTION"}, {2, "ENTITIES"}}) + QByteArray(200'000, '7'),
            "Line 5 is too long");
        // dxflib would read an uninitialised number.
        row("blank number", withEntities({{0, "LINE"}, {10, "1"}, {20, " \r"}}),
            "Line 10 holds no number.");
        row("number after a zero byte",
            withEntities({{0, "LINE"}, {10, QByteArray(1, '\0') + '5'}}),
            "Line 8 holds no number.");
        // dxflib throws on a comment "dxflib" that names no version.
        row("damaged", groups({{999, "dxflib"}, {0, "SECTION"}, {0, "EOF"}}),
            "The drawing is damaged.");
        for (const int into : {1, 10}) {
            const QByteArray bytes = acrossAChunk(90, "1073741824", into);
            QCOMPARE(bytes.indexOf("1073741824"), 64 * 1024 - into);
            QTest::addRow("a count, %d bytes before a chunk's end", into)
                << bytes << DxfLimits{} << "announces 1073741824" << 0;
        }
        row("a number, 1 byte before a chunk's end", acrossAChunk(10, "1.5", 1), "", 1);
        row("a blank number at a chunk's end", acrossAChunk(10, "", 0), "holds no number.");
        // An embedded object's groups are not read, but its lines are counted.
        const Groups embedded{{0, "MTEXT"}, {101, "Embedded Object"}, {10, ""}, {11, "1"}};
        row("blank number in an embedded object",
            withEntities(embedded + Groups{{0, "LINE"}, {11, "1"}}), "", 1);
        row("blank number after an embedded object",
            withEntities(embedded + Groups{{0, "LINE"}, {10, ""}}), "Line 16 holds no number.");
        Groups longObject = embedded;
        for (int i = 0; i < 140; ++i) // two chunks and more
            longObject.append({999, QByteArray(1000, 'c')});
        row("embedded object over a whole chunk",
            withEntities(longObject + Groups{{0, "LINE"}, {11, "1"}}), "", 1);
        const QByteArray fourLines = manyLines(4);
        row("entities", fourLines, "The drawing has more than 3 entities.", 0, {1 << 20, 3, 100});
        row("entities at the limit", fourLines, "", 4, {1 << 20, 4, 100});
        // A block of ten lines in 70 columns and 100 rows.
        Groups tenLines;
        for (int i = 0; i < 10; ++i)
            tenLines << Groups{{0, "LINE"}, {10, "0"}, {20, "0"}, {11, "1"}, {21, "0"}};
        row("references past the limit",
            withBlocks(Groups{{0, "BLOCK"}, {2, "TEN"}} + tenLines + Groups{{0, "ENDBLK"}},
                       {{0, "INSERT"}, {2, "ten"}, {10, "0"}, {20, "0"}, {70, "70"}, {71, "100"}}),
            "The drawing has more than 1000 entities.", 0, {1 << 20, 1000, 100});
        // A draws its line, then B, which refers to A again: the cycle is cut there. SELF draws
        // its line once; a missing block draws nothing.
        row("references in a cycle",
            withBlocks({{0, "BLOCK"}, {2, "A"},      {0, "LINE"},   {10, "0"},     {20, "0"},
                        {11, "1"},    {21, "0"},     {0, "INSERT"}, {2, "B"},      {10, "10"},
                        {20, "0"},    {0, "ENDBLK"}, {0, "BLOCK"},  {2, "B"},      {0, "INSERT"},
                        {2, "A"},     {10, "0"},     {20, "10"},    {0, "ENDBLK"}, {0, "BLOCK"},
                        {2, "SELF"},  {0, "INSERT"}, {2, "SELF"},   {0, "LINE"},   {10, "0"},
                        {20, "0"},    {11, "0"},     {21, "1"},     {0, "ENDBLK"}},
                       {{0, "INSERT"},
                        {2, "A"},
                        {0, "INSERT"},
                        {2, "SELF"},
                        {10, "5"},
                        {20, "5"},
                        {0, "INSERT"},
                        {2, "NOSUCH"}}),
            "", 2, {1 << 20, 100, 100});
        const Groups threePoints{{10, "0"}, {20, "0"}, {10, "1"}, {20, "0"}, {10, "1"}, {20, "1"}};
        const QByteArray polyline =
            withEntities(Groups{{0, "LWPOLYLINE"}, {90, "3"}} + threePoints);
        row("vertices", polyline, "The drawing has more than 2 polyline vertices.", 0,
            {1 << 20, 100, 2});
        row("vertices at the limit", polyline, "", 1, {1 << 20, 100, 3});
        row("bytes", manyLines(40'000), "The file is larger than 1 MiB.", 0,
            {1 << 20, 1 << 30, 100});
    }

    void hostile() {
        QFETCH(QByteArray, bytes);
        QFETCH(DxfLimits, limits);
        QFETCH(QString, message);
        QFETCH(int, shapes);
        const DxfReadResult read = readBytes(bytes, {}, limits);
        if (message.isEmpty()) {
            QCOMPARE(read.error, QString());
            QCOMPARE(read.drawing.lines.size() + read.drawing.polylines.size(),
                     std::size_t(shapes));
        } else {
            QVERIFY2(read.error.contains(message), qPrintable(read.error));
            QCOMPARE(read.outcome, DxfReadResult::Outcome::Failed);
            QCOMPARE(read.drawing, DxfDrawing());
        }
    }

    void hostileFiles() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid() && QDir(folder.path()).mkdir(QStringLiteral("folder")));
        for (const auto& [name, reason] : {std::pair{"missing.dxf", "No such file or directory"},
                                           std::pair{"folder", "it is a folder."}}) {
            const QString path = folder.filePath(QLatin1String(name));
            const DxfReadResult read = readDxfFile(path);
            QCOMPARE(read.outcome, DxfReadResult::Outcome::Failed);
            QCOMPARE(read.error, QStringLiteral("Could not open \"%1\": %2")
                                     .arg(QDir::toNativeSeparators(path), QLatin1String(reason)));
        }
    }

    // Told of each 64 KiB and of the end; a cancel at any call leaves nothing but "cancelled".
    void progressAndCancel() {
        const QByteArray bytes = manyLines(6000);
        QVERIFY(bytes.size() > 3 * 64 * 1024);
        QList<qint64> told;
        const DxfReadResult whole = readBytes(bytes, [&](qint64 done, qint64 total) {
            told << done;
            return total == bytes.size();
        });
        QCOMPARE(whole.drawing.lines.size(), std::size_t(6000));
        QCOMPARE(told.size(), int(bytes.size() / (64 * 1024)) + 2); // the chunks, then the end
        QCOMPARE(told.constLast(), qint64(bytes.size()));
        QVERIFY(std::is_sorted(told.cbegin(), told.cend()));
        for (int cancelAt : {1, 2, int(told.size())}) {
            int calls = 0;
            const DxfReadResult cancelled =
                readBytes(bytes, [&](qint64, qint64) { return ++calls < cancelAt; });
            QCOMPARE(cancelled, (DxfReadResult{DxfReadResult::Outcome::Cancelled, {}, {}}));
            QCOMPARE(calls, cancelAt);
        }
    }
};

QTEST_GUILESS_MAIN(TestDxf)
#include "tst_dxf.moc"
