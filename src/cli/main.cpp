#include <cstdio>

int main()
{
    std::puts("zentavo-cli: no commands yet");
    return 0;
}
