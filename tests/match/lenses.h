#pragma once

#include "calc/sensorformat.h"
#include "catalogue/lensrecord.h"

#include <QLocale>
#include <QMetaType>
#include <QStringList>

namespace vistaro::test {

// A catalogue written compactly, one entry per text: "TypeCode|Name|Iris|FocalMin|FocalMax",
// missing fields empty.
inline Catalogue catalogueOf(const QStringList& rows) {
    Catalogue catalogue;
    for (const QString& row : rows) {
        const QStringList fields = row.split(u'|');
        const auto field = [&](int i) { return i < fields.size() ? fields[i] : QString(); };
        LensRecord lens;
        lens.TypeCode = field(0);
        lens.Name = field(1);
        lens.Iris = field(2);
        lens.FocalMin = field(3);
        lens.FocalMax = field(4);
        catalogue.append(lens);
    }
    return catalogue;
}

// Numbers in the tables are written with a decimal point.
inline void usePointLocale() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

} // namespace vistaro::test

Q_DECLARE_METATYPE(vistaro::SensorFormat)
