// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractItemModel>
#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <optional>

namespace vistaro {

// The lenses on show, in the order on show, with every column: UTF-8 with a byte-order mark
// (so that spreadsheets take it for UTF-8), comma separated, CR LF, numbers with a decimal
// point. A cell that a spreadsheet would take for a formula starts with an apostrophe.
QByteArray lensCsv(const QAbstractItemModel& shown);

class CsvFile {
    Q_DECLARE_TR_FUNCTIONS(vistaro::CsvFile)

public:
    // Writes `bytes` to `path` whole or not at all; the message for the user when it failed.
    static std::optional<QString> save(const QString& path, const QByteArray& bytes);
};

} // namespace vistaro
