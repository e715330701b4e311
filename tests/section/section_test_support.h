// Helpers of the section-analysis tests: pile sections built in the problem
// model without an input deck, and the report captured in a temporary file.
#pragma once
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/output_unit.h"
#include "model/problem_model.h"
#include "report/warnings.h"
#include "section/bar_generator.h"
#include "section/section_driver.h"
#include "section/working_section.h"

namespace kavro::test {

// Clears pile section n and the run state the section analysis reads.
inline PileSection& fresh_section(int n, int units = kUnitsUS) {
  pm.FatalErrorValue = 0;
  pm.options.IUNITS = units;
  pm.options.UseLRFD = false;
  pm.options.i_Analysis_Type = kAnalysisEIOnly;
  pm.run.NumMvsEIReportNames = 0;
  pm.pile.Section[n] = PileSection{};
  Set_Section_Unit_Labels();
  return pm.pile.Section[n];
}

// Drilled shaft (type 1) of diameter D with nb bars of diameter db and area
// ab on a circle of clear cover `cover` (US customary values: in, psi).
inline PileSection& drilled_shaft(int n, double D, int nb, double db, double ab, double cover, double fc = 4000,
                                  double fy = 60000, double Es = 29e6) {
  PileSection& s = fresh_section(n);
  s.SectionType = 1;
  s.SectionDiameter = D;
  s.ConcreteStrength = fc;
  s.RebarYieldStress = fy;
  s.RebarModulus = Es;
  s.b_CircularRebar = true;
  s.NumBars = nb;
  s.BarsPerBundle = 1;
  s.CageBarDiameter = db;
  s.CageBarArea = ab;
  s.ConcreteCover = cover;
  for (int i = 1; i <= nb; ++i) {
    s.BarDiameter[i] = db;
    s.BarArea[i] = ab;
  }
  if (nb > 0) Place_Circular_Rebar(s);
  return s;
}

// Steel pipe (type 4) of outside diameter D and wall t.
inline PileSection& steel_pipe(int n, double D, double t, double fy = 36000, double E = 29e6) {
  PileSection& s = fresh_section(n);
  s.SectionType = 4;
  s.SectionDiameter = D;
  s.CasingWallThickness = t;
  s.CasingYieldStress = fy;
  s.CasingModulus = E;
  return s;
}

// Output of a unit (the report by default) written between construction
// and text(), captured in a temporary file.
class UnitCapture {
 public:
  explicit UnitCapture(OutputUnit& u = report_unit()) : u_(u) {
    char name[] = "/tmp/kavro_section_unitXXXXXX";
    const int fd = mkstemp(name);
    if (fd >= 0) ::close(fd);
    path_ = name;
    u_.open(path_);
  }
  ~UnitCapture() {
    u_.close();
    std::remove(path_.c_str());
  }
  UnitCapture(const UnitCapture&) = delete;
  UnitCapture& operator=(const UnitCapture&) = delete;
  std::string text() {
    u_.close();
    std::ifstream in(path_);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }

 private:
  OutputUnit& u_;
  std::string path_;
};

}  // namespace kavro::test

