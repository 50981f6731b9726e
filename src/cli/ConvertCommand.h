#pragma once

#include <string>
#include <vector>

// `zentavo-cli convert OLD.sim NEW.simx`; args are the words after "convert". Returns the exit status.
int RunConvertCommand(const std::vector<std::string> &args);
