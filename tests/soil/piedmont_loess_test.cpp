// Piedmont residual soil and loess p-y curves: the curves at their
// characteristic points, the field-test correlations, the moduli a sweep
// writes, the cycles check of loess and the printed blocks.
#include <cmath>
#include <limits>

#include "soil/piedmont_loess.h"
#include "tests/soil/soil_fixture.h"

namespace kavro::test {
namespace {

constexpr int kPiedmont = 10, kLoess = 12;
std::string kCol56(std::size_t label_length) { return std::string(55 - label_length, ' ') + "= "; }

// ---- the curves ----

TEST(PiedmontCurveShape, SptExampleAtItsCharacteristicPoints) {
  // N60 = 10 in US customary units, b = 24 in: q = 220 pci, y1 = 0.024 in, y2 = 0.9 in.
  const double q = PiedmontCurve::initial_modulus(1, 10.0, kUnitsUS);
  ASSERT_DOUBLE_EQ(q, 220.0);
  const PiedmontCurve c = PiedmontCurve::make(q, 24.0);
  EXPECT_DOUBLE_EQ(c.y1, double(0.001f) * 24.0);
  EXPECT_DOUBLE_EQ(c.y2, double(0.0375f) * 24.0);
  struct Case {
    double y, p, tol;
  };
  const Case cases[] = {
      {0.012, 220.0 * 24.0 * 0.012, 1e-9},  // linear branch
      {c.y1, 126.72, 1e-4},                 // the log branch starts on the line
      {0.45, 869.94, 5e-3},
      {c.y2 * (1.0 - 1e-12), 1027.61, 5e-3},  // just below y2: a small step up to the plateau
      {c.y2, 1027.96, 5e-3},
      {5.0, 1027.96, 5e-3},
  };
  for (const Case& k : cases) {
    EXPECT_NEAR(c.p(k.y), k.p, k.tol) << "y = " << k.y;
    EXPECT_NEAR(c.p(-k.y), -k.p, k.tol) << "y = " << -k.y;  // symmetric
  }
  EXPECT_NEAR(c.p(c.y1 * (1.0 - 1e-12)), c.p(c.y1), 1e-5);  // continuous at y1 (to single precision)
}

TEST(PiedmontCurveShape, FieldTestCorrelations) {
  struct Case {
    int type;
    double v, q_us;
    double si_value_factor;  // stresses in kPa, SPT blows unchanged
  };
  constexpr double kPa = 6.894757270812988, kInch = 0.02539999969303608;
  const Case cases[] = {
      {1, 10.0, 220.0, 1.0},
      {2, 1000.0, 813.5813628874473, kPa},
      {3, 3000.0, 3000.0 * 0.07599999755620956, kPa},
      {4, 1500.0, 1500.0 * 0.23499999940395355, kPa},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.type);
    EXPECT_DOUBLE_EQ(PiedmontCurve::initial_modulus(k.type, k.v, kUnitsUS), k.q_us);
    // SI: the same soil gives the same modulus in kN/m3 (1 pci = 6.894757 kPa / 0.0254 m).
    EXPECT_NEAR(PiedmontCurve::initial_modulus(k.type, k.v * k.si_value_factor, kUnitsSI),
                k.q_us * kPa / kInch, 1e-9 * k.q_us * kPa / kInch);
    EXPECT_EQ(PiedmontCurve::initial_modulus(k.type, k.v, kUnitsGeneric), 0.0);
  }
  for (int bad : {0, 5, -1}) EXPECT_EQ(PiedmontCurve::initial_modulus(bad, 10.0, kUnitsUS), 0.0) << bad;
}

TEST(PiedmontCurveShape, SecantUsesTheInitialSlopeWithoutThePMultiplierAtZero) {
  const PiedmontCurve c = PiedmontCurve::make(220.0, 24.0);
  EXPECT_DOUBLE_EQ(c.secant(0.0, 0.5, 2.0), 220.0 * 24.0 / 2.0);
  EXPECT_DOUBLE_EQ(c.secant(double(1e-15f), 0.5, 2.0), 220.0 * 24.0 / 2.0);
  EXPECT_DOUBLE_EQ(c.secant(0.45, 0.5, 2.0), c.p(0.45) / 0.45 * 0.5 / 2.0);
  // A pile of zero width has no resistance, not a not-a-number.
  const PiedmontCurve z = PiedmontCurve::make(220.0, 0.0);
  EXPECT_EQ(z.secant(0.1, 1.0, 1.0), 0.0);
}

TEST(LoessCurveShape, WorkedExample) {
  // qc = 500 psi, b = 24 in, one cycle, away from the pile head.
  const LoessCurve c = LoessCurve::make(500.0, 24.0, 1.0, kUnitsUS);
  EXPECT_DOUBLE_EQ(c.yref, 0.11699999868869781);
  EXPECT_NEAR(c.pu0, 204.5, 1e-4);
  EXPECT_NEAR(c.pu, 4908.0, 1e-2);
  EXPECT_NEAR(c.Ki, 41948.7, 0.05);
  EXPECT_NEAR(c.p(c.yref), 2409.68, 0.005);
  EXPECT_NEAR(c.p(50.0 * c.yref), 4811.76, 0.005);
  EXPECT_NEAR(c.p(1e6), c.pu, 1e-2);  // tends to pu
  EXPECT_DOUBLE_EQ(c.p(-c.yref), -c.p(c.yref));
  EXPECT_NEAR(LoessCurve::make(500.0, 24.0, 10.0, kUnitsUS).pu, 3161.11, 5e-3);
  EXPECT_DOUBLE_EQ(LoessCurve::make(500.0, 24.0, 1.0, kUnitsSI).yref, 0.0029718000441789627);
  EXPECT_DOUBLE_EQ(LoessCurve::make(500.0, 24.0, 1.0, kUnitsGeneric).yref, 0.0029718000441789627);
}

TEST(LoessCurveShape, ConeResistanceReducedNearThePileHead) {
  struct Case {
    double s, qc;
  };
  for (const Case& k : {Case{12.0, 375.0}, Case{0.0, 250.0}, Case{47.999, 500.0 * (47.999 / 48.0 + 0.5)},
                        Case{48.0, 500.0}, Case{300.0, 500.0}})
    EXPECT_DOUBLE_EQ(LoessCurve::depth_adjusted(500.0, k.s, 24.0), k.qc) << k.s;
}

TEST(LoessCurveShape, SecantIsTheInitialSlopeAtZeroDeflection) {
  const LoessCurve c = LoessCurve::make(500.0, 24.0, 1.0, kUnitsUS);
  EXPECT_DOUBLE_EQ(c.secant(0.0, 0.5, 2.0), 0.25 * c.Ki);
  EXPECT_DOUBLE_EQ(c.secant(c.yref, 0.5, 2.0), 0.25 * (c.p(c.yref) / c.yref));
  EXPECT_NEAR(c.secant(1e-9, 1.0, 1.0), c.Ki, 1e-3);  // continuous with the small-deflection value
}

TEST(LoessCurveShape, CyclesBelowOneCountAsOne) {
  struct Case {
    double N, used;
  };
  for (const Case& k : {Case{0.0, 1.0}, Case{0.5, 1.0}, Case{1.0, 1.0}, Case{-3.0, 3.0}, Case{10.1, 10.1},
                        Case{std::numeric_limits<double>::quiet_NaN(), 1.0}})
    EXPECT_DOUBLE_EQ(Loess_Cycles(k.N), k.used) << k.N;
}

// ---- sweeps over a layer ----

class PiedmontLoess : public SoilTest {
 protected:
  // 240 in pile of width 24 in, one layer from 0 to 240 in, nodes every 6 in.
  void piedmont_layer(int type, double v_top, double v_bottom) {
    pile(240, 24);
    add_layer({kPiedmont, 0, 240, 0.06, 0.06, 0, 0, 0, 0});
    SoilLayers& s = pm.soil;
    s.PiedmontTestType[1] = s.PiedmontTestType[2] = type;
    Indexed<double, kMaxSoilDepthPoints>* values[] = {&s.SPTN60, &s.ConeTipResistance, &s.DilatometerModulus,
                                                     &s.PressuremeterModulus};
    for (auto* v : values) {  // decoys: only the selected test may be read
      (*v)[1] = 7777.0;
      (*v)[2] = 9999.0;
    }
    if (type >= 1 && type <= 4) {
      (*values[type - 1])[1] = v_top;
      (*values[type - 1])[2] = v_bottom;
    }
  }
  void loess_layer(double qc_top, double qc_bottom, double cycles = 1.0) {
    pile(240, 24);
    add_layer({kLoess, 0, 240, 0.06, 0.06, 0, 0, 0, 0});
    pm.soil.ConeTipResistance[1] = qc_top;
    pm.soil.ConeTipResistance[2] = qc_bottom;
    pm.options.NumberOfCycles = cycles;
  }
  void start() {
    discretise(40);
    Compute_PY_Curves(true);
  }
  void multipliers(double p, double y) {
    AnalysisData& d = pm.data;
    d.NumPYModifierRows = 2;
    d.PMultiplierX[1] = 0;
    d.PMultiplierX[2] = 240;
    d.PMultiplier[1] = d.PMultiplier[2] = p;
    d.YMultiplier[1] = d.YMultiplier[2] = y;
  }
  void soil_movement(double ys) {
    AnalysisData& d = pm.data;
    pm.options.UseSoilMovement = true;
    d.NumSoilMovementPoints = 2;
    d.SoilMovementX[1] = 0;
    d.SoilMovementX[2] = 240;
    d.SoilMovementValue[1] = d.SoilMovementValue[2] = ys;
  }
  void print_at(double depth) {
    pm.data.NumPYOutputDepths = 1;
    pm.data.PYOutput[1].PYOutputDepth = depth;
    Assign_PY_Output_Depths_To_Layers(1);
    Print_PY_Curves();
  }
};

TEST_F(PiedmontLoess, PiedmontInterpolatesTheSelectedTestInTheLayer) {
  piedmont_layer(1, 8.0, 12.0);  // N60 = 10 at mid-depth
  multipliers(0.5, 2.0);
  start();
  ASSERT_EQ(pm.FatalErrorValue, 0);
  const int m = node_at(120);
  EXPECT_DOUBLE_EQ(nodes.SoilModulusEs[m], 220.0 * 24.0 / 2.0);  // zero deflection
  const PiedmontCurve c = PiedmontCurve::make(220.0, 24.0);
  EXPECT_NEAR(modulus_at(m, 0.9), c.p(0.45) / 0.45 * 0.5 / 2.0, 1e-9);
  // N60 = 8 at the head; y' = 1.0 lies beyond y2 = 0.9 on the plateau.
  EXPECT_DOUBLE_EQ(modulus_at(node_at(0), 2.0), 0.008112028136109242 * (24.0 * 24.0) * 176.0 / 1.0 * 0.5 / 2.0);
  EXPECT_EQ(pyset.LayerPuIntegral[1], 0.0);  // no layer integral
}

TEST_F(PiedmontLoess, PiedmontOffersNoResistanceInGenericUnitsOrForAnUnknownTest) {
  for (int run = 0; run < 2; ++run) {
    SCOPED_TRACE(run);
    SetUp();
    if (run == 0) {
      units(kUnitsGeneric);
      piedmont_layer(2, 400.0, 600.0);
    } else {
      piedmont_layer(7, 400.0, 600.0);
    }
    start();
    ASSERT_EQ(pm.FatalErrorValue, 0);
    for (double y : {0.0, 0.01, 0.5}) EXPECT_EQ(modulus_at(node_at(120), y), 0.0) << y;
    TearDown();
  }
}

TEST_F(PiedmontLoess, SoilMovementLoadUsesTheCurvesOwnModulus) {
  // The curve is read at the relative deflection, so the load term is the
  // curve's secant modulus times the movement, not the starting modulus's.
  for (int model = 0; model < 2; ++model) {
    SCOPED_TRACE(model);
    SetUp();
    soil_movement(0.1);
    if (model == 0)
      piedmont_layer(1, 10.0, 10.0);
    else
      loess_layer(500.0, 500.0);
    start();
    ASSERT_EQ(pm.FatalErrorValue, 0);
    const int m = node_at(120);
    EXPECT_DOUBLE_EQ(nodes.SoilMovementForce[m], nodes.SoilModulusEs[m] * 0.1 + nodes.DistributedLoad[m]);
    EXPECT_LT(nodes.SoilMovementForce[m], 50000.0 * 0.1);
    modulus_at(m, 0.3);
    EXPECT_DOUBLE_EQ(nodes.SoilMovementForce[m], nodes.SoilModulusEs[m] * 0.1 + nodes.DistributedLoad[m]);
    // ... while the curve itself is read at the relative deflection.
    const double Es = nodes.SoilModulusEs[m];
    if (model == 0) {
      const PiedmontCurve c = PiedmontCurve::make(220.0, 24.0);
      EXPECT_DOUBLE_EQ(Es, c.p(0.2) / 0.2);
    } else {
      const LoessCurve c = LoessCurve::make(500.0, 24.0, 1.0, kUnitsUS);
      EXPECT_DOUBLE_EQ(Es, c.p(0.2) / 0.2);
    }
    TearDown();
  }
}

TEST_F(PiedmontLoess, LoessModuliAlongThePile) {
  loess_layer(500.0, 500.0);
  multipliers(0.5, 2.0);
  start();
  ASSERT_EQ(pm.FatalErrorValue, 0);
  const LoessCurve deep = LoessCurve::make(500.0, 24.0, 1.0, kUnitsUS);
  const LoessCurve near_head = LoessCurve::make(375.0, 24.0, 1.0, kUnitsUS);
  EXPECT_DOUBLE_EQ(nodes.SoilModulusEs[node_at(120)], 0.25 * deep.Ki);  // finite at zero deflection
  EXPECT_DOUBLE_EQ(nodes.SoilModulusEs[node_at(0)], 0.25 * LoessCurve::make(250.0, 24.0, 1.0, kUnitsUS).Ki);
  EXPECT_DOUBLE_EQ(modulus_at(node_at(120), 0.234), 0.25 * (deep.p(0.117) / 0.117));
  EXPECT_DOUBLE_EQ(modulus_at(node_at(12), 0.234), 0.25 * (near_head.p(0.117) / 0.117));
  EXPECT_EQ(pyset.LayerPuIntegral[1], 0.0);
}

TEST_F(PiedmontLoess, LoessCyclesAboveTenStopTheRun) {
  struct Case {
    double N;
    int fatal;
  };
  for (const Case& k : {Case{10.1, 0}, Case{10.0, 0}, Case{10.2, 170}, Case{-10.2, 170}, Case{0.0, 0}}) {
    SCOPED_TRACE(k.N);
    SetUp();
    loess_layer(500.0, 500.0, k.N);
    start();
    EXPECT_EQ(pm.FatalErrorValue, k.fatal);
    if (k.N == 0.0) {  // static loading counts as one cycle
      EXPECT_DOUBLE_EQ(modulus_at(node_at(120), 0.117), LoessCurve::make(500.0, 24.0, 1.0, kUnitsUS).p(0.117) / 0.117);
    }
    if (k.fatal != 0 && k.N > 0) {
      const std::string r = report();
      EXPECT_TRUE(contains(r, "\n**** Input Data Error No. 70 ****\n\n"
                              "PROBLEM: Soil layer 1 is a loess and the input value for the number of cycles of loading = "
                              "        10.2\n"
                              "This value is greater than 10. The soil model for loess is valid only for 1 to 10 cycles "
                              "of loading. \n"
                              "SOLUTION: Revise the input data so that the number of cycles of loading is in the range of "
                              "1 to 10.\n\n"))
          << r;
      EXPECT_TRUE(contains(r, "\n\n\nKavro ended prematurely due to input error number INP00170\n")) << r;
    }
    TearDown();
  }
}

// ---- print mode ----

TEST_F(PiedmontLoess, PiedmontPrintedBlockAndPoints) {
  piedmont_layer(1, 8.0, 12.0);
  start();
  print_at(120);
  ASSERT_EQ(pm.FatalErrorValue, 0);
  const std::string r = report();
  const std::string expected =
      "\n\np-y Curve Computed Using the Piedmont Residual Soil Criteria\n\n"
      "Soil Layer Number               " + kCol56(32) + "         1\n"
      "Depth below pile head      " + kCol56(27) + "      10.000 ft\n"
      "Depth below ground surface " + kCol56(27) + "      10.000 ft\n"
      "Shaft Diameter                  " + kCol56(32) + "      24.000 in \n"
      "Type of Field Test" + kCol56(18) + "Standard Penetration Test\n"
      "SPT  N60-value" + kCol56(14) + "      10.000 blows/ft\n"
      "Initial p-y Modulus from Field Tests" + kCol56(36) + "     220.000 psi /in \n"
      "p-multiplier                        " + kCol56(36) + "     1.00000\n"
      "y-multiplier                        " + kCol56(36) + "     1.00000\n"
      "\n        y, in        p, lbs/in \n"
      "---------------   ---------------\n";
  EXPECT_TRUE(contains(r, expected)) << r;

  const auto lines = lines_of(plot());
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[0].substr(0, 20), "  0.1200000E+03   17");
  EXPECT_EQ(lines[0].substr(104), "Line 7:  p-y curve depth in Piedmont residual soil, no. p-y points on curve no. 1");
  EXPECT_EQ(lines[1].substr(0, 30), "  0.0000000E+00  0.0000000E+00");
  EXPECT_EQ(lines[2].substr(0, 30), "  0.2400000E-01  0.1267200E+03");  // y1
  EXPECT_EQ(lines[16].substr(0, 30), "  0.9000000E+00  0.1027956E+04");  // y2
  EXPECT_EQ(lines[17].substr(0, 30), "  0.9450000E+00  0.1027956E+04");  // 1.05 y2
  EXPECT_EQ(lines[17].substr(104), "Line 8(17): y(in), p(lb/in), for Piedmont residual soil");
  // Equal steps from y1 to y2.
  const double step = (0.9 - 0.024) / 14.0;
  EXPECT_NEAR(std::stod(lines[9].substr(0, 15)), 0.024 + 7 * step, 1e-6);
}

TEST_F(PiedmontLoess, PiedmontTestLinesByTypeAndUnits) {
  struct Case {
    int units, type;
    const char* type_line;   // after "= "
    const char* value_line;  // whole line, empty when none
  };
  const Case cases[] = {
      {kUnitsSI, 1, "Standard Penetration Test", "SPT  N60-value"},
      {kUnitsUS, 2, "Cone Penetration Test", "CPT qc"},
      {kUnitsSI, 3, "Dilatometer Test", "DMT Edmt"},
      {kUnitsUS, 4, "Pressuremeter Test", "DMT Epmt    "},
      {kUnitsGeneric, 2, "Cone Penetration Test", ""},
      {kUnitsUS, 6, "", ""},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.type);
    SetUp();
    units(k.units);
    piedmont_layer(k.type, 100.0, 100.0);
    start();
    print_at(120);
    ASSERT_EQ(pm.FatalErrorValue, 0);
    const std::string r = report();
    if (*k.type_line != 0)
      EXPECT_TRUE(contains(r, "\nType of Field Test" + kCol56(18) + k.type_line + "\n")) << r;
    else
      EXPECT_FALSE(contains(r, "Type of Field Test")) << r;
    if (*k.value_line != 0) {
      std::string unit = k.units == kUnitsSI ? " kPa" : " psi";
      if (k.type == 1) unit = k.units == kUnitsSI ? " blows/0.3 m" : " blows/ft";
      EXPECT_TRUE(contains(r, std::string("\n") + k.value_line + kCol56(std::string(k.value_line).size()) +
                                  "     100.000" + unit + "\n"))
          << r;
    } else {
      EXPECT_FALSE(contains(r, "N60-value") || contains(r, "CPT qc") || contains(r, "DMT E")) << r;
    }
    TearDown();
  }
}

TEST_F(PiedmontLoess, LoessPrintedBlockAndPoints) {
  loess_layer(500.0, 500.0, 1.0);
  start();
  print_at(120);
  ASSERT_EQ(pm.FatalErrorValue, 0);
  std::string r = report();
  const std::string expected =
      "\n\np-y Curve for Loess\n\n"
      "Soil Layer Number               " + kCol56(32) + "         1\n"
      "Depth below pile head      " + kCol56(27) + "      10.000 ft\n"
      "Depth below ground surface " + kCol56(27) + "      10.000 ft\n"
      "Shaft Diameter                  " + kCol56(32) + "      24.000 in \n"
      "Cone tip resistance             " + kCol56(32) + "     500.000 psi \n"
      "Initial Modulus, Ei             " + kCol56(32) + "   41948.719 psi \n"
      "p_u0                            " + kCol56(32) + "     204.500 psi \n"
      "p_u                             " + kCol56(32) + "    4908.000 lbs/in \n"
      "Number of Cycles of Loading     " + kCol56(32) + "          1. cycles\n"
      "p-multiplier                    " + kCol56(32) + "     1.00000\n"
      "y-multiplier                    " + kCol56(32) + "     1.00000\n"
      "\n        y, in        p, lbs/in \n"
      "---------------   ---------------\n";
  EXPECT_TRUE(contains(r, expected)) << r;

  const auto lines = lines_of(plot());
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[0].substr(104), "Line 7:  p-y curve depth in Loess, no. p-y points on curve no. 1");
  EXPECT_EQ(lines[5].substr(0, 30), "  0.1170000E+00  0.2409677E+04");  // yref
  EXPECT_EQ(lines[17].substr(0, 30), "  0.5850000E+01  0.4811765E+04");  // 50 yref
  EXPECT_EQ(lines[17].substr(104), "Line 8(17): y(in), p(lb/in), for Loess");

  // Near the pile head the adjusted resistance has its own label.
  SetUp();
  loess_layer(500.0, 500.0, 1.0);
  start();
  print_at(12);
  r = report();
  EXPECT_TRUE(contains(r, "\nDepth Adj. Cone tip resistance  " + kCol56(32) + "     375.000 psi \n")) << r;
}

}  // namespace
}  // namespace kavro::test
