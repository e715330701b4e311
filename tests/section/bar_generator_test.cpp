// Bar positions on a circle (bundles of 1 to 3 bars) and strand positions on
// a square perimeter, with the geometry errors 39 to 44 of the circle
// generator: their report blocks, the fatal-error values and which of them
// still place the bars.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/errors.h"
#include "engine/output_unit.h"
#include "model/problem_model.h"
#include "section/bar_generator.h"

namespace kavro {
namespace {

constexpr double kPi = std::numbers::pi;

// Collects what the report receives while `f` runs.
template <class F>
std::string report_of(F&& f) {
  const auto path = std::filesystem::temp_directory_path() / ("kavro-bars-" + std::to_string(::getpid()) + ".txt");
  report_unit().open(path.string());
  f();
  report_unit().close();
  std::ifstream in(path);
  std::ostringstream s;
  s << in.rdbuf();
  std::filesystem::remove(path);
  return s.str();
}

class BarGeneratorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    pm.FatalErrorValue = 0;
    x.fill(99.0);
    y.fill(99.0);
  }
  BarCoordinates x, y;
};

TEST_F(BarGeneratorTest, SingleBarsAreEvenlySpacedCounterClockwiseFromAngleZero) {
  double db = 1.0;
  EXPECT_TRUE(Generate_Circular_Bar_Positions(36.0, 3.0, db, 6, 1, x, y));
  EXPECT_EQ(pm.FatalErrorValue, 0);
  const double R = (36.0 - 1.0) / 2 - 3.0;
  for (int k = 0; k < 6; ++k) {
    EXPECT_NEAR(x[k + 1], R * std::cos(k * kPi / 3), 1e-12) << k;
    EXPECT_NEAR(y[k + 1], R * std::sin(k * kPi / 3), 1e-12) << k;
  }
  EXPECT_GT(y[2], 0.0);  // counter-clockwise
  // The tables are cleared beyond the bars.
  EXPECT_EQ(x[7], 0.0);
  EXPECT_EQ(y[300], 0.0);
}

TEST_F(BarGeneratorTest, BundlesOfTwoAndThreeBars) {
  double db = 1.41;
  const double R = (48.0 - db) / 2 - 3.0;
  const double alpha = db / R;
  EXPECT_TRUE(Generate_Circular_Bar_Positions(48.0, 3.0, db, 4, 2, x, y));
  for (int k = 0; k < 4; ++k) {
    const double th = k * kPi / 2;
    EXPECT_NEAR(x[2 * k + 1], R * std::cos(th - alpha / 2), 1e-12);
    EXPECT_NEAR(y[2 * k + 1], R * std::sin(th - alpha / 2), 1e-12);
    EXPECT_NEAR(x[2 * k + 2], R * std::cos(th + alpha / 2), 1e-12);
    EXPECT_NEAR(y[2 * k + 2], R * std::sin(th + alpha / 2), 1e-12);
  }
  EXPECT_EQ(x[9], 0.0);

  EXPECT_TRUE(Generate_Circular_Bar_Positions(48.0, 3.0, db, 4, 3, x, y));
  for (int k = 0; k < 4; ++k) {
    const double th = k * kPi / 2;
    EXPECT_NEAR(std::hypot(x[3 * k + 1], y[3 * k + 1]), R, 1e-12);
    EXPECT_NEAR(std::hypot(x[3 * k + 2], y[3 * k + 2]), R, 1e-12);
    // The third bar lies 0.866 db inside the bar circle, on the bundle's radius.
    EXPECT_NEAR(x[3 * k + 3], (R - 0.8660254037844386 * db) * std::cos(th), 1e-12);
    EXPECT_NEAR(y[3 * k + 3], (R - 0.8660254037844386 * db) * std::sin(th), 1e-12);
  }
  EXPECT_EQ(pm.FatalErrorValue, 0);
}

TEST_F(BarGeneratorTest, ASingleBundleSitsAtTheCentre) {
  double db = 1.0;
  EXPECT_TRUE(Generate_Circular_Bar_Positions(36.0, 3.0, db, 1, 1, x, y));
  EXPECT_EQ(x[1], 0.0);
  EXPECT_EQ(y[1], 0.0);
  EXPECT_TRUE(Generate_Circular_Bar_Positions(36.0, 3.0, db, 1, 2, x, y));
  EXPECT_EQ(x[1], -0.5);
  EXPECT_EQ(x[2], 0.5);
  EXPECT_EQ(y[2], 0.0);
}

TEST_F(BarGeneratorTest, HugeBarDiameterIsZeroedInTheCallersFieldToo) {
  double db = 150.0;
  EXPECT_TRUE(Generate_Circular_Bar_Positions(1000.0, 50.0, db, 4, 1, x, y));
  EXPECT_EQ(db, 0.0);
  EXPECT_DOUBLE_EQ(x[1], 450.0);
}

struct GeneratorError {
  const char* name;
  double D, cover, db;
  int nb, m;
  int state;
  bool result;
  std::string report;
};

const std::string kInput = "PROBLEM:  Input error for calculation of rebar positions.\n";
const std::string kSolution = "SOLUTION: Correct pile geometry data.\n";

class GeneratorErrorTest : public BarGeneratorTest, public ::testing::WithParamInterface<GeneratorError> {};

TEST_P(GeneratorErrorTest, WritesItsBlockAndSetsTheState) {
  const GeneratorError& e = GetParam();
  double db = e.db;
  bool ok = false;
  const std::string rep = report_of([&] { ok = Generate_Circular_Bar_Positions(e.D, e.cover, db, e.nb, e.m, x, y); });
  EXPECT_EQ(rep, e.report);
  EXPECT_EQ(pm.FatalErrorValue, e.state);
  EXPECT_EQ(ok, e.result);
}

INSTANTIATE_TEST_SUITE_P(
    Errors39To44, GeneratorErrorTest,
    ::testing::Values(
        GeneratorError{"39", 1.0, 0.1, 2.0, 4, 1, 239, false,
                       "**** RUNTIME ERROR NO. 39 ****\n\n" + kInput +
                           "          Rebar diameter is greater than pile diameter.\n" + kSolution},
        GeneratorError{"40", -1.0, 0.1, -2.0, 4, 1, 240, false,
                       "**** RUNTIME ERROR NO. 40 ****\n\n" + kInput + "          Pile diameter is less than zero.\n" +
                           kSolution},
        GeneratorError{"41", 36.0, 0.0, 1.0, 4, 1, 241, true,
                       "**** RUNTIME ERROR NO. 41 ****\n\n" + kInput +
                           "          Clear cover over rebar is less than zero.\n" + kSolution},
        GeneratorError{"42 none", 36.0, 3.0, 1.0, 0, 1, 242, true,
                       "**** RUNTIME ERROR NO. 42 ****\n\n" + kInput +
                           "          Number of bar bundles is less than zero or greater than 300.\n" + kSolution},
        GeneratorError{"42 too many", 36.0, 3.0, 1.0, 301, 1, 242, true,
                       "**** RUNTIME ERROR NO. 42 ****\n\n" + kInput +
                           "          Number of bar bundles is less than zero or greater than 300.\n" + kSolution},
        GeneratorError{"43", 36.0, 3.0, 1.0, 4, 4, 243, true,
                       "**** RUNTIME ERROR NO. 43 ****\n\n" + kInput +
                           "          Number of bars per bundle is less than zero or greater than 3.\n" + kSolution},
        GeneratorError{"44", 10.0, 5.0, 1.0, 4, 1, 244, true,
                       "**** RUNTIME ERROR NO. 44 ****\n\nPROBLEM:  Calculation error for rebar positions.\n"
                       "          Computed diameter of rebar circle is less than or equal to zero.\n" +
                           kSolution},
        // Errors after the first two go on: every block is written, the last one decides the state.
        GeneratorError{"41 and 43", 36.0, 0.0, 1.0, 4, 0, 243, true,
                       "**** RUNTIME ERROR NO. 41 ****\n\n" + kInput +
                           "          Clear cover over rebar is less than zero.\n" + kSolution +
                           "**** RUNTIME ERROR NO. 43 ****\n\n" + kInput +
                           "          Number of bars per bundle is less than zero or greater than 3.\n" + kSolution}),
    [](const auto& info) {
      std::string n = info.param.name;
      for (char& c : n)
        if (c == ' ') c = '_';
      return "e" + n;
    });

TEST_F(BarGeneratorTest, ErrorsThatGoOnStillPlaceTheBars) {
  double db = 1.0;
  report_of([&] { Generate_Circular_Bar_Positions(36.0, 0.0, db, 4, 1, x, y); });
  EXPECT_EQ(pm.FatalErrorValue, 241);
  EXPECT_DOUBLE_EQ(x[1], 17.5);
  // A circle of negative radius: bars placed on it with no bundle spread.
  pm.FatalErrorValue = 0;
  report_of([&] { Generate_Circular_Bar_Positions(10.0, 5.0, db, 2, 2, x, y); });
  EXPECT_EQ(pm.FatalErrorValue, 244);
  EXPECT_DOUBLE_EQ(x[1], -0.5);
  EXPECT_DOUBLE_EQ(x[2], -0.5);
  // Bundles of 4 bars place none.
  pm.FatalErrorValue = 0;
  report_of([&] { Generate_Circular_Bar_Positions(36.0, 3.0, db, 4, 4, x, y); });
  EXPECT_EQ(x[1], 0.0);
}

// ---------------------------------------------------------------------------
// Square strand arrangements.

using Points = std::vector<std::pair<double, double>>;

Points square(int arrangement, double B, double cover, double db, int n) {
  BarCoordinates x, y;
  x.fill(99.0);
  y.fill(99.0);
  EXPECT_TRUE(Generate_Square_Strand_Positions(arrangement, B, cover, db, n, x, y));
  Points p;
  for (int i = 1; i <= n; ++i) p.emplace_back(x[i], y[i]);
  EXPECT_EQ(x[n + 1], 99.0);  // untouched beyond the count
  return p;
}

void expect_points(const Points& got, const Points& want) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < got.size(); ++i) {
    EXPECT_NEAR(got[i].first, want[i].first, 1e-12) << "strand " << i + 1;
    EXPECT_NEAR(got[i].second, want[i].second, 1e-12) << "strand " << i + 1;
  }
}

// a = (B - db)/2 - cover = (10 - 0.5)/2 - 1 = 3.75 in these tests.
constexpr double kA = 3.75;

TEST(SquareStrands, FourteenStrandsArrangementOneFavoursTopAndBottom) {
  const double a = kA;
  const double s = 2 * a / 4;  // spacing of 5 strands on a face
  expect_points(square(1, 10.0, 1.0, 0.5, 14),
                {{-a, -a}, {-a + s, -a}, {0, -a}, {a - s, -a}, {a, -a},  // bottom, left to right
                 {a, 0}, {a, 2.5},                                       // right face from mid-height
                 {a, a}, {a - s, a}, {0, a}, {-a + s, a}, {-a, a},       // top, right to left
                 {-a, 0}, {-a, -2.5}});                                  // left face
}

TEST(SquareStrands, FourteenStrandsArrangementTwoFavoursTheSides) {
  const double a = kA;
  const double s = 2 * a / 3;
  expect_points(square(2, 10.0, 1.0, 0.5, 14),
                {{-a, -a}, {-a + s, -a}, {a - s, -a}, {a, -a},
                 {a, -a / 2}, {a, 0}, {a, a / 2},
                 {a, a}, {a - s, a}, {-a + s, a}, {-a, a},
                 {-a, a / 2}, {-a, 0}, {-a, -a / 2}});
}

TEST(SquareStrands, MultiplesOfFourAgreeAndOddCountsEndAtTheCentre) {
  expect_points(square(1, 10.0, 1.0, 0.5, 16), square(2, 10.0, 1.0, 0.5, 16));
  expect_points(square(1, 10.0, 1.0, 0.5, 4), {{-kA, -kA}, {kA, -kA}, {kA, kA}, {-kA, kA}});
  Points odd = square(1, 10.0, 1.0, 0.5, 15);
  Points even = square(1, 10.0, 1.0, 0.5, 14);
  even.emplace_back(0.0, 0.0);
  expect_points(odd, even);
}

TEST(SquareStrands, SmallCounts) {
  expect_points(square(1, 10.0, 1.0, 0.5, 1), {{0, 0}});
  expect_points(square(2, 10.0, 1.0, 0.5, 1), {{0, 0}});
  expect_points(square(1, 10.0, 1.0, 0.5, 2), {{-kA, -kA}, {kA, kA}});
  expect_points(square(1, 10.0, 1.0, 0.5, 3), {{-kA, -kA}, {kA, kA}, {0, 0}});
  // Arrangement 2 puts two strands at the middle of the side faces.
  expect_points(square(2, 10.0, 1.0, 0.5, 2), {{kA, 0}, {-kA, 0}});
  expect_points(square(2, 10.0, 1.0, 0.5, 3), {{kA, 0}, {-kA, 0}, {0, 0}});
  // Six strands: arrangement 1 three per face, arrangement 2 two per face and one per side.
  expect_points(square(1, 10.0, 1.0, 0.5, 6), {{-kA, -kA}, {0, -kA}, {kA, -kA}, {kA, kA}, {0, kA}, {-kA, kA}});
  expect_points(square(2, 10.0, 1.0, 0.5, 6), {{-kA, -kA}, {kA, -kA}, {kA, 0}, {kA, kA}, {-kA, kA}, {-kA, 0}});
}

TEST(SquareStrands, FullTableStaysInside) {
  BarCoordinates x, y;
  EXPECT_TRUE(Generate_Square_Strand_Positions(1, 100.0, 2.0, 0.5, 300, x, y));
  EXPECT_NEAR(x[300], -(100.0 - 0.5) / 2 + 2.0, 1e-12);
  EXPECT_TRUE(Generate_Square_Strand_Positions(2, 100.0, 2.0, 0.5, 299, x, y));
  EXPECT_EQ(x[299], 0.0);
}

// The record-level entries read their inputs from the section.
TEST_F(BarGeneratorTest, SectionEntriesUseTheSectionFields) {
  PileSection& s = pm.pile.Section[2];
  s.SectionDiameter = 36.0;
  s.ConcreteCover = 3.0;
  s.CageBarDiameter = 1.0;
  s.NumBars = 12;
  s.BarsPerBundle = 2;
  EXPECT_TRUE(Place_Circular_Rebar(s));
  EXPECT_EQ(pm.FatalErrorValue, 0);
  EXPECT_NEAR(std::hypot(s.BarX[12], s.BarY[12]), 14.5, 1e-12);
  EXPECT_EQ(s.BarX[13], 0.0);

  s.StrandCover = 3.0;
  s.StrandDiameter = 0.5;
  s.NumStrands = 4;
  s.StrandArrangement = 1;
  EXPECT_TRUE(Place_Strands(s));
  EXPECT_NEAR(s.BarX[1], -14.75, 1e-12);
  s.StrandArrangement = 0;
  EXPECT_TRUE(Place_Strands(s));
  EXPECT_NEAR(s.BarX[1], 14.75, 1e-12);
  EXPECT_NEAR(s.BarY[2], 14.75, 1e-12);
}

}  // namespace
}  // namespace kavro
