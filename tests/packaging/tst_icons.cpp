// The windows take their icons from the resource paths below; a missing file, a broken SVG or
// a missing SVG plugin would leave them with the platform's blank icon.
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QTest>

namespace {

constexpr int WindowIconSize = 32;

QImage render(const QString& path) {
    return QIcon(path).pixmap(WindowIconSize, WindowIconSize).toImage();
}

} // namespace

class TestIcons : public QObject {
    Q_OBJECT

private slots:
    void drawsAtWindowIconSize_data();
    void drawsAtWindowIconSize();
    void chooserIconDiffersFromMainIcon();
};

void TestIcons::drawsAtWindowIconSize_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("main window") << QStringLiteral(":/icons/vistaro.svg");
    QTest::newRow("language chooser") << QStringLiteral(":/icons/vistaro-language.svg");
}

void TestIcons::drawsAtWindowIconSize() {
    QFETCH(QString, path);
    QVERIFY2(QImageReader(path).canRead(), "the SVG image plugin cannot read it");
    const QImage image = render(path);
    QCOMPARE(image.size(), QSize(WindowIconSize, WindowIconSize));
    // Both shapes are round-cornered: the corner stays see-through, the middle is drawn.
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(WindowIconSize / 2, WindowIconSize / 2)), 255);
}

void TestIcons::chooserIconDiffersFromMainIcon() {
    QVERIFY(render(QStringLiteral(":/icons/vistaro.svg")) !=
            render(QStringLiteral(":/icons/vistaro-language.svg")));
}

QTEST_MAIN(TestIcons)
#include "tst_icons.moc"
