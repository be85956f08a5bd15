// The language-file reader on any file: no crash, and a file with at least one byte gives
// exactly 26 texts, none holding a line end.
#include "fuzzinput.h"
#include "lang/languagefile.h"

using namespace vistaro;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<QStringList> texts =
        readLanguageFile(fuzz::writeInput(data, size, QStringLiteral("Italiano.lng")));
    require(texts.has_value() == (size > 0));
    if (!texts)
        return 0;
    require(texts->size() == LanguageLineCount);
    for (const QString& text : *texts)
        require(!text.contains(u'\r') && !text.contains(u'\n'));
    return 0;
}
