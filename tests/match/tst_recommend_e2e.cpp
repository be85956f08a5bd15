#include "match/cconsiglia.h"
#include "match/searchstart.h"
#include "support/messageboxanswer.h"
#include "support/quietoffscreen.h"
#include "support/regionallocale.h"
#include "support/sampleworkfolder.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace vistaro;

// The recommendation on the real windows: the sample catalogue, typed values, the button, the
// browsing buttons and a sample datasheet.
class TestRecommendE2e : public QObject {
    Q_OBJECT

private:
    test::SampleWorkFolder m_folder;
    std::unique_ptr<test::StartedProgram> m_started;

    Obbiettivi& window() const { return *m_started->window; }

    CConsiglia* consiglia() const {
        for (QWidget* shown : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<CConsiglia*>(shown))
                return found;
        return nullptr;
    }

    QString caption(const char* name) const {
        return consiglia()->findChild<QLabel*>(QLatin1String(name))->text();
    }

    // Clicks field `name` of the main window and types `text` in place of what it holds.
    void type(const char* name, const QString& text) {
        auto* edit = window().findChild<QLineEdit*>(QLatin1String(name));
        QVERIFY(edit);
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, text);
        QTest::qWait(200); // a few CalcoloFocale ticks take the typed text in
    }

    void clickIn(QWidget* parent, const char* name) {
        auto* button = parent->findChild<QPushButton*>(QLatin1String(name));
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }

private slots:
    void initTestCase() {
        test::quietOffscreen();
        test::useLocale(false);
        QVERIFY(m_folder.prepare());
        const QString cd = QStringLiteral(VISTARO_SOURCE_DATA_DIR "/cd/");
        QVERIFY(test::SampleWorkFolder::writeSettings(
            ".\r\n,\r\n" + m_folder.filePath(QStringLiteral("English.lng")).toUtf8() + "\r\n" +
            cd.toUtf8() + "\r\n"));
    }

    void init() {
        m_started = std::make_unique<test::StartedProgram>();
        QTRY_VERIFY(!window().TimerMove()->isActive()); // the language is applied
    }

    void cleanup() { m_started.reset(); }

    // 10 m away a 1/3" camera sees 8 m across with 6 mm: the fixed direct-drive lenses up to
    // 6 mm are presented in turn, the last one stays on show; ">" and "<" step through the
    // direct-drive ones that cover the sensor.
    void recommendAndBrowse() {
        type("L1", QStringLiteral("10"));
        type("H1", QStringLiteral("8"));
        QCOMPARE(window().privateState().Row1.ValFocale(), QStringLiteral("6"));
        QVERIFY(consiglia()); // the language file wrote two of its captions
        QVERIFY(!consiglia()->isVisible());

        clickIn(&window(), "MarvantoCons");
        CConsiglia* shown = consiglia();
        QVERIFY(shown);
        QVERIFY(shown->isVisible());
        QVERIFY(shown->parentWidget() == nullptr);
        QCOMPARE(caption("Nome"), QStringLiteral("H6012DD"));
        QCOMPARE(caption("f"), QStringLiteral("f:6mm"));
        QVERIFY(caption("Label1").contains(QStringLiteral("At 10 m the lens covers")));
        const std::int16_t first = shown->Attuale;
        QCOMPARE(window().program().LensCatalogue.at(first).Name, QStringLiteral("H6012DD"));

        clickIn(shown, "Avanti");
        QCOMPARE(caption("Nome"), QStringLiteral("H8012DD"));
        QVERIFY(shown->Attuale > first);
        clickIn(shown, "Indietro");
        QCOMPARE(shown->Attuale, first);
        QCOMPARE(caption("Nome"), QStringLiteral("H6012DD"));

        // A second search presents in the same window.
        clickIn(&window(), "MarvantoCons");
        QCOMPARE(consiglia(), shown);
    }

    void nothingFits() {
        type("Focale1", QStringLiteral("1"));
        test::MessageBoxAnswer answer;
        clickIn(&window(), "MarvantoCons");
        QTest::qWait(50);
        QCOMPARE(answer.texts(), QStringList{NothingFitsMessage});
        QCOMPARE(answer.title(), QStringLiteral("Vistaro"));
        QVERIFY(!consiglia() || !consiglia()->isVisible());
    }

    void sampleDatasheetOpens() {
        clickIn(&window(), "MarvantoCons");
        QVERIFY(consiglia());
        clickIn(consiglia(), "Command2");
        QWidget* viewer = nullptr;
        for (QWidget* shown : QApplication::topLevelWidgets())
            if (shown->isVisible() && shown->windowTitle().startsWith(QStringLiteral("PDF: ")))
                viewer = shown;
        QVERIFY(viewer);
        QVERIFY(viewer->windowTitle().endsWith(QStringLiteral("/Pdf/Obiettivi/FF/H6012DD.pdf")));
    }
};

QTEST_MAIN(TestRecommendE2e)
#include "tst_recommend_e2e.moc"
