#include "render/DrawingScene.h"

DrawingScene::DrawingScene(QImage &picture)
    : m_lock(drawingLock())
    , m_picture(picture)
{
    if (!m_picture.isNull())
        m_painter.begin(&m_picture);
}

DrawingScene::DrawingScene(QImage &picture, const std::function<void(QImage &)> &prepare)
    : m_lock(drawingLock())
    , m_picture(picture)
{
    prepare(m_picture);
    if (!m_picture.isNull())
        m_painter.begin(&m_picture);
}

DrawingScene::~DrawingScene()
{
    if (m_painter.isActive())
        m_painter.end();
}

std::mutex &DrawingScene::drawingLock()
{
    static std::mutex lock;
    return lock;
}
