#pragma once

#include "core/TCelObjCollection.h"
#include "render/CameraRoutines.h"
#include "render/Viewport2D.h"

#include <QPainter>

// Velocity and acceleration arrows from each body's centre, painted into the main viewport's picture at
// periodic moments. Length = the collection's arrow factor (m per m/s or m/s^2) x magnitude, projected.

enum class ArrowKind { Acceleration, Velocity };

// World position of the tip: P + s V.
TMYPoint3D ArrowEndPoint(const TMYPoint3D &P, const TMYPoint3D &V, float s);

// One arrow from S to T at opacity 0.7, 3 pixels wide for acceleration and 2 for velocity, with two
// barbs 148.5 and 204.75 degrees off its direction (10 pixels long up to a 25-pixel arrow, else 15).
// An arrow of 10 pixels or less, or one with a point that is not finite, is not painted at all.
void PaintArrow(QPainter &painter, ArrowKind kind, TPointF S, TPointF T, QRgb colour);
// PaintArrow inside its own drawing scene on the viewport's picture.
void DrawArrow(ArrowKind kind, TViewport2D &viewport, TPointF S, TPointF T, QRgb colour);

// One arrow per body from its PrevScreenPos, projected with the collection's initial viewport size;
// velocity arrows are 0.3 lighter than the body's colour. Bodies or tips at the near plane or behind
// the camera get none.
void DrawAccelerationArrows(const TCamera2D &camera, const TCelObjCollection &collection, TViewport2D &viewport, TPointF Fr);
void DrawVelocityArrows(const TCamera2D &camera, const TCelObjCollection &collection, TViewport2D &viewport, TPointF Fr);
