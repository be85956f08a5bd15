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

} // namespace

const std::array<LanguageTargetInfo, LanguageLineCount>& languageTargets() {
    return targets;
}

std::optional<QStringList> readLanguageFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(MaxLanguageFileBytes);
    if (bytes.isEmpty())
        return std::nullopt; // unreadable, or no line to take
    const QList<QByteArray> lines = firstLines(bytes, LanguageLineCount);

    // One decoding for the lines read, so a file is UTF-8 or Windows-1252 as a whole.
    QStringList texts = decode8Bit(lines.join('\n')).split(u'\n');
    // A missing line leaves the last text read in place for the targets that follow.
    while (texts.size() < LanguageLineCount)
        texts.append(texts.constLast());
    return texts;
}

QString unreadableLanguageFileMessage(const QString& path) {
    return QStringLiteral("The language file \"%1\" could not be read, so the texts on show are "
                          "kept. Choose another language file with the Language menu.")
        .arg(QDir::toNativeSeparators(path));
}

QString separatorQuestion(const QString& languageQuestion) {
    if (!languageQuestion.isEmpty())
        return languageQuestion;
    return QStringLiteral("Is your decimal separator a comma, as in 3,5? (No: a point, as in 3.5)");
}

} // namespace vistaro
