#include "cli/RenderCommand.h"

#include "cli/CliSimulation.h"
#include "core/MessageSink.h"
#include "core/RunLoop.h"
#include "render/Arrows.h"
#include "render/CameraRoutines.h"
#include "render/CoordinateAxes.h"
#include "render/DrawtoScreen.h"
#include "render/Viewport2D.h"

#include <QGuiApplication>
#include <QString>

#include <charconv>
#include <cmath>
#include <memory>
#include <numbers>
#include <optional>

namespace {

struct RenderArguments {
    std::string file;
    long long ticks = 100;
    int width = 800;  // logical pixels of the main view
    int height = 600;
    std::optional<double> angleDegrees;  // the file's camera angle when absent
    bool white = false;
    std::string png;  // FILE with the extension .png when absent
};

template <typename T>
bool parseNumber(const std::string &text, T &value)
{
    const auto res = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && res.ec == std::errc() && res.ptr == text.data() + text.size();
}

bool parseSize(const std::string &text, int &width, int &height)
{
    const auto x = text.find('x');
    return x != std::string::npos && parseNumber(text.substr(0, x), width) && parseNumber(text.substr(x + 1), height) &&
           width >= 16 && height >= 16 && width <= 10000 && height <= 10000;
}

bool refuse(const std::string &text)
{
    InfoErrorDialog(text);
    return false;
}

bool parseArguments(const std::vector<std::string> &args, RenderArguments &out)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &word = args[i];
        const bool hasValue = i + 1 < args.size();
        if (word == "--ticks" && hasValue) {
            if (!parseNumber(args[++i], out.ticks) || out.ticks < 0)
                return refuse("--ticks needs a whole number of ticks, not \"" + args[i] + "\".");
        } else if (word == "--size" && hasValue) {
            if (!parseSize(args[++i], out.width, out.height))
                return refuse("--size needs WIDTHxHEIGHT in pixels, 16 to 10000 each, not \"" + args[i] + "\".");
        } else if (word == "--angle" && hasValue) {
            double degrees = 0.0;
            if (!parseNumber(args[++i], degrees) || !(degrees >= 0.0 && degrees <= 90.0))
                return refuse("--angle needs a viewing angle from 0 to 90 degrees, not \"" + args[i] + "\".");
            out.angleDegrees = degrees;
        } else if (word == "--png" && hasValue) {
            out.png = args[++i];
        } else if (word == "--white") {
            out.white = true;
        } else if (out.file.empty() && !word.starts_with("--")) {
            out.file = word;
        } else {
            return refuse("Unexpected argument \"" + word + "\". See zentavo-cli --help.");
        }
    }
    if (out.file.empty())
        return refuse("render needs a simulation file. See zentavo-cli --help.");
    if (out.png.empty()) {
        const auto dot = out.file.find_last_of('.');
        const auto slash = out.file.find_last_of("/\\");
        const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
        out.png = (hasExtension ? out.file.substr(0, dot) : out.file) + ".png";
    }
    return true;
}

// The main view of the running program: the camera, the viewport and the run loop's drawing order.
class MainView {
public:
    MainView(CliSimulation &simulation, const RenderArguments &arguments)
        : c(simulation.collection)
        , viewport(TViewport2D::Kind::Main, arguments.width, arguments.height, 1.0f)
    {
        camera.d = simulation.camera.d;
        camera.Theta = simulation.camera.Theta;
        camera.setAngle(arguments.angleDegrees ? static_cast<float>(*arguments.angleDegrees * std::numbers::pi / 180)
                                               : simulation.camera.Phi);
        viewport.WhiteBackground = arguments.white;
        // The arrows scale to the view they are drawn in, as preparation scales them to the main viewport.
        c.WidthViewPort2D = static_cast<float>(arguments.width);
        c.HeightViewPort2D = static_cast<float>(arguments.height);
        c.CalcAccelerationArrowScaleFactor();
        c.CalcVelocityArrowScaleFactor();
    }

    void drawStart()
    {
        viewport.SetBackground(c.Options.ShowStarBKG);
        SetPrevScreenPositions(camera, c, viewport);
        DrawBodies(camera, c, viewport);
        if (c.Options.ShowStartPos)
            DrawIntermediatePositions(c, viewport);
        // The program paints the axes from a worker right after this; the trails then go over them.
        if (c.Options.ShowAxes)
            DrawAxes(camera, c, viewport, NumberLocale::point());
    }

    TickResult tick()
    {
        const TickResult result = RunTick(c);
        if (c.Options.ShowTrails)
            DrawTrails(camera, c, viewport);
        SetPrevScreenPositions(camera, c, viewport);
        DrawBodies(camera, c, viewport);
        if (IsPeriodicMoment(c)) {
            if (c.Options.ShowAccArrow)
                DrawAccelerationArrows(camera, c, viewport, c.OrFrac);
            if (c.Options.ShowVelArrow)
                DrawVelocityArrows(camera, c, viewport, c.OrFrac);
            if (c.Options.ShowIMPos) {
                DrawIntermediatePositions(c, viewport);
                if (c.Options.ShowLineFromCM)
                    DrawLinesFromCM(c, viewport);
            }
        }
        return result;
    }

    QImage picture() { return viewport.ComposeView(); }

private:
    TCelObjCollection &c;
    TCamera2D camera;
    TViewport2D viewport;
};

// The render command needs fonts and image plugins, and no display.
std::unique_ptr<QGuiApplication> makeApplication()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "zentavo-cli";
    static char *argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int RunRenderCommand(const std::vector<std::string> &args)
{
    RenderArguments arguments;
    if (!parseArguments(args, arguments))
        return CliExit::Refused;
    const auto application = makeApplication();
    auto simulation = std::make_unique<CliSimulation>();
    if (const int status = LoadAndPrepare(arguments.file, *simulation); status != CliExit::Ok)
        return status;

    MainView view(*simulation, arguments);
    view.drawStart();
    int status = CliExit::Ok;
    for (long long t = 0; t < arguments.ticks; ++t) {
        const TickResult tick = view.tick();
        if (tick.collided) {
            const auto &bodies = simulation->collection.AllCelObj;
            InfoOKDialog(bodies[tick.collObj1].ObjName + " and " + bodies[tick.collObj2].ObjName +
                         " have collided! Simulation stopped.");
            status = CliExit::Collision;
            break;
        }
    }
    if (!view.picture().save(QString::fromStdString(arguments.png), "PNG")) {
        InfoErrorDialog("The picture " + arguments.png + " cannot be written.");
        return CliExit::Refused;
    }
    return status;
}
