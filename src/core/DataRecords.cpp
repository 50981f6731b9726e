#include "core/DataRecords.h"

void TSimulationData::Empty()
{
    CelObjDataList.clear();
    ScaleFactor = 0.0f;
    DeltaT = 0.0;
    SecondViewport = false;
    VelCMx = VelCMy = VelCMz = "0";
    G = DefaultG;
    OrFrac = {0.5f, 0.5f};
}
