#include "fuzz/SilentSink.h"
#include "files/OpenSaveJSON.h"

#include <cstddef>
#include <cstdint>

// Any bytes as a .simx file, read under both decimal separators.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static SilentSink sink;
    MessageSink::install(&sink);
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    for (NumberLocale locale : {NumberLocale::point(), NumberLocale::comma()}) {
        TSimulationData setup;
        setup.Empty();
        CameraSettings camera;
        ReadSimxText(bytes, "fuzz.simx", camera, setup, locale);
    }
    return 0;
}
