// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/calcrow.h"
#include "catalogue/lensrecord.h"

#include <QString>
#include <cstdint>

namespace vistaro {

// The program-wide variables. Four of them are the settings (lines 1 to 4 of the settings file
// are DecimalSeparator, OtherSeparator, LanguageFile and the main window's Drive).
struct ProgramState {
    Catalogue LensCatalogue;
    QString LensTypeCode;    // "FF", "HSP", "VAR" or "ZOOM"
    QString IrisCode;        // "MI", "DD", "VD" or "M"
    QString TargetFocalWide; // mm, the wanted focal length (for a zoom, its short end)
    QString TargetFocalTele; // mm, for a zoom the long end of the wanted range
    QString DecimalSeparator;
    QString OtherSeparator; // deleted from typed numbers as a digit-group mark
    QString LanguageFile;
};

// The main window's public variables, readable and writable by the other windows.
struct MainPublic {
    std::int16_t Min = 0; // first index a search scans; lower stop of browsing backwards
    std::int16_t Max = 0; // a search stops before it; browsing forwards reaches it
    QString Drive;        // root of the CD drive that holds the datasheets
    // Texts of language-file lines 1 to 8.
    QString Sep;
    QString ValNum;
    QString IRISCont;
    QString At;
    QString InquadraMin;
    QString InquadraMax;
    QString Inquadra;
    QString MinimoFuoco;
    QString PDFattuale; // catalogue index of the lens on show, as decimal text
};

// The main window's private variables.
struct MainPrivate {
    double SensorHeight = 0;
    BlockBounds Blocks;
    CalcRow Row1; // ValFocale1, ValL1, ValH1, ValV1 and their driver
    CalcRow Row2; // the same for the second (TELE) row
};

// The answer to the decimal-separator question: Yes declares the comma, No the point, and the
// other one becomes the digit-group mark.
inline void declareDecimalSeparator(ProgramState& program, bool comma) {
    program.DecimalSeparator = comma ? QStringLiteral(",") : QStringLiteral(".");
    program.OtherSeparator = comma ? QStringLiteral(".") : QStringLiteral(",");
}

// Start-up defaults that are not read from anywhere.
constexpr double DefaultSensorHeight = 3.6;
inline const QString DefaultIrisCode = QStringLiteral("DD");
inline const QString DefaultLensTypeCode = QStringLiteral("FF");

} // namespace vistaro
