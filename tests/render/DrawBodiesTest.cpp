#include "RenderFixture.h"

#include "render/DrawtoScreen.h"

#include <numbers>

namespace {

class DrawBodiesTest : public RenderFixture {
protected:
    void draw()
    {
        SetPrevScreenPositions(camera, collection(), *viewport);
        DrawBodies(camera, collection(), *viewport);
    }
    const BodyImage &image(size_t i) const { return viewport->BodyImages[i]; }
    // Radius (m) of a body drawn `pixels` across at the plane's depth: 400 pixels span Scale metres.
    static float radiusFor(double pixels) { return static_cast<float>(pixels * Scale / 400 / 2); }
};

} // namespace

TEST_F(DrawBodiesTest, BodyAtDepthExactlyOneHundredthOfTheDistanceIsHidden)
{
    const double d = camera.d;  // 6e8 m: d/100 and d - d/100 are exact
    addBody("Near", 0xFFFF0000u, {0, 0, d - d / 100});
    addBody("Beyond", 0xFFFF0000u, {0, 0, d - d / 100 - 1e6});
    addBody("Behind", 0xFFFF0000u, {0, 0, 2 * d});
    draw();
    EXPECT_FALSE(image(0).Visible);
    EXPECT_TRUE(image(1).Visible);
    EXPECT_FALSE(image(2).Visible);
}

TEST_F(DrawBodiesTest, ImagesAreNeverSmallerThanSixPixels)
{
    const struct {
        double projected;
        float drawn;
    } cases[] = {{6.5, 6.0f}, {7.0, 7.0f}, {0.1, 6.0f}, {20.0, 20.0f}};
    for (const auto &c : cases) {
        collection().AllCelObj.clear();
        addBody("B", 0xFFFF0000u, {1e8, 5e7, 0}, radiusFor(c.projected));
        draw();
        EXPECT_NEAR(image(0).Width, c.drawn, 1e-3) << c.projected;
        EXPECT_EQ(image(0).Height, image(0).Width);
        const TCelObj2D &body = collection().AllCelObj[0];
        EXPECT_FLOAT_EQ(body.ImageUpperLeftPos.X, body.PrevScreenPos.X - image(0).Width / 2);
        EXPECT_EQ(image(0).Position, body.ImageUpperLeftPos);
    }
}

TEST_F(DrawBodiesTest, ImageScaleEnlargesTheDrawnSize)
{
    addBody("B", 0xFFFF0000u, {0, 0, 0}, radiusFor(10), 3.0f);
    draw();
    EXPECT_NEAR(image(0).Width, 30.0f, 1e-3);
}

TEST_F(DrawBodiesTest, NearerOfTwoOverlappingBodiesIsInFrontAndFlipsWithTheAngle)
{
    const float r = radiusFor(16);
    addBody("Low", 0xFFFF0000u, {0, -2e7, 0}, r);   // nearer when seen edge-on
    addBody("High", 0xFF0000FFu, {0, 0, 2e7}, r);   // nearer when seen from above
    draw();
    EXPECT_TRUE(viewport->isAbove(1, 0));
    camera.setAngle(static_cast<float>(std::numbers::pi / 2));
    draw();
    EXPECT_TRUE(viewport->isAbove(0, 1));
    camera.setAngle(0.0f);
    draw();
    EXPECT_TRUE(viewport->isAbove(1, 0));
}

TEST_F(DrawBodiesTest, ThreeOverlappingBodiesStackNearestOnTop)
{
    const float r = radiusFor(20);
    addBody("Middle", 0xFFFF0000u, {0, 0, 1e7}, r);
    addBody("Far", 0xFF00FF00u, {0, 0, 0}, r);
    addBody("Near", 0xFF0000FFu, {0, 0, 2e7}, r);
    draw();
    EXPECT_TRUE(viewport->isAbove(2, 0));
    EXPECT_TRUE(viewport->isAbove(0, 1));
}

TEST_F(DrawBodiesTest, BodiesThatOverlapNothingKeepTheirStacking)
{
    const float r = radiusFor(8);
    addBody("Left", 0xFFFF0000u, {-2e8, 0, 2e7}, r);
    addBody("Right", 0xFF00FF00u, {2e8, 0, 0}, r);
    draw();
    EXPECT_TRUE(viewport->isAbove(1, 0));  // collection order, although the first is nearer
}

TEST_F(DrawBodiesTest, CentreOfMassMarkerIsAboveEveryBody)
{
    collection().CMObj.Visible = true;
    const float r = radiusFor(30);
    addBody("A", 0xFFFF0000u, {0, 0, 1e7}, r);
    addBody("B", 0xFF00FF00u, {0, 0, 0}, r);
    draw();
    EXPECT_EQ(viewport->stackingOrder().back(), TViewport2D::MarkerId);
    EXPECT_TRUE(viewport->CMImage.Visible);
    EXPECT_EQ(viewport->CMImage.Position, (TPointF{197.0f, 147.0f}));
    const QImage view = viewport->ComposeView();
    EXPECT_GT(qGreen(view.pixel(200, 150)), 150);
    EXPECT_LT(qRed(view.pixel(200, 150)), 100);
}

TEST_F(DrawBodiesTest, ZOrderContainsFindsItemNumbers)
{
    const std::vector<TZOrder> list{{3, 1.0}, {5, 0.5}};
    EXPECT_TRUE(ZOrderContains(5, list));
    EXPECT_FALSE(ZOrderContains(4, list));
}
