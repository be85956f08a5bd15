// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "finder/lensfinder.h"

#include "finder/csvexport.h"
#include "finder/lensfilter.h"
#include "finder/lensfinderhost.h"
#include "finder/lenstablemodel.h"
#include "match/datasheet.h"
#include "match/datasheetopener.h"
#include "optics/lensfields.h"
#include "platform/forms.h"
#include "platform/messagebox.h"
#include "platform/settingspath.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <algorithm>

namespace vistaro {

namespace {

const QString GeometryKey = QStringLiteral("LensFinder/geometry");

// The type filter's items.
enum TypeChoice { AllTypes, SelectedType };

} // namespace

LensFinder::LensFinder(LensFinderHost& host, const Catalogue& catalogue, QWidget* parent)
    : QWidget(parent, Qt::Window), m_host(host) {
    setObjectName(QStringLiteral("LensFinder"));
    m_model = new LensTableModel(catalogue, this);
    m_filter = new LensFilter(*m_model, this);
    buildControls();
    retranslate();
    sizeColumns();
    wheelOnlyWhenFocused(this);
    resize(1100, 560);
    restoreGeometry(windowSettings()->value(GeometryKey).toByteArray());
}

LensFinder::~LensFinder() {
    if (isVisible())
        rememberGeometry();
}

void LensFinder::buildControls() {
    m_nameLabel = new QLabel(this);
    m_nameFilter = named<QLineEdit>("NameFilter", this);
    m_nameFilter->setClearButtonEnabled(true);
    m_nameLabel->setBuddy(m_nameFilter);
    m_typeLabel = new QLabel(this);
    m_typeFilter = named<QComboBox>("TypeFilter", this);
    m_typeFilter->addItems({QString(), QString()});
    m_typeLabel->setBuddy(m_typeFilter);
    m_fitsOnly = named<QCheckBox>("FitsOnly", this);
    m_exportCsv = named<QPushButton>("ExportCsv", this);
    m_count = named<QLabel>("ShownCount", this);
    m_camera = named<QLabel>("JudgedCamera", this);
    m_camera->setTextFormat(Qt::PlainText);

    m_table = named<QTableView>("LensTable", this);
    m_table->setModel(m_filter);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table; the arrow keys move in it.
    m_table->setTabKeyNavigation(false);
    m_table->setAlternatingRowColors(true);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_table->horizontalHeader()->setHighlightSections(false);
    // Catalogue order until the user sorts by a column.
    m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_table->setSortingEnabled(true);
    m_table->horizontalHeader()->setSortIndicatorShown(true);

    auto* bar = new QHBoxLayout;
    bar->addWidget(m_nameLabel);
    bar->addWidget(m_nameFilter, 1);
    bar->addWidget(m_typeLabel);
    bar->addWidget(m_typeFilter);
    bar->addWidget(m_fitsOnly);
    bar->addStretch();
    bar->addWidget(m_count);
    bar->addWidget(m_exportCsv);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_camera);
    layout->addWidget(m_table, 1);

    connect(m_nameFilter, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_filter->setNameFilter(text);
        showCount();
    });
    connect(m_typeFilter, &QComboBox::currentIndexChanged, this, [this] {
        followTypeFilter();
        showCount();
    });
    connect(m_fitsOnly, &QCheckBox::toggled, this, [this](bool checked) {
        m_filter->setFitsOnly(checked);
        showCount();
    });
    connect(m_exportCsv, &QPushButton::clicked, this, &LensFinder::ExportCsv_Click);
    connect(m_table, &QTableView::activated, this, &LensFinder::activate);
    connect(m_model, &QAbstractItemModel::modelReset, this, &LensFinder::showCount);
}

// From the headers and the first rows: the rest of a long catalogue looks alike, and measuring
// every row of it would make opening slow.
void LensFinder::sizeColumns() {
    constexpr int SampleRows = 50;
    constexpr int Padding = 16;
    const QFontMetrics metrics(m_table->font());
    const int rows = std::min(m_filter->rowCount(), SampleRows);
    for (int column = 0; column < LensColumnCount; ++column) {
        int width = m_table->horizontalHeader()->sectionSizeHint(column);
        for (int row = 0; row < rows; ++row)
            width = std::max(
                width, metrics.horizontalAdvance(m_filter->index(row, column).data().toString()) +
                           Padding);
        m_table->setColumnWidth(column, width);
    }
}

void LensFinder::retranslate() {
    setWindowTitle(tr("Lens finder"));
    m_nameLabel->setText(tr("&Name or remark:"));
    m_nameFilter->setPlaceholderText(tr("part of the name or remark"));
    // Room for a name and more of the placeholder than its first letter, in any language.
    m_nameFilter->setMinimumWidth(16 * m_nameFilter->fontMetrics().averageCharWidth());
    m_typeLabel->setText(tr("&Type:"));
    m_typeFilter->setItemText(AllTypes, tr("All types"));
    m_fitsOnly->setText(tr("&Only lenses that fit"));
    m_exportCsv->setText(tr("&Export CSV..."));
    m_table->setAccessibleName(tr("Lenses"));
    followTypeFilter();
    showCount();
    showCamera();
}

void LensFinder::followTypeFilter() {
    const QString selected = m_inputs.selection.lensTypeCode;
    m_typeFilter->setItemText(SelectedType, tr("Selected type (%1)").arg(selected));
    m_filter->setTypeFilter(m_typeFilter->currentIndex() == SelectedType ? selected : QString());
}

void LensFinder::showCount() {
    m_count->setText(tr("%1 of %2 lenses").arg(m_filter->rowCount()).arg(m_model->rowCount()));
}

void LensFinder::showCamera() {
    setTextIfChanged(m_camera, LensText::camera(m_inputs.coverage, m_inputs.selection.sensor));
}

void LensFinder::refresh(const FinderInputs& inputs) {
    m_inputs = inputs;
    judge();
}

void LensFinder::judge() {
    if (!isVisible() || !m_model->update(m_inputs))
        return;
    followTypeFilter();
    m_filter->invalidate();
    showCount();
    showCamera();
}

void LensFinder::activate(const QModelIndex& index) {
    if (!index.isValid())
        return;
    const int row = m_filter->mapToSource(index).row();
    if (static_cast<LensColumn>(index.column()) == LensColumn::Datasheet)
        openDatasheet(this, checkDatasheetOf(m_model->lens(row), m_inputs.selection.drive));
    else
        m_host.presentFromFinder(m_model->catalogueIndex(row));
}

void LensFinder::ExportCsv_Click() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = Dialogs::current().saveFile(
        this, tr("Export CSV"), folder + QStringLiteral("/lenses.csv"), tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    if (const std::optional<QString> failure = CsvFile::save(path, lensCsv(*m_filter)))
        showMessage(this, *failure);
}

void LensFinder::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        m_model->retranslate();
    }
    QWidget::changeEvent(event);
}

void LensFinder::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A disc may have gone in while the window was closed; on first opening, judging finds them.
    m_model->rescanDatasheets();
    judge();
}

void LensFinder::hideEvent(QHideEvent* event) {
    rememberGeometry();
    QWidget::hideEvent(event);
}

void LensFinder::rememberGeometry() const {
    windowSettings()->setValue(GeometryKey, saveGeometry());
}

} // namespace vistaro
