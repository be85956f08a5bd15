// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace vistaro {

// Files made on Windows are in its 8-bit code page; ours are UTF-8. Bytes that are valid UTF-8
// are read as such (a byte-order mark is dropped), anything else as Windows-1252.
QString decode8Bit(const QByteArray& bytes);

// Text the program writes: the system's 8-bit code page on Windows, as other programs there
// expect; UTF-8 elsewhere.
QByteArray encode8Bit(const QString& text);

} // namespace vistaro
