// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "siteplan/backgroundcontroller.h"

#include "optics/units.h"
#include "platform/dialogs.h"
#include "platform/messagebox.h"
#include "site/plancoordinates.h"
#include "site/sitefile.h"
#include "siteplan/planimport.h"
#include "siteplan/planview.h"
#include "siteplan/siteplanactions.h"
#include "siteplan/siteundo.h"

#include <QAction>
#include <QDir>
#include <QUndoStack>
#include <cmath>

namespace vistaro {

namespace {

constexpr double DimOpacity = 0.35;

} // namespace

BackgroundController::BackgroundController(QWidget& window, SiteDocument& document,
                                           QUndoStack& undo, PlanView& view,
                                           SitePlanActions& actions, Insert insert)
    : QObject(&window), m_window(window), m_document(document), m_undo(undo), m_view(view),
      m_actions(actions), m_insert(std::move(insert)), m_plans(new PlanImport(&window)) {
    connect(actions.loadBackground, &QAction::triggered, this, &BackgroundController::load);
    connect(actions.dxfLayers, &QAction::triggered, this, &BackgroundController::editDxfLayers);
    connect(actions.showBackground, &QAction::triggered, this, [this](bool checked) {
        changeBy([checked](SiteBackground& b) { b.visible = checked; },
                 checked ? tr("Show background") : tr("Hide background"));
    });
    connect(actions.dimBackground, &QAction::triggered, this, [this](bool checked) {
        changeBy([checked](SiteBackground& b) { b.opacity = checked ? DimOpacity : 1; },
                 checked ? tr("Dim background") : tr("Brighten background"));
    });
    connect(actions.lockBackground, &QAction::triggered, this, [this](bool checked) {
        changeBy([checked](SiteBackground& b) { b.locked = checked; },
                 checked ? tr("Lock background") : tr("Unlock background"));
    });
    for (const auto signal : {&SiteDocument::siteReset, &SiteDocument::backgroundChanged})
        connect(&m_document, signal, this, &BackgroundController::showStorey);
    connect(&m_view, &PlanView::storeyChanged, this, &BackgroundController::showStorey);
    showActions();
}

const std::optional<SiteBackground>& BackgroundController::onShow() const {
    return m_document.site().storeys.at(static_cast<std::size_t>(m_view.storey())).background;
}

void BackgroundController::showStorey() {
    showPicture();
    showActions();
}

void BackgroundController::load() {
    const QString path =
        Dialogs::current().openFile(&m_window, tr("Background picture"), QString(),
                                    tr("Floor plans (*.png *.jpg *.jpeg *.svg *.dxf *.pdf)"));
    if (path.isEmpty())
        return;
    const auto chosen = m_plans->choose(path, m_view.centre());
    if (const auto* problem = std::get_if<QString>(&chosen)) {
        showMessage(&m_window, tr("The background picture %1 cannot be shown: %2")
                                   .arg(QDir::toNativeSeparators(path), *problem));
        return;
    }
    if (const auto* background = std::get_if<SiteBackground>(&chosen)) {
        m_pictureShown.reset(); // the file just read is shown, even when it was on show before
        // The first drawing of a site sets its reference point: the drawing's corner, which may
        // lie far from the origin.
        const std::optional<PlanPoint> corner = m_plans->lowerLeft(*background);
        const bool reference = corner && !m_document.site().properties.reference;
        m_undo.beginMacro(tr("Load background"));
        m_undo.push(new SetBackgroundCommand(m_document, m_view.storey(), *background,
                                             tr("Load background")));
        if (reference) {
            SiteProperties properties = m_document.site().properties;
            properties.reference = corner;
            m_undo.push(new SetPropertiesCommand(m_document, properties, tr("Load background")));
        }
        m_undo.endMacro();
        // A drawing lies where its coordinates put it, which the view may not show.
        if (backgroundKind(path) == BackgroundKind::Dxf)
            m_view.zoomToFit();
    }
}

void BackgroundController::setScale(const std::vector<PlanPoint>& points) {
    const std::optional<SiteBackground>& background = onShow();
    if (!background || points.size() != 2)
        return;
    const Units units = m_document.site().units;
    const double unit = unitLength(units);
    const double shown = std::hypot(points[1].x - points[0].x, points[1].y - points[0].y) / unit;
    const std::optional<double> typed = Dialogs::current().number(
        &m_window, tr("Background scale"),
        tr("Distance between the two points (%1):").arg(lengthUnit(units)), shown, 0.001, 1e6, 3);
    if (!typed)
        return;
    const std::optional<SiteBackground> scaled =
        scaledBackground(*background, pixelOfPlan(*background, points[0]),
                         pixelOfPlan(*background, points[1]), *typed * unit);
    if (scaled)
        m_undo.push(new SetBackgroundCommand(m_document, m_view.storey(), scaled,
                                             tr("Set background scale")));
}

void BackgroundController::showPicture() {
    const std::optional<SiteBackground>& background = onShow();
    if (background.has_value() == m_pictureShown.has_value() &&
        (!background || showsTheSame(*background, *m_pictureShown)))
        return;
    m_pictureShown = background;
    if (!background) {
        m_view.showPicture({});
        return;
    }
    const auto picture = m_plans->picture(*background);
    if (const auto* shown = std::get_if<BackgroundPicture>(&picture)) {
        m_view.showPicture(*shown);
        return;
    }
    m_view.showPicture({});
    if (const auto* problem = std::get_if<QString>(&picture))
        showMessage(&m_window, tr("The background picture %1 cannot be shown: %2")
                                   .arg(QDir::toNativeSeparators(background->file), *problem));
}

void BackgroundController::showActions() {
    const std::optional<SiteBackground>& background = onShow();
    for (QAction* action : {m_actions.showBackground, m_actions.dimBackground,
                            m_actions.lockBackground, m_actions.setScale})
        action->setEnabled(background.has_value());
    m_actions.dxfLayers->setEnabled(background &&
                                    backgroundKind(background->file) == BackgroundKind::Dxf);
    const SiteBackground shown = background.value_or(SiteBackground{});
    const QSignalBlocker show(m_actions.showBackground);
    const QSignalBlocker dim(m_actions.dimBackground);
    const QSignalBlocker lock(m_actions.lockBackground);
    m_actions.showBackground->setChecked(shown.visible);
    m_actions.dimBackground->setChecked(shown.opacity < 1);
    m_actions.lockBackground->setChecked(shown.locked);
}

void BackgroundController::changeBy(const std::function<void(SiteBackground&)>& apply,
                                    const QString& text) {
    std::optional<SiteBackground> background = onShow();
    if (!background)
        return;
    apply(*background);
    m_undo.push(new SetBackgroundCommand(m_document, m_view.storey(), background, text));
}

void BackgroundController::editDxfLayers() {
    if (!onShow())
        return;
    const SiteBackground background = *onShow();
    const std::optional<LayerEdit> edit = m_plans->editLayers(background);
    if (edit && (!edit->obstacles.empty() || edit->openOutlines > 0)) {
        const int made = static_cast<int>(edit->obstacles.size());
        const int open = edit->openOutlines;
        QString text = made == 1 ? tr("%n obstacle made from the drawing's layers", nullptr, made)
                                 : tr("%n obstacles made from the drawing's layers", nullptr, made);
        if (open > 0)
            text += open == 1 ? tr("; %n open outline passed over", nullptr, open)
                              : tr("; %n open outlines passed over", nullptr, open);
        emit said(text);
    }
    if (!edit || (!edit->hidden && edit->walls.empty() && edit->obstacles.empty()))
        return;
    // Layers hidden, walls and obstacles made are undone together.
    m_undo.beginMacro(tr("Change drawing layers"));
    if (edit->hidden) {
        SiteBackground changed = background;
        changed.hiddenLayers = edit->hidden;
        m_undo.push(new SetBackgroundCommand(m_document, m_view.storey(), changed,
                                             tr("Change drawing layers")));
    }
    std::vector<std::pair<ItemRef, SiteItem>> walls;
    int index = m_document.count(ItemKind::Wall);
    for (const SiteWall& wall : edit->walls)
        walls.emplace_back(ItemRef{ItemKind::Wall, index++}, onStorey(wall, m_view.storey()));
    if (!walls.empty())
        m_insert(std::move(walls), tr("Walls from layers"));
    std::vector<std::pair<ItemRef, SiteItem>> obstacles;
    QStringList taken = m_document.names(ItemKind::Obstacle);
    index = m_document.count(ItemKind::Obstacle);
    for (SiteObstacle obstacle : edit->obstacles) {
        obstacle.name = freeName(obstacle.name, taken);
        taken.append(obstacle.name);
        obstacles.emplace_back(ItemRef{ItemKind::Obstacle, index++}, obstacle);
    }
    if (!obstacles.empty())
        m_insert(std::move(obstacles), tr("Obstacles from layers"));
    m_undo.endMacro();
}

} // namespace vistaro
