// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "coverage/coveragewindow.h"
#include "optics/coveragesettings.h"
#include "platform/settingspath.h"
#include "report/reportpage.h"
#include "support/folderlisting.h"
#include "support/messageboxanswer.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPdfDocument>
#include <QPdfSelection>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace vistaro;
using test::listing;

namespace {

// Stands in for the main window, which pushes the calculator and the lens on show.
class Calculator : public CoverageHost {
public:
    void typeFocalLength(int row, const QString& text) override {
        typed << QStringLiteral("%1:%2").arg(row).arg(text);
    }
    QStringList typed;
};

const LensOnShow Varifocal{"H5050VDD", "VAR", "DD",  "5",
                           "50",       "1.4", "0.3", "/media/cdrom/Pdf/Obiettivi/VAR/H5050VDD.pdf"};
const LensOnShow Bare{"T2812XX", "ODD", "Q", "2.8", "2.8", "1.2", "0", ""};
// No F-stop, a minimum focus written with a decimal comma where the point is in use.
const LensOnShow Sparse{"T0412MI", "FF", "MI", "4", "4", "", "0,3", ""};

// The values of the first row labelled `label`, in the section headed `heading` when it is
// written "heading/label"; "absent" for none.
QStringList valuesOf(const ReportDocument& document, const QString& label) {
    const QString heading = label.section(u'/', 0, -2);
    for (const ReportSection& section : document.sections)
        for (const ReportRow& row : section.rows)
            if (row.label == label.section(u'/', -1) &&
                (heading.isEmpty() || heading == section.heading))
                return row.values;
    return {QStringLiteral("absent")};
}

QString pdfText(const QString& path) {
    QPdfDocument pdf;
    if (pdf.load(path) != QPdfDocument::Error::None || pdf.pageCount() != 1)
        return QStringLiteral("not a one-page PDF");
    return pdf.getAllText(0).text().simplified();
}

} // namespace

Q_DECLARE_METATYPE(vistaro::LensOnShow)

// The report of the coverage window on a stand-in calculator: what the page says, and the four
// buttons that save, print and copy it.
class TestCoverageReport : public QObject {
    Q_OBJECT

    Calculator m_calculator;
    std::unique_ptr<CoverageSettings> m_settings;
    std::unique_ptr<CoverageWindow> m_window;
    QTemporaryDir m_dir;
    QStringList m_asked;   // the paths the file dialog proposed
    QString m_answer;      // what the file dialog answers, relative to m_dir; empty: cancel
    QString m_printedFile; // where the print setup sends the page

    void click(const char* button) {
        QTest::mouseClick(m_window->findChild<QPushButton*>(button), Qt::LeftButton);
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCoreApplication::setApplicationName(QStringLiteral("Vistaro"));
        QCoreApplication::setApplicationVersion(QStringLiteral("9.8.7"));
        QVERIFY(QDir(m_dir.path()).mkpath("folder.pdf")); // no file can be written there
    }

    void init() {
        QFile::remove(windowSettingsFilePath());
        m_window.reset();
        m_settings = std::make_unique<CoverageSettings>();
        m_window = std::make_unique<CoverageWindow>(
            m_calculator, *m_settings,
            CalculatorReading{"6", "10", "6", "5", false, SensorFormat::Third});
        m_window->resize(1120, 720);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_asked.clear();
        m_answer.clear();
        m_window->setFilePicker(
            [this](QWidget*, const QString&, const QString& path, const QString&) {
                m_asked << path;
                return m_answer.isEmpty() ? QString() : m_dir.filePath(m_answer);
            });
        m_window->setPrintSetup([this](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(m_printedFile);
            return !m_printedFile.isEmpty();
        });
    }

    void cleanup() {
        m_window.reset();
        m_calculator.typed.clear();
    }

    // The focal length goes into the calculator with the separator the user declared there,
    // whatever the regional format; one the calculator would refuse as too long is not offered.
    // 1/3" full HD at identification: 250 x D x 4.8 / 1920 mm = D / 1.6 mm.
    void useInCalculator_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("problem");
        QTest::newRow("point") << "."
                               << "10"
                               << "0:6.25"
                               << "";
        QTest::newRow("comma") << ","
                               << "10"
                               << "0:6,25"
                               << "";
        // 100 km: 62500 mm, past the 10000 mm the calculator's focal length may be.
        QTest::newRow("too long") << "."
                                  << "100000"
                                  << ""
                                  << "The focal length the level needs is longer than the "
                                     "calculator takes (at most 10000 mm).";
    }

    void useInCalculator() {
        QFETCH(QString, separator);
        QFETCH(QString, distance);
        m_window->follow({"6", distance, "", "", false, SensorFormat::Third, separator});
        click("UseInCalculator");
        QTEST(m_calculator.typed.join(u' '), "typed");
        QTEST(m_window->findChild<QLabel*>("Problem")->text(), "problem");
    }

    // 1/3" (4.8 mm wide), full HD, 6 mm at 10 m: 1920 / (10 x 4.8 / 6) = 240 px/m (73.152
    // px/ft, truncated); the levels reach 6 x 1920 / (density x 4.8) m; the TELE end at 12 mm
    // doubles it all.
    void pageTexts_data() {
        QTest::addColumn<QString>("calculator"); // focal length, distance; a zoom's tele end too
        QTest::addColumn<LensOnShow>("lens");    // no name: none on show
        QTest::addColumn<int>("units");
        QTest::addColumn<QString>("sensor"); // the sensor choice, by its text; empty: calculator's
        QTest::addColumn<bool>("note");      // a sensor other than the calculator's is flagged
        QTest::addColumn<QStringList>("rows"); // "label|value|value..."
        QTest::newRow("fixed lens, none on show")
            << "6 10" << LensOnShow() << 0 << "" << false
            << QStringList({"Sensor|1/3\" (4.8 x 3.6 mm)", "Picture area|4.8 x 2.7 mm",
                            "Mounting height|3 m", "Level wanted|Identification",
                            "Lens/Focal length|6 mm", "What the camera sees/Focal length|6 mm",
                            "Pixel density|240 px/m", "Dead zone (near ground edge)|8.2 m",
                            "Near ground edge|absent", "Model|absent", "Note|absent"});
        QTest::newRow("zoom, imperial, varifocal on show")
            << "6 10 12 10" << Varifocal << 1 << "" << false
            << QStringList({"Lens/Focal length|6 mm \u2013 12 mm",
                            "What the camera sees/Focal length|6 mm|12 mm",
                            "Mounting height|9.84 ft", "Pixel density|73.1 px/ft|146.3 px/ft",
                            "Model|H5050VDD", "Type|Varifocal", "Focal range|5 \u2013 50 mm",
                            "Iris|Direct drive (DC)", "F-stop|F1.4", "Minimum focus|0.98 ft",
                            "Datasheet|/media/cdrom/Pdf/Obiettivi/VAR/H5050VDD.pdf"});
        QTest::newRow("unknown codes, no datasheet, no minimum focus")
            << "6 10" << Bare << 0 << "" << false
            << QStringList({"Type|ODD", "Iris|Q", "Focal range|2.8 mm", "Minimum focus|-",
                            "Datasheet|None"});
        QTest::newRow("no F-stop, a minimum focus that does not read")
            << "6 10" << Sparse << 1 << "" << false
            << QStringList({"F-stop|-", "Minimum focus|0,3 m, as the catalogue writes it"});
        // 1/2.8": a 16:9 picture 3.13 mm high, 5.564 mm wide; 1920 / (10 x 5.564 / 6) = 207 px/m.
        QTest::newRow("preset 1/2.8\"")
            << "6 10" << LensOnShow() << 0 << "1/2.8\"" << true
            << QStringList({"Sensor|1/2.8\" (5.57 x 3.13 mm)", "Picture area|5.56 x 3.13 mm",
                            "Pixel density|207 px/m"});
        QTest::newRow("custom size, as the calculator's")
            << "6 10" << LensOnShow() << 0 << "Custom size" << false
            << QStringList({"Sensor|1/3\" (4.8 x 3.6 mm)", "Pixel size|absent"});
        // 2.9 um pixels: 5.568 x 3.132 mm, all pictured; 1920 / (10 x 5.568 / 6) = 206.897 px/m,
        // truncated.
        QTest::newRow("pixel size x resolution")
            << "6 10" << LensOnShow() << 0 << "Pixel size x resolution" << true
            << QStringList({"Sensor|5.57 x 3.13 mm", "Pixel size|2.9 \u00b5m",
                            "Picture area|absent", "Pixel density|206.8 px/m"});
        QTest::newRow("a distance that does not read")
            << "6 abc" << LensOnShow() << 0 << "" << false
            << QStringList({"Pixel density|-", "Note|The calculator's distance is not a number."});
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
        m_window->findChild<QComboBox*>("Units")->setCurrentIndex(units);
        auto* sensors = m_window->findChild<QComboBox*>("SensorFormat");
        if (!sensor.isEmpty())
            sensors->setCurrentIndex(sensors->findText(sensor));
        QCOMPARE(!m_window->findChild<QLabel*>("SensorNote")->text().isEmpty(), note);
        const ReportDocument document = CoverageReport::document(m_window->shown());
        QCOMPARE(document.sections.value(3).columns,
                 zoom ? QStringList({"WIDE", "TELE"}) : QStringList());
        for (const QString& row : rows) {
            const QStringList expected = row.split(u'|');
            QCOMPARE(valuesOf(document, expected[0]), expected.mid(1));
        }
        QCOMPARE(document.footer, "Vistaro 9.8.7, lens calculator for CCTV cameras");
    }

    // The fields that follow from the others show what the figures use: the pitch of the sensor
    // and picture (1/3": 4.8 mm / 1920 = 2.5 um; 1/2.8": 3.13 x 16/9 mm / 1920 = 2.898 um;
    // 720 x 576, 4:3 on the whole 1/3": 4.8 mm / 720 = 6.667 um), the sensor of a typed pixel
    // size (2 um x 1920 x 1080 = 3.84 x 2.16 mm, so 1920 / (10 x 3.84 / 6) = 300 px/m), and the
    // part of the sensor that the picture uses.
    void fieldsFollowTheInputs() {
        const auto text = [this](const char* name) {
            if (auto* edit = m_window->findChild<QLineEdit*>(name))
                return edit->text();
            return m_window->findChild<QLabel*>(name)->text();
        };
        auto* sensors = m_window->findChild<QComboBox*>("SensorFormat");
        auto* pixelSize = m_window->findChild<QLineEdit*>("PixelSize");
        QCOMPARE(text("PixelSize"), "2.5");
        QVERIFY(pixelSize->isReadOnly());
        QCOMPARE(text("PictureArea"), "The picture uses 4.8 x 2.7 mm of the sensor.");
        sensors->setCurrentIndex(sensors->findText("1/2.8\""));
        QCOMPARE(text("PixelSize"), "2.898");
        QCOMPARE(text("PictureArea"), "The picture uses 5.56 x 3.13 mm of the sensor.");

        sensors->setCurrentIndex(sensors->findText("Pixel size x resolution"));
        QVERIFY(!pixelSize->isReadOnly());
        pixelSize->selectAll();
        QTest::keyClicks(pixelSize, "2");
        QCOMPARE(text("SensorWidthMm") + " x " + text("SensorHeightMm"), "3.84 x 2.16");
        QCOMPARE(text("PixelDensity"), "300 px/m");
        QCOMPARE(text("PictureArea"), "");

        sensors->setCurrentIndex(sensors->findText("1/3\""));
        auto* resolutions = m_window->findChild<QComboBox*>("Resolution");
        resolutions->setCurrentIndex(resolutions->findText("720 x 576"));
        QCOMPARE(text("PixelSize"), "6.667");
        QCOMPARE(text("SceneWidth") + ", " + text("PixelDensity"), "8 m, 90 px/m");
        QCOMPARE(text("PictureArea"), "");
    }

    // Aimed by its tilt, 45° down from 3 m with a vertical angle of 25.36°, the camera sees the
    // ground from 3 / tan(57.68°) = 1.9 m to 3 / tan(32.32°) = 4.74 m. The choice and the angle
    // are remembered and reported; 90° is no tilt.
    void aimedByTilt() {
        // Aimed at 1.7 m at 10 m from 3 m up: atan(1.3 / 10) = 7.4° down, shown, not typed.
        auto* tilt = m_window->findChild<QLineEdit*>("Tilt");
        auto* aim = m_window->findChild<QComboBox*>("AimBy");
        QCOMPARE(tilt->text() + (tilt->isEnabled() ? " typed" : " shown"), "7.4 shown");
        aim->setCurrentIndex(int(Aim::Tilt));
        QVERIFY(tilt->isEnabled());
        tilt->selectAll();
        QTest::keyClicks(tilt, "45");
        const auto shown = [this](const char* name) {
            return m_window->findChild<QLabel*>(name)->text();
        };
        QCOMPARE(shown("DeadZone") + ", " + shown("FarEdge"), "1.9 m, 4.74 m");
        QCOMPARE(valuesOf(CoverageReport::document(m_window->shown()), "Site/Tilt angle"),
                 QStringList("45.0°"));
        QSettings settings(windowSettingsFilePath(), QSettings::IniFormat);
        QCOMPARE(settings.value("Coverage/aim").toString() + " " +
                     settings.value("Coverage/tilt").toString(),
                 "tilt 45");
        tilt->selectAll();
        QTest::keyClicks(tilt, "90");
        QCOMPARE(shown("DeadZone"), "-");
        QCOMPARE(shown("Problem"), "The tilt angle must be more than -90° and less than 90°.");
        // Back and forth: the tilt that follows from the target, then the last one typed that read
        // well, 9 on the way to 90.
        aim->setCurrentIndex(int(Aim::Target));
        QCOMPARE(tilt->text(), "7.4");
        aim->setCurrentIndex(int(Aim::Tilt));
        QCOMPARE(tilt->text(), "9");
    }

    // The picture is the two views as the screen shows them, pixel for pixel, side by side.
    void pictureIsTheViews() {
        const QImage image = drawingsImage(CoverageReport::document(m_window->shown()));
        int left = 0;
        for (const char* name : {"TopView", "SideView"}) {
            auto* view = m_window->findChild<QWidget*>(name);
            QCOMPARE(image.copy(QRect(QPoint(left, 0), view->size())),
                     view->grab().toImage().convertToFormat(QImage::Format_RGB32));
            left += view->width();
        }
        QCOMPARE(image.width(), left);
        click("CopyImage");
        QCOMPARE(QApplication::clipboard()->image().size(), image.size());
    }

    // A cancelled dialog does nothing; a target that cannot be written says so, naming the
    // file, and leaves the folder as it was.
    void savesThatDoNotHappen_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("message");
        QTest::addColumn<QString>("answer"); // the file picked, or the printer's file
        QTest::newRow("report cancelled") << "SaveReport" << false << "";
        QTest::newRow("report into a missing folder") << "SaveReport" << true << "missing/x.pdf";
        QTest::newRow("picture onto a folder") << "SaveImage" << true << "folder.pdf";
        QTest::newRow("print cancelled") << "PrintReport" << false << "";
        QTest::newRow("print into a missing folder") << "PrintReport" << true << "missing/p.pdf";
    }

    void savesThatDoNotHappen() {
        QFETCH(QString, button);
        QFETCH(bool, message);
        QFETCH(QString, answer);
        const QStringList before = listing(m_dir.path());
        m_answer = answer;
        m_printedFile = answer.isEmpty() ? QString() : m_dir.filePath(answer);
        test::MessageBoxAnswer answered;
        click(qPrintable(button));
        QTRY_COMPARE(answered.texts.size(), message ? 1 : 0);
        QCOMPARE(listing(m_dir.path()), before);
        QVERIFY(!message ||
                answered.texts[0].contains(QDir::toNativeSeparators(m_dir.filePath(answer))));
    }

    // The saved page reads back with its figures and lens as text, small for its vectors;
    // printing into a PDF file gives the same page. The file dialog proposes the Documents
    // folder, then the folder last used; a name typed without suffix gets one.
    void savedAndPrintedPages() {
        m_window->showLens(Varifocal);
        m_answer = QStringLiteral("report");
        click("SaveReport");
        const QString saved = m_dir.filePath("report.pdf");
        const QString text = pdfText(saved);
        for (const char* expected : {"Camera coverage", "240 px/m", "Recognition", "H5050VDD",
                                     "Top view", "Side view", "Vistaro 9.8.7"})
            QVERIFY2(text.contains(QLatin1String(expected)), expected);
        QVERIFY(QString(text).remove(u' ').contains("Obiettivi/VAR/H5050VDD.pdf"));
        QVERIFY(QFileInfo(saved).size() < 150 * 1024);

        m_printedFile = m_dir.filePath("printed.pdf");
        test::MessageBoxAnswer answered;
        click("PrintReport");
        QCOMPARE(pdfText(m_printedFile), text);
        QCOMPARE(answered.texts, QStringList());

        const QString today = QDate::currentDate().toString(Qt::ISODate);
        m_answer.clear();
        click("SaveImage");
        m_window->showLens(LensOnShow{"a/b:c", "FF", "DD", "4", "4", "1.2", "0", ""});
        click("SaveReport");
        QCOMPARE(
            m_asked,
            QStringList({QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                             .filePath("Coverage H5050VDD " + today + ".pdf"),
                         m_dir.filePath("Coverage H5050VDD " + today + ".png"),
                         m_dir.filePath("Coverage a-b-c " + today + ".pdf")}));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files),
                 QStringList({"printed.pdf", "report.pdf"}));
    }
};

QTEST_MAIN(TestCoverageReport)
#include "tst_coveragereport.moc"
