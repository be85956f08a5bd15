// settingswriter <path>: saves two different complete settings in turn, for ever, so that a
// test can kill it in the middle of a save. Says "saving" once the first round is done.
#include "settingscontents.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    for (bool announced = false;; announced = true) {
        for (const vistaro::Settings& settings : vistaro::test::alternatingSettings()) {
            if (saveSettings(path, settings))
                return 1;
        }
        if (!announced) {
            std::puts("saving");
            std::fflush(stdout);
        }
    }
}
