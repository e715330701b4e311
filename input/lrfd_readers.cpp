// LRFD LOADS and LRFD FACTORS AND CASES: the unfactored loading groups with
// their distributed loads, and the factored load combinations.
#include <string>

#include "engine/errors.h"
#include "engine/output_unit.h"
#include "input/input_errors.h"
#include "input/loading_lines.h"
#include "input/readers.h"
#include "model/problem_model.h"
#include "report/fortran_format.h"

namespace kavro::input {

void lrfd_error_block(int number, std::initializer_list<std::string> lines) {
  OutputUnit& rep = report_unit();
  rep.blank(2);
  rep.put("***** Input Data Error No. " + fmt::I0(number) + " *****");
  rep.blank();
  for (const std::string& l : lines) {
    if (l.empty())
      rep.blank();
    else
      rep.put(l);
  }
  rep.blank(2);
  stop_input_error(number);
}

namespace {

std::string num(long long v) { return fmt::I0(v); }

}  // namespace

void Read_LRFD_Loads(LineSource& src) {
  runtime_unit().put("Reading LRFD unfactored load data");
  LRFDData& d = pm.lrfd;

  int count = 0;
  if (!read_int_line(src, count, "number of LRFD loads")) return;
  if (count < 1 || count > kMaxLRFDLoads) {
    lrfd_error_block(98, {"Number of LRFD loads specified is " + num(count),
                          "This is outside of the valid range to 1 to 100"});
    return;
  }
  d.NumLRFDLoads = count;

  for (int j = 1; j <= count; ++j) {
    int n = 0, type = 0, points = 0;
    if (!read_ok(ListRead(src)
                     .integer(n)
                     .integer(type)
                     .real(d.LRFDShear[j])
                     .real(d.LRFDMoment[j])
                     .real(d.LRFDAxial[j])
                     .integer(points)
                     .run(),
                 "LRFD load line"))
      return;
    if (n != j) {
      lrfd_error_block(97, {"Input appears to be out-of-order for LRFD loading",
                            "Input load number is " + num(n) + " and the expected load number is " + num(j)});
      return;
    }
    if (points != 0 && (points < 2 || points > kMaxLRFDDistPoints)) {
      lrfd_error_block(95, {"Number of distributed load points for LRFD load number " + num(j) +
                                " is outside of the valid range of 0 or 2 to 100.",
                            "", "The input number of distributed load points is " + num(points)});
      return;
    }
    if (type < 1 || type > kLRFDLoadTypes) {
      input_error_block(kErrLRFDLoadType,
                        {"The load type of LRFD load number " + num(j) + " is " + num(type) + ".",
                         "LRFD load types are numbered 1 to 13."});
      return;
    }
    d.LRFDLoadType[j] = type;
    d.NumLRFDDistPoints[j] = points;

    for (int k = 1; k <= points; ++k) {
      int m = 0;
      if (!read_ok(ListRead(src).integer(m).real(d.LRFDDistX[j][k]).real(d.LRFDDistLoad[j][k]).run(),
                   "LRFD distributed load point"))
        return;
      if (m != k) {
        lrfd_error_block(96, {"Input appears to be out-of-order for LRFD distributed load " + num(j), "",
                              "Input distributed load point is " + num(m),
                              " and the expected point number is " + num(k)});
        return;
      }
    }
  }
}

void Read_LRFD_Factors_And_Cases(LineSource& src) {
  runtime_unit().put("Reading LRFD load and resistance factor data ");
  LRFDData& d = pm.lrfd;

  int count = 0;
  if (!read_int_line(src, count, "number of LRFD load combinations")) return;
  if (count < 1 || count > kMaxLRFDCombinations) {
    lrfd_error_block(94, {"Number of LRFD load combinations outside of the valid range of 1 to 100.", "",
                          "Number of LRFD load combinations input is " + num(count)});
    return;
  }
  d.NumLRFDCombinations = count;

  for (int i = 1; i <= count; ++i) {
    int n = 0;
    ListRead line(src);
    line.integer(n);
    for (int t = 1; t <= kLRFDLoadTypes; ++t) line.real(d.LRFDFactor[i][t]);
    line.real(d.LRFDResistanceFactorM[i]).real(d.LRFDResistanceFactorV[i]);
    if (!read_ok(line.run(), "LRFD load and resistance factors")) return;
    if (!text_line_ok(src, d.LRFDCombinationName[i], "LRFD load combination name")) return;

    // A resistance factor that is not positive takes the default 0.75.
    if (!(d.LRFDResistanceFactorM[i] > 0.0)) d.LRFDResistanceFactorM[i] = 0.75;
    if (!(d.LRFDResistanceFactorV[i] > 0.0)) d.LRFDResistanceFactorV[i] = 0.75;

    double sum = 0.0;
    for (int t = 1; t <= kLRFDLoadTypes; ++t) sum += d.LRFDFactor[i][t];
    if (!(sum > 0.0)) {
      lrfd_error_block(72, {"All input load factors for LRFD analysis are zero.", "",
                            "The number of the LRFD load combination in error is " + num(i)});
      return;
    }
  }
}

}  // namespace kavro::input
