// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/sitefile.h"

#include <QTest>

using namespace vistaro;
using namespace Qt::StringLiterals;

namespace {

// A site whose background is `file`, with what a DXF drawing and a PDF page add.
QByteArray withBackground(const QByteArray& members) {
    return R"({"format": "vistaro-site", "version": 1, "background": {)" + members + "}}";
}

} // namespace

// The floor plans that are no pictures: a DXF drawing's hidden layers and units, a PDF's page and
// resolution, as the site file keeps them.
class TestPlanBackgrounds : public QObject {
    Q_OBJECT

private slots:
    void kinds_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<BackgroundKind>("kind");
        QTest::newRow("png") << u"plan.png"_s << BackgroundKind::Picture;
        QTest::newRow("dxf") << u"plans/ground.dxf"_s << BackgroundKind::Dxf;
        QTest::newRow("upper case") << u"/srv/GROUND.DXF"_s << BackgroundKind::Dxf;
        QTest::newRow("pdf") << u"C:/plans/first floor.Pdf"_s << BackgroundKind::Pdf;
        QTest::newRow("dxf in a folder's name") << u"dxf.pdf/plan.svg"_s << BackgroundKind::Picture;
        QTest::newRow("no suffix") << u"dxf"_s << BackgroundKind::Picture;
    }
    void kinds() {
        QFETCH(QString, file);
        QFETCH(BackgroundKind, kind);
        QCOMPARE(backgroundKind(file), kind);
    }

    // What is written is read back the same; a drawing keeps its layers, a PDF its page.
    void roundTrip_data() {
        QTest::addColumn<SiteBackground>("background");
        QTest::addColumn<QStringList>("keys");
        SiteBackground dxf;
        dxf.file = u"plan.dxf"_s;
        dxf.scale = BackgroundScale{{0, 0}, {1, 0}, 0.001};
        dxf.offset = {-12.5, 40};
        dxf.hiddenLayers = {u"FURNITURE"_s, u"Text \u00e9"_s};
        QTest::newRow("dxf") << dxf << QStringList{u"hidden_layers"_s};
        dxf.hiddenLayers.clear();
        QTest::newRow("dxf, every layer shown") << dxf << QStringList{u"hidden_layers"_s};
        SiteBackground pdf;
        pdf.file = u"/plans/site.pdf"_s;
        pdf.page = 3;
        pdf.dpi = 72.5;
        QTest::newRow("pdf") << pdf << QStringList{u"dpi"_s, u"page"_s};
        SiteBackground picture;
        picture.file = u"plan.png"_s;
        QTest::newRow("picture") << picture << QStringList{};
    }
    void roundTrip() {
        QFETCH(SiteBackground, background);
        QFETCH(QStringList, keys);
        Site site;
        site.background = background;
        const QByteArray json = siteToJson(site);
        const SiteRead read = readSite(json);
        QCOMPARE(read.problem, QString());
        QCOMPARE(read.site->background, background);
        for (const char* key : {"hidden_layers", "page", "dpi"})
            QCOMPARE(json.contains(QByteArray("\"" + QByteArray(key) + "\"")),
                     keys.contains(QLatin1String(key)));
    }

    // Keys absent take their defaults; a file that states no page reads page 1 at 150 dpi.
    void defaults() {
        const SiteRead read = readSite(withBackground(R"("file": "plan.pdf")"));
        QVERIFY(read.site);
        QCOMPARE(read.site->background->page, 1);
        QCOMPARE(read.site->background->dpi, 150.0);
        QVERIFY(read.site->background->hiddenLayers.isEmpty());
    }

    void refused_data() {
        QTest::addColumn<QByteArray>("members");
        QTest::addColumn<QString>("problem");
        QTest::newRow("page 0") << QByteArray(R"("file": "a.pdf", "page": 0)")
                                << u"background.page: not within 1 to 100000"_s;
        QTest::newRow("half a page") << QByteArray(R"("file": "a.pdf", "page": 1.5)")
                                     << u"background.page: not a whole number"_s;
        QTest::newRow("page as text") << QByteArray(R"("file": "a.pdf", "page": "2")")
                                      << u"background.page: a number is expected"_s;
        QTest::newRow("dpi too low") << QByteArray(R"("file": "a.pdf", "dpi": 5)")
                                     << u"background.dpi: not within 10 to 1200"_s;
        QTest::newRow("dpi too high") << QByteArray(R"("file": "a.pdf", "dpi": 1e9)")
                                      << u"background.dpi: not within 10 to 1200"_s;
        QTest::newRow("layers not a list")
            << QByteArray(R"("file": "a.dxf", "hidden_layers": "WALLS")")
            << u"background.hidden_layers: a list is expected"_s;
        QTest::newRow("a layer not a text")
            << QByteArray(R"("file": "a.dxf", "hidden_layers": ["WALLS", 2])")
            << u"background.hidden_layers[1]: a text is expected"_s;
    }
    void refused() {
        QFETCH(QByteArray, members);
        QFETCH(QString, problem);
        const SiteRead read = readSite(withBackground(members));
        QVERIFY(!read.site);
        QCOMPARE(read.problem, problem);
    }

    // A list of hidden layers beyond any drawing's is refused before its names are read.
    void tooManyLayers() {
        QByteArray layers = "[";
        for (qsizetype i = 0; i <= MaxHiddenLayers; ++i)
            layers += "\"L\",";
        layers.back() = ']';
        const SiteRead read =
            readSite(withBackground(R"("file": "a.dxf", "hidden_layers": )" + layers));
        QVERIFY(!read.site);
        QVERIFY(read.problem.startsWith(u"background.hidden_layers: more than the"_s));
    }
};

QTEST_GUILESS_MAIN(TestPlanBackgrounds)
#include "tst_planbackgrounds.moc"
