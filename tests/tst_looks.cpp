// SPDX-License-Identifier: GPL-3.0-or-later
// Bodies that look like real ones: each model against its published numbers,
// drawn from a fixed seed.

#include "BodyLook.h"
#include "CoreCatalogue.h"
#include "LookDraws.h"
#include "SettingsCheck.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <vector>

Q_DECLARE_METATYPE(Looks::SpinAxes)

namespace {

constexpr double pi = 3.141592653589793;

double median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

} // namespace

class LooksTest : public QObject {
    Q_OBJECT

private slots:
    // Each class's median albedo; the main belt's mix bright inside, dark outside.
    void albedoMedians_data()
    {
        QTest::addColumn<int>("index"); // -1: the main belt's mix at the axis
        QTest::addColumn<double>("axis");
        QTest::addColumn<double>("lowest");
        QTest::addColumn<double>("highest");
        for (std::size_t i = 0; i < surfaceClasses().size(); ++i) {
            double const m = surfaceClasses()[i].albedoMedian;
            QTest::newRow(surfaceClasses()[i].name.data()) << int(i) << 0.0 << 0.95 * m << 1.05 * m;
        }
        QTest::newRow("main belt at 2.3 AU") << -1 << 2.3 << 0.15 << 1.0;
        QTest::newRow("main belt at 3.1 AU") << -1 << 3.1 << 0.0 << 0.1;
    }
    void albedoMedians()
    {
        QFETCH(int, index);
        QFETCH(double, axis);
        QFETCH(double, lowest);
        QFETCH(double, highest);
        Sampler sampler(index < 0 ? 1801 : 5489);
        auto const &weights = classWeights(Looks::Composition::MainBelt, axis);
        std::vector<double> albedos(4001);
        for (double &albedo : albedos) {
            int const chosen =
                index < 0 ? LookModels::surfaceClass(weights, sampler.canonical()) : index;
            albedo = LookModels::albedo(surfaceClasses()[std::size_t(chosen)], sampler.drawNormal());
            QVERIFY(albedo > 0 && albedo <= 1);
        }
        double const m = median(albedos);
        QVERIFY2(m > lowest && m < highest, qPrintable(QString::number(m)));
    }

    // Rotation by size: the barrier, the slow rotators and the largest's median;
    // below the barrier's size, fast rotators.
    void spinsBySize_data()
    {
        QTest::addColumn<double>("radius");
        QTest::addColumn<double>("fastest");
        QTest::addColumn<double>("lowestMedian");
        QTest::addColumn<double>("highestMedian");
        QTest::addColumn<double>("slowShare"); // above 24 hours
        double const barrier = LookModels::spinBarrier;
        // Log-even from 0.01 to 24 hours: the median near half an hour.
        QTest::newRow("0.1 km") << 0.1 << 0.01 << 0.3 << 0.7 << 0.0;
        QTest::newRow("0.15 km") << 0.15 << barrier << 3.0 << 6.0 << 0.15;
        QTest::newRow("5 km") << 5.0 << barrier << 3.0 << 6.0 << 0.15;
        QTest::newRow("19.9 km") << 19.9 << barrier << 3.0 << 6.0 << 0.15;
        // The Maxwellian's tail below one turn a day: 4.5 %.
        QTest::newRow("20 km") << 20.0 << barrier << 7.0 << 11.0 << 0.045;
        QTest::newRow("300 km") << 300.0 << barrier << 7.0 << 11.0 << 0.045;
    }
    void spinsBySize()
    {
        QFETCH(double, radius);
        QFETCH(double, fastest);
        QFETCH(double, lowestMedian);
        QFETCH(double, highestMedian);
        QFETCH(double, slowShare);
        Sampler sampler(3141592653u);
        std::vector<double> periods(20000);
        for (double &period : periods) {
            double const branch = sampler.canonical(), fraction = sampler.canonical();
            period = LookModels::rotationPeriod(radius, branch, fraction, sampler.drawNormal());
            QVERIFY2(period >= fastest, qPrintable(QString::number(period)));
        }
        double const m = median(periods);
        QVERIFY2(m >= lowestMedian && m <= highestMedian, qPrintable(QString::number(m)));
        double const slow =
            double(std::count_if(periods.begin(), periods.end(), [](double p) { return p > 24; })) /
            double(periods.size());
        QVERIFY2(std::fabs(slow - slowShare) < 0.02, qPrintable(QString::number(slow)));
    }

    // b/a and c/b within their bounds, the volume kept, the largest round.
    void ellipsoids_data()
    {
        QTest::addColumn<double>("radius");
        QTest::addColumn<double>("lowestBA");
        QTest::addColumn<double>("lowestCB");
        QTest::newRow("1 km") << 1.0 << 0.5 << 0.6;
        QTest::newRow("150 km") << 150.0 << 0.725 << 0.75;
        QTest::newRow("250 km") << 250.0 << 0.95 << 0.9;
    }
    void ellipsoids()
    {
        QFETCH(double, radius);
        QFETCH(double, lowestBA);
        QFETCH(double, lowestCB);
        Sampler sampler(255);
        double smallestBA = 1;
        for (int i = 0; i < 5000; ++i) {
            auto const [x, y, z] =
                LookModels::semiAxes(radius, sampler.drawNormal(), sampler.drawNormal());
            QVERIFY(x >= y && y >= z && z > 0);
            QVERIFY(std::fabs(x * y * z - 1) < 1e-14);
            QVERIFY(y / x >= lowestBA - 1e-15 && z / y >= lowestCB - 1e-15);
            smallestBA = std::min(smallestBA, y / x);
        }
        // The bell reaches its lower bound.
        QVERIFY(smallestBA < lowestBA + 0.02);
    }

    // Isotropic axes: cos(obliquity) even over [-1, 1]; YORP: |cos| of small
    // bodies has the mean 3/4 of its density 3c^2, large bodies stay isotropic.
    void spinAxes_data()
    {
        QTest::addColumn<Looks::SpinAxes>("axes");
        QTest::addColumn<double>("radius");
        QTest::addColumn<double>("meanAbsCosine");
        QTest::newRow("isotropic") << Looks::SpinAxes::Isotropic << 1.0 << 0.5;
        QTest::newRow("YORP, small") << Looks::SpinAxes::YorpClustered << 1.0 << 0.75;
        QTest::newRow("YORP, large") << Looks::SpinAxes::YorpClustered << 50.0 << 0.5;
    }
    void spinAxes()
    {
        QFETCH(Looks::SpinAxes, axes);
        QFETCH(double, radius);
        QFETCH(double, meanAbsCosine);
        Sampler sampler(0);
        constexpr int draws = 20000;
        std::array<int, 10> bins{};
        double sumAbs = 0;
        for (int i = 0; i < draws; ++i) {
            double const u = sampler.canonical(), b = sampler.canonical(), c = sampler.canonical();
            double const obliquity =
                LookModels::obliquity(LookModels::axisCosine(axes, radius, 2 * u - 1, b, c));
            QVERIFY(obliquity >= 0 && obliquity <= 180);
            double const cosine = std::cos(obliquity * pi / 180);
            sumAbs += std::fabs(cosine);
            ++bins[std::min<std::size_t>(9, std::size_t((cosine + 1) * 5))];
        }
        QVERIFY(std::fabs(sumAbs / draws - meanAbsCosine) < 0.01);
        if (meanAbsCosine == 0.5) {
            double chiSquare = 0; // nine degrees of freedom: 27.9 at 0.001
            for (int count : bins)
                chiSquare += (count - draws / 10.0) * (count - draws / 10.0) / (draws / 10.0);
            QVERIFY2(chiSquare < 27.9, qPrintable(QString::number(chiSquare)));
        }
    }

    // A look that is not on draws nothing: the belt stays byte for byte.
    void listsWithoutTheirLookChangeNothing()
    {
        Looks idle;
        idle.meshes = "rock.mesh*2; b.mesh"; // read only with meshes chosen
        Settings plain(Settings::Vulcanoids), listed(Settings::Vulcanoids);
        listed.populations.front().looks = idle;
        QCOMPARE(coreCatalogue(listed, 5489), coreCatalogue(plain, 5489));
    }

    void fileListsChecked_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("problem"); // -1: none
        using P = SettingsProblem;
        QTest::newRow("names and weights") << "rock.mesh*2; b.mesh ;c*0.5" << -1;
        QTest::newRow("weight 0") << "a*0; b" << int(P::BadFileList);
        QTest::newRow("negative weight") << "a*-1" << int(P::BadFileList);
        QTest::newRow("weight not a number") << "a*x" << int(P::BadFileList);
        QTest::newRow("empty entry") << "a; ; b" << int(P::BadFileList);
        QTest::newRow("double quote") << "a\"b.mesh" << int(P::DoubleQuote);
        QTest::newRow("line break") << "a.mesh\nb.mesh" << int(P::ControlCharacter);
        QTest::newRow("backslash") << "models\\a.mesh" << int(P::Backslash);
    }
    void fileListsChecked()
    {
        QFETCH(QString, list);
        QFETCH(int, problem);
        for (bool meshes : {true, false}) {
            Settings settings(Settings::Vulcanoids);
            Looks &looks = settings.populations.front().looks;
            looks.shapes = Looks::Shapes::Meshes;
            (meshes ? looks.meshes : looks.textures) = list.toStdString();
            std::vector<SettingsProblem> const found = checkSettings(settings);
            if (problem < 0) {
                QVERIFY(found.empty());
                continue;
            }
            QCOMPARE(int(found.size()), 1);
            QCOMPARE(found.front().setting, std::string_view(meshes ? "meshes" : "textures"));
            QCOMPARE(int(found.front().kind), problem);
            QCOMPARE(found.front().population, 0);
        }
    }
};

QTEST_MAIN(LooksTest)
#include "tst_looks.moc"
