#pragma once

// The part of the user's locale that number texts depend on. The core never asks the system:
// the program passes what QLocale says, tests and the headless runner pass what they need.
struct NumberLocale {
    char decimalSeparator = '.';

    static constexpr NumberLocale point() { return {'.'}; }
    static constexpr NumberLocale comma() { return {','}; }
};
