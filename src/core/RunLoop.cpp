#include "core/RunLoop.h"

#include <cmath>
#include <limits>

TickResult RunTick(TCelObjCollection &c)
{
    const auto steps = c.RunSteps(TCelObjCollection::StepsPerTick);
    if (c.Options.ShowOrbitProjec)
        ++c.OrbitProjecIndicator;
    if (c.Options.VarDt)
        c.FindDeltaT();
    c.TransformPositionsToCentralBodyRelative(c.CentralCelObj);
    return {steps.stepsDone, steps.collided, steps.collObj1, steps.collObj2};
}

namespace {

// Round half to even into a 64-bit integer; false when x has no such value (NaN, out of range).
bool roundToInt64(double x, int64_t &out)
{
    const double r = std::nearbyint(x);  // the default rounding mode rounds halves to even
    if (!(r >= -9.2e18 && r <= 9.2e18))
        return false;
    out = static_cast<int64_t>(r);
    return true;
}

} // namespace

bool IsPeriodicMoment(const TCelObjCollection &c)
{
    int64_t time = 0, interval = 0;
    if (!roundToInt64(c.Time, time) || !roundToInt64(c.InterMedPosInterval, interval))
        return true;
    if (interval == 0)
        interval = 1;
    const double r = static_cast<double>(time % interval);
    const double window = c.DeltaT * 1505;
    return window > r || std::isnan(window);
}
