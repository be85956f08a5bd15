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
#include <QTimer>

using namespace vistaro;
using namespace Qt::StringLiterals;

// The lens finder on the real windows over the sample catalogue and datasheets.
class TestLensFinder : public QObject {
    Q_OBJECT

    test::SampleWorkFolder m_app;
    LensFinder* m_finder = nullptr;

    QTableView* table() const { return m_finder->findChild<QTableView*>(u"LensTable"_s); }

    // The names on show, in their order.
    QStringList names() const {
        QStringList shown;
        for (int row = 0; row < m_finder->filter().rowCount(); ++row)
            shown << m_finder->filter().index(row, 0).data().toString();
        return shown;
    }

    QModelIndex indexOf(const QString& name, LensColumn column) const {
        return m_finder->filter().index(names().indexOf(name), int(column));
    }

    QString cell(const QString& name, LensColumn column, int role = Qt::DisplayRole) const {
        return indexOf(name, column).data(role).toString();
    }

    void doubleClick(const QString& name, LensColumn column) const {
        const QModelIndex index = indexOf(name, column);
        table()->scrollTo(index);
        const QPoint point = table()->visualRect(index).center();
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, point);
        QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, point);
    }

private slots:
    // Started in Italian, where the finder speaks Italian too, on the default coverage level (the
    // coverage window remembers the one picked). Wanted 10 mm: a 3.5-8 mm varifocal fails its
    // own type's test (TrovaVAR's) whichever type is selected.
    void followsTheCalculatorAndPresents() {
        QVERIFY(m_app.prepare());
        QFile::remove(windowSettingsFilePath());
        m_app.start(".\r\n,\r\n" + m_app.filePath(QStringLiteral("Italiano.lng")).toUtf8() +
                    "\r\n" VISTARO_SOURCE_DATA_DIR "/cd/\r\n");
        QTRY_VERIFY(!m_app.window().TimerMove()->isActive()); // the language is applied
        m_app.window().OpenLensFinder()->trigger();
        m_finder = m_app.hub().lensFinder();
        QVERIFY(m_finder && m_finder->isVisible());
        m_app.retype(u"Focale1"_s, QStringLiteral("10"));
        QTRY_COMPARE(cell(u"T3580VDD"_s, LensColumn::FocalVerdict, Qt::ToolTipRole),
                     u"i 10 mm voluti stanno fuori da 3.5-8 mm"_s);
        QCOMPARE(cell(u"T3580VDD"_s, LensColumn::TypeVerdict), QStringLiteral("✘"));
        m_app.click(u"VAR"_s);
        QTRY_COMPARE(cell(u"T3580VDD"_s, LensColumn::TypeVerdict), QStringLiteral("✔"));
        QCOMPARE(cell(u"T3580VDD"_s, LensColumn::Fits), QStringLiteral("✘"));

        // Only the selected type, only what fits, then by focal length.
        m_finder->findChild<QComboBox*>(u"TypeFilter"_s)->setCurrentIndex(1);
        m_finder->findChild<QCheckBox*>(u"FitsOnly"_s)->setChecked(true);
        table()->sortByColumn(int(LensColumn::Focal), Qt::DescendingOrder);
        // Direct-drive varifocals around 10 mm that cover 1/3" and identify at 5 m (3.125 mm).
        QCOMPARE(names(),
                 (QStringList{u"M1050VDD"_s, u"V8016VDD"_s, u"M6012VDD"_s, u"H5050VDD"_s}));
        QCOMPARE(m_finder->findChild<QLabel*>(u"ShownCount"_s)->text(), u"4 di 60 obiettivi"_s);

        // 2.8 mm at 5 m gives 224 px/m on 1/3" at 1920 x 1080: short of identification (250),
        // past detection (25). The level the coverage window asks for reaches the verdict at once.
        m_finder->findChild<QComboBox*>(u"TypeFilter"_s)->setCurrentIndex(0);
        m_finder->findChild<QCheckBox*>(u"FitsOnly"_s)->setChecked(false);
        QCOMPARE(cell(u"T2812MI"_s, LensColumn::LevelVerdict), QStringLiteral("✘"));
        m_app.window().OpenCoverage()->trigger();
        auto* level = m_app.hub().coverageWindow()->findChild<QComboBox*>(u"Level"_s);
        level->setCurrentIndex(1); // detection
        QCOMPARE(cell(u"T2812MI"_s, LensColumn::LevelVerdict), QStringLiteral("✔"));
        // Under the screen shares, 1080 rows: observe asks 1080 x 25 % / 1.6 m = 168.75 px/m,
        // recognise 337.5.
        auto* set = m_app.hub().coverageWindow()->findChild<QComboBox*>(u"LevelSet"_s);
        set->setCurrentIndex(set->findData(screenShareLevels().key));
        QCOMPARE(level->count(), 6);
        level->setCurrentIndex(3); // recognise
        QCOMPARE(cell(u"T2812MI"_s, LensColumn::LevelVerdict), QStringLiteral("✘"));
        level->setCurrentIndex(2); // observe
        QCOMPARE(cell(u"T2812MI"_s, LensColumn::LevelVerdict), QStringLiteral("✔"));
        set->setCurrentIndex(set->findData(enLevels().key));

        // A lens's format is judged against the coverage window's camera, named above the table:
        // the calculator's 1/3" at first, 6 mm across as a 1/3" lens's image circle; a 1/2.8"
        // sensor is 6.39 mm across, which only lenses for 1/2" and larger cover.
        auto* camera = m_finder->findChild<QLabel*>(u"JudgedCamera"_s);
        QCOMPARE(camera->text(), u"Telecamera: 1/3\" (4.8 x 3.6 mm), 1920 x 1080"_s);
        QCOMPARE(cell(u"T2812MI"_s, LensColumn::SensorVerdict), QStringLiteral("✔"));
        auto* sensor = m_app.hub().coverageWindow()->findChild<QComboBox*>(u"SensorFormat"_s);
        sensor->setCurrentIndex(sensor->findData(u"1/2.8\""_s));
        QCOMPARE(camera->text(), u"Telecamera: 1/2.8\" (5.57 x 3.13 mm), 1920 x 1080"_s);
        QCOMPARE(cell(u"T2812MI"_s, LensColumn::SensorVerdict), QStringLiteral("✘"));
        QCOMPARE(cell(u"H6012DD"_s, LensColumn::SensorVerdict), QStringLiteral("✔"));
        sensor->setCurrentIndex(0);

        // A double-click presents the lens, ">" goes on through its type's block, and so does
        // Enter on a selected row; on the Datasheet cell it opens the file as the PDF button does,
        // with the same messages. Back to fixed lenses: ">" browses by the type selected.
        m_app.click(u"FF"_s);
        doubleClick(u"H6012DD"_s, LensColumn::Name);
        CConsiglia* shown = m_app.consiglia();
        QVERIFY(shown && shown->isVisible());
        const auto name = [&] { return m_app.find<QLabel>(u"Nome"_s, shown)->text(); };
        QCOMPARE(name(), u"H6012DD"_s);
        m_app.click(u"Avanti"_s, shown);
        QCOMPARE(name(), u"H8012DD"_s);
        table()->setCurrentIndex(indexOf(u"T5533ZDD"_s, LensColumn::Name));
        QTest::keyClick(table(), Qt::Key_Return);
        QCOMPARE(name(), u"T5533ZDD"_s);

        doubleClick(u"H6012DD"_s, LensColumn::Datasheet);
        bool opened = false;
        for (QWidget* viewer : QApplication::topLevelWidgets())
            opened |= viewer->isVisible() &&
                      viewer->windowTitle().endsWith(u"/Pdf/Obiettivi/FF/H6012DD.pdf");
        QVERIFY(opened);
        test::MessageBoxAnswer answer;
        doubleClick(u"T6014VD"_s, LensColumn::Datasheet);
        QTRY_COMPARE(answer.texts, QStringList{QStringLiteral("      No .pdf file!")});
    }
};

QTEST_MAIN(TestLensFinder)
#include "tst_lensfinder.moc"
