// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cddrivemenu.h"
#include "support/drivemenuuser.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vistaro;
using namespace Qt::StringLiterals;

// The CD Drive menu on its own, elsewhere than Windows: the volumes mounted as it opens, the
// root in use checked, an item of its own when no volume has it, and "Other folder...".
class TestCdDriveMenu : public QObject {
    Q_OBJECT

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
        const QStringList words = script.replace(u"<copy>"_s, copy.path()).split(u' ');
        CdDriveMenu menu;
        QStringList announced;
        connect(&menu, &CdDriveMenu::rootChosen, this,
                [&](const QString& root) { announced << root; });
        menu.showRoot(words[0]);
        test::useDriveMenu(menu, words[2].split(u','), words[1]);
        QCOMPARE(test::shownItems(menu).join(u'|'), words[3] + u"|Other folder..."_s);
        QCOMPARE(announced.join(u','), words[4]);
    }
};

QTEST_MAIN(TestCdDriveMenu)
#include "tst_cddrivemenu.moc"
