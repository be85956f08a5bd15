// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "report/reportdocument.h"
#include "site/sitecoverage.h"
#include "site/sitedocument.h"
#include "siteplan/siteplanhost.h"

#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QMenu;
class QPrinter;
class QWidget;

namespace vistaro {

// The site plan's deliverables as actions of its window: the report as PDF or on a printer, the
// schedule as CSV, and the coverage as DXF or SVG. The file picker, the print dialog and the
// message box are Qt's own until a test gives others.
class SiteExports : public QObject {
    Q_OBJECT

public:
    // Everything given must outlive this object; `siteFile` gives the window's file on show, whose
    // name and folder the files proposed take.
    SiteExports(QWidget& window, const SiteDocument& document, const SiteCoverage& coverage,
                SitePlanHost& host, std::function<QString()> siteFile);

    // The actions at the end of `menu`, after a separator.
    void addTo(QMenu& menu) const;
    void retranslate();

    // As QFileDialog::getSaveFileName; empty when cancelled.
    using FilePicker = std::function<QString(QWidget* parent, const QString& caption,
                                             const QString& proposed, const QString& filter)>;
    // Shows the print dialog for `printer`; false when cancelled.
    using PrintSetup = std::function<bool(QPrinter& printer, QWidget* parent)>;
    using Messenger = std::function<void(QWidget* parent, const QString& text)>;
    void setSavePicker(FilePicker picker) { m_savePicker = std::move(picker); }
    void setPrintSetup(PrintSetup setup) { m_printSetup = std::move(setup); }
    void setMessenger(Messenger messenger) { m_messenger = std::move(messenger); }

    // Each asks for its file (or printer) and writes it; false when cancelled or failed, with a
    // message that names the file.
    bool exportReport();
    bool printReport();
    bool exportSchedule();
    bool exportDxf();
    bool exportSvg();

private:
    // The file picked for `suffix`, with the suffix added when the user left it off; empty when
    // cancelled.
    QString pick(const QString& caption, const QString& filter, const QString& suffix) const;
    // The report of the site on show, as of today.
    QList<ReportDocument> reportPages() const;
    // Shows `failure`, if any; true when there was none.
    bool done(const std::optional<QString>& failure) const;

    QWidget& m_window;
    const SiteDocument& m_document;
    const SiteCoverage& m_coverage;
    SitePlanHost& m_host;
    std::function<QString()> m_siteFile;
    QAction* m_report = nullptr;
    QAction* m_print = nullptr;
    QAction* m_schedule = nullptr;
    QAction* m_dxf = nullptr;
    QAction* m_svg = nullptr;
    FilePicker m_savePicker;
    PrintSetup m_printSetup;
    Messenger m_messenger;
};

} // namespace vistaro
