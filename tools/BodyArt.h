#pragma once

#include <QImage>

#include <string_view>

// Draws the picture of a preset body: a round planet, moon or star on a transparent background, or a
// small spacecraft. Unknown names get a plain shaded disc.
QImage drawBodyPicture(std::string_view name, int size);
