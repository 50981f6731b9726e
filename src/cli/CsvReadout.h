#pragma once

#include "core/TCelObjCollection.h"

#include <string>

// The runner's readout of a running simulation as CSV, one row per tick: time, each body's speed,
// acceleration and kinetic energy, the potential and total energy, and the distances the graphs record.
// Numbers are written shortest round-trip with "." whatever the locale.
//
// Kinetic energy K_i = 1/2 m_i |v_i|^2 (J); potential energy U = -sum_{i<j} G m_i m_j / |P_i - P_j| (J);
// distances in km between bodies 1-2 (two bodies or more) and 1-3, 2-3 (exactly three bodies).
std::string CsvHeader(const TCelObjCollection &collection);
std::string CsvRow(const TCelObjCollection &collection);
