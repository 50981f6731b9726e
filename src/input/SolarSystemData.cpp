#include "input/SolarSystemData.h"

const std::array<TBodyPreset, 28> BodyPresets{{
    {"Sun", "1.99E30", "7E5", 0xFFFFFF00},
    {"Mercury", "3.3E23", "2430", 0xFF0080FF},
    {"Venus", "4.87E24", "6050", 0xFF808080},
    {"Earth", "5.98E24", "6378", 0xFF0000FF},
    {"Moon", "7.35E22", "1738", 0xFFBBFFFF},
    {"Mars", "6.6E23", "3394", 0xFFFF0000},
    {"Jupiter", "1.90E27", "68700", 0xFF75BAFF},
    {"Saturn", "5.69E26", "57600", 0xFF9EEFF5},
    {"Uranus", "8.7E25", "25000", 0xFFFCEF78},
    // Opaque like every other entry: a transparent colour would hide this body's trail and colour cell.
    {"Neptune", "1.03E26", "24700", 0xFFA3F30C},
    {"Pluto", "1.3E22", "1180", 0xFFF1EFEF},
    {"Satellite", "1000", "0.03", 0xFFFFFF00},
    {"Phobos", "1.072E16", "11.1", 0xFF808080},
    {"Deimos", "2E15", "6.3", 0xFF808080},
    {"Space Probe", "1E6", "0.1", 0xFFFF0000},
    {"Rocket", "1E6", "0.1", 0xFF808080},
    {"Charon", "1.6E21", "606", 0xFF808080},
    {"Ceres", "9.4E20", "490", 0xFF808080},
    {"Eris", "1.66E22", "1160", 0xFF808080},
    {"Dysnomia", "6E20", "450", 0xFF808080},
    {"Red Dwarf", "4E29", "3E5", 0xFF8B0000},
    {"Red Supergiant", "8E32", "1.5E8", 0xFFFF0000},
    {"Europa", "4.8E22", "1560", 0xFF808080},
    {"Io", "8.9E22", "1820", 0xFFFFFF00},
    {"Ganymede", "1.48E23", "2630", 0xFF808080},
    {"Callisto", "1.1E23", "2410", 0xFF808080},
    {"White Dwarf", "6E24", "7000", 0xFFFFFFFF},
    {"Neutron Star", "4E30", "10", 0xFFD3D3D3},
}};

const std::array<std::string_view, 27> PresetListNames{
    "Earth",   "Moon",     "Sun",      "Satellite", "Rocket",    "Space Probe",    "Mercury",
    "Venus",   "Mars",     "Phobos",   "Deimos",    "Jupiter",   "Io",             "Europa",
    "Ganymede", "Callisto", "Uranus",  "Neptune",   "Pluto",     "Charon",         "Ceres",
    "Eris",    "Dysnomia", "Red Dwarf", "Red Supergiant", "White Dwarf", "Neutron Star",
};

const TBodyPreset *FindBodyPreset(std::string_view name)
{
    for (const TBodyPreset &preset : BodyPresets)
        if (preset.Name == name)
            return &preset;
    return nullptr;
}

void FillRowFromPreset(TCelObjData &row)
{
    if (const TBodyPreset *preset = FindBodyPreset(row.aName)) {
        row.aMass = preset->Mass;
        row.aRadius = preset->Radius;
        row.aColor = preset->Color;
        row.aImageScale = "1";
    }
    for (std::string *text : {&row.aPosx, &row.aPosy, &row.aPosz, &row.aVelocityx, &row.aVelocityy,
                              &row.aVelocityz})
        *text = "0";
}
