#include "render/CameraRoutines.h"
#include "render/DrawtoScreen.h"
#include "render/Viewport2D.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <numbers>

namespace {

constexpr double Scale = 1e12;  // m across the view
constexpr int Bodies = 10;

// Ten bodies on inclined circles around the origin, each with a full trail buffer of 8000 positions,
// on a 1600 x 900 main view seen at 30 degrees.
struct Scene {
    QTemporaryDir folder;
    TViewport2D viewport{TViewport2D::Kind::Main, 1600.0f, 900.0f, 1.0f};
    TCamera2D camera;
    int step = 0;

    Scene()
    {
        viewport.ObjectsFolder = folder.path();
        auto &c = viewport.MyCelObjCollection;
        c.ScaleFactor = Scale;
        c.Options.ShowTrails = true;
        camera.setAngle(static_cast<float>(std::numbers::pi / 6));
        camera.d = static_cast<float>(0.6 * Scale);
        for (int b = 0; b < Bodies; ++b) {
            TCelObj2D body("Body" + std::to_string(b), 0xFF000000u | (0x1F3F7Fu * (b + 1)));
            body.Radius = 7e6f;
            body.ImageScale = 100.0f;
            c.AllCelObj.push_back(std::move(body));
        }
        for (int k = 0; k < TCelObj2D::TrailCapacity; ++k)
            advance();
        SetPrevScreenPositions(camera, c, viewport);
    }
    // One tick of motion: every body a little further on its orbit, one trail sample stored.
    void advance()
    {
        ++step;
        for (int b = 0; b < Bodies; ++b) {
            TCelObj2D &body = viewport.MyCelObjCollection.AllCelObj[b];
            const double r = Scale * (0.04 + 0.035 * b);
            const double phase = step * 2 * std::numbers::pi / (500.0 + 300 * b);
            const double tilt = 0.05 * (b - 4.5);
            body.PosRelToCentralBody = {r * std::cos(phase), r * std::sin(phase) * std::cos(tilt),
                                        r * std::sin(phase) * std::sin(tilt)};
            body.PositionStorage.WriteToArray(body.PosRelToCentralBody);
        }
    }
};

void BM_RedrawViewport(benchmark::State &state)
{
    Scene scene;
    for (auto _ : state)
        RedrawViewport(scene.camera, scene.viewport.MyCelObjCollection, scene.viewport);
    state.SetItemsProcessed(state.iterations() * Bodies * TCelObj2D::TrailCapacity);
}
BENCHMARK(BM_RedrawViewport)->Unit(benchmark::kMillisecond);

void BM_TickDrawing(benchmark::State &state)
{
    Scene scene;
    auto &c = scene.viewport.MyCelObjCollection;
    for (auto _ : state) {
        state.PauseTiming();
        scene.advance();
        state.ResumeTiming();
        DrawTrails(scene.camera, c, scene.viewport);
        SetPrevScreenPositions(scene.camera, c, scene.viewport);
        DrawBodies(scene.camera, c, scene.viewport);
    }
}
BENCHMARK(BM_TickDrawing)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
