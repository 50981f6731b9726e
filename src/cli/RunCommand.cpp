#include "cli/RunCommand.h"

#include "cli/CliSimulation.h"
#include "cli/CsvReadout.h"
#include "core/MessageSink.h"
#include "core/RunLoop.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>

namespace {

struct RunArguments {
    std::string file;
    long long ticks = 100;
    std::string csv;  // empty: standard output
};

bool parseTicks(const std::string &text, long long &ticks)
{
    const auto res = std::from_chars(text.data(), text.data() + text.size(), ticks);
    return !text.empty() && res.ec == std::errc() && res.ptr == text.data() + text.size() && ticks >= 0;
}

bool parseArguments(const std::vector<std::string> &args, RunArguments &out)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &word = args[i];
        const bool hasValue = i + 1 < args.size();
        if (word == "--ticks" && hasValue) {
            if (!parseTicks(args[++i], out.ticks)) {
                InfoErrorDialog("--ticks needs a whole number of ticks, not \"" + args[i] + "\".");
                return false;
            }
        } else if (word == "--csv" && hasValue) {
            out.csv = args[++i];
        } else if (out.file.empty() && !word.starts_with("--")) {
            out.file = word;
        } else {
            InfoErrorDialog("Unexpected argument \"" + word + "\". See zentavo-cli --help.");
            return false;
        }
    }
    if (out.file.empty()) {
        InfoErrorDialog("run needs a simulation file. See zentavo-cli --help.");
        return false;
    }
    return true;
}

// Runs the ticks, writing one row after each; stops after the row of a tick that ended in a collision.
int runTicks(TCelObjCollection &collection, long long ticks, std::ostream &out)
{
    out << CsvHeader(collection);
    for (long long t = 0; t < ticks; ++t) {
        const TickResult tick = RunTick(collection);
        out << CsvRow(collection);
        if (tick.collided) {
            out.flush();
            InfoOKDialog(collection.AllCelObj[tick.collObj1].ObjName + " and " +
                         collection.AllCelObj[tick.collObj2].ObjName + " have collided! Simulation stopped.");
            return CliExit::Collision;
        }
    }
    return CliExit::Ok;
}

} // namespace

int RunRunCommand(const std::vector<std::string> &args)
{
    RunArguments arguments;
    if (!parseArguments(args, arguments))
        return CliExit::Refused;
    auto simulation = std::make_unique<CliSimulation>();
    if (const int status = LoadAndPrepare(arguments.file, *simulation); status != CliExit::Ok)
        return status;

    std::ofstream file;
    if (!arguments.csv.empty()) {
        file.open(arguments.csv, std::ios::binary | std::ios::trunc);
        if (!file) {
            InfoErrorDialog("The file " + arguments.csv + " cannot be written.");
            return CliExit::Refused;
        }
    }
    std::ostream &out = arguments.csv.empty() ? std::cout : file;
    const int status = runTicks(simulation->collection, arguments.ticks, out);
    out.flush();
    if (!out) {
        InfoErrorDialog("The readout could not be written completely.");
        return CliExit::Refused;
    }
    return status;
}
