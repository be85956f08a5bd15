// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "site/site.h"

#include <QDialog>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace vistaro {

// The site's storeys in a table (name, elevation, floor-to-floor height, in the site's units),
// added, removed and put in order. Two storeys at one elevation or a storey of no height cannot be
// accepted: OK says why. A storey removed takes its items with it, once the user agrees.
class StoreysDialog : public QDialog {
    Q_OBJECT

public:
    explicit StoreysDialog(const Site& site, QWidget* parent = nullptr);

    // As withStoreys() takes them: the storeys as edited, and each one's index among the
    // site's, -1 for one added.
    std::vector<SiteStorey> storeys() const;
    std::vector<int> from() const;
    // Why the storeys cannot be accepted; empty when they can.
    QString problem() const;

private:
    struct Row {
        SiteStorey storey;
        int from = -1;
    };

    void fill();
    // The elevation or the height of `row` in metres, as the column at `column` shows it.
    double& length(int row, int column);
    void showLength(int row, int column);
    void take(int row, int column);
    void add();
    void remove();
    void move(int step);
    void check();

    const Site& m_site;
    std::vector<Row> m_rows;
    QTableWidget* m_table;
    QPushButton* m_remove;
    QPushButton* m_up;
    QPushButton* m_down;
    QPushButton* m_ok;
    QLabel* m_problem;
};

// The storeys to copy items to, each with a check box: all of the site's but the one on show.
class CopyToStoreysDialog : public QDialog {
    Q_OBJECT

public:
    CopyToStoreysDialog(const Site& site, int onShow, QWidget* parent = nullptr);

    // The storeys checked, in the site's order.
    std::vector<int> chosen() const;

private:
    std::vector<std::pair<int, QCheckBox*>> m_boxes;
};

} // namespace vistaro
