#include "lang/filelist.h"
#include "lang/languagefile.h"
#include "support/messageboxanswer.h"
#include "support/quietoffscreen.h"
#include "support/sampleworkfolder.h"

#include <QAction>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

using namespace vistaro;

namespace {

// Records what the chooser asks for, in order, with the separators of each save.
struct FakeHost : LanguageChooserHost {
    void CaricaLingua(const QString& lingua) override { calls << "CaricaLingua " + lingua; }
    void saveSettings() override {
        calls << "saveSettings " + state.DecimalSeparator + state.OtherSeparator;
    }
    void showMainWindow() override { calls << "showMainWindow"; }
    void enableTimerMove() override { calls << "enableTimerMove"; }
    QString separatorQuestion() const override { return QStringLiteral("Comma?"); }
    void CaricaDatiDa(const QString& fileName) override { calls << "CaricaDatiDa " + fileName; }
    ProgramState state;
    QStringList calls;
};

// What `window` shows on its control or menu `name`.
QString caption(const QObject* window, const char* name) {
    const QObject* target = window->findChild<QObject*>(QLatin1String(name));
    return target ? target->property(target->inherits("QGroupBox") ? "title" : "text").toString()
                  : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

// The recommendation window, made on first use as a window of its own.
QWidget* recommendationWindow() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("CConsiglia"))
            return window;
    return nullptr;
}

} // namespace

// The language chooser and CaricaLingua, over a working folder with two language files.
class TestLanguageWindows : public QObject {
    Q_OBJECT

    test::SampleWorkFolder m_folder;
    ProgramState m_program;
    std::unique_ptr<Obbiettivi> m_window;
    FakeHost m_host;
    QPointer<frmSceltaLingua> m_chooser;

    // The main window's eight texts and its captions, in the order of the file's lines.
    QStringList shown() const {
        const MainPublic& p = m_window->publicState();
        QStringList texts{p.Sep,         p.ValNum,      p.IRISCont, p.At,
                          p.InquadraMin, p.InquadraMax, p.Inquadra, p.MinimoFuoco};
        for (const LanguageTargetInfo& info : languageTargets())
            if (info.kind == LanguageTargetKind::MainCaption)
                texts << caption(m_window.get(), info.name);
        return texts;
    }

    void openChooser() {
        m_host.calls.clear();
        m_host.state.DecimalSeparator = m_host.state.OtherSeparator = QStringLiteral("old");
        m_chooser = new frmSceltaLingua(m_host.state, m_host);
        m_chooser->show();
    }

private slots:
    void initTestCase() {
        test::quietOffscreen();
        QVERIFY(m_folder.prepare());
    }

    void init() {
        test::SampleWorkFolder::removeSettings();
        m_program = {};
        m_window = std::make_unique<Obbiettivi>(m_program);
    }

    void cleanup() {
        delete m_chooser.data();
        m_window.reset();
    }

    // Applied, saved, shown and armed before the question; the answer is saved and picks the
    // catalogue.
    void pickRunsTheStepsInOrder_data() {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QStringList>("afterAnswer");
        QTest::newRow("Yes: comma")
            << QMessageBox::Yes << QStringList{"saveSettings ,.", "CaricaDatiDa Obbiettivi1.txt"};
        QTest::newRow("No: point")
            << QMessageBox::No << QStringList{"saveSettings .,", "CaricaDatiDa Obbiettivi2.txt"};
    }

    void pickRunsTheStepsInOrder() {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QStringList, afterAnswer);
        openChooser();
        const test::MessageBoxAnswer box(answer);
        auto* files = m_chooser->findChild<FileList*>(QStringLiteral("File1"));
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                          files->visualItemRect(files->item(0)).center());

        const QString path = QDir::toNativeSeparators(QDir::currentPath() + "/English.lng");
        QCOMPARE(m_host.calls, QStringList({"CaricaLingua " + path, "saveSettings oldold",
                                            "showMainWindow", "enableTimerMove"}) +
                                   afterAnswer);
        QCOMPARE(box.texts(), QStringList{QStringLiteral("Comma?")});
        QTRY_VERIFY(m_chooser.isNull());
    }

    void closingWithoutPickSaysSo() {
        openChooser();
        const QSignalSpy unpicked(m_chooser.data(), &frmSceltaLingua::closedWithoutPick);
        m_chooser->close();
        QCOMPARE(unpicked.count(), 1);
        QVERIFY(m_host.calls.isEmpty());
        QTRY_VERIFY(m_chooser.isNull());
    }

    void languageMenuReusesTheChooser() {
        m_window->Language()->trigger();
        const QPointer<frmSceltaLingua> first = m_window->languageChooser();
        QVERIFY(first && first->isVisible());
        m_window->Language()->trigger();
        QCOMPARE(m_window->findChildren<frmSceltaLingua*>(), QList<frmSceltaLingua*>{first});
    }

    // Every line goes to its own target, in the order of the file; a menu keeps its "&" marks,
    // a label shows "&&" as one "&". The recommendation window is made, hidden, for its two.
    // A file that cannot be read then keeps all that and says so once, naming the file.
    void everyLineInItsPlace() {
        QStringList lines;
        for (int line = 1; line <= LanguageLineCount; ++line)
            lines << QStringLiteral("line %1").arg(line);
        lines[20] = QStringLiteral("&Focal && zoom (mm)");   // Label1
        lines[24] = QStringLiteral("&Decimal && separator"); // DecSeparator, a menu
        QFile file(m_folder.filePath(QStringLiteral("distinct.lng")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(lines.join(QStringLiteral("\r\n")).toUtf8());
        file.close();
        QVERIFY(!recommendationWindow());

        m_window->CaricaLingua(file.fileName());
        QStringList expected = lines.mid(0, 8) + lines.mid(10);
        expected[18] = QStringLiteral("Focal & zoom (mm)");
        QCOMPARE(shown(), expected);
        const QWidget* recommendation = recommendationWindow();
        QVERIFY(recommendation && !recommendation->isVisible());
        QCOMPARE(caption(recommendation, "MinFuoco"), lines[8]);
        QCOMPARE(caption(recommendation, "Iride"), lines[9]);

        const QString missing = m_folder.filePath(QStringLiteral("missing.lng"));
        const test::MessageBoxAnswer answer;
        m_window->CaricaLingua(missing);
        QTest::qWait(50);
        QCOMPARE(answer.texts().size(), 1);
        QVERIFY(answer.texts().first().contains(QDir::toNativeSeparators(missing)));
        QCOMPARE(shown(), expected);
    }

    // On a normal start the stored language file is applied once, half a second later.
    void timerMoveAppliesTheStoredFile() {
        const QString english = m_folder.filePath(QStringLiteral("English.lng"));
        QVERIFY(test::SampleWorkFolder::writeSettings(".\r\n,\r\n" + english.toUtf8() +
                                                      "\r\n/media/cdrom/\r\n"));
        test::StartedProgram started;
        QVERIFY(started.window->TimerMove()->isActive());
        QTRY_COMPARE(caption(started.window.get(), "Sensore"), QStringLiteral("Sensor"));
        QVERIFY(!started.window->TimerMove()->isActive());
    }
};

QTEST_MAIN(TestLanguageWindows)
#include "tst_languagewindows.moc"
