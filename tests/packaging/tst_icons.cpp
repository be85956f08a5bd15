// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A missing file, a broken SVG or no SVG plugin would leave the windows with a blank icon.
#include <QIcon>
#include <QImageReader>
#include <QTest>

class TestIcons : public QObject {
    Q_OBJECT

private slots:
    // Round-cornered: the corner see-through, the middle drawn; the two icons differ.
    void drawnAtWindowIconSize() {
        QList<QImage> images;
        for (const char* path : {":/icons/vistaro.svg", ":/icons/vistaro-language.svg"}) {
            QVERIFY2(QImageReader(QLatin1String(path)).canRead(), path);
            images.append(QIcon(QLatin1String(path)).pixmap(32, 32).toImage());
            QCOMPARE(images.last().size(), QSize(32, 32));
            QCOMPARE(qAlpha(images.last().pixel(0, 0)), 0);
            QCOMPARE(qAlpha(images.last().pixel(16, 16)), 255);
        }
        QVERIFY(images[0] != images[1]);
    }
};

QTEST_MAIN(TestIcons)
#include "tst_icons.moc"
