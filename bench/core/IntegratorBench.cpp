#include "core/IntegratorKernel.h"
#include "core/TCelObjCollection.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <string>

namespace {

// A star of one solar mass with n - 1 light planets on circular orbits 0.4 AU apart, each a quarter
// turn further round than the one inside it: stable for far longer than a benchmark runs, no collision.
std::unique_ptr<TCelObjCollection> makeSystem(int n)
{
    auto c = std::make_unique<TCelObjCollection>();
    const double starMass = 2e30, au = 1.496e11;
    c->AddCelObjToCollection({"Star", "2e30", "700000", "0", "0", "0", "0", "0", "0", "1"}, NumberLocale::point());
    for (int k = 1; k < n; ++k) {
        const double r = 0.4 * au * (k + 1), angle = 1.5707963 * k;
        const double speed = std::sqrt(c->G * starMass / r);
        const auto text = [](double x) { return std::to_string(x); };
        c->AddCelObjToCollection({"P" + std::to_string(k), "1e24", "6000", text(r * std::cos(angle) / 1000),
                                  text(r * std::sin(angle) / 1000), "0", text(-speed * std::sin(angle)),
                                  text(speed * std::cos(angle)), "0", "1"},
                                 NumberLocale::point());
    }
    // A thousandth of a day per step: a tick then covers 1.5 days of the inner planet's 92-day year.
    c->DeltaT = 86.4;
    c->Initialize(800, 600);
    return c;
}

void setCounters(benchmark::State &state, int n)
{
    const double pairTerms = double(n) * (n - 1) * TCelObjCollection::StepsPerTick;
    state.counters["pair"] =
        benchmark::Counter(pairTerms, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// One timer tick of the program: 1500 steps with the collision test after each.
void BM_RunSteps(benchmark::State &state)
{
    const int n = static_cast<int>(state.range(0));
    auto c = makeSystem(n);
    for (auto _ : state) {
        const auto result = c->RunSteps(TCelObjCollection::StepsPerTick);
        if (result.collided)
            state.SkipWithError("the bodies collided");
        benchmark::DoNotOptimize(c->AllCelObj.data());
    }
    setCounters(state, n);
}

// The tick on one instruction set, the one RunSteps picks or a narrower one.
template <IntegratorKernel::InstructionSet Set>
void BM_Kernel(benchmark::State &state)
{
    if (!IntegratorKernel::supports(Set)) {
        state.SkipWithError("not supported by this processor");
        return;
    }
    const int n = static_cast<int>(state.range(0));
    auto c = makeSystem(n);
    IntegratorKernel kernel(Set);
    for (auto _ : state) {
        if (kernel.run(*c, TCelObjCollection::StepsPerTick).collided)
            state.SkipWithError("the bodies collided");
        benchmark::DoNotOptimize(c->AllCelObj.data());
    }
    setCounters(state, n);
}

// The same tick through the named step operations, for comparison.
void BM_NamedOperations(benchmark::State &state)
{
    const int n = static_cast<int>(state.range(0));
    auto c = makeSystem(n);
    for (auto _ : state) {
        for (int s = 0; s < TCelObjCollection::StepsPerTick; ++s) {
            c->UpdateVelocities();
            c->UpdatePositions();
            c->UpdateAccelerations();
            int32_t i = -1, j = -1;
            if (c->CheckForCollision(i, j)) {
                state.SkipWithError("the bodies collided");
                break;
            }
        }
        benchmark::DoNotOptimize(c->AllCelObj.data());
    }
    setCounters(state, n);
}

} // namespace

BENCHMARK(BM_RunSteps)->Arg(2)->Arg(10)->Arg(30)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Kernel, IntegratorKernel::InstructionSet::Avx2)->Arg(2)->Arg(10)->Arg(30)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Kernel, IntegratorKernel::InstructionSet::Portable)->Arg(2)->Arg(10)->Arg(30)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NamedOperations)->Arg(2)->Arg(10)->Arg(30)->Arg(100)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
