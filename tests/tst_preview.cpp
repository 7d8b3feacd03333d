// SPDX-License-Identifier: GPL-3.0-or-later
// The belt preview: where bodies stand at the epoch, the axes, the markers or
// density cells each panel gets, and the picture drawn from them.
#include "Asteroid.h"
#include "BeltPlot.h"
#include "BeltPreview.h"
#include "BinaryAsteroid.h"
#include "BodyLook.h"
#include "ExampleSettings.h"
#include "Generator.h"
#include "MadeBelt.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QtTest>

#include <cmath>
#include <numeric>

namespace {

bool near(double actual, double expected)
{
    return std::fabs(actual - expected) <= 1e-12 * std::max(1.0, std::fabs(expected));
}

// A belt of one population, the first of an example, of this kind: Trojans
// at L4, or in the planet's 3:2 resonance on the side of the example's belt.
Settings onePopulation(QString const &example, int kind, double longitude)
{
    Settings settings = exampleSettings(example.toStdString());
    settings.populations.resize(1);
    Population &population = settings.populations.front();
    population.share = population.trojanL4Share = 100;
    population.kind = Population::Kind(kind);
    population.resonanceSide = example == "hildas" ? Population::ResonanceSide::Inside
                                                   : Population::ResonanceSide::Outside;
    settings.planetLongitude = longitude;
    settings.number = 3000;
    return settings;
}

// The picture and where its panels went; the pixel of a panel's point.
QImage drawn(BeltPreview const &preview, BeltPlot::Places &places,
             BeltPlot::Colours colours = BeltPlot::Colours::Populations)
{
    QImage image(QSize(900, 900), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    places = BeltPlot::draw(painter, QRectF(image.rect()), preview, "Sol", {}, QLocale::c(), {},
                            colours);
    return image;
}
QPoint pixelOf(BeltPlot::Place const &at, double x, double y)
{
    return QPointF(at.frame.left() + (x - at.x.low) / (at.x.high - at.x.low) * at.frame.width(),
                   at.frame.bottom() - (y - at.y.low) / (at.y.high - at.y.low) * at.frame.height())
        .toPoint();
}

} // namespace

class PreviewTest : public QObject {
    Q_OBJECT

private slots:
    // As the programs do at start-up, so that no test times the loading.
    void initTestCase() { QVERIFY(BeltPlot::registerFont()); }

    void bodyLandsInBothViews_data()
    {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("e");
        QTest::addColumn<double>("i");
        QTest::addColumn<double>("w"); // argument of pericenter
        QTest::addColumn<double>("node");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("z");
        double const c30 = std::sqrt(3.0) / 2;
        QTest::newRow("pericenter at a(1-e) on the x axis")
            << 2.0 << 0.5 << 0.0 << 0.0 << 0.0 << 1.0 << 0.0 << 0.0;
        QTest::newRow("turned by the argument of pericenter")
            << 1.0 << 0.0 << 0.0 << 90.0 << 0.0 << 0.0 << 1.0 << 0.0;
        QTest::newRow("turned by the ascending node")
            << 1.0 << 0.0 << 0.0 << 0.0 << 90.0 << 0.0 << 1.0 << 0.0;
        QTest::newRow("inclination does not move the node line")
            << 1.0 << 0.0 << 60.0 << 0.0 << 0.0 << 1.0 << 0.0 << 0.0;
        QTest::newRow("polar orbit, pericenter above the plane")
            << 3.0 << 0.0 << 90.0 << 90.0 << 0.0 << 0.0 << 0.0 << 3.0;
        QTest::newRow("all three angles")
            << 1.0 << 0.0 << 30.0 << 90.0 << 90.0 << -c30 << 0.0 << 0.5;
        QTest::newRow("below the plane, negative inclination")
            << 1.0 << 0.0 << -30.0 << 90.0 << 0.0 << 0.0 << c30 << -0.5;
        QTest::newRow("retrograde") << 1.0 << 0.0 << 180.0 << 90.0 << 0.0 << 0.0 << -1.0 << 0.0;
        QTest::newRow("past e = 1 the distance stays positive")
            << 1.0 << 3.0 << 0.0 << 0.0 << 0.0 << 2.0 << 0.0 << 0.0;
        QTest::newRow("no semi-major axis: at the centre")
            << 0.0 << 0.5 << 10.0 << 45.0 << 45.0 << 0.0 << 0.0 << 0.0;
    }
    void bodyLandsInBothViews()
    {
        QFETCH(double, a);
        QFETCH(double, e);
        QFETCH(double, i);
        QFETCH(double, w);
        QFETCH(double, node);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, z);
        std::vector<std::unique_ptr<BaseAsteroid>> belt;
        belt.push_back(std::make_unique<Asteroid>());
        belt.push_back(std::make_unique<BinaryAsteroid>());
        for (auto &body : belt) {
            body->orbit.semiMajorAxis = a;
            body->orbit.eccentricity = e;
            body->orbit.inclination = i;
            body->orbit.argOfPericenter = w;
            body->orbit.ascendingNode = node;
        }
        BeltPreview const preview(belt);
        QCOMPARE(preview.bodyCount(), std::size_t(2));
        QCOMPARE(preview.binaryCount(), std::size_t(1));
        QVERIFY(!preview.dense());
        for (std::size_t k = 0; k < belt.size(); ++k) {
            auto const &top = preview.panel(BeltPreview::TopView).points.at(k);
            auto const &edge = preview.panel(BeltPreview::EdgeOn).points.at(k);
            auto const &ae = preview.panel(BeltPreview::AxisEccentricity).points.at(k);
            auto const &ai = preview.panel(BeltPreview::AxisInclination).points.at(k);
            QVERIFY2(near(top.x, x) && near(top.y, y),
                     qPrintable(QString("top view at %1, %2").arg(top.x).arg(top.y)));
            QVERIFY2(near(edge.x, x) && near(edge.y, z),
                     qPrintable(QString("edge-on at %1, %2").arg(edge.x).arg(edge.y)));
            QCOMPARE(ae.x, a);
            QCOMPARE(ae.y, e);
            QCOMPARE(ai.x, a);
            QCOMPARE(ai.y, i);
            QCOMPARE(top.binary, k == 1);
            // The views of space share one scale that holds the body.
            auto const &axis = preview.panel(BeltPreview::TopView).x;
            QVERIFY(axis.low <= -std::max({std::fabs(x), std::fabs(y), std::fabs(z)}));
            QCOMPARE(axis.low, -axis.high);
            QCOMPARE(preview.panel(BeltPreview::EdgeOn).y.high, axis.high);
        }
    }

    // Along its orbit by its mean anomaly: Kepler's equation E - e sin E = M
    // solved, checked here from the other side (M made from E).
    void bodyStandsAtItsMeanAnomaly_data()
    {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("e");
        QTest::addColumn<double>("m"); // degrees
        QTest::addColumn<double>("w");
        QTest::addColumn<double>("i");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("z");
        double const degrees = 180 / 3.14159265358979323846;
        auto const meanOf = [&](double eccentricAnomaly, double e) {
            double const E = eccentricAnomaly / degrees;
            return (E - e * std::sin(E)) * degrees;
        };
        double const s75 = std::sqrt(0.75);
        QTest::newRow("circle, a quarter turn") << 2.0 << 0.0 << 90.0 << 0.0 << 0.0 << 0.0 << 2.0
                                                << 0.0;
        QTest::newRow("apocenter") << 2.0 << 0.5 << 180.0 << 0.0 << 0.0 << -3.0 << 0.0 << 0.0;
        QTest::newRow("apocenter from below") << 2.0 << 0.5 << -180.0 << 0.0 << 0.0 << -3.0 << 0.0
                                              << 0.0;
        QTest::newRow("beyond a full turn") << 2.0 << 0.0 << 450.0 << 0.0 << 0.0 << 0.0 << 2.0
                                            << 0.0;
        QTest::newRow("E = 90 degrees") << 2.0 << 0.5 << meanOf(90, 0.5) << 0.0 << 0.0 << -1.0
                                        << 2 * s75 << 0.0;
        QTest::newRow("E = -120 degrees") << 1.0 << 0.3 << meanOf(-120, 0.3) << 0.0 << 0.0
                                          << -0.8 << -s75 * std::sqrt(1 - 0.09) << 0.0;
        QTest::newRow("nearly open, just past the pericenter")
            << 1.0 << 0.99 << meanOf(10, 0.99) << 0.0 << 0.0 << std::cos(10 / degrees) - 0.99
            << std::sqrt(1 - 0.99 * 0.99) * std::sin(10 / degrees) << 0.0;
        QTest::newRow("turned by the argument of pericenter")
            << 1.0 << 0.0 << 90.0 << 90.0 << 0.0 << -1.0 << 0.0 << 0.0;
        QTest::newRow("polar orbit") << 1.0 << 0.0 << 90.0 << 0.0 << 90.0 << 0.0 << 0.0 << 1.0;
        QTest::newRow("open orbit: at its pericenter")
            << 1.0 << 1.5 << 30.0 << 0.0 << 0.0 << 0.5 << 0.0 << 0.0;
    }
    void bodyStandsAtItsMeanAnomaly()
    {
        QFETCH(double, a);
        QFETCH(double, e);
        QFETCH(double, m);
        QFETCH(double, w);
        QFETCH(double, i);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, z);
        Orbit orbit;
        orbit.semiMajorAxis = a;
        orbit.eccentricity = e;
        orbit.meanAnomaly = m;
        orbit.argOfPericenter = w;
        orbit.inclination = i;
        BeltPreview::Position const at = BeltPreview::positionAtEpoch(orbit);
        QVERIFY2(near(at.x, x) && near(at.y, y) && near(at.z, z),
                 qPrintable(QString("at %1, %2, %3").arg(at.x).arg(at.y).arg(at.z)));
    }

    // With a planet the preview carries its orbit, its place and L4 and L5 at
    // the epoch, and its resonances along the semi-major axes in order: gaps,
    // a family, the chaotic zone around its orbit (no label).
    void planetIsMarked_data()
    {
        QTest::addColumn<QString>("example");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("main belt") << "main-belt"
                                   << QStringList{"3:1", "5:2", "7:3", "2:1", ""};
        QTest::newRow("Trojans") << "jupiter-trojans" << QStringList{""};
        QTest::newRow("Hildas") << "hildas" << QStringList{"3:2", ""};
        QTest::newRow("Kuiper belt") << "kuiper-belt" << QStringList{"", "3:2", "2:1", "5:2"};
    }
    void planetIsMarked()
    {
        QFETCH(QString, example);
        QFETCH(QStringList, labels);
        Settings settings = exampleSettings(example.toStdString());
        settings.number = 500;
        auto const preview = BeltPreview::ofBelt(settings, 1);
        QVERIFY(preview && preview->planet());
        BeltPreview::PlanetMarks const &planet = *preview->planet();
        QCOMPARE(planet.orbitRadius, settings.planetSemiMajorAxis);
        double const degrees = 180 / 3.14159265358979323846;
        auto const longitude = [&](BeltPreview::Position const &at) {
            return std::remainder(std::atan2(at.y, at.x) * degrees - settings.planetLongitude, 360);
        };
        for (auto const &[at, offset] : {std::pair{planet.planet, 0.0}, std::pair{planet.l4, 60.0},
                                         std::pair{planet.l5, -60.0}}) {
            QVERIFY(std::fabs(std::hypot(at.x, at.y) / planet.orbitRadius - 1) < 1e-12);
            QVERIFY(at.z == 0);
            QVERIFY2(std::fabs(longitude(at) - offset) < 1e-9, qPrintable(QString::number(offset)));
        }
        QStringList shown;
        double previous = 0;
        for (auto const &mark : planet.resonances) {
            shown << QString::fromStdString(mark.label);
            QCOMPARE(mark.kind == BeltPreview::ResonanceMark::ChaoticZone, mark.label.empty());
            QVERIFY(mark.low < mark.centre && mark.centre < mark.high && mark.centre > previous);
            previous = mark.centre;
        }
        QCOMPARE(shown, labels);
        // Gaps at each body's own e are marked as wide as the most eccentric
        // bodies draw them, narrower than at the resonance eccentricity.
        PlanetZones const zones(settings);
        int narrowed = 0;
        for (auto const &mark : planet.resonances)
            for (ResonanceZone const &gap : zones.gaps)
                if (zones.ownWidth && mark.kind == BeltPreview::ResonanceMark::Gap &&
                    mark.centre == gap.center) {
                    QVERIFY(mark.high - mark.low < 2 * gap.halfWidth);
                    ++narrowed;
                }
        QCOMPARE(narrowed, example == "main-belt" ? 4 : 0);
        // The views of space hold the planet's orbit.
        QVERIFY(preview->panel(BeltPreview::TopView).x.high >= planet.orbitRadius);
    }

    // Without a planet, nothing of one; with one far beyond the belt, the
    // views widen to its orbit, and its marks are drawn.
    void planetOnlyWhenOn()
    {
        Settings settings(Settings::Vulcanoids);
        auto const without = BeltPreview::ofBelt(settings, 5489);
        QVERIFY(without && !without->planet() && !without->shows(BeltPreview::RotatingView));
        QVERIFY(!BeltPreview::planetMarks(settings, PlanetZones(settings)));
        settings.planet = true;
        settings.clearedOrbit = true;
        auto const with = BeltPreview::ofBelt(settings, 5489);
        QVERIFY(with && with->planet() && with->shows(BeltPreview::RotatingView));
        QCOMPARE(with->planet()->orbitRadius, 5.2);
        QVERIFY(without->panel(BeltPreview::EdgeOn).y.high < 1);
        QVERIFY(with->panel(BeltPreview::EdgeOn).y.high >= 5.2);

        auto const planetPixels = [](BeltPreview const &preview) {
            QImage const image = BeltPlot::image(preview, QSize(600, 600), "Sol");
            int found = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    found += image.pixelColor(x, y) == QColor(170, 30, 45);
            return found;
        };
        QCOMPARE(planetPixels(*without), 0);
        QVERIFY(planetPixels(*with) > 30);
    }

    // Seen turning with the planet, the planet stays on the +x axis whatever
    // its longitude, a Trojan cloud at L4 gathers about +60 degrees, and the
    // bodies of a 3:2 resonance keep away from the planet: few within 30
    // degrees of its longitude and a quarter of its orbit's radius of it,
    // where a random resonant angle (the family's) puts many more.
    void rotatingViewHoldsThePlanetStill_data()
    {
        QTest::addColumn<QString>("example");
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("fewest"); // share near the planet
        QTest::addColumn<double>("most");
        int const trojans = int(Population::Kind::Trojans);
        int const resonant = int(Population::Kind::Resonant);
        QTest::newRow("Trojans at L4") << "jupiter-trojans" << trojans << 0.0 << 0.0 << 0.05;
        QTest::newRow("Trojans, planet at 250") << "jupiter-trojans" << trojans << 250.0 << 0.0
                                                << 0.05;
        QTest::newRow("3:2 inside, Hildas") << "hildas" << resonant << 160.5 << 0.0 << 0.02;
        QTest::newRow("3:2 outside, Plutinos") << "kuiper-belt" << resonant << 40.0 << 0.0 << 0.01;
        QTest::newRow("random angles near 3:2")
            << "hildas" << int(Population::Kind::ResonantFamily) << 160.5 << 0.05 << 1.0;
    }
    void rotatingViewHoldsThePlanetStill()
    {
        QFETCH(QString, example);
        QFETCH(int, kind);
        QFETCH(double, longitude);
        QFETCH(double, fewest);
        QFETCH(double, most);
        Settings const settings = onePopulation(example, kind, longitude);
        auto const preview = BeltPreview::ofBelt(settings, 31);
        QVERIFY(preview && preview->shows(BeltPreview::RotatingView));
        auto const &points = preview->panel(BeltPreview::RotatingView).points;
        QCOMPARE(points.size(), std::size_t(settings.number));
        double const degrees = 180 / 3.14159265358979323846;
        double sumX = 0, sumY = 0, nearPlanet = 0;
        for (BeltPreview::Point const &point : points) {
            double const r = std::hypot(point.x, point.y) / settings.planetSemiMajorAxis;
            nearPlanet += std::fabs(std::atan2(point.y, point.x) * degrees) < 30 &&
                          std::fabs(r - 1) < 0.25;
            sumX += point.x;
            sumY += point.y;
        }
        double const share = nearPlanet / double(points.size());
        QVERIFY2(share >= fewest && share <= most, qPrintable(QString::number(share)));
        double const centre = std::atan2(sumY, sumX) * degrees;
        QVERIFY2(kind != int(Population::Kind::Trojans) || std::fabs(centre - 60) < 5, qPrintable(QString::number(centre)));

        BeltPlot::Places places;
        QImage const image = drawn(*preview, places);
        QCOMPARE(image.pixelColor(pixelOf(places[BeltPlot::RotatingView],
                                          settings.planetSemiMajorAxis, 0)),
                 QColor(170, 30, 45));
    }

    // Surfaces and albedos come with a composition only: each body shown in
    // its own surface's colour, its albedo against its semi-major axis.
    void surfacesAndAlbedosOnlyWithLooks_data()
    {
        QTest::addColumn<bool>("composition");
        QTest::addColumn<std::uint32_t>("number");
        QTest::newRow("looks without composition") << false << 600u;
        QTest::newRow("main belt, markers") << true << 600u;
        QTest::newRow("main belt, densities") << true << 8000u;
    }
    void surfacesAndAlbedosOnlyWithLooks()
    {
        QFETCH(bool, composition);
        QFETCH(std::uint32_t, number);
        Settings settings = exampleSettings("main-belt");
        settings.number = number;
        for (Population &population : settings.populations) {
            population.looks.shapes = Looks::Shapes::Ellipsoids;
            population.looks.composition =
                composition ? Looks::Composition::MainBelt : Looks::Composition::None;
        }
        auto const generator = madeBelt(settings, 5);
        BeltPreview const preview(*generator);
        QCOMPARE(preview.shows(BeltPreview::AxisAlbedo), composition);
        QCOMPARE(BeltPlot::hasLooks(preview), composition);
        auto const &points = preview.panel(BeltPreview::AxisEccentricity).points;
        auto const &albedos = preview.panel(BeltPreview::AxisAlbedo).points;
        QCOMPARE(albedos.size(), composition ? points.size() : 0);
        for (std::size_t k = 0; k < points.size(); ++k) {
            auto const *single = dynamic_cast<LookedAsteroid const *>(generator->bodies()[k].get());
            BodyLook const &look = single ? single->look
                                          : dynamic_cast<LookedBinaryAsteroid const &>(
                                                *generator->bodies()[k]).look;
            QCOMPARE(points[k].surface != 0, composition);
            if (composition)
                QVERIFY(preview.surfaces().at(points[k].surface - 1u).colour == *look.color &&
                        albedos[k].y == look.albedo);
        }
        BeltPlot::Places places;
        drawn(preview, places);
        QCOMPARE(places[BeltPlot::Albedo].frame.isEmpty(), !composition);
        QVERIFY(!places[BeltPlot::Sizes].frame.intersects(places[BeltPlot::Albedo].frame));
    }

    // By looks a body is drawn in its own colour; by population in blue.
    void bodyIsDrawnInItsOwnColour()
    {
        static std::array<double, 3> const green{0.1, 0.8, 0.2};
        std::vector<std::unique_ptr<BaseAsteroid>> belt;
        auto body = std::make_unique<LookedAsteroid>();
        body->orbit.semiMajorAxis = 1;
        body->look.surfaceClass = 0;
        body->look.color = &green;
        belt.push_back(std::move(body));
        for (auto colours : {BeltPlot::Colours::Looks, BeltPlot::Colours::Populations}) {
            BeltPlot::Places places;
            QImage const image = drawn(BeltPreview(belt), places, colours);
            QColor const at = image.pixelColor(pixelOf(places[BeltPlot::TopView], 1, 0));
            // By hue: the marker's edge may blend with the panel.
            QVERIFY2(colours == BeltPlot::Colours::Looks
                         ? at.green() > at.red() + 40 && at.green() > at.blue() + 40
                         : at.blue() > at.green() && at.blue() > at.red() + 40,
                     qPrintable(at.name()));
        }
    }

    void axesAreRoundAndHoldTheValues_data()
    {
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::newRow("belt radii") << 0.15 << 0.1783;
        QTest::newRow("symmetric") << -0.1712 << 0.1712;
        QTest::newRow("eccentricities") << 0.0 << 0.00087;
        QTest::newRow("inclinations") << -179.9 << 180.0;
        QTest::newRow("one value") << 0.5 << 0.5;
        QTest::newRow("zero alone") << 0.0 << 0.0;
        QTest::newRow("huge") << 1e20 << 9.9e20;
        QTest::newRow("tiny spread far from zero") << 1000.0 << 1000.000001;
        QTest::newRow("smallest subnormal alone") << 5e-324 << 5e-324;
        QTest::newRow("subnormals around zero") << -5e-324 << 5e-324;
        QTest::newRow("zero to a tiny normal") << 0.0 << 1e-300;
        QTest::newRow("near the largest doubles") << -1e300 << 1e300;
    }
    void axesAreRoundAndHoldTheValues()
    {
        QFETCH(double, low);
        QFETCH(double, high);
        BeltPreview::Axis const axis = BeltPreview::roundAxis(low, high);
        QVERIFY(axis.low <= low && axis.high >= high);
        QVERIFY(axis.high > axis.low);
        QVERIFY2(axis.ticks.size() >= 3 && axis.ticks.size() <= 12,
                 qPrintable(QString::number(axis.ticks.size())));
        QCOMPARE(axis.ticks.front(), axis.low);
        QCOMPARE(axis.ticks.back(), axis.high);
        double const mantissa = axis.step / std::pow(10.0, std::floor(std::log10(axis.step)));
        QVERIFY2(near(mantissa, 1) || near(mantissa, 2) || near(mantissa, 5),
                 qPrintable(QString::number(axis.step)));
        for (double tick : axis.ticks) {
            double const multiple = tick / axis.step;
            QVERIFY(std::fabs(multiple - std::round(multiple)) < 1e-9);
        }
    }

    // A view ends where it is asked to, with round ticks inside it; a range
    // it cannot show falls back to the round axis around it.
    void viewAxisEndsWhereAsked_data()
    {
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<bool>("exact");
        QTest::newRow("a belt fitted") << -5.408 << 5.408 << true;
        QTest::newRow("zoomed into a gap") << 2.4913 << 2.5187 << true;
        QTest::newRow("one value") << 0.5 << 0.5 << false;
        QTest::newRow("reversed") << 3.0 << 2.0 << false;
        QTest::newRow("not finite") << 0.0 << double(INFINITY) << false;
    }
    void viewAxisEndsWhereAsked()
    {
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(bool, exact);
        BeltPreview::Axis const axis = BeltPreview::viewAxis(low, high);
        if (!exact) {
            BeltPreview::Axis const round = BeltPreview::roundAxis(low, high);
            QCOMPARE(axis.low, round.low);
            QCOMPARE(axis.high, round.high);
            return;
        }
        QCOMPARE(axis.low, low);
        QCOMPARE(axis.high, high);
        QVERIFY2(axis.ticks.size() >= 2 && axis.ticks.size() <= 11,
                 qPrintable(QString::number(axis.ticks.size())));
        for (double tick : axis.ticks) {
            QVERIFY(tick >= low && tick <= high);
            QVERIFY(std::fabs(tick / axis.step - std::round(tick / axis.step)) < 1e-9);
        }
        QVERIFY(axis.ticks.front() - axis.step < low && axis.ticks.back() + axis.step > high);
    }

    // A large belt is shown by its first bodies, the very ones its run
    // writes first, whichever way the belt is generated; the picture says
    // how large the belt is. The views of space fit it rather than a round
    // range twice its size.
    // Two populations apart along the semi-major axes: each body is shown as
    // its own population's, the histogram and the sizes count each apart, and
    // the picture has both colours; one population keeps its single colour.
    void populationsKeepTheirColours_data()
    {
        QTest::addColumn<std::uint32_t>("number");
        QTest::addColumn<bool>("split");
        QTest::newRow("markers") << 600u << true;
        QTest::newRow("densities") << 8000u << true;
        QTest::newRow("one population") << 600u << false;
    }
    void populationsKeepTheirColours()
    {
        QFETCH(std::uint32_t, number);
        QFETCH(bool, split);
        Settings settings = exampleSettings("main-belt");
        settings.planet = false;
        settings.number = number;
        settings.populations.resize(1);
        Population &inner = settings.populations.front();
        inner.share = 100;
        inner.name = "Inner";
        inner.innerRadius = 2;
        inner.outerRadius = 2.5;
        if (split) {
            inner.share = 70;
            Population outer = inner;
            outer.name = "Outer";
            outer.share = 30;
            outer.innerRadius = 3;
            outer.outerRadius = 3.5;
            settings.populations.push_back(outer);
        }
        auto const preview = BeltPreview::ofBelt(settings, 21);
        QVERIFY(preview);
        std::vector<std::uint32_t> const counts = populationCounts(number, settings.populations);
        QCOMPARE(preview->populations().size(), counts.size());
        QCOMPARE(preview->populations().back(), split ? std::string("Outer") : std::string("Inner"));

        std::vector<std::uint32_t> seen(counts.size(), 0);
        for (BeltPreview::Point const &point : preview->panel(BeltPreview::AxisEccentricity).points) {
            QVERIFY(point.population < counts.size());
            ++seen[point.population];
            QVERIFY2(point.population == 0 ? point.x <= 2.5 : point.x >= 3, qPrintable(
                QString("a = %1 in population %2").arg(point.x).arg(point.population)));
        }
        QCOMPARE(seen, counts);
        BeltPreview::Histogram const &histogram = preview->axisHistogram();
        BeltPreview::Cumulative const &sizes = preview->sizeDistribution();
        QCOMPARE(histogram.populations.size(), split ? 2 * std::size_t(BeltPreview::histogramBins) : 0);
        QCOMPARE(sizes.populationSteps.size(), split ? std::size_t(2) : 0);
        for (std::size_t p = 0; p < sizes.populationSteps.size(); ++p) {
            auto const bins = histogram.populations.begin() + std::ptrdiff_t(p) * BeltPreview::histogramBins;
            QCOMPARE(std::accumulate(bins, bins + BeltPreview::histogramBins, 0u), counts[p]);
            QVERIFY(near(sizes.populationSteps[p].back().y, std::log10(double(counts[p]))));
        }

        // The bars are drawn in the flat colours: count their pixels.
        QImage const image = BeltPlot::image(*preview, QSize(700, 700), "Sol");
        std::array<int, 2> pixels{};
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                for (std::size_t p = 0; p < pixels.size(); ++p)
                    pixels[p] += image.pixel(x, y) == BeltPlot::populationColour(p).rgb();
            }
        }
        QVERIFY2(pixels[0] > 200 && (pixels[1] > 100) == split,
                 qPrintable(QString("%1, %2").arg(pixels[0]).arg(pixels[1])));
        QCOMPARE(BeltPlot::populationColour(0), BeltPlot::singleColour);
    }

    // A large belt is shown by its first bodies: the same as the live
    // preview's sample of one population; of several, each in its share.
    void largeBeltIsShownBySample_data()
    {
        QTest::addColumn<bool>("several");
        QTest::newRow("one population") << false;
        QTest::newRow("background and Cybeles") << true;
    }
    void largeBeltIsShownBySample()
    {
        QFETCH(bool, several);
        Settings settings = exampleSettings("main-belt");
        if (!several)
            settings.populations.resize(1), settings.populations[0].share = 100;
        settings.number = BeltPreview::sampleLimit + 5000;
        auto const generator = madeBelt(settings, 9);
        BeltPreview const whole(*generator);
        auto const sample = BeltPreview::ofBelt(settings, 9);
        QVERIFY(sample);
        std::vector<std::uint32_t> const shares =
            populationCounts(BeltPreview::sampleLimit, settings.populations);
        for (BeltPreview const *preview : {&whole, &*sample}) {
            QCOMPARE(preview->bodyCount(), std::size_t(BeltPreview::sampleLimit));
            QCOMPARE(preview->beltSize(), std::size_t(settings.number));
            std::vector<std::uint32_t> seen(shares.size(), 0);
            for (BeltPreview::Point const &point : preview->panel(BeltPreview::AxisEccentricity).points)
                ++seen[point.population];
            QCOMPARE(seen, shares);
        }
        auto const &bodies = generator->bodies();
        auto const &points = sample->panel(BeltPreview::AxisEccentricity).points;
        for (std::size_t k = 0; k < shares[0]; k += 997) {
            QCOMPARE(points[k].x, bodies[k]->orbit.semiMajorAxis);
            QCOMPARE(points[k].y, bodies[k]->orbit.eccentricity);
        }
        if (!several) {
            QCOMPARE(sample->binaryCount(), whole.binaryCount());
            QImage const picture = BeltPlot::image(*sample, QSize(700, 700), "Sol");
            QVERIFY(picture == BeltPlot::image(whole, QSize(700, 700), "Sol"));
        }

        // Jupiter at 5.2 AU and room for L4 and L5 around it; no round ±10 AU.
        BeltPreview::Axis const &space = sample->panel(BeltPreview::TopView).x;
        QVERIFY2(space.high > 5.2 * 1.1 && space.high < 7, qPrintable(QString::number(space.high)));
    }

    // A scattered disc reaching hundreds of AU does not shrink the rest of
    // the belt in the views of space; its bodies beyond them are counted,
    // not piled up on the views' edges. A disc alone is shown whole.
    void scatteredDiscBeyondTheViews_data()
    {
        QTest::addColumn<bool>("discAlone");
        QTest::newRow("Kuiper belt") << false;
        QTest::newRow("scattered disc alone") << true;
    }
    void scatteredDiscBeyondTheViews()
    {
        QFETCH(bool, discAlone);
        Settings settings = exampleSettings("kuiper-belt");
        if (discAlone) {
            settings.populations.erase(settings.populations.begin(),
                                       settings.populations.end() - 1);
            settings.populations[0].share = 100;
        }
        QCOMPARE(settings.populations.back().kind, Population::Kind::ScatteredDisc);
        settings.number = BeltPreview::defaultMarkerLimit + 1000;
        auto const preview = BeltPreview::ofBelt(settings, 3);
        QVERIFY(preview && preview->dense());
        double const space = preview->panel(BeltPreview::TopView).x.high;
        QVERIFY(preview->panel(BeltPreview::AxisEccentricity).x.high > 150);
        if (discAlone) {
            QCOMPARE(preview->beyondViewCount(), std::size_t(0));
            QVERIFY2(space > 150, qPrintable(QString::number(space)));
        } else {
            QVERIFY(preview->beyondViewCount() > 0);
            QVERIFY2(space < 100, qPrintable(QString::number(space)));
        }
        // Every body in the panels of semi-major axes; in the views, all but
        // those beyond, and few on the edges.
        std::size_t const bodies = preview->bodyCount(), beyond = preview->beyondViewCount();
        auto const cells = [&](BeltPreview::Panel panel, bool edgesOnly) {
            auto const &grid = preview->panel(panel).grid;
            int const last = grid.size - 1;
            std::size_t sum = 0;
            for (int row = 0; row <= last; ++row)
                for (int column = 0; column <= last; ++column)
                    if (!edgesOnly || row % last == 0 || column % last == 0)
                        sum += grid.singles[std::size_t(row * grid.size + column)] +
                               grid.binaries[std::size_t(row * grid.size + column)];
            return sum;
        };
        QCOMPARE(cells(BeltPreview::AxisEccentricity, false), bodies);
        for (auto const panel : {BeltPreview::TopView, BeltPreview::EdgeOn}) {
            QVERIFY(cells(panel, false) + beyond >= bodies);
            QVERIFY(cells(panel, true) < bodies / 100);
        }
        if (discAlone)
            QCOMPARE(cells(BeltPreview::TopView, false), bodies);
    }

    // The same ticks on every system: steps that a last bit of the C
    // library's pow would move, and the ends they give.
    void axisIsTheSameEverywhere_data()
    {
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<double>("step");
        QTest::addColumn<double>("roundedLow");
        QTest::newRow("belt radii") << 0.1500000001 << 0.1783 << 0.01 << 0.15;
        QTest::newRow("eccentricities") << 0.0 << 0.00087 << 0.0002 << 0.0;
        QTest::newRow("a power of ten as the range") << 0.5 << 5.5 << 1.0 << 0.0;
        QTest::newRow("tiny") << 3e-12 << 8e-12 << 1e-12 << 3e-12;
    }
    void axisIsTheSameEverywhere()
    {
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(double, step);
        QFETCH(double, roundedLow);
        BeltPreview::Axis const axis = BeltPreview::roundAxis(low, high);
        QCOMPARE(axis.step, step);
        QCOMPARE(axis.low, roundedLow);
    }

    // Settings the fields allow whose values are all alike or sit at the
    // ends of the doubles: the picture still has finite axes, promptly.
    void extremeBeltsAreDrawnPromptly_data()
    {
        QTest::addColumn<double>("inner");
        QTest::addColumn<double>("outer");
        QTest::addColumn<double>("eccentricity"); // both bounds
        double const tiny = std::numeric_limits<double>::denorm_min();
        QTest::newRow("subnormal radius") << tiny << tiny << 0.001;
        QTest::newRow("subnormal eccentricity") << 0.15 << 0.15 << tiny;
        QTest::newRow("widest belt, most eccentric") << 1e21 << 1e21 << 99.99;
    }
    void extremeBeltsAreDrawnPromptly()
    {
        QFETCH(double, inner);
        QFETCH(double, outer);
        QFETCH(double, eccentricity);
        Settings settings(Settings::Vulcanoids);
        settings.number = 20;
        settings.populations[0].innerRadius = inner;
        settings.populations[0].outerRadius = outer;
        settings.populations[0].minEccentricity = settings.populations[0].maxEccentricity = eccentricity;
        QElapsedTimer clock;
        clock.start();
        auto const preview = BeltPreview::ofBelt(settings, 1);
        QVERIFY(preview);
        QImage const image = BeltPlot::image(*preview, QSize(400, 400), "Sol");
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed()) + " ms"));
        QVERIFY(!image.isNull());
        for (std::size_t p = 0; p < BeltPreview::panelCount; ++p)
            for (auto const *axis : {&preview->panel(BeltPreview::Panel(p)).x,
                                     &preview->panel(BeltPreview::Panel(p)).y})
                QVERIFY(std::isfinite(axis->low) && std::isfinite(axis->high) &&
                        axis->high > axis->low && axis->ticks.size() <= 12);
    }

    void tickTexts_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("step");
        QTest::addColumn<QString>("text");
        QTest::newRow("decimals of the step") << 0.15 << 0.01 << "0.15";
        QTest::newRow("whole step") << 20000.0 << 10000.0 << "20,000";
        QTest::newRow("rounding residue at zero") << 5.5e-17 << 0.1 << "0.0";
        QTest::newRow("negative zero") << -0.0 << 0.5 << "0.0";
        QTest::newRow("small step") << 0.0004 << 0.0002 << "0.0004";
        QTest::newRow("very large") << 3e21 << 1e21 << "3e+21";
        QTest::newRow("very fine") << 2e-6 << 1e-6 << "2e-06";
    }
    void tickTexts()
    {
        QFETCH(double, value);
        QFETCH(double, step);
        QFETCH(QString, text);
        QCOMPARE(BeltPlot::tickText(value, step, QLocale(QLocale::English)), text);
    }

    // Markers for a small belt, cells for a large one; either way every body
    // of the generated belt is shown, and binaries apart from singles.
    void previewShowsTheGeneratedBelt_data()
    {
        QTest::addColumn<int>("markerLimit");
        QTest::newRow("markers") << 5000;
        QTest::newRow("cells") << 100;
    }
    void previewShowsTheGeneratedBelt()
    {
        QFETCH(int, markerLimit);
        Settings settings(Settings::Vulcanoids);
        settings.number = 3000;
        auto const generator = madeBelt(settings, 77);
        auto const &bodies = generator->bodies();
        std::size_t binaries = 0;
        for (auto const &body : bodies)
            binaries += dynamic_cast<BinaryAsteroid const *>(body.get()) != nullptr;

        BeltPreview const preview(bodies, std::size_t(markerLimit), 64);
        QCOMPARE(preview.bodyCount(), bodies.size());
        QCOMPARE(preview.binaryCount(), binaries);
        QCOMPARE(preview.dense(), bodies.size() > std::size_t(markerLimit));
        for (std::size_t p = 0; p < BeltPreview::panelCount; ++p) {
            auto const &panel = preview.panel(BeltPreview::Panel(p));
            if (!preview.dense()) {
                QCOMPARE(panel.points.size(), bodies.size());
                for (auto const &point : panel.points) {
                    QVERIFY(point.x >= panel.x.low && point.x <= panel.x.high);
                    QVERIFY(point.y >= panel.y.low && point.y <= panel.y.high);
                }
                continue;
            }
            QCOMPARE(panel.points.size(), bodies.size()); // kept for zooming
            std::uint64_t singlesShown = 0, binariesShown = 0;
            for (std::size_t cell = 0; cell < panel.grid.singles.size(); ++cell) {
                singlesShown += panel.grid.singles[cell];
                binariesShown += panel.grid.binaries[cell];
            }
            QCOMPARE(singlesShown + binariesShown, std::uint64_t(bodies.size()));
            QCOMPARE(binariesShown, std::uint64_t(binaries));
        }
        // The same settings and seed give the same preview.
        auto const again = BeltPreview::ofBelt(settings, 77);
        QVERIFY(again);
        QCOMPARE(again->binaryCount(), binaries);
        QCOMPARE(again->panel(BeltPreview::TopView).points.front().x,
                 BeltPreview::positionAtEpoch(bodies.front()->orbit).x);
    }

    // Every body lands in one bin; the cumulative count of a power law of
    // sizes is a straight line of slope -q on its logarithmic axes.
    void distributionsOfAxesAndSizes()
    {
        Settings settings(Settings::Vulcanoids);
        settings.number = 20000;
        settings.populations[0].radiusDistribution = Settings::RadiusDistribution::PowerLaw;
        settings.populations[0].minRadius = 1;
        settings.populations[0].maxRadius = 400;
        auto const preview = BeltPreview::ofBelt(settings, 3);
        QVERIFY(preview);
        auto const &histogram = preview->axisHistogram();
        std::uint64_t counted = 0, binaries = 0, fullest = 0;
        for (int bin = 0; bin < BeltPreview::histogramBins; ++bin) {
            counted += histogram.singles[std::size_t(bin)] + histogram.binaries[std::size_t(bin)];
            binaries += histogram.binaries[std::size_t(bin)];
            fullest = std::max<std::uint64_t>(
                fullest, histogram.singles[std::size_t(bin)] + histogram.binaries[std::size_t(bin)]);
        }
        QCOMPARE(counted, std::uint64_t(settings.number));
        QCOMPARE(binaries, std::uint64_t(preview->binaryCount()));
        QVERIFY(histogram.y.high >= double(fullest));

        auto const &steps = preview->sizeDistribution().steps;
        QVERIFY(steps.size() > 100 && steps.size() < 2000);
        QCOMPARE(steps.front().y, 0.0);
        QCOMPARE(steps.back().y, std::log10(double(settings.number)));
        double sx = 0, sy = 0, sxx = 0, sxy = 0, n = 0;
        for (std::size_t k = 1; k < steps.size(); ++k) {
            QVERIFY(steps[k].x <= steps[k - 1].x && steps[k].y > steps[k - 1].y);
            if (steps[k].y >= 1 && steps[k].y <= 3.5) {
                sx += steps[k].x, sy += steps[k].y, n += 1;
                sxx += steps[k].x * steps[k].x, sxy += steps[k].x * steps[k].y;
            }
        }
        double const slope = (n * sxy - sx * sy) / (n * sxx - sx * sx);
        QVERIFY2(std::fabs(slope + settings.populations[0].radiusSlope) < 0.15, qPrintable(QString::number(slope)));
        auto const &x = preview->sizeDistribution().x;
        QVERIFY(x.low <= 0 && x.high >= std::log10(400.0) && x.ticks.front() >= x.low);
    }

    void stoppedPreviewGivesNothing()
    {
        std::atomic<bool> stop{true};
        QVERIFY(!BeltPreview::ofBelt(Settings(Settings::Vulcanoids), 1, &stop));
    }

    // Markers of both colours appear where the picture of an empty belt has
    // none (the legend shows both colours in either).
    void pictureShowsBothKinds()
    {
        auto const preview = BeltPreview::ofBelt(Settings(Settings::Vulcanoids), 5489);
        QVERIFY(preview);
        std::vector<std::unique_ptr<BaseAsteroid>> const none;
        QImage const belt = BeltPlot::image(*preview, QSize(600, 600), "Sol");
        QImage const empty = BeltPlot::image(BeltPreview(none), QSize(600, 600), "Sol");
        QCOMPARE(belt.size(), QSize(600, 600));
        auto count = [](QImage const &image, bool orange) {
            int found = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    QColor const c = image.pixelColor(x, y);
                    found += orange ? c.red() - c.blue() > 80 : c.blue() - c.red() > 60;
                }
            }
            return found;
        };
        int const singles = count(belt, false) - count(empty, false);
        int const binaries = count(belt, true) - count(empty, true);
        QVERIFY2(singles > 300 && binaries > 80,
                 qPrintable(QString("%1 single, %2 binary pixels").arg(singles).arg(binaries)));
    }

    // The picture brings its font: it is drawn the same whatever font the
    // application (a window, a system) would give it.
    void pictureKeepsItsOwnFont_data()
    {
        QTest::addColumn<QFont>("applicationFont");
        QTest::newRow("large serif") << QFont(QStringLiteral("DejaVu Serif"), 30);
        QTest::newRow("tiny, a family no system has") << QFont(QStringLiteral("No Such Family"), 5);
    }
    void pictureKeepsItsOwnFont()
    {
        QFETCH(QFont, applicationFont);
        QVERIFY(BeltPlot::registerFont());
        QFontInfo const used(BeltPlot::font());
        QCOMPARE(used.family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(used.pixelSize(), 12);

        auto const preview = BeltPreview::ofBelt(Settings(Settings::Vulcanoids), 5489);
        QVERIFY(preview);
        QFont const original = QGuiApplication::font();
        QImage const usual = BeltPlot::picture(*preview, "Sol", 5489, QLocale::c());
        QGuiApplication::setFont(applicationFont);
        QImage const other = BeltPlot::picture(*preview, "Sol", 5489, QLocale::c());
        QGuiApplication::setFont(original);
        QVERIFY(usual == other);
    }
};

QTEST_MAIN(PreviewTest)
#include "tst_preview.moc"
