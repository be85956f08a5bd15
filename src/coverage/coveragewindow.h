// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "coverage/coveragedrawing.h"
#include "coverage/coveragehost.h"
#include "coverage/coveragereport.h"
#include "optics/coveragefields.h"
#include "optics/coverageinputs.h"

#include <QHash>
#include <QSettings>
#include <QWidget>
#include <functional>
#include <optional>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;

namespace vistaro {

class CoverageView;

// What the camera sees at the calculator's distance: angles, scene, pixel density, the EN
// 62676-4 levels, and a top and a side view. Modeless; follows the calculator through its host,
// whose tick calls follow().
class CoverageWindow : public QWidget {
    Q_OBJECT

public:
    explicit CoverageWindow(CoverageHost& host, QWidget* parent = nullptr);
    ~CoverageWindow() override;

    // The inputs as they stand, the last value that read well for each field.
    const CoverageInputs& inputs() const { return m_inputs; }
    // What the drawings show.
    const ViewModel& viewModel() const { return m_model; }

    // Brings the window up to the calculator; does nothing when the calculator is as it was.
    void follow();

    // What the window shows, for its report.
    CoverageShown shown() const;

    // Asks for the file to save to, as QFileDialog::getSaveFileName does; empty when cancelled.
    using FilePicker = std::function<QString(QWidget* parent, const QString& caption,
                                             const QString& path, const QString& filter)>;
    void setFilePicker(FilePicker picker) { m_filePicker = std::move(picker); }
    // Lets the user choose the printer and its settings; false when cancelled.
    using PrintSetup = std::function<bool(QPrinter& printer, QWidget* parent)>;
    void setPrintSetup(PrintSetup setup) { m_printSetup = std::move(setup); }

signals:
    void inputsChanged();

protected:
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    struct FigureLabels {
        QLabel* caption;
        QLabel* wide;
        QLabel* tele;
    };

    void buildInputs(QGroupBox* box);
    void buildFigures(QGridLayout* grid);
    void connectInputs();
    void retranslate();
    void fillSensorFormats();
    void fillChoices();
    // Shows the inputs' values in the fields, or only in those that do not take typing for the
    // current choices.
    void showInputs(bool typedToo = true);
    void inputEdited();
    // Saves the inputs and says so when they differ from `before`.
    void remember(const CoverageInputs& before);
    void recompute();
    CoverageFields fieldTexts() const;
    bool customResolution() const;
    void useInCalculator(int row);
    void buildReportButtons(QHBoxLayout* row);
    void retranslateReportButtons();
    // The file the user picks with `suffix` added when the name has none; empty when cancelled.
    QString pickFile(const QString& caption, const QString& filter, const QString& suffix);
    void SaveReport_Click();
    void PrintReport_Click();
    void SaveImage_Click();
    void CopyImage_Click();

    CoverageHost& m_host;
    QSettings m_settings;
    CoverageInputs m_inputs;
    CalculatorReading m_reading;
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
    QComboBox* m_level = nullptr;
    QLineEdit* m_mountHeight = nullptr;
    QComboBox* m_aimBy = nullptr;
    QLineEdit* m_targetHeight = nullptr;
    QLineEdit* m_tilt = nullptr;
    QComboBox* m_units = nullptr;
    QHash<QString, QLabel*> m_inputCaptions;
    QGroupBox* m_cameraBox = nullptr;
    QGroupBox* m_siteBox = nullptr;
    QGroupBox* m_figuresBox = nullptr;
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
    FilePicker m_filePicker;
    PrintSetup m_printSetup;
};

} // namespace vistaro
