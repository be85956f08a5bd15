// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dxf/dxfexport.h"
#include "dxf/dxfimport.h"
#include "site/planfigures.h"
#include "site/plangeometry.h"
#include "site/sitefile.h"
#include "siteplan/areatablemodel.h"
#include "siteplan/backgroundpicture.h"
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
        for (Level level = 0; level < enLevels().size(); ++level)
            expected.bands.push_back(
                {level, level == band.level ? band.shape.rings : decltype(band.shape.rings){}});
        QCOMPARE(dxfCoverageOf(plan.deliverables()), expected);

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

        // Extent x -10..4, y -10..4 (the areas' corner, the wall), 2 m round it; y negated.
        QCOMPARE(viewBox, u"-12 -6 18 18"_s);

        QCOMPARE(identification.size(), 1);
        QCOMPARE(band.level, EnIdentification);
        const PlanPoint corner = band.shape.rings.front().front();
        QVERIFY2(identification.front().contains(u"M%1,%2"_s.arg(corner.x).arg(-corner.y).left(6)),
                 qPrintable(identification.front()));
    }

    // Shop 20 x 12 m, its camera's bands ~100 m out through the door: framed with 2 m round it
    // (a tenth of 20 m is less), where the bands drawn end; the camera's figures keep its whole
    // view. The SVG at 1:100: 24 x 16 m is 240 x 160 mm; over a picture embedded (0.05 m a pixel,
    // top left at (0, 12)) that widens the frame when wider: 40 x 24 m, 4 m round, 480 x 320 mm.
    void extentAndScale_data() {
        QTest::addColumn<QSize>("picture"); // in pixels; empty for none
        QTest::addColumn<QString>("size");
        QTest::newRow("shop") << QSize() << u"240mm 160mm"_s;
        QTest::newRow("shop on its plan") << QSize(400, 240) << u"240mm 160mm"_s;
        QTest::newRow("shop on a wider plan") << QSize(800, 480) << u"480mm 320mm"_s;
    }

    void extentAndScale() {
        QFETCH(QSize, picture);
        QFETCH(QString, size);
        Site site = test::shopWithOpenDoor();
        site.background.emplace().scale = BackgroundScale{{0, 0}, {100, 0}, 5};
        site.background->offset = {0, 12};
        Plan plan(site);
        QVERIFY(plan.coverage.footprint(0).cover.reach.front().right() > 80);
        const SiteDeliverables deliverables = plan.deliverables();
        const QRectF bounds = deliverables.planBounds();
        QCOMPARE(bounds, QRectF(-2, -2, 24, 16));
        double east = -INFINITY;
        for (Level level = 0; level < site.levelSet.size(); ++level)
            for (const PlanShape* band : deliverables.bandsAt(level))
                for (const std::vector<PlanPoint>& ring : band->rings)
                    for (const PlanPoint& point : ring)
                        east = std::max(east, point.x);
        QVERIFY(near(east, 22));
        QCOMPARE(
            plan.coverage.areaAtLevel(0, 0),
            PlanGeometry().footprint(site.cameras[0], site.levelSet, site.walls).areaAtLevel(0));

        QImage image(picture.isEmpty() ? QSize(1, 1) : picture, QImage::Format_RGB32);
        image.fill(Qt::white);
        const BackgroundPicture shown(image);
        SiteExports exports(
            plan.window, plan.document, plan.coverage, [] { return QString(); },
            [&]() { return picture.isEmpty() ? nullptr : &shown; });
        const QTemporaryDir folder;
        test::ScriptedDialogs dialogs;
        dialogs.answer(dialogs.Save, folder.filePath(u"shop.svg"_s));
        QVERIFY(exports.exportSvg());
        QFile file(folder.filePath(u"shop.svg"_s));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString svg = QString::fromUtf8(file.readAll());
        const QStringList mm = size.split(u' ');
        QVERIFY(svg.contains(u"width=\"%1\" height=\"%2\""_s.arg(mm[0], mm[1])));
        QVERIFY(svg.contains(u"<title>Site plan, 1:100</title>"_s));
        QCOMPARE(svg.count(u"<image"_s), int(!picture.isEmpty()));
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
