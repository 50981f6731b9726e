#include "RenderFixture.h"

#include "render/Arrows.h"
#include "render/DrawtoScreen.h"
#include "render/GradientCircle.h"

namespace {

constexpr QRgb Red = 0xFFFF0000u;

class ArrowsTest : public RenderFixture {
protected:
    int paintedRows(int x, int yFrom, int yTo)
    {
        int rows = 0;
        for (int y = yFrom; y <= yTo; ++y)
            rows += qRed(pixel(x, y)) > 150 ? 1 : 0;
        return rows;
    }
    void drawVelocityArrows()
    {
        collection().CalcVelocityArrowScaleFactor();
        SetPrevScreenPositions(camera, collection(), *viewport);
        DrawVelocityArrows(camera, collection(), *viewport, collection().OrFrac);
    }
};

} // namespace

TEST_F(ArrowsTest, ArrowsOfTenPixelsOrLessAreNotPainted)
{
    DrawArrow(ArrowKind::Acceleration, *viewport, {100, 100}, {110, 100}, Red);
    DrawArrow(ArrowKind::Velocity, *viewport, {100, 100}, {106, 108}, Red);
    DrawArrow(ArrowKind::Velocity, *viewport, {100, 100}, {100, 100}, Red);
    EXPECT_EQ(countPixelsNot(viewport->picture(), 0xFF000000u), 0);
    DrawArrow(ArrowKind::Velocity, *viewport, {100, 100}, {110.5f, 100}, Red);
    EXPECT_GT(countPixelsNot(viewport->picture(), 0xFF000000u), 0);
}

TEST_F(ArrowsTest, ShaftAtSevenTenthsOpacityThreeOrTwoPixelsWide)
{
    DrawArrow(ArrowKind::Acceleration, *viewport, {50, 100.5f}, {150, 100.5f}, Red);
    EXPECT_EQ(paintedRows(100, 90, 110), 3);
    EXPECT_NEAR(qRed(pixel(100, 100)), 178, 1);
    DrawArrow(ArrowKind::Velocity, *viewport, {50, 200}, {150, 200}, Red);
    EXPECT_EQ(paintedRows(100, 190, 210), 2);
}

TEST_F(ArrowsTest, BarbsAreTenPixelsUpToTwentyFiveAndFifteenBeyond)
{
    // Pointing right: barbs to T + (round(L cos 148.5deg), round(L sin 148.5deg)) and at 204.75deg.
    DrawArrow(ArrowKind::Acceleration, *viewport, {100, 100}, {120, 100}, Red);
    EXPECT_GT(qRed(pixel(111, 105)), 80);
    EXPECT_GT(qRed(pixel(111, 96)), 80);
    EXPECT_EQ(pixel(106, 108), 0xFF000000u);
    DrawArrow(ArrowKind::Acceleration, *viewport, {100, 200}, {130, 200}, Red);
    EXPECT_GT(qRed(pixel(117, 208)), 80);  // (-13, 8)
    EXPECT_GT(qRed(pixel(116, 194)), 80);  // (-14, -6)
}

TEST_F(ArrowsTest, VerticalArrowsPointStraightDownOrUp)
{
    DrawArrow(ArrowKind::Acceleration, *viewport, {100, 100}, {100, 130}, Red);
    EXPECT_GT(qRed(pixel(92, 117)), 80);   // theta = pi/2: (-8, -13)
    EXPECT_GT(qRed(pixel(106, 116)), 80);  // (6, -14)
    DrawArrow(ArrowKind::Acceleration, *viewport, {300, 130}, {300, 100}, Red);
    EXPECT_GT(qRed(pixel(308, 113)), 80);  // theta = -pi/2: (8, 13)
    EXPECT_GT(qRed(pixel(294, 114)), 80);  // (-6, 14)
}

TEST_F(ArrowsTest, VelocityArrowIsLighterAndScalesWithTheCorrection)
{
    addBody("B", Red, {0, 0, 0}).v = {1000, 0, 0};
    // 400 pixels: the longest arrow is 400^2 / 5e4 = 3.2 pixels times the correction.
    collection().ArrowScaleCorrection = 1.0f;
    drawVelocityArrows();
    EXPECT_EQ(countPixelsNot(viewport->picture(), 0xFF000000u), 0);
    collection().ArrowScaleCorrection = 5.0f;
    drawVelocityArrows();
    const QColor lighter = TSphere2D::ChangeLightness(QColor::fromRgba(Red), 0.3);
    EXPECT_NEAR(viewport->picture().pixelColor(208, 150).red(), lighter.red() * 0.7, 2);
    EXPECT_NEAR(viewport->picture().pixelColor(208, 150).green(), lighter.green() * 0.7, 2);
    EXPECT_EQ(pixel(225, 150), 0xFF000000u);
    collection().ArrowScaleCorrection = 10.0f;
    drawVelocityArrows();
    EXPECT_NE(pixel(225, 150), 0xFF000000u);
}

TEST_F(ArrowsTest, NoArrowsWhenNothingAccelerates)
{
    addBody("A", Red, {0, 0, 0});
    addBody("B", Red, {1e8, 0, 0});
    collection().CalcAccelerationArrowScaleFactor();
    SetPrevScreenPositions(camera, collection(), *viewport);
    DrawAccelerationArrows(camera, collection(), *viewport, collection().OrFrac);
    EXPECT_EQ(countPixelsNot(viewport->picture(), 0xFF000000u), 0);
    EXPECT_EQ(ArrowEndPoint({1, 2, 3}, {1, 0, -1}, 2.0f), (TMYPoint3D{3, 2, 1}));
}
