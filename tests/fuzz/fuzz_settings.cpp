// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Any file: probe and load agree on line 1; what was loaded saves and loads back unchanged.
#include "app/settingsfile.h"
#include "fuzzinput.h"

using namespace vistaro;

void vistaro::fuzz::check(const QByteArray&, const QString& path) {
    const QString probe = probeSettings(path);
    Settings loaded{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                    QStringLiteral("D:\\")};
    loadSettings(path, loaded);
    require(probe.isEmpty() || loaded.DecimalSeparator == probe);
    // Reading drops a leading byte-order mark, which the program never writes.
    if (loaded.DecimalSeparator.startsWith(QChar(0xFEFF)))
        return;
    const QString copy = path + QStringLiteral(".copy");
    require(!saveSettings(copy, loaded));
    Settings reloaded;
    loadSettings(copy, reloaded);
    require(reloaded == loaded);
}
