// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dxf/dxfexport.h"
#include "dxf/dxfimport.h"
#include "report/reportfiles.h"
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

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QPdfDocument>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>
#include <array>
#include <cmath>
#include <tuple>

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

// A 20 x 12 m shop, closed by its walls: three cameras, a till, an aisle and a door to cover.
Site shop() {
    Site site;
    site.properties.project = u"Corner shop"_s;
    site.properties.client = u"Ann Lee"_s;
    site.properties.address = u"1 High St\nLeeds"_s;
    site.properties.revision = u"B"_s;
    site.properties.notes = u"Night shift"_s;
    site.walls = {SiteWall{{{-2, -6}, {18, -6}, {18, 6}, {-2, 6}, {-2, -6}}}};
    const std::tuple<QString, PlanPoint, double> cameras[] = {
        {u"Till"_s, {0, 0}, 0}, {u"Aisle"_s, {17, 5}, 200}, {u"Door"_s, {17, -5}, 160}};
    for (const auto& [name, at, pan] : cameras) {
        site.cameras.push_back(test::entranceCamera());
        site.cameras.back().name = name;
        site.cameras.back().position = at;
        site.cameras.back().panDeg = pan;
    }
    const std::vector<PlanPoint> till{{3, -0.5}, {5, -0.5}, {5, 0.5}, {3, 0.5}};
    site.areas = {SiteArea{u"Till"_s, EnIdentification, till, 0.7},
                  SiteArea{u"Aisle"_s, EnIdentification, till, 0.75},
                  SiteArea{u"Door"_s, EnIdentification, {{1, -1}, {3, -1}, {3, 1}, {1, 1}}}};
    return site;
}

// The file's bytes; none when it cannot be read, which the checks on them then fail.
QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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

    // Cover, plan, summary, camera pages, schedule, as searchable text; cancelled in setup, nothing
    // prints. The shop's extent, 21.2 x 13.2 m (20 x 12 m and 3 % each side), is wider than high:
    // across A4, 212 x 132 mm at 1:100 fits 267 mm less the legend, under the title.
    void report() {
        Plan plan(shop());
        const QTemporaryDir folder;
        const QString path = folder.filePath(u"site.pdf"_s);
        test::ScriptedDialogs dialogs;
        dialogs.answer(dialogs.Save, folder.filePath(u"site"_s)).answer(dialogs.Printer);
        QVERIFY(plan.exports.exportReport());

        const QStringList pages = pdfPages(path);
        QCOMPARE(pages.size(), 7);
        QVERIFY(pages[0].startsWith(u"Corner shop"_s) && pages[0].contains(u"Ann Lee"_s));
        // The legend, and the scale.
        QVERIFY(pages[1].contains(u"Identification"_s));
        QVERIFY2(pages[1].contains(u"Scale 1:100 on A4"_s), qPrintable(pages[1]));
        QPdfDocument pdf;
        pdf.load(path);
        QCOMPARE(pdf.pagePointSize(1).toSize(), QSize(842, 595));
        QCOMPARE(pdf.pagePointSize(2).toSize(), QSize(595, 842));
        QVERIFY(pages[2].startsWith(u"Summary"_s));
        for (const int camera : {0, 1, 2})
            QVERIFY(pages[3 + camera].startsWith(shop().cameras[std::size_t(camera)].name));
        QVERIFY(pages[6].startsWith(u"Schedule"_s));
        for (int i = 0; i < plan.coverage.areaCount(); ++i)
            QVERIFY(pages[6].contains(coveredText(plan.coverage.coverage(i).share)));
        QVERIFY(!plan.exports.printReport());
    }

    // The floor plan under the plan where the site lays it: 20 m over 100 pixels from (0, 10),
    // its middle (10, 4) the middle of the walls' extent; a hidden one is not drawn.
    void floorPlanUnder_data() {
        QTest::addColumn<bool>("visible");
        QTest::newRow("shown") << true;
        QTest::newRow("hidden") << false;
    }
    void floorPlanUnder() {
        QFETCH(bool, visible);
        Site site;
        site.walls = {SiteWall{{{0, -2}, {20, -2}, {20, 10}, {0, 10}, {0, -2}}}};
        site.storeys.front().background.emplace().scale = BackgroundScale{{0, 0}, {100, 0}, 20};
        site.storeys.front().background->offset = {0, 10};
        site.storeys.front().background->visible = visible;
        QImage floor(100, 60, QImage::Format_RGB32);
        floor.fill(Qt::red);
        const Plan plan(site);
        QImage drawn(400, 400, QImage::Format_RGB32);
        drawn.fill(Qt::white);
        QPainter painter(&drawn);
        paintSitePlan(painter, QRectF(0, 0, 400, 400), plan.deliverables(),
                      {BackgroundPicture(floor), std::nullopt, false});
        painter.end();
        // The plan fills the width, 400 px for 21.2 m: (10, 4) at (200, 6.6 x 400 / 21.2 = 124.5).
        QCOMPARE(drawn.pixelColor(200, 125) == Qt::red, visible);
    }

    // The largest standard scale at which an extent (m) fits a drawing area (mm). A4 landscape
    // between 15 mm margins is 267 x 180 mm.
    void standardScale_data() {
        QTest::addColumn<QSizeF>("extent");
        QTest::addColumn<QSizeF>("paper");
        QTest::addColumn<int>("scale");
        // The 20 x 12 m shop and 3 %: 212 x 132 mm at 1:100; 424 mm at 1:50 is too wide.
        QTest::newRow("shop on A4 landscape") << QSizeF(21.2, 13.2) << QSizeF(267, 180) << 100;
        QTest::newRow("shop on A4 portrait") << QSizeF(21.2, 13.2) << QSizeF(180, 267) << 200;
        // 300 mm at 1:1000 is wider than 267; 150 x 100 mm at 1:2000.
        QTest::newRow("300 m site") << QSizeF(300, 200) << QSizeF(267, 180) << 2000;
        QTest::newRow("exactly the paper at 1:100") << QSizeF(26.7, 18) << QSizeF(267, 180) << 100;
        QTest::newRow("a room") << QSizeF(1, 1) << QSizeF(267, 180) << 50;
        // 9 km: 1:50 000 gives 180 mm, one more than the 179 mm there is.
        QTest::newRow("county") << QSizeF(9000, 100) << QSizeF(179, 180) << 100'000;
        QTest::newRow("no paper") << QSizeF(20, 12) << QSizeF(0, 0) << 0;
        QTest::newRow("not a number") << QSizeF(NAN, 12) << QSizeF(267, 180) << 0;
    }
    void standardScale() {
        QFETCH(QSizeF, extent);
        QFETCH(QSizeF, paper);
        QFETCH(int, scale);
        QCOMPARE(planScale(extent, paper), scale);
    }

    // The cover names what is given, never an empty line; no project, "Site plan".
    void cover_data() {
        QTest::addColumn<bool>("given");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("lines");
        QTest::newRow("given") << true << u"Corner shop"_s
                               << u"Client: Ann Lee|Address: 1 High St\nLeeds|Revision: B|"
                                  u"Date: Thursday, 12 March 2026|Cameras: 3|Areas to cover: 3|"
                                  u"Notes: Night shift"_s;
        QTest::newRow("none given")
            << false << u"Site plan"_s
            << u"Date: Thursday, 12 March 2026|Cameras: 3|Areas to cover: 3"_s;
    }
    void cover() {
        QFETCH(bool, given);
        QFETCH(QString, heading);
        QFETCH(QString, lines);
        Site site = shop();
        if (!given)
            site.properties = {};
        const Plan plan(site);
        const ScheduleTable cover = plan.deliverables().cover(QDate(2026, 3, 12));
        QCOMPARE(cover.heading, heading);
        QStringList shown;
        for (const QStringList& row : cover.rows)
            shown << row.join(u": "_s);
        QCOMPARE(shown.join(u'|'), lines);
    }

    // A page a camera after cover, plan and summary, then one of schedule; notes longer than a
    // page go on over a second cover page.
    void pageCount_data() {
        QTest::addColumn<int>("cameras");
        QTest::addColumn<int>("notes");
        QTest::addColumn<int>("pages");
        QTest::newRow("none") << 0 << 1 << 4;
        QTest::newRow("one") << 1 << 1 << 5;
        QTest::newRow("notes over a page") << 1 << 120 << 6;
    }
    void pageCount() {
        QFETCH(int, cameras);
        QFETCH(int, notes);
        QFETCH(int, pages);
        Site site = shop();
        site.cameras.resize(std::size_t(cameras), test::entranceCamera());
        QStringList lines;
        for (int line = 1; line <= notes; ++line)
            lines << u"Note %1"_s.arg(line);
        site.properties.notes = lines.join(u'\n');
        const Plan plan(site);
        const QTemporaryDir folder;
        const QString path = folder.filePath(u"site.pdf"_s);
        QCOMPARE(saveReportPdf(path, siteReport(plan.deliverables(), QDate(2026, 3, 12)),
                               QPageSize(QPageSize::A4)),
                 std::nullopt);
        const QStringList written = pdfPages(path);
        QCOMPARE(written.size(), pages);
        const QString last = u"Note %1"_s.arg(notes);
        QVERIFY(written[notes > 1 ? 1 : 0].contains(last));
        QVERIFY(written[notes > 1 ? 1 : 0].startsWith(u"Corner shop"_s));
    }

    // The camera's page shows its view beside the plan, 400 x 225 at the aspect of its 4.8 x 2.7
    // mm picture: on paper at 96 dots an inch, 4.17 inches are 625 pixels at 150 an inch (352
    // high), none more than the camera's own; a camera with no view says why in the box.
    void cameraPageView_data() {
        QTest::addColumn<ImageSize>("image");
        QTest::addColumn<double>("mountM");
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<QString>("reason");
        QTest::newRow("1920 x 1080: print's 625 x 352")
            << ImageSize{1920, 1080} << 3.0 << QSize(625, 352) << QString();
        QTest::newRow("320 x 180: its own")
            << ImageSize{320, 180} << 3.0 << QSize(320, 180) << QString();
        QTest::newRow("on its floor: why") << ImageSize{1920, 1080} << 0.0 << QSize(0, 0)
                                           << u"The camera is not above its floor."_s;
    }
    void cameraPageView() {
        QFETCH(ImageSize, image);
        QFETCH(double, mountM);
        QFETCH(QSize, pixels);
        QFETCH(QString, reason);
        Site site = smallSite();
        site.cameras[0].camera.image = image;
        site.cameras[0].mountHeightM = mountM;
        const Plan plan(site);
        const QList<ReportDocument> report = siteReport(plan.deliverables(), QDate(2026, 3, 12));
        const ReportDocument& page = report.at(report.size() - 2);
        QCOMPARE(page.drawings.back().caption, u"View"_s);
        QCOMPARE(page.drawings.back().size, QSizeF(400, 225));

        QByteArray svg;
        QBuffer buffer(&svg);
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setResolution(96);
        QPainter painter(&generator);
        page.drawings.back().paint(painter, QRectF(QPointF(0, 0), page.drawings.back().size));
        painter.end();
        QXmlStreamReader xml(svg);
        QImage drawn;
        QString texts;
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement) {
                if (xml.name() == u"image")
                    drawn = QImage::fromData(QByteArray::fromBase64(
                        xml.attributes().value(u"xlink:href"_s).toLatin1().split(',').back()));
                else if (xml.name() == u"text")
                    texts += xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        QCOMPARE(drawn.size(), pixels);
        QCOMPARE(texts.simplified(), reason);
    }

    // Many cameras show the progress; its Cancel leaves no file, and says nothing.
    void reportCancelled() {
        Site site = shop();
        site.cameras.resize(21, test::entranceCamera());
        Plan plan(site);
        const QTemporaryDir folder;
        test::ScriptedDialogs dialogs;
        dialogs.answer(dialogs.Save, folder.filePath(u"site.pdf"_s));
        bool shown = false;
        QTimer::singleShot(0, &plan.window, [&] {
            auto* progress = plan.window.findChild<QProgressDialog*>(u"ReportProgress"_s);
            QVERIFY(progress);
            shown = progress->isVisible();
            progress->cancel();
        });
        QVERIFY(!plan.exports.exportReport());
        QVERIFY(shown);
        QVERIFY(QDir(folder.path()).isEmpty());
    }

    // Tilt atan(1.3 / 10) = 7.41°; 237.997 px/m at the aim: recognition (125), not identification
    // (250). The door lies before the view's near edge at 3.555 m: 0 %.
    void scheduleCsv() {
        const Plan plan(smallSite());
        const QByteArray expected = "\xEF\xBB\xBF"
                                    "Name,X (m),Y (m),Height (m),Pan (\xC2\xB0),Tilt (\xC2\xB0),"
                                    "Lens,Focal (mm),Level wanted,Level at aim\r\n"
                                    "Entrance,0,0,3,0,7.4,T6000,6,Identification,Recognition\r\n"
                                    "\r\n"
                                    "Name,Level required,Required (%),Covered (%),Met\r\n"
                                    "Door,Identification,100,0,no\r\n"
                                    "'=Store,Detection,100,0,no\r\n";
        QCOMPARE(plan.deliverables().scheduleCsv(), expected);
    }

    // The shop's rows. Till and aisle areas, 3-5 m ahead of the till camera, are seen from the
    // near edge at 3.5549 m (identification to 9.5 m): (5 - 3.5549) / 2 = 72.25 %, read 72.2,
    // met against 70 %, not against 75 %.
    void shopRows_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("cells");
        QTest::newRow("camera turned")
            << u"cameras"_s << 1 << u"Aisle|17|5|3|200|7.4|T6000|6|Identification|Recognition"_s;
        QTest::newRow("area met") << u"areas"_s << 0 << u"Till|Identification|70|72.2|yes"_s;
        QTest::newRow("area short") << u"areas"_s << 1 << u"Aisle|Identification|75|72.2|no"_s;
        QTest::newRow("area unseen") << u"areas"_s << 2 << u"Door|Identification|100|0|no"_s;
        QTest::newRow("summary") << u"summary"_s << 1 << u"Areas met|1 of 3"_s;
        QTest::newRow("summary area")
            << u"summary"_s << 3
            << u"Aisle|Not met: 72.2 % covered, 75 % required at Identification"_s;
    }
    void shopRows() {
        QFETCH(QString, table);
        QFETCH(int, row);
        QFETCH(QString, cells);
        const Plan plan(shop());
        const QLocale locale = QLocale::c();
        const ScheduleTable rows = table == u"cameras"_s
                                       ? plan.deliverables().cameraSchedule(locale)
                                   : table == u"areas"_s ? plan.deliverables().areaSchedule(locale)
                                                         : plan.deliverables().summary(locale);
        QCOMPARE(rows.rows.value(row).join(u'|'), cells);
    }

    void cameraTable_data() {
        QTest::addColumn<std::optional<double>>("tele");
        QTest::addColumn<std::optional<double>>("tilt");
        QTest::addColumn<QString>("cells");
        QTest::addColumn<QString>("unit");
        // No wall: 31.6736 m² = 340.93 ft²; 237.997 px/m = 72.541 px/ft, tele 2379.97 = 725.41.
        QTest::newRow("imperial zoom")
            << std::optional<double>(60) << std::optional<double>()
            << "Entrance|T6000|6 - 60|Identification|72.5 - 725.4|340.9|0|9.84|5.58|Storey 1"
            << "ft";
        // Tilted 30°: field 1.40976-4.16881 m, keystone 0.8 (cos 30° (4.16881² - 1.40976²) / 2 +
        // 0.65 x 2.75905) = 6.7664 m², 257.78 px/m; target height sets the plane.
        QTest::newRow("aimed by a tilt")
            << std::optional<double>() << std::optional<double>(30)
            << "Entrance|T6000|6|Identification|257.7|6.7|0|3|1.7|Storey 1"
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
        QCOMPARE(firstRow(model),
                 (QStringList{u"Door"_s, u"Identification"_s, u"4"_s, u"0"_s, u"Storey 1"_s}));
        QVERIFY(model.setData(model.index(0, 1), 1));
        QCOMPARE(edited->level, Level(1)); // detection
    }

    // Areas that come or go together reach the table a run of rows at a time, numbered as the
    // document numbers them then (insertions first run first, removals last run first), and the
    // coverage keeps each area's surface at its place. Squares A to D of sides 1 to 4 m.
    void tableRowsFollowBatches_data() {
        QTest::addColumn<QList<int>>("inserted"); // none: `removed` go
        QTest::addColumn<QList<int>>("removed");
        QTest::addColumn<QString>("runs");
        QTest::addColumn<QString>("names");
        QTest::newRow("in two runs") << QList<int>{3, 0, 2} << QList<int>{} << "0-0 2-3"
                                     << "Y A Z X B C D";
        QTest::newRow("at the end") << QList<int>{5, 4} << QList<int>{} << "4-5"
                                    << "A B C D Y X";
        QTest::newRow("out in two runs") << QList<int>{} << QList<int>{3, 0, 1} << "3-3 0-1"
                                         << "C";
        QTest::newRow("out, twice named and beyond") << QList<int>{} << QList<int>{2, 2, 7} << "2-2"
                                                     << "A B D";
    }
    void tableRowsFollowBatches() {
        QFETCH(QList<int>, inserted);
        QFETCH(QList<int>, removed);
        QFETCH(QString, runs);
        QFETCH(QString, names);
        const auto square = [](const QString& name, double side) {
            return SiteArea{name, 1, {{0, 0}, {side, 0}, {side, side}, {0, side}}};
        };
        Site site;
        for (int i = 0; i < 4; ++i)
            site.areas.push_back(square(QString(QChar(u'A' + i)), i + 1));
        Plan plan(site);
        AreaTableModel model(plan.document, plan.coverage, [](const ItemRef&, const SiteItem&) {});
        QStringList signalled;
        for (const auto signal :
             {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
            connect(&model, signal, this, [&](const QModelIndex&, int first, int last) {
                signalled << QStringLiteral("%1-%2").arg(first).arg(last);
            });
        std::vector<std::pair<ItemRef, SiteItem>> items;
        for (int i = 0; i < inserted.size(); ++i)
            items.emplace_back(ItemRef{ItemKind::Area, inserted[i]},
                               square(QString(QChar(u'X' + i)), 5 + i));
        std::vector<ItemRef> refs;
        for (const int index : removed)
            refs.push_back({ItemKind::Area, index});
        if (inserted.isEmpty())
            plan.document.removeItems(refs);
        else
            plan.document.insertItems(items);
        QCOMPARE(signalled.join(u' '), runs);
        QStringList rows;
        for (int row = 0; row < model.rowCount(); ++row)
            rows << model.index(row, 0).data().toString();
        QCOMPARE(rows.join(u' '), names);
        QCOMPARE(plan.coverage.areaCount(), model.rowCount());
        for (int i = 0; i < plan.coverage.areaCount(); ++i)
            QCOMPARE(plan.coverage.surface(i),
                     std::pow(plan.document.site().areas[std::size_t(i)].points[1].x, 2));
    }

    // DXF: the site and each level's band rings (one band, cut at the wall); SVG: in level colour.
    void drawings() {
        const Site site = smallSite();
        const Plan plan(site);
        QCOMPARE(plan.coverage.footprint(0).bands.size(), std::size_t(1));
        const LevelBand& band = plan.coverage.footprint(0).bands.front();
        DxfCoverage expected{
            site.walls, {{u"Door"_s, site.areas[0].points}, {u"=Store"_s, site.areas[1].points}},
            {},         {{u"Entrance"_s, {0, 0}, 0}},
            {},         enLevels(),
            {}};
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
        QXmlStreamReader xml(contents(path));
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

        // Extent x -10..4, y -10..4 (the areas' corner, the wall), framed as it is; y negated.
        QCOMPARE(viewBox, u"-10 -4 14 14"_s);

        QCOMPARE(identification.size(), 1);
        QCOMPARE(band.level, EnIdentification);
        const PlanPoint corner = band.shape.rings.front().front();
        QVERIFY2(identification.front().contains(
                     u"%1,%2"_s.arg(corner.x, 0, 'g', 6).arg(-corner.y, 0, 'g', 6)),
                 qPrintable(identification.front()));
    }

    // The small site with a second storey, "First & Roof", holding a copy of the camera looking
    // west. A site of two storeys names them in the schedule,
    // on the report's plan and camera pages, in the DXF's layers and the SVG's groups.
    void storeys_data() {
        QTest::addColumn<bool>("two");
        QTest::addColumn<QString>("csvHead"); // from the byte order mark on
        QTest::addColumn<QStringList>("planTitles");
        QTest::addColumn<QStringList>("layers"); // among the DXF's
        QTest::addColumn<QStringList>("groups"); // the SVG's storeys
        QTest::newRow("one storey")
            << false << u"\uFEFFName,X (m)"_s << QStringList{u"Site plan"_s}
            << QStringList{u"VISTARO-WALLS"_s, u"VISTARO-DETECTION"_s} << QStringList{};
        QTest::newRow("two storeys")
            << true << u"\uFEFFName,Storey,X (m)"_s
            << QStringList{u"Site plan: Storey 1"_s, u"Site plan: First & Roof"_s}
            << QStringList{u"VISTARO-WALLS-STOREY_1"_s, u"VISTARO-CAMERAS-FIRST___ROOF"_s,
                           u"VISTARO-IDENTIFICATION-FIRST___ROOF"_s}
            << QStringList{u"Storey 1"_s, u"First & Roof"_s};
    }
    void storeys() {
        QFETCH(bool, two);
        QFETCH(QString, csvHead);
        QFETCH(QStringList, planTitles);
        QFETCH(QStringList, layers);
        QFETCH(QStringList, groups);
        Site site = smallSite();
        if (two) {
            site.storeys.push_back({u"First & Roof"_s, 3.5, 3.5, {}});
            site.cameras.push_back(site.cameras[0]);
            site.cameras[1].name = u"Upstairs"_s;
            site.cameras[1].storey = 1;
            site.cameras[1].panDeg = 180;
        }
        const Plan plan(site);
        const SiteDeliverables deliverables = plan.deliverables();
        QVERIFY(deliverables.scheduleCsv().startsWith(csvHead.toUtf8()));
        if (two)
            QCOMPARE(deliverables.cameraSchedule(QLocale()).rows.at(1).at(1), u"First & Roof"_s);
        QCOMPARE(deliverables.summary(QLocale()).rows.at(2).at(0),
                 two ? u"Door (Storey 1)"_s : u"Door"_s);
        const QList<ReportDocument> report = siteReport(deliverables, QDate(2026, 3, 12));
        QStringList titles;
        for (const ReportDocument& page : report.mid(1)) // after the cover
            if (page.title.startsWith(u"Site plan"_s))
                titles << page.title;
        QCOMPARE(titles, planTitles);
        const ReportDocument& upstairs = report.at(report.size() - 2);
        QCOMPARE(upstairs.sections.front().rows.front().label == u"Storey"_s, two);

        // Each storey's map is its cameras': the one below looks east to its wall, the one above
        // west, its field from 3.55 m on.
        const DxfCoverage drawing = dxfCoverageOf(deliverables);
        std::array<double, 2> east{-INFINITY, -INFINITY};
        for (const DxfLevelBands& bands : drawing.bands)
            for (const std::vector<PlanPoint>& ring : bands.polygons)
                for (const PlanPoint& point : ring)
                    east.at(std::size_t(bands.storey)) =
                        std::max(east.at(std::size_t(bands.storey)), point.x);
        QVERIFY(near(east[0], 4));
        QVERIFY(east[1] < -3);
        QCOMPARE(east[1] > -20, two);
        const QTemporaryDir folder;
        QCOMPARE(saveDxf(folder.filePath(u"site.dxf"_s), drawing), std::nullopt);
        const QStringList lines =
            QString::fromUtf8(contents(folder.filePath(u"site.dxf"_s))).split(u"\n"_s);
        for (const QString& layer : layers)
            QVERIFY2(lines.contains(layer), qPrintable(layer));

        QCOMPARE(saveSiteSvg(folder.filePath(u"site.svg"_s), deliverables), std::nullopt);
        QXmlStreamReader xml(contents(folder.filePath(u"site.svg"_s)));
        QStringList titled;
        bool inStorey = false;
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement) {
                if (xml.name() == u"g")
                    inStorey = xml.attributes().value(u"id"_s).startsWith(u"storey-"_s);
                else if (xml.name() == u"title" && inStorey)
                    titled << xml.readElementText();
            }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(titled, groups);
    }

    // Shop 20 x 12 m, its camera's bands ~100 m out through the door: framed as it is, where the
    // bands drawn end; the camera's figures keep its whole view. The SVG at 1:100: 20 x 12 m is
    // 200 x 120 mm; over a picture embedded (0.05 m a pixel, top left at (0, 12)) that widens the
    // frame when wider: 40 x 24 m, 400 x 240 mm.
    void extentAndScale_data() {
        QTest::addColumn<QSize>("picture"); // in pixels; empty for none
        QTest::addColumn<QString>("size");
        QTest::newRow("shop") << QSize() << u"200mm 120mm"_s;
        QTest::newRow("shop on its plan") << QSize(400, 240) << u"200mm 120mm"_s;
        QTest::newRow("shop on a wider plan") << QSize(800, 480) << u"400mm 240mm"_s;
    }

    void extentAndScale() {
        QFETCH(QSize, picture);
        QFETCH(QString, size);
        Site site = test::shopWithOpenDoor();
        site.storeys.front().background.emplace().scale = BackgroundScale{{0, 0}, {100, 0}, 5};
        site.storeys.front().background->offset = {0, 12};
        Plan plan(site);
        QVERIFY(plan.coverage.footprint(0).cover.reach.front().right() > 80);
        const SiteDeliverables deliverables = plan.deliverables();
        const QRectF bounds = deliverables.planBounds();
        QCOMPARE(bounds, QRectF(0, 0, 20, 12));
        double east = -INFINITY;
        for (const PlanShape& best : deliverables.bestLevels())
            for (const std::vector<PlanPoint>& ring : best.rings)
                for (const PlanPoint& point : ring)
                    east = std::max(east, point.x);
        QVERIFY(near(east, 20));

        QImage image(picture.isEmpty() ? QSize(1, 1) : picture, QImage::Format_RGB32);
        image.fill(Qt::white);
        const BackgroundPicture shown(image);
        SiteExports exports(
            plan.window, plan.document, plan.coverage, [] { return QString(); },
            [&](int) { return picture.isEmpty() ? BackgroundPicture() : shown; });
        const QTemporaryDir folder;
        test::ScriptedDialogs dialogs;
        dialogs.answer(dialogs.Save, folder.filePath(u"shop.svg"_s));
        QVERIFY(exports.exportSvg());
        const QString svg = QString::fromUtf8(contents(folder.filePath(u"shop.svg"_s)));
        const QStringList mm = size.split(u' ');
        QVERIFY(svg.contains(u"width=\"%1\" height=\"%2\""_s.arg(mm[0], mm[1])));
        QVERIFY(svg.contains(u"<title>Site plan, 1:100</title>"_s));
        QCOMPARE(svg.count(u"<image"_s), int(!picture.isEmpty()));
    }

    // National grid: a 0.5 x 0.5 m area 500 km E, 5000 km N. The SVG counts from the site's
    // reference point, else from the nearest km (named in its description), the DXF in plan
    // coordinates; all give corners to the mm, of an area or of an obstacle.
    void farFromTheOrigin_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<std::optional<PlanPoint>>("reference");
        QTest::addColumn<QPointF>("origin"); // of the SVG
        QTest::addColumn<bool>("obstacle");
        const QPointF kilometre(500'000, 5'000'000);
        QTest::newRow("svg") << u"svg"_s << std::optional<PlanPoint>() << kilometre << false;
        QTest::newRow("svg, reference")
            << u"svg"_s << std::optional(PlanPoint{499'987.625, 4'999'990.5})
            << QPointF(499'987.625, 4'999'990.5) << false;
        QTest::newRow("dxf") << u"dxf"_s << std::optional<PlanPoint>() << QPointF() << false;
        QTest::newRow("svg, an obstacle")
            << u"svg"_s << std::optional<PlanPoint>() << kilometre << true;
        QTest::newRow("dxf, an obstacle")
            << u"dxf"_s << std::optional<PlanPoint>() << QPointF() << true;
    }

    void farFromTheOrigin() {
        QFETCH(QString, format);
        QFETCH(std::optional<PlanPoint>, reference);
        QFETCH(QPointF, origin);
        QFETCH(bool, obstacle);
        const std::vector<PlanPoint> corners{{500'000.123, 5'000'000.456},
                                             {500'000.623, 5'000'000.456},
                                             {500'000.623, 5'000'000.956},
                                             {500'000.123, 5'000'000.956}};
        Site site;
        if (obstacle)
            site.obstacles = {SiteObstacle{u"Kiosk"_s, corners, 0, 2.5}};
        else
            site.areas = {SiteArea{u"Gate"_s, EnIdentification, corners}};
        site.properties.reference = reference;
        const Plan plan(site);
        const QTemporaryDir folder;
        const QString path = folder.filePath(u"site."_s + format);
        std::vector<QPointF> written;
        if (format == u"svg"_s) {
            QCOMPARE(saveSiteSvg(path, plan.deliverables()), std::nullopt);
            QXmlStreamReader xml(contents(path));
            QPointF from(NAN, NAN);
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                if (xml.name() == u"desc") {
                    const QRegularExpressionMatch named =
                        QRegularExpression(u"point (-?[0-9.]+) m east, (-?[0-9.]+) m north"_s)
                            .match(xml.readElementText());
                    QVERIFY(named.hasMatch());
                    from = {named.captured(1).toDouble(), named.captured(2).toDouble()};
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
                                {from.x() + xy[0].toDouble(), from.y() - xy[1].toDouble()});
                    }
                }
            }
            QVERIFY(!xml.hasError());
            QCOMPARE(from, origin);
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
