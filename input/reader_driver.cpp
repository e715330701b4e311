// The reader driver: recognises the section keywords of the input file and
// hands each section to its reader.
#include <string_view>

#include "engine/errors.h"
#include "engine/output_unit.h"
#include "input/input_errors.h"
#include "input/readers.h"

namespace kavro::input {

void write_unrecognized_line(const std::string& line256);

namespace {

using Reader = void (*)(LineSource&);

// A section whose keyword depends on an option is accepted when the option
// is off, but none of its data lines are read.
struct Keyword {
  std::string_view text;
  Reader reader;
  bool (*enabled)();
};

bool always() { return true; }
bool soil_movement_on() { return pm.options.UseSoilMovement; }
bool py_curves_on() { return pm.options.PrintPYCurves; }
bool kmatrix_on() { return pm.options.ComputeKmatrix; }
bool pushover_on() { return pm.options.ComputePushover; }
bool buckling_on() { return pm.options.ComputePileBuckling; }

const Keyword kKeywords[] = {
    {"TITLE", Read_Title, always},
    {"OPTIONS", Read_Options, always},
    {"SECTIONS", Read_Sections, always},
    {"AXIAL THRUST LOADS", Read_Axial_Thrust_Loads, always},
    {"SOIL LAYERS", Read_Soil_Layers, always},
    {"TIP SHEAR", Read_Tip_Shear, always},
    {"PILE BATTER AND SLOPE", Read_Batter_And_Slope, always},
    {"GROUPEFF", Read_PY_Modifiers, always},
    {"GROUP EFFECT FACTORS", Read_PY_Modifiers, always},
    {"LRFD LOADS", Read_LRFD_Loads, always},
    {"LRFD FACTORS AND CASES", Read_LRFD_Factors_And_Cases, always},
    {"LOADING", Read_Loading, always},
    {"SOIL MOVEMENTS", Read_Soil_Movements, soil_movement_on},
    {"DEPTHS OF PRINTED P-Y CURVES", Read_PY_Output_Depths, py_curves_on},
    {"FOUNDATION STIFFNESS", Read_Foundation_Stiffness, kmatrix_on},
    {"PILE PUSHOVER ANALYSIS DATA", Read_Pushover_Data, pushover_on},
    {"PILE BUCKLING ANALYSIS DATA", Read_Buckling_Data, buckling_on},
};

}  // namespace

void write_unrecognized_line(const std::string& line256) {
  for (OutputUnit* u : {&report_unit(), &runtime_unit()}) {
    u->blank(2);
    u->put("***** INPUT ERROR *****");
    u->blank();
    u->put("The following line is unrecognized or is out-of-order");
    u->blank();
    u->put(line256);
    u->blank(2);
  }
  Error_Stop("INP00099", 199);
}

void Read_Input_File(LineSource& src) {
  runtime_unit().put("Input of data begun");
  std::string line;
  for (;;) {
    if (!text_line_ok(src, line, "section keywords (the last line must be END)")) return;
    const std::string key = trim_right(line);
    if (key == "END") {
      Prepare_Thrust_List();
      return;
    }
    const Keyword* found = nullptr;
    for (const Keyword& k : kKeywords)
      if (key == k.text) found = &k;
    if (!found) {
      write_unrecognized_line(line);
      return;
    }
    if (found->enabled()) found->reader(src);
    if (stopped()) return;
  }
}

}  // namespace kavro::input
