// Loading and analysis-option sections of the input file: pile-head load
// cases and distributed loads, axial thrusts for bending-property runs, the
// tip shear curve, batter and slope, p-y modification factors, soil
// movements, the depths of printed p-y curves, and the thrust list prepared
// at the end of the input.
#include <cmath>
#include <utility>

#include "engine/errors.h"
#include "engine/output_unit.h"
#include "input/input_errors.h"
#include "input/loading_lines.h"
#include "input/readers.h"
#include "model/problem_model.h"
#include "report/fortran_format.h"

namespace kavro::input {

void Read_Loading(LineSource& src) {
  runtime_unit().put("Reading pile head loading data");
  Loading& L = pm.loads;

  int count = 0;
  if (!read_int_line(src, count, "number of pile-head load cases")) return;
  if (!count_ok(count, kMaxLoadCases, "number of pile-head load cases")) return;
  L.NumLoadCases = count;
  for (int i = 1; i <= count; ++i) {
    int n = 0, c = 0;
    if (!read_ok(ListRead(src)
                     .integer(n)
                     .integer(L.LoadType[i])
                     .real(L.LoadValue1[i])
                     .real(L.LoadValue2[i])
                     .real(L.AxialThrust[i])
                     .integer(c)
                     .run(),
                 "pile-head load case line"))
      return;
    // Deflection versus pile length is computed unless the flag is 1.
    L.ComputeYtopVsLength[i] = c != 1;
  }

  int points = 0;
  if (!read_int_line(src, points, "number of distributed lateral load points")) return;
  if (!within_capacity(points, kMaxDistLoadPoints, "number of distributed lateral load points")) return;
  L.NumDistLoadPoints = points;
  if (points < 1) {
    L.DistLoadX[1] = L.DistLoadIntensity[1] = 0.0;
    L.DistLoadX[2] = L.DistLoadIntensity[2] = 0.0;
    return;
  }
  for (int k = 1; k <= points; ++k) {
    int n = 0;
    if (!read_ok(ListRead(src).integer(n).real(L.DistLoadX[k]).real(L.DistLoadIntensity[k]).run(),
                 "distributed lateral load point"))
      return;
  }
}

void Read_Axial_Thrust_Loads(LineSource& src) {
  Loading& L = pm.loads;
  L.EIThrustList.fill(0.0);

  int count = 0;
  if (!read_int_line(src, count, "number of axial thrust loads")) return;
  if (!within_capacity(count, kMaxLoadCases, "number of axial thrust loads")) return;
  if (count < 1) {
    L.NumLoadCases = 1;
  } else {
    L.NumLoadCases = count;
    runtime_unit().put("Reading axial thrust force data for EI-only computations");
    for (int i = 1; i <= count; ++i) {
      int n = 0;
      if (!read_ok(ListRead(src).integer(n).real(L.AxialThrust[i]).run(), "axial thrust load line")) return;
    }
    exchange_sort(
        count, [&](int i, int j) { return L.AxialThrust[i] > L.AxialThrust[j]; },
        [&](int i, int j) { std::swap(L.AxialThrust[i], L.AxialThrust[j]); });
  }
  // The section's own copy, for the thrust list of an interaction run.
  L.NumInputThrusts = L.NumLoadCases;
  for (int i = 1; i <= L.NumLoadCases; ++i) L.InputThrust[i] = L.AxialThrust[i];
}

void Read_Tip_Shear(LineSource& src) {
  AnalysisData& d = pm.data;
  int count = 0;
  if (!read_int_line(src, count, "number of tip shear points")) return;
  if (!within_capacity(count, kMaxTipShearPoints, "number of tip shear points")) return;
  d.NumTipShearPoints = count;
  if (count < 1) return;
  runtime_unit().put("Reading tip shear data");
  for (int k = 1; k <= count; ++k) {
    int n = 0;
    if (!read_ok(ListRead(src).integer(n).real(d.TipShearDisplacement[k]).real(d.TipShearForce[k]).run(),
                 "tip shear point"))
      return;
  }
}

void Read_Batter_And_Slope(LineSource& src) {
  runtime_unit().put("Reading pile batter and ground slope angles");
  AnalysisData& d = pm.data;
  double slope = d.GroundSlopeAngle, batter = d.BatterAngle;
  if (!read_real_line(src, slope, "ground slope angle")) return;
  if (!read_real_line(src, batter, "pile batter angle")) return;
  constexpr double kPi = 3.141592653589793;
  d.GroundSlopeAngle = slope * kPi / 180.0;
  d.BatterAngle = batter * kPi / 180.0;
  d.EffectiveSlopeAngle = d.GroundSlopeAngle - d.BatterAngle;
}

void Read_PY_Modifiers(LineSource& src) {
  AnalysisData& d = pm.data;
  int count = 0;
  if (!read_int_line(src, count, "number of p-y modifier rows")) return;
  if (!within_capacity(count, kMaxPYModifierRows, "number of p-y modifier rows")) return;
  d.NumPYModifierRows = count;
  if (count < 1) return;
  runtime_unit().put("Reading p-y multiplier data");
  for (int r = 1; r <= count; ++r) {
    int n = 0;
    if (!read_ok(ListRead(src).integer(n).real(d.PMultiplierX[r]).real(d.PMultiplier[r]).real(d.YMultiplier[r]).run(),
                 "p-y modifier row"))
      return;
  }
}

void Read_Soil_Movements(LineSource& src) {
  runtime_unit().put("Reading soil movement data");
  AnalysisData& d = pm.data;
  int count = 0;
  if (!read_int_line(src, count, "number of soil movement points")) return;
  if (count < 2 || count > kMaxSoilMovementPoints) {
    for (OutputUnit* u : {&runtime_unit(), &report_unit()}) {
      u->put("**** Input Data Error No. 53 ****");
      u->blank();
      u->line().text("Number of lines specified for soil movement data = ").i0(count).end();
      u->put("The number of lines of soil movement data cannot be less than 2 or exceed 100.");
      u->blank();
    }
    stop_input_error(53);
    return;
  }
  d.NumSoilMovementPoints = count;
  // Positions stay in the large length unit; SI movements are input in mm.
  const bool si = pm.options.IUNITS == kUnitsSI;
  for (int k = 1; k <= count; ++k) {
    int n = 0;
    if (!read_ok(ListRead(src).integer(n).real(d.SoilMovementX[k]).real(d.SoilMovementValue[k]).run(),
                 "soil movement point"))
      return;
    if (si) d.SoilMovementValue[k] /= 1000.0;
  }
}

void Read_PY_Output_Depths(LineSource& src) {
  AnalysisData& d = pm.data;
  for (PYOutputDepthRecord& r : d.PYOutput) {
    r.YValue.fill(0.0);
    r.NumYValues = 0;
    r.HasYValues = false;
  }

  if (pm.options.PrintPYCurves) {
    runtime_unit().put("Reading p-y output depths and optional y-values data");
    int count = 0;
    if (!read_int_line(src, count, "number of p-y output depths")) return;
    if (!count_ok(count, kMaxPYOutputDepths, "number of p-y output depths")) return;
    d.NumPYOutputDepths = count;
    for (int k = 1; k <= count; ++k) {
      int n = 0;
      if (!read_ok(ListRead(src).integer(n).real(d.PYOutput[k].PYOutputDepth).run(), "p-y output depth")) return;
      d.PYOutput[k].HasYValues = false;
    }
  }

  // Ascending depths; a count left by an earlier run was checked when read.
  int& count = d.NumPYOutputDepths;
  if (count > kMaxPYOutputDepths) count = kMaxPYOutputDepths;
  exchange_sort(
      count, [&](int i, int j) { return d.PYOutput[i].PYOutputDepth > d.PYOutput[j].PYOutputDepth; },
      [&](int i, int j) { std::swap(d.PYOutput[i], d.PYOutput[j]); });

  // Depths closer than 1e-6 count as one; the first of them stays.
  int i = 1;
  while (i < count) {
    if (std::fabs(d.PYOutput[i].PYOutputDepth - d.PYOutput[i + 1].PYOutputDepth) < 1e-6) {
      for (int k = i + 1; k < count; ++k) d.PYOutput[k].PYOutputDepth = d.PYOutput[k + 1].PYOutputDepth;
      --count;
    } else {
      ++i;
    }
  }
}

void Prepare_Thrust_List() {
  if (pm.pile.NumSections == 0) return;
  Loading& L = pm.loads;

  // Sources: with ComputeInteraction the thrusts of the AXIAL THRUST LOADS
  // section (leaving the list alone there would compute no curves at all),
  // else the axial forces of the unfactored LRFD loads or of the load cases.
  const bool input = pm.options.ComputeInteraction;
  const bool lrfd = !input && pm.options.UseLRFD;
  const int count = input ? L.NumInputThrusts : lrfd ? pm.lrfd.NumLRFDLoads : L.NumLoadCases;
  if (!count_ok(count, kMaxEIThrusts, "number of axial thrust values for the bending properties")) return;
  L.EIThrustList.fill(0.0);
  // US customary thrusts are listed in kips.
  const bool kips = pm.options.IUNITS == kUnitsUS;
  for (int i = 1; i <= count; ++i) {
    const double p = input ? L.InputThrust[i] : lrfd ? pm.lrfd.LRFDAxial[i] : L.AxialThrust[i];
    L.EIThrustList[i] = kips ? p / 1000.0 : p;
  }
  exchange_sort(
      count, [&](int i, int j) { return L.EIThrustList[i] > L.EIThrustList[j]; },
      [&](int i, int j) { std::swap(L.EIThrustList[i], L.EIThrustList[j]); });

  // Keep each distinct value once.
  int kept = 0;
  for (int i = 1; i <= count; ++i) {
    const double p = L.EIThrustList[i];
    if (kept == 0 || p != L.EIThrustList[kept]) L.EIThrustList[++kept] = p;
  }
  for (int i = kept + 1; i <= count; ++i) L.EIThrustList[i] = 0.0;
  L.NumEIThrusts = kept;
}

}  // namespace kavro::input
