// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "coverage/coveragewindow.h"

#include "coverage/coverageview.h"
#include "coverage/levelsetdialog.h"
#include "optics/coverageformat.h"
#include "optics/coveragesettings.h"
#include "optics/lensfields.h"
#include "optics/units.h"
#include "platform/accessibility.h"
#include "platform/forms.h"
#include "platform/settingspath.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

namespace vistaro {

namespace {

const QString GeometryKey = QStringLiteral("Coverage/geometry");
const QString CalculatorKey = QStringLiteral("calculator");
const QString CustomKey = QStringLiteral("custom");
const QString PixelKey = QStringLiteral("pixel");

// A needed focal length the calculator would refuse as too long is not offered.
bool tooLong(std::optional<double> focalMm) {
    return focalMm && *focalMm > largestOf(Quantity::Focal);
}

bool typeable(std::optional<double> focalMm) {
    return focalMm && !tooLong(focalMm);
}

// The plate widths offered: the European and the United States plate.
constexpr std::array<double, 2> PlateWidthsMm{520, 305};

QString resolutionText(ImageSize image) {
    return QStringLiteral("%1 x %2").arg(image.columns).arg(image.rows);
}

} // namespace

CoverageWindow::CoverageWindow(CoverageHost& host, CoverageSettings& settings,
                               const CalculatorReading& reading, QWidget* parent)
    : QWidget(parent, Qt::Window), m_host(host), m_owner(settings), m_settings(windowSettings()),
      m_inputs(settings.inputs()), m_reading(reading) {
    setObjectName(QStringLiteral("Coverage"));
    setWindowIconIfPresent(this);

    auto* root = new QHBoxLayout(this);
    auto* panel = named<QWidget>("CoverageInputs", this);
    auto* left = new QVBoxLayout(panel);
    left->setContentsMargins({});
    left->setSpacing(4);
    root->addWidget(scrollingPanel(panel), 0);
    m_cameraBox = new QGroupBox(this);
    m_siteBox = new QGroupBox(this);
    buildInputs(m_cameraBox);
    left->addWidget(m_cameraBox);
    m_lensBox = new QGroupBox(this);
    buildLensInputs(m_lensBox);
    left->addWidget(m_lensBox);
    left->addWidget(m_siteBox);
    m_figuresBox = new QGroupBox(this);
    auto* grid = new QGridLayout(m_figuresBox);
    buildFigures(grid);
    left->addWidget(m_figuresBox);
    m_problem = named<QLabel>("Problem", this);
    m_problem->setWordWrap(true);
    setReadableTextColour(m_problem, QColor(0xa0, 0x30, 0x00));
    m_sensorNote = named<QLabel>("SensorNote", this);
    m_sensorNote->setWordWrap(true);
    left->addWidget(m_problem);
    left->addWidget(m_sensorNote);
    auto* buttons = new QHBoxLayout;
    m_useInCalculator = named<QPushButton>("UseInCalculator", this);
    m_useInCalculatorTele = named<QPushButton>("UseInCalculatorTele", this);
    buttons->addWidget(m_useInCalculator);
    buttons->addWidget(m_useInCalculatorTele);
    left->addLayout(buttons);
    auto* report = new QHBoxLayout;
    buildReportButtons(report);
    left->addLayout(report);
    auto* previewRow = new QHBoxLayout;
    buildPreviewButtons(previewRow);
    left->addLayout(previewRow);
    left->addStretch(1);

    auto* right = new QVBoxLayout;
    root->addLayout(right, 1);
    m_topView = new CoverageView(&CoverageDrawing::paintTopView, this);
    m_topView->setObjectName(QStringLiteral("TopView"));
    m_sideView = new CoverageView(&CoverageDrawing::paintSideView, this);
    m_sideView->setObjectName(QStringLiteral("SideView"));
    right->addWidget(m_topView, 1);
    right->addWidget(m_sideView, 1);

    fillChoices();
    retranslate();
    showInputs();
    connectInputs();
    connectLensInputs();
    recompute();
    // Another window may set the inputs too (the site plan shows one of its cameras here).
    connect(&settings, &CoverageSettings::changed, this, [this] {
        if (m_owner.inputs() == m_inputs)
            return;
        m_inputs = m_owner.inputs();
        showChoices();
        retranslate();
        showInputs();
        recompute();
    });
    wheelOnlyWhenFocused(this);
    if (!restoreGeometry(m_settings->value(GeometryKey).toByteArray()))
        resize(1120, 720);
}

CoverageWindow::~CoverageWindow() {
    if (isVisible())
        m_settings->setValue(GeometryKey, saveGeometry());
}

int CoverageWindow::fieldWidth(const QWidget* field) {
    return field->fontMetrics().horizontalAdvance(QStringLiteral("000000000000"));
}

void CoverageWindow::buildInputs(QGroupBox* box) {
    auto* camera = new QGridLayout(box);
    auto* site = new QGridLayout(m_siteBox);
    const auto caption = [this](QGridLayout* grid, int row, const char* name) {
        auto* label = new QLabel(this);
        m_inputCaptions.insert(QLatin1String(name), label);
        grid->addWidget(label, row, 0);
    };
    m_sensorFormat = named<QComboBox>("SensorFormat", this);
    m_sensorWidth = named<QLineEdit>("SensorWidthMm", this);
    m_sensorHeight = named<QLineEdit>("SensorHeightMm", this);
    m_pixelSize = named<QLineEdit>("PixelSize", this);
    m_resolution = named<QComboBox>("Resolution", this);
    m_columns = named<QLineEdit>("Columns", this);
    m_rows = named<QLineEdit>("Rows", this);
    m_pictureArea = named<QLabel>("PictureArea", this);
    m_levelSet = named<QComboBox>("LevelSet", this);
    m_editLevelSets = named<QPushButton>("EditLevelSets", this);
    m_level = named<QComboBox>("Level", this);
    m_plate = new QWidget(this);
    m_plateWidth = named<QComboBox>("PlateWidth", m_plate);
    m_platePixels = named<QSpinBox>("PlatePixels", m_plate);
    m_platePixels->setRange(1, int(MaxPlatePixels));
    // One above the other, so that the column stays narrow and leaves the views their room.
    auto* plate = new QVBoxLayout(m_plate);
    plate->setContentsMargins(0, 0, 0, 0);
    plate->addWidget(m_plateWidth);
    plate->addWidget(m_platePixels);
    m_mountHeight = named<QLineEdit>("MountHeight", this);
    m_aimBy = named<QComboBox>("AimBy", this);
    m_targetHeight = named<QLineEdit>("TargetHeight", this);
    m_tilt = named<QLineEdit>("Tilt", this);
    m_units = named<QComboBox>("Units", this);

    // Width by height: the two fields with an "x" between them.
    const auto byRow = [&](int row, const char* name, QWidget* width, QWidget* height) {
        caption(camera, row, name);
        camera->addWidget(width, row, 1);
        camera->addWidget(new QLabel(QStringLiteral("x"), this), row, 2);
        camera->addWidget(height, row, 3);
    };
    caption(camera, 0, "SensorFormat");
    camera->addWidget(m_sensorFormat, 0, 1, 1, 3);
    byRow(1, "SensorSize", m_sensorWidth, m_sensorHeight);
    caption(camera, 2, "PixelSize");
    camera->addWidget(m_pixelSize, 2, 1);
    caption(camera, 3, "Resolution");
    camera->addWidget(m_resolution, 3, 1, 1, 3);
    byRow(4, "Pixels", m_columns, m_rows);
    m_pictureArea->setWordWrap(true);
    camera->addWidget(m_pictureArea, 5, 0, 1, 5);
    m_activeArea = named<QLabel>("ActiveArea", this);
    m_activeArea->setWordWrap(true);
    camera->addWidget(m_activeArea, 6, 0, 1, 5);

    // The button under its combo box, which is wide enough on its own.
    auto* levelSets = new QWidget(this);
    auto* levelSetColumn = new QVBoxLayout(levelSets);
    levelSetColumn->setContentsMargins(0, 0, 0, 0);
    levelSetColumn->addWidget(m_levelSet);
    levelSetColumn->addWidget(m_editLevelSets, 0, Qt::AlignLeft);

    const std::pair<const char*, QWidget*> siteRows[] = {
        {"LevelSet", levelSets}, {"Plate", m_plate},
        {"Level", m_level},      {"MountHeight", m_mountHeight},
        {"AimBy", m_aimBy},      {"TargetHeight", m_targetHeight},
        {"Tilt", m_tilt},        {"Units", m_units}};
    for (int row = 0; const auto& [name, control] : siteRows) {
        caption(site, row, name);
        site->addWidget(control, row++, 1);
    }
    for (QLineEdit* edit : {m_sensorWidth, m_sensorHeight, m_pixelSize, m_columns, m_rows,
                            m_mountHeight, m_targetHeight, m_tilt})
        edit->setMaximumWidth(fieldWidth(edit));
    for (QGridLayout* grid : {camera, site}) {
        grid->setVerticalSpacing(3);
        grid->setColumnStretch(4, 1);
    }
}

void CoverageWindow::buildFigures(QGridLayout* grid) {
    m_figureGrid = grid;
    m_wideHeading = named<QLabel>("WideHeading", this);
    m_teleHeading = named<QLabel>("TeleHeading", this);
    grid->addWidget(m_wideHeading, 0, 1);
    grid->addWidget(m_teleHeading, 0, 2);
    matchFigureRows(shownFigures({}, m_inputs.levelSet, m_inputs.level, m_inputs.units));
    grid->setColumnMinimumWidth(1, 110);
    grid->setColumnMinimumWidth(2, 110);
    grid->setVerticalSpacing(1);
}

void CoverageWindow::matchFigureRows(const std::vector<ShownFigure>& figures) {
    while (m_figures.size() > figures.size()) {
        for (QLabel* label :
             {m_figures.back().caption, m_figures.back().wide, m_figures.back().tele})
            delete label;
        m_figures.pop_back();
    }
    while (m_figures.size() < figures.size()) {
        FigureLabels labels{new QLabel(this), new QLabel(this), new QLabel(this)};
        for (QLabel* value : {labels.wide, labels.tele})
            value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        const int row = static_cast<int>(m_figures.size()) + 1;
        m_figureGrid->addWidget(labels.caption, row, 0);
        m_figureGrid->addWidget(labels.wide, row, 1);
        m_figureGrid->addWidget(labels.tele, row, 2);
        m_figures.push_back(labels);
    }
    for (std::size_t i = 0; i < figures.size(); ++i) {
        m_figures[i].wide->setObjectName(figures[i].name);
        m_figures[i].tele->setObjectName(figures[i].name + QStringLiteral("Tele"));
    }
}

void CoverageWindow::connectInputs() {
    // The fields then show the inputs' values; reading them back would round those.
    const auto choiceChanged = [this] {
        m_inputs.units = static_cast<Units>(m_units->currentIndex());
        m_inputs.level = m_inputs.levelSet.clamp(Level(std::max(0, m_level->currentIndex())));
        m_inputs.aim = static_cast<Aim>(m_aimBy->currentIndex());
        const QString source = m_sensorFormat->currentData().toString();
        m_inputs.sensorSource = source == CalculatorKey ? SensorSource::Calculator
                                : source == CustomKey   ? SensorSource::Custom
                                : source == PixelKey    ? SensorSource::PixelSize
                                                        : SensorSource::Preset;
        if (m_inputs.sensorSource == SensorSource::Preset)
            m_inputs.sensorPreset = source;
        if (!customResolution())
            m_inputs.image = resolutionPresets()[m_resolution->currentIndex()];
        retranslate();
        showInputs();
        remember();
        recompute();
    };
    for (QComboBox* combo : {m_sensorFormat, m_resolution, m_level, m_aimBy, m_units})
        connect(combo, &QComboBox::currentIndexChanged, this, choiceChanged);
    for (QComboBox* combo : {m_levelSet, m_plateWidth})
        connect(combo, &QComboBox::currentIndexChanged, this, &CoverageWindow::levelSetChosen);
    connect(m_platePixels, &QSpinBox::valueChanged, this, &CoverageWindow::levelSetChosen);
    connect(m_editLevelSets, &QPushButton::clicked, this, &CoverageWindow::editLevelSets);
    for (QLineEdit* edit : {m_sensorWidth, m_sensorHeight, m_pixelSize, m_columns, m_rows,
                            m_mountHeight, m_targetHeight, m_tilt})
        connect(edit, &QLineEdit::textEdited, this, &CoverageWindow::inputEdited);
    connect(m_useInCalculator, &QPushButton::clicked, this, [this] { useInCalculator(0); });
    connect(m_useInCalculatorTele, &QPushButton::clicked, this, [this] { useInCalculator(1); });
}

// The combo boxes get their items once; retranslate() names them.
void CoverageWindow::fillChoices() {
    m_sensorFormat->addItem(QString(), CalculatorKey);
    for (const SensorPreset& preset : sensorPresets())
        m_sensorFormat->addItem(QString(), QLatin1String(preset.name));
    m_sensorFormat->addItem(QString(), CustomKey);
    m_sensorFormat->addItem(QString(), PixelKey);
    for (const ImageSize& image : resolutionPresets())
        m_resolution->addItem(resolutionText(image));
    m_resolution->addItem(QString());
    for (const double width : PlateWidthsMm)
        m_plateWidth->addItem(QString(), width);
    m_aimBy->addItem(QString());
    m_aimBy->addItem(QString());
    m_units->addItem(QString());
    m_units->addItem(QString());
    showChoices();
}

void CoverageWindow::showChoices() {
    const QSignalBlocker sensor(m_sensorFormat);
    const QSignalBlocker resolution(m_resolution);
    const QSignalBlocker level(m_level);
    const QSignalBlocker aim(m_aimBy);
    const QSignalBlocker units(m_units);
    const QString source = m_inputs.sensorSource == SensorSource::Calculator ? CalculatorKey
                           : m_inputs.sensorSource == SensorSource::Custom   ? CustomKey
                           : m_inputs.sensorSource == SensorSource::PixelSize
                               ? PixelKey
                               : m_inputs.sensorPreset;
    m_sensorFormat->setCurrentIndex(std::max(0, m_sensorFormat->findData(source)));
    const auto resolutions = resolutionPresets();
    const auto preset = std::find(resolutions.begin(), resolutions.end(), m_inputs.image);
    m_resolution->setCurrentIndex(static_cast<int>(preset - resolutions.begin()));
    fillLevelChoices();
    m_aimBy->setCurrentIndex(static_cast<int>(m_inputs.aim));
    m_units->setCurrentIndex(static_cast<int>(m_inputs.units));
}

void CoverageWindow::fillLevelChoices() {
    const QSignalBlocker sets(m_levelSet);
    const QSignalBlocker levels(m_level);
    const QSignalBlocker width(m_plateWidth);
    const QSignalBlocker pixels(m_platePixels);
    m_levelSet->clear();
    for (const LevelSet& set : m_owner.offeredLevelSets())
        m_levelSet->addItem(QString(), set.key);
    m_levelSet->setCurrentIndex(std::max(0, m_levelSet->findData(m_inputs.levelSet.key)));
    m_level->clear();
    for (Level level = 0; level < m_inputs.levelSet.size(); ++level)
        m_level->addItem(QString());
    m_level->setCurrentIndex(int(m_inputs.level));
    const bool plates = m_inputs.levelSet.measure == LevelMeasure::PlatePixels;
    m_plate->setVisible(plates);
    m_inputCaptions.value(QStringLiteral("Plate"))->setVisible(plates);
    m_plateWidth->setCurrentIndex(std::max(0, m_plateWidth->findData(m_inputs.plate.widthMm)));
    m_platePixels->setValue(int(m_inputs.plate.minimumPixels));
}

void CoverageWindow::levelSetChosen() {
    m_inputs.plate = {m_plateWidth->currentData().toDouble(), double(m_platePixels->value())};
    const LevelSet chosen = levelSetByKey(offeredLevelSets(m_inputs.plate, m_owner.userLevelSets()),
                                          m_levelSet->currentData().toString());
    m_inputs.level = carriedLevel(m_inputs.levelSet, m_inputs.level, chosen);
    m_inputs.levelSet = chosen;
    remember();
    fillLevelChoices();
    retranslate();
    recompute();
}

void CoverageWindow::editLevelSets() {
    LevelSetDialog dialog(m_owner.userLevelSets(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_owner.setUserLevelSets(dialog.sets());
    m_inputs = m_owner.inputs();
    fillLevelChoices();
    retranslate();
    recompute();
}

void CoverageWindow::retranslate() {
    setWindowTitle(tr("Coverage"));
    m_cameraBox->setTitle(tr("Camera"));
    m_siteBox->setTitle(tr("Site"));
    m_figuresBox->setTitle(tr("What the camera sees"));
    const QString unit = lengthUnit(m_inputs.units);
    const std::pair<const char*, QString> captions[] = {
        {"SensorFormat", tr("Sensor")},
        {"SensorSize", tr("Size (mm)")},
        {"PixelSize", tr("Pixel size (\u00b5m)")},
        {"Resolution", tr("Resolution")},
        {"Pixels", tr("Columns x rows")},
        {"LevelSet", tr("Level set")},
        {"Plate", tr("Number plate")},
        {"Level", tr("Level wanted")},
        {"MountHeight", tr("Mounting height (%1)").arg(unit)},
        {"AimBy", tr("Aim")},
        {"TargetHeight", tr("Target height (%1)").arg(unit)},
        {"Tilt", tr("Tilt angle (\u00b0 down)")},
        {"Units", tr("Units")},
    };
    for (const auto& [name, text] : captions)
        m_inputCaptions.value(QLatin1String(name))->setText(text);

    m_sensorFormat->setItemText(0, tr("The calculator's format"));
    m_sensorFormat->setItemText(m_sensorFormat->count() - 2, tr("Custom size"));
    m_sensorFormat->setItemText(m_sensorFormat->count() - 1, tr("Pixel size x resolution"));
    for (std::size_t i = 0; i < sensorPresets().size(); ++i)
        m_sensorFormat->setItemText(static_cast<int>(i) + 1,
                                    QLatin1String(sensorPresets()[i].name));
    m_resolution->setItemText(m_resolution->count() - 1, tr("Custom"));
    for (int i = 0; i < m_levelSet->count(); ++i)
        m_levelSet->setItemText(
            i, CoverageText::levelSetName(
                   levelSetByKey(m_owner.offeredLevelSets(), m_levelSet->itemData(i).toString())));
    for (Level level = 0; level < m_inputs.levelSet.size(); ++level)
        m_level->setItemText(int(level), CoverageText::levelName(m_inputs.levelSet, level) +
                                             QStringLiteral(" (%1)").arg(CoverageText::levelNeeds(
                                                 m_inputs.levelSet, level, m_inputs.units)));
    m_plateWidth->setItemText(0, tr("European plate, 520 mm"));
    m_plateWidth->setItemText(1, tr("United States plate, 305 mm"));
    m_platePixels->setSuffix(tr(" px across the plate"));
    m_editLevelSets->setText(tr("Your sets..."));
    for (const auto& [control, name] : {std::pair<QWidget*, QString>{m_levelSet, tr("Level set")},
                                        {m_level, tr("Level wanted")},
                                        {m_plateWidth, tr("Number plate width")},
                                        {m_platePixels, tr("Pixels needed across the plate")},
                                        {m_editLevelSets, tr("Edit your own level sets")}})
        control->setAccessibleName(name);
    m_aimBy->setItemText(static_cast<int>(Aim::Target), tr("Aim at target height"));
    m_aimBy->setItemText(static_cast<int>(Aim::Tilt), tr("Tilt angle"));
    m_units->setItemText(0, tr("Metric (m, px/m)"));
    m_units->setItemText(1, tr("Imperial (ft, px/ft)"));
    m_wideHeading->setText(tr("WIDE"));
    m_teleHeading->setText(tr("TELE"));
    m_useInCalculator->setText(tr("Use in calculator"));
    m_useInCalculatorTele->setText(tr("Use in calculator (TELE)"));
    retranslateReportButtons();
    retranslatePreviewButtons();
    retranslateLens();
    nameControls();
}

bool CoverageWindow::customResolution() const {
    return m_resolution->currentIndex() == m_resolution->count() - 1;
}

void CoverageWindow::showInputs(bool typedToo) {
    const SensorSource source = m_inputs.sensorSource;
    const std::optional<Camera> camera = cameraOf(m_inputs, m_reading.format);
    const SensorSize sensor = source == SensorSource::Custom ? m_inputs.customSensor
                              : camera                       ? camera->sensor
                                                             : SensorSize{};
    // A field that is not typed into shows what follows from the others.
    const auto show = [typedToo](QLineEdit* edit, const QString& text, bool typed) {
        if (typedToo || !typed)
            edit->setText(text);
        edit->setReadOnly(!typed);
    };
    show(m_sensorWidth, CoverageText::number(sensor.widthMm, 3), source == SensorSource::Custom);
    show(m_sensorHeight, CoverageText::number(sensor.heightMm, 3), source == SensorSource::Custom);
    const bool pixelTyped = source == SensorSource::PixelSize;
    show(m_pixelSize,
         pixelTyped ? CoverageText::number(m_inputs.pixelMicrometres, 3)
         : camera   ? CoverageText::number(pixelPitch(*camera), 3)
                    : QString(),
         pixelTyped);
    show(m_columns, QString::number(m_inputs.image.columns), customResolution());
    show(m_rows, QString::number(m_inputs.image.rows), customResolution());
    show(m_mountHeight, heightText(m_inputs.mountHeightM, m_inputs.units), true);
    show(m_targetHeight, heightText(m_inputs.targetHeightM, m_inputs.units), true);
    show(m_tilt, CoverageText::number(m_inputs.tiltDeg, 4), true);
    m_tilt->setEnabled(m_inputs.aim == Aim::Tilt);
    showLensInputs(typedToo);
}

CoverageFields CoverageWindow::fieldTexts() const {
    return {m_sensorWidth->text(),  m_sensorHeight->text(), m_pixelSize->text(),
            m_columns->text(),      m_rows->text(),         m_mountHeight->text(),
            m_targetHeight->text(), m_tilt->text()};
}

void CoverageWindow::inputEdited() {
    readInputs(m_inputs);
    showInputs(false);
    remember();
    recompute();
}

void CoverageWindow::remember() {
    m_owner.set(m_inputs);
}

void CoverageWindow::follow(const CalculatorReading& reading) {
    if (reading == m_reading)
        return;
    const bool formatChanged = reading.format != m_reading.format;
    m_reading = reading;
    if (formatChanged && m_inputs.sensorSource == SensorSource::Calculator)
        showInputs();
    recompute();
}

void CoverageWindow::recompute() {
    CoverageInputs scratch = m_inputs;
    const FieldsRead read = readInputs(scratch);
    const Level level = m_inputs.level;
    const Units units = m_inputs.units;
    const bool zoom = m_reading.zoom;
    const LevelSet& set = m_inputs.levelSet;
    m_wide = computeCoverage(queryOf(read, set, level, m_reading.focal1, m_reading.distance1));
    m_tele.reset();
    if (zoom) {
        CoverageQuery tele = queryOf(read, set, level, m_reading.focal2, m_reading.distance2);
        // The datasheet's angle is the wide end's.
        tele.datasheetAngleDeg.reset();
        m_tele = computeCoverage(tele);
        if (m_tele->problem)
            m_tele->problem->tele = true;
    }

    // Aimed at the target height, the tilt follows from it: the field shows it, read-only.
    if (m_inputs.aim == Aim::Target)
        setTextIfChanged(
            m_tilt, CoverageText::number(
                        m_wide->tiltDeg.value_or(std::numeric_limits<double>::quiet_NaN()), 1));
    const std::vector<ShownFigure> wide = shownFigures(*m_wide, set, level, units);
    const std::vector<ShownFigure> tele =
        shownFigures(m_tele.value_or(CoverageResult{}), set, level, units);
    matchFigureRows(wide);
    for (std::size_t i = 0; i < m_figures.size(); ++i) {
        setTextIfChanged(m_figures[i].caption, wide[i].caption);
        setTextIfChanged(m_figures[i].wide, wide[i].text);
        setTextIfChanged(m_figures[i].tele, tele[i].text);
        // A figure that no end has (the edge density of a rectilinear lens) is left out.
        const bool applies = !wide[i].text.isEmpty() || (zoom && !tele[i].text.isEmpty());
        m_figures[i].caption->setVisible(applies);
        m_figures[i].wide->setVisible(applies);
        m_figures[i].tele->setVisible(zoom && applies);
    }
    nameFigures(zoom);
    m_wideHeading->setVisible(zoom);
    m_teleHeading->setVisible(zoom);
    m_useInCalculatorTele->setVisible(zoom);
    m_useInCalculator->setEnabled(typeable(m_wide->neededFocalMm));
    m_useInCalculatorTele->setEnabled(m_tele && typeable(m_tele->neededFocalMm));

    const std::optional<Problem> problem = m_wide->problem ? m_wide->problem
                                           : m_tele        ? m_tele->problem
                                                           : std::nullopt;
    const bool beyond =
        tooLong(m_wide->neededFocalMm) || (m_tele && tooLong(m_tele->neededFocalMm));
    setTextIfChanged(m_problem, problem  ? CoverageText::problem(*problem, units)
                                : beyond ? tr("The focal length the level needs is longer than the "
                                              "calculator takes (at most %1).")
                                               .arg(CoverageText::focal(largestOf(Quantity::Focal)))
                                         : QString());
    setTextIfChanged(m_pictureArea,
                     read.camera ? CoverageText::pictureArea(*read.camera) : QString());
    setTextIfChanged(m_activeArea,
                     read.camera ? LensText::activeArea(scratch, *read.camera, m_reading.format)
                                 : QString());
    const bool ownSensor = read.camera && read.camera->sensor != sensorOfFormat(m_reading.format);
    setTextIfChanged(m_sensorNote,
                     ownSensor ? tr("The calculator's scene sizes are those of its own format, "
                                    "not of this sensor.")
                               : QString());

    ViewModel model{{}, read.mountHeightM.value, read.targetHeightM.value, units, set, level};
    model.ends.push_back({zoom ? tr("WIDE") : QString(), *m_wide,
                          readNumber(m_reading.distance1, Quantity::Distance).value});
    if (m_tele)
        model.ends.push_back(
            {tr("TELE"), *m_tele, readNumber(m_reading.distance2, Quantity::Distance).value});
    m_model = model;
    m_topView->setModel(model);
    m_sideView->setModel(model);
    followInPreview();
}

void CoverageWindow::useInCalculator(int row) {
    const std::optional<CoverageResult>& result = row == 0 ? m_wide : m_tele;
    if (!result || !result->neededFocalMm)
        return;
    m_host.typeFocalLength(row, calculatorText(*result->neededFocalMm, m_reading.decimalSeparator));
}

void CoverageWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        recompute();
        m_topView->update();
        m_sideView->update();
    }
    QWidget::changeEvent(event);
}

void CoverageWindow::hideEvent(QHideEvent* event) {
    m_settings->setValue(GeometryKey, saveGeometry());
    QWidget::hideEvent(event);
}

} // namespace vistaro
