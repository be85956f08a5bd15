#include "app/sharedstate.h"
#include "lang/filelist.h"
#include "lang/languagechooser.h"
#include "lang/languagechooserhost.h"
#include "support/messageboxanswer.h"
#include "support/quietoffscreen.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace vistaro;

namespace {

// Records every call in order, with the settings as they stand when they are saved.
class FakeHost : public LanguageChooserHost {
public:
    explicit FakeHost(const ProgramState& state) : m_state(state) {}

    void CaricaLingua(const QString& lingua) override { calls << "CaricaLingua " + lingua; }
    void saveSettings() override {
        calls << "saveSettings " + m_state.DecimalSeparator + u' ' + m_state.OtherSeparator;
    }
    void showMainWindow() override { calls << "showMainWindow"; }
    void enableTimerMove() override { calls << "enableTimerMove"; }
    QString separatorQuestion() const override {
        calls << "separatorQuestion";
        return QStringLiteral("Comma?");
    }
    void CaricaDatiDa(const QString& fileName) override { calls << "CaricaDatiDa " + fileName; }

    mutable QStringList calls;

private:
    const ProgramState& m_state;
};

} // namespace

class TestLanguageChooser : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    ProgramState m_state;
    std::unique_ptr<FakeHost> m_host;
    QPointer<frmSceltaLingua> m_chooser;

private slots:
    void initTestCase() {
        test::quietOffscreenSizeHints();
        QVERIFY(m_dir.isValid());
        QFile file(m_dir.filePath(QStringLiteral("English.lng")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(QDir::setCurrent(m_dir.path()));
    }

    void init() {
        m_state = {};
        m_state.DecimalSeparator = m_state.OtherSeparator = QStringLiteral("old");
        m_host = std::make_unique<FakeHost>(m_state);
        m_chooser = new frmSceltaLingua(m_state, *m_host);
        m_chooser->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_chooser));
    }

    void cleanup() { delete m_chooser.data(); }

    void pickRunsTheStepsInOrder_data() {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QString>("separators");
        QTest::addColumn<QString>("catalogue");
        QTest::newRow("Yes: comma") << QMessageBox::Yes << ", ."
                                    << "Obbiettivi1.txt";
        QTest::newRow("No: point") << QMessageBox::No << ". ,"
                                   << "Obbiettivi2.txt";
    }

    void pickRunsTheStepsInOrder() {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QString, separators);
        QFETCH(QString, catalogue);
        const QSignalSpy unpicked(m_chooser.data(), &frmSceltaLingua::closedWithoutPick);
        const test::MessageBoxAnswer box(answer);
        auto* files = m_chooser->findChild<FileList*>(QStringLiteral("File1"));
        QVERIFY(files && files->count() == 1);
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                          files->visualItemRect(files->item(0)).center());

        const QString path = QDir::toNativeSeparators(QDir::currentPath() + "/English.lng");
        QCOMPARE(m_host->calls,
                 (QStringList{"CaricaLingua " + path, "saveSettings old old", "showMainWindow",
                              "enableTimerMove", "separatorQuestion", "saveSettings " + separators,
                              "CaricaDatiDa " + catalogue}));
        QCOMPARE(box.texts(), QStringList{QStringLiteral("Comma?")});
        QTRY_VERIFY(m_chooser.isNull());
        QCOMPARE(unpicked.count(), 0);
    }

    void closingWithoutPickSaysSo() {
        const QSignalSpy unpicked(m_chooser.data(), &frmSceltaLingua::closedWithoutPick);
        m_chooser->close();
        QCOMPARE(unpicked.count(), 1);
        QVERIFY(m_host->calls.isEmpty());
        QTRY_VERIFY(m_chooser.isNull());
    }
};

QTEST_MAIN(TestLanguageChooser)
#include "tst_languagechooser.moc"
