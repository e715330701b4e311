// Moment-curvature benchmarks: one complete curve (up to 150 points) of a
// 36-in drilled shaft with 12 bars, with the neutral-axis iterations per
// point and the heap allocations made inside the curvature loop as counters.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <new>

#include "engine/output_unit.h"
#include "model/problem_model.h"
#include "section/axial_capacity.h"
#include "section/bar_generator.h"
#include "section/moment_curvature.h"
#include "section/section_driver.h"
#include "section/section_forces.h"
#include "section/working_section.h"

// Counts every heap allocation of the process. (The replacement pair uses
// malloc and free throughout; GCC cannot see that and warns.)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
static long g_allocations = 0;
void* operator new(std::size_t n) {
  ++g_allocations;
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using namespace kavro;

// 36-in shaft, 12 #9 bars on a circle with 3 in of cover, f'c 4000 psi,
// Grade 60 steel, US customary units.
void build_shaft() {
  pm.options.IUNITS = kUnitsUS;
  pm.options.i_Analysis_Type = kAnalysisEIOnly;
  PileSection& s = pm.pile.Section[1];
  s = PileSection{};
  s.SectionType = 1;
  s.SectionDiameter = 36;
  s.ConcreteStrength = 4000;
  s.RebarYieldStress = 60000;
  s.RebarModulus = 29e6;
  s.b_CircularRebar = true;
  s.NumBars = 12;
  s.BarsPerBundle = 1;
  s.CageBarDiameter = 1.128;
  s.CageBarArea = 1.0;
  s.ConcreteCover = 3;
  for (int i = 1; i <= 12; ++i) {
    s.BarDiameter[i] = 1.128;
    s.BarArea[i] = 1.0;
  }
  Place_Circular_Rebar(s);
  Set_Section_Unit_Labels();
  report_unit().open("/dev/null");
  plot_unit().open("/dev/null");
  Setup_Working_Section(1);
  Compute_Axial_Structural_Capacity();
  Compute_Axial_Tension_Capacity();
  Initialize_EI_Vars();
}

// One curve of thrust P as the moment-curvature computation runs it.
void one_curve(double P, double dphi) {
  mc.Thrust[1] = P;
  ws.b_Cracked = ws.b_Yielded = ws.b_NegativeMoment = ws.b_TensionCracked = false;
  sf.CarriedC = ws.D / 2;
  Set_Curvature_Schedule(1, dphi);
  Compute_Curve(1);
  Compute_Nominal_Moment(1);
}

void BM_DrilledShaftCurve(benchmark::State& state) {
  build_shaft();
  const double P = double(state.range(0));
  const double dphi = fn_First_Curvature_Increment(1);
  long points = 0, curves = 0, allocations = 0;
  const long it0 = sf.Iterations, s0 = sf.Searches;
  for (auto _ : state) {
    const long a0 = g_allocations;
    one_curve(P, dphi);
    allocations += g_allocations - a0;
    points += mc.NumPoints[1];
    ++curves;
    benchmark::ClobberMemory();
  }
  state.counters["points"] = double(points) / double(curves);
  state.counters["iters_per_point"] = double(sf.Iterations - it0) / double(sf.Searches - s0);
  state.counters["allocs_per_curve"] = double(allocations) / double(curves);
  state.counters["Mn_in_kip"] = benchmark::Counter(mc.Mn[1]);
}
BENCHMARK(BM_DrilledShaftCurve)->Arg(0)->Arg(500)->Arg(-300)->Unit(benchmark::kMicrosecond);

// The whole analysis of the section for three thrusts, report and plot
// records included (written to /dev/null).
void BM_DrilledShaftSectionAnalysis(benchmark::State& state) {
  build_shaft();
  pm.loads.NumEIThrusts = 3;
  pm.loads.EIThrustList[1] = -300;
  pm.loads.EIThrustList[2] = 0;
  pm.loads.EIThrustList[3] = 500;
  for (auto _ : state) {
    Compute_Moment_Curvature(1);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DrilledShaftSectionAnalysis)->Unit(benchmark::kMicrosecond);

}  // namespace
