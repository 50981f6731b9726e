#pragma once

#include "core/DataRecords.h"
#include "core/NumberLocale.h"
#include "files/CameraSettings.h"

#include <string>

// Opens a simulation file with the reader its extension names, compared exactly: ".simx" or ".sim".
// Any other extension shows "Wrong file format." and reads nothing. Returns whether the file was read.
bool OpenSimulationFile(const std::string &FileName, TSimulationData &SimulationData, CameraSettings &Camera,
                        NumberLocale locale);
