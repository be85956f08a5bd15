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

QGroupBox* frame(QWidget* parent, const char* name, const QString& caption, int left, int top,
                 int width, int height) {
    auto* box = place<QGroupBox>(parent, name, left, top, width, height);
    box->setTitle(caption);
    return box;
}

QRadioButton* option(QGroupBox* parent, QButtonGroup* group, const char* name,
                     const QString& caption, int left, int top, int width, int height) {
    auto* button = place<QRadioButton>(parent, name, left, top, width, height);
    button->setText(caption);
    group->addButton(button);
    return button;
}

} // namespace

OptionGroups::OptionGroups(QWidget* client) {
    QGroupBox* sensore = frame(client, "Sensore", QStringLiteral("Sensore"), 120, 120, 975, 1695);
    auto* sensorGroup = new QButtonGroup(sensore);
    const struct {
        const char* name;
        const char* caption;
        int top;
    } sensors[] = {
        {"un", "   1\"", 240},      {"dueterzi", "2/3\"", 480},  {"unmezzo", "1/2\"", 760},
        {"unterzo", "1/3\"", 1020}, {"unquarto", "1/4\"", 1280},
    };
    for (std::size_t i = 0; i < m_sensors.size(); ++i)
        m_sensors[i] =
            option(sensore, sensorGroup, sensors[i].name, QString::fromLatin1(sensors[i].caption),
                   120, sensors[i].top, 735, 255);
    m_sensors[3]->setChecked(true);

    QGroupBox* frame1 =
        frame(client, "Frame1", QStringLiteral("Tipo ottica"), 1200, 120, 1455, 1360);
    auto* typeGroup = new QButtonGroup(frame1);
    m_zoom = option(frame1, typeGroup, "zoom", QStringLiteral("Zoom"), 120, 240, 855, 255);
    m_var = option(frame1, typeGroup, "VAR", QStringLiteral("Varifocal"), 120, 500, 1095, 255);
    m_hsp = option(frame1, typeGroup, "HSP", QStringLiteral("Asferico"), 120, 760, 1215, 255);
    m_ff = option(frame1, typeGroup, "FF", QStringLiteral("Focale Fissa"), 120, 1020, 1215, 255);
    m_ff->setChecked(true);

    QGroupBox* frame2 =
        frame(client, "Frame2", QStringLiteral("Controllo iride"), 2760, 120, 2295, 1695);
    auto* irisGroup = new QButtonGroup(frame2);
    m_manual = option(frame2, irisGroup, "Manual", QStringLiteral("Manuale"), 120, 240, 2055, 255);
    m_dc = option(frame2, irisGroup, "DC", QStringLiteral("Diretto"), 120, 550, 2055, 255);
    m_vd = option(frame2, irisGroup, "VD", QStringLiteral("Video"), 120, 860, 2055, 255);
    auto* line = named<QFrame>("Line1", frame2);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    const QRect rule = twipsRect(120, 1200, 2040, 0, line);
    line->setGeometry(rule.x(), rule.y() - 1, rule.width(), 2);
    m_m =
        option(frame2, irisGroup, "M", QStringLiteral("a Motore (per zoom)"), 120, 1320, 2055, 255);
    m_m->setEnabled(false);
    m_dc->setChecked(true);
}

SensorFormat OptionGroups::sensorFormat() const {
    for (std::size_t i = 0; i < m_sensors.size(); ++i)
        if (m_sensors[i]->isChecked())
            return SensorFormat(i);
    return SensorFormat::Third;
}

bool OptionGroups::zoomSelected() const {
    return m_zoom->isChecked();
}

bool OptionGroups::varSelected() const {
    return m_var->isChecked();
}

void OptionGroups::setMotorIrisEnabled(bool enabled) {
    m_m->setEnabled(enabled);
}

QList<QWidget*> OptionGroups::tabOrder() const {
    QList<QWidget*> order(m_sensors.cbegin(), m_sensors.cend());
    order << m_zoom << m_var << m_hsp << m_ff << m_manual << m_dc << m_vd << m_m;
    return order;
}

} // namespace vistaro
