#include "cli/CliSimulation.h"
#include "cli/ConvertCommand.h"
#include "cli/RenderCommand.h"
#include "cli/RunCommand.h"
#include "core/MessageSink.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr const char *helpText =
    "Usage: zentavo-cli COMMAND ...\n"
    "Runs Zentavo simulation files without a window.\n"
    "\n"
    "  run FILE [--ticks N] [--csv OUT]\n"
    "      Opens FILE (.simx, or an older .sim), checks its bodies and prepares the simulation as the\n"
    "      OK button does, then runs N timer ticks of 1500 steps each (default 100), honouring the\n"
    "      file's variable time step. Writes one CSV row per tick to OUT, or to standard output without\n"
    "      --csv: time_s; for every body <name>_speed_mps, <name>_acc_mps2, <name>_kinetic_J;\n"
    "      potential_J, total_J; and distance_<name1>_<name2>_km for bodies 1-2 (and 1-3, 2-3 with\n"
    "      exactly three bodies).\n"
    "      Numbers use \".\" and full double precision. A collision ends the run after its tick's row.\n"
    "  convert OLD.sim NEW.simx\n"
    "      Reads a simulation file and writes it in the current .simx format.\n"
    "  render FILE [--ticks N] [--size WxH] [--angle DEG] [--png OUT] [--white]\n"
    "      Prepares FILE as run does, runs N ticks (default 100) drawing as the program does (trails,\n"
    "      bodies, marks, arrows and axes as the file switches them), and saves the main view of\n"
    "      WxH pixels (default 800x600) with the bodies as a PNG to OUT (default FILE with .png).\n"
    "      DEG sets the camera angle (0 to 90) instead of the file's; --white paints a white\n"
    "      background with black axes instead of black.\n"
    "  --help\n"
    "      Shows this text.\n"
    "\n"
    "Messages go to standard error. Exit status: 0 done, 1 the run ended in a collision,\n"
    "2 bad arguments or a file that cannot be read, checked, prepared or written.\n";

} // namespace

int main(int argc, char **argv)
{
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty()) {
        std::fputs(helpText, stderr);
        return CliExit::Refused;
    }
    const std::string &command = words.front();
    const std::vector<std::string> rest(words.begin() + 1, words.end());
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(helpText, stdout);
        return CliExit::Ok;
    }
    if (command == "run")
        return RunRunCommand(rest);
    if (command == "convert")
        return RunConvertCommand(rest);
    if (command == "render")
        return RunRenderCommand(rest);
    InfoErrorDialog("Unknown command \"" + command + "\". See zentavo-cli --help.");
    return CliExit::Refused;
}
