// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dxf/dxfexport.h"
#include "dxf/dxfimport.h"
#include "site/planfigures.h"
#include "site/plangeometry.h"
#include "site/sitefile.h"
#include "siteplan/areatablemodel.h"
#include "siteplan/cameratablemodel.h"
#include "siteplan/sitedrawings.h"
#include "siteplan/siteexports.h"
#include "support/scripteddialogs.h"
#include "support/siteexample.h"

#include <QPdfDocument>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <cmath>

using namespace vistaro;
using namespace Qt::StringLiterals;

namespace {

// Example camera facing east, a wall at x = 4, an area before it, one unseen named as a formula.
Site smallSite() {
    Site site;
    site.cameras = {test::entranceCamera()};
    site.walls = {SiteWall{{{4, -4}, {4, 4}}}};
    site.areas = {SiteArea{u"Door"_s, EnIdentification, {{1, -1}, {3, -1}, {3, 1}, {1, 1}}},
                  SiteArea{u"=Store"_s, 1, {{-10, -10}, {-8, -10}, {-8, -8}, {-10, -8}}}};
    return site;
}

// A site with its coverage worked out and its exports, as the window holds them.
struct Plan {
    explicit Plan(const Site& site) : coverage(document, geometry) { document.reset(site); }

    SiteDocument document;
    PlanGeometry geometry;
    SiteCoverage coverage;
    QWidget window;
    SiteExports exports{window, document, coverage, [] { return QString(); }};
    SiteDeliverables deliverables() const { return {document.site(), coverage}; }
};

QStringList firstRow(const QAbstractItemModel& model) {
    QStringList cells;
    for (int column = 0; column < model.columnCount(); ++column)
        cells << model.index(0, column).data().toString();
    return cells;
}

bool near(double a, double b) {
    return std::abs(a - b) < 1e-9;
}

QStringList pdfPages(const QString& path) {
    QPdfDocument pdf;
    if (pdf.load(path) != QPdfDocument::Error::None)
        return {};
    QStringList pages;
    for (int i = 0; i < pdf.pageCount(); ++i)
        pages << pdf.getAllText(i).text();
    return pages;
}

} // namespace

class TestSiteDeliverables : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    }

    // Plan, camera pages, schedule (paging is the writer's); cancelled in setup, nothing prints.
    void report() {
        Plan plan(smallSite());
        const QTemporaryDir folder;
        const QString path = folder.filePath(u"site.pdf"_s);
        test::ScriptedDialogs dialogs;
        dialogs.answer(dialogs.Save, folder.filePath(u"site"_s)).answer(dialogs.Printer);
        QVERIFY(plan.exports.exportReport());

        const QStringList pages = pdfPages(path);
        QCOMPARE(pages.size(), 3);
        const QString name = plan.document.site().cameras.front().name;
        QVERIFY(pages[0].contains(u"Identification"_s)); // the legend
        QVERIFY(pages[0].contains(name));
        QVERIFY2(pages[1].startsWith(name), qPrintable(pages[1]));
        QVERIFY(pages[2].startsWith(u"Schedule"_s));
        QVERIFY(pages[2].contains(name));
        for (int i = 0; i < plan.coverage.areaCount(); ++i)
            QVERIFY(pages[2].contains(coveredText(plan.coverage.coverage(i).share)));
        QVERIFY(!plan.exports.printReport());
    }

    // The example's angles and 237.997 px/m; the wall at 4 m cuts identification to 3.5549-4 m: 0.4
    // x 0.991656 x (16 - 12.6370) + 0.8 x 0.167590 x 0.4451 = 1.394 m²; the door: 0.
    void scheduleCsv() {
        const Plan plan(smallSite());
        const QByteArray expected = "\xEF\xBB\xBF"
                                    "Name,Lens,Focal (mm),Horizontal angle (\xC2\xB0),"
                                    "Vertical angle (\xC2\xB0),Density at aim (px/m),Level,"
                                    "Area at level (m\xC2\xB2)\r\n"
                                    "Entrance,T6000,6,43.6,25.4,237.9,Identification,1.3\r\n"
                                    "\r\n"
                                    "Name,Level,Area (m\xC2\xB2),Covered (%)\r\n"
                                    "Door,Identification,4,0\r\n"
                                    "'=Store,Detection,4,0\r\n";
        QCOMPARE(plan.deliverables().scheduleCsv(), expected);
    }

    void cameraTable_data() {
        QTest::addColumn<std::optional<double>>("tele");
        QTest::addColumn<std::optional<double>>("tilt");
        QTest::addColumn<QString>("cells");
        QTest::addColumn<QString>("unit");
        // No wall: 31.6736 m² = 340.93 ft²; 237.997 px/m = 72.541 px/ft, tele 2379.97 = 725.41.
        QTest::newRow("imperial zoom")
            << std::optional<double>(60) << std::optional<double>()
            << "Entrance|T6000|6 - 60|Identification|72.5 - 725.4|340.9|0|9.84|5.58"
            << "ft";
        // Tilted 30°: field 1.40976-4.16881 m, keystone 0.8 (cos 30° (4.16881² - 1.40976²) / 2 +
        // 0.65 x 2.75905) = 6.7664 m², 257.78 px/m; target height sets the plane.
        QTest::newRow("aimed by a tilt") << std::optional<double>() << std::optional<double>(30)
                                         << "Entrance|T6000|6|Identification|257.7|6.7|0|3|1.7"
                                         << "m";
    }
    void cameraTable() {
        QFETCH(std::optional<double>, tele);
        QFETCH(std::optional<double>, tilt);
        QFETCH(QString, cells);
        QFETCH(QString, unit);
        Site site = smallSite();
        site.walls.clear();
        site.units = unit == u"ft"_s ? Units::Imperial : Units::Metric;
        site.cameras[0].focalTeleMm = tele;
        if (tilt) {
            site.cameras[0].aim = Aim::Tilt;
            site.cameras[0].tiltDeg = *tilt;
        }
        Plan plan(site);
        CameraTableModel model(plan.document, plan.coverage,
                               [](const ItemRef&, const SiteItem&) {});
        QCOMPARE(firstRow(model), cells.split(u'|'));
        QVERIFY(model.headerData(4, Qt::Horizontal).toString().endsWith(u"(px/"_s + unit + u')'));
        QVERIFY(
            model.headerData(5, Qt::Horizontal).toString().endsWith(u'(' + unit + u"\u00b2)"_s));
    }

    // A typed cell returns the camera with that one change; the site untouched, bad input refused.
    void cameraTableEdits_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QVariant>("typed");
        QTest::addColumn<bool>("imperial");
        QTest::addColumn<QString>("field");
        QTest::addColumn<double>("value");
        const auto row = [](const char* name, CameraColumn column, const QVariant& typed,
                            bool imperial, const char* field, double value) {
            QTest::newRow(name) << static_cast<int>(column) << typed << imperial << field << value;
        };
        row("focal", CameraColumn::Focal, u"8.5"_s, false, "focal", 8.5);
        row("focal not a number", CameraColumn::Focal, u"abc"_s, false, "", 0);
        row("focal zero", CameraColumn::Focal, u"0"_s, false, "", 0);
        row("level", CameraColumn::Level, 2, false, "level", 2);
        row("level out of range", CameraColumn::Level, 7, false, "", 0);
        row("pan below zero", CameraColumn::Pan, u"-90"_s, false, "pan", 270);
        row("height in feet", CameraColumn::Height, u"10"_s, true, "height", 3.048);
        row("target height zero", CameraColumn::TargetHeight, u"0"_s, false, "", 0);
        row("target height", CameraColumn::TargetHeight, u"1.5"_s, false, "target", 1.5);
        row("lens is not typed", CameraColumn::Lens, u"X"_s, false, "", 0);
    }
    void cameraTableEdits() {
        QFETCH(int, column);
        QFETCH(QVariant, typed);
        QFETCH(bool, imperial);
        QFETCH(QString, field);
        QFETCH(double, value);
        Site site = smallSite();
        site.units = imperial ? Units::Imperial : Units::Metric;
        // By its tilt: a typed target height moves the plane of its field and keeps the tilt.
        site.cameras[0].aim = Aim::Tilt;
        site.cameras[0].tiltDeg = 20;
        Plan plan(site);
        std::optional<SiteCamera> edited;
        CameraTableModel model(plan.document, plan.coverage,
                               [&](const ItemRef& ref, const SiteItem& item) {
                                   QCOMPARE(ref, (ItemRef{ItemKind::Camera, 0}));
                                   edited = std::get<SiteCamera>(item);
                               });
        const QModelIndex cell = model.index(0, column);
        const bool typeable = model.flags(cell) & Qt::ItemIsEditable;
        QCOMPARE(typeable && model.setData(cell, typed), !field.isEmpty());
        QCOMPARE(plan.document.site(), site);
        QCOMPARE(edited.has_value(), !field.isEmpty());
        if (!edited)
            return;
        QCOMPARE(edited->aim, Aim::Tilt);
        const double got = field == u"focal"_s    ? edited->focalMm
                           : field == u"level"_s  ? static_cast<int>(edited->level)
                           : field == u"pan"_s    ? edited->panDeg
                           : field == u"target"_s ? edited->targetHeightM
                                                  : edited->mountHeightM;
        QVERIFY2(near(got, value), qPrintable(QString::number(got)));
    }

    void areaTable() {
        Plan plan(smallSite());
        std::optional<SiteArea> edited;
        AreaTableModel model(
            plan.document, plan.coverage,
            [&](const ItemRef&, const SiteItem& item) { edited = std::get<SiteArea>(item); });
        QCOMPARE(firstRow(model), (QStringList{u"Door"_s, u"Identification"_s, u"4"_s, u"0"_s}));
        QVERIFY(model.setData(model.index(0, 1), 1));
        QCOMPARE(edited->level, Level(1)); // detection
        QVERIFY(!(model.flags(model.index(0, 2)) & Qt::ItemIsEditable));
        // The rows follow the document.
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        plan.document.insertItem({ItemKind::Area, 0}, smallSite().areas[0]);
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(model.rowCount(), 3);
    }

    // DXF: the site and each level's band rings (one band, cut at the wall); SVG: in level colour.
    void drawings() {
        const Site site = smallSite();
        const Plan plan(site);
        QCOMPARE(plan.coverage.footprint(0).bands.size(), std::size_t(1));
        const LevelBand& band = plan.coverage.footprint(0).bands.front();
        DxfCoverage expected{
            site.walls,
            {{u"Door"_s, site.areas[0].points}, {u"=Store"_s, site.areas[1].points}},
            {{u"Entrance"_s, {0, 0}, 0}},
            {},
            enLevels()};
        // One camera's best level is its band, as GEOS writes its rings again.
        DxfCoverage drawn = dxfCoverageOf(plan.deliverables());
        const plane::Geometry geometry;
        for (DxfLevelBands& level : drawn.bands) {
            double surface = 0;
            for (const std::vector<PlanPoint>& ring : level.polygons)
                surface += geometry.area(regionOf(ring));
            QVERIFY2(std::abs(surface - (level.level == band.level ? band.areaM2 : 0)) < 1e-6,
                     qPrintable(QString::number(surface)));
            level.polygons.clear();
            expected.bands.push_back({level.level, {}});
        }
        QCOMPARE(drawn, expected);

        const QTemporaryDir folder;
        const QString path = folder.filePath(u"site.svg"_s);
        QCOMPARE(saveSiteSvg(path, plan.deliverables()), std::nullopt);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString viewBox;
        QString fill;
        QStringList identification; // the paths drawn in the identification band's colour
        const QString colour = QColor::fromRgba(levelColour(EnIdentification)).name();
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"svg")
                viewBox = xml.attributes().value(u"viewBox"_s).toString();
            else if (xml.name() == u"g")
                fill = xml.attributes().value(u"fill"_s).toString();
            else if (xml.name() == u"path" && fill == colour)
                identification << xml.attributes().value(u"d"_s).toString();
        }
        QVERIFY(!xml.hasError());

        // All drawn, 3 % margin of the larger side, y negated: band to x = 4, corner (-10, -10).
        const QStringList box = viewBox.split(u' ');
        QCOMPARE(box.size(), 4);
        const double margin =
            (box[2].toDouble() - box[3].toDouble() > 0 ? box[2] : box[3]).toDouble() / 1.06 * 0.03;
        QVERIFY(qAbs(box[0].toDouble() - (-10 - margin)) < 1e-3);
        QVERIFY(qAbs(box[1].toDouble() + box[3].toDouble() - (10 + margin)) < 1e-3);

        QCOMPARE(identification.size(), 1);
        QCOMPARE(band.level, EnIdentification);
        const PlanPoint corner = band.shape.rings.front().front();
        QVERIFY2(identification.front().contains(
                     u"%1,%2"_s.arg(corner.x, 0, 'g', 6).arg(-corner.y, 0, 'g', 6)),
                 qPrintable(identification.front()));
    }

    // National grid: a 0.5 x 0.5 m area 500 km E, 5000 km N. The SVG counts from the nearest km
    // (named in its description), the DXF in plan coordinates; both give corners to the mm.
    void farFromTheOrigin_data() {
        QTest::addColumn<QString>("format");
        QTest::newRow("svg") << u"svg"_s;
        QTest::newRow("dxf") << u"dxf"_s;
    }

    void farFromTheOrigin() {
        QFETCH(QString, format);
        const std::vector<PlanPoint> corners{{500'000.123, 5'000'000.456},
                                             {500'000.623, 5'000'000.456},
                                             {500'000.623, 5'000'000.956},
                                             {500'000.123, 5'000'000.956}};
        Site site;
        site.areas = {SiteArea{u"Gate"_s, EnIdentification, corners}};
        const Plan plan(site);
        const QTemporaryDir folder;
        const QString path = folder.filePath(u"site."_s + format);
        std::vector<QPointF> written;
        if (format == u"svg"_s) {
            QCOMPARE(saveSiteSvg(path, plan.deliverables()), std::nullopt);
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QXmlStreamReader xml(&file);
            QPointF origin(NAN, NAN);
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                if (xml.name() == u"desc") {
                    const QRegularExpressionMatch from =
                        QRegularExpression(u"point (-?[0-9]+) m east, (-?[0-9]+) m north"_s)
                            .match(xml.readElementText());
                    QVERIFY(from.hasMatch());
                    origin = {from.captured(1).toDouble(), from.captured(2).toDouble()};
                } else {
                    // A path's points, or a polygon's: "x,y" after a command letter or a blank.
                    const QString data =
                        xml.attributes().value(u"d"_s) + u' ' + xml.attributes().value(u"points"_s);
                    for (const QString& pair :
                         QString(data)
                             .replace(QRegularExpression(u"[A-DF-Za-df-z]"_s), u" "_s)
                             .split(u' ', Qt::SkipEmptyParts)) {
                        const QStringList xy = pair.split(u',');
                        if (xy.size() == 2)
                            written.push_back(
                                {origin.x() + xy[0].toDouble(), origin.y() - xy[1].toDouble()});
                    }
                }
            }
            QVERIFY(!xml.hasError());
            QCOMPARE(origin, QPointF(500'000, 5'000'000));
        } else {
            QCOMPARE(saveDxf(path, dxfCoverageOf(plan.deliverables())), std::nullopt);
            const DxfReadResult read = readDxfFile(path);
            QCOMPARE(read.outcome, DxfReadResult::Outcome::Read);
            for (const DxfPolyline& polyline : read.drawing.polylines)
                for (const DxfVertex& vertex : polyline.vertices)
                    written.push_back(vertex.point);
        }
        for (const PlanPoint& corner : corners)
            QVERIFY2(std::any_of(written.begin(), written.end(),
                                 [&](const QPointF& point) {
                                     return std::abs(point.x() - corner.x) < 5e-4 &&
                                            std::abs(point.y() - corner.y) < 5e-4;
                                 }),
                     qPrintable(u"%1, %2"_s.arg(corner.x, 0, 'f', 3).arg(corner.y, 0, 'f', 3)));
    }
};

QTEST_MAIN(TestSiteDeliverables)
#include "tst_sitedeliverables.moc"
