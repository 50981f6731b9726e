#pragma once

// Rounds x to one significant digit whose leading digit is 1, 2 or 5 (3.7e5 -> 5e5, 8 -> 10, 0.0042 -> 0.005);
// used for the tick steps of the axes and the graphs. A negative x is only rounded to one digit.
double RoundToNiceValue(double x);
