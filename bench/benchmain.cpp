// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures the program against plain baselines side by side in one run and prints one table:
// catalogue loading against a line-by-line read, a search with browsing and the lens finder's
// work against their time budgets, and start-up, peak memory and idle CPU of the main window
// against a bare Qt window, the DXF plan's opening and export against their budgets, the site
// plan's opening, dragging, recomputing and memory on a large site against theirs, and the site
// report's writing against its budget, and the preview's following the coverage window against
// the calculator's tick, and the camera view's scene and picture against theirs. Arguments name the
// groups of rows to run ("windows", "catalogue", "dxf", "site", "deliverables", "preview",
// "render"); none runs all.
#include "catalogue/catalogueloader.h"
#include "cataloguefixture.h"
#include "childprocess.h"
#include "deliverablesbench.h"
#include "dxfbench.h"
#include "finderbench.h"
#include "match/browse.h"
#include "match/searchstart.h"
#include "previewbench.h"
#include "renderbench.h"
#include "resulttable.h"
#include "sitebench.h"
#include "timing.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <cstring>
#include <functional>

namespace vistaro::bench {

namespace {

constexpr int LoadRepetitions = 11;
constexpr int SearchRepetitions = 11;
constexpr int StartupRepetitions = 7;
constexpr int IdleMs = 10'000;
constexpr int BrowseSteps = 100;
constexpr double SearchBudgetMs = 100;
constexpr int ChildTimeoutMs = 60'000;
constexpr double TickMs = 50;
constexpr double ReportBudgetMs = 1000;

struct Pair {
    double product = 0;
    double baseline = 0;
};

// Runs the two alternately so that both see the same machine load; one untimed run of each
// first fills the caches.
Pair medianPair(int repetitions, const std::function<void()>& product,
                const std::function<void()>& baseline) {
    product();
    baseline();
    std::vector<double> productMs;
    std::vector<double> baselineMs;
    for (int i = 0; i < repetitions; ++i) {
        baselineMs.push_back(elapsedMs(baseline));
        productMs.push_back(elapsedMs(product));
    }
    return {median(productMs), median(baselineMs)};
}

ResultRow loadRow(const QString& folder, Catalogue& loaded, BlockBounds& bounds) {
    const std::string measure = "Load 32766-line catalogue";
    const QString fileName = catalogueFileName(QStringLiteral("."));
    const QString path = QDir(folder).filePath(fileName);
    if (!writeCatalogue(path, MaxCatalogueLines))
        return failedRow(measure, "cannot write the catalogue", 3);

    int linesRead = 0;
    const Pair ms = medianPair(
        LoadRepetitions,
        [&] {
            Catalogue catalogue;
            BlockBounds blocks;
            CaricaDatiDa(fileName, {folder}, catalogue, blocks);
            loaded = std::move(catalogue);
            bounds = blocks;
        },
        [&] {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                return;
            linesRead = 0;
            while (!file.atEnd()) {
                file.readLine();
                ++linesRead;
            }
        });
    if (linesRead != MaxCatalogueLines || loaded.size() != MaxCatalogueLines + 2)
        return failedRow(measure, "the catalogue did not load whole", 3);
    return {measure, formatted(ms.product, 2, "ms"),
            formatted(ms.baseline, 2, "ms") + " (QFile::readLine)", ms.product / ms.baseline, 3};
}

ResultRow searchRow(ProgramState& state, const BlockBounds& bounds) {
    const std::string measure = "Search + 100 browse steps";
    state.LensTypeCode = QStringLiteral("FF");
    state.IrisCode = QStringLiteral("DD");
    MainSelection selection;
    selection.sensor = SensorFormat::Half;
    MainPublic main;
    std::int16_t last = -1;
    int matches = 0;
    const PresentEntry present = [&](std::int16_t index) {
        last = index;
        ++matches;
    };

    std::vector<double> samples;
    for (int i = 0; i <= SearchRepetitions; ++i) {
        matches = 0;
        const double ms = elapsedMs([&] {
            startSearch(state, main, bounds, QStringLiteral("12"), QString(), selection.sensor,
                        present);
            std::int16_t attuale = last;
            for (int step = 0; step < BrowseSteps; ++step) {
                const bool back = step < BrowseSteps / 2;
                if (const auto next = back ? Indietro(attuale, state, main, selection)
                                           : Avanti(attuale, state, main, selection))
                    attuale = *next;
            }
        });
        if (i > 0) // the first run warms the caches
            samples.push_back(ms);
    }
    if (matches < 1000)
        return failedRow(measure, "too few matches", 1);
    const double ms = median(samples);
    return budgetRow(measure, ms, " (" + std::to_string(matches) + " matches)", SearchBudgetMs);
}

// A settings file of the four lines, so that the program starts as it normally does.
bool writeSettings(const QString& configHome, const QString& dataDir) {
    if (!QDir().mkpath(configHome + QStringLiteral("/vistaro")))
        return false;
    QSaveFile file(configHome + QStringLiteral("/vistaro/lens.ini"));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QString lines =
        QStringLiteral(".\r\n,\r\n%1/lang/English.lng\r\n%1/cd/\r\n").arg(dataDir);
    file.write(lines.toUtf8());
    return file.commit();
}

struct WindowPrograms {
    std::string product = VISTARO_BENCH_WINDOW;
    std::string baseline = VISTARO_BENCH_BARE;
    std::string workDir = VISTARO_SOURCE_DATA_DIR;
};

std::vector<ResultRow> startupRows(const WindowPrograms& programs) {
    const std::string timeMeasure = "Start-up to first paint";
    const std::string memoryMeasure = "Peak RSS at start-up";
    std::vector<double> productMs, baselineMs, productMiB, baselineMiB;
    for (int i = 0; i <= StartupRepetitions; ++i) {
        const ChildResult baseline =
            runChild(programs.baseline, {"startup"}, programs.workDir, ChildTimeoutMs);
        const ChildResult product =
            runChild(programs.product, {"startup"}, programs.workDir, ChildTimeoutMs);
        const long long productKiB = reportedValue(product.output, "peak-rss-kib");
        const long long baselineKiB = reportedValue(baseline.output, "peak-rss-kib");
        for (const ChildResult* run : {&baseline, &product})
            if (!run->ok)
                return {failedRow(timeMeasure, run->failure, 1.3),
                        failedRow(memoryMeasure, run->failure, 1.15)};
        if (productKiB <= 0 || baselineKiB <= 0)
            return {failedRow(timeMeasure, "no peak RSS reported", 1.3),
                    failedRow(memoryMeasure, "no peak RSS reported", 1.15)};
        if (i == 0) // the first runs fill the caches
            continue;
        productMs.push_back(product.paintedMs);
        baselineMs.push_back(baseline.paintedMs);
        productMiB.push_back(static_cast<double>(productKiB) / 1024);
        baselineMiB.push_back(static_cast<double>(baselineKiB) / 1024);
    }
    const double pMs = median(productMs), bMs = median(baselineMs);
    const double pMiB = median(productMiB), bMiB = median(baselineMiB);
    return {{timeMeasure, formatted(pMs, 1, "ms"), formatted(bMs, 1, "ms") + " (bare window)",
             pMs / bMs, 1.3},
            {memoryMeasure, formatted(pMiB, 1, "MiB"), formatted(bMiB, 1, "MiB") + " (bare window)",
             pMiB / bMiB, 1.15}};
}

// `extra` after the idle arguments opens more windows in the program (the coverage window).
ResultRow idleRow(const WindowPrograms& programs, const std::string& measure,
                  const std::vector<std::string>& extra = {}) {
    std::vector<std::string> arguments = {"idle", std::to_string(IdleMs)};
    const ChildResult baseline =
        runChild(programs.baseline, arguments, programs.workDir, ChildTimeoutMs);
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    const ChildResult product =
        runChild(programs.product, arguments, programs.workDir, ChildTimeoutMs);
    for (const ChildResult* run : {&baseline, &product})
        if (!run->ok)
            return failedRow(measure, run->failure, 1.5);
    const long long productUs = reportedValue(product.output, "idle-cpu-us");
    const long long baselineUs = reportedValue(baseline.output, "idle-cpu-us");
    if (productUs < 0 || baselineUs <= 0)
        return failedRow(measure, "no CPU time reported", 1.5);
    return {measure, formatted(productUs / 1000.0, 1, "ms CPU"),
            formatted(baselineUs / 1000.0, 1, "ms CPU") + " (bare window, 50 ms timer)",
            static_cast<double>(productUs) / static_cast<double>(baselineUs), 1.5};
}

// A time that the window program measures in mode `mode` and prints after `key`, in
// microseconds, against a budget.
struct ChildTiming {
    std::string measure;
    std::string mode;
    std::string key;
    std::string what; // after the time, e.g. the window size
    double budgetMs;
    std::string budget; // the baseline column
};

ResultRow childTimedRow(const WindowPrograms& programs, const ChildTiming& timing) {
    const ChildResult run =
        runChild(programs.product, {timing.mode}, programs.workDir, ChildTimeoutMs);
    const long long us = reportedValue(run.output, timing.key);
    if (!run.ok || us < 0)
        return failedRow(timing.measure, run.ok ? "no time reported" : run.failure, 1);
    const double ms = static_cast<double>(us) / 1000;
    return {timing.measure,
            formatted(ms, 2, "ms") + timing.what,
            formatted(timing.budgetMs, 0, timing.budget.c_str()),
            ms / timing.budgetMs,
            1,
            true};
}

std::string cpuModel() {
    // A /proc file reports no size, so it is read whole rather than by lines.
    QFile file(QStringLiteral("/proc/cpuinfo"));
    if (file.open(QIODevice::ReadOnly))
        for (const QByteArray& line : file.readAll().split('\n'))
            if (line.startsWith("model name"))
                return line.mid(line.indexOf(':') + 1).trimmed().toStdString();
    return QSysInfo::currentCpuArchitecture().toStdString();
}

bool wanted(int argc, char* argv[], const char* group) {
    return argc < 2 || std::any_of(argv + 1, argv + argc,
                                   [&](const char* name) { return std::strcmp(name, group) == 0; });
}

int run(int argc, char* argv[]) {
    // The generated catalogue writes "." decimals; read them so whatever the machine's region.
    QLocale::setDefault(QLocale::c());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir temp;
    if (!temp.isValid()) {
        std::fprintf(stderr, "vistaro_bench: cannot create a temporary folder\n");
        return 1;
    }
    const QString configHome = temp.filePath(QStringLiteral("config"));
    const WindowPrograms programs;
    if (!writeSettings(configHome, QString::fromStdString(programs.workDir))) {
        std::fprintf(stderr, "vistaro_bench: cannot write the settings file\n");
        return 1;
    }
    qputenv("XDG_CONFIG_HOME", configHome.toLocal8Bit());
    // QTemporaryDir makes its folder private to the user, as a runtime folder must be.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", temp.path().toLocal8Bit());

    std::printf("Machine: %d cores, %s, Qt %s, QPA %s\n\n", QThread::idealThreadCount(),
                cpuModel().c_str(), qVersion(), qgetenv("QT_QPA_PLATFORM").constData());
    std::fflush(stdout);

    // The window programs run first, while this process is still small to fork.
    std::vector<ResultRow> windowRows;
    if (wanted(argc, argv, "windows")) {
        windowRows = startupRows(programs);
        windowRows.push_back(idleRow(programs, "Idle CPU over 10 s"));
        windowRows.push_back(idleRow(programs, "Idle CPU, coverage window open", {"coverage"}));
        // A change of the calculator reaching the coverage window's figures and both drawings
        // at 1600 x 1000, against the calculator's tick.
        windowRows.push_back(childTimedRow(
            programs, {"Coverage recompute + repaint", "coverage-repaint", "coverage-us",
                       " (1600 x 1000)", TickMs, "ms budget (one tick)"}));
        // A click on "Save as PDF..." with the file named: the page built, drawn and written.
        windowRows.push_back(
            childTimedRow(programs, {"Save the report PDF", "report-pdf", "report-us",
                                     " (A4, 1 page)", ReportBudgetMs, "ms budget"}));
    }
    if (wanted(argc, argv, "site")) {
        const std::vector<ResultRow> site = siteRows(temp.path(), programs.workDir);
        windowRows.insert(windowRows.end(), site.begin(), site.end());
    }
    std::vector<ResultRow> rows;
    if (wanted(argc, argv, "catalogue")) {
        ProgramState state;
        BlockBounds bounds;
        rows.push_back(loadRow(temp.path(), state.LensCatalogue, bounds));
        rows.push_back(searchRow(state, bounds));
        // The finder's window needs the application, made only now that the children have run.
        QApplication app(argc, argv);
        const std::vector<ResultRow> finder = finderRows(state.LensCatalogue);
        rows.insert(rows.end(), finder.begin(), finder.end());
    }
    if (wanted(argc, argv, "dxf")) {
        // The site plan draws the plan with fonts, which need the application.
        QApplication app(argc, argv);
        const std::vector<ResultRow> dxf = dxfRows(temp.path());
        rows.insert(rows.end(), dxf.begin(), dxf.end());
    }
    if (wanted(argc, argv, "deliverables")) {
        // The report's text needs the fonts of an application.
        QApplication app(argc, argv);
        const std::vector<ResultRow> deliverables = deliverablesRows(temp.path());
        rows.insert(rows.end(), deliverables.begin(), deliverables.end());
    }
    if (wanted(argc, argv, "preview")) {
        QApplication app(argc, argv);
        const std::vector<ResultRow> preview = previewRows();
        rows.insert(rows.end(), preview.begin(), preview.end());
    }
    if (wanted(argc, argv, "render")) {
        // The site report's pages have text, which needs the fonts of an application.
        QApplication app(argc, argv);
        const std::vector<ResultRow> render = renderRows(temp.path());
        rows.insert(rows.end(), render.begin(), render.end());
    }
    rows.insert(rows.end(), windowRows.begin(), windowRows.end());
    printTable(rows);
    return std::all_of(rows.cbegin(), rows.cend(), [](const ResultRow& row) { return row.met(); })
               ? 0
               : 2;
}

} // namespace

} // namespace vistaro::bench

int main(int argc, char* argv[]) {
    return vistaro::bench::run(argc, argv);
}
