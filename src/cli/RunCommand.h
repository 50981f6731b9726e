#pragma once

#include <string>
#include <vector>

// `zentavo-cli run FILE [--ticks N] [--csv OUT]`; args are the words after "run". Returns the exit status.
int RunRunCommand(const std::vector<std::string> &args);
