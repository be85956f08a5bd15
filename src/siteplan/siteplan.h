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
#include <memory>
#include <optional>

class QCheckBox;
class QDockWidget;
class QLabel;
class QTableView;
class QUndoStack;

namespace vistaro {

class AreaPanel;
class AreaTableModel;
class ObstaclePanel;
class ObstacleTableModel;
class WallPanel;
class BackgroundController;
class CameraPanel;
class CameraTableModel;
class CameraViewWindow;
class CoverageSettings;
class HintLabel;
class DraftFields;
class PlanImport;
class PlanLegend;
class Preview;
class SiteExports;
class SiteFileController;
class SitePlanActions;
class SiteSelection;

// Many cameras on one floor plan: the plan with its background, cameras, walls and areas, a
// panel for the selected camera and a table each of the cameras and the areas. Modeless. The
// main window pushes the calculator to it; the coverage inputs are the ones it shares. Every
// edit goes through the undo stack, and unsaved changes are asked about before they are lost.
// Its file, its actions, its selection and its background are each a class of their own.
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
    const QString& fileName() const;
    const SiteDocument& document() const { return m_document; }
    const SiteCoverage& coverage() const { return *m_coverage; }
    QUndoStack& undoStack() const { return *m_undo; }
    PlanView& planView() const { return *m_view; }
    // Reads the floor plans and asks what they leave open; its questions can be replaced.
    PlanImport& planImport() const;
    SiteExports& exports() const { return *m_exports; }

    // Unsaved changes that a run left behind when it did not end normally: asks whether to
    // restore them and shows them, unsaved, if so; true then. Otherwise they are dropped.
    bool offerRecovery();
    SiteRecovery& recovery() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // PlanEdits
    int startGesture() override;
    void changeItem(const ItemRef& ref, const SiteItem& after, int gesture) override;
    void changeBackground(const SiteBackground& after, int gesture) override;
    void moveItems(const std::vector<ItemRef>& refs, double dx, double dy, int gesture) override;
    void changeBoundary(const std::vector<PlanPoint>& after, int gesture) override;

    void buildTables();
    // The tables list every storey's items, or with "This storey only" those of the storey on
    // show.
    void showTableRows();
    void connectActions();
    void retranslate();
    void showTitle();
    void showLegend();
    // The one item of `kind` selected, if only one item is.
    std::optional<ItemRef> selectedOne(ItemKind kind) const;
    // The one wall, area or obstacle selected, if only one item is, in its panel.
    void showPanels();
    void showCursor(const std::optional<PlanPoint>& point);
    void showToolHint();
    // The preview of what the selected camera shows: opened, or brought up to the camera when
    // open.
    void openPreview();
    void followInPreview();
    // The view through the selected camera: opened, or brought to the front when open.
    void openCameraView();
    void followInCameraView();

    void addCamera(const PlanPoint& at);
    void addWall(const std::vector<PlanPoint>& points);
    void addArea(const std::vector<PlanPoint>& points);
    void addObstacle(const std::vector<PlanPoint>& points);
    void insertItems(std::vector<std::pair<ItemRef, SiteItem>> items, const QString& text);
    void deleteSelection(const QString& text);
    void duplicateSelection();
    // `items` as new ones (dx, dy) metres away, each after the site's items of its kind, the
    // names that the site has taken numbered afresh.
    std::vector<std::pair<ItemRef, SiteItem>> copiesOf(const std::vector<SiteItem>& items,
                                                       double dx, double dy) const;
    void copySelection();
    // The selection, or every item of the storey on show when none is selected, copied to the
    // storeys the user picks, as one undo step.
    void copyToStoreys();
    void paste();
    void selectAll();
    void nudge(double dx, double dy);
    // Asks for the site's properties; a change is one undo step.
    void editProperties();
    // Asks for the storeys; a change is one undo step, and the storey on show stays on show.
    void editStoreys();
    void rememberGeometry() const;

    SitePlanHost& m_host;
    CoverageSettings& m_settings;
    std::unique_ptr<SiteGeometry> m_geometry;
    SiteDocument m_document;
    SiteCoverage* m_coverage = nullptr;
    QUndoStack* m_undo = nullptr;
    PlanView* m_view = nullptr;
    CameraTableModel* m_cameraModel = nullptr;
    AreaTableModel* m_areaModel = nullptr;
    QTableView* m_cameraTable = nullptr;
    QTableView* m_areaTable = nullptr;
    ObstacleTableModel* m_obstacleModel = nullptr;
    QTableView* m_obstacleTable = nullptr;
    QDockWidget* m_obstacleDock = nullptr;
    QCheckBox* m_thisStorey = nullptr;
    CameraPanel* m_panel = nullptr;
    QDockWidget* m_panelDock = nullptr;
    QDockWidget* m_cameraDock = nullptr;
    QDockWidget* m_areaDock = nullptr;
    AreaPanel* m_areaPanel = nullptr;
    QDockWidget* m_areaPanelDock = nullptr;
    ObstaclePanel* m_obstaclePanel = nullptr;
    QDockWidget* m_obstaclePanelDock = nullptr;
    WallPanel* m_wallPanel = nullptr;
    QDockWidget* m_wallPanelDock = nullptr;
    PlanLegend* m_legend = nullptr;
    QDockWidget* m_legendDock = nullptr;
    QLabel* m_cursor = nullptr;
    HintLabel* m_hint = nullptr;
    DraftFields* m_draftFields = nullptr;
    SiteExports* m_exports = nullptr;
    Preview* m_preview = nullptr;
    CameraViewWindow* m_cameraView = nullptr;
    SitePlanActions* m_actions = nullptr;
    // Goes first as the window ends, before the plan, the tables and the panel it keeps in step.
    std::unique_ptr<SiteSelection> m_selection;
    BackgroundController* m_background = nullptr;
    // Ends before the undo stack, a child, whose clearing as it ends is no saving: a window that
    // goes without being closed leaves its copy, as a crash does.
    std::unique_ptr<SiteFileController> m_files;

    CalculatorReading m_reading;
    std::optional<QString> m_lens;
    int m_gestures = 0;
    int m_pastes = 0; // of what the clipboard holds, each landing farther off
};

} // namespace vistaro
