// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "site/sitedocument.h"
#include "siteplan/planitems.h"

#include <QKeySequence>
#include <QObject>
#include <vector>

class QAction;
class QComboBox;
class QDockWidget;
class QMainWindow;
class QMenu;
class QToolBar;
class QUndoStack;

namespace vistaro {

class CoverageSettings;
class SiteExports;

// The site plan's actions, each named, its menus and its tool bar: made, put in place and
// retranslated together. What they do is the window's. The View menu's band actions follow
// the site's level set; the tool bar offers the level sets the coverage window does, and the
// site's own when it is none of them.
class SitePlanActions : public QObject {
    Q_OBJECT

public:
    SitePlanActions(QMainWindow& window, const SiteDocument& document, CoverageSettings& settings);

    // The menus and the tool bar, once the window has its docks and its exports.
    void buildMenus(const std::vector<QDockWidget*>& docks, SiteExports& exports);
    void retranslate();
    // The menu and the tooltip say what would be undone or redone.
    void showUndoSteps(const QUndoStack& undo);
    CoverageLayers coverageLayers() const;
    // The selector lists the site's storeys, `onShow` chosen; the steps up and down go where
    // there is a storey to go to.
    void showStoreys(int onShow);

    QAction* newSite;
    QAction* open;
    QAction* save;
    QAction* saveAs;
    QAction* editProperties;
    QAction* editStoreys;
    QAction* close;
    QAction* undo;
    QAction* redo;
    QAction* deleteSelection;
    QAction* duplicate;
    QAction* cut;
    QAction* copy;
    QAction* paste;
    QAction* selectAll;
    QAction* copyToStorey;
    QAction* addCamera;
    QAction* addWall;
    QAction* addArea;
    QAction* addObstacle;
    QAction* addBoundary;
    QAction* loadBackground;
    QAction* setScale;
    QAction* zoomToFit;
    QAction* zoomIn;
    QAction* zoomOut;
    QAction* showBackground;
    QAction* dimBackground;
    QAction* lockBackground;
    QAction* dxfLayers;
    QAction* showDeadZones;
    QAction* snap;
    QAction* measure;
    QAction* storeyUp;
    QAction* storeyDown;
    QAction* viewFromCamera;
    QMenu* recentFiles = nullptr;
    QComboBox* planShows = nullptr; // what the plan paints of the coverage, as PlanShows counts
    QComboBox* storeySelector = nullptr; // the storey on show, in the order of the site's

signals:
    void coverageLayersChanged();
    void levelSetChosen(const vistaro::LevelSet& levels);

private:
    QAction* action(const char* name, const QKeySequence& shortcut = {}, bool checkable = false);
    void fillBandActions();
    void buildLevelSetChoice();
    void buildPlanShowsChoice();
    void showLevelSetChoice();

    QMainWindow& m_window;
    const SiteDocument& m_document;
    CoverageSettings& m_settings;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_editMenu = nullptr;
    QMenu* m_insertMenu = nullptr;
    QMenu* m_viewMenu = nullptr;
    QToolBar* m_toolBar = nullptr;
    QAction* m_bandsEnd = nullptr;     // the band actions stand before it
    QString m_bandsSet;                // the key of the set they are for
    std::vector<QAction*> m_showBands; // one a level of the site's set
    QComboBox* m_levelSetBox = nullptr;
    std::vector<LevelSet> m_levelSets; // what m_levelSetBox offers
};

} // namespace vistaro
