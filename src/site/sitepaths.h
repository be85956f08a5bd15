// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace vistaro {

// The picture file a site's background names, as a path to open: a relative name is taken from
// the site file's folder (or the working folder while the site has no file).
QString picturePath(const QString& siteFile, const QString& named);

// The name a site file keeps for `picture`: relative to the file's folder when the picture lies
// there or below, else the full path.
QString pictureName(const QString& siteFile, const QString& picture);

// Where a file made from the site is first proposed: beside the site file and named as it, with
// `suffix`; `unnamed` in the documents folder while the site has no file.
QString exportPath(const QString& siteFile, const QString& unnamed, const QString& suffix);

// The most recent files first, `opened` on top, none twice, at most `keep`.
QStringList recentFiles(QStringList files, const QString& opened, int keep);

} // namespace vistaro
