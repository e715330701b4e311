// Fortran edit descriptors for fixed-column text: Iw, I0, Fw.d, Ew.d, nX, Tc
// and the A edit of a text. Results are what gfortran writes for the same
// descriptor and value: right-justified, rounded to nearest with halves
// decided by the exact binary value, a field too narrow filled with
// asterisks, and negative values that round to zero keep their minus sign.
#pragma once
#include <string>
#include <string_view>

namespace kavro::fmt {

std::string I(int w, long long v);        // Iw
std::string I0(long long v);              // I0: as many digits as needed
std::string F(int w, int d, double x);    // Fw.d
std::string E(int w, int d, double x);    // Ew.d: 0.ddddE+xx form
std::string A(std::string_view s, int w); // Aw: cut to w or blank-padded on the left

// Report number fields.
// Adaptive number field of width E: one blank, then the value in E-1
// characters, in fixed or exponent form chosen by its magnitude:
//   |x| < 1e-12 is taken as 0; 0 (or |x| < 1e-25): F(E-1).(E-8);
//   |x| > 10^(E-3)-1: E(E-1).(E-8); 10000 < |x| <= 10^(E-3)-1: F(E-1).0;
//   10^(9-E) < |x| <= 10000: F(E-1).(E-7); 10^(7-E) <= |x| <= 10^(9-E):
//   F(E-1).(E-5); smaller: E(E-1).(E-8); NaN: "  Not-a-Number".
// The powers of ten are single-precision values widened to double.
std::string adaptive(double x, int E);
// Integer right-justified in `width` columns; widths outside 1..16 become 10.
std::string ivar(long long v, int width);

// Receives finished lines (an output unit).
class LineSink {
 public:
  virtual void emit(const std::string& line) = 0;
 protected:
  ~LineSink() = default;
};

// A line under construction. Columns are 1-based as in a format statement;
// tab(c) moves to column c (padding with blanks, or overwriting when c lies
// behind the current end, as Tc does).
class Line {
 public:
  Line() = default;
  explicit Line(LineSink* sink) : sink_(sink) {}
  Line& text(std::string_view s);
  Line& x(int n);                        // nX
  Line& tab(int c);                      // Tc
  Line& i(int w, long long v) { return text(I(w, v)); }
  Line& i0(long long v) { return text(I0(v)); }
  Line& f(int w, int d, double v) { return text(F(w, d, v)); }
  Line& e(int w, int d, double v) { return text(E(w, d, v)); }
  Line& at(int c, std::string_view s) { return tab(c).text(s); }
  Line& num(double v, int E) { return text(adaptive(v, E)); }  // adaptive field
  Line& iv(long long v, int width) { return text(ivar(v, width)); }
  // Hands the line to its sink (if any) and starts a new empty line.
  void end();
  const std::string& str() const { return buf_; }
  int column() const { return pos_ + 1; }  // column the next character goes to
  void clear() { buf_.clear(); pos_ = 0; }

 private:
  LineSink* sink_ = nullptr;
  std::string buf_;
  std::size_t pos_ = 0;
};

}  // namespace kavro::fmt
