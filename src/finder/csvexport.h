// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/csvfile.h"

#include <QAbstractItemModel>
#include <QByteArray>

namespace vistaro {

// The lenses on show, in the order on show, with every column, by the rules of CsvFile; the
// numbers as the table exports them, with a decimal point.
QByteArray lensCsv(const QAbstractItemModel& shown);

} // namespace vistaro
