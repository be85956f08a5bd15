// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/camerapanel.h"

#include "optics/coverageformat.h"
#include "optics/lensfields.h"
#include "optics/reading.h"
#include "optics/units.h"
#include "site/sitefile.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace vistaro {

namespace {

template <typename Control> Control* named(const char* name, QWidget* parent) {
    auto* control = new Control(parent);
    control->setObjectName(QLatin1String(name));
    return control;
}

// The panel's rows by their field's object name; a length's caption takes its unit.
struct Caption {
    const char* field;
    const char* text;
    bool length;
};
constexpr Caption Captions[] = {
    {"CameraName", QT_TRANSLATE_NOOP("vistaro::CameraPanel", "Name"), false},
    {"CameraX", QT_TRANSLATE_NOOP("vistaro::CameraPanel", "East (%1)"), true},
    {"CameraY", QT_TRANSLATE_NOOP("vistaro::CameraPanel", "North (%1)"), true},
    {"CameraPan", QT_TRANSLATE_NOOP("vistaro::CameraPanel", "Pan (\u00b0 from east)"), false},
    {"CameraHeight", QT_TRANSLATE_NOOP("vistaro::CameraPanel", "Mounting height (%1)"), true},
    {"CameraAim", QT_TRANSLATE_NOOP("vistaro::CameraPanel", "Aimed by"), false},
    {"CameraTargetHeight", QT_TRANSLATE_NOOP("vistaro::CameraPanel", "Target height (%1)"), true},
    {"CameraTilt", QT_TRANSLATE_NOOP("vistaro::CameraPanel", "Tilt (\u00b0 down)"), false},
    {"CameraDistance", QT_TRANSLATE_NOOP("vistaro::CameraPanel", "Aim distance (%1)"), true},
    {"SensorWidth", QT_TRANSLATE_NOOP("vistaro::CameraPanel", "Sensor width (mm)"), false},
    {"SensorHeight", QT_TRANSLATE_NOOP("vistaro::CameraPanel", "Sensor height (mm)"), false},
    {"Columns", QT_TRANSLATE_NOOP("vistaro::CameraPanel", "Columns"), false},
    {"Rows", QT_TRANSLATE_NOOP("vistaro::CameraPanel", "Rows"), false},
    {"Focal", QT_TRANSLATE_NOOP("vistaro::CameraPanel", "Focal length (mm)"), false},
    {"FocalTele", QT_TRANSLATE_NOOP("vistaro::CameraPanel", "Tele end (mm)"), false},
    {"CameraProjection", QT_TRANSLATE_NOOP("vistaro::CameraPanel", "Projection"), false},
    {"CameraDatasheetAngle",
     QT_TRANSLATE_NOOP("vistaro::CameraPanel", "Datasheet angle (\u00b0 across)"), false},
    {"Lens", QT_TRANSLATE_NOOP("vistaro::CameraPanel", "Lens"), false},
    {"CameraLevel", QT_TRANSLATE_NOOP("vistaro::CameraPanel", "Level wanted"), false},
};

// The fields scroll up and down in whatever height the window leaves the panel, at any font
// size; across, the area is as wide as they are.
class FieldScroll : public QScrollArea {
public:
    explicit FieldScroll(QWidget* parent) : QScrollArea(parent) {
        setWidgetResizable(true);
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    QSize minimumSizeHint() const override {
        return {fieldsWidth(), QScrollArea::minimumSizeHint().height()};
    }
    QSize sizeHint() const override {
        return {fieldsWidth(), widget() ? widget()->sizeHint().height() : 0};
    }

private:
    int fieldsWidth() const {
        return (widget() ? widget()->minimumSizeHint().width() : 0) +
               verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
    }
};

QString caption(const QString& field, Units units) {
    for (const Caption& row : Captions)
        if (field == QLatin1String(row.field)) {
            const QString text = CameraPanel::tr(row.text);
            return row.length ? text.arg(lengthUnit(units)) : text;
        }
    return {};
}

} // namespace

CameraPanel::CameraPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CameraPanel"));
    auto* layout = new QVBoxLayout(this);
    m_hint = named<QLabel>("CameraPanelHint", this);
    m_hint->setWordWrap(true);
    layout->addWidget(m_hint);
    auto* scroll = new FieldScroll(this);
    m_fields = scroll;
    scroll->setObjectName(QStringLiteral("CameraFields"));
    auto* fields = new QWidget(scroll);
    m_form = new QFormLayout(fields);
    m_form->setVerticalSpacing(3);
    m_form->setContentsMargins(0, 0, 0, 0);
    scroll->setWidget(fields);
    layout->addWidget(scroll, 1);

    m_name = named<QLineEdit>("CameraName", this);
    addRow("CameraName", m_name);
    m_x = addNumber("CameraX", -MaxPlanCoordinate, MaxPlanCoordinate, 2);
    m_y = addNumber("CameraY", -MaxPlanCoordinate, MaxPlanCoordinate, 2);
    m_pan = addNumber("CameraPan", 0, 360, 1);
    m_pan->setWrapping(true);
    m_height = addNumber("CameraHeight", 0.01, largestOf(Quantity::MountHeight), 2);
    m_aim = named<QComboBox>("CameraAim", this);
    m_aim->addItems({QString(), QString()});
    addRow("CameraAim", m_aim);
    m_targetHeight = addNumber("CameraTargetHeight", 0, largestOf(Quantity::TargetHeight), 2);
    m_tilt = addNumber("CameraTilt", -89.9, 89.9, 1);
    m_distance = addNumber("CameraDistance", 0.01, largestOf(Quantity::Distance), 2);
    m_sensorWidth = addNumber("SensorWidth", 0.1, largestOf(Quantity::SensorWidth), 3);
    m_sensorHeight = addNumber("SensorHeight", 0.1, largestOf(Quantity::SensorHeight), 3);
    m_columns = named<QSpinBox>("Columns", this);
    m_rows = named<QSpinBox>("Rows", this);
    for (QSpinBox* count : {m_columns, m_rows}) {
        count->setRange(1, static_cast<int>(largestOf(Quantity::Columns)));
        count->setKeyboardTracking(false);
        addRow(count->objectName().toLatin1().constData(), count);
    }
    m_focal = addNumber("Focal", 0.1, largestOf(Quantity::Focal), 2);
    // The lowest value stands for none: a fixed or varifocal lens has no tele end.
    m_focalTele = addNumber("FocalTele", 0, largestOf(Quantity::Focal), 2);
    m_projection = named<QComboBox>("CameraProjection", this);
    for (const Projection projection : AllProjections)
        m_projection->addItem(QString(), static_cast<int>(projection));
    // The projections' names are long: the panel stays narrow, the list opens wide.
    m_projection->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_projection->setMinimumContentsLength(10);
    addRow("CameraProjection", m_projection);
    // The lowest value stands for none: the field follows the focal length. (A special text as
    // long as that would widen the panel.)
    m_datasheetAngle = addNumber("CameraDatasheetAngle", 0, largestOf(Quantity::DatasheetAngle), 1);
    m_lens = named<QLineEdit>("Lens", this);
    addRow("Lens", m_lens);
    m_level = named<QComboBox>("CameraLevel", this);
    addRow("CameraLevel", m_level);
    m_showInCoverage = named<QPushButton>("ShowInCoverage", this);
    m_openPreview = named<QPushButton>("OpenPreview", this);
    m_buttons = new QHBoxLayout;
    m_buttons->addWidget(m_showInCoverage);
    m_buttons->addWidget(m_openPreview);
    layout->addLayout(m_buttons);

    connectFields();
    retranslate();
    present(std::nullopt, Units::Metric, enLevels());
}

QDoubleSpinBox* CameraPanel::addNumber(const char* name, double minimum, double maximum,
                                       int decimals) {
    auto* spin = named<QDoubleSpinBox>(name, this);
    spin->setRange(minimum, maximum);
    spin->setDecimals(decimals);
    // A value counts once typed in whole (Enter or leaving the field) or stepped.
    spin->setKeyboardTracking(false);
    addRow(name, spin);
    return spin;
}

void CameraPanel::addRow(const char* name, QWidget* field) {
    auto* label = new QLabel(this);
    label->setObjectName(QLatin1String(name) + QStringLiteral("Label"));
    label->setBuddy(field);
    m_form->addRow(label, field);
}

void CameraPanel::connectFields() {
    const auto onValue = [this](QDoubleSpinBox* spin, auto apply) {
        connect(spin, &QDoubleSpinBox::valueChanged, this,
                [this, apply](double value) { change([&](SiteCamera& c) { apply(c, value); }); });
    };
    const auto onLength = [&](QDoubleSpinBox* spin, double SiteCamera::*field) {
        onValue(spin, [this, field](SiteCamera& c, double value) {
            c.*field = fromUnits(value, m_units);
        });
    };
    connect(m_name, &QLineEdit::editingFinished, this,
            [this] { change([this](SiteCamera& c) { c.name = m_name->text().trimmed(); }); });
    connect(m_lens, &QLineEdit::editingFinished, this,
            [this] { change([this](SiteCamera& c) { c.lens = m_lens->text().trimmed(); }); });
    onValue(m_x, [this](SiteCamera& c, double v) { c.position.x = fromUnits(v, m_units); });
    onValue(m_y, [this](SiteCamera& c, double v) { c.position.y = fromUnits(v, m_units); });
    onValue(m_pan, [](SiteCamera& c, double v) { c.panDeg = v; });
    onLength(m_height, &SiteCamera::mountHeightM);
    onLength(m_targetHeight, &SiteCamera::targetHeightM);
    onLength(m_distance, &SiteCamera::distanceM);
    onValue(m_tilt, [](SiteCamera& c, double v) { c.tiltDeg = v; });
    onValue(m_sensorWidth, [](SiteCamera& c, double v) { c.camera.sensor.widthMm = v; });
    onValue(m_sensorHeight, [](SiteCamera& c, double v) { c.camera.sensor.heightMm = v; });
    onValue(m_focal, [](SiteCamera& c, double v) { c.focalMm = v; });
    onValue(m_focalTele, [](SiteCamera& c, double v) {
        c.focalTeleMm = v > 0 ? std::optional<double>(v) : std::nullopt;
    });
    onValue(m_datasheetAngle, [](SiteCamera& c, double v) {
        c.lensModel.datasheetAngleHDeg = v > 0 ? std::optional<double>(v) : std::nullopt;
    });
    connect(m_projection, &QComboBox::currentIndexChanged, this, [this](int index) {
        change([index](SiteCamera& c) {
            c.lensModel.projection = AllProjections.at(static_cast<std::size_t>(index));
        });
    });
    connect(m_columns, &QSpinBox::valueChanged, this,
            [this](int v) { change([v](SiteCamera& c) { c.camera.image.columns = v; }); });
    connect(m_rows, &QSpinBox::valueChanged, this,
            [this](int v) { change([v](SiteCamera& c) { c.camera.image.rows = v; }); });
    connect(m_aim, &QComboBox::currentIndexChanged, this, [this](int index) {
        change([index](SiteCamera& c) { c.aim = index == 1 ? Aim::Tilt : Aim::Target; });
    });
    connect(m_level, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            change([index](SiteCamera& c) { c.level = Level(index); });
    });
    connect(m_showInCoverage, &QPushButton::clicked, this, &CameraPanel::showInCoverage);
    connect(m_openPreview, &QPushButton::clicked, this, &CameraPanel::openPreview);
}

void CameraPanel::change(const std::function<void(SiteCamera&)>& apply) {
    if (m_presenting || !m_camera)
        return;
    SiteCamera after = *m_camera;
    apply(after);
    if (after != *m_camera)
        emit edited(after);
}

void CameraPanel::present(const std::optional<SiteCamera>& camera, Units units,
                          const LevelSet& levels) {
    m_presenting = true;
    if (levels != m_levels) {
        m_levels = levels;
        m_level->clear();
        for (Level level = 0; level < levels.size(); ++level)
            m_level->addItem(CoverageText::levelName(levels, level));
    }
    const bool unitsChanged = units != m_units;
    m_camera = camera;
    m_units = units;
    if (unitsChanged)
        retranslate();
    const SiteCamera shown = camera.value_or(SiteCamera{});
    const double unit = unitLength(units);
    const QString suffix = u' ' + lengthUnit(units);
    for (QDoubleSpinBox* length : {m_x, m_y, m_height, m_targetHeight, m_distance})
        length->setSuffix(suffix);
    // As far as a site file reaches, in the units on show.
    for (QDoubleSpinBox* coordinate : {m_x, m_y})
        coordinate->setRange(-MaxPlanCoordinate / unit, MaxPlanCoordinate / unit);
    m_name->setText(shown.name);
    m_x->setValue(shown.position.x / unit);
    m_y->setValue(shown.position.y / unit);
    m_pan->setValue(shown.panDeg);
    m_height->setValue(shown.mountHeightM / unit);
    m_aim->setCurrentIndex(shown.aim == Aim::Tilt ? 1 : 0);
    m_targetHeight->setValue(shown.targetHeightM / unit);
    m_tilt->setValue(shown.tiltDeg);
    m_distance->setValue(shown.distanceM / unit);
    m_sensorWidth->setValue(shown.camera.sensor.widthMm);
    m_sensorHeight->setValue(shown.camera.sensor.heightMm);
    m_columns->setValue(shown.camera.image.columns);
    m_rows->setValue(shown.camera.image.rows);
    m_focal->setValue(shown.focalMm);
    m_focalTele->setValue(shown.focalTeleMm.value_or(0));
    m_projection->setCurrentIndex(static_cast<int>(shown.lensModel.projection));
    m_datasheetAngle->setValue(shown.lensModel.datasheetAngleHDeg.value_or(0));
    m_lens->setText(shown.lens);
    m_level->setCurrentIndex(static_cast<int>(shown.level));
    for (int row = 0; row < m_form->rowCount(); ++row)
        for (const auto role : {QFormLayout::LabelRole, QFormLayout::FieldRole})
            if (QLayoutItem* item = m_form->itemAt(row, role); item && item->widget())
                item->widget()->setEnabled(camera.has_value());
    // Only the way the camera is aimed by can be typed.
    m_targetHeight->setEnabled(camera && shown.aim == Aim::Target);
    m_tilt->setEnabled(camera && shown.aim == Aim::Tilt);
    m_showInCoverage->setEnabled(camera.has_value());
    m_openPreview->setEnabled(camera.has_value());
    m_hint->setVisible(!camera);
    m_presenting = false;
}

void CameraPanel::addButton(QAction& action, const char* name) {
    auto* button = named<QToolButton>(name, this);
    button->setDefaultAction(&action);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setFocusPolicy(Qt::StrongFocus);
    // Its accessible name follows the action's text.
    const auto describe = [button, &action] { button->setAccessibleName(action.iconText()); };
    connect(&action, &QAction::changed, button, describe);
    describe();
    m_buttons->addWidget(button);
}

void CameraPanel::retranslate() {
    m_hint->setText(tr("Select one camera on the plan or in the table to see and change it here."));
    m_fields->setAccessibleName(tr("Camera properties"));
    for (int row = 0; row < m_form->rowCount(); ++row) {
        auto* label = qobject_cast<QLabel*>(m_form->itemAt(row, QFormLayout::LabelRole)->widget());
        QWidget* field = m_form->itemAt(row, QFormLayout::FieldRole)->widget();
        label->setText(caption(field->objectName(), m_units));
        field->setAccessibleName(label->text());
    }
    m_aim->setItemText(0, tr("Target height"));
    m_aim->setItemText(1, tr("Tilt"));
    for (Level level = 0; level < m_levels.size(); ++level)
        m_level->setItemText(int(level), CoverageText::levelName(m_levels, level));
    m_focalTele->setSpecialValueText(tr("none"));
    for (const Projection projection : AllProjections)
        m_projection->setItemText(static_cast<int>(projection),
                                  LensText::projectionName(projection));
    m_datasheetAngle->setSpecialValueText(tr("none"));
    m_showInCoverage->setText(tr("&Show in coverage window"));
    m_openPreview->setText(tr("&Preview..."));
    m_openPreview->setAccessibleName(tr("Preview of what the camera shows"));
}

} // namespace vistaro
