// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/coverageinputs.h"

#include <QObject>
#include <memory>
#include <vector>

class QSettings;

namespace vistaro {

// The one owner of the coverage inputs while the program runs: read from the window settings
// when made, written back on every change, and shared by the windows that use them (the
// coverage window edits them, the lens finder's level verdicts follow them).
class CoverageSettings : public QObject {
    Q_OBJECT

public:
    explicit CoverageSettings(QObject* parent = nullptr);
    ~CoverageSettings() override;

    const CoverageInputs& inputs() const { return m_inputs; }
    // Takes `inputs`, saves them and says so, when they differ from the ones held.
    void set(const CoverageInputs& inputs);

    const std::vector<LevelSet>& userLevelSets() const { return m_userSets; }
    // The sets to choose from: the built-in ones, the plates by the inputs' rule, then the user's.
    std::vector<LevelSet> offeredLevelSets() const;
    // Keeps and saves the user's own sets. The inputs' set follows an edit of it; when it was
    // removed, EN 62676-4 takes its place.
    void setUserLevelSets(const std::vector<LevelSet>& sets);

signals:
    void changed();

private:
    std::unique_ptr<QSettings> m_file;
    CoverageInputs m_inputs;
    std::vector<LevelSet> m_userSets;
};

} // namespace vistaro
