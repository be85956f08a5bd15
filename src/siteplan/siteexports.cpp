// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/siteexports.h"

#include "platform/csvfile.h"
#include "platform/forms.h"
#include "platform/messagebox.h"
#include "platform/savefile.h"
#include "report/reportfiles.h"
#include "report/reportpage.h"
#include "site/planextent.h"
#include "site/sitepaths.h"
#include "siteplan/backgroundpicture.h"
#include "siteplan/sitedrawings.h"

#include <QAction>
#include <QDate>
#include <QMenu>
#include <QPrinter>
#include <QProgressDialog>
#include <QWidget>

namespace vistaro {

namespace {

// From this many cameras on, the report shows its progress at once.
constexpr std::size_t ManyCameras = 20;

} // namespace

SiteExports::SiteExports(QWidget& window, const SiteDocument& document,
                         const SiteCoverage& coverage, std::function<QString()> siteFile,
                         std::function<BackgroundPicture(int storey)> storeyPicture)
    : QObject(&window), m_window(window), m_document(document), m_coverage(coverage),
      m_siteFile(std::move(siteFile)), m_storeyPicture(std::move(storeyPicture)) {
    const auto action = [this](const char* name, bool (SiteExports::*run)()) {
        auto* made = named<QAction>(name, &m_window);
        m_window.addAction(made);
        connect(made, &QAction::triggered, this, run);
        return made;
    };
    m_report = action("ExportSiteReport", &SiteExports::exportReport);
    m_print = action("PrintSite", &SiteExports::printReport);
    m_print->setShortcut(QKeySequence::Print);
    m_schedule = action("ExportSchedule", &SiteExports::exportSchedule);
    m_dxf = action("ExportDxf", &SiteExports::exportDxf);
    m_svg = action("ExportSvg", &SiteExports::exportSvg);
}

void SiteExports::addTo(QMenu& menu) const {
    menu.addSeparator();
    menu.addActions({m_report, m_print, m_schedule, m_dxf, m_svg});
}

void SiteExports::retranslate() {
    const std::pair<QAction*, QString> texts[] = {{m_report, tr("&Export report as PDF...")},
                                                  {m_print, tr("&Print report...")},
                                                  {m_schedule, tr("Export sc&hedule as CSV...")},
                                                  {m_dxf, tr("Export coverage as &DXF...")},
                                                  {m_svg, tr("Export coverage as S&VG...")}};
    for (const auto& [action, text] : texts)
        action->setText(text);
}

QString SiteExports::pick(const QString& caption, const QString& filter,
                          const QString& suffix) const {
    const QString path = Dialogs::current().saveFile(
        &m_window, caption, exportPath(m_siteFile(), tr("Site plan"), suffix), filter);
    return path.isEmpty() ? path : withSuffix(path, suffix);
}

bool SiteExports::done(const std::optional<QString>& failure) const {
    if (failure)
        showMessage(&m_window, *failure);
    return !failure;
}

std::vector<BackgroundPicture> SiteExports::pictures() const {
    std::vector<BackgroundPicture> pictures(m_document.site().storeys.size());
    for (std::size_t storey = 0; m_storeyPicture && storey < pictures.size(); ++storey)
        pictures[storey] = m_storeyPicture(int(storey));
    return pictures;
}

SiteDeliverables SiteExports::deliverables(const std::vector<BackgroundPicture>& pictures) const {
    const Site& site = m_document.site();
    std::optional<QRectF> framed;
    for (std::size_t storey = 0; storey < pictures.size() && storey < site.storeys.size();
         ++storey) {
        const std::optional<SiteBackground>& background = site.storeys[storey].background;
        if (background && !pictures[storey].isNull())
            framed =
                framed.value_or(QRectF()) | backgroundOnPlan(*background, pictures[storey].rect());
    }
    return SiteDeliverables(site, m_coverage, framed);
}

bool SiteExports::paintReportPages(const ReportPainter& paint) const {
    const Site& site = m_document.site();
    const std::vector<BackgroundPicture> shown = pictures();
    const QList<ReportDocument> pages =
        siteReport(deliverables(shown), QDate::currentDate(), shown);
    QProgressDialog progress(tr("Writing the report..."), tr("Cancel"), 0, int(pages.size()),
                             &m_window);
    progress.setObjectName(QStringLiteral("ReportProgress"));
    progress.setWindowTitle(tr("Site report"));
    progress.setWindowModality(Qt::WindowModal);
    // A few cameras' report is written before a dialog could be read.
    if (site.cameras.size() > ManyCameras)
        progress.setMinimumDuration(0);
    bool cancelled = false;
    const std::optional<QString> failure = paint(pages, [&](int page) {
        progress.setValue(page);
        cancelled = progress.wasCanceled();
        return !cancelled;
    });
    return !cancelled && done(failure);
}

bool SiteExports::exportReport() {
    const QString path =
        pick(tr("Export the site report"), tr("PDF files (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return false;
    return paintReportPages([&](const QList<ReportDocument>& pages, const PageProgress& progress) {
        return saveReportPdf(path, pages, preferredPageSize(), progress);
    });
}

bool SiteExports::printReport() {
    const std::unique_ptr<QPrinter> printer = reportPrinter();
    if (!Dialogs::current().setUpPrinter(*printer, &m_window))
        return false;
    return paintReportPages([&](const QList<ReportDocument>& pages, const PageProgress& progress) {
        return vistaro::printReport(*printer, pages, progress);
    });
}

bool SiteExports::exportSchedule() {
    const QString path =
        pick(tr("Export the schedule"), tr("CSV files (*.csv)"), QStringLiteral("csv"));
    return !path.isEmpty() && done(CsvFile::save(path, deliverables({}).scheduleCsv()));
}

bool SiteExports::exportDxf() {
    const QString path =
        pick(tr("Export the coverage as DXF"), tr("DXF drawings (*.dxf)"), QStringLiteral("dxf"));
    return !path.isEmpty() && done(saveDxf(path, dxfCoverageOf(deliverables(pictures()))));
}

bool SiteExports::exportSvg() {
    const QString path =
        pick(tr("Export the coverage as SVG"), tr("SVG drawings (*.svg)"), QStringLiteral("svg"));
    if (path.isEmpty())
        return false;
    const std::vector<BackgroundPicture> shown = pictures();
    return done(saveSiteSvg(path, deliverables(shown), shown));
}

} // namespace vistaro
