// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/cddrivemenu.h"
#include "support/scripteddialogs.h"

#include <QAction>
#include <QStringList>

namespace vistaro::test {

// Plays the user of a CD Drive menu: with `volumes` mounted, opens the menu, then does `action`:
// "pick=<folder>" chooses "Other folder..." and answers it with the folder (none: cancelled),
// "click=<caption>" clicks the first visible item of that caption (a drive's comes before the
// folder item), anything else nothing.
inline void useDriveMenu(CdDriveMenu& menu, const QStringList& volumes, const QString& action) {
    menu.setDriveLister([volumes] {
        QList<DriveRoot> drives;
        for (const QString& volume : volumes)
            drives.append({volume, volume});
        return drives;
    });
    const QString answer = action.section(u'=', 1);
    menu.popup({});
    menu.hide();
    if (action.startsWith(u"pick=")) {
        ScriptedDialogs dialogs;
        dialogs.answer(dialogs.Folder, answer);
        menu.findChild<QAction*>(QStringLiteral("OtherFolder"))->trigger();
    }
    for (QAction* item : menu.actions())
        if (action.startsWith(u"click=") && item->isVisible() && item->text() == answer) {
            item->trigger();
            break;
        }
}

// The captions of the visible items as the menu opens, "*" on the checked one.
inline QStringList shownItems(CdDriveMenu& menu) {
    menu.popup({});
    menu.hide();
    QStringList items;
    for (const QAction* item : menu.actions())
        if (item->isVisible())
            items << (item->isChecked() ? QStringLiteral("*") : QString()) + item->text();
    return items;
}

} // namespace vistaro::test
