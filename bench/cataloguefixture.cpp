// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cataloguefixture.h"

#include <QSaveFile>
#include <array>

namespace vistaro::bench {

namespace {

struct Focal {
    const char* mm;   // as written in the focal columns
    const char* code; // as written in the lens name
    const char* fstop;
    const char* minFocus;
};

constexpr std::array<Focal, 10> Focals = {{{"2.8", "28", "1.2", "0.2"},
                                           {"3.6", "36", "1.4", "0.2"},
                                           {"4", "40", "1.2", "0.25"},
                                           {"6", "60", "1.2", "0.3"},
                                           {"8", "80", "1.2", "0.3"},
                                           {"12", "120", "1.4", "0.5"},
                                           {"16", "160", "1.4", "0.5"},
                                           {"25", "250", "1.4", "0.8"},
                                           {"35", "350", "1.6", "1"},
                                           {"50", "500", "1.8", "1.2"}}};
constexpr std::array<const char*, 4> Formats = {"T", "H", "M", "V"};
constexpr std::array<const char*, 4> Irises = {"MI", "DD", "VD", "M"};
constexpr std::array<const char*, 3> Notes = {"no", "Metal mount", "Wide angle, low distortion"};

} // namespace

bool writeCatalogue(const QString& path, int lines) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray line;
    for (int i = 0; i < lines; ++i) {
        const Focal& focal = Focals[i % Focals.size()];
        const char* iris = Irises[(i / 3) % Irises.size()];
        line = QByteArray("FF\t") + Formats[(i / 7) % Formats.size()] + focal.code + "0" +
               QByteArray::number(i % 100) + iris + '\t' + iris + '\t' + focal.mm + '\t' +
               focal.mm + '\t' + focal.fstop + '\t' + focal.minFocus + "\tFF\\\t" +
               Notes[i % Notes.size()] + "\r\n";
        file.write(line);
    }
    return file.commit();
}

} // namespace vistaro::bench
