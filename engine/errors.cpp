#include "engine/errors.h"

#include <cstdio>

#include "engine/output_unit.h"

namespace kavro {

std::string message_code(int value) {
  char buf[16];
  if (value >= 100 && value < 200)
    std::snprintf(buf, sizeof buf, "INP%05d", value - 100);
  else if (value >= 200 && value < 300)
    std::snprintf(buf, sizeof buf, "RUN%05d", value - 200);
  else
    std::snprintf(buf, sizeof buf, "RUN%05d", value);
  return buf;
}

void Error_Stop(std::string_view code, int value) {
  OutputUnit& rep = report_unit();
  if (value >= 1 && value <= 199) {
    rep.blank(2);
    rep.line().text("Kavro ended prematurely due to input error number ").text(code).end();
  } else if (value >= 200) {
    rep.blank(2);
    rep.line().text("Kavro ended prematurely due to runtime error number ").text(code).end();
  }
  if (value == 125) {
    rep.blank();
    rep.put("**** Input Data Error No. 25 ****");
    rep.blank();
    rep.put("Length of input file is 0 bytes.  No analysis can be performed.");
  }
  pm.FatalErrorValue = value;
}

void stop_not_available(std::string_view what) {
  for (OutputUnit* u : {&report_unit(), &runtime_unit()}) {
    u->blank();
    u->line().text("**** Runtime Error No. ").i0(kRunErrNotAvailable).text(" ****").end();
    u->blank();
    u->line().text("The ").text(what).text(" is not available in this version of Kavro.").end();
    u->put("The results written before this message are complete; no further analysis was made.");
  }
  stop_runtime_error(kRunErrNotAvailable);
}

}  // namespace kavro
