// The engine's text output units: the report (unit 6), the plot output file
// (unit 7) and the runtime message file (unit 8). A unit that is not
// connected to a named file writes to the standard error stream, so that
// messages of a run that stopped before its files were open are not lost.
#pragma once
#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>

#include "report/fortran_format.h"

namespace kavro {

class OutputUnit final : public fmt::LineSink {
 public:
  explicit OutputUnit(int number) : number_(number), line_(this) {}
  OutputUnit(const OutputUnit&) = delete;
  OutputUnit& operator=(const OutputUnit&) = delete;

  // Creates or replaces the file. False when it cannot be created.
  bool open(const std::string& path);
  void close();
  bool is_open() const { return f_ != nullptr; }
  int number() const { return number_; }

  // The line under construction; line().....end() writes it.
  fmt::Line& line() { return line_; }
  // Writes one whole line (any text already pending on the current line
  // comes first).
  void put(std::string_view text);
  // Writes n empty lines.
  void blank(int n = 1);
  // Writes each text as a line; an empty text is an empty line.
  void lines(std::initializer_list<std::string_view> texts);
  void flush();

  void emit(const std::string& line) override;

 private:
  int number_;
  std::FILE* f_ = nullptr;
  fmt::Line line_;
};

OutputUnit& report_unit();   // unit 6
OutputUnit& plot_unit();     // unit 7
OutputUnit& runtime_unit();  // unit 8

}  // namespace kavro
