#pragma once

#include "core/DataRecords.h"

#include <array>
#include <cstdint>
#include <string_view>

// One ready-made body the user can name a grid row after: typical mass (kg), radius (km) and colour.
struct TBodyPreset {
    std::string_view Name;
    std::string_view Mass;    // kg, "." as decimal separator
    std::string_view Radius;  // km, "." as decimal separator
    uint32_t Color;           // ARGB
};

// The presets in table order; every name also names a picture in the "Objects" folder.
extern const std::array<TBodyPreset, 28> BodyPresets;

// The names the grid's name editor offers, in the order a user looks for them ("Saturn" is typed).
extern const std::array<std::string_view, 27> PresetListNames;

// The preset whose name equals name exactly (case and blanks count), or nullptr.
const TBodyPreset *FindBodyPreset(std::string_view name);

// What finishing the edit of a name that has a picture does to its row: position and velocity back to
// "0", and for a preset name its mass, radius, colour and a scale of "1". Name and central mark stay.
void FillRowFromPreset(TCelObjData &row);
