#pragma once

#include <cmath>

// A 3-D vector of three doubles; every position (m), velocity (m/s) and acceleration (m/s^2) of the
// simulation is one. Each operation rounds each component to double on its own, in the order written,
// which the integrator relies on for reproducible orbits.
struct TMYPoint3D {
    double X = 0.0;
    double Y = 0.0;
    double Z = 0.0;

    static constexpr TMYPoint3D Create(double AX, double AY, double AZ) { return {AX, AY, AZ}; }
    static constexpr TMYPoint3D Zero() { return {0.0, 0.0, 0.0}; }

    double DotProduct(const TMYPoint3D &Q) const { return X * Q.X + Y * Q.Y + Z * Q.Z; }
    double Length() const { return std::sqrt(DotProduct(*this)); }
    double Distance(const TMYPoint3D &Q) const;

    friend constexpr bool operator==(const TMYPoint3D &, const TMYPoint3D &) = default;
};

constexpr TMYPoint3D operator+(const TMYPoint3D &A, const TMYPoint3D &B) { return {A.X + B.X, A.Y + B.Y, A.Z + B.Z}; }
constexpr TMYPoint3D operator-(const TMYPoint3D &A, const TMYPoint3D &B) { return {A.X - B.X, A.Y - B.Y, A.Z - B.Z}; }
// Component-wise: this is how the simulation scales by s, multiplying by (s, s, s).
constexpr TMYPoint3D operator*(const TMYPoint3D &A, const TMYPoint3D &B) { return {A.X * B.X, A.Y * B.Y, A.Z * B.Z}; }
constexpr TMYPoint3D operator*(const TMYPoint3D &A, double f) { return {A.X * f, A.Y * f, A.Z * f}; }
constexpr TMYPoint3D operator*(double f, const TMYPoint3D &A) { return A * f; }

// Division by exactly 0 leaves the vector as it is: a zero mass sum then yields the plain weighted sum.
// Otherwise the reciprocal is formed once and multiplied in.
constexpr TMYPoint3D operator/(const TMYPoint3D &A, double f)
{
    if (f == 0.0)
        return A;
    return A * (1.0 / f);
}

inline double TMYPoint3D::Distance(const TMYPoint3D &Q) const { return (*this - Q).Length(); }
