#include "lenses.h"
#include "match/cconsiglia.h"
#include "match/pdfviewer.h"
#include "match/recommendationhost.h"
#include "support/messageboxanswer.h"
#include "support/quietoffscreen.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace vistaro;

namespace {

class FakeHost : public RecommendationHost {
public:
    ProgramState state;
    MainPublic main;
    MainSelection selection;

    ProgramState& programState() override { return state; }
    MainPublic& mainPublic() override { return main; }
    MainSelection mainSelection() const override { return selection; }
};

const QString SampleCd = QStringLiteral(VISTARO_SOURCE_DATA_DIR "/cd/");

} // namespace

class TestCConsiglia : public QObject {
    Q_OBJECT

private:
    FakeHost m_host;
    std::unique_ptr<CConsiglia> m_window;

    template <typename T = QWidget> T* control(const char* name) const {
        return m_window->findChild<T*>(QLatin1String(name));
    }

    QString caption(const char* name) const { return control<QLabel>(name)->text(); }

    QColor minFuocoColour() const {
        return control<QLabel>("MinFuoco")->palette().color(QPalette::WindowText);
    }

private slots:
    void initTestCase() {
        test::usePointLocale();
        test::quietOffscreen();
    }

    void init() {
        m_host = FakeHost();
        LensRecord fixed;
        fixed.TypeCode = QStringLiteral("FF");
        fixed.Name = QStringLiteral("T4012DD");
        fixed.Iris = QStringLiteral("DD");
        fixed.FocalMin = QStringLiteral("4");
        fixed.FocalMax = QStringLiteral("4");
        fixed.FStop = QStringLiteral("1.2");
        fixed.Note = QStringLiteral("no");
        fixed.MinFocus = QStringLiteral("0.25");
        fixed.PdfFolder = QStringLiteral("FF\\");
        LensRecord undocumented = fixed;
        undocumented.Name = QStringLiteral("T6014DD");
        undocumented.FocalMin = undocumented.FocalMax = QStringLiteral("6");
        undocumented.PdfFolder = QStringLiteral("XX");
        undocumented.Note = QStringLiteral("IR corrected");
        LensRecord other = fixed;
        other.Name = QStringLiteral("T8014VD");
        other.Iris = QStringLiteral("VD");
        m_host.state.LensCatalogue = {fixed, other, undocumented, {}, {}};
        m_host.state.IrisCode = QStringLiteral("DD");
        m_host.main.Max = 2;
        m_host.main.Drive = SampleCd;
        m_host.main.IRISCont = QStringLiteral("Iris: ");
        m_host.main.At = QStringLiteral("at ");
        m_host.main.Inquadra = QStringLiteral(" m: ");
        m_host.main.MinimoFuoco = QStringLiteral("Minimum focus: ");
        m_host.selection.L1 = QStringLiteral("1");
        m_host.selection.L2 = QStringLiteral("5");
        m_window = std::make_unique<CConsiglia>(m_host);
    }

    void cleanup() { m_window.reset(); }

    void layout() {
        QCOMPARE(m_window->objectName(), QStringLiteral("CConsiglia"));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("marvanto"));
        QCOMPARE(m_window->size(), QSize(383, 295));
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        QVERIFY(!(m_window->windowFlags() &
                  (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(m_window->font().pointSizeF(), 8.25);
        QCOMPARE(m_window->Attuale, 0);
        for (const char* name : {"Command3", "Text1", "Command2", "Command1", "Avanti", "Indietro",
                                 "Label2", "MinFuoco", "Label1", "Iride", "Fstop", "f", "Nome"})
            QVERIFY2(control(name), name);
        QCOMPARE(control("Nome")->font().pointSizeF(), 9.75);
        QVERIFY(control("Nome")->font().bold());
        QCOMPARE(control("Avanti")->font().pointSizeF(), 9.75);
        QVERIFY(!control("Avanti")->font().bold());
        QCOMPARE(control("Avanti")->geometry(), QRect(216, 240, 49, 25));
        QCOMPARE(caption("Label2"), QStringLiteral("updated at 22/01/2003"));

        m_window->show();
        const QRect client = m_window->rect();
        auto* pdf = control<QPushButton>("Command2");
        QCOMPARE(pdf->text(), QStringLiteral("PDF 2"));
        QVERIFY(pdf->isVisible());
        QVERIFY(pdf->isEnabled());
        QVERIFY(client.contains(pdf->geometry()));
        for (const char* neighbour : {"Avanti", "Indietro", "Label1", "Label2", "MinFuoco"})
            QVERIFY2(!pdf->geometry().intersects(control(neighbour)->geometry()), neighbour);
        for (const char* name : {"Command1", "Command3", "Text1"}) {
            QVERIFY2(!control(name)->isEnabled(), name);
            QVERIFY2(!client.intersects(control(name)->geometry()), name);
        }
        QCOMPARE(control("Indietro")->nextInFocusChain(), control("Avanti"));
        QCOMPARE(control("Command1")->nextInFocusChain(), control("Command2"));
    }

    void visualizza() {
        m_window->Visualizza(2);
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_window->Attuale, 2);
        QCOMPARE(m_host.main.PDFattuale, QStringLiteral("2"));
        QCOMPARE(caption("Nome"), QStringLiteral("T6014DD"));
        QCOMPARE(caption("f"), QStringLiteral("f:6mm"));
        QCOMPARE(caption("Fstop"), QStringLiteral("F:1.2"));
        QCOMPARE(caption("Iride"), QStringLiteral("Iris: DD"));
        QCOMPARE(caption("Label1"), QStringLiteral("IR corrected\nat 1 m:  .8 X  .6 (m X m)\n"));
        QCOMPARE(caption("MinFuoco"), QStringLiteral("Minimum focus: 0.25m"));
        QCOMPARE(minFuocoColour(), m_window->palette().color(QPalette::WindowText));

        m_host.selection.L1 = QStringLiteral("0.2");
        m_window->Visualizza(0);
        QCOMPARE(minFuocoColour(), QColor(255, 0, 0));
        QCOMPARE(caption("Label1"), QStringLiteral("at 0.2 m:  .24 X  .18 (m X m)\n"));

        // Outside the catalogue: captions stay, the warning shows.
        m_host.selection.L1 = QStringLiteral("1");
        m_window->Visualizza(0);
        m_window->Visualizza(40);
        QCOMPARE(caption("Nome"), QStringLiteral("T4012DD"));
        QCOMPARE(minFuocoColour(), QColor(255, 0, 0));
        QCOMPARE(m_window->Attuale, 40);
        QCOMPARE(m_host.main.PDFattuale, QStringLiteral("40"));
    }

    void browsing() {
        m_window->Visualizza(0);
        // Entry 1 has another iris; entry 2 lies at Max and is reached.
        control<QPushButton>("Avanti")->click();
        QCOMPARE(m_window->Attuale, 2);
        QCOMPARE(caption("Nome"), QStringLiteral("T6014DD"));
        m_host.main.PDFattuale.clear();
        control<QPushButton>("Avanti")->click();
        QCOMPARE(m_host.main.PDFattuale, QString()); // nothing presented at Max
        control<QPushButton>("Indietro")->click();
        QCOMPARE(m_window->Attuale, 0);
        QCOMPARE(m_host.main.PDFattuale, QStringLiteral("0"));
    }

    void indexPanel() {
        m_window->Visualizza(2);
        auto* text1 = control<QLineEdit>("Text1");
        m_window->Command1_Click();
        QCOMPARE(text1->text(), QStringLiteral("0"));
        m_window->Command3_Click();
        QCOMPARE(text1->text(), QStringLiteral("1"));
        m_window->Command3_Click();
        QCOMPARE(text1->text(), QStringLiteral("2"));
        QCOMPARE(m_host.main.PDFattuale, QStringLiteral("2"));
        QCOMPARE(m_window->Attuale, 2);
    }

    void datasheetMessages_data() {
        QTest::addColumn<QString>("pdfAttuale");
        QTest::addColumn<QString>("drive");
        QTest::addColumn<QString>("message");
        QTest::newRow("no datasheet") << "2" << SampleCd << "      No .pdf file!";
        QTest::newRow("nothing on show") << "" << SampleCd << "      No .pdf file!";
        QTest::newRow("no disc") << "0"
                                 << "/nonexistent-cd/"
                                 << "Please, insert CD!";
    }

    void datasheetMessages() {
        QFETCH(QString, pdfAttuale);
        QFETCH(QString, drive);
        QFETCH(QString, message);
        m_host.main.PDFattuale = pdfAttuale;
        m_host.main.Drive = drive;
        test::MessageBoxAnswer answer;
        control<QPushButton>("Command2")->click();
        QCOMPARE(answer.texts(), QStringList{message});
        QCOMPARE(answer.title(), QStringLiteral("Vistaro"));
        QVERIFY(m_window->findChildren<PdfViewer*>().isEmpty());
    }

    void datasheetViewer() {
        m_window->Visualizza(0);
        control<QPushButton>("Command2")->click();
        const QList<PdfViewer*> viewers = m_window->findChildren<PdfViewer*>();
        QCOMPARE(viewers.size(), 1);
        PdfViewer* viewer = viewers.front();
        QVERIFY(viewer->isVisible());
        QVERIFY(viewer->isWindow());
        QCOMPARE(viewer->windowTitle(), QStringLiteral("PDF: ") + SampleCd +
                                            QStringLiteral("Pdf/Obiettivi/FF/T4012DD.pdf"));
        QVERIFY(viewer->isLoaded());
        QCOMPARE(viewer->pageCount(), 1);

        viewer->zoomIn();
        const double larger = viewer->zoomFactor();
        viewer->zoomOut();
        viewer->zoomOut();
        QVERIFY(viewer->zoomFactor() < larger);
        for (int i = 0; i < 40; ++i)
            viewer->zoomOut();
        QVERIFY(viewer->zoomFactor() > 0.05);
        viewer->close();
    }

    void damagedDatasheet() {
        QTemporaryDir cd;
        QVERIFY(QDir().mkpath(cd.path() + "/Pdf/Obiettivi/FF"));
        QFile damaged(cd.path() + "/Pdf/Obiettivi/FF/T4012DD.pdf");
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("%PDF-1.4\nnot a document\n");
        damaged.close();
        m_host.main.Drive = cd.path() + u'/';
        m_window->Visualizza(0);
        control<QPushButton>("Command2")->click();
        const QList<PdfViewer*> viewers = m_window->findChildren<PdfViewer*>();
        QCOMPARE(viewers.size(), 1);
        QVERIFY(!viewers.front()->isLoaded());
        QVERIFY(viewers.front()->isVisible());
    }
};

QTEST_MAIN(TestCConsiglia)
#include "tst_cconsiglia.moc"
