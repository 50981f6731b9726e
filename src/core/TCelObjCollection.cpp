#include "core/TCelObjCollection.h"

#include "core/IntegratorKernel.h"
#include "core/StringRoutines.h"

#include <algorithm>
#include <cmath>

TCelObjCollection::TCelObjCollection()
    : m_kernel(std::make_unique<IntegratorKernel>())
{
}

TCelObjCollection::~TCelObjCollection() = default;

void TCelObjCollection::RemoveAllObjects()
{
    if (!AllCelObj.empty()) {
        CelObjDataList.clear();
        AllCelObj.clear();
    }
    CMObj.Visible = false;
    ScaleFactor = 0.0;
    InterMedPosInterval = 0.0f;
    ArrowScaleCorrection = 1.0f;
    AccArrowScaleFactor = 0.0f;
    G = DefaultG;
}

namespace {

// A position (km) or velocity (m/s) text; with the relative prefix it adds to the previous body's value.
double componentFrom(std::string text, double factor, const double *previous, NumberLocale locale)
{
    const bool relative = RemoveRelativePrefix(text);
    const double value = TextToFloat(text, locale) * factor;
    return (relative && previous) ? value + *previous : value;
}

} // namespace

void TCelObjCollection::AddCelObjToCollection(const TCelObjData &aObjData, NumberLocale locale)
{
    TCelObj2D body(aObjData.aName, aObjData.aColor);
    body.Mass = static_cast<float>(TextToFloat(aObjData.aMass, locale));
    body.Radius = static_cast<float>(TextToFloat(aObjData.aRadius, locale)) * 1000.0f;
    const TCelObj2D *prev = AllCelObj.empty() ? nullptr : &AllCelObj.back();
    body.PrevPos = {componentFrom(aObjData.aPosx, 1000.0, prev ? &prev->PrevPos.X : nullptr, locale),
                    componentFrom(aObjData.aPosy, 1000.0, prev ? &prev->PrevPos.Y : nullptr, locale),
                    componentFrom(aObjData.aPosz, 1000.0, prev ? &prev->PrevPos.Z : nullptr, locale)};
    body.NewPos = body.PrevPos;
    body.v = {componentFrom(aObjData.aVelocityx, 1.0, prev ? &prev->v.X : nullptr, locale),
              componentFrom(aObjData.aVelocityy, 1.0, prev ? &prev->v.Y : nullptr, locale),
              componentFrom(aObjData.aVelocityz, 1.0, prev ? &prev->v.Z : nullptr, locale)};
    body.CentralBody = aObjData.aCentralBody;
    body.ImageScale = static_cast<float>(TextToFloat(aObjData.aImageScale, locale));
    AllCelObj.push_back(std::move(body));
}

void TCelObjCollection::Initialize(float W, float H)
{
    Time = 0.0;
    DisplayedTime = 0.0;
    OrbitProjecIndicator = 0;
    if (ScaleFactor == 0.0)
        CalcScaleFactor();
    WidthViewPort2D = W;
    HeightViewPort2D = H;
    if (DeltaTConstant == 0.0)
        FindDeltaTConstant();
    if (DeltaT == 0.0)
        FindDeltaT();
    if (InterMedPosInterval == 0.0f)
        InterMedPosInterval = static_cast<float>(DeltaT * 30000);
    if (!(InterMedPosInterval >= 1.0f))
        InterMedPosInterval = 1.0f;
    FindCentralCelObj();
    CMObj.PosCM = InitialCenterOfMass();
    FindVelocityCenterOfMass();
    AdjustVelocitiesToVelocityCM();
    FindInitialAccelerations();
    if (AccArrowScaleFactor == 0.0f)
        CalcAccelerationArrowScaleFactor();
    CalcVelocityArrowScaleFactor();
    MakePaddedNames();
}

void TCelObjCollection::CalcScaleFactor()
{
    double largest = 0.0;
    for (size_t i = 0; i < AllCelObj.size(); ++i)
        for (size_t j = i + 1; j < AllCelObj.size(); ++j)
            largest = std::max(largest, AllCelObj[i].PrevPos.Distance(AllCelObj[j].PrevPos));
    ScaleFactor = 4 * largest;
    if (ScaleFactor == 0.0)
        ScaleFactor = LoneBodyScaleFactor();
}

// A lone body (or bodies all at one point) spans no distance: the view then shows 20 drawn radii,
// or a million kilometres when the bodies have no size either.
double TCelObjCollection::LoneBodyScaleFactor() const
{
    double largestDrawnRadius = 0.0;
    for (const auto &body : AllCelObj)
        largestDrawnRadius = std::max(largestDrawnRadius, double(body.Radius) * std::max(1.0f, body.ImageScale));
    return largestDrawnRadius > 0.0 ? 20.0 * largestDrawnRadius : 1e9;
}

TMYPoint3D TCelObjCollection::InitialCenterOfMass() const
{
    TMYPoint3D sum;
    double massSum = 0.0;
    for (const auto &body : AllCelObj) {
        sum = sum + static_cast<double>(body.Mass) * body.PrevPos;
        massSum += body.Mass;
    }
    return sum / massSum;
}

void TCelObjCollection::FindVelocityCenterOfMass()
{
    TMYPoint3D sum;
    double massSum = 0.0;
    for (const auto &body : AllCelObj) {
        sum = sum + static_cast<double>(body.Mass) * body.v;
        massSum += body.Mass;
    }
    vCM = sum / massSum;
}

void TCelObjCollection::AdjustVelocitiesToVelocityCM()
{
    for (auto &body : AllCelObj)
        body.v = body.v - vCM;
}

bool TCelObjCollection::OnlyMovementInXYPlane() const
{
    return std::all_of(AllCelObj.begin(), AllCelObj.end(), [](const TCelObj2D &body) {
        return std::fabs(body.NewPos.Z) <= 1e-12 && std::fabs(body.v.Z) <= 1e-12;
    });
}

void TCelObjCollection::TransformPositionsToCentralBodyRelative(int32_t CentralBodyNr)
{
    const TMYPoint3D origin = CentralBodyNr == -1 ? CMObj.PosCM : AllCelObj[CentralBodyNr].NewPos;
    const TMYPoint3D drift = CMObj.VelCM * Time;
    for (auto &body : AllCelObj) {
        body.PosRelToCentralBody = (body.NewPos - origin) + drift;
        body.PositionStorage.WriteToArray(body.PosRelToCentralBody);
    }
    CMObj.PosRelToCentralBody = (CMObj.PosCM - origin) + drift;
}

// Arrow length (m) = factor x magnitude; the largest arrow gets a fixed share of the view. A collection
// where nothing moves or accelerates gets factor 0 instead of an infinite one: its arrows have no length.
void TCelObjCollection::CalcAccelerationArrowScaleFactor()
{
    double amax = 0.0;
    for (const auto &body : AllCelObj)
        amax = std::max(amax, body.a.Length());
    AccArrowScaleFactor = amax > 0.0 ? static_cast<float>(ScaleFactor * WidthViewPort2D / (amax * 1e5)) : 0.0f;
    AccArrowScaleFactor *= ArrowScaleCorrection;
}

void TCelObjCollection::CalcVelocityArrowScaleFactor()
{
    float vmax = 0.0f;
    for (const auto &body : AllCelObj)
        vmax = std::max(vmax, static_cast<float>(body.v.Length()));
    VelArrowScaleFactor = vmax > 0.0f ? static_cast<float>(ScaleFactor * WidthViewPort2D / (vmax * 5e4)) : 0.0f;
    VelArrowScaleFactor *= ArrowScaleCorrection;
}

void TCelObjCollection::FindCentralCelObj()
{
    const auto it = std::find_if(AllCelObj.begin(), AllCelObj.end(), [](const TCelObj2D &b) { return b.CentralBody; });
    CentralCelObj = it == AllCelObj.end() ? -1 : static_cast<int32_t>(it - AllCelObj.begin());
}

void TCelObjCollection::MakePaddedNames()
{
    // Six characters, not six bytes: a UTF-8 name is never cut inside a character.
    for (auto &body : AllCelObj) {
        std::string padded;
        int characters = 0;
        for (char c : body.ObjName) {
            const bool continuation = (static_cast<unsigned char>(c) & 0xC0) == 0x80;
            if (!continuation && characters == 6)
                break;
            characters += continuation ? 0 : 1;
            padded += c;
        }
        body.PaddedName = padded + std::string(6 - characters, ' ');
    }
}
