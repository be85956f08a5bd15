// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/sitefile.h"
#include "support/siteexample.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

using namespace vistaro;
using namespace Qt::StringLiterals;

namespace {

// The example that the file format's documentation starts from.
const QByteArray Example = R"({"format": "vistaro-site", "version": 1, "units": "metric",
 "background": {"file": "plan.png", "scale": {"from": [10, 20], "to": [410, 20], "metres": 12.5}},
 "cameras": [{"name": "Entrance", "x": 0, "y": 0, "pan": 0, "height": 3, "target_height": 1.7,
              "distance": 10, "sensor": [4.8, 3.6], "resolution": [1920, 1080], "focal": 6,
              "lens": "T6000", "level": "identification"}],
 "walls": [{"points": [[2, -10], [2, 10]]}],
 "areas": [{"name": "Door", "level": "identification", "points": [[1, -1], [3, -1], [3, 1], [1, 1]]}]}
)";

QByteArray changed(const char* from, const QByteArray& to) {
    return QByteArray(Example).replace(from, to);
}

// A picture at the plan's origin, opaque, not locked, on show.
SiteBackground background(const QString& file, std::optional<BackgroundScale> scale) {
    SiteBackground background;
    background.file = file;
    background.scale = scale;
    return background;
}

// Every field off default: a target-aimed zoom, a camera tilted to the limits, a full background.
Site fullSite() {
    SiteCamera zoom;
    zoom.name = QStringLiteral("Gate \"north\" – 北門");
    zoom.position = {-120.125, 3.3};
    zoom.panDeg = -135.5;
    zoom.mountHeightM = 6.5;
    zoom.targetHeightM = 0.5;
    zoom.distanceM = 42.75;
    zoom.camera = {{5.57, 3.13}, {2688, 1520}};
    zoom.focalMm = 4.5;
    zoom.focalTeleMm = 45.25;
    zoom.lens = u"Z4550"_s;
    zoom.level = 2; // observe
    zoom.lensModel = {Projection::Equisolid, 187.5};
    SiteCamera tilted;
    tilted.position = {1e7, -1e7};
    tilted.panDeg = 360;
    tilted.mountHeightM = 1000;
    tilted.aim = Aim::Tilt;
    tilted.tiltDeg = -12.5;
    tilted.targetHeightM = 2.25;
    tilted.distanceM = 0.1 + 0.2;
    tilted.camera = {{6.4, 4.8}, {1280, 960}};
    tilted.focalMm = 10000;
    tilted.level = 5; // inspect
    tilted.lensModel.projection = Projection::Orthographic;
    return {Units::Imperial,
            screenShareLevels(),
            {SiteStorey{{},
                        0,
                        3,
                        SiteBackground{u"plans/ground floor.svg"_s,
                                       BackgroundScale{{10.5, 20.25}, {410, -3}, 12.5},
                                       {-4.5, 7.25},
                                       0.35,
                                       true,
                                       false,
                                       {},
                                       1,
                                       150}}},
            {zoom, tilted},
            {SiteWall{{{0, 0}, {10, 0}, {10, 5}}}, SiteWall{{{2, -10}, {2, 10}}}},
            {SiteArea{u"Car park"_s, 0, {{0, 0}, {50, 0}, {50, 30}, {0, 30}}, 0.875},
             SiteArea{u""_s, 3, {{0, 0}, {1e-9, 0}, {0, 1e-9}}}},
            {{-5, -5}, {60, -5}, {60, 40}},
            {u"Warehouse"_s, u"Fratelli Rossi"_s, u"Via Roma 1\nMilano"_s, u"A. Designer"_s,
             u"Vistaro Ltd"_s, u"B"_s, u"Cameras \"C1\" to \"C9\""_s, PlanPoint{-5, -5}},
            {}};
}

// Walls of every kind of height, obstacles, an area of its own target height and a storey above
// with items and a plan of its own.
Site heightsSite() {
    Site site = test::exampleSite();
    SiteWall shelf{{{0, 4}, {6, 4}}};
    shelf.topM = 2;
    SiteWall beam{{{0, 1}, {6, 1}}};
    beam.bottomM = 2.5;
    SiteWall window{{{8, 0}, {8, 3}}};
    window.bottomM = 0.9;
    window.topM = 2.1;
    site.walls.insert(site.walls.end(), {shelf, beam, window});
    site.obstacles = {{u"Counter"_s, {{1, 1}, {3, 1}, {3, 2}, {1, 2}}, 0, 1.1},
                      {u""_s, {{5, 5}, {6, 5}, {5, 6}}, 2.75, 3}};
    site.areas[0].targetHeightM = 0.5;
    site.storeys.push_back({u"First floor"_s, 3.5, 3.25, background(u"first.png"_s, std::nullopt)});
    site.cameras[0].storey = 1;
    site.walls.back().storey = 1;
    site.obstacles.back().storey = 1;
    site.areas[0].storey = 1;
    return site;
}

const QByteArray MinimalCamera =
    R"({"x": 1, "y": 1, "height": 3, "target_height": 1.7, "distance": 10,
 "sensor": [4.8, 3.6], "resolution": [1920, 1080], "focal": 6})";

QByteArray generated(const char* key, qsizetype count, const QByteArray& item) {
    QByteArray json = R"({"format": "vistaro-site", "version": 1, ")" + QByteArray(key) + "\": [";
    json.reserve(json.size() + count * (item.size() + 1) + 2);
    for (qsizetype i = 0; i < count; ++i)
        json += (i ? "," : "") + item;
    return json + "]}";
}

QByteArray shape(qsizetype count) {
    QByteArray points;
    for (qsizetype i = 0; i < count; ++i)
        points += (i ? ",[" : "[") + QByteArray::number(i % 1000) + "," +
                  QByteArray::number(i / 1000) + "]";
    return "{\"points\": [" + points + "]}";
}

bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestSiteFile : public QObject {
    Q_OBJECT

private slots:
    // Reads back equal and rewrites the same bytes; a level set other than EN 62676-4 goes along.
    void roundTrip_data() {
        QTest::addColumn<Site>("site");
        QTest::newRow("every field, the screen shares") << fullSite();
        Site plates = test::exampleSite();
        plates.levelSet = plateLevels({305, 150});
        plates.cameras[0].level = 0;
        plates.areas[0].level = 0;
        QTest::newRow("US number plates") << plates;
        Site own = fullSite();
        own.levelSet =
            userLevelSet(u"Tender \"B\" – 北"_s,
                         {{u"face"_s, u"Face"_s, 91.44}, {u"level-2"_s, u"Gesicht"_s, 12.7}}, true);
        own.cameras[0].level = 0;
        own.cameras[1].level = 1;
        own.areas[1].level = 1;
        QTest::newRow("a set of the user's own, in px/ft") << own;
        QTest::newRow("an empty site") << Site{};
        Site drawing;
        drawing.storeys.front().background =
            background(u"plan.dxf"_s, BackgroundScale{{0, 0}, {1, 0}, 0.001});
        drawing.storeys.front().background->hiddenLayers = {u"FURNITURE"_s, u"Text \u00e9"_s};
        QTest::newRow("a drawing's hidden layers") << drawing;
        drawing.storeys.front().background->hiddenLayers = QStringList();
        QTest::newRow("a drawing with every layer shown") << drawing;
        drawing.storeys.front().background->hiddenLayers.reset();
        drawing.storeys.front().background->scale.reset();
        QTest::newRow("a drawing's own units and layers") << drawing;
        drawing.properties.reference = PlanPoint{500'000.125, 5'000'000.0625};
        drawing.walls = {
            SiteWall{{{500'003.1234567, 5'000'001.7654321}, {500'013.5, 5'000'001.5}}}};
        QTest::newRow("in UTM coordinates, to the last digit") << drawing;
        Site pdf;
        pdf.storeys.front().background = background(u"/plans/site.pdf"_s, std::nullopt);
        pdf.storeys.front().background->page = 3;
        pdf.storeys.front().background->dpi = 72.5;
        QTest::newRow("a PDF's page") << pdf;
        QTest::newRow("heights, obstacles and storeys") << heightsSite();
    }

    void roundTrip() {
        QFETCH(Site, site);
        const QByteArray json = siteToJson(site);
        const SiteRead read = readSite(json);
        QVERIFY2(read.problem.isEmpty(), qPrintable(read.problem.message()));
        QVERIFY(read.site == site);
        QCOMPARE(siteToJson(*read.site), json);
    }

    // Only a site that uses heights needs the newer version: the others open in the programs that
    // know only the older one.
    void versions_data() {
        QTest::addColumn<Site>("site");
        QTest::addColumn<int>("version");
        const auto row = [](const char* name, int version, auto change) {
            Site site = test::exampleSite();
            change(site);
            QTest::newRow(name) << site << version;
        };
        row("the example", 1, [](Site&) {});
        row("a wall raised off the floor", 2, [](Site& site) { site.walls[0].bottomM = 0.5; });
        row("a wall with a top", 2, [](Site& site) { site.walls[0].topM = 3; });
        row("an area's own target height", 2,
            [](Site& site) { site.areas[0].targetHeightM = 1.7; });
        row("a named storey", 2, [](Site& site) { site.storeys[0].name = u"Ground floor"_s; });
        QTest::newRow("obstacles") << heightsSite() << 2;
    }

    void versions() {
        QFETCH(Site, site);
        QFETCH(int, version);
        const QJsonDocument json = QJsonDocument::fromJson(siteToJson(site));
        QCOMPARE(json.object().value(u"version"_s).toInt(), version);
    }

    // Files as a user or a later version could write them.
    void reads_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<Site>("site");
        QTest::newRow("the example: an older file's levels mean what they meant")
            << Example << test::exampleSite();
        Site monitored = test::exampleSite();
        monitored.areas[0].level = 0;
        QTest::newRow("EN 62676-4's monitor") << changed("\"Door\", \"level\": \"identification\"",
                                                         "\"Door\", \"level\": \"monitor\"")
                                              << monitored;
        QTest::newRow("keys of a later version are ignored")
            << changed("\"version\": 1,", "\"version\": 1, \"layers\": [1, 2], ")
                   .replace("\"pan\": 0,", "\"pan\": 0, \"ptz\": {\"presets\": 4},")
                   .replace("\"file\"", "\"tint\": \"red\", \"file\"")
                   .replace("\"name\": \"Door\",", "\"name\": \"Door\", \"height\": \"x\",")
            << test::exampleSite();
        Site tilted = test::exampleSite();
        tilted.cameras[0].aim = Aim::Tilt;
        tilted.cameras[0].tiltDeg = 12.5;
        QTest::newRow("a tilt instead of a target height")
            << changed("\"target_height\": 1.7", "\"tilt\": 12.5") << tilted;
        Site least;
        least.storeys.front().background = background(u"C:/plans/site.png"_s, std::nullopt);
        least.cameras = {SiteCamera{}};
        least.cameras[0].position = {1, 1};
        QTest::newRow("what may be left out is left out")
            << R"({"format": "vistaro-site", "version": 1, "background": {"file": "C:/plans/site.png"},
                   "cameras": [)" +
                   MinimalCamera + "]}"
            << least;
        QTest::newRow("no background") << QByteArray(R"({"version": 1, "background": null,
                                                         "format": "vistaro-site"})")
                                       << Site{};
        Site heights = test::exampleSite();
        heights.walls[0].bottomM = 1;
        heights.obstacles = {{{}, {{0, 0}, {1, 0}, {0, 1}}, 0, 2}};
        QTest::newRow("heights, an obstacle's name and bottom left out")
            << changed("\"version\": 1", "\"version\": 2")
                   .replace("10]]}", "10]], \"bottom\": 1}], \"obstacles\": [{\"top\": 2, "
                                     "\"points\": [[0, 0], [1, 0], [0, 1]]}")
            << heights;
        Site raised = test::exampleSite();
        raised.storeys[0].elevationM = -3;
        QTest::newRow("the site's background is its first storey's")
            << changed("\"version\": 1", "\"version\": 2, \"storeys\": [{\"elevation\": -3}]")
            << raised;
    }

    void reads() {
        QFETCH(QByteArray, json);
        QFETCH(Site, site);
        const SiteRead read = readSite(json);
        QVERIFY2(read.problem.isEmpty(), qPrintable(read.problem.message()));
        QVERIFY(read.site == site);
    }

    // Each fault refuses the whole file with a message that says where and what.
    void refused_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QStringList>("says");
        const auto row = [](const char* name, const QByteArray& json, const QString& says) {
            QTest::newRow(name) << json << QStringList{says};
        };
        QTest::newRow("not JSON") << changed("\"walls\": [", "\"walls\": [}")
                                  << QStringList{u"not JSON: "_s, u" on line 6"_s};
        row("a list, not an object", "[]", u"not a JSON object"_s);
        const QString notOurs = uR"(format: not "vistaro-site": this is not a Vistaro site file)"_s;
        row("another program's file", changed("vistaro-site", "vistaro-lens"), notOurs);
        row("a newer version", changed("\"version\": 1", "\"version\": 3"),
            u"version: 3 is newer than this program reads (version 2)"_s);
        row("version 1.5", changed("\"version\": 1", "\"version\": 1.5"),
            u"version: 1.5 is no version of the site file"_s);
        row("version 0", changed("\"version\": 1", "\"version\": 0"),
            u"version: 0 is no version of the site file"_s);
        row("unknown units", changed("\"metric\"", "\"nautical\""),
            uR"(units: "nautical" is none of "metric", "imperial")"_s);
        row("background file empty", changed("\"plan.png\"", "\"\""), u"background.file: empty"_s);
        row("scale between one point", changed("[410, 20]", "[10, 20]"),
            uR"(background.scale.to: the same point as "from")"_s);
        row("a layer not a text", changed("12.5}", "12.5}, \"hidden_layers\": [\"WALLS\", 2]"),
            u"background.hidden_layers[1]: a text is expected"_s);
        row("reference beyond the limit",
            changed("\"version\": 1,", "\"version\": 1, \"reference\": [0, 2e7],"),
            u"reference[1]: not within -10000000 to 10000000"_s);
        row("locked \"yes\"", changed("12.5}", "12.5}, \"locked\": \"yes\""),
            u"background.locked: true or false is expected"_s);
        row("cameras not a list", R"({"format": "vistaro-site", "version": 1, "cameras": {}})",
            u"cameras: a list is expected"_s);
        row("a camera that is a number",
            R"({"format": "vistaro-site", "version": 1, "cameras": [7]})",
            u"cameras[0]: an object is expected"_s);
        row("focal 0", changed("\"focal\": 6", "\"focal\": 0"),
            u"cameras[0].focal: not a positive number"_s);
        row("focal 1e308", changed("\"focal\": 6", "\"focal\": 1e308"),
            u"cameras[0].focal: larger than 10000"_s);
        row("neither a target height nor a tilt", changed("\"target_height\": 1.7,", ""),
            u"cameras[0].target_height: missing: a camera is aimed at a target height or by a "
            u"tilt"_s);
        row("no distance", changed("\"distance\": 10,", ""), u"cameras[0].distance: missing"_s);
        row("sensor height as text", changed("[4.8, 3.6]", "[4.8, \"3.6\"]"),
            u"cameras[0].sensor[1]: a number is expected"_s);
        row("half a column", changed("[1920, 1080]", "[1920.5, 1080]"),
            u"cameras[0].resolution[0]: not a whole number"_s);
        row("the second camera at fault",
            changed("}],\n \"walls\"",
                    "}, " + QByteArray(MinimalCamera).replace("6}", "-1}") + "],\n \"walls\""),
            u"cameras[1].focal: not a positive number"_s);
        row("a wall of one point", changed("[[2, -10], [2, 10]]", "[[2, -10]]"),
            u"walls[0].points: 2 points or more are expected"_s);
        row("a point of three numbers", changed("[2, 10]]", "[2, 10, 0]]"),
            u"walls[0].points[1]: a list of two numbers is expected"_s);
        row("a point 1e8 m away", changed("[2, 10]]", "[2, 1e8]]"),
            u"walls[0].points[1][1]: not within -10000000 to 10000000"_s);
        row("a wall's top below its bottom", changed("10]]}", "10]], \"bottom\": 2, \"top\": 1.5}"),
            u"walls[0].top: below the bottom, 2"_s);
        row("a wall's negative bottom", changed("10]]}", "10]], \"bottom\": -0.5}"),
            u"walls[0].bottom: not within 0 to 1000"_s);
        const auto obstacles = [](const QByteArray& second) {
            return changed("\"units\"", "\"obstacles\": [{\"points\": [[0, 0], [1, 0], [0, 1]], "
                                        "\"top\": 1}, " +
                                            second + "], \"units\"");
        };
        row("an obstacle's bottom above its top",
            obstacles(R"({"points": [[0, 0], [1, 0], [0, 1]], "bottom": 2, "top": 1})"),
            u"obstacles[1].top: below the bottom, 2"_s);
        row("an obstacle of two points", obstacles(R"({"points": [[0, 0], [1, 0]], "top": 1})"),
            u"obstacles[1].points: 3 points or more are expected"_s);
        row("an obstacle without a top", obstacles(R"({"points": [[0, 0], [1, 0], [0, 1]]})"),
            u"obstacles[1].top: missing"_s);
        const auto storeys = [](const QByteArray& list) {
            return changed("\"version\": 1", "\"version\": 2, \"storeys\": " + list);
        };
        row("two storeys at one elevation",
            storeys(
                R"([{"elevation": 0}, {"elevation": 3}, {"name": "Mezzanine", "elevation": 3}])"),
            u"storeys[2]: at the elevation of storeys[1]"_s);
        row("a storey that does not exist",
            storeys(R"([{}])").replace("10]]}", "10]], \"storey\": 1}"),
            u"walls[0].storey: not within 0 to 0"_s);
        row("a storey of no height", storeys(R"([{"height": 0}])"),
            u"storeys[0].height: not a positive number"_s);
        row("no storey", storeys("[]"), u"storeys: one storey or more is expected"_s);
        row("two backgrounds for the first storey",
            storeys(R"([{"background": {"file": "a.png"}}])"),
            u"background: the first storey has a background of its own"_s);
        row("an area's target height of 0",
            changed("\"identification\", \"points\"",
                    "\"identification\", \"target_height\": 0, \"points\""),
            u"areas[0].target_height: not a positive number"_s);
        row("a level of another set",
            changed("\"units\"", "\"level_set\": {\"key\": \"screen-height\"}, \"units\""),
            uR"(cameras[0].level: "identification" is none of "monitor", "detect", "observe", )"
            uR"("recognise", "identify", "inspect")"_s);
        row("a set this program does not know",
            changed("\"units\"", "\"level_set\": {\"key\": \"bs-en-50132\"}, \"units\""),
            uR"(level_set.key: "bs-en-50132" is no level set this program knows)"_s);
        row("an area of two points",
            changed("[[1, -1], [3, -1], [3, 1], [1, 1]]", "[[1, -1], [3, -1]]"),
            u"areas[0].points: 3 points or more are expected"_s);
        row("a share of more than the whole",
            changed("\"identification\", \"points\"",
                    "\"identification\", \"required_share\": 1.5, \"points\""),
            u"areas[0].required_share: not within 0 to 1"_s);
        row("a boundary of two points",
            changed("\"units\"", "\"boundary\": [[0, 0], [1, 1]], \"units\""),
            u"boundary: 3 points or more are expected"_s);
        row("a client that is a number",
            changed("\"units\"", "\"properties\": {\"client\": 7}, \"units\""),
            u"properties.client: a text is expected"_s);
    }

    void refused() {
        QFETCH(QByteArray, json);
        QFETCH(QStringList, says);
        const SiteRead read = readSite(json);
        QVERIFY(!read.site);
        for (const QString& part : says)
            QVERIFY2(read.problem.message().contains(part), qPrintable(read.problem.message()));
    }

    // What a file may hold at most is read; one more is refused before any item is read.
    void limits_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("problem");
        QTest::newRow("10000 cameras") << generated("cameras", MaxSiteCameras, MinimalCamera) << "";
        QTest::newRow("10001 cameras") << generated("cameras", MaxSiteCameras + 1, MinimalCamera)
                                       << "cameras: more than the 10000 items this program reads";
        QTest::newRow("a million cameras") << generated("cameras", 1'000'000, "{}")
                                           << "cameras: more than the 10000 items this program "
                                              "reads";
        const QByteArray half = shape(MaxWallPoints / 2);
        QTest::newRow("100002 wall points")
            << generated("walls", 2, half).chopped(2) + ", " + shape(2) + "]}"
            << "walls[2].points: 100002 points in all, more than the 100000 this program reads";
        const QByteArray triangle = R"({"points": [[0, 0], [1, 0], [0, 1]], "top": 1})";
        QTest::newRow("20001 obstacles")
            << generated("obstacles", MaxSiteObstacles + 1, triangle)
            << "obstacles: more than the 20000 items this program reads";
        QByteArray layers = R"({"format": "vistaro-site", "version": 1, "background":
            {"file": "a.dxf", "hidden_layers": [)";
        for (qsizetype i = 0; i <= MaxHiddenLayers; ++i)
            layers += i ? ",\"L\"" : "\"L\"";
        QTest::newRow("too many hidden layers")
            << layers + "]}}"
            << u"background.hidden_layers: more than the %1 items this program reads"_s.arg(
                   MaxHiddenLayers);
    }

    void limits() {
        QFETCH(QByteArray, json);
        QFETCH(QString, problem);
        const SiteRead read = readSite(json);
        QCOMPARE(read.problem.message(), problem);
        QCOMPARE(read.site.has_value(), problem.isEmpty());
    }

    // A file reads as its content, its picture not looked for; an unreadable file is named.
    void files_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("problem"); // after the file's name
        QTest::newRow("the example") << "site.vistaro"
                                     << "";
        QTest::newRow("missing") << "missing.vistaro"
                                 << " could not be read: No such file";
        QTest::newRow("larger than 64 MiB")
            << "large.vistaro"
            << " could not be read: larger than 64 MiB, more than any site needs";
    }

    void files() {
        QFETCH(QString, name);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        QVERIFY(write(dir.filePath(u"site.vistaro"_s), Example));
        QFile large(dir.filePath(u"large.vistaro"_s));
        QVERIFY(large.open(QIODevice::WriteOnly) && large.write(Example) == Example.size() &&
                large.resize(MaxSiteFileBytes + 1));
        large.close();
        const QString path = dir.filePath(name);
        const SiteRead read = SiteFile::read(path);
        const QString message = read.problem.message();
        QVERIFY2(problem.isEmpty()
                     ? message.isEmpty()
                     : message.startsWith(u"The file \""_s + QDir::toNativeSeparators(path) + u'"' +
                                          problem),
                 qPrintable(message));
        QCOMPARE(read.site.has_value(), problem.isEmpty());
        QVERIFY(!read.site || *read.site == test::exampleSite());
    }

    void backgroundKinds_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<BackgroundKind>("kind");
        QTest::newRow("upper case") << u"/srv/GROUND.DXF"_s << BackgroundKind::Dxf;
        QTest::newRow("pdf") << u"C:/plans/first floor.Pdf"_s << BackgroundKind::Pdf;
        QTest::newRow("dxf in a folder's name") << u"dxf.pdf/plan.svg"_s << BackgroundKind::Picture;
    }

    void backgroundKinds() {
        QFETCH(QString, file);
        QFETCH(BackgroundKind, kind);
        QCOMPARE(backgroundKind(file), kind);
    }
};

QTEST_GUILESS_MAIN(TestSiteFile)
#include "tst_sitefile.moc"
