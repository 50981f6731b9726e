#include "tests/files/TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <sys/wait.h>

namespace {

const std::filesystem::path dataFolder = ZENTAVO_TEST_DATA;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs zentavo-cli with the given (already quoted) arguments, capturing both streams.
Outcome runCli(const std::string &arguments)
{
    TempFolder streams;
    const std::string command = std::string("'") + ZENTAVO_CLI + "' " + arguments + " >'" + streams.file("out") +
                                "' 2>'" + streams.file("err") + "'";
    const int raw = std::system(command.c_str());
    Outcome o;
    o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    o.out = TempFolder::read(streams.file("out"));
    o.err = TempFolder::read(streams.file("err"));
    return o;
}

std::string quoted(const std::string &path) { return "'" + path + "'"; }

std::string sunEarth() { return TempFolder::read((dataFolder / "SunEarth.simx").string()); }

std::string replaced(std::string text, const std::string &from, const std::string &to)
{
    const auto pos = text.find(from);
    EXPECT_NE(pos, std::string::npos) << from;
    return pos == std::string::npos ? text : text.replace(pos, from.size(), to);
}

struct Csv {
    std::vector<std::string> header;
    std::vector<std::vector<double>> rows;
    double at(size_t row, const std::string &column) const
    {
        const auto it = std::find(header.begin(), header.end(), column);
        EXPECT_NE(it, header.end()) << column;
        return rows.at(row).at(static_cast<size_t>(it - header.begin()));
    }
};

Csv parseCsv(const std::string &text)
{
    Csv csv;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string field;
        std::vector<std::string> texts;
        while (std::getline(fields, field, ','))
            texts.push_back(field);
        if (csv.header.empty()) {
            csv.header = texts;
            continue;
        }
        std::vector<double> row;
        for (const auto &t : texts) {
            size_t used = 0;
            row.push_back(std::stod(t, &used));
            EXPECT_EQ(used, t.size()) << t;
        }
        EXPECT_EQ(row.size(), csv.header.size());
        csv.rows.push_back(row);
    }
    return csv;
}

TEST(ZentavoCliRun, WritesReadoutRowsConsistentWithTheEnergyFormulas)
{
    const Outcome o = runCli("run " + quoted((dataFolder / "SunEarth.simx").string()) + " --ticks 20");
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.err, "");
    const Csv csv = parseCsv(o.out);
    EXPECT_EQ(csv.header, (std::vector<std::string>{"time_s", "Sun_speed_mps", "Sun_acc_mps2", "Sun_kinetic_J",
                                                     "Earth_speed_mps", "Earth_acc_mps2", "Earth_kinetic_J",
                                                     "potential_J", "total_J", "distance_Sun_Earth_km"}));
    ASSERT_EQ(csv.rows.size(), 20u);
    // Masses are single precision in the simulation; G is the file's.
    const double mSun = static_cast<float>(1.989e30), mEarth = static_cast<float>(5.972e24), G = 6.674e-11;
    const double E0 = csv.at(0, "total_J");
    for (size_t r = 0; r < csv.rows.size(); ++r) {
        const double vSun = csv.at(r, "Sun_speed_mps"), vEarth = csv.at(r, "Earth_speed_mps");
        const double KSun = csv.at(r, "Sun_kinetic_J"), KEarth = csv.at(r, "Earth_kinetic_J");
        const double U = csv.at(r, "potential_J"), distanceM = csv.at(r, "distance_Sun_Earth_km") * 1000;
        // Rounding only: each column is one formula over round-tripped doubles.
        EXPECT_NEAR(KSun, 0.5 * mSun * vSun * vSun, 1e-12 * KSun);
        EXPECT_NEAR(KEarth, 0.5 * mEarth * vEarth * vEarth, 1e-12 * KEarth);
        EXPECT_NEAR(U, -G * mSun * mEarth / distanceM, 1e-12 * std::fabs(U));
        EXPECT_NEAR(csv.at(r, "total_J"), KSun + KEarth + U, 1e-12 * std::fabs(U));
        // The centre of mass is at rest, so the momenta balance.
        EXPECT_NEAR(mSun * vSun, mEarth * vEarth, 1e-6 * mEarth * vEarth);
        // The integrator conserves energy far better than this over 20 ticks of a near-circular orbit.
        EXPECT_NEAR(csv.at(r, "total_J"), E0, 1e-6 * std::fabs(E0));
        EXPECT_NEAR(csv.at(r, "Earth_acc_mps2"), G * mSun / (distanceM * distanceM), 1e-3 * csv.at(r, "Earth_acc_mps2"))
            << "the acceleration of the step before";
        if (r > 0)
            EXPECT_GT(csv.at(r, "time_s"), csv.at(r - 1, "time_s"));
    }
}

TEST(ZentavoCliRun, CsvFileEqualsStandardOutputAndCommaFilesRunTheSame)
{
    TempFolder folder;
    const std::string file = (dataFolder / "SunEarth.simx").string();
    const Outcome toStdout = runCli("run " + quoted(file) + " --ticks 3");
    const Outcome toFile = runCli("run " + quoted(file) + " --ticks 3 --csv " + quoted(folder.file("o.csv")));
    ASSERT_EQ(toFile.status, 0) << toFile.err;
    EXPECT_EQ(toFile.out, "");
    EXPECT_EQ(TempFolder::read(folder.file("o.csv")), toStdout.out);

    std::string comma = sunEarth();
    for (const char *number : {"1.989E30", "5.972E24", "1.496E8", "6.674E-11", "\"0.5\"", "\"0.5\"",
                               "1.57079637050629"}) {
        std::string c = number;
        c[c.find('.')] = ',';
        comma = replaced(comma, number, c);
    }
    TempFolder::write(folder.file("comma.simx"), comma);
    const Outcome fromComma = runCli("run " + quoted(folder.file("comma.simx")) + " --ticks 3");
    ASSERT_EQ(fromComma.status, 0) << fromComma.err;
    EXPECT_EQ(fromComma.out, toStdout.out);
}

TEST(ZentavoCliRun, OldFileRunsAsItsConversion)
{
    TempFolder folder;
    const std::string old = (dataFolder / "SunEarth.sim").string();
    const Outcome converted = runCli("convert " + quoted(old) + " " + quoted(folder.file("new.simx")));
    ASSERT_EQ(converted.status, 0) << converted.err;
    const Outcome fromOld = runCli("run " + quoted(old) + " --ticks 5");
    const Outcome fromNew = runCli("run " + quoted(folder.file("new.simx")) + " --ticks 5");
    ASSERT_EQ(fromOld.status, 0) << fromOld.err;
    EXPECT_EQ(fromOld.out, fromNew.out);
    EXPECT_EQ(parseCsv(fromOld.out).rows.size(), 5u);
    const std::string text = TempFolder::read(folder.file("new.simx"));
    EXPECT_NE(text.find(R"("Name":"Earth","Mass":"5.972E24")"), std::string::npos) << text;
    EXPECT_NE(text.find(R"("Color":"Red")"), std::string::npos) << "stored blue-green-red 0x000000FF";
}

TEST(ZentavoCliRun, HonoursTheVariableTimeStep)
{
    TempFolder folder;
    // An eccentric orbit: the closest pair's distance, and with it the step, changes from tick to tick.
    std::string eccentric = replaced(sunEarth(), R"("VelY":"29780")", R"("VelY":"15000")");
    TempFolder::write(folder.file("fixed.simx"), eccentric);
    TempFolder::write(folder.file("var.simx"), replaced(eccentric, R"("VarDt":false)", R"("VarDt":true)"));
    auto spacing = [](const Csv &csv, size_t r) { return csv.at(r + 1, "time_s") - csv.at(r, "time_s"); };
    const Csv fixed = parseCsv(runCli("run " + quoted(folder.file("fixed.simx")) + " --ticks 30").out);
    const Csv variable = parseCsv(runCli("run " + quoted(folder.file("var.simx")) + " --ticks 30").out);
    ASSERT_EQ(fixed.rows.size(), 30u);
    ASSERT_EQ(variable.rows.size(), 30u);
    EXPECT_NEAR(spacing(fixed, 28), spacing(fixed, 0), 1e-9 * spacing(fixed, 0));
    EXPECT_LT(spacing(variable, 28), 0.995 * spacing(variable, 0)) << "the step shrinks as Earth falls inwards";
}

TEST(ZentavoCliRun, CollisionEndsAfterTheRowOfItsTick)
{
    TempFolder folder;
    std::string falling = replaced(sunEarth(), R"("VelY":"29780")", R"("VelY":"0")");
    falling = replaced(falling, R"("PosX":"1.496E8")", R"("PosX":"2E6")");
    TempFolder::write(folder.file("fall.simx"), falling);
    const Outcome o = runCli("run " + quoted(folder.file("fall.simx")) + " --ticks 100000");
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "Sun and Earth have collided! Simulation stopped.\n");
    const Csv csv = parseCsv(o.out);
    ASSERT_FALSE(csv.rows.empty());
    EXPECT_LT(csv.rows.size(), 100000u);
    EXPECT_LT(csv.at(csv.rows.size() - 1, "distance_Sun_Earth_km"), 696000 + 6371);
}

TEST(ZentavoCliRun, QuotesNamesThatWouldBreakTheColumns)
{
    TempFolder folder;
    TempFolder::write(folder.file("q.simx"), replaced(sunEarth(), R"("Name":"Sun")", R"("Name":"Sun, \"Sol\"")"));
    const Outcome o = runCli("run " + quoted(folder.file("q.simx")) + " --ticks 1");
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out.substr(0, o.out.find('\n')),
              R"(time_s,"Sun, ""Sol""_speed_mps","Sun, ""Sol""_acc_mps2","Sun, ""Sol""_kinetic_J",)"
              R"(Earth_speed_mps,Earth_acc_mps2,Earth_kinetic_J,potential_J,total_J,"distance_Sun, ""Sol""_Earth_km")");
}

struct RefusalCase {
    const char *what;
    const char *from;
    const char *to;
    const char *message;
};

class ZentavoCliRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(ZentavoCliRefusal, ExitsWithTwoAndTheProgramsMessage)
{
    TempFolder folder;
    TempFolder::write(folder.file("bad.simx"), replaced(sunEarth(), GetParam().from, GetParam().to));
    const Outcome o = runCli("run " + quoted(folder.file("bad.simx")));
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.out, "");
    std::string message = GetParam().message;
    if (const auto pos = message.find("BAD"); pos != std::string::npos)
        message.replace(pos, 3, folder.file("bad.simx"));
    EXPECT_EQ(o.err, message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ZentavoCliRefusal,
    testing::Values(
        RefusalCase{"zero_mass", R"("Mass":"5.972E24")", R"("Mass":"0")",
                    "Error: Mass of Earth must be greater than zero.\n"},
        RefusalCase{"blank_name", R"("Name":"Sun")", R"("Name":" ")", "The 1. body needs a name.\n"},
        RefusalCase{"duplicate", R"("Name":"Sun")", R"("Name":"Earth")",
                    "Error: Duplicate name: Earth. Please change.\n"},
        RefusalCase{"overlap", R"("PosX":"1.496E8")", R"("PosX":"1000")",
                    "Error: Sun and Earth are too close.\nIncrease distance or decrease radius.\n"},
        RefusalCase{"bad_drift", R"("vCM.X":"0")", R"("vCM.X":"fast")",
                    "Error: vx of the center of mass is not a valid number.\n"},
        RefusalCase{"bad_file", R"("dt":"0")", R"("dt":"zero")",
                    "Error: The file BAD is not a valid simulation file: the value \"zero\" of \"dt\" is not a valid "
                    "number.\n"}),
    [](const auto &info) { return std::string(info.param.what); });

TEST(ZentavoCli, RefusesBadArguments)
{
    const std::string file = quoted((dataFolder / "SunEarth.simx").string());
    for (const std::string &arguments : {std::string("run"), "run " + file + " --ticks x", "run " + file + " --ticks",
                                         "run " + file + " extra", std::string("fly"), std::string(""),
                                         std::string("run missing.SIMX"), std::string("convert only-one.sim")}) {
        const Outcome o = runCli(arguments);
        EXPECT_EQ(o.status, 2) << arguments;
        EXPECT_NE(o.err, "") << arguments;
        EXPECT_EQ(o.out, "") << arguments;
    }
    EXPECT_EQ(runCli("run missing.SIMX").err, "Error: Wrong file format.\n");
}

TEST(ZentavoCli, HelpNamesEveryCommand)
{
    const Outcome o = runCli("--help");
    EXPECT_EQ(o.status, 0);
    for (const char *usage : {"run FILE [--ticks N] [--csv OUT]", "convert OLD.sim NEW.simx",
                              "render FILE [--ticks N] [--size WxH] [--angle DEG] [--png OUT]"})
        EXPECT_NE(o.out.find(usage), std::string::npos) << usage;
}

} // namespace
