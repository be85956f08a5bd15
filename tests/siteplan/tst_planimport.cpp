// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dxf/dxfimport.h"
#include "optics/coveragesettings.h"
#include "site/plancoordinates.h"
#include "siteplan/dxflayersdialog.h"
#include "siteplan/planimport.h"
#include "support/messageboxanswer.h"
#include "support/scripteddialogs.h"
#include "support/siteplanwindow.h"

#include <QAction>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace vistaro;
using namespace Qt::StringLiterals;

namespace {

const QString PlanDxf = QStringLiteral(VISTARO_DXF_DATA_DIR "/plan.dxf");

// A progress that cancels at its first step.
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

bool near(double a, double b) {
    return std::abs(a - b) < 1e-9;
}

} // namespace

// DXF drawings and PDF pages under the site plan, as the user loads them.
class TestPlanImport : public QObject {
    Q_OBJECT

    test::PlanHost m_host;
    std::unique_ptr<CoverageSettings> m_settings;
    std::unique_ptr<SitePlan> m_plan;
    test::PlanDialogs m_dialogs;
    QTemporaryDir m_dir;

    SitePlan& plan() const { return *m_plan; }
    const Site& site() const { return m_plan->document().site(); }
    QAction* action(const char* name) const {
        return m_plan->findChild<QAction*>(QLatin1String(name));
    }
    QString path(const QString& name) const { return m_dir.filePath(name); }

    // A fresh window on the disk's site files, its file dialogs answering m_dialogs.picked.
    void start() {
        m_plan.reset();
        m_plan = test::shownSitePlan(m_host, *m_settings);
        QVERIFY(QTest::qWaitForWindowExposed(m_plan.get()));
    }

    // Loads `file` as the background, every question answered by the tests' askers.
    void load(const QString& file) {
        m_dialogs.picked = file;
        action("LoadBackground")->trigger();
    }

    BackgroundPicture shownPicture() {
        auto picture = plan().planImport().picture(*site().background);
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

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        test::MessageBoxAnswer::failOnUnexpectedBoxes();
        m_settings = std::make_unique<CoverageSettings>();
        QVERIFY(m_dir.isValid());
    }
    void cleanupTestCase() { m_plan.reset(); }

    // The small plan in millimetres lies with its origin on the plan's, a unit a millimetre; its
    // layer switched off is hidden; its box is metres.
    void dxfBackground() {
        start();
        QVERIFY(!action("DxfLayers")->isEnabled());
        load(PlanDxf);
        QVERIFY(site().background);
        const SiteBackground& background = *site().background;
        QCOMPARE(metresPerPixel(background), 0.001);
        QCOMPARE(background.offset, PlanPoint());
        QCOMPARE(background.hiddenLayers, QStringList{u"FURNITURE"_s});
        QVERIFY(action("DxfLayers")->isEnabled());
        const QRectF box = shownPicture().rect();
        const PlanPoint topLeft = planOfPixel(background, {box.left(), box.top()});
        const PlanPoint bottomRight = planOfPixel(background, {box.right(), box.bottom()});
        QVERIFY(near(topLeft.x, -1) && near(topLeft.y, 10));
        QVERIFY(near(bottomRight.x, 10) && near(bottomRight.y, 0));
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
        QCOMPARE(rows.join(u'|'), u"0 0 shown|WALLS 4 shown|TEXT 2 shown|FURNITURE 3 hidden"_s);
        QCOMPARE(dialog.choice(), (LayerChoice{{u"FURNITURE"_s}, {}}));
        table.item(1, 3)->setCheckState(Qt::Checked);
        table.item(2, 2)->setCheckState(Qt::Unchecked);
        QCOMPARE(dialog.choice(), (LayerChoice{{u"TEXT"_s, u"FURNITURE"_s}, {u"WALLS"_s}}));
    }

    // "Use as walls" on WALLS and a layer hidden are one undo step; the hidden layers are kept
    // in the site file and read back.
    void layersMakeWallsAndAreKept() {
        start();
        load(PlanDxf);
        QStringList asked;
        plan().planImport().setLayerAsker(
            [&asked](QWidget*, const DxfDrawing& drawing, const QStringList& hidden) {
                for (const DxfLayer& layer : drawing.layers)
                    asked << layer.name;
                asked << hidden;
                return std::optional(LayerChoice{{u"TEXT"_s}, {u"WALLS"_s}});
            });
        action("DxfLayers")->trigger();
        QCOMPARE(asked.join(u' '), u"0 WALLS TEXT FURNITURE FURNITURE"_s);
        QCOMPARE(site().walls.size(), std::size_t(4));
        QCOMPARE(site().walls[0].points, (std::vector<PlanPoint>{{0, 0}, {10, 0}}));
        QCOMPARE(site().background->hiddenLayers, QStringList{u"TEXT"_s});
        QCOMPARE(plan().undoStack().count(), 2);
        plan().undoStack().undo();
        QVERIFY(site().walls.empty());
        QCOMPARE(site().background->hiddenLayers, QStringList{u"FURNITURE"_s});
        plan().undoStack().redo();
        QCOMPARE(site().walls.size(), std::size_t(4));

        m_dialogs.picked = path(u"drawn.vistaro"_s);
        QVERIFY(plan().saveAs());
        start();
        QVERIFY(plan().openFile(path(u"drawn.vistaro"_s)));
        QCOMPARE(site().background->hiddenLayers, QStringList{u"TEXT"_s});
        QCOMPARE(site().walls.size(), std::size_t(4));
        QVERIFY(!shownPicture().isNull());
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
        QCOMPARE(site().background.has_value(), answer.has_value());
        if (answer)
            QCOMPARE(metresPerPixel(*site().background), *answer);
        QCOMPARE(plan().undoStack().count(), answer ? 1 : 0);
    }

    // A load cancelled from its progress leaves the site as it was, with nothing to say.
    void cancelledLoad() {
        start();
        load(PlanDxf);
        const Site before = site();
        test::ScriptedDialogs dialogs;
        dialogs.answer(dialogs.WholeNumber, 150);
        int steps = 0;
        plan().planImport().setProgressMaker(
            [&steps](QWidget*, const QString&) { return std::make_unique<Cancelling>(steps); });
        load(pdf(u"cancelled.pdf"_s, {288, 144}, 1));
        QCOMPARE(steps, 1);
        QCOMPARE(site(), before);
        const QString copy = path(u"other.dxf"_s);
        QVERIFY(QFile::copy(PlanDxf, copy));
        load(copy);
        QCOMPARE(steps, 2);
        QCOMPARE(site(), before);
        QCOMPARE(plan().undoStack().count(), 1);
    }

    // The page asked for, rendered at the resolution asked for (scaling is any picture's).
    void pdfBackground() {
        start();
        test::ScriptedDialogs dialogs;
        dialogs.answer(dialogs.WholeNumber, 2).answer(dialogs.WholeNumber, 100);
        load(pdf(u"floors.pdf"_s, {288, 144}, 3));
        QCOMPARE(dialogs.texts(dialogs.WholeNumber).value(0), u"Page to show (1 to 3):"_s);
        QVERIFY(site().background);
        QCOMPARE(site().background->page, 2);
        QCOMPARE(site().background->dpi, 100.0);
        // 4 by 2 inches at 100 dpi.
        QCOMPARE(shownPicture().size(), QSizeF(400, 200));
    }

    // A page that would render beyond the limit is refused with a message; nothing is loaded.
    void pdfTooLarge() {
        start();
        test::ScriptedDialogs dialogs;
        dialogs.answer(dialogs.WholeNumber, 1200).answer(dialogs.Message);
        load(pdf(u"huge.pdf"_s, {7200, 7200}, 1));
        QVERIFY(dialogs.texts(dialogs.Message).value(0).contains(u"megapixels"_s));
        QVERIFY(!site().background);
    }

    // A site whose drawing is gone opens with one message naming it.
    void missingDxfOnOpen() {
        Site saved;
        saved.background = SiteBackground{};
        saved.background->file = u"gone.dxf"_s;
        saved.walls = {SiteWall{{{0, 0}, {3, 0}}}};
        const QString file = path(u"gone.vistaro"_s);
        QCOMPARE(SiteFile::save(file, saved), std::nullopt);
        start();
        test::MessageBoxAnswer box;
        QVERIFY(plan().openFile(file));
        QCOMPARE(box.texts.size(), 1);
        QVERIFY(box.texts.value(0).contains(QDir::toNativeSeparators(path(u"gone.dxf"_s))));
        QCOMPARE(site().walls, saved.walls);
    }
};

QTEST_MAIN(TestPlanImport)
#include "tst_planimport.moc"
