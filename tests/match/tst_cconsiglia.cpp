#include "match/cconsiglia.h"
#include "match/recommendationhost.h"

#include <QLabel>
#include <QLineEdit>
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

} // namespace

class TestCConsiglia : public QObject {
    Q_OBJECT

    FakeHost m_host;
    std::unique_ptr<CConsiglia> m_window;

    template <typename T = QWidget> T* control(const char* name) const {
        return m_window->findChild<T*>(QLatin1String(name));
    }

private slots:
    void init() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_host = FakeHost();
        const LensRecord lens{"FF", "T4", "DD", "4", "4", "1.2", "no", "0", "XX"};
        m_host.state.LensCatalogue = {lens, lens, lens};
        m_host.state.LensCatalogue[2].Name = QStringLiteral("T6");
        m_host.state.IrisCode = QStringLiteral("DD");
        m_host.main.Max = 2;
        m_window = std::make_unique<CConsiglia>(m_host);
    }

    void cleanup() { m_window.reset(); }

    // Visualizza shows the window; the datasheet button is in reach, the Index panel out of sight.
    void visualizza() {
        m_window->Visualizza(2);
        QVERIFY(m_window->isVisible());
        QCOMPARE(control<QLabel>("Nome")->text(), QStringLiteral("T6"));
        const QRect client = m_window->rect();
        auto* pdf = control("Command2");
        QVERIFY(pdf->isVisible() && pdf->isEnabled() && client.contains(pdf->geometry()));
        for (const char* name : {"Command1", "Command3", "Text1"})
            QVERIFY2(!client.intersects(control(name)->geometry()), name);
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
        QCOMPARE(m_window->Attuale, 2);
    }
};

QTEST_MAIN(TestCConsiglia)
#include "tst_cconsiglia.moc"
