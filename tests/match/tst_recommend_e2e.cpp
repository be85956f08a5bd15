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

using namespace vistaro;

// The recommendation on the real windows: the sample catalogue, typed values, the button, the
// browsing buttons, the Index panel and a sample datasheet.
class TestRecommendE2e : public QObject {
    Q_OBJECT

    test::SampleWorkFolder m_folder;
    std::unique_ptr<test::StartedProgram> m_started;

    Obbiettivi& window() const { return *m_started->window; }

    CConsiglia* consiglia() const {
        for (QWidget* shown : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<CConsiglia*>(shown))
                return found;
        return nullptr;
    }

    template <typename T = QWidget> T* in(QWidget* parent, const char* name) const {
        return parent->findChild<T*>(QLatin1String(name));
    }

    QString caption(const char* name) const { return in<QLabel>(consiglia(), name)->text(); }

    // Types `text` in place of what field `name` of the main window holds.
    void type(const char* name, const QString& text) {
        auto* edit = in<QLineEdit>(&window(), name);
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, text);
        QTest::qWait(200); // a few CalcoloFocale ticks take the typed text in
    }

    void click(QWidget* parent, const char* name) {
        QTest::mouseClick(in<QPushButton>(parent, name), Qt::LeftButton);
    }

private slots:
    void initTestCase() {
        test::quietOffscreen();
        test::useLocale(false);
        QVERIFY(m_folder.prepare());
        QVERIFY(test::SampleWorkFolder::writeSettings(
            ".\r\n,\r\n" + m_folder.filePath(QStringLiteral("English.lng")).toUtf8() + "\r\n" +
            VISTARO_SOURCE_DATA_DIR "/cd/\r\n"));
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
        QVERIFY(consiglia() && !consiglia()->isVisible()); // made by the language file's captions

        click(&window(), "MarvantoCons");
        CConsiglia* shown = consiglia();
        QVERIFY(shown->isVisible() && !shown->parentWidget());
        QCOMPARE(caption("Nome"), QStringLiteral("H6012DD"));
        QCOMPARE(caption("f"), QStringLiteral("f:6mm"));
        QVERIFY(caption("Label1").contains(QStringLiteral("At 10 m the lens covers")));
        // The datasheet button is in reach, the Index panel out of sight.
        const QRect client = shown->rect();
        QWidget* pdf = in(shown, "Command2");
        QVERIFY(pdf->isVisible() && pdf->isEnabled() && client.contains(pdf->geometry()));
        for (const char* name : {"Command1", "Command3", "Text1"})
            QVERIFY2(!client.intersects(in(shown, name)->geometry()), name);

        const std::int16_t first = shown->Attuale;
        QCOMPARE(window().program().LensCatalogue.at(first).Name, QStringLiteral("H6012DD"));
        click(shown, "Avanti");
        QCOMPARE(caption("Nome"), QStringLiteral("H8012DD"));
        QVERIFY(shown->Attuale > first);
        click(shown, "Indietro");
        QCOMPARE(shown->Attuale, first);
        QCOMPARE(caption("Nome"), QStringLiteral("H6012DD"));

        // The Index panel counts from 0 and leaves the entry on show.
        shown->Command1_Click();
        for (const char* index : {"0", "1", "2"}) {
            QCOMPARE(in<QLineEdit>(shown, "Text1")->text(), QLatin1String(index));
            shown->Command3_Click();
        }
        QCOMPARE(shown->Attuale, first);

        click(&window(), "MarvantoCons"); // a second search presents in the same window
        QCOMPARE(consiglia(), shown);
    }

    void nothingFits() {
        type("Focale1", QStringLiteral("1"));
        test::MessageBoxAnswer answer;
        click(&window(), "MarvantoCons");
        QTest::qWait(50);
        QCOMPARE(answer.texts(), QStringList{NothingFitsMessage});
        QCOMPARE(answer.title(), QStringLiteral("Vistaro"));
        QVERIFY(!consiglia() || !consiglia()->isVisible());
    }

    void sampleDatasheetOpens() {
        click(&window(), "MarvantoCons");
        click(consiglia(), "Command2");
        bool opened = false;
        for (QWidget* shown : QApplication::topLevelWidgets())
            opened |= shown->isVisible() && shown->windowTitle().startsWith(u"PDF: ") &&
                      shown->windowTitle().endsWith(u"/Pdf/Obiettivi/FF/H6012DD.pdf");
        QVERIFY(opened);
    }
};

QTEST_MAIN(TestRecommendE2e)
#include "tst_recommend_e2e.moc"
