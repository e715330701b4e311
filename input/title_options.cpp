// TITLE and OPTIONS sections.
#include <cctype>
#include <cstdlib>
#include <string_view>

#include "engine/errors.h"
#include "engine/output_unit.h"
#include "input/input_errors.h"
#include "input/readers.h"
#include "report/fortran_format.h"

namespace kavro::input {

void write_unrecognized_line(const std::string& line256);

namespace {

// A YES/NO option line: "<Name> YES" or "<Name> NO". On any other text the
// message goes to the report and the run stops with input error 95.
bool read_yes_no(LineSource& src, std::string_view name, bool& flag, std::string_view message) {
  std::string line;
  if (!text_line_ok(src, line, "analysis options")) return false;
  const std::string t = trim_right(line);
  const std::string n(name);
  if (t == n + " YES") {
    flag = true;
  } else if (t == n + " NO") {
    flag = false;
  } else {
    report_unit().put(message);
    Error_Stop("INP00095", 195);
    return false;
  }
  return true;
}

// Line 8: columns 9-14 the loading type, columns 15-20 the number of cycles.
// Blanks inside the numeric field are ignored; digits without a decimal
// point are the whole value.
bool read_loading_type(LineSource& src) {
  std::string line;
  if (!text_line_ok(src, line, "analysis options")) return false;
  const std::string kind = line.substr(8, 6);
  if (kind == "CYCLIC") {
    pm.options.LoadingIsCyclic = true;
  } else if (kind == "STATIC") {
    pm.options.LoadingIsCyclic = false;
  } else {
    report_unit().put("INPUT ERROR - Unrecognized command for loading type option");
    Error_Stop("INP00095", 195);
    return false;
  }
  std::string field;
  for (char c : line.substr(14, 6))
    if (c != ' ') field += c;
  if (field.empty()) {
    pm.options.NumberOfCycles = 0.0;
    return true;
  }
  // A real field: digits, sign, decimal point and an exponent written with
  // E or D or with its sign alone (1.5+3). Anything else, such as the
  // hexadecimal or "inf" forms that strtod would take, is unreadable.
  std::string number;
  for (std::size_t i = 0; i < field.size(); ++i) {
    char c = field[i];
    if (c == 'd' || c == 'D') c = 'E';
    if ((c == '+' || c == '-') && i > 0 && (std::isdigit(static_cast<unsigned char>(field[i - 1])) || field[i - 1] == '.'))
      number += 'E';
    number += c;
  }
  char* endp = nullptr;
  const double v = std::strtod(number.c_str(), &endp);
  if (number.find_first_not_of("0123456789+-.Ee") != std::string::npos || endp == number.c_str() || *endp != '\0') {
    ReadResult r;
    r.status = ReadStatus::BadValue;
    r.line_number = src.line_number();
    r.line = line;
    r.token = field;
    return read_ok(r, "number of cycles of loading (columns 15 to 20)");
  }
  pm.options.NumberOfCycles = v;
  return true;
}

void iterations_block(int value, std::string_view tail) {
  OutputUnit& rep = report_unit();
  rep.put("***** Input Data Error No. 95 *****");
  rep.blank();
  rep.line().text("Problem: Input value for iterations limit = ").i0(value).text(tail).end();
  rep.put("Solution:  Correct input value to be between 30 and 1000 iterations.");
  rep.blank(2);
  Error_Stop("INP00095", 195);
}

void tolerance_block(int number, std::string_view a, std::string_view b) {
  const std::string h = "**** Input Data Error No. " + fmt::I0(number) + " ****";
  for (OutputUnit* u : {&runtime_unit(), &report_unit()}) {
    u->blank();
    u->put(h);
    u->blank();
    u->put(a);
    u->put(b);
    u->blank();
  }
  stop_input_error(number);
}

void increments_block(int number, std::string_view problem, std::string_view solution) {
  const std::string h = "**** Input Data Error No. " + fmt::I0(number) + " ****";
  for (OutputUnit* u : {&runtime_unit(), &report_unit()}) {
    u->put(h);
    u->blank();
    u->put(problem);
    u->blank();
    u->put(solution);
  }
  stop_input_error(number);
}

// Lower bounds of the tolerance follow the stated limits of the messages
// (1E-10 inches, 2.5E-12 meters), so that the check and its message agree.
constexpr double kTolMinUS = 1.0e-10;
constexpr double kTolMinSI = 2.5e-12;
const double kTolMaxUS = double(0.1f);
constexpr double kTolMaxSI = 0.00254;

bool check_tolerance() {
  const double tol = pm.options.ConvergenceTolerance;
  const char* rec_us = "The recommended value for convergence tolerance is 0.00001 inches.";
  const char* rec_si = "The recommended value for convergence tolerance is 2.54E-7 meters.";
  if (pm.options.IUNITS == kUnitsUS) {
    if (tol < kTolMinUS) {
      tolerance_block(65, "Input value for convergence tolerance is too small (less than 1E-10 inches).", rec_us);
      return false;
    }
    if (tol > kTolMaxUS) {
      tolerance_block(66, "Input value for convergence tolerance is too large (more than 0.1 inches). ", rec_us);
      return false;
    }
  } else if (pm.options.IUNITS == kUnitsSI) {
    if (tol < kTolMinSI) {
      tolerance_block(67, "Input value for convergence tolerance is too small (less than 2.5E-12 meters). ", rec_si);
      return false;
    }
    if (tol > kTolMaxSI) {
      tolerance_block(68, "Input value of convergence tolerance too large (more than 2.54E-3 meters). ", rec_si);
      return false;
    }
  }
  return true;
}

}  // namespace

void Read_Title(LineSource& src) {
  runtime_unit().put("Reading title data");
  for (int k = 1; k <= kTitleLines; ++k)
    if (!text_line_ok(src, pm.ProblemTitle[k], "title lines")) return;
}

void Read_Options(LineSource& src) {
  runtime_unit().put("Reading analysis options");
  RunOptions& o = pm.options;
  std::string line, label;

  // 1: unit system
  if (!text_line_ok(src, line, "analysis options")) return;
  const std::string units = trim_right(line);
  if (units == "Units USCS") {
    o.IUNITS = kUnitsUS;
  } else if (units == "Units SI") {
    o.IUNITS = kUnitsSI;
  } else if (units == "Units GENERAL") {
    o.IUNITS = kUnitsGeneric;
  } else {
    write_unrecognized_line(line);
    return;
  }

  // 2 to 7
  if (!read_yes_no(src, "UseLRFD", o.UseLRFD, "INPUT ERROR - Unrecognized command for LRFD analysis option")) return;
  if (!read_yes_no(src, "ComputeKmatrix", o.ComputeKmatrix,
                   "INPUT ERROR - Unrecognized command for compute pile-head stiffness matrix option"))
    return;
  if (!read_yes_no(src, "UseTipShear", o.UseTipShear, "INPUT ERROR - Unrecognized command for tip shear option")) return;
  if (!read_yes_no(src, "UseSoilMovement", o.UseSoilMovement,
                   "INPUT ERROR - Unrecognized command for soil movement option"))
    return;
  if (!read_yes_no(src, "UsePYModifiers", o.UsePYModifiers,
                   "INPUT ERROR - Unrecognized command for use of p-y modifiers option"))
    return;
  pm.data.NumPYModifierRows = o.UsePYModifiers ? 1 : 0;
  bool ei_only = false;
  if (!read_yes_no(src, "ComputeEIOnly", ei_only,
                   "INPUT ERROR - Unrecognized command for compute nonlinear EI only option"))
    return;
  o.i_Analysis_Type = ei_only ? kAnalysisEIOnly : kAnalysisConventional;

  // 8: loading type and number of cycles
  if (!read_loading_type(src)) return;

  // 9: iteration limit
  if (!read_ok(ListRead(src).text(label, 16).integer(o.MaxIterations).run(), "iteration limit")) return;
  if (o.MaxIterations < 30) {
    iterations_block(o.MaxIterations, " and is less than 30 iteractions");
    return;
  }
  if (o.MaxIterations > 1000) {
    iterations_block(o.MaxIterations, " and is more than 1,000 iteractions");
    return;
  }

  // 10: excess-deflection limit
  if (!read_ok(ListRead(src).text(label, 16).real(o.MaxDeflection).run(), "deflection limit")) return;

  // 11: convergence tolerance
  if (!read_ok(ListRead(src).text(label, 16).real(o.ConvergenceTolerance).run(), "convergence tolerance")) return;
  if (!check_tolerance()) return;

  // 12: number of pile increments
  if (!read_ok(ListRead(src).text(label, 16).integer(o.NumIncrements).run(), "number of pile increments")) return;
  if (o.NumIncrements < kMinIncrements) {
    increments_block(55, "Problem:  The number of pile increments is less than 40.",
                     "Solution: Increase the number of pile increments to more than 40, preferably more than 100 increments.");
    return;
  }
  if (o.NumIncrements > kMaxIncrements) {
    increments_block(56, "Problem:  The number of pile increments is more than 500.",
                     "Solution: Limit the number of pile increments to 500 or less.");
    return;
  }

  // 13, 14
  if (!read_yes_no(src, "PrintSummaryOnly", o.PrintSummaryOnly,
                   "INPUT ERROR - Unrecognized command for print summary only option"))
    return;
  if (!read_ok(ListRead(src).text(label, 16).integer(o.PrintIncrement).run(), "print increment")) return;

  // 15
  if (!read_yes_no(src, "PrintPYCurves", o.PrintPYCurves,
                   "INPUT ERROR - Unrecognized command for p-y curve output depths option"))
    return;
  o.PrintPYCurvesInt = o.PrintPYCurves ? 1 : 0;

  // 16 and 16a
  if (!read_yes_no(src, "ComputeInteraction", o.ComputeInteraction,
                   "INPUT ERROR - Unrecognized command for compute interaction option"))
    return;
  if (o.ComputeInteraction) {
    std::string code;
    if (!read_ok(ListRead(src).text(label, 11).text(code, 11).run(), "interaction code")) return;
    const std::string c = trim_right(code);
    if (c == "AASHTO") {
      o.InteractionCode = 1;
    } else if (c == "ACI318") {
      o.InteractionCode = 2;
    } else if (c == "Eurocode2") {
      o.InteractionCode = 3;
    } else {
      report_unit().put("INPUT ERROR - Unrecognized command for interaction code option");
      Error_Stop("INP00095", 195);
      return;
    }
  }

  // 17, 18: any text but the exact YES line leaves the analysis off.
  if (!text_line_ok(src, line, "analysis options")) return;
  o.ComputePushover = trim_right(line) == "ComputePushover YES";
  if (!text_line_ok(src, line, "analysis options")) return;
  o.ComputePileBuckling = trim_right(line) == "ComputePileBuckling YES";
}

}  // namespace kavro::input
