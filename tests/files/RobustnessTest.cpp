#include "files/AtomicFile.h"
#include "files/OpenSaveJSON.h"
#include "files/SimulationFile.h"

#include "tests/core/RecordingSink.h"
#include "tests/files/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

const std::filesystem::path dataFolder = ZENTAVO_TEST_DATA;

TEST(HostileFiles, EachIsRefusedWithOneMessageUnderBothSeparators)
{
    const auto folder = dataFolder / "hostile";
    ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
    int files = 0;
    for (const auto &entry : std::filesystem::directory_iterator(folder)) {
        ++files;
        for (NumberLocale locale : {NumberLocale::point(), NumberLocale::comma()}) {
            TSimulationData data;
            data.Empty();
            CameraSettings camera;
            RecordingSink sink;
            EXPECT_FALSE(OpenSimulationFile(entry.path().string(), data, camera, locale)) << entry.path();
            ASSERT_EQ(sink.messages.size(), 1u) << entry.path();
            EXPECT_EQ(sink.messages[0].kind, MessageSink::Kind::Error);
            EXPECT_LE(data.CelObjDataList.size(), 10u);
        }
    }
    EXPECT_GE(files, 30);
}

TEST(OpenSimulationFile, ChoosesTheReaderByTheExactExtension)
{
    for (const char *name : {"SunEarth.simx", "SunEarth.sim"}) {
        TSimulationData data;
        data.Empty();
        CameraSettings camera;
        RecordingSink sink;
        EXPECT_TRUE(OpenSimulationFile((dataFolder / name).string(), data, camera, NumberLocale::point())) << name;
        EXPECT_EQ(data.CelObjDataList.size(), 2u);
        EXPECT_EQ(data.CelObjDataList[1].aName, "Earth");
    }
    TempFolder folder;
    std::filesystem::copy_file(dataFolder / "SunEarth.simx", folder.file("SunEarth.SIMX"));
    TSimulationData data;
    CameraSettings camera;
    RecordingSink sink;
    EXPECT_FALSE(OpenSimulationFile(folder.file("SunEarth.SIMX"), data, camera, NumberLocale::point()));
    EXPECT_EQ(sink.only(), "Wrong file format.");
}

TEST(WriteFileAtomically, ReplacesTheFileAndLeavesNothingBeside)
{
    TempFolder folder;
    const std::string file = folder.file("a.simx");
    TempFolder::write(file, "old");
    std::filesystem::permissions(file, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(WriteFileAtomically(file, "new contents"), "");
    EXPECT_EQ(TempFolder::read(file), "new contents");
    EXPECT_EQ(std::filesystem::status(file).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write)
        << "a replaced file keeps its permissions";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(WriteFileAtomically, FailureLeavesTheOldFileUnchanged)
{
    TempFolder folder;
    const std::string file = folder.file("a.simx");
    TempFolder::write(file, "old");
    // A file size limit makes the write fail as a full disk would.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string failure = WriteFileAtomically(file, std::string(5000, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_NE(failure.find("cannot write"), std::string::npos) << failure;
    EXPECT_EQ(TempFolder::read(file), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << "temporary file removed";

    std::filesystem::create_directory(folder.file("folder.simx"));
    TempFolder::write(folder.file("folder.simx/inside"), "kept");
    EXPECT_NE(WriteFileAtomically(folder.file("folder.simx"), "x"), "");
    EXPECT_EQ(TempFolder::read(folder.file("folder.simx/inside")), "kept");
}

TEST(SaveSimxFile, ReportsAFolderThatIsGone)
{
    TSimulationData data;
    data.Empty();
    RecordingSink sink;
    EXPECT_FALSE(SaveSimxFile("/nonexistent/folder/a.simx", data, CameraSettings{}, NumberLocale::point()));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].kind, MessageSink::Kind::Error);
    EXPECT_EQ(sink.messages[0].text, "The file /nonexistent/folder/a.simx could not be saved: cannot create a file "
                                     "in the folder: No such file or directory.");
}

} // namespace
