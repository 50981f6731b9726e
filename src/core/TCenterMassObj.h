#pragma once

#include "core/TMYPoint3D.h"

#include <cstdint>

// The centre-of-mass marker's state; the rendering layer draws it as a 6-pixel green disc on top of the
// bodies. VelCM (m/s) is the user's drift, applied to display positions only.
struct TCenterMassObj {
    static constexpr int SizePixels = 6;
    static constexpr uint32_t Color = 0xFF00AA00;       // dark green rim and gradient start
    static constexpr uint32_t HighlightColor = 0xFF00FF00;

    TMYPoint3D PosCM;                // m, the centre of mass at initialisation
    TMYPoint3D PosRelToCentralBody;  // m, the marker's display position
    TMYPoint3D VelCM;                // m/s
    bool ShowIMPos = false;
    bool Visible = false;
};
