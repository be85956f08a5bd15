// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "match/datasheetopener.h"

#include "match/pdfviewer.h"
#include "platform/messagebox.h"

namespace vistaro {

void openDatasheet(QWidget* parent, const DatasheetCheck& check) {
    switch (check.outcome) {
    case DatasheetCheck::Outcome::NoDatasheet:
        showMessage(parent, NoDatasheetMessage);
        break;
    case DatasheetCheck::Outcome::InsertCd:
        showMessage(parent, InsertCdMessage);
        break;
    case DatasheetCheck::Outcome::Open:
        (new PdfViewer(check.path, parent))->show();
        break;
    }
}

} // namespace vistaro
