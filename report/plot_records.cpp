#include "report/plot_records.h"

#include "engine/output_unit.h"
#include "model/problem_model.h"

namespace kavro {
namespace {

constexpr int kLabelColumn = 105;
constexpr int kShortLabelColumn = 81;  // records 3 and 6 after 75 blanks; M-EI records 4 and 5

bool us() { return pm.options.IUNITS == kUnitsUS; }
fmt::Line& plot() { return plot_unit().line(); }

struct PYTexts {
  std::string_view model, line7, line8_us, line8_si;
};

// Record 7 and 8 texts of the p-y models that write curve records.
constexpr PYTexts kPYTexts[] = {
    {"SoftClay", "Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. ",
     "): y(in), p(lb/in), for soft clay", "): y(m), p(kN/m), for soft clay"},
    {"SoftClyJ", "Line 7:  p-y curve depth in API soft clay with J, no. points on p-y curve no. ",
     "): y(in), p(lb/in), for API soft clay", "): y(m), p(kN/m), for API soft clay"},
    {"StfClyBW", "Line 7:  p-y curve depth in stiff clay with free water, no. p-y points on curve no. ",
     "): y(in), p(lb/in), for stiff clay with free water", "): y(m), p(kN/m), for stiff clay with free water"},
    {"StfClyAW", "Line 7:  p-y curve depth in stiff clay w/o free water, no. p-y points on curve no. ",
     "): y(in), p(lb/in), for stiff clay w/o water", "): y(m), p(kN/m), for stiff clay w/o water"},
    {"StfClyAK", "Line 7:  p-y curve depth in stiff clay w/o free water with k, no. p-y points on curve no. ",
     "): y(in), p(lb/in), for stiff clay w/o water with k", "): y(m), p(kN/m), for stiff clay w/o water with k"},
    {"Sand    ", "Line 7:  p-y curve depth in sand, no. p-y points on curve no. ", "): y(in), p(lb/in), for sand",
     "): y(m), p(kN/m), for sand"},
    {"API Sand", "Line 7:  p-y curve depth in API sand, no. p-y points on curve no. ",
     "): y(in), p(lb/in), for API sand", "): y(m), p(kN/m), for API sand"},
    {"Liq Sand", "Line 7:  p-y curve depth in liquefied sand, no. p-y points on curve no. ",
     "): y, p, for liquefied sand", "): y, p, for liquefied sand"},
    {"WeakRock", "Line 7:  p-y curve depth in weak rock, no. p-y points on curve no. ",
     "): y(in), p(lb/in), for weak rock", "): y(m), p(kN/m), for weak rock"},
    {"Vuggy LS", "Line 7:  p-y curve depth in vuggy limestone, no. p-y points on curve no. ",
     "): y(in), p(lb/in), for vuggy limestone rock", "): y(m), p(kN/m), for vuggy limestone rock"},
    {"Cem Silt", "", "): y(in), p(lb/in), for cemented c-phi", "): y(m), p(kN/m), for cemented c-phi"},
    {"Piedmont", "Line 7:  p-y curve depth in Piedmont residual soil, no. p-y points on curve no. ",
     "): y(in), p(lb/in), for Piedmont residual soil", "): y(m), p(kN/m), for Piedmont residual soil"},
    {"KS Loess", "Line 7:  p-y curve depth in Loess, no. p-y points on curve no. ", "): y(in), p(lb/in), for Loess",
     "): y(m), p(kN/m), for Loess"},
    {"Elast SG", "Line 7:  p-y curve depth in elastic subgrade soil, no. p-y points on curve no. ",
     "): y(in), p(lb/in), for elastic subgrade", "): y(m), p(kN/m), for elastic subgrade"},
    {"User p-y", "Line 7:  p-y curve depth in user-input p-y curve, no. p-y points on curve no. ",
     "): y(in), p(lb/in), for user-input p-y curve", "): y(m), p(kN/m), for user-input p-y curve"},
};

const PYTexts* py_texts(std::string_view model_name) {
  const std::string_view key = model_name.substr(0, 8);
  for (const PYTexts& t : kPYTexts)
    if (t.model == key) return &t;
  return nullptr;
}

}  // namespace

std::string_view plot_line7_text(std::string_view model_name) {
  const PYTexts* t = py_texts(model_name);
  if (t == nullptr) return {};
  if (t->model == "Cem Silt")
    return us() ? "Line 7:  p-y curve depth in cemented silt (in), no. p-y points on curve no. "
                : "Line 7:  p-y curve depth in cemented silt (m), no. p-y points on curve no. ";
  return t->line7;
}

std::string_view plot_line8_text(std::string_view model_name) {
  const PYTexts* t = py_texts(model_name);
  if (t == nullptr) return {};
  return us() ? t->line8_us : t->line8_si;
}

void Plot_Line_1() {
  plot()
      .i(5, pm.options.i_Analysis_Type)
      .i(5, pm.options.IUNITS)
      .i(5, 0)
      .i(5, pm.options.ComputeKmatrix ? 1 : 0)
      .at(kLabelColumn, "Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F")
      .end();
}

void Plot_Line_2() { plot().i(5, pm.pile.NumSections).at(kLabelColumn, "Line 2 : Total number of sections").end(); }

void Plot_Line_3(CurveRecordKind kind, int num_thrusts) {
  fmt::Line& l = plot().i(5, num_thrusts);
  switch (kind) {
    case CurveRecordKind::Nonlinear:
      if (pm.options.i_Analysis_Type == kAnalysisEIOnly)
        l.at(kLabelColumn, "Line 3 : Total number of axial thrusts for EI-only computations");
      else if (pm.options.UseLRFD)
        l.at(kLabelColumn, "Line 3 : Total number of axial thrusts for LRFD");
      else
        l.x(75).text("Line 3 : Total number of axial thrusts");
      break;
    case CurveRecordKind::UserMEI:
      l.x(75).text("Line 3 : Total number of axial thrusts for input M-EI section");
      break;
    case CurveRecordKind::ElasticPlastic:
      l.at(kLabelColumn, "Line 3a : Total number of axial thrusts for elastic-plastic section");
      break;
    case CurveRecordKind::Elastic:
      l.at(kLabelColumn, "Line 3d : Total number of axial thrusts for elastic section");
      break;
  }
  l.end();
}

void Plot_Line_4(CurveRecordKind kind, int num_points, double thrust, double moment_capacity, int section) {
  fmt::Line& l = plot().i(5, num_points).x(10).e(15, 7, thrust).e(15, 7, moment_capacity);
  const bool u = us();
  switch (kind) {
    case CurveRecordKind::Nonlinear:
      l.at(kLabelColumn, u ? "Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section "
                           : "Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m), Section ")
          .i0(section);
      break;
    case CurveRecordKind::UserMEI:
      l.at(kShortLabelColumn,
           u ? "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips) for input M-EI pile, Section "
             : "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m) for input M-EI pile, Section ")
          .i0(section);
      break;
    case CurveRecordKind::ElasticPlastic:
      l.at(kLabelColumn,
           u ? "Line 4a : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kip) for elastic-plastic EI at top of section"
             : "Line 4a : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m) for elastic-plastic EI at top of section");
      break;
    case CurveRecordKind::Elastic:
      l.at(kLabelColumn,
           u ? "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips) for linear EI pile at top of section"
             : "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kN) , Nom. Moment Cap. (kN-m) for linear EI pile at top of section");
      break;
  }
  l.end();
}

void Plot_Line_5(CurveRecordKind kind, double moment, double stiffness, double curvature, int section, int thrust,
                 int point) {
  fmt::Line& l = plot().e(15, 7, moment).e(15, 7, stiffness).e(15, 7, curvature);
  const bool u = us();
  std::string_view point_text = ", CurvPnt#=";
  switch (kind) {
    case CurveRecordKind::Nonlinear:
      l.at(kLabelColumn, u ? "Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#="
                           : "Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=");
      break;
    case CurveRecordKind::UserMEI:
      l.at(kShortLabelColumn, "Line 5 : Moment, EI, Curvature for Sect#=");
      break;
    case CurveRecordKind::ElasticPlastic:
      l.at(kLabelColumn, u ? "Line 5a : Elas-Plas Moment (in-kip), EI (kip-in^2), Curvature (rad/in) for Sect#="
                           : "Line 5a : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=");
      point_text = ", Pnt#=";
      break;
    case CurveRecordKind::Elastic:
      l.at(kLabelColumn, u ? "Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#="
                           : "Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=");
      break;
  }
  l.i0(section).text(", AxLd#=").i0(thrust).text(point_text).i0(point).end();
}

void Plot_Line_6(int num_curves) { plot().i(5, num_curves).x(75).text("Line 6 : number of output p-y curves").end(); }

void Plot_Line_6_None() { plot().text("    0").at(kLabelColumn, "Line 6 : number of output p-y curves").end(); }

void Plot_Line_7(double depth, int num_points, std::string_view model_name, int curve) {
  plot().e(15, 7, depth).i(5, num_points).at(kLabelColumn, plot_line7_text(model_name)).i0(curve).end();
}

void Plot_Line_7_Output_Depth(double depth, int num_points) {
  plot().e(15, 7, depth).i(5, num_points).at(kLabelColumn, "Line 7:  p-y curve depth, no. p-y points").end();
}

void Plot_Line_8(int k, double y, double p, std::string_view model_name) {
  fmt::Line& l = plot().e(15, 7, y).e(15, 7, p).at(kLabelColumn, "Line 8(");
  if (model_name.substr(0, 8) == "Liq Sand")
    l.i(2, k);
  else
    l.i0(k);
  l.text(plot_line8_text(model_name)).end();
}

void Plot_Line_9(int num_load_cases, int num_nodes) {
  plot()
      .i(5, num_load_cases)
      .i(5, num_nodes)
      .i(5, pm.options.IUNITS)
      .at(kLabelColumn, "Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI")
      .end();
}

void Plot_Line_10(int m, double x, double y, double moment, double shear, double p, double EI) {
  plot()
      .e(15, 7, x)
      .e(15, 7, y)
      .e(15, 7, moment)
      .e(15, 7, shear)
      .e(15, 7, p)
      .e(15, 7, EI)
      .at(kLabelColumn, "Line 10(")
      .i(3, m)
      .text(us() ? ") : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)"
                 : ") : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)")
      .end();
}

void Plot_Line_11(int num_points, int k) {
  plot()
      .i(5, num_points)
      .at(kLabelColumn, "Line 11: Num. points on Ytop vs. pile length curve for load case ")
      .i0(k)
      .end();
}

void Plot_Line_11_None(int k) {
  plot()
      .text("    0")
      .at(kLabelColumn, pm.options.UseLRFD ? "Line 11: Num. points on Ytop vs. Length curve for LRFD load case "
                                           : "Line 11: Num. points on Ytop vs. Length curve for load case ")
      .i0(k)
      .end();
}

void Plot_Line_12(double length, double ytop, double max_moment, double max_shear) {
  plot()
      .e(15, 7, length)
      .e(15, 7, ytop)
      .e(15, 7, max_moment)
      .e(15, 7, max_shear)
      .at(kLabelColumn, us() ? "Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)"
                             : "Line 12: pile length (m), Ytop (m), Max Moment(kN-m), Max Shear(kN)")
      .end();
}

void Plot_Line_13(double head_shear, double ytop, double max_moment, double max_shear, double rotation) {
  plot()
      .e(15, 7, head_shear)
      .e(15, 7, ytop)
      .e(15, 7, max_moment)
      .e(15, 7, max_shear)
      .e(15, 7, rotation)
      .at(kLabelColumn, us() ? "Line 13: TopV(lbs), TopY(in), Max Moment(in-lbs), Max Shear(lbs), Rotation(rad)"
                             : "Line 13: TopV(kN) TopY(m), Max Moment(kN-m), Max Shear(kN), Rotation(rad)")
      .end();
}

void Plot_Line_14(int num_steps) {
  plot().i(5, num_steps).at(kLabelColumn, "Line 14: Number of stiffness matrix K-values computed").end();
}

void Plot_Line_15(double V, double M, double K22, double K23, double K32, double K33, double ytop, double theta) {
  plot()
      .e(15, 7, V)
      .e(15, 7, M)
      .e(15, 7, K22)
      .e(15, 7, K23)
      .e(15, 7, K32)
      .e(15, 7, K33)
      .e(15, 7, ytop)
      .e(15, 7, theta)
      .text("  Line 15: V, M, K22, K23, K32, K33, ytop, theta")
      .end();
}

void Plot_Line_16(int free_steps, int fixed_steps, int bc_type) {
  plot()
      .i(5, free_steps)
      .i(5, fixed_steps)
      .i(5, bc_type)
      .at(kLabelColumn,
          "Line 16: # free-head pushover steps computed, # fixed-head pushover steps computed, pushover BC type")
      .end();
}

void Plot_Line_16_None() {
  plot()
      .i(5, 0)
      .i(5, 0)
      .i(5, 0)
      .at(kLabelColumn, "Line 16: Number pushover steps computed, pushover BC type")
      .end();
}

void Plot_Line_17_Pushover(int point, int bc, double ytop, double mtop, double max_moment, double max_shear,
                           double depth_max_moment, double depth_max_shear) {
  plot()
      .i(5, point)
      .i(5, bc)
      .e(15, 7, ytop)
      .e(15, 7, mtop)
      .e(15, 7, max_moment)
      .e(15, 7, max_shear)
      .e(15, 7, depth_max_moment)
      .e(15, 7, depth_max_shear)
      .at(kLabelColumn, "Line 17: point#, BC#, Top Y, Top M, Mmax, Vmax, X Mmax, X Vmax")
      .end();
}

void Plot_Line_17_Buckling(int num_points, double capacity, double a, double b) {
  plot()
      .i(5, num_points)
      .e(15, 7, capacity)
      .e(15, 7, a)
      .e(15, 7, b)
      .at(kLabelColumn, us() ? "Line 17: Num. Buckling points, Buckling capacity (lbs), a slope, b intercept"
                             : "Line 17: Num. Buckling points, Buckling capacity (kN), a slope, b intercept")
      .end();
}

void Plot_Line_18(double thrust, double ytop, double max_moment, double max_shear) {
  plot()
      .e(15, 7, thrust)
      .e(15, 7, ytop)
      .e(15, 7, max_moment)
      .e(15, 7, max_shear)
      .at(kLabelColumn, us() ? "Line 18: axial thrust (lbs), Ytop (in), Max Moment(in-lb), Max Shear(lbs)"
                             : "Line 18: axial thrust (kN), Ytop (m), Max Moment(kN-m), Max Shear(kN)")
      .end();
}

void Plot_Line_18_None() {
  plot()
      .i(5, 0)
      .e(15, 7, 0.0)
      .e(15, 7, 0.0)
      .at(kLabelColumn, "Line 18: Number of buckling points computed, Vtop, Mtop")
      .end();
}

void Plot_Line_18_No_Trials() {
  plot()
      .i(5, 0)
      .at(kLabelColumn, "Line 11: Num. points on Ytop vs. pile length curve for load case ")
      .i0(0)
      .end();
}

}  // namespace kavro
