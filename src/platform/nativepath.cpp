#include "platform/nativepath.h"

namespace vistaro {

QString toNativeSeparators(QString path) {
#ifdef Q_OS_WIN
    return path;
#else
    return path.replace(u'\\', u'/');
#endif
}

} // namespace vistaro
