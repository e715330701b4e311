// The input file as a sequence of records, and the free-format (list-directed)
// read of a list of values that spans as many records as it needs.
//
// Rules of a free-format read (the list-directed READ of Fortran):
// - every read starts at the beginning of a new record;
// - values are separated by blanks or by one comma with optional blanks
//   around it; a comma right after another comma (or at the start) is an
//   empty value that leaves its item unchanged;
// - when a record holds fewer values than the read needs, the read goes on
//   with the next record; values left over on the record that completes the
//   read are ignored;
// - a slash ends the read and leaves the remaining items unchanged;
// - r*v stands for r repetitions of v, and r* for r empty values;
// - integers have no decimal point; reals may have one and an exponent
//   letter E or D (upper or lower case), or a sign-only exponent (1.5+3);
// - text items are one token (ended by a blank, comma or slash) or quoted
//   with apostrophes or double quotes (a doubled quote inside stands for one);
//   text longer than its width is cut, shorter is padded with blanks.
// The finer points (tabs, semicolons, commas after record ends, quoted text
// at the end of the file, the accepted spellings of numbers) follow the
// list-directed READ of gfortran 12; list_reader.cpp lists them.
#pragma once
#include <cstdio>
#include <string>
#include <vector>

namespace kavro::input {

// Records of a text file. Line ends may be LF or CR LF; the CR is dropped.
// A last line without a line end is still a record. Any bytes are accepted
// (NULs included); a record longer than kMaxRecordLength characters keeps
// its first kMaxRecordLength characters and the rest of it is skipped, so a
// file without line ends cannot exhaust memory.
class LineSource {
 public:
  static constexpr std::size_t kMaxRecordLength = std::size_t{1} << 20;

  LineSource() = default;
  ~LineSource();
  LineSource(const LineSource&) = delete;
  LineSource& operator=(const LineSource&) = delete;

  bool open(const std::string& path);        // false when the file cannot be read
  void open_text(const std::string& text);   // reads from a string (tests)
  void close();
  bool is_open() const { return open_; }

  // Reads the next record into `line` (without its line end). False at the
  // end of the file.
  bool next(std::string& line);
  int line_number() const { return line_no_; }  // number of the last record read (1-based)
  const std::string& last_line() const { return last_; }

 private:
  std::FILE* f_ = nullptr;
  bool open_ = false;
  bool from_text_ = false;
  std::string text_;
  std::size_t text_pos_ = 0;
  int line_no_ = 0;
  std::string last_;
};

enum class ReadStatus {
  Ok,         // every item read, or the read ended early by a slash
  EndOfFile,  // the file ended before the read was complete
  BadValue,   // a value could not be read as its item's type
};

struct ReadResult {
  ReadStatus status = ReadStatus::Ok;
  int line_number = 0;  // the record where the read ended or failed
  std::string line;     // that record's text
  std::string token;    // the value that could not be read (BadValue)
  // The first real value read as an infinity or a NaN ("inf", "nan", or a
  // number beyond the double range) and its record; empty when none. Such a
  // value reads as in Fortran, so the read itself succeeds; the input
  // checks reject it (no quantity of a pile problem can take it).
  std::string non_finite;
  int non_finite_line = 0;
  std::string non_finite_record;
  bool ok() const { return status == ReadStatus::Ok; }
};

// One free-format read. Items are bound in order, then run() performs the
// read:   ListRead(src).text(label, 16).integer(n).run();
class ListRead {
 public:
  explicit ListRead(LineSource& src) : src_(src) {}
  ListRead& integer(int& v);
  ListRead& real(double& v);
  ListRead& text(std::string& s, int width);
  ReadResult run();

 private:
  enum class Kind { Int, Real, Text };
  struct Item {
    Kind kind;
    void* target;
    int width;
  };
  LineSource& src_;
  std::vector<Item> items_;
};

// Reads one record as a text line of 256 characters: a shorter record is
// padded with blanks, a longer one cut. False at the end of the file.
bool read_text_line(LineSource& src, std::string& line256);

// The text of a record without its trailing blanks.
std::string trim_right(const std::string& s);

}  // namespace kavro::input
