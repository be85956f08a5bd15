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
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace vistaro {

namespace {

QString askFile(QWidget* parent, const QString& caption, const QString& path,
                const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, path, filter);
}

bool askPrinter(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

// The buttons, and the dialogs they open until a test sets its own.
void CoverageWindow::buildReportButtons(QHBoxLayout* row) {
    const std::pair<QPushButton*&, const char*> buttons[] = {
        {m_saveReport, "SaveReport"},
        {m_printReport, "PrintReport"},
        {m_saveImage, "SaveImage"},
        {m_copyImage, "CopyImage"},
    };
    for (const auto& [button, name] : buttons) {
        button = named<QPushButton>(name, this);
        row->addWidget(button);
    }
    connect(m_saveReport, &QPushButton::clicked, this, &CoverageWindow::SaveReport_Click);
    connect(m_printReport, &QPushButton::clicked, this, &CoverageWindow::PrintReport_Click);
    connect(m_saveImage, &QPushButton::clicked, this, &CoverageWindow::SaveImage_Click);
    connect(m_copyImage, &QPushButton::clicked, this, &CoverageWindow::CopyImage_Click);
    m_filePicker = &askFile;
    m_printSetup = &askPrinter;
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
        [&](const QString& proposed) { return m_filePicker(this, caption, proposed, filter); },
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
    if (!m_printSetup(*printer, this))
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
