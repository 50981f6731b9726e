#include "CoreTestSupport.h"

#include "core/TAxisData.h"
#include "core/TCelObj2D.h"
#include "core/TCelObjCollection.h"
#include "core/TPosArray.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace coretest;

namespace {

// A zero mass sum divides the weighted sum by 0: it must come back unchanged, not infinite.
TEST(TMYPoint3D, DivisionByZeroLeavesTheVectorAndOtherwiseMultipliesByTheReciprocal)
{
    const TMYPoint3D p{3, -4.5, 1e300};
    EXPECT_EQ(p / 0.0, p);
    EXPECT_EQ(p / 2.0, p * 0.5);
    EXPECT_EQ(p / 3.0, p * (1.0 / 3.0));
    EXPECT_EQ((TMYPoint3D{3, 4, 0}).Length(), 5);
    const TMYPoint3D q{-1.25, 7, 2};
    EXPECT_EQ(p.Distance(q), q.Distance(p));
}

TEST(TPosArray, KeepsTheNewestEntriesAndReadsThemOldestFirst)
{
    TPosArray trail;
    trail.Create(TCelObj2D::TrailCapacity);
    EXPECT_EQ(trail.NrItems, 0);
    trail.WriteToArray({1, 0, 0});
    trail.WriteToArray({2, 0, 0});
    trail.ResetReadingFromArray();
    EXPECT_EQ(trail.PosInArrayRead, 0);
    EXPECT_EQ(trail.ReadFromArray().X, 1);
    for (int k = 3; k <= 8001; ++k)
        trail.WriteToArray({double(k), 0, 0});
    EXPECT_EQ(trail.NrItems, 8000);
    trail.ResetReadingFromArray();
    EXPECT_EQ(trail.ReadFromArray().X, 2);  // the first entry was overwritten
    for (int k = 3; k < 8001; ++k)
        trail.ReadFromArray();
    EXPECT_EQ(trail.ReadFromArray().X, 8001);
    EXPECT_EQ(trail.ReadFromArray().X, 2);  // the reader wraps round too
}

TEST(TAxisData, DropsSamplesOfferedToAFullSeries)
{
    TAxisData series;
    series.Create(3);
    for (double d : {1.0, 2.0, 3.0, 4.0})
        series.AddData(d);
    EXPECT_EQ(series.NrItems, 3);
    EXPECT_EQ(series.ArrayOfData, (std::vector<double>{1, 2, 3}));
}

// Values that are exact in binary, so that the expected sums are exact too.
TEST(TCelObj2D, FirstStepWithoutNewAccelerationUsesHalfTheOldOne)
{
    TCelObj2D body("B", 0);
    const TMYPoint3D A{2, -4, 8}, v0{1, 0.5, -1}, p0{10, 20, 30};
    body.a = A;
    body.v = v0;
    body.PrevPos = body.NewPos = p0;
    const double dt = 0.5;
    body.NewVelocity(dt);
    const TMYPoint3D v1 = v0 + A * (dt / 2);
    EXPECT_EQ(body.v, v1);
    body.NewPosition(dt);
    EXPECT_EQ(body.NewPos, p0 + v1 * dt + A * (dt * dt / 4));
    EXPECT_EQ(body.PrevPos, body.NewPos);
    EXPECT_EQ(body.a, TMYPoint3D::Zero());
}

TEST(FillInfoMemo, ShowsPositionInKmAndVelocityInMetresPerSecondUnderEitherSeparator)
{
    TCelObj2D body("Earth", 0);
    body.PrevPos = {1.496e11, -250000, 0};
    body.v = {0, 29780, 12.345};
    EXPECT_EQ(FillInfoMemo(body, NumberLocale::point()),
              (std::vector<std::string>{"Earth", " x   1.50E8 km", " y   -250 km", " z   0 km", "", " vx  0 m/s",
                                        " vy  29780 m/s", " vz  12.3 m/s"}));
    EXPECT_EQ(FillInfoMemo(body, NumberLocale::comma())[1], " x   1,50E8 km");
    EXPECT_EQ(FillInfoMemo(body, NumberLocale::comma())[7], " vz  12,3 m/s");
}

TEST(AddCelObjToCollection, RelativeRowsAddToThePreviousBody)
{
    TCelObjCollection c;
    TCelObjData moon = bodyRow("Moon", 7.35e22, 1737, {});
    moon.aPosx = "P+384400";
    moon.aPosy = "p + 10";
    moon.aVelocityy = "P+1022";
    addRows(c, {bodyRow("Earth", 5.972e24, 6371, {1.496e8, -5, 0}, {0, 29780, 0}), moon});
    const TCelObj2D &m = c.AllCelObj[1];
    EXPECT_EQ(m.PrevPos.X, 1.496e11 + 384400e3);
    EXPECT_EQ(m.PrevPos.Y, 10e3 + -5e3);
    EXPECT_EQ(m.v.Y, 29780 + 1022);
    EXPECT_EQ(m.NewPos, m.PrevPos);
    EXPECT_EQ(m.Radius, 1737e3f);
    EXPECT_EQ(m.Mass, 7.35e22f);
}

TEST(Initialize, ScaleIsFourTimesTheLargestDistance)
{
    TCelObjCollection c;
    addRows(c, {bodyRow("A", 1, 1, {0, 0, 0}), bodyRow("B", 1, 1, {1000, 0, 0})});
    c.Initialize(800, 600);
    EXPECT_EQ(c.ScaleFactor, 4.0e6);
}

TEST(Initialize, RemovesTheMomentumWhateverTheVelocities)
{
    TCelObjCollection c;
    addRows(c, {bodyRow("A", 3e24, 1, {0, 0, 0}, {1200, -300, 45}), bodyRow("B", 7e22, 1, {4e5, 0, 0}, {-20, 1022, 3}),
                bodyRow("C", 2e30, 1, {-1e8, 5e7, 0}, {15000, 20000, -7000})});
    // Rounding leaves a momentum of a few ulps of the one removed.
    double removed = 0;
    for (const auto &b : c.AllCelObj)
        removed += double(b.Mass) * b.v.Length();
    c.Initialize(800, 600);
    TMYPoint3D p;
    for (const auto &b : c.AllCelObj)
        p = p + double(b.Mass) * b.v;
    EXPECT_LT(p.Length(), 1e-14 * removed);

    TCelObjCollection lone;
    addRows(lone, {bodyRow("A", 3e24, 6000, {5, 6, 7}, {1200, -300, 45})});
    lone.Initialize(800, 600);
    EXPECT_LT(lone.AllCelObj[0].v.Length(), 1e-12);
}

TEST(Initialize, TheFirstOfTwoCentralBodiesIsTheCentre)
{
    TCelObjCollection c;
    addRows(c, {bodyRow("A", 1, 1, {0, 0, 0}), bodyRow("B", 1, 1, {10, 0, 0}, {}, true),
                bodyRow("C", 1, 1, {20, 0, 0}, {}, true)});
    c.Initialize(800, 600);
    EXPECT_EQ(c.CentralCelObj, 1);

    TCelObjCollection none;
    addRows(none, {bodyRow("A", 1, 1, {0, 0, 0}), bodyRow("B", 1, 1, {10, 0, 0})});
    none.Initialize(800, 600);
    EXPECT_EQ(none.CentralCelObj, -1);
}

TEST(Initialize, APeriodicDrawingIntervalBelowOneSecondBecomesOne)
{
    TCelObjCollection c;
    addRows(c, {bodyRow("A", 1, 1, {0, 0, 0}), bodyRow("B", 1, 1, {10, 0, 0})});
    c.InterMedPosInterval = 0.2f;
    c.Initialize(800, 600);
    EXPECT_EQ(c.InterMedPosInterval, 1.0f);
}

TEST(Initialize, PadsOrCutsNamesToSixCharactersNotBytes)
{
    TCelObjCollection c;
    addRows(c, {bodyRow("Io", 1, 1, {0, 0, 0}), bodyRow("Jupiter", 1, 1, {10, 0, 0}),
                bodyRow("M\xC3\xA4rchenmond", 1, 1, {20, 0, 0}), bodyRow("\xC3\x9F", 1, 1, {30, 0, 0})});
    c.Initialize(800, 600);
    EXPECT_EQ(c.AllCelObj[0].PaddedName, "Io    ");
    EXPECT_EQ(c.AllCelObj[1].PaddedName, "Jupite");
    EXPECT_EQ(c.AllCelObj[2].PaddedName, "M\xC3\xA4rche");
    EXPECT_EQ(c.AllCelObj[3].PaddedName, "\xC3\x9F     ");
}

TEST(TransformPositionsToCentralBodyRelative, TheDriftMovesEveryBodyByVelCMTimesTime)
{
    TCelObjCollection c;
    addRows(c, {bodyRow("A", 5, 1, {0, 0, 0}), bodyRow("B", 1, 1, {1000, 2000, 0})});
    c.Initialize(800, 600);
    c.CMObj.VelCM = {1000, 0, 0};
    c.TransformPositionsToCentralBodyRelative(-1);
    const TMYPoint3D before = c.AllCelObj[1].PosRelToCentralBody;
    c.Time = 86400;
    c.TransformPositionsToCentralBodyRelative(-1);
    const TMYPoint3D moved = c.AllCelObj[1].PosRelToCentralBody - before;
    EXPECT_NEAR(moved.X, 8.64e7, 1e-6);
    EXPECT_EQ(moved.Y, 0);
    EXPECT_NEAR(c.CMObj.PosRelToCentralBody.X, 8.64e7, 1e-6);
    EXPECT_EQ(c.AllCelObj[1].PositionStorage.NrItems, 2);
}

TEST(OnlyMovementInXYPlane, AMillimetreOutOfThePlaneCounts)
{
    TCelObjCollection c;
    EXPECT_TRUE(c.OnlyMovementInXYPlane());
    addRows(c, {bodyRow("A", 1, 1, {0, 0, 0}, {5, 6, 0}), bodyRow("B", 1, 1, {10, 0, 0})});
    EXPECT_TRUE(c.OnlyMovementInXYPlane());
    c.AllCelObj[1].NewPos.Z = 1e-3;
    EXPECT_FALSE(c.OnlyMovementInXYPlane());
    c.AllCelObj[1].NewPos.Z = 0;
    c.AllCelObj[0].v.Z = -1e-3;
    EXPECT_FALSE(c.OnlyMovementInXYPlane());
}

// Bodies placed directly, in metres, for the time-step and collision rules.
void place(TCelObjCollection &c, std::initializer_list<std::pair<TMYPoint3D, float>> bodies, float mass = 1)
{
    for (const auto &[pos, radius] : bodies) {
        TCelObj2D &b = c.AllCelObj.emplace_back("B" + std::to_string(c.AllCelObj.size()), 0u);
        b.PrevPos = b.NewPos = pos;
        b.Radius = radius;
        b.Mass = mass;
    }
}

TEST(FindDeltaT, FollowsTheClosestPairAndTheSquareOfTheBodyCount)
{
    TCelObjCollection two;
    place(two, {{{0, 0, 0}, 0}, {{1, 0, 0}, 0}});
    two.G = 1;
    two.FindDeltaTConstant();
    EXPECT_EQ(two.DeltaTConstant, 4);
    two.FindDeltaT();
    EXPECT_EQ(two.DeltaT, 2e-6);

    // Sides 10, 20 and 25 m: the closest pair is 10 m apart.
    TCelObjCollection three;
    const double cx = (625.0 - 400.0 + 100.0) / 20.0;
    place(three, {{{0, 0, 0}, 0}, {{10, 0, 0}, 0}, {{cx, std::sqrt(625.0 - cx * cx), 0}, 0}}, 2e20f);
    three.FindDeltaTConstant();
    three.FindDeltaT();
    const double M = double(2e20f);
    EXPECT_DOUBLE_EQ(three.DeltaT, 5e-7 * 9 * std::pow(10.0, 1.5) / std::sqrt(three.G * M));
}

class CollisionRule : public testing::Test {
protected:
    // Runs one step that moves nothing (no velocity, no force) and reports the collision test's pair.
    static std::pair<int, int> afterOneStep(TCelObjCollection &c)
    {
        c.G = 0;
        c.DeltaT = 1;
        const auto result = c.RunSteps(1);
        return result.collided ? std::pair(result.collObj1, result.collObj2) : std::pair(-1, -1);
    }
    static std::pair<int, int> named(const TCelObjCollection &c)
    {
        int32_t i = -1, j = -1;
        return c.CheckForCollision(i, j) ? std::pair(int(i), int(j)) : std::pair(-1, -1);
    }
};

TEST_F(CollisionRule, TouchingBodiesDoNotCollideOverlappingOnesDo)
{
    TCelObjCollection touching, overlapping;
    place(touching, {{{0, 0, 0}, 1}, {{2, 0, 0}, 1}});
    place(overlapping, {{{0, 0, 0}, 1}, {{1.999, 0, 0}, 1}});
    EXPECT_EQ(named(touching), std::pair(-1, -1));
    EXPECT_EQ(afterOneStep(touching), std::pair(-1, -1));
    EXPECT_EQ(named(overlapping), std::pair(0, 1));
    EXPECT_EQ(afterOneStep(overlapping), std::pair(0, 1));
}

TEST_F(CollisionRule, BodiesAtTheSamePointCollideEvenWithoutSize)
{
    TCelObjCollection c;
    place(c, {{{0, 0, 0}, 0}, {{5, 5, 5}, 0}, {{5, 5, 5}, 0}});
    EXPECT_EQ(named(c), std::pair(1, 2));
    EXPECT_EQ(afterOneStep(c), std::pair(1, 2));
}

TEST_F(CollisionRule, ReportsTheLowestBodyFirstThenItsLowestPartner)
{
    // 1 overlaps 2 and 3; 3 overlaps 4 too; 0 touches nothing.
    for (size_t extra : {0, 12}) {
        TCelObjCollection c;
        place(c, {{{-100, 0, 0}, 1}, {{0, 0, 0}, 2}, {{3, 0, 0}, 2}, {{0, 3, 0}, 2}, {{0, 6, 0}, 2}});
        for (size_t k = 0; k < extra; ++k)
            place(c, {{{1000.0 * (k + 1), 0, 0}, 1}});
        EXPECT_EQ(named(c), std::pair(1, 2));
        EXPECT_EQ(afterOneStep(c), std::pair(1, 2)) << extra;
    }
}

TEST_F(CollisionRule, FindsAPairFarDownALongList)
{
    TCelObjCollection c;
    for (int k = 0; k < 25; ++k)
        place(c, {{{1000.0 * k, 0, 0}, 1}});
    c.AllCelObj[20].PrevPos = c.AllCelObj[20].NewPos = {9000, 1.5, 0};
    EXPECT_EQ(named(c), std::pair(9, 20));
    EXPECT_EQ(afterOneStep(c), std::pair(9, 20));
}

TEST(UpdatePositions, DisplayedTimeRunsBackwardsWhileTheOrbitsAreReversed)
{
    for (bool viaRunSteps : {false, true}) {
        TCelObjCollection c;
        place(c, {{{0, 0, 0}, 0}, {{1e9, 0, 0}, 0}});
        c.DeltaT = 0.25;
        c.OrbitsReversed = true;
        c.DisplayedTime = 100;
        if (viaRunSteps)
            c.RunSteps(8);
        else
            for (int s = 0; s < 8; ++s)
                c.UpdatePositions();
        EXPECT_EQ(c.Time, 2);
        EXPECT_EQ(c.DisplayedTime, 98);
    }
}

TEST(RunSteps, WithoutAnyAccelerationBodiesMoveByVelocityTimesStep)
{
    TCelObjCollection c;
    place(c, {{{0, 0, 0}, 0}, {{1e9, 0, 0}, 0}, {{0, 1e9, 0}, 0}});
    c.G = 0;
    c.DeltaT = 0.5;
    c.AllCelObj[0].v = {4, -2, 1};
    c.AllCelObj[2].v = {0, 0, 8};
    c.RunSteps(1);
    EXPECT_EQ(c.AllCelObj[0].NewPos, (TMYPoint3D{2, -1, 0.5}));
    EXPECT_EQ(c.AllCelObj[1].NewPos, (TMYPoint3D{1e9, 0, 0}));
    EXPECT_EQ(c.AllCelObj[2].PrevPos, (TMYPoint3D{0, 1e9, 4}));
}

} // namespace
