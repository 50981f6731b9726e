#include "core/SimulationPreparation.h"

#include "core/MessageSink.h"
#include "core/StringRoutines.h"

#include <cmath>
#include <stdexcept>

namespace {

bool readDrift(const PreparationInput &input, TMYPoint3D &drift)
{
    const std::pair<const std::string *, const char *> texts[] = {
        {&input.velCMx, "vx"}, {&input.velCMy, "vy"}, {&input.velCMz, "vz"}};
    double *components[] = {&drift.X, &drift.Y, &drift.Z};
    for (int k = 0; k < 3; ++k) {
        if (!TryTextToFloat(*texts[k].first, *components[k], input.locale)) {
            InfoErrorDialog(std::string(texts[k].second) + " of the center of mass is not a valid number.");
            return false;
        }
    }
    return true;
}

void copySetup(const TSimulationData &setup, TCelObjCollection &c)
{
    c.ScaleFactor = setup.ScaleFactor;
    c.OrFrac = setup.OrFrac;
    c.DeltaT = setup.DeltaT;
    c.DeltaTConstant = setup.DeltaTConstant;
    c.G = setup.G;
    c.ArrowScaleCorrection = setup.ArrowScaleCorrection;
    c.SecondViewportScale = setup.SecondViewportScale;
    c.SecondViewport = setup.SecondViewport;
    c.SecondViewportCentralBody = setup.SecondViewportCentralBody;
    c.InterMedPosInterval = setup.InterMedPosInterval;
}

void applyPeriodicPositionFlags(const PreparationInput &input, const TSimulationData &setup, TCelObjCollection &c)
{
    if (c.SimFromFile) {
        for (size_t i = 0; i < c.AllCelObj.size() && i < setup.CelObjDataList.size(); ++i)
            c.AllCelObj[i].ShowIMPos = setup.CelObjDataList[i].aShowIntermedPos;
        return;
    }
    // Only ten flags exist; bodies beyond the tenth (files may hold more) keep the default, shown.
    for (size_t i = 0; i < c.AllCelObj.size(); ++i)
        c.AllCelObj[i].ShowIMPos = i < input.periodicPositionFlags.size() ? input.periodicPositionFlags[i] : true;
}

bool refuseOverlap(TCelObjCollection &c)
{
    int32_t first = -1, second = -1;
    if (!c.CheckForCollision(first, second))
        return false;
    InfoErrorDialog(c.AllCelObj[first].ObjName + " and " + c.AllCelObj[second].ObjName +
                    " are too close.\rIncrease distance or decrease radius.");
    return true;
}

bool isFiniteVector(const TMYPoint3D &p) { return std::isfinite(p.X) && std::isfinite(p.Y) && std::isfinite(p.Z); }

bool initialStateIsFinite(const TCelObjCollection &c)
{
    if (!std::isfinite(c.DeltaT) || !(c.DeltaT > 0.0) || !std::isfinite(c.ScaleFactor) || !(c.ScaleFactor > 0.0))
        return false;
    for (const auto &body : c.AllCelObj)
        if (!isFiniteVector(body.a) || !isFiniteVector(body.v))
            return false;
    return isFiniteVector(c.CMObj.PosCM);
}

} // namespace

PreparationResult PrepareSimulation(const PreparationInput &input, const TSimulationData &setup,
                                    TCelObjCollection &collection)
{
    PreparationResult result;
    TMYPoint3D drift;
    if (!readDrift(input, drift))
        return result;
    if (input.bodies.empty()) {
        InfoErrorDialog("There are no bodies to simulate. Please enter at least one body.");
        return result;
    }
    if (!(setup.G > 0.0) || !std::isfinite(setup.G)) {
        InfoErrorDialog("The gravitational constant G must be greater than zero.");
        return result;
    }

    collection.OrbitsReversed = false;
    collection.RemoveAllObjects();
    // The body checks run before, so a text that does not convert is a caller's slip; it must still
    // not take the program down.
    try {
        for (const auto &record : input.bodies) {
            collection.AddCelObjToCollection(record, input.locale);
            collection.CelObjDataList.push_back(record);
        }
    } catch (const std::invalid_argument &error) {
        InfoErrorDialog(error.what());
        collection.RemoveAllObjects();
        return result;
    }
    copySetup(setup, collection);
    applyPeriodicPositionFlags(input, setup, collection);
    collection.Options = input.options;
    collection.ShowSomeOrbitData =
        input.options.ShowVel || input.options.ShowAcc || input.options.ShowDistance || input.options.ShowEnergy;
    collection.CMObj.VelCM = drift;
    collection.CMObj.Visible = input.options.ShowCM;

    // Overlap is refused before the initialisation: coincident bodies would divide by zero there.
    if (refuseOverlap(collection)) {
        collection.RemoveAllObjects();
        return result;
    }
    collection.Initialize(input.viewportWidth, input.viewportHeight);
    if (!initialStateIsFinite(collection)) {
        InfoErrorDialog("These bodies cannot be simulated: their forces or time step are too large to compute."
                        "\rPlease check G, the masses and the distances.");
        collection.RemoveAllObjects();
        return result;
    }
    if (collection.SecondViewportScale == 0.0f)
        collection.SecondViewportScale = static_cast<float>(collection.ScaleFactor);
    collection.TransformPositionsToCentralBodyRelative(collection.CentralCelObj);
    result.ok = true;
    result.defaultCameraDistance = 0.6 * collection.ScaleFactor;
    return result;
}
