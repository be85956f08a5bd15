// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The coverage window's lens: its projection, the datasheet's angle, and what the depth of field
// is worked out from.

#include "coverage/coveragewindow.h"
#include "optics/coverageformat.h"
#include "optics/lensfields.h"
#include "platform/forms.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace vistaro {

void CoverageWindow::buildLensInputs(QGroupBox* box) {
    auto* grid = new QGridLayout(box);
    m_projection = named<QComboBox>("Projection", this);
    m_datasheetAngle = named<QLineEdit>("DatasheetAngle", this);
    m_fNumber = named<QLineEdit>("FNumber", this);
    m_confusion = named<QLineEdit>("Confusion", this);
    for (const Projection projection : AllProjections)
        m_projection->addItem(QString(), static_cast<int>(projection));
    const std::pair<const char*, QWidget*> rows[] = {{"Projection", m_projection},
                                                     {"DatasheetAngle", m_datasheetAngle},
                                                     {"FNumber", m_fNumber},
                                                     {"Confusion", m_confusion}};
    for (int row = 0; const auto& [name, control] : rows) {
        auto* label = new QLabel(this);
        label->setBuddy(control);
        m_inputCaptions.insert(QLatin1String(name), label);
        grid->addWidget(label, row, 0);
        grid->addWidget(control, row++, 1);
    }
    for (QLineEdit* edit : {m_datasheetAngle, m_fNumber, m_confusion})
        edit->setMaximumWidth(fieldWidth(edit));
    grid->setVerticalSpacing(3);
    grid->setColumnStretch(2, 1);
}

void CoverageWindow::connectLensInputs() {
    connect(m_projection, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_inputs.lens.projection = AllProjections.at(static_cast<std::size_t>(index));
        remember();
        recompute();
    });
    for (QLineEdit* edit : {m_datasheetAngle, m_fNumber, m_confusion})
        connect(edit, &QLineEdit::textEdited, this, &CoverageWindow::inputEdited);
}

void CoverageWindow::retranslateLens() {
    m_lensBox->setTitle(tr("Lens"));
    const std::pair<const char*, QString> captions[] = {
        {"Projection", tr("Projection")},
        {"DatasheetAngle", tr("Datasheet angle (\u00b0 across)")},
        {"FNumber", tr("F-number")},
        {"Confusion", tr("Circle of confusion (pixels)")},
    };
    for (const auto& [name, text] : captions) {
        QLabel* label = m_inputCaptions.value(QLatin1String(name));
        label->setText(text);
        label->buddy()->setAccessibleName(text);
    }
    for (const Projection projection : AllProjections)
        m_projection->setItemText(static_cast<int>(projection),
                                  LensText::projectionName(projection));
    m_datasheetAngle->setPlaceholderText(tr("from the focal length"));
    // As wide as its placeholder says, in any language.
    const QFontMetrics metrics = m_datasheetAngle->fontMetrics();
    const int placeholder = metrics.horizontalAdvance(m_datasheetAngle->placeholderText()) +
                            2 * metrics.averageCharWidth();
    m_datasheetAngle->setMinimumWidth(placeholder);
    m_datasheetAngle->setMaximumWidth(std::max(placeholder, fieldWidth(m_datasheetAngle)));
    m_datasheetAngle->setToolTip(tr("The horizontal angle of view the lens's datasheet states "
                                    "for this sensor; it stands instead of the focal length's."));
    m_confusion->setToolTip(tr("The blur that still reads as sharp, in pixel widths."));
}

void CoverageWindow::showLensInputs(bool typedToo) {
    {
        const QSignalBlocker blocker(m_projection);
        m_projection->setCurrentIndex(static_cast<int>(m_inputs.lens.projection));
    }
    const std::optional<double> catalogue = lensFNumber();
    if (typedToo) {
        const std::optional<double> angle = m_inputs.lens.datasheetAngleHDeg;
        m_datasheetAngle->setText(angle ? CoverageText::number(*angle, 2) : QString());
        m_confusion->setText(CoverageText::number(m_inputs.confusionPixels, 3));
    }
    // The lens on show gives its own F-number; the field then shows it, read-only, and the typed
    // one again when the lens on show gives none.
    if (typedToo || catalogue || m_fNumber->isReadOnly())
        m_fNumber->setText(CoverageText::number(catalogue.value_or(m_inputs.fNumber), 2));
    m_fNumber->setReadOnly(catalogue.has_value());
}

FieldsRead CoverageWindow::readInputs(CoverageInputs& inputs) const {
    FieldsRead read = readFields(inputs, fieldTexts(), customResolution(), m_reading.format);
    readLensFields(inputs, {m_datasheetAngle->text(), m_fNumber->text(), m_confusion->text()},
                   lensFNumber(), read);
    return read;
}

std::optional<double> CoverageWindow::lensFNumber() const {
    return m_lens ? catalogueFNumber(m_lens->fStop) : std::nullopt;
}

void CoverageWindow::showLens(const std::optional<LensOnShow>& lens) {
    if (lens == m_lens)
        return;
    m_lens = lens;
    showLensInputs(false);
    recompute();
}

} // namespace vistaro
