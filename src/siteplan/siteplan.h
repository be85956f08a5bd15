// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/calculatorreading.h"
#include "site/sitecoverage.h"
#include "site/sitedocument.h"
#include "site/sitefiles.h"
#include "site/sitegeometry.h"
#include "siteplan/planitems.h"
#include "siteplan/planview.h"
#include "siteplan/siteplanhost.h"
#include "siteplan/siterecovery.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QDockWidget;
class QLabel;
class QMenu;
class QTableView;
class QToolBar;
class QUndoStack;

namespace vistaro {

class AreaTableModel;
class CameraPanel;
class CameraTableModel;
class CoverageSettings;
class PlanImport;
class Preview;
class SiteExports;
class SiteTableModel;

// Many cameras on one floor plan: the plan with its background, cameras, walls and areas, a
// panel for the selected camera and a table each of the cameras and the areas. Modeless. The
// main window pushes the calculator to it; the coverage inputs are the ones it shares. Every
// edit goes through the undo stack, and unsaved changes are asked about before they are lost.
//
// Two things come from outside, so that they can change without the window: the geometry of
// what each camera covers (SiteGeometry, given when made) and the reading and writing of site
// files (SiteFiles: the disk unless setSiteFiles gives others).
class SitePlan : public QMainWindow, private PlanEdits {
    Q_OBJECT

public:
    SitePlan(SitePlanHost& host, CoverageSettings& settings, std::unique_ptr<SiteGeometry> geometry,
             QWidget* parent = nullptr);
    ~SitePlan() override;

    void setSiteFiles(std::unique_ptr<SiteFiles> files);

    // What the main window holds now, which the next camera added takes. Cheap: nothing else
    // follows it.
    void follow(const CalculatorReading& reading, const std::optional<QString>& lensOnShow);

    // Each asks about unsaved changes first; false when the user cancels or the file cannot be
    // read or written (a message says why).
    bool newSite();
    bool openFile(const QString& path);
    bool save();
    bool saveAs();

    // The file on show, empty while the site has none.
    const QString& fileName() const { return m_file; }
    const SiteDocument& document() const { return m_document; }
    const SiteCoverage& coverage() const { return *m_coverage; }
    QUndoStack& undoStack() const { return *m_undo; }
    PlanView& planView() const { return *m_view; }
    // Reads the floor plans and asks what they leave open; its questions can be replaced.
    PlanImport& planImport() const { return *m_plans; }
    SiteExports& exports() const { return *m_exports; }

    // Asks for a file as QFileDialog::getOpenFileName and getSaveFileName do; empty when
    // cancelled.
    using FilePicker = std::function<QString(QWidget* parent, const QString& caption,
                                             const QString& folder, const QString& filter)>;
    void setOpenPicker(FilePicker picker) { m_openPicker = std::move(picker); }
    void setSavePicker(FilePicker picker) { m_savePicker = std::move(picker); }
    // Asks for the distance between the two points of the background's scale, in the units on
    // show; none when cancelled.
    using DistanceAsker = std::function<std::optional<double>(QWidget* parent, double shown)>;
    void setDistanceAsker(DistanceAsker asker) { m_distanceAsker = std::move(asker); }

    // Unsaved changes that a run left behind when it did not end normally: asks whether to
    // restore them and shows them, unsaved, if so; true then. Otherwise they are dropped.
    bool offerRecovery();
    SiteRecovery& recovery() const { return *m_recovery; }
    // Asks whether to restore; true for Restore, false for Discard.
    using RestoreAsker = std::function<bool(QWidget* parent, const QString& text)>;
    void setRestoreAsker(RestoreAsker asker) { m_restoreAsker = std::move(asker); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // PlanEdits
    int startGesture() override;
    void changeItem(const ItemRef& ref, const SiteItem& after, int gesture) override;
    void changeBackground(const SiteBackground& after, int gesture) override;

    void buildTables();
    void buildActions();
    void buildMenus();
    // The View menu's band actions follow the site's level set.
    void fillBandActions();
    void showCoverageLayers();
    // The tool bar's choice of the site's level set: the sets the coverage window offers, and
    // the site's own when it is none of them.
    void buildLevelSetChoice();
    void showLevelSetChoice();
    void chooseLevelSet(int index);
    void connectActions();
    void retranslate();
    void retranslateActions();
    void showUndoSteps();
    void showTitle();
    void showCursor(const std::optional<PlanPoint>& point);
    void showModeHint(PlanView::Mode mode);

    // Selection, kept the same on the plan and in the tables.
    void planSelectionChanged();
    void tableSelectionChanged(QTableView* table);
    void selectInTables(const std::vector<ItemRef>& refs);
    void showSelectedCamera();
    std::optional<ItemRef> selectedCamera() const;
    // The preview of what the selected camera shows: opened, or brought up to the camera when
    // open.
    void openPreview();
    void followInPreview();

    void addCamera();
    void addDrawn(PlanView::Mode mode, const std::vector<PlanPoint>& points);
    void insertItems(std::vector<std::pair<ItemRef, SiteItem>> items, const QString& text);
    void deleteSelection();
    void duplicateSelection();
    void nudge(double dx, double dy);

    void rememberGeometry() const;
    // File dialogs and the scale's question as Qt's standard dialogs ask them.
    void useStandardDialogs();

    // Files.
    bool askToSave();
    void pickAndOpen();
    // A new site, in the units the coverage window shows.
    Site emptySite() const;
    // Reads `path` and shows it, without asking about unsaved changes.
    bool load(const QString& path);
    // Replaces the site on show, with its file, as saved.
    void showSite(const Site& site, const QString& file);
    bool writeTo(const QString& path);
    void rememberRecent(const QString& path);
    void showRecentFiles();
    void buildRecovery();

    // The background.
    void loadBackground();
    void setScale(const std::vector<PlanPoint>& points);
    void showBackgroundPicture();
    void showBackgroundActions();
    void changeBackgroundBy(const std::function<void(SiteBackground&)>& apply, const QString& text);
    void editDxfLayers();

    SitePlanHost& m_host;
    CoverageSettings& m_settings;
    std::unique_ptr<SiteGeometry> m_geometry;
    std::unique_ptr<SiteFiles> m_files;
    SiteDocument m_document;
    SiteCoverage* m_coverage = nullptr;
    QUndoStack* m_undo = nullptr;
    PlanView* m_view = nullptr;
    CameraTableModel* m_cameraModel = nullptr;
    AreaTableModel* m_areaModel = nullptr;
    QTableView* m_cameraTable = nullptr;
    QTableView* m_areaTable = nullptr;
    CameraPanel* m_panel = nullptr;
    QDockWidget* m_panelDock = nullptr;
    QDockWidget* m_cameraDock = nullptr;
    QDockWidget* m_areaDock = nullptr;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_cursor = nullptr;
    QLabel* m_hint = nullptr;
    SiteExports* m_exports = nullptr;
    Preview* m_preview = nullptr;

    QMenu* m_fileMenu = nullptr;
    QMenu* m_recentMenu = nullptr;
    QMenu* m_editMenu = nullptr;
    QMenu* m_insertMenu = nullptr;
    QMenu* m_viewMenu = nullptr;
    QAction* m_new = nullptr;
    QAction* m_open = nullptr;
    QAction* m_save = nullptr;
    QAction* m_saveAs = nullptr;
    QAction* m_close = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    QAction* m_delete = nullptr;
    QAction* m_duplicate = nullptr;
    QAction* m_addCamera = nullptr;
    QAction* m_addWall = nullptr;
    QAction* m_addArea = nullptr;
    QAction* m_loadBackground = nullptr;
    QAction* m_setScale = nullptr;
    QAction* m_zoomToFit = nullptr;
    QAction* m_zoomIn = nullptr;
    QAction* m_zoomOut = nullptr;
    QAction* m_showBackground = nullptr;
    QAction* m_dimBackground = nullptr;
    QAction* m_lockBackground = nullptr;
    QAction* m_dxfLayers = nullptr;
    QAction* m_showDeadZones = nullptr;
    QAction* m_bandsEnd = nullptr; // the band actions stand before it
    QString m_bandsSet;            // the key of the set they are for
    QComboBox* m_levelSetBox = nullptr;
    std::vector<LevelSet> m_levelSets; // what m_levelSetBox offers
    std::vector<QAction*> m_showBands; // one a level of the site's set

    CalculatorReading m_reading;
    std::optional<QString> m_lens;
    QString m_file;
    PlanImport* m_plans = nullptr;
    std::optional<SiteBackground> m_pictureShown; // what the plan shows, as the background says
    int m_gestures = 0;
    bool m_syncing = false;
    FilePicker m_openPicker;
    FilePicker m_savePicker;
    DistanceAsker m_distanceAsker;
    RestoreAsker m_restoreAsker;
    // Ends before the undo stack, a child, whose clearing as it ends is no saving: a window that
    // goes without being closed leaves its copy, as a crash does.
    std::unique_ptr<SiteRecovery> m_recovery;
};

} // namespace vistaro
