// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QSet>
#include <QString>

namespace vistaro {

// Whether files are there, each folder read once: a catalogue names thousands of datasheets
// in a handful of folders, and one listing costs far less than asking for every file.
class DatasheetFolders {
public:
    bool exists(const QString& path);

private:
    QHash<QString, QSet<QString>> m_listings;
};

} // namespace vistaro
