// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/siteplan.h"

#include "optics/coverageformat.h"
#include "optics/coveragesettings.h"
#include "platform/accessibility.h"
#include "platform/forms.h"
#include "platform/settingspath.h"
#include "site/newcamera.h"
#include "site/sitefile.h"
#include "siteplan/areapanel.h"
#include "siteplan/areatablemodel.h"
#include "siteplan/backgroundcontroller.h"
#include "siteplan/camerapanel.h"
#include "siteplan/cameratablemodel.h"
#include "siteplan/cameraviewwindow.h"
#include "siteplan/draftfields.h"
#include "siteplan/heightfields.h"
#include "siteplan/hintlabel.h"
#include "siteplan/leveldelegate.h"
#include "siteplan/obstaclepanel.h"
#include "siteplan/obstacletablemodel.h"
#include "siteplan/planimport.h"
#include "siteplan/planlegend.h"
#include "siteplan/siteexports.h"
#include "siteplan/sitefilecontroller.h"
#include "siteplan/siteplanactions.h"
#include "siteplan/sitepropertiesdialog.h"
#include "siteplan/siteselection.h"
#include "siteplan/siteundo.h"
#include "siteplan/storeysdialog.h"
#include "siteplan/tools/measuretool.h"
#include "siteplan/tools/pointtools.h"
#include "siteplan/wallpanel.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDockWidget>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QScrollArea>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>
#include <QUndoStack>
#include <QVBoxLayout>
#include <map>

namespace vistaro {

namespace {

const QString GeometryKey = QStringLiteral("SitePlan/geometry");
const QString StateKey = QStringLiteral("SitePlan/state");
const QString SnapKey = QStringLiteral("SitePlan/snap");
// A copy lands this far east and south of its original, so that both can be seen; each paste of
// the same clipboard as far again.
constexpr double CopyOffsetMetres = 1;
const QString SiteMimeType = QStringLiteral("application/x-vistaro-site");
constexpr int MessageMs = 5000;
// What a drawing leaves out stays long enough to be read after the plan shows.
constexpr int NotDrawnMs = 20'000;
constexpr double ZoomStep = 1.25;

} // namespace

SitePlan::SitePlan(SitePlanHost& host, CoverageSettings& settings,
                   std::unique_ptr<SiteGeometry> geometry, QWidget* parent)
    : QMainWindow(parent), m_host(host), m_settings(settings), m_geometry(std::move(geometry)) {
    setObjectName(QStringLiteral("SitePlan"));
    setWindowIconIfPresent(this);
    m_document.reset(SiteFileController::emptySite(settings));
    m_coverage = new SiteCoverage(m_document, *m_geometry, this);
    m_undo = new QUndoStack(this);
    m_view = new PlanView(m_document, *m_coverage, *this, this);
    m_view->setAccessibleName(tr("Plan"));
    setCentralWidget(m_view);
    buildTables();
    m_cursor = named<QLabel>("CursorPosition", this);
    m_hint = named<HintLabel>("ModeHint", this);
    statusBar()->addWidget(m_hint, 1);
    m_draftFields = new DraftFields(*m_view, m_document, this);
    statusBar()->addPermanentWidget(m_draftFields);
    statusBar()->addPermanentWidget(m_cursor);
    m_actions = new SitePlanActions(*this, m_document, settings);
    connect(m_actions, &SitePlanActions::coverageLayersChanged, this,
            [this] { m_view->setCoverageLayers(m_actions->coverageLayers()); });
    m_exports = new SiteExports(
        *this, m_document, *m_coverage, [this] { return m_files->fileName(); },
        [this](int storey) {
            // Each storey's floor plan read as the plan reads it, hidden ones left out.
            const std::optional<SiteBackground>& background =
                m_document.site().storeys.at(std::size_t(storey)).background;
            if (!background || !background->visible)
                return BackgroundPicture();
            const auto read = m_background->planImport().picture(*background);
            const auto* picture = std::get_if<BackgroundPicture>(&read);
            return picture ? *picture : BackgroundPicture();
        });
    m_actions->buildMenus({m_panelDock, m_wallPanelDock, m_areaPanelDock, m_obstaclePanelDock,
                           m_cameraDock, m_areaDock, m_obstacleDock, m_legendDock},
                          *m_exports);
    m_background = new BackgroundController(
        *this, m_document, *m_undo, *m_view, *m_actions,
        [this](std::vector<std::pair<ItemRef, SiteItem>> items, const QString& text) {
            insertItems(std::move(items), text);
        });
    m_files = std::make_unique<SiteFileController>(
        *this, m_document, *m_undo, *m_view, settings, *m_actions->recentFiles,
        [this](SiteBackground& background) {
            return m_background->planImport().settleUnits(background);
        });
    connect(m_files.get(), &SiteFileController::fileChanged, this, &SitePlan::showTitle);
    const auto say = [this](const QString& summary) {
        statusBar()->showMessage(summary, NotDrawnMs);
    };
    connect(&m_background->planImport(), &PlanImport::notDrawn, this, say);
    connect(m_background, &BackgroundController::said, this, say);
    m_selection = std::make_unique<SiteSelection>(
        m_document, *m_view, std::vector{m_cameraTable, m_areaTable, m_obstacleTable}, *m_panel);
    connect(m_selection.get(), &SiteSelection::cameraShown, this, &SitePlan::followInPreview);
    connect(m_selection.get(), &SiteSelection::cameraShown, this, &SitePlan::followInCameraView);
    connectActions();
    retranslate();

    connect(m_undo, &QUndoStack::cleanChanged, this,
            [this](bool clean) { setWindowModified(!clean); });
    connect(m_view, &PlanView::cursorMoved, this, [this](const PlanPoint& at) { showCursor(at); });
    connect(m_view, &PlanView::cursorLeft, this, [this] { showCursor(std::nullopt); });
    connect(m_view, &PlanView::nudged, this, &SitePlan::nudge);
    connect(m_view, &PlanView::selectionChanged, this, &SitePlan::showPanels);
    connect(&m_document, &SiteDocument::itemsChanged, this, &SitePlan::showPanels);
    connect(&m_document, &SiteDocument::itemsRemoved, this, &SitePlan::showPanels);
    connect(&m_document, &SiteDocument::siteReset, this, &SitePlan::showPanels);
    connect(m_areaPanel, &AreaPanel::edited, this, [this](const SiteArea& after) {
        if (const std::optional<ItemRef> ref = selectedOne(ItemKind::Area))
            changeItem(*ref, after, 0);
    });
    connect(m_obstaclePanel, &ObstaclePanel::edited, this, [this](const SiteObstacle& after) {
        if (const std::optional<ItemRef> ref = selectedOne(ItemKind::Obstacle))
            changeItem(*ref, after, 0);
    });
    connect(m_wallPanel, &WallPanel::edited, this, [this](const SiteWall& after) {
        if (const std::optional<ItemRef> ref = selectedOne(ItemKind::Wall))
            changeItem(*ref, after, 0);
    });
    // The levels of the legend are the site's.
    connect(&m_document, &SiteDocument::siteReset, this, &SitePlan::showLegend);
    connect(m_view, &PlanView::toolChanged, this, &SitePlan::showToolHint);
    connect(m_view, &PlanView::hintChanged, this, &SitePlan::showToolHint);
    connect(m_panel, &CameraPanel::edited, this, [this](const SiteCamera& after) {
        if (const std::optional<ItemRef> ref = m_selection->camera())
            changeItem(*ref, after, 0);
    });
    connect(m_panel, &CameraPanel::showInCoverage, this, [this] {
        if (const std::optional<ItemRef> ref = m_selection->camera())
            m_host.showInCoverage(std::get<SiteCamera>(m_document.item(*ref)),
                                  m_document.site().levelSet);
    });
    connect(m_panel, &CameraPanel::openPreview, this, &SitePlan::openPreview);
    m_panel->addButton(*m_actions->viewFromCamera, "ViewFromCameraButton");
    wheelOnlyWhenFocused(this);

    resize(1200, 800);
    const std::unique_ptr<QSettings> remembered = windowSettings();
    restoreGeometry(remembered->value(GeometryKey).toByteArray());
    restoreState(remembered->value(StateKey).toByteArray());
    m_actions->snap->setChecked(remembered->value(SnapKey, true).toBool());
}

SitePlan::~SitePlan() {
    if (isVisible())
        rememberGeometry();
    // The plan, the tables and the panel read the document, which goes before the window's
    // children do, so they go first; the selections that their going changes are not
    // listened to.
    m_selection.reset();
    for (QWidget* reader : std::initializer_list<QWidget*>{
             m_view, m_cameraView, m_panelDock, m_wallPanelDock, m_areaPanelDock,
             m_obstaclePanelDock, m_cameraDock, m_areaDock, m_obstacleDock})
        delete reader;
    // The undo stack, a child, clears itself when it goes, after this window has stopped being
    // one: it must not call the window's handlers then.
    disconnect(m_undo, nullptr, this, nullptr);
}

void SitePlan::buildTables() {
    const auto edit = [this](const ItemRef& ref, const SiteItem& after) {
        changeItem(ref, after, 0);
    };
    m_cameraModel = new CameraTableModel(m_document, *m_coverage, edit, this);
    m_areaModel = new AreaTableModel(m_document, *m_coverage, edit, this);
    auto* levels = new LevelDelegate(m_document.site().levelSet, this);
    const auto table = [this, levels](const char* name, SiteTableModel* model,
                                      std::optional<int> levelColumn) {
        auto* view = named<QTableView>(name, this);
        auto* rows = new StoreyRows(*model, view);
        view->setModel(rows);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);
        view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
        // Tab leaves the table; the arrow keys move in it.
        view->setTabKeyNavigation(false);
        if (levelColumn)
            view->setItemDelegateForColumn(*levelColumn, levels);
        view->setAlternatingRowColors(true);
        view->verticalHeader()->hide();
        view->horizontalHeader()->setStretchLastSection(true);
        view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        // The columns fit the rows in sight. The header measures its sections again when rows
        // change (a drag's every step), not when rows come or go: the view measures them then.
        view->horizontalHeader()->setResizeContentsPrecision(0);
        const auto measure = [view] { view->resizeColumnsToContents(); };
        connect(rows, &QAbstractItemModel::rowsInserted, view, measure);
        connect(rows, &QAbstractItemModel::modelReset, view, measure);
        return view;
    };
    m_cameraTable = table("CameraTable", m_cameraModel, static_cast<int>(CameraColumn::Level));
    m_areaTable = table("AreaTable", m_areaModel, static_cast<int>(AreaColumn::Level));
    m_obstacleModel = new ObstacleTableModel(m_document, *m_coverage, edit, this);
    m_obstacleTable = table("ObstacleTable", m_obstacleModel, std::nullopt);
    auto* sorted = static_cast<StoreyRows*>(m_obstacleTable->model());
    sorted->setSortRole(ObstacleSortRole);
    sorted->setSortCaseSensitivity(Qt::CaseInsensitive);
    // In the site's order until a header is clicked.
    m_obstacleTable->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_obstacleTable->setSortingEnabled(true);
    m_panel = new CameraPanel(this);

    const auto dock = [this](const char* name, QWidget* content, Qt::DockWidgetArea area) {
        auto* widget = named<QDockWidget>(name, this);
        widget->setWidget(content);
        addDockWidget(area, widget);
        return widget;
    };
    m_panelDock = dock("CameraPanelDock", scrollingPanel(m_panel), Qt::RightDockWidgetArea);
    // Over the tables, as the camera table leads them: whether they list one storey or all.
    m_thisStorey = named<QCheckBox>("TablesThisStorey", this);
    connect(m_thisStorey, &QCheckBox::toggled, this, &SitePlan::showTableRows);
    auto* cameras = new QWidget(this);
    auto* layout = new QVBoxLayout(cameras);
    layout->setContentsMargins({});
    layout->addWidget(m_thisStorey);
    layout->addWidget(m_cameraTable);
    m_cameraDock = dock("CameraTableDock", cameras, Qt::BottomDockWidgetArea);
    m_areaDock = dock("AreaTableDock", m_areaTable, Qt::BottomDockWidgetArea);
    m_obstacleDock = dock("ObstacleTableDock", m_obstacleTable, Qt::BottomDockWidgetArea);
    m_areaPanel = new AreaPanel(this);
    m_areaPanelDock = dock("AreaPanel", scrollingPanel(m_areaPanel), Qt::RightDockWidgetArea);
    m_obstaclePanel = new ObstaclePanel(this);
    m_obstaclePanelDock =
        dock("ObstaclePanel", scrollingPanel(m_obstaclePanel), Qt::RightDockWidgetArea);
    m_wallPanel = new WallPanel(this);
    m_wallPanelDock = dock("WallPanel", scrollingPanel(m_wallPanel), Qt::RightDockWidgetArea);
    // One item's panel at a time: the one selected comes to the front.
    tabifyDockWidget(m_areaPanelDock, m_obstaclePanelDock);
    tabifyDockWidget(m_areaPanelDock, m_wallPanelDock);
    m_areaPanelDock->raise();
    m_legend = new PlanLegend(this);
    m_legendDock = dock("PlanLegend", m_legend, Qt::RightDockWidgetArea);
    splitDockWidget(m_cameraDock, m_areaDock, Qt::Horizontal);
    splitDockWidget(m_areaDock, m_obstacleDock, Qt::Horizontal);
    resizeDocks({m_cameraDock, m_areaDock, m_obstacleDock}, {3, 2, 2}, Qt::Horizontal);
    // A few rows of each table in sight, whatever room the plan would take.
    for (QTableView* view : {m_cameraTable, m_areaTable, m_obstacleTable})
        view->setMinimumHeight(view->fontMetrics().height() * 9);
}

void SitePlan::showTableRows() {
    const std::optional<int> storey =
        m_thisStorey->isChecked() ? std::optional(m_view->storey()) : std::nullopt;
    for (QTableView* table : {m_cameraTable, m_areaTable, m_obstacleTable})
        static_cast<StoreyRows*>(table->model())->setStorey(storey);
}

void SitePlan::follow(const CalculatorReading& reading, const std::optional<QString>& lensOnShow) {
    m_reading = reading;
    m_lens = lensOnShow;
}

int SitePlan::startGesture() {
    return ++m_gestures;
}

void SitePlan::changeItem(const ItemRef& ref, const SiteItem& after, int gesture) {
    if (!m_document.holds(ref))
        return;
    const SiteItem before = m_document.item(ref);
    if (before == after)
        return;
    QString text;
    if (const auto* camera = std::get_if<SiteCamera>(&after)) {
        const auto& old = std::get<SiteCamera>(before);
        text = camera->position != old.position ? tr("Move camera")
               : camera->panDeg != old.panDeg   ? tr("Turn camera")
                                                : tr("Change camera");
    } else {
        const ItemKind kind = kindOf(after);
        text = kind == ItemKind::Wall       ? tr("Change wall")
               : kind == ItemKind::Obstacle ? tr("Change obstacle")
                                            : tr("Change area");
    }
    m_undo->push(new SetItemCommand(m_document, ref, after, text, gesture));
}

void SitePlan::moveItems(const std::vector<ItemRef>& refs, double dx, double dy, int gesture) {
    std::vector<std::pair<ItemRef, SiteItem>> moved;
    for (const ItemRef& ref : refs)
        if (m_document.holds(ref))
            moved.emplace_back(ref, translated(m_document.item(ref), dx, dy));
    if (moved.size() == 1)
        changeItem(moved.front().first, moved.front().second, gesture);
    else if (!moved.empty())
        m_undo->push(new SetItemsCommand(m_document, moved, tr("Move"), gesture));
}

void SitePlan::changeBackground(const SiteBackground& after, int gesture) {
    const int storey = m_view->storey();
    if (m_document.site().storeys.at(std::size_t(storey)).background != after)
        m_undo->push(
            new SetBackgroundCommand(m_document, storey, after, tr("Move background"), gesture));
}

void SitePlan::changeBoundary(const std::vector<PlanPoint>& after, int gesture) {
    if (m_document.site().boundary != after)
        m_undo->push(new SetBoundaryCommand(m_document, after, tr("Move boundary"), gesture));
}

void SitePlan::setSiteFiles(std::unique_ptr<SiteFiles> files) {
    m_files->setSiteFiles(std::move(files));
}

bool SitePlan::newSite() {
    return m_files->newSite();
}

bool SitePlan::openFile(const QString& path) {
    return m_files->openFile(path);
}

bool SitePlan::save() {
    return m_files->save();
}

bool SitePlan::saveAs() {
    return m_files->saveAs();
}

const QString& SitePlan::fileName() const {
    return m_files->fileName();
}

PlanImport& SitePlan::planImport() const {
    return m_background->planImport();
}

bool SitePlan::offerRecovery() {
    return m_files->offerRecovery();
}

SiteRecovery& SitePlan::recovery() const {
    return m_files->recovery();
}

void SitePlan::connectActions() {
    const SitePlanActions& a = *m_actions;
    connect(a.undo, &QAction::triggered, m_undo, &QUndoStack::undo);
    connect(a.redo, &QAction::triggered, m_undo, &QUndoStack::redo);
    connect(m_undo, &QUndoStack::indexChanged, this, [this] { m_actions->showUndoSteps(*m_undo); });
    connect(a.newSite, &QAction::triggered, m_files.get(), &SiteFileController::newSite);
    connect(a.open, &QAction::triggered, m_files.get(), &SiteFileController::pickAndOpen);
    connect(a.save, &QAction::triggered, m_files.get(), &SiteFileController::save);
    connect(a.saveAs, &QAction::triggered, m_files.get(), &SiteFileController::saveAs);
    connect(a.close, &QAction::triggered, this, &QWidget::close);
    connect(a.editProperties, &QAction::triggered, this, &SitePlan::editProperties);
    connect(a.editStoreys, &QAction::triggered, this, &SitePlan::editStoreys);
    connect(a.deleteSelection, &QAction::triggered, this,
            [this] { deleteSelection(tr("Delete")); });
    connect(a.copy, &QAction::triggered, this, &SitePlan::copySelection);
    connect(a.cut, &QAction::triggered, this, [this] {
        copySelection();
        deleteSelection(tr("Cut"));
    });
    connect(a.paste, &QAction::triggered, this, &SitePlan::paste);
    connect(a.selectAll, &QAction::triggered, this, &SitePlan::selectAll);
    connect(a.viewFromCamera, &QAction::triggered, this, &SitePlan::openCameraView);
    connect(a.copyToStorey, &QAction::triggered, this, &SitePlan::copyToStoreys);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] { m_pastes = 0; });
    connect(a.duplicate, &QAction::triggered, this, &SitePlan::duplicateSelection);
    connect(a.snap, &QAction::toggled, this, [this](bool on) {
        m_view->setSnapping(on);
        windowSettings()->setValue(SnapKey, on);
    });
    connect(a.zoomToFit, &QAction::triggered, m_view, &PlanView::zoomToFit);
    connect(a.storeySelector, &QComboBox::currentIndexChanged, m_view, &PlanView::setStorey);
    for (const std::pair<QAction*, int>& go :
         {std::pair(a.storeyUp, 1), std::pair(a.storeyDown, -1)})
        connect(go.first, &QAction::triggered, this, [this, step = go.second] {
            if (const std::optional<int> next =
                    nextStorey(m_document.site(), m_view->storey(), step))
                m_view->setStorey(*next);
        });
    const auto showStoreys = [this] { m_actions->showStoreys(m_view->storey()); };
    connect(m_view, &PlanView::storeyChanged, this, showStoreys);
    connect(m_view, &PlanView::storeyChanged, this, &SitePlan::showTableRows);
    connect(&m_document, &SiteDocument::siteReset, this, showStoreys);
    connect(a.zoomIn, &QAction::triggered, this, [this] { m_view->zoomBy(ZoomStep); });
    connect(a.zoomOut, &QAction::triggered, this, [this] { m_view->zoomBy(1 / ZoomStep); });
    connect(m_actions, &SitePlanActions::levelSetChosen, this, [this](const LevelSet& chosen) {
        m_undo->push(new SetLevelSetCommand(
            m_document, chosen, tr("Level set %1").arg(CoverageText::levelSetName(chosen))));
    });
    // The plan's tools, each on while its action is checked.
    using Points = const std::vector<PlanPoint>&;
    m_view->addTool(a.addCamera, std::make_unique<CameraTool>(
                                     *m_view, [this](const PlanPoint& at) { addCamera(at); }));
    m_view->addTool(a.addWall,
                    std::make_unique<WallTool>(*m_view, [this](Points p) { addWall(p); }));
    m_view->addTool(a.addArea,
                    std::make_unique<AreaTool>(*m_view, [this](Points p) { addArea(p); }));
    m_view->addTool(a.addObstacle,
                    std::make_unique<ObstacleTool>(*m_view, [this](Points p) { addObstacle(p); }));
    m_view->addTool(a.addBoundary, std::make_unique<BoundaryTool>(*m_view, [this](Points p) {
                        m_undo->push(new SetBoundaryCommand(m_document, p, tr("Draw boundary")));
                    }));
    m_view->addTool(a.measure, std::make_unique<MeasureTool>(*m_view));
    m_view->addTool(a.setScale, std::make_unique<ScaleTool>(
                                    *m_view, [this](Points p) { m_background->setScale(p); }));
}

void SitePlan::retranslate() {
    m_actions->retranslate();
    m_actions->showUndoSteps(*m_undo);
    m_exports->retranslate();
    showTitle();
    m_panelDock->setWindowTitle(tr("Camera"));
    m_cameraDock->setWindowTitle(tr("Cameras"));
    m_areaDock->setWindowTitle(tr("Areas"));
    m_obstacleDock->setWindowTitle(tr("Obstacles"));
    m_legendDock->setWindowTitle(tr("Legend"));
    m_areaPanelDock->setWindowTitle(tr("Area"));
    m_areaPanel->retranslate();
    m_obstaclePanelDock->setWindowTitle(tr("Obstacle"));
    m_obstaclePanel->retranslate();
    m_wallPanelDock->setWindowTitle(tr("Wall"));
    m_wallPanel->retranslate();
    m_legend->setAccessibleName(tr("Legend"));
    showLegend();
    m_cameraTable->setAccessibleName(tr("Cameras"));
    m_areaTable->setAccessibleName(tr("Areas"));
    m_obstacleTable->setAccessibleName(tr("Obstacles"));
    m_thisStorey->setText(tr("This storey only"));
    m_thisStorey->setAccessibleName(tr("Tables of this storey only"));
    m_view->setAccessibleName(tr("Plan"));
    m_view->describeKeys();
    m_cameraModel->retranslate();
    m_areaModel->retranslate();
    m_obstacleModel->retranslate();
    m_panel->retranslate();
    m_draftFields->retranslate();
    m_actions->showStoreys(m_view->storey());
    showToolHint();
}

std::optional<ItemRef> SitePlan::selectedOne(ItemKind kind) const {
    const std::vector<ItemRef> refs = m_view->selection();
    if (refs.size() == 1 && refs.front().kind == kind && m_document.holds(refs.front()))
        return refs.front();
    return std::nullopt;
}

void SitePlan::showPanels() {
    const std::optional<ItemRef> area = selectedOne(ItemKind::Area);
    m_areaPanel->present(area ? std::optional(std::get<SiteArea>(m_document.item(*area)))
                              : std::nullopt,
                         m_document.site().levelSet);
    const std::optional<ItemRef> obstacle = selectedOne(ItemKind::Obstacle);
    m_obstaclePanel->present(obstacle
                                 ? std::optional(std::get<SiteObstacle>(m_document.item(*obstacle)))
                                 : std::nullopt);
    const std::optional<ItemRef> wall = selectedOne(ItemKind::Wall);
    m_wallPanel->present(wall ? std::optional(std::get<SiteWall>(m_document.item(*wall)))
                              : std::nullopt);
    if (area)
        m_areaPanelDock->raise();
    else if (obstacle)
        m_obstaclePanelDock->raise();
    else if (wall)
        m_wallPanelDock->raise();
}

void SitePlan::showLegend() {
    m_legend->showEntries(SiteDeliverables::legend(m_document.site().levelSet));
}

void SitePlan::showTitle() {
    const QString& file = m_files->fileName();
    const QString name = file.isEmpty() ? tr("Untitled") : QFileInfo(file).fileName();
    setWindowTitle(tr("%1[*] - Site plan").arg(name));
}

void SitePlan::showCursor(const std::optional<PlanPoint>& point) {
    if (!point) {
        m_cursor->clear();
        return;
    }
    const Units units = m_document.site().units;
    m_cursor->setText(
        tr("East %1, north %2")
            .arg(CoverageText::length(point->x, units), CoverageText::length(point->y, units)));
}

void SitePlan::showToolHint() {
    m_hint->setHint(m_view->tool().hint());
}

void SitePlan::insertItems(std::vector<std::pair<ItemRef, SiteItem>> items, const QString& text) {
    std::vector<ItemRef> refs;
    for (const auto& item : items)
        refs.push_back(item.first);
    m_undo->push(new InsertItemsCommand(m_document, std::move(items),
                                        InsertItemsCommand::Direction::Insert, text));
    m_view->select(refs);
}

void SitePlan::addCamera(const PlanPoint& at) {
    SiteCamera camera =
        cameraFromCalculator(m_reading, m_settings.inputs(), m_lens, m_document.site().levelSet);
    camera.name = freeName(tr("Camera"), m_document.names(ItemKind::Camera));
    camera.position = at;
    camera.storey = m_view->storey();
    insertItems({{{ItemKind::Camera, m_document.count(ItemKind::Camera)}, camera}},
                tr("Add camera"));
}

void SitePlan::addWall(const std::vector<PlanPoint>& points) {
    insertItems({{{ItemKind::Wall, m_document.count(ItemKind::Wall)},
                  onStorey(SiteWall{points}, m_view->storey())}},
                tr("Add wall"));
}

void SitePlan::addArea(const std::vector<PlanPoint>& points) {
    SiteArea area{freeName(tr("Area"), m_document.names(ItemKind::Area)), m_settings.inputs().level,
                  points};
    area.storey = m_view->storey();
    insertItems({{{ItemKind::Area, m_document.count(ItemKind::Area)}, area}}, tr("Add area"));
}

void SitePlan::addObstacle(const std::vector<PlanPoint>& points) {
    const SiteObstacle obstacle{freeName(tr("Obstacle"), m_document.names(ItemKind::Obstacle)),
                                points, 0, NewObstacleTopM};
    insertItems({{{ItemKind::Obstacle, m_document.count(ItemKind::Obstacle)}, obstacle}},
                tr("Add obstacle"));
}

void SitePlan::deleteSelection(const QString& text) {
    if (m_view->deletePickedPoint())
        return;
    if (m_view->boundarySelected())
        m_undo->push(new SetBoundaryCommand(m_document, {}, tr("Delete boundary")));
    std::vector<std::pair<ItemRef, SiteItem>> items;
    for (const ItemRef& ref : m_view->selection())
        items.emplace_back(ref, m_document.item(ref));
    if (!items.empty())
        m_undo->push(new InsertItemsCommand(m_document, std::move(items),
                                            InsertItemsCommand::Direction::Remove, text));
}

std::vector<std::pair<ItemRef, SiteItem>> SitePlan::copiesOf(const std::vector<SiteItem>& items,
                                                             double dx, double dy) const {
    std::vector<std::pair<ItemRef, SiteItem>> copies;
    std::map<ItemKind, int> next;
    std::map<ItemKind, QStringList> names;
    for (const SiteItem& item : items) {
        const ItemKind kind = kindOf(item);
        if (!next.count(kind)) {
            next[kind] = m_document.count(kind);
            names[kind] = m_document.names(kind);
        }
        SiteItem copy = translated(item, dx, dy);
        const auto rename = [&taken = names[kind]](QString& name) {
            if (taken.contains(name))
                name = copyName(name, taken);
            taken.append(name);
        };
        std::visit(
            [&rename](auto& copied) {
                if constexpr (requires { copied.name; })
                    rename(copied.name);
            },
            copy);
        copies.emplace_back(ItemRef{kind, next[kind]++}, copy);
    }
    return copies;
}

void SitePlan::duplicateSelection() {
    std::vector<SiteItem> items;
    for (const ItemRef& ref : m_view->selection())
        items.push_back(m_document.item(ref));
    if (!items.empty())
        insertItems(copiesOf(items, CopyOffsetMetres, -CopyOffsetMetres), tr("Duplicate"));
}

// The clipboard holds a site of the items alone, with the site's level set, as the site file
// writes it: as text, and under the site file's own type.
void SitePlan::copySelection() {
    const std::vector<ItemRef> refs = m_view->selection();
    if (refs.empty())
        return;
    Site copied;
    copied.units = m_document.site().units;
    copied.levelSet = m_document.site().levelSet;
    for (const ItemRef& ref : refs)
        std::visit(
            [&copied](const auto& item) {
                using Item = std::decay_t<decltype(item)>;
                if constexpr (std::is_same_v<Item, SiteCamera>)
                    copied.cameras.push_back(item);
                else if constexpr (std::is_same_v<Item, SiteWall>)
                    copied.walls.push_back(item);
                else if constexpr (std::is_same_v<Item, SiteArea>)
                    copied.areas.push_back(item);
                else
                    copied.obstacles.push_back(item);
            },
            // The clipboard's site has one storey, which the items land on the one on show from.
            onStorey(m_document.item(ref), 0));
    const QByteArray json = siteToJson(copied);
    auto* data = new QMimeData;
    data->setText(QString::fromUtf8(json));
    data->setData(SiteMimeType, json);
    QGuiApplication::clipboard()->setMimeData(data);
}

void SitePlan::copyToStoreys() {
    std::vector<ItemRef> refs = m_view->selection();
    if (refs.empty())
        for (const ItemKind kind : ItemKinds)
            for (int i = 0; i < m_document.count(kind); ++i)
                if (storeyOf(m_document.item({kind, i})) == m_view->storey())
                    refs.push_back({kind, i});
    if (refs.empty())
        return;
    CopyToStoreysDialog dialog(m_document.site(), m_view->storey(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    std::vector<SiteItem> items;
    for (const int storey : dialog.chosen())
        for (const ItemRef& ref : refs)
            items.push_back(onStorey(m_document.item(ref), storey));
    if (!items.empty())
        insertItems(copiesOf(items, 0, 0), tr("Copy to storeys"));
}

void SitePlan::paste() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const QByteArray json = !data                           ? QByteArray()
                            : data->hasFormat(SiteMimeType) ? data->data(SiteMimeType)
                                                            : data->text().toUtf8();
    const SiteRead read = readSite(json);
    if (!read.site) {
        statusBar()->showMessage(tr("The clipboard holds no cameras, walls, areas or obstacles."),
                                 MessageMs);
        return;
    }
    const Site pasted = withLevelSet(*read.site, m_document.site().levelSet);
    std::vector<SiteItem> items(pasted.cameras.begin(), pasted.cameras.end());
    items.insert(items.end(), pasted.walls.begin(), pasted.walls.end());
    items.insert(items.end(), pasted.areas.begin(), pasted.areas.end());
    items.insert(items.end(), pasted.obstacles.begin(), pasted.obstacles.end());
    for (SiteItem& item : items)
        item = onStorey(std::move(item), m_view->storey());
    if (items.empty())
        return;
    ++m_pastes;
    insertItems(copiesOf(items, CopyOffsetMetres * m_pastes, -CopyOffsetMetres * m_pastes),
                tr("Paste"));
}

void SitePlan::selectAll() {
    std::vector<ItemRef> refs;
    for (const ItemKind kind : ItemKinds)
        for (int i = 0; i < m_document.count(kind); ++i)
            if (storeyOf(m_document.item({kind, i})) == m_view->storey())
                refs.push_back({kind, i});
    m_view->select(refs);
}

void SitePlan::nudge(double dx, double dy) {
    const std::vector<ItemRef> refs = m_view->selection();
    moveItems(refs, dx, dy, 0);
    m_view->select(refs);
}

void SitePlan::editProperties() {
    SitePropertiesDialog dialog(m_document.site().properties, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // Nothing changed is no step: the site stays unmodified.
    if (const SiteProperties after = dialog.properties(); after != m_document.site().properties)
        m_undo->push(new SetPropertiesCommand(m_document, after, tr("Site properties")));
}

void SitePlan::editStoreys() {
    StoreysDialog dialog(m_document.site(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::vector<SiteStorey> storeys = dialog.storeys();
    const std::vector<int> from = dialog.from();
    if (storeys == m_document.site().storeys)
        return;
    const auto shown = std::find(from.begin(), from.end(), m_view->storey());
    m_undo->push(new SetStoreysCommand(m_document, storeys, from, tr("Storeys")));
    if (shown != from.end())
        m_view->setStorey(static_cast<int>(shown - from.begin()));
}

void SitePlan::closeEvent(QCloseEvent* event) {
    if (!m_files->askToSave()) {
        event->ignore();
        return;
    }
    // What was not saved is dropped: the window opens again on the site as it was saved.
    m_files->dropUnsaved();
    event->accept();
}

void SitePlan::hideEvent(QHideEvent* event) {
    rememberGeometry();
    QMainWindow::hideEvent(event);
}

void SitePlan::rememberGeometry() const {
    const std::unique_ptr<QSettings> remembered = windowSettings();
    remembered->setValue(GeometryKey, saveGeometry());
    remembered->setValue(StateKey, saveState());
}

void SitePlan::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

} // namespace vistaro
