#include "app/sharedstate.h"
#include "lang/directorylist.h"
#include "lang/filelist.h"
#include "lang/languagechooser.h"
#include "lang/languagechooserhost.h"
#include "platform/twips.h"
#include "support/messageboxanswer.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QStorageInfo>
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
        calls << QStringList{"saveSettings", m_state.DecimalSeparator, m_state.OtherSeparator,
                             m_state.LanguageFile}
                     .join(u' ');
    }
    void showMainWindow() override { calls << "showMainWindow"; }
    void enableTimerMove() override { calls << "enableTimerMove"; }
    QString separatorQuestion() const override {
        calls << "separatorQuestion";
        return question;
    }
    void CaricaDatiDa(const QString& fileName) override { calls << "CaricaDatiDa " + fileName; }

    mutable QStringList calls;
    QString question = QStringLiteral("Comma?");

private:
    const ProgramState& m_state;
};

QStringList itemTexts(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

class TestLanguageChooser : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QDir dir(m_dir.path());
        QVERIFY(dir.mkdir("sub"));
        QVERIFY(dir.mkdir("empty"));
        for (const char* name : {"English.lng", "Deutsch.lng", "notes.txt", "sub/Sub.lng"}) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir::setCurrent(m_dir.path()));
        m_work = QDir::currentPath();
    }

    void init() {
        m_state = {};
        m_state.DecimalSeparator = QStringLiteral("old-dec");
        m_state.OtherSeparator = QStringLiteral("old-other");
        m_host = std::make_unique<FakeHost>(m_state);
        m_chooser = new frmSceltaLingua(m_state, *m_host);
        m_chooser->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_chooser));
        m_file1 = m_chooser->findChild<FileList*>(QStringLiteral("File1"));
        m_dir1 = m_chooser->findChild<DirectoryList*>(QStringLiteral("Dir1"));
        m_drive1 = m_chooser->findChild<QComboBox*>(QStringLiteral("Drive1"));
        QVERIFY(m_file1 && m_dir1 && m_drive1);
    }

    void cleanup() { delete m_chooser.data(); }

    void layout_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("caption");
        QTest::newRow("File1") << "File1" << QRect(2160, 1440, 1575, 1770) << QString();
        QTest::newRow("Drive1") << "Drive1" << QRect(2160, 480, 1575, 330) << QString();
        QTest::newRow("Dir1") << "Dir1" << QRect(120, 480, 1935, 2730) << QString();
        QTest::newRow("Label3") << "Label3" << QRect(2280, 1080, 1455, 255) << "Language:";
        QTest::newRow("Label2") << "Label2" << QRect(2160, 120, 1575, 375) << "Drive:";
        QTest::newRow("Label1") << "Label1" << QRect(120, 120, 1935, 375) << "Path:";
    }

    void layout() {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, caption);
        auto* control = m_chooser->findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(),
                 twipsRect(twips.x(), twips.y(), twips.width(), twips.height(), control));
        QCOMPARE(control->font().family(), QStringLiteral("Arial"));
        QCOMPARE(control->font().pointSizeF(), 8.25);
        if (auto* label = qobject_cast<QLabel*>(control))
            QCOMPARE(label->text(), caption);
    }

    void window() {
        QCOMPARE(m_chooser->objectName(), QStringLiteral("frmSceltaLingua"));
        QCOMPARE(m_chooser->windowTitle(), QStringLiteral("Language"));
        QVERIFY(m_chooser->isWindow());
        QVERIFY(m_chooser->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(m_chooser->size(),
                 QSize(twipsToPixels(3870, m_chooser), twipsToPixels(3420, m_chooser)));
        QList<QWidget*> tabOrder;
        for (QWidget* w = m_chooser->nextInFocusChain(); w != m_chooser; w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus)
                tabOrder << w;
        // The chain is a cycle; it starts at the first control of the tab order.
        QVERIFY(tabOrder.contains(m_dir1));
        while (tabOrder.constFirst() != m_dir1)
            tabOrder.append(tabOrder.takeFirst());
        QCOMPARE(tabOrder, (QList<QWidget*>{m_dir1, m_drive1, m_file1}));
        QCOMPARE(m_chooser->focusWidget(), m_dir1);
    }

    void listsStartAtTheWorkingDirectory() {
        QCOMPARE(m_dir1->path(), native(m_work));
        QCOMPARE(m_file1->path(), native(m_work));
        QCOMPARE(itemTexts(m_file1), (QStringList{"Deutsch.lng", "English.lng"}));
        QCOMPARE(QDir::cleanPath(m_drive1->currentData().toString()),
                 QDir::cleanPath(QStorageInfo(m_work).rootPath()));
    }

    void pickRunsTheStepsInOrder_data() {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("other");
        QTest::addColumn<QString>("catalogue");
        QTest::newRow("Yes: comma") << QMessageBox::Yes << "Comma?"
                                    << ","
                                    << "."
                                    << "Obbiettivi1.txt";
        QTest::newRow("No: point") << QMessageBox::No << "Comma?"
                                   << "."
                                   << ","
                                   << "Obbiettivi2.txt";
        QTest::newRow("no question loaded") << QMessageBox::No << ""
                                            << "."
                                            << ","
                                            << "Obbiettivi2.txt";
    }

    void pickRunsTheStepsInOrder() {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QString, question);
        QFETCH(QString, decimal);
        QFETCH(QString, other);
        QFETCH(QString, catalogue);
        m_host->question = question;
        const QSignalSpy unpicked(m_chooser.data(), &frmSceltaLingua::closedWithoutPick);
        const vistaro::test::MessageBoxAnswer box(answer);

        clickFile(QStringLiteral("English.lng"));

        const QString path = native(m_work) + QDir::separator() + "English.lng";
        QCOMPARE(m_state.LanguageFile, path);
        QCOMPARE(m_state.DecimalSeparator, decimal);
        QCOMPARE(m_state.OtherSeparator, other);
        QCOMPARE(m_host->calls, (QStringList{
                                    "CaricaLingua " + path,
                                    "saveSettings old-dec old-other " + path,
                                    "showMainWindow",
                                    "enableTimerMove",
                                    "separatorQuestion",
                                    QStringList{"saveSettings", decimal, other, path}.join(u' '),
                                    "CaricaDatiDa " + catalogue,
                                }));
        QCOMPARE(box.count(), 1);
        QCOMPARE(box.title(), QStringLiteral("Vistaro"));
        QVERIFY(!box.texts().constFirst().isEmpty());
        if (!question.isEmpty())
            QCOMPARE(box.texts().constFirst(), question);
        QTRY_VERIFY(m_chooser.isNull());
        QCOMPARE(unpicked.count(), 0);
    }

    void folderChangeRefreshesFiles_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("subfolder") << "sub" << QStringList{"Sub.lng"};
        QTest::newRow("no language files") << "empty" << QStringList{};
    }

    void folderChangeRefreshesFiles() {
        QFETCH(QString, folder);
        QFETCH(QStringList, files);
        QTreeWidgetItem* item =
            m_dir1->findItems(folder, Qt::MatchExactly | Qt::MatchRecursive).value(0);
        QVERIFY(item);
        QTest::mouseClick(m_dir1->viewport(), Qt::LeftButton, {},
                          m_dir1->visualItemRect(item).center());
        const QString expected = native(m_work + u'/' + folder);
        QTRY_COMPARE(m_dir1->path(), expected);
        QCOMPARE(m_file1->path(), expected);
        QCOMPARE(itemTexts(m_file1), files);
        QVERIFY(m_host->calls.isEmpty());
    }

    void driveChangeMovesTheLists() {
        QVERIFY(m_dir1->setPath(m_work + "/sub"));
        m_drive1->addItem(QStringLiteral("work"), QStorageInfo(m_work).rootPath());
        m_drive1->setCurrentIndex(m_drive1->count() - 1);
        QCOMPARE(m_dir1->path(), native(m_work));
        QCOMPARE(itemTexts(m_file1), (QStringList{"Deutsch.lng", "English.lng"}));
    }

    void driveNotReadyLeavesTheLists() {
        const QString missing = m_work + "/no-such-drive/";
        m_drive1->addItem(QStringLiteral("X:"), missing);
        m_drive1->setCurrentIndex(m_drive1->count() - 1);
        QCOMPARE(m_drive1->currentText(), QStringLiteral("X:"));
        QCOMPARE(m_dir1->path(), native(m_work));
        QCOMPARE(m_file1->path(), native(m_work));
        QCOMPARE(itemTexts(m_file1), (QStringList{"Deutsch.lng", "English.lng"}));
    }

    void closingWithoutPickSaysSo() {
        const QSignalSpy unpicked(m_chooser.data(), &frmSceltaLingua::closedWithoutPick);
        m_chooser->close();
        QCOMPARE(unpicked.count(), 1);
        QVERIFY(m_host->calls.isEmpty());
        QTRY_VERIFY(m_chooser.isNull());
    }

private:
    void clickFile(const QString& name) {
        const QList<QListWidgetItem*> items = m_file1->findItems(name, Qt::MatchExactly);
        QVERIFY(!items.isEmpty());
        QTest::mouseClick(m_file1->viewport(), Qt::LeftButton, {},
                          m_file1->visualItemRect(items.first()).center());
    }

    QTemporaryDir m_dir;
    QString m_work;
    ProgramState m_state;
    std::unique_ptr<FakeHost> m_host;
    QPointer<frmSceltaLingua> m_chooser;
    FileList* m_file1 = nullptr;
    DirectoryList* m_dir1 = nullptr;
    QComboBox* m_drive1 = nullptr;
};

QTEST_MAIN(TestLanguageChooser)
#include "tst_languagechooser.moc"
