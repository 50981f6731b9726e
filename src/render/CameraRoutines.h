#pragma once

#include "core/DataRecords.h"
#include "core/TMYPoint3D.h"

// The program's single perspective camera: rotates the world about its x-axis by Phi, puts the eye at
// distance d (m) on the line of view and divides onto an image plane at distance d, then scales the
// image-plane point onto a viewport with the collection's ScaleFactor (m across the width) and OrFrac.
// Callers refresh sinPhi and cosPhi whenever they change Phi; the projection reads only those and d.
class TCamera2D {
public:
    float Phi = 0.0f;    // rad, angle between the line of view and the normal to the xy-plane
    float Theta = 0.0f;  // rad, kept for the simulation files; the projection ignores it
    float d = 0.0f;      // m
    float sinPhi = 0.0f;
    float cosPhi = 1.0f;

    // Phi := 0, Theta := pi/2; d, sinPhi and cosPhi are left as they are.
    void Reset();
    // Sets Phi and refreshes sinPhi and cosPhi from it.
    void setAngle(float phiRadians);

    // (X, -Y cos - Z sin, Y sin - Z cos + d); Z is the depth, larger is farther.
    TMYPoint3D CameraCoord(const TMYPoint3D &WorldCoord) const;
    // (d Xc / Zc, d Yc / Zc); no guard against a depth of 0 or less: callers apply the near-plane rule.
    TPointF ImagePlaneCoord(const TMYPoint3D &CameraCoord) const;
    // Both image-plane coordinates scale by W, so pixels are square and the width spans aScale at depth d.
    TPointF CameraCoordToScreenPos(const TMYPoint3D &CameraCoord, float aScale, float W, float H, TPointF Fr) const;
    TPointF RealPosToScreenPos(const TMYPoint3D &WorldCoord, float aScale, float W, float H, TPointF Fr) const;
    // The upper-left corner of an ImW x ImH image centred on the projected point.
    TPointF RealPosToScreenPosImage(const TMYPoint3D &WorldCoord, float aScale, float W, float H, TPointF Fr,
                                    float ImW, float ImH) const;

    // The near-plane rule of bodies and trails: drawn only when the depth exceeds d/100.
    bool IsInFrontOfNearPlane(const TMYPoint3D &CameraCoord) const { return CameraCoord.Z > d / 100.0f; }
};

// Inline: trails replay these for up to 80000 stored positions per redraw.
inline TMYPoint3D TCamera2D::CameraCoord(const TMYPoint3D &W) const
{
    // Each component is formed in extended precision and stored as a single: the depth test and the
    // stacking compare these rounded values, as the screen coordinates are single precision anyway.
    using ext = long double;
    const ext s = sinPhi, c = cosPhi;
    const float xc = static_cast<float>(static_cast<ext>(W.X));
    const float yc = static_cast<float>(-static_cast<ext>(W.Y) * c - static_cast<ext>(W.Z) * s);
    const float zc = static_cast<float>(static_cast<ext>(W.Y) * s - static_cast<ext>(W.Z) * c + static_cast<ext>(d));
    return {xc, yc, zc};
}

inline TPointF TCamera2D::ImagePlaneCoord(const TMYPoint3D &C) const
{
    return {static_cast<float>(d * C.X / C.Z), static_cast<float>(d * C.Y / C.Z)};
}

inline TPointF TCamera2D::CameraCoordToScreenPos(const TMYPoint3D &C, float aScale, float W, float H, TPointF Fr) const
{
    const TPointF uv = ImagePlaneCoord(C);
    const double x = double(uv.X) * W / aScale + double(Fr.X) * W;
    const double y = double(uv.Y) * W / aScale + double(Fr.Y) * H;
    return {static_cast<float>(x), static_cast<float>(y)};
}
