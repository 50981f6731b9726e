#include "files/OpenSaveJSON.h"
#include "fuzz/FuzzInput.h"

// Any bytes as a .simx file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ReadUnderBothSeparators(data, size, [](const std::string &bytes, TSimulationData &setup, CameraSettings &camera,
                                           NumberLocale locale) { ReadSimxText(bytes, "fuzz.simx", camera, setup, locale); });
    return 0;
}
