// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Any file with a byte gives 26 texts without a line end; an empty one nothing.
#include "fuzzinput.h"
#include "lang/languagefile.h"

using namespace vistaro;

void vistaro::fuzz::check(const QByteArray& input, const QString& path) {
    const std::optional<QStringList> texts = readLanguageFile(path);
    require(texts.has_value() == !input.isEmpty());
    require(!texts || texts->size() == LanguageLineCount);
    for (const QString& text : texts.value_or(QStringList()))
        require(!text.contains(u'\r') && !text.contains(u'\n'));
}
