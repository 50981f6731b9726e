#pragma once

#include "core/TMYPoint3D.h"

#include <cstdint>
#include <vector>

// Fixed-capacity ring buffer of a body's past display positions (m), one entry per timer tick;
// trails are redrawn from it. Allocated once, never resized; when full a write replaces the oldest entry.
struct TPosArray {
    std::vector<TMYPoint3D> A;
    int32_t L = 0;
    int32_t PosInArrayWrite = 0;
    int32_t PosInArrayRead = 0;
    int32_t NrItems = 0;

    void Create(int32_t aMaxLength)
    {
        A.assign(aMaxLength, TMYPoint3D{});
        L = aMaxLength;
        PosInArrayWrite = PosInArrayRead = NrItems = 0;
    }
    void WriteToArray(const TMYPoint3D &P)
    {
        A[PosInArrayWrite] = P;
        PosInArrayWrite = (PosInArrayWrite + 1) % L;
        if (NrItems < L)
            ++NrItems;
    }
    TMYPoint3D ReadFromArray()
    {
        const TMYPoint3D P = A[PosInArrayRead];
        PosInArrayRead = (PosInArrayRead + 1) % L;
        return P;
    }
    // Puts the reader on the oldest entry; NrItems reads then give the entries oldest to newest.
    void ResetReadingFromArray() { PosInArrayRead = NrItems < L ? 0 : PosInArrayWrite; }
};
