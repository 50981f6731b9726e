#pragma once

#include "core/TCelObjCollection.h"

#include <vector>

// Bodies at distance d (m) collide when their discs overlap; touching discs do not. Bodies at exactly
// the same point collide whatever their radii: the force between them has no value.
inline bool BodiesCollide(double d, float radius1, float radius2)
{
    return d < static_cast<double>(radius1) + static_cast<double>(radius2) || d == 0.0;
}

// Runs a batch of integration steps on packed copies of the bodies' state (structure of arrays, padded to
// whole SIMD registers) and writes the state back once at the end. The results equal the named step
// operations of TCelObjCollection bit for bit: the same operations in the same order, no fused
// multiply-adds, each body's sum over the others kept in list order. The instruction set is chosen at
// run time. Owned by one collection; its arrays grow to the number of bodies once and are reused, so a
// step allocates nothing.
class IntegratorKernel {
public:
    // Portable runs on any x86-64, Avx2 needs AVX2, Avx512 AVX-512F; Best is the widest the processor has.
    // A set the processor lacks runs as Portable. All of them give the same bits.
    enum class InstructionSet { Best, Portable, Avx2, Avx512 };

    explicit IntegratorKernel(InstructionSet set = InstructionSet::Best);

    static bool supports(InstructionSet set);

    TCelObjCollection::StepsResult run(TCelObjCollection &collection, int maxSteps);

    // The packed state of a batch. The body arrays are padded to a multiple of eight entries; the padding
    // lanes are computed along and never read back.
    struct State {
        size_t n = 0;
        std::vector<double> x, y, z;
        std::vector<double> vx, vy, vz;
        std::vector<double> ax, ay, az;
        std::vector<double> newAx, newAy, newAz;
        std::vector<double> gm;      // G x m_j (m^3 s^-2), the numerator of every term of body j
        std::vector<double> radius;  // m, widened once so the collision sum needs no conversion
        size_t stride = 0;           // the padded body count
        // r^3 (m^3) of body b + l and body j >= b at [b * stride + j * w + l], for each block b of w bodies,
        // w the number of lanes of the instruction set
        std::vector<double> cube;
        // In the same places: the distance (m) below which the two bodies collide, see touchingDistance
        std::vector<double> touch;
    };

private:
    size_t lanes() const;
    void load(const TCelObjCollection &collection);
    void store(TCelObjCollection &collection) const;
    void firstCollision(int32_t &i, int32_t &j) const;

    InstructionSet m_set;
    State m_s;
};
