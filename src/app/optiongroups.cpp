// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/optiongroups.h"

#include "platform/forms.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QRadioButton>

namespace vistaro {

namespace {

// One option button, 120 twips from its frame's left and 255 high.
struct Option {
    const char* name;
    const char* caption;
    int top;
    int width;
};

// A frame of option buttons, one of them selected at a time.
template <std::size_t N>
std::array<QRadioButton*, N> optionFrame(QWidget* client, const char* name, const char* caption,
                                         const QRect& twips, const Option (&options)[N]) {
    auto* box = place<QGroupBox>(client, name, twips.x(), twips.y(), twips.width(), twips.height());
    box->setTitle(QString::fromUtf8(caption));
    auto* group = new QButtonGroup(box);
    std::array<QRadioButton*, N> buttons{};
    for (std::size_t i = 0; i < N; ++i) {
        const Option& option = options[i];
        buttons[i] = place<QRadioButton>(box, option.name, 120, option.top, option.width, 255);
        buttons[i]->setText(QString::fromUtf8(option.caption));
        group->addButton(buttons[i]);
    }
    return buttons;
}

} // namespace

OptionGroups::OptionGroups(QWidget* client) {
    m_sensors = optionFrame(client, "Sensore", "Sensore", {120, 120, 975, 1695},
                            {{"un", "   1\"", 240, 735},
                             {"dueterzi", "2/3\"", 480, 735},
                             {"unmezzo", "1/2\"", 760, 735},
                             {"unterzo", "1/3\"", 1020, 735},
                             {"unquarto", "1/4\"", 1280, 735}});
    m_sensors[int(SensorFormat::Third)]->setChecked(true);

    m_lensTypes = optionFrame(client, "Frame1", "Tipo ottica", {1200, 120, 1455, 1360},
                              {{"zoom", "Zoom", 240, 855},
                               {"VAR", "Varifocal", 500, 1095},
                               {"HSP", "Asferico", 760, 1215},
                               {"FF", "Focale Fissa", 1020, 1215}});
    m_lensTypes[FixedFocal]->setChecked(true);

    m_irises = optionFrame(client, "Frame2", "Controllo iride", {2760, 120, 2295, 1695},
                           {{"Manual", "Manuale", 240, 2055},
                            {"DC", "Diretto", 550, 2055},
                            {"VD", "Video", 860, 2055},
                            {"M", "a Motore (per zoom)", 1320, 2055}});
    // A rule between the irises of every lens and the zoom lenses' motor iris.
    auto* line = named<QFrame>("Line1", m_irises[MotorIris]->parentWidget());
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    const QRect rule = twipsRect(120, 1200, 2040, 0, line);
    line->setGeometry(rule.x(), rule.y() - 1, rule.width(), 2);
    m_irises[MotorIris]->setEnabled(false);
    m_irises[DirectDrive]->setChecked(true);
}

SensorFormat OptionGroups::sensorFormat() const {
    for (std::size_t i = 0; i < m_sensors.size(); ++i)
        if (m_sensors[i]->isChecked())
            return SensorFormat(i);
    return SensorFormat::Third;
}

bool OptionGroups::zoomSelected() const {
    return m_lensTypes[Zoom]->isChecked();
}

bool OptionGroups::varSelected() const {
    return m_lensTypes[Varifocal]->isChecked();
}

void OptionGroups::setMotorIrisEnabled(bool enabled) {
    m_irises[MotorIris]->setEnabled(enabled);
}

QList<QWidget*> OptionGroups::tabOrder() const {
    QList<QWidget*> order(m_sensors.cbegin(), m_sensors.cend());
    order.append(QList<QWidget*>(m_lensTypes.cbegin(), m_lensTypes.cend()));
    order.append(QList<QWidget*>(m_irises.cbegin(), m_irises.cend()));
    return order;
}

} // namespace vistaro
