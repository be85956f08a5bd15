#include "platform/datapaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace vistaro;

class TestDataPaths : public QObject {
    Q_OBJECT

    QString m_startDir = QDir::currentPath();

private slots:
    void cleanup() { QDir::setCurrent(m_startDir); }

    void workingDirectoryFirst() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QDir::setCurrent(dir.path()));
        QCOMPARE(dataFolders(), (QStringList{QDir::currentPath(),
                                             QDir::cleanPath(QStringLiteral(VISTARO_DATA_DIR)),
                                             QCoreApplication::applicationDirPath()}));
    }

    // Started in its own folder, the program looks there once.
    void noDuplicates() {
        QVERIFY(QDir::setCurrent(QCoreApplication::applicationDirPath()));
        QCOMPARE(dataFolders(), (QStringList{QCoreApplication::applicationDirPath(),
                                             QDir::cleanPath(QStringLiteral(VISTARO_DATA_DIR))}));
    }
};

QTEST_GUILESS_MAIN(TestDataPaths)
#include "tst_datapaths.moc"
