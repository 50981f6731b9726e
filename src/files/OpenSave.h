#pragma once

#include "core/DataRecords.h"
#include "core/NumberLocale.h"
#include "files/CameraSettings.h"

#include <cstdint>
#include <string>

// The older binary simulation file (.sim): one packed record of 4934 bytes holding at most ten bodies.
// It is only read; saving always writes the current format.
namespace SimRecord {
inline constexpr size_t Size = 4934;
inline constexpr int MaxBodies = 10;
}

// Exchanges the lowest and the third byte: 0xAABBCCDD becomes 0xAADDCCBB.
uint32_t SwapRedBlue(uint32_t Value);

// Reads the file into the set-up record (bodies appended; the caller has emptied it) and the camera.
// Returns false after showing one error message; what was stored before the failure stays stored.
bool OpenSimFile(const std::string &FileName, TSimulationData &SimulationData, CameraSettings &Camera,
                 NumberLocale locale);

// The same over a file's bytes; fileName only names the file in messages.
bool ReadSimRecord(const std::string &bytes, const std::string &fileName, TSimulationData &SimulationData,
                   CameraSettings &Camera, NumberLocale locale);
