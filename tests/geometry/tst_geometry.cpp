// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/geometry.h"

#include <QTest>
#include <limits>
#include <numbers>

using namespace vistaro::plane;

namespace {

using Walls = std::vector<Segment>;

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

Region shape(const Ring& outer, const std::vector<Ring>& holes = {}) {
    return {{outer, holes}};
}

Region square(double x0, double y0, double x1, double y1) {
    return shape({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}});
}

// A camera at the origin looking east, 90 degrees wide, out to x = 10: 100 m2.
Region eastField() {
    return shape({{0, 0}, {10, 10}, {10, -10}});
}

bool sameArea(double actual, double expected) {
    return std::abs(actual - expected) <= 1e-9 * std::max(1.0, std::abs(expected));
}

} // namespace

Q_DECLARE_METATYPE(Eye)
Q_DECLARE_METATYPE(Region)
Q_DECLARE_METATYPE(Walls)

class TestGeometry : public QObject {
    Q_OBJECT

    QStringList errors;
    Geometry geometry{[this](const QString& message) { errors << message; }};

private slots:
    void init() { errors.clear(); }
    // No input, however broken, makes GEOS fail: it is cleaned first.
    void cleanup() { QCOMPARE(errors, QStringList()); }

    void area_data() {
        QTest::addColumn<Region>("region");
        QTest::addColumn<double>("area");
        const Ring bowTie{{0, 0}, {10, 10}, {10, 0}, {0, 10}};
        QTest::newRow("square") << square(0, 0, 10, 10) << 100.0;
        QTest::newRow("clockwise, closing point repeated")
            << shape({{0, 0}, {0, 10}, {10, 10}, {10, 10}, {10, 0}, {0, 0}}) << 100.0;
        // The hole's part outside the square is dropped: 5 x 1 inside.
        QTest::newRow("hole across the edge")
            << shape(square(0, 0, 10, 10)[0].outer, {square(5, 5, 15, 6)[0].outer}) << 95.0;
        QTest::newRow("hole of two points ignored")
            << shape(square(0, 0, 10, 10)[0].outer, {{{1, 1}, {2, 2}, {1, 1}}}) << 100.0;
        QTest::newRow("overlaps counted once")
            << Region{square(0, 0, 10, 10)[0], square(5, 5, 15, 15)[0]} << 175.0;
        // Two triangles of 10 x 5 / 2 meeting at (5, 5).
        QTest::newRow("bow-tie keeps both lobes") << shape(bowTie) << 50.0;
        QTest::newRow("NaN drops its polygon only")
            << Region{square(0, 0, 10, 10)[0], {{{20, 0}, {30, NaN}, {30, 10}}, {}}} << 100.0;
        QTest::newRow("NaN in a hole drops its polygon")
            << shape(square(0, 0, 10, 10)[0].outer, {{{1, 1}, {2, NaN}, {2, 2}}}) << 0.0;
        QTest::newRow("beyond 1e9 m") << shape({{0, 0}, {1e300, 0}, {0, 10}}) << 0.0;
        QTest::newRow("on one line") << shape({{0, 0}, {10, 0}, {20, 0}}) << 0.0;
        QTest::newRow("empty ring") << shape({}) << 0.0;
    }

    void area() {
        QFETCH(Region, region);
        QFETCH(double, area);
        QVERIFY2(sameArea(geometry.area(region), area),
                 qPrintable(QString::number(geometry.area(region))));
    }

    // op: "&" intersect, "-" subtract, "|" unite.
    void operations_data() {
        QTest::addColumn<QString>("op");
        QTest::addColumn<Region>("a");
        QTest::addColumn<Region>("b");
        QTest::addColumn<double>("area");
        QTest::addColumn<int>("polygons");
        QTest::addColumn<int>("holes");
        const Region big = square(0, 0, 10, 10);
        QTest::newRow("overlap") << "&" << big << square(5, 5, 15, 15) << 25.0 << 1 << 0;
        QTest::newRow("touching: a line, no area")
            << "&" << big << square(10, 0, 20, 10) << 0.0 << 0 << 0;
        QTest::newRow("hole cut") << "-" << big << square(2, 2, 4, 4) << 96.0 << 1 << 1;
        QTest::newRow("split in two") << "-" << big << square(4, -1, 6, 11) << 80.0 << 2 << 0;
        QTest::newRow("all taken") << "-" << big << square(-1, -1, 11, 11) << 0.0 << 0 << 0;
        QTest::newRow("nothing taken") << "-" << big << Region{} << 100.0 << 1 << 0;
        QTest::newRow("apart") << "|" << big << square(20, 0, 30, 10) << 200.0 << 2 << 0;
        QTest::newRow("ring closed around a hole")
            << "|" << square(0, 0, 10, 2)
            << Region{square(0, 8, 10, 10)[0], square(0, 0, 2, 10)[0], square(8, 0, 10, 10)[0]}
            << 64.0 << 1 << 1;
    }

    void operations() {
        QFETCH(QString, op);
        QFETCH(Region, a);
        QFETCH(Region, b);
        QFETCH(double, area);
        QFETCH(int, polygons);
        QFETCH(int, holes);
        const Region result = op == u"&"   ? geometry.intersect(a, b)
                              : op == u"-" ? geometry.subtract(a, b)
                                           : geometry.unite({a, b});
        QVERIFY(sameArea(geometry.area(result), area));
        QCOMPARE(int(result.size()), polygons);
        int holesFound = 0;
        for (const Polygon& polygon : result) {
            holesFound += int(polygon.holes.size());
            // A result names each point once, the closing one included.
            QVERIFY(polygon.outer.size() >= 3);
            QVERIFY(polygon.outer.front() != polygon.outer.back());
        }
        QCOMPARE(holesFound, holes);
    }

    // The camera at `eye` sees `area` m2 of `field` past `walls`.
    void visibleFrom_data() {
        QTest::addColumn<Eye>("eye");
        QTest::addColumn<Region>("field");
        QTest::addColumn<Walls>("walls");
        QTest::addColumn<double>("area");
        const Eye eye{{0, 0}, 0};
        const auto row = [&](const char* name, const Walls& walls, double area) {
            QTest::newRow(name) << eye << eastField() << walls << area;
        };
        row("no wall", {}, 100);
        // Hidden: between the rays at 0 and 45 degrees past x = 5, (100 - 25) / 2 = 37.5.
        row("half width in front", {{{5, 0}, {5, 5}}}, 62.5);
        // Only the triangle up to the wall: 5 x 10 / 2.
        row("across, in two halves", {{{5, -5}, {5, 0}}, {{5, 0}, {5, 5}}}, 25);
        // Together y = 0 to 8 at x = 5, past the field's 45 degree edge: as above.
        row("overlapping on one line", {{{5, 0}, {5, 5}}, {{5, 3}, {5, 8}}}, 62.5);
        // Seen under 169 degrees it hides all beyond x = 0.1: 0.2 x 0.1 / 2 seen.
        row("close in front of the eye", {{{0.1, -1}, {0.1, 1}}}, 0.01);
        row("seen edge-on", {{{2, 0}, {8, 0}}}, 100);
        row("ending at the eye", {{{0, 0}, {5, -2}}}, 100);
        row("zero length", {{{5, 1}, {5, 1}}}, 100);
        row("on the far edge", {{{10, -10}, {10, 10}}}, 100);
        row("not a number", {{{5, NaN}, {5, 5}}, {{Inf, 0}, {5, 5}}}, 100);
        // Crossing at (6, 0), the nearer of the two on either side: (0, 0), (4, -4), (6, 0),
        // (4, 4) seen.
        row("two walls crossing", {{{4, -4}, {8, 4}}, {{4, 4}, {8, -4}}}, 24);
        // x = 3, |y| <= 1 hides (100 - 9) / 3 past it, and the wall behind it nothing more;
        // x = 6, 1 <= y <= 4, beside it, its part from y = x / 3 to 2x / 3: (100 - 36) / 6.
        row("behind a nearer wall, and beside it",
            {{{3, -1}, {3, 1}}, {{6, -1}, {6, 1}}, {{6, 1}, {6, 4}}}, 100 - 91.0 / 3 - 64.0 / 6);
        // The field inside the room: 6 x 3 / 2.
        row("closed room around the eye",
            {{{-3, -3}, {3, -3}}, {{3, -3}, {3, 3}}, {{3, 3}, {-3, 3}}, {{-3, 3}, {-3, -3}}}, 9);
        // A field from x = 4 (84 m2); the wall outside its box hides 0 <= y <= x: (100 - 16) / 2.
        QTest::newRow("between the eye and a far field")
            << eye << shape({{4, 4}, {10, 10}, {10, -10}, {4, -4}}) << Walls{{{2, 0}, {2, 2}}}
            << 42.0;
        // On the field's edge, the wall hiding 0 <= y <= x past x = 5: (100 - 25) / 2.
        QTest::newRow("on the edge of its field")
            << eye << square(0, -10, 10, 10) << Walls{{{5, 0}, {5, 5}}} << 162.5;
        QTest::newRow("eye not a number") << Eye{{NaN, 0}, 0} << eastField() << Walls{} << 0.0;
        QTest::newRow("axis not a number") << Eye{{0, 0}, NaN} << eastField() << Walls{} << 0.0;
        QTest::newRow("no field") << eye << Region{} << Walls{{{5, 0}, {5, 5}}} << 0.0;

        // On a wall, in a field of 20 x 20 m all around: the wall, however short, hides the
        // half-plane behind it.
        const Region around = square(-10, -10, 10, 10);
        const Walls northSouth{{{0, -2}, {0, 3}}};
        const auto mounted = [&](const char* name, const Eye& at, const Walls& walls, double area) {
            QTest::newRow(name) << at << around << walls << area;
        };
        mounted("on a wall, looking north-west", {{0, 0}, 2.5}, northSouth, 200);
        mounted("on a wall made of two", eye, {{{0, -2}, {0, 0}}, {{0, 3}, {0, 0}}}, 200);
        // Looking into the wall, the field lies wholly behind it.
        QTest::newRow("on a wall, looking into it")
            << Eye{{0, 0}, std::numbers::pi} << eastField() << northSouth << 0.0;
        // At a room's corner (to the north-east) a quarter; at an outer corner three quarters.
        const Walls corner{{{0, 0}, {5, 0}}, {{0, 5}, {0, 0}}};
        mounted("at a room's corner", {{0, 0}, std::numbers::pi / 4}, corner, 100);
        mounted("at an outer corner", {{0, 0}, 4}, corner, 300);
        // On a wall between two rooms where a third wall meets it (a T): the quarter looked at.
        mounted("where walls meet in a T", {{0, 0}, 1}, {{{-5, 0}, {5, 0}}, {{0, 0}, {0, 5}}}, 100);
        // The axis along the wall: the side holding more of the field, 50 of 75 m2.
        const Walls eastWest{{{-5, 0}, {5, 0}}};
        QTest::newRow("axis along a wall, field mostly north")
            << eye << shape({{0, 0}, {10, 10}, {10, -5}}) << eastWest << 50.0;
        // 0.1 mm off a wall, in front or behind as it stands: 10.0001 x 20 m2 on its own side.
        mounted("0.1 mm in front of a wall", eye, {{{-0.0001, -20}, {-0.0001, 20}}}, 200.002);
        mounted("0.1 mm behind a wall", eye, {{{0.0001, -20}, {0.0001, 20}}}, 200.002);
        // A wall on the line through the eye that ends short of it hides nothing.
        mounted("on the line of a wall, past its end", eye, {{{-8, 0}, {-2, 0}}}, 400);
    }

    void visibleFrom() {
        QFETCH(Eye, eye);
        QFETCH(Region, field);
        QFETCH(Walls, walls);
        QFETCH(double, area);
        const Region seen = geometry.visibleFrom(eye, field, WallIndex(walls));
        QVERIFY2(sameArea(geometry.area(seen), area),
                 qPrintable(QString::number(geometry.area(seen))));
        QVERIFY(sameArea(geometry.area(geometry.subtract(seen, field)), 0));
    }

    // Bands seen in one look past walls with a door at x = 5, |y| <= 1, are what each shows
    // alone: 25 m2 before the wall, 15 through the door (|y| <= x / 5); a probe behind the wall.
    void visibleParts() {
        const WallIndex walls({{{5, -5}, {5, -1}}, {{5, 1}, {5, 5}}});
        const Eye eye{{0, 0}, 0};
        const Region seen = geometry.visibleFrom(eye, eastField(), walls);
        for (const Point p : {Point{4, 3}, Point{9, 0}, Point{9, 1.7}, Point{10, -1.9}})
            QVERIFY2(geometry.covers(seen, p), qPrintable(QString::number(p.y)));
        for (const Point p : {Point{9, 2}, Point{6, -4}, Point{9, -5}})
            QVERIFY2(!geometry.covers(seen, p), qPrintable(QString::number(p.y)));
        const Region beyond = shape({{5, 5}, {10, 10}, {10, -10}, {5, -5}});
        const std::vector<Piece> bands{{shape({{0, 0}, {5, 5}, {5, -5}}), Point{4, 3}},
                                       {beyond, Point{8, 0}},
                                       {beyond, Point{8, 4}}};
        const std::vector<SeenPiece> parts = geometry.visibleParts(eye, eastField(), bands, walls);
        QCOMPARE(parts.size(), bands.size());
        for (size_t i = 0; i < bands.size(); ++i) {
            const Region alone = geometry.visibleFrom(eye, bands[i].region, walls);
            QVERIFY(sameArea(geometry.area(parts[i].region), geometry.area(alone)));
            QVERIFY(sameArea(parts[i].area, geometry.area(alone)));
        }
        QVERIFY(sameArea(parts[0].area, 25));
        QVERIFY(sameArea(parts[1].area, 15));
        QCOMPARE(std::vector<bool>({parts[0].probeSeen, parts[1].probeSeen, parts[2].probeSeen}),
                 std::vector<bool>({true, true, false}));
        QCOMPARE(geometry.visibleParts({{NaN, 0}, 0}, eastField(), bands, walls),
                 std::vector<SeenPiece>(3));
    }

    void wallIndex() {
        WallIndex index({{{0, 0}, {10, 0}},
                         {{20, 20}, {30, 30}},
                         {{5, 5}, {5, 5}},
                         {{NaN, 0}, {1, 1}},
                         {{-40, 0}, {-30, 1e12}}});
        // Kept over a move, as a plan that rebuilds its walls does.
        WallIndex moved = std::move(index);
        QCOMPARE(moved.meeting({-100, -100}, {100, 100}).size(), size_t(2));
        QCOMPARE(moved.meeting({1, -1}, {2, 1}).size(), size_t(1));
        // Boxes that touch count: the second wall's corner.
        QCOMPARE(moved.meeting({30, 30}, {40, 40}).size(), size_t(1));
        QCOMPARE(moved.meeting({11, 1}, {19, 19}).size(), size_t(0));
        QCOMPARE(moved.meeting({NaN, 0}, {100, 100}).size(), size_t(0));
    }
};

QTEST_GUILESS_MAIN(TestGeometry)
#include "tst_geometry.moc"
