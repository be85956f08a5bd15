#include "platform/settingspath.h"

#include <QStandardPaths>

namespace vistaro {

QString settingsFilePath() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\lens.ini");
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/vistaro/lens.ini");
#endif
}

} // namespace vistaro
