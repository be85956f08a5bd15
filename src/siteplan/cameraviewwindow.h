// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "preview/targets.h"
#include "render/renderview.h"
#include "render/standingpictures.h"
#include "render/storeyscenes.h"
#include "site/sitedocument.h"

#include <QImage>
#include <QString>
#include <QWidget>
#include <optional>
#include <variant>

class QAction;
class QComboBox;
class QLabel;
class QTimer;

namespace vistaro {

class PlanLegend;

// The camera's picture fitted to the widget at its aspect, centred; or, when there is none, the
// line that says why. From the keyboard, the arrows move a cross over it (with Shift, ten pixels
// a step) and Enter or Space clicks where it is.
class ViewPicture : public QWidget {
    Q_OBJECT

public:
    explicit ViewPicture(QWidget* parent = nullptr);

    void showPicture(const QImage& image);
    void showReason(const QString& reason);
    const QImage& image() const { return m_image; }
    const QString& reason() const { return m_reason; }
    // Where the picture is drawn, pixel for pixel.
    QRect pictureRect() const;

signals:
    void resized();
    // Over the picture's pixel `pixel`; none when off it.
    void hovered(std::optional<QPoint> pixel);
    void clicked(QPoint pixel);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QImage m_image;
    QPoint m_cross; // the keyboard's pixel, kept inside the picture
    QString m_reason;
};

// A target of the preview standing at a point of a storey's floor.
struct PlacedTarget {
    Target target = Target::Face;
    PlanPoint at;
    int storey = 0;
};

// What the selected camera of the site sees, drawn again as the site or the camera changes (a
// burst of changes once), with the levels' legend and what the pointer is over; copied, or saved
// as PNG at the camera's resolution. The preview's targets placed on the floor stand in it as
// the camera's pixels show them there. Modeless; the site plan says which camera to show.
class CameraViewWindow : public QWidget {
    Q_OBJECT

public:
    CameraViewWindow(const SiteDocument& document, QWidget* parent = nullptr);

    // The camera at `index` in the site's list, or none.
    void showCamera(std::optional<int> index);
    // The camera's picture at its resolution, or why there is none.
    std::variant<QImage, QString> fullPicture();
    // `target` standing at `at`, on the storey of the camera on show.
    void placeTarget(Target target, PlanPoint at);
    // The target chosen in the drop-down, if any, standing at `at`; then none is chosen. False
    // when none was.
    bool placeChosen(PlanPoint at);
    const std::vector<PlacedTarget>& targets() const { return m_targets; }

protected:
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void retranslate();
    void schedule();
    void render();
    // The camera on show, if the site still holds it.
    const SiteCamera* camera() const;
    // The picture of `size` pixels, or why there is none.
    std::variant<CameraView, QString> pictureOf(QSize size);
    // Each placed target of the camera's storey as `rays` show it.
    std::vector<StandingPicture> standingTargets(const SiteCamera& camera,
                                                 const CameraRays& rays) const;
    void showHover(std::optional<QPoint> pixel);
    void placeAt(QPoint pixel);
    QString describe(const ViewPoint& point) const;
    void copyPicture();
    void savePicture();

    const SiteDocument& m_document;
    std::optional<int> m_camera;
    StoreyScenes m_scenes;
    std::optional<CameraView> m_view;
    std::optional<LevelSet> m_legendLevels;
    std::vector<PlacedTarget> m_targets;
    QTimer* m_render = nullptr;
    ViewPicture* m_picture = nullptr;
    PlanLegend* m_legend = nullptr;
    QLabel* m_hover = nullptr;
    QAction* m_copy = nullptr;
    QAction* m_save = nullptr;
    QAction* m_close = nullptr;
    QAction* m_clear = nullptr;
    QLabel* m_placeLabel = nullptr;
    QComboBox* m_place = nullptr; // none, then the targets that can be placed
};

} // namespace vistaro
