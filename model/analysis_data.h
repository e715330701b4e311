// Optional data sets: soil movements, p-y modifiers, tip shear, slope and
// batter, p-y output depths, and the controls of the special analysis modes.
#pragma once

#include "model/capacities.h"
#include "model/indexed.h"

namespace kavro {

// Limits of the special analysis modes, checked when their control data are
// read: the stiffness matrix solves 2 load cases per step in the load-case
// table, and the buckling analysis keeps at most 20 trials.
inline constexpr int kMaxKmatrixPoints = kMaxLoadCases / 2;
inline constexpr int kMaxBucklingLoads = 20;

// One depth at which p-y curves are printed, with optional y-values (the
// reader clears them and reads only the depth).
struct PYOutputDepthRecord {
  double PYOutputDepth = 0;
  int NumYValues = 0;
  Indexed<double, kMaxPYOutputYValues> YValue;
  bool HasYValues = false;
};

struct AnalysisData {
  // Lateral soil movements (2..100 points): positions along the pile in the
  // large length unit as read (feet, converted to inches with the rest of
  // the US customary input; metres in SI), movements in the computation
  // length unit (SI input in millimetres is divided by 1000 when read).
  int NumSoilMovementPoints = 0;
  Indexed<double, kMaxSoilMovementPoints> SoilMovementX, SoilMovementValue;

  // p-y modification table (PMultiplierTable), one row per entry:
  // position along the pile (large length unit as read), p-multiplier,
  // y-multiplier. NumPYModifierRows is 1/0 after OPTIONS (UsePYModifiers)
  // and the row count after GROUPEFF.
  int NumPYModifierRows = 0;
  Indexed<double, kMaxPYModifierRows> PMultiplierX, PMultiplier, YMultiplier;

  // Tip shear resistance curve: displacement (increasing) and tip shear force.
  int NumTipShearPoints = 0;
  Indexed<double, kMaxTipShearPoints> TipShearDisplacement, TipShearForce;

  // Angles in radians after reading (input in degrees);
  // EffectiveSlopeAngle = GroundSlopeAngle - BatterAngle.
  double GroundSlopeAngle = 0;
  double BatterAngle = 0;
  double EffectiveSlopeAngle = 0;

  // Depths of printed p-y curves, ascending and without near-duplicates
  // after reading (large length unit as read).
  int NumPYOutputDepths = 0;
  Indexed<PYOutputDepthRecord, kMaxPYOutputDepths> PYOutput;

  // Pile-head stiffness matrix control.
  int KmatrixMethod = 0;          // 0 loads of case 1, 1 displacements of case 1, 2 user maxima
  int NumKmatrixPoints = 0;
  int KmatrixPointSpacing = 0;    // 0 logarithmic, 1 arithmetic
  double KmatrixMaxDeflection = 0;
  double KmatrixMaxRotation = 0;  // radians

  // Push-over control.
  int PushoverHeadFixity = 0;     // 0 free, 1 fixed, 2 free and fixed
  int PushoverPointSpacing = 0;   // 0 logarithmic, 1 arithmetic, 2 user list
  int NumPushoverPoints = 0;
  double PushoverMaxDeflection = 0;
  double PushoverMinDeflection = 0;
  Indexed<double, kMaxPushoverPoints> PushoverDeflection;
  double PushoverAxialThrust = 0;

  // Buckling control.
  int BucklingHeadFixity = 0;     // 0 shear and moment, 1 shear and slope, 2 shear and rotational stiffness
  int NumBucklingLoads = 0;
  double BucklingHeadShear = 0;
  double BucklingHeadMoment = 0;
  double BucklingHeadSlope = 0;
  double BucklingHeadRotStiffness = 0;
  double BucklingMaxCompression = 0;
};

}  // namespace kavro
