#pragma once

#include "core/TCelObjCollection.h"
#include "render/CameraRoutines.h"
#include "render/Viewport2D.h"

#include <QColor>
#include <QPainter>

#include <vector>

// The drawing of bodies and of the marks they leave, on one viewport through the camera. None of these
// keeps state between calls. Order after each tick: DrawTrails (from the previous screen positions),
// SetPrevScreenPositions, DrawBodies.

// Depth-sorting entry of CheckForImageOverlap.
struct TZOrder {
    int32_t ItemNr = 0;   // index in the collection
    double ZCoord = 0.0;  // camera depth, m
};

// Every body's projected centre for this frame.
void SetPrevScreenPositions(const TCamera2D &camera, TCelObjCollection &collection, const TViewport2D &viewport);
// Sizes, places and shows or hides every body image (hidden at depth d/100 or less; never below 6 pixels),
// restacks overlapping bodies nearest on top and puts the centre-of-mass marker above them all.
void DrawBodies(const TCamera2D &camera, TCelObjCollection &collection, TViewport2D &viewport);
void CheckForImageOverlap(const TCamera2D &camera, const TCelObjCollection &collection, TViewport2D &viewport);
bool ZOrderContains(int32_t ItemNr, const std::vector<TZOrder> &list);

// A trail's colour at height z (m): the body's colour, or 0.3 darker noticeably below the xy-plane.
QColor TrailColour(uint32_t trailCol, double z, double scaleFactor);

// One trail segment per body from its previous screen position to its new one, and every tenth tick an
// orbit projection while those are switched on.
void DrawTrails(const TCamera2D &camera, TCelObjCollection &collection, TViewport2D &viewport);
// Into an open scene, in the painter's pen colour: a 2-pixel dot where P lies over the xy-plane, and a
// drop line to it from P when P is above the plane.
void DrawOrbitProjection(const TMYPoint3D &P, const TCamera2D &camera, const TCelObjCollection &collection,
                         const TViewport2D &viewport, QPainter &painter);
// After a view change: the background again, the trails replayed from the stored positions, the bodies.
void RedrawViewport(const TCamera2D &camera, TCelObjCollection &collection, TViewport2D &viewport);
// Stamps every non-central body that shows periodic positions, as it looks now, into the picture; also
// the marker when it moves on screen and trails are shown.
void DrawIntermediatePositions(const TCelObjCollection &collection, TViewport2D &viewport);
// Lines in the bodies' colours from each body showing periodic positions to the centre-of-mass marker.
void DrawLinesFromCM(const TCelObjCollection &collection, TViewport2D &viewport);
