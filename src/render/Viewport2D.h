#pragma once

#include "core/NumberLocale.h"
#include "core/TCelObjCollection.h"

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QTimer>

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

// How one body (or the centre-of-mass marker) shows on a viewport: its picture or shaded disc, its square
// size, upper-left corner and visibility in logical pixels. The rendering layer keeps these in step with
// the collection; the physics body knows nothing of them.
struct BodyImage {
    std::string objName;  // the body this image was made for
    QImage picture;       // the body's own picture; null for a shaded disc
    QRgb discColor = 0;   // the disc's colour (the body's TrailCol) when there is no picture
    float Width = 0.0f;   // logical pixels
    float Height = 0.0f;
    TPointF Position;     // upper-left corner
    bool Visible = false;

    bool hasPicture() const { return !picture.isNull(); }
    QRectF rect() const { return QRectF(Position.X, Position.Y, Width, Height); }
};

// The folders beside the executable that hold the body pictures and the star-field pictures.
QString DefaultObjectsFolder();
QString DefaultBackgroundFolder();

// The picture of a body: objectsFolder/ObjName.png with the name exactly as entered; a null image when
// there is none (the body is then drawn as a shaded disc). A name with a path separator never leaves
// the folder.
QImage LoadBodyPicture(const QString &objectsFolder, const std::string &objName);

// The simulated time as the time button shows it: "86400 s", "2.5E009 s", or years and days "1 y 97.7 d".
std::string TimeText(double DisplayedTime, bool TimeFormatSeconds, NumberLocale locale);

// A drawing surface: the picture the program paints trails, marks, arrows and axes into (kept until the
// next SetBackground), the transparent axes layer GridBM, the body images laid over the picture with
// their stacking, and the viewport's own body collection and timer. The user-interface thread owns it;
// the background axes task touches only the picture and GridBM, and only inside drawing scenes. The
// destructor waits for axes tasks still painting into it.
class TViewport2D {
public:
    enum class Kind { Main, Field, Second };
    static constexpr int MarkerId = -1;  // the centre-of-mass marker in the stacking order

    explicit TViewport2D(Kind kind, float width = 800.0f, float height = 600.0f, float formScale = 1.0f);
    ~TViewport2D();
    TViewport2D(const TViewport2D &) = delete;
    TViewport2D &operator=(const TViewport2D &) = delete;

    QTimer TimerViewPort;  // 10 ms, created disabled; the main window connects its tick
    TCelObjCollection MyCelObjCollection;
    bool WhiteBackground = false;  // plain white instead of black when no star picture shows; black axes
    QImage GridBM;                 // the axes layer; drawing scenes only
    int32_t BackgroundFileNr = 1;  // Starfield<n>L.jpg, 1..12
    QString BackgroundFolder;
    QString ObjectsFolder;

    Kind kind() const { return m_kind; }
    float width() const { return m_width; }  // logical pixels
    float height() const { return m_height; }
    void setSize(float width, float height);
    float FormScale() const { return m_formScale; }  // device pixels per logical pixel
    void setFormScale(float scale) { m_formScale = scale; }

    // The picture, in device pixels with FormScale as its device-pixel ratio. Touch it only inside a
    // DrawingScene, which serialises with the axes task.
    QImage &picture() { return m_picture; }

    // Repaints the whole picture: the star picture stretched over it when WithImage and the file exists,
    // otherwise plain white or black. Everything painted since is erased.
    void SetBackground(bool WithImage);
    // The star picture's path; empty for a BackgroundFileNr outside 1..12.
    QString BackgroundFileName() const;
    std::string TimeText(NumberLocale locale) const;

    // Body images in the order of the collection drawn here, rebuilt (pictures looked up again) when its
    // bodies changed.
    std::vector<BodyImage> BodyImages;
    BodyImage CMImage;
    void SyncBodyImages(const TCelObjCollection &collection);
    // Back to front: body indices and MarkerId.
    const std::vector<int> &stackingOrder() const { return m_stacking; }
    void BringToFront(int id);
    bool isAbove(int upper, int lower) const;

    // The picture with the visible body images and the marker over it, as the screen shows the viewport.
    QImage ComposeView();
    // Paints the body images and the marker in stacking order (the picture itself not included).
    void PaintBodyImages(QPainter &painter) const;

    // The background axes tasks: counted so that destruction, or a caller that needs the finished
    // picture (printing, saving), can wait for the last one.
    void axesTaskStarted();
    void axesTaskFinished();
    void waitForAxesTasks();

private:
    bool bodyImagesMatch(const TCelObjCollection &collection) const;

    Kind m_kind;
    float m_width;
    float m_height;
    float m_formScale;
    QImage m_picture;
    std::vector<int> m_stacking;
    // The stretched star picture of the last SetBackground, reused while file and size stay the same.
    QString m_starFile;
    QImage m_starPicture;

    std::mutex m_tasksMutex;
    std::condition_variable m_tasksDone;
    int m_pendingAxesTasks = 0;
};

// Paints one body image into rect: the picture stretched, or the shaded disc.
void PaintBodyImage(QPainter &painter, const BodyImage &image, const QRectF &rect);
// Paints the centre-of-mass marker into rect: a small disc, light green in the middle, dark at the rim.
void PaintMarkerImage(QPainter &painter, const QRectF &rect);

// The hover readout of the main viewport: the topmost visible body under the mouse, the place of the
// information panel (right of the body, level with its top) and its lines. Other viewports show nothing.
struct HoverReadout {
    int body = -1;
    QPointF panelPosition;
    std::vector<std::string> lines;
};
HoverReadout HoverReadoutAt(const TViewport2D &viewport, const TCelObjCollection &collection, QPointF mouse,
                            NumberLocale locale);
