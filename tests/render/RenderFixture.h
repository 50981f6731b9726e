#pragma once

#include "core/TCelObjCollection.h"
#include "render/CameraRoutines.h"
#include "render/Viewport2D.h"

#include <QColor>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// A main viewport of 400 x 300 logical pixels at device-pixel ratio 1 with an empty Objects and
// Background folder, a camera looking straight down from 0.6 x ScaleFactor, and helpers to add bodies.
class RenderFixture : public ::testing::Test {
protected:
    static constexpr double Scale = 1e9;  // m across the viewport width

    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        viewport = std::make_unique<TViewport2D>(TViewport2D::Kind::Main, 400.0f, 300.0f, 1.0f);
        viewport->ObjectsFolder = folder.path();
        viewport->BackgroundFolder = folder.path();
        collection().ScaleFactor = Scale;
        collection().WidthViewPort2D = 400.0f;
        collection().HeightViewPort2D = 300.0f;
        camera.setAngle(0.0f);
        camera.d = static_cast<float>(0.6 * Scale);
        viewport->SetBackground(false);
    }

    TCelObjCollection &collection() { return viewport->MyCelObjCollection; }

    TCelObj2D &addBody(const std::string &name, uint32_t colour, TMYPoint3D position, float radius = 1e6f,
                       float imageScale = 1.0f)
    {
        TCelObj2D body(name, colour);
        body.Radius = radius;
        body.ImageScale = imageScale;
        body.NewPos = body.PrevPos = body.PosRelToCentralBody = position;
        collection().AllCelObj.push_back(std::move(body));
        return collection().AllCelObj.back();
    }

    // Moves body i to a new display position and records it, as a tick does.
    void moveBody(size_t i, TMYPoint3D position)
    {
        TCelObj2D &body = collection().AllCelObj[i];
        body.NewPos = body.PrevPos = body.PosRelToCentralBody = position;
        body.PositionStorage.WriteToArray(position);
    }

    QRgb pixel(int x, int y) { return viewport->picture().pixel(x, y); }

    QTemporaryDir folder;
    std::unique_ptr<TViewport2D> viewport;
    TCamera2D camera;
};

inline int countPixels(const QImage &image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour ? 1 : 0;
    return n;
}

inline int countPixelsNot(const QImage &image, QRgb colour)
{
    return image.width() * image.height() - countPixels(image, colour);
}
