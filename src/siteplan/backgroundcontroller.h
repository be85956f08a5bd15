// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "site/sitedocument.h"

#include <QObject>
#include <functional>
#include <optional>
#include <vector>

class QUndoStack;
class QWidget;

namespace vistaro {

class PlanImport;
class PlanView;
class SitePlanActions;

// The floor plan under the site: loaded, scaled by two points and the distance between them,
// shown, dimmed or locked, and a drawing's layers hidden or made walls; each an undo step. The
// plan shows the picture the site's background names, and the actions follow it.
class BackgroundController : public QObject {
    Q_OBJECT

public:
    // Adds items to the site and selects them, as one undo step named `text`.
    using Insert =
        std::function<void(std::vector<std::pair<ItemRef, SiteItem>> items, const QString& text)>;
    BackgroundController(QWidget& window, SiteDocument& document, QUndoStack& undo, PlanView& view,
                         SitePlanActions& actions, Insert insert);

    // Reads the floor plans and asks what they leave open.
    PlanImport& planImport() const { return *m_plans; }
    // Asks for the distance between two points of the plan and scales the background by it.
    void setScale(const std::vector<PlanPoint>& points);

signals:
    // What a change made that the plan does not show at once, for the status bar.
    void said(const QString& message);

private:
    void load();
    void editDxfLayers();
    // The background of the storey on show.
    const std::optional<SiteBackground>& onShow() const;
    void showStorey();
    void showPicture();
    void showActions();
    void changeBy(const std::function<void(SiteBackground&)>& apply, const QString& text);

    QWidget& m_window;
    SiteDocument& m_document;
    QUndoStack& m_undo;
    PlanView& m_view;
    SitePlanActions& m_actions;
    Insert m_insert;
    PlanImport* m_plans;
    std::optional<SiteBackground> m_pictureShown; // what the plan shows, as the background says
};

} // namespace vistaro
