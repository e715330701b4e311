// One analysis sweep of the p-y curve set over the largest pile (500
// increments, 501 nodes) in a four-layer soft clay profile: every node's
// secant modulus at its current deflection, with the equivalent depths of
// the three lower layers. Also counts heap allocations during the sweeps.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <new>

#include "analysis/nodes.h"
#include "model/problem_model.h"
#include "soil/py_curve_set.h"
#include "soil/soil_profile.h"

namespace {
std::atomic<long> g_allocations{0};
}  // namespace

// Counting replacements of the global allocation functions (kept out of
// line so that the compiler pairs them only with each other).
[[gnu::noinline]] void* operator new(std::size_t n) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using namespace kavro;

void four_layer_soft_clay() {
  reset_problem_model();
  initialise_run_state();
  pm.options.IUNITS = kUnitsUS;
  set_unit_labels();
  pm.options.NumIncrements = 500;

  PileSections& p = pm.pile;
  p.NumSections = 1;
  p.NumSectionBoundaries = 2;
  p.PileLength = 720;
  p.Section[1].SectionType = 1;
  p.Section[1].SectionTopX = 0;
  p.Section[1].SectionBottomX = 720;
  p.SectionBoundaryX[1] = 0;
  p.SectionBoundaryX[2] = 720;
  for (int k = 1; k <= 2; ++k) {
    p.PropertyPoint[k].Width = 24;
    p.PropertyPoint[k].MomentOfInertia = 16286;
    p.PropertyPoint[k].Modulus = 29e6;
  }

  // Layer tops, bottoms, strengths (psi) and unit weights (pci).
  const double top[] = {0, 120, 264, 450}, bottom[] = {120, 264, 450, 720};
  const double c_top[] = {2.0, 3.5, 5.0, 6.5}, c_bottom[] = {3.0, 4.5, 6.0, 8.0};
  const double gamma[] = {0.036, 0.030, 0.032, 0.034};
  SoilLayers& s = pm.soil;
  s.i_Number_of_Layers = 4;
  s.NumSoilDepthPoints = 8;
  for (int c = 1; c <= 4; ++c) {
    s.i_SoilLayer_py_Type[c] = 1;  // "SoftClay"
    s.XLayerTop[c] = top[c - 1];
    s.XLayerBottom[c] = bottom[c - 1];
    for (int i : {2 * c - 1, 2 * c}) {
      s.SoilDepthPoint[i] = s.SoilDepthPointCopy[i] = i % 2 ? top[c - 1] : bottom[c - 1];
      s.StrengthC[i] = i % 2 ? c_top[c - 1] : c_bottom[c - 1];
      s.GammaEff[i] = gamma[c - 1];
      s.Eps50[i] = c == 1 ? 0.0 : 0.01;  // layer 1 takes the default strain
    }
  }
  s.XLayerTop[5] = s.XLayerBottom[4];
  s.GroundSurfaceDepth = 0;

  Build_Node_Table(p.PileLength);
  Assign_Nodes_To_Layers(nodes.NumNodes);
  Set_Starting_Soil_Moduli();
  Compute_PY_Curves(true);
  // A deflected shape like a laterally loaded free-head pile.
  for (int m = 1; m <= nodes.NumNodes; ++m) {
    const double x = nodes.x[m] / 150.0;
    nodes.y[m] = 1.5 * std::exp(-x) * std::cos(x);
  }
}

void BM_PYSweep501Nodes(benchmark::State& state) {
  four_layer_soft_clay();
  if (pm.FatalErrorValue != 0) {
    state.SkipWithError("the profile did not set up cleanly");
    return;
  }
  const long before = g_allocations.load();
  long sweeps = 0;
  for (auto _ : state) {
    Compute_PY_Curves(false);
    benchmark::DoNotOptimize(nodes.SoilModulusEs[250]);
    ++sweeps;
  }
  const long allocations = g_allocations.load() - before;
  state.counters["nodes"] = nodes.NumNodes;
  state.counters["allocs_per_sweep"] = sweeps ? double(allocations) / double(sweeps) : 0.0;
  if (pm.FatalErrorValue != 0) state.SkipWithError("a sweep stopped the run");
}
BENCHMARK(BM_PYSweep501Nodes)->Unit(benchmark::kMicrosecond);

}  // namespace
