// The catalogue loader on any file: no crash, N lines give N + 2 rows with the last two empty,
// and every bound it sets lies on a row of its own type, the first of a block no later than the
// last of the type.
#include "catalogue/catalogueloader.h"
#include "fuzzinput.h"

using namespace vistaro;
using fuzz::require;

namespace {

constexpr std::int16_t Unset = -1;

void checkBounds(const Catalogue& catalogue, std::int16_t first, std::int16_t last,
                 const QString& code) {
    require((first == Unset) == (last == Unset));
    if (first == Unset)
        return;
    require(first >= 0 && first <= last && last < catalogue.size() - 2);
    require(catalogue[first].TypeCode == code && catalogue[last].TypeCode == code);
    require(first == 0 || catalogue[first - 1].TypeCode != code);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString name = catalogueFileName(QStringLiteral("."));
    fuzz::writeInput(data, size, name);

    Catalogue catalogue(3);
    BlockBounds bounds{Unset, Unset, Unset, Unset, Unset, Unset, Unset, Unset};
    const std::optional<QString> message =
        CaricaDatiDa(name, {fuzz::inputFolder().path()}, catalogue, bounds);

    // Inputs stay far below the line limit, so a readable file loads without a message.
    require(!message);
    require(catalogue.size() >= 2 && catalogue.size() <= qsizetype(size) + 2);
    require(catalogue.last() == LensRecord{} && catalogue[catalogue.size() - 2] == LensRecord{});
    checkBounds(catalogue, bounds.FirstFF, bounds.LastFF, QStringLiteral("FF"));
    checkBounds(catalogue, bounds.FirstHSP, bounds.LastHSP, QStringLiteral("HSP"));
    checkBounds(catalogue, bounds.FirstVAR, bounds.LastVAR, QStringLiteral("VAR"));
    checkBounds(catalogue, bounds.FirstZOOM, bounds.LastZOOM, QStringLiteral("ZOOM"));
    return 0;
}
