#include "soil/soil_profile.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>

#include "analysis/nodes.h"
#include "engine/errors.h"
#include "engine/output_unit.h"
#include "model/problem_model.h"
#include "report/fortran_format.h"

namespace kavro {

LayerNodeMap layer_nodes;
bool b_AtNode = false;

namespace {

// Placeholder until the support address is supplied; the interface-rule
// diagnostic (Runtime Error No. 30) prints it.
constexpr std::string_view kSupportEmail = "support@kavro.example";

int num_points() { return std::clamp(pm.soil.NumSoilDepthPoints, 0, kMaxSoilDepthPoints); }
int num_layers() { return std::clamp(pm.soil.i_Number_of_Layers, 0, kMaxLayers); }

// ---- message helpers (error paths only) ----

std::string trim_left(std::string s) {
  const auto k = s.find_first_not_of(' ');
  return k == std::string::npos ? std::string() : s.substr(k);
}

std::string value_text(double v) { return trim_left(fmt::F(12, 3, v)); }

std::string depth_text(double x) { return value_text(x) + " " + pm.labels.ComputationLength; }

std::string flag_text(bool b) { return b ? "T" : "F"; }

void to_both(std::initializer_list<std::string> lines) {
  for (OutputUnit* u : {&report_unit(), &runtime_unit()})
    for (const std::string& t : lines) u->put(t);
}

void to_report(std::initializer_list<std::string> lines) {
  for (const std::string& t : lines) report_unit().put(t);
}

void error_beyond_strength_data(double x, bool rock) {
  const double last = pm.soil.SoilDepthPoint[std::max(num_points(), 1)];
  if (!rock) {
    to_both({"**** Input Data Error No. 5 ****",
             "An error was detected that is related to an incompatibility between ",
             "the input data defining pile embedment depth and values of shear ",
             "strength of soil versus depth.",
             "Problem:  The value for a pile station depth is " + depth_text(x),
             "This depth is below the deepest extent of the input curve for ",
             "shear strength of soil versus depth at " + depth_text(last),
             "Solution:  Please revise the input data by either extending the ",
             "maximum depth for shear strength of soil or shorten the ",
             "pile to be entirely within the defined soil layers."});
  } else {
    to_both({"**** Input Data Error No. 5 ****",
             "An error was detected that is related to an incompatibility between ",
             "the input data defining pile embedment depth and values of uniaxial ",
             "compressive strength of rock versus depth.",
             "Problem:  The value for a pile station depth is " + depth_text(x),
             "This depth is below the deepest extent of the input curve for ",
             "uniaxial compressive strength versus depth at " + depth_text(last),
             "Solution:  Please revise the input data by either extending the ",
             "maximum depth for uniaxial compressive strength or shorten the ",
             "pile to be entirely within the defined soil layers."});
  }
  Error_Stop("INP00005", 105);
}

void error_zero_thickness(double x) {
  to_both({"**** Input Data Error No. 60 ****",
           "An error was found in the strength of soil input data when interpolating ",
           "to obtain values of cohesion or uniaxial compressive strength.",
           "Problem:  The depth increment between the upper and lower soil depths in a ",
           "layer is zero.  The depth of computation is " + depth_text(x),
           "Solution:  Examine the program output file to find the depth in question",
           "and correct the soil layer depth values. "});
  Error_Stop("INP00060", 160);
}

void error_interface_not_found(double x, bool rock, bool at_interface, bool in_middle, bool at_tip, int ktop,
                               int kbot) {
  const SoilLayers& s = pm.soil;
  const std::string ni = rock ? "b_XElevAtLayerInterface = " : "b_AtInterface         = ";
  const std::string nm = rock ? "b_XElevInPileMiddle   = " : "b_InMiddle            = ";
  const std::string nt = rock ? "b_XElevAtPileTip      = " : "b_AtTip               = ";
  to_both({"Internal error in function C (undrained shear strength)",
           "The layer interface cannot be located",
           "Please contact Orvinet for support",
           "Elevation             = " + value_text(x),
           ni + flag_text(at_interface),
           nm + flag_text(in_middle),
           nt + flag_text(at_tip),
           "b_AtNode              = " + flag_text(b_AtNode),
           "Layer index above     = " + fmt::I0(ktop),
           "Layer index below     = " + fmt::I0(kbot),
           "DABS(X-XLayerBottom(KTOP))    = " + fmt::E(14, 6, std::fabs(x - s.XLayerBottom[ktop])),
           "DABS(X-XLayerTop(KBOT))    = " + fmt::E(14, 6, std::fabs(x - s.XLayerTop[kbot]))});
  Error_Stop("RUN00999", 999);
}

void error_no_interface_rule(double x, bool rock, int above, int below, int jbot, bool at_tip) {
  const int la = jbot / 2, lb = jbot / 2 + 1;
  const int code_a = la >= 1 && la <= kMaxLayers ? pm.soil.i_SoilLayer_py_Type[la] : 0;
  const int code_b = lb >= 1 && lb <= kMaxLayers ? pm.soil.i_SoilLayer_py_Type[lb] : 0;
  to_report({rock ? "Error in fn_HB_qu_at_DepthX, please report this error and your data file by email to " +
                        std::string(kSupportEmail)
                  : "Error in fn_c, please report by email to " + std::string(kSupportEmail),
             " Soil types: 1 = cohesive, 2 = cohesionless, 3 = rock, 4= user input)",
             " ***** Runtime Error No. 30 *****",
             std::string(rock ? " X value for f(qu) = " : " X value for f(c) = ") + value_text(x),
             " Soil type above        = " + fmt::I0(above),
             " Soil type below        = " + fmt::I0(below),
             " cohesionless           = " + fmt::I0(2),
             " cohesive               = " + fmt::I0(1),
             " JBOT index             = " + fmt::I0(jbot) +
                 " = index number of strength value below depth in question",
             " At tip condition       = " + flag_text(at_tip) + ", T = true, F = false",
             " i_SoilLayer_py_Type(JBOT/2)          = " + fmt::I0(code_a),
             " i_SoilLayer_py_Type(JBOT/2+1)        = " + fmt::I0(code_b)});
  Error_Stop("RUN00024", 224);
}

// Interface class of a layer: 1 cohesive, 2 cohesionless, 3 rock, 4 user
// input, 5 elastic subgrade, 0 none of these.
int interface_class(int layer, double strength) {
  if (layer < 1 || layer > kMaxLayers) return 0;
  switch (layer_model(layer)) {
    case SoilModel::SoftClay:
    case SoilModel::SoftClayJ:
    case SoilModel::StiffClayFreeWater:
    case SoilModel::StiffClayNoWater:
    case SoilModel::StiffClayNoWaterK:
      return 1;
    case SoilModel::SandReese:
    case SoilModel::APISand:
    case SoilModel::LiquefiedSand:
    case SoilModel::Loess:
      return 2;
    case SoilModel::WeakRock:
    case SoilModel::VuggyLimestone:
    case SoilModel::MassiveRock:
      return 3;
    case SoilModel::UserInput:
      return 4;
    case SoilModel::ElasticSubgrade:
      return 5;
    case SoilModel::CementedSilt:
      return strength > 0.0 ? 1 : 2;
    default:
      return 0;
  }
}

// Strength at depth x: linear within a layer; on an interface by the
// classes of the two layers that meet there.
double strength_at(double x, bool rock) {
  const SoilLayers& s = pm.soil;
  const auto& D = s.SoilDepthPoint;
  const auto& C = s.StrengthC;
  const int ndp = num_points();

  b_AtNode = false;
  for (int i = 2; i <= ndp - 1; ++i) {
    if (std::fabs(x - D[i]) <= 1e-6) {
      b_AtNode = true;
      break;
    }
  }
  const bool in_middle = !b_AtNode;
  const bool at_tip = x == nodes.PileLength;

  int jbot = 0;
  for (int i = 2; i <= ndp; ++i) {
    if (x <= D[i] + 1e-6) {
      jbot = i;
      break;
    }
  }
  if (jbot == 0) {
    error_beyond_strength_data(x, rock);
    return 0.0;
  }
  if (std::fabs(x - D[ndp]) <= 1e-6) return C[ndp];

  if (!b_AtNode) {
    const double delta = D[jbot] - D[jbot - 1];
    if (delta <= 0.0) {
      error_zero_thickness(x);
      return 0.0;
    }
    return C[jbot - 1] + (x - D[jbot - 1]) * (C[jbot] - C[jbot - 1]) / delta;
  }

  const int nl = num_layers();
  int ktop = 0;
  for (int k = 1; k <= nl - 1; ++k) {
    if (std::fabs(x - s.XLayerBottom[k]) < 1e-6 && std::fabs(x - s.XLayerTop[k + 1]) < 1e-6) {
      ktop = k;
      break;
    }
  }
  if (ktop == 0) {
    const int kt = std::max(nl - 1, 1);
    error_interface_not_found(x, rock, b_AtNode, in_middle, at_tip, kt, kt + 1);
    return 0.0;
  }

  const double ca = C[jbot];
  const double cb = jbot < kMaxSoilDepthPoints ? C[jbot + 1] : 0.0;
  const int above = interface_class(jbot / 2, ca);
  const int below = interface_class(jbot / 2 + 1, cb);
  if (at_tip) return rock ? s.HBqu[jbot] : ca;

  if (above == 1 && below != 0) {
    if (below == 1) return (ca + cb) / 2.0;
    if (below == 3) return (2.0 * ca + cb) / 2.0;
    return ca;
  }
  if (above == 3 && below != 0) {
    if (below == 1) return (2.0 * cb + ca) / 2.0;
    if (below == 3) return (ca + cb) / 2.0;
    return ca;
  }
  if ((above == 2 || above == 4 || above == 5) && (below == 1 || below == 3)) return cb;
  error_no_interface_rule(x, rock, above, below, jbot, at_tip);
  return 0.0;
}

// Value of a point property at depth x; `beyond` is set when the depth lies
// below the data. On an interface the two sides are averaged (a side below
// 1e-20 counts as missing); tip_rule takes the upper layer at the pile tip.
double value_at_depth(const Indexed<double, kMaxSoilDepthPoints>& V, double x, bool tip_rule, bool& beyond) {
  const auto& D = pm.soil.SoilDepthPoint;
  const int ndp = num_points();
  beyond = false;
  if (ndp < 2 || x > D[ndp]) {
    beyond = true;
    return 0.0;
  }
  int i = ndp;
  for (int k = 2; k <= ndp; ++k) {
    if (x <= D[k]) {
      i = k;
      break;
    }
  }
  if (x == D[ndp]) return V[i];
  if (x != D[i]) return V[i - 1] + (x - D[i - 1]) * (V[i] - V[i - 1]) / (D[i] - D[i - 1]);
  if (D[i + 1] == D[i]) {
    const double a = V[i], b = V[i + 1];
    if (tip_rule && x == nodes.PileLength) return a;
    if (a >= 1e-20 && b >= 1e-20) return (a + b) / 2.0;
    if (a < 1e-20) return b;
    return a;
  }
  return V[i];
}

// Sum of the trapezoids of V from the ground surface to x, divided by the
// depth below ground (the average of V over that depth). `beyond` is set
// when x lies below the data by more than a millionth of an increment.
double average_from_surface(const Indexed<double, kMaxSoilDepthPoints>& V, double x, bool& beyond) {
  const auto& D = pm.soil.SoilDepthPoint;
  const int ndp = num_points();
  const double z = x - pm.soil.GroundSurfaceDepth;
  beyond = false;
  double sum = 0.0;
  if (ndp >= 2) {
    for (int i = 2; i <= ndp; ++i) {
      if (D[i] <= x) {
        sum += (V[i] + V[i - 1]) / 2.0 * (D[i] - D[i - 1]) / z;
      } else {
        if (D[i] - D[i - 1] >= 1e-6) {
          const double vx = V[i - 1] + (x - D[i - 1]) * (V[i] - V[i - 1]) / (D[i] - D[i - 1]);
          sum += (V[i - 1] + vx) / 2.0 * (x - D[i - 1]) / z;
        }
        return sum;
      }
    }
  }
  const double last = ndp >= 1 ? D[ndp] : -1e300;
  if (ndp < 1 || (x > last && std::fabs(x - last) >= 1e-6 * nodes.h)) beyond = true;
  return sum;
}

void error_phi_beyond(double x) {
  to_both({"**** Input Data Error No. 4 ****",
           "An error was detected that is related to an incompatibility",
           "between the input data defining the embedment of the pile and",
           "the maximum depth of the soil shear strength data.",
           "Problem:  The value for a pile station depth is " + depth_text(x),
           "This depth is below the deepest extent of the input data for",
           "soil friction angle versus depth.",
           "Solution:  Please revise the input data by either extending ",
           "the maximum depth for soil friction angle or shorten the ",
           "pile to correct this problem."});
  Error_Stop("INP00004", 104);
}

// p- and y-multiplier of the modification table at axial position s.
double multiplier_at(const Indexed<double, kMaxPYModifierRows>& F, double s) {
  const AnalysisData& d = pm.data;
  const int n = std::min(d.NumPYModifierRows, kMaxPYModifierRows);
  const auto& Z = d.PMultiplierX;
  if (n < 2 || s < Z[1] || s > Z[n]) return 1.0;
  int k = n;
  for (int j = 2; j <= n; ++j) {
    if (s <= Z[j]) {
      k = j;
      break;
    }
  }
  if (s != Z[k]) return F[k - 1] + (s - Z[k - 1]) * (F[k] - F[k - 1]) / (Z[k] - Z[k - 1]);
  if (k < n && Z[k + 1] == Z[k]) return F[k + 1];  // a step: the value below it
  return F[k];
}

// Layer-to-point assignment shared by the nodes and the p-y output depths.
template <class DepthOf>
void assign_points_to_layers(int N, DepthOf depth, const char* routine, const char* error_number) {
  const SoilLayers& s = pm.soil;
  layer_nodes.i_TopNodeInLayer.fill(0);
  layer_nodes.i_BottomNodeInLayer.fill(0);
  if (N < 1) return;
  const int nl = num_layers();
  int last = 0;
  for (int c = 1; c <= nl; ++c) {
    int j = N;
    for (int k = 1; k <= N; ++k) {
      if (s.XLayerTop[c] <= depth(k)) {
        j = k;
        break;
      }
    }
    if (s.XLayerBottom[c] < depth(j)) continue;
    layer_nodes.i_TopNodeInLayer[c] = j;
    last = c;
    if (s.XLayerBottom[c] >= depth(N)) break;
  }
  if (last == 0) return;
  layer_nodes.i_BottomNodeInLayer[last] = N;
  if (last == 1) return;
  for (int b = 1; b < last; ++b) {
    if (layer_nodes.i_TopNodeInLayer[b] == 0) continue;
    int next = b + 1;
    while (next < last && layer_nodes.i_TopNodeInLayer[next] == 0) ++next;
    const int bottom = layer_nodes.i_TopNodeInLayer[next] - 1;
    if (bottom < 0) {
      to_report({std::string("ERROR ") + error_number + " in computing i_BottomNodeInLayer in subroutine " + routine,
                 "Num_Nodes_To_Assign = " + fmt::I0(N), "i_layer             = " + fmt::I0(b),
                 "k_layer             = " + fmt::I0(next), "JLastLayer          = " + fmt::I0(last),
                 "i_Number_of_Layers  = " + fmt::I0(nl)});
      continue;
    }
    if (bottom < layer_nodes.i_TopNodeInLayer[b]) {
      // Its only candidate node lies on its bottom, the interface with the
      // next layer, and belongs to that layer: this layer holds no node.
      layer_nodes.i_TopNodeInLayer[b] = 0;
      continue;
    }
    layer_nodes.i_BottomNodeInLayer[b] = bottom;
  }
}

}  // namespace

SoilModel layer_model(int L) {
  if (L < 1 || L > kMaxLayers) return SoilModel::None;
  const std::string& name = soil_model_name(pm.soil.i_SoilLayer_py_Type[L]);
  struct Entry {
    const char* name;
    SoilModel model;
  };
  static constexpr Entry kTable[] = {
      {"SoftClay", SoilModel::SoftClay},           {"SoftClyJ", SoilModel::SoftClayJ},
      {"StfClyBW", SoilModel::StiffClayFreeWater}, {"StfClyAW", SoilModel::StiffClayNoWater},
      {"StfClyAK", SoilModel::StiffClayNoWaterK},  {"Sand    ", SoilModel::SandReese},
      {"API Sand", SoilModel::APISand},            {"Liq Sand", SoilModel::LiquefiedSand},
      {"Cem Silt", SoilModel::CementedSilt},       {"User p-y", SoilModel::UserInput},
      {"WeakRock", SoilModel::WeakRock},           {"Vuggy LS", SoilModel::VuggyLimestone},
      {"MassRock", SoilModel::MassiveRock},        {"KS Loess", SoilModel::Loess},
      {"Piedmont", SoilModel::Piedmont},           {"Elast SG", SoilModel::ElasticSubgrade},
  };
  if (name.size() < 8) return SoilModel::None;
  for (const Entry& e : kTable)
    if (name.compare(0, 8, e.name) == 0) return e.model;
  return SoilModel::None;
}

double fn_c(double x) { return strength_at(x, false); }

double fn_HB_qu_at_DepthX(double x) { return strength_at(x, true); }

double Phi_At_Depth(double x) {
  bool beyond = false;
  const double v = value_at_depth(pm.soil.PhiDeg, x, true, beyond);
  if (beyond) {
    error_phi_beyond(x);
    return 0.0;
  }
  return v;
}

double RQD_At_Depth(double x) {
  bool beyond = false;
  const double v = value_at_depth(pm.soil.RQD, x, false, beyond);
  if (beyond) {
    to_both({"**** Input Data Error No. 31 ****",
             "An error was detected that is related to an incompatibility",
             "between the input data defining the embedment of the pile and",
             "the maximum depth of the soil shear strength data.",
             "Problem:  The value for a pile station depth is " + depth_text(x),
             "This depth is below the deepest extent of the input data for",
             "RQD versus depth.",
             "Solution:  Revise the input data by either extending the ",
             "maximum depth for RQD or shorten the pile to correct this ",
             "problem."});
    Error_Stop("INP00031", 131);
    return 0.0;
  }
  if (v < 0.0 || v > 100.0) {
    to_both({"**** Input Data Error No. 49 ****",
             "Problem:  The interpolated value of RQD used for p-y curves in weak rock ",
             "was found to be invalid because it was either less than zero or more than ",
             "100 percent.",
             "Solution:  Check your input data and revise in the data for RQD.",
             "The interpolated value of RQD = " + value_text(v)});
    Error_Stop("INP00049", 149);
    return 0.0;
  }
  return v;
}

double Eps50_At_Depth(double x) {
  bool beyond = false;
  return value_at_depth(pm.soil.Eps50, x, true, beyond);
}

double J_At_Depth(double x) {
  bool beyond = false;
  return value_at_depth(pm.soil.JFactor, x, true, beyond);
}

double AverageGammaEff(double x) {
  const SoilLayers& s = pm.soil;
  if (x < s.GroundSurfaceDepth) return 0.0;
  const int ndp = num_points();
  if (ndp >= 2 && x - s.GroundSurfaceDepth < 1e-6) {
    for (int i = 1; i <= ndp; ++i)
      if (s.GammaEff[i] > 0.0) return s.GammaEff[i];
    return s.GammaEff[ndp];
  }
  bool beyond = false;
  const double v = average_from_surface(s.GammaEff, x, beyond);
  if (beyond) {
    to_both({"**** Input Data Error No. 15 ****",
             "An error was detected related to an incompatibility between ",
             "the data defining pile embedment depth and effective unit ",
             "weights versus depth.",
             "The value for a pile station depth is " + depth_text(x),
             "This depth is below the deepest extent of the input curve for",
             "effective unit weight versus depth.",
             "Solution:",
             "Please revise the input data by either extending the maximum",
             "depth for effective unit weight or shorten the length of pile",
             "to be within the range of defined soil properties."});
    Error_Stop("INP00015", 115);
    return 0.0;
  }
  return v;
}

double AverageStrengthC(double x) {
  const SoilLayers& s = pm.soil;
  if (x < s.GroundSurfaceDepth) return 0.0;
  const int ndp = num_points();
  if (ndp >= 2 && x - s.GroundSurfaceDepth < 1e-6) return fn_c(x);
  bool beyond = false;
  const double v = average_from_surface(s.StrengthC, x, beyond);
  if (beyond) {
    const double below = x - s.SoilDepthPoint[std::max(ndp, 1)];
    to_both({"**** Input Data Error No. 3 ****",
             "An error was detected that is related to an incompatibility",
             "between the input data defining the embedment of the pile and",
             "the maximum depth of the soil shear strength data.",
             "The value for a pile station depth is " + depth_text(x),
             "This depth is " + depth_text(below) + " below the deepest extent of the input data for",
             "soil shear strength versus depth.",
             "Solution:",
             "Please revise the input data by either extending the maximum",
             "depth for soil shear strength or shorten the pile to correct",
             "this problem."});
    Error_Stop("INP00003", 103);
    return 0.0;
  }
  return v;
}

double Interpolate_In_Layer(const Indexed<double, kMaxSoilDepthPoints>& v, int L, double x) {
  if (L < 1 || L > kMaxLayers) return 0.0;
  const auto& D = pm.soil.SoilDepthPoint;
  const int t = 2 * L - 1, b = 2 * L;
  return v[t] + (x - D[t]) * (v[b] - v[t]) / (D[b] - D[t]);
}

double PMultiplier_At_X(double s) { return multiplier_at(pm.data.PMultiplier, s); }
double YMultiplier_At_X(double s) { return multiplier_at(pm.data.YMultiplier, s); }

void Assign_Nodes_To_Layers(int Num_Nodes_To_Assign) {
  const int n = std::min(Num_Nodes_To_Assign, kNodeArraySize);
  assign_points_to_layers(
      n, [](int k) { return nodes.xv[k]; }, "Assign_Nodes_To_Layers", "2");
}

void Assign_PY_Output_Depths_To_Layers(int Num_Depths_To_Assign) {
  const int n = std::min(Num_Depths_To_Assign, kMaxPYOutputDepths);
  assign_points_to_layers(
      n, [](int k) { return pm.data.PYOutput[k].PYOutputDepth; }, "Assign_PY_Output_Depths_To_Layers", "3");
}

}  // namespace kavro
