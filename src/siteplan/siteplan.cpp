// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/siteplan.h"

#include "optics/coverageformat.h"
#include "optics/coveragesettings.h"
#include "platform/accessibility.h"
#include "platform/forms.h"
#include "platform/settingspath.h"
#include "site/newcamera.h"
#include "siteplan/areapanel.h"
#include "siteplan/areatablemodel.h"
#include "siteplan/backgroundcontroller.h"
#include "siteplan/camerapanel.h"
#include "siteplan/cameratablemodel.h"
#include "siteplan/leveldelegate.h"
#include "siteplan/planlegend.h"
#include "siteplan/siteexports.h"
#include "siteplan/sitefilecontroller.h"
#include "siteplan/siteplanactions.h"
#include "siteplan/siteselection.h"
#include "siteplan/siteundo.h"
#include "siteplan/tools/pointtools.h"

#include <QAction>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>
#include <QUndoStack>
#include <map>

namespace vistaro {

namespace {

const QString GeometryKey = QStringLiteral("SitePlan/geometry");
const QString StateKey = QStringLiteral("SitePlan/state");
// A copy lands this far east and south of its original, so that both can be seen.
constexpr double CopyOffsetMetres = 1;
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
    m_hint = named<QLabel>("ModeHint", this);
    statusBar()->addWidget(m_hint, 1);
    statusBar()->addPermanentWidget(m_cursor);
    m_actions = new SitePlanActions(*this, m_document, settings);
    connect(m_actions, &SitePlanActions::coverageLayersChanged, this,
            [this] { m_view->setCoverageLayers(m_actions->coverageLayers()); });
    m_exports =
        new SiteExports(*this, m_document, *m_coverage, [this] { return m_files->fileName(); });
    m_actions->buildMenus({m_panelDock, m_areaPanelDock, m_cameraDock, m_areaDock, m_legendDock},
                          *m_exports);
    m_files = std::make_unique<SiteFileController>(*this, m_document, *m_undo, *m_view, settings,
                                                   *m_actions->recentFiles);
    connect(m_files.get(), &SiteFileController::fileChanged, this, &SitePlan::showTitle);
    m_background = new BackgroundController(
        *this, m_document, *m_undo, *m_view, *m_actions,
        [this](std::vector<std::pair<ItemRef, SiteItem>> items, const QString& text) {
            insertItems(std::move(items), text);
        });
    m_selection = std::make_unique<SiteSelection>(m_document, *m_view, *m_cameraTable, *m_areaTable,
                                                  *m_panel);
    connect(m_selection.get(), &SiteSelection::cameraShown, this, &SitePlan::followInPreview);
    connectActions();
    retranslate();

    connect(m_undo, &QUndoStack::cleanChanged, this,
            [this](bool clean) { setWindowModified(!clean); });
    connect(m_view, &PlanView::cursorMoved, this, [this](const PlanPoint& at) { showCursor(at); });
    connect(m_view, &PlanView::cursorLeft, this, [this] { showCursor(std::nullopt); });
    connect(m_view, &PlanView::nudged, this, &SitePlan::nudge);
    connect(m_view, &PlanView::selectionChanged, this, &SitePlan::showArea);
    connect(&m_document, &SiteDocument::itemChanged, this, &SitePlan::showArea);
    connect(&m_document, &SiteDocument::itemRemoved, this, &SitePlan::showArea);
    connect(&m_document, &SiteDocument::siteReset, this, &SitePlan::showArea);
    connect(m_areaPanel, &AreaPanel::edited, this, [this](const SiteArea& after) {
        if (const std::optional<ItemRef> ref = selectedArea())
            changeItem(*ref, after, 0);
    });
    // The levels of the legend are the site's.
    connect(&m_document, &SiteDocument::siteReset, this, &SitePlan::showLegend);
    connect(m_view, &PlanView::toolChanged, this, &SitePlan::showToolHint);
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
    wheelOnlyWhenFocused(this);

    resize(1200, 800);
    const std::unique_ptr<QSettings> remembered = windowSettings();
    restoreGeometry(remembered->value(GeometryKey).toByteArray());
    restoreState(remembered->value(StateKey).toByteArray());
}

SitePlan::~SitePlan() {
    if (isVisible())
        rememberGeometry();
    // The plan, the tables and the panel read the document, which goes before the window's
    // children do, so they go first; the selections that their going changes are not
    // listened to.
    m_selection.reset();
    for (QWidget* reader : std::initializer_list<QWidget*>{m_view, m_panelDock, m_areaPanelDock,
                                                           m_cameraDock, m_areaDock})
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
    const auto table = [this, levels](const char* name, SiteTableModel* model, int levelColumn) {
        auto* view = named<QTableView>(name, this);
        view->setModel(model);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);
        view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
        // Tab leaves the table; the arrow keys move in it.
        view->setTabKeyNavigation(false);
        view->setItemDelegateForColumn(levelColumn, levels);
        view->setAlternatingRowColors(true);
        view->verticalHeader()->hide();
        view->horizontalHeader()->setStretchLastSection(true);
        view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        // The columns fit the rows in sight. The header measures its sections again when rows
        // change (a drag's every step), not when rows come or go: the view measures them then.
        view->horizontalHeader()->setResizeContentsPrecision(0);
        const auto measure = [view] { view->resizeColumnsToContents(); };
        connect(model, &QAbstractItemModel::rowsInserted, view, measure);
        connect(model, &QAbstractItemModel::modelReset, view, measure);
        return view;
    };
    m_cameraTable = table("CameraTable", m_cameraModel, static_cast<int>(CameraColumn::Level));
    m_areaTable = table("AreaTable", m_areaModel, static_cast<int>(AreaColumn::Level));
    m_panel = new CameraPanel(this);

    const auto dock = [this](const char* name, QWidget* content, Qt::DockWidgetArea area) {
        auto* widget = named<QDockWidget>(name, this);
        widget->setWidget(content);
        addDockWidget(area, widget);
        return widget;
    };
    m_panelDock = dock("CameraPanelDock", scrollingPanel(m_panel), Qt::RightDockWidgetArea);
    m_cameraDock = dock("CameraTableDock", m_cameraTable, Qt::BottomDockWidgetArea);
    m_areaDock = dock("AreaTableDock", m_areaTable, Qt::BottomDockWidgetArea);
    m_areaPanel = new AreaPanel(this);
    m_areaPanelDock = dock("AreaPanel", scrollingPanel(m_areaPanel), Qt::RightDockWidgetArea);
    m_legend = new PlanLegend(this);
    m_legendDock = dock("PlanLegend", m_legend, Qt::RightDockWidgetArea);
    splitDockWidget(m_cameraDock, m_areaDock, Qt::Horizontal);
    resizeDocks({m_cameraDock, m_areaDock}, {3, 2}, Qt::Horizontal);
    // A few rows of each table in sight, whatever room the plan would take.
    for (QTableView* view : {m_cameraTable, m_areaTable})
        view->setMinimumHeight(view->fontMetrics().height() * 9);
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
        text = kindOf(after) == ItemKind::Wall ? tr("Change wall") : tr("Change area");
    }
    m_undo->push(new SetItemCommand(m_document, ref, after, text, gesture));
}

void SitePlan::changeBackground(const SiteBackground& after, int gesture) {
    if (m_document.site().background != after)
        m_undo->push(new SetBackgroundCommand(m_document, after, tr("Move background"), gesture));
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
    connect(a.deleteSelection, &QAction::triggered, this, &SitePlan::deleteSelection);
    connect(a.duplicate, &QAction::triggered, this, &SitePlan::duplicateSelection);
    connect(a.addCamera, &QAction::triggered, this, &SitePlan::addCamera);
    connect(a.zoomToFit, &QAction::triggered, m_view, &PlanView::zoomToFit);
    connect(a.zoomIn, &QAction::triggered, this, [this] { m_view->zoomBy(ZoomStep); });
    connect(a.zoomOut, &QAction::triggered, this, [this] { m_view->zoomBy(1 / ZoomStep); });
    connect(m_actions, &SitePlanActions::levelSetChosen, this, [this](const LevelSet& chosen) {
        m_undo->push(new SetLevelSetCommand(
            m_document, chosen, tr("Level set %1").arg(CoverageText::levelSetName(chosen))));
    });
    // The plan's tools, each on while its action is checked.
    using Points = const std::vector<PlanPoint>&;
    m_view->addTool(a.addWall,
                    std::make_unique<WallTool>(*m_view, [this](Points p) { addWall(p); }));
    m_view->addTool(a.addArea,
                    std::make_unique<AreaTool>(*m_view, [this](Points p) { addArea(p); }));
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
    m_legendDock->setWindowTitle(tr("Legend"));
    m_areaPanelDock->setWindowTitle(tr("Area"));
    m_areaPanel->retranslate();
    m_legend->setAccessibleName(tr("Legend"));
    showLegend();
    m_cameraTable->setAccessibleName(tr("Cameras"));
    m_areaTable->setAccessibleName(tr("Areas"));
    m_view->setAccessibleName(tr("Plan"));
    m_view->describeKeys();
    m_cameraModel->retranslate();
    m_areaModel->retranslate();
    m_panel->retranslate();
    showToolHint();
}

std::optional<ItemRef> SitePlan::selectedArea() const {
    const std::vector<ItemRef> refs = m_view->selection();
    if (refs.size() == 1 && refs.front().kind == ItemKind::Area && m_document.holds(refs.front()))
        return refs.front();
    return std::nullopt;
}

void SitePlan::showArea() {
    const std::optional<ItemRef> ref = selectedArea();
    m_areaPanel->present(ref ? std::optional(std::get<SiteArea>(m_document.item(*ref)))
                             : std::nullopt,
                         m_document.site().levelSet);
}

void SitePlan::showLegend() {
    m_legend->showEntries(SiteDeliverables(m_document.site(), *m_coverage).legend());
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
    m_hint->setText(m_view->tool().hint());
}

void SitePlan::insertItems(std::vector<std::pair<ItemRef, SiteItem>> items, const QString& text) {
    std::vector<ItemRef> refs;
    for (const auto& item : items)
        refs.push_back(item.first);
    m_undo->push(new InsertItemsCommand(m_document, std::move(items),
                                        InsertItemsCommand::Direction::Insert, text));
    m_view->select(refs);
}

void SitePlan::addCamera() {
    SiteCamera camera =
        cameraFromCalculator(m_reading, m_settings.inputs(), m_lens, m_document.site().levelSet);
    camera.name = freeName(tr("Camera"), m_document.names(ItemKind::Camera));
    camera.position = m_view->centre();
    insertItems({{{ItemKind::Camera, m_document.count(ItemKind::Camera)}, camera}},
                tr("Add camera"));
}

void SitePlan::addWall(const std::vector<PlanPoint>& points) {
    insertItems({{{ItemKind::Wall, m_document.count(ItemKind::Wall)}, SiteWall{points}}},
                tr("Add wall"));
}

void SitePlan::addArea(const std::vector<PlanPoint>& points) {
    const SiteArea area{freeName(tr("Area"), m_document.names(ItemKind::Area)),
                        m_settings.inputs().level, points};
    insertItems({{{ItemKind::Area, m_document.count(ItemKind::Area)}, area}}, tr("Add area"));
}

void SitePlan::deleteSelection() {
    if (m_view->deletePickedPoint())
        return;
    std::vector<std::pair<ItemRef, SiteItem>> items;
    for (const ItemRef& ref : m_view->selection())
        items.emplace_back(ref, m_document.item(ref));
    if (!items.empty())
        m_undo->push(new InsertItemsCommand(m_document, std::move(items),
                                            InsertItemsCommand::Direction::Remove, tr("Delete")));
}

void SitePlan::duplicateSelection() {
    std::vector<std::pair<ItemRef, SiteItem>> copies;
    std::map<ItemKind, int> next;
    std::map<ItemKind, QStringList> names;
    for (const ItemRef& ref : m_view->selection()) {
        if (!next.count(ref.kind)) {
            next[ref.kind] = m_document.count(ref.kind);
            names[ref.kind] = m_document.names(ref.kind);
        }
        SiteItem copy = translated(m_document.item(ref), CopyOffsetMetres, -CopyOffsetMetres);
        if (auto* camera = std::get_if<SiteCamera>(&copy))
            names[ref.kind].append(camera->name = copyName(camera->name, names[ref.kind]));
        else if (auto* area = std::get_if<SiteArea>(&copy))
            names[ref.kind].append(area->name = copyName(area->name, names[ref.kind]));
        copies.emplace_back(ItemRef{ref.kind, next[ref.kind]++}, copy);
    }
    if (!copies.empty())
        insertItems(std::move(copies), tr("Duplicate"));
}

void SitePlan::nudge(double dx, double dy) {
    const std::vector<ItemRef> refs = m_view->selection();
    m_undo->beginMacro(tr("Move"));
    for (const ItemRef& ref : refs)
        m_undo->push(new SetItemCommand(m_document, ref, translated(m_document.item(ref), dx, dy),
                                        tr("Move")));
    m_undo->endMacro();
    m_view->select(refs);
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
