#include "app/PreviewWindow.h"

#include "app/ViewportWidget.h"
#include "core/MessageSink.h"
#include "core/SimulationPreparation.h"
#include "files/SimulationFile.h"
#include "input/InputGrid.h"
#include "render/RunLoopDrawing.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The switches a new set-up starts with: trails, time, start and periodic positions on a star field.
TCollectionOptions newSimulationOptions()
{
    TCollectionOptions options;
    options.ShowTrails = true;
    options.ShowTime = true;
    options.ShowStarBKG = true;
    options.ShowStartPos = true;
    options.ShowIMPos = true;
    return options;
}

} // namespace

PreviewWindow::PreviewWindow(NumberLocale locale, QWidget *parent)
    : QMainWindow(parent)
    , m_locale(locale)
    , m_viewport(TViewport2D::Kind::Main, 900.0f, 560.0f)
{
    setWindowTitle(QStringLiteral("Zentavo"));
    m_setup.Empty();
    m_setup.Options = newSimulationOptions();
    m_setup.ArrowScaleCorrection = 1.0f;
    buildContent();
    m_viewport.TimerViewPort.setInterval(10);
    connect(&m_viewport.TimerViewPort, &QTimer::timeout, this, &PreviewWindow::runSimulation);
    m_viewport.SetBackground(true);
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::buildContent()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    m_grid = new TMyGrid(central);
    m_grid->setNumberLocale(m_locale);
    layout->addWidget(m_grid, 0, Qt::AlignLeft);

    auto *buttons = new QHBoxLayout;
    auto *add = new QPushButton(QStringLiteral("Add Body"), central);
    auto *remove = new QPushButton(QStringLiteral("Delete Body"), central);
    auto *ok = new QPushButton(QStringLiteral("OK"), central);
    m_startStop = new QPushButton(QStringLiteral("Start"), central);
    m_startStop->setEnabled(false);
    m_time = new QLabel(central);
    for (QWidget *w : {static_cast<QWidget *>(add), static_cast<QWidget *>(remove), static_cast<QWidget *>(ok),
                       static_cast<QWidget *>(m_startStop)})
        buttons->addWidget(w);
    buttons->addStretch();
    buttons->addWidget(m_time);
    layout->addLayout(buttons);
    connect(add, &QPushButton::clicked, m_grid, &TMyGrid::AddGridRow);
    connect(remove, &QPushButton::clicked, m_grid, &TMyGrid::DeleteGridRow);
    connect(ok, &QPushButton::clicked, this, &PreviewWindow::prepare);
    connect(m_startStop, &QPushButton::clicked, this, &PreviewWindow::startStop);

    m_view = new ViewportWidget(m_viewport, m_locale, central);
    layout->addWidget(m_view, 1, Qt::AlignLeft | Qt::AlignTop);
    setCentralWidget(central);
}

bool PreviewWindow::openFile(const QString &fileName)
{
    TSimulationData setup;
    setup.Empty();
    CameraSettings camera;
    if (!OpenSimulationFile(fileName.toStdString(), setup, camera, m_locale))
        return false;
    m_setup = setup;
    m_camera.d = camera.d;
    m_camera.Theta = camera.Theta;
    m_camera.setAngle(camera.Phi);
    m_viewport.MyCelObjCollection.SimFromFile = true;
    m_grid->ResetGrid();
    m_grid->DataFromSimDataToGrid(m_setup);
    setWindowTitle(QStringLiteral("Zentavo - ") + fileName);
    return true;
}

bool PreviewWindow::prepare()
{
    if (isRunning())
        startStop();
    m_grid->ConvertToDefaultLocale();
    if (!m_grid->GridDataOK())
        return false;
    PreparationInput input;
    input.bodies = m_grid->BodyRecords();
    input.options = m_setup.Options;
    input.velCMx = m_setup.VelCMx;
    input.velCMy = m_setup.VelCMy;
    input.velCMz = m_setup.VelCMz;
    input.viewportWidth = m_viewport.width();
    input.viewportHeight = m_viewport.height();
    input.locale = m_locale;
    TCelObjCollection &c = m_viewport.MyCelObjCollection;
    const PreparationResult result = PrepareSimulation(input, m_setup, c);
    m_prepared = result.ok;
    m_startStop->setEnabled(m_prepared);
    if (!m_prepared) {
        m_viewport.SetBackground(m_setup.Options.ShowStarBKG);
        m_view->update();
        return false;
    }
    c.SimFromFile = false;
    m_camera.setAngle(m_camera.Phi);
    if (m_camera.d == 0.0f)
        m_camera.d = static_cast<float>(result.defaultCameraDistance);
    DrawStartState(m_camera, c, m_viewport, AxesDrawing::InBackground, m_locale);
    updateTime();
    m_view->update();
    return true;
}

bool PreviewWindow::isRunning() const { return m_viewport.TimerViewPort.isActive(); }

void PreviewWindow::startStop()
{
    if (isRunning())
        m_viewport.TimerViewPort.stop();
    else if (m_prepared)
        m_viewport.TimerViewPort.start();
    m_startStop->setText(isRunning() ? QStringLiteral("Stop") : QStringLiteral("Start"));
}

void PreviewWindow::runSimulation()
{
    TCelObjCollection &c = m_viewport.MyCelObjCollection;
    const TickResult tick = RunAndDrawTick(m_camera, c, m_viewport);
    updateTime();
    m_view->update();
    if (!tick.collided)
        return;
    startStop();
    m_startStop->setEnabled(false);
    InfoOKDialog(c.AllCelObj[tick.collObj1].ObjName + " and " + c.AllCelObj[tick.collObj2].ObjName +
                 " have collided! Simulation stopped.");
}

void PreviewWindow::updateTime()
{
    const TCelObjCollection &c = m_viewport.MyCelObjCollection;
    m_time->setVisible(c.Options.ShowTime);
    m_time->setText(QString::fromStdString(m_viewport.TimeText(m_locale)));
}
