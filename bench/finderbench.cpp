// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "finderbench.h"

#include "finder/lensfilter.h"
#include "finder/lensfinder.h"
#include "finder/lensfinderhost.h"
#include "finder/lenstablemodel.h"
#include "timing.h"

#include <QApplication>
#include <QTemporaryDir>
#include <memory>
#include <string>

namespace vistaro::bench {

namespace {

constexpr int Repetitions = 11;
constexpr double BudgetMs = 100;

// The main window as the finder asks it; what it pushes, the benchmark changes.
class Host : public LensFinderHost {
public:
    void presentFromFinder(std::int16_t) override {}
};

// The median of the runs after one that fills the caches.
template <class Run> double medianMs(Run&& run) {
    run();
    std::vector<double> samples;
    for (int i = 0; i < Repetitions; ++i)
        samples.push_back(elapsedMs(run));
    return median(samples);
}

} // namespace

std::vector<ResultRow> finderRows(const Catalogue& catalogue) {
    QTemporaryDir drive;
    Host host;
    FinderInputs inputs{{QStringLiteral("FF"),
                         QStringLiteral("DD"),
                         SensorFormat::Half,
                         {QStringLiteral("12"), QStringLiteral("12")},
                         QStringLiteral("10"),
                         QStringLiteral("10"),
                         drive.path() + u'/'},
                        {}};
    // Each window opened stays until the end, so that no closing is timed.
    std::vector<std::unique_ptr<LensFinder>> opened;
    const double openMs = medianMs([&] {
        opened.push_back(std::make_unique<LensFinder>(host, catalogue));
        opened.back()->refresh(inputs);
        opened.back()->show();
        QApplication::processEvents();
    });
    LensFinder* finder = opened.back().get();
    const int lenses = finder->model().rowCount();

    bool manual = false;
    const double judgeMs = medianMs([&] {
        manual = !manual;
        inputs.selection.irisCode = manual ? QStringLiteral("MI") : QStringLiteral("DD");
        finder->refresh(inputs);
        QApplication::processEvents();
    });

    double slowestSortMs = 0;
    for (int column = 0; column < LensColumnCount; ++column) {
        const double ms = medianMs([&] {
            finder->filter().sort(column, Qt::AscendingOrder);
            finder->filter().sort(-1);
        });
        slowestSortMs = std::max(slowestSortMs, ms / 2);
    }

    bool narrow = false;
    int shown = 0;
    const double filterMs = medianMs([&] {
        narrow = !narrow;
        finder->filter().setNameFilter(narrow ? QStringLiteral("h12") : QString());
        finder->filter().setFitsOnly(narrow);
        shown = finder->filter().rowCount();
        QApplication::processEvents();
    });

    const std::string count = " (" + std::to_string(lenses) + " lenses)";
    return {budgetRow("Lens finder: open", openMs, count, BudgetMs),
            budgetRow("Lens finder: judge all again", judgeMs, count, BudgetMs),
            budgetRow("Lens finder: sort, slowest column", slowestSortMs, count, BudgetMs),
            budgetRow("Lens finder: filter", filterMs, " (" + std::to_string(shown) + " shown)",
                      BudgetMs)};
}

} // namespace vistaro::bench
