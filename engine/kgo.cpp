// The run sequence of one analysis.
#include "engine/kgo.h"

#include "analysis/analysis_modes.h"
#include "analysis/load_cases.h"
#include "engine/errors.h"
#include "engine/output_unit.h"
#include "engine/run_files.h"
#include "input/input_errors.h"
#include "input/list_reader.h"
#include "input/readers.h"
#include "model/problem_model.h"
#include "report/header_echo.h"
#include "report/plot_records.h"
#include "report/results_tables.h"
#include "report/warnings.h"
#include "section/section_driver.h"

namespace kavro {
namespace {

void write_section_heading() {
  OutputUnit& rep = report_unit();
  rep.blank();
  rep.put(std::string(80, '-'));
  rep.put("    Computations of Nominal Moment Capacity and Nonlinear Bending Stiffness");
  rep.put(std::string(80, '-'));
  rep.blank();
  if (pm.options.ComputeInteraction)
    rep.put("Axial thrust force values were determined from input values");
  else if (pm.options.UseLRFD)
    rep.put("Axial thrust force values were determined from LRFD load combinations");
  else
    rep.put("Axial thrust force values were determined from pile-head loading conditions");
}

// Bending stiffness of every section, with its progress lines and headings.
// `what` is "EI only section " or "section ".
void compute_sections(const char* what) {
  for (int n = 1; n <= pm.pile.NumSections; ++n) {
    runtime_unit().line().text("Start computing nonlinear bending stiffness of ").text(what).i0(n).end();
    if (n == 1) {
      write_section_heading();
      report_unit().line().text("Number of Pile Sections Analyzed = ").i0(pm.pile.NumSections).end();
    }
    report_unit().line().text("Pile Section No. ").i0(n).text(":").end();
    report_unit().put(std::string(19, '-'));
    Section_Driver(n);
    if (stopped()) return;
    runtime_unit().line().text("Completed computing nonlinear bending stiffness of ").text(what).i0(n).end();
  }
}

// The first token of the input file, read as a 7-character text.
void read_header(input::LineSource& src) {
  std::string token;
  input::ReadResult r = input::ListRead(src).text(token, 7).run();
  pm.run.InputHeader = r.ok() ? token : std::string("3      ");
}

void conventional_analysis() {
  SoilLayers& s = pm.soil;
  // Layer boundaries from the top of layer 1 down.
  for (int k = 1; k <= s.i_Number_of_Layers && k < kMaxLayerBoundaries; ++k) s.XLayerTop[k + 1] = s.XLayerBottom[k];
  s.XLayerTop[1] = s.GroundSurfaceDepth;

  Plot_Line_2();
  if (pm.run.InputHeader == "KAVROP6") convert_us_customary();

  // A pile response needs a pile: without sections the pile length is zero
  // and the difference equations have no spacing.
  const int cases = pm.options.UseLRFD ? pm.lrfd.NumLRFDCombinations : pm.loads.NumLoadCases;
  if (cases > 0 && !(pm.pile.PileLength > 0.0)) {
    input::input_error_block(input::kErrNoPile,
                             {"Problem:  Load cases are given but the pile has no sections (its length is zero).",
                              "Solution: Describe the pile in a SECTIONS section of the input file."});
    return;
  }

  // Pile stations.
  const int n = pm.options.NumIncrements;
  pm.NumNodes = n + 1;
  pm.IncrementLength = n > 0 ? pm.pile.PileLength / n : 0.0;
  for (int i = 0; i <= n && i <= kMaxIncrements; ++i) pm.PileStation[i] = i * pm.IncrementLength;
  if (n >= 0 && n <= kMaxIncrements) pm.PileStation[n] = pm.pile.PileLength;

  if (pm.options.i_Analysis_Type == kAnalysisConventional && pm.pile.NumSections > 0) {
    compute_sections("section ");
    if (stopped()) return;
  }

  const int saved_py = pm.options.PrintPYCurvesInt;
  pm.options.PrintPYCurvesInt = 0;
  int count = pm.loads.NumLoadCases;
  if (pm.options.UseLRFD) {
    count = pm.lrfd.NumLRFDCombinations;
    pm.loads.NumLoadCases = count;
  }
  for (int k = 1; k <= count; ++k) {
    Run_Load_Case(k);
    if (stopped()) return;
    if (k == 1) {
      if (saved_py != 0)
        PY_Curves_At_Output_Depths();
      else
        Plot_Line_6_None();
      if (stopped()) return;
    }
    Write_Load_Case_Results(k);
    if (stopped()) return;
    if (!pm.options.UseLRFD && k <= kMaxLoadCases && pm.loads.ComputeYtopVsLength[k]) {
      runtime_unit().blank();
      runtime_unit().line().text("Computing top deflection vs. pile embedment length for load case ").i0(k).text(".").end();
      Ytop_Vs_Length(k);
    } else {
      Plot_Line_11_None(k);
    }
    if (stopped()) return;
    runtime_unit().line().text("Completed Analysis for Load Case ").i0(k).end();
    runtime_unit().blank();
  }
  pm.options.PrintPYCurvesInt = saved_py;

  Write_Results_Summaries();
  if (stopped()) return;
  runtime_unit().put("Completed Analysis of All Pile Loading Cases");
  runtime_unit().blank();

  if (pm.options.ComputeKmatrix) {
    const int type = pm.loads.LoadType[1];
    const double v1 = pm.loads.LoadValue1[1], v2 = pm.loads.LoadValue2[1], p = pm.loads.AxialThrust[1];
    runtime_unit().put("Computing pile-head stiffness matrix components.");
    runtime_unit().blank();
    Compute_Stiffness_Matrix();
    pm.loads.LoadType[1] = type;
    pm.loads.LoadValue1[1] = v1;
    pm.loads.LoadValue2[1] = v2;
    pm.loads.AxialThrust[1] = p;
    if (stopped()) return;
  }
  if (pm.options.ComputePushover)
    Run_Pushover();
  else
    Plot_Line_16_None();
  if (stopped()) return;
  if (pm.options.ComputePileBuckling)
    Run_Buckling();
  else
    Plot_Line_18_None();
}

void run(input::LineSource& src) {
  Open_Run_Files(src);
  if (stopped()) return;

  read_header(src);
  if (pm.run.InputHeader != "KAVROP7") {
    // Only files written for this engine are read: any other first token
    // would leave the problem model as initialised and analyse nothing sound.
    input::input_error_block(input::kErrHeader,
                             {"The input data file does not begin with the header KAVROP7.",
                              "The first item of the file is \"" + input::trim_right(pm.run.InputHeader) + "\"."});
    return;
  }
  input::Read_Input_File(src);
  if (stopped()) return;
  runtime_unit().put("Input of data completed");

  if (pm.options.IUNITS == kUnitsUS) pm.run.b_UnitsConverted = false;
  if (pm.options.IUNITS == kUnitsSI) pm.run.b_UnitsConverted = true;
  set_unit_labels();

  Write_Report_Banner();
  if (stopped()) return;
  Write_Date_Time();
  Plot_Line_1();
  Write_Input_Echo();
  if (stopped()) return;

  if (pm.options.IUNITS == kUnitsUS)
    convert_us_customary();
  else
    convert_si();

  if (pm.options.UseLRFD) {
    Prepare_LRFD_Analysis();
    if (stopped()) return;
  }

  if (pm.options.i_Analysis_Type == kAnalysisEIOnly) {
    Plot_Line_2();
    compute_sections("EI only section ");
    return;
  }
  conventional_analysis();
}

void write_ending() {
  const int v = pm.FatalErrorValue;
  for (OutputUnit* u : {&runtime_unit(), &report_unit()}) {
    if (v >= 100 && v <= 199) {
      u->blank();
      u->line().text("The analysis ended due to input error No. ").i0(v - 100).text(".").end();
      u->blank();
    } else if (v >= 200 && v <= 299) {
      u->blank();
      u->line().text("The analysis ended due to runtime error No. ").i0(v - 200).text(".").end();
      u->blank();
    }
  }
  if (any_warning_registered()) {
    OutputUnit& m = runtime_unit();
    m.blank(2);
    m.put("The analysis ended with one or more warning messages. See the output report file for more details.");
    m.blank(2);
    Write_Warning_Summary();
  }
  if (v == 0) {
    for (OutputUnit* u : {&runtime_unit(), &report_unit()}) {
      u->blank();
      u->put("The analysis ended normally. ");
    }
  }
}

}  // namespace
}  // namespace kavro

extern "C" int32_t KGO(int32_t version) {
  using namespace kavro;
  pm.run.ProgramVersion = kProgramVersion;
  if (version != kInterfaceVersion) return kWrongVersionStatus;

  initialise_run_state();
  Reset_Warning_Registry();

  input::LineSource src;
  run(src);
  write_ending();
  Close_Run_Files(src);

  if (pm.FatalErrorValue > 0) return pm.FatalErrorValue;
  return warning_run_status();
}
