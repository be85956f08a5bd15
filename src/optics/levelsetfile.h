// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/levels.h"
#include "platform/readproblem.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QString>
#include <optional>
#include <vector>

class QSettings;

namespace vistaro {

// A level set file, ".json": {"format": "vistaro-levels", "version": 1, "name": ..., "unit":
// "px/m" or "px/ft", "levels": [{"key": ..., "name": ..., "density": ...}, ...]}, densities in
// the unit named. A site file keeps its set in the same object, or a built-in one by its key.
inline constexpr qint64 MaxLevelSetFileBytes = 64 * 1024;
inline constexpr qsizetype MaxLevelsInSet = 20;
inline constexpr qsizetype MaxLevelNameLength = 100;
inline constexpr double MaxLevelDensity = 100'000; // px/m: a thousandth of a millimetre a pixel

// A level set as read: the set, or why it is refused.
struct LevelSetRead {
    std::optional<LevelSet> set;
    ReadProblem problem; // at "levels[2].density": "not a positive number"; empty when read
};

// The set as a JSON object: a built-in one by its key (and the plate rule of the plates), one of
// the user's own whole.
QJsonObject levelSetObject(const LevelSet& set);
// The object levelSetObject writes; a built-in key names that set.
LevelSetRead levelSetOf(const QJsonObject& object);

// The user's own sets, kept in the window settings file; a set that cannot be read is left out.
std::vector<LevelSet> loadUserLevelSets(QSettings& settings);
void saveUserLevelSets(QSettings& settings, const std::vector<LevelSet>& sets);

class LevelSetFile {
    Q_DECLARE_TR_FUNCTIONS(vistaro::LevelSetFile)

public:
    // A set of the user's own from the file at `path`, read no further than the size limit. The
    // message names the file and the fault.
    static LevelSetRead read(const QString& path);
    // Writes the set whole or not at all; the message names the file.
    static std::optional<QString> save(const QString& path, const LevelSet& set);
};

} // namespace vistaro
