// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "match/datasheet.h"

class QWidget;

namespace vistaro {

// What the datasheet button does with the outcome of its test: the no-datasheet or the
// insert-CD message, or a viewer of the file, owned by `parent`.
void openDatasheet(QWidget* parent, const DatasheetCheck& check);

} // namespace vistaro
