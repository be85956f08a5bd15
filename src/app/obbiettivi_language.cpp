// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/obbiettivi.h"
#include "lang/languagefile.h"
#include "match/cconsiglia.h"
#include "platform/accessibility.h"
#include "platform/messagebox.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>

namespace vistaro {

namespace {

// The public texts of the language file's first lines, in the order of LanguageTarget.
constexpr QString MainPublic::*mainTexts[] = {
    &MainPublic::Sep,      &MainPublic::ValNum,      &MainPublic::IRISCont,
    &MainPublic::At,       &MainPublic::InquadraMin, &MainPublic::InquadraMax,
    &MainPublic::Inquadra, &MainPublic::MinimoFuoco,
};

// Menus and buttons show an "&" as the mark of an access key; a label has no access key, so
// it shows the caption as those would.
void writeCaption(QObject* target, const QString& text) {
    if (auto* action = qobject_cast<QAction*>(target))
        action->setText(text);
    else if (auto* frame = qobject_cast<QGroupBox*>(target))
        frame->setTitle(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(target))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(target)) {
        label->setTextFormat(Qt::PlainText);
        label->setText(withoutAccessKeys(text));
        describeFigure(label);
    }
}

} // namespace

void Obbiettivi::CaricaLingua(const QString& lingua) {
    applyLanguageFile(lingua, true);
}

// CaricaLingua, reporting a file that gives no texts only when `reportProblem`.
void Obbiettivi::applyLanguageFile(const QString& lingua, bool reportProblem) {
    // Settings without line 3 name no file: the captions on show stay, and there is nothing to
    // report.
    if (lingua.isEmpty())
        return;
    LanguageFileProblem problem{};
    const std::optional<QStringList> texts = readLanguageFile(lingua, &problem);
    if (!texts) {
        if (reportProblem)
            showMessage(this, problem == LanguageFileProblem::Empty
                                  ? emptyLanguageFileMessage(lingua)
                                  : unreadableLanguageFileMessage(lingua));
        return;
    }
    applyInterfaceLanguage(lingua);
    for (const LanguageTargetInfo& info : languageTargets()) {
        const QString& text = languageText(*texts, info.target);
        const QString name = QLatin1String(info.name);
        switch (info.kind) {
        case LanguageTargetKind::MainText:
            m_public.*mainTexts[static_cast<int>(info.target)] = text;
            break;
        case LanguageTargetKind::MainCaption:
            if (QWidget* control = m_client->findChild<QWidget*>(name))
                writeCaption(control, text);
            else
                writeCaption(menuBar()->findChild<QAction*>(name), text);
            break;
        case LanguageTargetKind::RecommendationCaption:
            writeCaption(m_hub->consiglia().findChild<QLabel*>(name), text);
            break;
        }
    }
}

void Obbiettivi::Language_Click() {
    m_hub->showLanguageChooser();
}

} // namespace vistaro
