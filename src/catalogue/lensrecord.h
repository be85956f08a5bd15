// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <cstdint>

namespace vistaro {

// One lens of the catalogue. Every field stays text as read; the users convert at each use.
struct LensRecord {
    QString TypeCode;  // "FF", "HSP", "VAR" or "ZOOM"
    QString Name;      // first character: largest sensor format covered ("T", "H", "M", "V")
    QString Iris;      // "MI", "DD", "VD" or "M"
    QString FocalMin;  // mm; the short end for "VAR" and "ZOOM"
    QString FocalMax;  // mm; the long end for "VAR" and "ZOOM"
    QString FStop;     // shown as written
    QString Note;      // "no" for none
    QString MinFocus;  // metres; 0 for none
    QString PdfFolder; // between "Pdf\Obiettivi\" and the name; "XX" when there is no datasheet

    friend bool operator==(const LensRecord&, const LensRecord&) = default;
};

// Indexed from 0; indices are 16-bit like every catalogue index of the program.
using Catalogue = QList<LensRecord>;

// First and last catalogue index of each lens type's block of records.
struct BlockBounds {
    std::int16_t FirstHSP = 0;
    std::int16_t FirstVAR = 0;
    std::int16_t FirstZOOM = 0;
    std::int16_t FirstFF = 0;
    std::int16_t LastHSP = 0;
    std::int16_t LastVAR = 0;
    std::int16_t LastZOOM = 0;
    std::int16_t LastFF = 0;

    friend bool operator==(const BlockBounds&, const BlockBounds&) = default;
};

} // namespace vistaro
