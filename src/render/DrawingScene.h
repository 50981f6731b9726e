#pragma once

#include <QImage>
#include <QPainter>

#include <functional>
#include <mutex>

// A drawing scene on one picture: a painter that holds the process-wide drawing lock from its opening to
// its closing, so the background axes task and the user-interface thread never paint at the same time.
// Every access to a viewport's picture or axes layer, reading its size included, happens inside one.
class DrawingScene {
public:
    explicit DrawingScene(QImage &picture);
    // Runs prepare on the picture under the lock before painting begins: resizing or clearing it there
    // cannot interleave with another scene.
    DrawingScene(QImage &picture, const std::function<void(QImage &)> &prepare);
    ~DrawingScene();
    DrawingScene(const DrawingScene &) = delete;
    DrawingScene &operator=(const DrawingScene &) = delete;

    bool isActive() const { return m_painter.isActive(); }
    QPainter &painter() { return m_painter; }
    QImage &picture() { return m_picture; }

    // The lock alone, for work on a picture that must not overlap any scene (resizing it).
    static std::mutex &drawingLock();

private:
    std::lock_guard<std::mutex> m_lock;
    QImage &m_picture;
    QPainter m_painter;
};
