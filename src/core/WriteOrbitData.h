#pragma once

#include "core/NumberLocale.h"
#include "core/TCelObjCollection.h"

#include <string>
#include <vector>

// The orbit-data readout: speeds (m/s, relative to the centre of mass and between pairs), accelerations
// (m/s^2), distances (km) and energies (J) of the running simulation, one line each, every number from
// the 17th character on so that a fixed-width font keeps the columns. Stores each body's KinEnergy.
std::vector<std::string> WriteOrbitData(TCelObjCollection &collection, NumberLocale locale);

// The panel's height: its text height + 30, but never reaching closer than 10 pixels to the viewport's
// bottom.
float OrbitDataPanelHeight(float textHeight, float viewportHeight, float panelTop);
