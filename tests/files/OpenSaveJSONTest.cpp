#include "files/OpenSaveJSON.h"

#include "core/SimulationPreparation.h"
#include "tests/core/RecordingSink.h"
#include "tests/files/TempFolder.h"
#include "tests/TestCaseNames.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

constexpr NumberLocale kPoint = NumberLocale::point();
constexpr NumberLocale kComma = NumberLocale::comma();

TCelObjData body(const std::string &name, const std::string &mass, const std::string &x, uint32_t color,
                 char separator = '.')
{
    const std::string s(1, separator);
    TCelObjData d;
    d.aName = name;
    d.aMass = mass;
    d.aRadius = "6371";
    d.aPosx = x;
    d.aPosy = "0";
    d.aPosz = "-0" + s + "5";
    d.aVelocityx = "0";
    d.aVelocityy = "P+29780";
    d.aVelocityz = "0";
    d.aImageScale = "1" + s + "5";
    d.aColor = color;
    return d;
}

// A set-up whose texts use the given separator, as the grid leaves them after OK.
TSimulationData setupIn(NumberLocale locale)
{
    const std::string s(1, locale.decimalSeparator);
    TSimulationData d;
    d.Empty();
    d.CelObjDataList = {body("Sun", "1" + s + "989E30", "0", 0xFFFFFF00, s[0]),
                        body("Earth", "5" + s + "972E24", "P+1" + s + "496E8", 0x80123456, s[0])};
    d.CelObjDataList[0].aVelocityy = "0";
    d.CelObjDataList[0].aCentralBody = true;
    d.CelObjDataList[1].aShowIntermedPos = true;
    d.Options.ShowTrails = d.Options.VarDt = d.Options.ShowOrbitProjec = d.Options.Reserved3 = true;
    d.VelCMx = "1" + s + "5";
    d.DeltaT = 123.25;
    d.DeltaTConstant = 2.5e-3;
    d.ScaleFactor = 1.5e-7f;
    d.G = 6.674e-11;
    d.ArrowScaleCorrection = 0.6f;
    d.InterMedPosInterval = 86400;
    d.SecondViewport = true;
    d.SecondViewportCentralBody = 1;
    d.SecondViewportScale = 3e9f;
    d.OrFrac = {0.25f, 0.75f};
    return d;
}

const CameraSettings kCamera{4.5e11f, 0.5f, 1.5707964f};

struct Read {
    bool ok = false;
    TSimulationData data;
    CameraSettings camera;
    std::vector<RecordingSink::Message> messages;
};

Read readText(const std::string &text, NumberLocale locale = kPoint)
{
    Read r;
    r.data.Empty();
    r.data.DeltaTConstant = 42;
    RecordingSink sink;
    r.ok = ReadSimxText(text, "s.simx", r.camera, r.data, locale);
    r.messages = sink.messages;
    return r;
}

class SimxRoundTrip : public testing::TestWithParam<NumberLocale> {};

TEST_P(SimxRoundTrip, KeepsEveryBodyTextVerbatimAndTheSettings)
{
    TempFolder folder;
    const TSimulationData original = setupIn(GetParam());
    ASSERT_TRUE(SaveSimxFile(folder.file("a.simx"), original, kCamera, GetParam()));
    const Read r = readText(TempFolder::read(folder.file("a.simx")), GetParam());
    ASSERT_TRUE(r.ok) << (r.messages.empty() ? "" : r.messages[0].text);
    EXPECT_EQ(r.data.CelObjDataList, original.CelObjDataList);
    EXPECT_EQ(r.data.Options, original.Options);
    EXPECT_EQ(r.data.VelCMx, original.VelCMx);
    EXPECT_EQ(r.data.DeltaT, original.DeltaT);
    EXPECT_EQ(r.data.DeltaTConstant, original.DeltaTConstant);
    EXPECT_EQ(r.data.ScaleFactor, original.ScaleFactor);
    EXPECT_EQ(r.data.G, original.G);
    EXPECT_EQ(r.data.ArrowScaleCorrection, original.ArrowScaleCorrection);
    EXPECT_EQ(r.data.InterMedPosInterval, original.InterMedPosInterval);
    EXPECT_EQ(r.data.SecondViewport, true);
    EXPECT_EQ(r.data.SecondViewportCentralBody, 1);
    EXPECT_EQ(r.data.SecondViewportScale, original.SecondViewportScale);
    EXPECT_EQ(r.data.OrFrac, original.OrFrac);
    EXPECT_EQ(r.camera.d, kCamera.d);
    EXPECT_EQ(r.camera.Phi, kCamera.Phi);
    EXPECT_EQ(r.camera.Theta, kCamera.Theta);
    EXPECT_TRUE(r.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, SimxRoundTrip, testing::Values(kPoint, kComma),
                         [](const auto &info) { return info.param.decimalSeparator == '.' ? "Point" : "Comma"; });

TEST(SimxFile, WrittenUnderACommaReadsUnderAPoint)
{
    TempFolder folder;
    ASSERT_TRUE(SaveSimxFile(folder.file("c.simx"), setupIn(kComma), kCamera, kComma));
    const std::string text = TempFolder::read(folder.file("c.simx"));
    EXPECT_NE(text.find("\"ScaleFactor\":\"1,50000005305628E-7\""), std::string::npos) << text;
    const Read r = readText(text, kPoint);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.data.ScaleFactor, 1.5e-7f);
    EXPECT_EQ(r.data.CelObjDataList[1].aMass, "5.972E24");
    EXPECT_EQ(r.data.CelObjDataList[1].aPosx, "P+1.496E8");
    EXPECT_EQ(r.data.VelCMx, "1,5") << "drift texts reach the edit boxes unchanged";
    EXPECT_EQ(r.camera.Phi, 0.5f);
}

TEST(SimxFile, IsCompactWithMembersInTheirOrder)
{
    TSimulationData d;
    d.Empty();
    d.CelObjDataList = {body("Io", "1", "2", 0xFFFFFFFF)};
    d.CelObjDataList[0].aColor = 0;
    d.ArrowScaleCorrection = 1;
    TempFolder folder;
    ASSERT_TRUE(SaveSimxFile(folder.file("o.simx"), d, CameraSettings{}, kPoint));
    EXPECT_EQ(TempFolder::read(folder.file("o.simx")),
              R"({"CelObjData":[{"Name":"Io","Mass":"1","Radius":"6371","PosX":"2","PosY":"0","PosZ":"-0.5",)"
              R"("VelX":"0","VelY":"P+29780","VelZ":"0","ImageScale":"1.5","Color":"#00000000","CentralBody":false,)"
              R"("ShowInterMedPos":false}],"Options":[{"Axes":false,"StarBKG":false,"Trails":false,"Time":false,)"
              R"("CM":false,"AccArrow":false,"VelArrow":false,"Distance":false,"Vel":false,"Acc":false,)"
              R"("Energy":false,"Graph":false,"Field":false,"FieldLines":false,"Equipots":false,"StartPos":false,)"
              R"("LineFromCM":false,"IMPos":false,"TimeFormatSeconds":false,"VarDt":false,"OrbitProjections":false,)"
              R"("Res1":false,"Res2":false,"Res3":false}],"AddInfo":[{"vCM.X":"0","vCM.Y":"0","vCM.Z":"0",)"
              R"("dt":"0","dtConst":"0","ScaleFactor":"0","G":"6.67E-11","ArrowScaleCorrection":"1",)"
              R"("InterMedPosInterval":"0","SecondViewport":false,"SecondViewportCentralBody":"0",)"
              R"("SecondViewportScale":"0","OrFracX":"0.5","OrFracY":"0.5"}],"Camera":[{"d":"0","Phi":"0",)"
              R"("Theta":"1.57079637050629"}]})");
}

TEST(SimxFile, SavedFromAPreparedSimulationTakesTheLiveSettings)
{
    TSimulationData setup = setupIn(kPoint);
    setup.CelObjDataList[1].aShowIntermedPos = false;
    setup.SecondViewportCentralBody = 0;
    PreparationInput input;
    input.bodies = setup.CelObjDataList;
    input.velCMx = "2.5";
    input.periodicPositionFlags[1] = true;  // typed into the grid: the per-body choice decides
    TCelObjCollection collection;
    RecordingSink sink;
    ASSERT_TRUE(PrepareSimulation(input, setup, collection).ok) << sink.only();
    TempFolder folder;
    ASSERT_TRUE(SaveSimxFile(folder.file("p.simx"), collection, kCamera, kPoint));
    const Read r = readText(TempFolder::read(folder.file("p.simx")));
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.data.CelObjDataList[1].aShowIntermedPos) << "from the live body, not the record";
    EXPECT_EQ(r.data.CelObjDataList[1].aPosx, "P+1.496E8");
    EXPECT_EQ(r.data.VelCMx, "2.5");
    EXPECT_EQ(r.data.ScaleFactor, static_cast<float>(collection.ScaleFactor));
    EXPECT_EQ(r.data.DeltaT, collection.DeltaT);
}

// The smallest valid document, with one body, that the cases below alter.
std::string minimalDocument(const std::string &bodyExtra = "", const std::string &addInfoExtra = "")
{
    std::string options;
    for (const char *key : {"Axes", "StarBKG", "Trails", "Time", "CM", "AccArrow", "VelArrow", "Distance", "Vel",
                            "Acc", "Energy", "Graph", "Field", "FieldLines", "Equipots", "StartPos", "LineFromCM",
                            "IMPos", "TimeFormatSeconds", "VarDt", "OrbitProjections", "Res1", "Res2", "Res3"})
        options += std::string(options.empty() ? "" : ",") + "\"" + key + "\":false";
    return R"({"CelObjData":[{"Name":"A","Mass":"1","Radius":"1","PosX":"0","PosY":"0","PosZ":"0","VelX":"0",)"
           R"("VelY":"0","VelZ":"0","ImageScale":"1","Color":"Red","CentralBody":false,"ShowInterMedPos":false)" +
           bodyExtra + R"(}],"Options":[{)" + options +
           R"(}],"AddInfo":[{"vCM.X":"0","vCM.Y":"0","vCM.Z":"0","dt":"1","ScaleFactor":"1","G":"1",)"
           R"("ArrowScaleCorrection":"1","InterMedPosInterval":"1","SecondViewport":false,)"
           R"("SecondViewportCentralBody":"-1","SecondViewportScale":"0","OrFracX":"0.5","OrFracY":"0.5")" +
           addInfoExtra + R"(}],"Camera":[{"d":"1","Phi":"0","Theta":"0"}]})";
}

std::string replaced(std::string text, const std::string &from, const std::string &to)
{
    const auto pos = text.find(from);
    EXPECT_NE(pos, std::string::npos) << from;
    return pos == std::string::npos ? text : text.replace(pos, from.size(), to);
}

TEST(OpenSimxFile, AcceptsTheLooseFormsOfValues)
{
    std::string text = minimalDocument(R"(,"Unknown":[1,{}])", R"(,"dtConst":"0,25")");
    text = replaced(text, R"("CentralBody":false)", R"("CentralBody":"True")");
    text = replaced(text, R"("ShowInterMedPos":false)", R"("ShowInterMedPos":2)");
    text = replaced(text, R"("Axes":false)", R"("Axes":"FALSE")");
    text = replaced(text, R"("Trails":false)", R"("Trails":"1")");
    text = replaced(text, R"("Mass":"1")", R"("Mass":5.5e24)");
    text = replaced(text, R"("Color":"Red")", R"("Color":4278190335)");
    text = replaced(text, R"("dt":"1")", R"("dt":0.5)");
    text = replaced(text, R"("SecondViewportCentralBody":"-1")", R"("SecondViewportCentralBody":0)");
    text = replaced(text, R"("Camera":[{"d":"1","Phi":"0","Theta":"0"}])",
                    R"("Camera":[{"d":"1","Phi":"0","Theta":"0"},{"d":"x"}])");
    const Read r = readText("\xEF\xBB\xBF" + text);
    ASSERT_TRUE(r.ok) << (r.messages.empty() ? "" : r.messages[0].text);
    const TCelObjData &a = r.data.CelObjDataList.at(0);
    EXPECT_TRUE(a.aCentralBody);
    EXPECT_TRUE(a.aShowIntermedPos);
    EXPECT_FALSE(r.data.Options.ShowAxes);
    EXPECT_TRUE(r.data.Options.ShowTrails);
    EXPECT_EQ(a.aMass, "5.5e+24");
    EXPECT_EQ(a.aColor, 0xFF0000FFu);
    EXPECT_EQ(r.data.DeltaT, 0.5);
    EXPECT_EQ(r.data.DeltaTConstant, 0.25);
    EXPECT_EQ(r.data.SecondViewportCentralBody, 0);
}

TEST(OpenSimxFile, EmptyBodyListAndMissingTimeStepFactor)
{
    const Read r = readText(replaced(minimalDocument(), R"("CelObjData":[{)", R"("CelObjData":[],"X":[{)"));
    ASSERT_TRUE(r.ok) << (r.messages.empty() ? "" : r.messages[0].text);
    EXPECT_TRUE(r.data.CelObjDataList.empty());
    EXPECT_EQ(r.data.DeltaTConstant, 42) << "kept without dtConst";
}

TEST(OpenSimxFile, SecondViewBodyThatNamesNoBodyBecomesTheCentreOfMass)
{
    for (const char *index : {"1", "-2", "2147483647"}) {
        const Read r = readText(replaced(minimalDocument(), R"("SecondViewportCentralBody":"-1")",
                                         std::string(R"("SecondViewportCentralBody":")") + index + "\""));
        ASSERT_TRUE(r.ok) << index;
        EXPECT_EQ(r.data.SecondViewportCentralBody, -1) << index;
    }
}

struct FailureCase {
    const char *what;
    std::string text;
    const char *message;  // after "The file s.simx is not a valid simulation file: "
};

class OpenSimxFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(OpenSimxFailure, StopsWithOneMessage)
{
    const Read r = readText(GetParam().text);
    EXPECT_FALSE(r.ok);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].kind, MessageSink::Kind::Error);
    EXPECT_EQ(r.messages[0].text, std::string("The file s.simx is not a valid simulation file: ") + GetParam().message);
}

const std::string doc = minimalDocument();
INSTANTIATE_TEST_SUITE_P(
    Cases, OpenSimxFailure,
    testing::Values(
        FailureCase{"empty", "", "its text is not a JSON object."},
        FailureCase{"array", "[]", "its text is not a JSON object."},
        FailureCase{"truncated", doc.substr(0, doc.size() / 2), "its text is not a JSON object."},
        FailureCase{"deep", std::string(100000, '[') + std::string(100000, ']'),
                    "its text nests deeper than any simulation file."},
        FailureCase{"no bodies", replaced(doc, "\"CelObjData\"", "\"Bodies\""),
                    "the member \"CelObjData\" is missing."},
        FailureCase{"bodies object", R"({"CelObjData":{"a":1}})", "the member \"CelObjData\" is not an array."},
        FailureCase{"body number", replaced(doc, R"("CelObjData":[{)", R"("CelObjData":[1,{)"),
                    "an element of \"CelObjData\" is not an object."},
        FailureCase{"name object", replaced(doc, R"("Name":"A")", R"("Name":{})"),
                    "the member \"Name\" is not a text."},
        FailureCase{"mass null", replaced(doc, R"("Mass":"1")", R"("Mass":null)"),
                    "the member \"Mass\" is not a text."},
        FailureCase{"no color", replaced(doc, R"("Color":"Red",)", ""), "the member \"Color\" is missing."},
        FailureCase{"bad color", replaced(doc, R"("Color":"Red")", R"("Color":"Reddish")"),
                    "the value \"Reddish\" of \"Color\" is not a colour."},
        FailureCase{"yes", replaced(doc, R"("CentralBody":false)", R"("CentralBody":"yes")"),
                    "the value \"yes\" of \"CentralBody\" is not true or false."},
        FailureCase{"options empty", replaced(doc, R"("Options":[{)", R"("Options":[],"O":[{)"),
                    "the array \"Options\" is empty."},
        FailureCase{"addinfo string", replaced(doc, R"("AddInfo":[{)", R"("AddInfo":["x",{)"),
                    "the first element of \"AddInfo\" is not an object."},
        FailureCase{"no dt", replaced(doc, R"("dt":"1",)", ""), "the member \"dt\" is missing."},
        FailureCase{"dt huge", replaced(doc, R"("dt":"1")", R"("dt":"1e999")"),
                    "the value \"1e999\" of \"dt\" is not a valid number."},
        FailureCase{"dt nan", replaced(doc, R"("dt":"1")", R"("dt":"NaN")"),
                    "the value \"NaN\" of \"dt\" is not a valid number."},
        FailureCase{"G spaces inside", replaced(doc, R"("G":"1")", R"("G":"1 0")"),
                    "the value \"1 0\" of \"G\" is not a valid number."},
        FailureCase{"scale single", replaced(doc, R"("ScaleFactor":"1")", R"("ScaleFactor":"-1e39")"),
                    "the value \"-1e39\" of \"ScaleFactor\" is not a number of single precision."},
        FailureCase{"index fraction", replaced(doc, R"("SecondViewportCentralBody":"-1")",
                                               R"("SecondViewportCentralBody":"1.5")"),
                    "the value \"1.5\" of \"SecondViewportCentralBody\" is not a whole number."},
        FailureCase{"index huge", replaced(doc, R"("SecondViewportCentralBody":"-1")",
                                           R"("SecondViewportCentralBody":"99999999999")"),
                    "the value \"99999999999\" of \"SecondViewportCentralBody\" is not a whole number."},
        FailureCase{"long text", replaced(doc, R"("dt":"1")", R"("dt":")" + std::string(100, '7') + "x\""),
                    "the value \"7777777777777777777777777777777777777777...\" of \"dt\" is not a valid number."},
        FailureCase{"no camera", replaced(doc, R"(,"Camera":[{"d":"1","Phi":"0","Theta":"0"}])", ""),
                    "the member \"Camera\" is missing."}),
    NameFromWhat());

TEST(OpenSimxFile, KeepsWhatWasReadBeforeAFailure)
{
    const Read r = readText(replaced(doc, R"("dt":"1")", R"("dt":"one")"));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.data.CelObjDataList.size(), 1u);
    EXPECT_EQ(r.data.VelCMx, "0");
}

TEST(OpenSimxFile, RefusesAMillionBodiesWithoutReadingThem)
{
    std::string text = R"({"CelObjData":[)";
    for (int i = 0; i < 1000000; ++i)
        text += i ? ",{}" : "{}";
    text += "]}";
    const Read r = readText(text);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.data.CelObjDataList.size(), 0u);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].text,
              "The file s.simx is not a valid simulation file: it holds 1000000 bodies; at most 1000 can be opened.");
}

TEST(OpenSimxFile, MissingFileIsReported)
{
    TSimulationData data;
    CameraSettings camera;
    RecordingSink sink;
    EXPECT_FALSE(OpenSimxFile("/nonexistent/a.simx", camera, data, kPoint));
    EXPECT_EQ(sink.only(), "The file /nonexistent/a.simx cannot be opened.");
}

} // namespace
