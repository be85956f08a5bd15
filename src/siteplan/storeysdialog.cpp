// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/storeysdialog.h"

#include "optics/coverageformat.h"
#include "optics/units.h"
#include "platform/forms.h"
#include "platform/messagebox.h"
#include "siteplan/sitetablemodel.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

namespace vistaro {

namespace {

enum Column { NameColumn, ElevationColumn, HeightColumn };

constexpr double NewStoreyHeightM = 3;

// The cameras, walls, obstacles and areas on the storey at `storey`.
int itemsOn(const Site& site, int storey) {
    const auto on = [storey](const auto& items) {
        return static_cast<int>(
            std::count_if(items.begin(), items.end(),
                          [storey](const auto& item) { return item.storey == storey; }));
    };
    return on(site.cameras) + on(site.walls) + on(site.obstacles) + on(site.areas);
}

} // namespace

StoreysDialog::StoreysDialog(const Site& site, QWidget* parent)
    : QDialog(parent), m_site(site), m_table(named<QTableWidget>("StoreyTable", this)),
      m_remove(named<QPushButton>("StoreyRemove", this)),
      m_up(named<QPushButton>("StoreyMoveUp", this)),
      m_down(named<QPushButton>("StoreyMoveDown", this)),
      m_problem(named<QLabel>("StoreysProblem", this)) {
    setObjectName(QStringLiteral("Storeys"));
    setWindowTitle(tr("Storeys"));
    for (int i = 0; i < static_cast<int>(site.storeys.size()); ++i)
        m_rows.push_back({site.storeys[static_cast<std::size_t>(i)], i});
    m_table->setColumnCount(3);
    const QString unit = lengthUnit(site.units);
    m_table->setHorizontalHeaderLabels(
        {tr("Name"), withUnit(tr("Elevation"), unit), withUnit(tr("Floor-to-floor height"), unit)});
    m_table->setAccessibleName(tr("Storeys"));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    connect(m_table, &QTableWidget::cellChanged, this, &StoreysDialog::take);
    connect(m_table, &QTableWidget::itemSelectionChanged, this, &StoreysDialog::check);

    auto* add = named<QPushButton>("StoreyAdd", this);
    const std::pair<QPushButton*, QString> buttons[] = {{add, tr("&Add")},
                                                        {m_remove, tr("&Remove")},
                                                        {m_up, tr("Move &up")},
                                                        {m_down, tr("Move &down")}};
    auto* row = new QHBoxLayout;
    for (const auto& button : buttons) {
        button.first->setText(button.second);
        button.first->setAccessibleName(QString(button.second).remove(u'&'));
        row->addWidget(button.first);
    }
    row->addStretch();
    connect(add, &QPushButton::clicked, this, &StoreysDialog::add);
    connect(m_remove, &QPushButton::clicked, this, &StoreysDialog::remove);
    connect(m_up, &QPushButton::clicked, this, [this] { move(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { move(1); });

    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = box->button(QDialogButtonBox::Ok);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_problem->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addLayout(row);
    layout->addWidget(m_problem);
    layout->addWidget(box);
    fill();
    m_table->selectRow(0);
}

std::vector<SiteStorey> StoreysDialog::storeys() const {
    std::vector<SiteStorey> storeys;
    for (const Row& row : m_rows)
        storeys.push_back(row.storey);
    return storeys;
}

std::vector<int> StoreysDialog::from() const {
    std::vector<int> from;
    for (const Row& row : m_rows)
        from.push_back(row.from);
    return from;
}

QString StoreysDialog::problem() const {
    std::set<double> elevations;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const Row& row = m_rows[i];
        if (!(row.storey.heightM > 0))
            return tr("A storey needs a height: %1 has none.")
                .arg(row.storey.name.isEmpty() ? tr("storey %1").arg(i + 1) : row.storey.name);
        if (!elevations.insert(row.storey.elevationM).second)
            return tr("Two storeys stand at %1: each needs an elevation of its own.")
                .arg(CoverageText::length(row.storey.elevationM, m_site.units));
    }
    return {};
}

void StoreysDialog::fill() {
    const QSignalBlocker quiet(m_table);
    m_table->setRowCount(static_cast<int>(m_rows.size()));
    for (int i = 0; i < static_cast<int>(m_rows.size()); ++i) {
        const SiteStorey& storey = m_rows[static_cast<std::size_t>(i)].storey;
        m_table->setItem(i, NameColumn, new QTableWidgetItem(storey.name));
        for (const int column : {ElevationColumn, HeightColumn}) {
            m_table->setItem(i, column, new QTableWidgetItem);
            showLength(i, column);
        }
    }
    check();
}

double& StoreysDialog::length(int row, int column) {
    SiteStorey& storey = m_rows.at(static_cast<std::size_t>(row)).storey;
    return column == ElevationColumn ? storey.elevationM : storey.heightM;
}

// In the site's units, as the tables show lengths.
void StoreysDialog::showLength(int row, int column) {
    const QSignalBlocker quiet(m_table);
    m_table->item(row, column)->setText(lengthInUnits(length(row, column), m_site.units));
}

void StoreysDialog::take(int row, int column) {
    const QVariant value = m_table->item(row, column)->data(Qt::EditRole);
    if (column == NameColumn) {
        m_rows.at(static_cast<std::size_t>(row)).storey.name = value.toString().trimmed();
    } else {
        // Kept in metres as typed; what cannot be read leaves the length as it was.
        if (const std::optional<double> metres = typedHeight(value, m_site.units))
            length(row, column) = *metres;
        showLength(row, column);
    }
    check();
}

// A storey on top of the highest.
void StoreysDialog::add() {
    const auto top = std::max_element(m_rows.begin(), m_rows.end(), [](const Row& a, const Row& b) {
        return a.storey.elevationM < b.storey.elevationM;
    });
    SiteStorey storey;
    storey.elevationM = top == m_rows.end() ? 0 : top->storey.elevationM + top->storey.heightM;
    storey.heightM = NewStoreyHeightM;
    m_rows.push_back({storey, -1});
    fill();
    m_table->selectRow(static_cast<int>(m_rows.size()) - 1);
}

void StoreysDialog::remove() {
    const int row = m_table->currentRow();
    if (row < 0 || m_rows.size() < 2)
        return;
    const Row& removed = m_rows[static_cast<std::size_t>(row)];
    const int items = removed.from < 0 ? 0 : itemsOn(m_site, removed.from);
    if (items > 0 &&
        !askYesNo(this, tr("%1 holds %n item(s), which go with it. Remove it?", nullptr, items)
                            .arg(storeyName(m_site, removed.from))))
        return;
    m_rows.erase(m_rows.begin() + row);
    fill();
    m_table->selectRow(std::min(row, static_cast<int>(m_rows.size()) - 1));
}

void StoreysDialog::move(int step) {
    const int row = m_table->currentRow();
    const int to = row + step;
    if (row < 0 || to < 0 || to >= static_cast<int>(m_rows.size()))
        return;
    std::swap(m_rows[static_cast<std::size_t>(row)], m_rows[static_cast<std::size_t>(to)]);
    fill();
    m_table->selectRow(to);
}

void StoreysDialog::check() {
    const QString why = problem();
    m_ok->setEnabled(why.isEmpty());
    m_ok->setToolTip(why);
    m_problem->setText(why);
    m_problem->setVisible(!why.isEmpty());
    const int row = m_table->currentRow();
    m_remove->setEnabled(row >= 0 && m_rows.size() > 1);
    m_up->setEnabled(row > 0);
    m_down->setEnabled(row >= 0 && row + 1 < static_cast<int>(m_rows.size()));
}

CopyToStoreysDialog::CopyToStoreysDialog(const Site& site, int onShow, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("CopyToStoreys"));
    setWindowTitle(tr("Copy to storeys"));
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < static_cast<int>(site.storeys.size()); ++i) {
        if (i == onShow)
            continue;
        auto* box = new QCheckBox(storeyName(site, i), this);
        box->setObjectName(QStringLiteral("CopyToStorey%1").arg(i));
        box->setAccessibleName(storeyName(site, i));
        layout->addWidget(box);
        m_boxes.emplace_back(i, box);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

std::vector<int> CopyToStoreysDialog::chosen() const {
    std::vector<int> chosen;
    for (const auto& box : m_boxes)
        if (box.second->isChecked())
            chosen.push_back(box.first);
    return chosen;
}

} // namespace vistaro
