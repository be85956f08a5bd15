// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "finder/csvexport.h"

#include "finder/lenstablemodel.h"

#include <QStringList>

namespace vistaro {

QByteArray lensCsv(const QAbstractItemModel& shown) {
    QStringList header;
    for (int column = 0; column < shown.columnCount(); ++column)
        header << shown.headerData(column, Qt::Horizontal).toString();
    QList<QStringList> rows;
    for (int row = 0; row < shown.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < shown.columnCount(); ++column)
            cells << shown.index(row, column).data(ExportRole).toString();
        rows << cells;
    }
    return CsvFile::table(header, rows);
}

} // namespace vistaro
