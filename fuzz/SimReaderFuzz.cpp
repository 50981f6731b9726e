#include "fuzz/SilentSink.h"
#include "files/OpenSave.h"

#include <cstddef>
#include <cstdint>

// Any bytes as an older .sim file, read under both decimal separators.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static SilentSink sink;
    MessageSink::install(&sink);
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    for (NumberLocale locale : {NumberLocale::point(), NumberLocale::comma()}) {
        TSimulationData setup;
        setup.Empty();
        CameraSettings camera;
        ReadSimRecord(bytes, "fuzz.sim", setup, camera, locale);
    }
    return 0;
}
