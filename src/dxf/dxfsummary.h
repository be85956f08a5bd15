// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dxf/dxfdrawing.h"

#include <QCoreApplication>
#include <QString>
#include <vector>

namespace vistaro {

// What a drawing holds that the plan does not draw, said in a sentence once it is read.
class DxfSummary {
    Q_DECLARE_TR_FUNCTIONS(DxfSummary)

public:
    // "12 images not drawn, 3 ACAD_XYZ entities not drawn": each kind by its name when it is a
    // common one, else by its DXF name; empty when every entity is drawn.
    static QString notDrawn(const std::vector<DxfNotDrawn>& kinds);
};

} // namespace vistaro
