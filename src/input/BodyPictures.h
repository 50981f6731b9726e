#pragma once

#include <QImage>
#include <QRgb>
#include <QString>

// Where the pictures of named bodies live and how a grid cell or dialog shows a body.
namespace BodyPictures {

// The folder "Objects" beside the running executable.
QString defaultFolder();

// The PNG named after the body in folder, or an empty text when there is none. A name that would reach
// outside the folder (a path separator, "..") never names a picture.
QString pictureFile(const QString &folder, const QString &name);

// The body's picture when it has one, otherwise the shaded disc in its colour (size x size pixels).
QImage pictureOrDisc(const QString &folder, const QString &name, QRgb color, int size);

}  // namespace BodyPictures
