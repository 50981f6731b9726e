#pragma once

#include "core/DataRecords.h"
#include "core/NumberLocale.h"
#include "render/CameraRoutines.h"
#include "render/Viewport2D.h"

#include <QMainWindow>

#include <memory>

class QLabel;
class QPushButton;
class TMyGrid;
class ViewportWidget;

// The program's window for now: the parameter grid with Add Body, Delete Body and OK, the main view that
// OK prepares and Start runs (1500 steps per 10 ms tick), and the simulated time. A file named on the
// command line fills the grid.
class PreviewWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit PreviewWindow(NumberLocale locale, QWidget *parent = nullptr);
    ~PreviewWindow() override;

    // Reads a .simx or .sim file into the grid and the switches; false (with a message shown) on failure.
    bool openFile(const QString &fileName);
    // What OK does: check the grid and prepare the simulation; false when the grid or the set-up is refused.
    bool prepare();
    void startStop();
    bool isRunning() const;

    TMyGrid &grid() { return *m_grid; }
    TViewport2D &viewport() { return m_viewport; }

private:
    void runSimulation();
    void updateTime();
    void buildContent();

    NumberLocale m_locale;
    TSimulationData m_setup;
    TCamera2D m_camera;
    TViewport2D m_viewport;
    TMyGrid *m_grid = nullptr;
    ViewportWidget *m_view = nullptr;
    QPushButton *m_startStop = nullptr;
    QLabel *m_time = nullptr;
    bool m_prepared = false;
};
