#include "core/IntegratorKernel.h"

#include <cmath>

TCelObjCollection::StepsResult IntegratorKernel::run(TCelObjCollection &c, int maxSteps)
{
    TCelObjCollection::StepsResult result;
    load(c);
    const double dt = c.DeltaT;
    for (int s = 0; s < maxSteps; ++s) {
        step(dt);
        c.Time = c.Time + dt;
        c.DisplayedTime = c.OrbitsReversed ? c.DisplayedTime - dt : c.DisplayedTime + dt;
        ++result.stepsDone;
        if (updateAccelerations(c.G)) {
            result.collided = true;
            firstCollision(result.collObj1, result.collObj2);
            break;
        }
    }
    store(c);
    return result;
}

void IntegratorKernel::load(const TCelObjCollection &c)
{
    m_n = c.AllCelObj.size();
    for (auto *v : {&m_x, &m_y, &m_z, &m_vx, &m_vy, &m_vz, &m_ax, &m_ay, &m_az, &m_newAx, &m_newAy, &m_newAz, &m_mass})
        v->resize(m_n);
    m_radius.resize(m_n);
    for (size_t i = 0; i < m_n; ++i) {
        const TCelObj2D &b = c.AllCelObj[i];
        m_x[i] = b.PrevPos.X, m_y[i] = b.PrevPos.Y, m_z[i] = b.PrevPos.Z;
        m_vx[i] = b.v.X, m_vy[i] = b.v.Y, m_vz[i] = b.v.Z;
        m_ax[i] = b.a.X, m_ay[i] = b.a.Y, m_az[i] = b.a.Z;
        m_newAx[i] = b.Newa.X, m_newAy[i] = b.Newa.Y, m_newAz[i] = b.Newa.Z;
        m_mass[i] = b.Mass;
        m_radius[i] = b.Radius;
    }
}

void IntegratorKernel::store(TCelObjCollection &c) const
{
    for (size_t i = 0; i < m_n; ++i) {
        TCelObj2D &b = c.AllCelObj[i];
        b.PrevPos = b.NewPos = {m_x[i], m_y[i], m_z[i]};
        b.v = {m_vx[i], m_vy[i], m_vz[i]};
        b.a = {m_ax[i], m_ay[i], m_az[i]};
        b.Newa = {m_newAx[i], m_newAy[i], m_newAz[i]};
    }
}

void IntegratorKernel::step(double dt)
{
    const double h = 0.5 * dt;
    for (size_t i = 0; i < m_n; ++i) {
        m_vx[i] = m_vx[i] + (m_ax[i] + m_newAx[i]) * h;
        m_vy[i] = m_vy[i] + (m_ay[i] + m_newAy[i]) * h;
        m_vz[i] = m_vz[i] + (m_az[i] + m_newAz[i]) * h;
    }
    for (size_t i = 0; i < m_n; ++i) {
        m_x[i] = m_x[i] + m_vx[i] * dt + ((m_ax[i] + m_newAx[i]) * 0.25) * dt * dt;
        m_y[i] = m_y[i] + m_vy[i] * dt + ((m_ay[i] + m_newAy[i]) * 0.25) * dt * dt;
        m_z[i] = m_z[i] + m_vz[i] * dt + ((m_az[i] + m_newAz[i]) * 0.25) * dt * dt;
        m_ax[i] = m_newAx[i];
        m_ay[i] = m_newAy[i];
        m_az[i] = m_newAz[i];
    }
}

bool IntegratorKernel::updateAccelerations(double G)
{
    bool collision = false;
    for (size_t i = 0; i < m_n; ++i) {
        double ax = 0.0, ay = 0.0, az = 0.0;
        for (size_t j = 0; j < m_n; ++j) {
            if (j == i)
                continue;
            const double dx = m_x[i] - m_x[j], dy = m_y[i] - m_y[j], dz = m_z[i] - m_z[j];
            // The same distance the collision test measures: (P_j - P_i) squares to the same bits.
            const double r = std::sqrt(dx * dx + dy * dy + dz * dz);
            const double k = G * m_mass[j] / (r * (r * r));
            ax = ax - dx * k;
            ay = ay - dy * k;
            az = az - dz * k;
            collision = collision || BodiesCollide(r, m_radius[i], m_radius[j]);
        }
        m_newAx[i] = ax;
        m_newAy[i] = ay;
        m_newAz[i] = az;
    }
    return collision;
}

void IntegratorKernel::firstCollision(int32_t &i, int32_t &j) const
{
    for (size_t p = 0; p < m_n; ++p)
        for (size_t q = 0; q < m_n; ++q) {
            if (p == q)
                continue;
            const double dx = m_x[q] - m_x[p], dy = m_y[q] - m_y[p], dz = m_z[q] - m_z[p];
            if (BodiesCollide(std::sqrt(dx * dx + dy * dy + dz * dz), m_radius[p], m_radius[q])) {
                i = static_cast<int32_t>(p);
                j = static_cast<int32_t>(q);
                return;
            }
        }
}
