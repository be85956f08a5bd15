// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "site/sitefile.h"

#include <QString>
#include <optional>

namespace vistaro {

// Reads and writes site files. The site plan knows files only through this interface, so tests
// can keep them in memory.
class SiteFiles {
public:
    virtual ~SiteFiles() = default;

    // The site, or a message that names the file and what is wrong with it.
    virtual SiteRead read(const QString& path) const = 0;
    // Writes the whole file or nothing; none when it is written, else a message naming it.
    virtual std::optional<QString> write(const QString& path, const Site& site) const = 0;

protected:
    SiteFiles() = default;
    SiteFiles(const SiteFiles&) = default;
    SiteFiles& operator=(const SiteFiles&) = default;
};

// The site files on disk, in the `.vistaro` format.
class DiskSiteFiles : public SiteFiles {
public:
    SiteRead read(const QString& path) const override { return SiteFile::read(path); }
    std::optional<QString> write(const QString& path, const Site& site) const override {
        return SiteFile::save(path, site);
    }
};

} // namespace vistaro
