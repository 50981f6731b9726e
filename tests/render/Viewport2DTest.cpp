#include "RenderFixture.h"

#include "render/DrawingScene.h"
#include "render/DrawtoScreen.h"

#include <QPainter>

namespace {

void writePicture(const QString &path, QColor colour, QSize size = QSize(40, 20))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(path));
}

void paintSquare(TViewport2D &viewport)
{
    DrawingScene scene(viewport.picture());
    scene.painter().fillRect(QRectF(10, 10, 20, 20), Qt::red);
}

} // namespace

using TViewport2DTest = RenderFixture;

TEST_F(TViewport2DTest, MissingStarPictureGivesAPlainBackground)
{
    viewport->BackgroundFileNr = 4;
    viewport->SetBackground(true);
    EXPECT_EQ(countPixels(viewport->picture(), 0xFF000000u), 400 * 300);
    viewport->WhiteBackground = true;
    viewport->SetBackground(true);
    EXPECT_EQ(countPixels(viewport->picture(), 0xFFFFFFFFu), 400 * 300);
}

TEST_F(TViewport2DTest, StarPictureIsStretchedOverTheWholeViewport)
{
    writePicture(folder.filePath("Starfield4L.jpg"), QColor(0, 0, 200));
    viewport->BackgroundFileNr = 4;
    viewport->SetBackground(true);
    const QImage &picture = viewport->picture();
    ASSERT_EQ(picture.size(), QSize(400, 300));
    for (QPoint p : {QPoint(0, 0), QPoint(399, 299), QPoint(200, 150), QPoint(399, 0)})
        EXPECT_GT(qBlue(picture.pixel(p)), 180) << p.x() << "," << p.y();
    viewport->SetBackground(false);
    EXPECT_EQ(countPixels(viewport->picture(), 0xFF000000u), 400 * 300);
}

TEST_F(TViewport2DTest, FileNumberOutsideOneToTwelveCountsAsMissing)
{
    for (int nr : {0, 13, -1}) {
        viewport->BackgroundFileNr = nr;
        EXPECT_TRUE(viewport->BackgroundFileName().isEmpty()) << nr;
        viewport->SetBackground(true);
        EXPECT_EQ(countPixels(viewport->picture(), 0xFF000000u), 400 * 300) << nr;
    }
    viewport->BackgroundFileNr = 12;
    EXPECT_EQ(viewport->BackgroundFileName(), folder.filePath("Starfield12L.jpg"));
}

TEST_F(TViewport2DTest, SetBackgroundErasesEverythingPaintedSince)
{
    paintSquare(*viewport);
    EXPECT_EQ(pixel(15, 15), 0xFFFF0000u);
    viewport->SetBackground(false);
    EXPECT_EQ(pixel(15, 15), 0xFF000000u);
}

TEST_F(TViewport2DTest, PictureHoldsDevicePixelsAndIsPaintedInLogicalOnes)
{
    viewport->setFormScale(2.0f);
    viewport->SetBackground(false);
    ASSERT_EQ(viewport->picture().size(), QSize(800, 600));
    paintSquare(*viewport);
    EXPECT_EQ(viewport->picture().pixel(50, 50), 0xFFFF0000u);  // logical (25, 25)
    EXPECT_EQ(viewport->picture().pixel(70, 70), 0xFF000000u);  // logical (35, 35)
}

TEST(TimeText, SecondsAndYearsForms)
{
    struct Case {
        double seconds;
        bool inSeconds;
        const char *text;
    };
    const Case cases[] = {
        {86400, true, "86400 s"},     {2.5e9, true, "2.5E009 s"},  {2e9, true, "2E009 s"},
        {1.234567e9, true, "1.2346E009 s"}, {0, true, "0 s"},     {4e7, false, "1 y 97.7 d"},
        {0, false, "0 y 0.0 d"},      {3.15576e7 * 2.5, false, "2 y 182.6 d"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TimeText(c.seconds, c.inSeconds, NumberLocale::point()), c.text) << c.seconds;
    EXPECT_EQ(TimeText(2.5e9, true, NumberLocale::comma()), "2,5E009 s");
    EXPECT_EQ(TimeText(4e7, false, NumberLocale::comma()), "1 y 97,7 d");
}

TEST_F(TViewport2DTest, BodyPictureIsTheNamedFileExactlyAsEntered)
{
    writePicture(folder.filePath("Earth.png"), Qt::blue, QSize(16, 16));
    EXPECT_FALSE(LoadBodyPicture(folder.path(), "Earth").isNull());
    EXPECT_TRUE(LoadBodyPicture(folder.path(), "Earth ").isNull());
    EXPECT_TRUE(LoadBodyPicture(folder.path(), "earth").isNull());
    EXPECT_TRUE(LoadBodyPicture(folder.path(), "Io").isNull());
    QDir(folder.path()).mkdir("sub");
    writePicture(folder.filePath("sub/Moon.png"), Qt::blue, QSize(16, 16));
    EXPECT_TRUE(LoadBodyPicture(folder.path(), "sub/Moon").isNull());

    addBody("Earth", 0xFFFF0000u, {0, 0, 0});
    addBody("Io", 0xFF00FF00u, {2e8, 0, 0});
    viewport->SyncBodyImages(collection());
    ASSERT_EQ(viewport->BodyImages.size(), 2u);
    EXPECT_TRUE(viewport->BodyImages[0].hasPicture());
    EXPECT_FALSE(viewport->BodyImages[1].hasPicture());
    EXPECT_EQ(viewport->BodyImages[1].discColor, 0xFF00FF00u);
}

TEST_F(TViewport2DTest, BodyImagesFollowARebuiltCollection)
{
    addBody("A", 0xFFFF0000u, {0, 0, 0});
    viewport->SyncBodyImages(collection());
    collection().AllCelObj.clear();
    addBody("B", 0xFF0000FFu, {0, 0, 0});
    addBody("C", 0xFF00FF00u, {1e8, 0, 0});
    viewport->SyncBodyImages(collection());
    ASSERT_EQ(viewport->BodyImages.size(), 2u);
    EXPECT_EQ(viewport->BodyImages[0].discColor, 0xFF0000FFu);
    EXPECT_EQ(viewport->stackingOrder().size(), 3u);
}

TEST_F(TViewport2DTest, ComposedViewShowsBodiesOverThePicture)
{
    addBody("Sun", 0xFFFFFF00u, {0, 0, 0}, 2e7f);  // 16 pixels across
    SetPrevScreenPositions(camera, collection(), *viewport);
    DrawBodies(camera, collection(), *viewport);
    const QImage view = viewport->ComposeView();
    EXPECT_EQ(viewport->picture().pixel(200, 150), 0xFF000000u);  // the picture itself holds no body
    const QColor centre = view.pixelColor(200, 150);
    EXPECT_GT(centre.red(), 200);
    EXPECT_GT(centre.green(), 200);
    EXPECT_EQ(view.pixel(180, 150), 0xFF000000u);
}

TEST_F(TViewport2DTest, HoverReadoutOnlyInTheMainViewport)
{
    TCelObj2D &body = addBody("Io", 0xFFFF0000u, {1e8, 0, 0}, 2e7f);
    body.v = {1.0, -2.0, 0.0};
    SetPrevScreenPositions(camera, collection(), *viewport);
    DrawBodies(camera, collection(), *viewport);
    const BodyImage &image = viewport->BodyImages[0];
    const QPointF centre = image.rect().center();
    const HoverReadout readout = HoverReadoutAt(*viewport, collection(), centre, NumberLocale::point());
    ASSERT_EQ(readout.body, 0);
    EXPECT_EQ(readout.panelPosition, QPointF(image.Position.X + image.Width + 5, image.Position.Y));
    ASSERT_EQ(readout.lines.size(), 8u);
    EXPECT_EQ(readout.lines[0], "Io");
    EXPECT_EQ(readout.lines[1], " x   1.00E5 km");
    EXPECT_EQ(readout.lines[6], " vy  -2.00 m/s");
    EXPECT_EQ(HoverReadoutAt(*viewport, collection(), QPointF(5, 5), NumberLocale::point()).body, -1);

    TViewport2D second(TViewport2D::Kind::Second, 400, 300);
    second.ObjectsFolder = folder.path();
    second.MyCelObjCollection.ScaleFactor = Scale;
    second.MyCelObjCollection.AllCelObj.push_back(body);
    SetPrevScreenPositions(camera, second.MyCelObjCollection, second);
    DrawBodies(camera, second.MyCelObjCollection, second);
    EXPECT_EQ(HoverReadoutAt(second, second.MyCelObjCollection, centre, NumberLocale::point()).body, -1);
}
