// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/lensrecord.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace vistaro {

// Catalogue indices are 16-bit and two empty rows follow the file's lines, so this many lines
// fit; the rest of a longer file is not loaded.
constexpr std::int16_t MaxCatalogueLines = 32766;

// "Obbiettivi1.txt" when the declared decimal separator is exactly ",", else "Obbiettivi2.txt".
QString catalogueFileName(const QString& decimalSeparator);

// Loads `fileName` (a bare name) from the first of `folders` that has it. Replaces `catalogue`:
// N lines give N + 2 rows, the last two empty. Updates the bounds of the lens types the file
// holds and keeps the others. A file that is missing or unreadable loads as an empty one. The
// result is a message for the user to see once, or nothing when all went well.
std::optional<QString> CaricaDatiDa(const QString& fileName, const QStringList& folders,
                                    Catalogue& catalogue, BlockBounds& bounds);

} // namespace vistaro
