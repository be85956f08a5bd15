#include "app/settingsfile.h"
#include "support/hostilefiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vistaro;
using vistaro::test::HostileFile;

// Whatever the settings file holds, probe and load end without a crash: the probe gives line 1
// (empty when there is none or the file cannot be read, which is a first run), and each line
// the file has overwrites its setting while the others keep their values.
class TestHostileSettings : public QObject {
    Q_OBJECT

private slots:
    void probeAndLoad_data() {
        QTest::addColumn<HostileFile>("file");
        for (const auto& [name, file] : test::hostile::files())
            QTest::newRow(name) << file;
    }

    void probeAndLoad() {
        QFETCH(HostileFile, file);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("lens.ini"));
        VISTARO_PLACE_HOSTILE(file, path);

        const Settings before{"1", "2", "3", "D:\\"};
        Settings loaded = before;
        loadSettings(path, loaded);
        const QString probe = probeSettings(path);

        const QStringList fields{loaded.DecimalSeparator, loaded.OtherSeparator,
                                 loaded.LanguageFile, loaded.Drive};
        const QStringList kept{before.DecimalSeparator, before.OtherSeparator, before.LanguageFile,
                               before.Drive};
        for (int i = 0; i < fields.size(); ++i) {
            if (i >= file.lineCount)
                QCOMPARE(fields[i], kept[i]);
            else if (i < file.lines.size())
                QCOMPARE(fields[i], file.lines[i]);
        }
        QCOMPARE(probe, file.lineCount > 0 ? loaded.DecimalSeparator : QString());
    }
};

QTEST_GUILESS_MAIN(TestHostileSettings)
#include "tst_hostile_settings.moc"
