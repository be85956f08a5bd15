// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/languagefile.h"

#include "platform/textdecode.h"

#include <QDir>
#include <QFile>

namespace vistaro {

namespace {

using enum LanguageTarget;
using enum LanguageTargetKind;

constexpr std::array<LanguageTargetInfo, LanguageLineCount> targets = {{
    {Sep, MainText, "Sep"},
    {ValNum, MainText, "ValNum"},
    {IRISCont, MainText, "IRISCont"},
    {At, MainText, "At"},
    {InquadraMin, MainText, "InquadraMin"},
    {InquadraMax, MainText, "InquadraMax"},
    {Inquadra, MainText, "Inquadra"},
    {MinimoFuoco, MainText, "MinimoFuoco"},
    {MinFuoco, RecommendationCaption, "MinFuoco"},
    {Iride, RecommendationCaption, "Iride"},
    {Sensore, MainCaption, "Sensore"},
    {Frame1, MainCaption, "Frame1"},
    {HSP, MainCaption, "HSP"},
    {FF, MainCaption, "FF"},
    {Frame2, MainCaption, "Frame2"},
    {Manual, MainCaption, "Manual"},
    {DC, MainCaption, "DC"},
    {VD, MainCaption, "VD"},
    {M, MainCaption, "M"},
    {MarvantoCons, MainCaption, "MarvantoCons"},
    {Label1, MainCaption, "Label1"},
    {Label2, MainCaption, "Label2"},
    {Label4, MainCaption, "Label4"},
    {Label3, MainCaption, "Label3"},
    {DecSeparator, MainCaption, "DecSeparator"},
    {Language, MainCaption, "Language"},
}};

// A language file is a couple of kilobytes; the cap keeps a wrong pick (a huge file renamed to
// .lng) from filling the memory.
constexpr qint64 MaxLanguageFileBytes = 1024 * 1024;

// The first lines of `bytes`, without their ends. CR and LF are single bytes in both UTF-8 and
// Windows-1252, so the split is safe before decoding.
QList<QByteArray> firstLines(const QByteArray& bytes, int count) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < bytes.size() && lines.size() < count) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.append(bytes.mid(start, i - start));
        i += (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n') ? 2 : 1;
        start = i;
    }
    if (start < bytes.size() && lines.size() < count)
        lines.append(bytes.mid(start));
    return lines;
}

// `what` befell the file at `path`.
QString keptTextsMessage(const QString& path, const QString& what) {
    return QStringLiteral("The language file \"%1\" %2, so the texts on show are kept. Choose "
                          "another language file with the Language menu.")
        .arg(QDir::toNativeSeparators(path), what);
}

} // namespace

const std::array<LanguageTargetInfo, LanguageLineCount>& languageTargets() {
    return targets;
}

std::optional<QStringList> readLanguageFile(const QString& path, LanguageFileProblem* problem) {
    QFile file(path);
    const QByteArray bytes =
        file.open(QIODevice::ReadOnly) ? file.read(MaxLanguageFileBytes) : QByteArray();
    if (bytes.isEmpty()) {
        if (problem)
            *problem = file.isOpen() && file.error() == QFileDevice::NoError
                           ? LanguageFileProblem::Empty
                           : LanguageFileProblem::Unreadable;
        return std::nullopt;
    }
    const QList<QByteArray> lines = firstLines(bytes, LanguageLineCount);

    // One decoding for the lines read, so a file is UTF-8 or Windows-1252 as a whole.
    QStringList texts = decode8Bit(lines.join('\n')).split(u'\n');
    // A missing line leaves the last text read in place for the targets that follow.
    while (texts.size() < LanguageLineCount)
        texts.append(texts.constLast());
    return texts;
}

QString withoutAccessKeys(const QString& caption) {
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&' && i + 1 < caption.size())
            ++i;
        shown.append(caption.at(i));
    }
    return shown;
}

QString unreadableLanguageFileMessage(const QString& path) {
    return keptTextsMessage(path, QStringLiteral("could not be read"));
}

QString emptyLanguageFileMessage(const QString& path) {
    return keptTextsMessage(path, QStringLiteral("is empty"));
}

QString separatorQuestion(const QString& languageQuestion) {
    if (!languageQuestion.isEmpty())
        return languageQuestion;
    return QStringLiteral("Is your decimal separator a comma, as in 3,5? (No: a point, as in 3.5)");
}

} // namespace vistaro
