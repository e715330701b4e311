// Run options: filled by the OPTIONS section of the input file.
#pragma once

namespace kavro {

struct RunOptions {
  int IUNITS = 0;                  // 1 US customary, 2 SI, 3 generic
  bool UseLRFD = false;
  bool ComputeKmatrix = false;
  bool UseTipShear = false;
  bool UseSoilMovement = false;
  bool UsePYModifiers = false;
  int i_Analysis_Type = 0;         // 2 bending properties only, 3 conventional
  bool LoadingIsCyclic = false;
  double NumberOfCycles = 0.0;
  int MaxIterations = 0;           // 30..1000
  double MaxDeflection = 0.0;      // excess-deflection limit, computation length
  double ConvergenceTolerance = 0.0;
  int NumIncrements = 0;           // 40..500
  bool PrintSummaryOnly = false;
  int PrintIncrement = 0;
  bool PrintPYCurves = false;
  int PrintPYCurvesInt = 0;        // integer twin of PrintPYCurves (1/0)
  bool ComputeInteraction = false;
  int InteractionCode = 0;         // 1 AASHTO, 2 ACI318, 3 Eurocode2
  bool ComputePushover = false;
  bool ComputePileBuckling = false;
};

}  // namespace kavro
