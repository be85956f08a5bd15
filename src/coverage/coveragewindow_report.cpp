// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The coverage window's report: saved as PDF, printed, or its drawings as a picture.

#include "coverage/coverageview.h"
#include "coverage/coveragewindow.h"
#include "platform/forms.h"
#include "platform/messagebox.h"
#include "report/reportfiles.h"
#include "report/reportpage.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>

namespace vistaro {

QPushButton* CoverageWindow::addButton(QHBoxLayout* row, const char* name,
                                       void (CoverageWindow::*click)()) {
    auto* button = named<QPushButton>(name, this);
    row->addWidget(button);
    connect(button, &QPushButton::clicked, this, click);
    return button;
}

void CoverageWindow::buildReportButtons(QHBoxLayout* row) {
    m_saveReport = addButton(row, "SaveReport", &CoverageWindow::SaveReport_Click);
    m_printReport = addButton(row, "PrintReport", &CoverageWindow::PrintReport_Click);
    m_saveImage = addButton(row, "SaveImage", &CoverageWindow::SaveImage_Click);
    m_copyImage = addButton(row, "CopyImage", &CoverageWindow::CopyImage_Click);
}

void CoverageWindow::retranslateReportButtons() {
    m_saveReport->setText(tr("Save as PDF..."));
    m_printReport->setText(tr("Print..."));
    m_saveImage->setText(tr("Save image..."));
    m_copyImage->setText(tr("Copy image"));
}

CoverageShown CoverageWindow::shown() const {
    CoverageInputs scratch = m_inputs;
    const FieldsRead read = readInputs(scratch);
    return {read.camera,
            scratch.sensorSource,
            scratch.pixelMicrometres,
            scratch.level,
            m_reading,
            m_model,
            m_problem->text(),
            m_lens,
            m_topView->size(),
            m_sideView->size(),
            m_topView->font(),
            QDate::currentDate(),
            read.aim == Aim::Tilt ? read.tiltDeg.value : std::nullopt,
            scratch.lens,
            read.fNumber.value,
            read.confusionPixels.value};
}

QString CoverageWindow::pickFile(const QString& caption, const QString& filter,
                                 const QString& suffix, const QString& name) {
    return askSavePath(
        [&](const QString& proposed) {
            return Dialogs::current().saveFile(this, caption, proposed, filter);
        },
        name.isEmpty() ? CoverageReport::fileName(shown()) : name, suffix);
}

void CoverageWindow::SaveReport_Click() {
    const QString path =
        pickFile(tr("Save the report as PDF"), tr("PDF files (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    if (const auto failure = saveReportPdf(path, reportPages(), preferredPageSize()))
        showMessage(this, *failure);
}

void CoverageWindow::PrintReport_Click() {
    const std::unique_ptr<QPrinter> printer = reportPrinter();
    if (!Dialogs::current().setUpPrinter(*printer, this))
        return;
    if (const auto failure = printReport(*printer, reportPages()))
        showMessage(this, *failure);
}

void CoverageWindow::SaveImage_Click() {
    const QString path = pickFile(tr("Save the views as a picture"), tr("PNG pictures (*.png)"),
                                  QStringLiteral("png"));
    if (path.isEmpty())
        return;
    const QImage image = drawingsImage(CoverageReport::document(shown()), devicePixelRatioF());
    if (const auto failure = saveImage(path, image))
        showMessage(this, *failure);
}

void CoverageWindow::CopyImage_Click() {
    QApplication::clipboard()->setImage(
        drawingsImage(CoverageReport::document(shown()), devicePixelRatioF()));
}

} // namespace vistaro
