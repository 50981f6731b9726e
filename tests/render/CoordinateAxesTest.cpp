#include "RenderFixture.h"

#include "render/CoordinateAxes.h"
#include "render/DrawtoScreen.h"

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
    viewport->waitForAxesTasks();
    EXPECT_NE(pixel(330, 150), 0xFF000000u);  // the x-axis of the tasks started after the last redraw
    StartDrawAxes(camera, collection(), *viewport, NumberLocale::point());
    viewport.reset();  // waits for the task still painting into it
}

namespace {

// An 800 x 600 view straight down, the origin centred, labels 40 x 16 pixels.
class AxesLayoutTest : public ::testing::Test {
protected:
    AxesView view(double scale, TPointF orFrac = {0.5f, 0.5f}, float W = 800, float H = 600, double degrees = 0)
    {
        AxesView v;
        v.camera.setAngle(static_cast<float>(degrees * std::numbers::pi / 180));
        v.camera.d = static_cast<float>(0.6 * scale);
        v.ScaleFactor = scale;
        v.OrFrac = orFrac;
        v.W = W;
        v.H = H;
        return v;
    }
    static std::vector<std::string> texts(const AxesLayout &layout)
    {
        std::vector<std::string> out;
        for (const auto &label : layout.labels)
            out.push_back(label.text);
        return out;
    }
    static const AxesLayout::Label *find(const AxesLayout &layout, const std::string &text, double left)
    {
        for (const auto &label : layout.labels)
            if (label.text == text && label.box.left() == left)
                return &label;
        return nullptr;
    }
};

} // namespace

TEST_F(AxesLayoutTest, TickFromTheNiceScaleAndLabelsInKilometres)
{
    const AxesLayout layout = LayOutAxes(view(4e11), 40, 16);
    EXPECT_EQ(layout.tick, 5e10);
    // 17 lines parallel to the y-axis; of those parallel to the x-axis only the 7 that lie on screen.
    EXPECT_EQ(layout.lines.size(), 17u + 7u);
    // Every second line is labelled, 100 pixels apart; those at the edges are left out.
    EXPECT_EQ(texts(layout), (std::vector<std::string>{"-1E8", "y / km", "x / km", "1E8", "-1E8", "1E8"}));
    const auto *x = find(layout, "1E8", 600 - 20);
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(x->box, QRectF(580, 300 - 16 - 5, 40, 16));
    EXPECT_EQ(x->alignment, Qt::AlignLeft | Qt::AlignVCenter);
    const auto *y = find(layout, "1E8", 400 - 40);
    ASSERT_NE(y, nullptr);
    EXPECT_EQ(y->box, QRectF(360, 100 - 8, 40, 16));
    EXPECT_EQ(y->alignment, Qt::AlignLeft | Qt::AlignTop);
    EXPECT_NE(find(layout, "x / km", 750), nullptr);
    EXPECT_NE(find(layout, "y / km", 400 - 40 - 15), nullptr);
}

TEST_F(AxesLayoutTest, PanningAddsLinesOnBothSides)
{
    const AxesLayout layout = LayOutAxes(view(4e11, {0.8f, 0.5f}), 40, 16);
    EXPECT_EQ(layout.iMin, -11);
    EXPECT_EQ(layout.iMax, 11);
    EXPECT_EQ(layout.jMin, -8);
    EXPECT_EQ(layout.jMax, 8);
}

TEST_F(AxesLayoutTest, TickLabelsWithinFiftyPixelsOfTheEdgeAreLeftOut)
{
    // 1000 pixels for 1e12 m: the line i = -2 lies 200 pixels left of the origin.
    EXPECT_NE(find(LayOutAxes(view(1e12, {0.27f, 0.5f}, 1000), 40, 16), "-2E8", 50), nullptr);
    const AxesLayout cut = LayOutAxes(view(1e12, {0.269f, 0.5f}, 1000), 40, 16);
    EXPECT_EQ(find(cut, "-2E8", 49), nullptr);
    for (const auto &label : cut.labels)
        EXPECT_FALSE(label.text == "-2E8" && label.box.top() == 300 - 16 - 5);
}

TEST_F(AxesLayoutTest, EdgeOnTheLinesParallelToTheXAxisCollapseOntoIt)
{
    const AxesLayout layout = LayOutAxes(view(4e11, {0.5f, 0.5f}, 800, 600, 90), 40, 16);
    int onAxis = 0;
    for (const auto &line : layout.lines) {
        EXPECT_TRUE(std::isfinite(line.a.X) && std::isfinite(line.a.Y) && std::isfinite(line.b.X));
        onAxis += std::fabs(line.a.Y - 300) < 0.5 && std::fabs(line.b.Y - 300) < 0.5 ? 1 : 0;
    }
    // All 17 lines parallel to the x-axis are drawn now, each on the axis.
    EXPECT_EQ(layout.lines.size(), 34u);
    EXPECT_GE(onAxis, 17);
    AxesView noDistance = view(4e11);
    noDistance.camera.d = 0;
    EXPECT_TRUE(LayOutAxes(noDistance, 40, 16).lines.empty());
}
