#include "core/TCelObj2D.h"

#include "core/WriteRoutines.h"

TCelObj2D::TCelObj2D(const std::string &aName, uint32_t aCol)
    : ObjName(aName)
    , TrailCol(aCol)
{
    PositionStorage.Create(TrailCapacity);
}

void TCelObj2D::NewVelocity(double dt)
{
    const double h = 0.5 * dt;
    v = v + (a + Newa) * TMYPoint3D{h, h, h};
}

void TCelObj2D::NewPosition(double dt)
{
    const TMYPoint3D step{dt, dt, dt};
    NewPos = PrevPos + v * step + ((a + Newa) * TMYPoint3D{0.25, 0.25, 0.25}) * step * step;
    PrevPos = NewPos;
    a = Newa;
}

std::vector<std::string> FillInfoMemo(const TCelObj2D &body, NumberLocale locale)
{
    auto f = [locale](double x) { return FormatNumber(x, locale); };
    return {
        body.ObjName,
        " x   " + f(body.PrevPos.X / 1000) + " km",
        " y   " + f(body.PrevPos.Y / 1000) + " km",
        " z   " + f(body.PrevPos.Z / 1000) + " km",
        "",
        " vx  " + f(body.v.X) + " m/s",
        " vy  " + f(body.v.Y) + " m/s",
        " vz  " + f(body.v.Z) + " m/s",
    };
}
