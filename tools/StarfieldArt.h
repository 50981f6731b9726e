#pragma once

#include <QImage>

// Draws star field number index (1 to 12): each has its own density and some a tinted nebula.
QImage drawStarfield(int index, int width, int height);
