// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace vistaro {

// Paths assembled from catalogue fields use Windows backslashes; elsewhere than Windows each
// "\" becomes "/" so the file system can find them.
QString toNativeSeparators(QString path);

// Whether two paths name the same folder, with the file system's case rule.
bool sameFolder(const QString& a, const QString& b);

} // namespace vistaro
