#pragma once

#include "core/NumberLocale.h"

#include <string>

// Tolerant reading of a typed number: spaces are dropped and either "." or "," is taken as the decimal
// separator. Accepts an optional sign, digits with at most one separator and an optional exponent (6e24).
// Fails on anything else, and on a number too large for a double (1e999): no non-finite value comes out.
bool TryTextToFloat(const std::string &text, double &value, NumberLocale locale);

// Strict conversion with the locale's separator only, surrounding spaces ignored; throws
// std::invalid_argument on a bad or out-of-range text. Used where the texts were checked before.
double TextToFloat(const std::string &text, NumberLocale locale);

// Removes a leading "P+", "P +" or "P + " (any case) that makes a value relative to the previous body;
// true when something was removed. The three tests run in that order on what the one before left.
bool RemoveRelativePrefix(std::string &text);

// Axis-label text: the general form below 10000 (or for NaN), else "#.#E-" (123456 -> 1.2E5).
std::string FloatToDisplayStr(double x, NumberLocale locale);
