#include "lang/filelist.h"
#include "lang/languagefile.h"
#include "support/sampleworkfolder.h"

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

// The 26 texts on show, in the order of the file's lines.
QStringList shown(const Obbiettivi& window) {
    const MainPublic& p = window.publicState();
    QStringList texts{p.Sep,         p.ValNum,      p.IRISCont, p.At,
                      p.InquadraMin, p.InquadraMax, p.Inquadra, p.MinimoFuoco};
    for (const LanguageTargetInfo& info : languageTargets()) {
        if (info.kind == LanguageTargetKind::MainText)
            continue;
        const QObject* in = info.kind == LanguageTargetKind::MainCaption
                                ? static_cast<const QObject*>(&window)
                                : test::SampleWorkFolder::consiglia();
        const QObject* target = in->findChild<QObject*>(QLatin1String(info.name));
        texts << target->property(target->inherits("QGroupBox") ? "title" : "text").toString();
    }
    return texts;
}

} // namespace

class TestLanguageWindows : public QObject {
    Q_OBJECT

    test::SampleWorkFolder m_folder;
    ProgramState m_program;

private slots:
    void initTestCase() { QVERIFY(m_folder.prepare()); }

    // A pick applies, saves, shows and arms before the question, then saves and loads.
    void chooserRunsTheStepsInOrder_data() {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
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
    }

    void chooserRunsTheStepsInOrder() {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QStringList, calls);
        FakeHost host;
        host.state.DecimalSeparator = host.state.OtherSeparator = QStringLiteral("old");
        const QPointer chooser = new frmSceltaLingua(host.state, host);
        chooser->show();
        const test::MessageBoxAnswer box(answer);
        const auto* files = chooser->findChild<FileList*>(QStringLiteral("File1"));
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                          files->visualItemRect(files->item(0)).center());
        QCOMPARE(host.calls, calls);
        QCOMPARE(box.texts, QStringList{"Comma?"});
        QTRY_VERIFY(chooser.isNull());
    }

    // Each line to its own target (a label shows "&&" as "&"), two of them on the hidden
    // recommendation window; an unreadable file then keeps all that and says so once.
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
        QVERIFY(!m_folder.consiglia());

        window.CaricaLingua(path);
        QVERIFY(m_folder.consiglia() && !m_folder.consiglia()->isVisible());
        lines[20] = QStringLiteral("Focal & zoom (mm)");
        QCOMPARE(shown(window), lines);

        const QString missing = m_folder.filePath(QStringLiteral("missing.lng"));
        const test::MessageBoxAnswer answer;
        window.CaricaLingua(missing);
        QCOMPARE(answer.texts, QStringList{unreadableLanguageFileMessage(missing)});
        QCOMPARE(shown(window), lines);
    }
};

QTEST_MAIN(TestLanguageWindows)
#include "tst_languagewindows.moc"
