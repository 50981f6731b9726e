#include "cli/ConvertCommand.h"

#include "cli/CliSimulation.h"
#include "core/MessageSink.h"
#include "files/OpenSaveJSON.h"
#include "files/SimulationFile.h"

int RunConvertCommand(const std::vector<std::string> &args)
{
    if (args.size() != 2) {
        InfoErrorDialog("convert needs an old file and a new file name. See zentavo-cli --help.");
        return CliExit::Refused;
    }
    TSimulationData setup;
    ResetForOpen(setup);
    CameraSettings camera;
    constexpr NumberLocale locale = NumberLocale::point();
    if (!OpenSimulationFile(args[0], setup, camera, locale))
        return CliExit::Refused;
    return SaveSimxFile(args[1], setup, camera, locale) ? CliExit::Ok : CliExit::Refused;
}
