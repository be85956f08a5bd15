// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalogue/lensrecord.h"
#include "finder/finderinputs.h"
#include "finder/lensverdicts.h"

#include <QAbstractTableModel>
#include <array>
#include <cstdint>
#include <vector>

namespace vistaro {

// The lens table's columns: the catalogue's facts, then the verdicts in the order of Check.
enum class LensColumn {
    Name,
    Type,
    Iris,
    Focal,
    FStop,
    MinFocus,
    Sensor,
    Remark,
    Datasheet,
    TypeVerdict,
    FocalVerdict,
    IrisVerdict,
    SensorVerdict,
    FocusVerdict,
    LevelVerdict,
    Fits,
};
inline constexpr int LensColumnCount = 16;

// What the table gives besides the cells on show.
enum LensRole {
    // A cell as a spreadsheet should read it: numbers with a decimal point, verdicts in words.
    ExportRole = Qt::UserRole,
    // The cell's place in its column's order (an int; equal cells share one): numbers as
    // numbers (a minimum focus of 0, none, before any), texts without regard to case, what
    // cannot be read after what can.
    SortRole,
};

enum class DatasheetState { There, Missing, None };

// One row for each lens of the catalogue the main window holds (blank lines and the empty rows
// after the last line are no lenses), in catalogue order, with a verdict for every test. The
// catalogue is read in place; what the model keeps per row is what it worked out.
class LensTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit LensTableModel(const Catalogue& catalogue, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Judges every lens again when the inputs or the catalogue changed since the last call;
    // returns whether anything was worked out. Cheap when nothing changed.
    bool update(const FinderInputs& inputs);
    // Looks again for the datasheet files (a disc may have gone in since).
    void rescanDatasheets();
    // The texts change language.
    void retranslate();

    std::int16_t catalogueIndex(int row) const;
    const LensRecord& lens(int row) const;
    Verdict verdict(int row, Check check) const;
    DatasheetState datasheet(int row) const;
    // Part of the name or of the remark, in any case.
    bool mentions(int row, const QString& text) const;

private:
    struct Row {
        std::int16_t index;
        LensFacts facts;
        LensVerdicts verdicts;
        DatasheetState datasheet;
    };

    // Reads the catalogue's rows afresh when it was replaced since the last look.
    bool followCatalogue();
    void judgeAll();
    void findDatasheets();
    QString displayText(const Row& row, LensColumn column) const;
    QString cellText(const Row& row, LensColumn column) const;
    QString toolTip(const Row& row, LensColumn column) const;
    bool lessThan(LensColumn column, const Row& a, const Row& b) const;
    // The rows' places in the order of `column`, worked out once after each change.
    const std::vector<int>& ranks(LensColumn column) const;
    // Anything the order depends on changed.
    void forgetRanks();

    const Catalogue& m_catalogue;
    const LensRecord* m_seenData = nullptr;
    qsizetype m_seenSize = -1;
    std::vector<Row> m_rows;
    FinderInputs m_inputs;
    Wanted m_wanted;
    bool m_judged = false;
    mutable std::array<std::vector<int>, LensColumnCount> m_ranks;
};

} // namespace vistaro
