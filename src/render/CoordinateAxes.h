#pragma once

#include "core/NumberLocale.h"
#include "core/TCelObjCollection.h"
#include "render/CameraRoutines.h"
#include "render/Viewport2D.h"

#include <QRectF>

#include <string>
#include <vector>

// What the axes of one viewport are drawn from, copied on the user-interface thread so that the
// background task reads nothing the user-interface thread may change meanwhile.
struct AxesView {
    TCamera2D camera;
    double ScaleFactor = 0.0;  // m
    TPointF OrFrac;
    float W = 0.0f;  // logical pixels
    float H = 0.0f;
    float FormScale = 1.0f;
    bool WhiteBackground = false;
    NumberLocale locale;
};

AxesView AxesViewOf(const TCamera2D &camera, const TCelObjCollection &collection, const TViewport2D &viewport,
                    NumberLocale locale);

// The grid's geometry in logical pixels: lines (the axes marked) and label boxes with their texts.
struct AxesLayout {
    struct Line {
        TPointF a, b;
        bool axis = false;  // drawn at opacity 0.8, the other lines at 0.4
    };
    struct Label {
        QRectF box;
        Qt::Alignment alignment;
        std::string text;
    };
    double tick = 0.0;  // m between neighbouring lines
    int iMin = 0, iMax = 0, jMin = 0, jMax = 0;  // line indices parallel to the y- and x-axis
    std::vector<Line> lines;
    std::vector<Label> labels;
};

// Lays out the grid for labels of labelW x labelH pixels; empty without a camera distance or a scale.
AxesLayout LayOutAxes(const AxesView &view, int labelW, int labelH);

// The grid of the xy-plane through the camera: lines every tick = RoundToNiceValue(ScaleFactor)/10 m, the
// axes stronger, "x / km" and "y / km", and km labels at every second line; black on a white background,
// otherwise white. Painted on GridBM, then copied onto the picture, each inside its own drawing scene.
void DrawAxes(const AxesView &view, TViewport2D &viewport);
void DrawAxes(const TCamera2D &camera, const TCelObjCollection &collection, TViewport2D &viewport, NumberLocale locale);
// Starts DrawAxes on a Qt thread pool of its own and returns at once; the viewport's destructor waits
// for it.
void StartDrawAxes(const TCamera2D &camera, const TCelObjCollection &collection, TViewport2D &viewport,
                   NumberLocale locale);
