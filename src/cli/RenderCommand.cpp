#include "cli/RenderCommand.h"

#include <cstdio>

int RunRenderCommand(const std::vector<std::string> &)
{
    std::fputs("zentavo-cli render: not built yet\n", stderr);
    return 2;
}
