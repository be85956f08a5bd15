// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "site/sitedocument.h"
#include "site/sitefiles.h"
#include "siteplan/siterecovery.h"

#include <QObject>
#include <functional>
#include <memory>

class QMainWindow;
class QMenu;
class QUndoStack;

namespace vistaro {

class CoverageSettings;
class PlanView;

// The site plan's file: new, opened, saved, the recent files, the question about unsaved
// changes and the copy of them that a crash leaves behind. Sites are read and written through
// SiteFiles, the disk's unless setSiteFiles gives others; the file dialogs and questions go
// through the Dialogs in use.
class SiteFileController : public QObject {
    Q_OBJECT

public:
    // Settles what a site's background leaves open as the site is read; false when the user
    // cancels.
    using SettleBackground = std::function<bool(SiteBackground& background)>;
    SiteFileController(QMainWindow& window, SiteDocument& document, QUndoStack& undo,
                       PlanView& view, const CoverageSettings& settings, QMenu& recentFiles,
                       SettleBackground settle);
    ~SiteFileController() override;

    // A new site, in the units and levels the coverage window shows.
    static Site emptySite(const CoverageSettings& settings);
    void setSiteFiles(std::unique_ptr<SiteFiles> files);

    // Each asks about unsaved changes first; false when the user cancels or the file cannot be
    // read or written (a message says why).
    bool newSite();
    bool openFile(const QString& path);
    void pickAndOpen();
    bool save();
    bool saveAs();
    // Asks about unsaved changes; false when the user cancels.
    bool askToSave();
    // The site as last saved on show again, or a new one: what was not saved is dropped.
    void dropUnsaved();
    // The file on show, empty while the site has none.
    const QString& fileName() const { return m_file; }

    // Unsaved changes that a run left behind when it did not end normally: asks whether to
    // restore them and shows them, unsaved, if so; true then. Otherwise they are dropped.
    bool offerRecovery();
    SiteRecovery& recovery() const { return *m_recovery; }

signals:
    // The file on show is another, or is named anew.
    void fileChanged();

private:
    // Reads `path` and shows it, without asking about unsaved changes.
    bool load(const QString& path);
    // Replaces the site on show, with its file, as saved.
    void showSite(const Site& site, const QString& file);
    bool writeTo(const QString& path);
    void rememberRecent(const QString& path);
    void showRecentFiles();

    QMainWindow& m_window;
    SiteDocument& m_document;
    QUndoStack& m_undo;
    PlanView& m_view;
    const CoverageSettings& m_settings;
    QMenu& m_recentFiles;
    SettleBackground m_settle;
    std::unique_ptr<SiteFiles> m_files;
    QString m_file;
    std::unique_ptr<SiteRecovery> m_recovery;
};

} // namespace vistaro
