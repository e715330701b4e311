// Pile-head loading, thrusts for bending properties, and LRFD data.
#pragma once
#include <string>

#include "model/capacities.h"
#include "model/indexed.h"

namespace kavro {

struct Loading {
  int NumLoadCases = 0;
  // Pile-head load cases (1..100). ComputeYtopVsLength is false when the
  // case's last input integer is 1, true otherwise.
  Indexed<int, kMaxLoadCases> LoadType;       // 1..5
  Indexed<double, kMaxLoadCases> LoadValue1;  // V or y
  Indexed<double, kMaxLoadCases> LoadValue2;  // M, S or R
  Indexed<double, kMaxLoadCases> AxialThrust;
  Indexed<bool, kMaxLoadCases> ComputeYtopVsLength;

  // Distributed lateral load profile (position along the pile, force per
  // length); with no points, points 1 and 2 are zero.
  int NumDistLoadPoints = 0;
  Indexed<double, kMaxDistLoadPoints> DistLoadX, DistLoadIntensity;

  // The AXIAL THRUST LOADS section as read (count and ascending thrusts),
  // kept apart from NumLoadCases and AxialThrust, which it shares with
  // LOADING: with ComputeInteraction the bending properties are computed at
  // these thrusts whatever a later LOADING section holds.
  int NumInputThrusts = 0;
  Indexed<double, kMaxLoadCases> InputThrust;

  // Distinct ascending thrust values for the bending-property computation
  // (kips for US customary input, the input force unit otherwise).
  int NumEIThrusts = 0;
  Indexed<double, kMaxEIThrusts> EIThrustList;
};

// LRFD load types (LRFDLoadType and the second index of LRFDFactor):
// 1 DL, 2 LL, 3 EQ, 4 IM, 5 W, 6 HW, 7 Ice, 8 Hs, 9 Lr, 10 rain, 11 snow,
// 12 Tm, 13 Sp.
struct LRFDData {
  // Unfactored loads (1..100), each with 0 or 2..100 distributed-load points.
  int NumLRFDLoads = 0;
  Indexed<int, kMaxLRFDLoads> LRFDLoadType;  // 1..13
  Indexed<double, kMaxLRFDLoads> LRFDShear, LRFDMoment, LRFDAxial;
  Indexed<int, kMaxLRFDLoads> NumLRFDDistPoints;
  Indexed2<double, kMaxLRFDLoads, kMaxLRFDDistPoints> LRFDDistX, LRFDDistLoad;

  // Load combinations (1..100): 13 load factors by load type, resistance
  // factors for moment and shear (0.75 when input as 0 or less), and a
  // 256-character name.
  int NumLRFDCombinations = 0;
  Indexed2<double, kMaxLRFDCombinations, kLRFDLoadTypes> LRFDFactor;
  Indexed<double, kMaxLRFDCombinations> LRFDResistanceFactorM, LRFDResistanceFactorV;
  Indexed<std::string, kMaxLRFDCombinations> LRFDCombinationName;
};

}  // namespace kavro
