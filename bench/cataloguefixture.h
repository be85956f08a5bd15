// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace vistaro::bench {

// Writes a catalogue of `lines` fixed-focal ("FF") lenses in the file format: nine tab-separated
// columns (TypeCode, Name, Iris, FocalMin, FocalMax, FStop, MinFocus, PdfFolder, Note), CR LF,
// numbers with a "." decimal point. Names, irises, focal lengths and notes cycle with different
// periods, so every sensor format, iris and focal length appears all through the file. Returns
// whether the whole file was written.
bool writeCatalogue(const QString& path, int lines);

} // namespace vistaro::bench
