#pragma once

#include "core/DataRecords.h"
#include "core/NumberLocale.h"
#include "core/TCelObjCollection.h"
#include "files/CameraSettings.h"

#include <string>

// The current simulation file (.simx): one compact UTF-8 JSON object with the bodies' texts verbatim,
// the 24 switches, the numerical settings as number texts in the writer's locale, and the camera.

// Writes the set-up of a prepared simulation: the body texts of its CelObjDataList, each body's periodic
// positions from the live body, and the settings in force. The old file is replaced only once the new one
// is completely on the disk; a failure is shown through the message sink and leaves it unchanged.
bool SaveSimxFile(const std::string &FileName, const TCelObjCollection &Collection, const CameraSettings &Camera,
                  NumberLocale locale);
// Writes a set-up record that was never prepared (the runner's conversion of older files).
bool SaveSimxFile(const std::string &FileName, const TSimulationData &SimulationData, const CameraSettings &Camera,
                  NumberLocale locale);

// Reads the file into the set-up record (bodies appended, other fields overwritten; the caller has emptied
// it) and the camera. Returns false after showing one error message; what was stored before stays stored.
bool OpenSimxFile(const std::string &FileName, CameraSettings &Camera, TSimulationData &SimulationData,
                  NumberLocale locale);

// The same over a file's bytes; fileName only names the file in messages.
bool ReadSimxText(const std::string &bytes, const std::string &fileName, CameraSettings &Camera,
                  TSimulationData &SimulationData, NumberLocale locale);
