// Input errors that the reader raises beyond the classic numbered blocks:
// unreadable values, an unexpected end of file, a wrong header, and counts
// beyond the capacity of a table. Each stops the run with 100 + number.
#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

#include "input/list_reader.h"

namespace kavro::input {

// Input error numbers of these checks (the classic blocks use the others).
enum InputErrorNumber : int {
  kErrEndOfFile = 80,          // the file ended before the line "END" or inside a section
  kErrBadValue = 81,           // a value could not be read as a number
  kErrHeader = 82,             // the first token is not "KAVROP7"
  kErrCapacity = 83,           // a count is larger than its table holds
  kErrBarsPerBundle = 84,      // a bundle count of zero
  kErrSoilModelCode = 85,      // a soil-model code outside 1..20
  kErrUserBendingCurve = 86,   // a user bending curve point with zero curvature or stiffness
  kErrMicropile = 87,          // micropile sections cannot be analysed
  kErrBadCount = 88,           // a negative count
  kErrLRFDLoadType = 89,       // an LRFD load type outside 1..13
  kErrNoPile = 90,             // load cases to analyse but no pile sections (zero pile length)
  kErrUserPYCurve = 91,        // a user p-y curve whose deflections do not increase from zero
  kErrNegativeSectionValue = 92,  // a negative concrete strength or section width
  kErrNoStiffClayDefault = 93, // generic units: stiff clay without eps50 or k, which have no default
};

// After a free-format read: true when it succeeded. Otherwise writes the
// message block (what was being read, the line number and the line) to the
// runtime message file and the report, stops the run and returns false.
// `what` names the data being read, e.g. "number of soil layers".
bool read_ok(const ReadResult& r, std::string_view what);

// Reads a text line for a section; at the end of the file writes the
// end-of-file block (naming `what`) and stops. True when a line was read.
bool text_line_ok(LineSource& src, std::string& line256, std::string_view what);

// Checks a count read from the input against its table: 0 <= count <= limit.
// Otherwise writes a block naming the item, the count and the limit, stops
// the run (input error 83, or 88 for a negative count) and returns false.
bool count_ok(int count, int limit, std::string_view item);

// Writes a two-line input error block to the runtime message file and the
// report and stops with input error `number`:
//   "**** Input Data Error No. n ****", empty line, the text lines, empty line.
void input_error_block(int number, std::initializer_list<std::string_view> lines);

}  // namespace kavro::input
