// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/aboutbox.h"
#include "support/sampleworkfolder.h"

#include <QLabel>
#include <QMenu>
#include <QPointer>

using namespace vistaro;
using namespace Qt::StringLiterals;

class TestAbout : public QObject {
    Q_OBJECT

    test::SampleWorkFolder m_app;

private slots:
    void initTestCase() { QVERIFY(m_app.prepare()); }

    // The last item of the Tools menu, after a separator, opens a modal box in the interface
    // language with the version, a link to the license and the settings file; Close ends it.
    void aboutBox() {
        m_app.start(",\r\n.\r\n" VISTARO_SOURCE_DATA_DIR "/lang/Italiano.lng\r\n/media/cdrom/\r\n");
        const QList<QAction*> items = m_app.window().Tools()->actions();
        QVERIFY(items.size() >= 2 && items[items.size() - 2]->isSeparator());
        QTRY_COMPARE(items.last()->text(), u"&Informazioni su Vistaro"_s);
        items.last()->trigger();
        QPointer<AboutBox> box = m_app.find<AboutBox>(QStringLiteral("AboutBox"));
        QVERIFY(box && box->isVisible() && box->isModal());
        QStringList texts{box->windowTitle()};
        for (const char* name : {"Title", "SettingsFile"})
            texts << m_app.find<QLabel>(QLatin1String(name), box)->text();
        QCOMPARE(texts, (QStringList{u"Informazioni su Vistaro"_s,
                                     QStringLiteral("Vistaro " VISTARO_VERSION),
                                     u"File delle impostazioni: "_s + settingsFilePath()}));
        auto* license = m_app.find<QLabel>(QStringLiteral("License"), box);
        QVERIFY(license->openExternalLinks() &&
                license->text().contains(u"href=\"https://www.gnu.org/licenses/gpl-3.0.html\""_s));
        m_app.click(QStringLiteral("Close"), box);
        QTRY_VERIFY(box.isNull());
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
