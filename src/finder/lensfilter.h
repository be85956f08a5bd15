// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSortFilterProxyModel>

namespace vistaro {

class LensTableModel;

// The lenses on show, in the order chosen: only those that fit, a part of the name or remark,
// one lens type, each when set.
class LensFilter : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit LensFilter(LensTableModel& model, QObject* parent = nullptr);

    void setFitsOnly(bool fitsOnly);
    void setNameFilter(const QString& text);
    // Empty: every type.
    void setTypeFilter(const QString& typeCode);
    // The catalogue row of a row on show.
    int sourceRow(int row) const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    LensTableModel& m_model;
    bool m_fitsOnly = false;
    QString m_name;
    QString m_type;
};

} // namespace vistaro
