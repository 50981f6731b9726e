#include "cli/CsvReadout.h"

#include <charconv>
#include <utility>
#include <vector>

namespace {

std::string numberText(double x)
{
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, x);
    return std::string(buf, res.ptr);
}

// A field with a comma, quote or line break is quoted, its quotes doubled.
std::string csvField(const std::string &text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string out = "\"";
    for (char c : text) {
        out += c;
        if (c == '"')
            out += '"';
    }
    return out + "\"";
}

std::vector<std::pair<size_t, size_t>> distancePairs(size_t n)
{
    if (n < 2)
        return {};
    if (n == 3)
        return {{0, 1}, {0, 2}, {1, 2}};
    return {{0, 1}};
}

// E = s (s (m / 2)), m the body's single-precision mass, as the graphs compute it.
double kineticEnergy(const TCelObj2D &body)
{
    const double s = body.v.Length();
    return s * (s * (static_cast<double>(body.Mass) * 0.5));
}

double potentialEnergy(const TCelObjCollection &c)
{
    double U = 0.0;
    const auto &b = c.AllCelObj;
    for (size_t p = 0; p + 1 < b.size(); ++p)
        for (size_t q = p + 1; q < b.size(); ++q)
            U -= c.G * static_cast<double>(b[p].Mass) * static_cast<double>(b[q].Mass) /
                 b[q].NewPos.Distance(b[p].NewPos);
    return U;
}

std::string joined(const std::vector<std::string> &fields)
{
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i)
        line += (i ? "," : "") + fields[i];
    return line + "\n";
}

} // namespace

std::string CsvHeader(const TCelObjCollection &c)
{
    std::vector<std::string> fields{"time_s"};
    for (const auto &body : c.AllCelObj)
        for (const char *suffix : {"_speed_mps", "_acc_mps2", "_kinetic_J"})
            fields.push_back(csvField(body.ObjName + suffix));
    fields.push_back("potential_J");
    fields.push_back("total_J");
    for (const auto &[i, j] : distancePairs(c.AllCelObj.size()))
        fields.push_back(csvField("distance_" + c.AllCelObj[i].ObjName + "_" + c.AllCelObj[j].ObjName + "_km"));
    return joined(fields);
}

std::string CsvRow(const TCelObjCollection &c)
{
    std::vector<std::string> fields{numberText(c.Time)};
    double kinetic = 0.0;
    for (const auto &body : c.AllCelObj) {
        const double K = kineticEnergy(body);
        kinetic += K;
        fields.push_back(numberText(body.v.Length()));
        fields.push_back(numberText(body.a.Length()));
        fields.push_back(numberText(K));
    }
    const double U = potentialEnergy(c);
    fields.push_back(numberText(U));
    fields.push_back(numberText(U + kinetic));
    for (const auto &[i, j] : distancePairs(c.AllCelObj.size()))
        fields.push_back(numberText(c.AllCelObj[i].NewPos.Distance(c.AllCelObj[j].NewPos) / 1000.0));
    return joined(fields);
}
