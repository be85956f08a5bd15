// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "coverage/coveragewindow.h"
#include "coverage/levelsetdialog.h"
#include "optics/coveragesettings.h"
#include "platform/settingspath.h"
#include "preview/preview.h"
#include "report/reportpage.h"
#include "support/folderlisting.h"
#include "support/messageboxanswer.h"
#include "support/reportrows.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPdfDocument>
#include <QPdfSelection>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace vistaro;
using namespace Qt::StringLiterals;

namespace {

// Stands in for the main window, which pushes the calculator and the lens on show.
class Calculator : public CoverageHost {
public:
    void typeFocalLength(int row, const QString& text) override {
        typed << QStringLiteral("%1:%2").arg(row).arg(text);
    }
    QStringList typed;
};

const LensOnShow Varifocal{
    u"H5050VDD"_s, u"VAR"_s, u"DD"_s,  u"5"_s,
    u"50"_s,       u"1.4"_s, u"0.3"_s, u"/media/cdrom/Pdf/Obiettivi/VAR/H5050VDD.pdf"_s};
const LensOnShow Bare{u"T2812XX"_s, u"ODD"_s, u"Q"_s, u"2.8"_s, u"2.8"_s, u"1.2"_s, u"0"_s, u""_s};
// No F-stop, a minimum focus written with a decimal comma where the point is in use.
const LensOnShow Sparse{u"T0412MI"_s, u"FF"_s, u"MI"_s, u"4"_s, u"4"_s, u""_s, u"0,3"_s, u""_s};

LevelSet tender() {
    return userLevelSet(u"Tender"_s, {{u"face"_s, u"Face"_s, 300}}, false);
}

// The coverage page, then the page of what the camera shows.
QString pdfText(const QString& path) {
    QPdfDocument pdf;
    if (pdf.load(path) != QPdfDocument::Error::None || pdf.pageCount() != 2)
        return QStringLiteral("not a two-page PDF");
    return QString(pdf.getAllText(0).text() + u'\n' + pdf.getAllText(1).text()).simplified();
}

} // namespace

Q_DECLARE_METATYPE(vistaro::LensOnShow)

// The coverage report on a stand-in calculator: its page, four save/print/copy buttons, set editor.
class TestCoverageReport : public QObject {
    Q_OBJECT

    Calculator m_calculator;
    std::unique_ptr<CoverageSettings> m_settings;
    std::unique_ptr<CoverageWindow> m_window;
    QTemporaryDir m_dir;

    void click(const char* button) {
        QTest::mouseClick(m_window->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    }

    QString text(const char* name) const {
        if (auto* edit = m_window->findChild<QLineEdit*>(QLatin1String(name)))
            return edit->text();
        return m_window->findChild<QLabel*>(QLatin1String(name))->text();
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCoreApplication::setApplicationName(QStringLiteral("Vistaro"));
        QCoreApplication::setApplicationVersion(QStringLiteral("9.8.7"));
        QVERIFY(QDir(m_dir.path()).mkpath(u"folder.pdf"_s)); // no file can be written there
        test::MessageBoxAnswer::failOnUnexpectedBoxes();
    }

    void init() {
        QFile::remove(windowSettingsFilePath());
        m_window.reset();
        m_settings = std::make_unique<CoverageSettings>();
        m_window = std::make_unique<CoverageWindow>(
            m_calculator, *m_settings,
            CalculatorReading{u"6"_s, u"10"_s, u"6"_s, u"5"_s, false, SensorFormat::Third});
        m_window->resize(1120, 720);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup() {
        m_window.reset();
        m_calculator.typed.clear();
    }

    // The focal length goes to the calculator with its declared separator, whatever the regional
    // format, unless too long for it. Identifying: S / 1.6 mm, 6.3026 mm at 10 m (tst_coverage).
    void useInCalculator_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("problem");
        QTest::newRow("comma") << u","_s << u"10"_s << u"0:6,31"_s << QString();
        // 100 km: 62500 mm, past the 10000 mm the calculator's focal length may be.
        QTest::newRow("too long") << u"."_s << u"100000"_s << QString()
                                  << u"The focal length the level needs is longer than the "
                                     "calculator takes (at most 10000 mm)."_s;
    }

    void useInCalculator() {
        QFETCH(QString, separator);
        QFETCH(QString, distance);
        m_window->follow({u"6"_s, distance, u""_s, u""_s, false, SensorFormat::Third, separator});
        click("UseInCalculator");
        QTEST(m_calculator.typed.join(u' '), "typed");
        QTEST(text("Problem"), "problem");
    }

    // 6 mm at 10 m gives tst_coverage's first row, 237.997 px/m (72.541 px/ft, truncated), the
    // target S = 10.084146 m away; the TELE end at 12 mm doubles it, 145.083 px/ft.
    void pageTexts_data() {
        QTest::addColumn<QString>("calculator"); // focal length, distance; a zoom's tele end too
        QTest::addColumn<LensOnShow>("lens");    // no name: none on show
        QTest::addColumn<int>("units");
        QTest::addColumn<QString>("sensor"); // the sensor choice, by its text; empty: calculator's
        QTest::addColumn<bool>("note");      // a sensor other than the calculator's is flagged
        QTest::addColumn<QStringList>("rows"); // "label|value|value..."
        QTest::newRow("fixed lens, none on show")
            << "6 10" << LensOnShow() << 0 << "" << false
            << QStringList({u"Sensor|1/3\" (4.8 x 3.6 mm)"_s, u"Picture area|4.8 x 2.7 mm"_s,
                            u"Mounting height|3 m"_s, u"Lens/Focal length|6 mm"_s,
                            u"What the camera sees/Focal length|6 mm"_s,
                            u"Pixel density|237.9 px/m"_s, u"Dead zone (near ground edge)|8.2 m"_s,
                            u"Model|absent"_s, u"Note|absent"_s,
                            // A pinhole's density is the same across the plane: no edge row.
                            // F1.6 typed, c = 2 x 2.5 um: H = 36 / (1.6 x 0.005) + 6 = 4506 mm,
                            // near 10000 x 4500 / (4506 + 10000 - 12) = 3104.7 mm.
                            u"Pixel density at the edge|absent"_s,
                            u"F-number (depth of field)|1.6"_s, u"Sharp from|3.1 m"_s});
        QTest::newRow("zoom, imperial, varifocal on show")
            << "6 10 12 10" << Varifocal << 1 << "" << false
            << QStringList({u"Lens/Focal length|6 mm \u2013 12 mm"_s,
                            u"What the camera sees/Focal length|6 mm|12 mm"_s,
                            u"Mounting height|9.84 ft"_s, u"Pixel density|72.5 px/ft|145 px/ft"_s,
                            u"Model|H5050VDD"_s, u"Type|Varifocal"_s,
                            u"Focal range|5 \u2013 50 mm"_s, u"Iris|Direct drive (DC)"_s,
                            u"F-stop|F1.4"_s, u"F-number (depth of field)|1.4"_s,
                            u"Minimum focus|0.98 ft"_s,
                            u"Datasheet|/media/cdrom/Pdf/Obiettivi/VAR/H5050VDD.pdf"_s});
        QTest::newRow("unknown codes, no datasheet, no minimum focus")
            << "6 10" << Bare << 0 << "" << false
            << QStringList({u"Type|ODD"_s, u"Iris|Q"_s, u"Focal range|2.8 mm"_s,
                            u"Minimum focus|-"_s, u"Datasheet|None"_s});
        QTest::newRow("no F-stop, a minimum focus that does not read")
            << "6 10" << Sparse << 1 << "" << false
            << QStringList({u"F-stop|-"_s, u"Minimum focus|0,3 m, as the catalogue writes it"_s});
        // 1/2.8": 16:9 picture 3.13 x 5.56444 mm; 1920 / (S x 5.56444 / 6) = 205.301 px/m.
        QTest::newRow("preset 1/2.8\"")
            << "6 10" << LensOnShow() << 0 << "1/2.8\"" << true
            << QStringList({u"Sensor|1/2.8\" (5.57 x 3.13 mm)"_s, u"Picture area|5.56 x 3.13 mm"_s,
                            u"Pixel density|205.3 px/m"_s});
        // 2.9 um: 5.568 x 3.132 mm, all pictured; 1920 / (S x 5.568 / 6) = 205.170 px/m, truncated.
        QTest::newRow("pixel size x resolution")
            << "6 10" << LensOnShow() << 0 << "Pixel size x resolution" << true
            << QStringList({u"Sensor|5.57 x 3.13 mm"_s, u"Pixel size|2.9 \u00b5m"_s,
                            u"Picture area|absent"_s, u"Pixel density|205.1 px/m"_s});
        QTest::newRow("a distance that does not read")
            << "6 abc" << LensOnShow() << 0 << "" << false
            << QStringList(
                   {u"Pixel density|-"_s, u"Note|The calculator's distance is not a number."_s});
    }

    void pageTexts() {
        QFETCH(QString, calculator);
        QFETCH(LensOnShow, lens);
        QFETCH(int, units);
        QFETCH(QString, sensor);
        QFETCH(bool, note);
        QFETCH(QStringList, rows);
        const QStringList c = calculator.split(u' ');
        const bool zoom = c.size() > 2;
        m_window->follow({c[0], c[1], c.value(2), c.value(3), zoom, SensorFormat::Third});
        m_window->showLens(lens.name.isEmpty() ? std::nullopt : std::optional(lens));
        m_window->findChild<QComboBox*>(u"Units"_s)->setCurrentIndex(units);
        auto* sensors = m_window->findChild<QComboBox*>(u"SensorFormat"_s);
        if (!sensor.isEmpty())
            sensors->setCurrentIndex(sensors->findText(sensor));
        QCOMPARE(!text("SensorNote").isEmpty(), note);
        const ReportDocument document = CoverageReport::document(m_window->shown());
        QCOMPARE(document.sections.value(3).columns,
                 zoom ? QStringList({u"WIDE"_s, u"TELE"_s}) : QStringList());
        for (const QString& row : rows) {
            const QStringList expected = row.split(u'|');
            QCOMPARE(test::valuesOf(document, expected[0]), expected.mid(1));
        }
    }

    // Derived fields show what the figures use: pitch (1/3": 4.8 mm / 1920 = 2.5 um; 720 x 576, 4:3
    // on all of 1/3": 4.8 / 720 = 6.667 um), a typed pixel's sensor (2 um x 1920 x 1080 = 3.84 x
    // 2.16 mm: 1920 / (S x 3.84 / 6) = 297.497 px/m, S = 10.084146 m), the part the picture uses.
    void fieldsFollowTheInputs() {
        auto* sensors = m_window->findChild<QComboBox*>(u"SensorFormat"_s);
        auto* pixelSize = m_window->findChild<QLineEdit*>(u"PixelSize"_s);
        QCOMPARE(text("PixelSize"), u"2.5"_s);
        QVERIFY(pixelSize->isReadOnly());
        QCOMPARE(text("PictureArea"), u"The picture uses 4.8 x 2.7 mm of the sensor."_s);

        sensors->setCurrentIndex(sensors->findText(u"Pixel size x resolution"_s));
        QVERIFY(!pixelSize->isReadOnly());
        pixelSize->selectAll();
        QTest::keyClicks(pixelSize, u"2"_s);
        QCOMPARE(text("SensorWidthMm") + u" x "_s + text("SensorHeightMm"), u"3.84 x 2.16"_s);
        QCOMPARE(text("PixelDensity"), u"297.4 px/m"_s);
        QCOMPARE(text("PictureArea"), u""_s);

        sensors->setCurrentIndex(sensors->findText(u"1/3\""_s));
        auto* resolutions = m_window->findChild<QComboBox*>(u"Resolution"_s);
        resolutions->setCurrentIndex(resolutions->findText(u"720 x 576"_s));
        QCOMPARE(text("PixelSize"), u"6.667"_s);
        QCOMPARE(text("SceneWidth") + u", "_s + text("PixelDensity"), u"8.07 m, 89.2 px/m"_s);
        QCOMPARE(text("PictureArea"), u""_s);
    }

    // Aimed by tilt, the figures (tst_coverage's 45° row) and report follow the tilt; 90° is none.
    void aimedByTilt() {
        // Aimed at 1.7 m at 10 m from 3 m up: atan(1.3 / 10) = 7.4° down, shown, not typed.
        auto* tilt = m_window->findChild<QLineEdit*>(u"Tilt"_s);
        auto* aim = m_window->findChild<QComboBox*>(u"AimBy"_s);
        QCOMPARE(tilt->text() + (tilt->isEnabled() ? u" typed"_s : u" shown"_s), u"7.4 shown"_s);
        aim->setCurrentIndex(int(Aim::Tilt));
        QVERIFY(tilt->isEnabled());
        tilt->selectAll();
        QTest::keyClicks(tilt, u"45"_s);
        QCOMPARE(text("DeadZone"), u"1.9 m"_s);
        QCOMPARE(test::valuesOf(CoverageReport::document(m_window->shown()), u"Site/Tilt angle"_s),
                 QStringList(u"45.0°"_s));
        tilt->selectAll();
        QTest::keyClicks(tilt, u"90"_s);
        QCOMPARE(text("Problem"), u"The tilt angle must be more than -90° and less than 90°."_s);
        // Back and forth: the target's tilt, then the last good one typed (9, on the way to 90).
        aim->setCurrentIndex(int(Aim::Target));
        QCOMPARE(tilt->text(), u"7.4"_s);
        aim->setCurrentIndex(int(Aim::Tilt));
        QCOMPARE(tilt->text(), u"9"_s);
    }

    void pictureIsTheViews() {
        const QImage image = drawingsImage(CoverageReport::document(m_window->shown()));
        int left = 0;
        for (const char* name : {"TopView", "SideView"}) {
            auto* view = m_window->findChild<QWidget*>(QLatin1String(name));
            QCOMPARE(image.copy(QRect(QPoint(left, 0), view->size())),
                     view->grab().toImage().convertToFormat(QImage::Format_RGB32));
            left += view->width();
        }
        QCOMPARE(image.width(), left);
        click("CopyImage");
        QCOMPARE(QApplication::clipboard()->image().size(), image.size());
    }

    // The preview follows the window (12 mm doubles 6 mm's density); chart: 71.4 px across 150 mm.
    void previewAndTestChart() {
        click("OpenPreview");
        auto* preview = m_window->findChild<Preview*>();
        QVERIFY(preview && preview->isVisible());
        const auto density = [&] { return preview->sheet().columns().front().detail; };
        QCOMPARE(density(), u"10.08 m, 237.9 px/m"_s);
        m_window->follow(
            CalculatorReading{u"12"_s, u"10"_s, u"6"_s, u"5"_s, false, SensorFormat::Third});
        QCOMPARE(density(), u"10.08 m, 475.9 px/m"_s);
        test::ScriptedDialogs dialogs;
        dialogs.answer(dialogs.Save, m_dir.filePath(u"chart"_s));
        click("SaveTestChart");
        QPdfDocument pdf;
        QCOMPARE(pdf.load(m_dir.filePath(u"chart.pdf"_s)), QPdfDocument::Error::None);
        QVERIFY(pdf.getAllText(0).text().simplified().contains(u"gives 71.4 pixels"_s));
        pdf.close();
        QVERIFY(QFile::remove(m_dir.filePath(u"chart.pdf"_s)));
    }

    // Cancelled print: nothing (save: savedAndPrintedPages); unwritable target: named, folder kept.
    void savesThatDoNotHappen_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("message");
        QTest::addColumn<QString>("answer"); // the file picked, or the printer's file
        QTest::newRow("report into a missing folder") << "SaveReport" << true << "missing/x.pdf";
        QTest::newRow("picture onto a folder") << "SaveImage" << true << "folder.pdf";
        QTest::newRow("print cancelled") << "PrintReport" << false << "";
        QTest::newRow("print into a missing folder") << "PrintReport" << true << "missing/p.pdf";
    }

    void savesThatDoNotHappen() {
        QFETCH(QString, button);
        QFETCH(bool, message);
        QFETCH(QString, answer);
        const QStringList before = test::listing(m_dir.path());
        test::ScriptedDialogs dialogs;
        dialogs.answer(button == u"PrintReport" ? dialogs.Printer : dialogs.Save,
                       answer.isEmpty() ? QString() : m_dir.filePath(answer));
        if (message)
            dialogs.answer(dialogs.Message);
        click(qPrintable(button));
        QCOMPARE(test::listing(m_dir.path()), before);
        QVERIFY(!message || dialogs.texts(dialogs.Message)
                                .value(0)
                                .contains(QDir::toNativeSeparators(m_dir.filePath(answer))));
    }

    // Saved page: figures and lens as text, small; PDF print alike; Documents, then last; suffixed.
    void savedAndPrintedPages() {
        m_window->showLens(Varifocal);
        test::ScriptedDialogs dialogs; // the saves cancelled say nothing
        dialogs.answer(dialogs.Save, m_dir.filePath(u"report"_s))
            .answer(dialogs.Printer, m_dir.filePath(u"printed.pdf"_s))
            .answer(dialogs.Save)
            .answer(dialogs.Save);
        click("SaveReport");
        const QString saved = m_dir.filePath(u"report.pdf"_s);
        const QString text = pdfText(saved);
        for (const char* expected :
             {"Camera coverage", "237.9 px/m", "Recognition", "H5050VDD", "Top view", "Side view",
              "Vistaro 9.8.7", "What the camera shows", "9.51 m, 250 px/m"})
            QVERIFY2(text.contains(QLatin1String(expected)), expected);
        QVERIFY(QString(text).remove(u' ').contains(u"Obiettivi/VAR/H5050VDD.pdf"_s));
        QVERIFY2(QFileInfo(saved).size() < 300 * 1024,
                 qPrintable(QString::number(QFileInfo(saved).size())));

        click("PrintReport");
        QCOMPARE(pdfText(m_dir.filePath(u"printed.pdf"_s)), text);

        const QString today = QDate::currentDate().toString(Qt::ISODate);
        click("SaveImage");
        m_window->showLens(
            LensOnShow{u"a/b:c"_s, u"FF"_s, u"DD"_s, u"4"_s, u"4"_s, u"1.2"_s, u"0"_s, u""_s});
        click("SaveReport");
        QCOMPARE(
            dialogs.texts(dialogs.Save),
            QStringList({QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                             .filePath(u"Coverage H5050VDD "_s + today + u".pdf"_s),
                         m_dir.filePath(u"Coverage H5050VDD "_s + today + u".png"_s),
                         m_dir.filePath(u"Coverage a-b-c "_s + today + u".pdf"_s)}));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files),
                 QStringList({u"printed.pdf"_s, u"report.pdf"_s}));
    }

    // A level with no density or a duplicate set name is refused, nothing lost; OK takes a new set.
    void levelSetEditor() {
        LevelSetDialog dialog({tender()});
        dialog.findChild<QPushButton*>(u"NewLevelSet"_s)->click();
        auto* name = dialog.findChild<QLineEdit*>(u"LevelSetName"_s);
        auto* levels = dialog.findChild<QTableWidget*>(u"LevelTable"_s);
        levels->item(0, 1)->setText(u"many"_s);
        test::ScriptedDialogs dialogs;
        dialogs.answer(dialogs.Message).answer(dialogs.Message);
        dialog.accept();
        QVERIFY(dialog.result() != QDialog::Accepted);
        levels->item(0, 1)->setText(u"50"_s);
        name->setText(u"Tender"_s);
        dialog.accept();
        const QStringList said = dialogs.texts(dialogs.Message);
        QVERIFY2(said.value(0).contains(u"levels[0].density: not a positive number"_s),
                 qPrintable(said.value(0)));
        QCOMPARE(said.value(1), u"There is a level set named \"Tender\" already."_s);
        QCOMPARE(dialog.sets().front(), tender());

        name->setText(u"Tender B"_s);
        dialog.findChild<QComboBox*>(u"LevelSetUnit"_s)->setCurrentIndex(1);
        dialog.findChild<QPushButton*>(u"AddLevel"_s)->click();
        QCOMPARE(levels->rowCount(), 2);
        levels->item(1, 1)->setText(u"20"_s);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const LevelSet expected = userLevelSet(
            u"Tender B"_s, {{u"level-1"_s, u"Level 1"_s, 50}, {u"level-2"_s, u"Level 2"_s, 20}},
            true);
        QCOMPARE(dialog.sets(), (std::vector{tender(), expected}));
    }
};

QTEST_MAIN(TestCoverageReport)
#include "tst_coveragereport.moc"
