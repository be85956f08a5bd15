// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/cameraviewwindow.h"

#include "optics/coverageformat.h"
#include "platform/dialogs.h"
#include "platform/forms.h"
#include "platform/messagebox.h"
#include "platform/settingspath.h"
#include "preview/camerapixels.h"
#include "report/reportfiles.h"
#include "site/footprint.h"
#include "site/sitedeliverables.h"
#include "siteplan/planlegend.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSettings>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cmath>

namespace vistaro {

namespace {

const QString GeometryKey = QStringLiteral("CameraView/geometry");
// What can be placed, in the order of the drop-down after its first item (none).
constexpr std::array<Target, 3> Placeable{Target::Face, Target::Person, Target::Plate};
// The heights of the targets' centres: a face as a standing person's, a plate as a car's.
constexpr double FaceCentreM = 1.6;
constexpr double PlateCentreM = 0.5;

// The camera's picture shape: its pixels across and down.
QSize resolution(const SiteCamera& camera) {
    return {camera.camera.image.columns, camera.camera.image.rows};
}

} // namespace

ViewPicture::ViewPicture(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(320, 180);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ViewPicture::showPicture(const QImage& image) {
    if (image.size() != m_image.size())
        m_cross = QPoint(image.width() / 2, image.height() / 2);
    m_image = image;
    m_reason.clear();
    setAccessibleDescription({});
    update();
}

void ViewPicture::showReason(const QString& reason) {
    m_image = {};
    m_reason = reason;
    setAccessibleDescription(reason);
    update();
}

QRect ViewPicture::pictureRect() const {
    QRect shown(QPoint(), m_image.size());
    shown.moveCenter(rect().center());
    return shown;
}

void ViewPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (m_image.isNull())
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, m_reason);
    else
        painter.drawImage(pictureRect().topLeft(), m_image);
    if (hasFocus() && !m_image.isNull()) {
        const QPoint at = pictureRect().topLeft() + m_cross;
        constexpr int Arm = 8;
        painter.setPen(QPen(palette().highlight(), 2));
        painter.drawLine(at - QPoint(Arm, 0), at + QPoint(Arm, 0));
        painter.drawLine(at - QPoint(0, Arm), at + QPoint(0, Arm));
    }
}

void ViewPicture::keyPressEvent(QKeyEvent* event) {
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    QPoint move;
    switch (event->key()) {
    case Qt::Key_Left:
        move = {-step, 0};
        break;
    case Qt::Key_Right:
        move = {step, 0};
        break;
    case Qt::Key_Up:
        move = {0, -step};
        break;
    case Qt::Key_Down:
        move = {0, step};
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!m_image.isNull())
            emit clicked(m_cross);
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (m_image.isNull())
        return;
    m_cross = QPoint(std::clamp(m_cross.x() + move.x(), 0, m_image.width() - 1),
                     std::clamp(m_cross.y() + move.y(), 0, m_image.height() - 1));
    emit hovered(m_cross);
    update();
}

void ViewPicture::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (!m_image.isNull())
        emit hovered(m_cross);
    update();
}

void ViewPicture::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void ViewPicture::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized();
}

void ViewPicture::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pixel = event->position().toPoint() - pictureRect().topLeft();
    emit hovered(QRect(QPoint(), m_image.size()).contains(pixel) ? std::optional(pixel)
                                                                 : std::nullopt);
}

void ViewPicture::mousePressEvent(QMouseEvent* event) {
    const QPoint pixel = event->position().toPoint() - pictureRect().topLeft();
    if (event->button() == Qt::LeftButton && QRect(QPoint(), m_image.size()).contains(pixel))
        emit clicked(pixel);
    QWidget::mousePressEvent(event);
}

void ViewPicture::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit hovered(std::nullopt);
}

CameraViewWindow::CameraViewWindow(const SiteDocument& document, QWidget* parent)
    : QWidget(parent, Qt::Window), m_document(document) {
    setObjectName(QStringLiteral("CameraView"));
    setWindowIconIfPresent(this);
    m_render = new QTimer(this);
    m_render->setSingleShot(true);
    m_render->setInterval(0);
    connect(m_render, &QTimer::timeout, this, &CameraViewWindow::render);

    m_copy = named<QAction>("CopyCameraView", this);
    m_copy->setShortcut(QKeySequence::Copy);
    m_save = named<QAction>("SaveCameraView", this);
    m_save->setShortcut(QKeySequence::Save);
    m_clear = named<QAction>("ClearTargets", this);
    m_close = named<QAction>("CloseCameraView", this);
    m_close->setShortcut(Qt::Key_Escape);
    addActions({m_copy, m_save, m_close});
    connect(m_copy, &QAction::triggered, this, &CameraViewWindow::copyPicture);
    connect(m_save, &QAction::triggered, this, &CameraViewWindow::savePicture);
    connect(m_close, &QAction::triggered, this, &QWidget::close);
    connect(m_clear, &QAction::triggered, this, [this] {
        m_targets.clear();
        schedule();
    });

    auto* root = new QVBoxLayout(this);
    auto* tools = new QHBoxLayout;
    m_placeLabel = named<QLabel>("PlaceTargetLabel", this);
    m_place = named<QComboBox>("PlaceTarget", this);
    m_place->addItem(QString());
    for (std::size_t i = 0; i < Placeable.size(); ++i)
        m_place->addItem(QString());
    m_placeLabel->setBuddy(m_place);
    tools->addWidget(m_placeLabel);
    tools->addWidget(m_place);
    tools->addStretch(1);
    for (QAction* action : {m_clear, m_copy, m_save}) {
        auto* button = new QToolButton(this);
        button->setObjectName(action->objectName() + QStringLiteral("Button"));
        button->setDefaultAction(action);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setFocusPolicy(Qt::StrongFocus);
        tools->addWidget(button);
    }
    root->addLayout(tools);
    auto* middle = new QHBoxLayout;
    m_picture = named<ViewPicture>("CameraViewImage", this);
    m_legend = new PlanLegend(this);
    m_legend->setObjectName(QStringLiteral("CameraViewLegend"));
    m_legend->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    middle->addWidget(m_picture, 1);
    middle->addWidget(m_legend);
    root->addLayout(middle, 1);
    m_hover = named<QLabel>("CameraViewHover", this);
    m_hover->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    root->addWidget(m_hover);

    connect(m_picture, &ViewPicture::resized, this, &CameraViewWindow::schedule);
    connect(m_picture, &ViewPicture::hovered, this, &CameraViewWindow::showHover);
    connect(m_picture, &ViewPicture::clicked, this, &CameraViewWindow::placeAt);
    // Every change of the site may change what the camera sees.
    connect(&m_document, &SiteDocument::siteReset, this, &CameraViewWindow::schedule);
    for (const auto changed :
         {&SiteDocument::itemsChanged, &SiteDocument::itemsInserted, &SiteDocument::itemsRemoved})
        connect(&m_document, changed, this, &CameraViewWindow::schedule);
    retranslate();
    resize(900, 600);
    restoreGeometry(windowSettings()->value(GeometryKey).toByteArray());
}

void CameraViewWindow::showCamera(std::optional<int> index) {
    m_camera = index;
    schedule();
}

const SiteCamera* CameraViewWindow::camera() const {
    const std::vector<SiteCamera>& cameras = m_document.site().cameras;
    return m_camera && *m_camera >= 0 && *m_camera < int(cameras.size())
               ? &cameras[std::size_t(*m_camera)]
               : nullptr;
}

void CameraViewWindow::schedule() {
    if (isVisible())
        m_render->start();
}

std::variant<CameraView, QString> CameraViewWindow::pictureOf(QSize size) {
    const SiteCamera* shown = camera();
    if (!shown)
        return tr("Select a camera to see its view.");
    const Site& site = m_document.site();
    const RenderScene& scene = m_scenes.scene(site, shown->storey);
    auto drawn = renderView(scene, site, *m_camera, size.width(), size.height());
    auto* view = std::get_if<CameraView>(&drawn);
    if (!view)
        return drawn;
    if (const std::optional<CameraRays> rays = CameraRays::of(*shown, site.levelSet, size))
        drawStanding(view->image, scene, *rays, standingTargets(*shown, *rays));
    return drawn;
}

std::vector<StandingPicture> CameraViewWindow::standingTargets(const SiteCamera& camera,
                                                               const CameraRays& rays) const {
    std::vector<StandingPicture> standing;
    const std::optional<LensFocus> focus = cameraCoverage(camera, m_document.site().levelSet).focus;
    for (const PlacedTarget& placed : m_targets) {
        if (placed.storey != camera.storey)
            continue;
        const Target target = placed.target;
        const QSizeF sizeM = targetSize(target);
        const double centreM = target == Target::Face    ? FaceCentreM
                               : target == Target::Plate ? PlateCentreM
                                                         : sizeM.height() / 2;
        const Vec3 centre{placed.at.x, placed.at.y, centreM};
        const std::optional<QPointF> pixel = rays.pixelOf(centre);
        const std::optional<PictureRay> ray =
            pixel ? rays.localRay(pixel->x(), pixel->y()) : std::nullopt;
        const Vec3 to = centre - rays.origin();
        const double distanceM = std::sqrt(dot(to, to));
        const std::optional<double> density =
            ray ? rays.densityAt(ray->offAxisRad, distanceM) : std::nullopt;
        if (!density)
            continue;
        // As the preview makes it at that density, blurred as the lens blurs it there.
        const double blur = focus ? blurPixels(*focus, distanceM).value_or(0) : 0;
        const QImage made =
            optionedPixels(blurredPixels(averagedPixels(target, *density), target, *density, blur),
                           target, *density, {});
        if (!made.isNull())
            standing.push_back({made, placed.at, centreM, sizeM});
    }
    return standing;
}

void CameraViewWindow::placeTarget(Target target, PlanPoint at) {
    const SiteCamera* shown = camera();
    m_targets.push_back({target, at, shown ? shown->storey : 0});
    schedule();
}

bool CameraViewWindow::placeChosen(PlanPoint at) {
    const int chosen = m_place->currentIndex() - 1;
    if (chosen < 0)
        return false;
    placeTarget(Placeable.at(std::size_t(chosen)), at);
    m_place->setCurrentIndex(0);
    return true;
}

void CameraViewWindow::placeAt(QPoint pixel) {
    if (!m_view)
        return;
    if (const std::optional<PlanPoint> floor = m_view->at(pixel).floorPoint)
        placeChosen(*floor);
}

void CameraViewWindow::render() {
    const SiteCamera* shown = camera();
    setWindowTitle(shown ? tr("View: %1").arg(shown->name) : tr("View from camera"));
    const LevelSet& levels = m_document.site().levelSet;
    if (m_legendLevels != levels) {
        m_legend->showEntries(SiteDeliverables::legend(levels));
        m_legendLevels = levels;
        // As wide as its widest entry: the picture takes the rest.
        m_legend->setFixedWidth(m_legend->sizeHintForColumn(0) + 2 * m_legend->frameWidth());
    }
    // As large as the widget holds at the camera's aspect.
    const QSize size = shown && !resolution(*shown).isEmpty()
                           ? resolution(*shown).scaled(m_picture->size(), Qt::KeepAspectRatio)
                           : m_picture->size();
    auto drawn = pictureOf(size);
    m_view.reset();
    if (auto* reason = std::get_if<QString>(&drawn)) {
        m_picture->showReason(*reason);
    } else {
        m_view = std::move(std::get<CameraView>(drawn));
        m_picture->showPicture(m_view->image);
    }
    m_hover->clear();
}

std::variant<QImage, QString> CameraViewWindow::fullPicture() {
    const SiteCamera* shown = camera();
    auto drawn = pictureOf(shown ? resolution(*shown) : QSize());
    if (auto* reason = std::get_if<QString>(&drawn))
        return *reason;
    return std::get<CameraView>(drawn).image;
}

void CameraViewWindow::showHover(std::optional<QPoint> pixel) {
    m_hover->setText(pixel && m_view ? describe(m_view->at(*pixel)) : QString());
}

QString CameraViewWindow::describe(const ViewPoint& point) const {
    QString what;
    switch (point.kind) {
    case HitKind::None:
        return {};
    case HitKind::Floor:
        what = point.name.isEmpty() ? tr("Floor") : tr("Floor in %1").arg(point.name);
        break;
    case HitKind::Wall:
        what = tr("Wall");
        break;
    case HitKind::Obstacle:
        what = tr("Obstacle %1").arg(point.name);
        break;
    case HitKind::Person:
        what = tr("Person at %1").arg(point.name);
        break;
    }
    if (point.deadZone)
        return tr("%1: dead zone").arg(what);
    if (!point.densityPerM)
        return what;
    const Site& site = m_document.site();
    const QString density = CoverageText::density(point.densityPerM, site.units);
    if (!point.level)
        return tr("%1: %2").arg(what, density);
    return tr("%1: %2, %3")
        .arg(what, density, CoverageText::levelName(site.levelSet, *point.level));
}

void CameraViewWindow::copyPicture() {
    if (!m_picture->image().isNull())
        QApplication::clipboard()->setImage(m_picture->image());
}

void CameraViewWindow::savePicture() {
    const SiteCamera* shown = camera();
    if (!shown)
        return;
    const QString path = askSavePath(
        [this](const QString& proposed) {
            return Dialogs::current().saveFile(this, tr("Save the camera's view as PNG"), proposed,
                                               tr("PNG pictures (*.png)"));
        },
        tr("View %1").arg(shown->name), QStringLiteral("png"));
    if (path.isEmpty())
        return;
    const auto picture = fullPicture();
    if (const auto* reason = std::get_if<QString>(&picture))
        showMessage(this, *reason);
    else if (const auto failure = saveImage(path, std::get<QImage>(picture)))
        showMessage(this, *failure);
}

void CameraViewWindow::retranslate() {
    m_copy->setText(tr("&Copy"));
    m_save->setText(tr("&Save as PNG..."));
    m_close->setText(tr("Close"));
    m_clear->setText(tr("C&lear targets"));
    m_placeLabel->setText(tr("Place &target:"));
    m_place->setItemText(0, tr("None"));
    for (std::size_t i = 0; i < Placeable.size(); ++i)
        m_place->setItemText(int(i) + 1, TargetText::name(Placeable[i]));
    m_place->setAccessibleName(tr("Target to place with a click on the floor"));
    m_place->setToolTip(tr("Choose a target, then click the floor in the picture or on the plan "
                           "to stand it there"));
    m_picture->setAccessibleName(tr("View from the camera"));
    m_picture->setToolTip(tr("The arrows move a cross over the picture (Shift: faster); Enter "
                             "places the chosen target there"));
    m_legend->setAccessibleName(tr("Legend"));
    m_hover->setAccessibleName(tr("What the pointer is over"));
    for (QToolButton* button : findChildren<QToolButton*>())
        button->setAccessibleName(button->defaultAction()->text().remove(u'&'));
    // The legend's texts are in the language on show too.
    m_legendLevels.reset();
    render();
}

void CameraViewWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void CameraViewWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    schedule();
}

void CameraViewWindow::hideEvent(QHideEvent* event) {
    windowSettings()->setValue(GeometryKey, saveGeometry());
    QWidget::hideEvent(event);
}

} // namespace vistaro
