// Loading and analysis-option sections read directly from text: the values
// stored, the number of lines each section consumes, the sorting of thrusts
// and p-y output depths, the thrust list built at the end of the input, and
// the capacity checks of every count.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "engine/errors.h"
#include "input/readers.h"
#include "model/problem_model.h"

namespace kavro {
namespace {

using input::LineSource;
using Reader = void (*)(LineSource&);

void reset_model(int units) {
  initialise_run_state();
  pm.options = RunOptions{};
  pm.options.IUNITS = units;
  pm.loads = Loading{};
  pm.lrfd = LRFDData{};
  pm.data = AnalysisData{};
  pm.pile.NumSections = 1;
}

// Runs a reader on the lines after its keyword, followed by a sentinel line;
// returns the first line the reader left unread.
std::string read_section(Reader reader, const std::string& body) {
  LineSource src;
  src.open_text(body + "NEXT SECTION\n");
  reader(src);
  std::string line;
  return src.next(line) ? line : "<end of file>";
}

// "n\n" followed by n lines made by `row`(k).
template <class Row>
std::string counted(int n, Row row) {
  std::string s = std::to_string(n) + "\n";
  for (int k = 1; k <= n; ++k) s += row(k) + "\n";
  return s;
}

// ---------------------------------------------------------------------------
// LOADING

TEST(LoadingSection, StoresCasesFlagsAndDistributedLoads) {
  reset_model(kUnitsUS);
  const std::string body =
      "3\n"
      "1 1 1000.0 -2.5E4 300.0 1\n"
      "2, 4, 0.25, 0.0, 0, 2\n"
      "3 5 0.5\n 0.001 -100 0\n"  // a line may continue on the next
      "2\n"
      "1 0.0 10.0\n"
      "2 50.0 12.5\n";
  ASSERT_EQ(read_section(input::Read_Loading, body), "NEXT SECTION");
  ASSERT_EQ(pm.FatalErrorValue, 0);
  const Loading& L = pm.loads;
  EXPECT_EQ(L.NumLoadCases, 3);
  EXPECT_EQ(L.LoadType[1], 1);
  EXPECT_EQ(L.LoadValue1[1], 1000.0);
  EXPECT_EQ(L.LoadValue2[1], -2.5e4);
  EXPECT_EQ(L.AxialThrust[1], 300.0);
  EXPECT_EQ(L.LoadType[2], 4);
  EXPECT_EQ(L.LoadValue1[2], 0.25);
  EXPECT_EQ(L.LoadType[3], 5);
  EXPECT_EQ(L.LoadValue2[3], 0.001);
  EXPECT_EQ(L.AxialThrust[3], -100.0);
  // Deflection versus length is asked for by any flag but 1.
  EXPECT_FALSE(L.ComputeYtopVsLength[1]);
  EXPECT_TRUE(L.ComputeYtopVsLength[2]);
  EXPECT_TRUE(L.ComputeYtopVsLength[3]);
  EXPECT_EQ(L.NumDistLoadPoints, 2);
  EXPECT_EQ(L.DistLoadX[2], 50.0);
  EXPECT_EQ(L.DistLoadIntensity[2], 12.5);
  EXPECT_EQ(L.DistLoadIntensity[1], 10.0);
}

TEST(LoadingSection, NoDistributedPointsLeavesTwoZeroPoints) {
  for (const char* count : {"0", "-3"}) {
    reset_model(kUnitsSI);
    pm.loads.DistLoadX[1] = pm.loads.DistLoadX[2] = 7.0;
    pm.loads.DistLoadIntensity[1] = pm.loads.DistLoadIntensity[2] = 9.0;
    pm.loads.DistLoadX[3] = 4.0;
    const std::string body = std::string("1\n1 2 10 0 0 1\n") + count + "\n";
    ASSERT_EQ(read_section(input::Read_Loading, body), "NEXT SECTION") << count;
    ASSERT_EQ(pm.FatalErrorValue, 0);
    for (int k : {1, 2}) {
      EXPECT_EQ(pm.loads.DistLoadX[k], 0.0);
      EXPECT_EQ(pm.loads.DistLoadIntensity[k], 0.0);
    }
    EXPECT_EQ(pm.loads.DistLoadX[3], 4.0);  // only the first two points are cleared
  }
}

TEST(LoadingSection, ALaterOccurrenceReplacesTheEarlierOne) {
  reset_model(kUnitsUS);
  ASSERT_EQ(read_section(input::Read_Loading, "2\n1 1 1 0 0 1\n2 3 2 9 0 1\n2\n1 0 1\n2 5 1\n"), "NEXT SECTION");
  ASSERT_EQ(read_section(input::Read_Loading, "1\n1 2 5 0 0 1\n0\n"), "NEXT SECTION");
  EXPECT_EQ(pm.loads.NumLoadCases, 1);
  EXPECT_EQ(pm.loads.LoadType[1], 2);
  EXPECT_EQ(pm.loads.LoadValue1[1], 5.0);
  EXPECT_EQ(pm.loads.NumDistLoadPoints, 0);
  EXPECT_EQ(pm.loads.DistLoadX[2], 0.0);
}

// ---------------------------------------------------------------------------
// AXIAL THRUST LOADS

TEST(AxialThrustSection, SortsThrustsAndClearsTheThrustList) {
  reset_model(kUnitsUS);
  pm.loads.EIThrustList[1] = 5.0;
  pm.loads.EIThrustList[100] = 5.0;
  ASSERT_EQ(read_section(input::Read_Axial_Thrust_Loads, "4\n1 300\n2 -50\n3 200\n4 100.0\n"), "NEXT SECTION");
  ASSERT_EQ(pm.FatalErrorValue, 0);
  EXPECT_EQ(pm.loads.NumLoadCases, 4);
  const double sorted[] = {-50, 100, 200, 300};
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(pm.loads.AxialThrust[i], sorted[i - 1]) << i;
  EXPECT_EQ(pm.loads.EIThrustList[1], 0.0);
  EXPECT_EQ(pm.loads.EIThrustList[100], 0.0);
}

TEST(AxialThrustSection, CountBelowOneMeansOneCaseAndNoLines) {
  for (const char* count : {"0", "-2"}) {
    reset_model(kUnitsUS);
    pm.loads.NumLoadCases = 7;
    EXPECT_EQ(read_section(input::Read_Axial_Thrust_Loads, std::string(count) + "\n"), "NEXT SECTION");
    EXPECT_EQ(pm.FatalErrorValue, 0);
    EXPECT_EQ(pm.loads.NumLoadCases, 1);
  }
}

// ---------------------------------------------------------------------------
// TIP SHEAR, PILE BATTER AND SLOPE, GROUPEFF

TEST(TipShearSection, StoresCurvePoints) {
  reset_model(kUnitsUS);
  ASSERT_EQ(read_section(input::Read_Tip_Shear, "3\n1 0 0\n2 0.1 500\n3 0.5 800\n"), "NEXT SECTION");
  EXPECT_EQ(pm.data.NumTipShearPoints, 3);
  EXPECT_EQ(pm.data.TipShearDisplacement[2], 0.1);
  EXPECT_EQ(pm.data.TipShearForce[2], 500.0);
  EXPECT_EQ(pm.data.TipShearDisplacement[3], 0.5);
  EXPECT_EQ(pm.data.TipShearForce[3], 800.0);

  reset_model(kUnitsUS);
  EXPECT_EQ(read_section(input::Read_Tip_Shear, "0\n"), "NEXT SECTION");
  EXPECT_EQ(pm.data.NumTipShearPoints, 0);
}

TEST(BatterAndSlopeSection, ConvertsDegreesToRadians) {
  reset_model(kUnitsUS);
  ASSERT_EQ(read_section(input::Read_Batter_And_Slope, "0.0\n10.0\n"), "NEXT SECTION");
  EXPECT_EQ(pm.data.GroundSlopeAngle, 0.0);
  EXPECT_EQ(pm.data.BatterAngle, 0.17453292519943295);
  EXPECT_EQ(pm.data.EffectiveSlopeAngle, -0.17453292519943295);

  reset_model(kUnitsSI);
  ASSERT_EQ(read_section(input::Read_Batter_And_Slope, "30\n-15\n"), "NEXT SECTION");
  EXPECT_DOUBLE_EQ(pm.data.GroundSlopeAngle, 0.5235987755982988);
  EXPECT_DOUBLE_EQ(pm.data.EffectiveSlopeAngle, 0.5235987755982988 + 0.2617993877991494);
}

TEST(PYModifierSection, StoresRowsAndReplacesTheOptionFlag) {
  reset_model(kUnitsUS);
  pm.data.NumPYModifierRows = 1;  // set by "UsePYModifiers YES"
  ASSERT_EQ(read_section(input::Read_PY_Modifiers, "2\n1 0.0 0.8 1.0\n2 20.0 0.6 1.5\n"), "NEXT SECTION");
  EXPECT_EQ(pm.data.NumPYModifierRows, 2);
  EXPECT_EQ(pm.data.PMultiplierX[2], 20.0);
  EXPECT_EQ(pm.data.PMultiplier[2], 0.6);
  EXPECT_EQ(pm.data.YMultiplier[2], 1.5);
  EXPECT_EQ(pm.data.PMultiplier[1], 0.8);

  reset_model(kUnitsUS);
  pm.data.NumPYModifierRows = 1;
  EXPECT_EQ(read_section(input::Read_PY_Modifiers, "0\n"), "NEXT SECTION");
  EXPECT_EQ(pm.data.NumPYModifierRows, 0);
}

// ---------------------------------------------------------------------------
// SOIL MOVEMENTS

TEST(SoilMovementSection, SiMovementsAreInputInMillimetres) {
  struct Case {
    int units;
    double movement;  // stored value of an input of 25
  };
  for (const Case c : {Case{kUnitsUS, 25.0}, Case{kUnitsSI, 0.025}, Case{kUnitsGeneric, 25.0}}) {
    reset_model(c.units);
    ASSERT_EQ(read_section(input::Read_Soil_Movements, "2\n1 0.0 25\n2 3.5 0\n"), "NEXT SECTION");
    ASSERT_EQ(pm.FatalErrorValue, 0);
    EXPECT_EQ(pm.data.NumSoilMovementPoints, 2);
    EXPECT_EQ(pm.data.SoilMovementValue[1], c.movement) << c.units;
    EXPECT_EQ(pm.data.SoilMovementX[2], 3.5) << "positions keep the large length unit";
  }
}

TEST(SoilMovementSection, CountOutside2To100StopsWithError53) {
  for (int n : {-1, 0, 1, 101}) {
    reset_model(kUnitsUS);
    pm.data.NumSoilMovementPoints = 5;
    read_section(input::Read_Soil_Movements,
                 counted(n, [](int k) { return std::to_string(k) + " " + std::to_string(k) + " 0.1"; }));
    EXPECT_EQ(pm.FatalErrorValue, 153) << n;
    EXPECT_EQ(pm.data.NumSoilMovementPoints, 5) << "a rejected count is not stored";
  }
  for (int n : {2, 100}) {
    reset_model(kUnitsUS);
    EXPECT_EQ(read_section(input::Read_Soil_Movements,
                           counted(n, [](int k) { return std::to_string(k) + " " + std::to_string(k) + " 0.1"; })),
              "NEXT SECTION");
    EXPECT_EQ(pm.FatalErrorValue, 0) << n;
    EXPECT_EQ(pm.data.NumSoilMovementPoints, n);
    EXPECT_EQ(pm.data.SoilMovementX[n], double(n));
  }
}

// ---------------------------------------------------------------------------
// DEPTHS OF PRINTED P-Y CURVES

std::vector<double> output_depths() {
  std::vector<double> v;
  for (int k = 1; k <= pm.data.NumPYOutputDepths; ++k) v.push_back(pm.data.PYOutput[k].PYOutputDepth);
  return v;
}

TEST(PYOutputDepthSection, SortsAndDropsNearDuplicates) {
  struct Case {
    const char* body;
    std::vector<double> depths;
  };
  const Case cases[] = {
      {"4\n1 10\n2 5\n3 5.0000005\n4 20\n", {5, 10, 20}},
      {"4\n1 3\n2 3\n3 3\n4 1\n", {1, 3}},
      {"3\n1 5.000002\n2 5\n3 -1\n", {-1, 5, 5.000002}},  // 2e-6 apart: both stay
      {"1\n1 7.5\n", {7.5}},
      {"0\n", {}},
  };
  for (const Case& c : cases) {
    reset_model(kUnitsUS);
    pm.options.PrintPYCurves = true;
    ASSERT_EQ(read_section(input::Read_PY_Output_Depths, c.body), "NEXT SECTION") << c.body;
    EXPECT_EQ(output_depths(), c.depths) << c.body;
  }
}

TEST(PYOutputDepthSection, ClearsYValuesOfEveryRecord) {
  reset_model(kUnitsUS);
  pm.options.PrintPYCurves = true;
  for (int k : {1, 2, 100}) {
    pm.data.PYOutput[k].NumYValues = 3;
    pm.data.PYOutput[k].YValue[50] = 1.0;
    pm.data.PYOutput[k].HasYValues = true;
  }
  ASSERT_EQ(read_section(input::Read_PY_Output_Depths, "2\n1 4.0\n2 2.0\n"), "NEXT SECTION");
  for (int k : {1, 2, 100}) {
    EXPECT_EQ(pm.data.PYOutput[k].NumYValues, 0) << k;
    EXPECT_EQ(pm.data.PYOutput[k].YValue[50], 0.0) << k;
    EXPECT_FALSE(pm.data.PYOutput[k].HasYValues) << k;
  }
}

TEST(PYOutputDepthSection, WithoutTheOptionReadsNothingButSortsTheCurrentList) {
  reset_model(kUnitsUS);
  pm.options.PrintPYCurves = false;
  pm.data.NumPYOutputDepths = 3;
  pm.data.PYOutput[1].PYOutputDepth = 9;
  pm.data.PYOutput[2].PYOutputDepth = 2;
  pm.data.PYOutput[3].PYOutputDepth = 2;
  EXPECT_EQ(read_section(input::Read_PY_Output_Depths, "1\n1 4.0\n"), "1");
  EXPECT_EQ(output_depths(), (std::vector<double>{2, 9}));
}

// ---------------------------------------------------------------------------
// FOUNDATION STIFFNESS, PILE PUSHOVER ANALYSIS DATA, PILE BUCKLING ANALYSIS DATA

TEST(FoundationStiffnessSection, MaximaAreReadOnlyForMethod2) {
  reset_model(kUnitsUS);
  ASSERT_EQ(read_section(input::Read_Foundation_Stiffness, "2\n8\n1\n0.5\n0.01\n"), "NEXT SECTION");
  const AnalysisData& d = pm.data;
  EXPECT_EQ(d.KmatrixMethod, 2);
  EXPECT_EQ(d.NumKmatrixPoints, 8);
  EXPECT_EQ(d.KmatrixPointSpacing, 1);
  EXPECT_EQ(d.KmatrixMaxDeflection, 0.5);
  EXPECT_EQ(d.KmatrixMaxRotation, 0.01);

  for (const char* method : {"0", "1"}) {
    reset_model(kUnitsUS);
    EXPECT_EQ(read_section(input::Read_Foundation_Stiffness, std::string(method) + "\n5\n0\n"), "NEXT SECTION");
    EXPECT_EQ(pm.data.NumKmatrixPoints, 5);
    EXPECT_EQ(pm.data.KmatrixMaxDeflection, 0.0);
  }
}

TEST(PushoverSection, LinesFollowTheDeflectionDistribution) {
  reset_model(kUnitsUS);
  ASSERT_EQ(read_section(input::Read_Pushover_Data, "2\n0\n20\n5.0\n0.01\n1000\n"), "NEXT SECTION");
  const AnalysisData& d = pm.data;
  EXPECT_EQ(d.PushoverHeadFixity, 2);
  EXPECT_EQ(d.PushoverPointSpacing, 0);
  EXPECT_EQ(d.NumPushoverPoints, 20);
  EXPECT_EQ(d.PushoverMaxDeflection, 5.0);
  EXPECT_EQ(d.PushoverMinDeflection, 0.01);
  EXPECT_EQ(d.PushoverAxialThrust, 1000.0);

  reset_model(kUnitsUS);
  ASSERT_EQ(read_section(input::Read_Pushover_Data, "1\n2\n3\n0.1\n0.4\n0.9\n-50\n"), "NEXT SECTION");
  EXPECT_EQ(d.NumPushoverPoints, 3);
  EXPECT_EQ(d.PushoverDeflection[1], 0.1);
  EXPECT_EQ(d.PushoverDeflection[3], 0.9);
  EXPECT_EQ(d.PushoverMaxDeflection, 0.0);
  EXPECT_EQ(d.PushoverAxialThrust, -50.0);

  // Another distribution code reads neither the range nor a list.
  reset_model(kUnitsUS);
  ASSERT_EQ(read_section(input::Read_Pushover_Data, "0\n7\n3\n250\n"), "NEXT SECTION");
  EXPECT_EQ(d.PushoverAxialThrust, 250.0);
}

TEST(BucklingSection, ReadsAllSevenLines) {
  reset_model(kUnitsSI);
  ASSERT_EQ(read_section(input::Read_Buckling_Data, "1\n10\n25.0\n-3.0\n0.002\n1.0E5\n4000\n"), "NEXT SECTION");
  const AnalysisData& d = pm.data;
  EXPECT_EQ(d.BucklingHeadFixity, 1);
  EXPECT_EQ(d.NumBucklingLoads, 10);
  EXPECT_EQ(d.BucklingHeadShear, 25.0);
  EXPECT_EQ(d.BucklingHeadMoment, -3.0);
  EXPECT_EQ(d.BucklingHeadSlope, 0.002);
  EXPECT_EQ(d.BucklingHeadRotStiffness, 1.0e5);
  EXPECT_EQ(d.BucklingMaxCompression, 4000.0);
}

// ---------------------------------------------------------------------------
// Thrust list prepared at the end of the input

std::vector<double> thrust_list() {
  std::vector<double> v;
  for (int k = 1; k <= pm.loads.NumEIThrusts; ++k) v.push_back(pm.loads.EIThrustList[k]);
  return v;
}

TEST(ThrustList, DistinctAscendingKipsInUsCustomaryUnits) {
  reset_model(kUnitsUS);
  const std::string body =
      "4\n1 1 100 0 300 1\n2 1 100 0 100 1\n3 1 100 0 200 1\n4 1 100 0 100 1\n0\n";
  ASSERT_EQ(read_section(input::Read_Loading, body), "NEXT SECTION");
  pm.loads.EIThrustList[4] = 99.0;
  input::Prepare_Thrust_List();
  EXPECT_EQ(pm.loads.NumEIThrusts, 3);
  EXPECT_EQ(thrust_list(), (std::vector<double>{0.1, 0.2, 0.3}));
  EXPECT_EQ(pm.loads.EIThrustList[4], 0.0);
}

TEST(ThrustList, SourcesAndUnits) {
  // SI keeps the input force unit.
  reset_model(kUnitsSI);
  pm.loads.NumLoadCases = 3;
  pm.loads.AxialThrust[1] = 50;
  pm.loads.AxialThrust[2] = -20;
  pm.loads.AxialThrust[3] = 50;
  input::Prepare_Thrust_List();
  EXPECT_EQ(thrust_list(), (std::vector<double>{-20, 50}));

  // An LRFD run lists the axial forces of the unfactored loads.
  reset_model(kUnitsUS);
  pm.options.UseLRFD = true;
  pm.loads.NumLoadCases = 1;
  pm.loads.AxialThrust[1] = 7000;
  pm.lrfd.NumLRFDLoads = 2;
  pm.lrfd.LRFDAxial[1] = 2500;
  pm.lrfd.LRFDAxial[2] = 500;
  input::Prepare_Thrust_List();
  EXPECT_EQ(thrust_list(), (std::vector<double>{0.5, 2.5}));
}

TEST(ThrustList, LeftAloneWithoutSections) {
  reset_model(kUnitsUS);
  pm.pile.NumSections = 0;
  pm.loads.NumLoadCases = 1;
  pm.loads.AxialThrust[1] = 1000;
  pm.loads.NumEIThrusts = 2;
  pm.loads.EIThrustList[1] = 3;
  pm.loads.EIThrustList[2] = 4;
  input::Prepare_Thrust_List();
  EXPECT_EQ(thrust_list(), (std::vector<double>{3, 4}));
}

// With ComputeInteraction the curves are computed at the AXIAL THRUST LOADS
// values, also when a LOADING section follows (it shares NumLoadCases and
// AxialThrust) and in LRFD runs.
TEST(ThrustList, InteractionUsesTheAxialThrustLoadsSection) {
  for (bool lrfd : {false, true}) {
    reset_model(kUnitsUS);
    pm.options.ComputeInteraction = true;
    pm.options.UseLRFD = lrfd;
    pm.lrfd.NumLRFDLoads = 1;
    pm.lrfd.LRFDAxial[1] = 5000;
    ASSERT_EQ(read_section(input::Read_Axial_Thrust_Loads, "3\n1 300\n2 100\n3 300\n"), "NEXT SECTION");
    ASSERT_EQ(read_section(input::Read_Loading, "1\n1 1 100 0 9000 1\n0\n"), "NEXT SECTION");
    input::Prepare_Thrust_List();
    EXPECT_EQ(thrust_list(), (std::vector<double>{0.1, 0.3})) << lrfd;
    EXPECT_EQ(pm.loads.NumLoadCases, 1) << "the load cases are LOADING's";
  }
  // A count below one leaves one thrust, as for the load cases.
  reset_model(kUnitsSI);
  pm.options.ComputeInteraction = true;
  ASSERT_EQ(read_section(input::Read_Axial_Thrust_Loads, "0\n"), "NEXT SECTION");
  input::Prepare_Thrust_List();
  EXPECT_EQ(thrust_list(), (std::vector<double>{0}));
}

// ---------------------------------------------------------------------------
// Capacities: a count at its limit is read whole, one above stops the run
// with input error 83 before any line of the table is read.

struct CapacityCase {
  const char* name;
  Reader reader;
  int limit;
  std::string (*body)(int n);  // the section's lines for a count of n
  int (*stored)();             // the count in the model after reading
  void (*setup)();
};

std::string idx(int k) { return std::to_string(k); }

const CapacityCase kCapacityCases[] = {
    {"load cases", input::Read_Loading, 100,
     [](int n) { return counted(n, [](int k) { return idx(k) + " 1 100 0 0 1"; }) + "0\n"; },
     [] { return pm.loads.NumLoadCases; }, [] {}},
    {"distributed load points", input::Read_Loading, 52,
     [](int n) { return "0\n" + counted(n, [](int k) { return idx(k) + " " + idx(k) + " 1.5"; }); },
     [] { return pm.loads.NumDistLoadPoints; }, [] {}},
    {"axial thrust loads", input::Read_Axial_Thrust_Loads, 100,
     [](int n) { return counted(n, [](int k) { return idx(k) + " " + idx(1000 - k); }); },
     [] { return pm.loads.NumLoadCases; }, [] {}},
    {"tip shear points", input::Read_Tip_Shear, 51,
     [](int n) { return counted(n, [](int k) { return idx(k) + " " + idx(k) + " 10"; }); },
     [] { return pm.data.NumTipShearPoints; }, [] {}},
    {"p-y modifier rows", input::Read_PY_Modifiers, 80,
     [](int n) { return counted(n, [](int k) { return idx(k) + " " + idx(k) + " 1 1"; }); },
     [] { return pm.data.NumPYModifierRows; }, [] {}},
    {"p-y output depths", input::Read_PY_Output_Depths, 100,
     [](int n) { return counted(n, [](int k) { return idx(k) + " " + idx(k); }); },
     [] { return pm.data.NumPYOutputDepths; }, [] { pm.options.PrintPYCurves = true; }},
    {"stiffness steps", input::Read_Foundation_Stiffness, 50, [](int n) { return "0\n" + idx(n) + "\n0\n"; },
     [] { return pm.data.NumKmatrixPoints; }, [] {}},
    {"push-over points", input::Read_Pushover_Data, 100,
     [](int n) { return "1\n2\n" + counted(n, [](int k) { return idx(k); }) + "0\n"; },
     [] { return pm.data.NumPushoverPoints; }, [] {}},
    {"push-over points, free and fixed head", input::Read_Pushover_Data, 50,
     [](int n) { return "2\n1\n" + idx(n) + "\n2.0\n0.1\n0\n"; }, [] { return pm.data.NumPushoverPoints; }, [] {}},
    {"buckling trials", input::Read_Buckling_Data, 20, [](int n) { return "0\n" + idx(n) + "\n1\n0\n0\n0\n100\n"; },
     [] { return pm.data.NumBucklingLoads; }, [] {}},
};

class CapacityTest : public ::testing::TestWithParam<CapacityCase> {};

TEST_P(CapacityTest, LimitLoadsAndOneMoreStops) {
  const CapacityCase& c = GetParam();
  reset_model(kUnitsUS);
  c.setup();
  EXPECT_EQ(read_section(c.reader, c.body(c.limit)), "NEXT SECTION");
  EXPECT_EQ(pm.FatalErrorValue, 0);
  EXPECT_EQ(c.stored(), c.limit);

  reset_model(kUnitsUS);
  c.setup();
  const int before = c.stored();
  const std::string first_row = c.body(c.limit + 1);
  read_section(c.reader, first_row);
  EXPECT_EQ(pm.FatalErrorValue, 183);
  EXPECT_EQ(c.stored(), before) << "a rejected count is not stored";
}

INSTANTIATE_TEST_SUITE_P(EveryCount, CapacityTest, ::testing::ValuesIn(kCapacityCases),
                         [](const ::testing::TestParamInfo<CapacityCase>& info) {
                           std::string n;
                           for (const char* p = info.param.name; *p; ++p)
                             if (std::isalnum(static_cast<unsigned char>(*p))) n += *p;
                           return n;
                         });

// Counts below zero where zero means "none" stop with input error 88 only
// where a negative count has no meaning of its own.
TEST(NegativeCounts, RejectedWhereTheyHaveNoMeaning) {
  struct Case {
    Reader reader;
    const char* body;
    int status;
  };
  const Case cases[] = {
      {input::Read_Loading, "-1\n0\n", 188},
      {input::Read_Tip_Shear, "-1\n", 0},
      {input::Read_PY_Modifiers, "-4\n", 0},
      {input::Read_Foundation_Stiffness, "0\n-2\n0\n", 188},
      {input::Read_Pushover_Data, "0\n0\n-1\n1\n0\n0\n", 188},
      {input::Read_Buckling_Data, "0\n-5\n0\n0\n0\n0\n0\n", 188},
  };
  for (const Case& c : cases) {
    reset_model(kUnitsUS);
    pm.options.PrintPYCurves = true;
    read_section(c.reader, c.body);
    EXPECT_EQ(pm.FatalErrorValue, c.status) << c.body;
  }
}

}  // namespace
}  // namespace kavro
