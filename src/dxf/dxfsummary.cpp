// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dxf/dxfsummary.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <string_view>

namespace vistaro {

namespace {

// A kind's sentence for one entity and for more, which translations may bend further by count.
struct KindText {
    std::string_view kind;
    const char* one;
    const char* many;
};

// The kinds that plans commonly hold and the plan leaves out.
constexpr std::array<KindText, 19> KindTexts{{
    {"3DFACE", QT_TRANSLATE_NOOP("DxfSummary", "%n 3D face not drawn"),
     QT_TRANSLATE_N_NOOP("DxfSummary", "%n 3D faces not drawn")},
    {"3DSOLID", QT_TRANSLATE_NOOP("DxfSummary", "%n 3D solid not drawn"),
     QT_TRANSLATE_N_NOOP("DxfSummary", "%n 3D solids not drawn")},
    {"ACAD_PROXY_ENTITY", QT_TRANSLATE_NOOP("DxfSummary", "%n proxy entity not drawn"),
     QT_TRANSLATE_N_NOOP("DxfSummary", "%n proxy entities not drawn")},
    {"ACAD_TABLE", QT_TRANSLATE_NOOP("DxfSummary", "%n table not drawn"),
     QT_TRANSLATE_N_NOOP("DxfSummary", "%n tables not drawn")},
    {"BODY", QT_TRANSLATE_NOOP("DxfSummary", "%n body not drawn"),
     QT_TRANSLATE_N_NOOP("DxfSummary", "%n bodies not drawn")},
    {"DGNUNDERLAY", QT_TRANSLATE_NOOP("DxfSummary", "%n underlay not drawn"),
     QT_TRANSLATE_N_NOOP("DxfSummary", "%n underlays not drawn")},
    {"DWFUNDERLAY", QT_TRANSLATE_NOOP("DxfSummary", "%n underlay not drawn"),
     QT_TRANSLATE_N_NOOP("DxfSummary", "%n underlays not drawn")},
    {"IMAGE", QT_TRANSLATE_NOOP("DxfSummary", "%n image not drawn"),
     QT_TRANSLATE_N_NOOP("DxfSummary", "%n images not drawn")},
    {"LIGHT", QT_TRANSLATE_NOOP("DxfSummary", "%n light not drawn"),
     QT_TRANSLATE_N_NOOP("DxfSummary", "%n lights not drawn")},
    {"MESH", QT_TRANSLATE_NOOP("DxfSummary", "%n mesh not drawn"),
     QT_TRANSLATE_N_NOOP("DxfSummary", "%n meshes not drawn")},
    {"OLE2FRAME", QT_TRANSLATE_NOOP("DxfSummary", "%n embedded object not drawn"),
     QT_TRANSLATE_N_NOOP("DxfSummary", "%n embedded objects not drawn")},
    {"OLEFRAME", QT_TRANSLATE_NOOP("DxfSummary", "%n embedded object not drawn"),
     QT_TRANSLATE_N_NOOP("DxfSummary", "%n embedded objects not drawn")},
    {"PDFUNDERLAY", QT_TRANSLATE_NOOP("DxfSummary", "%n underlay not drawn"),
     QT_TRANSLATE_N_NOOP("DxfSummary", "%n underlays not drawn")},
    {"RAY", QT_TRANSLATE_NOOP("DxfSummary", "%n ray not drawn"),
     QT_TRANSLATE_N_NOOP("DxfSummary", "%n rays not drawn")},
    {"REGION", QT_TRANSLATE_NOOP("DxfSummary", "%n region not drawn"),
     QT_TRANSLATE_N_NOOP("DxfSummary", "%n regions not drawn")},
    {"SURFACE", QT_TRANSLATE_NOOP("DxfSummary", "%n surface not drawn"),
     QT_TRANSLATE_N_NOOP("DxfSummary", "%n surfaces not drawn")},
    {"VIEWPORT", QT_TRANSLATE_NOOP("DxfSummary", "%n viewport not drawn"),
     QT_TRANSLATE_N_NOOP("DxfSummary", "%n viewports not drawn")},
    {"WIPEOUT", QT_TRANSLATE_NOOP("DxfSummary", "%n wipeout not drawn"),
     QT_TRANSLATE_N_NOOP("DxfSummary", "%n wipeouts not drawn")},
    {"XLINE", QT_TRANSLATE_NOOP("DxfSummary", "%n construction line not drawn"),
     QT_TRANSLATE_N_NOOP("DxfSummary", "%n construction lines not drawn")},
}};

} // namespace

QString DxfSummary::notDrawn(const std::vector<DxfNotDrawn>& kinds) {
    QStringList parts;
    for (const DxfNotDrawn& kind : kinds) {
        if (kind.count <= 0)
            continue;
        const QByteArray name = kind.kind.toUpper().toLatin1();
        const auto known =
            std::ranges::find(KindTexts, std::string_view(name.constData()), &KindText::kind);
        if (known != KindTexts.end())
            parts << tr(kind.count == 1 ? known->one : known->many, nullptr, kind.count);
        else if (kind.count == 1)
            parts << tr("%n %1 entity not drawn", nullptr, kind.count).arg(kind.kind);
        else
            parts << tr("%n %1 entities not drawn", nullptr, kind.count).arg(kind.kind);
    }
    return parts.join(tr(", "));
}

} // namespace vistaro
