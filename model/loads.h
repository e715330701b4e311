// Pile-head loading, thrusts for bending properties, and LRFD data.
#pragma once
#include <string>

#include "model/capacities.h"
#include "model/indexed.h"

namespace kavro {

struct Loading {
  int NumLoadCases = 0;
  Indexed<int, kMaxLoadCases> LoadType;       // 1..5
  Indexed<double, kMaxLoadCases> LoadValue1;  // V or y
  Indexed<double, kMaxLoadCases> LoadValue2;  // M, S or R
  Indexed<double, kMaxLoadCases> AxialThrust;
  Indexed<bool, kMaxLoadCases> ComputeYtopVsLength;

  // Distributed lateral load profile.
  int NumDistLoadPoints = 0;
  Indexed<double, kMaxDistLoadPoints> DistLoadX, DistLoadIntensity;

  // Distinct ascending thrust values for the bending-property computation
  // (kips for US customary input, the input force unit otherwise).
  int NumEIThrusts = 0;
  Indexed<double, kMaxEIThrusts> EIThrustList;
};

struct LRFDData {
  int NumLRFDLoads = 0;
  Indexed<int, kMaxLRFDLoads> LRFDLoadType;  // 1..13
  Indexed<double, kMaxLRFDLoads> LRFDShear, LRFDMoment, LRFDAxial;
  Indexed<int, kMaxLRFDLoads> NumLRFDDistPoints;
  Indexed2<double, kMaxLRFDLoads, kMaxLRFDDistPoints> LRFDDistX, LRFDDistLoad;

  int NumLRFDCombinations = 0;
  Indexed2<double, kMaxLRFDCombinations, kLRFDLoadTypes> LRFDFactor;
  Indexed<double, kMaxLRFDCombinations> LRFDResistanceFactorM, LRFDResistanceFactorV;
  Indexed<std::string, kMaxLRFDCombinations> LRFDCombinationName;
};

}  // namespace kavro
