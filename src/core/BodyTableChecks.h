#pragma once

#include "core/DataRecords.h"
#include "core/NumberLocale.h"

#include <string>
#include <vector>

// The checks a set-up's body texts must pass before bodies are built from them, shared by the parameter
// grid's OK button and the headless runner so that both give the same messages in the same order.
// The table is one TCelObjData per body row, in row order.

// Rewrites the number texts (mass, radius, positions, velocities, scale) in place: spaces removed; under a
// "," locale the first "." becomes ","; under a "." locale every "," becomes ".". Names are not touched.
void ConvertToDefaultLocale(std::vector<TCelObjData> &rows, NumberLocale locale);

// Runs ValidNames, the number checks (mass, radius, x, y, z, vx, vy, vz, scale, each over all rows) and
// DuplicateNames; shows the message of the first problem found through the message sink and returns false,
// or returns true when every row passes.
bool GridDataOK(const std::vector<TCelObjData> &rows, NumberLocale locale);

bool ValidNames(const std::vector<TCelObjData> &rows);
bool CheckForValidNumbers(const std::vector<TCelObjData> &rows, int aCol, const std::string &aColTitle,
                          bool CanBeNegative, double MaxValue, NumberLocale locale);
// The name of the last row that has an equal name further down, or empty.
std::string DuplicateNames(const std::vector<TCelObjData> &rows);
