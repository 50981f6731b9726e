#include "cli/CliSimulation.h"

#include "core/BodyTableChecks.h"
#include "core/SimulationPreparation.h"
#include "files/SimulationFile.h"

namespace {

// The runner reads and writes numbers with "." whatever the user's locale.
constexpr NumberLocale cliLocale = NumberLocale::point();

} // namespace

void ResetForOpen(TSimulationData &setup)
{
    setup.Empty();
    setup.OrFrac = {0.5f, 0.5f};
    setup.SecondViewportScale = 0.0f;
    setup.ArrowScaleCorrection = 1.0f;
}

int LoadAndPrepare(const std::string &fileName, CliSimulation &simulation)
{
    ResetForOpen(simulation.setup);
    simulation.camera = CameraSettings{};
    if (!OpenSimulationFile(fileName, simulation.setup, simulation.camera, cliLocale))
        return CliExit::Refused;
    std::vector<TCelObjData> &bodies = simulation.setup.CelObjDataList;
    ConvertToDefaultLocale(bodies, cliLocale);
    if (!GridDataOK(bodies, cliLocale))
        return CliExit::Refused;

    PreparationInput input;
    input.bodies = bodies;
    input.options = simulation.setup.Options;
    input.velCMx = simulation.setup.VelCMx;
    input.velCMy = simulation.setup.VelCMy;
    input.velCMz = simulation.setup.VelCMz;
    input.locale = cliLocale;
    simulation.collection.SimFromFile = true;
    const PreparationResult prepared = PrepareSimulation(input, simulation.setup, simulation.collection);
    if (!prepared.ok)
        return CliExit::Refused;
    if (simulation.camera.d == 0.0f)
        simulation.camera.d = static_cast<float>(prepared.defaultCameraDistance);
    return CliExit::Ok;
}
