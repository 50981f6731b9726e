#include "CoreTestSupport.h"

#include "core/IntegratorKernel.h"
#include "core/TCelObjCollection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

using namespace coretest;

namespace {

// The step as written down for the program, in plain arrays, on purpose sharing no code with the core:
// velocities, positions, accelerations at the new positions summed over j in list order, collision test.
struct PlainBody {
    double p[3], v[3], a[3], na[3];
    double mass;    // kg, widened from the body's single precision
    double radius;  // m
};

struct PlainSystem {
    std::vector<PlainBody> bodies;
    double G = 0, dt = 0, time = 0;

    explicit PlainSystem(const TCelObjCollection &c)
        : G(c.G)
        , dt(c.DeltaT)
        , time(c.Time)
    {
        for (const auto &b : c.AllCelObj)
            bodies.push_back({{b.PrevPos.X, b.PrevPos.Y, b.PrevPos.Z},
                              {b.v.X, b.v.Y, b.v.Z},
                              {b.a.X, b.a.Y, b.a.Z},
                              {b.Newa.X, b.Newa.Y, b.Newa.Z},
                              double(b.Mass),
                              double(b.Radius)});
    }

    // Returns whether the step ended in a collision, and the pair.
    bool step(int &first, int &second)
    {
        for (auto &b : bodies)
            for (int k = 0; k < 3; ++k)
                b.v[k] = b.v[k] + (b.a[k] + b.na[k]) * (0.5 * dt);
        for (auto &b : bodies)
            for (int k = 0; k < 3; ++k) {
                b.p[k] = b.p[k] + b.v[k] * dt + ((b.a[k] + b.na[k]) * 0.25) * dt * dt;
                b.a[k] = b.na[k];
            }
        time = time + dt;
        const size_t n = bodies.size();
        for (size_t i = 0; i < n; ++i) {
            double acc[3] = {0, 0, 0};
            for (size_t j = 0; j < n; ++j) {
                if (j == i)
                    continue;
                const double d[3] = {bodies[i].p[0] - bodies[j].p[0], bodies[i].p[1] - bodies[j].p[1],
                                     bodies[i].p[2] - bodies[j].p[2]};
                const double r = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
                const double k = G * bodies[j].mass / (r * (r * r));
                for (int c = 0; c < 3; ++c)
                    acc[c] = acc[c] - d[c] * k;
            }
            for (int c = 0; c < 3; ++c)
                bodies[i].na[c] = acc[c];
        }
        for (size_t i = 0; i < n; ++i)
            for (size_t j = 0; j < n; ++j) {
                if (j == i)
                    continue;
                const double d[3] = {bodies[j].p[0] - bodies[i].p[0], bodies[j].p[1] - bodies[i].p[1],
                                     bodies[j].p[2] - bodies[i].p[2]};
                const double r = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
                if (r < bodies[i].radius + bodies[j].radius || r == 0.0) {
                    first = int(i);
                    second = int(j);
                    return true;
                }
            }
        return false;
    }
};

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }
bool sameBits(const TMYPoint3D &a, const double (&b)[3])
{
    return sameBits(a.X, b[0]) && sameBits(a.Y, b[1]) && sameBits(a.Z, b[2]);
}
bool sameBits(const TMYPoint3D &a, const TMYPoint3D &b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void expectSameState(const TCelObjCollection &c, const PlainSystem &plain)
{
    ASSERT_EQ(c.AllCelObj.size(), plain.bodies.size());
    EXPECT_TRUE(sameBits(c.Time, plain.time));
    for (size_t i = 0; i < plain.bodies.size(); ++i) {
        const TCelObj2D &b = c.AllCelObj[i];
        const PlainBody &p = plain.bodies[i];
        EXPECT_TRUE(sameBits(b.PrevPos, p.p)) << "position of body " << i;
        EXPECT_TRUE(sameBits(b.NewPos, p.p)) << "position of body " << i;
        EXPECT_TRUE(sameBits(b.v, p.v)) << "velocity of body " << i;
        EXPECT_TRUE(sameBits(b.a, p.a)) << "acceleration of body " << i;
        EXPECT_TRUE(sameBits(b.Newa, p.na)) << "new acceleration of body " << i;
    }
}

void expectSameState(const TCelObjCollection &a, const TCelObjCollection &b)
{
    ASSERT_EQ(a.AllCelObj.size(), b.AllCelObj.size());
    EXPECT_TRUE(sameBits(a.Time, b.Time));
    EXPECT_TRUE(sameBits(a.DisplayedTime, b.DisplayedTime));
    for (size_t i = 0; i < a.AllCelObj.size(); ++i) {
        const TCelObj2D &p = a.AllCelObj[i], &q = b.AllCelObj[i];
        EXPECT_TRUE(sameBits(p.PrevPos, q.PrevPos) && sameBits(p.NewPos, q.NewPos) && sameBits(p.v, q.v) &&
                    sameBits(p.a, q.a) && sameBits(p.Newa, q.Newa))
            << "body " << i;
    }
}

// A star and n - 1 bodies at random distances, directions and masses on roughly circular, inclined
// orbits, some of them far from circular: nothing collides within the steps the tests run.
void randomSystem(TCelObjCollection &c, int n, unsigned seed)
{
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const double starMass = 2e30, au = 1.496e8;  // kg, km
    std::vector<TCelObjData> rows{bodyRow("Star", starMass, 7e5, {0, 0, 0})};
    for (int k = 1; k < n; ++k) {
        const double r = au * (0.3 + 5 * unit(random)), phi = 6.283185307 * unit(random);
        const double tilt = 0.2 * (unit(random) - 0.5);
        const double speed = std::sqrt(6.67e-11 * starMass / (r * 1000)) * (0.7 + 0.5 * unit(random));
        const Vec pos{r * std::cos(phi), r * std::sin(phi), r * tilt};
        const Vec vel{-speed * std::sin(phi), speed * std::cos(phi), speed * tilt * unit(random)};
        rows.push_back(bodyRow("B" + std::to_string(k), std::pow(10.0, 20 + 7 * unit(random)), 1000, pos, vel));
    }
    addRows(c, rows);
    c.Initialize(800, 600);
}

using Set = IntegratorKernel::InstructionSet;

// Every instruction set this processor runs, each with its own kernel.
std::vector<Set> supportedSets()
{
    std::vector<Set> sets;
    for (Set set : {Set::Portable, Set::Avx2, Set::Avx512})
        if (IntegratorKernel::supports(set))
            sets.push_back(set);
    return sets;
}

// One named step; returns the collision test's answer.
bool namedStep(TCelObjCollection &c, int32_t &first, int32_t &second)
{
    c.UpdateVelocities();
    c.UpdatePositions();
    c.UpdateAccelerations();
    return c.CheckForCollision(first, second);
}

class IntegratorBits : public testing::TestWithParam<int> {};

TEST_P(IntegratorBits, RunStepsAndNamedOperationsEqualThePlainStepBitForBit)
{
    const int n = GetParam();
    // Fewer steps for many bodies keeps the plain reference quick; several ticks each.
    const int ticks = n >= 30 ? 2 : 4;
    const unsigned seed = 1234u + unsigned(n);
    TCelObjCollection viaRunSteps, viaNamed;
    randomSystem(viaRunSteps, n, seed);
    randomSystem(viaNamed, n, seed);
    PlainSystem plain(viaNamed);
    const auto sets = supportedSets();
    std::vector<TCelObjCollection> viaKernel(sets.size());
    std::vector<IntegratorKernel> kernels;
    for (size_t k = 0; k < sets.size(); ++k) {
        randomSystem(viaKernel[k], n, seed);
        kernels.emplace_back(sets[k]);
    }
    int32_t first = -1, second = -1;
    for (int t = 0; t < ticks; ++t) {
        const auto fast = viaRunSteps.RunSteps(TCelObjCollection::StepsPerTick);
        ASSERT_FALSE(fast.collided);
        ASSERT_EQ(fast.stepsDone, TCelObjCollection::StepsPerTick);
        for (size_t k = 0; k < sets.size(); ++k)
            ASSERT_EQ(kernels[k].run(viaKernel[k], TCelObjCollection::StepsPerTick).stepsDone,
                      TCelObjCollection::StepsPerTick);
        for (int s = 0; s < TCelObjCollection::StepsPerTick; ++s) {
            ASSERT_FALSE(namedStep(viaNamed, first, second));
            ASSERT_FALSE(plain.step(first, second));
        }
    }
    expectSameState(viaNamed, plain);
    expectSameState(viaRunSteps, viaNamed);
    for (size_t k = 0; k < sets.size(); ++k) {
        SCOPED_TRACE("instruction set " + std::to_string(int(sets[k])));
        expectSameState(viaKernel[k], viaNamed);
    }
}

INSTANTIATE_TEST_SUITE_P(BodyCounts, IntegratorBits, testing::Values(2, 3, 9, 10, 17, 30, 100));

// Two bodies fall nearly straight at each other while the others drift on. Every way of stepping stops
// after the same step with the same pair, in the same state.
TEST(IntegratorBits, ACollisionStopsEveryRunAtTheSameStepWithTheSamePair)
{
    for (int n : {2, 12}) {
        const auto sets = supportedSets();
        std::vector<TCelObjCollection> cs(sets.size() + 1);  // the last one takes the named operations
        for (auto &c : cs) {
            addRows(c, {bodyRow("A", 1e24, 3000, {1e6, 0, 0}), bodyRow("B", 3e24, 4000, {1e6 + 2e5, 1e3, 0})});
            for (int k = 0; k < n - 2; ++k)
                c.AddCelObjToCollection(bodyRow("S" + std::to_string(k), 1e26, 1000, {3e7 * (k + 1), -2e7, 1e6 * k},
                                                {0, 3000.0 * k, 0}),
                                        NumberLocale::point());
            // About 10000 steps until A and B meet.
            c.DeltaT = 20;
            c.Initialize(800, 600);
        }
        TCelObjCollection &named = cs.back();
        PlainSystem plain(named);
        int32_t first = -1, second = -1, plainFirst = -1, plainSecond = -1;
        int namedSteps = 0;
        bool plainHit = false;
        while (namedSteps < 100 * TCelObjCollection::StepsPerTick) {
            ++namedSteps;
            plainHit = plain.step(plainFirst, plainSecond);
            if (namedStep(named, first, second))
                break;
        }
        ASSERT_TRUE(plainHit) << n;
        EXPECT_EQ(std::pair(plainFirst, plainSecond), std::pair(int(first), int(second)));
        EXPECT_EQ(std::pair(first, second), std::pair(0, 1));
        expectSameState(named, plain);
        for (size_t k = 0; k < sets.size(); ++k) {
            SCOPED_TRACE("instruction set " + std::to_string(int(sets[k])));
            IntegratorKernel kernel(sets[k]);
            int steps = 0;
            TCelObjCollection::StepsResult result;
            while (!result.collided && steps < namedSteps) {
                result = kernel.run(cs[k], TCelObjCollection::StepsPerTick);
                steps += result.stepsDone;
            }
            EXPECT_TRUE(result.collided);
            EXPECT_EQ(steps, namedSteps);
            EXPECT_EQ(std::pair(result.collObj1, result.collObj2), std::pair(first, second));
            expectSameState(cs[k], named);
        }
    }
}

} // namespace
