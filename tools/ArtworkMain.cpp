// Writes the program's artwork beside the executable: one PNG per body preset into "Objects" and the
// twelve star fields into "Background". Usage: zentavo-artwork <output folder>

#include "BodyArt.h"
#include "StarfieldArt.h"
#include "input/SolarSystemData.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>

#include <cstdio>

namespace {

constexpr int BodyPictureSize = 256;
constexpr int StarfieldWidth = 1920;
constexpr int StarfieldHeight = 1080;
constexpr int StarfieldCount = 12;

bool save(const QImage &image, const QString &path, const char *format, int quality)
{
    if (image.save(path, format, quality))
        return true;
    std::fprintf(stderr, "zentavo-artwork: cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: zentavo-artwork <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("Objects")) || !out.mkpath(QStringLiteral("Background"))) {
        std::fprintf(stderr, "zentavo-artwork: cannot create folders in %s\n", argv[1]);
        return 1;
    }
    bool ok = true;
    for (const TBodyPreset &preset : BodyPresets) {
        const QString name = QString::fromUtf8(preset.Name.data(), qsizetype(preset.Name.size()));
        ok &= save(drawBodyPicture(preset.Name, BodyPictureSize),
                   out.filePath(QStringLiteral("Objects/%1.png").arg(name)), "PNG", -1);
    }
    for (int i = 1; i <= StarfieldCount; ++i)
        ok &= save(drawStarfield(i, StarfieldWidth, StarfieldHeight),
                   out.filePath(QStringLiteral("Background/Starfield%1L.jpg").arg(i)), "JPG", 88);
    return ok ? 0 : 1;
}
