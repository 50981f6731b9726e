#include "CoreTestSupport.h"
#include "RecordingSink.h"

#include "core/RunLoop.h"
#include "core/SimulationPreparation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace coretest;

namespace {

bool allFinite(const TCelObjCollection &c)
{
    for (const auto &b : c.AllCelObj)
        for (double v : {b.PrevPos.X, b.PrevPos.Y, b.PrevPos.Z, b.PosRelToCentralBody.X, b.PosRelToCentralBody.Y,
                         b.PosRelToCentralBody.Z, b.v.X, b.v.Y, b.v.Z})
            if (!std::isfinite(v))
                return false;
    return true;
}

class PrepareSimulationTest : public testing::Test {
protected:
    PrepareSimulationTest() { setup.Empty(); setup.ArrowScaleCorrection = 1; }

    PreparationResult prepare(std::vector<TCelObjData> bodies)
    {
        input.bodies = std::move(bodies);
        return PrepareSimulation(input, setup, collection);
    }
    // A refusal shows exactly one error and leaves no bodies behind.
    void expectRefused(const PreparationResult &result, const std::string &message = {})
    {
        EXPECT_FALSE(result.ok);
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_EQ(sink.messages[0].kind, MessageSink::Kind::Error);
        if (!message.empty()) {
            EXPECT_EQ(sink.messages[0].text, message);
        }
        EXPECT_TRUE(collection.AllCelObj.empty());
    }
    // An accepted set-up keeps finite positions through a few ticks.
    void expectRunsFinite(const PreparationResult &result)
    {
        ASSERT_TRUE(result.ok);
        EXPECT_TRUE(sink.messages.empty());
        EXPECT_TRUE(std::isfinite(collection.ScaleFactor) && collection.ScaleFactor > 0);
        EXPECT_TRUE(std::isfinite(collection.DeltaT) && collection.DeltaT > 0);
        for (int tick = 0; tick < 3; ++tick)
            RunTick(collection);
        EXPECT_TRUE(allFinite(collection));
    }

    RecordingSink sink;
    PreparationInput input;
    TSimulationData setup;
    TCelObjCollection collection;
};

TEST_F(PrepareSimulationTest, RefusesOverlappingBodiesWithTheirNames)
{
    expectRefused(prepare({bodyRow("Sun", 1.989e30, 696000, {0, 0, 0}), bodyRow("Earth", 5.972e24, 6371, {500000, 0, 0})}),
                  "Sun and Earth are too close.\rIncrease distance or decrease radius.");
}

TEST_F(PrepareSimulationTest, RefusesUncheckedTextWithAMessageInsteadOfAnException)
{
    TCelObjData row = bodyRow("Sun", 1.989e30, 696000, {0, 0, 0});
    row.aMass = "heavy";
    expectRefused(prepare({row}), "'heavy' is not a valid floating point value");
}

TEST_F(PrepareSimulationTest, RefusesCoincidentBodiesEvenWithoutSize)
{
    expectRefused(prepare({bodyRow("A", 1e24, 0, {5, 5, 5}), bodyRow("B", 1e24, 0, {5, 5, 5})}),
                  "A and B are too close.\rIncrease distance or decrease radius.");
}

TEST_F(PrepareSimulationTest, RefusesAGravitationalConstantThatIsNotPositive)
{
    for (double G : {0.0, -6.67e-11, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        sink.messages.clear();
        setup.G = G;
        expectRefused(prepare({bodyRow("A", 1e24, 1, {0, 0, 0}), bodyRow("B", 1e24, 1, {1000, 0, 0})}),
                      "The gravitational constant G must be greater than zero.");
    }
}

TEST_F(PrepareSimulationTest, RefusesAnEmptyBodyList)
{
    expectRefused(prepare({}), "There are no bodies to simulate. Please enter at least one body.");
}

TEST_F(PrepareSimulationTest, RefusesADriftTextThatIsNoNumber)
{
    input.velCMz = "1,5,3";
    expectRefused(prepare({bodyRow("A", 1e24, 1, {0, 0, 0})}), "vz of the center of mass is not a valid number.");
    sink.messages.clear();
    input.velCMz = "0";
    input.velCMx = "fast";
    expectRefused(prepare({bodyRow("A", 1e24, 1, {0, 0, 0})}), "vx of the center of mass is not a valid number.");
}

// With no mass the time step 1 / sqrt(G M) has no value; a typed time step leaves nothing to divide by.
TEST_F(PrepareSimulationTest, MassesSummingToZeroAreRefusedUnlessTheStepIsGiven)
{
    const std::vector<TCelObjData> massless{bodyRow("A", 0, 1, {0, 0, 0}, {10, 0, 0}), bodyRow("B", 0, 1, {1000, 0, 0})};
    expectRefused(prepare(massless));
    sink.messages.clear();
    expectRefused(prepare({bodyRow("A", 5e24, 1, {0, 0, 0}), bodyRow("B", -5e24, 1, {1000, 0, 0})}));
    sink.messages.clear();
    setup.DeltaT = 10;
    setup.DeltaTConstant = 1;
    expectRunsFinite(prepare(massless));
}

// Forces that overflow (huge masses a few metres apart) cannot be stepped.
TEST_F(PrepareSimulationTest, RefusesForcesTooLargeToCompute)
{
    expectRefused(prepare({bodyRow("A", 3e38, 0, {0, 0, 0}), bodyRow("B", 3e38, 0, {1e-300, 0, 0})}));
}

TEST_F(PrepareSimulationTest, ALoneBodyGetsAViewFromItsSize)
{
    const auto result = prepare({bodyRow("Earth", 5.972e24, 6371, {100, 200, 300}, {5, 0, 0})});
    EXPECT_EQ(collection.ScaleFactor, 20 * 6371e3);
    EXPECT_EQ(result.defaultCameraDistance, 0.6 * collection.ScaleFactor);
    expectRunsFinite(result);
}

TEST_F(PrepareSimulationTest, ALoneBodyWithoutSizeStillGetsAView)
{
    expectRunsFinite(prepare({bodyRow("Dot", 1000, 0, {0, 0, 0})}));
    EXPECT_EQ(collection.ScaleFactor, 1e9);
}

TEST_F(PrepareSimulationTest, AcceptsASoundSetUpAndRecordsTheFirstTrailSample)
{
    input.options.ShowCM = true;
    const auto result = prepare({bodyRow("Sun", 1.989e30, 696000, {0, 0, 0}), bodyRow("Earth", 5.972e24, 6371, {1.496e8, 0, 0}, {0, 29780, 0})});
    EXPECT_EQ(collection.AllCelObj.size(), 2u);
    EXPECT_EQ(collection.CelObjDataList.size(), 2u);
    EXPECT_TRUE(collection.CMObj.Visible);
    EXPECT_EQ(collection.AllCelObj[1].PositionStorage.NrItems, 1);
    expectRunsFinite(result);
    EXPECT_EQ(collection.AllCelObj[1].PositionStorage.NrItems, 4);
}

// Two bodies approach at 1 m per step and touch when 300.5 m apart: after step 700 they are 300 m apart.
TEST(RunTick, StopsAtTheStepOfTheCollision)
{
    TCelObjCollection c;
    for (double x : {0.0, 1000.0}) {
        TCelObj2D &b = c.AllCelObj.emplace_back("B", 0u);
        b.PrevPos = b.NewPos = {x, 0, 0};
        b.Radius = 150.25f;
        b.Mass = 1;
    }
    c.AllCelObj[0].v = {1, 0, 0};
    c.G = 0;
    c.DeltaT = 1;
    const TickResult result = RunTick(c);
    EXPECT_TRUE(result.collided);
    EXPECT_EQ(result.stepsDone, 700);
    EXPECT_EQ(std::pair(result.collObj1, result.collObj2), std::pair(0, 1));
    EXPECT_EQ(c.Time, 700);
    EXPECT_EQ(c.AllCelObj[0].NewPos.X, 700);
    EXPECT_EQ(c.AllCelObj[0].PositionStorage.NrItems, 1);
}

TEST(RunTick, CountsProjectionsAndFollowsTheClosestPairInVariableMode)
{
    TCelObjCollection c;
    addRows(c, {bodyRow("Sun", 1.989e30, 696000, {0, 0, 0}), bodyRow("Earth", 5.972e24, 6371, {1.496e8, 0, 0}, {0, 20000, 0})});
    c.Initialize(800, 600);
    c.Options.ShowOrbitProjec = true;
    c.Options.VarDt = true;
    const double before = c.DeltaT;
    for (int tick = 0; tick < 50; ++tick)
        EXPECT_EQ(RunTick(c).stepsDone, TCelObjCollection::StepsPerTick);
    EXPECT_EQ(c.OrbitProjecIndicator, 50);
    // The Earth falls inwards from its far point, so the step shrinks with the distance.
    EXPECT_LT(c.DeltaT, before);
    const double afterTick = c.DeltaT;
    c.FindDeltaT();
    EXPECT_EQ(c.DeltaT, afterTick);
}

TEST(IsPeriodicMoment, TrueWithinOneTickAfterEachMultipleOfTheInterval)
{
    TCelObjCollection c;
    c.InterMedPosInterval = 86400;
    c.DeltaT = 3500.0 / 1500;  // a tick covers 3500 s; the window is 1505 steps, 3511.7 s
    const std::pair<double, bool> cases[] = {{2 * 86400.0, true},        {3 * 86400.0 + 3000, true},
                                             {86400.0 + 3511, true},     {86400.0 + 3512, false},
                                             {86400.0 + 4000, false},    {86400.0 - 1, false},
                                             {std::nan(""), true}};
    for (auto [time, periodic] : cases) {
        c.Time = time;
        EXPECT_EQ(IsPeriodicMoment(c), periodic) << time;
    }
    c.InterMedPosInterval = 0.4f;  // rounds to 0: counts as every second
    c.Time = 12345.6;
    EXPECT_TRUE(IsPeriodicMoment(c));
}

} // namespace
