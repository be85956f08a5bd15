// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "site/sitedocument.h"

#include <QObject>
#include <optional>
#include <vector>

class QTableView;

namespace vistaro {

class CameraPanel;
class PlanView;

// The selection, kept the same on the plan and in the tables of the items (a table's rows may be
// sorted by a proxy); the panel shows the one camera selected, or none.
class SiteSelection : public QObject {
    Q_OBJECT

public:
    SiteSelection(const SiteDocument& document, PlanView& view, std::vector<QTableView*> tables,
                  CameraPanel& panel);

    // The one camera selected, if only one is.
    std::optional<ItemRef> camera() const;

signals:
    // The panel shows another camera, or the one it shows changed.
    void cameraShown();

private:
    void planChanged();
    void tableChanged(QTableView& table);
    void selectInTables(const std::vector<ItemRef>& refs);
    void showCamera();

    const SiteDocument& m_document;
    PlanView& m_view;
    std::vector<QTableView*> m_tables;
    CameraPanel& m_panel;
    bool m_syncing = false;
};

} // namespace vistaro
