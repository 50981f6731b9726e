#include "input/BodyPictures.h"

#include "render/GradientCircle.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace BodyPictures {

QString defaultFolder()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Objects"));
}

QString pictureFile(const QString &folder, const QString &name)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))
        || name.contains(QLatin1String("..")))
        return {};
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    return QFileInfo(path).isFile() ? path : QString();
}

QImage pictureOrDisc(const QString &folder, const QString &name, QRgb color, int size)
{
    const QString file = pictureFile(folder, name);
    QImage picture;
    if (!file.isEmpty() && picture.load(file))
        return picture;
    return TSphere2D::Render(size, color);
}

}  // namespace BodyPictures
