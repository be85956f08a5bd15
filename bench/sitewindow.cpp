// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program started on a site file as "vistaro FILE.vistaro" starts it (src/app/main.cpp),
// then timed in its site plan window: opening the file again and dragging a camera with the
// mouse, each until the plan and the tables have repainted, working out every camera and area
// of the site again, and placing every label of the plan. Prints the medians in microseconds, then
// the peak memory. Then, on a new site, a drawing's layer of 4055 lines used as walls.
#include "app/obbiettivi.h"
#include "platform/dialogs.h"
#include "site/labelplacement.h"
#include "site/plangeometry.h"
#include "siteplan/planimport.h"
#include "siteplan/siteplan.h"
#include "state/sharedstate.h"
#include "timing.h"
#include "windowprobe.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTimer>
#include <QUndoStack>
#include <algorithm>
#include <cstdio>

namespace {

using vistaro::bench::elapsedMs;

constexpr int OpenRepetitions = 3;
constexpr int RecomputeRepetitions = 5;
constexpr int DragSteps = 41;
constexpr int WallRepetitions = 5;
// The lines of an A0 sheet's wall layer.
constexpr int LayerLines = 4055;
// Each mouse move of the drag, in pixels: a brisk drag over the whole site on show.
constexpr QPoint DragStep{3, 1};

// What the window has to do after an event, painting included.
void settle() {
    QCoreApplication::processEvents();
}

void report(const char* key, const std::vector<double>& samplesMs) {
    std::printf("%s %lld\n", key, static_cast<long long>(vistaro::bench::median(samplesMs) * 1000));
    std::fflush(stdout);
}

bool timeOpening(vistaro::SitePlan& plan, const QString& path) {
    std::vector<double> samples;
    bool opened = true;
    for (int i = 0; i < OpenRepetitions; ++i)
        samples.push_back(elapsedMs([&] {
            opened = plan.openFile(path) && opened;
            settle();
        }));
    report("site-open-us", samples);
    return opened;
}

// Every camera and area worked out again, as the plan does when a site opens or a wall changes:
// the window's site, on a geometry of its own whose walls are indexed afresh.
bool timeRecomputing(vistaro::SitePlan& plan) {
    std::vector<double> samples;
    bool whole = true;
    for (int i = 0; i < RecomputeRepetitions; ++i) {
        const vistaro::PlanGeometry geometry;
        samples.push_back(elapsedMs([&] {
            const vistaro::SiteCoverage coverage(plan.document(), geometry);
            whole =
                whole && coverage.cameraCount() == plan.document().count(vistaro::ItemKind::Camera);
        }));
    }
    report("site-all-us", samples);
    return whole;
}

// Every label of the plan placed again, each camera's bands named too, as after a zoom; then
// how many of them overlap one another, which must be none.
bool timeLabels(vistaro::SitePlan& plan) {
    vistaro::PlanView& view = plan.planView();
    const vistaro::CoverageLayers shown = view.coverageLayers();
    vistaro::CoverageLayers everyBand = shown;
    everyBand.view = vistaro::PlanShows::EachCamera;
    view.setCoverageLayers(everyBand);
    settle();
    std::vector<double> samples;
    for (int i = 0; i < RecomputeRepetitions; ++i)
        samples.push_back(elapsedMs([&] { view.placeLabels(); }));
    report("site-labels-us", samples);
    const int overlaps = vistaro::overlappingPairs(view.placedLabels());
    std::printf("site-labels-placed %zu\nsite-label-overlaps %d\n", view.placedLabels().size(),
                overlaps);
    view.setCoverageLayers(shown);
    settle();
    return overlaps == 0;
}

void sendMouse(QWidget* viewport, QEvent::Type type, const QPoint& at) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), QPointF(viewport->mapToGlobal(at)), button, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &event);
}

// The last camera of the storey on show, the topmost, dragged by its dot: one merged undo step
// in all.
bool timeCameraDrag(vistaro::SitePlan& plan) {
    vistaro::PlanView& view = plan.planView();
    const std::vector<vistaro::SiteCamera>& cameras = plan.document().site().cameras;
    const auto shown = std::find_if(cameras.rbegin(), cameras.rend(), [&view](const auto& camera) {
        return camera.storey == view.storey();
    });
    if (shown == cameras.rend())
        return false;
    const std::size_t dragged = static_cast<std::size_t>(cameras.rend() - shown - 1);
    const vistaro::PlanPoint start = shown->position;
    const int steps = plan.undoStack().count();
    QPoint at = view.viewportAt(start);
    sendMouse(view.viewport(), QEvent::MouseButtonPress, at);
    std::vector<double> samples;
    for (int i = 0; i < DragSteps; ++i) {
        at += DragStep;
        samples.push_back(elapsedMs([&] {
            sendMouse(view.viewport(), QEvent::MouseMove, at);
            settle();
        }));
    }
    sendMouse(view.viewport(), QEvent::MouseButtonRelease, at);
    report("site-drag-us", samples);
    return plan.undoStack().count() == steps + 1 && cameras[dragged].position != start;
}

// Answers the file dialog with `file` while it lives.
class PickedFile : public vistaro::Dialogs {
public:
    explicit PickedFile(QString file) : m_file(std::move(file)) {}
    QString openFile(QWidget*, const QString&, const QString&, const QString&) override {
        return m_file;
    }

private:
    QString m_file;
    Replace m_replace{*this};
};

// A floor plan in metres whose layer WALLS holds `LayerLines` lines, rooms of 4 x 3 m in rows.
bool writeWallLayer(const QString& path) {
    QByteArray text = "0\nSECTION\n2\nHEADER\n9\n$INSUNITS\n70\n6\n0\nENDSEC\n"
                      "0\nSECTION\n2\nENTITIES\n";
    for (int i = 0; i < LayerLines; ++i) {
        const int room = i / 2;
        const double x = room % 64 * 4.0;
        const double y = room / 64 * 3.0;
        const bool across = i % 2 == 0;
        text += QStringLiteral("0\nLINE\n8\nWALLS\n10\n%1\n20\n%2\n11\n%3\n21\n%4\n")
                    .arg(x)
                    .arg(y)
                    .arg(across ? x + 4 : x)
                    .arg(across ? y : y + 3)
                    .toLatin1();
    }
    text += "0\nENDSEC\n0\nEOF\n";
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

// The layer's lines made walls through the layers dialog's action, until the plan has repainted;
// undone between the runs.
bool timeWallsFromLayer(vistaro::SitePlan& plan) {
    const QString path = QDir::temp().filePath(QStringLiteral("vistaro-bench-walls.dxf"));
    if (!writeWallLayer(path) || !plan.newSite())
        return false;
    const PickedFile picked(path);
    plan.findChild<QAction*>(QStringLiteral("LoadBackground"))->trigger();
    settle();
    plan.planImport().setLayerAsker([](QWidget*, const vistaro::DxfDrawing&, const QStringList&) {
        return std::optional(vistaro::LayerChoice{{}, {QStringLiteral("WALLS")}, {}});
    });
    QAction* layers = plan.findChild<QAction*>(QStringLiteral("DxfLayers"));
    std::vector<double> samples;
    bool all = true;
    for (int i = 0; i < WallRepetitions; ++i) {
        samples.push_back(elapsedMs([&] {
            layers->trigger();
            settle();
        }));
        all = all && plan.document().count(vistaro::ItemKind::Wall) == LayerLines;
        plan.undoStack().undo();
        settle();
    }
    QFile::remove(path);
    std::sort(samples.begin(), samples.end());
    std::printf("site-walls-fastest-us %lld\nsite-walls-slowest-us %lld\n",
                static_cast<long long>(samples.front() * 1000),
                static_cast<long long>(samples.back() * 1000));
    report("site-walls-us", samples);
    return all;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vistaro"));
    const QString path = QApplication::arguments().value(1);
    vistaro::ProgramState program;
    vistaro::Obbiettivi window(program);
    window.Form_Load();
    window.hub().openSiteFile(path);
    QTimer::singleShot(1000, &window, [&window, &path] {
        std::puts("painted");
        vistaro::SitePlan& plan = *window.hub().sitePlan();
        // "core": the opening, the coverage and a drag alone, for a site measured beside another.
        const bool core = QApplication::arguments().value(2) == QStringLiteral("core");
        const bool worked = timeOpening(plan, path) && timeRecomputing(plan) &&
                            (core || timeLabels(plan)) && timeCameraDrag(plan);
        std::printf("peak-rss-kib %s\n", vistaro::bench::peakRssKiB().constData());
        std::fflush(stdout);
        // Unsaved changes would be asked about; the benchmark keeps none.
        plan.undoStack().setClean();
        const bool walled = worked && (core || timeWallsFromLayer(plan));
        plan.undoStack().setClean();
        if (!walled)
            std::fputs("vistaro_bench_site: the site plan did not do what was asked\n", stderr);
        QCoreApplication::exit(walled ? 0 : 1);
    });
    return QApplication::exec();
}
