// Shared set-up of the soil and node tests: a fresh problem model, a soil
// profile written straight into the model, a pile of one section, and the
// three output units captured in files.
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "analysis/nodes.h"
#include "engine/output_unit.h"
#include "model/problem_model.h"
#include "report/warnings.h"
#include "soil/py_curve_set.h"
#include "soil/soil_profile.h"

namespace kavro::test {

// Soil-model codes of the name table.
enum Code : int {
  kSoftClay = 1, kStfClyBW = 2, kSand = 5, kWeakRock = 8, kElastSG = 13, kUserPY = 14, kSoftClyJ = 15,
  kFrzSoil = 17,
};

struct LayerSpec {
  int code = kSoftClay;
  double top = 0, bottom = 0;
  double gamma_top = 0, gamma_bottom = 0;
  double c_top = 0, c_bottom = 0;
  double eps_top = 0, eps_bottom = 0;
};

inline std::string read_file(const std::string& path) {
  std::ifstream f(path);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

class SoilTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static const std::unique_ptr<ProblemModel> blank = std::make_unique<ProblemModel>();
    pm = *blank;
    nodes = NodeTable{};
    layer_nodes = LayerNodeMap{};
    pyset = PYCurveSetState{};
    b_AtNode = false;
    Reset_Warning_Registry();
    initialise_run_state();
    units(kUnitsUS);
    dir_ = std::filesystem::temp_directory_path() /
           ("kavro_soil_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
    report_unit().open((dir_ / "report.txt").string());
    plot_unit().open((dir_ / "plot.txt").string());
    runtime_unit().open((dir_ / "messages.txt").string());
  }
  void TearDown() override {
    report_unit().close();
    plot_unit().close();
    runtime_unit().close();
    std::filesystem::remove_all(dir_);
  }

  void units(int u) {
    pm.options.IUNITS = u;
    set_unit_labels();
  }

  // Appends a layer (depth points 2c-1 and 2c) in computation units.
  void add_layer(const LayerSpec& s) {
    SoilLayers& soil = pm.soil;
    const int c = ++soil.i_Number_of_Layers;
    soil.i_SoilLayer_py_Type[c] = s.code;
    soil.XLayerTop[c] = s.top;
    soil.XLayerBottom[c] = s.bottom;
    const int t = 2 * c - 1, b = 2 * c;
    soil.SoilDepthPoint[t] = soil.SoilDepthPointCopy[t] = s.top;
    soil.SoilDepthPoint[b] = soil.SoilDepthPointCopy[b] = s.bottom;
    soil.GammaEff[t] = s.gamma_top;
    soil.GammaEff[b] = s.gamma_bottom;
    soil.StrengthC[t] = s.c_top;
    soil.StrengthC[b] = s.c_bottom;
    soil.Eps50[t] = s.eps_top;
    soil.Eps50[b] = s.eps_bottom;
    soil.NumSoilDepthPoints = 2 * c;
    soil.GroundSurfaceDepth = soil.XLayerTop[1];
  }
  // A uniform soft clay layer.
  void clay(double top, double bottom, double c, double gamma = 0.02, double eps = 0.01, int code = kSoftClay) {
    add_layer({code, top, bottom, gamma, gamma, c, c, eps, eps});
  }

  // One section of constant width and stiffness over the pile length.
  void pile(double length, double width, double EI = 1e10) {
    PileSections& p = pm.pile;
    p.NumSections = 1;
    p.NumSectionBoundaries = 2;
    p.PileLength = length;
    p.Section[1].SectionType = 1;
    p.Section[1].SectionLength = length;
    p.Section[1].SectionTopX = 0;
    p.Section[1].SectionBottomX = length;
    p.SectionBoundaryX[1] = 0;
    p.SectionBoundaryX[2] = length;
    for (int k = 1; k <= 2; ++k) {
      p.PropertyPoint[k].Width = width;
      p.PropertyPoint[k].MomentOfInertia = 1.0;
      p.PropertyPoint[k].Area = 1.0;
      p.PropertyPoint[k].Modulus = EI;
    }
    nodes.PileLength = length;
  }

  // Node table of n increments, layers assigned, starting moduli set.
  void discretise(int n) {
    pm.options.NumIncrements = n;
    Build_Node_Table(pm.pile.PileLength);
    Assign_Nodes_To_Layers(nodes.NumNodes);
    Set_Starting_Soil_Moduli();
  }

  // Node whose position along the pile is x (the table must hold one there).
  int node_at(double x) const {
    for (int m = 1; m <= nodes.NumNodes; ++m)
      if (std::abs(nodes.x[m] - x) < 1e-9) return m;
    ADD_FAILURE() << "no node at " << x;
    return 1;
  }

  // Secant modulus of node m at deflection y after one update sweep.
  double modulus_at(int m, double y) {
    nodes.y[m] = y;
    Compute_PY_Curves(false);
    return nodes.SoilModulusEs[m];
  }

  std::string report() {
    report_unit().flush();
    return read_file((dir_ / "report.txt").string());
  }
  std::string plot() {
    plot_unit().flush();
    return read_file((dir_ / "plot.txt").string());
  }
  std::string messages() {
    runtime_unit().flush();
    return read_file((dir_ / "messages.txt").string());
  }

  static std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> out;
    std::stringstream ss(text);
    std::string l;
    while (std::getline(ss, l)) out.push_back(l);
    return out;
  }
  static bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
  }

  std::filesystem::path dir_;
};

}  // namespace kavro::test
