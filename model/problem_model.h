// The problem model: the one process-wide record that the input reader
// fills and every analysis reads.
#pragma once
#include <string>
#include <string_view>

#include "model/analysis_data.h"
#include "model/capacities.h"
#include "model/indexed.h"
#include "model/loads.h"
#include "model/options.h"
#include "model/sections.h"
#include "model/soil_layers.h"

namespace kavro {

// Unit labels printed behind values in the report, each blank-padded to its
// fixed length.
struct UnitLabels {
  std::string LargeLength;       // 2
  std::string SmallLength;       // 2
  std::string ComputationLength; // 3
  std::string Force;             // 3
  std::string Stress;            // 4
  std::string SoilStress;        // 4
  std::string ForcePerLength;    // 5
  std::string UnitWeight;        // 5
  std::string SubgradeModulus;   // 5
  std::string Moment;            // 8
  // Pieces for composing further labels.
  static constexpr std::string_view Slash = "/", Dash = "-", Two = "2", Three = "3", Four = "4", Power = "**";
};

// Run files and run-level items.
struct RunItems {
  std::string InputFileName, ReportFileName, PlotFileName, RuntimeFileName;  // 256 characters
  int NumMvsEIReportNames = 0;
  Indexed<std::string, kMaxMvsEIReportNames> MvsEIReportName;
  std::string InputHeader;         // 7 characters
  std::string ProgramVersion;      // "2013-07.003"
  std::string WorkingDirectory;
  bool b_UnitsConverted = false;
};

struct ProblemModel {
  ProblemModel() = default;
  ProblemModel(const ProblemModel&) = default;
  ProblemModel& operator=(const ProblemModel&) = default;
  // The model is several megabytes: a temporary of it would sit on the stack
  // (pm = ProblemModel{} can overflow it). Use reset_problem_model().
  ProblemModel(ProblemModel&&) = delete;
  ProblemModel& operator=(ProblemModel&&) = delete;

  RunOptions options;
  Indexed<std::string, kTitleLines> ProblemTitle;  // 256 characters each
  PileSections pile;
  SoilLayers soil;
  Loading loads;
  LRFDData lrfd;
  AnalysisData data;

  // Pile discretisation (set before the load cases run).
  int NumNodes = 0;
  double IncrementLength = 0;
  Indexed<double, kMaxIncrements + 1, 0> PileStation;  // 0..NumIncrements

  // Soil-model names by code, 10 characters each.
  Indexed<std::string, kSoilModelNames> SoilModelName;

  UnitLabels labels;
  RunItems run;

  // Fatal-error state: 0 none, 100+n input error n, 200+n runtime error n, 999 internal.
  int FatalErrorValue = 0;

  // Run flags cleared at entry.
  double SoftClayStartCoefficient = 0.5;      // where the soft-clay models start from
  Indexed<double, kMaxLayers> ThinLayerDepth;  // thin-layer check of the load-case iteration
  Indexed<int, kMaxLayers> ThinLayerFlag;
};

// The process-wide problem model.
extern ProblemModel pm;

// Rebuilds the problem model in place with its initial values, as in a fresh
// process (the model is too large for a temporary on the stack).
void reset_problem_model();

// Entry defaults of a run: the items that every call of KGO re-initialises.
void initialise_run_state();

// Unit labels for pm.options.IUNITS.
void set_unit_labels();

// Name of soil-model code k (blank-padded to 10 characters; "Undefined" beyond 17).
const std::string& soil_model_name(int code);

// Conversion to computation units: the US-customary step (feet to inches,
// psf to psi, pcf to pci) and the SI step (a no-op but for setting the flag).
// Both do nothing once b_UnitsConverted is true, and set it.
void convert_us_customary();
void convert_si();

}  // namespace kavro
