// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/units.h"

#include <QCoreApplication>

namespace vistaro {

QString lengthUnit(Units units) {
    return units == Units::Imperial ? QCoreApplication::translate("CoverageText", "ft")
                                    : QCoreApplication::translate("CoverageText", "m");
}

QString areaUnit(Units units) {
    return units == Units::Imperial ? QCoreApplication::translate("CoverageText", "ft\u00b2")
                                    : QCoreApplication::translate("CoverageText", "m\u00b2");
}

QString densityUnit(Units units) {
    return units == Units::Imperial ? QCoreApplication::translate("CoverageText", "px/ft")
                                    : QCoreApplication::translate("CoverageText", "px/m");
}

QString withUnit(const QString& caption, const QString& unit) {
    return QCoreApplication::translate("CoverageText", "%1 (%2)").arg(caption, unit);
}

} // namespace vistaro
