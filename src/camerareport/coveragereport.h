// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "camerareport/coveragedrawing.h"
#include "camerareport/lensonshow.h"
#include "optics/calculatorreading.h"
#include "report/reportdocument.h"

#include <QCoreApplication>
#include <QDate>
#include <QFont>
#include <QSizeF>
#include <optional>

namespace vistaro {

// What the coverage window shows, as its report takes it.
struct CoverageShown {
    std::optional<Camera> camera; // none when the camera's fields do not read
    SensorSource sensorSource = SensorSource::Calculator;
    double pixelMicrometres = 0;           // with SensorSource::PixelSize
    Level level = enLevels().defaultLevel; // of the model's level set
    CalculatorReading reading;             // the focal lengths of the ends
    ViewModel model; // the results and distances of the ends, heights, units and level set
    QString problem; // the window's line on an input that does not read, or empty
    std::optional<LensOnShow> lens;
    QSizeF topViewSize; // on screen, in pixels
    QSizeF sideViewSize;
    QFont font; // the views' font
    QDate date;
    std::optional<double> tiltDeg; // when the camera is aimed by its tilt angle
    LensModel lensModel{};
    std::optional<double> fNumber{}; // the depth of field's: the lens's, or typed
    std::optional<double> confusionPixels{};
};

// The coverage as one page: the camera, the site, the lens, the results of each end in the units
// and the language on show, and the two views drawn by the code that draws them on screen.
class CoverageReport {
    Q_DECLARE_TR_FUNCTIONS(CoverageReport)

public:
    static ReportDocument document(const CoverageShown& shown);
    // A file name (without suffix) for the report of `shown`: the lens, if any, and the date.
    static QString fileName(const CoverageShown& shown);
};

} // namespace vistaro
