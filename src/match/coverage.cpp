#include "match/coverage.h"

namespace vistaro {

bool coversSensor(const QString& name, SensorFormat selected) {
    if (name.isEmpty())
        return false;
    // SensorFormat runs from the largest format to the smallest, so "covers" is "not larger".
    switch (name.front().unicode()) {
    case u'V':
        return true;
    case u'M':
        return selected >= SensorFormat::TwoThirds;
    case u'H':
        return selected >= SensorFormat::Half;
    case u'T':
        return selected >= SensorFormat::Third;
    default:
        return false;
    }
}

} // namespace vistaro
