// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/aboutbox.h"
#include "support/sampleworkfolder.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>

using namespace vistaro;

// The About box: reached from the end of the Tools menu, in the interface language.
class TestAbout : public QObject {
    Q_OBJECT

    test::SampleWorkFolder m_app;

    QString label(const char* name) const {
        return m_app.find<QLabel>(QLatin1String(name), box())->text();
    }
    AboutBox* box() const { return m_app.find<AboutBox>(QStringLiteral("AboutBox")); }

private slots:
    void initTestCase() { QVERIFY(m_app.prepare()); }

    // After a separator, the last item follows the language file that CaricaLingua applies
    // (on the LanguageChange event Qt posts) and opens a modal box in that language with the
    // version, a link to the license, the Qt in use and the settings file; Close ends it.
    void aboutBox() {
        m_app.start(",\r\n.\r\n" VISTARO_SOURCE_DATA_DIR "/lang/English.lng\r\n/media/cdrom/\r\n");
        m_app.window().TimerMove()->stop(); // its English file would undo the Italian one
        const QList<QAction*> items = m_app.window().Tools()->actions();
        QVERIFY(items.size() >= 2 && items[items.size() - 2]->isSeparator());
        QCOMPARE(items.last()->objectName() + ": " + items.last()->text(), "About: About Vistaro");
        m_app.window().CaricaLingua(VISTARO_SOURCE_DATA_DIR "/lang/Italiano.lng");
        QTRY_COMPARE(items.last()->text(), "Informazioni su Vistaro");
        QCOMPARE(m_app.window().Tools()->title(), "&Strumenti");

        items.last()->trigger();
        QPointer<AboutBox> shown = box();
        QVERIFY(shown && shown->isVisible() && shown->isModal());
        QCOMPARE(shown->windowTitle(), "Informazioni su Vistaro");
        QCOMPARE(label("Title"), "Vistaro " VISTARO_VERSION);
        QVERIFY(
            label("License").contains("<a href=\"https://www.gnu.org/licenses/gpl-3.0.html\">"));
        QVERIFY(m_app.find<QLabel>(QStringLiteral("License"), shown)->openExternalLinks());
        QCOMPARE(label("QtVersion"),
                 QStringLiteral("Qt %1 (compilato con Qt " QT_VERSION_STR ")").arg(qVersion()));
        QCOMPARE(label("SettingsFile"), "File delle impostazioni: " + settingsFilePath());
        QCOMPARE(m_app.find<QPushButton>(QStringLiteral("Close"), shown)->text(), "Chiudi");
        m_app.click(QStringLiteral("Close"), shown);
        QTRY_VERIFY(shown.isNull());
        m_app.stop();
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
