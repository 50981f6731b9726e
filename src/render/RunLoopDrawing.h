#pragma once

#include "core/NumberLocale.h"
#include "core/RunLoop.h"
#include "core/TCelObjCollection.h"
#include "render/CameraRoutines.h"
#include "render/Viewport2D.h"

// The drawing the run loop does on the main view: the start state right after a preparation, and one
// tick (integration, trails, bodies, and at periodic moments the arrows, stamps and lines from the
// centre of mass). The program and the headless picture maker draw through these, so both show the same.
enum class AxesDrawing { Now, InBackground };

void DrawStartState(const TCamera2D &camera, TCelObjCollection &collection, TViewport2D &viewport,
                    AxesDrawing axes, NumberLocale locale);
TickResult RunAndDrawTick(const TCamera2D &camera, TCelObjCollection &collection, TViewport2D &viewport);
