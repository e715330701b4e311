// Fixed capacities of the problem model's tables.
#pragma once

namespace kavro {

inline constexpr int kMaxSections = 20;
inline constexpr int kMaxSectionBoundaries = 2 * kMaxSections;  // top and bottom of each section
inline constexpr int kMaxLayers = 40;
inline constexpr int kMaxSoilDepthPoints = 2 * kMaxLayers;       // top and bottom of each layer
inline constexpr int kMaxLayerBoundaries = 80;                   // XLayerTop / XLayerBottom entries
inline constexpr int kMaxLoadCases = 100;
inline constexpr int kMaxDistLoadPoints = 52;
inline constexpr int kMaxTipShearPoints = 51;
inline constexpr int kMaxPYModifierRows = 80;
inline constexpr int kMaxPYOutputDepths = 100;
inline constexpr int kMaxPYOutputYValues = 50;
inline constexpr int kMaxBars = 300;                             // bars or strands per section
inline constexpr int kMaxConcreteCurvePoints = 100;
inline constexpr int kMaxUserEICurves = 100;
inline constexpr int kMaxUserEIPoints = 150;
inline constexpr int kMaxUserPYPoints = 49;
inline constexpr int kMaxPushoverPoints = 100;
inline constexpr int kMaxSoilMovementPoints = 100;
inline constexpr int kMaxEIThrusts = 100;
inline constexpr int kMaxLRFDLoads = 100;
inline constexpr int kMaxLRFDDistPoints = 100;                  // distributed-load points per LRFD load
inline constexpr int kMaxLRFDCombinations = 100;
inline constexpr int kLRFDLoadTypes = 13;
inline constexpr int kMaxIncrements = 500;
inline constexpr int kMinIncrements = 40;
inline constexpr int kMaxMvsEIReportNames = kMaxSections * kMaxEIThrusts;
inline constexpr int kSoilModelNames = 20;
inline constexpr int kWarningCodes = 4000;
inline constexpr int kFileNameLength = 256;
inline constexpr int kTitleLines = 5;

// Unit systems and analysis types.
inline constexpr int kUnitsUS = 1;
inline constexpr int kUnitsSI = 2;
inline constexpr int kUnitsGeneric = 3;
inline constexpr int kAnalysisEIOnly = 2;
inline constexpr int kAnalysisConventional = 3;

}  // namespace kavro
