#include "core/WriteOrbitData.h"

#include "core/WriteRoutines.h"

#include <algorithm>

namespace {

const std::string ToCM = " - CM    ";   // with the following " " the middle part is ten characters
const std::string NoPartner(9, ' ');
const std::string NumberColumn(16, ' ');

class Readout {
public:
    Readout(TCelObjCollection &c, NumberLocale locale)
        : c(c)
        , locale(locale)
    {
    }
    std::string f(double x) const { return FormatNumber(x, locale); }
    std::string pair(size_t i, size_t j) const { return c.AllCelObj[i].PaddedName + " - " + c.AllCelObj[j].PaddedName + " "; }

    void speeds()
    {
        lines.push_back("SPEED (m/s)");
        const auto &b = c.AllCelObj;
        if (c.CMObj.Visible)
            for (const auto &body : b)
                lines.push_back(body.PaddedName + ToCM + " " + f(body.v.Length()));
        for (size_t i = 0; i < b.size(); ++i)
            for (size_t j = i + 1; j < b.size(); ++j)
                lines.push_back(pair(i, j) + f((b[i].v - b[j].v).Length()));
        lines.emplace_back();
    }
    void accelerations()
    {
        lines.push_back("ACCELERATION (m/s^2)");
        for (const auto &body : c.AllCelObj)
            lines.push_back(body.PaddedName + NoPartner + " " + f(body.a.Length()));
        lines.emplace_back();
    }
    void distances()
    {
        lines.push_back("DISTANCE (km)");
        const auto &b = c.AllCelObj;
        for (size_t i = 0; i < b.size(); ++i) {
            if (c.CMObj.Visible)
                lines.push_back(b[i].PaddedName + ToCM + " " + f((b[i].NewPos - c.CMObj.PosCM).Length() / 1000));
            for (size_t j = i + 1; j < b.size(); ++j)
                lines.push_back(pair(i, j) + f((b[j].NewPos - b[i].NewPos).Length() / 1000));
        }
        lines.emplace_back();
    }
    void energies()
    {
        lines.push_back("KINETIC ENERGY (J)");
        double kinetic = 0.0;
        for (auto &body : c.AllCelObj) {
            body.KinEnergy = 0.5 * body.Mass * (body.v.X * body.v.X + body.v.Y * body.v.Y + body.v.Z * body.v.Z);
            kinetic += body.KinEnergy;
            lines.push_back(body.PaddedName + NoPartner + " " + f(body.KinEnergy));
        }
        lines.emplace_back();
        double U = 0.0;
        const auto &b = c.AllCelObj;
        for (size_t i = 0; i < b.size(); ++i)
            for (size_t j = i + 1; j < b.size(); ++j)
                U += c.G * b[i].Mass * b[j].Mass / (b[j].NewPos - b[i].NewPos).Length();
        U = -U;
        lines.push_back("POTENTIAL ENERGY (J)");
        lines.push_back(NumberColumn + f(U));
        lines.emplace_back();
        lines.push_back("TOTAL ENERGY (J)");
        lines.push_back(NumberColumn + f(kinetic + U));
    }

    std::vector<std::string> lines;

private:
    TCelObjCollection &c;
    NumberLocale locale;
};

} // namespace

std::vector<std::string> WriteOrbitData(TCelObjCollection &collection, NumberLocale locale)
{
    Readout readout(collection, locale);
    const TCollectionOptions &o = collection.Options;
    if (o.ShowVel)
        readout.speeds();
    if (o.ShowAcc)
        readout.accelerations();
    if (o.ShowDistance)
        readout.distances();
    if (o.ShowEnergy)
        readout.energies();
    return readout.lines;
}

float OrbitDataPanelHeight(float textHeight, float viewportHeight, float panelTop)
{
    return std::min(textHeight + 30, viewportHeight - panelTop - 10);
}
