#include "files/SimulationFile.h"

#include "core/MessageSink.h"
#include "files/OpenSave.h"
#include "files/OpenSaveJSON.h"

#include <filesystem>

bool OpenSimulationFile(const std::string &FileName, TSimulationData &SimulationData, CameraSettings &Camera,
                        NumberLocale locale)
{
    const std::string extension = std::filesystem::path(FileName).extension().string();
    if (extension == ".simx")
        return OpenSimxFile(FileName, Camera, SimulationData, locale);
    if (extension == ".sim")
        return OpenSimFile(FileName, SimulationData, Camera, locale);
    InfoErrorDialog("Wrong file format.");
    return false;
}
