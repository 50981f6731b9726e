#include "input/SolarSystemData.h"

#include "core/BodyTableChecks.h"
#include "tests/core/RecordingSink.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(BodyPresets, NamesAreUniqueAndTheListOffersAllButSaturn)
{
    std::set<std::string_view> names;
    for (const TBodyPreset &preset : BodyPresets)
        names.insert(preset.Name);
    EXPECT_EQ(names.size(), BodyPresets.size());
    std::set<std::string_view> listed(PresetListNames.begin(), PresetListNames.end());
    EXPECT_EQ(listed.size(), PresetListNames.size());
    for (std::string_view name : PresetListNames)
        EXPECT_TRUE(names.count(name)) << name;
    EXPECT_FALSE(listed.count("Saturn"));
    EXPECT_EQ(PresetListNames.front(), "Earth");
    EXPECT_EQ(PresetListNames.back(), "Neutron Star");
}

TEST(BodyPresets, EveryColourIsOpaque)
{
    for (const TBodyPreset &preset : BodyPresets)
        EXPECT_EQ(preset.Color >> 24, 0xFFu) << preset.Name;
    EXPECT_EQ(FindBodyPreset("Neptune")->Color, 0xFFA3F30Cu);
}

// Every preset, alone in a row, must pass the OK checks under either separator.
TEST(BodyPresets, EveryPresetPassesTheChecksUnderBothSeparators)
{
    RecordingSink sink;
    for (NumberLocale locale : {NumberLocale::point(), NumberLocale::comma()}) {
        for (const TBodyPreset &preset : BodyPresets) {
            TCelObjData row;
            row.aName = preset.Name;
            FillRowFromPreset(row);
            std::vector<TCelObjData> rows{row};
            ConvertToDefaultLocale(rows, locale);
            EXPECT_TRUE(GridDataOK(rows, locale)) << preset.Name << ": " << sink.only();
        }
    }
}

TEST(FillRowFromPreset, FillsAPresetAndZeroesMotion)
{
    TCelObjData row;
    row.aName = "Earth";
    row.aPosx = "P+384400";
    row.aVelocityy = "1022";
    row.aImageScale = "5";
    row.aCentralBody = true;
    FillRowFromPreset(row);
    EXPECT_EQ(row.aMass, "5.98E24");
    EXPECT_EQ(row.aRadius, "6378");
    EXPECT_EQ(row.aColor, 0xFF0000FFu);
    EXPECT_EQ(row.aImageScale, "1");
    for (const std::string *text : {&row.aPosx, &row.aPosy, &row.aPosz, &row.aVelocityx, &row.aVelocityy,
                                    &row.aVelocityz})
        EXPECT_EQ(*text, "0");
    EXPECT_TRUE(row.aCentralBody);
    EXPECT_EQ(row.aName, "Earth");
}

TEST(FillRowFromPreset, AnInexactNameOnlyZeroesMotion)
{
    for (const char *name : {"earth", "Earth ", "Planet X"}) {
        TCelObjData row;
        row.aName = name;
        row.aMass = "1";
        row.aRadius = "2";
        row.aImageScale = "3";
        row.aColor = 0xFF123456;
        row.aPosz = "7";
        FillRowFromPreset(row);
        EXPECT_EQ(row.aMass, "1") << name;
        EXPECT_EQ(row.aRadius, "2");
        EXPECT_EQ(row.aImageScale, "3");
        EXPECT_EQ(row.aColor, 0xFF123456u);
        EXPECT_EQ(row.aPosz, "0");
    }
}
