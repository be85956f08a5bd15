// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "finder/csvexport.h"

#include "finder/lenstablemodel.h"

#include <QDir>
#include <QSaveFile>
#include <QStringList>

namespace vistaro {

namespace {

QString cell(QString text) {
    bool number = false;
    text.toDouble(&number);
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!number && !text.isEmpty() && formulaStarts.contains(text.front()))
        text.prepend(u'\'');
    if (text.contains(u',') || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r'))
        return u'"' + text.replace(u'"', QStringLiteral("\"\"")) + u'"';
    return text;
}

QByteArray line(const QStringList& cells) {
    QStringList quoted;
    for (const QString& text : cells)
        quoted << cell(text);
    return quoted.join(u',').toUtf8() + "\r\n";
}

} // namespace

QByteArray lensCsv(const QAbstractItemModel& shown) {
    QByteArray bytes("\xEF\xBB\xBF");
    QStringList header;
    for (int column = 0; column < shown.columnCount(); ++column)
        header << shown.headerData(column, Qt::Horizontal).toString();
    bytes += line(header);
    for (int row = 0; row < shown.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < shown.columnCount(); ++column)
            cells << shown.index(row, column).data(ExportRole).toString();
        bytes += line(cells);
    }
    return bytes;
}

std::optional<QString> CsvFile::save(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return std::nullopt;
    return tr("The list could not be saved as \"%1\": %2. Nothing was written.")
        .arg(QDir::toNativeSeparators(path), file.errorString());
}

} // namespace vistaro
