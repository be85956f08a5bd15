// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace vistaro {

// What a language file fills, in the order of its lines: eight texts that other windows
// assemble into messages and captions, then eighteen captions of controls and menus.
enum class LanguageTarget {
    Sep,
    ValNum,
    IRISCont,
    At,
    InquadraMin,
    InquadraMax,
    Inquadra,
    MinimoFuoco,
    MinFuoco,
    Iride,
    Sensore,
    Frame1,
    HSP,
    FF,
    Frame2,
    Manual,
    DC,
    VD,
    M,
    MarvantoCons,
    Label1,
    Label2,
    Label4,
    Label3,
    DecSeparator,
    Language,
};

inline constexpr int LanguageLineCount = 26;

// Where a line goes: a text of the main window's public variables, or the caption of a
// control or menu of the main window or of the recommendation window.
enum class LanguageTargetKind { MainText, MainCaption, RecommendationCaption };

struct LanguageTargetInfo {
    LanguageTarget target;
    LanguageTargetKind kind;
    const char* name; // the variable's name, or the objectName of the captioned control or menu
};

// The 26 targets in the order of the file's lines.
const std::array<LanguageTargetInfo, LanguageLineCount>& languageTargets();

// The text of `target` in the 26 texts that readLanguageFile gives.
inline const QString& languageText(const QStringList& texts, LanguageTarget target) {
    return texts.at(static_cast<qsizetype>(target));
}

// Why a language file gave no texts.
enum class LanguageFileProblem { Unreadable, Empty };

// Exactly 26 texts, one for each target in order. Lines end with CR LF, CR or LF; a last line
// without an end counts; lines after the 26th are ignored. A file of fewer lines repeats its
// last line into the remaining targets. Nothing when the file cannot be opened or read, or
// holds no line at all, so that the caller can keep the texts on show; `problem` then says
// which, when given.
std::optional<QStringList> readLanguageFile(const QString& path,
                                            LanguageFileProblem* problem = nullptr);

// What a label shows for a caption written with access-key marks: a single "&" marks the next
// letter and is not shown, "&&" shows one "&".
QString withoutAccessKeys(const QString& caption);

// The one message that says `path` could not be read, or is empty, and how to choose another
// file.
QString unreadableLanguageFileMessage(const QString& path);
QString emptyLanguageFileMessage(const QString& path);

// The decimal-separator question to ask: the language file's own, or an English one while no
// language file has given it, so the Yes and No buttons are never under an empty question.
QString separatorQuestion(const QString& languageQuestion);

} // namespace vistaro
