// Decks with a bad value in an otherwise sound example: each ends with a
// clear message and a non-zero status, or completes without a NaN among the
// printed numbers.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "tests/support/run_kgo.h"

using kavro::test::read_source_file;
using kavro::test::run_kgo;

namespace {

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The deck with every line equal to `from` replaced by `to`.
std::string with_line(const std::string& deck, const std::string& from, const std::string& to) {
  std::string out, line;
  std::size_t pos = 0, replaced = 0;
  while (pos < deck.size()) {
    std::size_t end = deck.find('\n', pos);
    if (end == std::string::npos) end = deck.size();
    line = deck.substr(pos, end - pos);
    if (line == from) {
      line = to;
      ++replaced;
    }
    out += line + "\n";
    pos = end + 1;
  }
  EXPECT_GT(replaced, 0u) << "no line \"" << from << "\"";
  return out;
}

bool has_nan(const std::string& text) {
  static const std::regex nan(R"((^|[^A-Za-z])(NaN|Not-a-Number)([^A-Za-z]|$))");
  return std::regex_search(text, nan);
}

struct BadValueCase {
  const char* example;
  const char* line;
  const char* replacement;
  int line_number;  // of the bad value in the deck
};

// Infinities and NaNs read as numbers but are no value of a pile problem.
TEST(BadInput, NonFiniteValuesStopWithInputError81) {
  const BadValueCase cases[] = {
      {"examples/elastic_pipe_soft_clay.inp", "29000000.0", "nan", 33},
      {"examples/elastic_pipe_soft_clay.inp", "MaxDefl 100.0", "MaxDefl inf", 18},
      {"examples/elastic_pipe_soft_clay.inp", " 50.0 400.0 0.020", " 50.0 1e400 0.020", 45},
      {"examples/elastic_pipe_soft_clay.inp", "2 1 25000.0 0.0 20000.0 1", "2 1 -Infinity 0.0 20000.0 1", 68},
      {"examples/drilled_shaft_soft_clay.inp", "60000.0", "NaN(0)", 39},
      {"examples/prestressed_sections_ei_only_si.inp", "1 2000.0", "1 3*inf", 102},
  };
  for (const auto& c : cases) {
    const std::string deck = with_line(read_source_file(c.example), c.line, c.replacement);
    auto r = run_kgo(deck);
    ASSERT_FALSE(r.crashed) << c.replacement;
    EXPECT_EQ(r.status, 181) << c.example << ": " << c.replacement;
    for (const std::string* out : {&r.report, &r.messages}) {
      EXPECT_TRUE(contains(*out, " on line " + std::to_string(c.line_number) +
                                     " of the input data file is not a finite number."))
          << c.example << ": " << c.replacement << "\n" << *out;
      std::string echoed = "\n";
      echoed += c.replacement;
      echoed += '\n';
      EXPECT_TRUE(contains(*out, echoed)) << c.replacement;
    }
  }
}

// A very weak concrete, whose modulus of rupture exceeds f'c, still has a
// tensile strain at fracture (that of the tension parabola's extreme).
TEST(BadInput, WeakConcreteHasNoNaNResults) {
  const std::string deck = with_line(read_source_file("examples/prestressed_sections_ei_only_si.inp"), "41400.0", "52.0");
  auto r = run_kgo(deck);
  ASSERT_FALSE(r.crashed);
  EXPECT_LE(r.status, 0) << r.messages;
  EXPECT_FALSE(has_nan(r.report));
  EXPECT_FALSE(has_nan(r.plot));
  EXPECT_TRUE(contains(r.report, "Compression Strain at Peak Stress                      =    0.0000819\n"
                               "Tensile Strain at Fracture of Concrete                 =   -0.0000819\n"))
      << r.report;
}

// A user-input p-y curve is interpolated segment by segment and starts with
// the slope p/y of its second point: its deflections must start at zero or
// above and increase.
TEST(BadInput, UserPYCurveDeflectionsMustIncrease) {
  struct Case {
    const char* from;
    const char* to;
    const char* message;
  } const cases[] = {
      {" 0.05 800.0", " 0.0 800.0",
       "Point 2 of the user-input p-y curve at the bottom of soil layer 3 has the deflection 0.000000, not more than "
       "that of point 1."},
      {" 0.6 1800.0", " 0.2 1800.0",
       "Point 4 of the user-input p-y curve at the top of soil layer 3 has the deflection 0.2000000, not more than that "
       "of point 3."},
      {" 0.0 0.0", " -0.01 0.0",
       "Point 1 of the user-input p-y curve at the top of soil layer 3 has the deflection -0.0100000, less than zero."},
  };
  for (const auto& c : cases) {
    auto r = run_kgo(with_line(read_source_file("examples/elastic_pipe_soft_clay.inp"), c.from, c.to));
    ASSERT_FALSE(r.crashed) << c.to;
    EXPECT_EQ(r.status, 191) << c.to;
    for (const std::string* out : {&r.report, &r.messages})
      EXPECT_TRUE(contains(*out, "**** Input Data Error No. 91 ****\n\n" + std::string(c.message) + "\n")) << *out;
  }
}

// The concrete law takes square roots of f'c and the p-y curves scale with
// the pile width: negative values stop at the reader; a zero strength (no
// concrete strength) is analysed.
TEST(BadInput, NegativeSectionValuesStopWithInputError92) {
  struct Case {
    const char* example;
    const char* from;
    const char* to;
    int status;
    const char* message;
  } const cases[] = {
      {"examples/drilled_shaft_soft_clay.inp", "4000.0", "-1.0", 192,
       "The compressive strength of concrete of section 1 is -1.0000000. It cannot be negative."},
      {"examples/prestressed_sections_ei_only_si.inp", "41400.0", "-0.5", 192,
       "The compressive strength of concrete of section 1 is -0.5000000. It cannot be negative."},
      {"examples/drilled_shaft_soft_clay.inp", "4000.0", "0.0", 0, ""},
      {"examples/elastic_plastic_pile_soft_clay_si.inp", "610.0", "-610.0", 192,
       "The pile width at the top of section 1 is -0.6100000. It cannot be negative."},
      {"examples/elastic_pipe_soft_clay.inp", "24.0", "-24.0", 192,
       "The pile width at the top of section 1 is -24.0000000. It cannot be negative."},
  };
  for (const auto& c : cases) {
    auto r = run_kgo(with_line(read_source_file(c.example), c.from, c.to));
    ASSERT_FALSE(r.crashed) << c.example << " " << c.to;
    EXPECT_EQ(r.status, c.status) << c.example << " " << c.to;
    if (c.status == 0) {
      EXPECT_FALSE(has_nan(r.report));
      continue;
    }
    const std::string text = "**** Input Data Error No. 92 ****\n\n" + std::string(c.message) + "\n";
    EXPECT_TRUE(contains(r.report, text)) << r.report;
    EXPECT_TRUE(contains(r.messages, text)) << r.messages;
  }
}

}  // namespace
