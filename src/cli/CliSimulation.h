#pragma once

#include "core/DataRecords.h"
#include "core/TCelObjCollection.h"
#include "files/CameraSettings.h"

#include <string>

// A simulation the headless runner opened and prepared, as the program's Open and OK leave it: the set-up
// record, the live collection and the camera the file stored (its distance filled in when it had none).
struct CliSimulation {
    TSimulationData setup;
    TCelObjCollection collection;
    CameraSettings camera;
};

// Exit statuses of the runner's commands.
namespace CliExit {
inline constexpr int Ok = 0;
inline constexpr int Collision = 1;
inline constexpr int Refused = 2;  // bad arguments, or a file that cannot be read, checked or prepared
}

// Opens fileName with the reader its extension names, normalises and checks the bodies as OK does and
// prepares the collection; messages go through the message sink. Returns CliExit::Ok or CliExit::Refused.
int LoadAndPrepare(const std::string &fileName, CliSimulation &simulation);

// The record a new simulation starts from, before a file is read into it.
void ResetForOpen(TSimulationData &setup);
