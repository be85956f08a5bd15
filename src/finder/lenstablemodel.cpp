// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "finder/lenstablemodel.h"

#include "calc/sensorformat.h"
#include "finder/datasheetfolders.h"
#include "match/datasheet.h"
#include "match/presentation.h"
#include "platform/numberformat.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace vistaro {

namespace {

constexpr int FirstVerdictColumn = static_cast<int>(LensColumn::TypeVerdict);

std::optional<Check> checkOf(LensColumn column) {
    const int offset = static_cast<int>(column) - FirstVerdictColumn;
    if (offset < 0)
        return std::nullopt;
    return static_cast<Check>(offset);
}

bool blank(const LensRecord& lens) {
    return lens == LensRecord{};
}

// -1, 0 or 1. What can be read comes before what cannot; two that cannot are ordered as text.
int compareNumbers(std::optional<double> left, std::optional<double> right, QStringView leftText,
                   QStringView rightText) {
    if (left && right)
        return *left < *right ? -1 : *right < *left ? 1 : 0;
    if (left || right)
        return left ? -1 : 1;
    return leftText.compare(rightText, Qt::CaseInsensitive);
}

// A minimum focus of 0 means none: the lens focuses at any distance.
std::optional<double> focusKey(std::optional<double> minFocus) {
    if (minFocus && *minFocus == 0)
        return -std::numeric_limits<double>::infinity();
    return minFocus;
}

std::optional<double> sensorKey(std::optional<SensorFormat> format) {
    if (!format)
        return std::nullopt;
    return sensorHeight(*format);
}

// Numbers as a spreadsheet reads them, whatever the regional format; text that is no number
// as it is written.
QString plainNumber(std::optional<double> value, const QString& text) {
    return value ? QString::number(*value, 'g', 15) : text;
}

QString remarkText(const LensRecord& lens) {
    return remarkOf(lens).value_or(QString());
}

// The mark on show, or the word a spreadsheet and a screen reader get.
QString verdictText(Verdict verdict, bool mark) {
    switch (verdict) {
    case Verdict::Pass:
        return mark ? QStringLiteral("\u2714") : LensTableModel::tr("yes");
    case Verdict::Fail:
        return mark ? QStringLiteral("\u2718") : LensTableModel::tr("no");
    case Verdict::Unknown:
        break;
    }
    return mark ? QStringLiteral("?") : LensTableModel::tr("unknown");
}

// What a screen reader says for a mark.
QString spokenVerdict(Verdict verdict) {
    switch (verdict) {
    case Verdict::Pass:
        return LensTableModel::tr("fits");
    case Verdict::Fail:
        return LensTableModel::tr("does not fit");
    case Verdict::Unknown:
        break;
    }
    return LensTableModel::tr("cannot be told");
}

} // namespace

LensTableModel::LensTableModel(const Catalogue& catalogue, QObject* parent)
    : QAbstractTableModel(parent), m_catalogue(catalogue) {
    followCatalogue();
}

int LensTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int LensTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : LensColumnCount;
}

bool LensTableModel::followCatalogue() {
    if (m_catalogue.constData() == m_seenData && m_catalogue.size() == m_seenSize)
        return false;
    beginResetModel();
    m_seenData = m_catalogue.constData();
    m_seenSize = m_catalogue.size();
    m_rows.clear();
    forgetRanks();
    m_rows.reserve(static_cast<std::size_t>(m_catalogue.size()));
    // Indices are 16-bit; the loader never holds more rows than that.
    const qsizetype count = std::min<qsizetype>(m_catalogue.size(), 32767);
    NumberCache numbers;
    for (qsizetype i = 0; i < count; ++i) {
        const LensRecord& lens = m_catalogue[i];
        if (!blank(lens))
            m_rows.push_back({static_cast<std::int16_t>(i), readFacts(lens, numbers), {}, {}});
    }
    if (m_judged) {
        judgeAll();
        findDatasheets();
    }
    endResetModel();
    return true;
}

bool LensTableModel::update(const FinderInputs& inputs) {
    const bool replaced = followCatalogue();
    if (m_judged && inputs == m_inputs)
        return replaced;
    const bool newDrive = !m_judged || inputs.selection.drive != m_inputs.selection.drive;
    m_inputs = inputs;
    m_judged = true;
    judgeAll();
    if (newDrive)
        findDatasheets();
    if (!m_rows.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, LensColumnCount - 1));
    return true;
}

void LensTableModel::judgeAll() {
    forgetRanks();
    m_wanted = readWanted(m_inputs);
    for (Row& row : m_rows)
        row.verdicts = judge(m_catalogue[row.index], row.facts, m_wanted);
}

void LensTableModel::findDatasheets() {
    forgetRanks();
    DatasheetFolders folders;
    for (Row& row : m_rows) {
        const LensRecord& lens = m_catalogue[row.index];
        row.datasheet = !namesDatasheet(lens) ? DatasheetState::None
                        : folders.exists(datasheetPath(m_inputs.selection.drive, lens))
                            ? DatasheetState::There
                            : DatasheetState::Missing;
    }
}

void LensTableModel::rescanDatasheets() {
    if (m_rows.empty() || !m_judged)
        return;
    findDatasheets();
    const int column = static_cast<int>(LensColumn::Datasheet);
    emit dataChanged(index(0, column), index(rowCount() - 1, column));
}

void LensTableModel::retranslate() {
    emit headerDataChanged(Qt::Horizontal, 0, LensColumnCount - 1);
    if (!m_rows.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, LensColumnCount - 1));
}

std::int16_t LensTableModel::catalogueIndex(int row) const {
    return m_rows.at(static_cast<std::size_t>(row)).index;
}

const LensRecord& LensTableModel::lens(int row) const {
    return m_catalogue[catalogueIndex(row)];
}

Verdict LensTableModel::verdict(int row, Check check) const {
    return m_rows.at(static_cast<std::size_t>(row)).verdicts[static_cast<int>(check)];
}

DatasheetState LensTableModel::datasheet(int row) const {
    return m_rows.at(static_cast<std::size_t>(row)).datasheet;
}

bool LensTableModel::mentions(int row, const QString& text) const {
    const LensRecord& entry = lens(row);
    return entry.Name.contains(text, Qt::CaseInsensitive) ||
           remarkText(entry).contains(text, Qt::CaseInsensitive);
}

QVariant LensTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= LensColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (static_cast<LensColumn>(section)) {
    case LensColumn::Name:
        return tr("Name");
    case LensColumn::Type:
        return tr("Type");
    case LensColumn::Iris:
        return tr("Iris");
    case LensColumn::Focal:
        return tr("Focal (mm)");
    case LensColumn::FStop:
        return tr("F");
    case LensColumn::MinFocus:
        return tr("Min. focus (m)");
    case LensColumn::Sensor:
        return tr("Sensor");
    case LensColumn::Remark:
        return tr("Remark");
    case LensColumn::Datasheet:
        return tr("Datasheet");
    default:
        return VerdictReasons::checkName(*checkOf(static_cast<LensColumn>(section)));
    }
}

QVariant LensTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= LensColumnCount)
        return {};
    const Row& row = m_rows[static_cast<std::size_t>(index.row())];
    const auto column = static_cast<LensColumn>(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return displayText(row, column);
    case Qt::ToolTipRole:
        return toolTip(row, column);
    case Qt::AccessibleTextRole:
        if (const std::optional<Check> check = checkOf(column))
            return spokenVerdict(row.verdicts[static_cast<int>(*check)]);
        return displayText(row, column);
    case Qt::AccessibleDescriptionRole:
        return toolTip(row, column);
    case ExportRole:
        return cellText(row, column);
    case SortRole:
        return ranks(column)[static_cast<std::size_t>(index.row())];
    case Qt::TextAlignmentRole:
        if (checkOf(column))
            return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        if (column == LensColumn::Focal || column == LensColumn::FStop ||
            column == LensColumn::MinFocus)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QString LensTableModel::displayText(const Row& row, LensColumn column) const {
    const LensRecord& entry = m_catalogue[row.index];
    if (const std::optional<Check> check = checkOf(column))
        return verdictText(row.verdicts[static_cast<int>(*check)], true);
    switch (column) {
    case LensColumn::MinFocus:
        return row.facts.minFocus == 0.0 ? tr("none") : entry.MinFocus;
    case LensColumn::Focal:
        return focalText(entry);
    default:
        return cellText(row, column);
    }
}

QString LensTableModel::toolTip(const Row& row, LensColumn column) const {
    const LensRecord& entry = m_catalogue[row.index];
    if (const std::optional<Check> check = checkOf(column))
        return VerdictReasons::why(*check, entry, row.facts, m_wanted, row.verdicts);
    switch (column) {
    case LensColumn::Datasheet:
        return row.datasheet == DatasheetState::None
                   ? tr("The catalogue names no datasheet for this lens.")
                   : datasheetPath(m_inputs.selection.drive, entry);
    case LensColumn::Sensor:
        return row.facts.largestFormat
                   ? QString()
                   : VerdictReasons::why(Check::Sensor, entry, row.facts, m_wanted, row.verdicts);
    default:
        return {};
    }
}

QString LensTableModel::cellText(const Row& row, LensColumn column) const {
    const LensRecord& entry = m_catalogue[row.index];
    if (const std::optional<Check> check = checkOf(column))
        return verdictText(row.verdicts[static_cast<int>(*check)], false);
    switch (column) {
    case LensColumn::Name:
        return entry.Name;
    case LensColumn::Type:
        return entry.TypeCode;
    case LensColumn::Iris:
        return entry.Iris;
    case LensColumn::Focal: {
        const QString shortest = plainNumber(row.facts.focalMin, entry.FocalMin);
        return hasFocalRange(entry.TypeCode)
                   ? shortest + u'-' + plainNumber(row.facts.focalMax, entry.FocalMax)
                   : shortest;
    }
    case LensColumn::FStop:
        return plainNumber(row.facts.fStop, entry.FStop);
    case LensColumn::MinFocus:
        return plainNumber(row.facts.minFocus, entry.MinFocus);
    case LensColumn::Sensor:
        return row.facts.largestFormat ? VerdictReasons::sensorName(*row.facts.largestFormat)
                                       : tr("unknown");
    case LensColumn::Remark:
        return remarkText(entry);
    case LensColumn::Datasheet:
        switch (row.datasheet) {
        case DatasheetState::There:
            return tr("yes");
        case DatasheetState::Missing:
            return tr("missing");
        case DatasheetState::None:
            return tr("none");
        }
        return {};
    default:
        return {};
    }
}

void LensTableModel::forgetRanks() {
    for (std::vector<int>& column : m_ranks)
        column.clear();
}

const std::vector<int>& LensTableModel::ranks(LensColumn column) const {
    std::vector<int>& ranks = m_ranks.at(static_cast<std::size_t>(column));
    if (!ranks.empty() || m_rows.empty())
        return ranks;
    std::vector<int> order(m_rows.size());
    std::iota(order.begin(), order.end(), 0);
    const auto less = [&](int a, int b) {
        return lessThan(column, m_rows[static_cast<std::size_t>(a)],
                        m_rows[static_cast<std::size_t>(b)]);
    };
    std::stable_sort(order.begin(), order.end(), less);
    ranks.resize(m_rows.size());
    int rank = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (i > 0 && less(order[i - 1], order[i]))
            ++rank;
        ranks[static_cast<std::size_t>(order[i])] = rank;
    }
    return ranks;
}

bool LensTableModel::lessThan(LensColumn column, const Row& a, const Row& b) const {
    const LensRecord& lensA = m_catalogue[a.index];
    const LensRecord& lensB = m_catalogue[b.index];
    if (const std::optional<Check> check = checkOf(column))
        return a.verdicts[static_cast<int>(*check)] < b.verdicts[static_cast<int>(*check)];
    const auto text = [](const QString& x, const QString& y) {
        return QString::compare(x, y, Qt::CaseInsensitive) < 0;
    };
    switch (column) {
    case LensColumn::Name:
        return text(lensA.Name, lensB.Name);
    case LensColumn::Type:
        return text(lensA.TypeCode, lensB.TypeCode);
    case LensColumn::Iris:
        return text(lensA.Iris, lensB.Iris);
    case LensColumn::Remark:
        return text(remarkText(lensA), remarkText(lensB));
    case LensColumn::Focal: {
        const int shortest =
            compareNumbers(a.facts.focalMin, b.facts.focalMin, lensA.FocalMin, lensB.FocalMin);
        return shortest != 0 ? shortest < 0
                             : compareNumbers(a.facts.longest, b.facts.longest, lensA.FocalMax,
                                              lensB.FocalMax) < 0;
    }
    case LensColumn::FStop:
        return compareNumbers(a.facts.fStop, b.facts.fStop, lensA.FStop, lensB.FStop) < 0;
    case LensColumn::MinFocus:
        return compareNumbers(focusKey(a.facts.minFocus), focusKey(b.facts.minFocus),
                              lensA.MinFocus, lensB.MinFocus) < 0;
    case LensColumn::Sensor:
        return compareNumbers(sensorKey(a.facts.largestFormat), sensorKey(b.facts.largestFormat),
                              QStringView(lensA.Name).left(1), QStringView(lensB.Name).left(1)) < 0;
    case LensColumn::Datasheet:
        return a.datasheet < b.datasheet;
    default:
        return false;
    }
}

} // namespace vistaro
