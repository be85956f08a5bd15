// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/coverageformat.h"
#include "platform/forms.h"
#include "siteplan/areatablemodel.h"
#include "siteplan/camerapanel.h"
#include "siteplan/cameratablemodel.h"
#include "siteplan/siteexports.h"
#include "siteplan/siteplan.h"

#include <QAction>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>

namespace vistaro {

namespace {

constexpr double ZoomStep = 1.25;
constexpr double DimOpacity = 0.35;

} // namespace

void SitePlan::buildActions() {
    const auto action = [this](const char* name, const QKeySequence& shortcut = {},
                               bool checkable = false) {
        auto* made = named<QAction>(name, this);
        made->setShortcut(shortcut);
        made->setCheckable(checkable);
        addAction(made);
        return made;
    };
    m_new = action("SiteNew", QKeySequence::New);
    m_open = action("SiteOpen", QKeySequence::Open);
    m_save = action("SiteSave", QKeySequence::Save);
    m_saveAs = action("SiteSaveAs", QKeySequence::SaveAs);
    m_close = action("SitePlanClose", QKeySequence::Close);
    m_undoAction = action("Undo", QKeySequence::Undo);
    m_redoAction = action("Redo", QKeySequence::Redo);
    m_delete = action("DeleteSelection", QKeySequence::Delete);
    m_duplicate = action("Duplicate", QKeySequence(Qt::CTRL | Qt::Key_D));
    m_addCamera = action("AddCamera", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    m_addWall = action("AddWall", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W), true);
    m_addArea = action("AddArea", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A), true);
    m_loadBackground = action("LoadBackground");
    m_setScale = action("SetScale", {}, true);
    m_zoomToFit = action("ZoomToFit", QKeySequence(Qt::CTRL | Qt::Key_0));
    m_zoomIn = action("ZoomIn", QKeySequence::ZoomIn);
    m_zoomOut = action("ZoomOut", QKeySequence::ZoomOut);
    m_showBackground = action("ShowBackground", {}, true);
    m_dimBackground = action("DimBackground", {}, true);
    m_lockBackground = action("LockBackground", {}, true);
    m_dxfLayers = action("DxfLayers");
    m_showDeadZones = action("ShowDeadZones", {}, true);
    m_showDeadZones->setChecked(true);
    m_exports = new SiteExports(*this, m_document, *m_coverage, m_host, [this] { return m_file; });
}

void SitePlan::buildMenus() {
    m_fileMenu = menuBar()->addMenu(QString());
    m_fileMenu->addActions({m_new, m_open});
    m_recentMenu = m_fileMenu->addMenu(QString());
    m_recentMenu->setObjectName(QStringLiteral("RecentFiles"));
    m_fileMenu->addActions({m_save, m_saveAs});
    m_exports->addTo(*m_fileMenu);
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_close);

    m_editMenu = menuBar()->addMenu(QString());
    m_editMenu->addActions({m_undoAction, m_redoAction});
    m_editMenu->addSeparator();
    m_editMenu->addActions({m_delete, m_duplicate});

    m_insertMenu = menuBar()->addMenu(QString());
    m_insertMenu->addActions({m_addCamera, m_addWall, m_addArea});
    m_insertMenu->addSeparator();
    m_insertMenu->addActions({m_loadBackground, m_setScale, m_dxfLayers});

    m_viewMenu = menuBar()->addMenu(QString());
    m_viewMenu->addActions({m_zoomToFit, m_zoomIn, m_zoomOut});
    m_viewMenu->addSeparator();
    m_viewMenu->addActions({m_showBackground, m_dimBackground, m_lockBackground});
    m_viewMenu->addSeparator();
    m_viewMenu->addAction(m_showDeadZones);
    m_bandsEnd = m_viewMenu->addSeparator();
    fillBandActions();
    connect(&m_document, &SiteDocument::siteReset, this, [this] {
        if (int(m_showBands.size()) != int(m_document.site().levelSet.size()) ||
            m_bandsSet != m_document.site().levelSet.key)
            fillBandActions();
    });
    for (QDockWidget* dock : {m_panelDock, m_cameraDock, m_areaDock})
        m_viewMenu->addAction(dock->toggleViewAction());

    m_toolBar = addToolBar(QString());
    m_toolBar->setObjectName(QStringLiteral("SitePlanToolBar"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_toolBar->addActions({m_new, m_open, m_save});
    m_toolBar->addSeparator();
    m_toolBar->addActions({m_undoAction, m_redoAction, m_delete, m_duplicate});
    m_toolBar->addSeparator();
    m_toolBar->addActions({m_addCamera, m_addWall, m_addArea, m_loadBackground, m_setScale});
    m_toolBar->addSeparator();
    m_toolBar->addActions({m_zoomToFit, m_zoomIn, m_zoomOut});
    m_toolBar->addSeparator();
    buildLevelSetChoice();
}

void SitePlan::connectActions() {
    connect(m_undoAction, &QAction::triggered, m_undo, &QUndoStack::undo);
    connect(m_redoAction, &QAction::triggered, m_undo, &QUndoStack::redo);
    // The menu says what would be undone or redone.
    connect(m_undo, &QUndoStack::indexChanged, this, &SitePlan::showUndoSteps);
    connect(m_new, &QAction::triggered, this, &SitePlan::newSite);
    connect(m_open, &QAction::triggered, this, &SitePlan::pickAndOpen);
    connect(m_save, &QAction::triggered, this, &SitePlan::save);
    connect(m_saveAs, &QAction::triggered, this, &SitePlan::saveAs);
    connect(m_close, &QAction::triggered, this, &QWidget::close);
    connect(m_delete, &QAction::triggered, this, &SitePlan::deleteSelection);
    connect(m_duplicate, &QAction::triggered, this, &SitePlan::duplicateSelection);
    connect(m_addCamera, &QAction::triggered, this, &SitePlan::addCamera);
    const auto drawing = [this](QAction* action, PlanView::Mode mode) {
        connect(action, &QAction::triggered, this, [this, mode](bool checked) {
            m_view->setMode(checked ? mode : PlanView::Mode::Select);
            m_view->setFocus();
        });
    };
    drawing(m_addWall, PlanView::Mode::DrawWall);
    drawing(m_addArea, PlanView::Mode::DrawArea);
    drawing(m_setScale, PlanView::Mode::PickScale);
    connect(m_loadBackground, &QAction::triggered, this, &SitePlan::loadBackground);
    connect(m_dxfLayers, &QAction::triggered, this, &SitePlan::editDxfLayers);
    connect(m_zoomToFit, &QAction::triggered, m_view, &PlanView::zoomToFit);
    connect(m_zoomIn, &QAction::triggered, this, [this] { m_view->zoomBy(ZoomStep); });
    connect(m_zoomOut, &QAction::triggered, this, [this] { m_view->zoomBy(1 / ZoomStep); });
    connect(m_showBackground, &QAction::triggered, this, [this](bool checked) {
        changeBackgroundBy([checked](SiteBackground& b) { b.visible = checked; },
                           checked ? tr("Show background") : tr("Hide background"));
    });
    connect(m_dimBackground, &QAction::triggered, this, [this](bool checked) {
        changeBackgroundBy([checked](SiteBackground& b) { b.opacity = checked ? DimOpacity : 1; },
                           checked ? tr("Dim background") : tr("Brighten background"));
    });
    connect(m_lockBackground, &QAction::triggered, this, [this](bool checked) {
        changeBackgroundBy([checked](SiteBackground& b) { b.locked = checked; },
                           checked ? tr("Lock background") : tr("Unlock background"));
    });
    connect(m_showDeadZones, &QAction::toggled, this, &SitePlan::showCoverageLayers);
}

// One action a level of the site's set, named by the level's key ("ShowIdentification").
void SitePlan::fillBandActions() {
    for (QAction* band : m_showBands)
        delete band;
    m_showBands.clear();
    const LevelSet& levels = m_document.site().levelSet;
    m_bandsSet = levels.key;
    for (Level level = 0; level < levels.size(); ++level) {
        const QString& key = levels.levels[level].key;
        auto* band = new QAction(this);
        band->setObjectName(QStringLiteral("Show") + key.left(1).toUpper() + key.mid(1));
        band->setCheckable(true);
        band->setChecked(true);
        band->setText(tr("Show %1 band").arg(CoverageText::levelName(levels, level)));
        connect(band, &QAction::toggled, this, &SitePlan::showCoverageLayers);
        m_viewMenu->insertAction(m_bandsEnd, band);
        m_showBands.push_back(band);
    }
    showCoverageLayers();
}

void SitePlan::showCoverageLayers() {
    CoverageLayers shown;
    shown.deadZones = m_showDeadZones->isChecked();
    for (QAction* band : m_showBands)
        shown.bands.push_back(band->isChecked());
    m_view->setCoverageLayers(shown);
}

void SitePlan::showUndoSteps() {
    // The menu and the tooltip say what would be undone or redone; the tool bar's caption stays
    // as it is, so that no button moves under the pointer between two clicks.
    const auto show = [](QAction* action, bool can, const QString& plain, const QString& step) {
        action->setEnabled(can);
        action->setText(can ? step : plain);
        action->setIconText(QString(plain).remove(u'&'));
        action->setToolTip(QString(action->text()).remove(u'&'));
    };
    show(m_undoAction, m_undo->canUndo(), tr("&Undo"), tr("&Undo %1").arg(m_undo->undoText()));
    show(m_redoAction, m_undo->canRedo(), tr("&Redo"), tr("&Redo %1").arg(m_undo->redoText()));
}

void SitePlan::retranslate() {
    retranslateActions();
    m_exports->retranslate();
    showTitle();
    m_fileMenu->setTitle(tr("&File"));
    m_recentMenu->setTitle(tr("Open &recent"));
    m_editMenu->setTitle(tr("&Edit"));
    m_insertMenu->setTitle(tr("&Insert"));
    m_viewMenu->setTitle(tr("&View"));
    m_toolBar->setWindowTitle(tr("Site plan tools"));
    // The button that shows the tools a narrow window has no room for is Qt's, and unnamed.
    if (auto* more = m_toolBar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(tr("More tools"));
    m_panelDock->setWindowTitle(tr("Camera"));
    m_cameraDock->setWindowTitle(tr("Cameras"));
    m_areaDock->setWindowTitle(tr("Areas"));
    m_cameraTable->setAccessibleName(tr("Cameras"));
    m_areaTable->setAccessibleName(tr("Areas"));
    m_view->setAccessibleName(tr("Plan"));
    m_view->describeKeys();
    m_addCamera->setStatusTip(PlanView::keysHelp());
    m_cameraModel->retranslate();
    m_areaModel->retranslate();
    m_panel->retranslate();
    showModeHint(m_view->mode());
}

void SitePlan::retranslateActions() {
    m_new->setText(tr("&New site"));
    m_open->setText(tr("&Open..."));
    m_save->setText(tr("&Save"));
    m_saveAs->setText(tr("Save &as..."));
    m_close->setText(tr("&Close"));
    showUndoSteps();
    m_delete->setText(tr("&Delete"));
    m_duplicate->setText(tr("Du&plicate"));
    m_addCamera->setText(tr("&Camera"));
    m_addWall->setText(tr("&Wall"));
    m_addArea->setText(tr("&Area to cover"));
    m_loadBackground->setText(tr("&Floor plan (picture, DXF, PDF)..."));
    m_setScale->setText(tr("Background &scale..."));
    m_zoomToFit->setText(tr("Zoom to &fit"));
    m_zoomIn->setText(tr("Zoom &in"));
    m_zoomOut->setText(tr("Zoom &out"));
    m_showBackground->setText(tr("Show &background"));
    m_dimBackground->setText(tr("&Dim background"));
    m_lockBackground->setText(tr("&Lock background"));
    m_dxfLayers->setText(tr("Drawing &layers..."));
    m_showDeadZones->setText(tr("Show dead &zones"));
    const LevelSet& levels = m_document.site().levelSet;
    for (Level level = 0; level < m_showBands.size() && level < levels.size(); ++level)
        m_showBands[level]->setText(tr("Show %1 band").arg(CoverageText::levelName(levels, level)));
}

} // namespace vistaro
