#pragma once

#include <QString>

namespace vistaro {

// Paths assembled from catalogue fields use Windows backslashes; elsewhere than Windows each
// "\" becomes "/" so the file system can find them.
QString toNativeSeparators(QString path);

} // namespace vistaro
