// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace vistaro {

// The rules of every CSV file the program writes: UTF-8 with a byte-order mark (so that
// spreadsheets take it for UTF-8), comma separated, CR LF; numbers are given with a decimal
// point by the caller. A cell that a spreadsheet would take for a formula starts with an
// apostrophe.
class CsvFile {
public:
    // The byte-order mark that opens the file.
    static QByteArray start();
    // One line of cells, quoted where they need it and guarded against formulas.
    static QByteArray line(const QStringList& cells);
    // A whole file: the mark, the header and the rows.
    static QByteArray table(const QStringList& header, const QList<QStringList>& rows);

    // Writes `bytes` to `path` whole or not at all; the message for the user when it failed.
    static std::optional<QString> save(const QString& path, const QByteArray& bytes);
};

} // namespace vistaro
