#include "RenderFixture.h"

#include "render/CoordinateAxes.h"
#include "render/DrawtoScreen.h"

#include <QThreadPool>

#include <numbers>

namespace {

class CoordinateAxesTest : public RenderFixture {
protected:
    void drawAxes() { DrawAxes(camera, collection(), *viewport, NumberLocale::point()); }
    int grey(int x, int y)
    {
        const QRgb p = pixel(x, y);
        EXPECT_TRUE(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p));
        return qRed(p);
    }
    // Whether any pixel of the rectangle differs from the background.
    bool somethingIn(QRect rect, QRgb background)
    {
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                if (pixel(x, y) != background)
                    return true;
        return false;
    }
};

} // namespace

TEST_F(CoordinateAxesTest, BlackOnWhiteAndWhiteOnBlack)
{
    viewport->WhiteBackground = true;
    viewport->SetBackground(false);
    drawAxes();
    // The axes at opacity 0.8, the other grid lines at 0.4.
    EXPECT_NEAR(grey(330, 150), 51, 1);
    EXPECT_NEAR(grey(200, 280), 51, 1);
    EXPECT_EQ(pixel(220, 260), 0xFFFFFFFFu);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x)
            ASSERT_TRUE(qRed(pixel(x, y)) == qGreen(pixel(x, y)) && qGreen(pixel(x, y)) == qBlue(pixel(x, y)));

    viewport->WhiteBackground = false;
    viewport->SetBackground(false);
    drawAxes();
    EXPECT_NEAR(grey(330, 150), 204, 1);
}

TEST_F(CoordinateAxesTest, GridLinesEveryTickWeakerThanTheAxes)
{
    drawAxes();
    // ScaleFactor 1e9 m: tick 1e8 m = 40 pixels; lines at x = 200 +- 40 k.
    EXPECT_NEAR(grey(240, 220), 102, 1);
    EXPECT_NEAR(grey(280, 220), 102, 1);
    EXPECT_EQ(pixel(260, 220), 0xFF000000u);
}

TEST_F(CoordinateAxesTest, AxisNamesAndTickLabelsAreWritten)
{
    drawAxes();
    // "x / km" above the x-axis at the right edge, tick labels above the x-axis and left of the y-axis.
    EXPECT_TRUE(somethingIn(QRect(352, 125, 40, 18), 0xFF000000u));
    EXPECT_TRUE(somethingIn(QRect(265, 125, 30, 18), 0xFF000000u));   // at x = 280 (2e8 m: "200000")
    EXPECT_TRUE(somethingIn(QRect(160, 60, 38, 18), 0xFF000000u));    // at y = 70
    EXPECT_FALSE(somethingIn(QRect(290, 52, 25, 12), 0xFF000000u));   // between lines, no text
}

TEST_F(CoordinateAxesTest, EdgeOnViewAndMissingDistanceFinish)
{
    camera.setAngle(static_cast<float>(std::numbers::pi / 2));
    drawAxes();
    EXPECT_GT(grey(330, 150), 200);  // every line parallel to the x-axis lies on it
    viewport->SetBackground(false);
    camera.d = 0.0f;
    drawAxes();  // every point would sit at the eye: nothing is drawn, and it returns
    EXPECT_EQ(countPixelsNot(viewport->picture(), 0xFF000000u), 0);
}

TEST_F(CoordinateAxesTest, BackgroundTaskPaintsWhileTheUserInterfaceThreadDraws)
{
    collection().Options.ShowTrails = true;
    addBody("B", 0xFFFF8020u, {0, 0, 0});
    SetPrevScreenPositions(camera, collection(), *viewport);
    for (int k = 0; k < 30; ++k) {
        StartDrawAxes(camera, collection(), *viewport, NumberLocale::point());
        moveBody(0, {k * 1e7, 1e7, 0});
        DrawTrails(camera, collection(), *viewport);
        SetPrevScreenPositions(camera, collection(), *viewport);
        DrawBodies(camera, collection(), *viewport);
        if (k % 10 == 0)
            RedrawViewport(camera, collection(), *viewport);
        camera.setAngle(static_cast<float>(k * std::numbers::pi / 60));
    }
    QThreadPool::globalInstance()->waitForDone();
    EXPECT_GT(countPixelsNot(viewport->picture(), 0xFF000000u), 0);
    StartDrawAxes(camera, collection(), *viewport, NumberLocale::point());
    viewport.reset();  // waits for the task still painting into it
}
