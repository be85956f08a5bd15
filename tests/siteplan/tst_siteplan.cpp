// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dxf/dxfimport.h"
#include "dxf/dxfsummary.h"
#include "optics/coverageformat.h"
#include "optics/coveragesettings.h"
#include "platform/settingspath.h"
#include "preview/preview.h"
#include "render/camerarays.h"
#include "site/footprint.h"
#include "site/labelplacement.h"
#include "site/plancoordinates.h"
#include "site/plangeometry.h"
#include "site/sitefile.h"
#include "siteplan/areatablemodel.h"
#include "siteplan/camerapanel.h"
#include "siteplan/cameratablemodel.h"
#include "siteplan/cameraviewwindow.h"
#include "siteplan/dxflayersdialog.h"
#include "siteplan/dxfplan.h"
#include "siteplan/dxftextpainter.h"
#include "siteplan/plancolours.h"
#include "siteplan/planimport.h"
#include "siteplan/sitedrawings.h"
#include "siteplan/siteplan.h"
#include "siteplan/storeysdialog.h"
#include "support/messageboxanswer.h"
#include "support/reportrows.h"
#include "support/scripteddialogs.h"
#include "support/siteexample.h"
#include "support/testparts.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLockFile>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollArea>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <QWheelEvent>
#include <algorithm>
#include <functional>

using namespace vistaro;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(vistaro::PlanPoint)
Q_DECLARE_METATYPE(vistaro::DxfText)

namespace {

constexpr std::chrono::milliseconds Interval{40};
const QString PlanDxf = QStringLiteral(VISTARO_DXF_DATA_DIR "/plan.dxf");

// The main window as the site plan asks it, which these tests never need.
class QuietHost : public SitePlanHost {
public:
    void showInCoverage(const SiteCamera&, const LevelSet&) override {}
};

// While it lives, the file dialogs answer `picked`; the other questions are scripted.
class PlanDialogs : public test::ScriptedDialogs {
public:
    QString picked;

    QString openFile(QWidget*, const QString&, const QString&, const QString&) override {
        return picked;
    }
    QString saveFile(QWidget*, const QString&, const QString&, const QString&) override {
        return picked;
    }
};

class Cancelling : public LoadProgress {
public:
    explicit Cancelling(int& steps) : m_steps(steps) {}
    bool step(qint64, qint64) override {
        ++m_steps;
        return false;
    }

private:
    int& m_steps;
};

SiteCamera camera(const char* name, PlanPoint at) {
    SiteCamera camera;
    camera.name = QLatin1String(name);
    camera.position = at;
    return camera;
}

// Two cameras, a wall between, an area before the first; one level (to 9.6 m): a clickable scale.
Site sample() {
    Site site;
    site.levelSet = plateLevels({});
    site.cameras = {camera("Entrance", {0, 0}), camera("Yard", {10, 6})};
    site.walls = {SiteWall{{{4, -4}, {4, 4}}}};
    site.areas = {SiteArea{QStringLiteral("Door"), 0, {{1, -1}, {3, -1}, {3, 1}, {1, 1}}}};
    for (SiteCamera& camera : site.cameras)
        camera.level = 0;
    return site;
}

// The sample with a shelf 0.2 m to 2 m up, north of the cameras (2 m²), and a counter of
// 2 x 1.99 / 2 = 1.99 m².
Site shelves() {
    Site site = sample();
    site.obstacles = {SiteObstacle{u"Shelf"_s, {{1, 6}, {5, 6}, {5, 6.5}, {1, 6.5}}, 0.2, 2},
                      SiteObstacle{u"Counter"_s, {{8, 5}, {10, 5}, {9, 6.99}}, 0, 1.1}};
    return site;
}

// The sample on a ground floor, its second camera ("Yard") on a first floor 3 m up.
Site twoStoreys() {
    Site site = sample();
    site.storeys.resize(2);
    site.storeys[0].name = u"Ground"_s;
    site.storeys[1].name = u"First"_s;
    site.storeys[1].elevationM = 3;
    site.cameras[1].storey = 1;
    return site;
}

// The camera and the wall of the site on show, as "x y pan; x y, x y, ...".
QString cameraAndWall(const Site& site) {
    const auto number = [](double value) { return QString::number(value, 'g', 6); };
    const SiteCamera& camera = site.cameras.at(0);
    QStringList points;
    for (const PlanPoint& point : site.walls.at(0).points)
        points << number(point.x) + u' ' + number(point.y);
    return number(camera.position.x) + u' ' + number(camera.position.y) + u' ' +
           number(camera.panDeg) + u"; "_s + points.join(u", "_s);
}

// Items as "name storey, name storey".
template <typename Items> QString storeyed(const Items& items) {
    QStringList names;
    for (const auto& item : items)
        names << item.name + u' ' + QString::number(item.storey);
    return names.join(u", "_s);
}

// Presses `key` as QKeySequence spells it ("Ctrl+Left") in `widget`.
void press(QWidget* widget, const QString& key) {
    const QKeyCombination pressed = QKeySequence::fromString(key)[0];
    QTest::keyClick(widget, pressed.key(), pressed.keyboardModifiers());
}

// Points as "x y, x y", to 9 digits.
QString pointsText(const std::vector<PlanPoint>& points) {
    QStringList text;
    for (const PlanPoint& point : points)
        text << u"%1 %2"_s.arg(point.x, 0, 'g', 9).arg(point.y, 0, 'g', 9);
    return text.join(u", "_s);
}

PlanPoint pointOf(const QString& xy) {
    return {xy.section(u' ', 0, 0).toDouble(), xy.section(u' ', 1, 1).toDouble()};
}

// A LINE entity on `layer` from `a` to `b`, in group codes.
QByteArray dxfLine(const QByteArray& layer, PlanPoint a, PlanPoint b) {
    const auto n = [](double value) { return QByteArray::number(value, 'f', 3); };
    return "0\nLINE\n8\n" + layer + "\n10\n" + n(a.x) + "\n20\n" + n(a.y) + "\n11\n" + n(b.x) +
           "\n21\n" + n(b.y) + "\n";
}

bool near(double a, double b, double within = 1e-9) {
    return std::abs(a - b) <= within;
}

// The box of the dark pixels of a text drawn in black on white, 400 x 240 pixels, the drawing's
// origin at the top left corner, 40 pixels a unit.
QRect inkOf(const DxfText& text) {
    QImage image(400, 240, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(40, 40);
    painter.setPen(QPen(Qt::black, 0));
    QFont font;
    font.setPixelSize(100);
    paintDxfText(painter, text, font);
    painter.end();
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// A camera 3 m up at the origin looking east 30° down, its picture 12.7° above and below its
// axis: it sees the floor from 3.25 m to 9.6 m east, and the target 1.7 m above it up to 4.18 m.
// The area "Door" lies along its axis (its person far off, at its centre); a wall runs east 2 m
// north of it.
Site lookingDown(Units units) {
    Site site;
    site.units = units;
    SiteCamera looking = camera("Down", {0, 0});
    looking.aim = Aim::Tilt;
    looking.tiltDeg = 30;
    site.cameras = {looking};
    site.walls = {SiteWall{{{2, 2}, {12, 2}}}};
    site.areas = {SiteArea{u"Door"_s, 0, {{3, -1}, {20, -1}, {20, 1}, {3, 1}}}};
    return site;
}

} // namespace

// The site plan window alone, files and unsaved copy in a test folder, DXF and PDF under the plan.
class TestSitePlan : public QObject {
    Q_OBJECT

    QuietHost m_host;
    std::unique_ptr<CoverageSettings> m_settings;
    std::unique_ptr<SitePlan> m_plan;
    PlanDialogs m_dialogs;
    QTemporaryDir m_dir;

    SitePlan& plan() const { return *m_plan; }
    PlanView& view() const { return m_plan->planView(); }
    QWidget* viewport() const { return view().viewport(); }
    const Site& site() const { return m_plan->document().site(); }
    QPoint at(const PlanPoint& point) const { return view().viewportAt(point); }
    template <typename T> T* child(const char* name) const {
        return m_plan->findChild<T*>(QLatin1String(name));
    }
    QAction* action(const char* name) const { return child<QAction>(name); }
    QTableView* table(const char* name) const { return child<QTableView>(name); }
    // The pixels a metre on screen, to tell the plan's metres from a distance dragged.
    double metres(int pixels) const { return pixels / view().scale(); }

    // A fresh window on no file, its copy written quickly; the last one goes unclosed (a crash).
    void start() {
        m_plan.reset();
        // Size and docks left by an earlier window or run would move the plan on screen.
        windowSettings()->remove(u"SitePlan"_s);
        m_plan = std::make_unique<SitePlan>(m_host, *m_settings, std::make_unique<PlanGeometry>());
        m_plan->resize(1000, 700);
        m_plan->show();
        m_plan->recovery().setFolder(path(u"data"_s));
        m_plan->recovery().setInterval(Interval);
        QApplication::setActiveWindow(m_plan.get());
        QVERIFY(QTest::qWaitForWindowActive(m_plan.get()));
    }
    // A fresh window showing `site` from the file "sample.vistaro", as saved.
    void open(const Site& shown = sample()) {
        start();
        QCOMPARE(SiteFile::save(path(u"sample.vistaro"_s), shown), std::nullopt);
        QVERIFY(m_plan->openFile(path(u"sample.vistaro"_s)));
        view().setFocus();
    }

    // At 40 pixels a metre.
    void zoomTo40() const { view().zoomBy(40 / view().scale()); }
    const std::optional<SiteBackground>& background() const {
        return site().storeys.front().background;
    }
    void chooseLayers(const LayerChoice& choice) {
        plan().planImport().setLayerAsker(
            [choice](QWidget*, const DxfDrawing&, const QStringList&) {
                return std::optional(choice);
            });
    }
    // Runs `answer` in the modal dialog named `name` once `trigger` opens it.
    void answerDialog(const char* trigger, const QString& name,
                      const std::function<void(QDialog&)>& answer) {
        QTimer::singleShot(0, this, [name, answer] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog && dialog->objectName() == name);
            answer(*dialog);
        });
        action(trigger)->trigger();
    }

    QString path(const QString& name) const { return m_dir.filePath(name); }
    // The camera view, opened on the camera of row `row` of the table (none for -1), drawn.
    CameraViewWindow& cameraView(int row) {
        if (row >= 0)
            table("CameraTable")->selectRow(row);
        else
            view().select({});
        action("ViewFromCamera")->trigger();
        auto* window = plan().findChild<CameraViewWindow*>(u"CameraView"_s);
        if (!window)
            QTest::qFail("no camera view", __FILE__, __LINE__);
        QApplication::processEvents();
        return *window;
    }
    static ViewPicture& pictureOf(const CameraViewWindow& window) {
        return *window.findChild<ViewPicture*>(u"CameraViewImage"_s);
    }
    QString copy() const { return path(u"data/recovery.vistaro"_s); }
    QByteArray shown() const { return siteToJson(site()); }
    QByteArray copied() const {
        const SiteRead read = SiteFile::read(copy());
        return read.site ? siteToJson(*read.site) : QByteArray();
    }
    // Long enough for several writes of the copy, had any been due.
    static void idle() { QTest::qWait(int(Interval.count()) * 5); }
    Site saved(const QString& name) const {
        return SiteFile::read(path(name)).site.value_or(Site{});
    }

    void drag(const QPoint& from, const QPoint& to) const {
        QTest::mousePress(viewport(), Qt::LeftButton, {}, from);
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(viewport(), from + (to - from) * step / 4);
        QTest::mouseRelease(viewport(), Qt::LeftButton, {}, to);
    }
    void clickAt(const PlanPoint& point) const {
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, at(point));
    }

    // Loads `file` as the background, every question answered by the tests' askers.
    void load(const QString& file) {
        m_dialogs.picked = file;
        action("LoadBackground")->trigger();
    }
    BackgroundPicture shownPicture() {
        auto picture = plan().planImport().picture(*background());
        const auto* shown = std::get_if<BackgroundPicture>(&picture);
        return shown ? *shown : BackgroundPicture();
    }
    // A PDF of `pages` pages of `points` each, at 72 points an inch.
    QString pdf(const QString& name, QSize points, int pages) {
        const QString file = path(name);
        QPdfWriter writer(file);
        writer.setPageSize(QPageSize(points, QPageSize::Point, {}, QPageSize::ExactMatch));
        writer.setPageMargins({});
        QPainter painter(&writer);
        for (int page = 1; page <= pages; ++page) {
            if (page > 1)
                writer.newPage();
            painter.drawText(100, 100, QString::number(page));
        }
        return file;
    }

    // A drawing of `header` variables, `layers` and `entities`, in group codes, written to `name`.
    QString drawing(const QString& name, const QByteArray& header, const QByteArray& entities,
                    const QByteArray& layers = {}) {
        QFile file(path(name));
        const QByteArray text = "0\nSECTION\n2\nHEADER\n" + header +
                                "0\nENDSEC\n0\nSECTION\n2\nTABLES\n0\nTABLE\n" + "2\nLAYER\n" +
                                layers + "0\nENDTAB\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n" +
                                entities + "0\nENDSEC\n0\nEOF\n";
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            QTest::qFail("cannot write the drawing", __FILE__, __LINE__);
        return file.fileName();
    }

    void edit(const QString& kind) {
        if (kind == u"add camera"_s) {
            plan().follow({u"8"_s, u"12"_s, u""_s, u""_s, false, SensorFormat::Third, u"."_s},
                          u"T8000"_s);
            action("AddCamera")->trigger();
            QTest::keyClick(viewport(), Qt::Key_Return);
        } else if (kind == u"move camera"_s) {
            drag(at({0, 0}), at({0, 0}) + QPoint(40, -20));
        } else if (kind == u"delete camera"_s) {
            clickAt({0, 0});
            QTest::keyClick(viewport(), Qt::Key_Delete);
        } else if (kind == u"edit properties"_s) {
            // Typed: Enter in the address is a new line, Enter in a line field is OK.
            answerProperties([](QWidget& dialog) {
                const auto field = [&dialog](const QString& name) {
                    return dialog.findChild<QWidget*>(name);
                };
                QTest::keyClicks(field(u"Project"_s), u"Shop"_s);
                QTest::keyClicks(field(u"Address"_s), u"1 High St"_s);
                QTest::keyClick(field(u"Address"_s), Qt::Key_Return);
                QTest::keyClicks(field(u"Address"_s), u"Leeds"_s);
                QTest::keyClick(field(u"Designer"_s), Qt::Key_Return);
            });
        }
    }
    // Runs `answer` in the site properties dialog once it is open, then opens it; the dialog
    // closes whatever the answer does.
    void answerProperties(const std::function<void(QWidget&)>& answer) {
        answerDialog("EditSiteProperties", u"SiteProperties"_s, [answer](QDialog& dialog) {
            const auto close = qScopeGuard([&dialog] {
                if (dialog.isVisible())
                    dialog.close();
            });
            answer(dialog);
        });
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        test::MessageBoxAnswer::failOnUnexpectedBoxes();
        m_settings = std::make_unique<CoverageSettings>();
    }
    void cleanup() {
        m_plan.reset();
        QFile::remove(copy());
    }

    // Each kind of edit (insert, remove, drag) is one undo step; undo and redo restore the site.
    void undoEachEdit_data() {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"add camera", "move camera", "delete camera", "edit properties"})
            QTest::newRow(kind) << kind;
    }
    void undoEachEdit() {
        QFETCH(QString, kind);
        open();
        const Site before = site();
        // The tool bar's buttons stay where they are whatever the step to undo is called.
        auto* tools = child<QToolBar>("SitePlanToolBar");
        const auto buttons = [tools] {
            QApplication::processEvents();
            QList<QRect> places;
            for (QAction* action : tools->actions())
                if (auto* button = qobject_cast<QToolButton*>(tools->widgetForAction(action)))
                    places << button->geometry();
            return places;
        };
        const QList<QRect> placesBefore = buttons();
        edit(kind);
        const Site after = site();
        QVERIFY(after != before);
        QCOMPARE(plan().undoStack().count(), 1);
        QVERIFY(plan().isWindowModified());
        QCOMPARE(buttons(), placesBefore);
        QVERIFY(action("Undo")->toolTip().startsWith(u"Undo "_s));

        if (kind == u"add camera"_s) {
            // The calculator's reading is the model's; the window names it and Enter puts it
            // mid-view, on the grid.
            const SiteCamera& added = after.cameras.back();
            QCOMPARE(added.name, u"Camera 1"_s);
            const PlanPoint centre = view().centre();
            const double step = view().gridStep();
            QVERIFY(near(added.position.x, centre.x, step) &&
                    near(added.position.y, centre.y, step));
            QCOMPARE(added.position.x, std::round(added.position.x / step) * step);
        } else if (kind == u"move camera"_s) {
            // Up on screen is north.
            QVERIFY(near(after.cameras[0].position.x, metres(40), metres(1)));
            QVERIFY(near(after.cameras[0].position.y, metres(20), metres(1)));
        } else if (kind == u"delete camera"_s) {
            QCOMPARE(after.cameras.size(), std::size_t(1));
            QCOMPARE(after.cameras[0].name, u"Yard"_s);
        } else if (kind == u"edit properties"_s) {
            QCOMPARE(after.properties.project, u"Shop"_s);
            QCOMPARE(after.properties.address, u"1 High St\nLeeds"_s);
            QCOMPARE(after.cameras, before.cameras);
        }

        action("Undo")->trigger();
        QCOMPARE(site(), before);
        QVERIFY(!plan().isWindowModified());
        action("Redo")->trigger();
        QCOMPARE(site(), after);
    }

    // The properties dialog shows the site's; Escape, or OK on nothing changed, is no step.
    void sitePropertiesUnchanged_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Escape") << true;
        QTest::newRow("OK unchanged") << false;
    }
    void sitePropertiesUnchanged() {
        QFETCH(bool, escape);
        Site depot = sample();
        depot.properties.notes = u"Gate\nYard"_s;
        open(depot);
        answerProperties([escape](QWidget& dialog) {
            auto* project = dialog.findChild<QLineEdit*>(u"Project"_s);
            QCOMPARE(dialog.findChild<QPlainTextEdit*>(u"Notes"_s)->toPlainText(), u"Gate\nYard"_s);
            // Every field named for a screen reader, and reached by Tab from the first.
            QWidget* next = project;
            for (const char* name :
                 {"Client", "Address", "Designer", "Company", "Revision", "Notes"}) {
                QVERIFY2(!next->accessibleName().isEmpty(), name);
                do
                    next = next->nextInFocusChain();
                while (!(next->focusPolicy() & Qt::TabFocus));
                QCOMPARE(next->objectName(), QLatin1String(name));
            }
            QTest::keyClicks(project, escape ? u"Other"_s : QString());
            QTest::keyClick(project, escape ? Qt::Key_Escape : Qt::Key_Return);
            QVERIFY(!dialog.isVisible());
        });
        QCOMPARE(site(), depot);
        QCOMPARE(plan().undoStack().count(), 0);
        QVERIFY(!plan().isWindowModified());
    }

    // Two cameras 12 m apart face each other; both meet the one level 6 m from each, 0.6 m off
    // their axis, below the bands' names. The plan
    // paints that point once in the best-level and wanted-level views, once a camera in the
    // other; a band hidden is hidden in each view. A new window shows the view chosen last.
    void planShows_data() {
        QTest::addColumn<int>("view");
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<int>("layers");
        QTest::newRow("best level") << 0 << false << 1;
        QTest::newRow("each camera") << 1 << false << 2;
        QTest::newRow("wanted level") << 2 << false << 1;
        QTest::newRow("best level, band hidden") << 0 << true << 0;
        QTest::newRow("each camera, band hidden") << 1 << true << 0;
    }
    void planShows() {
        QFETCH(int, view);
        QFETCH(bool, hidden);
        QFETCH(int, layers);
        Site facing = sample();
        facing.walls.clear();
        facing.areas.clear();
        facing.cameras[1].position = {12, 0};
        facing.cameras[1].panDeg = 180;
        open(facing);
        auto* shows = child<QComboBox>("PlanShows");
        QCOMPARE(shows->currentIndex(), 0);
        shows->setCurrentIndex(view);
        action("ShowPlate")->setChecked(!hidden);
        action("ShowDeadZones")->setChecked(false);
        QCoreApplication::processEvents();
        const auto pixel = [this](int stacked) {
            QImage image(4, 4, QImage::Format_ARGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            if (stacked < 0) {
                const QPointF middle = toScene({6, 0.6});
                this->view().scene()->render(&painter, QRectF(0, 0, 4, 4),
                                             QRectF(middle - QPointF(0.1, 0.1), QSizeF(0.2, 0.2)));
            }
            for (int i = 0; i < stacked; ++i)
                painter.fillRect(image.rect(), levelQColor(0, BandAlpha));
            painter.end();
            return image.pixelColor(2, 2);
        };
        QCOMPARE(pixel(-1), pixel(layers));

        // The choice outlives the window.
        const SitePlan another(m_host, *m_settings, std::make_unique<PlanGeometry>());
        QCOMPARE(another.findChild<QComboBox*>(u"PlanShows"_s)->currentIndex(), view);
    }

    // A shop of 20 x 12 m with a back room, four cameras and two areas, in each view, as it
    // fits the window and zoomed out four times: no label overlaps another or a camera's
    // symbol; the cameras' names, placed first, all read; an area keeps its label in its
    // tooltip.
    void labelsDoNotCollide_data() {
        QTest::addColumn<int>("view");
        QTest::addColumn<double>("zoom");
        for (const int view : {0, 1, 2})
            for (const double zoom : {1.0, 0.25})
                QTest::addRow("view %d, zoom %g", view, zoom) << view << zoom;
    }
    void labelsDoNotCollide() {
        QFETCH(int, view);
        QFETCH(double, zoom);
        Site shop;
        shop.walls = {SiteWall{{{0, 0}, {20, 0}, {20, 12}, {0, 12}, {0, 0}}},
                      SiteWall{{{15, 0}, {15, 5}}}, SiteWall{{{15, 6}, {15, 12}}}};
        const std::array<std::pair<PlanPoint, double>, 4> placed{
            {{{1, 1}, 45}, {{10, 11}, 270}, {{14, 1}, 135}, {{19, 11}, 225}}};
        for (const auto& [at, pan] : placed) {
            shop.cameras.push_back(camera("Camera", at));
            shop.cameras.back().name = u"Camera %1"_s.arg(shop.cameras.size());
            shop.cameras.back().panDeg = pan;
        }
        shop.areas = {SiteArea{u"Entrance"_s, EnIdentification, {{0, 0}, {3, 0}, {3, 3}, {0, 3}}},
                      SiteArea{u"Back room"_s, 1, {{15, 0}, {20, 0}, {20, 12}, {15, 12}}}};
        open(shop);
        child<QComboBox>("PlanShows")->setCurrentIndex(view);
        action("ZoomToFit")->trigger();
        this->view().zoomBy(zoom);
        QTRY_VERIFY(this->view().placedLabels().size() >= shop.cameras.size());
        std::vector<QRectF> drawn = this->view().placedLabels();
        const double radius = CameraItem::symbolRadius();
        for (const SiteCamera& each : shop.cameras)
            drawn.push_back(
                QRectF(toScene(each.position) * this->view().scale() - QPointF(radius, radius),
                       QSizeF(2 * radius, 2 * radius)));
        QCOMPARE(overlappingPairs(drawn), 0);
        QVERIFY(this->view().itemOf({ItemKind::Area, 1})->toolTip().startsWith(u"Back room: "_s));
    }

    // The legend beside the plan and the View menu's bands follow the site's level set as it
    // changes, and back on undo. North stands in the plan's top right corner.
    void legendAndNorth() {
        open();
        QVERIFY(child<QDockWidget>("PlanLegend")->isVisible());
        const auto texts = [this] {
            QStringList rows;
            auto* list = child<QListWidget>("PlanLegendList");
            for (int i = 0; i < list->count(); ++i)
                rows << list->item(i)->text();
            return rows;
        };
        // The site's levels, then the same rows whatever the set.
        const qsizetype others = texts().size() - 1;
        QCOMPARE(texts().front(), CoverageText::levelName(site().levelSet, 0));
        auto* sets = child<QComboBox>("SiteLevelSet");
        sets->setCurrentIndex(0);
        emit sets->activated(0);
        QCOMPARE(texts().size(), qsizetype(enLevels().size()) + others);
        QCOMPARE(texts().at(EnIdentification), u"Identification"_s);
        QCOMPARE(texts().back(), u"Obstacle"_s);
        // The View menu's bands follow the set, and come back with it undone.
        QVERIFY(action("ShowIdentification") && !action("ShowPlate"));
        plan().undoStack().undo();
        QCOMPARE(site().levelSet, plateLevels({}));
        QVERIFY(action("ShowPlate") && !action("ShowIdentification"));

        const QWidget* north = view().findChild<QWidget*>(u"NorthArrow"_s);
        QVERIFY(north->isVisible());
        QVERIFY(north->geometry().right() > view().width() - 20 && north->geometry().top() < 20);
    }

    // A table row selects its item (a camera fills the panel); a plan click selects its row alone.
    void tablesAndPlanSelectTogether() {
        open();
        table("CameraTable")->selectRow(1);
        QCOMPARE(view().selection(), (std::vector<ItemRef>{{ItemKind::Camera, 1}}));
        QCOMPARE(child<QLineEdit>("CameraName")->text(), u"Yard"_s);
        QVERIFY(child<QLineEdit>("CameraName")->isEnabled());

        clickAt({2, 0.5});
        QCOMPARE(view().selection(), (std::vector<ItemRef>{{ItemKind::Area, 0}}));
        QCOMPARE(table("AreaTable")->selectionModel()->selectedRows().size(), 1);
        QVERIFY(table("CameraTable")->selectionModel()->selectedRows().isEmpty());
        QVERIFY(!child<QLineEdit>("CameraName")->isEnabled());

        clickAt({10, 6});
        QCOMPARE(table("CameraTable")->selectionModel()->selectedRows().value(0).row(), 1);
        QVERIFY(table("AreaTable")->selectionModel()->selectedRows().isEmpty());

        // A name typed longer than its column (the first) widens it.
        const QAbstractItemView* cameras = table("CameraTable");
        QVERIFY(cameras->model()->setData(cameras->model()->index(0, 0),
                                          u"Camera over the north-east loading bay"_s));
        QTRY_VERIFY(table("CameraTable")->columnWidth(0) >= cameras->sizeHintForColumn(0));
    }

    // A lens by datasheet angle (80.5 px/m where 2.8 mm gives 112), a zoom of it at its wide end
    // (480 px/m at 12 mm), per the figures' tests: camera table, schedule (CSV, page), camera pages
    // and preview agree; the File menu's exports propose a file named as the site, beside it.
    void figuresAgree() {
        SiteCamera wide = test::entranceCamera();
        wide.mountHeightM = wide.targetHeightM;
        wide.focalMm = 2.8;
        wide.lensModel.datasheetAngleHDeg = 100;
        SiteCamera zoom = wide;
        zoom.name = u"Zoom"_s;
        zoom.focalTeleMm = 12;
        Site depot;
        depot.cameras = {wide, zoom};
        open(depot);
        const QString proposed = path(u"sample.csv"_s);
        test::ScriptedDialogs dialogs;
        dialogs.answer(dialogs.Save, proposed);
        action("ExportSchedule")->trigger();
        QCOMPARE(dialogs.texts(dialogs.Save), QStringList{proposed});
        QFile written(proposed);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const SiteDeliverables deliverables(site(), plan().coverage());
        QCOMPARE(written.readAll(), deliverables.scheduleCsv());

        const QList<QByteArray> csv = deliverables.scheduleCsv().split('\n');
        const QList<ReportDocument> report = siteReport(deliverables, QDate(2026, 3, 12));
        const ReportTable& schedule = report.back().tables.front();
        const QStringList densities{u"80.5"_s, u"80.5 - 480"_s};
        const QList<QStringList> pages{{u"80.5 px/m"_s}, {u"80.5 px/m"_s, u"480 px/m"_s}};
        const std::pair<CameraColumn, int> same[] = {{CameraColumn::Focal, 7},
                                                     {CameraColumn::Level, 8}};
        for (int row = 0; row < 2; ++row) {
            const auto cell = [&](CameraColumn column) {
                return table("CameraTable")->model()->index(row, int(column)).data().toString();
            };
            QCOMPARE(cell(CameraColumn::Density), densities[row]);
            const QStringList line = QString::fromUtf8(csv.value(row + 1)).trimmed().split(u',');
            for (const auto& [column, at] : same) {
                QCOMPARE(line.value(at), cell(column));
                QCOMPARE(schedule.rows.value(row).value(at), cell(column));
            }
            // After the cover, the plan and the summary.
            QCOMPARE(test::valuesOf(report.value(3 + row), u"Pixel density"_s), pages[row]);
        }

        // The preview shows the selected camera, the zoom at the same ends, and follows the
        // selection. A plan camera keeps no F-number: its blur takes the coverage window's.
        table("CameraTable")->selectRow(1);
        child<QPushButton>("OpenPreview")->click();
        auto* preview = m_plan->findChild<Preview*>();
        QVERIFY(preview && preview->isVisible());
        QCOMPARE(preview->windowTitle(), u"Preview: Zoom"_s);
        QCOMPARE(preview->sheet().columns().front().pixelsPerMetre,
                 *cameraCoverage(site().cameras[1], site().levelSet).pixelsPerMetre);
        const std::vector<PreviewEnd>& ends = preview->sheet().scene().ends;
        QCOMPARE(ends.size(), std::size_t(2));
        QCOMPARE(qRound(*ends[0].result.pixelsPerMetre * 10), 806);
        QCOMPARE(qRound(*ends[1].result.pixelsPerMetre * 10), 4800);
        QCOMPARE(ends.front().result.focus->fNumber, CoverageInputs().fNumber);
        QVERIFY(preview->findChild<QCheckBox*>(u"LensBlur"_s)->isEnabled());
        table("CameraTable")->selectRow(0);
        QCOMPARE(preview->windowTitle(), u"Preview: "_s + site().cameras[0].name);
    }

    // The panel fits any height (fields scroll, window size kept) at 150 % font. Projection and
    // datasheet angle are undoable; past 180° a fisheye's sector reaches behind the camera.
    void cameraPanel() {
        const QFont usual = QApplication::font();
        const auto restore = qScopeGuard([usual] { QApplication::setFont(usual); });
        QFont larger = usual;
        larger.setPointSizeF(usual.pointSizeF() * 1.5);
        QApplication::setFont(larger);
        open();
        table("CameraTable")->selectRow(0);
        QApplication::processEvents();
        QCOMPARE(plan().size(), QSize(1000, 700));
        auto* last = child<QWidget>("CameraLevel");
        child<QScrollArea>("CameraFields")->ensureWidgetVisible(last);
        QVERIFY(!last->visibleRegion().isEmpty());
        QVERIFY(!child<QPushButton>("OpenPreview")->visibleRegion().isEmpty());

        const auto behind = [this] {
            const PlanPolygon outline = fieldFootprint(site().cameras[0], site().levelSet).outline;
            return std::any_of(outline.begin(), outline.end(),
                               [](const PlanPoint& p) { return p.x < -0.1; });
        };
        const FieldFootprint pinhole = fieldFootprint(site().cameras[0], site().levelSet);
        QVERIFY(!pinhole.outline.empty() && !behind());
        auto* projection = child<QComboBox>("CameraProjection");
        auto* angle = child<QDoubleSpinBox>("CameraDatasheetAngle");
        projection->setCurrentIndex(int(Projection::Equidistant));
        QCOMPARE(site().cameras[0].lensModel.projection, Projection::Equidistant);
        QVERIFY(fieldFootprint(site().cameras[0], site().levelSet).outline.size() >
                pinhole.outline.size() + 4);
        QVERIFY(!behind());
        angle->setValue(200);
        QCOMPARE(site().cameras[0].lensModel.datasheetAngleHDeg, 200.0);
        QVERIFY(behind());
        // Its lowest value is none: the field follows the focal length again.
        angle->setValue(0);
        QVERIFY(!site().cameras[0].lensModel.datasheetAngleHDeg);
        QCOMPARE(plan().undoStack().count(), 3);

        action("Undo")->trigger();
        QCOMPARE(angle->value(), 200.0);
        action("Undo")->trigger();
        QVERIFY(!site().cameras[0].lensModel.datasheetAngleHDeg);
        QCOMPARE(angle->value(), 0.0);
        action("Undo")->trigger();
        QCOMPARE(site().cameras[0].lensModel, LensModel{});
        QCOMPARE(projection->currentIndex(), int(Projection::Rectilinear));
        QCOMPARE(fieldFootprint(site().cameras[0], site().levelSet).outline, pinhole.outline);
    }

    // The view opens on the selected camera at its aspect (saved at the camera's own resolution,
    // whatever the window's size), follows the selection and the camera's moves (an undo draws
    // the first picture again), and Escape closes it.
    void cameraViewFollows() {
        Site shown = sample();
        shown.cameras[0].camera.image = {640, 480};
        open(shown);
        CameraViewWindow& window = cameraView(0);
        const ViewPicture& picture = pictureOf(window);
        QCOMPARE(window.windowTitle(), u"View: Entrance"_s);
        const QImage entrance = picture.image();
        QVERIFY(!entrance.isNull());
        // 640 x 480 within a pixel's rounding, as large as the widget holds.
        QVERIFY(std::abs(entrance.width() * 480 - entrance.height() * 640) <= 640);
        QVERIFY(entrance.width() == picture.width() || entrance.height() == picture.height());
        m_dialogs.picked = path(u"view"_s);
        window.findChild<QAction*>(u"SaveCameraView"_s)->trigger();
        const QImage saved(path(u"view.png"_s));
        QCOMPARE(saved.size(), QSize(640, 480));
        QCOMPARE(saved, std::get<QImage>(window.fullPicture()).convertToFormat(saved.format()));

        table("CameraTable")->selectRow(1);
        QApplication::processEvents();
        QCOMPARE(window.windowTitle(), u"View: Yard"_s);
        const QImage yard = picture.image();
        QVERIFY(yard != entrance);
        drag(at({10, 6}), at({10, 6}) + QPoint(-40, 20));
        QApplication::processEvents();
        QVERIFY(site().cameras[1].position != (PlanPoint{10, 6}));
        QVERIFY(picture.image() != yard);
        action("Undo")->trigger();
        QApplication::processEvents();
        QCOMPARE(picture.image(), yard);

        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
    }

    // Without a camera or a view of it, the picture says why in one line.
    void cameraViewReason_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<double>("obstacleTopM");
        QTest::addColumn<QString>("reason");
        QTest::newRow("none selected") << -1 << 0.0 << u"Select a camera to see its view."_s;
        QTest::newRow("inside an obstacle") << 0 << 4.0 << u"The camera is inside an obstacle."_s;
        QTest::newRow("over an obstacle") << 0 << 2.0 << QString();
    }
    void cameraViewReason() {
        QFETCH(int, row);
        QFETCH(double, obstacleTopM);
        QFETCH(QString, reason);
        Site shown = sample();
        shown.obstacles = {
            SiteObstacle{u"Pillar"_s, {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}}, 0, obstacleTopM}};
        open(shown);
        const ViewPicture& picture = pictureOf(cameraView(row));
        QCOMPARE(picture.reason(), reason);
        QCOMPARE(picture.image().isNull(), !reason.isEmpty());
    }

    // The line under the picture says what the pointer is over and the density there, in the
    // site's units, with the level it reaches on the floor.
    void cameraViewHover_data() {
        QTest::addColumn<Units>("units");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("z");
        QTest::addColumn<QString>("pattern");
        const QString level = CoverageText::levelName(enLevels(), EnIdentification);
        QTest::newRow("area's floor") << Units::Metric << 3.8 << 0.0 << 0.0
                                      << uR"(^Floor in Door: \d+(\.\d)? px/m, %1$)"_s.arg(level);
        QTest::newRow("in feet") << Units::Imperial << 3.8 << 0.0 << 0.0
                                 << uR"(^Floor in Door: \d+(\.\d)? px/ft, %1$)"_s.arg(level);
        // The wall's face, half its thickness south of its line.
        QTest::newRow("wall") << Units::Metric << 6.0 << 1.925 << 0.5
                              << uR"(^Wall: \d+(\.\d)? px/m$)"_s;
        // 18.4° down, inside the picture's top edge at 30° - 12.7°; the target 1.7 m above it
        // is 8.2° down, out of the picture.
        QTest::newRow("dead zone")
            << Units::Metric << 9.0 << 0.0 << 0.0 << u"^Floor in Door: dead zone$"_s;
    }
    void cameraViewHover() {
        QFETCH(Units, units);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, z);
        QFETCH(QString, pattern);
        const Site shown = lookingDown(units);
        open(shown);
        const CameraViewWindow& window = cameraView(0);
        const ViewPicture& picture = pictureOf(window);
        const std::optional<CameraRays> rays =
            CameraRays::of(shown.cameras[0], shown.levelSet, picture.image().size());
        QVERIFY(rays);
        const std::optional<QPointF> pixel = rays->pixelOf({x, y, z});
        QVERIFY(pixel);
        const QPointF over = picture.pictureRect().topLeft() + pixel->toPoint();
        QMouseEvent move(QEvent::MouseMove, over, picture.mapToGlobal(over), Qt::NoButton, {}, {});
        QApplication::sendEvent(const_cast<ViewPicture*>(&picture), &move);
        const QString said = window.findChild<QLabel*>(u"CameraViewHover"_s)->text();
        QVERIFY2(QRegularExpression(pattern).match(said).hasMatch(), qPrintable(said));
    }

    // A target stands where it was placed, centred where the pinhole puts its centre: a face
    // 1.6 m up at (5, 1), seen from 1.6 m up at the origin looking level east, is 1 m left at
    // 5 m, 6 mm x 1 / 5 = 1.2 mm left of the middle of a 4.8 mm wide picture of 480 columns:
    // 120 columns left of 240, on row 135 of 270. A wall before it hides it, a counter only what
    // lies below its top.
    void targetInView_data() {
        QTest::addColumn<Target>("target");
        QTest::addColumn<bool>("wall");
        QTest::addColumn<double>("counterTopM");
        QTest::addColumn<bool>("seen");
        QTest::newRow("face in the open") << Target::Face << false << 0.0 << true;
        QTest::newRow("face behind a wall") << Target::Face << true << 0.0 << false;
        QTest::newRow("face over a counter") << Target::Face << false << 1.0 << true;
        QTest::newRow("plate behind a counter") << Target::Plate << false << 1.0 << false;
    }
    void targetInView() {
        QFETCH(Target, target);
        QFETCH(bool, wall);
        QFETCH(double, counterTopM);
        QFETCH(bool, seen);
        Site shown;
        SiteCamera level = camera("Level", {0, 0});
        level.mountHeightM = 1.6;
        level.aim = Aim::Tilt;
        level.camera.image = {480, 270};
        shown.cameras = {level};
        if (wall)
            shown.walls = {SiteWall{{{3, -3}, {3, 3}}}};
        if (counterTopM > 0)
            shown.obstacles = {SiteObstacle{
                u"Counter"_s, {{2.5, -1}, {3.5, -1}, {3.5, 3}, {2.5, 3}}, 0, counterTopM}};
        open(shown);
        CameraViewWindow& window = cameraView(0);
        const QImage before = std::get<QImage>(window.fullPicture());
        window.placeTarget(target, {5, 1});
        const QImage after = std::get<QImage>(window.fullPicture());
        QCOMPARE(after.size(), QSize(480, 270));
        QRect changed;
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x)
                if (after.pixel(x, y) != before.pixel(x, y))
                    changed |= QRect(x, y, 1, 1);
        QCOMPARE(!changed.isEmpty(), seen);
        if (seen) {
            const QPointF centre = QRectF(changed).center();
            QVERIFY2(near(centre.x(), 120, 1) && near(centre.y(), 135, 1),
                     qPrintable(u"%1 %2"_s.arg(centre.x()).arg(centre.y())));
        }
    }

    // A target chosen, a click on the floor stands it there, once; Enter stands it where the
    // keyboard's cross is, first in the middle of the picture (the floor 5.196 m east).
    void targetPlacedOnTheFloor() {
        const Site shown = lookingDown(Units::Metric);
        open(shown);
        CameraViewWindow& window = cameraView(0);
        ViewPicture& picture = pictureOf(window);
        const QImage empty = picture.image();
        auto* place = window.findChild<QComboBox*>(u"PlaceTarget"_s);
        place->setCurrentIndex(1);
        const std::optional<QPointF> pixel =
            CameraRays::of(shown.cameras[0], shown.levelSet, empty.size())->pixelOf({3.8, 0, 0});
        QVERIFY(pixel);
        QTest::mouseClick(&picture, Qt::LeftButton, {},
                          picture.pictureRect().topLeft() + pixel->toPoint());
        QApplication::processEvents();
        QCOMPARE(window.targets().size(), std::size_t(1));
        QCOMPARE(window.targets()[0].target, Target::Face);
        QVERIFY(near(window.targets()[0].at.x, 3.8, 0.05) &&
                near(window.targets()[0].at.y, 0, 0.05));
        QCOMPARE(place->currentIndex(), 0);
        QVERIFY(picture.image() != empty);
        window.findChild<QAction*>(u"ClearTargets"_s)->trigger();
        QApplication::processEvents();
        QVERIFY(window.targets().empty());
        QCOMPARE(picture.image(), empty);

        place->setCurrentIndex(3);
        picture.setFocus();
        QTest::keyClick(&picture, Qt::Key_Return);
        QCOMPARE(window.targets().size(), std::size_t(1));
        QCOMPARE(window.targets()[0].target, Target::Plate);
        QVERIFY(near(window.targets()[0].at.x, 5.196, 0.05) &&
                near(window.targets()[0].at.y, 0, 0.05));

        // Chosen again, a click on the plan stands it there rather than selecting.
        place->setCurrentIndex(2);
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, at({4, 1}));
        QCOMPARE(window.targets().size(), std::size_t(2));
        QCOMPARE(window.targets()[1].target, Target::Person);
        QVERIFY(near(window.targets()[1].at.x, 4, 0.05) && near(window.targets()[1].at.y, 1, 0.05));
        QCOMPARE(place->currentIndex(), 0);
    }

    // Unsaved changes asked about on close, new or open: Save writes, Discard drops, Cancel keeps
    // all. Once nothing is unsaved (saved or undone back) the copy goes; no write follows.
    void unsavedChanges_data() {
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("goesOn");
        QTest::addColumn<bool>("saved");
        for (const char* step : {"close", "new", "open"}) {
            QTest::addRow("%s, save", step) << step << int(QMessageBox::Save) << true << true;
            QTest::addRow("%s, discard", step)
                << step << int(QMessageBox::Discard) << true << false;
            QTest::addRow("%s, cancel", step) << step << int(QMessageBox::Cancel) << false << false;
        }
        QTest::newRow("save") << u"save"_s << int(QMessageBox::NoButton) << true << true;
        QTest::newRow("undo") << u"undo"_s << int(QMessageBox::NoButton) << true << false;
    }
    void unsavedChanges() {
        QFETCH(QString, step);
        QFETCH(int, answer);
        QFETCH(bool, goesOn);
        QFETCH(bool, saved);
        open();
        QCOMPARE(SiteFile::save(path(u"other.vistaro"_s), Site{}), std::nullopt);
        edit(u"delete camera"_s);
        const Site edited = site();
        QTRY_VERIFY(QFile::exists(copy()));
        m_dialogs.picked = path(u"other.vistaro"_s);
        test::MessageBoxAnswer box(static_cast<QMessageBox::StandardButton>(answer));
        const bool other = step == u"new"_s || step == u"open"_s;
        if (step == u"close"_s)
            plan().close();
        else if (other)
            action(step == u"new"_s ? "SiteNew" : "SiteOpen")->trigger();
        else
            action(step == u"save"_s ? "SiteSave" : "Undo")->trigger();
        QCOMPARE(box.texts.size(), answer == QMessageBox::NoButton ? 0 : 1);
        QVERIFY(box.texts.value(0, u"sample.vistaro"_s).contains(u"sample.vistaro"_s));
        QCOMPARE(this->saved(u"sample.vistaro"_s) == edited, saved);
        if (step == u"close"_s) {
            QCOMPARE(plan().isVisible(), !goesOn);
            QVERIFY(!goesOn ||
                    !windowSettings()->value("SitePlan/geometry").toByteArray().isEmpty());
        }
        QCOMPARE(site(), !goesOn ? edited : other ? Site{} : this->saved(u"sample.vistaro"_s));
        QCOMPARE(plan().isWindowModified(), !goesOn);
        QCOMPARE(QFile::exists(copy()), !goesOn);
        idle();
        QCOMPARE(QFile::exists(copy()), !goesOn);
    }

    // Unreadable file: named, the plan stays; missing background: named once, the rest opens.
    void filesThatCannotBeOpened() {
        open();
        {
            test::MessageBoxAnswer box;
            QVERIFY(!plan().openFile(path(u"broken.vistaro"_s)));
            QCOMPARE(box.texts.value(0),
                     SiteFile::read(path(u"broken.vistaro"_s)).problem.message());
        }
        QCOMPARE(site(), sample());
        Site withPlan = sample();
        withPlan.storeys.front().background = SiteBackground{};
        for (const QString& gone : {u"gone.png"_s, u"gone.dxf"_s}) {
            withPlan.storeys.front().background->file = gone;
            QCOMPARE(SiteFile::save(path(u"plan.vistaro"_s), withPlan), std::nullopt);
            test::MessageBoxAnswer box;
            QVERIFY(plan().openFile(path(u"plan.vistaro"_s)));
            QCOMPARE(box.texts.size(), 1);
            QVERIFY(box.texts.value(0).contains(QDir::toNativeSeparators(path(gone))));
            QCOMPARE(site().cameras, sample().cameras);
            QCOMPARE(site().walls, sample().walls);
        }
    }

    // Picture loaded, scaled by two clicks 100+ px apart (hides rounding), a distance; both undone.
    void backgroundLoadedAndScaled() {
        open();
        QImage picture(2000, 1000, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QVERIFY(picture.save(path(u"floor.png"_s)));
        QVERIFY(!action("SetScale")->isEnabled());
        load(path(u"floor.png"_s));
        QVERIFY(background());
        QCOMPARE(metresPerPixel(*background()), UnscaledMetresPerPixel);
        QVERIFY(action("SetScale")->isEnabled());
        m_dialogs.answer(m_dialogs.Number, 100);
        action("SetScale")->trigger();
        clickAt(planOfPixel(*background(), {500, 500}));
        clickAt(planOfPixel(*background(), {1500, 500}));
        QVERIFY(near(metresPerPixel(*background()), 0.1, 0.002));
        QCOMPARE(plan().undoStack().count(), 2);
        action("Undo")->trigger();
        action("Undo")->trigger();
        QVERIFY(!background());
    }

    // Camera at the origin facing east, a 3-point wall north: Tab picks camera then wall; arrows
    // move, [ ] turn, . , pick a wall point, Delete removes it: "keys|camera x y pan; wall points".
    void planByKeyboard_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        const QString untouched = u"0 0 0; 0 5, 4 5, 8 5"_s;
        QTest::newRow("move east") << u"Tab Right"_s << u"0.1 0 0; 0 5, 4 5, 8 5"_s;
        QTest::newRow("turn right") << u"Tab ]"_s << u"0 0 355; 0 5, 4 5, 8 5"_s;
        QTest::newRow("turn left, far") << u"Tab Shift+["_s << u"0 0 45; 0 5, 4 5, 8 5"_s;
        QTest::newRow("turn by arrows")
            << u"Tab Ctrl+Left Ctrl+Left Ctrl+Right"_s << u"0 0 5; 0 5, 4 5, 8 5"_s;
        QTest::newRow("back to the camera")
            << u"Tab Tab Shift+Tab Left"_s << u"-0.1 0 0; 0 5, 4 5, 8 5"_s;
        QTest::newRow("wall moves") << u"Tab Tab Down"_s << u"0 0 0; 0 4.9, 4 4.9, 8 4.9"_s;
        QTest::newRow("first point") << u"Tab Tab . Right"_s << u"0 0 0; 0.1 5, 4 5, 8 5"_s;
        QTest::newRow("last point") << u"Tab Tab , Shift+Left"_s << u"0 0 0; 0 5, 4 5, 7 5"_s;
        QTest::newRow("point dropped")
            << u"Tab Tab . Esc Right"_s << u"0 0 0; 0.1 5, 4.1 5, 8.1 5"_s;
        QTest::newRow("point deleted") << u"Tab Tab . . Del"_s << u"0 0 0; 0 5, 8 5"_s;
        QTest::newRow("wall keeps two") << u"Tab Tab . . Del Del"_s << u"0 0 0; 0 5, 8 5"_s;
        QTest::newRow("undone") << u"Tab ] Ctrl+Z"_s << untouched;
        QTest::newRow("left the plan") << u"Tab Tab Tab Right"_s << untouched;
        QTest::newRow("left at once") << u"Tab Ctrl+Tab Right"_s << untouched;
        QTest::newRow("back in, from the first")
            << u"Tab Tab Tab Shift+Tab Tab Right"_s << u"0.1 0 0; 0 5, 4 5, 8 5"_s;
    }

    void planByKeyboard() {
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        Site keyed;
        keyed.cameras = {test::entranceCamera()};
        keyed.walls = {SiteWall{{{0, 5}, {4, 5}, {8, 5}}}};
        open(keyed);
        view().setFocus(Qt::TabFocusReason); // as Tab brings the keyboard to the plan
        for (const QString& key : keys.split(u' '))
            press(QApplication::focusWidget(), key);
        QCOMPARE(cameraAndWall(site()), expected);
    }

    // Walls and areas drawn by steps: action (the first turns its tool on), corner click, double
    // click on the last, Enter or Esc. Tool and hint stay till the drawing ends; one undo step.
    void drawingTools_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("added"); // its kind and number of corners
        QTest::addColumn<bool>("stillOn");
        QTest::newRow("wall, double")
            << u"AddWall, 0 8, 5 8, 5 12, double"_s << u"Wall 3"_s << false;
        QTest::newRow("wall, Enter") << u"AddWall, 0 8, 5 8, Enter"_s << u"Wall 2"_s << false;
        QTest::newRow("wall, one corner") << u"AddWall, 0 8, 0 8, Enter"_s << u""_s << true;
        QTest::newRow("wall, Esc") << u"AddWall, 0 8, 5 8, Esc"_s << u""_s << false;
        QTest::newRow("area") << u"AddArea, 0 8, 5 8, 5 12, double"_s << u"Area 1 3"_s << false;
        QTest::newRow("area, two corners") << u"AddArea, 0 8, 5 8, double"_s << u""_s << true;
        QTest::newRow("area, tool off") << u"AddArea, 0 8, 5 8, 5 12, AddArea"_s << u""_s << false;
        QTest::newRow("obstacle, a shelf")
            << u"AddObstacle, 0 8, 5 8, 5 9, Enter"_s << u"Obstacle 1 3, 0 to 1.8"_s << false;
        QTest::newRow("obstacle, two corners")
            << u"AddObstacle, 0 8, 5 8, Enter"_s << u""_s << true;
        // A boundary drawn again replaces the first in one undo step.
        QTest::newRow("boundary") << u"AddBoundary, 0 8, 5 8, 5 12, double"_s
                                  << u"Boundary 3, undone 0"_s << false;
        QTest::newRow("boundary drawn again")
            << u"AddBoundary, 0 8, 5 8, 5 12, double, AddBoundary, -1 -1, 6 -1, 6 9, 0 9, Enter"_s
            << u"Boundary 4, undone 3"_s << false;
    }
    void drawingTools() {
        QFETCH(QString, steps);
        QFETCH(QString, added);
        QFETCH(bool, stillOn);
        open();
        const QStringList all = steps.split(u", "_s);
        PlanPoint last;
        for (const QString& step : all) {
            if (step == u"double"_s)
                QTest::mouseDClick(viewport(), Qt::LeftButton, {}, at(last));
            else if (step.contains(u' '))
                clickAt(last = pointOf(step));
            else if (QAction* tool = action(qPrintable(step)))
                tool->trigger();
            else
                QTest::keyClick(viewport(), step == u"Esc"_s ? Qt::Key_Escape : Qt::Key_Return);
        }
        QString made;
        if (site().walls.size() > sample().walls.size())
            made = u"Wall %1"_s.arg(site().walls.back().points.size());
        if (site().areas.size() > sample().areas.size())
            made = u"%1 %2"_s.arg(site().areas.back().name).arg(site().areas.back().points.size());
        if (!site().obstacles.empty()) {
            const SiteObstacle& obstacle = site().obstacles.back();
            made = u"%1 %2, %3 to %4"_s.arg(obstacle.name)
                       .arg(obstacle.points.size())
                       .arg(obstacle.bottomM)
                       .arg(obstacle.topM);
        }
        if (!site().boundary.empty()) {
            made = u"Boundary %1"_s.arg(site().boundary.size());
            plan().undoStack().undo();
            made += u", undone %1"_s.arg(site().boundary.size());
        }
        QCOMPARE(made, added);
        // One step each; a boundary drawn again is a second, the first one left after its undo.
        QCOMPARE(plan().undoStack().count(), int(!added.isEmpty()) + int(!site().boundary.empty()));
        QCOMPARE(action(qPrintable(all.front()))->isChecked(), stillOn);
        const QString hint = child<QLabel>("ModeHint")->text();
        QCOMPARE(hint.contains(all.front().mid(3).toLower() + u"'s corners"_s), stillOn);
        QCOMPARE(hint.isEmpty(), !stillOn);
    }

    // At 40 px a metre the grid is 1 m and a wall within 8 px (0.2 m) snaps. The sample's wall
    // runs from (4 -4) to (4 4). A wall by two clicks, the second with modifiers; saved as
    // "x y, x y" to 9 digits; "clicked" where the aids must leave the point as the pointer gave it.
    void drawingAids_data() {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<int>("held");
        QTest::addColumn<bool>("snapOn");
        QTest::addColumn<QString>("points");
        const int none = Qt::NoModifier;
        QTest::newRow("grid") << u"0.13 7.96, 10.1 8.04"_s << none << true << u"0 8, 10 8"_s;
        QTest::newRow("wall corner over its line")
            << u"4.15 4.1, 10.1 4.04"_s << none << true << u"4 4, 10 4"_s;
        QTest::newRow("wall line") << u"4.12 -2, 10.1 -2"_s << none << true << u"4 -2, 10 -2"_s;
        QTest::newRow("Shift: 30 degrees, 8 m")
            << u"0 8, 7.3 12.1"_s << int(Qt::ShiftModifier) << true << u"0 8, 6.92820323 12"_s;
        QTest::newRow("Shift: east")
            << u"0 8, 9.7 8.6"_s << int(Qt::ShiftModifier) << true << u"0 8, 10 8"_s;
        QTest::newRow("Alt") << u"0 8, 10.13 8.17"_s << int(Qt::AltModifier) << true
                             << u"0 8, clicked"_s;
        QTest::newRow("Snap off") << u"0.13 7.96, 10.13 8.17"_s << none << false
                                  << u"clicked, clicked"_s;
    }
    void drawingAids() {
        QFETCH(QString, clicks);
        QFETCH(int, held);
        QFETCH(bool, snapOn);
        QFETCH(QString, points);
        open();
        zoomTo40();
        if (!snapOn)
            QTest::keyClick(viewport(), Qt::Key_F9);
        QCOMPARE(action("Snap")->isChecked(), snapOn);
        action("AddWall")->trigger();
        const QStringList pointer = clicks.split(u", "_s);
        QStringList wanted = points.split(u", "_s);
        for (qsizetype i = 0; i < pointer.size(); ++i) {
            const QPoint pixel = at(pointOf(pointer[i]));
            QTest::mouseClick(viewport(), Qt::LeftButton, Qt::KeyboardModifiers(i ? held : 0),
                              pixel);
            if (wanted[i] == u"clicked"_s)
                wanted[i] = pointsText({view().planAt(pixel)});
        }
        QTest::keyClick(viewport(), Qt::Key_Return);
        QCOMPARE(SiteFile::save(path(u"aids.vistaro"_s), site()), std::nullopt);
        QCOMPARE(pointsText(saved(u"aids.vistaro"_s).walls.back().points), wanted.join(u", "_s));
        // The choice outlives the window.
        const SitePlan next(m_host, *m_settings, std::make_unique<PlanGeometry>());
        QCOMPARE(next.findChild<QAction*>(u"Snap"_s)->isChecked(), snapOn);
    }

    // A wall from (0 8): typed keys go to the fields, which follow the pointer meanwhile; Enter
    // places the point, Enter on the plan ends the wall. "keys|wall points" (9 digits).
    void typedLengthAndAngle_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("imperial");
        QTest::addColumn<QString>("points");
        QTest::newRow("north") << u"5 Tab 90 Enter"_s << false << u"0 8, 0 13"_s;
        QTest::newRow("30 degrees") << u"10 Tab 30 Enter"_s << false << u"0 8, 8.66025404 13"_s;
        QTest::newRow("two segments")
            << u"4 Tab 0 Enter 3 Tab 270 Enter"_s << false << u"0 8, 4 8, 4 5"_s;
        QTest::newRow("back from the angle")
            << u"9 Tab 180 Tab 2 Enter"_s << false << u"0 8, -2 8"_s;
        // A 2 ft grid: the first point 26 ft north.
        QTest::newRow("feet") << u"10 Tab 0 Enter"_s << true << u"0 7.9248, 3.048 7.9248"_s;
        QTest::newRow("Esc: nothing placed") << u"5 Esc"_s << false << u"4 -4, 4 4"_s;
    }
    void typedLengthAndAngle() {
        QFETCH(QString, keys);
        QFETCH(bool, imperial);
        QFETCH(QString, points);
        Site shown = sample();
        shown.units = imperial ? Units::Imperial : Units::Metric;
        open(shown);
        zoomTo40();
        view().centerOn(toScene({0, 8}));
        auto* length = child<QLineEdit>("DraftLength");
        auto* angle = child<QLineEdit>("DraftAngle");
        action("AddWall")->trigger();
        QVERIFY(!length->isEnabled());
        clickAt({0, 8});
        // Until the user types, the fields follow the pointer, on the grid: 2 m east and north
        // (4 ft east, 6 north).
        const PlanPoint pointer = view().planAt(at({0, 8}) + QPoint(60, -80));
        // A move to where the last test's pointer stopped would be no move.
        QTest::mouseMove(viewport(), at(pointer) + QPoint(3, 3));
        QTest::mouseMove(viewport(), at(pointer));
        QVERIFY(length->isEnabled() && angle->isEnabled());
        QCOMPARE(length->text() + u' ' + angle->text(), imperial ? u"7.211 56.3"_s : u"2.828 45"_s);
        // A figure typed over the one a Tab selected replaces it.
        for (const QString& key : keys.split(u' '))
            if (key == u"Tab"_s || key == u"Enter"_s || key == u"Esc"_s)
                press(QApplication::focusWidget(), key);
            else // each key to the widget with the focus then
                for (const QChar typed : key)
                    QTest::keyClick(QApplication::focusWidget(), typed.toLatin1());
        QCOMPARE(QApplication::focusWidget(), &view());
        QTest::mouseMove(viewport(), at(pointer));
        QTest::keyClick(viewport(), Qt::Key_Return);
        QCOMPARE(pointsText(site().walls.back().points), points);
    }

    // Entrance (0 0) and Yard (10 6) selected by click and Ctrl+click, at 40 px a metre; then
    // moved, toggled, deleted together. "steps|cameras; wall's first point; undo steps".
    void severalSelected_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("after");
        QTest::newRow("dragged") << u"drag"_s << u"1 0, 11 6; 4 -4; 1"_s;
        QTest::newRow("arrow") << u"Right"_s << u"0.1 0, 10.1 6; 4 -4; 1"_s;
        QTest::newRow("toggled off") << u"Ctrl+click Right"_s << u"0.1 0, 10 6; 4 -4; 1"_s;
        QTest::newRow("deleted") << u"Del"_s << u"; 4 -4; 1"_s;
        QTest::newRow("all, dragged") << u"Ctrl+A drag"_s << u"1 0, 11 6; 5 -4; 1"_s;
        QTest::newRow("all, deleted") << u"Ctrl+A Del"_s << u"; none; 1"_s;
    }
    void severalSelected() {
        QFETCH(QString, steps);
        QFETCH(QString, after);
        open();
        zoomTo40();
        view().centerOn(toScene({5, 3}));
        clickAt({0, 0});
        QTest::mouseClick(viewport(), Qt::LeftButton, Qt::ControlModifier, at({10, 6}));
        QCOMPARE(view().selection().size(), std::size_t(2));
        for (const QString& step : steps.split(u' ')) {
            if (step == u"drag"_s) {
                drag(at({0, 0}), at({0, 0}) + QPoint(40, 0));
            } else if (step == u"Ctrl+click"_s) {
                QTest::mouseClick(viewport(), Qt::LeftButton, Qt::ControlModifier, at({10, 6}));
            } else {
                press(viewport(), step);
            }
        }
        const auto number = [](double value) { return QString::number(value, 'g', 6); };
        QStringList cameras;
        for (const SiteCamera& camera : site().cameras)
            cameras << number(camera.position.x) + u' ' + number(camera.position.y);
        const QString wall = site().walls.empty() ? u"none"_s
                                                  : number(site().walls[0].points[0].x) + u' ' +
                                                        number(site().walls[0].points[0].y);
        QCOMPARE(u"%1; %2; %3"_s.arg(cameras.join(u", "_s), wall).arg(plan().undoStack().count()),
                 after);
    }

    // The plan shows one storey: its items, the walls and obstacles of the storey below faint,
    // and takes the new camera and Select All on it. The site: the sample on a ground floor, the
    // second camera ("Yard") and a second area on a first floor 3 m up, an obstacle on the
    // ground; as "items shown; below drawn; selected by Select All; new camera's storey".
    void storeyOnShow_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("shown");
        QTest::newRow("ground") << QString() << u"C0 W0 A0 O0; no; 4; 0"_s;
        QTest::newRow("first, chosen") << u"1"_s << u"C1 A1; yes; 2; 1"_s;
        QTest::newRow("first, a storey up") << u"Ctrl+PgUp"_s << u"C1 A1; yes; 2; 1"_s;
        QTest::newRow("up and down") << u"Ctrl+PgUp Ctrl+PgDown"_s << u"C0 W0 A0 O0; no; 4; 0"_s;
    }
    void storeyOnShow() {
        QFETCH(QString, steps);
        QFETCH(QString, shown);
        Site shownSite = twoStoreys();
        shownSite.areas.push_back(shownSite.areas[0]);
        shownSite.areas[1].name = u"Office"_s;
        shownSite.areas[1].storey = 1;
        shownSite.obstacles = {SiteObstacle{u"Shelf"_s, {{5, 5}, {6, 5}, {6, 6}}}};
        open(shownSite);
        auto* selector = child<QComboBox>("StoreySelector");
        for (const QString& step : steps.split(u' ', Qt::SkipEmptyParts)) {
            if (step == u"1"_s)
                selector->setCurrentIndex(1);
            else
                press(viewport(), step);
        }
        QCOMPARE(selector->currentIndex(), view().storey());
        QTRY_COMPARE(view().bestLevelMap().storey(), view().storey());
        QStringList items;
        for (const ItemKind kind : ItemKinds)
            for (int i = 0; i < plan().document().count(kind); ++i)
                if (view().itemOf({kind, i})->isVisible())
                    items << u"CWAO"_s[int(kind)] + QString::number(i);
        action("SelectAll")->trigger();
        const std::size_t selected = view().selection().size();
        action("AddCamera")->trigger();
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, viewport()->rect().center());
        QCOMPARE(
            u"%1; %2; %3; %4"_s
                .arg(items.join(u' '), view().storeyBelowShown().isEmpty() ? u"no"_s : u"yes"_s)
                .arg(selected)
                .arg(site().cameras.back().storey),
            shown);
    }

    // The storeys edited: a ground floor at 0 m and a first floor at 3 m, 3 m high, a camera on
    // the first. Removing the first asks first; as "each storey's old index; OK or why not".
    void storeysDialog_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<bool>("agreed");
        QTest::addColumn<QString>("result");
        QTest::newRow("as they were") << QString() << true << u"0 1; OK"_s;
        QTest::newRow("one elevation shared")
            << u"1 1 0"_s << true << u"0 1; Two storeys stand at 0 m"_s;
        QTest::newRow("no height") << u"0 2 0"_s << true << u"0 1; A storey needs a height"_s;
        QTest::newRow("added on top") << u"StoreyAdd"_s << true << u"0 1 -1 at 6; OK"_s;
        QTest::newRow("first removed") << u"row1 StoreyRemove"_s << true << u"0; OK"_s;
        QTest::newRow("first kept") << u"row1 StoreyRemove"_s << false << u"0 1; OK"_s;
        QTest::newRow("ground removed, unasked") << u"StoreyRemove"_s << false << u"1; OK"_s;
        QTest::newRow("moved down") << u"StoreyMoveDown"_s << true << u"1 0; OK"_s;
    }
    void storeysDialog() {
        QFETCH(QString, steps);
        QFETCH(bool, agreed);
        QFETCH(QString, result);
        Site site;
        site.cameras = {camera("Entrance", {0, 0})};
        site.cameras[0].storey = 1;
        site.storeys.resize(2);
        site.storeys[1].elevationM = 3;
        test::MessageBoxAnswer answer(agreed ? QMessageBox::Yes : QMessageBox::No);
        const Dialogs::Replace answering(answer);
        StoreysDialog dialog(site);
        auto* table = dialog.findChild<QTableWidget*>(u"StoreyTable"_s);
        const QStringList words = steps.split(u' ', Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < words.size(); ++i) {
            if (words[i] == u"row1"_s)
                table->selectRow(1);
            else if (auto* button = dialog.findChild<QPushButton*>(words[i]))
                button->click();
            else {
                table->item(words[i].toInt(), words[i + 1].toInt())
                    ->setData(Qt::EditRole, words[i + 2].toDouble());
                i += 2;
            }
        }
        QStringList from;
        for (const int old : dialog.from())
            from << QString::number(old);
        if (dialog.from().back() < 0)
            from << u"at"_s << QString::number(dialog.storeys().back().elevationM);
        const bool ok =
            dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled();
        QCOMPARE(ok, dialog.problem().isEmpty());
        QCOMPARE(from.join(u' ') + u"; "_s + (ok ? u"OK"_s : dialog.problem().section(u':', 0, 0)),
                 result);
        QCOMPARE(answer.texts.size(), steps.contains(u"row1"_s) ? 1 : 0);
    }

    // The storeys changed through the window: one undo step, the storey on show (the first)
    // kept on show where it went; as "storeys; cameras with their storeys; storey on show".
    void storeysEdited_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("result");
        QTest::newRow("the first moved up")
            << u"StoreyMoveUp"_s << u"First Ground; Entrance 1, Yard 0; 0"_s;
        QTest::newRow("the first removed") << u"StoreyRemove"_s << u"Ground; Entrance 0; 0"_s;
    }
    void storeysEdited() {
        QFETCH(QString, button);
        QFETCH(QString, result);
        Site shownSite = twoStoreys();
        open(shownSite);
        view().setStorey(1);
        test::MessageBoxAnswer answer(QMessageBox::Yes);
        const Dialogs::Replace answering(answer);
        answerDialog("EditStoreys", u"Storeys"_s, [&button](QDialog& dialog) {
            dialog.findChild<QTableWidget*>(u"StoreyTable"_s)->selectRow(1);
            dialog.findChild<QPushButton*>(button)->click();
            dialog.accept();
        });
        QStringList storeys;
        for (const SiteStorey& storey : site().storeys)
            storeys << storey.name;
        QCOMPARE(
            u"%1; %2; %3"_s.arg(storeys.join(u' '), storeyed(site().cameras)).arg(view().storey()),
            result);
        QCOMPARE(plan().undoStack().count(), 1);
        plan().undoStack().undo();
        QCOMPARE(site(), shownSite);
    }

    // A floor drawn once, put on others: the sample on the ground, storeys 3 m and 6 m above;
    // the names taken numbered afresh, one undo step; as "cameras; walls; areas", each item's
    // storey after its name.
    void copyToStorey_data() {
        QTest::addColumn<bool>("firstCamera");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QString>("result");
        QTest::newRow("the storey, to the first")
            << false << u"1"_s
            << u"Entrance 0, Yard 0, Entrance 1 1, Yard 1 1; 0 1; Door 0, Door 1 1"_s;
        QTest::newRow("a camera, to two")
            << true << u"1 2"_s << u"Entrance 0, Yard 0, Entrance 1 1, Entrance 2 2; 0; Door 0"_s;
        QTest::newRow("none checked") << false << QString() << u"Entrance 0, Yard 0; 0; Door 0"_s;
    }
    void copyToStorey() {
        QFETCH(bool, firstCamera);
        QFETCH(QString, checked);
        QFETCH(QString, result);
        Site shownSite = sample();
        shownSite.storeys.resize(3);
        shownSite.storeys[1].elevationM = 3;
        shownSite.storeys[2].elevationM = 6;
        open(shownSite);
        view().select(firstCamera ? std::vector<ItemRef>{{ItemKind::Camera, 0}}
                                  : std::vector<ItemRef>{});
        answerDialog("CopyToStorey", u"CopyToStoreys"_s, [&checked](QDialog& dialog) {
            for (const QString& storey : checked.split(u' ', Qt::SkipEmptyParts))
                dialog.findChild<QCheckBox*>(u"CopyToStorey"_s + storey)->setChecked(true);
            dialog.accept();
        });
        QStringList walls;
        for (const SiteWall& wall : site().walls)
            walls << QString::number(wall.storey);
        QCOMPARE(
            u"%1; %2; %3"_s.arg(storeyed(site().cameras), walls.join(u' '), storeyed(site().areas)),
            result);
        QCOMPARE(plan().undoStack().count(), checked.isEmpty() ? 0 : 1);
    }

    // The tables list every storey's items with their storey, or with "This storey only" those
    // of the storey on show; a row of another storey chosen shows that storey, the item selected.
    // The sample on a ground floor, "Yard" on a first; as "cameras; areas; storey on show".
    void tablesByStorey_data() {
        QTest::addColumn<bool>("thisStorey");
        QTest::addColumn<int>("storey");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("result");
        QTest::newRow("every storey")
            << false << 0 << -1 << u"Entrance Ground, Yard First; Door Ground; 0"_s;
        QTest::newRow("the ground's") << true << 0 << -1 << u"Entrance Ground; Door Ground; 0"_s;
        QTest::newRow("the first's") << true << 1 << -1 << u"Yard First; ; 1"_s;
        QTest::newRow("a row of the first chosen")
            << false << 0 << 1 << u"Entrance Ground, Yard First; Door Ground; 1"_s;
    }
    void tablesByStorey() {
        QFETCH(bool, thisStorey);
        QFETCH(int, storey);
        QFETCH(int, row);
        QFETCH(QString, result);
        Site shownSite = twoStoreys();
        open(shownSite);
        child<QCheckBox>("TablesThisStorey")->setChecked(thisStorey);
        view().setStorey(storey);
        if (row >= 0)
            table("CameraTable")->selectRow(row);
        const auto rows = [this](const char* name, int storeyColumn) {
            const QAbstractItemModel* model = table(name)->model();
            QStringList shown;
            for (int i = 0; i < model->rowCount(); ++i)
                shown << model->index(i, 0).data().toString() + u' ' +
                             model->index(i, storeyColumn).data().toString();
            return shown.join(u", "_s);
        };
        QCOMPARE(u"%1; %2; %3"_s
                     .arg(rows("CameraTable", int(CameraColumn::Storey)),
                          rows("AreaTable", int(AreaColumn::Storey)))
                     .arg(view().storey()),
                 result);
        if (row >= 0)
            QCOMPARE(view().selection(), (std::vector<ItemRef>{{ItemKind::Camera, row}}));
    }

    // Everything copied (or cut) from the sample pastes into another window: equal items 1 m
    // east and south (2 m the second time), the names it has taken numbered afresh, selected,
    // one undo step each; text that is no site pastes nothing and says so.
    void copyAndPaste_data() {
        QTest::addColumn<bool>("cut");
        QTest::newRow("copied") << false;
        QTest::newRow("cut") << true;
    }
    void copyAndPaste() {
        QFETCH(bool, cut);
        Site other;
        other.levelSet = sample().levelSet;
        other.cameras = {camera("Entrance", {50, 50})};
        QCOMPARE(SiteFile::save(path(u"other.vistaro"_s), other), std::nullopt);
        open();
        QTest::keyClick(viewport(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(viewport(), cut ? Qt::Key_X : Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(site().cameras.empty(), cut);
        const QMimeData* held = QGuiApplication::clipboard()->mimeData();
        QVERIFY(held->hasFormat(u"application/x-vistaro-site"_s));
        QVERIFY(readSite(held->text().toUtf8()).site);

        SitePlan second(m_host, *m_settings, std::make_unique<PlanGeometry>());
        second.recovery().setFolder(path(u"data"_s));
        QVERIFY(second.openFile(path(u"other.vistaro"_s)));
        auto* paste = second.findChild<QAction*>(u"Paste"_s);
        for (int pastes = 1; pastes <= 2; ++pastes) {
            paste->trigger();
            Site expected = sample();
            for (SiteCamera& camera : expected.cameras)
                camera = std::get<SiteCamera>(translated(camera, pastes, -pastes));
            expected.cameras[0].name = u"Entrance %1"_s.arg(pastes);
            if (pastes == 2)
                expected.cameras[1].name = u"Yard 1"_s;
            const Site& got = second.document().site();
            const std::vector<SiteCamera> pasted(got.cameras.end() - 2, got.cameras.end());
            QCOMPARE(pasted, expected.cameras);
            QCOMPARE(got.walls.back(),
                     std::get<SiteWall>(translated(expected.walls[0], pastes, -pastes)));
            SiteArea area = std::get<SiteArea>(translated(expected.areas[0], pastes, -pastes));
            if (pastes == 2)
                area.name = u"Door 1"_s;
            QCOMPARE(got.areas.back(), area);
            QCOMPARE(second.planView().selection().size(), std::size_t(4));
        }
        QCOMPARE(second.undoStack().count(), 2);
        QCOMPARE(second.undoStack().undoText(), u"Paste"_s);

        QGuiApplication::clipboard()->setText(u"a wall, 4 m"_s);
        const Site before = second.document().site();
        paste->trigger();
        QCOMPARE(second.document().site(), before);
        QVERIFY(!second.statusBar()->currentMessage().isEmpty());
        second.undoStack().clear();
    }

    // Two clicks, snapped to the 1 m grid, measure between them on the plan and in the status
    // bar; nothing is kept or undoable. Esc clears, and Esc again leaves the tool.
    void measure_data() {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("measured");
        QTest::newRow("3, 4, 5") << u"0.13 7.96, 3.05 11.98"_s << u"5 m at 53.1\u00b0"_s;
        QTest::newRow("west") << u"6.1 8, 0.9 7.9"_s << u"5 m at 180.0\u00b0"_s;
        QTest::newRow("typed") << u"0.13 7.96, 2 Tab 90 Enter"_s << u"2 m at 90.0\u00b0"_s;
    }
    void measure() {
        QFETCH(QString, clicks);
        QFETCH(QString, measured);
        open();
        zoomTo40();
        const Site before = site();
        action("Measure")->trigger();
        for (const QString& click : clicks.split(u", "_s)) {
            const QStringList xy = click.split(u' ');
            if (xy.size() == 2) {
                clickAt(pointOf(click));
                continue;
            }
            // The length typed on the plan, the angle in its field, Enter.
            QTest::keyClick(viewport(), xy[0].front().toLatin1());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClicks(QApplication::focusWidget(), xy[2]);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        auto* hint = child<QLabel>("ModeHint");
        QVERIFY2(hint->text().contains(measured), qPrintable(hint->text()));
        QCOMPARE(site(), before);
        QCOMPARE(plan().undoStack().count(), 0);
        QVERIFY(!plan().isWindowModified());
        QTest::keyClick(viewport(), Qt::Key_Escape);
        QVERIFY(!hint->text().contains(measured));
        QVERIFY(action("Measure")->isChecked());
        QTest::keyClick(viewport(), Qt::Key_Escape);
        QVERIFY(!action("Measure")->isChecked());
    }

    // The sample's wall (4 -4)-(4 4) selected, its north end dragged at 40 px a metre; a second
    // wall (8 0)-(8 6). The point snaps as a drawn one, but never to its own wall.
    void pointDraggedSnaps_data() {
        QTest::addColumn<PlanPoint>("to");
        QTest::addColumn<PlanPoint>("snapped");
        QTest::newRow("grid") << PlanPoint{6.1, 5.95} << PlanPoint{6, 6};
        QTest::newRow("not its own wall") << PlanPoint{4.15, 2.3} << PlanPoint{4, 2};
        QTest::newRow("another wall's corner") << PlanPoint{8.1, 6.1} << PlanPoint{8, 6};
    }
    void pointDraggedSnaps() {
        QFETCH(PlanPoint, to);
        QFETCH(PlanPoint, snapped);
        Site walls = sample();
        walls.walls.push_back(SiteWall{{{8, 0}, {8, 6}}});
        open(walls);
        zoomTo40();
        view().centerOn(toScene({5, 2}));
        clickAt({4, 0});
        QCOMPARE(view().selection(), (std::vector<ItemRef>{{ItemKind::Wall, 0}}));
        drag(at({4, 4}), at(to));
        QCOMPARE(site().walls[0].points, (std::vector<PlanPoint>{{4, -4}, snapped}));
        QCOMPARE(plan().undoStack().count(), 1);
    }

    // AddCamera stays on: each click places one there, on the grid, selected, one undo step
    // each; Esc ends it.
    void cameraPlacedAtTheClick() {
        open();
        zoomTo40();
        action("AddCamera")->trigger();
        clickAt({6.1, -3.05});
        clickAt({-2.96, 7.1});
        QCOMPARE(plan().undoStack().count(), 2);
        QCOMPARE(site().cameras.size(), std::size_t(4));
        QCOMPARE(site().cameras[2].position, (PlanPoint{6, -3}));
        QCOMPARE(site().cameras[3].position, (PlanPoint{-3, 7}));
        QCOMPARE(view().selection(), (std::vector<ItemRef>{{ItemKind::Camera, 3}}));
        QVERIFY(action("AddCamera")->isChecked());
        QTest::keyClick(viewport(), Qt::Key_Escape);
        QVERIFY(!action("AddCamera")->isChecked());
        clickAt({1, 5});
        QCOMPARE(site().cameras.size(), std::size_t(4));
    }

    // The status bar reads plan coordinates under the cursor (down is south). The wheel zooms
    // around the cursor; the middle button drags the plan. Two drags of one camera are two steps.
    void mouseOnThePlan() {
        open();
        QTest::mouseMove(viewport(), at({0, 0}) + QPoint(30, 30));
        const QString text = child<QLabel>("CursorPosition")->text();
        const QRegularExpressionMatch read =
            QRegularExpression(u"^East (-?[0-9.]+) m, north (-?[0-9.]+) m$"_s).match(text);
        QVERIFY2(read.hasMatch(), qPrintable(text));
        // The camera's place on screen is rounded to a whole pixel.
        QVERIFY(near(read.captured(1).toDouble(), metres(30), metres(1)));
        QVERIFY(near(read.captured(2).toDouble(), -metres(30), metres(1)));
        drag(at({0, 0}), at({0, 0}) + QPoint(30, 0));
        drag(at(site().cameras[0].position), at(site().cameras[0].position) + QPoint(30, 0));
        QCOMPARE(plan().undoStack().count(), 2);

        const QPoint cursor = at({10, 6});
        const double scale = view().scale();
        QWheelEvent wheel(cursor, viewport()->mapToGlobal(cursor), {}, QPoint(0, 240), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport(), &wheel);
        QVERIFY(view().scale() > scale * 1.2);
        QVERIFY((at({10, 6}) - cursor).manhattanLength() <= 2);

        QTest::mousePress(viewport(), Qt::MiddleButton, {}, cursor);
        QTest::mouseMove(viewport(), cursor + QPoint(60, 30));
        QTest::mouseRelease(viewport(), Qt::MiddleButton, {}, cursor + QPoint(60, 30));
        QVERIFY((at({10, 6}) - cursor - QPoint(60, 30)).manhattanLength() <= 2);
        QCOMPARE(plan().undoStack().count(), 2);
    }

    // The boundary is picked on its line, a corner dragged in one undo step, Delete takes it.
    void boundaryEdited() {
        Site bounded = sample();
        bounded.boundary = {{-6, -6}, {16, -6}, {16, 12}};
        open(bounded);
        const std::vector<PlanPoint> drawn = bounded.boundary;
        clickAt({5, -6});
        drag(at(drawn[1]), at(drawn[1]) + QPoint(60, 0));
        QCOMPARE(plan().undoStack().count(), 1);
        QVERIFY(site().boundary[1].x > drawn[1].x + 0.5);
        QCOMPARE(site().boundary[0], drawn[0]);
        action("DeleteSelection")->trigger();
        QVERIFY(site().boundary.empty());
        plan().undoStack().undo();
        QCOMPARE(site().boundary.size(), std::size_t(3));
    }

    // Fit shows all, no more. National grid: a 0.5 m gate 500 km E, 5000 km N, a camera by it: seen
    // on open, on fit, zoomed to fill the view (pixel offsets past int); panel: camera's place.
    void zoomToFit() {
        Site far = sample();
        far.cameras.push_back(camera("Far", {500, 300}));
        far.walls.push_back(SiteWall{{{-200, -100}, {-190, -100}}});
        open(far);
        view().zoomBy(8);
        action("ZoomToFit")->trigger();
        const QRect shown = viewport()->rect();
        for (const PlanPoint& point : {PlanPoint{500, 300}, PlanPoint{-200, -100}, PlanPoint{0, 0}})
            QVERIFY(shown.contains(at(point)));
        // The wall's end is the plan's corner (the fields reach east and north of the cameras).
        QVERIFY(!shown.adjusted(100, 100, -100, -100).contains(at({-200, -100})));
        // The shop is framed, not its camera's fan 100 m out through the door.
        open(test::shopWithOpenDoor());
        action("ZoomToFit")->trigger();
        QVERIFY(shown.contains(at({0, 0})) && shown.contains(at({20, 12})));
        QVERIFY(!shown.contains(at({30, 6})));

        const std::vector<PlanPoint> gate{{500'000.25, 5'000'000.25},
                                          {500'000.75, 5'000'000.25},
                                          {500'000.75, 5'000'000.75},
                                          {500'000.25, 5'000'000.75}};
        Site grid;
        grid.areas = {SiteArea{u"Gate"_s, EnIdentification, gate}};
        grid.cameras = {camera("Gate", {500'000.5, 5'000'000.5})};
        open(grid);
        action("ZoomToFit")->trigger();
        for (const PlanPoint& corner : gate) {
            QVERIFY(view().sceneRect().contains(toScene(corner)));
            QVERIFY(shown.contains(at(corner)));
        }
        view().centerOn(toScene({500'000.5, 5'000'000.5}));
        view().zoomBy(800 / view().scale());
        QCOMPARE(view().scale(), 800.0);
        for (const PlanPoint& corner : gate)
            QVERIFY(shown.contains(at(corner)));
        QVERIFY(std::abs((at(gate[1]) - at(gate[0])).x() - 400) <= 1);
        QVERIFY(std::abs((at(gate[3]) - at(gate[0])).y() + 400) <= 1);

        table("CameraTable")->selectRow(0);
        QCOMPARE(child<QDoubleSpinBox>("CameraX")->value(), 500'000.5);
        QCOMPARE(child<QDoubleSpinBox>("CameraY")->value(), 5'000'000.5);
    }

    // Nothing is written before an edit, then once after the interval. A window left unclosed with
    // changes: the next offers them back unsaved under their file, the copy kept till saved.
    void restoredAfterACrash_data() {
        QTest::addColumn<bool>("hasFile");
        QTest::newRow("site file") << true;
        QTest::newRow("untitled") << false;
    }
    void restoredAfterACrash() {
        QFETCH(bool, hasFile);
        open();
        QVERIFY(hasFile || plan().newSite());
        QCOMPARE(plan().windowTitle(),
                 (hasFile ? u"sample.vistaro"_s : u"Untitled"_s) + u"[*] - Site plan"_s);
        idle();
        QVERIFY(!QFile::exists(copy()));
        edit(u"add camera"_s);
        const QByteArray edited = shown();
        QVERIFY(!QFile::exists(copy()));
        QTRY_COMPARE(copied(), edited);
        // Written once: a copy taken away comes back only with the next edit.
        QVERIFY(QFile::remove(copy()));
        idle();
        QVERIFY(!QFile::exists(copy()));
        action("Undo")->trigger();
        action("Redo")->trigger();
        QTRY_VERIFY(QFile::exists(copy()));

        start();
        test::MessageBoxAnswer restore(QMessageBox::Yes);
        QVERIFY(plan().offerRecovery());
        const QString asked = restore.texts.value(0);
        QVERIFY2(asked.contains(hasFile ? u"sample.vistaro"_s : u"Untitled"_s), qPrintable(asked));
        QCOMPARE(shown(), edited);
        QCOMPARE(plan().fileName(), hasFile ? path(u"sample.vistaro"_s) : QString());
        QVERIFY(plan().isWindowModified());
        QVERIFY(!plan().undoStack().isClean());
        QVERIFY(QFile::exists(copy()));

        m_dialogs.picked = path(u"new site"_s);
        QVERIFY(plan().save());
        const QString name = hasFile ? u"sample.vistaro"_s : u"new site.vistaro"_s;
        QCOMPARE(plan().fileName(), path(name));
        QCOMPARE(plan().windowTitle(), name + u"[*] - Site plan"_s);
        QVERIFY(!plan().isWindowModified());
        QCOMPARE(child<QMenu>("RecentFiles")->actions().value(0)->toolTip(),
                 QDir::toNativeSeparators(path(name)));
        QVERIFY(!QFile::exists(copy()));
        QCOMPARE(siteToJson(*SiteFile::read(plan().fileName()).site), edited);
    }

    // Another running program's copy is neither offered nor overwritten; offered once it dies.
    void anotherRunningProgramKeepsItsCopy() {
        open();
        edit(u"add camera"_s);
        QTRY_VERIFY(QFile::exists(copy()));
        const QByteArray theirs = copied();
        QLockFile other(path(u"data/recovery.lock"_s));
        m_plan.reset();
        other.setStaleLockTime(0);
        QVERIFY(other.tryLock(0));

        open();
        QVERIFY(!plan().offerRecovery());
        QVERIFY(!SiteRecovery::leftIn(path(u"data"_s)));
        edit(u"add camera"_s);
        edit(u"add camera"_s);
        QTRY_VERIFY(plan().statusBar()->currentMessage().contains(u"another Vistaro"_s));
        QCOMPARE(copied(), theirs);
        plan().recovery().discard();
        QCOMPARE(copied(), theirs);

        other.unlock();
        QVERIFY(SiteRecovery::leftIn(path(u"data"_s)));
        test::MessageBoxAnswer restore(QMessageBox::Yes);
        QVERIFY(plan().offerRecovery());
        QCOMPARE(shown(), theirs);
    }

    // What a drawing leaves out, a kind at a time in the order met: the common kinds by name,
    // one or more of each, the others by their DXF name; nothing for none or a count of 0.
    void notDrawnSummary_data() {
        QTest::addColumn<QStringList>("kinds");
        QTest::addColumn<QList<int>>("counts");
        QTest::addColumn<QString>("summary");
        QTest::newRow("none") << QStringList{} << QList<int>{} << QString();
        QTest::newRow("12 images")
            << QStringList{u"IMAGE"_s} << QList<int>{12} << u"12 images not drawn"_s;
        QTest::newRow("one of each, common and not")
            << QStringList{u"3DSOLID"_s, u"ACAD_XYZ"_s, u"OLE2FRAME"_s} << QList<int>{1, 1, 1}
            << u"1 3D solid not drawn, 1 ACAD_XYZ entity not drawn, 1 embedded object not drawn"_s;
        QTest::newRow("several unknown, one counted 0")
            << QStringList{u"ACAD_XYZ"_s, u"MESH"_s, u"xline"_s} << QList<int>{3, 0, 2}
            << u"3 ACAD_XYZ entities not drawn, 2 construction lines not drawn"_s;
    }
    void notDrawnSummary() {
        QFETCH(QStringList, kinds);
        QFETCH(QList<int>, counts);
        QFETCH(QString, summary);
        DxfDrawing drawing = readDxfFile(PlanDxf).drawing;
        for (qsizetype i = 0; i < kinds.size(); ++i)
            drawing.notDrawn.push_back({kinds[i], counts[i]});
        QCOMPARE(DxfSummary::notDrawn(drawing.notDrawn), summary);
        // Said under the layers dialog's table too, when there is something to say.
        const DxfLayersDialog dialog(drawing, {});
        const auto* label = dialog.findChild<QLabel*>(u"DxfNotDrawn"_s);
        QCOMPARE(label ? label->text() : QString(), summary);
        QVERIFY(!label || !label->accessibleName().isEmpty());
    }

    // The dialog lists each layer with its entities; "shown" and "use as walls" are read back.
    void layersDialog() {
        const DxfDrawing drawing = readDxfFile(PlanDxf).drawing;
        DxfLayersDialog dialog(drawing, {u"furniture"_s});
        const QTableWidget& table = dialog.table();
        QStringList rows;
        for (int row = 0; row < table.rowCount(); ++row)
            rows << table.item(row, 0)->text() + u' ' + table.item(row, 1)->text() +
                        (table.item(row, 2)->checkState() == Qt::Checked ? u" shown"_s
                                                                         : u" hidden"_s);
        QCOMPARE(rows.join(u'|'), u"0 0 shown|WALLS 4 shown|TEXT 2 shown|FURNITURE 4 hidden"_s);
        QCOMPARE(dialog.choice(), (LayerChoice{{u"FURNITURE"_s}, {}, {}}));
        table.item(1, 3)->setCheckState(Qt::Checked);
        table.item(2, 2)->setCheckState(Qt::Unchecked);
        QCOMPARE(dialog.choice(), (LayerChoice{{u"TEXT"_s, u"FURNITURE"_s}, {u"WALLS"_s}, {}}));
        // A layer used as obstacles: its heights asked once as the dialog is accepted.
        table.item(3, 4)->setCheckState(Qt::Checked);
        QTimer::singleShot(0, [] {
            QWidget* asked = QApplication::activeModalWidget();
            asked->findChild<QDoubleSpinBox*>(u"LayerObstacleTop"_s)->setValue(1.1);
            qobject_cast<QDialog*>(asked)->accept();
        });
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.choice().obstacles,
                 (std::vector<LayerObstacles>{{u"FURNITURE"_s, 0, 1.1}}));
    }

    // "Use as obstacles" makes an obstacle of each closed outline of the layer (a closed
    // polyline, a circle as a polygon), between the heights asked, named after the layer; the
    // open ones are passed over and counted. One undo step with the drawing's layers.
    void obstaclesFromALayer_data() {
        QTest::addColumn<QByteArray>("entities");
        QTest::addColumn<int>("made");
        QTest::addColumn<QString>("said");
        const QByteArray closed = "0\nLWPOLYLINE\n8\nSHELVES\n90\n4\n70\n1\n10\n1\n20\n1\n"
                                  "10\n3\n20\n1\n10\n3\n20\n1.5\n10\n1\n20\n1.5\n";
        const QByteArray open = "0\nLWPOLYLINE\n8\nSHELVES\n90\n3\n70\n0\n10\n5\n20\n0\n"
                                "10\n6\n20\n0\n10\n6\n20\n1\n";
        const QByteArray circle = "0\nCIRCLE\n8\nSHELVES\n10\n8\n20\n8\n40\n0.5\n";
        QTest::newRow("a closed polyline and an open one")
            << closed + open << 1
            << u"1 obstacle made from the drawing's layers; 1 open outline "
               u"passed over"_s;
        QTest::newRow("a circle") << circle << 1 << u"1 obstacle made from the drawing's layers"_s;
        QTest::newRow("open ones only") << open + open << 0
                                        << u"0 obstacles made from the drawing's layers; 2 open "
                                           u"outlines passed over"_s;
    }
    void obstaclesFromALayer() {
        QFETCH(QByteArray, entities);
        QFETCH(int, made);
        QFETCH(QString, said);
        start();
        load(drawing(u"shelves.dxf"_s, "9\n$INSUNITS\n70\n6\n", entities));
        chooseLayers({{}, {}, {{u"SHELVES"_s, 0.2, 1.8}}});
        action("DxfLayers")->trigger();
        QCOMPARE(int(site().obstacles.size()), made);
        QCOMPARE(plan().statusBar()->currentMessage(), said);
        QCOMPARE(plan().undoStack().count(), 1 + made);
        if (made == 0)
            return;
        const SiteObstacle& first = site().obstacles.front();
        QCOMPARE(first.name, u"SHELVES 1"_s);
        QCOMPARE(first.bottomM, 0.2);
        QCOMPARE(first.topM, 1.8);
        if (entities.startsWith("0\nLW"))
            QCOMPARE(first.points, (std::vector<PlanPoint>{{1, 1}, {3, 1}, {3, 1.5}, {1, 1.5}}));
        else
            QVERIFY(first.points.size() > 8);
        plan().undoStack().undo();
        QVERIFY(site().obstacles.empty());
    }

    // Each entity in its colour, its layer's when it names none; a fill by the even-odd rule, its
    // hole left blank; a hidden layer's entities not drawn. The drawing's (x, y) is pixel
    // (10 x, 100 - 10 y), so that a line at y 9.05 runs along the middle of pixel row 9.
    void dxfPlanColours() {
        DxfDrawing drawing;
        drawing.layers = {{u"0"_s, 3}, {u"HIDDEN"_s, 1}};
        drawing.fills.push_back({0,
                                 {{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}},
                                  {{4, 4}, {6, 4}, {6, 6}, {4, 6}, {4, 4}}},
                                 1});
        drawing.lines.push_back({0, {0, 9.05}, {10, 9.05}});
        drawing.lines.push_back({0, {0, 1.05}, {10, 1.05}, 5});
        drawing.lines.push_back({1, {4.5, 5.05}, {5.5, 5.05}, 5});
        drawing.bounds = boundsOf(drawing);
        const DxfPlan plan(drawing);
        QImage image(100, 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.translate(0, 100);
        painter.scale(10, 10);
        plan.paint(painter, {u"hidden"_s});
        painter.end();
        QCOMPARE(image.pixelColor(20, 50), QColor(Qt::red));
        QCOMPARE(image.pixelColor(50, 49), QColor(Qt::white));
        QCOMPARE(image.pixelColor(50, 9), QColor(Qt::darkGreen));
        QCOMPARE(image.pixelColor(50, 89), QColor(Qt::blue));
    }

    // A text at (5, -3), pixel (200, 120): which side, middle or end of its ink lies there, to a
    // side bearing (6 pixels); capitals 40 pixels tall.
    void dxfTextAnchors_data() {
        QTest::addColumn<DxfText>("text");
        QTest::addColumn<QString>("anchor");
        const auto row = [](const char* name, double angle, DxfHAlign h, DxfVAlign v,
                            const char* anchor, const QString& text = u"HOH"_s) {
            QTest::newRow(name) << DxfText{0, {5, -3}, 1, angle, text, h, v} << anchor;
        };
        row("left on its base line", 0, DxfHAlign::Left, DxfVAlign::Baseline, "left bottom");
        row("centred", 0, DxfHAlign::Centre, DxfVAlign::Baseline, "centre bottom");
        row("right, top", 0, DxfHAlign::Right, DxfVAlign::Top, "right top");
        row("middle", 0, DxfHAlign::Centre, DxfVAlign::Middle, "centre middle");
        // Upwards: its line ends at its top, the capitals stand left of the base line.
        row("turned, right", 90, DxfHAlign::Right, DxfVAlign::Baseline, "right top");
        row("two lines", 0, DxfHAlign::Right, DxfVAlign::Top, "right top", u"HOH\nHHOOHH"_s);
    }

    void dxfTextAnchors() {
        QFETCH(DxfText, text);
        QFETCH(QString, anchor);
        const QRect ink = inkOf(text);
        const auto at = [](double anchor, double low, double high, std::array<QString, 3> names) {
            for (const auto& [edge, name] : {std::pair{low, 0}, {(low + high) / 2, 1}, {high, 2}})
                if (near(edge, anchor, 6))
                    return names.at(name);
            return u"none"_s;
        };
        QCOMPARE(at(200, ink.left(), ink.right() + 1, {u"left"_s, u"centre"_s, u"right"_s}) + u' ' +
                     at(120, ink.top(), ink.bottom() + 1, {u"top"_s, u"middle"_s, u"bottom"_s}),
                 anchor);
        QVERIFY(text.text.contains(u'\n') || near(std::min(ink.width(), ink.height()), 40, 2));
    }

    // An MTEXT wrapped at 6 units (240 pixels) from (1, -1): its lines no wider, and several.
    void dxfTextWrapped() {
        DxfText text{0, {1, -1}, 1, 0, u"Plant room for pumps and boilers"_s};
        QVERIFY(inkOf(text).width() > 240);
        text.wrapWidth = 6;
        const QRect wrapped = inkOf(text);
        QVERIFY(wrapped.left() >= 40 && wrapped.right() < 40 + 240 && wrapped.height() > 120);
    }

    // The mm plan lies on the plan's origin (unit: 1 mm), switched-off layer hidden, box in metres.
    // "Use as walls" on WALLS and a layer hidden are one undo step; hidden layers persist.
    void dxfBackground() {
        start();
        QVERIFY(!action("DxfLayers")->isEnabled());
        load(PlanDxf);
        const SiteBackground& loaded = background().value();
        QCOMPARE(metresPerPixel(loaded), 0.001);
        QCOMPARE(loaded.offset, PlanPoint());
        QCOMPARE(loaded.hiddenLayers, std::nullopt);
        QVERIFY(action("DxfLayers")->isEnabled());
        const QRectF box = shownPicture().rect();
        const PlanPoint topLeft = planOfPixel(loaded, {box.left(), box.top()});
        const PlanPoint bottomRight = planOfPixel(loaded, {box.right(), box.bottom()});
        QVERIFY(near(topLeft.x, -1) && near(topLeft.y, 10));
        QVERIFY(near(bottomRight.x, 10) && near(bottomRight.y, 0));

        QStringList asked;
        plan().planImport().setLayerAsker(
            [&asked](QWidget*, const DxfDrawing& drawing, const QStringList& hidden) {
                for (const DxfLayer& layer : drawing.layers)
                    asked << layer.name;
                asked << hidden;
                return std::optional(LayerChoice{{u"TEXT"_s}, {u"WALLS"_s}, {}});
            });
        action("DxfLayers")->trigger();
        QCOMPARE(asked.join(u' '), u"0 WALLS TEXT FURNITURE FURNITURE"_s);
        QCOMPARE(site().walls.size(), std::size_t(4));
        QCOMPARE(site().walls[0].points, (std::vector<PlanPoint>{{0, 0}, {10, 0}}));
        QCOMPARE(background()->hiddenLayers, std::optional(QStringList{u"TEXT"_s}));
        QCOMPARE(plan().undoStack().count(), 2);
        plan().undoStack().undo();
        QVERIFY(site().walls.empty());
        QCOMPARE(background()->hiddenLayers, std::nullopt);
        plan().undoStack().redo();
        QCOMPARE(site().walls.size(), std::size_t(4));

        m_dialogs.picked = path(u"drawn.vistaro"_s);
        QVERIFY(plan().saveAs());
        start();
        QVERIFY(plan().openFile(path(u"drawn.vistaro"_s)));
        QCOMPARE(background()->hiddenLayers, std::optional(QStringList{u"TEXT"_s}));
        QCOMPARE(site().walls.size(), std::size_t(4));
        QVERIFY(!shownPicture().isNull());
    }

    // "Use as walls" on a layer of 250 lines is one change of the site: one undo step, one
    // signal, every wall on the plan. Moved, deleted at once, undone, and the layer's step undone.
    void wallsFromALargeLayer() {
        // Enough for a batch across rows; the speed of thousands is the benchmark's.
        constexpr int Lines = 250;
        QByteArray entities;
        for (int i = 0; i < Lines; ++i)
            entities +=
                dxfLine("WALLS", {i % 64 * 2.0, i / 64 * 3.0}, {i % 64 * 2 + 1.5, i / 64 * 3.0});
        start();
        load(drawing(u"lines.dxf"_s, "9\n$INSUNITS\n70\n6\n", entities));
        chooseLayers({{}, {u"WALLS"_s}, {}});
        QSignalSpy inserted(&plan().document(), &SiteDocument::itemsInserted);
        QSignalSpy removed(&plan().document(), &SiteDocument::itemsRemoved);
        action("DxfLayers")->trigger();
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(plan().undoStack().count(), 2);
        QCOMPARE(site().walls.size(), std::size_t(Lines));
        // The last line: the 250th, 58th of row 4 (counted from 0: 57 and 3).
        QCOMPARE(site().walls.back().points, (std::vector<PlanPoint>{{114, 9}, {115.5, 9}}));
        QVERIFY(view().itemOf({ItemKind::Wall, Lines - 1}));
        QCOMPARE(view().selection().size(), std::size_t(Lines));
        // Moved together: one change too.
        QSignalSpy changed(&plan().document(), &SiteDocument::itemsChanged);
        view().nudge(0.5, 0);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(site().walls.back().points[0], (PlanPoint{114.5, 9}));
        plan().undoStack().undo();

        action("DeleteSelection")->trigger();
        QCOMPARE(removed.size(), 1);
        QVERIFY(site().walls.empty());
        QVERIFY(!view().itemOf({ItemKind::Wall, 0}));
        plan().undoStack().undo();
        QCOMPARE(inserted.size(), 2);
        QCOMPARE(site().walls.size(), std::size_t(Lines));
        QVERIFY(view().itemOf({ItemKind::Wall, Lines - 1}));
        plan().undoStack().undo();
        QCOMPARE(removed.size(), 2);
        QVERIFY(site().walls.empty());
        QVERIFY(!view().itemOf({ItemKind::Wall, 0}));
    }

    // The area and obstacle panels show the one item selected (a click inside it); each field
    // edits it as one undo step. The required share, typed in per cent with one decimal, decides
    // whether the area's label says met (the door is not covered: met only when none of it is
    // required); an obstacle's heights take no negative value and no bottom above the top.
    void itemPanel_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>(
            "after"); // an area's name, share and label; an obstacle's heights
        QTest::newRow("area name")
            << u"AreaName"_s << u"Till"_s << u"Till 1; Till: Plate readable, 0 % \u2717"_s;
        QTest::newRow("share") << u"AreaRequiredShare"_s << u"0"_s
                               << u"Door 0; Door: Plate readable, 0 % \u2713"_s;
        QTest::newRow("share, a tenth") << u"AreaRequiredShare"_s << u"0.1"_s
                                        << u"Door 0.001; Door: Plate readable, 0 % \u2717"_s;
        QTest::newRow("obstacle name") << u"ObstacleName"_s << u"Rack"_s << u"Rack 0.2 2"_s;
        QTest::newRow("top") << u"ObstacleTop"_s << u"2.5"_s << u"Shelf 0.2 2.5"_s;
        QTest::newRow("bottom above the top") << u"ObstacleBottom"_s << u"3"_s << u"Shelf 2 2"_s;
        QTest::newRow("top below the bottom") << u"ObstacleTop"_s << u"0.1"_s << u"Shelf 0.2 0.2"_s;
        QTest::newRow("negative bottom") << u"ObstacleBottom"_s << u"-1"_s << u"Shelf 0 2"_s;
    }
    void itemPanel() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        const bool isArea = field.startsWith(u"Area"_s);
        const Site shown = isArea ? sample() : shelves();
        open(shown);
        auto* name = child<QLineEdit>(isArea ? "AreaName" : "ObstacleName");
        const QString named = isArea ? u"Door"_s : u"Shelf"_s;
        QVERIFY(!name->isEnabled());
        clickAt(isArea ? PlanPoint{2, 0.5} : PlanPoint{3, 6.25});
        QCOMPARE(view().selection().size(), std::size_t(1));
        QCOMPARE(name->text(), named);
        if (isArea)
            QCOMPARE(child<QDoubleSpinBox>("AreaRequiredShare")->value(), 100.0);
        if (field.endsWith(u"Name"_s)) {
            name->setText(typed);
            emit name->editingFinished();
        } else {
            child<QDoubleSpinBox>(field.toLatin1().constData())->setValue(typed.toDouble());
        }
        if (isArea) {
            const SiteArea& area = site().areas.at(0);
            QCOMPARE(u"%1 %2; %3"_s.arg(area.name)
                         .arg(area.requiredShare)
                         .arg(view().itemOf({ItemKind::Area, 0})->toolTip()),
                     after);
        } else {
            const SiteObstacle& shelf = site().obstacles.at(0);
            QCOMPARE(u"%1 %2 %3"_s.arg(shelf.name).arg(shelf.bottomM).arg(shelf.topM), after);
        }
        QCOMPARE(plan().undoStack().count(), 1);
        action("Undo")->trigger();
        QCOMPARE(site(), shown);
        QCOMPARE(name->text(), named);
    }

    // The obstacle table: surfaces truncated (1.99 m² shows 1.9), sorted by a header's figures
    // with the selection kept to the right obstacle; a typed height that is negative or puts the
    // bottom above the top is refused.
    void obstacleTable_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after"); // the counter's name, bottom, top
        QTest::newRow("name") << 0 << u"Till"_s << u"Till 0 1.1"_s;
        QTest::newRow("bottom") << 1 << u"0.5"_s << u"Counter 0.5 1.1"_s;
        QTest::newRow("bottom above the top") << 1 << u"1.2"_s << u"Counter 0 1.1"_s;
        QTest::newRow("negative top") << 2 << u"-1"_s << u"Counter 0 1.1"_s;
        QTest::newRow("not a number") << 2 << u"high"_s << u"Counter 0 1.1"_s;
    }
    void obstacleTable() {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        open(shelves());
        QTableView* obstacles = table("ObstacleTable");
        QAbstractItemModel* rows = obstacles->model();
        QCOMPARE(rows->index(1, 3).data().toString(), u"1.9"_s);
        obstacles->sortByColumn(3, Qt::AscendingOrder);
        QCOMPARE(rows->index(0, 0).data().toString(), u"Counter"_s);
        QCOMPARE(rows->index(1, 3).data().toString(), u"2"_s);
        obstacles->selectRow(0);
        QCOMPARE(view().selection(), (std::vector<ItemRef>{{ItemKind::Obstacle, 1}}));
        clickAt({3, 6.25});
        QCOMPARE(obstacles->selectionModel()->selectedRows().value(0).row(), 1);
        rows->setData(rows->index(0, column), typed);
        const SiteObstacle& counter = site().obstacles.at(1);
        QCOMPARE(u"%1 %2 %3"_s.arg(counter.name).arg(counter.bottomM).arg(counter.topM), after);
    }

    // Heights in the site's units, held in metres: the shelf from 0.2 m to 1.8 m up, 4 x 0.5 m,
    // reads in feet 0.2 / 0.3048 = 0.66, 1.8 / 0.3048 = 5.91 and 2 / 0.3048² = 21.52 ft²
    // (truncated, 21.5); 10 typed as its top, in the table or the panel, is 3.048 m, the bottom
    // kept as it was (not 0.66 ft = 0.201168 m). The first floor, 3 m up and 3.5 m high, reads
    // 9.84 ft and 11.48 ft; 10 typed as its height is 3.048 m.
    void heightsInUnits_data() {
        QTest::addColumn<Units>("units");
        QTest::addColumn<QString>("obstacles"); // headers; the shelf's heights and area
        QTest::addColumn<QString>("panel");     // the fields' names and texts
        QTest::addColumn<QString>("storeys");   // headers; the first floor's elevation and height
        QTest::addColumn<double>("typedM");
        QTest::newRow("metric") << Units::Metric << u"Bottom (m) Top (m) Area (m²); 0.2 1.8 2"_s
                                << u"Bottom (m) 0.20 m, Top (m) 1.80 m"_s
                                << u"Elevation (m) Floor-to-floor height (m); 3 3.5"_s << 10.0;
        QTest::newRow("imperial") << Units::Imperial
                                  << u"Bottom (ft) Top (ft) Area (ft²); 0.66 5.91 21.5"_s
                                  << u"Bottom (ft) 0.66 ft, Top (ft) 5.91 ft"_s
                                  << u"Elevation (ft) Floor-to-floor height (ft); 9.84 11.48"_s
                                  << 3.048;
    }
    void heightsInUnits() {
        QFETCH(Units, units);
        QFETCH(QString, obstacles);
        QFETCH(QString, panel);
        QFETCH(QString, storeys);
        QFETCH(double, typedM);
        Site shown = shelves();
        shown.units = units;
        shown.obstacles[0].topM = 1.8;
        const auto texts = [](const QAbstractItemModel& rows, int row,
                              std::vector<int> columns) -> QString {
            QStringList headers, cells;
            for (const int column : columns) {
                headers << rows.headerData(column, Qt::Horizontal).toString();
                cells << rows.index(row, column).data().toString();
            }
            return headers.join(u' ') + u"; "_s + cells.join(u' ');
        };
        open(shown);
        QAbstractItemModel& rows = *table("ObstacleTable")->model();
        QCOMPARE(texts(rows, 0, {1, 2, 3}), obstacles);
        rows.setData(rows.index(0, 2), u"10"_s);
        QCOMPARE(site().obstacles[0].topM, typedM);
        action("Undo")->trigger();
        clickAt({3, 6.25});
        QStringList fields;
        for (const char* name : {"ObstacleBottom", "ObstacleTop"}) {
            auto* box = child<QDoubleSpinBox>(name);
            fields << box->accessibleName() + u' ' + box->text();
        }
        QCOMPARE(fields.join(u", "_s), panel);
        child<QDoubleSpinBox>("ObstacleTop")->setValue(10);
        QCOMPARE(site().obstacles[0].topM, typedM);
        QCOMPARE(site().obstacles[0].bottomM, 0.2);

        Site floors = twoStoreys();
        floors.units = units;
        floors.storeys[1].heightM = 3.5;
        StoreysDialog dialog(floors);
        auto* storeyTable = dialog.findChild<QTableWidget*>(u"StoreyTable"_s);
        QCOMPARE(texts(*storeyTable->model(), 1, {1, 2}), storeys);
        storeyTable->item(1, 2)->setText(u"10"_s);
        QCOMPARE(dialog.storeys()[1].heightM, typedM);
        QCOMPARE(dialog.storeys()[1].elevationM, 3.0);
    }

    // The wall panel: up to the ceiling until the box is cleared (a top of 3 m offered then),
    // no negative height, no bottom above the top; each change one undo step.
    void wallPanel_data() {
        QTest::addColumn<QString>("steps"); // a field and its value each
        QTest::addColumn<QString>("after"); // bottom, top
        QTest::addColumn<int>("undoSteps");
        QTest::newRow("a bottom, to the ceiling") << u"WallBottom 0.5"_s << u"0.5 ceiling"_s << 1;
        QTest::newRow("to a top") << u"WallToCeiling 0"_s << u"0 3"_s << 1;
        QTest::newRow("negative bottom") << u"WallBottom -1"_s << u"0 ceiling"_s << 0;
        QTest::newRow("a beam from 5 m to the ceiling") << u"WallBottom 5"_s << u"5 ceiling"_s << 1;
        QTest::newRow("bottom above the top")
            << u"WallToCeiling 0, WallBottom 5"_s << u"3 3"_s << 2;
        QTest::newRow("top below the bottom")
            << u"WallBottom 1, WallToCeiling 0, WallTop 0.5"_s << u"1 1"_s << 3;
    }
    void wallPanel() {
        QFETCH(QString, steps);
        QFETCH(QString, after);
        QFETCH(int, undoSteps);
        open();
        clickAt({4, 2});
        QCOMPARE(view().selection(), (std::vector<ItemRef>{{ItemKind::Wall, 0}}));
        QVERIFY(child<QCheckBox>("WallToCeiling")->isChecked());
        QVERIFY(!child<QDoubleSpinBox>("WallTop")->isEnabled());
        for (const QString& step : steps.split(u", "_s)) {
            const QStringList field = step.split(u' ');
            const QByteArray name = field[0].toLatin1();
            if (auto* box = child<QCheckBox>(name.constData()))
                box->setChecked(field[1] == u"1"_s);
            else
                child<QDoubleSpinBox>(name.constData())->setValue(field[1].toDouble());
        }
        const SiteWall& wall = site().walls.at(0);
        QCOMPARE(u"%1 %2"_s.arg(wall.bottomM)
                     .arg(wall.topM ? QString::number(*wall.topM) : u"ceiling"_s),
                 after);
        QCOMPARE(plan().undoStack().count(), undoSteps);
        while (plan().undoStack().canUndo())
            action("Undo")->trigger();
        QVERIFY(site().walls.at(0).fullHeight());
        QVERIFY(child<QCheckBox>("WallToCeiling")->isChecked());
    }

    // Obstacles are items like areas: copied and pasted (renamed), deleted, undone.
    void obstacleItems() {
        open(shelves());
        QVERIFY(view().itemOf({ItemKind::Obstacle, 1}));
        clickAt({9, 5.5});
        action("Copy")->trigger();
        action("Paste")->trigger();
        QCOMPARE(site().obstacles.size(), std::size_t(3));
        QCOMPARE(site().obstacles[2].name, u"Counter 1"_s);
        QCOMPARE(site().obstacles[2].points[0], (PlanPoint{9, 4}));
        QCOMPARE(view().selection(), (std::vector<ItemRef>{{ItemKind::Obstacle, 2}}));
        action("DeleteSelection")->trigger();
        QCOMPARE(site().obstacles, shelves().obstacles);
        QVERIFY(!view().itemOf({ItemKind::Obstacle, 2}));
        action("Undo")->trigger();
        QCOMPARE(site().obstacles.size(), std::size_t(3));
        QVERIFY(view().itemOf({ItemKind::Obstacle, 2}));
    }

    // A drawing of one straight line has no area but is drawn; what a drawing holds and the plan
    // does not draw is said in the status bar once it is read, the drawn part shown.
    void drawingsOfLittle_data() {
        QTest::addColumn<QByteArray>("entities");
        QTest::addColumn<QString>("said");
        const QByteArray line = dxfLine("WALLS", {0, 5}, {4000, 5});
        QTest::newRow("one level line") << line << QString();
        QTest::newRow("a line and two rays")
            << line + QByteArray("0\nRAY\n8\n0\n10\n0\n20\n0\n11\n1\n21\n0\n").repeated(2)
            << u"2 rays not drawn"_s;
    }
    void drawingsOfLittle() {
        QFETCH(QByteArray, entities);
        QFETCH(QString, said);
        start();
        load(drawing(u"little.dxf"_s, "9\n$INSUNITS\n70\n4\n", entities));
        QVERIFY(background());
        QVERIFY(!shownPicture().isNull());
        QCOMPARE(plan().statusBar()->currentMessage(), said);
    }

    // A site file naming a drawing without its scale or hidden layers takes them from the drawing,
    // as a load through the menu does: the units $INSUNITS states, else asked with those of
    // $MEASUREMENT proposed; its layers off (OFF) or frozen (ICE) hidden, in the layers dialog too,
    // and its line from (0, 0) to (1000, 500) units a wall. Saved with the units, still without
    // hidden layers.
    void drawingSettlesItsSite_data() {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QString>("proposed"); // empty: nothing asked
        QTest::addColumn<double>("metres");    // a unit
        QTest::newRow("millimetres stated")
            << QByteArray("9\n$INSUNITS\n70\n4\n") << QString() << 0.001;
        QTest::newRow("imperial") << QByteArray("9\n$MEASUREMENT\n70\n0\n") << u"inches"_s
                                  << 0.0254;
        QTest::newRow("metric") << QByteArray("9\n$MEASUREMENT\n70\n1\n") << u"millimetres"_s
                                << 0.001;
        QTest::newRow("neither stated") << QByteArray() << u"millimetres"_s << 0.001;
    }
    void drawingSettlesItsSite() {
        QFETCH(QByteArray, header);
        QFETCH(QString, proposed);
        QFETCH(double, metres);
        QByteArray lines;
        for (const QByteArray name : {"WALLS", "OFF", "ICE"})
            lines += dxfLine(name, {0, 0}, {1000, 500});
        drawing(u"settled.dxf"_s, header, lines,
                "0\nLAYER\n2\nWALLS\n70\n0\n62\n1\n0\nLAYER\n2\nOFF\n70\n0\n62\n-3\n"
                "0\nLAYER\n2\nICE\n70\n1\n62\n5\n");
        QFile file(path(u"settled.vistaro"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            R"({"format": "vistaro-site", "version": 1, "background": {"file": "settled.dxf"}})");
        file.close();
        start();
        test::ScriptedDialogs dialogs;
        if (!proposed.isEmpty())
            dialogs.answer(dialogs.Choice, proposed);
        QVERIFY(plan().openFile(file.fileName()));
        QCOMPARE(dialogs.proposed(), proposed.isEmpty() ? QStringList() : QStringList{proposed});
        QCOMPARE(metresPerPixel(*background()), metres);
        QCOMPARE(background()->hiddenLayers, std::nullopt);
        QStringList asked;
        plan().planImport().setLayerAsker(
            [&asked](QWidget*, const DxfDrawing&, const QStringList& hidden) {
                asked = hidden;
                return std::optional(LayerChoice{hidden, {u"WALLS"_s}, {}});
            });
        action("DxfLayers")->trigger();
        QCOMPARE(asked, (QStringList{u"OFF"_s, u"ICE"_s}));
        QCOMPARE(site().walls.size(), std::size_t(1));
        QCOMPARE(site().walls[0].points,
                 (std::vector<PlanPoint>{{0, 0}, {1000 * metres, 500 * metres}}));
        QCOMPARE(background()->hiddenLayers, std::nullopt);
        QVERIFY(plan().save());
        file.open(QIODevice::ReadOnly);
        const QByteArray saved = file.readAll();
        QVERIFY(saved.contains("\"scale\"") && !saved.contains("hidden_layers"));
    }

    // A room 10 x 8 m drawn in UTM metres, 500 km east and 5000 km north, loaded through the
    // menu: framed and drawn, its corner the site's reference point; its walls, the file and the
    // site opened again keep the drawing's coordinates exactly; the properties set the point.
    void worldCoordinates() {
        const std::vector<PlanPoint> room{{500'000.125, 5'000'000},
                                          {500'010.125, 5'000'000},
                                          {500'010.125, 5'000'008},
                                          {500'000.125, 5'000'008}};
        QByteArray lines;
        for (std::size_t i = 0; i < room.size(); ++i)
            lines += dxfLine("WALLS", room[i], room[(i + 1) % room.size()]);
        start();
        load(drawing(u"utm.dxf"_s, "9\n$INSUNITS\n70\n6\n", lines,
                     "0\nLAYER\n2\nWALLS\n70\n0\n62\n5\n"));
        QCOMPARE(plan().undoStack().count(), 1);
        QCOMPARE(site().properties.reference, std::optional(room[0]));
        for (const PlanPoint& corner : room)
            QVERIFY(viewport()->rect().contains(at(corner)));
        QVERIFY(at(room[1]).x() - at(room[0]).x() > viewport()->width() / 2);
        // Drawn: the middle of the south wall has the wall's colour (blue) round it.
        const QImage image = viewport()->grab().toImage();
        const QPoint south = (at(room[0]) + at(room[1])) / 2;
        int blue = 0;
        for (int dy = -2; dy <= 2; ++dy) {
            const QColor pixel = image.pixelColor(south + QPoint(0, dy));
            blue += pixel.blue() > pixel.red() + 60 ? 1 : 0;
        }
        QVERIFY(blue > 0);

        chooseLayers({{}, {u"WALLS"_s}, {}});
        action("DxfLayers")->trigger();
        QCOMPARE(site().walls.size(), std::size_t(4));
        QCOMPARE(site().walls[0].points, (std::vector<PlanPoint>{room[0], room[1]}));
        m_dialogs.picked = path(u"utm.vistaro"_s);
        QVERIFY(plan().saveAs());
        const Site before = site();
        start();
        QVERIFY(plan().openFile(path(u"utm.vistaro"_s)));
        QCOMPARE(site().walls, before.walls);
        QCOMPARE(site().properties.reference, before.properties.reference);
        QCOMPARE(background()->offset, before.storeys.front().background->offset);
        // The reference point is the site's to set, to the last digit it keeps.
        answerProperties([](QWidget& dialog) {
            auto* east = dialog.findChild<QLineEdit*>(u"ReferenceEast"_s);
            QCOMPARE(east->text(), u"500000.125"_s);
            east->setText(u"499999.0625"_s);
            QTest::keyClick(east, Qt::Key_Return);
        });
        QCOMPARE(site().properties.reference, std::optional(PlanPoint{499'999.0625, room[0].y}));
    }

    // A drawing that states no units asks for them; cancelled, nothing is loaded.
    void unitsAsked_data() {
        QTest::addColumn<QString>("unit"); // none: cancelled
        QTest::addColumn<std::optional<double>>("answer");
        QTest::newRow("inches") << u"inches"_s << std::optional(0.0254);
        QTest::newRow("cancelled") << QString() << std::optional<double>();
    }
    void unitsAsked() {
        QFETCH(QString, unit);
        QFETCH(std::optional<double>, answer);
        QFile original(PlanDxf);
        QVERIFY(original.open(QIODevice::ReadOnly));
        QByteArray text = original.readAll();
        QVERIFY(text.contains("  9\n$INSUNITS\n 70\n4\n"));
        text.replace("  9\n$INSUNITS\n 70\n4\n", "");
        QFile unitless(path(u"unitless.dxf"_s));
        QVERIFY(unitless.open(QIODevice::WriteOnly) && unitless.write(text) == text.size());
        unitless.close();
        start();
        test::ScriptedDialogs dialogs;
        dialogs.answer(dialogs.Choice, unit.isEmpty() ? QVariant() : unit);
        load(path(u"unitless.dxf"_s));
        QVERIFY(dialogs.texts(dialogs.Choice).value(0).contains(u" unitless.dxf "_s));
        QCOMPARE(background().has_value(), answer.has_value());
        if (answer)
            QCOMPARE(metresPerPixel(*background()), *answer);
        QCOMPARE(plan().undoStack().count(), answer ? 1 : 0);
    }

    // The page and resolution asked for (scaling is any picture's). A page beyond the render limit
    // is refused with a message; a load cancelled from its progress leaves the site, silently.
    void pdfBackground() {
        start();
        test::ScriptedDialogs dialogs;
        dialogs.answer(dialogs.WholeNumber, 2).answer(dialogs.WholeNumber, 100);
        load(pdf(u"floors.pdf"_s, {288, 144}, 3));
        QCOMPARE(dialogs.texts(dialogs.WholeNumber).value(0), u"Page to show (1 to 3):"_s);
        QVERIFY(background());
        QCOMPARE(background()->page, 2);
        QCOMPARE(background()->dpi, 100.0);
        // 4 by 2 inches at 100 dpi.
        QCOMPARE(shownPicture().size(), QSizeF(400, 200));

        dialogs.answer(dialogs.WholeNumber, 1200).answer(dialogs.Message);
        load(pdf(u"huge.pdf"_s, {7200, 7200}, 1));
        QVERIFY(dialogs.texts(dialogs.Message).value(0).contains(u"megapixels"_s));
        QCOMPARE(background()->file, path(u"floors.pdf"_s));
        QCOMPARE(plan().undoStack().count(), 1);

        const Site before = site();
        dialogs.answer(dialogs.WholeNumber, 150);
        int steps = 0;
        plan().planImport().setProgressMaker(
            [&steps](QWidget*, const QString&) { return std::make_unique<Cancelling>(steps); });
        load(pdf(u"cancelled.pdf"_s, {288, 144}, 1));
        QCOMPARE(steps, 1);
        QCOMPARE(site(), before);
        load(PlanDxf);
        QCOMPARE(steps, 2);
        QCOMPARE(site(), before);
        QCOMPARE(plan().undoStack().count(), 1);
    }
};

VISTARO_TEST_MAIN_IN_PARTS(TestSitePlan)
#include "tst_siteplan.moc"
