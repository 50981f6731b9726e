#include "CoreTestSupport.h"

#include "core/TCelObjCollection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace coretest;

namespace {

constexpr double SunMass = 1.989e30, EarthMass = 5.972e24;  // kg
constexpr double AuKm = 1.496e8;

double totalEnergy(const TCelObjCollection &c)
{
    double kinetic = 0, potential = 0;
    const auto &b = c.AllCelObj;
    for (size_t i = 0; i < b.size(); ++i) {
        kinetic += 0.5 * double(b[i].Mass) * b[i].v.DotProduct(b[i].v);
        for (size_t j = i + 1; j < b.size(); ++j)
            potential -= c.G * double(b[i].Mass) * double(b[j].Mass) / b[i].PrevPos.Distance(b[j].PrevPos);
    }
    return kinetic + potential;
}

TMYPoint3D momentum(const TCelObjCollection &c, double *scale = nullptr)
{
    TMYPoint3D p;
    double sum = 0;
    for (const auto &b : c.AllCelObj) {
        p = p + double(b.Mass) * b.v;
        sum += double(b.Mass) * b.v.Length();
    }
    if (scale)
        *scale = sum;
    return p;
}

// The Sun and the Earth on a slightly eccentric orbit; the relative orbit's period follows from the
// vis-viva relation 1/a = 2/r - v^2 / (G (M + m)) and Kepler's third law T = 2 pi sqrt(a^3 / (G (M + m))).
TEST(Kepler, SunAndEarthReturnToTheirStartAfterEachPeriod)
{
    TCelObjCollection c;
    addRows(c, {bodyRow("Sun", SunMass, 696000, {0, 0, 0}), bodyRow("Earth", EarthMass, 6371, {AuKm, 0, 0}, {0, 30300, 0})});
    const TCelObj2D &sun = c.AllCelObj[0], &earth = c.AllCelObj[1];
    const double mu = c.G * (double(sun.Mass) + double(earth.Mass));
    const double r = earth.PrevPos.Distance(sun.PrevPos), v = (earth.v - sun.v).Length();
    const double a = 1 / (2 / r - v * v / mu);
    const double period = 2 * std::numbers::pi * std::sqrt(a * a * a / mu);
    const int stepsPerOrbit = 100 * TCelObjCollection::StepsPerTick;
    c.DeltaT = period / stepsPerOrbit;
    c.Initialize(800, 600);
    const TMYPoint3D start = earth.PrevPos - sun.PrevPos;
    for (int orbit = 1; orbit <= 3; ++orbit) {
        for (int tick = 0; tick < 100; ++tick)
            ASSERT_FALSE(c.RunSteps(TCelObjCollection::StepsPerTick).collided);
        const TMYPoint3D now = earth.PrevPos - sun.PrevPos;
        // 0.01 % of the orbit's size: the lagged accelerations shift the phase by far less per orbit.
        EXPECT_LT(now.Distance(start), 1e-4 * r) << "orbit " << orbit;
    }
}

TEST(Conservation, EnergyAndMomentumStayWhatTheyWereOverAYearAndAHalf)
{
    TCelObjCollection c;
    addRows(c, {bodyRow("Sun", SunMass, 696000, {0, 0, 0}), bodyRow("Earth", EarthMass, 6371, {AuKm, 0, 0}, {0, 29780, 0}),
                bodyRow("Mars", 6.42e23, 3390, {0, -1.524 * AuKm, 1e6}, {24070, 0, 0}),
});
    // The velocity update uses accelerations a step behind, so the energy error is first order in the
    // step: the computed 39 s give 3e-9 at Mars's far point, a typed step of 5 s an eighth of that.
    c.DeltaT = 5;
    c.Initialize(800, 600);
    const double e0 = totalEnergy(c);
    double worstEnergy = 0, worstMomentum = 0;
    // 1.4 years of the Earth, past the largest excursion.
    for (int tick = 0; tick < 5900; ++tick) {
        ASSERT_FALSE(c.RunSteps(TCelObjCollection::StepsPerTick).collided);
        worstEnergy = std::max(worstEnergy, std::fabs(totalEnergy(c) - e0) / std::fabs(e0));
        double scale = 0;
        worstMomentum = std::max(worstMomentum, momentum(c, &scale).Length() / scale);
    }
    EXPECT_LT(worstEnergy, 1e-9);
    // Forces come in equal and opposite pairs; only rounding leaves a momentum.
    EXPECT_LT(worstMomentum, 1e-12);
}

// Equal and opposite forces between every pair: m_i a_i = -m_j a_j for two bodies, sum m_i a_i = 0 for more.
TEST(Gravity, ForcesComeInEqualAndOppositePairs)
{
    TCelObjCollection two;
    addRows(two, {bodyRow("Sun", SunMass, 696000, {0, 0, 0}), bodyRow("Earth", EarthMass, 6371, {AuKm, 2e7, -3e6})});
    two.Initialize(800, 600);
    const TCelObj2D &s = two.AllCelObj[0], &e = two.AllCelObj[1];
    const TMYPoint3D fs = double(s.Mass) * s.a, fe = double(e.Mass) * e.a;
    EXPECT_LT((fs + fe).Length(), 1e-14 * fs.Length());

    TCelObjCollection many;
    addRows(many, {bodyRow("A", 1e30, 1, {0, 0, 0}), bodyRow("B", 3e24, 1, {1e8, 0, 0}),
                   bodyRow("C", 7e22, 1, {1e8 + 4e5, 1e4, 0}), bodyRow("D", 2e27, 1, {-7e8, 3e8, 1e7})});
    many.Initialize(800, 600);
    TMYPoint3D total;
    double scale = 0;
    for (const auto &b : many.AllCelObj) {
        total = total + double(b.Mass) * b.a;
        scale += double(b.Mass) * b.a.Length();
    }
    EXPECT_LT(total.Length(), 1e-14 * scale);
}

// A light probe 7000 km from the Earth's centre feels G M / r^2 towards the centre.
TEST(Gravity, AccelerationAtAPointIsGMOverRSquaredTowardsTheMass)
{
    TCelObjCollection c;
    addRows(c, {bodyRow("Earth", EarthMass, 6371, {0, 0, 0}), bodyRow("Probe", 1000, 0.001, {4200, 5600, 0})});
    c.Initialize(800, 600);
    const TMYPoint3D toEarth = c.AllCelObj[0].PrevPos - c.AllCelObj[1].PrevPos;
    const TMYPoint3D a = c.AllCelObj[1].a;
    const double expected = c.G * double(c.AllCelObj[0].Mass) / (7e6 * 7e6);
    EXPECT_NEAR(a.Length(), expected, 1e-14 * expected);
    EXPECT_NEAR(a.DotProduct(toEarth) / (a.Length() * toEarth.Length()), 1.0, 1e-15);
}

// Two bodies of 1 kg at 1 m with G = 1: each is pulled towards the other with exactly 1 m/s^2.
TEST(Gravity, UnitMassesAtUnitDistanceWithUnitG)
{
    TCelObjCollection c;
    c.AllCelObj.emplace_back("A", 0u);
    c.AllCelObj.emplace_back("B", 0u);
    for (auto &b : c.AllCelObj)
        b.Mass = 1;
    c.AllCelObj[1].PrevPos = c.AllCelObj[1].NewPos = {1, 0, 0};
    c.G = 1;
    c.FindInitialAccelerations();
    EXPECT_EQ(c.AllCelObj[0].a, (TMYPoint3D{1, 0, 0}));
    EXPECT_EQ(c.AllCelObj[1].a, (TMYPoint3D{-1, 0, 0}));
}

} // namespace
