// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "match/wantedfocal.h"

namespace vistaro {

WantedFocal wantedFocal(const QString& lensTypeCode, const QString& valFocale1,
                        const QString& valFocale2) {
    return {valFocale1, lensTypeCode == QStringLiteral("ZOOM") ? valFocale2 : valFocale1};
}

} // namespace vistaro
