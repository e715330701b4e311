#include "report/fortran_format.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

namespace kavro::fmt {
namespace {

// Parses "F12.3" / "E9.2" / "I5" / "N10" / "V17" into letter, w and d.
struct Descriptor {
  char kind = 0;
  int w = 0;
  int d = 0;
};

bool parse_descriptor(const std::string& s, Descriptor& out) {
  if (s.size() < 2) return false;
  out.kind = s[0];
  const auto dot = s.find('.');
  try {
    out.w = std::stoi(s.substr(1, dot == std::string::npos ? std::string::npos : dot - 1));
    out.d = dot == std::string::npos ? 0 : std::stoi(s.substr(dot + 1));
  } catch (...) {
    return false;
  }
  return true;
}

double from_hex(const std::string& h) {
  return std::bit_cast<double>(static_cast<std::uint64_t>(std::stoull(h, nullptr, 16)));
}

// Every row of the table written by tests/report/gen/fmt_table.f90 with
// gfortran: descriptor|value|field, the field being gfortran's output.
TEST(FortranFormatTable, MatchesGfortranOnEveryRow) {
  const std::string path = std::string(KAVRO_SOURCE_DIR) + "/tests/data/fortran_format_table.txt";
  std::ifstream in(path);
  ASSERT_TRUE(in) << "cannot open " << path;
  std::string line;
  int rows = 0;
  int lineno = 0;
  while (std::getline(in, line)) {
    ++lineno;
    if (line.empty() || line[0] == '#') continue;
    const auto p1 = line.find('|');
    const auto p2 = p1 == std::string::npos ? p1 : line.find('|', p1 + 1);
    ASSERT_NE(p2, std::string::npos) << "malformed line " << lineno << ": " << line;
    const std::string desc = line.substr(0, p1);
    const std::string value = line.substr(p1 + 1, p2 - p1 - 1);
    const std::string expected = line.substr(p2 + 1);
    Descriptor dd;
    ASSERT_TRUE(parse_descriptor(desc, dd)) << "line " << lineno << ": " << line;
    std::string got;
    switch (dd.kind) {
      case 'I': got = dd.w == 0 ? I0(std::stoll(value)) : I(dd.w, std::stoll(value)); break;
      case 'V': got = ivar(std::stoll(value), dd.w); break;
      case 'F': got = F(dd.w, dd.d, from_hex(value)); break;
      case 'E': got = E(dd.w, dd.d, from_hex(value)); break;
      case 'N': got = adaptive(from_hex(value), dd.w); break;
      default: FAIL() << "unknown descriptor on line " << lineno << ": " << line;
    }
    EXPECT_EQ(got, expected) << desc << " of " << value << " (line " << lineno << ")";
    ++rows;
  }
  EXPECT_GT(rows, 0) << "no rows read from " << path;
}

TEST(FortranFormat, BadArgumentsGiveBlankOrStarredFields) {
  EXPECT_EQ(F(0, 2, 1.0), "");
  EXPECT_EQ(F(-4, 2, 1.0), "");
  EXPECT_EQ(F(6, -1, 1.0), "******");
  EXPECT_EQ(E(0, 2, 1.0), "");
  EXPECT_EQ(E(8, 0, 1.0), "********");  // Ew.0 is not a valid edit
  EXPECT_EQ(E(8, 9, 1.0), "********");
  EXPECT_EQ(I(-1, 5), "");
  EXPECT_EQ(I(0, -5), "-5");  // I0
  // A wide field with the value's full digits and a far-right decimal point.
  const std::string wide = F(400, 2, 1e300);
  ASSERT_EQ(wide.size(), 400u);
  EXPECT_EQ(wide.substr(wide.size() - 3), ".00");
  EXPECT_EQ(wide.find_first_not_of(' '), 400u - 304u);
  EXPECT_EQ(F(200, 150, 0.5).substr(0, 49), std::string(48, ' ') + "0");
}

TEST(FortranFormat, AEditCutsOrPadsLeft) {
  EXPECT_EQ(A("abc", 5), "  abc");
  EXPECT_EQ(A("abcdef", 3), "abc");
  EXPECT_EQ(A("abc", 3), "abc");
  EXPECT_EQ(A("abc", 0), "");
}

TEST(AdaptiveField, EdgeCases) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    double x;
    int E;
    const char* want;
  };
  const Case cases[] = {
      {0.0, 10, "      0.00"},
      {-0.0, 10, "      0.00"},
      {-1e-13, 10, "      0.00"},        // below 1e-12: a plain zero, no sign
      {10000.0, 10, " 10000.000"},       // 10000 itself keeps E-7 decimals
      {std::nextafter(10000.0, 2e4), 10, "    10000."},
      {10000.0, 15, " 10000.00000000"},
      {0.0005, 10, "  0.50E-03"},
      {0.05, 10, "   0.05000"},
      {0.001, 10, "  0.10E-02"},         // 0.001 < single 1e-3, so E form
      {static_cast<double>(1e-3f), 10, "   0.00100"},
      {0.1, 10, "   0.10000"},
      {static_cast<double>(1e-1f), 10, "   0.10000"},
      {std::nextafter(static_cast<double>(1e-1f), 1.0), 10, "     0.100"},
      {9999999.0, 10, "  9999999."},
      {9999999.5, 10, "  0.10E+08"},
      {-1.5e7, 12, "  -15000000."},
      {nan, 10, "  Not-a-Number"},
      {nan, 15, "  Not-a-Number"},
  };
  for (const Case& c : cases) EXPECT_EQ(adaptive(c.x, c.E), c.want) << c.x << " E=" << c.E;
}

TEST(IntegerField, WidthsOutsideOneToSixteenBecomeTen) {
  EXPECT_EQ(ivar(42, 0), "        42");
  EXPECT_EQ(ivar(42, 17), "        42");
  EXPECT_EQ(ivar(42, -2), "        42");
  EXPECT_EQ(ivar(42, 16), std::string(14, ' ') + "42");
  EXPECT_EQ(ivar(-42, 1), "*");
  EXPECT_EQ(ivar(12345678901LL, 0), "**********");
}

struct Collect final : LineSink {
  std::vector<std::string> lines;
  void emit(const std::string& line) override { lines.push_back(line); }
};

TEST(LineBuilder, TabBackOverwritesAndKeepsLength) {
  Line l;
  l.text("abcdefghij").tab(3).text("XY");
  EXPECT_EQ(l.str(), "abXYefghij");
  EXPECT_EQ(l.column(), 5);
  l.x(2).text("Z");  // nX skips over existing text without blanking it
  EXPECT_EQ(l.str(), "abXYefZhij");
  l.tab(9).text("1234");  // runs past the end: the line grows
  EXPECT_EQ(l.str(), "abXYefZh1234");
}

TEST(LineBuilder, TabForwardAndXPadWithBlanks) {
  Line l;
  l.text("ab").tab(6);
  EXPECT_EQ(l.str(), "ab   ");
  EXPECT_EQ(l.column(), 6);
  l.text("c").x(3);
  EXPECT_EQ(l.str(), "ab   c   ");
  l.at(12, "d").i(4, -7).f(6, 2, 0.5).num(0.0, 10).iv(3, 0);
  EXPECT_EQ(l.str(), "ab   c     d  -7  0.50      0.00         3");
  l.tab(0).text("Q");  // columns before 1 mean column 1
  EXPECT_EQ(l.str().front(), 'Q');
}

TEST(LineBuilder, EndHandsLineToSinkAndStartsAfresh) {
  Collect sink;
  Line l(&sink);
  l.text("first").x(2);
  l.end();
  l.end();  // an empty line is still a line
  l.i0(12).e(11, 4, -1234.5);  // an exact tie: to the even digit
  EXPECT_EQ(l.column(), 14);
  l.end();
  ASSERT_EQ(sink.lines.size(), 3u);
  EXPECT_EQ(sink.lines[0], "first  ");
  EXPECT_EQ(sink.lines[1], "");
  EXPECT_EQ(sink.lines[2], "12-0.1234E+04");
  EXPECT_EQ(l.str(), "");
  EXPECT_EQ(l.column(), 1);

  Line unsunk;
  unsunk.text("dropped").end();
  EXPECT_EQ(unsunk.str(), "");
}

}  // namespace
}  // namespace kavro::fmt
