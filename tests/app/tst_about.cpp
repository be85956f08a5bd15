// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/aboutbox.h"
#include "support/sampleworkfolder.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>

using namespace vistaro;
using test::SampleWorkFolder;

// The About box: reached from the end of the Tools menu, in the interface language.
class TestAbout : public QObject {
    Q_OBJECT

    SampleWorkFolder m_app;

    QString label(const char* name) const {
        return m_app.find<QLabel>(QLatin1String(name), box())->text();
    }
    AboutBox* box() const { return m_app.find<AboutBox>(QStringLiteral("AboutBox")); }
    QAction* aboutItem() const { return m_app.window().Tools()->actions().constLast(); }

    void startWith(const char* languageFile) {
        m_app.start(",\r\n.\r\n" VISTARO_SOURCE_DATA_DIR "/lang/" + QByteArray(languageFile) +
                    "\r\n/media/cdrom/\r\n");
    }

private slots:
    void initTestCase() { QVERIFY(m_app.prepare()); }
    void cleanup() { m_app.stop(); }

    // After a separator, the last item opens a modal box with the version, the license and a
    // link to its text, the Qt in use and the settings file; Close takes it away.
    void aboutBoxFacts() {
        startWith("English.lng");
        const QList<QAction*> items = m_app.window().Tools()->actions();
        QVERIFY(items.size() >= 2 && items[items.size() - 2]->isSeparator());
        QCOMPARE(aboutItem()->objectName(), QStringLiteral("About"));
        QCOMPARE(aboutItem()->text(), QStringLiteral("About Vistaro"));

        aboutItem()->trigger();
        QPointer<AboutBox> shown = box();
        QVERIFY(shown && shown->isVisible() && shown->isModal());
        QCOMPARE(shown->windowTitle(), QStringLiteral("About Vistaro"));
        QCOMPARE(label("Title"), QStringLiteral("Vistaro " VISTARO_VERSION));
        QVERIFY(label("License").contains(QStringLiteral(
            "<a href=\"https://www.gnu.org/licenses/gpl-3.0.html\">GNU General Public License, "
            "version 3 or later</a>")));
        QVERIFY(m_app.find<QLabel>(QStringLiteral("License"), shown)->openExternalLinks());
        QCOMPARE(label("QtVersion"),
                 QStringLiteral("Qt %1 (built with Qt " QT_VERSION_STR ")").arg(qVersion()));
        QCOMPARE(label("SettingsFile"), "Settings file: " + settingsFilePath());

        m_app.click(QStringLiteral("Close"), shown);
        QTRY_VERIFY(shown.isNull());
    }

    // The Tools menu, its item and an open box follow the language file that CaricaLingua
    // applies (the windows retranslate on the LanguageChange event that Qt posts).
    void aboutFollowsTheLanguage() {
        startWith("English.lng");
        aboutItem()->trigger();
        QVERIFY(box());
        m_app.window().CaricaLingua(VISTARO_SOURCE_DATA_DIR "/lang/Italiano.lng");
        QTRY_COMPARE(box()->windowTitle(), "Informazioni su Vistaro");
        QCOMPARE(aboutItem()->text(), "Informazioni su Vistaro");
        QCOMPARE(m_app.window().Tools()->title(), "&Strumenti");
        QCOMPARE(m_app.find<QPushButton>(QStringLiteral("Close"), box())->text(), "Chiudi");
        QCOMPARE(label("SettingsFile"), "File delle impostazioni: " + settingsFilePath());
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
