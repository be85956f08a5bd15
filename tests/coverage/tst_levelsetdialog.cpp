// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "coverage/levelsetdialog.h"
#include "support/messageboxanswer.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace vistaro;
using namespace Qt::StringLiterals;

class TestLevelSetDialog : public QObject {
    Q_OBJECT

    static LevelSet tender() {
        return userLevelSet(u"Tender"_s, {{u"face"_s, u"Face"_s, 300}}, false);
    }

    template <typename Control> static Control* child(QDialog& dialog, const QString& name) {
        auto* found = dialog.findChild<Control*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        test::MessageBoxAnswer::failOnUnexpectedBoxes();
    }

    // Typed into the editor, the set is taken on OK: renamed, in px/ft, a level added, the
    // levels ordered by density.
    void editedSetIsTaken() {
        LevelSetDialog dialog({tender()});
        child<QLineEdit>(dialog, u"LevelSetName"_s)->setText(u"Tender B"_s);
        child<QComboBox>(dialog, u"LevelSetUnit"_s)->setCurrentIndex(1);
        child<QPushButton>(dialog, u"AddLevel"_s)->click();
        auto* levels = child<QTableWidget>(dialog, u"LevelTable"_s);
        QCOMPARE(levels->rowCount(), 2);
        levels->item(1, 1)->setText(u"20"_s);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const LevelSet expected = userLevelSet(
            u"Tender B"_s, {{u"face"_s, u"Face"_s, 300}, {u"level-2"_s, u"Level 2"_s, 20}}, true);
        QCOMPARE(dialog.sets(), std::vector{expected});
    }

    // A level without a density, or a second set of one name, is not taken: the message says
    // why and the dialog stays open with nothing lost.
    void badSetIsRefused() {
        LevelSetDialog dialog({tender()});
        child<QPushButton>(dialog, u"NewLevelSet"_s)->click();
        QCOMPARE(child<QLineEdit>(dialog, u"LevelSetName"_s)->text(), u"New set"_s);
        child<QTableWidget>(dialog, u"LevelTable"_s)->item(0, 1)->setText(u"many"_s);
        test::ScriptedDialogs dialogs;
        dialogs.answer(dialogs.Message).answer(dialogs.Message);
        dialog.accept();
        QVERIFY(dialog.result() != QDialog::Accepted);
        child<QTableWidget>(dialog, u"LevelTable"_s)->item(0, 1)->setText(u"50"_s);
        child<QLineEdit>(dialog, u"LevelSetName"_s)->setText(u"Tender"_s);
        dialog.accept();
        const QStringList said = dialogs.texts(dialogs.Message);
        QVERIFY2(said.value(0).contains(u"levels[0].density: not a positive number"_s),
                 qPrintable(said.value(0)));
        QCOMPARE(said.value(1), u"There is a level set named \"Tender\" already."_s);
        QCOMPARE(dialog.sets().front(), tender());
    }
};

QTEST_MAIN(TestLevelSetDialog)
#include "tst_levelsetdialog.moc"
