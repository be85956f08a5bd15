// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "site/site.h"

#include <QString>
#include <optional>

namespace vistaro {

// A site file as read: the site, or what is wrong with the file.
struct SiteRead {
    std::optional<Site> site;
    QString problem; // one sentence, without the file's name
};

// Reads and writes site files. The site plan knows files only through this interface; the
// program hands it the implementation.
class SiteFiles {
public:
    virtual ~SiteFiles() = default;

    virtual SiteRead read(const QString& path) const = 0;
    // Writes the whole file or nothing; empty when it is written, else what went wrong.
    virtual QString write(const QString& path, const Site& site) const = 0;

protected:
    SiteFiles() = default;
    SiteFiles(const SiteFiles&) = default;
    SiteFiles& operator=(const SiteFiles&) = default;
};

} // namespace vistaro
