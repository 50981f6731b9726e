#include "files/OpenSaveJSON.h"

#include "core/MessageSink.h"
#include "core/StringRoutines.h"
#include "files/ColorText.h"
#include "files/FileTextLimits.h"
#include "files/NumberText.h"
#include "files/SimxKeys.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

using nlohmann::ordered_json;

namespace {

// What makes a file unreadable; the text completes "The file X is not a valid simulation file: ".
class SimxError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::string quoted(const std::string &text) { return "\"" + ShortenedForMessage(text) + "\""; }

// The nesting depth of the document, strings skipped; the parser would otherwise build any depth.
bool nestsTooDeep(const std::string &bytes)
{
    int depth = 0;
    bool inString = false;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > FileLimits::MaxNesting)
                return true;
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return false;
}

// Reads the members of one object; every conversion failure throws a SimxError naming the member.
class MemberReader {
public:
    MemberReader(const ordered_json &object, NumberLocale locale) : m_object(object), m_locale(locale) {}

    bool has(const char *key) const { return m_object.contains(key); }

    // A member's value as text whatever its JSON type: strings as they are, booleans and numbers as written.
    std::string text(const char *key) const
    {
        const auto it = m_object.find(key);
        if (it == m_object.end())
            throw SimxError("the member \"" + std::string(key) + "\" is missing.");
        if (it->is_string())
            return it->get<std::string>();
        if (it->is_boolean() || it->is_number())
            return it->dump();
        throw SimxError("the member \"" + std::string(key) + "\" is not a text.");
    }

    double number(const char *key) const
    {
        const std::string t = text(key);
        try {
            return TextToFloat(AdjustDecimalSeparator(t, m_locale), m_locale);
        } catch (const std::invalid_argument &) {
            throw invalid(key, t, "a valid number");
        }
    }

    float single(const char *key) const
    {
        const double value = number(key);
        if (std::fabs(value) > std::numeric_limits<float>::max())
            throw invalid(key, text(key), "a number of single precision");
        return static_cast<float>(value);
    }

    bool boolean(const char *key) const
    {
        const std::string t = text(key);
        std::string lower = t;
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (lower == "true" || lower == "false")
            return lower == "true";
        try {
            return TextToFloat(AdjustDecimalSeparator(t, m_locale), m_locale) != 0.0;
        } catch (const std::invalid_argument &) {
            throw invalid(key, t, "true or false");
        }
    }

    int32_t integer(const char *key) const
    {
        const std::string t = text(key);
        int32_t value = 0;
        const auto res = std::from_chars(t.data(), t.data() + t.size(), value);
        if (t.empty() || res.ec != std::errc() || res.ptr != t.data() + t.size())
            throw invalid(key, t, "a whole number");
        return value;
    }

    uint32_t color(const char *key) const
    {
        const std::string t = text(key);
        if (const auto value = TextToColor(t))
            return *value;
        throw invalid(key, t, "a colour");
    }

private:
    static SimxError invalid(const char *key, const std::string &t, const char *what)
    {
        return SimxError("the value " + quoted(t) + " of \"" + key + "\" is not " + what + ".");
    }

    const ordered_json &m_object;
    NumberLocale m_locale;
};

const ordered_json &arrayMember(const ordered_json &doc, const char *key)
{
    const auto it = doc.find(key);
    if (it == doc.end())
        throw SimxError("the member \"" + std::string(key) + "\" is missing.");
    if (!it->is_array())
        throw SimxError("the member \"" + std::string(key) + "\" is not an array.");
    return *it;
}

// The first element of one of the single-object arrays; further elements are ignored.
const ordered_json &firstObject(const ordered_json &doc, const char *key)
{
    const ordered_json &array = arrayMember(doc, key);
    if (array.empty())
        throw SimxError("the array \"" + std::string(key) + "\" is empty.");
    if (!array.front().is_object())
        throw SimxError("the first element of \"" + std::string(key) + "\" is not an object.");
    return array.front();
}

void readBodies(const ordered_json &doc, TSimulationData &data, NumberLocale locale)
{
    const ordered_json &bodies = arrayMember(doc, "CelObjData");
    if (bodies.size() > FileLimits::MaxBodies)
        throw SimxError("it holds " + std::to_string(bodies.size()) + " bodies; at most " +
                        std::to_string(FileLimits::MaxBodies) + " can be opened.");
    for (const auto &element : bodies) {
        if (!element.is_object())
            throw SimxError("an element of \"CelObjData\" is not an object.");
        const MemberReader m(element, locale);
        TCelObjData d;
        for (const auto &field : SimxKeys::BodyTexts) {
            const std::string text = m.text(field.key);
            // Only the number texts take the reader's separator; a name stays as typed.
            d.*field.field = field.field == &TCelObjData::aName ? text : AdjustDecimalSeparator(text, locale);
        }
        d.aColor = m.color("Color");
        d.aCentralBody = m.boolean("CentralBody");
        d.aShowIntermedPos = m.boolean("ShowInterMedPos");
        data.CelObjDataList.push_back(d);
    }
}

void readAddInfo(const MemberReader &m, TSimulationData &data)
{
    // The drift texts reach the edit boxes as the file has them.
    data.VelCMx = m.text("vCM.X");
    data.VelCMy = m.text("vCM.Y");
    data.VelCMz = m.text("vCM.Z");
    data.DeltaT = m.number("dt");
    if (m.has("dtConst"))
        data.DeltaTConstant = m.number("dtConst");
    data.ScaleFactor = m.single("ScaleFactor");
    data.G = m.number("G");
    data.ArrowScaleCorrection = m.single("ArrowScaleCorrection");
    data.InterMedPosInterval = m.single("InterMedPosInterval");
    data.SecondViewport = m.boolean("SecondViewport");
    data.SecondViewportCentralBody = m.integer("SecondViewportCentralBody");
    // An index that names no body would make the second view read past the body list; its centre of mass
    // is what such a file can still show.
    if (data.SecondViewportCentralBody < -1 ||
        data.SecondViewportCentralBody >= static_cast<int64_t>(data.CelObjDataList.size()))
        data.SecondViewportCentralBody = -1;
    data.SecondViewportScale = m.single("SecondViewportScale");
    data.OrFrac.X = m.single("OrFracX");
    data.OrFrac.Y = m.single("OrFracY");
}

void readDocument(const std::string &bytes, CameraSettings &camera, TSimulationData &data, NumberLocale locale)
{
    std::string_view text(bytes);
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    if (nestsTooDeep(bytes))
        throw SimxError("its text nests deeper than any simulation file.");
    const ordered_json doc = ordered_json::parse(text, nullptr, false);
    if (doc.is_discarded() || !doc.is_object())
        throw SimxError("its text is not a JSON object.");
    readBodies(doc, data, locale);
    const MemberReader options(firstObject(doc, "Options"), locale);
    for (const auto &s : SimxKeys::Options)
        data.Options.*s.field = options.boolean(s.key);
    readAddInfo(MemberReader(firstObject(doc, "AddInfo"), locale), data);
    const MemberReader cam(firstObject(doc, "Camera"), locale);
    camera.d = cam.single("d");
    camera.Phi = cam.single("Phi");
    camera.Theta = cam.single("Theta");
}

} // namespace

bool ReadSimxText(const std::string &bytes, const std::string &fileName, CameraSettings &Camera,
                  TSimulationData &SimulationData, NumberLocale locale)
{
    try {
        readDocument(bytes, Camera, SimulationData, locale);
        return true;
    } catch (const SimxError &e) {
        InfoErrorDialog("The file " + fileName + " is not a valid simulation file: " + e.what());
    } catch (const std::exception &e) {
        InfoErrorDialog("The file " + fileName + " cannot be read: " + e.what());
    }
    return false;
}
