#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One body of a set-up, all of it as the user typed it or a file stored it. Numbers stay text until a
// body is built from them; positions and radius in km, mass in kg, velocities in m/s.
struct TCelObjData {
    std::string aName;
    std::string aMass;
    std::string aRadius;
    std::string aPosx;  // the six position/velocity texts may begin with the relative prefix "P+"
    std::string aPosy;
    std::string aPosz;
    std::string aVelocityx;
    std::string aVelocityy;
    std::string aVelocityz;
    std::string aImageScale;
    uint32_t aColor = 0;  // ARGB, alpha in the top byte
    bool aCentralBody = false;
    bool aShowIntermedPos = false;  // only files carry it; a grid row leaves it false

    friend bool operator==(const TCelObjData &, const TCelObjData &) = default;
};

// The 24 display and simulation switches, in their stored order.
struct TCollectionOptions {
    bool ShowAxes = false;
    bool ShowStarBKG = false;
    bool ShowTrails = false;
    bool ShowTime = false;
    bool ShowCM = false;
    bool ShowAccArrow = false;
    bool ShowVelArrow = false;
    bool ShowDistance = false;
    bool ShowVel = false;
    bool ShowAcc = false;
    bool ShowEnergy = false;
    bool ShowGraph = false;
    bool ShowField = false;
    bool ShowFieldLines = false;
    bool ShowEquipots = false;
    bool ShowStartPos = false;
    bool ShowLineFromCM = false;
    bool ShowIMPos = false;
    bool ShowOrbitProjec = false;
    bool TimeFormatSeconds = false;
    bool VarDt = false;
    bool Reserved1 = false;
    bool Reserved2 = false;
    bool Reserved3 = false;

    friend bool operator==(const TCollectionOptions &, const TCollectionOptions &) = default;
};
static_assert(sizeof(TCollectionOptions) == 24);

struct TPointF {
    float X = 0.0f;
    float Y = 0.0f;
    friend bool operator==(const TPointF &, const TPointF &) = default;
};

// The whole set-up of a simulation: bodies, switches and numerical settings. A zero in DeltaT,
// DeltaTConstant, ScaleFactor, InterMedPosInterval or SecondViewportScale asks for the computed default.
class TSimulationData {
public:
    std::vector<TCelObjData> CelObjDataList;
    TCollectionOptions Options;
    std::string VelCMx;  // m/s, drift of the centre of mass, as typed
    std::string VelCMy;
    std::string VelCMz;
    double DeltaT = 0.0;          // s
    double DeltaTConstant = 0.0;  // s per m^1.5
    double G = 0.0;               // m^3 kg^-1 s^-2
    float ScaleFactor = 0.0f;     // m shown across the viewport width
    float ArrowScaleCorrection = 0.0f;
    float InterMedPosInterval = 0.0f;  // s of simulated time between periodic drawings
    bool SecondViewport = false;
    int32_t SecondViewportCentralBody = 0;
    float SecondViewportScale = 0.0f;  // m; 0 means ScaleFactor is used
    TPointF OrFrac;  // screen place of the world origin, as fractions of width and height

    // Resets for a new or freshly opened simulation. Leaves Options, DeltaTConstant, ArrowScaleCorrection,
    // InterMedPosInterval, SecondViewportCentralBody and SecondViewportScale as they were.
    void Empty();
};

// The gravitational constant a new set-up starts with.
inline constexpr double DefaultG = 6.67e-11;
