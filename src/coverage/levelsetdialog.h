// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/levels.h"
#include "optics/levelsetfile.h"

#include <QDialog>
#include <vector>

class QComboBox;
class QLineEdit;
class QListWidget;
class QTableWidget;

namespace vistaro {

// The user's own level sets: each a name and its levels, typed in px/m or px/ft, imported from
// and exported to a level set file. Nothing changes until OK, and OK takes only sets that read.
class LevelSetDialog : public QDialog {
    Q_OBJECT

public:
    LevelSetDialog(std::vector<LevelSet> sets, QWidget* parent = nullptr);

    const std::vector<LevelSet>& sets() const { return m_sets; }

    void accept() override;

private:
    // The set in the editor, as a level set file would hold it, read by the file's rules.
    LevelSetRead edited() const;
    // Keeps what the editor shows into the set it shows; false, and says why, when it does not
    // read.
    bool keepEdited();
    void showSet(int index);
    void fillList();
    void addSet(const LevelSet& set);
    void importSet();
    void exportSet();

    std::vector<LevelSet> m_sets;
    int m_current = -1;
    QListWidget* m_list = nullptr;
    QLineEdit* m_name = nullptr;
    QComboBox* m_unit = nullptr;
    QTableWidget* m_levels = nullptr;
};

} // namespace vistaro
