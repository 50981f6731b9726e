#pragma once

#include <string>
#include <vector>

// `zentavo-cli render FILE [--ticks N] [--size WxH] [--angle DEG] [--png OUT]`; args are the words after
// "render". Returns the process exit status.
int RunRenderCommand(const std::vector<std::string> &args);
