// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "siteplan/siteplanactions.h"

#include "optics/coverageformat.h"
#include "optics/coveragesettings.h"
#include "platform/forms.h"
#include "platform/settingspath.h"
#include "siteplan/planview.h"
#include "siteplan/siteexports.h"

#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>

namespace vistaro {

namespace {

const QString PlanShowsKey = QStringLiteral("SitePlan/planShows");
// As the settings keep them, in the order of PlanShows and of the combo's items.
const QStringList PlanShowsNames{QStringLiteral("best"), QStringLiteral("each"),
                                 QStringLiteral("wanted")};

} // namespace

SitePlanActions::SitePlanActions(QMainWindow& window, const SiteDocument& document,
                                 CoverageSettings& settings)
    : QObject(&window), m_window(window), m_document(document), m_settings(settings) {
    newSite = action("SiteNew", QKeySequence::New);
    open = action("SiteOpen", QKeySequence::Open);
    save = action("SiteSave", QKeySequence::Save);
    saveAs = action("SiteSaveAs", QKeySequence::SaveAs);
    editProperties = action("EditSiteProperties");
    editStoreys = action("EditStoreys");
    close = action("SitePlanClose", QKeySequence::Close);
    undo = action("Undo", QKeySequence::Undo);
    redo = action("Redo", QKeySequence::Redo);
    deleteSelection = action("DeleteSelection", QKeySequence::Delete);
    duplicate = action("Duplicate", QKeySequence(Qt::CTRL | Qt::Key_D));
    cut = action("Cut", QKeySequence::Cut);
    copy = action("Copy", QKeySequence::Copy);
    paste = action("Paste", QKeySequence::Paste);
    selectAll = action("SelectAll", QKeySequence::SelectAll);
    copyToStorey = action("CopyToStorey");
    addCamera = action("AddCamera", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), true);
    addWall = action("AddWall", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W), true);
    addArea = action("AddArea", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A), true);
    addObstacle = action("AddObstacle", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), true);
    addBoundary = action("AddBoundary", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B), true);
    loadBackground = action("LoadBackground");
    setScale = action("SetScale", {}, true);
    zoomToFit = action("ZoomToFit", QKeySequence(Qt::CTRL | Qt::Key_0));
    zoomIn = action("ZoomIn", QKeySequence::ZoomIn);
    zoomOut = action("ZoomOut", QKeySequence::ZoomOut);
    showBackground = action("ShowBackground", {}, true);
    dimBackground = action("DimBackground", {}, true);
    lockBackground = action("LockBackground", {}, true);
    dxfLayers = action("DxfLayers");
    showDeadZones = action("ShowDeadZones", {}, true);
    showDeadZones->setChecked(true);
    snap = action("Snap", QKeySequence(Qt::Key_F9), true);
    snap->setChecked(true);
    measure = action("Measure", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M), true);
    storeyUp = action("StoreyUp", QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    storeyDown = action("StoreyDown", QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    viewFromCamera = action("ViewFromCamera", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    connect(showDeadZones, &QAction::toggled, this, &SitePlanActions::coverageLayersChanged);
    buildPlanShowsChoice();
    storeySelector = named<QComboBox>("StoreySelector", &m_window);
    storeySelector->setSizeAdjustPolicy(QComboBox::AdjustToContents);
}

QAction* SitePlanActions::action(const char* name, const QKeySequence& shortcut, bool checkable) {
    auto* made = named<QAction>(name, &m_window);
    made->setShortcut(shortcut);
    made->setCheckable(checkable);
    m_window.addAction(made);
    return made;
}

void SitePlanActions::buildMenus(const std::vector<QDockWidget*>& docks, SiteExports& exports) {
    QMenuBar* bar = m_window.menuBar();
    m_fileMenu = bar->addMenu(QString());
    m_fileMenu->addActions({newSite, open});
    recentFiles = m_fileMenu->addMenu(QString());
    recentFiles->setObjectName(QStringLiteral("RecentFiles"));
    m_fileMenu->addActions({save, saveAs});
    m_fileMenu->addSeparator();
    m_fileMenu->addActions({editProperties, editStoreys});
    exports.addTo(*m_fileMenu);
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(close);

    m_editMenu = bar->addMenu(QString());
    m_editMenu->addActions({undo, redo});
    m_editMenu->addSeparator();
    m_editMenu->addActions({cut, copy, paste});
    m_editMenu->addSeparator();
    m_editMenu->addActions({deleteSelection, duplicate, selectAll});
    m_editMenu->addSeparator();
    m_editMenu->addAction(copyToStorey);

    m_insertMenu = bar->addMenu(QString());
    m_insertMenu->addActions({addCamera, addWall, addArea, addObstacle, addBoundary});
    m_insertMenu->addSeparator();
    m_insertMenu->addActions({loadBackground, setScale, dxfLayers});

    m_viewMenu = bar->addMenu(QString());
    m_viewMenu->addActions({zoomToFit, zoomIn, zoomOut});
    m_viewMenu->addSeparator();
    m_viewMenu->addActions({storeyUp, storeyDown});
    m_viewMenu->addSeparator();
    m_viewMenu->addAction(viewFromCamera);
    m_viewMenu->addSeparator();
    m_viewMenu->addActions({snap, measure});
    m_viewMenu->addSeparator();
    m_viewMenu->addActions({showBackground, dimBackground, lockBackground});
    m_viewMenu->addSeparator();
    m_viewMenu->addAction(showDeadZones);
    m_bandsEnd = m_viewMenu->addSeparator();
    fillBandActions();
    connect(&m_document, &SiteDocument::siteReset, this, [this] {
        if (int(m_showBands.size()) != int(m_document.site().levelSet.size()) ||
            m_bandsSet != m_document.site().levelSet.key)
            fillBandActions();
    });
    for (QDockWidget* dock : docks)
        m_viewMenu->addAction(dock->toggleViewAction());

    m_toolBar = m_window.addToolBar(QString());
    m_toolBar->setObjectName(QStringLiteral("SitePlanToolBar"));
    // Icons alone, so that no button moves when a caption changes (the step to undo).
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolBar->addActions({newSite, open, save});
    m_toolBar->addSeparator();
    m_toolBar->addActions({undo, redo, deleteSelection, duplicate});
    m_toolBar->addSeparator();
    m_toolBar->addActions(
        {addCamera, addWall, addArea, addObstacle, addBoundary, loadBackground, setScale});
    m_toolBar->addSeparator();
    m_toolBar->addActions({zoomToFit, zoomIn, zoomOut, snap, measure});
    m_toolBar->addSeparator();
    m_toolBar->addWidget(planShows);
    m_toolBar->addWidget(storeySelector);
    for (QAction* tool : m_toolBar->actions()) {
        auto* button = qobject_cast<QToolButton*>(m_toolBar->widgetForAction(tool));
        if (!button)
            continue;
        tool->setIcon(
            QIcon(QStringLiteral(":/icons/plan/%1.svg").arg(tool->objectName().toLower())));
        // The button shows its icon alone: its accessible name says what the caption would.
        connect(tool, &QAction::changed, button,
                [tool, button] { button->setAccessibleName(tool->iconText()); });
    }
    buildLevelSetChoice();
}

void SitePlanActions::buildPlanShowsChoice() {
    planShows = new QComboBox(&m_window);
    planShows->setObjectName(QStringLiteral("PlanShows"));
    planShows->addItems({QString(), QString(), QString()});
    planShows->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    planShows->setCurrentIndex(
        std::max<int>(0, PlanShowsNames.indexOf(windowSettings()->value(PlanShowsKey).toString())));
    connect(planShows, &QComboBox::currentIndexChanged, this, [this](int index) {
        windowSettings()->setValue(PlanShowsKey, PlanShowsNames.value(index));
        emit coverageLayersChanged();
    });
}

// One action a level of the site's set, named by the level's key ("ShowIdentification").
void SitePlanActions::fillBandActions() {
    for (QAction* band : m_showBands)
        delete band;
    m_showBands.clear();
    const LevelSet& levels = m_document.site().levelSet;
    m_bandsSet = levels.key;
    for (Level level = 0; level < levels.size(); ++level) {
        const QString& key = levels.levels[level].key;
        auto* band = new QAction(&m_window);
        band->setObjectName(QStringLiteral("Show") + key.left(1).toUpper() + key.mid(1));
        band->setCheckable(true);
        band->setChecked(true);
        band->setText(tr("Show %1 band").arg(CoverageText::levelName(levels, level)));
        connect(band, &QAction::toggled, this, &SitePlanActions::coverageLayersChanged);
        m_viewMenu->insertAction(m_bandsEnd, band);
        m_showBands.push_back(band);
    }
    emit coverageLayersChanged();
}

CoverageLayers SitePlanActions::coverageLayers() const {
    CoverageLayers shown;
    shown.view = static_cast<PlanShows>(std::max(0, planShows->currentIndex()));
    shown.deadZones = showDeadZones->isChecked();
    for (QAction* band : m_showBands)
        shown.bands.push_back(band->isChecked());
    return shown;
}

void SitePlanActions::buildLevelSetChoice() {
    m_levelSetBox = new QComboBox(&m_window);
    m_levelSetBox->setObjectName(QStringLiteral("SiteLevelSet"));
    m_levelSetBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_toolBar->addWidget(m_levelSetBox);
    connect(m_levelSetBox, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && std::size_t(index) < m_levelSets.size() &&
            m_levelSets[std::size_t(index)] != m_document.site().levelSet)
            emit levelSetChosen(m_levelSets[std::size_t(index)]);
    });
    // The user's own sets change in the coverage window.
    connect(&m_settings, &CoverageSettings::changed, this, &SitePlanActions::showLevelSetChoice);
    connect(&m_document, &SiteDocument::siteReset, this, &SitePlanActions::showLevelSetChoice);
    showLevelSetChoice();
}

void SitePlanActions::showLevelSetChoice() {
    const LevelSet& shown = m_document.site().levelSet;
    m_levelSets = m_settings.offeredLevelSets();
    const auto own = std::find_if(m_levelSets.begin(), m_levelSets.end(),
                                  [&](const LevelSet& set) { return set.key == shown.key; });
    if (own == m_levelSets.end())
        m_levelSets.push_back(shown);
    else
        *own = shown; // the plates of the site's own rule, a set of the user's as the site has it
    const QSignalBlocker blocker(m_levelSetBox);
    m_levelSetBox->clear();
    for (const LevelSet& set : m_levelSets)
        m_levelSetBox->addItem(CoverageText::levelSetName(set));
    m_levelSetBox->setCurrentIndex(
        int(std::find_if(m_levelSets.begin(), m_levelSets.end(),
                         [&](const LevelSet& set) { return set.key == shown.key; }) -
            m_levelSets.begin()));
    m_levelSetBox->setAccessibleName(tr("Level set of the site"));
    m_levelSetBox->setToolTip(tr("The levels the site's cameras and areas are judged by"));
}

void SitePlanActions::showStoreys(int onShow) {
    const Site& site = m_document.site();
    const QSignalBlocker quiet(storeySelector);
    storeySelector->clear();
    for (int i = 0; i < static_cast<int>(site.storeys.size()); ++i)
        storeySelector->addItem(storeyName(site, i));
    storeySelector->setCurrentIndex(onShow);
    storeySelector->setEnabled(site.storeys.size() > 1);
    storeyUp->setEnabled(nextStorey(site, onShow, 1).has_value());
    storeyDown->setEnabled(nextStorey(site, onShow, -1).has_value());
    copyToStorey->setEnabled(site.storeys.size() > 1);
}

void SitePlanActions::showUndoSteps(const QUndoStack& stack) {
    // The tool bar's caption stays as it is, so that no button moves under the pointer between
    // two clicks.
    const auto show = [](QAction* action, bool can, const QString& plain, const QString& step) {
        action->setEnabled(can);
        action->setText(can ? step : plain);
        action->setIconText(QString(plain).remove(u'&'));
        action->setToolTip(QString(action->text()).remove(u'&'));
    };
    show(undo, stack.canUndo(), tr("&Undo"), tr("&Undo %1").arg(stack.undoText()));
    show(redo, stack.canRedo(), tr("&Redo"), tr("&Redo %1").arg(stack.redoText()));
}

void SitePlanActions::retranslate() {
    m_fileMenu->setTitle(tr("&File"));
    recentFiles->setTitle(tr("Open &recent"));
    m_editMenu->setTitle(tr("&Edit"));
    m_insertMenu->setTitle(tr("&Insert"));
    m_viewMenu->setTitle(tr("&View"));
    m_toolBar->setWindowTitle(tr("Site plan tools"));
    // The button that shows the tools a narrow window has no room for is Qt's, and unnamed.
    if (auto* more = m_toolBar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(tr("More tools"));
    newSite->setText(tr("&New site"));
    open->setText(tr("&Open..."));
    save->setText(tr("&Save"));
    saveAs->setText(tr("Save &as..."));
    editProperties->setText(tr("Site &properties..."));
    editStoreys->setText(tr("Sto&reys..."));
    close->setText(tr("&Close"));
    deleteSelection->setText(tr("&Delete"));
    duplicate->setText(tr("Du&plicate"));
    cut->setText(tr("Cu&t"));
    copy->setText(tr("&Copy"));
    paste->setText(tr("Pa&ste"));
    selectAll->setText(tr("Select &all"));
    copyToStorey->setText(tr("Copy to Sto&reys..."));
    copyToStorey->setStatusTip(tr("Copies the selected items, or every item of the storey on "
                                  "show when none is selected, to the storeys chosen"));
    addCamera->setText(tr("&Camera"));
    addCamera->setStatusTip(PlanView::keysHelp());
    addWall->setText(tr("&Wall"));
    addArea->setText(tr("&Area to cover"));
    addObstacle->setText(tr("&Obstacle"));
    addBoundary->setText(tr("Site &boundary"));
    loadBackground->setText(tr("&Floor plan (picture, DXF, PDF)..."));
    setScale->setText(tr("Background &scale..."));
    zoomToFit->setText(tr("Zoom to &fit"));
    zoomIn->setText(tr("Zoom &in"));
    zoomOut->setText(tr("Zoom &out"));
    showBackground->setText(tr("Show &background"));
    dimBackground->setText(tr("&Dim background"));
    lockBackground->setText(tr("&Lock background"));
    dxfLayers->setText(tr("Drawing &layers..."));
    showDeadZones->setText(tr("Show dead &zones"));
    const QStringList views{tr("Best level"), tr("Each camera"), tr("Wanted level")};
    for (int i = 0; i < views.size(); ++i)
        planShows->setItemText(i, views[i]);
    planShows->setAccessibleName(tr("Plan shows"));
    planShows->setToolTip(tr("The best level any camera meets at each point, each camera's own "
                             "bands, or where each camera meets the level it is wanted at"));
    // As wide as its longest item in any language, so that the tool bar never moves.
    planShows->setFixedWidth(planShows->sizeHint().width());
    snap->setText(tr("S&nap to walls and grid"));
    measure->setText(tr("&Measure"));
    storeyUp->setText(tr("Storey &up"));
    storeyDown->setText(tr("Storey do&wn"));
    viewFromCamera->setText(tr("View from ca&mera"));
    storeySelector->setAccessibleName(tr("Storey"));
    storeySelector->setToolTip(tr("The storey on show: its items and its floor plan, the storey "
                                  "below faint underneath"));
    snap->setStatusTip(tr("Points snap to wall corners, wall lines and the grid; Alt held "
                          "turns it off while held."));
    const LevelSet& levels = m_document.site().levelSet;
    for (Level level = 0; level < m_showBands.size() && level < levels.size(); ++level)
        m_showBands[level]->setText(tr("Show %1 band").arg(CoverageText::levelName(levels, level)));
}

} // namespace vistaro
