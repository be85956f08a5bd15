// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "preview/previewsheet.h"
#include "preview/testchart.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace vistaro {

// The sheet on screen.
class PreviewView : public QWidget {
public:
    PreviewView(const PreviewSheet& sheet, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const PreviewSheet& m_sheet;
};

// What the camera will show: a face, a person, a number plate and bars at the density of the
// aim distance and of each level's distance, with the lens's blur outside the depth of field,
// the video's compression and night noise when chosen; copied, saved as a picture, and the
// test chart to print. Modeless; the window that opens it pushes the scene with show().
class Preview : public QWidget {
    Q_OBJECT

public:
    // The test chart's paper is the locale's until the user picks another.
    explicit Preview(QWidget* parent = nullptr);

    // Brings the pictures up to `scene`; does nothing when it is as it was.
    void showScene(const PreviewScene& scene);
    const PreviewSheet& sheet() const { return m_sheet; }
    PictureOptions options() const;
    // The sheet at the size it has on screen, for a file or the clipboard.
    QImage image() const;

    // The test chart for the scene's first end, saved where the user picks; the pixels the
    // installer counts depend on the paper in no way, only on the distance and density.
    void SaveTestChart_Click();

protected:
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void retranslate();
    void refresh();
    void CopyPreview_Click();
    void SavePreview_Click();
    QString pickFile(const QString& caption, const QString& filter, const QString& suffix,
                     const QString& name);

    PreviewSheet m_sheet;
    PreviewView* m_view = nullptr;
    QLabel* m_jpegLabel = nullptr;
    QSpinBox* m_jpegQuality = nullptr;
    QLabel* m_noiseLabel = nullptr;
    QSpinBox* m_noise = nullptr;
    QCheckBox* m_lensBlur = nullptr;
    QLabel* m_paperLabel = nullptr;
    QComboBox* m_paper = nullptr;
    QLabel* m_note = nullptr;
    QPushButton* m_copy = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_testChart = nullptr;
};

// The test chart's inputs of a scene: its first end's aim distance and density.
TestChartInputs testChartInputs(const PreviewScene& scene);

} // namespace vistaro
