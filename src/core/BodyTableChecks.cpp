#include "core/BodyTableChecks.h"

#include "core/MessageSink.h"
#include "core/StringRoutines.h"
#include "core/WriteRoutines.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

// The grid's number columns, numbered as the grid numbers them (1 is the name, 4 the colour).
std::string TCelObjData::*numberColumn(int aCol)
{
    switch (aCol) {
    case 2: return &TCelObjData::aMass;
    case 3: return &TCelObjData::aRadius;
    case 5: return &TCelObjData::aPosx;
    case 6: return &TCelObjData::aPosy;
    case 7: return &TCelObjData::aPosz;
    case 8: return &TCelObjData::aVelocityx;
    case 9: return &TCelObjData::aVelocityy;
    case 10: return &TCelObjData::aVelocityz;
    case 11: return &TCelObjData::aImageScale;
    default: throw std::invalid_argument("column " + std::to_string(aCol) + " holds no number");
    }
}

constexpr int numberColumns[] = {2, 3, 5, 6, 7, 8, 9, 10, 11};

// Only positions and velocities can be relative to the body before.
bool takesRelativePrefix(int aCol) { return aCol >= 5 && aCol <= 10; }

bool isBlankName(const std::string &name)
{
    return std::all_of(name.begin(), name.end(),
                       [](char c) { return c == ' ' || (static_cast<unsigned char>(c) < 0x20) || c == 0x7F; });
}

struct NumberCheck {
    int column;
    const char *title;
    bool canBeNegative;
    double maxValue;
};

constexpr NumberCheck numberChecks[] = {
    {2, "Mass", false, 1e37},       {3, "Radius", false, 3e8},     {5, "x-coordinate", true, 1e12},
    {6, "y-coordinate", true, 1e12}, {7, "z-coordinate", true, 1e12}, {8, "vx", true, 3e7},
    {9, "vy", true, 3e7},           {10, "vz", true, 3e7},          {11, "Scale", false, 10000},
};

} // namespace

void ConvertToDefaultLocale(std::vector<TCelObjData> &rows, NumberLocale locale)
{
    for (auto &row : rows) {
        for (int col : numberColumns) {
            std::string &text = row.*numberColumn(col);
            std::erase(text, ' ');
            if (locale.decimalSeparator == ',') {
                if (auto point = text.find('.'); point != std::string::npos)
                    text[point] = ',';
            } else if (locale.decimalSeparator == '.') {
                std::replace(text.begin(), text.end(), ',', '.');
            }
        }
    }
}

bool ValidNames(const std::vector<TCelObjData> &rows)
{
    for (size_t r = 0; r < rows.size(); ++r) {
        if (isBlankName(rows[r].aName) && !rows[r].aMass.empty()) {
            InfoOKDialog("The " + std::to_string(r + 1) + ". body needs a name.");
            return false;
        }
    }
    return true;
}

bool CheckForValidNumbers(const std::vector<TCelObjData> &rows, int aCol, const std::string &aColTitle,
                          bool CanBeNegative, double MaxValue, NumberLocale locale)
{
    const auto field = numberColumn(aCol);
    for (size_t r = 0; r < rows.size(); ++r) {
        const std::string label = rows[r].aName.empty() ? "body nr " + std::to_string(r + 1) : rows[r].aName;
        std::string text = rows[r].*field;
        if (r > 0 && takesRelativePrefix(aCol))
            RemoveRelativePrefix(text);
        double value = 0.0;
        if (!TryTextToFloat(text, value, locale)) {
            InfoErrorDialog(aColTitle + " of " + label + " is not a valid number.");
            return false;
        }
        if (!(value > 0.0) && !CanBeNegative) {
            InfoErrorDialog(aColTitle + " of " + label + " must be greater than zero.");
            return false;
        }
        if (std::fabs(value) > MaxValue) {
            InfoErrorDialog(aColTitle + " of " + label + " must be less than " + FormatNumber(MaxValue, locale));
            return false;
        }
    }
    return true;
}

std::string DuplicateNames(const std::vector<TCelObjData> &rows)
{
    std::string duplicate;
    for (size_t i = 0; i < rows.size(); ++i) {
        for (size_t j = i + 1; j < rows.size(); ++j) {
            if (rows[i].aName == rows[j].aName) {
                duplicate = rows[i].aName;
                break;
            }
        }
    }
    return duplicate;
}

bool GridDataOK(const std::vector<TCelObjData> &rows, NumberLocale locale)
{
    if (!ValidNames(rows))
        return false;
    for (const auto &check : numberChecks)
        if (!CheckForValidNumbers(rows, check.column, check.title, check.canBeNegative, check.maxValue, locale))
            return false;
    if (const std::string name = DuplicateNames(rows); !name.empty()) {
        InfoErrorDialog("Duplicate name: " + name + ". Please change.");
        return false;
    }
    return true;
}
