// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "coverage/coveragewindow.h"
#include "finder/lensfilter.h"
#include "finder/lensfinder.h"
#include "finder/lenstablemodel.h"
#include "support/sampleworkfolder.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTableView>

using namespace vistaro;

// The lens finder on the real windows over the sample catalogue and datasheets.
class TestLensFinder : public QObject {
    Q_OBJECT

    test::SampleWorkFolder m_app;

    // Starts in `language` and opens the finder; null when it is not on show.
    LensFinder* openIn(const char* language) {
        m_app.start(".\r\n,\r\n" + m_app.filePath(QLatin1String(language)).toUtf8() +
                    "\r\n" VISTARO_SOURCE_DATA_DIR "/cd/\r\n");
        if (!QTest::qWaitFor([this] { return !m_app.window().TimerMove()->isActive(); }))
            return nullptr; // the language was never applied
        m_app.window().OpenLensFinder()->trigger();
        LensFinder* finder = m_app.window().lensFinder();
        return finder && finder->isVisible() ? finder : nullptr;
    }

    QTableView* table(LensFinder* finder) const {
        return finder->findChild<QTableView*>(QStringLiteral("LensTable"));
    }

    // The names on show, in their order.
    static QStringList names(LensFinder* finder) {
        QStringList shown;
        for (int row = 0; row < finder->filter().rowCount(); ++row)
            shown << finder->filter().index(row, 0).data().toString();
        return shown;
    }

    static QModelIndex indexOf(LensFinder* finder, const QString& name, LensColumn column) {
        return finder->filter().index(names(finder).indexOf(name), int(column));
    }

    static QString cell(LensFinder* finder, const QString& name, LensColumn column,
                        int role = Qt::DisplayRole) {
        return indexOf(finder, name, column).data(role).toString();
    }

    void doubleClick(LensFinder* finder, const QString& name, LensColumn column) {
        QTableView* view = table(finder);
        const QModelIndex index = indexOf(finder, name, column);
        view->scrollTo(index);
        const QPoint point = view->visualRect(index).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, point);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, point);
    }

private slots:
    void initTestCase() { QVERIFY(m_app.prepare()); }
    // The coverage window remembers the level a test picked; each test starts from the defaults.
    void cleanup() {
        m_app.stop();
        QFile::remove(windowSettingsFilePath());
    }

    // Wanted 10 mm: a 3.5-8 mm varifocal passes Trova's test but not TrovaVAR's.
    void followsTheLensTypeAndLevel() {
        LensFinder* finder = openIn("English.lng");
        QVERIFY(finder);
        m_app.retype("Focale1", QStringLiteral("10"));
        m_app.waitTicks();
        QTRY_COMPARE(cell(finder, "T3580VDD", LensColumn::FocalVerdict, Qt::ToolTipRole),
                     QStringLiteral("3.5 mm is not longer than the wanted 10 mm"));
        m_app.click("VAR");
        QTRY_COMPARE(cell(finder, "T3580VDD", LensColumn::FocalVerdict, Qt::ToolTipRole),
                     QStringLiteral("the wanted 10 mm lies outside 3.5-8 mm"));
        QCOMPARE(cell(finder, "T3580VDD", LensColumn::Fits), QStringLiteral("✘"));

        // Only the selected type, only what fits, then by focal length.
        finder->findChild<QComboBox*>(QStringLiteral("TypeFilter"))->setCurrentIndex(1);
        finder->findChild<QCheckBox*>(QStringLiteral("FitsOnly"))->setChecked(true);
        table(finder)->sortByColumn(int(LensColumn::Focal), Qt::DescendingOrder);
        // Direct-drive varifocals around 10 mm that cover 1/3" and identify at 5 m (3.125 mm).
        QCOMPARE(names(finder), (QStringList{"M1050VDD", "V8016VDD", "M6012VDD", "H5050VDD"}));
        QCOMPARE(finder->findChild<QLabel*>(QStringLiteral("ShownCount"))->text(),
                 QStringLiteral("4 of 60 lenses"));

        // 2.8 mm at 5 m gives 224 px/m on 1/3" at 1920 x 1080: short of identification (250),
        // past detection (25). The level the coverage window asks for reaches the verdict at once.
        finder->findChild<QComboBox*>(QStringLiteral("TypeFilter"))->setCurrentIndex(0);
        finder->findChild<QCheckBox*>(QStringLiteral("FitsOnly"))->setChecked(false);
        QCOMPARE(cell(finder, "T2812MI", LensColumn::LevelVerdict), QStringLiteral("✘"));
        m_app.window().OpenCoverage()->trigger();
        auto* level = m_app.window().coverageWindow()->findChild<QComboBox*>("Level");
        level->setCurrentIndex(int(Level::Detection));
        QCOMPARE(cell(finder, "T2812MI", LensColumn::LevelVerdict), QStringLiteral("✔"));
    }

    // A double-click presents the lens, ">" goes on through its type's block, and so does Enter
    // on a selected row; on the Datasheet cell it opens the file as the PDF button does, with the
    // same messages. The finder speaks the language file's language.
    void presentsAndOpensTheDatasheet() {
        LensFinder* finder = openIn("Italiano.lng");
        QVERIFY(finder);
        QCOMPARE(m_app.window().OpenLensFinder()->shortcut().toString(), QStringLiteral("Ctrl+F"));
        const QVariant fits = finder->filter().headerData(int(LensColumn::Fits), Qt::Horizontal);
        QCOMPARE(finder->windowTitle() + u' ' + fits.toString(), "Cerca obiettivi Adatto");
        doubleClick(finder, "H6012DD", LensColumn::Name);
        CConsiglia* shown = m_app.consiglia();
        QVERIFY(shown && shown->isVisible());
        const auto name = [&] { return m_app.find<QLabel>("Nome", shown)->text(); };
        QCOMPARE(name(), QStringLiteral("H6012DD"));
        m_app.click("Avanti", shown);
        QCOMPARE(name(), QStringLiteral("H8012DD"));
        table(finder)->setCurrentIndex(indexOf(finder, "T5533ZDD", LensColumn::Name));
        QTest::keyClick(table(finder), Qt::Key_Return);
        QCOMPARE(name(), QStringLiteral("T5533ZDD"));

        doubleClick(finder, "H6012DD", LensColumn::Datasheet);
        bool opened = false;
        for (QWidget* viewer : QApplication::topLevelWidgets())
            opened |= viewer->isVisible() &&
                      viewer->windowTitle().endsWith(u"/Pdf/Obiettivi/FF/H6012DD.pdf");
        QVERIFY(opened);
        test::MessageBoxAnswer answer;
        doubleClick(finder, "T6014VD", LensColumn::Datasheet);
        QTRY_COMPARE(answer.texts, QStringList{QStringLiteral("      No .pdf file!")});
    }
};

QTEST_MAIN(TestLensFinder)
#include "tst_lensfinder.moc"
