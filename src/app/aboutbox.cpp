// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/aboutbox.h"

#include "platform/forms.h"
#include "platform/settingspath.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vistaro {

namespace {

QLabel* addLabel(QVBoxLayout* layout, const char* name, Qt::TextFormat format) {
    auto* label = named<QLabel>(name, layout->parentWidget());
    label->setTextFormat(format);
    label->setWordWrap(true);
    layout->addWidget(label);
    return label;
}

} // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    auto* texts = new QVBoxLayout;
    auto* row = new QHBoxLayout(this);
    if (const QString icon = QLatin1String(ProgramIcon); QFile::exists(icon)) {
        auto* logo = new QLabel(this);
        logo->setPixmap(QIcon(icon).pixmap(64, 64));
        row->addWidget(logo, 0, Qt::AlignTop);
    }
    row->addLayout(texts);
    m_title = addLabel(texts, "Title", Qt::PlainText);
    QFont bold = m_title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    m_title->setFont(bold);
    m_summary = addLabel(texts, "Summary", Qt::PlainText);
    m_license = addLabel(texts, "License", Qt::RichText);
    m_license->setOpenExternalLinks(true);
    // The link can be reached and followed from the keyboard too.
    m_license->setTextInteractionFlags(Qt::TextBrowserInteraction);
    m_qt = addLabel(texts, "QtVersion", Qt::PlainText);
    // The path is often wanted elsewhere: it can be selected and copied.
    m_settings = addLabel(texts, "SettingsFile", Qt::PlainText);
    m_settings->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_close = new QPushButton(this);
    m_close->setObjectName(QStringLiteral("Close"));
    m_close->setDefault(true);
    texts->addWidget(m_close, 0, Qt::AlignRight);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    retranslate();
}

void AboutBox::retranslate() {
    setWindowTitle(tr("About Vistaro"));
    m_title->setText(tr("Vistaro %1").arg(QStringLiteral(VISTARO_VERSION)));
    m_summary->setText(tr("Lens calculator for CCTV cameras"));
    m_license->setText(
        tr("Copyright 2026 The Vistaro developers. Vistaro is free software under the "
           "<a href=\"%1\">GNU General Public License, version 3 or later</a>; it comes with "
           "absolutely no warranty.")
            .arg(QStringLiteral("https://www.gnu.org/licenses/gpl-3.0.html")));
    m_qt->setText(tr("Qt %1 (built with Qt %2)")
                      .arg(QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR)));
    m_settings->setText(tr("Settings file: %1").arg(QDir::toNativeSeparators(settingsFilePath())));
    m_close->setText(tr("Close"));
}

void AboutBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

} // namespace vistaro
