// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/csvfile.h"

#include "platform/savefile.h"

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

} // namespace

QByteArray CsvFile::start() {
    return QByteArrayLiteral("\xEF\xBB\xBF");
}

QByteArray CsvFile::line(const QStringList& cells) {
    QStringList quoted;
    for (const QString& text : cells)
        quoted << cell(text);
    return quoted.join(u',').toUtf8() + QByteArrayLiteral("\r\n");
}

QByteArray CsvFile::table(const QStringList& header, const QList<QStringList>& rows) {
    QByteArray bytes = start() + line(header);
    for (const QStringList& row : rows)
        bytes += line(row);
    return bytes;
}

std::optional<QString> CsvFile::save(const QString& path, const QByteArray& bytes) {
    return failureMessage(saveWhole(path, bytes));
}

} // namespace vistaro
