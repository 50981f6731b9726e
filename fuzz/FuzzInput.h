#pragma once

#include "core/DataRecords.h"
#include "core/MessageSink.h"
#include "core/NumberLocale.h"
#include "files/CameraSettings.h"

#include <cstddef>
#include <cstdint>
#include <string>

// What both fuzz targets do with their bytes: read them as one simulation file under each decimal
// separator into a fresh set-up, with messages swallowed so that printing does not slow the run.
template <typename Reader>
void ReadUnderBothSeparators(const uint8_t *data, size_t size, Reader read)
{
    class SilentSink : public MessageSink {
    public:
        void show(Kind, const std::string &) override {}
    };
    static SilentSink sink;
    MessageSink::install(&sink);
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    for (NumberLocale locale : {NumberLocale::point(), NumberLocale::comma()}) {
        TSimulationData setup;
        setup.Empty();
        CameraSettings camera;
        read(bytes, setup, camera, locale);
    }
}
