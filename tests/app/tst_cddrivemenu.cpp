// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cddrivemenu.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vistaro;

// The CD Drive menu on its own, elsewhere than Windows: the volumes mounted as it opens, the
// root in use checked, an item of its own when no volume has it, and "Other folder...".
class TestCdDriveMenu : public QObject {
    Q_OBJECT

    // The captions of the visible items, "*" on the checked one, as the menu opens.
    static QString shown(CdDriveMenu& menu) {
        menu.popup({});
        menu.hide();
        QStringList items;
        for (const QAction* item : menu.actions())
            if (item->isVisible())
                items << (item->isChecked() ? "*" : "") + item->text();
        return items.join(u'|');
    }

private slots:
    // Words: the root in use; what the user does ("-" nothing, "pick=" what "Other folder..."
    // answers, empty when cancelled, "click=" the caption of an item clicked); the volumes; the
    // captions, "*" on the checked one; the roots the menu announced.
    void rootInUse_data() {
        QTest::addColumn<QString>("script");
        QTest::newRow("a disc mounted after start") << "/mnt/disc/ - /,/mnt/disc/ /|*/mnt/disc/ ";
        QTest::newRow("the disc taken out") << "/mnt/disc/ - / /|*/mnt/disc/ ";
        QTest::newRow("a folder picked") << "/ pick=<copy> / /|*<copy>/ <copy>/";
        QTest::newRow("a folder picked, separator given") << "/ pick=<copy>/ / /|*<copy>/ <copy>/";
        QTest::newRow("picking cancelled") << "<copy>/ pick= / /|*<copy>/ ";
        QTest::newRow("an ampersand shown, no access key") << "<copy>/A&B/ - / /|*<copy>/A&&B/ ";
        QTest::newRow("a volume clicked")
            << "<copy>/ click=/mnt/disc/ /,/mnt/disc/ /|*/mnt/disc/ /mnt/disc/";
        QTest::newRow("the folder clicked again") << "<copy>/ click=<copy>/ / /|*<copy>/ <copy>/";
        QTest::newRow("no root yet") << " - / / ";
    }

    void rootInUse() {
        QFETCH(QString, script);
        if constexpr (!DriveMenuOffersAnyFolder)
            QSKIP("Windows lists the drive letters C: to G:");
        const QTemporaryDir copy; // "<copy>"
        const QStringList words = script.replace("<copy>", copy.path()).split(u' ');
        const QString action = words[1].section(u'=', 1);
        CdDriveMenu menu;
        menu.setDriveLister([&] {
            QList<DriveRoot> volumes;
            for (const QString& volume : words[2].split(u','))
                volumes.append({volume, volume});
            return volumes;
        });
        menu.setFolderPicker([&](QWidget*) { return action; });
        QStringList announced;
        connect(&menu, &CdDriveMenu::rootChosen, this,
                [&](const QString& root) { announced << root; });
        menu.showRoot(words[0]);
        shown(menu);

        if (words[1].startsWith(u"pick="))
            menu.findChild<QAction*>(QStringLiteral("OtherFolder"))->trigger();
        // The first visible item of that caption: a drive's comes before the folder item.
        for (QAction* item : menu.actions())
            if (words[1].startsWith(u"click=") && item->isVisible() && item->text() == action) {
                item->trigger();
                break;
            }
        QCOMPARE(shown(menu), words[3] + "|Other folder...");
        QCOMPARE(announced.join(u','), words[4]);
    }
};

QTEST_MAIN(TestCdDriveMenu)
#include "tst_cddrivemenu.moc"
