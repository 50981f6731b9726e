#include "render/CameraRoutines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr TPointF Centre{0.5f, 0.5f};

class TCamera2DExamples : public ::testing::TestWithParam<double> {
protected:
    void SetUp() override
    {
        S = GetParam();
        camera.setAngle(0.0f);
        camera.d = static_cast<float>(0.6 * S);
    }
    TPointF project(TMYPoint3D P) const { return camera.RealPosToScreenPos(P, static_cast<float>(S), 1000, 600, Centre); }

    double S = 0.0;
    TCamera2D camera;
};

} // namespace

TEST(TCamera2D, ResetKeepsDistanceAndSetsThetaToHalfPi)
{
    TCamera2D camera;
    camera.setAngle(0.5f);
    camera.d = 123.0f;
    camera.Reset();
    EXPECT_EQ(camera.Phi, 0.0f);
    EXPECT_EQ(camera.Theta, 1.5707964f);
    EXPECT_EQ(camera.d, 123.0f);
    EXPECT_EQ(camera.sinPhi, std::sin(0.5f));  // the cache is the caller's to refresh
}

TEST_P(TCamera2DExamples, PointsInThePlaneProjectExactly)
{
    EXPECT_EQ(project({0.25 * S, 0, 0}), (TPointF{750.0f, 300.0f}));
    EXPECT_EQ(project({0, 0.1 * S, 0}), (TPointF{500.0f, 200.0f}));
}

TEST_P(TCamera2DExamples, HalfWayToTheCameraDoublesTheDistanceFromTheOrigin)
{
    const TPointF p = project({0.25 * S, 0, 0.3 * S});
    EXPECT_FLOAT_EQ(p.X, 1000.0f);
    EXPECT_FLOAT_EQ(p.Y, 300.0f);
}

// Screen coordinates are single precision: the examples come out exactly for scales whose tenth and
// quarter keep their ratio to the scale in single precision, as these do.
INSTANTIATE_TEST_SUITE_P(Scales, TCamera2DExamples, ::testing::Values(1e9, 1e10, 4e11, 1e12, 7.3e5));

TEST(TCamera2D, DepthZeroIsNotFiniteAndBehindTheCameraIsMirrored)
{
    TCamera2D camera;
    camera.setAngle(0.0f);
    camera.d = 600.0f;
    const TPointF atEye = camera.RealPosToScreenPos({100, 0, 600}, 1000, 1000, 600, Centre);
    EXPECT_FALSE(std::isfinite(atEye.X));
    EXPECT_FALSE(camera.IsInFrontOfNearPlane(camera.CameraCoord({100, 0, 600})));
    const TPointF behind = camera.RealPosToScreenPos({100, 0, 1200}, 1000, 1000, 600, Centre);
    EXPECT_LT(behind.X, 500.0f);  // +x lands left of the origin point
    EXPECT_FALSE(camera.IsInFrontOfNearPlane(camera.CameraCoord({100, 0, 1200})));
}

TEST(TCamera2D, XAxisStaysOnTheOriginLineAtEveryAngle)
{
    TCamera2D camera;
    camera.d = 600.0f;
    for (int degrees = 0; degrees <= 90; degrees += 5) {
        camera.setAngle(static_cast<float>(degrees * std::numbers::pi / 180));
        const TMYPoint3D c = camera.CameraCoord({250, 0, 0});
        EXPECT_EQ(c.Z, 600.0) << degrees;
        const TPointF p = camera.CameraCoordToScreenPos(c, 1000, 1000, 600, Centre);
        EXPECT_FLOAT_EQ(p.Y, 300.0f) << degrees;
        EXPECT_FLOAT_EQ(p.X, 750.0f) << degrees;
    }
}

TEST(TCamera2D, EdgeOnViewPutsZUpAndYIntoTheDepth)
{
    TCamera2D camera;
    camera.d = 600.0f;
    camera.setAngle(static_cast<float>(std::numbers::pi / 2));
    EXPECT_NEAR(camera.CameraCoord({0, 100, 0}).Z, 700.0, 1e-3);
    EXPECT_LT(camera.RealPosToScreenPos({0, 0, 100}, 1000, 1000, 600, Centre).Y, 300.0f);
}

TEST(TCamera2D, StaleSinAndCosKeepTheOldAngle)
{
    TCamera2D camera;
    camera.d = 600.0f;
    camera.setAngle(0.0f);
    const TPointF before = camera.RealPosToScreenPos({0, 100, 50}, 1000, 1000, 600, Centre);
    camera.Phi = 1.0f;
    EXPECT_EQ(camera.RealPosToScreenPos({0, 100, 50}, 1000, 1000, 600, Centre), before);
}

TEST(TCamera2D, ImageCornerIsCentredOnTheProjectedPoint)
{
    TCamera2D camera;
    camera.setAngle(0.0f);
    camera.d = 600.0f;
    EXPECT_EQ(camera.RealPosToScreenPosImage({250, 0, 0}, 1000, 1000, 600, Centre, 20, 10), (TPointF{740.0f, 295.0f}));
}
