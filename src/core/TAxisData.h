#pragma once

#include <cstdint>
#include <vector>

// One recorded graph series: a fixed capacity of samples in recording order; samples offered to a
// full series are dropped. Elements from NrItems on stay 0.
struct TAxisData {
    std::vector<double> ArrayOfData;
    int32_t L = 0;
    int32_t NrItems = 0;

    void Create(int32_t aLength)
    {
        ArrayOfData.assign(aLength, 0.0);
        L = aLength;
        NrItems = 0;
    }
    void AddData(double d)
    {
        if (NrItems < L)
            ArrayOfData[NrItems++] = d;
    }
};
