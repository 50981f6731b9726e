#pragma once

#include "core/DataRecords.h"
#include "core/NumberLocale.h"
#include "core/TCelObjCollection.h"

#include <array>
#include <string>
#include <vector>

// What the OK button (and the headless runner) hands to the preparation besides the set-up record:
// the switches and drift texts as the controls show them, and the viewport size in pixels.
struct PreparationInput {
    std::vector<TCelObjData> bodies;  // already passed the body checks
    TCollectionOptions options;       // the switches of the menus and check boxes
    std::string velCMx = "0";         // m/s, drift of the centre of mass as typed
    std::string velCMy = "0";
    std::string velCMz = "0";
    std::array<bool, 10> periodicPositionFlags{true, true, true, true, true, true, true, true, true, true};
    float viewportWidth = 800.0f;
    float viewportHeight = 600.0f;
    NumberLocale locale;
};

struct PreparationResult {
    bool ok = false;
    // The camera distance to use when the camera has none yet (m): 0.6 x ScaleFactor.
    double defaultCameraDistance = 0.0;
};

// Turns a checked set-up into a live collection ready to run: bodies in SI units, the set-up's numbers,
// scale, time step, centre of mass, momentum removal, initial accelerations, display positions and the
// first trail sample. Refuses, with one message through the message sink and no bodies left, what cannot
// be simulated: a bad drift text, no bodies, G not positive, overlapping or coincident bodies, or values
// whose forces or time step are not finite. A lone body gets a view scale from its drawn radius.
PreparationResult PrepareSimulation(const PreparationInput &input, const TSimulationData &setup,
                                    TCelObjCollection &collection);
