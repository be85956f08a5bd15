// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "camerareport/coveragedrawing.h"
#include "camerareport/coveragereport.h"
#include "coverage/coveragehost.h"
#include "optics/calculatorreading.h"
#include "optics/coveragefields.h"
#include "optics/coverageformat.h"
#include "optics/coverageinputs.h"

#include <QHash>
#include <QWidget>
#include <memory>
#include <optional>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSettings;
class QSpinBox;

namespace vistaro {

class CoverageSettings;
class CoverageView;
class Preview;

// What the camera sees at the calculator's distance: angles, scene, pixel density, the levels of
// the chosen set, and a top and a side view. Modeless; the main window pushes the calculator
// and the lens on show to it, and its inputs live in the CoverageSettings it shares.
class CoverageWindow : public QWidget {
    Q_OBJECT

public:
    CoverageWindow(CoverageHost& host, CoverageSettings& settings, const CalculatorReading& reading,
                   QWidget* parent = nullptr);
    ~CoverageWindow() override;

    // The inputs as they stand, the last value that read well for each field.
    const CoverageInputs& inputs() const { return m_inputs; }
    // What the drawings show.
    const ViewModel& viewModel() const { return m_model; }

    // Brings the window up to the calculator; does nothing when the calculator is as it was.
    void follow(const CalculatorReading& reading);
    // The lens the recommendation window shows, named by the report and giving its F-number to
    // the depth of field; none when it shows none.
    void showLens(const std::optional<LensOnShow>& lens);

    // What the window shows, for its report.
    CoverageShown shown() const;

protected:
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    struct FigureLabels {
        QLabel* caption;
        QLabel* wide;
        QLabel* tele;
    };

    // Room for twelve digits in `field`'s font: the width of a number field.
    static int fieldWidth(const QWidget* field);
    void buildInputs(QGroupBox* box);
    void buildFigures(QGridLayout* grid);
    void connectInputs();
    void retranslate();
    // What a screen reader says for the inputs and the figures.
    void nameControls();
    void nameFigures(bool zoom);
    void fillSensorFormats();
    void fillChoices();
    // The level set combo box's items: the sets offered, named; the level combo box's: the levels
    // of the inputs' set.
    void fillLevelChoices();
    // Takes the set the user chose, or the plate rule typed, keeping the level's place.
    void levelSetChosen();
    void editLevelSets();
    // As many rows of figures as there are, the level distances being one a level of the set.
    void matchFigureRows(const std::vector<ShownFigure>& figures);
    // Selects the choices that the inputs hold, without taking them as the user's.
    void showChoices();
    // Shows the inputs' values in the fields, or only in those that do not take typing for the
    // current choices.
    void showInputs(bool typedToo = true);
    void inputEdited();
    // Hands the inputs to their owner, which saves them when they changed.
    void remember();
    void recompute();
    CoverageFields fieldTexts() const;
    bool customResolution() const;
    void useInCalculator(int row);
    // A button named `name` at the end of `row`, running `click`.
    QPushButton* addButton(QHBoxLayout* row, const char* name, void (CoverageWindow::*click)());
    void buildReportButtons(QHBoxLayout* row);
    void buildLensInputs(QGroupBox* box);
    void connectLensInputs();
    void retranslateLens();
    void showLensInputs(bool typedToo);
    // Every field read into `inputs`: the camera's, the site's and the lens's.
    FieldsRead readInputs(CoverageInputs& inputs) const;
    // The F-number of the lens on show, when the catalogue gives one.
    std::optional<double> lensFNumber() const;
    void retranslateReportButtons();
    // The file the user picks, proposed as `name` (the report's unless given); empty when
    // cancelled.
    QString pickFile(const QString& caption, const QString& filter, const QString& suffix,
                     const QString& name = QString());
    void SaveReport_Click();
    void PrintReport_Click();
    void SaveImage_Click();
    void CopyImage_Click();
    void buildPreviewButtons(QHBoxLayout* row);
    void retranslatePreviewButtons();
    // The preview window, made when first wanted.
    Preview& preview();
    void OpenPreview_Click();
    void SaveTestChart_Click();
    // Hands the figures to the preview when it is open.
    void followInPreview();
    // The report: the coverage page, then the page of what the camera shows.
    QList<ReportDocument> reportPages() const;

    CoverageHost& m_host;
    CoverageSettings& m_owner;
    std::unique_ptr<QSettings> m_settings;
    CoverageInputs m_inputs;
    CalculatorReading m_reading;
    std::optional<LensOnShow> m_lens;
    ViewModel m_model;
    std::optional<CoverageResult> m_wide;
    std::optional<CoverageResult> m_tele;

    QComboBox* m_sensorFormat = nullptr;
    QLineEdit* m_sensorWidth = nullptr;
    QLineEdit* m_sensorHeight = nullptr;
    QLineEdit* m_pixelSize = nullptr;
    QComboBox* m_resolution = nullptr;
    QLineEdit* m_columns = nullptr;
    QLineEdit* m_rows = nullptr;
    QLabel* m_pictureArea = nullptr;
    QComboBox* m_levelSet = nullptr;
    QPushButton* m_editLevelSets = nullptr;
    QComboBox* m_level = nullptr;
    QWidget* m_plate = nullptr;
    QComboBox* m_plateWidth = nullptr;
    QSpinBox* m_platePixels = nullptr;
    QLineEdit* m_mountHeight = nullptr;
    QComboBox* m_aimBy = nullptr;
    QLineEdit* m_targetHeight = nullptr;
    QLineEdit* m_tilt = nullptr;
    QComboBox* m_units = nullptr;
    QGroupBox* m_lensBox = nullptr;
    QComboBox* m_projection = nullptr;
    QLineEdit* m_datasheetAngle = nullptr;
    QLineEdit* m_fNumber = nullptr;
    QLineEdit* m_confusion = nullptr;
    QLabel* m_activeArea = nullptr;
    QHash<QString, QLabel*> m_inputCaptions;
    QGroupBox* m_cameraBox = nullptr;
    QGroupBox* m_siteBox = nullptr;
    QGroupBox* m_figuresBox = nullptr;
    QGridLayout* m_figureGrid = nullptr;
    QLabel* m_wideHeading = nullptr;
    QLabel* m_teleHeading = nullptr;
    std::vector<FigureLabels> m_figures;
    QLabel* m_problem = nullptr;
    QLabel* m_sensorNote = nullptr;
    QPushButton* m_useInCalculator = nullptr;
    QPushButton* m_useInCalculatorTele = nullptr;
    CoverageView* m_topView = nullptr;
    CoverageView* m_sideView = nullptr;
    QPushButton* m_saveReport = nullptr;
    QPushButton* m_printReport = nullptr;
    QPushButton* m_saveImage = nullptr;
    QPushButton* m_copyImage = nullptr;
    QPushButton* m_openPreview = nullptr;
    QPushButton* m_saveTestChart = nullptr;
    Preview* m_preview = nullptr;
};

} // namespace vistaro
