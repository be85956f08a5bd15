// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/reportdocument.h"

namespace vistaro::test {

// Values of the first row `label`, under heading `heading` if "heading/label"; "absent" if none.
inline QStringList valuesOf(const ReportDocument& document, const QString& label) {
    const QString heading = label.section(u'/', 0, -2);
    for (const ReportSection& section : document.sections)
        for (const ReportRow& row : section.rows)
            if (row.label == label.section(u'/', -1) &&
                (heading.isEmpty() || heading == section.heading))
                return row.values;
    return {QStringLiteral("absent")};
}

} // namespace vistaro::test
