#include "files/OpenSave.h"

#include "core/MessageSink.h"
#include "core/StringRoutines.h"
#include "files/AtomicFile.h"
#include "files/Extended80.h"
#include "files/FileTextLimits.h"

#include <cmath>
#include <stdexcept>

namespace {

constexpr size_t NamesOffset = 12, RadiiOffset = 522, MassesOffset = 1032, PosXOffset = 1542, PosYOffset = 2052,
                 PosZOffset = 2562, VelXOffset = 3072, VelYOffset = 3582, VelZOffset = 4092, EntrySize = 51;
constexpr size_t ScaleOffset = 4603, CentralBodyOffset = 4634, DistanceOffset = 4663, VelCMOffset = 4742,
                 ColorsOffset = 4851, GOffset = 4919, ShortTextCapacity = 30;

// Characters 0x80..0x9F of the Windows Western code page the writing program used; 0 where it has none.
constexpr char16_t windows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The record's bytes with the reads it needs; a damaged field throws with the reason.
class RecordReader {
public:
    explicit RecordReader(const std::string &bytes) : m_bytes(bytes) {}

    unsigned char byte(size_t offset) const { return static_cast<unsigned char>(m_bytes[offset]); }
    bool flag(size_t offset) const { return byte(offset) != 0; }
    uint32_t u32(size_t offset) const
    {
        return byte(offset) | (uint32_t(byte(offset + 1)) << 8) | (uint32_t(byte(offset + 2)) << 16) |
               (uint32_t(byte(offset + 3)) << 24);
    }
    int32_t i32(size_t offset) const { return static_cast<int32_t>(u32(offset)); }

    // A length byte, then up to `capacity` characters in the 8-bit code page, returned as UTF-8.
    std::string shortText(size_t offset, size_t capacity) const
    {
        const size_t length = byte(offset);
        if (length > capacity)
            throw std::runtime_error("is damaged: a text is longer than its field.");
        std::string out;
        for (size_t i = 1; i <= length; ++i) {
            const unsigned char c = byte(offset + i);
            const char32_t code = c >= 0x80 && c < 0xA0 ? windows1252High[c - 0x80] : c;
            appendUtf8(out, code == 0 ? U'\uFFFD' : code);
        }
        return out;
    }
    std::string entry(size_t arrayOffset, int k) const { return shortText(arrayOffset + EntrySize * (k - 1), 50); }

private:
    const std::string &m_bytes;
};

TCelObjData readBody(const RecordReader &r, int k, int32_t centralBody)
{
    TCelObjData d;
    d.aName = r.entry(NamesOffset, k);
    d.aMass = r.entry(MassesOffset, k);
    d.aRadius = r.entry(RadiiOffset, k);
    d.aPosx = r.entry(PosXOffset, k);
    d.aPosy = r.entry(PosYOffset, k);
    d.aPosz = r.entry(PosZOffset, k);
    d.aVelocityx = r.entry(VelXOffset, k);
    d.aVelocityy = r.entry(VelYOffset, k);
    d.aVelocityz = r.entry(VelZOffset, k);
    d.aImageScale = "1";
    // Stored as 0x00BBGGRR without alpha; the sum wraps modulo 2^32 as the writing program's did.
    d.aColor = SwapRedBlue(r.u32(ColorsOffset + 4 * (k - 1)) + 0xFF000000u);
    d.aCentralBody = centralBody == k;
    d.aShowIntermedPos = false;
    return d;
}

void readSwitches(const RecordReader &r, TCollectionOptions &o)
{
    o.ShowTime = r.flag(4725);
    o.ShowVel = r.flag(4727);
    o.ShowAcc = r.flag(4728);
    o.ShowDistance = r.flag(4729);
    o.ShowEnergy = r.flag(4730);
    o.ShowVelArrow = r.flag(4731);
    o.ShowAccArrow = r.flag(4732);
    o.ShowCM = r.flag(4733);
    o.ShowAxes = r.flag(4734);
    o.ShowStarBKG = r.flag(4735);
    o.ShowGraph = r.flag(4736);
    o.VarDt = r.flag(4738);
    o.ShowTrails = r.flag(4895);
    o.ShowOrbitProjec = r.flag(4896);
    o.ShowLineFromCM = r.flag(4930);
}

std::string orZero(std::string text) { return text.empty() ? "0" : text; }

// A positive finite single from a text in the reader's locale, times factor; throws naming `what`.
float scaledSingle(const std::string &text, double factor, const char *what, NumberLocale locale)
{
    double value = 0.0;
    try {
        value = TextToFloat(text, locale);
    } catch (const std::invalid_argument &) {
        throw std::runtime_error("is not a valid simulation file: the " + std::string(what) + " \"" +
                                 ShortenedForMessage(text) + "\" is not a valid number.");
    }
    const auto scaled = static_cast<float>(value * factor);
    if (!std::isfinite(scaled))
        throw std::runtime_error("is not a valid simulation file: the " + std::string(what) + " \"" +
                                 ShortenedForMessage(text) + "\" is too large.");
    return scaled;
}

void readRecord(const std::string &bytes, TSimulationData &data, CameraSettings &camera, NumberLocale locale)
{
    if (bytes.size() < SimRecord::Size)
        throw std::runtime_error("is not a simulation file: it is too short.");
    const RecordReader r(bytes);
    const int32_t count = r.i32(8);
    if (count > SimRecord::MaxBodies)
        throw std::runtime_error("is damaged: it claims " + std::to_string(count) + " bodies, but holds at most " +
                                 std::to_string(SimRecord::MaxBodies) + ".");
    const int32_t centralBody = r.i32(CentralBodyOffset);
    for (int k = 1; k <= count; ++k)
        data.CelObjDataList.push_back(readBody(r, k, centralBody));
    data.VelCMx = orZero(r.shortText(VelCMOffset, ShortTextCapacity));
    data.VelCMy = orZero(r.shortText(VelCMOffset + 31, ShortTextCapacity));
    data.VelCMz = orZero(r.shortText(VelCMOffset + 62, ShortTextCapacity));
    readSwitches(r, data.Options);
    unsigned char g[10];
    for (int i = 0; i < 10; ++i)
        g[i] = r.byte(GOffset + i);
    const double G = ExtendedToDouble(g);
    if (!std::isfinite(G))
        throw std::runtime_error("is damaged: its gravitational constant is not a finite number.");
    data.G = G;
    data.DeltaT = 0.0;
    data.ScaleFactor = scaledSingle(r.shortText(ScaleOffset, ShortTextCapacity), 1000.0, "scale", locale);
    camera.Phi = 0.0f;
    camera.d = scaledSingle(r.shortText(DistanceOffset, ShortTextCapacity), data.ScaleFactor, "camera distance",
                            locale);
}

} // namespace

uint32_t SwapRedBlue(uint32_t Value)
{
    return (Value & 0xFF00FF00u) | ((Value & 0xFFu) << 16) | ((Value >> 16) & 0xFFu);
}

bool ReadSimRecord(const std::string &bytes, const std::string &fileName, TSimulationData &SimulationData,
                   CameraSettings &Camera, NumberLocale locale)
{
    try {
        readRecord(bytes, SimulationData, Camera, locale);
        return true;
    } catch (const std::exception &e) {
        InfoErrorDialog("The file " + fileName + " " + e.what());
        return false;
    }
}

bool OpenSimFile(const std::string &FileName, TSimulationData &SimulationData, CameraSettings &Camera,
                 NumberLocale locale)
{
    std::string bytes;
    if (!ReadFilePrefix(FileName, SimRecord::Size, bytes)) {
        InfoErrorDialog("The file " + FileName + " cannot be opened.");
        return false;
    }
    return ReadSimRecord(bytes, FileName, SimulationData, Camera, locale);
}
