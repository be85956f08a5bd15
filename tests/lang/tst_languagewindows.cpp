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

// The recommendation window, made on first use as a window of its own.
QWidget* recommendationWindow() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("CConsiglia"))
            return window;
    return nullptr;
}

// What `window` shows on its control or menu `name`.
QString caption(const QObject* window, const char* name) {
    const QObject* target = window ? window->findChild<QObject*>(QLatin1String(name)) : nullptr;
    return target ? target->property(target->inherits("QGroupBox") ? "title" : "text").toString()
                  : QString();
}

// The 26 texts on show, in the order of the file's lines.
QStringList shown(const Obbiettivi& window) {
    const MainPublic& p = window.publicState();
    QStringList texts{p.Sep,         p.ValNum,      p.IRISCont, p.At,
                      p.InquadraMin, p.InquadraMax, p.Inquadra, p.MinimoFuoco};
    for (const LanguageTargetInfo& info : languageTargets())
        if (info.kind != LanguageTargetKind::MainText)
            texts << caption(info.kind == LanguageTargetKind::MainCaption ? &window
                                                                          : recommendationWindow(),
                             info.name);
    return texts;
}

} // namespace

// The language chooser and CaricaLingua, over a working folder with two language files.
class TestLanguageWindows : public QObject {
    Q_OBJECT

    test::SampleWorkFolder m_folder;
    ProgramState m_program;
    FakeHost m_host;

private slots:
    void initTestCase() {
        test::quietOffscreen();
        QVERIFY(m_folder.prepare());
    }

    // A pick applies the file, saves, shows and arms before the question, then saves the
    // answer and loads its catalogue; closing without a pick does nothing but say so.
    void chooserRunsTheStepsInOrder_data() {
        QTest::addColumn<QMessageBox::StandardButton>("answer"); // no button: closed instead
        QTest::addColumn<QStringList>("calls");
        const QStringList picked{"CaricaLingua " +
                                     QDir::toNativeSeparators(QDir::currentPath() + "/English.lng"),
                                 "saveSettings oldold", "showMainWindow", "enableTimerMove"};
        QTest::newRow("Yes: comma")
            << QMessageBox::Yes
            << picked + QStringList{"saveSettings ,.", "CaricaDatiDa Obbiettivi1.txt"};
        QTest::newRow("No: point")
            << QMessageBox::No
            << picked + QStringList{"saveSettings .,", "CaricaDatiDa Obbiettivi2.txt"};
        QTest::newRow("closed") << QMessageBox::NoButton << QStringList();
    }

    void chooserRunsTheStepsInOrder() {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QStringList, calls);
        m_host.calls.clear();
        m_host.state.DecimalSeparator = m_host.state.OtherSeparator = QStringLiteral("old");
        const QPointer chooser = new frmSceltaLingua(m_host.state, m_host);
        chooser->show();
        const QSignalSpy unpicked(chooser.data(), &frmSceltaLingua::closedWithoutPick);
        const test::MessageBoxAnswer box(answer);
        const auto* files = chooser->findChild<FileList*>(QStringLiteral("File1"));
        if (answer == QMessageBox::NoButton)
            chooser->close();
        else
            QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                              files->visualItemRect(files->item(0)).center());

        QCOMPARE(m_host.calls, calls);
        QCOMPARE(box.texts(), calls.isEmpty() ? QStringList() : QStringList{"Comma?"});
        QCOMPARE(unpicked.count(), calls.isEmpty() ? 1 : 0);
        QTRY_VERIFY(chooser.isNull());
    }

    void languageMenuReusesTheChooser() {
        Obbiettivi window(m_program);
        window.Language()->trigger();
        const QPointer<frmSceltaLingua> first = window.languageChooser();
        QVERIFY(first && first->isVisible());
        window.Language()->trigger();
        QCOMPARE(window.findChildren<frmSceltaLingua*>(), QList<frmSceltaLingua*>{first});
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
        const QString path = m_folder.filePath(QStringLiteral("distinct.lng"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(lines.join("\r\n").toUtf8()) > 0);
        file.close();
        Obbiettivi window(m_program);
        QVERIFY(!recommendationWindow());

        window.CaricaLingua(path);
        QVERIFY(recommendationWindow() && !recommendationWindow()->isVisible());
        lines[20] = QStringLiteral("Focal & zoom (mm)");
        QCOMPARE(shown(window), lines);

        const QString missing = m_folder.filePath(QStringLiteral("missing.lng"));
        const test::MessageBoxAnswer answer;
        window.CaricaLingua(missing);
        QCOMPARE(answer.texts(), QStringList{unreadableLanguageFileMessage(missing)});
        QCOMPARE(shown(window), lines);
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
