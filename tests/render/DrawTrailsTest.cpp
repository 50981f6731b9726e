#include "RenderFixture.h"

#include "render/DrawtoScreen.h"
#include "render/GradientCircle.h"

#include <numbers>

namespace {

constexpr QRgb Orange = 0xFFFF8020u;

QRgb darker(QRgb colour) { return TSphere2D::ChangeLightness(QColor::fromRgba(colour), -0.3).rgba(); }

// Bodies are set up with a first screen position; a tick moves them and draws as the run loop does.
class DrawTrailsTest : public RenderFixture {
protected:
    void start()
    {
        SetPrevScreenPositions(camera, collection(), *viewport);
        DrawBodies(camera, collection(), *viewport);
    }
    void tick(size_t i, TMYPoint3D position)
    {
        moveBody(i, position);
        DrawTrails(camera, collection(), *viewport);
        SetPrevScreenPositions(camera, collection(), *viewport);
        DrawBodies(camera, collection(), *viewport);
    }
    // 400 pixels span 1e9 m; the origin is at (200, 150).
    static double metres(double pixels) { return pixels * Scale / 400; }
};

} // namespace

TEST_F(DrawTrailsTest, SegmentInTheBodysColourAndDarkerBelowThePlane)
{
    addBody("Above", Orange, {0, metres(50), 0});
    addBody("Below", Orange, {0, metres(-50), -metres(1)});
    start();
    tick(0, {metres(40), metres(50), 0});
    EXPECT_EQ(pixel(220, 100), Orange);
    EXPECT_EQ(pixel(220, 200), 0xFF000000u);  // the other body has not moved yet
    tick(1, {metres(40), metres(-50), -metres(1)});
    EXPECT_NE(darker(Orange), Orange);
    // Below the plane is farther away: the segment lies a fraction of a pixel nearer the origin line.
    EXPECT_TRUE(pixel(220, 199) == darker(Orange) || pixel(220, 200) == darker(Orange));
    EXPECT_EQ(pixel(250, 100), 0xFF000000u);
}

TEST(TrailColour, DarkerOnlyNoticeablyBelowThePlane)
{
    EXPECT_EQ(TrailColour(Orange, -1.0, 1e12).rgba(), Orange);
    EXPECT_EQ(TrailColour(Orange, -1e6, 1e12).rgba(), Orange);
    EXPECT_EQ(TrailColour(Orange, -2e6, 1e12).rgba(), darker(Orange));
    EXPECT_EQ(TrailColour(Orange, 5e9, 1e12).rgba(), Orange);
}

TEST_F(DrawTrailsTest, NoSegmentForABodyAtTheNearPlane)
{
    addBody("B", Orange, {0, 0, 0});
    start();
    tick(0, {0, metres(40), camera.d * 0.995});
    EXPECT_EQ(countPixelsNot(viewport->picture(), 0xFF000000u), 0);
}

TEST_F(DrawTrailsTest, RedrawReplaysStoredPositionsOverAFreshBackground)
{
    collection().Options.ShowTrails = true;
    addBody("B", Orange, {0, 0, 0});
    collection().AllCelObj[0].PositionStorage.WriteToArray({0, 0, 0});
    for (int k = 1; k <= 40; ++k)
        moveBody(0, {metres(k), 0, 0});
    {
        QPainter painter(&viewport->picture());
        painter.fillRect(QRect(0, 0, 10, 10), Qt::red);
    }
    RedrawViewport(camera, collection(), *viewport);
    EXPECT_EQ(pixel(5, 5), 0xFF000000u);
    for (int x = 201; x < 240; x += 7)
        EXPECT_EQ(pixel(x, 150), Orange) << x;
    EXPECT_EQ(pixel(245, 150), 0xFF000000u);
    // The new view is drawn too: the body stands at its latest position.
    EXPECT_NEAR(viewport->BodyImages[0].rect().center().x(), 240, 1e-3);
}

TEST_F(DrawTrailsTest, RedrawWithOneStoredPositionDrawsNoSegment)
{
    collection().Options.ShowTrails = true;
    addBody("B", Orange, {0, 0, 0});
    collection().AllCelObj[0].PositionStorage.WriteToArray({0, 0, 0});
    RedrawViewport(camera, collection(), *viewport);
    EXPECT_EQ(countPixelsNot(viewport->picture(), 0xFF000000u), 0);
}

TEST_F(DrawTrailsTest, RedrawStartsAtTheOldestKeptPosition)
{
    collection().Options.ShowTrails = true;
    addBody("B", Orange, {0, 0, 0});
    moveBody(0, {metres(-150), metres(-100), 0});  // overwritten by the 8001st sample
    for (int k = 0; k < TCelObj2D::TrailCapacity; ++k)
        moveBody(0, {metres(k % 2 ? 100 : 90), metres(100), 0});
    RedrawViewport(camera, collection(), *viewport);
    EXPECT_EQ(pixel(295, 50), Orange);
    EXPECT_EQ(pixel(170, 150), 0xFF000000u);  // half-way from the dropped first sample
}

TEST_F(DrawTrailsTest, RedrawSkipsTheViewsCentralBodyWhileTheCentreOfMassRests)
{
    collection().Options.ShowTrails = true;
    addBody("Sun", Orange, {0, 0, 0});
    collection().CentralCelObj = 0;
    for (int k = 1; k <= 40; ++k)
        moveBody(0, {metres(k), 0, 0});  // would be a trail if it were replayed
    RedrawViewport(camera, collection(), *viewport);
    EXPECT_EQ(countPixelsNot(viewport->picture(), 0xFF000000u), 0);
    collection().CMObj.VelCM = {1, 0, 0};
    RedrawViewport(camera, collection(), *viewport);
    EXPECT_EQ(pixel(220, 150), Orange);
}

TEST_F(DrawTrailsTest, OrbitProjectionDotsEveryTenthTickAndDropLinesOnlyAbove)
{
    camera.setAngle(static_cast<float>(60 * std::numbers::pi / 180));
    collection().Options.ShowOrbitProjec = true;
    addBody("Up", Orange, {metres(-80), 0, metres(60)});
    addBody("Down", 0xFF20A0FFu, {metres(80), 0, -metres(60)});
    start();
    collection().OrbitProjecIndicator = 9;
    tick(0, {metres(-80), 0, metres(60)});
    EXPECT_EQ(pixel(120, 150), 0xFF000000u);  // the foot of the drop line: no dot yet
    collection().OrbitProjecIndicator = 10;
    tick(0, {metres(-80), 0, metres(60)});
    tick(1, {metres(80), 0, -metres(60)});
    // Points on the x-axis are never foreshortened: the feet lie on the origin line.
    EXPECT_EQ(pixel(120, 150), Orange);
    const TPointF up = collection().AllCelObj[0].PrevScreenPos;
    EXPECT_EQ(pixel(qRound((up.X + 120) / 2), qRound((up.Y + 150) / 2)), Orange);
    EXPECT_EQ(pixel(280, 150), darker(0xFF20A0FFu));
    const TPointF down = collection().AllCelObj[1].PrevScreenPos;
    EXPECT_EQ(pixel(qRound((down.X + 280) / 2), qRound((down.Y + 150) / 2)), 0xFF000000u);
}

TEST_F(DrawTrailsTest, PeriodicStampsSkipTheCentralBodyAndBodiesThatShowNone)
{
    addBody("Sun", 0xFFFFFF00u, {0, 0, 0}, 2e7f).CentralBody = true;
    addBody("Earth", 0xFF2060FFu, {metres(100), 0, 0}, 2e7f);
    addBody("Moon", 0xFFC0C0C0u, {metres(-100), 0, 0}, 2e7f).ShowIMPos = false;
    collection().CentralCelObj = 0;
    start();
    DrawIntermediatePositions(collection(), *viewport);
    EXPECT_EQ(pixel(200, 150), 0xFF000000u);
    EXPECT_NE(pixel(300, 150), 0xFF000000u);
    EXPECT_EQ(pixel(100, 150), 0xFF000000u);
}

TEST_F(DrawTrailsTest, MarkerIsStampedOnlyWhenItMovesOnScreen)
{
    collection().Options.ShowTrails = true;
    collection().CMObj.Visible = true;
    collection().CMObj.PosRelToCentralBody = {metres(50), metres(50), 0};
    addBody("Earth", 0xFF2060FFu, {metres(100), 0, 0}).ShowIMPos = false;
    start();
    DrawIntermediatePositions(collection(), *viewport);
    EXPECT_EQ(countPixelsNot(viewport->picture(), 0xFF000000u), 0);
    collection().CMObj.VelCM = {0, 1, 0};
    DrawIntermediatePositions(collection(), *viewport);
    EXPECT_GT(qGreen(pixel(250, 100)), 100);
}

TEST_F(DrawTrailsTest, LinesFromTheCentreOfMassInTheBodysColour)
{
    collection().CMObj.Visible = true;
    addBody("Earth", 0xFF2060FFu, {metres(100), 0, 0});
    addBody("Moon", 0xFFC0C0C0u, {metres(-100), 0, 0}).ShowIMPos = false;
    start();
    DrawLinesFromCM(collection(), *viewport);
    EXPECT_EQ(pixel(250, 150), 0xFF2060FFu);
    EXPECT_EQ(pixel(150, 150), 0xFF000000u);
}
