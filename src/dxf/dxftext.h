// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

namespace vistaro {

// A string of a DXF file as text: UTF-8 when it is valid UTF-8 (AutoCAD 2007 and later), else
// the Windows code page that older drawings use; the escapes \U+XXXX become their characters.
QString fromDxfString(const std::string& bytes);

// The text of a TEXT entity: the control codes %%d, %%p and %%c become the degree, plus-minus
// and diameter signs, %%% a percent sign; the underline and overline switches go.
QString plainText(const std::string& bytes);

// The text of an MTEXT entity: as plainText, and its formatting dropped: \P (and the column
// and dimension line breaks \N, \X) breaks the line, the codes of font, height, colour, width
// and the like go with their arguments, braces go, a stacked text such as \S1/2; keeps its
// figures, \M+NXXXX becomes its East Asian character and the caret notation (^J, ^I, "^ ")
// its control character.
QString plainMText(const std::string& bytes);

// Text for the drawings we write: one line (control characters become blanks), at most
// MaxDxfTextChars characters, ASCII with \U+XXXX for the rest, as every reader of AutoCAD 2000
// drawings understands.
inline constexpr int MaxDxfTextChars = 120;
std::string toDxfString(const QString& text);

} // namespace vistaro
