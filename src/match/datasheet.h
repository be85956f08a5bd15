// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/lensrecord.h"
#include "state/sharedstate.h"

#include <QString>
#include <optional>

namespace vistaro {

inline const QString NoDatasheetMessage = QStringLiteral("      No .pdf file!");
inline const QString InsertCdMessage = QStringLiteral("Please, insert CD!");

// Drive + "Pdf\Obiettivi\" + PdfFolder + Name + ".pdf", concatenated as the catalogue's
// Windows paths are written, then with the platform's separators.
QString datasheetPath(const QString& drive, const LensRecord& lens);

// The datasheet path of `lens`, or none when its PdfFolder is "XX" (the lens has no datasheet).
std::optional<QString> datasheetOf(const QString& drive, const LensRecord& lens);

// The catalogue entry whose index PDFattuale holds, or none when it holds no index of the
// catalogue.
const LensRecord* entryOnShow(const Catalogue& catalogue, const QString& pdfAttuale);

struct DatasheetCheck {
    enum class Outcome {
        NoDatasheet, // PdfFolder "XX", or no entry on show: NoDatasheetMessage
        InsertCd,    // the file cannot be read or its first line is empty: InsertCdMessage
        Open         // the file at `path` may be shown
    };
    Outcome outcome = Outcome::NoDatasheet;
    QString path; // empty for NoDatasheet
};

// The datasheet button's test of the entry whose index PDFattuale holds, on the drive Drive.
DatasheetCheck checkDatasheet(const Catalogue& catalogue, const MainPublic& main);

// The same test of one lens on the drive `drive`.
DatasheetCheck checkDatasheetOf(const LensRecord& lens, const QString& drive);

// Whether the catalogue names a datasheet for the lens (its PdfFolder is not "XX").
bool namesDatasheet(const LensRecord& lens);

} // namespace vistaro
