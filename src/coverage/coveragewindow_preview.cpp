// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The coverage window's preview of what the camera shows, and its test chart.

#include "coverage/coveragepreview.h"
#include "coverage/coveragewindow.h"
#include "platform/forms.h"
#include "platform/messagebox.h"
#include "preview/preview.h"
#include "report/reportpage.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace vistaro {

void CoverageWindow::buildPreviewButtons(QHBoxLayout* row) {
    m_openPreview = addButton(row, "OpenPreview", &CoverageWindow::OpenPreview_Click);
    m_saveTestChart = addButton(row, "SaveTestChart", &CoverageWindow::SaveTestChart_Click);
}

void CoverageWindow::retranslatePreviewButtons() {
    m_openPreview->setText(tr("Preview..."));
    m_openPreview->setAccessibleName(tr("Preview of what the camera shows"));
    m_saveTestChart->setText(tr("Test chart..."));
    m_saveTestChart->setAccessibleName(tr("Save a test chart to print"));
}

Preview& CoverageWindow::preview() {
    if (!m_preview)
        m_preview = new Preview(this);
    return *m_preview;
}

void CoverageWindow::OpenPreview_Click() {
    preview().showScene(previewScene(m_model));
    bringToFront(preview());
}

void CoverageWindow::SaveTestChart_Click() {
    const QString path = pickFile(tr("Save the test chart"), tr("PDF files (*.pdf)"),
                                  QStringLiteral("pdf"), TestChart::fileName(QDate::currentDate()));
    if (path.isEmpty())
        return;
    if (const auto failure =
            TestChart::save(path, testChartInputs(previewScene(m_model)), preferredPageSize()))
        showMessage(this, *failure);
}

void CoverageWindow::followInPreview() {
    if (m_preview && m_preview->isVisible())
        m_preview->showScene(previewScene(m_model));
}

QList<ReportDocument> CoverageWindow::reportPages() const {
    const CoverageShown now = shown();
    return {CoverageReport::document(now),
            previewReportPage(now, m_preview ? m_preview->options() : PictureOptions{})};
}

} // namespace vistaro
