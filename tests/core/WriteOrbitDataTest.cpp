#include "core/WriteOrbitData.h"
#include "core/WriteRoutines.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Sun, Earth and the Moon with round numbers; names pass through the collection's padding.
class WriteOrbitDataTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        add("Sun", 2e30f, {0, 0, 0}, {0, 0, 0});
        add("Earth", 6e24f, {1.5e11, 0, 0}, {0, 30000, 0});
        add("Jupiter", 1.9e27f, {0, 7.8e11, 0}, {-13000, 0, 0});
        c.Initialize(800, 600);
        for (auto &b : c.AllCelObj) {  // Initialize removed the momentum; put the round velocities back
            b.v = b.PrevPos.Y > 0 ? TMYPoint3D{-13000, 0, 0} : b.PrevPos.X > 0 ? TMYPoint3D{0, 30000, 0} : TMYPoint3D{};
        }
    }
    void add(const std::string &name, float mass, TMYPoint3D p, TMYPoint3D v)
    {
        TCelObj2D body(name, 0xFFFFFFFFu);
        body.Mass = mass;
        body.Radius = 1e6f;
        body.ImageScale = 1.0f;
        body.PrevPos = body.NewPos = p;
        body.v = v;
        c.AllCelObj.push_back(std::move(body));
    }
    std::vector<std::string> lines() { return WriteOrbitData(c, NumberLocale::point()); }

    TCelObjCollection c;
};

} // namespace

TEST_F(WriteOrbitDataTest, SpeedsWithTheCentreOfMassAndBetweenPairs)
{
    c.Options.ShowVel = true;
    c.CMObj.Visible = true;
    const std::vector<std::string> expected{
        "SPEED (m/s)",
        "Sun    - CM     0",
        "Earth  - CM     30000",
        "Jupite - CM     13000",
        "Sun    - Earth  30000",
        "Sun    - Jupite 13000",
        "Earth  - Jupite 32696",
        "",
    };
    EXPECT_EQ(lines(), expected);
    for (size_t k = 1; k + 1 < expected.size(); ++k)
        EXPECT_TRUE(expected[k][15] == ' ' && expected[k][16] != ' ') << k;
}

TEST_F(WriteOrbitDataTest, HiddenMarkerLeavesOnlyPairs)
{
    c.Options.ShowVel = true;
    c.Options.ShowDistance = true;
    const std::vector<std::string> expected{
        "SPEED (m/s)",    "Sun    - Earth  30000",    "Sun    - Jupite 13000",    "Earth  - Jupite 32696", "",
        "DISTANCE (km)",  "Sun    - Earth  1.50E8",   "Sun    - Jupite 7.80E8",   "Earth  - Jupite 7.94E8", "",
    };
    EXPECT_EQ(lines(), expected);

    c.AllCelObj.erase(c.AllCelObj.begin() + 1, c.AllCelObj.end());
    EXPECT_EQ(lines(), (std::vector<std::string>{"SPEED (m/s)", "", "DISTANCE (km)", ""}));
}

TEST_F(WriteOrbitDataTest, DistancesFromTheCentreOfMassComeBeforeEachBodysPairs)
{
    c.Options.ShowDistance = true;
    c.CMObj.Visible = true;
    c.CMObj.PosCM = {0, 0, 0};
    const auto text = lines();
    ASSERT_EQ(text.size(), 8u);
    EXPECT_EQ(text[1], "Sun    - CM     0");
    EXPECT_EQ(text[2], "Sun    - Earth  1.50E8");
    EXPECT_EQ(text[4], "Earth  - CM     1.50E8");
    EXPECT_EQ(text[6], "Jupite - CM     7.80E8");
}

TEST_F(WriteOrbitDataTest, EnergiesStoreKineticEnergyAndEndWithTheTotal)
{
    c.Options.ShowEnergy = true;
    c.Options.ShowAcc = true;
    const auto text = lines();
    ASSERT_EQ(text.size(), 15u);
    EXPECT_EQ(text[0], "ACCELERATION (m/s^2)");
    EXPECT_EQ(text[5], "KINETIC ENERGY (J)");
    EXPECT_EQ(text[7], "Earth           2.70E33");
    EXPECT_DOUBLE_EQ(c.AllCelObj[1].KinEnergy, 0.5 * double(6e24f) * 9e8);
    EXPECT_EQ(text[10], "POTENTIAL ENERGY (J)");
    EXPECT_EQ(text[13], "TOTAL ENERGY (J)");
    EXPECT_EQ(text[14].substr(0, 16), std::string(16, ' '));
    // U = -G (mS mE / rSE + mS mJ / rSJ + mE mJ / rEJ)
    const double U = -c.G * (double(2e30f) * double(6e24f) / 1.5e11 + double(2e30f) * double(1.9e27f) / 7.8e11 +
                             double(6e24f) * double(1.9e27f) / std::hypot(1.5e11, 7.8e11));
    EXPECT_EQ(text[11], std::string(16, ' ') + FormatNumber(U, NumberLocale::point()));
}

TEST(OrbitDataPanelHeight, CutTenPixelsAboveTheViewportsBottom)
{
    EXPECT_EQ(OrbitDataPanelHeight(200, 600, 50), 230);
    EXPECT_EQ(OrbitDataPanelHeight(600, 600, 50), 540);
}
