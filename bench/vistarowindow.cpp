// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's start-up exactly as src/app/main.cpp does it, with the probe that reports the
// first paint attached before the window shows. "... coverage" opens the coverage window as
// well; "coverage-repaint" times how long a change of the calculator takes to reach the
// coverage window's figures and drawings; "report-pdf" how long "Save as PDF..." takes once
// the file is named.
#include "app/obbiettivi.h"
#include "coverage/coveragewindow.h"
#include "platform/dialogs.h"
#include "state/sharedstate.h"
#include "timing.h"
#include "windowprobe.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

constexpr int RepaintRepetitions = 41;
constexpr int ReportRepetitions = 11;

// Each run changes the distance of the calculator's first row, runs one CalcoloFocale tick and
// lets the window paint what changed, at 1600 x 1000 pixels. Prints the median in microseconds.
void timeCoverageRepaint(vistaro::Obbiettivi& window) {
    auto* distance = window.findChild<QLineEdit*>(QStringLiteral("L1"));
    vistaro::CoverageWindow* coverage = window.hub().coverageWindow();
    coverage->resize(1600, 1000);
    QCoreApplication::processEvents();
    window.L1_Click();
    std::vector<double> samples;
    for (int i = 0; i < RepaintRepetitions; ++i) {
        distance->setText(QString::number(8 + i % 7));
        samples.push_back(vistaro::bench::elapsedMs([&] {
            window.CalcoloFocale_Timer();
            QCoreApplication::processEvents();
        }));
    }
    std::printf("coverage-us %lld\n",
                static_cast<long long>(vistaro::bench::median(samples) * 1000));
    std::fflush(stdout);
}

// Each run clicks "Save as PDF..." with the file dialog answered at once, on a coverage window
// at 1600 x 1000 (drawings of that size). Prints the median in microseconds.
void timeReportPdf(vistaro::Obbiettivi& window) {
    vistaro::CoverageWindow* coverage = window.hub().coverageWindow();
    coverage->resize(1600, 1000);
    QCoreApplication::processEvents();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("report.pdf"));
    // The file dialog answers `path` at once.
    struct Named : vistaro::Dialogs {
        QString path;
        QString saveFile(QWidget*, const QString&, const QString&, const QString&) override {
            return path;
        }
    } named;
    named.path = path;
    const vistaro::Dialogs::Replace answering(named);
    auto* save = coverage->findChild<QPushButton*>(QStringLiteral("SaveReport"));
    std::vector<double> samples;
    for (int i = 0; i < ReportRepetitions; ++i)
        samples.push_back(vistaro::bench::elapsedMs([&] { save->click(); }));
    if (!QFileInfo(path).size())
        return;
    std::printf("report-us %lld\n", static_cast<long long>(vistaro::bench::median(samples) * 1000));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vistaro"));
    const QStringList arguments = QApplication::arguments();
    vistaro::ProgramState program;
    vistaro::Obbiettivi window(program);
    const std::pair<const char*, void (*)(vistaro::Obbiettivi&)> timings[] = {
        {"coverage-repaint", &timeCoverageRepaint},
        {"report-pdf", &timeReportPdf},
    };
    for (const auto& [mode, timed] : timings)
        if (arguments.value(1) == QLatin1String(mode)) {
            window.Form_Load();
            window.OpenCoverage_Click();
            QTimer::singleShot(1000, &window, [&window, timed] {
                std::puts("painted");
                timed(window);
                QCoreApplication::exit(0);
            });
            return QApplication::exec();
        }
    vistaro::bench::WindowProbe probe(window, vistaro::bench::probeModeFromArguments());
    window.Form_Load();
    if (arguments.contains(QStringLiteral("coverage")))
        window.OpenCoverage_Click();
    return QApplication::exec();
}
