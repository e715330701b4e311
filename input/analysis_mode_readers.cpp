// Control data of the special analysis modes: FOUNDATION STIFFNESS (the
// pile-head stiffness matrix), PILE PUSHOVER ANALYSIS DATA and PILE BUCKLING
// ANALYSIS DATA. The driver calls each only when its option is on.
#include "input/input_errors.h"
#include "input/loading_lines.h"
#include "input/readers.h"
#include "model/problem_model.h"

namespace kavro::input {

void Read_Foundation_Stiffness(LineSource& src) {
  AnalysisData& d = pm.data;
  if (!read_int_line(src, d.KmatrixMethod, "pile-head stiffness computation method")) return;
  int steps = 0;
  if (!read_int_line(src, steps, "number of pile-head stiffness steps")) return;
  // Each step solves one zero-rotation and one zero-deflection load case.
  if (!count_ok(steps, kMaxKmatrixPoints, "number of pile-head stiffness steps")) return;
  d.NumKmatrixPoints = steps;
  if (!read_int_line(src, d.KmatrixPointSpacing, "pile-head stiffness step distribution")) return;
  if (d.KmatrixMethod == 2) {
    if (!read_real_line(src, d.KmatrixMaxDeflection, "maximum pile-head deflection for the stiffness matrix")) return;
    if (!read_real_line(src, d.KmatrixMaxRotation, "maximum pile-head rotation for the stiffness matrix")) return;
  }
}

void Read_Pushover_Data(LineSource& src) {
  AnalysisData& d = pm.data;
  if (!read_int_line(src, d.PushoverHeadFixity, "push-over pile-head fixity")) return;
  if (!read_int_line(src, d.PushoverPointSpacing, "push-over deflection distribution")) return;
  int points = 0;
  if (!read_int_line(src, points, "number of push-over points")) return;
  if (!count_ok(points, kMaxPushoverPoints, "number of push-over points")) return;
  // Free and fixed head run every deflection twice as a load case.
  if (d.PushoverHeadFixity == 2 &&
      !count_ok(2 * points, kMaxLoadCases, "number of push-over steps for free and fixed head (twice the points)"))
    return;
  d.NumPushoverPoints = points;
  if (d.PushoverPointSpacing == 0 || d.PushoverPointSpacing == 1) {
    if (!read_real_line(src, d.PushoverMaxDeflection, "maximum push-over deflection")) return;
    if (!read_real_line(src, d.PushoverMinDeflection, "minimum push-over deflection")) return;
  } else if (d.PushoverPointSpacing == 2) {
    for (int k = 1; k <= points; ++k)
      if (!read_real_line(src, d.PushoverDeflection[k], "push-over deflection")) return;
  }
  if (!read_real_line(src, d.PushoverAxialThrust, "push-over axial thrust")) return;
}

void Read_Buckling_Data(LineSource& src) {
  AnalysisData& d = pm.data;
  if (!read_int_line(src, d.BucklingHeadFixity, "buckling pile-head condition")) return;
  int trials = 0;
  if (!read_int_line(src, trials, "number of buckling trials")) return;
  if (!count_ok(trials, kMaxBucklingLoads, "number of buckling trials")) return;
  d.NumBucklingLoads = trials;
  if (!read_real_line(src, d.BucklingHeadShear, "buckling pile-head shear")) return;
  if (!read_real_line(src, d.BucklingHeadMoment, "buckling pile-head moment")) return;
  if (!read_real_line(src, d.BucklingHeadSlope, "buckling pile-head slope")) return;
  if (!read_real_line(src, d.BucklingHeadRotStiffness, "buckling pile-head rotational stiffness")) return;
  if (!read_real_line(src, d.BucklingMaxCompression, "maximum compression loading for buckling")) return;
}

}  // namespace kavro::input
