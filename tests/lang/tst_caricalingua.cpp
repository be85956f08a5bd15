#include "lang/languagefile.h"
#include "support/messageboxanswer.h"
#include "support/quietoffscreen.h"
#include "support/sampleworkfolder.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace vistaro;

namespace {

// The caption that the main window or the recommendation window shows for target `name`.
QString shownCaption(const QWidget* window, const QString& name) {
    if (const auto* frame = window->findChild<QGroupBox*>(name))
        return frame->title();
    if (const auto* button = window->findChild<QAbstractButton*>(name))
        return button->text();
    if (const auto* label = window->findChild<QLabel*>(name))
        return label->text();
    if (const auto* action = window->findChild<QAction*>(name))
        return action->text();
    return QStringLiteral("<no control %1>").arg(name);
}

QList<QWidget*> recommendationWindows() {
    QList<QWidget*> found;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("CConsiglia"))
            found.append(window);
    return found;
}

} // namespace

class TestCaricaLingua : public QObject {
    Q_OBJECT

private:
    test::SampleWorkFolder m_folder;
    ProgramState m_program;
    std::unique_ptr<Obbiettivi> m_window;

    QStringList mainTexts() const {
        const MainPublic& p = m_window->publicState();
        return {p.Sep,         p.ValNum,      p.IRISCont, p.At,
                p.InquadraMin, p.InquadraMax, p.Inquadra, p.MinimoFuoco};
    }

    QStringList mainCaptions() const {
        QStringList captions;
        for (const LanguageTargetInfo& info : languageTargets())
            if (info.kind == LanguageTargetKind::MainCaption)
                captions << shownCaption(m_window.get(), QLatin1String(info.name));
        return captions;
    }

    QString writeFile(const QString& name, const QStringList& lines) const {
        QFile file(m_folder.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write(lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
        return file.fileName();
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

    void cleanup() { m_window.reset(); }

    // Every line goes to its own target, in the order of the file; "&" marks an access key in
    // menus and buttons, and a label shows "&&" as one "&".
    void everyLineInItsPlace() {
        QStringList lines;
        for (int line = 1; line <= LanguageLineCount; ++line)
            lines << QStringLiteral("line %1").arg(line);
        lines[20] = QStringLiteral("focal && zoom (mm)");    // Label1, a heading
        lines[19] = QStringLiteral("&Recommend");            // MarvantoCons, a button
        lines[24] = QStringLiteral("&Decimal && separator"); // DecSeparator, a menu
        QVERIFY(recommendationWindows().isEmpty());

        m_window->CaricaLingua(writeFile(QStringLiteral("distinct.lng"), lines));

        QCOMPARE(mainTexts(), lines.mid(0, 8));
        QStringList expected = lines.mid(10);
        expected[10] = QStringLiteral("focal & zoom (mm)");
        QCOMPARE(mainCaptions(), expected);
        const QList<QWidget*> recommendation = recommendationWindows();
        QCOMPARE(recommendation.size(), 1);
        QVERIFY(!recommendation.first()->isVisible());
        QCOMPARE(shownCaption(recommendation.first(), QStringLiteral("MinFuoco")), lines[8]);
        QCOMPARE(shownCaption(recommendation.first(), QStringLiteral("Iride")), lines[9]);

        // A second file reuses the one recommendation window.
        m_window->CaricaLingua(m_folder.filePath(QStringLiteral("English.lng")));
        QCOMPARE(recommendationWindows().size(), 1);
        QCOMPARE(shownCaption(m_window.get(), QStringLiteral("Sensore")), QStringLiteral("Sensor"));
    }

    void unreadableFileKeepsTheCaptions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("messages");
        QTest::newRow("missing") << QStringLiteral("missing.lng") << 1;
        QTest::newRow("empty") << QStringLiteral("empty.lng") << 1;
        QTest::newRow("a folder") << QStringLiteral("folder.lng") << 1;
        QTest::newRow("no file named") << QString() << 0;
    }

    void unreadableFileKeepsTheCaptions() {
        QFETCH(QString, name);
        QFETCH(int, messages);
        QFile(m_folder.filePath(QStringLiteral("empty.lng"))).open(QIODevice::WriteOnly);
        QDir().mkpath(m_folder.filePath(QStringLiteral("folder.lng")));
        m_window->CaricaLingua(m_folder.filePath(QStringLiteral("English.lng")));
        const QStringList texts = mainTexts();
        const QStringList captions = mainCaptions();

        const QString path = name.isEmpty() ? QString() : m_folder.filePath(name);
        test::MessageBoxAnswer answer;
        m_window->CaricaLingua(path);
        QTest::qWait(50);

        QCOMPARE(answer.count(), messages);
        if (messages)
            QVERIFY(answer.texts().first().contains(QDir::toNativeSeparators(path)));
        QCOMPARE(mainTexts(), texts);
        QCOMPARE(mainCaptions(), captions);
    }

    // On a normal start the stored language file is applied once, half a second later.
    void timerMoveAppliesTheStoredFile() {
        m_window.reset();
        const QString english = m_folder.filePath(QStringLiteral("English.lng"));
        QVERIFY(test::SampleWorkFolder::writeSettings(".\r\n,\r\n" + english.toUtf8() +
                                                      "\r\n/media/cdrom/\r\n"));
        test::StartedProgram started;
        Obbiettivi& window = *started.window;
        QCOMPARE(shownCaption(&window, QStringLiteral("Sensore")), QStringLiteral("Sensore"));
        QVERIFY(window.publicState().Sep.isEmpty());
        QVERIFY(window.TimerMove()->isActive());
        QCOMPARE(window.TimerMove()->interval(), 500);

        QTRY_COMPARE(shownCaption(&window, QStringLiteral("Sensore")), QStringLiteral("Sensor"));
        QCOMPARE(window.publicState().Sep, m_folder.lines(QStringLiteral("English.lng")).first());
        QVERIFY(!window.TimerMove()->isActive());
    }
};

QTEST_MAIN(TestCaricaLingua)
#include "tst_caricalingua.moc"
