#pragma once

#include <QStringList>

namespace vistaro {

// Folders where a data file given by bare name is looked up, in this order: the working
// directory, the installed data folder, the executable's folder (once an application object
// exists). Each folder appears once, as a clean absolute path.
QStringList dataFolders();

} // namespace vistaro
