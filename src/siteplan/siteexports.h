// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "report/reportdocument.h"
#include "report/reportpage.h"
#include "site/sitecoverage.h"
#include "site/sitedeliverables.h"
#include "site/sitedocument.h"
#include "siteplan/backgroundpicture.h"

#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace vistaro {

class BackgroundPicture;

// The site plan's deliverables as actions of its window: the report as PDF or on a printer, the
// schedule as CSV, and the coverage as DXF or SVG, each asked for through the Dialogs in use.
class SiteExports : public QObject {
    Q_OBJECT

public:
    // Everything given must outlive this object; `siteFile` gives the window's file on show, whose
    // name and folder the files proposed take; `storeyPicture` a storey's floor plan as the plan
    // would show it (a null picture for none, or while it is hidden), which the drawings frame
    // and the report and the SVG hold.
    SiteExports(QWidget& window, const SiteDocument& document, const SiteCoverage& coverage,
                std::function<QString()> siteFile,
                std::function<BackgroundPicture(int storey)> storeyPicture = {});

    // The actions at the end of `menu`, after a separator.
    void addTo(QMenu& menu) const;
    void retranslate();

    // Each asks for its file (or printer) and writes it; false when cancelled or failed, with a
    // message that names the file. The report of many cameras shows its progress, and its
    // Cancel leaves no file.
    bool exportReport();
    bool printReport();
    bool exportSchedule();
    bool exportDxf();
    bool exportSvg();

private:
    // The file picked for `suffix`, with the suffix added when the user left it off; empty when
    // cancelled.
    QString pick(const QString& caption, const QString& filter, const QString& suffix) const;
    // By storey, its floor plan as storeyPicture gives it.
    std::vector<BackgroundPicture> pictures() const;
    // Framing every picture of `pictures` with the site.
    SiteDeliverables deliverables(const std::vector<BackgroundPicture>& pictures) const;
    // The report of the site on show, as of today, painted by `paint` while a progress dialog
    // counts its pages; false when cancelled or failed (the failure shown).
    using ReportPainter = std::function<std::optional<QString>(const QList<ReportDocument>& pages,
                                                               const PageProgress& progress)>;
    bool paintReportPages(const ReportPainter& paint) const;
    // Shows `failure`, if any; true when there was none.
    bool done(const std::optional<QString>& failure) const;

    QWidget& m_window;
    const SiteDocument& m_document;
    const SiteCoverage& m_coverage;
    std::function<QString()> m_siteFile;
    std::function<BackgroundPicture(int storey)> m_storeyPicture;
    QAction* m_report = nullptr;
    QAction* m_print = nullptr;
    QAction* m_schedule = nullptr;
    QAction* m_dxf = nullptr;
    QAction* m_svg = nullptr;
};

} // namespace vistaro
