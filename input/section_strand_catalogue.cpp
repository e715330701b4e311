#include "input/section_strand_catalogue.h"

#include "model/problem_model.h"

namespace kavro::input {
namespace {

// Nominal diameter (in) and area (in2); the catalogue holds single-precision
// values, which are widened to double when stored.
struct StrandSize {
  bool listed;
  float diameter;
  float area;
};

constexpr int kSizeCodes = 8;  // 0..7
constexpr StrandSize kNone{false, 0.0f, 0.0f};

constexpr StrandSize kSizes[6][kSizeCodes] = {
    // 0: PCI 250
    {{true, 0.34f, 0.058f}, {true, 0.25f, 0.036f}, {true, 0.3125f, 0.058f}, {true, 0.375f, 0.08f},
     {true, 0.4375f, 0.108f}, {true, 0.5f, 0.144f}, {true, 0.6f, 0.216f}, kNone},
    // 1: PCI 270
    {{true, 0.34f, 0.058f}, {true, 0.375f, 0.085f}, {true, 0.4375f, 0.115f}, {true, 0.5f, 0.153f},
     {true, 0.5f, 0.167f}, {true, 0.5625f, 0.192f}, {true, 0.6f, 0.217f}, {true, 0.7f, 0.294f}},
    // 2: PCI 300
    {{true, 0.375f, 0.085f}, {true, 0.438f, 0.115f}, {true, 0.5f, 0.153f}, {true, 0.5f, 0.167f},
     {true, 0.6f, 0.217f}, kNone, kNone, kNone},
    // 3: smooth 145 ksi bars
    {{true, 0.75f, 0.442f}, {true, 0.875f, 0.601f}, {true, 1.0f, 0.785f}, {true, 1.125f, 0.994f},
     {true, 1.25f, 1.227f}, {true, 1.375f, 1.485f}, kNone, kNone},
    // 4: smooth 160 ksi bars
    {{true, 0.75f, 0.442f}, {true, 0.875f, 0.601f}, {true, 1.0f, 0.785f}, {true, 1.125f, 0.994f},
     {true, 1.25f, 1.227f}, {true, 1.375f, 1.485f}, kNone, kNone},
    // 5: deformed bars (150-160 ksi)
    {{true, 0.625f, 0.28f}, {true, 1.0f, 0.85f}, {true, 1.0f, 0.85f}, {true, 1.25f, 1.25f},
     {true, 1.25f, 1.25f}, {true, 1.375f, 1.58f}, kNone, kNone},
};

// Ultimate strength fpu (psi) of the strand grades; deformed bars by size.
constexpr float kGradeFpu[5] = {250000.0f, 270000.0f, 300000.0f, 145000.0f, 160000.0f};
constexpr float kDeformedBarFpu[6] = {157000.0f, 150000.0f, 160000.0f, 150000.0f, 160000.0f, 150000.0f};

// Moduli: seven-wire strand and bars, ksi (US customary) and kPa.
constexpr float kStrandModulusUS = 28000.0f, kStrandModulusSI = 193053200.0f;
constexpr float kBarModulusUS = 29000.0f, kBarModulusSI = 199947760.0f;

}  // namespace

void Fill_Strand_From_Catalogue(PileSection& s, int i) {
  const int type = s.StrandType;
  const int code = s.StrandSizeCodes[i];
  if (type >= 0 && type <= 5) {
    const bool us = pm.options.IUNITS == kUnitsUS;
    if (type <= 2)
      s.RebarModulus = double(us ? kStrandModulusUS : kStrandModulusSI);
    else
      s.RebarModulus = double(us ? kBarModulusUS : kBarModulusSI);
    if (type <= 4)
      s.StrandUltimateStrength = double(kGradeFpu[type]);
    else if (code >= 0 && code <= 5)
      s.StrandUltimateStrength = double(kDeformedBarFpu[code]);
    if (code >= 0 && code < kSizeCodes && kSizes[type][code].listed) {
      s.BarDiameter[i] = double(kSizes[type][code].diameter);
      s.BarArea[i] = double(kSizes[type][code].area);
    }
  }
  if (pm.options.IUNITS == kUnitsSI) {
    const double inch = double(0.0254f);
    s.BarDiameter[i] = s.BarDiameter[i] * inch;
    s.BarArea[i] = s.BarArea[i] * (inch * inch);
  }
}

std::string_view strand_type_name(int strand_type) {
  switch (strand_type) {
    case 0: return "PCI 250";
    case 1: return "PCI 270";
    case 2: return "PCI 300";
    case 3: return "Smooth 145 ksi bars";
    case 4: return "Smooth 160 ksi bars";
    case 5: return "Deformed bars (150-160 ksi)";
    default: return "";
  }
}

}  // namespace kavro::input
