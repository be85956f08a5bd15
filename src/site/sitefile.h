// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/readproblem.h"
#include "site/site.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <optional>

namespace vistaro {

// The site file, ".vistaro": JSON as docs/site-file.md lays it out.
inline constexpr int SiteFileVersion = 2; // the newest version this program reads and writes
// A site without heights or obstacles is written in the version before them, so that the
// programs that know only that one still open it.
inline constexpr int SiteFileVersionWithoutHeights = 1;

// What one site file may hold at most: far beyond any real site, yet a file at the limits still
// opens in a second or so. A larger one is refused before its elements are read.
inline constexpr qint64 MaxSiteFileBytes = 64 * 1024 * 1024;
inline constexpr qsizetype MaxSiteCameras = 10'000;
inline constexpr qsizetype MaxSiteAreas = 10'000;
inline constexpr qsizetype MaxWallPoints = 100'000; // all walls together
inline constexpr qsizetype MaxAreaPoints = 100'000; // all areas together
inline constexpr qsizetype MaxSiteObstacles = 20'000;
inline constexpr qsizetype MaxObstaclePoints = 200'000; // all obstacles together
inline constexpr double MaxSiteHeight = 1000;           // metres above the floor
inline constexpr qsizetype MaxSiteStoreys = 200;
inline constexpr double MaxPlanCoordinate = 1e7; // metres from the origin, and picture pixels
inline constexpr qsizetype MaxHiddenLayers = 10'000;
inline constexpr int MaxPdfPage = 100'000;
inline constexpr double MinPdfDpi = 10;
inline constexpr double MaxPdfDpi = 1200;

// The whole site as the file keeps it, indented, keys in alphabetical order. A camera aimed at a
// target height writes no tilt, so a camera read back has a tilt of 0 then.
QByteArray siteToJson(const Site& site);

// A site file's content as read: the site, or why it is refused.
struct SiteRead {
    std::optional<Site> site;
    // Where and what: at "cameras[3].focal" (lists count from 0), "not a positive number".
    // Empty when the site was read.
    ReadProblem problem;
};

// Reads the whole of a site file's content or nothing: the first fault refuses it. Keys that
// this version does not know are ignored, so a later version's additions do not stop it. The
// background's picture is not looked for: a missing picture is for the window to report.
SiteRead readSite(const QByteArray& json);

class SiteFile {
    Q_DECLARE_TR_FUNCTIONS(vistaro::SiteFile)

public:
    // Reads the site file at `path`; a file larger than MaxSiteFileBytes is refused without
    // being read whole. A refusal's message names the file and the fault.
    static SiteRead read(const QString& path);

    // Writes the site whole or not at all: a full disk or a folder that cannot be written leaves
    // an earlier file of that name as it was. The message names the file.
    static std::optional<QString> save(const QString& path, const Site& site);
};

// What a background file is, by its name's suffix (".dxf", ".pdf", any case); anything else is
// a picture.
BackgroundKind backgroundKind(const QString& file);

} // namespace vistaro
