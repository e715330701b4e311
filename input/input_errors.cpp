#include "input/input_errors.h"

#include "engine/errors.h"
#include "engine/output_unit.h"
#include "report/fortran_format.h"

namespace kavro::input {
namespace {

std::string heading(int number) { return "**** Input Data Error No. " + fmt::I0(number) + " ****"; }

}  // namespace

void input_error_block(int number, std::initializer_list<std::string_view> lines) {
  std::string h = heading(number);
  for (OutputUnit* u : {&runtime_unit(), &report_unit()}) {
    u->blank();
    u->put(h);
    u->blank();
    u->lines(lines);
    u->blank();
  }
  stop_input_error(number);
}

bool read_ok(const ReadResult& r, std::string_view what) {
  if (r.ok() && r.non_finite.empty()) return true;
  if (r.ok()) {
    // An infinity or a NaN reads as a number but is no value of a pile
    // problem: it would only come out of the analysis as NaN results.
    std::string a = "The value \"" + r.non_finite + "\" on line " + fmt::I0(r.non_finite_line) +
                    " of the input data file is not a finite number.";
    std::string b = "It was read as the " + std::string(what) + ". The line is:";
    std::string line = trim_right(r.non_finite_record);
    input_error_block(kErrBadValue, {a, b, line});
    return false;
  }
  if (r.status == ReadStatus::EndOfFile) {
    std::string a = "The input data file ended after line " + fmt::I0(r.line_number) + " while reading the " +
                    std::string(what) + ".";
    input_error_block(kErrEndOfFile, {a, "Check that every section of the input file is complete and that the file ends with END."});
    return false;
  }
  std::string a = "The value \"" + r.token + "\" on line " + fmt::I0(r.line_number) +
                  " of the input data file cannot be read as a number.";
  std::string b = "It was read as the " + std::string(what) + ". The line is:";
  std::string line = trim_right(r.line);
  input_error_block(kErrBadValue, {a, b, line});
  return false;
}

bool text_line_ok(LineSource& src, std::string& line256, std::string_view what) {
  if (read_text_line(src, line256)) return true;
  ReadResult r;
  r.status = ReadStatus::EndOfFile;
  r.line_number = src.line_number();
  return read_ok(r, what);
}

bool count_ok(int count, int limit, std::string_view item) {
  if (count >= 0 && count <= limit) return true;
  if (count < 0) {
    std::string a = "The " + std::string(item) + " is " + fmt::I0(count) + ". It cannot be negative.";
    input_error_block(kErrBadCount, {a});
    return false;
  }
  std::string a = "The " + std::string(item) + " is " + fmt::I0(count) + ", more than the limit of " +
                  fmt::I0(limit) + ".";
  input_error_block(kErrCapacity, {a, "Reduce the number of entries to the limit or less."});
  return false;
}

}  // namespace kavro::input
