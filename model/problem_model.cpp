#include "model/problem_model.h"

#include <new>
#include <string_view>

namespace kavro {

ProblemModel pm;

namespace {

std::string padded(std::string_view s, std::size_t n) {
  std::string r(n, ' ');
  for (std::size_t i = 0; i < n && i < s.size(); ++i) r[i] = s[i];
  return r;
}

const char* const kSoilModelNameTable[kSoilModelNames] = {
    "SoftClay", "StfClyBW", "StfClyAW", "StfClyAK", "Sand    ", "API Sand", "Liq Sand",
    "WeakRock", "Vuggy LS", "Piedmont", "Cem Silt", "KS Loess", "Elast SG", "User p-y",
    "SoftClyJ", "MassRock", "Frz Soil", "Undefined", "Undefined", "Undefined"};

}  // namespace

void reset_problem_model() {
  pm.~ProblemModel();
  new (&pm) ProblemModel();
}

void initialise_run_state() {
  for (int k = 1; k <= kSoilModelNames; ++k) pm.SoilModelName[k] = padded(kSoilModelNameTable[k - 1], 10);
  pm.FatalErrorValue = 0;
  pm.options.PrintSummaryOnly = false;
  pm.options.LoadingIsCyclic = false;
  pm.SoftClayStartCoefficient = 0.5;
  pm.ThinLayerDepth.fill(-10000.0);
  pm.ThinLayerFlag.fill(0);
}

void set_unit_labels() {
  UnitLabels& u = pm.labels;
  struct Row { std::size_t n; const char* us; const char* si; const char* gen; std::string* dst; };
  const Row rows[] = {
      {2, "ft", "m", "L", &u.LargeLength},
      {2, "in", "mm", "L", &u.SmallLength},
      {3, "in", "m", "L", &u.ComputationLength},
      {3, "lbs", "kN", "F", &u.Force},
      {4, "psi", "kPa", "F/L2", &u.Stress},
      {4, "psf", "kPa", "F/L2", &u.SoilStress},
      {5, "lb/in", "kN/m", "F/L", &u.ForcePerLength},
      {5, "pcf", "kN/m3", "F/L3", &u.UnitWeight},
      {5, "pci", "kN/m3", "F/L3", &u.SubgradeModulus},
      {8, "in-lb", "kN-m", "F-L", &u.Moment},
  };
  const int units = pm.options.IUNITS;
  for (const Row& r : rows) {
    const char* t = units == kUnitsUS ? r.us : units == kUnitsSI ? r.si : r.gen;
    *r.dst = padded(t, r.n);
  }
}

const std::string& soil_model_name(int code) {
  static const std::string undefined = padded("Undefined", 10);
  if (code < 1 || code > kSoilModelNames) return undefined;
  return pm.SoilModelName[code];
}

void convert_us_customary() {
  if (pm.run.b_UnitsConverted) return;
  const double ft = 12.0;
  PileSections& p = pm.pile;
  SoilLayers& s = pm.soil;
  AnalysisData& d = pm.data;

  // Feet to inches.
  p.PileLength *= ft;
  s.GroundSurfaceDepth *= ft;
  for (int i = 1; i <= kMaxLayerBoundaries; ++i) {
    s.XLayerTop[i] *= ft;
    s.XLayerBottom[i] *= ft;
  }
  for (int i = 1; i <= kMaxSoilDepthPoints; ++i) {
    s.SoilDepthPoint[i] *= ft;
    s.SoilDepthPointCopy[i] *= ft;
    s.UserPYDepth[i] *= ft;
  }
  for (int i = 1; i <= kMaxSoilMovementPoints; ++i) d.SoilMovementX[i] *= ft;
  for (int i = 1; i <= kMaxSectionBoundaries; ++i) p.SectionBoundaryX[i] *= ft;
  for (int i = 1; i <= d.NumPYOutputDepths && i <= kMaxPYOutputDepths; ++i) d.PYOutput[i].PYOutputDepth *= ft;
  for (int i = 1; i <= kMaxPYModifierRows; ++i) d.PMultiplierX[i] *= ft;
  for (int n = 1; n <= kMaxSections; ++n) {
    p.Section[n].SectionLength *= ft;
    p.Section[n].SectionTopX *= ft;
    p.Section[n].SectionBottomX *= ft;
  }

  // psf to psi; rock strengths of weak rock and vuggy limestone are input in
  // psi already, so their two points are restored.
  for (int i = 1; i <= kMaxSoilDepthPoints; ++i) s.StrengthC[i] /= 144.0;
  for (int c = 1; c <= s.i_Number_of_Layers && c <= kMaxLayers; ++c) {
    const std::string& name = soil_model_name(s.i_SoilLayer_py_Type[c]);
    if (name.compare(0, 8, "WeakRock") == 0 || name.compare(0, 8, "Vuggy LS") == 0) {
      s.StrengthC[2 * c - 1] *= 144.0;
      s.StrengthC[2 * c] *= 144.0;
    }
  }

  // pcf to pci.
  for (int i = 1; i <= kMaxSoilDepthPoints; ++i) s.GammaEff[i] /= 1728.0;

  pm.run.b_UnitsConverted = true;
}

void convert_si() {
  if (pm.run.b_UnitsConverted) return;
  pm.run.b_UnitsConverted = true;
}

}  // namespace kavro
