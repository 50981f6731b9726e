#include "render/CameraRoutines.h"

#include <cmath>

void TCamera2D::Reset()
{
    Phi = 0.0f;
    Theta = 1.5707964f;
}

void TCamera2D::setAngle(float phiRadians)
{
    Phi = phiRadians;
    sinPhi = std::sin(Phi);
    cosPhi = std::cos(Phi);
}

TMYPoint3D TCamera2D::CameraCoord(const TMYPoint3D &W) const
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

TPointF TCamera2D::ImagePlaneCoord(const TMYPoint3D &C) const
{
    return {static_cast<float>(d * C.X / C.Z), static_cast<float>(d * C.Y / C.Z)};
}

TPointF TCamera2D::CameraCoordToScreenPos(const TMYPoint3D &C, float aScale, float W, float H, TPointF Fr) const
{
    const TPointF uv = ImagePlaneCoord(C);
    const double x = double(uv.X) * W / aScale + double(Fr.X) * W;
    const double y = double(uv.Y) * W / aScale + double(Fr.Y) * H;
    return {static_cast<float>(x), static_cast<float>(y)};
}

TPointF TCamera2D::RealPosToScreenPos(const TMYPoint3D &WorldCoord, float aScale, float W, float H, TPointF Fr) const
{
    return CameraCoordToScreenPos(CameraCoord(WorldCoord), aScale, W, H, Fr);
}

TPointF TCamera2D::RealPosToScreenPosImage(const TMYPoint3D &WorldCoord, float aScale, float W, float H, TPointF Fr,
                                           float ImW, float ImH) const
{
    const TPointF p = RealPosToScreenPos(WorldCoord, aScale, W, H, Fr);
    return {p.X - ImW / 2, p.Y - ImH / 2};
}
