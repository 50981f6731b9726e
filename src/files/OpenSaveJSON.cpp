#include "files/OpenSaveJSON.h"

#include "core/MessageSink.h"
#include "files/AtomicFile.h"
#include "files/ColorText.h"
#include "files/FileTextLimits.h"
#include "files/NumberText.h"
#include "files/SimxKeys.h"

#include <nlohmann/json.hpp>

#include <array>

using nlohmann::ordered_json;

namespace {

// Everything a .simx file holds, gathered from a live collection or from a set-up record.
struct SimxContent {
    const std::vector<TCelObjData> *bodies = nullptr;
    std::vector<bool> showInterMedPos;
    TCollectionOptions options;
    std::array<std::string, 3> velCM;
    double dt = 0.0;
    double dtConst = 0.0;
    double scaleFactor = 0.0;
    double G = 0.0;
    float arrowScaleCorrection = 0.0f;
    float interMedPosInterval = 0.0f;
    bool secondViewport = false;
    int32_t secondViewportCentralBody = 0;
    float secondViewportScale = 0.0f;
    TPointF orFrac;
};

ordered_json bodyObject(const TCelObjData &d, bool showInterMedPos)
{
    ordered_json body = ordered_json::object();
    for (const auto &text : SimxKeys::BodyTexts)
        body[text.key] = d.*text.field;
    body["Color"] = ColorToText(d.aColor);
    body["CentralBody"] = d.aCentralBody;
    body["ShowInterMedPos"] = showInterMedPos;
    return body;
}

ordered_json addInfoObject(const SimxContent &c, NumberLocale locale)
{
    auto number = [locale](double x) { return FileNumberText(x, locale); };
    ordered_json info = ordered_json::object();
    info["vCM.X"] = c.velCM[0];
    info["vCM.Y"] = c.velCM[1];
    info["vCM.Z"] = c.velCM[2];
    info["dt"] = number(c.dt);
    info["dtConst"] = number(c.dtConst);
    info["ScaleFactor"] = number(c.scaleFactor);
    info["G"] = number(c.G);
    info["ArrowScaleCorrection"] = number(c.arrowScaleCorrection);
    info["InterMedPosInterval"] = number(c.interMedPosInterval);
    info["SecondViewport"] = c.secondViewport;
    info["SecondViewportCentralBody"] = std::to_string(c.secondViewportCentralBody);
    info["SecondViewportScale"] = number(c.secondViewportScale);
    info["OrFracX"] = number(c.orFrac.X);
    info["OrFracY"] = number(c.orFrac.Y);
    return info;
}

std::string simxText(const SimxContent &c, const CameraSettings &camera, NumberLocale locale)
{
    ordered_json doc = ordered_json::object();
    doc["CelObjData"] = ordered_json::array();
    for (size_t i = 0; i < c.bodies->size(); ++i)
        doc["CelObjData"].push_back(bodyObject((*c.bodies)[i], c.showInterMedPos[i]));
    ordered_json options = ordered_json::object();
    for (const auto &s : SimxKeys::Options)
        options[s.key] = c.options.*s.field;
    doc["Options"] = ordered_json::array({options});
    doc["AddInfo"] = ordered_json::array({addInfoObject(c, locale)});
    ordered_json cam = ordered_json::object();
    cam["d"] = FileNumberText(camera.d, locale);
    cam["Phi"] = FileNumberText(camera.Phi, locale);
    cam["Theta"] = FileNumberText(camera.Theta, locale);
    doc["Camera"] = ordered_json::array({cam});
    // Texts are UTF-8 already; a stray invalid byte must not make the save fail.
    return doc.dump(-1, ' ', false, ordered_json::error_handler_t::replace);
}

bool writeSimx(const std::string &fileName, const SimxContent &c, const CameraSettings &camera, NumberLocale locale)
{
    const std::string failure = WriteFileAtomically(fileName, simxText(c, camera, locale));
    if (failure.empty())
        return true;
    InfoErrorDialog("The file " + fileName + " could not be saved: " + failure + ".");
    return false;
}

// The numerical settings share their names in the live collection and the set-up record.
template <typename Settings>
void copySettings(const Settings &from, SimxContent &c)
{
    c.dt = from.DeltaT;
    c.dtConst = from.DeltaTConstant;
    c.scaleFactor = from.ScaleFactor;
    c.G = from.G;
    c.arrowScaleCorrection = from.ArrowScaleCorrection;
    c.interMedPosInterval = from.InterMedPosInterval;
    c.secondViewport = from.SecondViewport;
    c.secondViewportCentralBody = from.SecondViewportCentralBody;
    c.secondViewportScale = from.SecondViewportScale;
    c.orFrac = from.OrFrac;
}

} // namespace

bool SaveSimxFile(const std::string &FileName, const TCelObjCollection &Collection, const CameraSettings &Camera,
                  NumberLocale locale)
{
    SimxContent c;
    c.bodies = &Collection.CelObjDataList;
    for (size_t i = 0; i < Collection.CelObjDataList.size(); ++i)
        c.showInterMedPos.push_back(i < Collection.AllCelObj.size() ? Collection.AllCelObj[i].ShowIMPos
                                                                     : Collection.CelObjDataList[i].aShowIntermedPos);
    c.options = Collection.Options;
    const TMYPoint3D &v = Collection.CMObj.VelCM;
    c.velCM = {FileNumberText(v.X, locale), FileNumberText(v.Y, locale), FileNumberText(v.Z, locale)};
    copySettings(Collection, c);
    return writeSimx(FileName, c, Camera, locale);
}

bool SaveSimxFile(const std::string &FileName, const TSimulationData &SimulationData, const CameraSettings &Camera,
                  NumberLocale locale)
{
    SimxContent c;
    c.bodies = &SimulationData.CelObjDataList;
    for (const auto &d : SimulationData.CelObjDataList)
        c.showInterMedPos.push_back(d.aShowIntermedPos);
    c.options = SimulationData.Options;
    c.velCM = {SimulationData.VelCMx, SimulationData.VelCMy, SimulationData.VelCMz};
    copySettings(SimulationData, c);
    return writeSimx(FileName, c, Camera, locale);
}

bool OpenSimxFile(const std::string &FileName, CameraSettings &Camera, TSimulationData &SimulationData,
                  NumberLocale locale)
{
    std::string bytes;
    if (!ReadFilePrefix(FileName, FileLimits::MaxSimxBytes, bytes)) {
        InfoErrorDialog("The file " + FileName + " cannot be opened.");
        return false;
    }
    if (bytes.size() > FileLimits::MaxSimxBytes) {
        InfoErrorDialog("The file " + FileName + " is too large to be a simulation file.");
        return false;
    }
    return ReadSimxText(bytes, FileName, Camera, SimulationData, locale);
}
