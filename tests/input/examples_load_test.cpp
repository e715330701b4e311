// The bundled example decks: every examples/*.inp reads without an input
// error, and together they exercise every section type, every p-y model,
// every unit system and every optional input section.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/errors.h"
#include "input/readers.h"
#include "model/problem_model.h"
#include "tests/support/run_kgo.h"

namespace kavro {
namespace {

namespace fs = std::filesystem;

// Decks that show an intentional rejection carry this prefix and are left
// out of the loading checks.
constexpr const char* kRejectionPrefix = "rejected_";

std::vector<std::string> example_names() {
  std::vector<std::string> names;
  const fs::path dir = fs::path(KAVRO_SOURCE_DIR) / "examples";
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(dir, ec))
    if (e.path().extension() == ".inp" && e.path().filename().string().rfind(kRejectionPrefix, 0) != 0)
      names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) {
    if (!l.empty() && l.back() == '\r') l.pop_back();
    lines.push_back(l);
  }
  return lines;
}

std::string trim_right(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

TEST(Examples, ThereAreExamples) { EXPECT_GE(example_names().size(), 1u); }

class ExampleDeck : public ::testing::TestWithParam<std::string> {};

TEST_P(ExampleDeck, LoadsWithoutInputError) {
  const std::string deck = test::read_source_file("examples/" + GetParam());
  const auto lines = lines_of(deck);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], "KAVROP7");
  EXPECT_EQ(lines[1], "TITLE");
  EXPECT_FALSE(trim_right(lines[2]).empty()) << "the first title line says what the deck is";

  auto r = test::run_kgo(deck);
  ASSERT_FALSE(r.crashed) << r.stderr_text;
  EXPECT_FALSE(r.status >= 101 && r.status <= 199) << "input error " << r.status - 100 << "\n" << r.messages;
  EXPECT_NE(r.messages.find("Input of data completed"), std::string::npos) << r.messages;
}

INSTANTIATE_TEST_SUITE_P(All, ExampleDeck, ::testing::ValuesIn(example_names()),
                         [](const ::testing::TestParamInfo<std::string>& i) {
                           std::string n = i.param.substr(0, i.param.size() - 4);
                           for (char& c : n)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return n;
                         });

// Reads every deck in this process and collects what the decks use.
TEST(Examples, TogetherCoverEveryInputFeature) {
  std::set<int> section_types, soil_models, unit_systems;
  std::set<std::string> keywords;
  bool distributed_loads = false, soil_movements = false, ei_only_thrusts = false;

  for (const std::string& name : example_names()) {
    const std::string deck = test::read_source_file("examples/" + name);
    for (const std::string& l : lines_of(deck)) keywords.insert(trim_right(l));

    reset_problem_model();
    initialise_run_state();
    input::LineSource src;
    src.open_text(deck);
    std::string header;
    input::ListRead(src).text(header, 7).run();
    input::Read_Input_File(src);
    ASSERT_EQ(pm.FatalErrorValue, 0) << name;

    unit_systems.insert(pm.options.IUNITS);
    for (int s = 1; s <= pm.pile.NumSections; ++s) section_types.insert(pm.pile.Section[s].SectionType);
    for (int c = 1; c <= pm.soil.i_Number_of_Layers; ++c) soil_models.insert(pm.soil.i_SoilLayer_py_Type[c]);
    distributed_loads = distributed_loads || pm.loads.NumDistLoadPoints > 0;
    soil_movements = soil_movements || (pm.options.UseSoilMovement && pm.data.NumSoilMovementPoints >= 2);
    ei_only_thrusts = ei_only_thrusts || (pm.options.i_Analysis_Type == kAnalysisEIOnly &&
                                                          pm.loads.NumEIThrusts > 1);
  }
  reset_problem_model();

  for (int t = 0; t <= 13; ++t) EXPECT_TRUE(section_types.count(t)) << "section type " << t;
  for (int m = 1; m <= 16; ++m) EXPECT_TRUE(soil_models.count(m)) << "soil model " << m;
  for (int u : {kUnitsUS, kUnitsSI, kUnitsGeneric}) EXPECT_TRUE(unit_systems.count(u)) << "unit system " << u;
  for (const char* k :
       {"AXIAL THRUST LOADS", "TIP SHEAR", "PILE BATTER AND SLOPE", "GROUPEFF", "GROUP EFFECT FACTORS", "LRFD LOADS",
        "LRFD FACTORS AND CASES", "LOADING", "SOIL MOVEMENTS", "DEPTHS OF PRINTED P-Y CURVES", "FOUNDATION STIFFNESS",
        "PILE PUSHOVER ANALYSIS DATA", "PILE BUCKLING ANALYSIS DATA"})
    EXPECT_TRUE(keywords.count(k)) << k;
  EXPECT_TRUE(distributed_loads) << "a LOADING section with distributed loads";
  EXPECT_TRUE(soil_movements) << "soil movements read";
  EXPECT_TRUE(ei_only_thrusts) << "an EI-only deck with several axial thrusts";
}

}  // namespace
}  // namespace kavro
