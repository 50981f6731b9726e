#include "files/OpenSave.h"

#include "tests/core/RecordingSink.h"
#include "tests/files/SimFixture.h"

#include <gtest/gtest.h>

namespace {

constexpr NumberLocale kPoint = NumberLocale::point();
constexpr NumberLocale kComma = NumberLocale::comma();

struct Loaded {
    bool ok = false;
    TSimulationData data;
    CameraSettings camera;
    std::vector<RecordingSink::Message> messages;
};

Loaded load(const SimFixture &f, NumberLocale locale = kPoint)
{
    Loaded l;
    l.data.Empty();
    l.data.DeltaT = 7;
    l.data.DeltaTConstant = 3;
    l.data.InterMedPosInterval = 5;
    l.data.Options.ShowField = true;
    l.camera.Theta = 0.25f;
    l.camera.Phi = 1;
    RecordingSink sink;
    l.ok = ReadSimRecord(f.bytes, "old.sim", l.data, l.camera, locale);
    l.messages = sink.messages;
    return l;
}

TEST(SwapRedBlue, ExchangesTheLowestAndTheThirdByte)
{
    EXPECT_EQ(SwapRedBlue(0xAABBCCDD), 0xAADDCCBBu);
    EXPECT_EQ(SwapRedBlue(0xFF0000FF), 0xFFFF0000u);
}

TEST(OpenSimFile, ReadsBodiesTextsVerbatimWithOpaqueColours)
{
    auto f = SimFixture::twoBodies();
    f.setShort(SimFixture::Masses, "1,989E30");
    const Loaded l = load(f);
    ASSERT_TRUE(l.ok) << l.messages.size();
    ASSERT_EQ(l.data.CelObjDataList.size(), 2u);
    const TCelObjData &sun = l.data.CelObjDataList[0], &earth = l.data.CelObjDataList[1];
    EXPECT_EQ(sun.aName, "Sun");
    EXPECT_EQ(sun.aMass, "1,989E30") << "no separator adjustment";
    EXPECT_EQ(earth.aMass, "2E24");
    EXPECT_EQ(earth.aRadius, "2000");
    EXPECT_EQ(std::vector<std::string>({earth.aPosx, earth.aPosy, earth.aPosz, earth.aVelocityx, earth.aVelocityy,
                                        earth.aVelocityz}),
              std::vector<std::string>({"21", "22", "23", "24", "25", "26"}));
    EXPECT_EQ(earth.aColor, 0xFFFF0000u) << "stored 0x000000FF is pure red";
    EXPECT_EQ(sun.aColor, 0xFFFFFF00u);
    EXPECT_FALSE(sun.aCentralBody);
    EXPECT_TRUE(earth.aCentralBody);
    for (const auto &b : l.data.CelObjDataList) {
        EXPECT_EQ(b.aImageScale, "1");
        EXPECT_FALSE(b.aShowIntermedPos);
    }
}

TEST(OpenSimFile, SetsScaleCameraAndTimeStepAndKeepsWhatItDoesNotStore)
{
    const Loaded l = load(SimFixture::twoBodies());
    ASSERT_TRUE(l.ok);
    EXPECT_FLOAT_EQ(l.data.ScaleFactor, 1.5e11f);
    EXPECT_FLOAT_EQ(l.camera.d, 3e11f);
    EXPECT_EQ(l.camera.Phi, 0.0f);
    EXPECT_EQ(l.camera.Theta, 0.25f) << "Theta is not stored";
    EXPECT_EQ(l.data.G, 6.674e-11);
    EXPECT_EQ(l.data.DeltaT, 0.0);
    EXPECT_EQ(l.data.DeltaTConstant, 3.0);
    EXPECT_EQ(l.data.InterMedPosInterval, 5.0f);
    EXPECT_TRUE(l.data.Options.ShowField);
    EXPECT_EQ(l.data.VelCMx, "0") << "an empty drift text becomes 0";
    EXPECT_EQ(l.data.VelCMz, "0");
}

TEST(OpenSimFile, ReadsDriftTextsAndEightBitNames)
{
    auto f = SimFixture::twoBodies();
    f.setShort(SimFixture::VelCMx, "1.5");
    f.setShort(SimFixture::VelCMz, "-2");
    f.setShort(SimFixture::Names, std::string("Th\xE9" "a \x80", 6));
    const Loaded l = load(f);
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.data.VelCMx, "1.5");
    EXPECT_EQ(l.data.VelCMy, "0");
    EXPECT_EQ(l.data.VelCMz, "-2");
    EXPECT_EQ(l.data.CelObjDataList[0].aName, "Th\u00E9a \u20AC");
}

TEST(OpenSimFile, ReadsEachSwitchFromItsByte)
{
    const std::pair<size_t, bool TCollectionOptions::*> switches[] = {
        {4725, &TCollectionOptions::ShowTime},     {4727, &TCollectionOptions::ShowVel},
        {4728, &TCollectionOptions::ShowAcc},      {4729, &TCollectionOptions::ShowDistance},
        {4730, &TCollectionOptions::ShowEnergy},   {4731, &TCollectionOptions::ShowVelArrow},
        {4732, &TCollectionOptions::ShowAccArrow}, {4733, &TCollectionOptions::ShowCM},
        {4734, &TCollectionOptions::ShowAxes},     {4735, &TCollectionOptions::ShowStarBKG},
        {4736, &TCollectionOptions::ShowGraph},    {4738, &TCollectionOptions::VarDt},
        {4895, &TCollectionOptions::ShowTrails},   {4896, &TCollectionOptions::ShowOrbitProjec},
        {4930, &TCollectionOptions::ShowLineFromCM}};
    for (const auto &[offset, field] : switches) {
        auto f = SimFixture::twoBodies();
        f.setFlag(offset, 0x80);
        const Loaded l = load(f);
        TCollectionOptions expected;
        expected.ShowField = true;  // kept from before
        expected.*field = true;
        EXPECT_EQ(l.data.Options, expected) << "offset " << offset;
    }
}

TEST(OpenSimFile, CentralBodyNumberThatMatchesNoBodyMarksNone)
{
    for (uint32_t number : {0u, 3u, 0xFFFFFFFFu}) {
        auto f = SimFixture::twoBodies();
        f.setI32(SimFixture::CentralBody, number);
        const Loaded l = load(f);
        EXPECT_FALSE(l.data.CelObjDataList[0].aCentralBody || l.data.CelObjDataList[1].aCentralBody) << number;
    }
}

TEST(OpenSimFile, BodyCountsOutsideTheRecord)
{
    auto f = SimFixture::twoBodies();
    f.setI32(8, static_cast<uint32_t>(-5));
    Loaded l = load(f);
    EXPECT_TRUE(l.ok);
    EXPECT_TRUE(l.data.CelObjDataList.empty()) << "a count of zero or less reads no body";

    for (uint32_t count : {11u, 0x7FFFFFFFu}) {
        f.setI32(8, count);
        l = load(f);
        EXPECT_FALSE(l.ok);
        ASSERT_EQ(l.messages.size(), 1u);
        EXPECT_EQ(l.messages[0].text, "The file old.sim is damaged: it claims " + std::to_string(count) +
                                          " bodies, but holds at most 10.");
        EXPECT_TRUE(l.data.CelObjDataList.empty());
    }
    f.setI32(8, 10);
    for (int k = 1; k <= 10; ++k)
        f.setBody(k, "B" + std::to_string(k), 0);
    EXPECT_EQ(load(f).data.CelObjDataList.size(), 10u);
}

TEST(OpenSimFile, ShortFileReadsNothing)
{
    auto f = SimFixture::twoBodies();
    f.bytes.pop_back();
    const Loaded l = load(f);
    EXPECT_FALSE(l.ok);
    ASSERT_EQ(l.messages.size(), 1u);
    EXPECT_EQ(l.messages[0].kind, MessageSink::Kind::Error);
    EXPECT_EQ(l.messages[0].text, "The file old.sim is not a simulation file: it is too short.");
    EXPECT_TRUE(l.data.CelObjDataList.empty());

    f.bytes += std::string(100, 'x');
    f.bytes[SimRecord::Size - 1] = '\0';
    EXPECT_TRUE(load(f).ok) << "bytes after the record are ignored";
}

TEST(OpenSimFile, ScaleThatIsNoNumberStopsAfterBodiesSwitchesAndG)
{
    auto f = SimFixture::twoBodies();
    f.setFlag(4725);
    Loaded l = load(f, kComma);
    EXPECT_FALSE(l.ok) << "1.5E8 is not a number under a \",\" locale";
    ASSERT_EQ(l.messages.size(), 1u);
    EXPECT_EQ(l.messages[0].text, "The file old.sim is not a valid simulation file: the scale \"1.5E8\" is not a "
                                  "valid number.");
    EXPECT_EQ(l.data.CelObjDataList.size(), 2u);
    EXPECT_TRUE(l.data.Options.ShowTime);
    EXPECT_EQ(l.data.G, 6.674e-11);

    f.setShort(SimFixture::Scale, "");
    EXPECT_FALSE(load(f).ok);
    f.setShort(SimFixture::Scale, "1,5E8");
    f.setShort(SimFixture::Distance, "0,5");
    l = load(f, kComma);
    EXPECT_TRUE(l.ok);
    EXPECT_FLOAT_EQ(l.camera.d, 0.5f * 1.5e11f);
}

TEST(OpenSimFile, RefusesDamagedFields)
{
    struct Damage {
        const char *what;
        void (*apply)(SimFixture &);
        const char *message;
    };
    const Damage damages[] = {
        {"name length", [](SimFixture &f) { f.setFlag(SimFixture::Names + 51, 51); },
         "The file old.sim is damaged: a text is longer than its field."},
        {"scale length", [](SimFixture &f) { f.setFlag(SimFixture::Scale, 31); },
         "The file old.sim is damaged: a text is longer than its field."},
        {"infinite G", [](SimFixture &f) { f.setG(1e4000L); },
         "The file old.sim is damaged: its gravitational constant is not a finite number."},
        {"scale beyond single", [](SimFixture &f) { f.setShort(SimFixture::Scale, "1e300"); },
         "The file old.sim is not a valid simulation file: the scale \"1e300\" is too large."},
        {"distance beyond single", [](SimFixture &f) { f.setShort(SimFixture::Distance, "1e30"); },
         "The file old.sim is not a valid simulation file: the camera distance \"1e30\" is too large."},
    };
    for (const auto &d : damages) {
        auto f = SimFixture::twoBodies();
        d.apply(f);
        const Loaded l = load(f);
        EXPECT_FALSE(l.ok) << d.what;
        ASSERT_EQ(l.messages.size(), 1u) << d.what;
        EXPECT_EQ(l.messages[0].text, d.message);
    }
}

TEST(OpenSimFile, MissingFileIsReported)
{
    TSimulationData data;
    CameraSettings camera;
    RecordingSink sink;
    EXPECT_FALSE(OpenSimFile("/nonexistent/old.sim", data, camera, kPoint));
    EXPECT_EQ(sink.only(), "The file /nonexistent/old.sim cannot be opened.");
}

} // namespace
