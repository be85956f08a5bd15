// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "preview/preview.h"

#include "platform/forms.h"
#include "platform/messagebox.h"
#include "platform/settingspath.h"
#include "report/reportfiles.h"
#include "report/reportpage.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vistaro {

namespace {

constexpr QPageSize::PageSizeId Papers[] = {QPageSize::A4, QPageSize::A3, QPageSize::Letter};

// Where the window was and how big, as the user left it.
const QString GeometryKey = QStringLiteral("Preview/geometry");

} // namespace

PreviewView::PreviewView(const PreviewSheet& sheet, QWidget* parent)
    : QWidget(parent), m_sheet(sheet) {
    setMinimumSize(480, 360);
}

void PreviewView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A white sheet, as printed, whatever the palette's text colour (a dark theme's is white).
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::black);
    m_sheet.paint(painter, QRectF(rect()).adjusted(6, 6, -6, -6));
}

TestChartInputs testChartInputs(const PreviewScene& scene) {
    TestChartInputs inputs;
    inputs.units = scene.units;
    inputs.levels = scene.levels;
    if (!scene.ends.empty()) {
        inputs.distanceM = scene.ends.front().distanceM;
        inputs.pixelsPerMetre = scene.ends.front().result.pixelsPerMetre;
        inputs.densities = scene.ends.front().result.levelDensities;
    }
    return inputs;
}

Preview::Preview(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Preview"));
    setWindowIconIfPresent(this);
    auto* root = new QVBoxLayout(this);
    auto* options = new QHBoxLayout;
    root->addLayout(options);
    m_jpegLabel = named<QLabel>("JpegQualityLabel", this);
    m_jpegQuality = named<QSpinBox>("JpegQuality", this);
    m_jpegQuality->setRange(0, 100);
    m_noiseLabel = named<QLabel>("NightNoiseLabel", this);
    m_noise = named<QSpinBox>("NightNoise", this);
    m_noise->setRange(0, 30);
    m_noise->setSuffix(QStringLiteral(" %"));
    // On until the user turns it off; it can be turned on only when the F-number is known.
    m_lensBlur = named<QCheckBox>("LensBlur", this);
    m_lensBlur->setChecked(true);
    m_paperLabel = named<QLabel>("PaperLabel", this);
    m_paper = named<QComboBox>("Paper", this);
    for (const QPageSize::PageSizeId id : Papers)
        m_paper->addItem(QPageSize::name(id), int(id));
    m_paper->setCurrentIndex(std::max(0, m_paper->findData(int(preferredPageSize().id()))));
    m_jpegLabel->setBuddy(m_jpegQuality);
    m_noiseLabel->setBuddy(m_noise);
    m_paperLabel->setBuddy(m_paper);
    options->addWidget(m_jpegLabel);
    options->addWidget(m_jpegQuality);
    options->addWidget(m_noiseLabel);
    options->addWidget(m_noise);
    options->addWidget(m_lensBlur);
    options->addStretch(1);
    m_copy = named<QPushButton>("CopyPreview", this);
    m_save = named<QPushButton>("SavePreview", this);
    m_testChart = named<QPushButton>("SaveTestChart", this);
    options->addWidget(m_copy);
    options->addWidget(m_save);
    options->addWidget(m_paperLabel);
    options->addWidget(m_paper);
    options->addWidget(m_testChart);
    m_note = named<QLabel>("PreviewNote", this);
    m_note->setWordWrap(true);
    root->addWidget(m_note);
    m_view = new PreviewView(m_sheet, this);
    m_view->setObjectName(QStringLiteral("PreviewSheet"));
    root->addWidget(m_view, 1);

    for (QSpinBox* spin : {m_jpegQuality, m_noise})
        connect(spin, &QSpinBox::valueChanged, this, &Preview::refresh);
    connect(m_lensBlur, &QCheckBox::toggled, this, &Preview::refresh);
    connect(m_copy, &QPushButton::clicked, this, &Preview::CopyPreview_Click);
    connect(m_save, &QPushButton::clicked, this, &Preview::SavePreview_Click);
    connect(m_testChart, &QPushButton::clicked, this, &Preview::SaveTestChart_Click);
    retranslate();
    wheelOnlyWhenFocused(this);
    resize(1100, 760);
    restoreGeometry(windowSettings()->value(GeometryKey).toByteArray());
}

PictureOptions Preview::options() const {
    return {m_jpegQuality->value(), m_noise->value(), m_lensBlur->isChecked()};
}

void Preview::showScene(const PreviewScene& scene) {
    m_lensBlur->setEnabled(std::any_of(scene.ends.begin(), scene.ends.end(),
                                       [](const PreviewEnd& end) { return end.result.focus; }));
    m_sheet.show(scene, options());
    m_view->update();
}

void Preview::refresh() {
    showScene(m_sheet.scene());
}

QImage Preview::image() const {
    return m_sheet.image(m_view->size(), m_view->font());
}

void Preview::retranslate() {
    setWindowTitle(tr("Preview"));
    m_jpegLabel->setText(tr("&JPEG quality"));
    m_jpegQuality->setSpecialValueText(tr("off"));
    m_noiseLabel->setText(tr("&Night noise"));
    m_noise->setSpecialValueText(tr("off"));
    m_paperLabel->setText(tr("&Paper"));
    m_copy->setText(tr("&Copy"));
    m_save->setText(tr("&Save..."));
    m_testChart->setText(tr("&Test chart..."));
    m_lensBlur->setText(tr("&Lens blur"));
    m_lensBlur->setToolTip(tr("Blurs a target outside the depth of field as the lens, focused "
                              "at the aim distance, blurs it."));
    m_note->setText(tr("Each picture has the pixels the camera gives the target at that "
                       "density, each pixel drawn as a square."));
    m_jpegQuality->setAccessibleName(tr("JPEG quality"));
    m_noise->setAccessibleName(tr("Night noise"));
    m_lensBlur->setAccessibleName(tr("Lens blur from the depth of field"));
    m_paper->setAccessibleName(tr("Test chart paper"));
    m_copy->setAccessibleName(tr("Copy the preview"));
    m_save->setAccessibleName(tr("Save the preview as a picture"));
    m_testChart->setAccessibleName(tr("Save the test chart as PDF"));
    m_view->setAccessibleName(tr("What the camera shows"));
}

void Preview::hideEvent(QHideEvent* event) {
    windowSettings()->setValue(GeometryKey, saveGeometry());
    QWidget::hideEvent(event);
}

void Preview::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        m_sheet.retranslate();
        m_view->update();
    }
    QWidget::changeEvent(event);
}

QString Preview::pickFile(const QString& caption, const QString& filter, const QString& suffix,
                          const QString& name) {
    return askSavePath(
        [&](const QString& proposed) {
            return Dialogs::current().saveFile(this, caption, proposed, filter);
        },
        name, suffix);
}

void Preview::CopyPreview_Click() {
    QApplication::clipboard()->setImage(image());
}

void Preview::SavePreview_Click() {
    const QString path = pickFile(tr("Save the preview as a picture"), tr("PNG pictures (*.png)"),
                                  QStringLiteral("png"),
                                  tr("Preview %1").arg(QDate::currentDate().toString(Qt::ISODate)));
    if (path.isEmpty())
        return;
    if (const auto failure = saveImage(path, image()))
        showMessage(this, *failure);
}

void Preview::SaveTestChart_Click() {
    const QString path = pickFile(tr("Save the test chart"), tr("PDF files (*.pdf)"),
                                  QStringLiteral("pdf"), TestChart::fileName(QDate::currentDate()));
    if (path.isEmpty())
        return;
    const QPageSize paper(QPageSize::PageSizeId(m_paper->currentData().toInt()));
    if (const auto failure = TestChart::save(path, testChartInputs(m_sheet.scene()), paper))
        showMessage(this, *failure);
}

} // namespace vistaro
