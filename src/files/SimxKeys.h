#pragma once

#include "core/DataRecords.h"

#include <array>

// The member names of the .simx format that both its reader and its writer walk, in their stored order.
namespace SimxKeys {

struct Switch {
    const char *key;
    bool TCollectionOptions::*field;
};

// The stored order differs from the record's: "OrbitProjections" follows "VarDt".
inline constexpr std::array<Switch, 24> Options{{
    {"Axes", &TCollectionOptions::ShowAxes},
    {"StarBKG", &TCollectionOptions::ShowStarBKG},
    {"Trails", &TCollectionOptions::ShowTrails},
    {"Time", &TCollectionOptions::ShowTime},
    {"CM", &TCollectionOptions::ShowCM},
    {"AccArrow", &TCollectionOptions::ShowAccArrow},
    {"VelArrow", &TCollectionOptions::ShowVelArrow},
    {"Distance", &TCollectionOptions::ShowDistance},
    {"Vel", &TCollectionOptions::ShowVel},
    {"Acc", &TCollectionOptions::ShowAcc},
    {"Energy", &TCollectionOptions::ShowEnergy},
    {"Graph", &TCollectionOptions::ShowGraph},
    {"Field", &TCollectionOptions::ShowField},
    {"FieldLines", &TCollectionOptions::ShowFieldLines},
    {"Equipots", &TCollectionOptions::ShowEquipots},
    {"StartPos", &TCollectionOptions::ShowStartPos},
    {"LineFromCM", &TCollectionOptions::ShowLineFromCM},
    {"IMPos", &TCollectionOptions::ShowIMPos},
    {"TimeFormatSeconds", &TCollectionOptions::TimeFormatSeconds},
    {"VarDt", &TCollectionOptions::VarDt},
    {"OrbitProjections", &TCollectionOptions::ShowOrbitProjec},
    {"Res1", &TCollectionOptions::Reserved1},
    {"Res2", &TCollectionOptions::Reserved2},
    {"Res3", &TCollectionOptions::Reserved3},
}};

struct BodyText {
    const char *key;
    std::string TCelObjData::*field;
};

inline constexpr std::array<BodyText, 10> BodyTexts{{
    {"Name", &TCelObjData::aName},
    {"Mass", &TCelObjData::aMass},
    {"Radius", &TCelObjData::aRadius},
    {"PosX", &TCelObjData::aPosx},
    {"PosY", &TCelObjData::aPosy},
    {"PosZ", &TCelObjData::aPosz},
    {"VelX", &TCelObjData::aVelocityx},
    {"VelY", &TCelObjData::aVelocityy},
    {"VelZ", &TCelObjData::aVelocityz},
    {"ImageScale", &TCelObjData::aImageScale},
}};

} // namespace SimxKeys
