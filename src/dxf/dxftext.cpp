// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dxf/dxftext.h"

#include "platform/textdecode.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <array>

namespace vistaro {

namespace {

// `text` with every match of `pattern` replaced by what `by` makes of it.
template <class By>
QString replaced(const QString& text, const QRegularExpression& pattern, By by) {
    QString result;
    qsizetype done = 0;
    for (QRegularExpressionMatchIterator it = pattern.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        result.append(QStringView(text).mid(done, match.capturedStart() - done));
        result += by(match);
        done = match.capturedEnd();
    }
    return result.append(QStringView(text).mid(done));
}

QString specialCharacter(const QRegularExpressionMatch& match) {
    switch (match.captured(1).at(0).toLower().unicode()) {
    case 'd':
        return QString(QChar(0x00B0));
    case 'p':
        return QString(QChar(0x00B1));
    case 'c':
        return QString(QChar(0x2300));
    case '%':
        return QStringLiteral("%");
    default: // the underline and overline switches
        return {};
    }
}

// What MTEXT's caret notation ^X stands for: a caret for "^ ", else the control character X - 64,
// a line break or a tab kept and any other one shown as a blank.
QChar caretDecoded(QChar code) {
    switch (code.unicode()) {
    case ' ':
        return u'^';
    case 'J':
        return u'\n';
    case 'I':
        return u'\t';
    default:
        return u' ';
    }
}

// The character of "+NXXXX": N the code page (1 Japanese, 2 traditional Chinese, 3 Korean
// (Wansung), 4 Korean (Johab), 5 simplified Chinese), XXXX its two bytes; U+FFFD when the code
// page cannot be read here; empty when `code` is no such character.
QString doubleByteCharacter(QStringView code) {
    static const QRegularExpression pattern(QStringLiteral("^\\+([1-5])([0-9A-Fa-f]{4})$"));
    const QRegularExpressionMatch match = pattern.match(code.toString());
    if (!match.hasMatch())
        return {};
    static constexpr std::array<const char*, 5> CodePages{"Shift_JIS", "Big5", "windows-949",
                                                          "Johab", "GBK"};
    QStringDecoder decoder(CodePages.at(match.capturedView(1).toUInt() - 1));
    if (!decoder.isValid())
        return QString(QChar::ReplacementCharacter);
    const QByteArray pair = QByteArray::fromHex(match.capturedView(2).toLatin1());
    const QString character = decoder.decode(pair);
    return character.isEmpty() || decoder.hasError() ? QString(QChar::ReplacementCharacter)
                                                     : character;
}

// A stacked text's plain form: its upper and lower parts (split by '/' or '#' for a fraction,
// '^' for a tolerance or an index) with a slash between them, or the part alone when the other
// one is empty. "^ " is a caret; a backslash takes the next character as it is.
QString unstacked(QStringView stacked) {
    QString upper;
    QString lower;
    QString* part = &upper;
    for (qsizetype i = 0; i < stacked.size(); ++i) {
        const QChar c = stacked[i];
        if (c == u'\\' && i + 1 < stacked.size()) {
            *part += stacked[++i];
        } else if (part == &upper && (c == u'/' || c == u'#' || c == u'^')) {
            part = &lower;
            if (c == u'^' && i + 1 < stacked.size() && stacked[i + 1] == u' ')
                ++i;
        } else {
            *part += c;
        }
    }
    if (upper.isEmpty() || lower.isEmpty())
        return upper + lower;
    return upper + u'/' + lower;
}

} // namespace

QString fromDxfString(const std::string& bytes) {
    const QString text = decode8Bit(QByteArray::fromStdString(bytes));
    if (!text.contains(QStringLiteral("\\U+"), Qt::CaseInsensitive))
        return text;
    static const QRegularExpression escape(QStringLiteral("\\\\U\\+([0-9A-Fa-f]{4})"),
                                           QRegularExpression::CaseInsensitiveOption);
    return replaced(text, escape, [](const QRegularExpressionMatch& match) {
        return QString(QChar(static_cast<char16_t>(match.captured(1).toUInt(nullptr, 16))));
    });
}

QString plainText(const std::string& bytes) {
    const QString text = fromDxfString(bytes);
    if (!text.contains(QStringLiteral("%%")))
        return text;
    static const QRegularExpression code(QStringLiteral("%%([dpcuo%])"),
                                         QRegularExpression::CaseInsensitiveOption);
    return replaced(text, code, specialCharacter);
}

QString plainMText(const std::string& bytes) {
    const QString text = plainText(bytes);
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'{' || c == u'}')
            continue;
        if (c == u'^' && i + 1 < text.size()) {
            plain += caretDecoded(text[++i]);
            continue;
        }
        if (c != u'\\' || i + 1 == text.size()) {
            plain += c;
            continue;
        }
        const QChar code = text[++i];
        switch (code.unicode()) {
        case 'P': // a new paragraph, a new column, the dimension line's break
        case 'N':
        case 'X':
            plain += u'\n';
            break;
        case '~':
            plain += u' ';
            break;
        case '\\':
        case '{':
        case '}':
            plain += code;
            break;
        case 'M': { // a character of an East Asian code page: \M+NXXXX
            const QString character = doubleByteCharacter(QStringView(text).mid(i + 1, 6));
            plain += character;
            if (!character.isEmpty())
                i += 6;
            break;
        }
        case 'S': { // a stacked fraction, a superscript or a subscript, up to a semicolon
            const qsizetype end = text.indexOf(u';', i + 1);
            const qsizetype last = end < 0 ? text.size() : end;
            plain += unstacked(QStringView(text).mid(i + 1, last - i - 1));
            i = last;
            break;
        }
        case 'A':
        case 'C':
        case 'c':
        case 'F':
        case 'f':
        case 'H':
        case 'p':
        case 'Q':
        case 'T':
        case 'W': { // a setting with an argument up to a semicolon
            const qsizetype end = text.indexOf(u';', i + 1);
            i = end < 0 ? text.size() : end;
            break;
        }
        default: // a switch without argument, such as \L and \l for underlining
            break;
        }
    }
    return plain;
}

std::string toDxfString(const QString& text) {
    std::string bytes;
    for (const QChar c : QStringView(text).left(MaxDxfTextChars)) {
        if (c.unicode() < 0x20)
            bytes += ' ';
        else if (c.unicode() < 0x80)
            bytes += static_cast<char>(c.unicode());
        else if (c.isHighSurrogate()) // beyond the escapes' four digits
            bytes += '?';
        else if (c.isLowSurrogate())
            continue;
        else
            bytes += QStringLiteral("\\U+%1")
                         .arg(c.unicode(), 4, 16, QLatin1Char('0'))
                         .toUpper()
                         .toStdString();
    }
    return bytes;
}

} // namespace vistaro
