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
