#pragma once

#include "core/DataRecords.h"
#include "core/TCelObjCollection.h"

#include <cstdio>
#include <string>
#include <vector>

// Helpers shared by the core tests: set-up rows from numbers.
namespace coretest {

struct Vec {
    double x = 0, y = 0, z = 0;
};

// Shortest text that reads back as the same double.
inline std::string exactText(double v)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.17g", v);
    return buffer;
}

// One set-up row: position and radius in km, velocity in m/s, as the grid would hold them.
inline TCelObjData bodyRow(const std::string &name, double massKg, double radiusKm, Vec posKm, Vec velocity = {},
                           bool central = false)
{
    TCelObjData row;
    row.aName = name;
    row.aMass = exactText(massKg);
    row.aRadius = exactText(radiusKm);
    row.aPosx = exactText(posKm.x);
    row.aPosy = exactText(posKm.y);
    row.aPosz = exactText(posKm.z);
    row.aVelocityx = exactText(velocity.x);
    row.aVelocityy = exactText(velocity.y);
    row.aVelocityz = exactText(velocity.z);
    row.aImageScale = "1";
    row.aColor = 0xFFFFFFFF;
    row.aCentralBody = central;
    return row;
}

inline void addRows(TCelObjCollection &c, const std::vector<TCelObjData> &rows)
{
    for (const auto &row : rows)
        c.AddCelObjToCollection(row, NumberLocale::point());
}

} // namespace coretest
