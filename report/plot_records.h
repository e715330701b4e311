// The plot output file (unit 7): labelled fixed-column records that the
// front end turns into graphs. Every record is numbers first (I5 counts,
// E15.7 reals) and then, in a fixed column (105 unless noted), the label that
// names the record and its fields. One writer per record of the catalogue;
// the label variants follow the unit system (the "in"/"lbs" wording for US
// customary runs, the "m"/"kN" wording for SI and generic runs).
#pragma once
#include <string_view>

namespace kavro {

// Which family of section curves a record 3, 4 or 5 belongs to.
enum class CurveRecordKind {
  Nonlinear,       // sliced sections (moment-curvature analysis)
  UserMEI,         // sections with input moment-stiffness data
  ElasticPlastic,  // elastic with specified moment capacity
  Elastic,         // elastic sections
};

// 1: analysis type, unit system, reserved 0, stiffness-matrix flag.
void Plot_Line_1();
// 2: number of pile sections.
void Plot_Line_2();
// 3: number of axial thrusts of the section tables. The nonlinear wording
// follows the run: EI-only computations, LRFD, or plain.
void Plot_Line_3(CurveRecordKind kind, int num_thrusts);
// 4: points of one curve, its thrust and nominal moment capacity (kips and
// in-kips, or kN and kN-m), section number.
void Plot_Line_4(CurveRecordKind kind, int num_points, double thrust, double moment_capacity, int section);
// 5: one curve point: moment, bending stiffness, curvature, with section,
// thrust and point numbers.
void Plot_Line_5(CurveRecordKind kind, double moment, double stiffness, double curvature, int section, int thrust,
                 int point);
// 6: number of p-y curves at output depths that follow; the empty form.
void Plot_Line_6(int num_curves);
void Plot_Line_6_None();
// 7: depth and point count of a p-y curve, labelled with the model's record 7
// text (`model_name` is the layer's 8-character soil-model name) and the
// curve number.
void Plot_Line_7(double depth, int num_points, std::string_view model_name, int curve);
// 7, the form of the output-depth check (a depth above the ground surface).
void Plot_Line_7_Output_Depth(double depth, int num_points);
// 8: point k of a p-y curve (multipliers applied), labelled for the model.
void Plot_Line_8(int k, double y, double p, std::string_view model_name);
// 9: number of load cases, number of nodes, unit system.
void Plot_Line_9(int num_load_cases, int num_nodes);
// 10: node m: depth, deflection, moment, shear, soil reaction, EI.
void Plot_Line_10(int m, double x, double y, double moment, double shear, double p, double EI);
// 11: number of records 12 that follow for load case k; the empty form
// (LRFD wording in an LRFD analysis).
void Plot_Line_11(int num_points, int k);
void Plot_Line_11_None(int k);
// 12: pile length, head deflection, largest moment, largest shear.
void Plot_Line_12(double length, double ytop, double max_moment, double max_shear);
// 13: head shear, head deflection, largest moment, largest shear, head rotation.
void Plot_Line_13(double head_shear, double ytop, double max_moment, double max_shear, double rotation);
// 14: number of records 15 that follow.
void Plot_Line_14(int num_steps);
// 15: V, M, K22, K23, K32, K33, head deflection, head rotation.
void Plot_Line_15(double V, double M, double K22, double K23, double K32, double K33, double ytop, double theta);
// 16: converged free-head and fixed-head push-over steps, boundary-condition
// type; the empty form (no push-over analysis).
void Plot_Line_16(int free_steps, int fixed_steps, int bc_type);
void Plot_Line_16_None();
// 17 of a push-over step.
void Plot_Line_17_Pushover(int point, int bc, double ytop, double mtop, double max_moment, double max_shear,
                           double depth_max_moment, double depth_max_shear);
// 17 of the buckling analysis: trials that follow, capacity, slope a, intercept b.
void Plot_Line_17_Buckling(int num_points, double capacity, double a, double b);
// 18: axial thrust, head deflection, largest moment, largest shear; the
// empty form (no buckling analysis) and the record that replaces the
// buckling records when no trial was accepted.
void Plot_Line_18(double thrust, double ytop, double max_moment, double max_shear);
void Plot_Line_18_None();
void Plot_Line_18_No_Trials();

// Label texts of records 7 and 8 for an 8-character soil-model name (empty
// for models without curve records). Record 8's text follows "Line 8(" and
// the point number.
std::string_view plot_line7_text(std::string_view model_name);
std::string_view plot_line8_text(std::string_view model_name);

}  // namespace kavro
