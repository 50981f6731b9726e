#pragma once

#include "core/DataRecords.h"
#include "core/NumberLocale.h"
#include "core/TAxisData.h"
#include "core/TCelObj2D.h"
#include "core/TCenterMassObj.h"
#include "core/TMYPoint3D.h"

#include <cstdint>
#include <memory>
#include <vector>

class IntegratorKernel;

// The live simulation: the bodies in set-up order, time, time step and G, the view state the drawing
// needs, the switches in force and the centre-of-mass marker. UI thread only, except that the background
// axes task reads ScaleFactor, OrFrac and the viewport size.
//
// Gravity: a_i = -sum_{j != i} G m_j (P_i - P_j) / |P_i - P_j|^3 (m/s^2), summed over j in list order.
class TCelObjCollection {
public:
    static constexpr int StepsPerTick = 1500;

    TCelObjCollection();
    ~TCelObjCollection();
    TCelObjCollection(const TCelObjCollection &) = delete;
    TCelObjCollection &operator=(const TCelObjCollection &) = delete;

    std::vector<TCelObj2D> AllCelObj;
    double Time = 0.0;           // s, always increases
    double DisplayedTime = 0.0;  // s, runs backwards while the orbits are reversed
    double DeltaT = 0.0;         // s
    double DeltaTConstant = 0.0; // s per m^1.5
    double G = DefaultG;         // m^3 kg^-1 s^-2
    float ArrowScaleCorrection = 1.0f;
    float WidthViewPort2D = 0.0f;   // pixels at initialisation
    float HeightViewPort2D = 0.0f;
    double ScaleFactor = 0.0;       // m shown across the viewport width
    float AccArrowScaleFactor = 0.0f;  // m per m/s^2; 0 asks for the computed default
    float VelArrowScaleFactor = 0.0f;  // m per m/s
    TPointF OrFrac{0.5f, 0.5f};
    float InterMedPosInterval = 0.0f;  // s between periodic drawings
    bool SecondViewport = false;
    float SecondViewportScale = 0.0f;  // m
    int32_t SecondViewportCentralBody = 0;
    int32_t CentralCelObj = -1;  // -1: the view origin is the centre of mass
    TCenterMassObj CMObj;
    TMYPoint3D vCM;  // m/s, removed from all bodies at initialisation
    TCollectionOptions Options;
    bool ShowSomeOrbitData = false;
    std::vector<TCelObjData> CelObjDataList;
    bool SimFromFile = false;
    bool OrbitsReversed = false;
    TAxisData AxisDataTime;
    TAxisData AxisDataPotEnergy;
    TAxisData AxisDataTotalEnergy;
    TAxisData AxisDataDist12;
    TAxisData AxisDataDist13;
    TAxisData AxisDataDist23;
    int32_t OrbitProjecIndicator = 0;

    void RemoveAllObjects();
    // Builds one body from texts (km, kg, m/s) and appends it; a "P+" value is relative to the body
    // added before. Throws std::invalid_argument on a text that is not a number.
    void AddCelObjToCollection(const TCelObjData &aObjData, NumberLocale locale);
    void Initialize(float W, float H);
    // 4 x the largest distance between two bodies (m); see LoneBodyScaleFactor when that is 0.
    void CalcScaleFactor();
    double LoneBodyScaleFactor() const;
    TMYPoint3D InitialCenterOfMass() const;
    void FindVelocityCenterOfMass();
    void AdjustVelocitiesToVelocityCM();
    bool OnlyMovementInXYPlane() const;
    // Display positions relative to the view origin plus the drift VelCM x Time; records one trail sample.
    void TransformPositionsToCentralBodyRelative(int32_t CentralBodyNr);
    void CalcAccelerationArrowScaleFactor();
    void CalcVelocityArrowScaleFactor();

    // The integrator, each step in this order: UpdateVelocities, UpdatePositions, UpdateAccelerations,
    // CheckForCollision.
    void FindInitialAccelerations();
    void UpdateVelocities();
    void UpdatePositions();
    void UpdateAccelerations();
    void FindDeltaTConstant();
    // dt = sqrt(rmin) x (5e-7 x DeltaTConstant x rmin) for the closest pair; with fewer than two bodies
    // rmin is the view width instead of 1e100, which would make dt^2 overflow for a light body.
    void FindDeltaT();
    // The first overlapping pair: lowest i with anything, then its lowest partner j (> i).
    bool CheckForCollision(int32_t &CollObj1, int32_t &CollObj2) const;

    struct StepsResult {
        int stepsDone = 0;
        bool collided = false;
        int32_t collObj1 = -1;
        int32_t collObj2 = -1;
    };
    // Runs up to maxSteps steps, stopping right after the step whose collision test hits. The same result,
    // bit for bit, as calling the four operations above maxSteps times.
    StepsResult RunSteps(int maxSteps);

private:
    TMYPoint3D accelerationOf(size_t i) const;
    void FindCentralCelObj();
    void MakePaddedNames();

    std::unique_ptr<IntegratorKernel> m_kernel;  // scratch arrays reused from tick to tick
};
