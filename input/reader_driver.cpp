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
// is off, but none of its data lines are read. Sections that read with the
// run options (the unit system or an option switch) are out of order before
// OPTIONS: they would read with the options of an earlier run, SI
// millimetres then staying unconverted, for instance.
struct Keyword {
  std::string_view text;
  Reader reader;
  bool (*enabled)();
  bool after_options = false;
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
    {"SECTIONS", Read_Sections, always, true},
    {"AXIAL THRUST LOADS", Read_Axial_Thrust_Loads, always},
    {"SOIL LAYERS", Read_Soil_Layers, always},
    {"TIP SHEAR", Read_Tip_Shear, always},
    {"PILE BATTER AND SLOPE", Read_Batter_And_Slope, always},
    {"GROUPEFF", Read_PY_Modifiers, always},
    {"GROUP EFFECT FACTORS", Read_PY_Modifiers, always},
    {"LRFD LOADS", Read_LRFD_Loads, always},
    {"LRFD FACTORS AND CASES", Read_LRFD_Factors_And_Cases, always},
    {"LOADING", Read_Loading, always},
    {"SOIL MOVEMENTS", Read_Soil_Movements, soil_movement_on, true},
    {"DEPTHS OF PRINTED P-Y CURVES", Read_PY_Output_Depths, py_curves_on, true},
    {"FOUNDATION STIFFNESS", Read_Foundation_Stiffness, kmatrix_on, true},
    {"PILE PUSHOVER ANALYSIS DATA", Read_Pushover_Data, pushover_on, true},
    {"PILE BUCKLING ANALYSIS DATA", Read_Buckling_Data, buckling_on, true},
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
  bool options_read = false;
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
    if (!found || (found->after_options && !options_read)) {
      write_unrecognized_line(line);
      return;
    }
    if (found->enabled()) found->reader(src);
    if (stopped()) return;
    if (found->reader == Read_Options) options_read = true;
  }
}

}  // namespace kavro::input
