// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace vistaro {

// Lines end with CR LF, LF alone or CR alone; a line is everything before its end. A last line
// without an end still counts; an end at the very end of the text starts no further line.
QStringList splitLines(const QString& text);

// The lines of a whole text file, decoded with decode8Bit. With `maxBytes`, a file larger than
// that gives no lines, and no more than one byte past it is ever read. No value when the file
// cannot be opened or read or is too large; `error` then receives the reason when given.
std::optional<QStringList> readTextLines(const QString& path, QString* error = nullptr,
                                         std::optional<qint64> maxBytes = std::nullopt);

} // namespace vistaro
