#pragma once

#include "core/DataRecords.h"
#include "core/NumberLocale.h"
#include "core/TAxisData.h"
#include "core/TMYPoint3D.h"
#include "core/TPosArray.h"

#include <cstdint>
#include <string>
#include <vector>

// One simulated body: its physical state (SI units) and the display fields the drawing keeps in step.
// The picture or shaded disc that shows it on screen is owned by the rendering layer, not by the body.
// Between steps NewPos == PrevPos; the collision test and the view origin read NewPos, the force,
// time-step and scale computations read PrevPos.
class TCelObj2D {
public:
    static constexpr int32_t TrailCapacity = 8000;

    TCelObj2D(const std::string &aName, uint32_t aCol);

    std::string ObjName;
    std::string PaddedName;  // ObjName cut or padded to 6 characters for fixed-width readouts
    float Mass = 0.0f;       // kg; single precision on purpose: files and the readout round through it
    float Radius = 0.0f;     // m
    TMYPoint3D NewPos;       // m
    TMYPoint3D PrevPos;      // m
    TMYPoint3D v;            // m/s
    TMYPoint3D a;            // m/s^2, acceleration of the previous step
    TMYPoint3D Newa;         // m/s^2, acceleration at the current position
    TMYPoint3D PosRelToCentralBody;  // m, position relative to the view origin
    TPosArray PositionStorage;
    TAxisData AxisDataVel;
    TAxisData AxisDataAcc;
    TAxisData AxisDataEnergy;
    double KinEnergy = 0.0;  // J
    uint32_t TrailCol = 0;   // ARGB
    bool CentralBody = false;
    TPointF PrevScreenPos;      // pixels, body centre at the last drawing
    TPointF ImageUpperLeftPos;  // pixels
    float ImageScale = 0.0f;
    bool ShowIMPos = true;

    // v := v + (a + Newa) x (dt/2)
    void NewVelocity(double dt);
    // NewPos := PrevPos + v x dt + ((a + Newa) x 0.25) x dt x dt; PrevPos := NewPos; a := Newa
    void NewPosition(double dt);
};

// The hover readout of a body: name, position in km and velocity in m/s, one line each.
std::vector<std::string> FillInfoMemo(const TCelObj2D &body, NumberLocale locale);
