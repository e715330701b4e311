// SOIL LAYERS: the soil profile as a stack of layers.
//
// Each layer line names its p-y model by code and gives the layer's top and
// bottom depth; the model's property lines follow, one for the top of the
// layer (depth point 2c-1) and one for its bottom (depth point 2c), so that
// the soil models can interpolate linearly within the layer. Values are
// stored as read; the US-customary conversion (feet, psf, pcf) is made later
// for the whole model.
//
// Codes 17 to 20 read no property lines. Code 17, "Frz Soil" (frozen soil),
// is a placeholder model: the layer takes its depth range in the profile, but
// no p-y routine exists for it, so its nodes keep their starting soil
// modulus throughout the analysis, no p-y curves are printed or plotted for
// it, and its depth points keep whatever property values they held (zero in
// a fresh process). Codes 18 to 20 ("Undefined") behave the same way.
#include <algorithm>
#include <string>
#include <string_view>

#include "engine/errors.h"
#include "engine/output_unit.h"
#include "input/input_errors.h"
#include "input/readers.h"
#include "report/fortran_format.h"

namespace kavro::input {
namespace {

// The items a property line can hold, each stored at the line's depth point
// (k goes to kTopOfLayer or kBottomOfLayer of the layer instead).
enum class Item {
  Gamma, C, Eps50, J, K, Phi, RQD,
  TestType, SPT, Cone, Dilatometer, Pressuremeter,
  Subgrade, HBqu, HBRockType, HBValue3, HBValue4,
};

constexpr int kMaxLineItems = 6;

struct ModelLine {
  std::string_view name;  // 8-character model name
  int count;              // number of items on each line
  Item items[kMaxLineItems];
};

// Items of each property line, by model. "User p-y" is read separately.
const ModelLine kModelLines[] = {
    {"SoftClay", 3, {Item::Gamma, Item::C, Item::Eps50}},
    {"SoftClyJ", 4, {Item::Gamma, Item::C, Item::Eps50, Item::J}},
    {"StfClyBW", 4, {Item::Gamma, Item::C, Item::Eps50, Item::K}},
    {"StfClyAW", 3, {Item::Gamma, Item::C, Item::Eps50}},
    {"StfClyAK", 4, {Item::Gamma, Item::C, Item::Eps50, Item::K}},
    {"Sand    ", 3, {Item::Gamma, Item::Phi, Item::K}},
    {"API Sand", 3, {Item::Gamma, Item::Phi, Item::K}},
    {"Liq Sand", 1, {Item::Gamma}},
    // Weak rock: qu in StrengthC, the initial rock modulus in k, krm in Eps50.
    {"WeakRock", 5, {Item::Gamma, Item::C, Item::K, Item::RQD, Item::Eps50}},
    {"Vuggy LS", 2, {Item::Gamma, Item::C}},
    {"Piedmont", 6, {Item::Gamma, Item::TestType, Item::SPT, Item::Cone, Item::Dilatometer, Item::Pressuremeter}},
    {"Cem Silt", 5, {Item::Gamma, Item::C, Item::Phi, Item::Eps50, Item::K}},
    {"KS Loess", 2, {Item::Gamma, Item::Cone}},
    {"Elast SG", 2, {Item::Gamma, Item::Subgrade}},
    {"MassRock", 5, {Item::Gamma, Item::HBqu, Item::HBRockType, Item::HBValue3, Item::HBValue4}},
};

bool name_is(const std::string& name, std::string_view model) { return name.compare(0, 8, model) == 0; }

std::string layer_text(int c) { return "soil layer " + fmt::I0(c); }

std::string end_text(bool top) { return top ? "top" : "bottom"; }

// A value as the report's adaptive field prints it, without its leading blanks.
std::string value_text(double v) {
  const std::string t = fmt::adaptive(v, 14);
  return t.substr(std::min(t.find_first_not_of(' '), t.size()));
}

// Binds the items of one property line for depth point i of layer c.
void bind(ListRead& r, Item item, int c, int i, bool top) {
  SoilLayers& s = pm.soil;
  switch (item) {
    case Item::Gamma: r.real(s.GammaEff[i]); break;
    case Item::C: r.real(s.StrengthC[i]); break;
    case Item::Eps50: r.real(s.Eps50[i]); break;
    case Item::J: r.real(s.JFactor[i]); break;
    case Item::K: r.real(top ? s.kTopOfLayer[c] : s.kBottomOfLayer[c]); break;
    case Item::Phi: r.real(s.PhiDeg[i]); break;
    case Item::RQD: r.real(s.RQD[i]); break;
    case Item::TestType: r.integer(s.PiedmontTestType[i]); break;
    case Item::SPT: r.real(s.SPTN60[i]); break;
    case Item::Cone: r.real(s.ConeTipResistance[i]); break;
    case Item::Dilatometer: r.real(s.DilatometerModulus[i]); break;
    case Item::Pressuremeter: r.real(s.PressuremeterModulus[i]); break;
    case Item::Subgrade: r.real(s.ElasticSubgradeModulus[i]); break;
    case Item::HBqu: r.real(s.HBqu[i]); break;
    case Item::HBRockType: r.integer(s.HBRockType[i]); break;
    case Item::HBValue3: r.real(s.HBValue3[i]); break;
    case Item::HBValue4: r.real(s.HBValue4[i]); break;
  }
}

// The top and bottom property lines of a model with a fixed line layout.
bool read_property_lines(LineSource& src, const ModelLine& m, int c) {
  for (bool top : {true, false}) {
    const int i = top ? 2 * c - 1 : 2 * c;
    ListRead r(src);
    for (int k = 0; k < m.count; ++k) bind(r, m.items[k], c, i, top);
    const std::string what = std::string(m.name.substr(0, m.name.find_last_not_of(' ') + 1)) +
                             " properties at the " + end_text(top) + " of " + layer_text(c);
    if (!read_ok(r.run(), what)) return false;
  }
  return true;
}

// A "User p-y" layer: for its top and then its bottom, a line with the unit
// weight and the number of points, then one line per (y, p) point.
bool read_user_py_layer(LineSource& src, int c) {
  SoilLayers& s = pm.soil;
  for (bool top : {true, false}) {
    const int i = top ? 2 * c - 1 : 2 * c;
    const std::string curve = "user-input p-y curve at the " + end_text(top) + " of " + layer_text(c);
    s.UserPYDepth[i] = top ? s.XLayerTop[c] : s.XLayerBottom[c];
    int points = 0;
    if (!read_ok(ListRead(src).real(s.GammaEff[i]).integer(points).run(),
                 "unit weight and number of points of the " + curve))
      return false;
    if (!count_ok(points, kMaxUserPYPoints, "number of points of the " + curve)) return false;
    s.NumUserPYPoints[i] = points;
    for (int k = 1; k <= points; ++k) {
      if (!read_ok(ListRead(src).real(s.UserPY_y[i][k]).real(s.UserPY_p[i][k]).run(),
                   "point " + fmt::I0(k) + " (y, p) of the " + curve))
        return false;
      // The curve is interpolated segment by segment and its initial slope
      // is p/y of the second point: a deflection below zero or one that does
      // not increase would divide by zero (or a wrong sign) there.
      const double y = s.UserPY_y[i][k];
      if (k == 1 ? y < 0.0 : !(y > s.UserPY_y[i][k - 1])) {
        const std::string a = "Point " + fmt::I0(k) + " of the " + curve + " has the deflection " +
                              value_text(y) +
                              (k == 1 ? ", less than zero." : ", not more than that of point " + fmt::I0(k - 1) + ".");
        input_error_block(kErrUserPYCurve,
                          {a, "The deflections of a user-input p-y curve start at zero or above and increase from point to point."});
        return false;
      }
    }
  }
  return true;
}

// The top layer must reach below the pile head: a profile whose first layer
// ends at or above the head (with its top above it) would leave the
// layering correction of the p-y curves without a sound reference depth.
void top_layer_error() {
  for (OutputUnit* u : {&report_unit(), &runtime_unit()}) {
    u->blank();
    u->put("**** INPUT ERROR NO. 61 ****");
    u->blank();
    u->lines({"There is an error in the definition of the depth range for the top soil layer.",
              "PROBLEM:  The depth of the bottom of the top soil layer is less than or equal to zero. ",
              "          This may cause the algorithm  for layering correction to p-y curves to ",
              "          generate incorrect p-y curves for layers below the top layer.",
              "SOLUTION: The top soil layer must extend from the ground surface to below the pile head. "});
  }
  Error_Stop("INP00061", 161);
}

}  // namespace

void Read_Soil_Layers(LineSource& src) {
  runtime_unit().put("Reading soil layering data");
  SoilLayers& s = pm.soil;

  int layers = 0;
  if (!read_ok(ListRead(src).integer(layers).run(), "number of soil layers")) return;
  if (!count_ok(layers, kMaxLayers, "number of soil layers")) return;
  s.i_Number_of_Layers = layers;

  for (int c = 1; c <= layers; ++c) {
    if (!read_ok(ListRead(src).integer(s.i_SoilLayer_py_Type[c]).real(s.XLayerTop[c]).real(s.XLayerBottom[c]).run(),
                 "p-y model code, top and bottom depth of " + layer_text(c)))
      return;
    if (c == 1 && s.XLayerTop[1] < 0.0 && s.XLayerBottom[1] <= 0.0) {
      top_layer_error();
      return;
    }

    const int code = s.i_SoilLayer_py_Type[c];
    if (code < 1 || code > kSoilModelNames) {
      input_error_block(kErrSoilModelCode,
                        {"Problem:  The p-y model code of " + layer_text(c) + " is " + fmt::I0(code) +
                             ", outside the valid range of 1 to 20.",
                         "Solution: Correct the p-y model code of the layer (1 = soft clay ... 16 = massive rock)."});
      return;
    }

    const std::string& name = pm.SoilModelName[code];
    if (name_is(name, "User p-y")) {
      if (!read_user_py_layer(src, c)) return;
    } else {
      for (const ModelLine& m : kModelLines) {
        if (!name_is(name, m.name)) continue;
        if (!read_property_lines(src, m, c)) return;
        break;
      }
    }

    s.SoilDepthPoint[2 * c - 1] = s.SoilDepthPointCopy[2 * c - 1] = s.XLayerTop[c];
    s.SoilDepthPoint[2 * c] = s.SoilDepthPointCopy[2 * c] = s.XLayerBottom[c];
  }

  s.NumSoilDepthPoints = 2 * layers;
  s.i_Number_of_Layers = s.NumSoilDepthPoints / 2;
  s.GroundSurfaceDepth = s.XLayerTop[1];
}

}  // namespace kavro::input
