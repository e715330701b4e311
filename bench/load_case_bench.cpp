// The conventional analysis of an elastic 24-in steel pipe pile, 60 ft long,
// in three soft clay layers, at 500 increments, with 10 load cases:
//   - one iteration of a load case (solve, p-y sweep, bending-stiffness update);
//   - a whole load case (preparation and iteration to convergence), with the
//     heap allocations counted inside the iteration;
//   - a whole KGO call with its report, plot and message files.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <string>

#include "analysis/bending_stiffness.h"
#include "analysis/load_cases.h"
#include "analysis/nodes.h"
#include "engine/kgo.h"
#include "engine/output_unit.h"
#include "model/problem_model.h"
#include "soil/py_curve_set.h"

namespace {
std::atomic<long> g_allocations{0};
}  // namespace

[[gnu::noinline]] void* operator new(std::size_t n) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using namespace kavro;

const char* kDeck = R"(KAVROP7
TITLE
Benchmark: elastic steel pipe, 24 in x 0.5 in, 60 ft, three soft clay layers, 10 load cases




OPTIONS
Units USCS
UseLRFD NO
ComputeKmatrix NO
UseTipShear NO
UseSoilMovement NO
UsePYModifiers NO
ComputeEIOnly NO
Loading STATIC     1
MaxIter 200
MaxDefl 100.0
Tolerance 1.0E-5
Increments 500
PrintSummaryOnly NO
PrintIncr 10
PrintPYCurves NO
ComputeInteraction NO
ComputePushover NO
ComputePileBuckling NO
SECTIONS
1
1
11
60.0
3
29000000.0
24.0
24.0
0.5
0.5
36.914
36.914
2549.35
2549.35
SOIL LAYERS
3
1 0.0 15.0
 50.0 300.0 0.020
 52.0 500.0 0.020
1 15.0 35.0
 54.0 600.0 0.010
 56.0 900.0 0.010
1 35.0 70.0
 58.0 1000.0 0.005
 60.0 1200.0 0.005
LOADING
10
1 1 5000.0 0.0 0.0 1
2 1 10000.0 0.0 0.0 1
3 1 15000.0 100000.0 0.0 1
4 1 20000.0 0.0 50000.0 1
5 2 10000.0 0.0 0.0 1
6 2 20000.0 0.0 0.0 1
7 3 15000.0 5.0E9 0.0 1
8 4 0.5 0.0 0.0 1
9 5 0.5 0.0 0.0 1
10 1 30000.0 0.0 0.0 1
0
END
)";

// A private working directory with the deck and NAMES.DAT.
struct RunDirectory {
  std::filesystem::path dir;
  RunDirectory() {
    char tmpl[] = "/tmp/kavro-bench-XXXXXX";
    dir = mkdtemp(tmpl);
    std::ofstream(dir / "input.dat") << kDeck;
    std::ofstream(dir / "NAMES.DAT") << "input.dat\nreport.txt\nplot.txt\nmessages.txt\n";
    std::filesystem::current_path(dir);
  }
  ~RunDirectory() { std::filesystem::remove_all(dir); }
};

RunDirectory& run_directory() {
  static RunDirectory d;
  return d;
}

// Runs the deck once, then leaves the model and the node table of case 10
// prepared for a new solution series, with the output units open on the
// null device.
void prepared_case(int k) {
  run_directory();
  if (KGO(7003) != 0 && pm.FatalErrorValue > 0) std::fprintf(stderr, "benchmark deck failed: %d\n", pm.FatalErrorValue);
  report_unit().open("/dev/null");
  plot_unit().open("/dev/null");
  runtime_unit().open("/dev/null");
  Prepare_Solution(pm.pile.PileLength);
  (void)k;
}

void BM_Iteration(benchmark::State& state) {
  prepared_case(10);
  const HeadCondition hc = Load_Case_Head_Condition(10);
  const BeamColumnProblem p = Node_Table_Problem(hc);
  Initialize_Bending_Stiffness(p);
  int it = 0;
  const long before = g_allocations.load();
  for (auto _ : state) {
    Solve_Beam_Column(p, ++it, fd);
    Compute_PY_Curves(false);
    Update_Bending_Stiffness(p);
    benchmark::DoNotOptimize(nodes.y[1]);
  }
  state.counters["allocations"] = double(g_allocations.load() - before);
  state.counters["nodes"] = nodes.NumNodes;
}
BENCHMARK(BM_Iteration)->Unit(benchmark::kMicrosecond);

// The parts of an iteration on their own.
void BM_Solve(benchmark::State& state) {
  prepared_case(10);
  const BeamColumnProblem p = Node_Table_Problem(Load_Case_Head_Condition(10));
  int it = 0;
  for (auto _ : state) {
    Solve_Beam_Column(p, ++it, fd);
    benchmark::DoNotOptimize(nodes.y[1]);
  }
}
BENCHMARK(BM_Solve)->Unit(benchmark::kMicrosecond);

void BM_PYSweep(benchmark::State& state) {
  prepared_case(10);
  const BeamColumnProblem p = Node_Table_Problem(Load_Case_Head_Condition(10));
  Solve_Beam_Column(p, 1, fd);
  for (auto _ : state) {
    Compute_PY_Curves(false);
    benchmark::DoNotOptimize(nodes.SoilModulusEs[2]);
  }
}
BENCHMARK(BM_PYSweep)->Unit(benchmark::kMicrosecond);

void BM_StiffnessUpdate(benchmark::State& state) {
  prepared_case(10);
  const BeamColumnProblem p = Node_Table_Problem(Load_Case_Head_Condition(10));
  Initialize_Bending_Stiffness(p);
  for (auto _ : state) {
    Update_Bending_Stiffness(p);
    benchmark::DoNotOptimize(nodes.EI[2]);
  }
}
BENCHMARK(BM_StiffnessUpdate)->Unit(benchmark::kMicrosecond);

void BM_LoadCase(benchmark::State& state) {
  prepared_case(10);
  long allocations = 0, iterations = 0;
  for (auto _ : state) {
    Prepare_Solution(pm.pile.PileLength);
    const long before = g_allocations.load();
    const IterationResult r = Iterate_Solution(Load_Case_Head_Condition(10), {10, true});
    allocations += g_allocations.load() - before;
    iterations += r.iterations;
  }
  state.counters["iterations"] = double(iterations) / double(state.iterations());
  state.counters["allocs_in_loop"] = double(allocations);
}
BENCHMARK(BM_LoadCase)->Unit(benchmark::kMicrosecond);

void BM_KGO(benchmark::State& state) {
  run_directory();
  int status = 0;
  for (auto _ : state) status = KGO(7003);
  state.counters["status"] = status;
  state.counters["report_bytes"] = double(std::filesystem::file_size(run_directory().dir / "report.txt"));
  state.counters["plot_bytes"] = double(std::filesystem::file_size(run_directory().dir / "plot.txt"));
}
BENCHMARK(BM_KGO)->Unit(benchmark::kMillisecond);

}  // namespace
