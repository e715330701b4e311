// Optional data sets: soil movements, p-y modifiers, tip shear, slope and
// batter, p-y output depths, and the controls of the special analysis modes.
#pragma once

#include "model/capacities.h"
#include "model/indexed.h"

namespace kavro {

struct PYOutputDepthRecord {
  double PYOutputDepth = 0;
  int NumYValues = 0;
  Indexed<double, kMaxPYOutputYValues> YValue;
  bool HasYValues = false;
};

struct AnalysisData {
  // Lateral soil movements.
  int NumSoilMovementPoints = 0;
  Indexed<double, kMaxSoilMovementPoints> SoilMovementX, SoilMovementValue;

  // p-y modification factors: position, p-multiplier, y-multiplier.
  int NumPYModifierRows = 0;
  Indexed<double, kMaxPYModifierRows> PMultiplierX, PMultiplier, YMultiplier;

  // Tip shear resistance curve.
  int NumTipShearPoints = 0;
  Indexed<double, kMaxTipShearPoints> TipShearDisplacement, TipShearForce;

  // Angles in radians after reading.
  double GroundSlopeAngle = 0;
  double BatterAngle = 0;
  double EffectiveSlopeAngle = 0;

  // Depths of printed p-y curves.
  int NumPYOutputDepths = 0;
  Indexed<PYOutputDepthRecord, kMaxPYOutputDepths> PYOutput;

  // Pile-head stiffness matrix control.
  int KmatrixMethod = 0;
  int NumKmatrixPoints = 0;
  double KmatrixPointSpacing = 0;
  double KmatrixMaxDeflection = 0;
  double KmatrixMaxRotation = 0;

  // Push-over control.
  int PushoverHeadFixity = 0;
  int PushoverPointSpacing = 0;
  int NumPushoverPoints = 0;
  double PushoverMaxDeflection = 0;
  double PushoverMinDeflection = 0;
  Indexed<double, kMaxPushoverPoints> PushoverDeflection;
  double PushoverAxialThrust = 0;

  // Buckling control.
  int BucklingHeadFixity = 0;
  int NumBucklingLoads = 0;
  double BucklingHeadShear = 0;
  double BucklingHeadMoment = 0;
  double BucklingHeadSlope = 0;
  double BucklingHeadRotStiffness = 0;
  double BucklingMaxCompression = 0;
};

}  // namespace kavro
