// Small pieces shared by the readers of the loading and analysis-option
// sections: one-value lines, the capacity check of counts whose zero or
// negative value has its own meaning, the error-block writers and the
// exchange sort the engine uses for its sorted lists.
#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

#include "input/input_errors.h"
#include "input/list_reader.h"

namespace kavro::input {

// A line holding one integer (or one real). False when the run stopped.
inline bool read_int_line(LineSource& src, int& v, std::string_view what) {
  return read_ok(ListRead(src).integer(v).run(), what);
}
inline bool read_real_line(LineSource& src, double& v, std::string_view what) {
  return read_ok(ListRead(src).real(v).run(), what);
}

// Upper capacity check for a count whose value below 1 means "none" (its
// section then reads nothing more): only a count above the limit stops.
inline bool within_capacity(int count, int limit, std::string_view item) {
  return count <= limit || count_ok(count, limit, item);
}

// Writes an LRFD input error block to the report (two empty lines, the
// heading "***** Input Data Error No. n *****", an empty line, the lines
// given, an empty text giving an empty line, and two empty lines) and stops
// the run with input error n.
void lrfd_error_block(int number, std::initializer_list<std::string> lines);

// Exchange sort into ascending order: for i < j, entries i and j change
// places when entry i is greater. Comparisons that are false for NaN leave
// such entries where they are, so no input can upset the sort. `greater`
// compares entries i and j of the caller's table (1-based), `swap` exchanges
// them.
template <class Greater, class Swap>
void exchange_sort(int count, Greater greater, Swap swap) {
  for (int i = 1; i < count; ++i)
    for (int j = i + 1; j <= count; ++j)
      if (greater(i, j)) swap(i, j);
}

}  // namespace kavro::input
