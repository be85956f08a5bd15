// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace vistaro {

// Folders where a data file given by bare name is looked up, in this order: the working
// directory; "../share/vistaro" from the executable's folder, so that a moved install tree or an
// unpacked package finds its own data before an older install at the configured place; the
// configured data folder; the executable's folder, where the data lies on Windows. The two
// beside the executable need an application object. Each folder appears once, as a clean
// absolute path.
QStringList dataFolders();

} // namespace vistaro
