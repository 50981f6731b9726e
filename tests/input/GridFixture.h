#pragma once

#include "input/InputGrid.h"
#include "tests/core/RecordingSink.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// A grid with a recording message sink and helpers that type whole rows into it.
class GridFixture : public ::testing::Test {
protected:
    // Name, mass, radius, x, y, z, vx, vy, vz, scale: the text columns in order.
    static constexpr int TextCols[] = {TMyGrid::NameCol, TMyGrid::MassCol,  TMyGrid::RadiusCol, TMyGrid::PosXCol,
                                       TMyGrid::PosYCol, TMyGrid::PosZCol,  TMyGrid::VelXCol,   TMyGrid::VelYCol,
                                       TMyGrid::VelZCol, TMyGrid::ScaleCol};

    void setRows(const std::vector<QStringList> &rows)
    {
        while (grid.rowCount() < int(rows.size()))
            grid.AddGridRow();
        for (size_t r = 0; r < rows.size(); ++r)
            for (int i = 0; i < rows[r].size(); ++i)
                grid.setCellText(int(r), TextCols[i], rows[r][i]);
    }

    QStringList rowTexts(int row) const
    {
        QStringList texts;
        for (int col : TextCols)
            texts << grid.cellText(row, col);
        return texts;
    }

    TMyGrid grid;
    RecordingSink sink;
};
