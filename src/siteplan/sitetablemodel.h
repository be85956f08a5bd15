// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/reading.h"
#include "site/sitecoverage.h"
#include "site/sitedocument.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <functional>
#include <utility>
#include <vector>

namespace vistaro {

// One row for each item of one kind of the document, in the document's order, kept in step
// with it. A cell typed into becomes a new item handed to `edit`, which changes the document
// (through the undo stack), so the table never changes the site itself.
class SiteTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using Edit = std::function<void(const ItemRef& ref, const SiteItem& after)>;

    SiteTableModel(ItemKind kind, const SiteDocument& document, const SiteCoverage& coverage,
                   Edit edit, QObject* parent = nullptr);

    ItemKind kind() const { return m_kind; }
    int rowCount(const QModelIndex& parent = {}) const override;
    // The storey of the item in `row`; -1 for a row the document does not hold.
    int storeyOfRow(int row) const;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    // The texts change language.
    void retranslate();

protected:
    const SiteDocument& document() const { return m_document; }
    const SiteCoverage& coverage() const { return m_coverage; }
    Units units() const { return m_document.site().units; }
    const LevelSet& levelSet() const { return m_document.site().levelSet; }
    // Whether `index` is a cell of an item the document holds.
    bool shows(const QModelIndex& index) const;
    // Every cell of `row` changed; -1 for every row.
    void rowChanged(int row);
    // `item` with the cell at `column` set to `value`; none when the value does not fit.
    virtual std::optional<SiteItem> edited(SiteItem item, int column,
                                           const QVariant& value) const = 0;

private:
    // The rows of this table's kind among `refs` (ascending), as runs of consecutive rows, first
    // and last.
    std::vector<std::pair<int, int>> runsOf(const std::vector<ItemRef>& refs) const;

    ItemKind m_kind;
    const SiteDocument& m_document;
    const SiteCoverage& m_coverage;
    Edit m_edit;
    int m_rows;
};

// The rows of a site table: every storey's, or those of one storey only.
class StoreyRows : public QSortFilterProxyModel {
    Q_OBJECT

public:
    StoreyRows(SiteTableModel& rows, QObject* parent);

    SiteTableModel& rows() const { return m_rows; }
    // None: every storey's rows.
    void setStorey(std::optional<int> storey);

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

private:
    SiteTableModel& m_rows;
    std::optional<int> m_storey;
};

// A length in the units on show, without its unit, and a typed length back in metres.
QString lengthInUnits(double metres, Units units);
std::optional<double> typedLength(const QVariant& value, Quantity quantity, Units units);
// A height typed in `units`, any finite number (a bottom on the floor, a storey below ground),
// in metres.
std::optional<double> typedHeight(const QVariant& value, Units units);
// A level as a table's editor gives it: its index in the site's set.
std::optional<Level> typedLevel(const QVariant& value, const LevelSet& set);

} // namespace vistaro
