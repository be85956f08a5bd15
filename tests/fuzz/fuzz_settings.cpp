// The settings reader on any file: probe and load never crash, agree on line 1, and what was
// loaded saves and loads back unchanged.
#include "app/settingsfile.h"
#include "fuzzinput.h"

using namespace vistaro;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = fuzz::writeInput(data, size, QStringLiteral("lens.ini"));
    const QString probe = probeSettings(path);

    Settings loaded{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                    QStringLiteral("D:\\")};
    loadSettings(path, loaded);
    if (!probe.isEmpty())
        require(loaded.DecimalSeparator == probe);

    // A leading byte-order mark is dropped on reading, so a value that starts with one cannot
    // come back as it was; the program never writes one.
    if (loaded.DecimalSeparator.startsWith(QChar(0xFEFF)))
        return 0;
    const QString copy = QDir(fuzz::inputFolder().path()).filePath(QStringLiteral("copy.ini"));
    require(!saveSettings(copy, loaded));
    Settings reloaded;
    loadSettings(copy, reloaded);
    require(reloaded == loaded);
    return 0;
}
