#include "input/BodyPictures.h"
#include "input/SolarSystemData.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

#include <set>

namespace {

QString besideTheProgram(const char *folder)
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(folder));
}

}  // namespace

TEST(BodyPictures, EveryPresetHasARoundPictureOnATransparentBackground)
{
    const QString folder = BodyPictures::defaultFolder();
    EXPECT_EQ(folder, besideTheProgram("Objects"));
    for (const TBodyPreset &preset : BodyPresets) {
        const QString name = QString::fromUtf8(preset.Name.data(), qsizetype(preset.Name.size()));
        const QString file = BodyPictures::pictureFile(folder, name);
        ASSERT_FALSE(file.isEmpty()) << "no picture for " << preset.Name;
        const QImage picture(file);
        ASSERT_FALSE(picture.isNull()) << preset.Name;
        EXPECT_EQ(picture.width(), picture.height());
        EXPECT_TRUE(picture.hasAlphaChannel());
        EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << preset.Name;
        EXPECT_EQ(qAlpha(picture.pixel(picture.width() - 1, picture.height() - 1)), 0) << preset.Name;
    }
}

TEST(BodyPictures, NamesNeverReachOutsideTheFolder)
{
    const QString folder = BodyPictures::defaultFolder();
    EXPECT_FALSE(BodyPictures::pictureFile(folder, "Earth").isEmpty());
    for (const char *name : {"", "earth", "../Objects/Earth", "..\\Objects\\Earth", "/Earth", "Earth.png"})
        EXPECT_TRUE(BodyPictures::pictureFile(folder, name).isEmpty()) << name;
    const QImage disc = BodyPictures::pictureOrDisc(folder, "../Objects/Earth", 0xFF0000FF, 34);
    EXPECT_EQ(disc.size(), QSize(34, 34));
}

TEST(Starfields, TwelveDifferentFullScreenPictures)
{
    std::set<qint64> sizes;
    for (int i = 1; i <= 12; ++i) {
        const QString file = QDir(besideTheProgram("Background")).filePath(QStringLiteral("Starfield%1L.jpg").arg(i));
        const QImage field(file);
        ASSERT_FALSE(field.isNull()) << file.toStdString();
        EXPECT_EQ(field.size(), QSize(1920, 1080));
        sizes.insert(QFileInfo(file).size());
    }
    EXPECT_EQ(sizes.size(), 12u);
}
