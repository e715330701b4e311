// Fortran-style edit descriptors, matching what gfortran writes.
//
// Digits come from glibc's printf, which converts the exact binary value and
// rounds it correctly to nearest (an exact tie goes to the even digit), the
// same digits gfortran's run-time library produces. Around those digits this
// file adds the Fortran field rules: the sign of a negative value (negative
// zero and values rounding to zero included), the optional leading zero of
// "0.xx" that is dropped only when the field would otherwise overflow, the
// exponent written without its letter when it needs three digits, and a
// field filled with asterisks when the value does not fit.
#include "report/fortran_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace kavro::fmt {
namespace {

std::string stars(int w) { return std::string(static_cast<std::size_t>(w), '*'); }

// `body` right-justified in w columns; asterisks when it is longer.
std::string right(std::string_view body, int w) {
  const auto width = static_cast<std::size_t>(w);
  if (body.size() > width) return stars(w);
  std::string out(width - body.size(), ' ');
  out += body;
  return out;
}

// Infinity and NaN as gfortran writes them in an F or E field: "Infinity"
// when it fits, else "Inf"; NaN never has a sign.
std::string infnan(int w, double x) {
  if (std::isnan(x)) return w < 3 ? stars(w) : right("NaN", w);
  if (std::signbit(x)) return w < 4 ? stars(w) : right(w < 9 ? "-Inf" : "-Infinity", w);
  return w < 3 ? stars(w) : right(w < 8 ? "Inf" : "Infinity", w);
}

// printf into a stack buffer, falling back to the heap for very long output.
// Returns the characters written.
template <class... Args>
std::string_view print(char* buf, std::size_t size, std::string& spill, const char* f,
                       Args... args) {
  int n = std::snprintf(buf, size, f, args...);
  if (n < 0) return {};
  if (static_cast<std::size_t>(n) < size) return {buf, static_cast<std::size_t>(n)};
  spill.assign(static_cast<std::size_t>(n) + 1, '\0');
  n = std::snprintf(spill.data(), spill.size(), f, args...);
  if (n < 0) return {};
  return {spill.data(), static_cast<std::size_t>(n)};
}

// Single-precision 10^n widened to double: the float nearest to 10^n
// (0 below the float range, infinity above it).
double pow10_single(int n) {
  constexpr int lo = -46, hi = 39;
  static const auto table = [] {
    std::array<double, hi - lo + 1> t{};
    char buf[16];
    for (int k = lo; k <= hi; ++k) {
      std::snprintf(buf, sizeof buf, "1e%d", k);
      t[static_cast<std::size_t>(k - lo)] = static_cast<double>(std::strtof(buf, nullptr));
    }
    return t;
  }();
  if (n < lo) return 0.0;
  if (n > hi) return std::numeric_limits<double>::infinity();
  return table[static_cast<std::size_t>(n - lo)];
}

}  // namespace

std::string I(int w, long long v) {
  if (w == 0) return I0(v);
  if (w < 0) return {};
  char buf[24];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  return right({buf, static_cast<std::size_t>(r.ptr - buf)}, w);
}

std::string I0(long long v) {
  char buf[24];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  return {buf, r.ptr};
}

std::string F(int w, int d, double x) {
  if (w <= 0) return {};
  if (!std::isfinite(x)) return infnan(w, x);
  if (d < 0 || d >= w) return stars(w);  // not even ".d..d" fits
  const bool neg = std::signbit(x);
  // At or above 2^(4w) > 10^w there are more than w integer digits: the
  // field overflows, and converting the digits is not worth it.
  if (std::fabs(x) != 0.0 && std::ilogb(x) >= 4 * w) return stars(w);
  char buf[96];
  std::string spill;
  std::string_view body = print(buf, sizeof buf, spill, "%#.*f", d, std::fabs(x));
  if (body.empty()) return stars(w);
  const auto width = static_cast<std::size_t>(w);
  std::size_t len = body.size() + (neg ? 1 : 0);
  // "0.50" becomes ".50" only when the field is one column short; with no
  // decimals the zero is the whole number and stays.
  if (len > width && d > 0 && body[0] == '0') {
    body.remove_prefix(1);
    --len;
  }
  if (len > width) return stars(w);
  std::string out(width - len, ' ');
  if (neg) out += '-';
  out += body;
  return out;
}

std::string E(int w, int d, double x) {
  if (w <= 0) return {};
  if (!std::isfinite(x)) return infnan(w, x);
  // The shortest form is ".d..dE+xx": d + 5 columns. Ew.0 is not a valid edit.
  if (d <= 0 || d > w - 5) return stars(w);
  const bool neg = std::signbit(x);
  const double a = std::fabs(x);
  char buf[64];
  std::string spill;
  std::string digits;  // the d significant digits
  int exp = 0;
  if (a == 0.0) {
    digits.assign(static_cast<std::size_t>(d), '0');
  } else {
    // d.ddd...e+xx with d-1 digits after the point, i.e. d significant digits
    std::string_view s = print(buf, sizeof buf, spill, "%.*e", d - 1, a);
    const auto epos = s.find('e');
    if (s.empty() || epos == std::string_view::npos) return stars(w);
    exp = std::atoi(s.data() + epos + 1) + 1;  // 0.ddd form is one decade up
    // Drop the decimal point after the first digit: "1.234" -> "1234".
    digits.reserve(static_cast<std::size_t>(d));
    digits += s[0];
    if (d > 1) digits.append(s.substr(2, epos - 2));
  }
  char ebuf[8];
  int elen;
  const int aexp = exp < 0 ? -exp : exp;
  if (aexp <= 99) {
    elen = std::snprintf(ebuf, sizeof ebuf, "E%c%02d", exp < 0 ? '-' : '+', aexp);
  } else if (aexp <= 999) {
    elen = std::snprintf(ebuf, sizeof ebuf, "%c%03d", exp < 0 ? '-' : '+', aexp);
  } else {
    return stars(w);
  }
  const auto width = static_cast<std::size_t>(w);
  std::size_t len = (neg ? 1 : 0) + 2 + digits.size() + static_cast<std::size_t>(elen);
  bool lead_zero = true;
  if (len > width) {
    lead_zero = false;
    --len;
  }
  if (len > width) return stars(w);
  std::string out(width - len, ' ');
  if (neg) out += '-';
  if (lead_zero) out += '0';
  out += '.';
  out += digits;
  out.append(ebuf, static_cast<std::size_t>(elen));
  return out;
}

std::string A(std::string_view s, int w) {
  if (w <= 0) return {};
  const auto width = static_cast<std::size_t>(w);
  if (s.size() >= width) return std::string(s.substr(0, width));
  std::string out(width - s.size(), ' ');
  out += s;
  return out;
}

std::string adaptive(double x, int E_) {
  if (std::isnan(x)) return "  Not-a-Number";
  double a = std::fabs(x);
  if (a < pow10_single(-12)) {
    x = 0.0;  // also turns -0.0 and tiny negatives into a plain zero
    a = 0.0;
  }
  const int w = E_ - 1;
  std::string out(1, ' ');
  if (a == 0.0 || a < pow10_single(-25)) {
    out += F(w, E_ - 8, x);
  } else if (a > pow10_single(E_ - 3) - 1.0) {
    out += E(w, E_ - 8, x);
  } else if (a > 10000.0) {
    out += F(w, 0, x);
  } else if (a > pow10_single(9 - E_)) {
    out += F(w, E_ - 7, x);
  } else if (a >= pow10_single(7 - E_)) {
    out += F(w, E_ - 5, x);
  } else {
    out += E(w, E_ - 8, x);
  }
  return out;
}

std::string ivar(long long v, int width) {
  if (width < 1 || width > 16) width = 10;
  return I(width, v);
}

Line& Line::text(std::string_view s) {
  if (pos_ >= buf_.size()) {
    buf_.resize(pos_, ' ');
    buf_ += s;
  } else {
    const std::size_t keep = buf_.size() - pos_;
    if (s.size() <= keep) {
      buf_.replace(pos_, s.size(), s);
    } else {
      buf_.resize(pos_);
      buf_ += s;
    }
  }
  pos_ += s.size();
  return *this;
}

Line& Line::x(int n) {
  if (n > 0) {
    pos_ += static_cast<std::size_t>(n);
    if (pos_ > buf_.size()) buf_.resize(pos_, ' ');
  }
  return *this;
}

Line& Line::tab(int c) {
  pos_ = c > 1 ? static_cast<std::size_t>(c - 1) : 0;
  if (pos_ > buf_.size()) buf_.resize(pos_, ' ');
  return *this;
}

void Line::end() {
  if (sink_ != nullptr) sink_->emit(buf_);
  clear();
}

}  // namespace kavro::fmt
