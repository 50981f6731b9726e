#include "app/PreviewWindow.h"
#include "input/InputGrid.h"
#include "../core/RecordingSink.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kExample = QStringLiteral(ZENTAVO_EXAMPLES_DIR "/SunEarthMoon.simx");

TEST(PreviewWindow, OpensTheExamplePreparesAndRunsIt)
{
    RecordingSink sink;
    PreviewWindow window(NumberLocale::point());
    ASSERT_TRUE(window.openFile(kExample));
    EXPECT_EQ(window.grid().cellText(2, TMyGrid::PosXCol), QStringLiteral("P+384400"));
    ASSERT_TRUE(window.prepare());
    EXPECT_EQ(window.viewport().MyCelObjCollection.AllCelObj.size(), 3u);

    window.startStop();
    ASSERT_TRUE(window.isRunning());
    QTest::qWait(200);
    window.startStop();
    EXPECT_FALSE(window.isRunning());
    // One tick is 1500 steps of the file's 60 s.
    EXPECT_GE(window.viewport().MyCelObjCollection.Time, 90000.0);
    EXPECT_TRUE(sink.messages.empty());
}

TEST(PreviewWindow, RefusesAGridThatFailsItsChecksAndKeepsItsTexts)
{
    RecordingSink sink;
    PreviewWindow window(NumberLocale::point());
    window.grid().setCellText(0, TMyGrid::NameCol, QStringLiteral("Sun"));
    window.grid().setCellText(0, TMyGrid::MassCol, QStringLiteral("heavy"));
    EXPECT_FALSE(window.prepare());
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "Mass of Sun is not a valid number.");
    EXPECT_EQ(window.grid().cellText(0, TMyGrid::MassCol), QStringLiteral("heavy"));
    window.startStop();
    EXPECT_FALSE(window.isRunning());
}

} // namespace
