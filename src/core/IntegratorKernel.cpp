#include "core/IntegratorKernel.h"

#include <cmath>
#include <limits>

#include <immintrin.h>

namespace {

// The AVX-512 path holds eight bodies per register, the AVX2 path four; the arrays are padded to whole
// AVX-512 registers, and the padding lanes' results are computed and dropped.
constexpr size_t Lanes = 8;
constexpr size_t Avx2Lanes = 4;

size_t padded(size_t n) { return (n + Lanes - 1) / Lanes * Lanes; }

// For distances r >= 0 (or NaN), r < touchingDistance(r1 + r2) is BodiesCollide(r, r1, r2): with no
// positive sum of radii only r == 0 collides, and that is r below the smallest positive double.
double touchingDistance(double radiusSum)
{
    return radiusSum > 0.0 ? radiusSum : std::numeric_limits<double>::denorm_min();
}

// Velocities, then positions, exactly as NewVelocity and NewPosition round them.
void moveBodies(IntegratorKernel::State &s, double dt)
{
    const double h = 0.5 * dt;
    for (size_t i = 0; i < s.n; ++i) {
        s.vx[i] = s.vx[i] + (s.ax[i] + s.newAx[i]) * h;
        s.vy[i] = s.vy[i] + (s.ay[i] + s.newAy[i]) * h;
        s.vz[i] = s.vz[i] + (s.az[i] + s.newAz[i]) * h;
    }
    for (size_t i = 0; i < s.n; ++i) {
        s.x[i] = s.x[i] + s.vx[i] * dt + ((s.ax[i] + s.newAx[i]) * 0.25) * dt * dt;
        s.y[i] = s.y[i] + s.vy[i] * dt + ((s.ay[i] + s.newAy[i]) * 0.25) * dt * dt;
        s.z[i] = s.z[i] + s.vz[i] * dt + ((s.az[i] + s.newAz[i]) * 0.25) * dt * dt;
        s.ax[i] = s.newAx[i];
        s.ay[i] = s.newAy[i];
        s.az[i] = s.newAz[i];
    }
}

// Accelerations at the current positions into newA, one body at a time; returns whether any pair
// collides: the distance r here has the same bits as the collision test's.
bool accelerateScalar(IntegratorKernel::State &s)
{
    bool collision = false;
    for (size_t i = 0; i < s.n; ++i) {
        double ax = 0.0, ay = 0.0, az = 0.0;
        for (size_t j = 0; j < s.n; ++j) {
            if (j == i)
                continue;
            const double dx = s.x[i] - s.x[j], dy = s.y[i] - s.y[j], dz = s.z[i] - s.z[j];
            const double r = std::sqrt(dx * dx + dy * dy + dz * dz);
            const double k = s.gm[j] / (r * (r * r));
            ax = ax - dx * k;
            ay = ay - dy * k;
            az = az - dz * k;
            collision = collision || r < s.radius[i] + s.radius[j] || r == 0.0;
        }
        s.newAx[i] = ax;
        s.newAy[i] = ay;
        s.newAz[i] = az;
    }
    return collision;
}

// GCC 12 takes the deliberately undefined registers of its own AVX-512 intrinsics for uninitialised ones.
#pragma GCC diagnostic push
#if !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

// W[l] := lane l of V[0..7]: an 8 x 8 transpose in registers.
__attribute__((target("avx512f"), always_inline)) inline void transpose8(const __m512d V[8], __m512d W[8])
{
    __m512d a[8], c[8];
    for (int p = 0; p < 8; p += 2) {
        a[p] = _mm512_unpacklo_pd(V[p], V[p + 1]);
        a[p + 1] = _mm512_unpackhi_pd(V[p], V[p + 1]);
    }
    const __m512i low = _mm512_set_epi64(13, 12, 5, 4, 9, 8, 1, 0);
    const __m512i high = _mm512_set_epi64(15, 14, 7, 6, 11, 10, 3, 2);
    for (int p = 0; p < 8; p += 4)
        for (int q = 0; q < 2; ++q) {
            c[p + q] = _mm512_permutex2var_pd(a[p + q], low, a[p + q + 2]);
            c[p + q + 2] = _mm512_permutex2var_pd(a[p + q], high, a[p + q + 2]);
        }
    for (int q = 0; q < 4; ++q) {
        W[q] = _mm512_shuffle_f64x2(c[q], c[q + 4], 0x44);
        W[q + 4] = _mm512_shuffle_f64x2(c[q], c[q + 4], 0xEE);
    }
}

// Accelerations at the current positions into newA, eight bodies i per register with the bodies j in
// list order inside, so each lane sums its terms in the order of the named operation. r and r^3 are
// computed once per pair: block b stores r^3 of its bodies with every body j >= b in s.cube, and a later
// block reads its sources j < b from there, transposed. G m_j / r^3 is still divided per body: a shared
// reciprocal would change bits. Returns whether any pair collides: the distance r here has the same bits
// as the collision test's. One function on purpose: the block's sums stay in registers through both loops.
__attribute__((target("avx512f"))) bool accelerateAvx512(IntegratorKernel::State &s)
{
    // Raw pointers: through the vectors the compiler would reload every array after each store.
    const double *__restrict x = s.x.data(), *__restrict y = s.y.data(), *__restrict z = s.z.data();
    const double *__restrict gm = s.gm.data(), *__restrict touch = s.touch.data();
    double *__restrict cube = s.cube.data();
    const size_t n = s.n, stride = s.stride;
    __mmask8 anyHit = 0;
    for (size_t b = 0; b < n; b += Lanes) {
        const __m512d xi = _mm512_loadu_pd(&x[b]), yi = _mm512_loadu_pd(&y[b]), zi = _mm512_loadu_pd(&z[b]);
        const __mmask8 valid = static_cast<__mmask8>(n - b >= Lanes ? 0xFFu : (1u << (n - b)) - 1);
        __m512d ax = _mm512_setzero_pd(), ay = _mm512_setzero_pd(), az = _mm512_setzero_pd();
        for (size_t bp = 0; bp < b; bp += Lanes) {
            __m512d V[8], W[8];
            for (size_t m = 0; m < Lanes; ++m)
                V[m] = _mm512_loadu_pd(&cube[bp * stride + (b + m) * Lanes]);
            transpose8(V, W);
            for (size_t l = 0; l < Lanes; ++l) {
                const size_t j = bp + l;
                const __m512d k = _mm512_div_pd(_mm512_set1_pd(gm[j]), W[l]);
                ax = _mm512_sub_pd(ax, _mm512_mul_pd(_mm512_sub_pd(xi, _mm512_set1_pd(x[j])), k));
                ay = _mm512_sub_pd(ay, _mm512_mul_pd(_mm512_sub_pd(yi, _mm512_set1_pd(y[j])), k));
                az = _mm512_sub_pd(az, _mm512_mul_pd(_mm512_sub_pd(zi, _mm512_set1_pd(z[j])), k));
            }
        }
        __mmask8 hit = 0;
        double *blockCube = &cube[b * stride];
        const double *blockTouch = &touch[b * stride];
        for (size_t j = b; j < n; ++j) {
            const __m512d dx = _mm512_sub_pd(xi, _mm512_set1_pd(x[j]));
            const __m512d dy = _mm512_sub_pd(yi, _mm512_set1_pd(y[j]));
            const __m512d dz = _mm512_sub_pd(zi, _mm512_set1_pd(z[j]));
            const __m512d sq = _mm512_add_pd(_mm512_add_pd(_mm512_mul_pd(dx, dx), _mm512_mul_pd(dy, dy)),
                                             _mm512_mul_pd(dz, dz));
            const __m512d r = _mm512_sqrt_pd(sq);
            const __m512d r3 = _mm512_mul_pd(r, _mm512_mul_pd(r, r));
            _mm512_storeu_pd(&blockCube[j * Lanes], r3);
            const __m512d k = _mm512_div_pd(_mm512_set1_pd(gm[j]), r3);
            // Lane i == j keeps its sum: its term has no value (0 x infinity).
            const __mmask8 other = static_cast<__mmask8>(j - b < Lanes ? ~(1u << (j - b)) : 0xFFu);
            ax = _mm512_mask_sub_pd(ax, other, ax, _mm512_mul_pd(dx, k));
            ay = _mm512_mask_sub_pd(ay, other, ay, _mm512_mul_pd(dy, k));
            az = _mm512_mask_sub_pd(az, other, az, _mm512_mul_pd(dz, k));
            hit |= _mm512_mask_cmp_pd_mask(other & valid, r, _mm512_loadu_pd(&blockTouch[j * Lanes]), _CMP_LT_OQ);
        }
        _mm512_storeu_pd(&s.newAx[b], ax);
        _mm512_storeu_pd(&s.newAy[b], ay);
        _mm512_storeu_pd(&s.newAz[b], az);
        anyHit |= hit;
    }
    return anyHit != 0;
}

// W[l] := lane l of V[0..3].
__attribute__((target("avx2"), always_inline)) inline void transpose4(const __m256d V[4], __m256d W[4])
{
    const __m256d t0 = _mm256_unpacklo_pd(V[0], V[1]), t1 = _mm256_unpackhi_pd(V[0], V[1]);
    const __m256d t2 = _mm256_unpacklo_pd(V[2], V[3]), t3 = _mm256_unpackhi_pd(V[2], V[3]);
    W[0] = _mm256_permute2f128_pd(t0, t2, 0x20);
    W[1] = _mm256_permute2f128_pd(t1, t3, 0x20);
    W[2] = _mm256_permute2f128_pd(t0, t2, 0x31);
    W[3] = _mm256_permute2f128_pd(t1, t3, 0x31);
}

// accelerateAvx512 with four lanes. Without mask registers the term of lane i == j is cleared to +0
// instead, which leaves the sum unchanged bit for bit.
__attribute__((target("avx2"))) bool accelerateAvx2(IntegratorKernel::State &s)
{
    const double *__restrict x = s.x.data(), *__restrict y = s.y.data(), *__restrict z = s.z.data();
    const double *__restrict gm = s.gm.data(), *__restrict touch = s.touch.data();
    double *__restrict cube = s.cube.data();
    const size_t n = s.n, stride = s.stride;
    const __m256d allLanes = _mm256_castsi256_pd(_mm256_set1_epi64x(-1));
    const __m256d laneIndex = _mm256_set_pd(3, 2, 1, 0);
    __m256d anyHit = _mm256_setzero_pd();
    for (size_t b = 0; b < n; b += Avx2Lanes) {
        const __m256d xi = _mm256_loadu_pd(&x[b]), yi = _mm256_loadu_pd(&y[b]), zi = _mm256_loadu_pd(&z[b]);
        const __m256d index = _mm256_add_pd(laneIndex, _mm256_set1_pd(double(b)));
        const __m256d valid = _mm256_cmp_pd(index, _mm256_set1_pd(double(n)), _CMP_LT_OQ);
        __m256d ax = _mm256_setzero_pd(), ay = _mm256_setzero_pd(), az = _mm256_setzero_pd();
        for (size_t bp = 0; bp < b; bp += Avx2Lanes) {
            __m256d V[4], W[4];
            for (size_t m = 0; m < Avx2Lanes; ++m)
                V[m] = _mm256_loadu_pd(&cube[bp * stride + (b + m) * Avx2Lanes]);
            transpose4(V, W);
            for (size_t l = 0; l < Avx2Lanes; ++l) {
                const size_t j = bp + l;
                const __m256d k = _mm256_div_pd(_mm256_set1_pd(gm[j]), W[l]);
                ax = _mm256_sub_pd(ax, _mm256_mul_pd(_mm256_sub_pd(xi, _mm256_set1_pd(x[j])), k));
                ay = _mm256_sub_pd(ay, _mm256_mul_pd(_mm256_sub_pd(yi, _mm256_set1_pd(y[j])), k));
                az = _mm256_sub_pd(az, _mm256_mul_pd(_mm256_sub_pd(zi, _mm256_set1_pd(z[j])), k));
            }
        }
        double *blockCube = &cube[b * stride];
        const double *blockTouch = &touch[b * stride];
        for (size_t j = b; j < n; ++j) {
            const __m256d dx = _mm256_sub_pd(xi, _mm256_set1_pd(x[j]));
            const __m256d dy = _mm256_sub_pd(yi, _mm256_set1_pd(y[j]));
            const __m256d dz = _mm256_sub_pd(zi, _mm256_set1_pd(z[j]));
            const __m256d sq = _mm256_add_pd(_mm256_add_pd(_mm256_mul_pd(dx, dx), _mm256_mul_pd(dy, dy)),
                                             _mm256_mul_pd(dz, dz));
            const __m256d r = _mm256_sqrt_pd(sq);
            const __m256d r3 = _mm256_mul_pd(r, _mm256_mul_pd(r, r));
            _mm256_storeu_pd(&blockCube[j * Avx2Lanes], r3);
            const __m256d k = _mm256_div_pd(_mm256_set1_pd(gm[j]), r3);
            const __m256d other =
                j - b < Avx2Lanes ? _mm256_cmp_pd(index, _mm256_set1_pd(double(j)), _CMP_NEQ_OQ) : allLanes;
            ax = _mm256_sub_pd(ax, _mm256_and_pd(_mm256_mul_pd(dx, k), other));
            ay = _mm256_sub_pd(ay, _mm256_and_pd(_mm256_mul_pd(dy, k), other));
            az = _mm256_sub_pd(az, _mm256_and_pd(_mm256_mul_pd(dz, k), other));
            const __m256d hit = _mm256_cmp_pd(r, _mm256_loadu_pd(&blockTouch[j * Avx2Lanes]), _CMP_LT_OQ);
            anyHit = _mm256_or_pd(anyHit, _mm256_and_pd(hit, _mm256_and_pd(other, valid)));
        }
        _mm256_storeu_pd(&s.newAx[b], ax);
        _mm256_storeu_pd(&s.newAy[b], ay);
        _mm256_storeu_pd(&s.newAz[b], az);
    }
    return _mm256_movemask_pd(anyHit) != 0;
}

#pragma GCC diagnostic pop

// Up to maxSteps steps; returns the number done, the last of them colliding when collided is set.
int integrate(IntegratorKernel::State &s, double dt, int maxSteps, bool (*accelerate)(IntegratorKernel::State &),
              bool &collided)
{
    for (int step = 1; step <= maxSteps; ++step) {
        moveBodies(s, dt);
        if (accelerate(s)) {
            collided = true;
            return step;
        }
    }
    return maxSteps;
}

} // namespace

IntegratorKernel::IntegratorKernel(InstructionSet set)
    : m_set(set)
{
    if (m_set == InstructionSet::Best)
        m_set = supports(InstructionSet::Avx512) ? InstructionSet::Avx512
                : supports(InstructionSet::Avx2) ? InstructionSet::Avx2
                                                 : InstructionSet::Portable;
    else if (!supports(m_set))
        m_set = InstructionSet::Portable;
}

bool IntegratorKernel::supports(InstructionSet set)
{
    __builtin_cpu_init();
    switch (set) {
    case InstructionSet::Avx512:
        return __builtin_cpu_supports("avx512f");
    case InstructionSet::Avx2:
        return __builtin_cpu_supports("avx2");
    default:
        return true;
    }
}

size_t IntegratorKernel::lanes() const
{
    return m_set == InstructionSet::Avx2 ? Avx2Lanes : Lanes;
}

TCelObjCollection::StepsResult IntegratorKernel::run(TCelObjCollection &c, int maxSteps)
{
    TCelObjCollection::StepsResult result;
    load(c);
    const double dt = c.DeltaT;
    const auto accelerate = m_set == InstructionSet::Avx512 ? accelerateAvx512
                            : m_set == InstructionSet::Avx2 ? accelerateAvx2
                                                            : accelerateScalar;
    if (maxSteps > 0)
        result.stepsDone = integrate(m_s, dt, maxSteps, accelerate, result.collided);
    // Time advances step by step, as the named operations round it.
    for (int s = 0; s < result.stepsDone; ++s) {
        c.Time = c.Time + dt;
        c.DisplayedTime = c.OrbitsReversed ? c.DisplayedTime - dt : c.DisplayedTime + dt;
    }
    if (result.collided)
        firstCollision(result.collObj1, result.collObj2);
    store(c);
    return result;
}

void IntegratorKernel::load(const TCelObjCollection &c)
{
    m_s.n = c.AllCelObj.size();
    const size_t capacity = padded(m_s.n);
    m_s.stride = capacity;
    m_s.cube.resize(capacity * capacity);
    m_s.touch.resize(capacity * capacity);
    for (auto *v : {&m_s.x, &m_s.y, &m_s.z, &m_s.vx, &m_s.vy, &m_s.vz, &m_s.ax, &m_s.ay, &m_s.az, &m_s.newAx,
                    &m_s.newAy, &m_s.newAz, &m_s.gm, &m_s.radius})
        v->resize(capacity);
    for (size_t i = 0; i < m_s.n; ++i) {
        const TCelObj2D &b = c.AllCelObj[i];
        m_s.x[i] = b.PrevPos.X, m_s.y[i] = b.PrevPos.Y, m_s.z[i] = b.PrevPos.Z;
        m_s.vx[i] = b.v.X, m_s.vy[i] = b.v.Y, m_s.vz[i] = b.v.Z;
        m_s.ax[i] = b.a.X, m_s.ay[i] = b.a.Y, m_s.az[i] = b.a.Z;
        m_s.newAx[i] = b.Newa.X, m_s.newAy[i] = b.Newa.Y, m_s.newAz[i] = b.Newa.Z;
        m_s.gm[i] = c.G * static_cast<double>(b.Mass);
        m_s.radius[i] = b.Radius;
    }
    const size_t width = lanes();
    for (size_t b = 0; b < m_s.n; b += width)
        for (size_t j = b; j < m_s.n; ++j)
            for (size_t l = 0; l < width; ++l)
                m_s.touch[b * m_s.stride + j * width + l] = touchingDistance(m_s.radius[b + l] + m_s.radius[j]);
}

void IntegratorKernel::store(TCelObjCollection &c) const
{
    for (size_t i = 0; i < m_s.n; ++i) {
        TCelObj2D &b = c.AllCelObj[i];
        b.PrevPos = b.NewPos = {m_s.x[i], m_s.y[i], m_s.z[i]};
        b.v = {m_s.vx[i], m_s.vy[i], m_s.vz[i]};
        b.a = {m_s.ax[i], m_s.ay[i], m_s.az[i]};
        b.Newa = {m_s.newAx[i], m_s.newAy[i], m_s.newAz[i]};
    }
}

void IntegratorKernel::firstCollision(int32_t &i, int32_t &j) const
{
    for (size_t p = 0; p < m_s.n; ++p)
        for (size_t q = 0; q < m_s.n; ++q) {
            if (p == q)
                continue;
            const double dx = m_s.x[q] - m_s.x[p], dy = m_s.y[q] - m_s.y[p], dz = m_s.z[q] - m_s.z[p];
            if (BodiesCollide(std::sqrt(dx * dx + dy * dy + dz * dz), static_cast<float>(m_s.radius[p]),
                              static_cast<float>(m_s.radius[q]))) {
                i = static_cast<int32_t>(p);
                j = static_cast<int32_t>(q);
                return;
            }
        }
}
