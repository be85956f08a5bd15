// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "site/sitefile.h"

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace vistaro {

// A site with unsaved changes, and the site file it belongs to (empty when it has none).
struct UnsavedSite {
    Site site;
    QString file;
};

// What a run left behind when it did not end normally: the site as it was last written, or why
// it cannot be read, and the site file it belonged to.
struct LeftBehind {
    SiteRead read;
    QString file;
};

// Keeps a copy of the site's unsaved changes on disk while they last, so that a crash loses no
// more than the last few seconds. A change restarts a single wait; the copy is written when the
// wait ends, so a burst of edits is one write and an idle plan costs nothing. The copy goes as
// soon as nothing is unsaved.
//
// The copy is a site file ("recovery.vistaro", written whole or not at all) and a note beside
// it with the name of the site file it belongs to. A lock file beside them says which running
// program keeps them: a second program at the same time neither offers nor overwrites them,
// while a crashed one's lock is stale.
class SiteRecovery : public QObject {
    Q_OBJECT

public:
    // `unsaved` gives the site on show when the copy is written.
    explicit SiteRecovery(std::function<UnsavedSite()> unsaved, QObject* parent = nullptr);

    // The folder of the copy: the program's data folder unless set.
    static QString defaultFolder();
    void setFolder(const QString& folder) { m_folder = folder; }
    // How long the site must stay unchanged before it is written.
    void setInterval(std::chrono::milliseconds interval) { m_timer.setInterval(interval); }

    QString filePath() const;

    // The site changed and has unsaved changes: written once the interval passes without
    // another change.
    void changed();
    // Written now, without waiting.
    void writeNow();
    // Nothing is unsaved any more: the copy that this run wrote goes, and none is written.
    void clean();

    // Whether a copy that no running program keeps lies in `folder`, without reading it.
    static bool leftIn(const QString& folder);
    // That copy in the folder, if any.
    std::optional<LeftBehind> leftBehind() const;
    // Removes the copy in the folder, unless another running program keeps it.
    void discard();

signals:
    // The copy could not be written; the message names it. The next change tries again.
    void failed(const QString& problem);

private:
    QString notePath() const;

    std::function<UnsavedSite()> m_unsaved;
    QString m_folder;
    QTimer m_timer;
    std::unique_ptr<QLockFile> m_lock; // held while the copy in the folder is this run's
};

} // namespace vistaro
