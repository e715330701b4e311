// Unit labels and the conversion to computation units.
#include <gtest/gtest.h>

#include "model/problem_model.h"

namespace kavro {
namespace {

TEST(UnitLabels, EveryUnitSystemPadsToItsLength) {
  struct Row { int units; const char* force; const char* moment; const char* weight; const char* small; };
  const Row rows[] = {{1, "lbs", "in-lb   ", "pcf  ", "in"}, {2, "kN ", "kN-m    ", "kN/m3", "mm"},
                      {3, "F  ", "F-L     ", "F/L3 ", "L "}};
  for (const Row& r : rows) {
    pm.options.IUNITS = r.units;
    set_unit_labels();
    EXPECT_EQ(pm.labels.Force, r.force);
    EXPECT_EQ(pm.labels.Moment, r.moment);
    EXPECT_EQ(pm.labels.UnitWeight, r.weight);
    EXPECT_EQ(pm.labels.SmallLength, r.small);
    EXPECT_EQ(pm.labels.Stress.size(), 4u);
  }
}

TEST(Conversion, UsCustomaryKeepsRockStrengthInPsi) {
  reset_problem_model();
  initialise_run_state();
  pm.soil.i_Number_of_Layers = 2;
  pm.soil.i_SoilLayer_py_Type[1] = 1;  // soft clay: psf
  pm.soil.i_SoilLayer_py_Type[2] = 8;  // weak rock: psi
  for (int i = 1; i <= 4; ++i) pm.soil.StrengthC[i] = 1440.0;
  pm.soil.GammaEff[1] = 1728.0;
  pm.soil.XLayerBottom[1] = 10.0;
  pm.pile.PileLength = 50.0;
  pm.pile.Section[1].SectionLength = 50.0;
  convert_us_customary();
  EXPECT_DOUBLE_EQ(pm.soil.StrengthC[1], 10.0);
  EXPECT_DOUBLE_EQ(pm.soil.StrengthC[2], 10.0);
  EXPECT_DOUBLE_EQ(pm.soil.StrengthC[3], 1440.0);
  EXPECT_DOUBLE_EQ(pm.soil.StrengthC[4], 1440.0);
  EXPECT_DOUBLE_EQ(pm.soil.GammaEff[1], 1.0);
  EXPECT_DOUBLE_EQ(pm.soil.XLayerBottom[1], 120.0);
  EXPECT_DOUBLE_EQ(pm.pile.PileLength, 600.0);
  EXPECT_DOUBLE_EQ(pm.pile.Section[1].SectionLength, 600.0);
  EXPECT_TRUE(pm.run.b_UnitsConverted);
  // A second conversion does nothing.
  convert_us_customary();
  EXPECT_DOUBLE_EQ(pm.pile.PileLength, 600.0);
  EXPECT_DOUBLE_EQ(pm.soil.StrengthC[1], 10.0);
}

TEST(Conversion, SiStepOnlySetsTheFlag) {
  reset_problem_model();
  pm.pile.PileLength = 15.0;
  convert_si();
  EXPECT_TRUE(pm.run.b_UnitsConverted);
  EXPECT_DOUBLE_EQ(pm.pile.PileLength, 15.0);
}

TEST(SoilModelNames, TableOfTwentyCodes) {
  initialise_run_state();
  EXPECT_EQ(soil_model_name(1), "SoftClay  ");
  EXPECT_EQ(soil_model_name(5), "Sand      ");
  EXPECT_EQ(soil_model_name(17), "Frz Soil  ");
  EXPECT_EQ(soil_model_name(18), "Undefined ");
  EXPECT_EQ(soil_model_name(0), "Undefined ");
  EXPECT_EQ(soil_model_name(21), "Undefined ");
}

}  // namespace
}  // namespace kavro
