#include "render/RunLoopDrawing.h"

#include "render/Arrows.h"
#include "render/CoordinateAxes.h"
#include "render/DrawtoScreen.h"

void DrawStartState(const TCamera2D &camera, TCelObjCollection &c, TViewport2D &viewport, AxesDrawing axes,
                    NumberLocale locale)
{
    viewport.SetBackground(c.Options.ShowStarBKG);
    SetPrevScreenPositions(camera, c, viewport);
    DrawBodies(camera, c, viewport);
    if (c.Options.ShowStartPos)
        DrawIntermediatePositions(c, viewport);
    if (!c.Options.ShowAxes)
        return;
    // The trails of later ticks go over the axes either way.
    if (axes == AxesDrawing::Now)
        DrawAxes(camera, c, viewport, locale);
    else
        StartDrawAxes(camera, c, viewport, locale);
}

TickResult RunAndDrawTick(const TCamera2D &camera, TCelObjCollection &c, TViewport2D &viewport)
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
