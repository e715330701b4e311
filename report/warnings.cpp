#include "report/warnings.h"

#include <cstdlib>

#include "model/capacities.h"
#include "model/indexed.h"

namespace kavro {
namespace {

struct Registry {
  Indexed<int, kWarningCodes> counter{};
  Indexed<int, kWarningCodes> history{};     // code by counter value
  int status_count = 0;
  Indexed<bool, kWarningCodes> seen{};        // codes registered in this run
  Indexed<int, kWarningCodes> distinct{};     // in order of first registration
  int num_distinct = 0;
};

Registry reg;

}  // namespace

void Register_Warning(int code) {
  int a = std::abs(code);
  if (a < 1 || a > kWarningCodes) return;
  if (reg.counter[a] <= kWarningCodes - 1) reg.counter[a] += 1;
  reg.status_count = reg.counter[a];
  reg.history[reg.status_count] = code;
  if (!reg.seen[a]) {
    reg.seen[a] = true;
    reg.distinct[++reg.num_distinct] = code < 0 ? code : -code;
  }
}

void Clear_Warning_Counters() { reg.counter.fill(0); }

void Reset_Warning_Registry() { reg = Registry{}; }

int warning_counter(int code) {
  int a = std::abs(code);
  return (a >= 1 && a <= kWarningCodes) ? reg.counter[a] : 0;
}

int warning_status_count() { return reg.status_count; }

bool any_warning_registered() { return reg.num_distinct > 0; }

int warning_run_status() {
  if (reg.num_distinct == 0) return 0;
  if (reg.num_distinct == 1) return reg.distinct[1];
  return -300;
}

int num_distinct_warnings() { return reg.num_distinct; }
int distinct_warning(int k) { return reg.distinct[k]; }

}  // namespace kavro
