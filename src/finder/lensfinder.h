// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalogue/lensrecord.h"
#include "finder/finderinputs.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QTableView;

namespace vistaro {

class LensFilter;
class LensFinderHost;
class LensTableModel;

// The whole catalogue in one table with a verdict for every lens against what the main window
// asks for now: sorted by any column, filtered, and opening a lens in the recommendation window
// or its datasheet. Modeless and resizable; its size and place are remembered.
class LensFinder : public QWidget {
    Q_OBJECT

public:
    // `catalogue` is the one the main window holds, read in place; a load replaces it as a whole.
    LensFinder(LensFinderHost& host, const Catalogue& catalogue, QWidget* parent = nullptr);
    ~LensFinder() override;

    // Takes what the main window asks for now and judges the lenses again when an input or the
    // catalogue changed; a hidden window only keeps the inputs until it is shown.
    void refresh(const FinderInputs& inputs);

    LensTableModel& model() const { return *m_model; }
    LensFilter& filter() const { return *m_filter; }

public slots:
    void ExportCsv_Click();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildControls();
    void retranslate();
    void sizeColumns();
    // Double-click or Enter: the datasheet from its cell, the lens from any other.
    void activate(const QModelIndex& index);
    void followTypeFilter();
    void showCount();
    // Which camera the lenses are judged against.
    void showCamera();
    void rememberGeometry() const;
    // Judges the lenses against m_inputs when it or the catalogue changed.
    void judge();

    LensFinderHost& m_host;
    FinderInputs m_inputs;
    LensTableModel* m_model = nullptr;
    LensFilter* m_filter = nullptr;
    QLineEdit* m_nameFilter = nullptr;
    QComboBox* m_typeFilter = nullptr;
    QCheckBox* m_fitsOnly = nullptr;
    QPushButton* m_exportCsv = nullptr;
    QLabel* m_count = nullptr;
    QLabel* m_camera = nullptr;
    QLabel* m_nameLabel = nullptr;
    QLabel* m_typeLabel = nullptr;
    QTableView* m_table = nullptr;
};

} // namespace vistaro
