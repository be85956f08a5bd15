#include "match/searchstart.h"
#include "support/sampleworkfolder.h"

#include <QLabel>

using namespace vistaro;

// The recommendation on the real windows, over the sample catalogue and datasheets.
class TestRecommendE2e : public QObject {
    Q_OBJECT

    test::SampleWorkFolder m_app;

    QString caption(const char* name) const {
        return m_app.find<QLabel>(name, m_app.consiglia())->text();
    }

private slots:
    void initTestCase() { QVERIFY(m_app.prepare()); }

    void init() {
        m_app.start(".\r\n,\r\n" + m_app.filePath(QStringLiteral("English.lng")).toUtf8() +
                    "\r\n" VISTARO_SOURCE_DATA_DIR "/cd/\r\n");
        QTRY_VERIFY(!m_app.window().TimerMove()->isActive()); // the language is applied
    }

    void cleanup() { m_app.stop(); }

    // 10 m away a 1/3" camera sees 8 m across with 6 mm; the last direct-drive lens up to 6 mm
    // stays on show, ">" and "<" step through those that cover the sensor.
    void recommendAndBrowse() {
        m_app.retype("L1", QStringLiteral("10"));
        m_app.waitTicks();
        m_app.retype("H1", QStringLiteral("8"));
        m_app.waitTicks();
        QCOMPARE(m_app.window().privateState().Row1.ValFocale(), QStringLiteral("6"));
        m_app.click("MarvantoCons");
        CConsiglia* shown = m_app.consiglia();
        QVERIFY(shown->isVisible() && !shown->parentWidget());
        QCOMPARE(caption("Nome"), QStringLiteral("H6012DD"));
        QCOMPARE(caption("f"), QStringLiteral("f:6mm"));
        QVERIFY(caption("Label1").contains(QStringLiteral("At 10 m the lens covers")));
        QVERIFY(shown->rect().contains(m_app.find("Command2", shown)->geometry()));

        const std::int16_t first = shown->Attuale;
        QCOMPARE(m_app.program().LensCatalogue.at(first).Name, QStringLiteral("H6012DD"));
        m_app.click("Avanti", shown);
        QCOMPARE(caption("Nome"), QStringLiteral("H8012DD"));
        QVERIFY(shown->Attuale > first);
        m_app.click("Indietro", shown);
        QCOMPARE(shown->Attuale, first);
        QCOMPARE(caption("Nome"), QStringLiteral("H6012DD"));
        m_app.click("MarvantoCons"); // a second search presents in the same window
        QCOMPARE(m_app.consiglia(), shown);

        m_app.click("Command2", shown); // the sample datasheet opens in a viewer
        bool opened = false;
        for (QWidget* viewer : QApplication::topLevelWidgets())
            opened |= viewer->isVisible() && viewer->windowTitle().startsWith(u"PDF: ") &&
                      viewer->windowTitle().endsWith(u"/Pdf/Obiettivi/FF/H6012DD.pdf");
        QVERIFY(opened);
    }

    void nothingFits() {
        m_app.retype("Focale1", QStringLiteral("1"));
        m_app.waitTicks();
        test::MessageBoxAnswer answer;
        m_app.click("MarvantoCons");
        QTest::qWait(50);
        QCOMPARE(answer.texts, QStringList{NothingFitsMessage});
        QCOMPARE(answer.title, QStringLiteral("Vistaro"));
        QVERIFY(!m_app.consiglia()->isVisible());
    }
};

QTEST_MAIN(TestRecommendE2e)
#include "tst_recommend_e2e.moc"
