// The SOIL LAYERS section: the values every p-y model stores, the number of
// lines each consumes, the top-layer check (input error 61) word for word,
// the model-code and capacity checks.
#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>
#include <vector>

#include "engine/errors.h"
#include "input/readers.h"
#include "model/problem_model.h"
#include "tests/support/run_kgo.h"

namespace kavro {
namespace {

using input::LineSource;
using test::minimal_deck;
using test::run_kgo;

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

void reset_model(int units) {
  reset_problem_model();
  initialise_run_state();
  pm.options.IUNITS = units;
}

// Reads the lines after the SOIL LAYERS keyword in this process, followed by
// a sentinel line; returns the line the reader left unread.
std::string read_section(const std::string& body) {
  LineSource src;
  src.open_text(body + "NEXT SECTION\n");
  input::Read_Soil_Layers(src);
  std::string line;
  return src.next(line) ? line : "<end of file>";
}

// ---------------------------------------------------------------------------
// Every model: the tested layer is layer 2 (depth points 3 and 4, k of
// layer 2) below a soft clay layer 1, so that index mistakes show.

struct Expect {
  const char* item;
  double (*get)(const SoilLayers&);
  double value;
};

struct ModelCase {
  const char* name;
  int code;
  const char* lines;  // property lines of layer 2 ("" for none)
  std::vector<Expect> expect;
};

#define AT(expr) [](const SoilLayers& s) -> double { return expr; }

const char* const kLayer1 = "2\n1 0.0 5.0\n 45.0 400.0 0.02\n 50.0 600.0 0.01\n";

const ModelCase kModelCases[] = {
    {"SoftClay", 1, "45.0 500.0 0.020\n50.0 800.0 0.010\n",
     {{"GammaEff top", AT(s.GammaEff[3]), 45.0}, {"StrengthC top", AT(s.StrengthC[3]), 500.0},
      {"Eps50 top", AT(s.Eps50[3]), 0.02}, {"GammaEff bottom", AT(s.GammaEff[4]), 50.0},
      {"StrengthC bottom", AT(s.StrengthC[4]), 800.0}, {"Eps50 bottom", AT(s.Eps50[4]), 0.01}}},
    {"StfClyBW", 2, "55 2000 0.007 500\n60 3000 0.005 1000\n",
     {{"GammaEff top", AT(s.GammaEff[3]), 55}, {"StrengthC top", AT(s.StrengthC[3]), 2000},
      {"Eps50 top", AT(s.Eps50[3]), 0.007}, {"k top", AT(s.kTopOfLayer[2]), 500},
      {"StrengthC bottom", AT(s.StrengthC[4]), 3000}, {"Eps50 bottom", AT(s.Eps50[4]), 0.005},
      {"k bottom", AT(s.kBottomOfLayer[2]), 1000}, {"k of layer 1 untouched", AT(s.kTopOfLayer[1]), 0}}},
    {"StfClyAW", 3, "55, 2000, 0.007\n60, 3000, 0.005\n",
     {{"GammaEff top", AT(s.GammaEff[3]), 55}, {"StrengthC top", AT(s.StrengthC[3]), 2000},
      {"Eps50 top", AT(s.Eps50[3]), 0.007}, {"GammaEff bottom", AT(s.GammaEff[4]), 60},
      {"StrengthC bottom", AT(s.StrengthC[4]), 3000}, {"k bottom", AT(s.kBottomOfLayer[2]), 0}}},
    {"StfClyAK", 4, "62.6 1500 0.005 100\n62.6 2500 0.004 460\n",
     {{"StrengthC top", AT(s.StrengthC[3]), 1500}, {"k top", AT(s.kTopOfLayer[2]), 100},
      {"Eps50 bottom", AT(s.Eps50[4]), 0.004}, {"k bottom", AT(s.kBottomOfLayer[2]), 460}}},
    {"Sand", 5, "57.6 32 25\n62.6 36 90\n",
     {{"GammaEff top", AT(s.GammaEff[3]), 57.6}, {"PhiDeg top", AT(s.PhiDeg[3]), 32},
      {"k top", AT(s.kTopOfLayer[2]), 25}, {"GammaEff bottom", AT(s.GammaEff[4]), 62.6},
      {"PhiDeg bottom", AT(s.PhiDeg[4]), 36}, {"k bottom", AT(s.kBottomOfLayer[2]), 90},
      {"StrengthC untouched", AT(s.StrengthC[3]), 0}}},
    {"API Sand", 6, "57.6 30 25\n62.6 34 60\n",
     {{"PhiDeg top", AT(s.PhiDeg[3]), 30}, {"k top", AT(s.kTopOfLayer[2]), 25},
      {"PhiDeg bottom", AT(s.PhiDeg[4]), 34}, {"k bottom", AT(s.kBottomOfLayer[2]), 60}}},
    {"Liq Sand", 7, "40.0\n42.0\n", {{"GammaEff top", AT(s.GammaEff[3]), 40}, {"GammaEff bottom", AT(s.GammaEff[4]), 42}}},
    {"WeakRock", 8, "70 1000 50000 50 0.0005\n75 1500 80000 70 0.0001\n",
     {{"GammaEff top", AT(s.GammaEff[3]), 70}, {"qu top", AT(s.StrengthC[3]), 1000},
      {"Eir top", AT(s.kTopOfLayer[2]), 50000}, {"RQD top", AT(s.RQD[3]), 50}, {"krm top", AT(s.Eps50[3]), 0.0005},
      {"qu bottom", AT(s.StrengthC[4]), 1500}, {"Eir bottom", AT(s.kBottomOfLayer[2]), 80000},
      {"RQD bottom", AT(s.RQD[4]), 70}, {"krm bottom", AT(s.Eps50[4]), 0.0001}}},
    {"Vuggy LS", 9, "80 2000\n85 2500\n",
     {{"GammaEff top", AT(s.GammaEff[3]), 80}, {"qu top", AT(s.StrengthC[3]), 2000},
      {"GammaEff bottom", AT(s.GammaEff[4]), 85}, {"qu bottom", AT(s.StrengthC[4]), 2500}}},
    {"Piedmont", 10, "60 2 15 120 800 1200\n65 4 22 150 900 1500\n",
     {{"GammaEff top", AT(s.GammaEff[3]), 60}, {"test type top", AT(s.PiedmontTestType[3]), 2},
      {"SPTN60 top", AT(s.SPTN60[3]), 15}, {"cone top", AT(s.ConeTipResistance[3]), 120},
      {"dilatometer top", AT(s.DilatometerModulus[3]), 800}, {"pressuremeter top", AT(s.PressuremeterModulus[3]), 1200},
      {"test type bottom", AT(s.PiedmontTestType[4]), 4}, {"SPTN60 bottom", AT(s.SPTN60[4]), 22},
      {"cone bottom", AT(s.ConeTipResistance[4]), 150}, {"dilatometer bottom", AT(s.DilatometerModulus[4]), 900},
      {"pressuremeter bottom", AT(s.PressuremeterModulus[4]), 1500}}},
    {"Cem Silt", 11, "55 500 30 0.005 200\n60 700 32 0.004 300\n",
     {{"c top", AT(s.StrengthC[3]), 500}, {"PhiDeg top", AT(s.PhiDeg[3]), 30}, {"Eps50 top", AT(s.Eps50[3]), 0.005},
      {"k top", AT(s.kTopOfLayer[2]), 200}, {"c bottom", AT(s.StrengthC[4]), 700}, {"PhiDeg bottom", AT(s.PhiDeg[4]), 32},
      {"Eps50 bottom", AT(s.Eps50[4]), 0.004}, {"k bottom", AT(s.kBottomOfLayer[2]), 300}}},
    {"KS Loess", 12, "50 150\n55 250\n",
     {{"GammaEff top", AT(s.GammaEff[3]), 50}, {"cone top", AT(s.ConeTipResistance[3]), 150},
      {"cone bottom", AT(s.ConeTipResistance[4]), 250}}},
    {"Elast SG", 13, "50 100\n55 300\n",
     {{"GammaEff top", AT(s.GammaEff[3]), 50}, {"Es top", AT(s.ElasticSubgradeModulus[3]), 100},
      {"GammaEff bottom", AT(s.GammaEff[4]), 55}, {"Es bottom", AT(s.ElasticSubgradeModulus[4]), 300}}},
    // 3 points at the top and 4 at the bottom: 1 + 3 + 1 + 4 lines.
    {"User p-y", 14, "50 3\n0 0\n0.5 100\n2.0 200\n55 4\n0 0\n0.2 150\n1 300\n4 400\n",
     {{"curve depth top", AT(s.UserPYDepth[3]), 5}, {"curve depth bottom", AT(s.UserPYDepth[4]), 20},
      {"GammaEff top", AT(s.GammaEff[3]), 50}, {"points top", AT(s.NumUserPYPoints[3]), 3},
      {"y(3) top", AT(s.UserPY_y[3][3]), 2.0}, {"p(3) top", AT(s.UserPY_p[3][3]), 200},
      {"GammaEff bottom", AT(s.GammaEff[4]), 55}, {"points bottom", AT(s.NumUserPYPoints[4]), 4},
      {"y(2) bottom", AT(s.UserPY_y[4][2]), 0.2}, {"p(4) bottom", AT(s.UserPY_p[4][4]), 400},
      {"layer 1 has no curve", AT(s.NumUserPYPoints[1]), 0}}},
    {"SoftClyJ", 15, "45 300 0.02 0.5\n48 400 0.02 0.25\n",
     {{"c top", AT(s.StrengthC[3]), 300}, {"J top", AT(s.JFactor[3]), 0.5}, {"c bottom", AT(s.StrengthC[4]), 400},
      {"J bottom", AT(s.JFactor[4]), 0.25}}},
    {"MassRock", 16, "150 5000 7 0 0\n155 6000 8 1.5 2.5\n",
     {{"GammaEff top", AT(s.GammaEff[3]), 150}, {"qu top", AT(s.HBqu[3]), 5000}, {"rock type top", AT(s.HBRockType[3]), 7},
      {"qu bottom", AT(s.HBqu[4]), 6000}, {"rock type bottom", AT(s.HBRockType[4]), 8},
      {"value 3 bottom", AT(s.HBValue3[4]), 1.5}, {"value 4 bottom", AT(s.HBValue4[4]), 2.5},
      {"StrengthC untouched", AT(s.StrengthC[3]), 0}}},
    // Frozen soil and the undefined codes read no property lines.
    {"Frz Soil", 17, "", {{"GammaEff top untouched", AT(s.GammaEff[3]), 0}}},
    {"Undefined 18", 18, "", {}},
    {"Undefined 20", 20, "", {}},
};

struct ModelParam {
  const ModelCase* model;
  int units;
};

void PrintTo(const ModelParam& p, std::ostream* os) { *os << p.model->name << ", units " << p.units; }

class SoilModelRead : public ::testing::TestWithParam<ModelParam> {};

TEST_P(SoilModelRead, StoresItsItemsAndConsumesItsLines) {
  const ModelCase& m = *GetParam().model;
  reset_model(GetParam().units);
  const std::string body = std::string(kLayer1) + std::to_string(m.code) + " 5.0 20.0\n" + m.lines;
  EXPECT_EQ(read_section(body), "NEXT SECTION");
  ASSERT_EQ(pm.FatalErrorValue, 0);
  const SoilLayers& s = pm.soil;
  EXPECT_EQ(s.i_Number_of_Layers, 2);
  EXPECT_EQ(s.NumSoilDepthPoints, 4);
  EXPECT_EQ(s.i_SoilLayer_py_Type[2], m.code);
  EXPECT_EQ(s.XLayerTop[2], 5.0);
  EXPECT_EQ(s.XLayerBottom[2], 20.0);
  const double depths[] = {0.0, 5.0, 5.0, 20.0};
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(s.SoilDepthPoint[i], depths[i - 1]) << "point " << i;
    EXPECT_EQ(s.SoilDepthPointCopy[i], depths[i - 1]) << "point " << i;
  }
  EXPECT_EQ(s.GroundSurfaceDepth, 0.0);
  // Layer 1 is unaffected by the model below it.
  EXPECT_EQ(s.StrengthC[1], 400.0);
  EXPECT_EQ(s.StrengthC[2], 600.0);
  for (const Expect& e : m.expect) EXPECT_DOUBLE_EQ(e.get(s), e.value) << e.item;
}

std::vector<ModelParam> model_params() {
  std::vector<ModelParam> v;
  for (const ModelCase& m : kModelCases)
    for (int units : {kUnitsUS, kUnitsSI, kUnitsGeneric}) v.push_back({&m, units});
  return v;
}

std::string model_param_name(const ::testing::TestParamInfo<ModelParam>& info) {
  std::string n;
  for (const char* p = info.param.model->name; *p; ++p)
    if (std::isalnum(static_cast<unsigned char>(*p))) n += *p;
  const char* u[] = {"", "US", "SI", "Generic"};
  return n + "_" + u[info.param.units];
}

INSTANTIATE_TEST_SUITE_P(EveryModel, SoilModelRead, ::testing::ValuesIn(model_params()), model_param_name);

// ---------------------------------------------------------------------------

// Values are stored as read in every unit system; only the later US-customary
// conversion changes them: depths to inches, c to psi (rock qu is psi
// already), unit weight to pci; k, rock moduli and user curves stay.
TEST(SoilLayersUnits, UsCustomaryConversionOfStoredValues) {
  reset_model(kUnitsUS);
  const std::string body =
      "4\n"
      "1 -2.0 10.0\n 1728.0 1440.0 0.02\n 1728.0 2880.0 0.01\n"
      "8 10.0 20.0\n 3456.0 1000.0 50000 50 0.0005\n 3456.0 1200.0 60000 60 0.0005\n"
      "16 20.0 30.0\n 150.0 5000.0 7 0 0\n 150.0 5000.0 7 0 0\n"
      "14 30.0 40.0\n 60 2\n 0 0\n 1.0 250.0\n 60 2\n 0 0\n 1.0 300.0\n";
  ASSERT_EQ(read_section(body), "NEXT SECTION");
  ASSERT_EQ(pm.FatalErrorValue, 0);
  const SoilLayers& s = pm.soil;
  EXPECT_EQ(s.GroundSurfaceDepth, -2.0);
  convert_us_customary();
  EXPECT_DOUBLE_EQ(s.GroundSurfaceDepth, -24.0);
  EXPECT_DOUBLE_EQ(s.SoilDepthPoint[2], 120.0);
  EXPECT_DOUBLE_EQ(s.StrengthC[1], 10.0);     // psf to psi
  EXPECT_DOUBLE_EQ(s.StrengthC[3], 1000.0);   // weak rock qu stays psi
  EXPECT_DOUBLE_EQ(s.StrengthC[4], 1200.0);
  EXPECT_DOUBLE_EQ(s.GammaEff[1], 1.0);       // pcf to pci
  EXPECT_DOUBLE_EQ(s.GammaEff[3], 2.0);
  EXPECT_DOUBLE_EQ(s.kTopOfLayer[2], 50000.0);
  EXPECT_DOUBLE_EQ(s.HBqu[5], 5000.0);
  EXPECT_DOUBLE_EQ(s.UserPYDepth[7], 360.0);
  EXPECT_DOUBLE_EQ(s.UserPY_y[8][2], 1.0);
  EXPECT_DOUBLE_EQ(s.UserPY_p[8][2], 300.0);
}

// ---------------------------------------------------------------------------
// The top layer must reach below the pile head.

const char* const kError61Block =
    "\n**** INPUT ERROR NO. 61 ****\n\n"
    "There is an error in the definition of the depth range for the top soil layer.\n"
    "PROBLEM:  The depth of the bottom of the top soil layer is less than or equal to zero. \n"
    "          This may cause the algorithm  for layering correction to p-y curves to \n"
    "          generate incorrect p-y curves for layers below the top layer.\n"
    "SOLUTION: The top soil layer must extend from the ground surface to below the pile head. \n";

TEST(SoilLayersTopLayer, BottomAtPileHeadStopsWithError61WordForWord) {
  auto r = run_kgo(minimal_deck("Units USCS", "SOIL LAYERS\n1\n1 -2.0 0.0\n 50 500 0.02\n 50 500 0.02\n"));
  ASSERT_FALSE(r.crashed);
  EXPECT_EQ(r.status, 161);
  EXPECT_TRUE(contains(r.report, kError61Block)) << r.report;
  EXPECT_TRUE(contains(r.messages, kError61Block)) << r.messages;
  EXPECT_TRUE(contains(r.messages, "Reading soil layering data\n"));
  EXPECT_TRUE(contains(r.report, "Kavro ended prematurely due to input error number INP00061\n")) << r.report;
  EXPECT_TRUE(contains(r.report, "The analysis ended due to input error No. 61."));
}

struct TopLayerCase {
  const char* layers;
  bool rejected;
};

class SoilLayersTopLayerRange : public ::testing::TestWithParam<TopLayerCase> {};

TEST_P(SoilLayersTopLayerRange, OnlyATopLayerEndingAtOrAboveTheHeadIsRejected) {
  reset_model(kUnitsUS);
  read_section(GetParam().layers);
  EXPECT_EQ(pm.FatalErrorValue, GetParam().rejected ? 161 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, SoilLayersTopLayerRange,
    ::testing::Values(TopLayerCase{"1\n1 -2.0 0.0\n50 500 0.02\n50 500 0.02\n", true},
                      TopLayerCase{"1\n1 -2.0 -1.0\n50 500 0.02\n50 500 0.02\n", true},
                      TopLayerCase{"1\n1 -2.0 0.5\n50 500 0.02\n50 500 0.02\n", false},
                      TopLayerCase{"1\n1 0.0 -1.0\n50 500 0.02\n50 500 0.02\n", false},
                      TopLayerCase{"1\n1 0.0 0.0\n50 500 0.02\n50 500 0.02\n", false},
                      // Only the first layer is tested.
                      TopLayerCase{"2\n1 0.0 5.0\n50 500 0.02\n50 500 0.02\n7 -3.0 -1.0\n40\n40\n", false}));

// ---------------------------------------------------------------------------
// Model codes, capacities, counts.

struct RejectCase {
  const char* name;
  std::string body;
  int status;
  std::vector<std::string> report;  // texts expected in the report
  bool cut_end = false;             // the file ends after the body (no END line)
};

void PrintTo(const RejectCase& c, std::ostream* os) { *os << c.name; }

class SoilLayersReject : public ::testing::TestWithParam<RejectCase> {};

TEST_P(SoilLayersReject, StopsWithAClearBlock) {
  const RejectCase& c = GetParam();
  std::string deck = minimal_deck("Units SI", "SOIL LAYERS\n" + c.body);
  if (c.cut_end) deck.resize(deck.size() - 4);
  auto r = run_kgo(deck);
  ASSERT_FALSE(r.crashed);
  EXPECT_EQ(r.status, c.status);
  for (const auto& t : c.report) EXPECT_TRUE(contains(r.report, t)) << t << "\n--- report:\n" << r.report;
  EXPECT_TRUE(contains(r.messages, c.report.front())) << r.messages;
}

std::string n_layers(int n) {
  std::string b = std::to_string(n) + "\n";
  for (int c = 1; c <= n; ++c) b += "13 " + std::to_string(c - 1) + " " + std::to_string(c) + "\n 18 5000\n 18 5000\n";
  return b;
}

std::string user_py_layer(int points) {
  std::string b = "1\n14 0.0 10.0\n 18 " + std::to_string(points) + "\n";
  for (int k = 1; k <= points; ++k) b += std::to_string(0.001 * k) + " " + std::to_string(k) + "\n";
  return b + " 18 2\n 0 0\n 0.01 20\n";
}

const char* const kLayer1SI = "1 0.0 2.0\n 8.0 20.0 0.02\n 8.0 25.0 0.02\n";

INSTANTIATE_TEST_SUITE_P(
    Checks, SoilLayersReject,
    ::testing::Values(
        RejectCase{"CodeZero", std::string("2\n") + kLayer1SI + "0 2.0 6.0\n 9 30 0.02\n 9 30 0.02\n", 185,
                   {"**** Input Data Error No. 85 ****",
                    "The p-y model code of soil layer 2 is 0, outside the valid range of 1 to 20."}},
        RejectCase{"Code21", std::string("2\n") + kLayer1SI + "21 2.0 6.0\n", 185,
                   {"**** Input Data Error No. 85 ****", "soil layer 2 is 21,"}},
        RejectCase{"CodeNegative", "1\n-5 0.0 6.0\n", 185, {"**** Input Data Error No. 85 ****", "soil layer 1 is -5,"}},
        RejectCase{"FortyOneLayers", n_layers(41), 183,
                   {"**** Input Data Error No. 83 ****", "The number of soil layers is 41, more than the limit of 40."}},
        RejectCase{"NegativeLayerCount", "-1\n", 188, {"**** Input Data Error No. 88 ****", "number of soil layers is -1"}},
        RejectCase{"FiftyUserPoints", user_py_layer(50), 183,
                   {"**** Input Data Error No. 83 ****",
                    "The number of points of the user-input p-y curve at the top of soil layer 1 is 50, more than the "
                    "limit of 49."}},
        RejectCase{"TextForStrength", std::string("2\n") + kLayer1SI + "1 2.0 6.0\n 9 abc 0.02\n 9 30 0.02\n", 181,
                   {"**** Input Data Error No. 81 ****", "The value \"abc\"", "SoftClay properties at the top of soil layer 2"}},
        RejectCase{"EndInsideUserCurve", "1\n14 0.0 10.0\n 18 3\n 0 0\n 0.01 20\n", 180,
                   {"**** Input Data Error No. 80 ****", "point 3 (y, p) of the user-input p-y curve at the top of soil layer 1"},
                   true}),
    [](const ::testing::TestParamInfo<RejectCase>& i) { return std::string(i.param.name); });

TEST(SoilLayersCapacity, FortyLayersAndFortyNinePointsAreAccepted) {
  reset_model(kUnitsSI);
  EXPECT_EQ(read_section(n_layers(40)), "NEXT SECTION");
  ASSERT_EQ(pm.FatalErrorValue, 0);
  EXPECT_EQ(pm.soil.i_Number_of_Layers, 40);
  EXPECT_EQ(pm.soil.NumSoilDepthPoints, 80);
  EXPECT_EQ(pm.soil.SoilDepthPoint[80], 40.0);
  EXPECT_EQ(pm.soil.i_SoilLayer_py_Type[40], 13);

  reset_model(kUnitsSI);
  EXPECT_EQ(read_section(user_py_layer(49)), "NEXT SECTION");
  ASSERT_EQ(pm.FatalErrorValue, 0);
  EXPECT_EQ(pm.soil.NumUserPYPoints[1], 49);
  EXPECT_DOUBLE_EQ(pm.soil.UserPY_p[1][49], 49.0);
  EXPECT_EQ(pm.soil.NumUserPYPoints[2], 2);
}

TEST(SoilLayersCount, ZeroLayersReadNothingMoreAndKeepTheFirstTop) {
  reset_model(kUnitsGeneric);
  pm.soil.XLayerTop[1] = 3.5;
  EXPECT_EQ(read_section("0\n"), "NEXT SECTION");
  EXPECT_EQ(pm.FatalErrorValue, 0);
  EXPECT_EQ(pm.soil.i_Number_of_Layers, 0);
  EXPECT_EQ(pm.soil.NumSoilDepthPoints, 0);
  EXPECT_EQ(pm.soil.GroundSurfaceDepth, 3.5);
}

TEST(SoilLayersCount, ASecondSectionReplacesTheProfile) {
  reset_model(kUnitsSI);
  read_section(n_layers(3));
  ASSERT_EQ(pm.soil.i_Number_of_Layers, 3);
  EXPECT_EQ(read_section("1\n5 1.5 9.0\n 9.0 34 16000\n 10.0 36 16000\n"), "NEXT SECTION");
  ASSERT_EQ(pm.FatalErrorValue, 0);
  EXPECT_EQ(pm.soil.i_Number_of_Layers, 1);
  EXPECT_EQ(pm.soil.NumSoilDepthPoints, 2);
  EXPECT_EQ(pm.soil.i_SoilLayer_py_Type[1], 5);
  EXPECT_EQ(pm.soil.GroundSurfaceDepth, 1.5);
  EXPECT_EQ(pm.soil.SoilDepthPoint[2], 9.0);
  EXPECT_EQ(pm.soil.PhiDeg[2], 36.0);
}

}  // namespace
}  // namespace kavro
