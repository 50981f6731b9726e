#include "core/IntegratorKernel.h"
#include "core/TCelObjCollection.h"

#include <cmath>

// The operations of one integration step as named operations on the bodies. RunSteps does the same on
// packed arrays; both must agree bit for bit, so any change here goes into IntegratorKernel too.

TMYPoint3D TCelObjCollection::accelerationOf(size_t i) const
{
    const TCelObj2D &bi = AllCelObj[i];
    TMYPoint3D acc = TMYPoint3D::Zero();
    for (size_t j = 0; j < AllCelObj.size(); ++j) {
        if (j == i)
            continue;
        const TCelObj2D &bj = AllCelObj[j];
        const double r = bi.PrevPos.Distance(bj.PrevPos);
        const double k = G * static_cast<double>(bj.Mass) / (r * (r * r));
        acc = acc - (bi.PrevPos - bj.PrevPos) * TMYPoint3D{k, k, k};
    }
    return acc;
}

void TCelObjCollection::FindInitialAccelerations()
{
    for (size_t i = 0; i < AllCelObj.size(); ++i)
        AllCelObj[i].a = accelerationOf(i);
}

void TCelObjCollection::UpdateVelocities()
{
    for (auto &body : AllCelObj)
        body.NewVelocity(DeltaT);
}

void TCelObjCollection::UpdatePositions()
{
    for (auto &body : AllCelObj)
        body.NewPosition(DeltaT);
    Time = Time + DeltaT;
    DisplayedTime = OrbitsReversed ? DisplayedTime - DeltaT : DisplayedTime + DeltaT;
}

void TCelObjCollection::UpdateAccelerations()
{
    // All positions are updated before any acceleration is computed.
    for (size_t i = 0; i < AllCelObj.size(); ++i)
        AllCelObj[i].Newa = accelerationOf(i);
}

void TCelObjCollection::FindDeltaTConstant()
{
    const auto n = static_cast<int64_t>(AllCelObj.size());
    double massSum = 0.0;
    for (const auto &body : AllCelObj)
        massSum += body.Mass;
    const double meanMass = massSum / static_cast<double>(n);
    DeltaTConstant = static_cast<double>(n * n) / std::sqrt(G * meanMass);
}

void TCelObjCollection::FindDeltaT()
{
    double rmin = 1e100;
    for (size_t i = 0; i < AllCelObj.size(); ++i)
        for (size_t j = i + 1; j < AllCelObj.size(); ++j) {
            const double d = (AllCelObj[i].PrevPos - AllCelObj[j].PrevPos).Length();
            if (d < rmin || std::isnan(d))
                rmin = d;
        }
    if (AllCelObj.size() < 2)
        rmin = ScaleFactor;
    DeltaT = std::sqrt(rmin) * (5e-7 * DeltaTConstant * rmin);
}

bool TCelObjCollection::CheckForCollision(int32_t &CollObj1, int32_t &CollObj2) const
{
    const auto n = static_cast<int32_t>(AllCelObj.size());
    for (int32_t i = 0; i < n; ++i)
        for (int32_t j = 0; j < n; ++j) {
            if (j == i)
                continue;
            const TCelObj2D &bi = AllCelObj[i];
            const TCelObj2D &bj = AllCelObj[j];
            const double d = (bj.NewPos - bi.NewPos).Length();
            if (BodiesCollide(d, bi.Radius, bj.Radius)) {
                CollObj1 = i;
                CollObj2 = j;
                return true;
            }
        }
    return false;
}

TCelObjCollection::StepsResult TCelObjCollection::RunSteps(int maxSteps)
{
    return m_kernel->run(*this, maxSteps);
}
