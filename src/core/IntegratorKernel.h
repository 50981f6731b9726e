#pragma once

#include "core/TCelObjCollection.h"

#include <vector>

// Bodies at distance d (m) collide when their discs overlap; touching discs do not. Bodies at exactly
// the same point collide whatever their radii: the force between them has no value.
inline bool BodiesCollide(double d, float radius1, float radius2)
{
    return d < static_cast<double>(radius1) + static_cast<double>(radius2) || d == 0.0;
}

// Runs a batch of integration steps on packed copies of the bodies' state (structure of arrays) and
// writes the state back once at the end. The results equal the named step operations of
// TCelObjCollection bit for bit: the same operations in the same order, no fused multiply-adds.
// Owned by one collection; its arrays grow to the number of bodies once and are reused, so a step
// allocates nothing.
class IntegratorKernel {
public:
    TCelObjCollection::StepsResult run(TCelObjCollection &collection, int maxSteps);

private:
    void load(const TCelObjCollection &collection);
    void store(TCelObjCollection &collection) const;
    void step(double dt);
    // Accelerations at the current positions into newA; returns whether any pair collides there.
    bool updateAccelerations(double G);
    void firstCollision(int32_t &i, int32_t &j) const;

    size_t m_n = 0;
    std::vector<double> m_x, m_y, m_z;
    std::vector<double> m_vx, m_vy, m_vz;
    std::vector<double> m_ax, m_ay, m_az;
    std::vector<double> m_newAx, m_newAy, m_newAz;
    std::vector<double> m_mass;
    std::vector<float> m_radius;
};
