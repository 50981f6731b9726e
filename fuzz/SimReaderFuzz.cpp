#include "files/OpenSave.h"
#include "fuzz/FuzzInput.h"

// Any bytes as an older .sim file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ReadUnderBothSeparators(data, size, [](const std::string &bytes, TSimulationData &setup, CameraSettings &camera,
                                           NumberLocale locale) { ReadSimRecord(bytes, "fuzz.sim", setup, camera, locale); });
    return 0;
}
